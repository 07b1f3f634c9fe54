// The platform-call binding service. Every platform function the components call goes
// through an Entry: the library and entry are bound at the first call, the platform's
// last error is recorded after every call, and tests can replace an entry with a fake.
#pragma once

#include <windows.h>
#include <powrprof.h>
#include <shlobj.h>

#include <functional>
#include <utility>

namespace orvane::platform {

// The last error the platform reported after the most recent platform call on this thread.
DWORD lastDllError() noexcept;

class EntryBase {
public:
    constexpr EntryBase(const char* library, const char* name) noexcept : library_(library), name_(name) {}
    const char* library() const noexcept { return library_; }
    const char* name() const noexcept { return name_; }

protected:
    // Binds the entry at its first use; raises the runtime's error for a missing
    // library (53) or entry point (453).
    FARPROC address();

    struct LastErrorRecorder {
        ~LastErrorRecorder();
    };

private:
    const char* library_;
    const char* name_;
    FARPROC address_ = nullptr;
};

template <class Signature>
class Entry;

template <class R, class... Args>
class Entry<R(Args...)> : public EntryBase {
public:
    using Fake = std::function<R(Args...)>;
    using EntryBase::EntryBase;

    R operator()(Args... args) {
        LastErrorRecorder recorder;
        if (fake_) return fake_(args...);
        using Pointer = R(WINAPI*)(Args...);
        return reinterpret_cast<Pointer>(address())(args...);
    }

    // Replaces the entry until the returned scope ends (tests only).
    class [[nodiscard]] FakeScope {
    public:
        FakeScope(Entry& entry, Fake fake) : entry_(entry), previous_(std::exchange(entry.fake_, std::move(fake))) {}
        FakeScope(const FakeScope&) = delete;
        FakeScope& operator=(const FakeScope&) = delete;
        ~FakeScope() { entry_.fake_ = std::move(previous_); }

    private:
        Entry& entry_;
        Fake previous_;
    };
    FakeScope fake(Fake fake) { return FakeScope(*this, std::move(fake)); }

private:
    Fake fake_;
};

namespace kernel32 {
extern Entry<BOOL(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER)> GetDiskFreeSpaceExA;
extern Entry<UINT(LPCSTR)> GetDriveTypeA;
extern Entry<DWORD(DWORD, LPSTR)> GetLogicalDriveStringsA;
extern Entry<BOOL(LPCSTR, LPSTR, DWORD, LPDWORD, LPDWORD, LPDWORD, LPSTR, DWORD)> GetVolumeInformationA;
extern Entry<BOOL(LPOSVERSIONINFOA)> GetVersionExA;
extern Entry<BOOL(LPSTR, LPDWORD)> GetComputerNameA;
extern Entry<void(LPMEMORYSTATUS)> GlobalMemoryStatus;
extern Entry<void(LPSYSTEM_INFO)> GetSystemInfo;
extern Entry<BOOL(LPSYSTEM_POWER_STATUS)> GetSystemPowerStatus;
extern Entry<BOOL(BOOL, BOOL)> SetSystemPowerState;
extern Entry<HANDLE()> GetCurrentProcess;
extern Entry<BOOL(HANDLE)> CloseHandle;
extern Entry<int(LCID, LCTYPE, LPSTR, int)> GetLocaleInfoA;
extern Entry<LANGID()> GetSystemDefaultLangID;
extern Entry<DWORD(DWORD, LPSTR, DWORD)> VerLanguageNameA;
extern Entry<BOOL(LPCSTR)> SetCurrentDirectoryA;
extern Entry<DWORD(DWORD, LPSTR)> GetCurrentDirectoryA;
extern Entry<DWORD(DWORD, LPSTR)> GetTempPathA;
extern Entry<UINT(LPSTR, UINT)> GetWindowsDirectoryA;
extern Entry<UINT(LPSTR, UINT)> GetSystemDirectoryA;
extern Entry<LPSTR(LPSTR, LPCSTR)> lstrcpyA;
// winnt.h defines RtlMoveMemory as a macro, hence the lower-case name.
extern Entry<void(void*, const void*, SIZE_T)> rtlMoveMemory;
extern Entry<DWORD(LPCWSTR, LPWSTR, DWORD)> ExpandEnvironmentStringsW;
// What the forms' drive, directory and file boxes read.
extern Entry<DWORD(DWORD, LPWSTR)> GetLogicalDriveStringsW;
extern Entry<UINT(LPCWSTR)> GetDriveTypeW;
extern Entry<BOOL(LPCWSTR, LPWSTR, DWORD, LPDWORD, LPDWORD, LPDWORD, LPWSTR, DWORD)> GetVolumeInformationW;
extern Entry<DWORD(DWORD, LPWSTR)> GetCurrentDirectoryW;
extern Entry<DWORD(LPCWSTR, DWORD, LPWSTR, LPWSTR*)> GetFullPathNameW;
extern Entry<DWORD(LPCWSTR)> GetFileAttributesW;
extern Entry<HANDLE(LPCWSTR, FINDEX_INFO_LEVELS, LPVOID, FINDEX_SEARCH_OPS, LPVOID, DWORD)> FindFirstFileExW;
extern Entry<BOOL(HANDLE, LPWIN32_FIND_DATAW)> FindNextFileW;
extern Entry<BOOL(HANDLE)> FindClose;
}  // namespace kernel32

namespace advapi32 {
extern Entry<LONG(HKEY, LPCSTR, PHKEY)> RegCreateKeyA;
extern Entry<LONG(HKEY, LPCSTR, DWORD, REGSAM, PHKEY)> RegOpenKeyExA;
extern Entry<LONG(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD)> RegQueryValueExA;
extern Entry<LONG(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD)> RegSetValueExA;
extern Entry<LONG(HKEY, LPCSTR)> RegDeleteKeyA;
extern Entry<LONG(HKEY, LPCSTR)> RegDeleteValueA;
extern Entry<LONG(HKEY, DWORD, LPSTR, DWORD)> RegEnumKeyA;
extern Entry<LONG(HKEY, DWORD, LPSTR, LPDWORD, LPDWORD, LPDWORD, LPBYTE, LPDWORD)> RegEnumValueA;
extern Entry<LONG(HKEY)> RegCloseKey;
// The wide forms, which also take the registry view in their access mask.
extern Entry<LONG(HKEY, LPCWSTR, DWORD, LPWSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY, LPDWORD)>
    RegCreateKeyExW;
extern Entry<LONG(HKEY, LPCWSTR, DWORD, REGSAM, PHKEY)> RegOpenKeyExW;
extern Entry<LONG(HKEY, LPCWSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD)> RegQueryValueExW;
extern Entry<LONG(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD)> RegSetValueExW;
extern Entry<LONG(HKEY, LPCWSTR, REGSAM, DWORD)> RegDeleteKeyExW;
extern Entry<LONG(HKEY, LPCWSTR)> RegDeleteValueW;
extern Entry<LONG(HKEY, DWORD, LPWSTR, LPDWORD, LPDWORD, LPWSTR, LPDWORD, PFILETIME)> RegEnumKeyExW;
extern Entry<LONG(HKEY, DWORD, LPWSTR, LPDWORD, LPDWORD, LPDWORD, LPBYTE, LPDWORD)> RegEnumValueW;
extern Entry<LONG(HKEY, LPWSTR, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD,
                  PFILETIME)>
    RegQueryInfoKeyW;
extern Entry<BOOL(LPSTR, LPDWORD)> GetUserNameA;
extern Entry<BOOL(HANDLE, DWORD, PHANDLE)> OpenProcessToken;
extern Entry<BOOL(LPCSTR, LPCSTR, PLUID)> LookupPrivilegeValueA;
extern Entry<BOOL(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD)> AdjustTokenPrivileges;
}  // namespace advapi32

namespace user32 {
extern Entry<BOOL(UINT, DWORD)> ExitWindowsEx;
extern Entry<BOOL(LPCSTR, DWORD, DEVMODEA*)> EnumDisplaySettingsA;
extern Entry<LONG(DEVMODEA*, DWORD)> ChangeDisplaySettingsA;
extern Entry<LRESULT(HWND, UINT, WPARAM, LPARAM)> SendMessageA;
extern Entry<BOOL(HWND, LPCSTR, UINT, ULONG_PTR)> WinHelpA;
extern Entry<BOOL(HDC, int, int, HICON, int, int, UINT, HBRUSH, UINT)> DrawIconEx;
extern Entry<BOOL(HICON)> DestroyIcon;
}  // namespace user32

namespace gdi32 {
extern Entry<HGDIOBJ(int)> GetStockObject;
}  // namespace gdi32

namespace shell32 {
extern Entry<HINSTANCE(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT)> ShellExecuteA;
extern Entry<HRESULT(HWND, int, LPITEMIDLIST*)> SHGetSpecialFolderLocation;
extern Entry<BOOL(LPCITEMIDLIST, LPSTR)> SHGetPathFromIDListA;
extern Entry<LPITEMIDLIST(LPBROWSEINFOA)> SHBrowseForFolderA;
extern Entry<HRESULT(HWND, int, HANDLE, DWORD, LPITEMIDLIST*)> SHGetFolderLocation;
extern Entry<UINT(LPCSTR, int, HICON*, HICON*, UINT)> ExtractIconExA;
}  // namespace shell32

namespace ole32 {
extern Entry<void(LPVOID)> CoTaskMemFree;
}  // namespace ole32

namespace version {
extern Entry<DWORD(LPCSTR, LPDWORD)> GetFileVersionInfoSizeA;
extern Entry<BOOL(LPCSTR, DWORD, DWORD, LPVOID)> GetFileVersionInfoA;
extern Entry<BOOL(LPCVOID, LPCSTR, LPVOID*, PUINT)> VerQueryValueA;
}  // namespace version

namespace powrprof {
extern Entry<BOOLEAN(PSYSTEM_POWER_CAPABILITIES)> GetPwrCapabilities;
extern Entry<BOOLEAN()> IsPwrHibernateAllowed;
extern Entry<BOOLEAN()> IsPwrSuspendAllowed;
extern Entry<BOOLEAN()> IsPwrShutdownAllowed;
}  // namespace powrprof

namespace hhctrl {
extern Entry<HWND(HWND, LPCSTR, UINT, DWORD_PTR)> HtmlHelpA;
}  // namespace hhctrl

}  // namespace orvane::platform
