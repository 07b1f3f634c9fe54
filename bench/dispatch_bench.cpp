// Cost of a late-bound call (IDispatch::Invoke by dispatch identifier, the path every
// script client takes) against the early-bound call through the dual vtable, and the
// runtime Collection's per-operation cost at 1,000 and at 1,000,000 items.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "frame/Collection.h"
#include "frame/Errors.h"
#include "frame/OVRegistryKey.h"
#include "frame/Runtime.h"

using namespace orvane;
using Clock = std::chrono::steady_clock;

template <class Body>
double nanosecondsPerCall(long count, Body&& body) {
    auto start = Clock::now();
    for (long n = 0; n < count; ++n) body(n);
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / count;
}

// Both sizes run the same number of operations: the small collection is filled and
// emptied again as often as it takes to match the large one.
void collectionAtSize(long size, double result[4]) {
    const long total = 1000000;
    const long rounds = total / size;
    Variant value = runtime::makeLong(1);
    std::vector<std::wstring> keys;
    std::vector<Bstr> probes;
    for (long n = 0; n < size; ++n) keys.push_back(L"k" + std::to_wstring(n));
    for (long n = 0; n < size; ++n) probes.emplace_back((L"K" + std::to_wstring((n * 7919LL) % size)).c_str());
    double sums[4] = {};
    for (long round = 0; round < rounds; ++round) {
        auto items = Collection::create();
        sums[0] += nanosecondsPerCall(size, [&](long n) { items->add(*value.get(), keys[static_cast<size_t>(n)]); });
        sums[1] += nanosecondsPerCall(size, [&](long n) { items->item(n + 1); });
        sums[2] += nanosecondsPerCall(size, [&](long n) {
            VARIANT key;
            V_VT(&key) = VT_BSTR;
            V_BSTR(&key) = probes[static_cast<size_t>(n)].get();
            items->item(key);
        });
        sums[3] += nanosecondsPerCall(size, [&](long n) { items->remove(size - n); });
    }
    for (int n = 0; n < 4; ++n) result[n] = sums[n] / rounds;
}

int main() {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    auto key = orvane::OVRegistryKey::create();
    key->put_KeyNames(Bstr(L"Software").get());
    const long calls = 2000000;
    double early = nanosecondsPerCall(calls, [&](long) {
        BSTR name = nullptr;
        key->get_KeyNames(&name);
        ::SysFreeString(name);
    });
    DISPPARAMS none{};
    double late = nanosecondsPerCall(calls, [&](long) {
        VARIANT result;
        ::VariantInit(&result);
        key->Invoke(0x40030000, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
        ::VariantClear(&result);
    });
    LPOLESTR memberName[] = {const_cast<LPOLESTR>(L"keynames")};
    double lookup = nanosecondsPerCall(calls, [&](long) {
        DISPID id = 0;
        key->GetIDsOfNames(IID_NULL, memberName, 1, 0, &id);
    });
    std::printf("late-bound Invoke by dispatch identifier: %.0f ns, early-bound: %.0f ns, ratio %.1f\n", late, early,
                late / early);
    std::printf("GetIDsOfNames (scripts call it before every Invoke): %.0f ns\n", lookup);

    double small[4], middle[4], large[4];
    try {
        collectionAtSize(1000, small);
        collectionAtSize(100000, middle);
        collectionAtSize(1000000, large);
    } catch (const RuntimeError& error) {
        std::printf("error %ld %ls\n", error.number(), error.description().c_str());
        return 1;
    }
    const char* names[] = {"add with key", "item by position", "item by key", "remove last"};
    std::printf("Collection per operation at 1,000 / 100,000 / 1,000,000 items (constant time stays within 2x;\n"
                "key operations also pay the cache misses of a table that no longer fits the caches):\n");
    for (int n = 0; n < 4; ++n) {
        std::printf("  %-17s %6.0f / %6.0f / %6.0f ns  ratio 1M:1K %.2f  1M:100K %.2f\n", names[n], small[n], middle[n],
                    large[n], large[n] / small[n], large[n] / middle[n]);
    }
    ::CoUninitialize();
    return 0;
}
