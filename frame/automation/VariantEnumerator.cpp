#include "frame/automation/VariantEnumerator.h"

#include <new>

#include "frame/base/Module.h"

namespace orvane {

VariantEnumerator::VariantEnumerator(Snapshot values, size_t position) noexcept
    : values_(std::move(values)), position_(position) {
    module::objectCreated();
}

VariantEnumerator::~VariantEnumerator() { module::objectDestroyed(); }

ComPtr<IEnumVARIANT> VariantEnumerator::create(Snapshot values) {
    return ComPtr<IEnumVARIANT>::attach(new VariantEnumerator(std::move(values), 0));
}

STDMETHODIMP VariantEnumerator::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IEnumVARIANT) {
        *out = static_cast<IEnumVARIANT*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) VariantEnumerator::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

STDMETHODIMP_(ULONG) VariantEnumerator::Release() {
    LONG remaining = ::InterlockedDecrement(&references_);
    if (remaining == 0) delete this;
    return static_cast<ULONG>(remaining);
}

STDMETHODIMP VariantEnumerator::Next(ULONG wanted, VARIANT* values, ULONG* fetched) {
    if (fetched) *fetched = 0;
    if (wanted == 0) return S_OK;
    if (!values || (wanted > 1 && !fetched)) return E_INVALIDARG;
    ULONG delivered = 0;
    while (delivered < wanted && position_ < values_->size()) {
        ::VariantInit(&values[delivered]);
        HRESULT copied = ::VariantCopy(&values[delivered], const_cast<VARIANT*>((*values_)[position_].get()));
        if (FAILED(copied)) {
            for (ULONG n = 0; n < delivered; ++n) ::VariantClear(&values[n]);
            return copied;
        }
        ++delivered;
        ++position_;
    }
    if (fetched) *fetched = delivered;
    return delivered == wanted ? S_OK : S_FALSE;
}

STDMETHODIMP VariantEnumerator::Skip(ULONG count) {
    size_t left = values_->size() - position_;
    if (count > left) {
        position_ = values_->size();
        return S_FALSE;
    }
    position_ += count;
    return S_OK;
}

STDMETHODIMP VariantEnumerator::Reset() {
    position_ = 0;
    return S_OK;
}

STDMETHODIMP VariantEnumerator::Clone(IEnumVARIANT** copy) {
    if (!copy) return E_POINTER;
    *copy = new (std::nothrow) VariantEnumerator(values_, position_);
    return *copy ? S_OK : E_OUTOFMEMORY;
}

}  // namespace orvane
