#include "sysinfo/OVPower.h"

#include <cstddef>

#include "frame/base/Platform.h"

namespace orvane {

namespace {

static_assert(sizeof(SYSTEM_POWER_STATUS) == 12);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, PowerButtonPresent) == 0);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, SleepButtonPresent) == 1);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, HiberFilePresent) == 8);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, FullWake) == 9);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, ThermalControl) == 13);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, DiskSpinDown) == 21);
static_assert(sizeof(TOKEN_PRIVILEGES) == 16);

constexpr DWORD adjustAndQuery = TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY;  // 40

using UniqueToken = UniqueKernelHandle;

// The status and capability fills; a binding failure is kept for the members.
template <class Record, class Fill>
void fill(Record& record, std::optional<RuntimeError>& failure, Fill&& call) {
    try {
        call(&record);
    } catch (const RuntimeError& error) {
        failure = error;
    }
}

VARIANT_BOOL boolean(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

BOOLEAN hibernateAllowed() { return platform::powrprof::IsPwrHibernateAllowed(); }
BOOLEAN suspendAllowed() { return platform::powrprof::IsPwrSuspendAllowed(); }
BOOLEAN shutdownAllowed() { return platform::powrprof::IsPwrShutdownAllowed(); }

}  // namespace

void OVPower::initialize() {
    fill(status_, statusError_, [](SYSTEM_POWER_STATUS* record) { platform::kernel32::GetSystemPowerStatus(record); });
    fill(capabilities_, capabilitiesError_,
         [](SYSTEM_POWER_CAPABILITIES* record) { platform::powrprof::GetPwrCapabilities(record); });
}

const SYSTEM_POWER_STATUS& OVPower::status() const {
    if (statusError_) throw *statusError_;
    return status_;
}

const SYSTEM_POWER_CAPABILITIES& OVPower::capabilities() const {
    if (capabilitiesError_) throw *capabilitiesError_;
    return capabilities_;
}

// No result is looked at: the state change is asked for even when this fails.
void OVPower::enableShutdownPrivilege() {
    UniqueToken token;
    platform::advapi32::OpenProcessToken(platform::kernel32::GetCurrentProcess(), adjustAndQuery, token.put());
    TOKEN_PRIVILEGES request{};
    request.PrivilegeCount = 1;
    platform::advapi32::LookupPrivilegeValueA("", "SeShutdownPrivilege", &request.Privileges[0].Luid);
    request.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    TOKEN_PRIVILEGES previous{};
    DWORD returnLength = 0;
    platform::advapi32::AdjustTokenPrivileges(token.get(), FALSE, &request, sizeof(previous), &previous, &returnLength);
}

HRESULT OVPower::capability(BOOLEAN SYSTEM_POWER_CAPABILITIES::*flag, VARIANT_BOOL* result) {
    return call([&] { *required(result) = boolean(capabilities().*flag != 0); });
}

// The flag is a set of bits; only the exact byte matches (9, charging while high, matches none).
HRESULT OVPower::batteryFlag(BYTE wanted, VARIANT_BOOL* result) {
    return call([&] { *required(result) = boolean(status().BatteryFlag == wanted); });
}

HRESULT OVPower::allowed(BOOLEAN (*ask)(), VARIANT_BOOL* result) {
    return call([&] { *required(result) = boolean(ask() != 0); });
}

STDMETHODIMP OVPower::Hibernate() {
    return call([&] {
        enableShutdownPrivilege();
        platform::kernel32::SetSystemPowerState(FALSE, FALSE);
    });
}

STDMETHODIMP OVPower::Suspend() {
    return call([&] {
        enableShutdownPrivilege();
        platform::kernel32::SetSystemPowerState(TRUE, FALSE);
    });
}

STDMETHODIMP OVPower::DiskSpinDown(VARIANT_BOOL* result) {
    return capability(&SYSTEM_POWER_CAPABILITIES::DiskSpinDown, result);
}
STDMETHODIMP OVPower::ThermalControl(VARIANT_BOOL* result) {
    return capability(&SYSTEM_POWER_CAPABILITIES::ThermalControl, result);
}
STDMETHODIMP OVPower::WakeSupport(VARIANT_BOOL* result) {
    return capability(&SYSTEM_POWER_CAPABILITIES::FullWake, result);
}
STDMETHODIMP OVPower::HiberFilePresent(VARIANT_BOOL* result) {
    return capability(&SYSTEM_POWER_CAPABILITIES::HiberFilePresent, result);
}
STDMETHODIMP OVPower::SleepButtonPresent(VARIANT_BOOL* result) {
    return capability(&SYSTEM_POWER_CAPABILITIES::SleepButtonPresent, result);
}
STDMETHODIMP OVPower::PowerButtonPresent(VARIANT_BOOL* result) {
    return capability(&SYSTEM_POWER_CAPABILITIES::PowerButtonPresent, result);
}

STDMETHODIMP OVPower::ACPowerExists(VARIANT_BOOL* result) {
    return call([&] { *required(result) = boolean(status().ACLineStatus == 1); });
}
STDMETHODIMP OVPower::BatteryIsLow(VARIANT_BOOL* result) { return batteryFlag(2, result); }
STDMETHODIMP OVPower::BatteryIsFull(VARIANT_BOOL* result) { return batteryFlag(1, result); }
STDMETHODIMP OVPower::BatteryIsCharging(VARIANT_BOOL* result) { return batteryFlag(8, result); }
STDMETHODIMP OVPower::BatteryIsCritical(VARIANT_BOOL* result) { return batteryFlag(4, result); }

STDMETHODIMP OVPower::IsPowerHibernateAllowed(VARIANT_BOOL* result) { return allowed(&hibernateAllowed, result); }
STDMETHODIMP OVPower::IsPowerSuspendAllowed(VARIANT_BOOL* result) { return allowed(&suspendAllowed, result); }
STDMETHODIMP OVPower::IsPowerShutdownAllowed(VARIANT_BOOL* result) { return allowed(&shutdownAllowed, result); }

}  // namespace orvane
