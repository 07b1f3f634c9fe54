#include "containers/OVLinkedList.h"

#include <climits>
#include <utility>

#include "frame/automation/Runtime.h"

namespace orvane {

namespace {
constexpr long initialSlots = 100;

VARIANT_BOOL boolean(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

bool isObject(const VARIANT& value) {
    VARTYPE type = V_VT(&runtime::dereference(value)) & ~VT_BYREF;
    return type == VT_DISPATCH || type == VT_UNKNOWN;
}
}  // namespace

void OVLinkedList::initialize() { reset(); }

// Slot 0 alone, then the first 100 free slots; also what RemoveAll returns to.
void OVLinkedList::reset() {
    Chunks previous;
    previous.push_back(std::make_unique<Slot[]>(chunkSlots));
    chunks_.swap(previous);
    lastSlot_ = 0;
    nodeCount_ = headIndex_ = tailIndex_ = freeIndex_ = cursorIndex_ = 0;
    movedForward_ = false;
    growthStep_ = 100;
    grow(initialSlots);
    // The old values die last, once the list is whole again: releasing an object
    // held in them may call back into this list.
}

void OVLinkedList::grow(long count) {
    const long last = lastSlot();
    if (count > LONG_MAX - last) raise(error::Overflow);
    if (last + count > maximumSlots) raise(error::OutOfMemory);
    const long first = last + 1;
    const long newLast = last + count;
    // Chunks added before a failed allocation are spare room, not yet slots.
    const size_t chunksNeeded = (static_cast<size_t>(newLast) >> chunkShift) + 1;
    while (chunks_.size() < chunksNeeded) chunks_.push_back(std::make_unique<Slot[]>(chunkSlots));
    for (long s = first; s <= newLast; ++s) {
        slot(s).next = s + 1;
        slot(s).prev = -1;
    }
    slot(newLast).next = freeIndex_;
    freeIndex_ = first;
    lastSlot_ = newLast;
}

bool OVLinkedList::checkIndex(long index) const {
    bool result = index >= 1 && index <= lastSlot();
    // The slot is read whatever the range test found: outside the array that read
    // is the subscript error.
    if (index < 0 || index > lastSlot()) raise(error::SubscriptOutOfRange);
    if (isFree(index)) result = false;
    return result;
}

void OVLinkedList::requireNode(long index) const {
    if (!checkIndex(index)) raise(error::SubscriptOutOfRange);
}

long OVLinkedList::add(const VARIANT& value, long before, long after) {
    // Growth stays even when a check below fails.
    if (freeIndex_ == 0) grow(growthStep_);
    const long created = freeIndex_;
    const long nextFree = slot(created).next;
    if (before < 0) before = headIndex_;
    if (before > 0) {
        requireNode(before);
    } else if (after >= 1) {
        requireNode(after);
    }
    if (nodeCount_ == LONG_MAX) raise(error::Overflow);
    Variant stored;
    check(::VariantCopyInd(stored.get(), const_cast<VARIANT*>(&runtime::dereference(value))));

    // Nothing below can fail.
    Slot& node = slot(created);
    if (before > 0) {
        node.next = before;
        node.prev = slot(before).prev;
        slot(before).prev = created;
        if (before == headIndex_) {
            headIndex_ = created;
        } else {
            slot(node.prev).next = created;
        }
    } else if (after < 1) {
        if (tailIndex_ != 0) {
            slot(tailIndex_).next = created;
            node.prev = tailIndex_;
        } else {
            headIndex_ = created;
            node.prev = 0;
        }
        tailIndex_ = created;
        node.next = 0;
    } else {
        node.prev = after;
        node.next = slot(after).next;
        slot(after).next = created;
        if (after == tailIndex_) {
            tailIndex_ = created;
        } else {
            slot(node.next).prev = created;
        }
    }
    node.value = std::move(stored);
    ++nodeCount_;
    freeIndex_ = nextFree;
    return created;
}

void OVLinkedList::remove(long index) {
    if (index == 0) index = cursorIndex_;
    requireNode(index);
    Slot& node = slot(index);
    if (index == headIndex_ && index == tailIndex_) {
        headIndex_ = tailIndex_ = 0;
    } else if (index == headIndex_) {
        headIndex_ = node.next;
        slot(headIndex_).prev = 0;
    } else if (index == tailIndex_) {
        tailIndex_ = node.prev;
        slot(tailIndex_).next = 0;
    } else {
        slot(node.prev).next = node.next;
        slot(node.next).prev = node.prev;
    }
    // Released when the list is whole again (see reset).
    Variant released(std::move(node.value));
    --nodeCount_;
    if (index == cursorIndex_) {
        cursorIndex_ = node.next;
        if (cursorIndex_ == 0) movedForward_ = true;
    }
    node.next = freeIndex_;
    node.prev = -1;
    freeIndex_ = index;
}

// By slot number, not along the links; free slots in the range hold Empty and are
// compared too.
long OVLinkedList::find(const VARIANT& value, long startIndex) const {
    for (long index = startIndex; index <= tailIndex_; ++index) {
        checkIndex(index);
        const VARIANT* held = slot(index).value.get();
        // Comparing with an object may run its code, which may change this list:
        // compare a copy of our own.
        Variant copy;
        if (isObject(*held) || isObject(value)) {
            copy = slot(index).value;
            held = copy.get();
        }
        if (runtime::equals(*held, value)) return index;
    }
    return 0;
}

std::vector<long> OVLinkedList::slotsInOrder() const {
    std::vector<long> order;
    for (long index = headIndex_; index > 0 && index <= lastSlot() && order.size() <= static_cast<size_t>(lastSlot());
         index = slot(index).next) {
        order.push_back(index);
    }
    return order;
}

std::wstring OVLinkedList::brokenInvariant() const {
    const long last = lastSlot();
    if (last < 0) return L"no slot 0";
    if (slot(0).prev != 0 || slot(0).next != 0 || V_VT(slot(0).value.get()) != VT_EMPTY) return L"slot 0 is used";
    if ((headIndex_ == 0) != (nodeCount_ == 0) || (tailIndex_ == 0) != (nodeCount_ == 0)) return L"head/tail vs count";
    std::vector<char> seen(static_cast<size_t>(last) + 1, 0);
    long previous = 0, visited = 0;
    for (long index = headIndex_; index != 0; index = slot(index).next) {
        if (index < 0 || index > last) return L"link outside the array";
        if (seen[static_cast<size_t>(index)]) return L"cycle in the links";
        seen[static_cast<size_t>(index)] = 1;
        if (slot(index).prev != previous) return L"prev does not mirror next";
        previous = index;
        ++visited;
    }
    if (visited != nodeCount_) return L"link walk does not visit NodeCount nodes";
    if (previous != tailIndex_) return L"link walk does not end at the tail";
    long free = 0;
    for (long index = freeIndex_; index != 0; index = slot(index).next) {
        if (index < 0 || index > last) return L"free link outside the array";
        if (seen[static_cast<size_t>(index)]) return L"free list meets a node or cycles";
        seen[static_cast<size_t>(index)] = 2;
        if (slot(index).prev != -1) return L"free slot without the -1 mark";
        if (V_VT(slot(index).value.get()) != VT_EMPTY) return L"free slot holds a value";
        ++free;
    }
    if (free + nodeCount_ != last) return L"a slot is neither a node nor free";
    if (cursorIndex_ < 0 || cursorIndex_ > last || (cursorIndex_ != 0 && seen[static_cast<size_t>(cursorIndex_)] != 1))
        return L"cursor on no node";
    return L"";
}

STDMETHODIMP OVLinkedList::CurrentIndex(long* result) {
    return call([&] { *required(result) = cursorIndex_; });
}

STDMETHODIMP OVLinkedList::MoveFirst() {
    return call([&] { cursorIndex_ = headIndex_; });
}

STDMETHODIMP OVLinkedList::MoveLast() {
    return call([&] { cursorIndex_ = tailIndex_; });
}

// From no node both moves stay at 0 (slot 0 links nowhere); only the flag changes.
STDMETHODIMP OVLinkedList::MovePrevious() {
    return call([&] {
        cursorIndex_ = slot(cursorIndex_).prev;
        movedForward_ = false;
    });
}

STDMETHODIMP OVLinkedList::MoveNext() {
    return call([&] {
        cursorIndex_ = slot(cursorIndex_).next;
        movedForward_ = true;
    });
}

// Move(0) leaves the cursor on no node, which is a state the cursor has anyway.
STDMETHODIMP OVLinkedList::Move(long Index) {
    return call([&] {
        if (Index != 0) requireNode(Index);
        else checkIndex(Index);
        cursorIndex_ = Index;
    });
}

STDMETHODIMP OVLinkedList::BOL(VARIANT_BOOL* result) {
    return call([&] { *required(result) = boolean((cursorIndex_ == 0 && !movedForward_) || nodeCount_ == 0); });
}

STDMETHODIMP OVLinkedList::EOL(VARIANT_BOOL* result) {
    return call([&] { *required(result) = boolean((cursorIndex_ == 0 && movedForward_) || nodeCount_ == 0); });
}

// Item() with no current node reads slot 0, which is Empty; a free slot is refused.
STDMETHODIMP OVLinkedList::Item(long Index, VARIANT* result) {
    return call([&] {
        required(result);
        if (Index == 0) Index = cursorIndex_;
        if (Index != 0) requireNode(Index);
        Variant value = slot(Index).value;
        value.moveTo(result);
    });
}

STDMETHODIMP OVLinkedList::IsEmpty(VARIANT_BOOL* result) {
    return call([&] { *required(result) = boolean(nodeCount_ == 0); });
}

STDMETHODIMP OVLinkedList::Count(long* result) {
    return call([&] { *required(result) = nodeCount_; });
}

STDMETHODIMP OVLinkedList::Find(VARIANT* Value, long* StartIndex, long* result) {
    return call([&] {
        const VARIANT& value = *required(Value);
        required(result);
        // An early-bound caller may leave out StartIndex: the declared default applies.
        *result = find(value, StartIndex ? *StartIndex : 1);
    });
}

STDMETHODIMP OVLinkedList::Add(VARIANT* Value, long Before, long After, long* result) {
    return call([&] {
        const VARIANT& value = *required(Value);
        required(result);
        *result = add(value, Before, After);
    });
}

STDMETHODIMP OVLinkedList::Remove(long Index) {
    return call([&] { remove(Index); });
}

STDMETHODIMP OVLinkedList::RemoveAll() {
    return call([&] { reset(); });
}

// ChunkSize is checked and otherwise unused: GrowthStep stays 100.
STDMETHODIMP OVLinkedList::SetSize(long NumSize, long ChunkSize) {
    return call([&] {
        if (NumSize < 1 || ChunkSize < 0) raise(error::InvalidCall);
        if (NumSize > lastSlot()) grow(NumSize - lastSlot());
    });
}

STDMETHODIMP OVLinkedList::CheckIndex(long Index, VARIANT_BOOL* result) {
    return call([&] {
        required(result);
        *result = boolean(checkIndex(Index));
    });
}

}  // namespace orvane
