// OVStack: a last-in, first-out stack of Variant values kept in a runtime Collection
// (item 1 is the bottom, item Count the top).
#pragma once

#include "frame/automation/Collection.h"
#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVStack final : public Control<OVStack, _OVStack> {
public:
    static constexpr const wchar_t* className = L"OVStack";
    static constexpr int toolboxBitmap = 30014;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVStack; }

    STDMETHODIMP Push(VARIANT* Value) override;
    STDMETHODIMP Pop(VARIANT* result) override;
    STDMETHODIMP Peek(VARIANT* result) override;
    STDMETHODIMP Count(long* result) override;

private:
    // Created at the first member call that touches it.
    Collection& items();

    ComPtr<Collection> items_;
};

}  // namespace orvane
