#include "frame/host/MemoryPropertyBag.h"

#include <cstring>
#include <cwctype>

#include "frame/base/Errors.h"

namespace orvane {

namespace {

bool sameKey(const std::wstring& a, const wchar_t* b) {
    size_t length = std::wcslen(b);
    if (a.size() != length) return false;
    for (size_t i = 0; i < length; ++i) {
        if (std::towupper(a[i]) != std::towupper(b[i])) return false;
    }
    return true;
}

HRESULT objectBytes(IUnknown* object, std::vector<BYTE>& bytes) {
    ComPtr<IPersistStream> persist;
    HRESULT result = object->QueryInterface(IID_IPersistStream, persist.putVoid());
    if (FAILED(result)) return result;
    ComPtr<IStream> stream;
    if (FAILED(result = ::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()))) return result;
    if (FAILED(result = ::OleSaveToStream(persist.get(), stream.get()))) return result;
    HGLOBAL memory = nullptr;
    if (FAILED(result = ::GetHGlobalFromStream(stream.get(), &memory))) return result;
    STATSTG status{};
    if (FAILED(result = stream->Stat(&status, STATFLAG_NONAME))) return result;
    const BYTE* data = static_cast<const BYTE*>(::GlobalLock(memory));
    if (!data) return E_OUTOFMEMORY;
    bytes.assign(data, data + status.cbSize.QuadPart);
    ::GlobalUnlock(memory);
    return S_OK;
}

}  // namespace

ComPtr<MemoryPropertyBag> MemoryPropertyBag::create() {
    return ComPtr<MemoryPropertyBag>::attach(new MemoryPropertyBag());
}

MemoryPropertyBag::Entry* MemoryPropertyBag::find(const wchar_t* key) {
    for (Entry& entry : entries_) {
        if (sameKey(entry.key, key)) return &entry;
    }
    return nullptr;
}

const MemoryPropertyBag::Entry* MemoryPropertyBag::find(const wchar_t* key) const {
    return const_cast<MemoryPropertyBag*>(this)->find(key);
}

std::optional<std::wstring> MemoryPropertyBag::text(const wchar_t* key) const {
    const Entry* entry = find(key);
    if (!entry || entry->kind != Kind::Text) return std::nullopt;
    return entry->text;
}

void MemoryPropertyBag::setText(const wchar_t* key, const std::wstring& value) {
    Entry* entry = find(key);
    if (!entry) {
        entries_.push_back({key});
        entry = &entries_.back();
    }
    entry->kind = Kind::Text;
    entry->text = value;
    entry->object.clear();
}

bool MemoryPropertyBag::contains(const wchar_t* key) const { return find(key) != nullptr; }

bool MemoryPropertyBag::holdsObject(const wchar_t* key) const {
    const Entry* entry = find(key);
    return entry && entry->kind == Kind::Object;
}

void MemoryPropertyBag::remove(const wchar_t* key) {
    for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
        if (sameKey(entry->key, key)) {
            entries_.erase(entry);
            return;
        }
    }
}

STDMETHODIMP MemoryPropertyBag::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IPropertyBag) return E_NOINTERFACE;
    *out = static_cast<IPropertyBag*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) MemoryPropertyBag::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

STDMETHODIMP_(ULONG) MemoryPropertyBag::Release() {
    LONG remaining = ::InterlockedDecrement(&references_);
    if (remaining == 0) delete this;
    return static_cast<ULONG>(remaining);
}

STDMETHODIMP MemoryPropertyBag::Read(LPCOLESTR key, VARIANT* value, IErrorLog*) {
    if (!key || !value) return E_POINTER;
    const Entry* entry = find(key);
    if (!entry) return E_INVALIDARG;
    VARTYPE wanted = V_VT(value);
    // The caller's VARIANT holds only a type request, never a value to release.
    ::VariantInit(value);
    try {
        switch (entry->kind) {
        case Kind::Empty:
            return S_OK;
        case Kind::Object: {
            ComPtr<IStream> stream;
            HRESULT result = ::CreateStreamOnHGlobal(nullptr, TRUE, stream.put());
            if (FAILED(result)) return result;
            if (!entry->object.empty() &&
                FAILED(result = stream->Write(entry->object.data(), static_cast<ULONG>(entry->object.size()), nullptr))) {
                return result;
            }
            LARGE_INTEGER start{};
            stream->Seek(start, STREAM_SEEK_SET, nullptr);
            ComPtr<IUnknown> object;
            if (FAILED(result = ::OleLoadFromStream(stream.get(), IID_IUnknown, object.putVoid()))) return result;
            ComPtr<IDispatch> dispatch = object.query<IDispatch>();
            if (wanted == VT_UNKNOWN || !dispatch) {
                V_VT(value) = VT_UNKNOWN;
                V_UNKNOWN(value) = object.detach();
            } else {
                V_VT(value) = VT_DISPATCH;
                V_DISPATCH(value) = dispatch.detach();
            }
            return S_OK;
        }
        case Kind::Text: {
            Variant stored;
            V_VT(stored.get()) = VT_BSTR;
            V_BSTR(stored.get()) = Bstr(entry->text.data(), static_cast<UINT>(entry->text.size())).detach();
            if (wanted == VT_EMPTY || wanted == VT_BSTR || wanted == VT_VARIANT) {
                stored.moveTo(value);
                return S_OK;
            }
            HRESULT result = ::VariantChangeTypeEx(value, stored.get(), LOCALE_INVARIANT, 0, wanted);
            if (FAILED(result)) ::VariantInit(value);
            return result;
        }
        }
    } catch (...) {
        return caughtResult();
    }
    return E_UNEXPECTED;
}

STDMETHODIMP MemoryPropertyBag::Write(LPCOLESTR key, VARIANT* value) {
    if (!key || !value) return E_POINTER;
    try {
        Entry written{key};
        const VARIANT* source = value;
        if (V_VT(source) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(source)) source = V_VARIANTREF(source);
        switch (V_VT(source)) {
        case VT_EMPTY:
        case VT_NULL:
            written.kind = Kind::Empty;
            break;
        case VT_DISPATCH:
        case VT_UNKNOWN:
            if (!V_UNKNOWN(source)) {
                written.kind = Kind::Empty;
            } else {
                written.kind = Kind::Object;
                HRESULT result = objectBytes(V_UNKNOWN(source), written.object);
                if (FAILED(result)) return result;
            }
            break;
        default: {
            Variant text;
            HRESULT result = ::VariantChangeTypeEx(text.get(), const_cast<VARIANT*>(source), LOCALE_INVARIANT, 0, VT_BSTR);
            if (FAILED(result)) return result;
            written.kind = Kind::Text;
            written.text.assign(V_BSTR(text.get()), ::SysStringLen(V_BSTR(text.get())));
            break;
        }
        }
        if (Entry* entry = find(key)) {
            *entry = std::move(written);
        } else {
            entries_.push_back(std::move(written));
        }
        return S_OK;
    } catch (...) {
        return caughtResult();
    }
}

}  // namespace orvane
