// OVWinVersion: the version numbers and service text of the running Windows, and its
// classification into a platform family and one of seven named systems.
#pragma once

#include <string>

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVWinVersion final : public Control<OVWinVersion, _OVWinVersion> {
public:
    static constexpr const wchar_t* className = L"OVWinVersion";
    static constexpr int toolboxBitmap = 30016;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVWinVersion; }

    // The numbers and the service text are those at initialisation.
    void initialize();

    STDMETHODIMP MajorVersion(long* result) override;
    STDMETHODIMP MinorVersion(long* result) override;
    STDMETHODIMP BuildNumber(long* result) override;
    STDMETHODIMP OperatingPlatform(BSTR* result) override;
    STDMETHODIMP OperatingSystem(BSTR* result) override;
    STDMETHODIMP ExtraInfo(BSTR* result) override;
    STDMETHODIMP IsWindows32(VARIANT_BOOL* result) override;
    STDMETHODIMP IsWindows95(VARIANT_BOOL* result) override;
    STDMETHODIMP IsWindows98(VARIANT_BOOL* result) override;
    STDMETHODIMP IsWindowsME(VARIANT_BOOL* result) override;
    STDMETHODIMP IsWindowsNT(VARIANT_BOOL* result) override;
    STDMETHODIMP IsWindows2K(VARIANT_BOOL* result) override;
    STDMETHODIMP IsWindowsXP(VARIANT_BOOL* result) override;

    struct Record {
        long majorVersion = 0;
        long minorVersion = 0;
        long buildNumber = 0;
        long platformId = 0;
        std::wstring serviceText;  // always 128 characters, NUL after the platform's text
    };
    static Record readRecord();
    // The OVWinVersionOSConstants value of a record.
    static long classify(const Record& record);

private:
    HRESULT systemTest(long wanted, VARIANT_BOOL* result);

    Record stored_;
};

}  // namespace orvane
