#include "LateBound.h"

#include <algorithm>

#include "frame/base/Errors.h"
#include "frame/automation/Runtime.h"

namespace orvane::demo {

namespace {

// The error a failed Invoke carries: EXCEPINFO first (0x800A0000 + n, or wCode),
// then the call's own result mapped to the runtime's numbers (438 unknown member,
// 13 type mismatch, 450 wrong argument count, 5 otherwise).
[[noreturn]] void raiseFailure(HRESULT result, EXCEPINFO& exception) {
    if (result == DISP_E_EXCEPTION) {
        if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
        Bstr description = Bstr::attach(exception.bstrDescription);
        Bstr source = Bstr::attach(exception.bstrSource);
        ::SysFreeString(exception.bstrHelpFile);
        long number = exception.wCode;
        if (!number) {
            number = errorNumberOf(exception.scode);
            if (!number) number = exception.scode & 0xFFFF;
        }
        std::wstring text = description.length() ? description.c_str() : standardText(number);
        throw RuntimeError(number, text, source.c_str());
    }
    long number = errorNumberOf(result);
    if (!number) {
        switch (result) {
        case DISP_E_MEMBERNOTFOUND:
        case DISP_E_UNKNOWNNAME: number = 438; break;
        case DISP_E_TYPEMISMATCH: number = error::TypeMismatch; break;
        case DISP_E_BADPARAMCOUNT: number = 450; break;
        case DISP_E_OVERFLOW: number = error::Overflow; break;
        default: number = error::InvalidCall; break;
        }
    }
    const wchar_t* text = standardText(number);
    throw RuntimeError(number, text && *text ? text : L"Automation error");
}

}  // namespace

Variant LateBound::invoke(DISPID member, WORD flags, std::vector<Variant>& arguments) const {
    if (!object_) raise(error::ObjectNotSet);
    // IDispatch takes the arguments last to first.
    std::vector<VARIANT> reversed;
    reversed.reserve(arguments.size());
    for (auto it = arguments.rbegin(); it != arguments.rend(); ++it) reversed.push_back(*it->get());
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        parameters.rgdispidNamedArgs = &named;
        parameters.cNamedArgs = 1;
    }
    Variant result;
    EXCEPINFO exception{};
    UINT argumentError = 0;
    HRESULT status = object_->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                     (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) ? nullptr : result.get(),
                                     &exception, &argumentError);
    if (FAILED(status)) raiseFailure(status, exception);
    return result;
}

Variant LateBound::call(DISPID member, std::vector<Variant> arguments) const {
    return invoke(member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, arguments);
}

Variant LateBound::get(DISPID member) const {
    std::vector<Variant> none;
    return invoke(member, DISPATCH_PROPERTYGET, none);
}

void LateBound::put(DISPID member, const Variant& value) const {
    std::vector<Variant> arguments{value};
    invoke(member, DISPATCH_PROPERTYPUT, arguments);
}

LateBound objectIn(const Variant& value) {
    const VARIANT& actual = runtime::dereference(*value.get());
    if ((V_VT(&actual) != VT_DISPATCH && V_VT(&actual) != VT_UNKNOWN) || !V_UNKNOWN(&actual)) raise(error::ObjectNotSet);
    ComPtr<IDispatch> object;
    if (FAILED(V_UNKNOWN(&actual)->QueryInterface(IID_IDispatch, object.putVoid()))) raise(error::ObjectNotSet);
    return LateBound(object);
}

Variant integerValue(short value) { return runtime::makeInteger(value); }
Variant longValue(long value) { return runtime::makeLong(value); }
Variant doubleValue(double value) { return runtime::makeDouble(value); }
Variant textValue(const std::wstring& text) { return runtime::makeText(text); }

}  // namespace orvane::demo
