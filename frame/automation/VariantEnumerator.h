// IEnumVARIANT over a snapshot of values, taken when the enumerator is created.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <vector>

#include "frame/base/Handles.h"

namespace orvane {

class VariantEnumerator final : public IEnumVARIANT {
public:
    using Snapshot = std::shared_ptr<const std::vector<Variant>>;
    static ComPtr<IEnumVARIANT> create(Snapshot values);

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP Next(ULONG wanted, VARIANT* values, ULONG* fetched) override;
    STDMETHODIMP Skip(ULONG count) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumVARIANT** copy) override;

private:
    VariantEnumerator(Snapshot values, size_t position) noexcept;
    ~VariantEnumerator();

    Snapshot values_;
    size_t position_;
    LONG references_ = 1;
};

}  // namespace orvane
