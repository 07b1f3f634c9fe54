// OVWindows: ending the Windows session, the operating system's installation values,
// and the names of the logged-on user and of the computer.
#pragma once

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"
#include "registry/OVRegistry.h"

namespace orvane {

class OVWindows final : public Control<OVWindows, _OVWindows> {
public:
    static constexpr const wchar_t* className = L"OVWindows";
    static constexpr int toolboxBitmap = 30015;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVWindows; }

    STDMETHODIMP ReBoot() override;
    STDMETHODIMP ShutDown() override;
    STDMETHODIMP PowerOff() override;
    STDMETHODIMP LogOff() override;
    STDMETHODIMP Force() override;
    STDMETHODIMP LicensingInfo(BSTR* result) override;
    STDMETHODIMP RegisteredOwner(BSTR* result) override;
    STDMETHODIMP RegisteredOrganization(BSTR* result) override;
    STDMETHODIMP ProductType(BSTR* result) override;
    STDMETHODIMP ProductKey(BSTR* result) override;
    STDMETHODIMP ProductName(BSTR* result) override;
    STDMETHODIMP ProductId(BSTR* result) override;
    STDMETHODIMP PlusVersionNumber(BSTR* result) override;
    STDMETHODIMP UserName(BSTR* result) override;
    STDMETHODIMP ComputerName(BSTR* result) override;

private:
    HRESULT endSession(UINT flags) noexcept;
    HRESULT installationValue(const wchar_t* valueName, BSTR* result) noexcept;

    ComPtr<OVRegistry> registry_;
};

}  // namespace orvane
