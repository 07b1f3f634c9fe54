// OVDiskInfo: size, free space, kind, label, file system and serial number of a
// drive, and the list of drives present. Every query asks the platform afresh.
#pragma once

#include <optional>
#include <string>

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVDiskInfo final : public Control<OVDiskInfo, _OVDiskInfo> {
public:
    static constexpr const wchar_t* className = L"OVDiskInfo";
    static constexpr int toolboxBitmap = 30017;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVDiskInfo; }

    STDMETHODIMP get_DriveName(BSTR* result) override;
    STDMETHODIMP put_DriveName(BSTR value) override;
    STDMETHODIMP TotalSpace(BSTR* OverridingDriveName, CY* result) override;
    STDMETHODIMP FreeSpace(BSTR* OverridingDriveName, CY* result) override;
    STDMETHODIMP TotalSpaceUsed(BSTR* OverridingDriveName, CY* result) override;
    STDMETHODIMP DriveType(BSTR* OverridingDriveName, OVDiskInfoConstants* result) override;
    STDMETHODIMP GetLocalDrive(IDispatch** result) override;
    STDMETHODIMP VolumeName(BSTR* OverridingDriveName, BSTR* result) override;
    STDMETHODIMP FileSystemName(BSTR* OverridingDriveName, BSTR* result) override;
    STDMETHODIMP SerialNumber(BSTR* OverridingDriveName, BSTR* result) override;
    STDMETHODIMP IsRemovable(BSTR* OverridingDriveName, VARIANT_BOOL* result) override;
    STDMETHODIMP IsFixed(BSTR* OverridingDriveName, VARIANT_BOOL* result) override;
    STDMETHODIMP IsRemote(BSTR* OverridingDriveName, VARIANT_BOOL* result) override;
    STDMETHODIMP IsCDROM(BSTR* OverridingDriveName, VARIANT_BOOL* result) override;
    STDMETHODIMP IsRamDisk(BSTR* OverridingDriveName, VARIANT_BOOL* result) override;
    STDMETHODIMP IsFAT16(BSTR* OverridingDriveName, VARIANT_BOOL* result) override;
    STDMETHODIMP IsFAT32(BSTR* OverridingDriveName, VARIANT_BOOL* result) override;
    STDMETHODIMP IsNTFS(BSTR* OverridingDriveName, VARIANT_BOOL* result) override;

    // The serial number as the control shows it: hexadecimal, a dash after the fourth digit.
    static std::wstring serialText(DWORD serial);

private:
    enum class Space { Total, Free, Used };
    struct Volume {
        std::wstring label;
        std::wstring fileSystem;
        DWORD serial = 0;
    };

    // The drive a query asks about (DriveName when the argument is empty, which is
    // then left in the argument), as its ANSI copy; nothing when both are empty.
    std::optional<std::string> chooseDrive(BSTR* drive);
    CY space(BSTR* drive, Space which);
    long driveType(BSTR* drive);
    std::optional<Volume> volume(BSTR* drive);
    HRESULT typeTest(BSTR* drive, long wanted, VARIANT_BOOL* result);
    HRESULT fileSystemTest(BSTR* drive, const wchar_t* wanted, VARIANT_BOOL* result);

    std::wstring driveName_;
};

}  // namespace orvane
