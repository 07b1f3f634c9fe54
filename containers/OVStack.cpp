#include "containers/OVStack.h"

#include <climits>

namespace orvane {

Collection& OVStack::items() {
    if (!items_) items_ = Collection::create();
    return *items_.get();
}

STDMETHODIMP OVStack::Push(VARIANT* Value) {
    return call([&] {
        const VARIANT& value = *required(Value);
        Collection& stack = items();
        // The count is a Long.
        if (stack.count() == LONG_MAX) raise(error::Overflow);
        stack.add(value);
    });
}

// Reads before it removes: on an empty stack the read of item 0 raises 9 and
// nothing is removed.
STDMETHODIMP OVStack::Pop(VARIANT* result) {
    return call([&] {
        required(result);
        Collection& stack = items();
        Variant top = stack.item(stack.count());
        stack.remove(stack.count());
        top.moveTo(result);
    });
}

STDMETHODIMP OVStack::Peek(VARIANT* result) {
    return call([&] {
        required(result);
        Collection& stack = items();
        Variant top = stack.item(stack.count());
        top.moveTo(result);
    });
}

STDMETHODIMP OVStack::Count(long* result) {
    return call([&] {
        required(result);
        *result = items().count();
    });
}

}  // namespace orvane
