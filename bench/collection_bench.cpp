// The runtime's keyed Collection against std::unordered_map<std::wstring, Variant> with
// keys folded to upper case the same way, doing the same work in the same run: add
// under a key, read by key (in a scattered order, with keys spelled in another case),
// and remove every key in three orders: newest first, oldest first and at random. The
// Collection alone also drains by position 1 (Remove 1 until empty, the usual way to
// empty a collection), shown against the map's oldest-first removal of the same items
// and as growth per operation from 1,000 to 1,000,000 items. At 1,000, 100,000 and
// 1,000,000 keys; every size runs the same number of operations, and each figure is
// the best of three runs.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "frame/automation/Collection.h"
#include "frame/base/Errors.h"
#include "frame/automation/Runtime.h"

using namespace orvane;
using Clock = std::chrono::steady_clock;

enum Operation { addKeyed, itemByKey, removeNewestFirst, removeOldestFirst, removeRandom, removeFirstPosition, operations };
const char* const operationNames[operations] = {"add with key",          "item by key",
                                                "remove newest first",   "remove oldest first",
                                                "remove in random order", "Remove 1 until empty"};
const Operation removalOrders[] = {removeNewestFirst, removeOldestFirst, removeRandom};

template <class Body>
double nanoseconds(long count, Body&& body) {
    auto start = Clock::now();
    for (long n = 0; n < count; ++n) body(n);
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

struct Workload {
    explicit Workload(long size) : size(size) {
        for (long n = 0; n < size; ++n) keys.push_back(L"key" + std::to_wstring(n));
        std::vector<long> shuffled(static_cast<size_t>(size));
        std::iota(shuffled.begin(), shuffled.end(), 0L);
        std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(19));
        for (long n = 0; n < size; ++n) {
            probes.emplace_back((L"KEY" + std::to_wstring((n * 7919LL) % size)).c_str());
            removals[removeNewestFirst].emplace_back((L"Key" + std::to_wstring(size - 1 - n)).c_str());
            removals[removeOldestFirst].emplace_back((L"Key" + std::to_wstring(n)).c_str());
            removals[removeRandom].emplace_back((L"Key" + std::to_wstring(shuffled[size_t(n)])).c_str());
        }
    }
    long size;
    std::vector<std::wstring> keys;
    std::vector<Bstr> probes;                // read in a scattered order
    std::vector<Bstr> removals[operations];  // by removal order
};

VARIANT textVariant(const Bstr& text) {
    VARIANT value;
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = text.get();
    return value;
}

VARIANT positionVariant(long position) {
    VARIANT value;
    V_VT(&value) = VT_I4;
    V_I4(&value) = position;
    return value;
}

// Fills a new collection, reads it, and drains it in each order in turn.
void measureCollection(const Workload& work, double perOperation[operations]) {
    const long total = 1000000, rounds = total / work.size;
    Variant value = runtime::makeLong(1);
    double sums[operations] = {};
    auto filled = [&] {
        auto items = Collection::create();
        sums[addKeyed] += nanoseconds(work.size, [&](long n) { items->add(*value.get(), work.keys[size_t(n)]); });
        return items;
    };
    for (long round = 0; round < rounds; ++round) {
        auto items = filled();
        sums[itemByKey] += nanoseconds(work.size, [&](long n) { items->item(textVariant(work.probes[size_t(n)])); });
        for (Operation order : removalOrders) {
            if (order != removalOrders[0]) items = filled();
            sums[order] += nanoseconds(work.size, [&](long n) { items->remove(textVariant(work.removals[order][size_t(n)])); });
        }
        items = filled();
        const VARIANT first = positionVariant(1);
        sums[removeFirstPosition] += nanoseconds(work.size, [&](long) { items->remove(first); });
        if (items->count() != 0) raise(error::InvalidCall);
    }
    sums[addKeyed] /= 4;  // four fills per round
    for (int n = 0; n < operations; ++n) perOperation[n] = sums[n] / total;
}

void measureMap(const Workload& work, double perOperation[operations]) {
    const long total = 1000000, rounds = total / work.size;
    Variant value = runtime::makeLong(1);
    double sums[operations] = {};
    using Map = std::unordered_map<std::wstring, Variant>;
    auto fill = [&](Map& items) {
        sums[addKeyed] += nanoseconds(work.size, [&](long n) {
            if (!items.try_emplace(runtime::toUpper(work.keys[size_t(n)]), value).second) raise(457);
        });
    };
    for (long round = 0; round < rounds; ++round) {
        Map items;
        fill(items);
        sums[itemByKey] += nanoseconds(work.size, [&](long n) {
            auto found = items.find(runtime::toUpper(runtime::bstrText(work.probes[size_t(n)].get())));
            if (found == items.end()) raise(5);
            Variant copy = found->second;
        });
        for (Operation order : removalOrders) {
            if (order != removalOrders[0]) {
                items = Map();
                fill(items);
            }
            sums[order] += nanoseconds(work.size, [&](long n) {
                if (items.erase(runtime::toUpper(runtime::bstrText(work.removals[order][size_t(n)].get()))) == 0) raise(5);
            });
        }
    }
    sums[addKeyed] /= 3;  // three fills per round
    for (int n = 0; n < operations; ++n) perOperation[n] = sums[n] / total;
    perOperation[removeFirstPosition] = perOperation[removeOldestFirst];  // the same items leave in the same order
}

int main() {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::printf("Collection against std::unordered_map with case-folded keys, ns per operation\n"
                "(ratio below 1 means the Collection is faster; target: no slower at every size and order;\n"
                " Remove 1 is set against the map removing the same items oldest first):\n");
    double firstPositionAt[2] = {};
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
                std::printf("  %9ld keys  %-22s Collection %6.0f  unordered_map %6.0f  ratio %.2f\n", size,
                            operationNames[n], ours[n], theirs[n], ours[n] / theirs[n]);
            }
            if (size == 1000) firstPositionAt[0] = ours[removeFirstPosition];
            if (size == 1000000) firstPositionAt[1] = ours[removeFirstPosition];
        }
    } catch (const RuntimeError& error) {
        std::printf("error %ld %ls\n", error.number(), error.description().c_str());
        return 1;
    }
    std::printf("Remove 1 per operation, 1,000,000 items against 1,000: %.2fx (target: at most 2x)\n",
                firstPositionAt[1] / firstPositionAt[0]);
    ::CoUninitialize();
    return 0;
}
