#include "Collection.h"

#include <new>

#include "Errors.h"
#include "Module.h"
#include "Runtime.h"
#include "VariantEnumerator.h"

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

Collection::Collection() noexcept { module::objectCreated(); }

Collection::~Collection() { module::objectDestroyed(); }

ComPtr<Collection> Collection::create() { return ComPtr<Collection>::attach(new Collection()); }

size_t Collection::indexOfEntry(const Entry* entry) const {
    // From the end: the last item, the usual one to go, is found at once.
    for (size_t n = items_.size(); n-- > 0;) {
        if (items_[n].get() == entry) return n;
    }
    return items_.size();
}

size_t Collection::positionOf(const VARIANT& indexOrKey) const {
    const VARIANT& held = runtime::dereference(indexOrKey);
    VARTYPE type = V_VT(&held) & ~VT_BYREF;
    if (type == VT_BSTR) {
        std::wstring key = keyOf(held);
        Entry* found = byKey_.find(key, hashOf(key));
        if (!found) raise(error::InvalidCall);
        return indexOfEntry(found);
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
    Entry* stored = entry.get();
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
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
    return items_[positionOf(indexOrKey)]->value;
}

Variant Collection::item(long position) const {
    if (position < 1 || position > count()) raise(error::SubscriptOutOfRange);
    return items_[static_cast<size_t>(position - 1)]->value;
}

void Collection::removeAt(size_t index) {
    if (items_[index]->hasKey) byKey_.erase(items_[index].get());
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

void Collection::remove(const VARIANT& indexOrKey) {
    const VARIANT& held = runtime::dereference(indexOrKey);
    if ((V_VT(&held) & ~VT_BYREF) != VT_BSTR) {
        removeAt(positionOf(indexOrKey));
        return;
    }
    // By key: the slot found is the slot emptied, with no second walk of the key table.
    std::wstring key = keyOf(held);
    size_t slot = byKey_.slotOf(key, hashOf(key));
    if (slot == KeyIndex::npos) raise(error::InvalidCall);
    size_t index = indexOfEntry(byKey_.entryAt(slot));
    byKey_.eraseSlot(slot);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

void Collection::remove(long position) {
    if (position < 1 || position > count()) raise(error::SubscriptOutOfRange);
    removeAt(static_cast<size_t>(position - 1));
}

ComPtr<IUnknown> Collection::newEnum() const {
    auto values = std::make_shared<std::vector<Variant>>();
    values->reserve(items_.size());
    for (const auto& entry : items_) values->push_back(entry->value);
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
