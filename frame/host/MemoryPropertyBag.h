// An in-memory property bag that keeps what a form file keeps: values as text, and
// objects in their persisted form (written by OleSaveToStream, read by
// OleLoadFromStream), so pictures round-trip. Keys compare without regard to case.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <optional>
#include <string>
#include <vector>

#include "frame/base/Handles.h"

namespace orvane {

class MemoryPropertyBag final : public IPropertyBag {
public:
    static ComPtr<MemoryPropertyBag> create();

    // The stored text of a key (objects and empty values have none).
    std::optional<std::wstring> text(const wchar_t* key) const;
    void setText(const wchar_t* key, const std::wstring& value);
    bool contains(const wchar_t* key) const;
    bool holdsObject(const wchar_t* key) const;
    void remove(const wchar_t* key);
    void clear() noexcept { entries_.clear(); }
    size_t count() const noexcept { return entries_.size(); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IPropertyBag. Read converts the text to the type the caller asks for in the
    // VARIANT it passes (VT_EMPTY: as stored); a missing key gives E_INVALIDARG.
    STDMETHODIMP Read(LPCOLESTR key, VARIANT* value, IErrorLog* log) override;
    STDMETHODIMP Write(LPCOLESTR key, VARIANT* value) override;

private:
    MemoryPropertyBag() = default;
    ~MemoryPropertyBag() = default;

    enum class Kind { Empty, Text, Object };
    struct Entry {
        std::wstring key;
        Kind kind = Kind::Empty;
        std::wstring text;
        std::vector<BYTE> object;  // the object's persisted form, class identifier first
    };
    Entry* find(const wchar_t* key);
    const Entry* find(const wchar_t* key) const;

    LONG references_ = 1;
    std::vector<Entry> entries_;
};

}  // namespace orvane
