// Per-operation cost of the containers through their dual interfaces at 1,000, 100,000
// and 1,000,000 elements: OVLinkedList Add, Item, and Remove in three orders (oldest
// first, newest first, random); OVStack Push and Pop; and the keyed collection
// OVRegistryKeys Add with a key, then drained four ways: Remove 1 until empty, and
// Remove by key oldest first, newest first and at random. Every operation takes
// constant or logarithmic time, so the ratio 1,000,000 against 1,000 should stay
// within 2x.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "containers/OVLinkedList.h"
#include "containers/OVStack.h"
#include "frame/collections/OVRegistryKeys.h"
#include "frame/automation/Runtime.h"

using namespace orvane;
using Clock = std::chrono::steady_clock;

enum Operation {
    listAdd, listItem, listRemoveOldest, listRemoveNewest, listRemoveRandom,
    stackPush, stackPop,
    keysAdd, keysRemoveFirst, keysRemoveOldest, keysRemoveNewest, keysRemoveRandom,
    operations
};
const char* const names[operations] = {
    "OVLinkedList.Add", "OVLinkedList.Item", "LinkedList Remove oldest", "LinkedList Remove newest",
    "LinkedList Remove random", "OVStack.Push", "OVStack.Pop", "OVRegistryKeys.Add key", "Keys Remove 1",
    "Keys Remove oldest key", "Keys Remove newest key", "Keys Remove random key"};
enum Order { oldestFirst, newestFirst, randomOrder, orders };

template <class Body>
double nanoseconds(long count, Body&& body) {
    auto start = Clock::now();
    for (long n = 0; n < count; ++n) body(n);
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

// Element numbers 0..size-1 in each removal order, and the keys of the keyed collection.
struct Workload {
    explicit Workload(long size) : size(size) {
        for (int order = 0; order < orders; ++order) sequence[order].resize(static_cast<size_t>(size));
        std::iota(sequence[oldestFirst].begin(), sequence[oldestFirst].end(), 0L);
        std::reverse_copy(sequence[oldestFirst].begin(), sequence[oldestFirst].end(), sequence[newestFirst].begin());
        sequence[randomOrder] = sequence[oldestFirst];
        std::shuffle(sequence[randomOrder].begin(), sequence[randomOrder].end(), std::mt19937(19));
        for (long n = 0; n < size; ++n) keys.emplace_back((L"k" + std::to_wstring(n)).c_str());
    }
    long size;
    std::vector<long> sequence[orders];
    std::vector<Bstr> keys;
};

// Every size runs the same number of operations: the small containers are filled and
// emptied as often as it takes to match the large ones.
bool measure(const Workload& work, double perOperation[operations]) {
    const long total = 1000000, size = work.size, rounds = total / size;
    double sums[operations] = {};
    HRESULT failed = S_OK;
    auto note = [&](HRESULT result) { if (FAILED(result)) failed = result; };
    for (long round = 0; round < rounds; ++round) {
        for (int order = 0; order < orders; ++order) {
            auto list = orvane::OVLinkedList::create();
            _OVLinkedList* dual = list.get();
            double added = nanoseconds(size, [&](long n) {
                VARIANT value = *runtime::makeLong(n).get();
                long slot = 0;
                note(dual->Add(&value, 0, 0, &slot));
            });
            if (order == oldestFirst) {
                sums[listAdd] += added;
                sums[listItem] += nanoseconds(size, [&](long n) {
                    VARIANT value;
                    note(dual->Item(n + 1, &value));
                    ::VariantClear(&value);
                });
            }
            const std::vector<long>& sequence = work.sequence[order];
            sums[listRemoveOldest + order] +=
                nanoseconds(size, [&](long n) { note(dual->Remove(sequence[size_t(n)] + 1)); });
        }

        auto stack = orvane::OVStack::create();
        _OVStack* stackDual = stack.get();
        sums[stackPush] += nanoseconds(size, [&](long n) {
            VARIANT value = *runtime::makeLong(n).get();
            note(stackDual->Push(&value));
        });
        sums[stackPop] += nanoseconds(size, [&](long) {
            VARIANT value;
            note(stackDual->Pop(&value));
            ::VariantClear(&value);
        });

        for (int drain = keysRemoveFirst; drain <= keysRemoveRandom; ++drain) {
            auto keys = orvane::OVRegistryKeys::create();
            _OVRegistryKeys* keysDual = keys.get();
            double added = nanoseconds(size, [&](long n) {
                BSTR key = work.keys[size_t(n)].get();
                _OVRegistryKey* record = nullptr;
                note(keysDual->Add(&key, &key, &record));
                if (record) record->Release();
            });
            if (drain == keysRemoveFirst) sums[keysAdd] += added;
            if (drain == keysRemoveFirst) {
                sums[drain] += nanoseconds(size, [&](long) {
                    VARIANT first;
                    V_VT(&first) = VT_I4;
                    V_I4(&first) = 1;
                    note(keysDual->Remove(&first));
                });
                continue;
            }
            const std::vector<long>& sequence = work.sequence[drain - keysRemoveOldest];
            sums[drain] += nanoseconds(size, [&](long n) {
                VARIANT key;
                V_VT(&key) = VT_BSTR;
                V_BSTR(&key) = work.keys[size_t(sequence[size_t(n)])].get();
                note(keysDual->Remove(&key));
            });
        }
    }
    for (int n = 0; n < operations; ++n) perOperation[n] = sums[n] / total;
    if (FAILED(failed)) std::printf("a call failed: 0x%08lx\n", static_cast<unsigned long>(failed));
    return SUCCEEDED(failed);
}

int main() {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // The best of three alternating runs per size: the machine is shared, and a
    // constant-time operation is best seen at its least disturbed.
    const long sizes[] = {1000, 100000, 1000000};
    double best[3][operations], sample[operations];
    for (auto& row : best) std::fill(row, row + operations, 1e300);
    const Workload works[] = {Workload(sizes[0]), Workload(sizes[1]), Workload(sizes[2])};
    for (int run = 0; run < 3; ++run) {
        for (int size = 0; size < 3; ++size) {
            if (!measure(works[size], sample)) return 1;
            for (int n = 0; n < operations; ++n) best[size][n] = std::min(best[size][n], sample[n]);
        }
    }
    std::printf("ns per operation through the dual interface at 1,000 / 100,000 / 1,000,000 elements,\n"
                "and the ratio 1,000,000 against 1,000 (target within 2x):\n");
    for (int n = 0; n < operations; ++n) {
        std::printf("  %-26s %7.1f %7.1f %7.1f  ratio %.2f\n", names[n], best[0][n], best[1][n], best[2][n],
                    best[2][n] / best[0][n]);
    }
    ::CoUninitialize();
    return 0;
}
