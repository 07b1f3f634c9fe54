// OVPower: hibernate and suspend, the power source and battery state, the power
// hardware's capabilities and whether hibernation, suspend and shutdown are allowed.
#pragma once

#include <optional>

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVPower final : public Control<OVPower, _OVPower> {
public:
    static constexpr const wchar_t* className = L"OVPower";
    static constexpr int toolboxBitmap = 30011;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVPower; }

    void initialize();

    STDMETHODIMP Hibernate() override;
    STDMETHODIMP Suspend() override;
    STDMETHODIMP DiskSpinDown(VARIANT_BOOL* result) override;
    STDMETHODIMP ThermalControl(VARIANT_BOOL* result) override;
    STDMETHODIMP WakeSupport(VARIANT_BOOL* result) override;
    STDMETHODIMP HiberFilePresent(VARIANT_BOOL* result) override;
    STDMETHODIMP SleepButtonPresent(VARIANT_BOOL* result) override;
    STDMETHODIMP PowerButtonPresent(VARIANT_BOOL* result) override;
    STDMETHODIMP ACPowerExists(VARIANT_BOOL* result) override;
    STDMETHODIMP BatteryIsLow(VARIANT_BOOL* result) override;
    STDMETHODIMP BatteryIsFull(VARIANT_BOOL* result) override;
    STDMETHODIMP BatteryIsCharging(VARIANT_BOOL* result) override;
    STDMETHODIMP BatteryIsCritical(VARIANT_BOOL* result) override;
    STDMETHODIMP IsPowerHibernateAllowed(VARIANT_BOOL* result) override;
    STDMETHODIMP IsPowerSuspendAllowed(VARIANT_BOOL* result) override;
    STDMETHODIMP IsPowerShutdownAllowed(VARIANT_BOOL* result) override;

private:
    static void enableShutdownPrivilege();
    HRESULT capability(BOOLEAN SYSTEM_POWER_CAPABILITIES::*flag, VARIANT_BOOL* result);
    HRESULT batteryFlag(BYTE wanted, VARIANT_BOOL* result);
    HRESULT allowed(BOOLEAN (*ask)(), VARIANT_BOOL* result);
    const SYSTEM_POWER_STATUS& status() const;
    const SYSTEM_POWER_CAPABILITIES& capabilities() const;

    SYSTEM_POWER_STATUS status_{};
    SYSTEM_POWER_CAPABILITIES capabilities_{};
    // A record the platform could not be asked for at initialisation (the power
    // library or its entry missing): the members that read it raise that error.
    std::optional<RuntimeError> statusError_;
    std::optional<RuntimeError> capabilitiesError_;
};

}  // namespace orvane
