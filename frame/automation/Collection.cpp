#include "frame/automation/Collection.h"

#include <cstring>
#include <new>

#include "frame/base/Errors.h"
#include "frame/base/Module.h"
#include "frame/automation/Runtime.h"
#include "frame/automation/VariantEnumerator.h"

namespace orvane {

namespace {
enum : DISPID { idItem = 0, idAdd = 1, idCount = 2, idRemove = 3 };
const wchar_t errorSource[] = L"TVOrvaneSuite";

std::wstring normalizedKey(const std::wstring& key) { return runtime::toUpper(key); }
size_t hashOf(const std::wstring& key) noexcept { return std::hash<std::wstring>{}(key); }

// The upper-case key of a text argument, made in one string straight from the BSTR.
std::wstring keyOf(const VARIANT& held) {
    BSTR text = V_ISBYREF(&held) ? *V_BSTRREF(&held) : V_BSTR(&held);
    std::wstring key(text ? text : L"", text ? ::SysStringLen(text) : 0);
    if (!key.empty()) ::CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
    return key;
}
}  // namespace

size_t Collection::KeyIndex::slotOf(const std::wstring& key, size_t hash) const noexcept {
    if (slots_.empty()) return npos;
    const size_t mask = slots_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (!slot.entry) return npos;
        if (slot.hash == hash && slot.entry->key == key) return at;
    }
}

Collection::Entry* Collection::KeyIndex::find(const std::wstring& key, size_t hash) const noexcept {
    if (slots_.empty()) return nullptr;
    const size_t mask = slots_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (!slot.entry) return nullptr;
        if (slot.hash == hash && slot.entry->key == key) return slot.entry;
    }
}

void Collection::KeyIndex::grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{0, nullptr});
    const size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (!slot.entry) continue;
        size_t at = slot.hash & mask;
        while (slots_[at].entry) at = (at + 1) & mask;
        slots_[at] = slot;
    }
}

void Collection::KeyIndex::reserveOne() {
    if ((used_ + 1) * 2 > slots_.size()) grow();
}

size_t Collection::KeyIndex::probe(const std::wstring& key, size_t hash, bool& taken) const noexcept {
    const size_t mask = slots_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (!slot.entry || (slot.hash == hash && slot.entry->key == key)) {
            taken = slot.entry != nullptr;
            return at;
        }
    }
}

void Collection::KeyIndex::placeAt(size_t slot, Entry* entry) noexcept {
    slots_[slot] = Slot{entry->hash, entry};
    ++used_;
}

void Collection::KeyIndex::erase(const Entry* entry) noexcept {
    if (slots_.empty()) return;
    const size_t mask = slots_.size() - 1;
    size_t hole = entry->hash & mask;
    while (slots_[hole].entry && slots_[hole].entry != entry) hole = (hole + 1) & mask;
    if (!slots_[hole].entry) return;
    eraseSlot(hole);
}

void Collection::KeyIndex::eraseSlot(size_t hole) noexcept {
    const size_t mask = slots_.size() - 1;
    // Backward-shift deletion: later members of the probe run move into the hole, so
    // no tombstones are left behind.
    for (size_t next = (hole + 1) & mask; slots_[next].entry; next = (next + 1) & mask) {
        size_t home = slots_[next].hash & mask;
        bool stays = hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
        if (stays) continue;
        slots_[hole] = slots_[next];
        hole = next;
    }
    slots_[hole] = Slot{0, nullptr};
    --used_;
}

// Wide nodes: a million items sit four levels deep at most, and each level is one
// short scan of a contiguous array.
namespace {
constexpr unsigned nodeCapacity = 64;
constexpr unsigned nodeMinimum = nodeCapacity / 4;  // below this a node borrows or merges
}  // namespace

struct Collection::Node {
    explicit Node(bool isLeaf) noexcept : leaf(isLeaf) {}
    Inner* parent = nullptr;
    unsigned slot = 0;  // its place among the parent's children
    unsigned count = 0;
    const bool leaf;
};

struct Collection::Leaf : Node {
    Leaf() noexcept : Node(true) {}
    Entry* items[nodeCapacity];
};

struct Collection::Inner : Node {
    Inner() noexcept : Node(false) {}
    Node* items[nodeCapacity];
    size_t sizes[nodeCapacity];  // the number of entries under each child
};

struct Collection::Sequence::Moves {
    // Copies n items (with their entry counts) within one node or between two, as memmove does.
    static void copy(Leaf* from, unsigned first, Leaf* to, unsigned at, unsigned n) noexcept {
        std::memmove(to->items + at, from->items + first, n * sizeof(Entry*));
    }
    static void copy(Inner* from, unsigned first, Inner* to, unsigned at, unsigned n) noexcept {
        std::memmove(to->items + at, from->items + first, n * sizeof(Node*));
        std::memmove(to->sizes + at, from->sizes + first, n * sizeof(size_t));
    }
    // Items [first, last) that came from another node learn where they now live.
    static void adopt(Leaf* leaf, unsigned first, unsigned last) noexcept {
        for (unsigned n = first; n < last; ++n) leaf->items[n]->leaf = leaf;
    }
    static void adopt(Inner* inner, unsigned first, unsigned last) noexcept {
        for (unsigned n = first; n < last; ++n) {
            inner->items[n]->parent = inner;
            inner->items[n]->slot = n;
        }
    }
    // Items shifted within their node: only children carry their place.
    static void renumber(Leaf*, unsigned, unsigned) noexcept {}
    static void renumber(Inner* inner, unsigned first, unsigned last) noexcept {
        for (unsigned n = first; n < last; ++n) inner->items[n]->slot = n;
    }
    static size_t weight(const Leaf*, unsigned, unsigned n) noexcept { return n; }
    static size_t weight(const Inner* inner, unsigned first, unsigned n) noexcept {
        size_t total = 0;
        for (unsigned k = first; k < first + n; ++k) total += inner->sizes[k];
        return total;
    }

    static void insertChild(Inner* parent, unsigned slot, Node* child, size_t size) noexcept {
        copy(parent, slot, parent, slot + 1, parent->count - slot);
        parent->items[slot] = child;
        parent->sizes[slot] = size;
        ++parent->count;
        adopt(parent, slot, parent->count);
    }
    static void removeChild(Inner* parent, unsigned slot) noexcept {
        copy(parent, slot + 1, parent, slot, parent->count - slot - 1);
        --parent->count;
        renumber(parent, slot, parent->count);
    }

    // Splits a full child in two halves; the new right half is allocated before anything
    // moves, so running out of memory leaves the tree as it was.
    template <class Kind>
    static void split(Inner* parent, unsigned slot) {
        Kind* left = static_cast<Kind*>(parent->items[slot]);
        auto right = std::make_unique<Kind>();
        const unsigned keep = left->count / 2, moved = left->count - keep;
        const size_t moving = weight(left, keep, moved);
        copy(left, keep, right.get(), 0, moved);
        right->count = moved;
        left->count = keep;
        adopt(right.get(), 0, moved);
        parent->sizes[slot] -= moving;
        insertChild(parent, slot + 1, right.release(), moving);
    }
    static void split(Inner* parent, unsigned slot) {
        if (parent->items[slot]->leaf) split<Leaf>(parent, slot);
        else split<Inner>(parent, slot);
    }

    // Two neighbouring children: merged into the left one when they fit in one node
    // (true), otherwise shared out evenly (false).
    template <class Kind>
    static bool join(Inner* parent, unsigned left) noexcept {
        Kind* first = static_cast<Kind*>(parent->items[left]);
        Kind* second = static_cast<Kind*>(parent->items[left + 1]);
        if (first->count + second->count <= nodeCapacity) {
            copy(second, 0, first, first->count, second->count);
            adopt(first, first->count, first->count + second->count);
            first->count += second->count;
            parent->sizes[left] += parent->sizes[left + 1];
            removeChild(parent, left + 1);
            delete second;
            return true;
        }
        const unsigned half = (first->count + second->count) / 2;
        if (first->count < half) {
            const unsigned moved = half - first->count;
            const size_t moving = weight(second, 0, moved);
            copy(second, 0, first, first->count, moved);
            adopt(first, first->count, half);
            first->count = half;
            copy(second, moved, second, 0, second->count - moved);
            second->count -= moved;
            renumber(second, 0, second->count);
            parent->sizes[left] += moving;
            parent->sizes[left + 1] -= moving;
        } else {
            const unsigned moved = first->count - half;
            const size_t moving = weight(first, half, moved);
            copy(second, 0, second, moved, second->count);
            copy(first, half, second, 0, moved);
            second->count += moved;
            first->count = half;
            adopt(second, 0, moved);
            renumber(second, moved, second->count);
            parent->sizes[left] -= moving;
            parent->sizes[left + 1] += moving;
        }
        return false;
    }

    template <class Visit>
    static void walk(const Node* node, Visit& visit) {
        if (node->leaf) {
            const Leaf* leaf = static_cast<const Leaf*>(node);
            for (unsigned n = 0; n < leaf->count; ++n) visit(*leaf->items[n]);
        } else {
            const Inner* inner = static_cast<const Inner*>(node);
            for (unsigned n = 0; n < inner->count; ++n) walk(inner->items[n], visit);
        }
    }
};

Collection::Sequence::Sequence() : root_(new Leaf()) {}

Collection::Sequence::~Sequence() { destroy(root_); }

void Collection::Sequence::destroy(Node* node) noexcept {
    if (node->leaf) {
        Leaf* leaf = static_cast<Leaf*>(node);
        for (unsigned n = 0; n < leaf->count; ++n) delete leaf->items[n];
        delete leaf;
        return;
    }
    Inner* inner = static_cast<Inner*>(node);
    for (unsigned n = 0; n < inner->count; ++n) destroy(inner->items[n]);
    delete inner;
}

Collection::Entry* Collection::Sequence::at(size_t position) const noexcept {
    const Node* node = root_;
    while (!node->leaf) {
        const Inner* inner = static_cast<const Inner*>(node);
        unsigned child = 0;
        while (position >= inner->sizes[child]) position -= inner->sizes[child++];
        node = inner->items[child];
    }
    return static_cast<const Leaf*>(node)->items[position];
}

size_t Collection::Sequence::positionOf(const Entry* entry) const noexcept {
    const Leaf* leaf = entry->leaf;
    size_t position = 0;
    while (leaf->items[position] != entry) ++position;
    for (const Node* node = leaf; node->parent; node = node->parent) {
        for (unsigned n = 0; n < node->slot; ++n) position += node->parent->sizes[n];
    }
    return position;
}

void Collection::Sequence::insert(size_t position, Entry* entry) {
    // Full nodes are split on the way down, so no split ever has to climb back up; the
    // counts along the path change only once the entry is in place.
    if (root_->count == nodeCapacity) {
        auto top = std::make_unique<Inner>();
        top->items[0] = root_;
        top->sizes[0] = size_;
        top->count = 1;
        root_->parent = top.get();
        root_->slot = 0;
        root_ = top.release();
        Moves::split(static_cast<Inner*>(root_), 0);
    }
    Node* node = root_;
    while (!node->leaf) {
        Inner* inner = static_cast<Inner*>(node);
        unsigned child = 0;
        while (position > inner->sizes[child]) position -= inner->sizes[child++];
        if (inner->items[child]->count == nodeCapacity) {
            Moves::split(inner, child);
            if (position > inner->sizes[child]) position -= inner->sizes[child++];
        }
        node = inner->items[child];
    }
    Leaf* leaf = static_cast<Leaf*>(node);
    const unsigned at = static_cast<unsigned>(position);
    Moves::copy(leaf, at, leaf, at + 1, leaf->count - at);
    leaf->items[at] = entry;
    entry->leaf = leaf;
    ++leaf->count;
    ++size_;
    for (Node* step = leaf; step->parent; step = step->parent) ++step->parent->sizes[step->slot];
}

std::unique_ptr<Collection::Entry> Collection::Sequence::erase(Entry* entry) noexcept {
    Leaf* leaf = entry->leaf;
    unsigned at = 0;
    while (leaf->items[at] != entry) ++at;
    Moves::copy(leaf, at + 1, leaf, at, leaf->count - at - 1);
    --leaf->count;
    --size_;
    for (Node* step = leaf; step->parent; step = step->parent) --step->parent->sizes[step->slot];
    entry->leaf = nullptr;
    rebalance(leaf);
    return std::unique_ptr<Entry>(entry);
}

void Collection::Sequence::rebalance(Node* node) noexcept {
    while (node != root_ && node->count < nodeMinimum && node->parent->count > 1) {
        Inner* parent = node->parent;
        const unsigned left = node->slot + 1 < parent->count ? node->slot : node->slot - 1;
        const bool merged = node->leaf ? Moves::join<Leaf>(parent, left) : Moves::join<Inner>(parent, left);
        if (!merged) break;
        node = parent;
    }
    while (!root_->leaf && root_->count == 1) {
        Inner* top = static_cast<Inner*>(root_);
        root_ = top->items[0];
        root_->parent = nullptr;
        root_->slot = 0;
        delete top;
    }
}

template <class Visit>
void Collection::Sequence::forEach(Visit&& visit) const {
    Moves::walk(root_, visit);
}

Collection::Collection() noexcept { module::objectCreated(); }

Collection::~Collection() { module::objectDestroyed(); }

ComPtr<Collection> Collection::create() { return ComPtr<Collection>::attach(new Collection()); }

size_t Collection::positionOf(const VARIANT& indexOrKey) const {
    const VARIANT& held = runtime::dereference(indexOrKey);
    VARTYPE type = V_VT(&held) & ~VT_BYREF;
    if (type == VT_BSTR) {
        std::wstring key = keyOf(held);
        Entry* found = byKey_.find(key, hashOf(key));
        if (!found) raise(error::InvalidCall);
        return items_.positionOf(found);
    }
    if (type == VT_NULL) raise(error::InvalidUseOfNull);
    if (type == VT_DISPATCH || type == VT_UNKNOWN || type == VT_ERROR) raise(error::TypeMismatch);
    long position = 0;
    try {
        position = runtime::toLong(held);
    } catch (const RuntimeError&) {
        raise(error::SubscriptOutOfRange);
    }
    if (position < 1 || position > count()) raise(error::SubscriptOutOfRange);
    return static_cast<size_t>(position - 1);
}

void Collection::add(const VARIANT& item, const std::wstring* key, const VARIANT* before, const VARIANT* after) {
    if (before && after) raise(error::InvalidCall);
    auto entry = std::make_unique<Entry>();
    if (FAILED(::VariantCopyInd(entry->value.get(), const_cast<VARIANT*>(&runtime::dereference(item))))) raise(error::TypeMismatch);
    if (key) {
        entry->key = normalizedKey(*key);
        entry->hash = hashOf(entry->key);
        entry->hasKey = true;
    }
    // One walk of the key table finds a duplicate or the free slot the key will take;
    // the table has room for it first, so nothing after this can move that slot.
    size_t slot = KeyIndex::npos;
    if (entry->hasKey) {
        byKey_.reserveOne();
        bool taken = false;
        slot = byKey_.probe(entry->key, entry->hash, taken);
        if (taken) raise(error::DuplicateKey);
    }
    size_t at = items_.size();
    if (before) at = positionOf(*before);
    if (after) at = positionOf(*after) + 1;
    items_.insert(at, entry.get());
    Entry* stored = entry.release();
    if (slot != KeyIndex::npos) byKey_.placeAt(slot, stored);
}

Variant Collection::item(const VARIANT& indexOrKey) const {
    const VARIANT& held = runtime::dereference(indexOrKey);
    if ((V_VT(&held) & ~VT_BYREF) == VT_BSTR) {
        // By key straight from the key table: no walk to find the position.
        std::wstring key = keyOf(held);
        Entry* found = byKey_.find(key, hashOf(key));
        if (!found) raise(error::InvalidCall);
        return found->value;
    }
    return items_.at(positionOf(indexOrKey))->value;
}

Variant Collection::item(long position) const {
    if (position < 1 || position > count()) raise(error::SubscriptOutOfRange);
    return items_.at(static_cast<size_t>(position - 1))->value;
}

void Collection::removeEntry(Entry* entry) {
    if (entry->hasKey) byKey_.erase(entry);
    items_.erase(entry);  // the entry, and any object it holds, goes once the tree is whole again
}

void Collection::remove(const VARIANT& indexOrKey) {
    const VARIANT& held = runtime::dereference(indexOrKey);
    if ((V_VT(&held) & ~VT_BYREF) != VT_BSTR) {
        removeEntry(items_.at(positionOf(indexOrKey)));
        return;
    }
    // By key: the slot found is the slot emptied, with no second walk of the key table.
    std::wstring key = keyOf(held);
    size_t slot = byKey_.slotOf(key, hashOf(key));
    if (slot == KeyIndex::npos) raise(error::InvalidCall);
    Entry* entry = byKey_.entryAt(slot);
    byKey_.eraseSlot(slot);
    items_.erase(entry);
}

void Collection::remove(long position) {
    if (position < 1 || position > count()) raise(error::SubscriptOutOfRange);
    removeEntry(items_.at(static_cast<size_t>(position - 1)));
}

ComPtr<IUnknown> Collection::newEnum() const {
    auto values = std::make_shared<std::vector<Variant>>();
    values->reserve(items_.size());
    items_.forEach([&](const Entry& entry) { values->push_back(entry.value); });
    ComPtr<IEnumVARIANT> enumerator = VariantEnumerator::create(std::move(values));
    return ComPtr<IUnknown>(enumerator.get());
}

STDMETHODIMP Collection::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) Collection::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

STDMETHODIMP_(ULONG) Collection::Release() {
    LONG remaining = ::InterlockedDecrement(&references_);
    if (remaining == 0) delete this;
    return static_cast<ULONG>(remaining);
}

STDMETHODIMP Collection::GetTypeInfoCount(UINT* count) {
    if (!count) return E_INVALIDARG;
    *count = 0;
    return S_OK;
}

STDMETHODIMP Collection::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
}

STDMETHODIMP Collection::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!names || !ids) return E_INVALIDARG;
    if (count == 0) return S_OK;
    static const struct { const wchar_t* name; DISPID id; } members[] = {
        {L"Item", idItem}, {L"Add", idAdd}, {L"Count", idCount}, {L"Remove", idRemove}, {L"_NewEnum", DISPID_NEWENUM}};
    static const wchar_t* addParameters[] = {L"Item", L"Key", L"Before", L"After"};
    HRESULT result = S_OK;
    for (UINT n = 0; n < count; ++n) ids[n] = DISPID_UNKNOWN;
    for (const auto& member : members) {
        if (names[0] && ::lstrcmpiW(names[0], member.name) == 0) ids[0] = member.id;
    }
    if (ids[0] == DISPID_UNKNOWN) return DISP_E_UNKNOWNNAME;
    for (UINT n = 1; n < count; ++n) {
        if (ids[0] == idAdd) {
            for (DISPID p = 0; p < 4; ++p) {
                if (names[n] && ::lstrcmpiW(names[n], addParameters[p]) == 0) ids[n] = p;
            }
        } else if (ids[0] == idItem || ids[0] == idRemove) {
            if (names[n] && ::lstrcmpiW(names[n], L"Index") == 0) ids[n] = 0;
        }
        if (ids[n] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

STDMETHODIMP Collection::Invoke(DISPID member, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                EXCEPINFO* exception, UINT* argumentError) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!params || (params->cArgs && !params->rgvarg) || params->cNamedArgs > params->cArgs ||
        (params->cNamedArgs && !params->rgdispidNamedArgs)) {
        return E_INVALIDARG;
    }
    if (result) ::VariantInit(result);
    const bool call = (flags & DISPATCH_METHOD) != 0;
    const bool get = (flags & DISPATCH_PROPERTYGET) != 0;
    size_t limit = 0;
    switch (member) {
    case idItem: case idRemove: limit = 1; break;
    case idAdd: limit = 4; break;
    case idCount: case DISPID_NEWENUM: limit = 0; break;
    default: return DISP_E_MEMBERNOTFOUND;
    }
    if ((member == idAdd || member == idRemove) ? !call : !(call || get)) return DISP_E_MEMBERNOTFOUND;

    // Arguments by position, or by the parameter numbers that GetIDsOfNames gives.
    const VARIANT* arguments[4] = {};
    UINT positional = params->cArgs - params->cNamedArgs;
    if (positional > limit) return DISP_E_BADPARAMCOUNT;
    for (UINT n = 0; n < positional; ++n) arguments[n] = &params->rgvarg[params->cArgs - 1 - n];
    for (UINT n = 0; n < params->cNamedArgs; ++n) {
        DISPID named = params->rgdispidNamedArgs[n];
        if (named < 0 || static_cast<size_t>(named) >= limit || arguments[named]) {
            if (argumentError) *argumentError = n;
            return DISP_E_PARAMNOTFOUND;
        }
        arguments[named] = &params->rgvarg[n];
    }
    for (auto& argument : arguments) {
        if (argument && runtime::isMissing(*argument)) argument = nullptr;
    }
    if (limit > 0 && !arguments[0]) return DISP_E_PARAMNOTOPTIONAL;

    HRESULT outcome = guarded(errorSource, [&] {
        switch (member) {
        case idItem:
            if (result) item(*arguments[0]).moveTo(result);
            else item(*arguments[0]);
            break;
        case idAdd: {
            std::wstring key;
            if (arguments[1]) key = runtime::bstrText(runtime::toText(*arguments[1]).get());
            add(*arguments[0], arguments[1] ? &key : nullptr, arguments[2], arguments[3]);
            break;
        }
        case idCount:
            if (result) runtime::makeLong(count()).moveTo(result);
            break;
        case idRemove: remove(*arguments[0]); break;
        case DISPID_NEWENUM:
            if (result) {
                V_VT(result) = VT_UNKNOWN;
                V_UNKNOWN(result) = newEnum().detach();
            }
            break;
        }
    });
    return dispatchFailure(outcome, exception);
}

}  // namespace orvane
