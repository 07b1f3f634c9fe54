// The runtime's ordered keyed collection: insertion order, 1-based positions,
// optional unique keys compared without case. Errors: 457 for a key already present,
// 9 for a position outside 1..Count, 5 for an unknown key.
// Items sit in a counted tree of wide nodes (each inner node knows how many items each
// of its children holds), and a hash table maps keys to items: reading, adding and
// removing by position or by key take O(log n) at any position.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <string>
#include <vector>

#include "frame/base/Handles.h"

namespace orvane {

class Collection final : public IDispatch {
public:
    static ComPtr<Collection> create();

    // Appends, or inserts before or after an existing item (given by position or key).
    void add(const VARIANT& item, const std::wstring* key = nullptr, const VARIANT* before = nullptr,
             const VARIANT* after = nullptr);
    void add(const VARIANT& item, const std::wstring& key) { add(item, &key); }
    Variant item(const VARIANT& indexOrKey) const;
    Variant item(long position) const;
    long count() const noexcept { return static_cast<long>(items_.size()); }
    void remove(const VARIANT& indexOrKey);
    void remove(long position);
    ComPtr<IUnknown> newEnum() const;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IDispatch: Item (0, the default), Add, Count, Remove, _NewEnum (-4).
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;

private:
    struct Leaf;
    struct Entry {
        Variant value;
        std::wstring key;  // upper-case; empty when the item has no key
        size_t hash = 0;
        bool hasKey = false;
        Leaf* leaf = nullptr;  // the tree node that holds it
    };

    // The items in order: a B+-tree whose inner nodes keep the item count of each child,
    // so a position is found by descending and an item's position by climbing. Leaves
    // hold entry pointers; an entry knows its leaf, so removal by key needs no search.
    struct Node;
    struct Inner;
    class Sequence {
    public:
        Sequence();
        ~Sequence();
        Sequence(const Sequence&) = delete;
        Sequence& operator=(const Sequence&) = delete;
        size_t size() const noexcept { return size_; }
        Entry* at(size_t position) const noexcept;           // 0-based, below size()
        size_t positionOf(const Entry* entry) const noexcept;
        void insert(size_t position, Entry* entry);         // takes ownership; at most size()
        std::unique_ptr<Entry> erase(Entry* entry) noexcept;  // hands ownership back
        template <class Visit>
        void forEach(Visit&& visit) const;

    private:
        struct Moves;  // moving items between nodes of either kind
        void rebalance(Node* node) noexcept;
        static void destroy(Node* node) noexcept;
        Node* root_;
        size_t size_ = 0;
    };

    // Keys to entries: open addressing with linear probing, the hash kept in the slot
    // so that probing and growing touch no entry. One flat array keeps lookups in a
    // million-item collection to a cache miss or two.
    class KeyIndex {
    public:
        static constexpr size_t npos = static_cast<size_t>(-1);
        Entry* find(const std::wstring& key, size_t hash) const noexcept;
        size_t slotOf(const std::wstring& key, size_t hash) const noexcept;  // npos when absent
        Entry* entryAt(size_t slot) const noexcept { return slots_[slot].entry; }
        // Adding in two steps: room for one more, then the slot a key takes (or holds).
        void reserveOne();
        size_t probe(const std::wstring& key, size_t hash, bool& taken) const noexcept;
        void placeAt(size_t slot, Entry* entry) noexcept;
        void erase(const Entry* entry) noexcept;
        void eraseSlot(size_t slot) noexcept;

    private:
        struct Slot {
            size_t hash;
            Entry* entry;
        };
        void grow();
        std::vector<Slot> slots_;
        size_t used_ = 0;
    };

    Collection() noexcept;
    ~Collection();
    size_t positionOf(const VARIANT& indexOrKey) const;  // 0-based
    void removeEntry(Entry* entry);

    Sequence items_;
    KeyIndex byKey_;
    LONG references_ = 1;
};

}  // namespace orvane
