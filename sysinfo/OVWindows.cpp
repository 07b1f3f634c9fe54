#include "sysinfo/OVWindows.h"

#include <string>

#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

const wchar_t installationKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion";
constexpr DWORD nameCapacity = 255;

void storeText(BSTR* result, const std::wstring& text) { *result = runtime::allocText(text); }

}  // namespace

// The result is not looked at and no privilege is enabled: a refused request only
// leaves its last error.
HRESULT OVWindows::endSession(UINT flags) noexcept {
    return call([&] { platform::user32::ExitWindowsEx(flags, 0); });
}

STDMETHODIMP OVWindows::ReBoot() { return endSession(EWX_REBOOT); }
STDMETHODIMP OVWindows::ShutDown() { return endSession(EWX_SHUTDOWN); }
STDMETHODIMP OVWindows::PowerOff() { return endSession(EWX_POWEROFF); }
STDMETHODIMP OVWindows::LogOff() { return endSession(EWX_LOGOFF); }
STDMETHODIMP OVWindows::Force() { return endSession(EWX_FORCE); }

HRESULT OVWindows::installationValue(const wchar_t* valueName, BSTR* result) noexcept {
    return call([&] {
        *required(result) = nullptr;
        if (!registry_) registry_ = OVRegistry::create();
        storeText(result, readValueText(*registry_.get(), ovHKEY_LOCAL_MACHINE, installationKey, valueName));
    });
}

STDMETHODIMP OVWindows::LicensingInfo(BSTR* result) { return installationValue(L"LicensingInfo", result); }
STDMETHODIMP OVWindows::RegisteredOwner(BSTR* result) { return installationValue(L"RegisteredOwner", result); }
STDMETHODIMP OVWindows::RegisteredOrganization(BSTR* result) {
    return installationValue(L"RegisteredOrganization", result);
}
STDMETHODIMP OVWindows::ProductType(BSTR* result) { return installationValue(L"ProductType", result); }
STDMETHODIMP OVWindows::ProductKey(BSTR* result) { return installationValue(L"ProductKey", result); }
STDMETHODIMP OVWindows::ProductName(BSTR* result) { return installationValue(L"ProductName", result); }
STDMETHODIMP OVWindows::ProductId(BSTR* result) { return installationValue(L"ProductId", result); }
STDMETHODIMP OVWindows::PlusVersionNumber(BSTR* result) {
    return installationValue(L"Plus! VersionNumber", result);
}

STDMETHODIMP OVWindows::UserName(BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        std::string buffer(nameCapacity, ' ');
        DWORD size = nameCapacity;
        platform::advapi32::GetUserNameA(buffer.data(), &size);
        // The size counts the terminator; for lack of room it is the room needed, and
        // the cut then stops at the end of the buffer. A size of 0 cuts at -1: error 5.
        storeText(result, runtime::left(runtime::fromAnsi(buffer), static_cast<long>(size) - 1));
    });
}

STDMETHODIMP OVWindows::ComputerName(BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        std::string buffer(nameCapacity, ' ');
        DWORD size = nameCapacity;
        platform::kernel32::GetComputerNameA(buffer.data(), &size);
        storeText(result, runtime::beforeFirstNul(runtime::fromAnsi(buffer)));
    });
}

}  // namespace orvane
