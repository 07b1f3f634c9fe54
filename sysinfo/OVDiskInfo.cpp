#include "sysinfo/OVDiskInfo.h"

#include "frame/automation/Collection.h"
#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

constexpr DWORD textBufferSize = 255;
constexpr long bytesPerCurrencyUnit = 10000;
constexpr int maximumDrives = 100;

// An early-bound caller may pass no argument at all: the query then works on a scratch text.
class DriveArgument {
public:
    explicit DriveArgument(BSTR* passed) : pointer_(passed ? passed : scratch_.put()) {}
    BSTR* get() const noexcept { return pointer_; }

private:
    UniqueBstrHandle scratch_;
    BSTR* pointer_;
};

void replaceText(BSTR* target, const std::wstring& text) {
    BSTR replacement = runtime::allocText(text);
    ::SysFreeString(*target);
    *target = replacement;
}

// The platform's 64-bit count read as the Currency it would be in memory (count / 10000),
// then scaled back to whole bytes: counts beyond the Currency range overflow here.
CY byteCount(CY scaledDown) { return runtime::currencyMultiply(scaledDown, bytesPerCurrencyUnit); }

CY asCurrency(const ULARGE_INTEGER& count) {
    CY value;
    value.int64 = static_cast<LONGLONG>(count.QuadPart);
    return value;
}

// A buffer of zero characters as the platform fills it; one spare byte keeps it
// terminated whatever the platform writes.
std::string zeroBuffer(DWORD size) { return std::string(size + 1, '\0'); }

std::wstring bufferText(const std::string& buffer, DWORD size) { return runtime::fromAnsi(buffer.data(), size); }

VARIANT_BOOL boolean(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace

std::optional<std::string> OVDiskInfo::chooseDrive(BSTR* drive) {
    if (::SysStringLen(*drive) == 0) replaceText(drive, driveName_);
    if (::SysStringLen(*drive) == 0) return std::nullopt;
    // The name goes to the platform in place: it comes back as its ANSI round trip.
    runtime::roundTripAnsi(drive);
    return runtime::toAnsi(*drive);
}

CY OVDiskInfo::space(BSTR* drive, Space which) {
    auto name = chooseDrive(drive);
    if (!name) return CY{};
    ULARGE_INTEGER available{}, total{}, totalFree{};
    platform::kernel32::GetDiskFreeSpaceExA(name->c_str(), &available, &total, &totalFree);
    switch (which) {
    case Space::Total: return byteCount(asCurrency(total));
    case Space::Free: return byteCount(asCurrency(totalFree));
    case Space::Used: break;
    }
    return byteCount(runtime::currencySubtract(asCurrency(total), asCurrency(totalFree)));
}

long OVDiskInfo::driveType(BSTR* drive) {
    auto name = chooseDrive(drive);
    if (!name) return ovDriveUnknown;
    UINT code = platform::kernel32::GetDriveTypeA(name->c_str());
    return code <= ovDriveRamDisk ? static_cast<long>(code) : static_cast<long>(ovDriveUnknown);
}

std::optional<OVDiskInfo::Volume> OVDiskInfo::volume(BSTR* drive) {
    auto name = chooseDrive(drive);
    if (!name) return std::nullopt;
    std::string label = zeroBuffer(textBufferSize);
    std::string fileSystem = zeroBuffer(textBufferSize);
    DWORD serial = 0, maximumComponentLength = 0, flags = 0;
    platform::kernel32::GetVolumeInformationA(name->c_str(), label.data(), textBufferSize, &serial,
                                              &maximumComponentLength, &flags, fileSystem.data(), textBufferSize);
    Volume result;
    result.label = runtime::beforeFirstNul(bufferText(label, textBufferSize));
    result.fileSystem = runtime::beforeFirstNul(bufferText(fileSystem, textBufferSize));
    result.serial = serial;
    return result;
}

std::wstring OVDiskInfo::serialText(DWORD serial) {
    std::wstring digits = runtime::trimSpaces(runtime::hexText(*runtime::makeLong(static_cast<long>(serial)).get()));
    std::wstring result;
    for (long position = 1; position <= 8; ++position) {
        if (position == 5) result += L'-';
        result += runtime::mid(digits, position, 1);
    }
    return result;
}

HRESULT OVDiskInfo::typeTest(BSTR* passed, long wanted, VARIANT_BOOL* result) {
    return call([&] {
        required(result);
        DriveArgument drive(passed);
        *result = boolean(chooseDrive(drive.get()) && driveType(drive.get()) == wanted);
    });
}

HRESULT OVDiskInfo::fileSystemTest(BSTR* passed, const wchar_t* wanted, VARIANT_BOOL* result) {
    return call([&] {
        required(result);
        DriveArgument drive(passed);
        bool matches = false;
        if (chooseDrive(drive.get())) {
            auto found = volume(drive.get());
            matches = found && found->fileSystem == wanted;
        }
        *result = boolean(matches);
    });
}

STDMETHODIMP OVDiskInfo::get_DriveName(BSTR* result) {
    return call([&] { *required(result) = runtime::allocText(driveName_); });
}

STDMETHODIMP OVDiskInfo::put_DriveName(BSTR value) {
    return call([&] { driveName_ = runtime::bstrText(value); });
}

STDMETHODIMP OVDiskInfo::TotalSpace(BSTR* OverridingDriveName, CY* result) {
    return call([&] {
        required(result);
        DriveArgument drive(OverridingDriveName);
        *result = space(drive.get(), Space::Total);
    });
}

STDMETHODIMP OVDiskInfo::FreeSpace(BSTR* OverridingDriveName, CY* result) {
    return call([&] {
        required(result);
        DriveArgument drive(OverridingDriveName);
        *result = space(drive.get(), Space::Free);
    });
}

STDMETHODIMP OVDiskInfo::TotalSpaceUsed(BSTR* OverridingDriveName, CY* result) {
    return call([&] {
        required(result);
        DriveArgument drive(OverridingDriveName);
        *result = space(drive.get(), Space::Used);
    });
}

STDMETHODIMP OVDiskInfo::DriveType(BSTR* OverridingDriveName, OVDiskInfoConstants* result) {
    return call([&] {
        required(result);
        DriveArgument drive(OverridingDriveName);
        *result = static_cast<OVDiskInfoConstants>(driveType(drive.get()));
    });
}

STDMETHODIMP OVDiskInfo::GetLocalDrive(IDispatch** result) {
    return call([&] {
        *required(result) = nullptr;
        ComPtr<Collection> drives = Collection::create();
        std::string buffer = zeroBuffer(textBufferSize);
        // A list longer than the buffer is not written at all: the collection stays empty.
        platform::kernel32::GetLogicalDriveStringsA(textBufferSize, buffer.data());
        std::wstring rest = bufferText(buffer, textBufferSize);
        for (int round = 0; round < maximumDrives; ++round) {
            size_t end = rest.find(L'\0');
            // Only a list that fills the buffer to its last byte has no terminator left.
            if (end == std::wstring::npos || end == 0) break;
            std::wstring entry = rest.substr(0, end);
            drives->add(*runtime::makeText(entry).get(), entry);
            rest.erase(0, end + 1);
        }
        *result = drives.detach();
    });
}

STDMETHODIMP OVDiskInfo::VolumeName(BSTR* OverridingDriveName, BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        DriveArgument drive(OverridingDriveName);
        auto found = volume(drive.get());
        *result = runtime::allocText(found ? found->label : std::wstring());
    });
}

STDMETHODIMP OVDiskInfo::FileSystemName(BSTR* OverridingDriveName, BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        DriveArgument drive(OverridingDriveName);
        auto found = volume(drive.get());
        *result = runtime::allocText(found ? found->fileSystem : std::wstring());
    });
}

STDMETHODIMP OVDiskInfo::SerialNumber(BSTR* OverridingDriveName, BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        DriveArgument drive(OverridingDriveName);
        auto found = volume(drive.get());
        *result = runtime::allocText(found ? serialText(found->serial) : std::wstring());
    });
}

STDMETHODIMP OVDiskInfo::IsRemovable(BSTR* OverridingDriveName, VARIANT_BOOL* result) {
    return typeTest(OverridingDriveName, ovDriveRemovable, result);
}

STDMETHODIMP OVDiskInfo::IsFixed(BSTR* OverridingDriveName, VARIANT_BOOL* result) {
    return typeTest(OverridingDriveName, ovDriveFixed, result);
}

STDMETHODIMP OVDiskInfo::IsRemote(BSTR* OverridingDriveName, VARIANT_BOOL* result) {
    return typeTest(OverridingDriveName, ovDriveRemote, result);
}

STDMETHODIMP OVDiskInfo::IsCDROM(BSTR* OverridingDriveName, VARIANT_BOOL* result) {
    return typeTest(OverridingDriveName, ovDriveCDROM, result);
}

STDMETHODIMP OVDiskInfo::IsRamDisk(BSTR* OverridingDriveName, VARIANT_BOOL* result) {
    return typeTest(OverridingDriveName, ovDriveRamDisk, result);
}

STDMETHODIMP OVDiskInfo::IsFAT16(BSTR* OverridingDriveName, VARIANT_BOOL* result) {
    return fileSystemTest(OverridingDriveName, L"FAT16", result);
}

STDMETHODIMP OVDiskInfo::IsFAT32(BSTR* OverridingDriveName, VARIANT_BOOL* result) {
    return fileSystemTest(OverridingDriveName, L"FAT32", result);
}

STDMETHODIMP OVDiskInfo::IsNTFS(BSTR* OverridingDriveName, VARIANT_BOOL* result) {
    return fileSystemTest(OverridingDriveName, L"NTFS", result);
}

}  // namespace orvane
