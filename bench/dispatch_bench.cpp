// Cost of a late-bound call (IDispatch::Invoke by dispatch identifier, the path every
// script client takes) of a trivial member of ours, the Count of a keyed collection,
// against the same call on the platform's Scripting.Dictionary (its Count through its
// IDispatch) and against the early-bound call a typed client makes through the dual
// interface pointer. The platform's generic vtable call, which our Invoke ends in, is
// measured on its own to show where the time goes.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "frame/base/Errors.h"
#include "frame/collections/OVRegistryKeys.h"

using namespace orvane;
using Clock = std::chrono::steady_clock;

template <class Body>
double nanosecondsPerCall(long count, Body&& body) {
    double best = 1e300;
    // The best of five runs: the machine is shared.
    for (int run = 0; run < 5; ++run) {
        auto start = Clock::now();
        for (long n = 0; n < count; ++n) body(n);
        best = std::min(best, std::chrono::duration<double, std::nano>(Clock::now() - start).count() / count);
    }
    return best;
}

double invokeCost(IDispatch* object, DISPID member, long calls, HRESULT& failed) {
    DISPPARAMS none{};
    return nanosecondsPerCall(calls, [&](long) {
        VARIANT result;
        ::VariantInit(&result);
        HRESULT outcome = object->Invoke(member, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
        if (FAILED(outcome)) failed = outcome;
        ::VariantClear(&result);
    });
}

int main() {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const long calls = 1000000;
    HRESULT failed = S_OK;

    ComPtr<_OVRegistryKeys> keys;
    {
        auto created = orvane::OVRegistryKeys::create();
        created->QueryInterface(__uuidof(_OVRegistryKeys), keys.putVoid());
    }
    // A client's typed pointer: the call goes through the vtable.
    _OVRegistryKeys* typed = keys.get();
    double early = nanosecondsPerCall(calls, [&](long) {
        long count = 0;
        if (FAILED(typed->get_Count(&count))) failed = E_FAIL;
    });
    ComPtr<IDispatch> ours;
    keys->QueryInterface(IID_IDispatch, ours.putVoid());
    double late = invokeCost(ours.get(), DISPID_OVRegistryKeys_Count, calls, failed);

    // The platform's own vtable call for the same slot, as our Invoke makes it.
    ComPtr<ITypeInfo> info;
    ours->GetTypeInfo(0, 0, info.put());
    double vtableCall = 0;
    {
        HREFTYPE reference = 0;
        ComPtr<ITypeInfo> vtableInfo;
        info->GetRefTypeOfImplType(static_cast<UINT>(-1), &reference);
        info->GetRefTypeInfo(reference, vtableInfo.put());
        MEMBERID member = DISPID_OVRegistryKeys_Count;
        FUNCDESC* function = nullptr;
        TYPEATTR* attributes = nullptr;
        vtableInfo->GetTypeAttr(&attributes);
        for (UINT index = 0; index < attributes->cFuncs && !function; ++index) {
            vtableInfo->GetFuncDesc(index, &function);
            if (function->memid != member) {
                vtableInfo->ReleaseFuncDesc(function);
                function = nullptr;
            }
        }
        vtableInfo->ReleaseTypeAttr(attributes);
        if (function) {
            const SHORT offset = function->oVft;
            vtableInfo->ReleaseFuncDesc(function);
            vtableCall = nanosecondsPerCall(calls, [&](long) {
                long count = 0;
                VARIANTARG argument;
                V_VT(&argument) = VT_BYREF | VT_I4;
                V_I4REF(&argument) = &count;
                VARIANTARG* arguments[] = {&argument};
                VARTYPE types[] = {VT_BYREF | VT_I4};
                VARIANT returned;
                ::VariantInit(&returned);
                if (FAILED(::DispCallFunc(typed, offset, CC_STDCALL, VT_ERROR, 1, types, arguments, &returned))) {
                    failed = E_FAIL;
                }
            });
        }
    }

    double dictionary = 0;
    CLSID dictionaryClass;
    ComPtr<IDispatch> peer;
    if (SUCCEEDED(::CLSIDFromProgID(L"Scripting.Dictionary", &dictionaryClass)) &&
        SUCCEEDED(::CoCreateInstance(dictionaryClass, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, peer.putVoid()))) {
        LPOLESTR name[] = {const_cast<LPOLESTR>(L"Count")};
        DISPID count = 0;
        if (SUCCEEDED(peer->GetIDsOfNames(IID_NULL, name, 1, 0, &count))) dictionary = invokeCost(peer.get(), count, calls, failed);
    }
    if (FAILED(failed)) {
        std::printf("a call failed: 0x%08lx\n", static_cast<unsigned long>(failed));
        return 1;
    }

    std::printf("Count of a keyed collection, ns per call:\n");
    std::printf("  early-bound through the interface pointer    %7.1f\n", early);
    std::printf("  IDispatch::Invoke by dispatch identifier     %7.1f  (%.1fx the early-bound call)\n", late, late / early);
    if (dictionary > 0) {
        std::printf("  Scripting.Dictionary Count through Invoke    %7.1f  ours : Dictionary = %.2f (target <= 1)\n",
                    dictionary, late / dictionary);
    } else {
        std::printf("  Scripting.Dictionary is not available here\n");
    }
    std::printf("  of our Invoke, the platform's DispCallFunc   %7.1f  (%.0f%%); argument and result handling %.1f\n",
                vtableCall, 100.0 * vtableCall / late, late - vtableCall);
    ::CoUninitialize();
    return 0;
}
