#include "sysinfo/OVWinVersion.h"

#include <cstring>

#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

constexpr size_t serviceTextLength = 128;
static_assert(sizeof(OSVERSIONINFOA) == 148);
static_assert(sizeof(OSVERSIONINFOA::szCSDVersion) == serviceTextLength);

const wchar_t* const platformNames[] = {L"Windows 32", L"Windows 95/98/ME", L"Windows NT/2K/XP"};
const wchar_t* const systemNames[] = {L"Windows 32", L"Windows 95", L"Windows 98", L"Windows ME",
                                      L"Windows NT", L"Windows 2K", L"Windows XP"};

VARIANT_BOOL boolean(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace

OVWinVersion::Record OVWinVersion::readRecord() {
    OSVERSIONINFOA info;
    std::memset(&info, 0, sizeof(info));
    info.dwOSVersionInfoSize = sizeof(info);
    // A failed call leaves the zeroed record, which classifies as "Windows 32".
    platform::kernel32::GetVersionExA(&info);
    Record record;
    record.majorVersion = static_cast<long>(info.dwMajorVersion);
    record.minorVersion = static_cast<long>(info.dwMinorVersion);
    record.buildNumber = static_cast<long>(info.dwBuildNumber);
    record.platformId = static_cast<long>(info.dwPlatformId);
    // A fixed text: the whole field converts, NULs after the terminator included.
    record.serviceText = runtime::fromAnsi(info.szCSDVersion, serviceTextLength);
    record.serviceText.resize(serviceTextLength, L'\0');
    return record;
}

long OVWinVersion::classify(const Record& record) {
    switch (record.platformId) {
    case VER_PLATFORM_WIN32_WINDOWS:
        switch (record.minorVersion) {
        case 0: return System_Windows_95;
        case 10: return System_Windows_98;
        case 90: return System_Windows_ME;
        default: return System_Windows_32;
        }
    case VER_PLATFORM_WIN32_NT:
        if (record.majorVersion < 5) return System_Windows_NT;
        if (record.majorVersion > 5) return System_Windows_32;
        if (record.minorVersion == 0) return System_Windows_2K;
        if (record.minorVersion == 1) return System_Windows_XP;
        return System_Windows_32;
    default:
        return System_Windows_32;
    }
}

void OVWinVersion::initialize() { stored_ = readRecord(); }

HRESULT OVWinVersion::systemTest(long wanted, VARIANT_BOOL* result) {
    return call([&] { *required(result) = boolean(classify(readRecord()) == wanted); });
}

STDMETHODIMP OVWinVersion::MajorVersion(long* result) {
    return call([&] { *required(result) = stored_.majorVersion; });
}

STDMETHODIMP OVWinVersion::MinorVersion(long* result) {
    return call([&] { *required(result) = stored_.minorVersion; });
}

STDMETHODIMP OVWinVersion::BuildNumber(long* result) {
    return call([&] { *required(result) = stored_.buildNumber; });
}

STDMETHODIMP OVWinVersion::OperatingPlatform(BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        long code = readRecord().platformId;
        bool named = code >= 0 && code < static_cast<long>(std::size(platformNames));
        *result = runtime::allocText(named ? platformNames[code] : L"");
    });
}

STDMETHODIMP OVWinVersion::OperatingSystem(BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        *result = runtime::allocText(systemNames[classify(readRecord())]);
    });
}

STDMETHODIMP OVWinVersion::ExtraInfo(BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        // Only the first three characters: "Service Pack 3" gives "Ser".
        *result = runtime::allocText(runtime::trimSpaces(runtime::left(stored_.serviceText, 3)));
    });
}

STDMETHODIMP OVWinVersion::IsWindows32(VARIANT_BOOL* result) { return systemTest(System_Windows_32, result); }
STDMETHODIMP OVWinVersion::IsWindows95(VARIANT_BOOL* result) { return systemTest(System_Windows_95, result); }
STDMETHODIMP OVWinVersion::IsWindows98(VARIANT_BOOL* result) { return systemTest(System_Windows_98, result); }
STDMETHODIMP OVWinVersion::IsWindowsME(VARIANT_BOOL* result) { return systemTest(System_Windows_ME, result); }
STDMETHODIMP OVWinVersion::IsWindowsNT(VARIANT_BOOL* result) { return systemTest(System_Windows_NT, result); }
STDMETHODIMP OVWinVersion::IsWindows2K(VARIANT_BOOL* result) { return systemTest(System_Windows_2K, result); }
STDMETHODIMP OVWinVersion::IsWindowsXP(VARIANT_BOOL* result) { return systemTest(System_Windows_XP, result); }

}  // namespace orvane
