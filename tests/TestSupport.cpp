#include "TestSupport.h"

#include <algorithm>

namespace orvane::test {

Call invoke(IDispatch* object, DISPID member, WORD flags, std::vector<VARIANT> arguments) {
    std::reverse(arguments.begin(), arguments.end());
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{arguments.empty() ? nullptr : arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }
    Call call;
    EXCEPINFO exception{};
    call.result = object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, call.value.get(), &exception,
                                 &call.argumentError);
    if (call.result == DISP_E_EXCEPTION) {
        if ((static_cast<unsigned long>(exception.scode) & 0xFFFF0000u) == 0x800A0000u) {
            call.errorNumber = exception.scode & 0xFFFF;
        }
        call.description = exception.bstrDescription ? exception.bstrDescription : L"";
        call.source = exception.bstrSource ? exception.bstrSource : L"";
    }
    ::SysFreeString(exception.bstrDescription);
    ::SysFreeString(exception.bstrSource);
    ::SysFreeString(exception.bstrHelpFile);
    return call;
}

Call invokeMethod(IDispatch* object, DISPID member, std::vector<VARIANT> arguments) {
    return invoke(object, member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::move(arguments));
}

Call invokeByName(IDispatch* object, const wchar_t* name, std::vector<VARIANT> arguments, WORD flags) {
    DISPID member = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT found = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &member);
    if (FAILED(found)) {
        Call call;
        call.result = found;
        return call;
    }
    return invoke(object, member, flags, std::move(arguments));
}

Call propertyPut(IDispatch* object, DISPID member, VARIANT value, WORD flags) { return invoke(object, member, flags, {value}); }

VARIANT vInteger(short value) { VARIANT v; V_VT(&v) = VT_I2; V_I2(&v) = value; return v; }
VARIANT vLong(long value) { VARIANT v; V_VT(&v) = VT_I4; V_I4(&v) = value; return v; }
VARIANT vDouble(double value) { VARIANT v; V_VT(&v) = VT_R8; V_R8(&v) = value; return v; }
VARIANT vBool(bool value) { VARIANT v; V_VT(&v) = VT_BOOL; V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE; return v; }
VARIANT vEmpty() { VARIANT v; ::VariantInit(&v); return v; }
VARIANT vNull() { VARIANT v; V_VT(&v) = VT_NULL; return v; }
VARIANT vMissing() { VARIANT v; V_VT(&v) = VT_ERROR; V_ERROR(&v) = DISP_E_PARAMNOTFOUND; return v; }
VARIANT vText(const Bstr& text) { VARIANT v; V_VT(&v) = VT_BSTR; V_BSTR(&v) = text.get(); return v; }
VARIANT vObject(IDispatch* object) { VARIANT v; V_VT(&v) = VT_DISPATCH; V_DISPATCH(&v) = object; return v; }
VARIANT vRef(VARIANT* variable) { VARIANT v; V_VT(&v) = VT_BYREF | VT_VARIANT; V_VARIANTREF(&v) = variable; return v; }
VARIANT vRefText(BSTR* variable) { VARIANT v; V_VT(&v) = VT_BYREF | VT_BSTR; V_BSTRREF(&v) = variable; return v; }

std::wstring text(const VARIANT& value) {
    return V_VT(&value) == VT_BSTR ? text(V_BSTR(&value)) : std::wstring();
}

std::wstring text(BSTR value) { return std::wstring(value ? value : L"", ::SysStringLen(value)); }

Variable::Variable(const wchar_t* initial) {
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = ::SysAllocString(initial);
}

::testing::AssertionResult raised(const Call& call, long number, const wchar_t* description) {
    if (call.result != DISP_E_EXCEPTION) {
        return ::testing::AssertionFailure() << "Invoke returned 0x" << std::hex << call.result << ", not DISP_E_EXCEPTION";
    }
    if (call.errorNumber != number) return ::testing::AssertionFailure() << "error " << call.errorNumber << ", not " << number;
    if (description && call.description != description) {
        return ::testing::AssertionFailure() << "description differs for error " << number;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult raisedEarly(HRESULT result, long number, const wchar_t* description, const wchar_t* source) {
    HRESULT expected = static_cast<HRESULT>(0x800A0000u | static_cast<unsigned long>(number));
    if (result != expected) return ::testing::AssertionFailure() << "returned 0x" << std::hex << result;
    ComPtr<IErrorInfo> info;
    if (::GetErrorInfo(0, info.put()) != S_OK || !info) return ::testing::AssertionFailure() << "no error information";
    BSTR text = nullptr;
    info->GetDescription(&text);
    Bstr held = Bstr::attach(text);
    if (description && std::wstring(held.c_str()) != description) return ::testing::AssertionFailure() << "description differs";
    BSTR from = nullptr;
    info->GetSource(&from);
    Bstr heldSource = Bstr::attach(from);
    if (source && std::wstring(heldSource.c_str()) != source) return ::testing::AssertionFailure() << "source differs";
    return ::testing::AssertionSuccess();
}

}  // namespace orvane::test
