// Late binding from C++: create by programmatic identifier, find members by name,
// call them through IDispatch::Invoke, read errors from EXCEPINFO.
#include <windows.h>
#include <oleauto.h>

#include <cstdio>

namespace {

DISPID idOf(IDispatch* object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

// Calls a member with the arguments in declaration order; prints a raised error.
HRESULT call(IDispatch* object, const wchar_t* name, VARIANT* arguments, UINT count, VARIANT* result,
             WORD flags = DISPATCH_METHOD | DISPATCH_PROPERTYGET) {
    VARIANT reversed[8];
    for (UINT i = 0; i < count; ++i) reversed[i] = arguments[count - 1 - i];
    DISPPARAMS params = {reversed, nullptr, count, 0};
    EXCEPINFO exception = {};
    HRESULT hr = object->Invoke(idOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                                &exception, nullptr);
    if (hr == DISP_E_EXCEPTION) {
        std::printf("%ls: error %ld: %ls\n", name, static_cast<long>(exception.scode & 0xFFFF),
                    exception.bstrDescription ? exception.bstrDescription : L"");
        ::SysFreeString(exception.bstrSource);
        ::SysFreeString(exception.bstrDescription);
        ::SysFreeString(exception.bstrHelpFile);
    }
    return hr;
}

IDispatch* create(const wchar_t* programmaticId) {
    CLSID classId;
    IDispatch* object = nullptr;
    if (FAILED(::CLSIDFromProgID(programmaticId, &classId)) ||
        FAILED(::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                  reinterpret_cast<void**>(&object)))) {
        std::printf("cannot create %ls: is the library registered?\n", programmaticId);
        return nullptr;
    }
    return object;
}

int run() {
    IDispatch* numbers = create(L"TVOrvaneSuite.OVNumbers");
    if (!numbers) return 1;
    int failures = 0;

    // A ByRef parameter passed as a variable (VT_BYREF|VT_VARIANT) receives what the
    // member leaves in it: BinToOct leaves the decimal text.
    VARIANT variable;
    ::VariantInit(&variable);
    V_VT(&variable) = VT_BSTR;
    V_BSTR(&variable) = ::SysAllocString(L"101101");
    VARIANT byReference;
    V_VT(&byReference) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&byReference) = &variable;
    VARIANT result;
    ::VariantInit(&result);
    if (FAILED(call(numbers, L"BinToOct", &byReference, 1, &result)) || V_VT(&result) != VT_BSTR) {
        ++failures;
    } else {
        std::printf("BinToOct(\"101101\") = %ls; the variable now holds \"%ls\"\n", V_BSTR(&result), V_BSTR(&variable));
        if (::lstrcmpW(V_BSTR(&result), L"55") != 0 || ::lstrcmpW(V_BSTR(&variable), L"45") != 0) ++failures;
    }
    ::VariantClear(&result);
    ::VariantClear(&variable);

    // An error raised by the member.
    VARIANT bad;
    V_VT(&bad) = VT_BSTR;
    V_BSTR(&bad) = ::SysAllocString(L"1021");
    if (call(numbers, L"BinToDec", &bad, 1, &result) != DISP_E_EXCEPTION) ++failures;
    ::VariantClear(&bad);
    numbers->Release();

    // A collection: Add by name, then walk it with the enumerator (DISPID_NEWENUM).
    IDispatch* keys = create(L"TVOrvaneSuite.OVRegistryKeys");
    if (!keys) return 1;
    const wchar_t* names[] = {L"Run", L"RunOnce"};
    for (const wchar_t* name : names) {
        VARIANT arguments[1];
        V_VT(&arguments[0]) = VT_BSTR;
        V_BSTR(&arguments[0]) = ::SysAllocString(name);
        if (FAILED(call(keys, L"Add", arguments, 1, &result))) ++failures;
        ::VariantClear(&result);
        ::VariantClear(&arguments[0]);
    }
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VARIANT enumerator;
    ::VariantInit(&enumerator);
    IEnumVARIANT* items = nullptr;
    if (SUCCEEDED(keys->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                               &enumerator, nullptr, nullptr)) &&
        SUCCEEDED(V_UNKNOWN(&enumerator)->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&items)))) {
        VARIANT item;
        ::VariantInit(&item);
        int seen = 0;
        while (items->Next(1, &item, nullptr) == S_OK) {
            VARIANT name;
            ::VariantInit(&name);
            call(V_DISPATCH(&item), L"KeyNames", nullptr, 0, &name, DISPATCH_PROPERTYGET);
            std::printf("key %d: %ls\n", ++seen, V_VT(&name) == VT_BSTR ? V_BSTR(&name) : L"?");
            ::VariantClear(&name);
            ::VariantClear(&item);
        }
        items->Release();
        if (seen != 2) ++failures;
    } else {
        ++failures;
    }
    ::VariantClear(&enumerator);
    keys->Release();
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main() {
    ::CoInitialize(nullptr);
    int status = run();
    ::CoUninitialize();
    std::printf(status == 0 ? "late-bound sample done\n" : "late-bound sample FAILED\n");
    return status;
}
