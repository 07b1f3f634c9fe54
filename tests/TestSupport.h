// Helpers shared by the tests: late-bound calls by dispatch identifier or name with
// the exact VARIANTs a client passes, and checks of the error a call raised.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frame/base/Handles.h"

namespace orvane::test {

// The outcome of one IDispatch::Invoke.
struct Call {
    HRESULT result = S_OK;
    Variant value;
    long errorNumber = 0;        // from EXCEPINFO's scode (0x800A0000 + n)
    std::wstring description;
    std::wstring source;
    UINT argumentError = 0;
};

// Arguments in declaration order (the helper reverses them as IDispatch expects).
Call invoke(IDispatch* object, DISPID member, WORD flags, std::vector<VARIANT> arguments);
Call invokeMethod(IDispatch* object, DISPID member, std::vector<VARIANT> arguments = {});
Call invokeByName(IDispatch* object, const wchar_t* name, std::vector<VARIANT> arguments = {},
                  WORD flags = DISPATCH_METHOD | DISPATCH_PROPERTYGET);
Call propertyPut(IDispatch* object, DISPID member, VARIANT value, WORD flags = DISPATCH_PROPERTYPUT);

// VARIANT builders. The VARIANTs are shallow: the caller keeps the owning objects alive.
VARIANT vInteger(short value);
VARIANT vLong(long value);
VARIANT vDouble(double value);
VARIANT vBool(bool value);
VARIANT vEmpty();
VARIANT vNull();
VARIANT vMissing();
VARIANT vText(const Bstr& text);        // borrows the text
VARIANT vObject(IDispatch* object);      // borrows the reference
VARIANT vRef(VARIANT* variable);         // VT_BYREF|VT_VARIANT, as scripts pass variables
VARIANT vRefText(BSTR* variable);        // VT_BYREF|VT_BSTR, as typed clients pass them

std::wstring text(const VARIANT& value);  // the text of a VT_BSTR (empty otherwise)
std::wstring text(BSTR value);

// Expects an automation error: number, and description when given.
::testing::AssertionResult raised(const Call& call, long number, const wchar_t* description = nullptr);
// The IErrorInfo left by an early-bound call that failed with 0x800A0000 + number.
::testing::AssertionResult raisedEarly(HRESULT result, long number, const wchar_t* description = nullptr,
                                       const wchar_t* source = nullptr);

// An owned VARIANT variable for ByRef tests.
struct Variable {
    Variable() { ::VariantInit(&value); }
    explicit Variable(const wchar_t* initial);
    ~Variable() { ::VariantClear(&value); }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;
    VARIANT value;
};

}  // namespace orvane::test
