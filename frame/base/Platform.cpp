#include "frame/base/Platform.h"

#include <string>

#include "frame/base/Errors.h"

namespace orvane::platform {

namespace {
thread_local DWORD recordedLastError = 0;

std::wstring widen(const char* text) {
    return std::wstring(text, text + lstrlenA(text));
}
}  // namespace

DWORD lastDllError() noexcept { return recordedLastError; }

EntryBase::LastErrorRecorder::~LastErrorRecorder() { recordedLastError = ::GetLastError(); }

FARPROC EntryBase::address() {
    if (address_) return address_;
    // Libraries stay loaded once bound, like any declared platform function.
    HMODULE module = ::GetModuleHandleA(library_);
    if (!module) module = ::LoadLibraryA(library_);
    if (!module) throw RuntimeError(error::FileNotFound, L"File not found: " + widen(library_));
    FARPROC found = ::GetProcAddress(module, name_);
    if (!found) {
        throw RuntimeError(error::EntryPointNotFound,
                           L"Can't find DLL entry point " + widen(name_) + L" in " + widen(library_));
    }
    address_ = found;
    return address_;
}

#define ORVANE_ENTRY(library, name) decltype(name) name{library, #name}

namespace kernel32 {
ORVANE_ENTRY("kernel32.dll", GetDiskFreeSpaceExA);
ORVANE_ENTRY("kernel32.dll", GetDriveTypeA);
ORVANE_ENTRY("kernel32.dll", GetLogicalDriveStringsA);
ORVANE_ENTRY("kernel32.dll", GetVolumeInformationA);
ORVANE_ENTRY("kernel32.dll", GetVersionExA);
ORVANE_ENTRY("kernel32.dll", GetComputerNameA);
ORVANE_ENTRY("kernel32.dll", GlobalMemoryStatus);
ORVANE_ENTRY("kernel32.dll", GetSystemInfo);
ORVANE_ENTRY("kernel32.dll", GetSystemPowerStatus);
ORVANE_ENTRY("kernel32.dll", SetSystemPowerState);
ORVANE_ENTRY("kernel32.dll", GetCurrentProcess);
ORVANE_ENTRY("kernel32.dll", CloseHandle);
ORVANE_ENTRY("kernel32.dll", GetLocaleInfoA);
ORVANE_ENTRY("kernel32.dll", GetSystemDefaultLangID);
ORVANE_ENTRY("kernel32.dll", VerLanguageNameA);
ORVANE_ENTRY("kernel32.dll", SetCurrentDirectoryA);
ORVANE_ENTRY("kernel32.dll", GetCurrentDirectoryA);
ORVANE_ENTRY("kernel32.dll", GetTempPathA);
ORVANE_ENTRY("kernel32.dll", GetWindowsDirectoryA);
ORVANE_ENTRY("kernel32.dll", GetSystemDirectoryA);
ORVANE_ENTRY("kernel32.dll", lstrcpyA);
decltype(rtlMoveMemory) rtlMoveMemory{"kernel32.dll", "RtlMoveMemory"};
ORVANE_ENTRY("kernel32.dll", ExpandEnvironmentStringsW);
ORVANE_ENTRY("kernel32.dll", GetLogicalDriveStringsW);
ORVANE_ENTRY("kernel32.dll", GetDriveTypeW);
ORVANE_ENTRY("kernel32.dll", GetVolumeInformationW);
ORVANE_ENTRY("kernel32.dll", GetCurrentDirectoryW);
ORVANE_ENTRY("kernel32.dll", GetFullPathNameW);
ORVANE_ENTRY("kernel32.dll", GetFileAttributesW);
ORVANE_ENTRY("kernel32.dll", FindFirstFileExW);
ORVANE_ENTRY("kernel32.dll", FindNextFileW);
ORVANE_ENTRY("kernel32.dll", FindClose);
}  // namespace kernel32

namespace advapi32 {
ORVANE_ENTRY("advapi32.dll", RegCreateKeyA);
ORVANE_ENTRY("advapi32.dll", RegOpenKeyExA);
ORVANE_ENTRY("advapi32.dll", RegQueryValueExA);
ORVANE_ENTRY("advapi32.dll", RegSetValueExA);
ORVANE_ENTRY("advapi32.dll", RegDeleteKeyA);
ORVANE_ENTRY("advapi32.dll", RegDeleteValueA);
ORVANE_ENTRY("advapi32.dll", RegEnumKeyA);
ORVANE_ENTRY("advapi32.dll", RegEnumValueA);
ORVANE_ENTRY("advapi32.dll", RegCloseKey);
ORVANE_ENTRY("advapi32.dll", RegCreateKeyExW);
ORVANE_ENTRY("advapi32.dll", RegOpenKeyExW);
ORVANE_ENTRY("advapi32.dll", RegQueryValueExW);
ORVANE_ENTRY("advapi32.dll", RegSetValueExW);
ORVANE_ENTRY("advapi32.dll", RegDeleteKeyExW);
ORVANE_ENTRY("advapi32.dll", RegDeleteValueW);
ORVANE_ENTRY("advapi32.dll", RegEnumKeyExW);
ORVANE_ENTRY("advapi32.dll", RegEnumValueW);
ORVANE_ENTRY("advapi32.dll", RegQueryInfoKeyW);
ORVANE_ENTRY("advapi32.dll", GetUserNameA);
ORVANE_ENTRY("advapi32.dll", OpenProcessToken);
ORVANE_ENTRY("advapi32.dll", LookupPrivilegeValueA);
ORVANE_ENTRY("advapi32.dll", AdjustTokenPrivileges);
}  // namespace advapi32

namespace user32 {
ORVANE_ENTRY("user32.dll", ExitWindowsEx);
ORVANE_ENTRY("user32.dll", EnumDisplaySettingsA);
ORVANE_ENTRY("user32.dll", ChangeDisplaySettingsA);
ORVANE_ENTRY("user32.dll", SendMessageA);
ORVANE_ENTRY("user32.dll", WinHelpA);
ORVANE_ENTRY("user32.dll", DrawIconEx);
ORVANE_ENTRY("user32.dll", DestroyIcon);
}  // namespace user32

namespace gdi32 {
ORVANE_ENTRY("gdi32.dll", GetStockObject);
}  // namespace gdi32

namespace shell32 {
ORVANE_ENTRY("shell32.dll", ShellExecuteA);
ORVANE_ENTRY("shell32.dll", SHGetSpecialFolderLocation);
ORVANE_ENTRY("shell32.dll", SHGetPathFromIDListA);
ORVANE_ENTRY("shell32.dll", SHBrowseForFolderA);
ORVANE_ENTRY("shell32.dll", SHGetFolderLocation);
ORVANE_ENTRY("shell32.dll", ExtractIconExA);
}  // namespace shell32

namespace ole32 {
ORVANE_ENTRY("ole32.dll", CoTaskMemFree);
}  // namespace ole32

namespace version {
ORVANE_ENTRY("version.dll", GetFileVersionInfoSizeA);
ORVANE_ENTRY("version.dll", GetFileVersionInfoA);
ORVANE_ENTRY("version.dll", VerQueryValueA);
}  // namespace version

namespace powrprof {
ORVANE_ENTRY("powrprof.dll", GetPwrCapabilities);
ORVANE_ENTRY("powrprof.dll", IsPwrHibernateAllowed);
ORVANE_ENTRY("powrprof.dll", IsPwrSuspendAllowed);
ORVANE_ENTRY("powrprof.dll", IsPwrShutdownAllowed);
}  // namespace powrprof

namespace hhctrl {
ORVANE_ENTRY("hhctrl.ocx", HtmlHelpA);
}  // namespace hhctrl

}  // namespace orvane::platform
