// Per-operation cost of OVLinkedList Add, Item and Remove and of OVStack Push and Pop
// through the dual interface, at 1,000 and at 1,000,000 elements. Every operation
// takes constant time, so the ratio 1,000,000 against 1,000 should stay within 2x.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "containers/OVLinkedList.h"
#include "containers/OVStack.h"
#include "frame/Runtime.h"

using namespace orvane;
using Clock = std::chrono::steady_clock;

enum { listAdd, listItem, listRemove, stackPush, stackPop, operations };

template <class Body>
double nanoseconds(long count, Body&& body) {
    auto start = Clock::now();
    for (long n = 0; n < count; ++n) body(n);
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

// Both sizes run the same number of operations: the small containers are filled and
// emptied as often as it takes to match the large ones.
bool measure(long size, double perOperation[operations]) {
    const long total = 1000000;
    const long rounds = total / size;
    double sums[operations] = {};
    HRESULT failed = S_OK;
    auto note = [&](HRESULT result) { if (FAILED(result)) failed = result; };
    for (long round = 0; round < rounds; ++round) {
        auto list = orvane::OVLinkedList::create();
        _OVLinkedList* dual = list.get();
        sums[listAdd] += nanoseconds(size, [&](long n) {
            VARIANT value = *runtime::makeLong(n).get();
            long slot = 0;
            note(dual->Add(&value, 0, 0, &slot));
        });
        sums[listItem] += nanoseconds(size, [&](long n) {
            VARIANT value;
            note(dual->Item(n + 1, &value));
            ::VariantClear(&value);
        });
        sums[listRemove] += nanoseconds(size, [&](long n) { note(dual->Remove(n + 1)); });

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
    }
    for (int n = 0; n < operations; ++n) perOperation[n] = sums[n] / total;
    if (FAILED(failed)) std::printf("a call failed: 0x%08lx\n", static_cast<unsigned long>(failed));
    return SUCCEEDED(failed);
}

int main() {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // The best of five alternating runs per size: the machine is shared, and a
    // constant-time operation is best seen at its least disturbed.
    double small[operations], large[operations], sample[operations];
    for (int n = 0; n < operations; ++n) small[n] = large[n] = 1e300;
    for (int run = 0; run < 5; ++run) {
        if (!measure(1000, sample)) return 1;
        for (int n = 0; n < operations; ++n) small[n] = std::min(small[n], sample[n]);
        if (!measure(1000000, sample)) return 1;
        for (int n = 0; n < operations; ++n) large[n] = std::min(large[n], sample[n]);
    }
    const char* names[] = {"OVLinkedList.Add", "OVLinkedList.Item", "OVLinkedList.Remove", "OVStack.Push",
                           "OVStack.Pop"};
    std::printf("per operation through the dual interface, 1,000,000 elements against 1,000 (target within 2x):\n");
    for (int n = 0; n < operations; ++n) {
        std::printf("  %-20s %7.1f ns vs %7.1f ns  ratio %.2f\n", names[n], large[n], small[n], large[n] / small[n]);
    }
    ::CoUninitialize();
    return 0;
}
