// Early binding from C++: the dual interfaces of OrvaneSuite_h.h and the class
// identifiers of OrvaneSuite_i.c (both brought by find_package(OrvaneSuite)).
// Every call returns an HRESULT; a raised error is 0x800A0000 + its number, with the
// description in IErrorInfo.
#include <windows.h>
#include <oleauto.h>

#include <cstdio>

#include "OrvaneSuite_h.h"

namespace {

void printError(HRESULT hr) {
    IErrorInfo* info = nullptr;
    BSTR description = nullptr;
    if (::GetErrorInfo(0, &info) == S_OK) {
        info->GetDescription(&description);
        info->Release();
    }
    std::printf("error %ld: %ls\n", static_cast<long>(hr & 0xFFFF), description ? description : L"");
    ::SysFreeString(description);
}

int run() {
    int failures = 0;
    _OVNumbers* numbers = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_OVNumbers, nullptr, CLSCTX_INPROC_SERVER, IID__OVNumbers,
                                  reinterpret_cast<void**>(&numbers)))) {
        std::printf("cannot create OVNumbers: is the library registered?\n");
        return 1;
    }
    // ByRef parameters are pointers: the member may change the text it is given.
    BSTR binary = ::SysAllocString(L"1101");
    VARIANT result;
    ::VariantInit(&result);
    HRESULT hr = numbers->BinToDec(&binary, &result);
    if (SUCCEEDED(hr) && V_VT(&result) == VT_I2) {
        std::printf("BinToDec(\"1101\") = %d (Integer); the argument now holds \"%ls\"\n", V_I2(&result), binary);
        if (V_I2(&result) != 13) ++failures;
    } else {
        ++failures;
    }
    ::VariantClear(&result);
    ::SysFreeString(binary);

    BSTR wrong = ::SysAllocString(L"12");
    hr = numbers->BinToDec(&wrong, &result);
    if (hr == static_cast<HRESULT>(0x800A0063)) printError(hr); else ++failures;  // 99 "Can't Convert."
    ::SysFreeString(wrong);

    short digits = 8;
    OVNumbersConstants base = ovHexidecimalBase;
    if (SUCCEEDED(numbers->GenerateRandomID(&digits, &base, &result)) && V_VT(&result) == VT_BSTR) {
        std::printf("GenerateRandomID(8, ovHexidecimalBase) = %ls\n", V_BSTR(&result));
        if (::SysStringLen(V_BSTR(&result)) != 8) ++failures;
    } else {
        ++failures;
    }
    ::VariantClear(&result);
    numbers->Release();

    // A keyed collection through its interface.
    _OVRegistryKeys* keys = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_OVRegistryKeys, nullptr, CLSCTX_INPROC_SERVER, IID__OVRegistryKeys,
                                  reinterpret_cast<void**>(&keys)))) {
        return 1;
    }
    BSTR name = ::SysAllocString(L"Run");
    BSTR key = ::SysAllocString(L"run");
    _OVRegistryKey* added = nullptr;
    if (SUCCEEDED(keys->Add(&name, &key, &added))) added->Release(); else ++failures;
    hr = keys->Add(&name, &key, &added);  // the same key again
    if (hr == static_cast<HRESULT>(0x800A01C9)) printError(hr); else ++failures;  // 457
    long count = 0;
    keys->get_Count(&count);
    std::printf("Count = %ld\n", count);
    if (count != 1) ++failures;
    ::SysFreeString(name);
    ::SysFreeString(key);
    keys->Release();
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main() {
    ::CoInitialize(nullptr);
    int status = run();
    ::CoUninitialize();
    std::printf(status == 0 ? "early-bound sample done\n" : "early-bound sample FAILED\n");
    return status;
}
