// The runtime's keyed Collection against std::unordered_map<std::wstring, Variant> with
// keys folded to upper case the same way, doing the same work in the same run: add
// under a key, read by key (in a scattered order, with keys spelled in another case),
// remove by key (newest first, the order in which an ordered list gives items back
// without moving the rest). At 1,000, 100,000 and 1,000,000 keys; every size runs
// the same number of operations, and each figure is the best of three runs.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

#include "frame/Collection.h"
#include "frame/Errors.h"
#include "frame/Runtime.h"

using namespace orvane;
using Clock = std::chrono::steady_clock;

enum { addKeyed, itemByKey, removeByKey, operations };

template <class Body>
double nanoseconds(long count, Body&& body) {
    auto start = Clock::now();
    for (long n = 0; n < count; ++n) body(n);
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

struct Workload {
    explicit Workload(long size) : size(size) {
        for (long n = 0; n < size; ++n) keys.push_back(L"key" + std::to_wstring(n));
        for (long n = 0; n < size; ++n) {
            probes.emplace_back((L"KEY" + std::to_wstring((n * 7919LL) % size)).c_str());
            removals.emplace_back((L"Key" + std::to_wstring(size - 1 - n)).c_str());
        }
    }
    long size;
    std::vector<std::wstring> keys;
    std::vector<Bstr> probes;    // read in a scattered order
    std::vector<Bstr> removals;  // newest first
};

VARIANT textVariant(const Bstr& text) {
    VARIANT value;
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = text.get();
    return value;
}

void measureCollection(const Workload& work, double perOperation[operations]) {
    const long total = 1000000, rounds = total / work.size;
    Variant value = runtime::makeLong(1);
    double sums[operations] = {};
    for (long round = 0; round < rounds; ++round) {
        auto items = Collection::create();
        sums[addKeyed] += nanoseconds(work.size, [&](long n) { items->add(*value.get(), work.keys[size_t(n)]); });
        sums[itemByKey] += nanoseconds(work.size, [&](long n) { items->item(textVariant(work.probes[size_t(n)])); });
        sums[removeByKey] += nanoseconds(work.size, [&](long n) { items->remove(textVariant(work.removals[size_t(n)])); });
    }
    for (int n = 0; n < operations; ++n) perOperation[n] = sums[n] / total;
}

void measureMap(const Workload& work, double perOperation[operations]) {
    const long total = 1000000, rounds = total / work.size;
    Variant value = runtime::makeLong(1);
    double sums[operations] = {};
    for (long round = 0; round < rounds; ++round) {
        std::unordered_map<std::wstring, Variant> items;
        sums[addKeyed] += nanoseconds(work.size, [&](long n) {
            if (!items.try_emplace(runtime::toUpper(work.keys[size_t(n)]), value).second) raise(457);
        });
        sums[itemByKey] += nanoseconds(work.size, [&](long n) {
            auto found = items.find(runtime::toUpper(runtime::bstrText(work.probes[size_t(n)].get())));
            if (found == items.end()) raise(5);
            Variant copy = found->second;
        });
        sums[removeByKey] += nanoseconds(work.size, [&](long n) {
            if (items.erase(runtime::toUpper(runtime::bstrText(work.removals[size_t(n)].get()))) == 0) raise(5);
        });
    }
    for (int n = 0; n < operations; ++n) perOperation[n] = sums[n] / total;
}

int main() {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const char* names[] = {"add with key", "item by key", "remove by key"};
    std::printf("Collection against std::unordered_map with case-folded keys, ns per operation\n"
                "(ratio below 1 means the Collection is faster; target: no slower at every size):\n");
    try {
        for (long size : {1000L, 100000L, 1000000L}) {
            Workload work(size);
            double ours[operations], theirs[operations], sample[operations];
            std::fill(ours, ours + operations, 1e300);
            std::fill(theirs, theirs + operations, 1e300);
            for (int run = 0; run < 3; ++run) {
                measureCollection(work, sample);
                for (int n = 0; n < operations; ++n) ours[n] = std::min(ours[n], sample[n]);
                measureMap(work, sample);
                for (int n = 0; n < operations; ++n) theirs[n] = std::min(theirs[n], sample[n]);
            }
            for (int n = 0; n < operations; ++n) {
                std::printf("  %9ld keys  %-14s Collection %6.0f  unordered_map %6.0f  ratio %.2f\n", size, names[n],
                            ours[n], theirs[n], ours[n] / theirs[n]);
            }
        }
    } catch (const RuntimeError& error) {
        std::printf("error %ld %ls\n", error.number(), error.description().c_str());
        return 1;
    }
    ::CoUninitialize();
    return 0;
}
