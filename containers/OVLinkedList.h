// OVLinkedList: a doubly linked list of Variant values whose nodes live in a growable
// slot array and keep their slot number for life; free slots form a second list
// through the same array, and a cursor walks the nodes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVLinkedList final : public Control<OVLinkedList, _OVLinkedList> {
public:
    static constexpr const wchar_t* className = L"OVLinkedList";
    static constexpr int toolboxBitmap = 30006;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVLinkedList; }

    // The slot array is bounded as the address space of a 32-bit host bounds it;
    // beyond this many slots growing raises 7 (out of memory).
    static constexpr long maximumSlots = 16 * 1024 * 1024;

    void initialize();

    STDMETHODIMP CurrentIndex(long* result) override;
    STDMETHODIMP MoveFirst() override;
    STDMETHODIMP MoveLast() override;
    STDMETHODIMP MovePrevious() override;
    STDMETHODIMP MoveNext() override;
    STDMETHODIMP Move(long Index) override;
    STDMETHODIMP BOL(VARIANT_BOOL* result) override;
    STDMETHODIMP EOL(VARIANT_BOOL* result) override;
    STDMETHODIMP Item(long Index, VARIANT* result) override;
    STDMETHODIMP IsEmpty(VARIANT_BOOL* result) override;
    STDMETHODIMP Count(long* result) override;
    STDMETHODIMP Find(VARIANT* Value, long* StartIndex, long* result) override;
    STDMETHODIMP Add(VARIANT* Value, long Before, long After, long* result) override;
    STDMETHODIMP Remove(long Index) override;
    STDMETHODIMP RemoveAll() override;
    STDMETHODIMP SetSize(long NumSize, long ChunkSize) override;
    STDMETHODIMP CheckIndex(long Index, VARIANT_BOOL* result) override;

    // For inspection: the highest slot number, the node slots from head to tail,
    // and a description of the first broken invariant ("" when all hold).
    long lastSlot() const noexcept { return lastSlot_; }
    std::vector<long> slotsInOrder() const;
    std::wstring brokenInvariant() const;

private:
    struct Slot {
        Variant value;
        long prev = 0;  // -1 marks a free slot
        long next = 0;
    };

    void reset();
    void grow(long count);
    bool checkIndex(long index) const;
    // checkIndex, and then the slot must hold a node: a free slot is refused with 9
    // so that no call can tie it into the links.
    void requireNode(long index) const;
    bool isFree(long index) const { return slot(index).prev < 0; }
    Slot& slot(long index) { return chunks_[static_cast<size_t>(index) >> chunkShift][index & (chunkSlots - 1)]; }
    const Slot& slot(long index) const {
        return chunks_[static_cast<size_t>(index) >> chunkShift][index & (chunkSlots - 1)];
    }
    long add(const VARIANT& value, long before, long after);
    void remove(long index);
    long find(const VARIANT& value, long startIndex) const;

    // The slot array in fixed chunks: growing never moves a slot, so Add costs the
    // same at a million nodes as at a thousand. Slots past lastSlot_ in the last
    // chunk are not yet part of the array and stay untouched until it grows.
    static constexpr int chunkShift = 8;
    static constexpr long chunkSlots = 1L << chunkShift;
    using Chunks = std::vector<std::unique_ptr<Slot[]>>;
    Chunks chunks_;
    long lastSlot_ = -1;
    long nodeCount_ = 0;
    long headIndex_ = 0;
    long tailIndex_ = 0;
    long freeIndex_ = 0;
    long growthStep_ = 100;
    long cursorIndex_ = 0;
    bool movedForward_ = false;
};

}  // namespace orvane
