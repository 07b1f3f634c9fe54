// Closes a program as a user does, with its window's close button.
//
//   CloseButton <program file name> <seconds>
//
// Waits until a process of that file name (OVNumbersDemo.exe) has a visible window
// with a caption, then sends that window what its close button sends (WM_SYSCOMMAND,
// SC_CLOSE). Exit status 0 once sent, 1 when no such window showed within the time.
// Unlike taskkill without /f, which posts WM_CLOSE to whichever top-level windows the
// process has at that moment, this never closes the platform's hidden input-method
// window that appears before the program's own.
#include <windows.h>
#include <tlhelp32.h>
#include <shellapi.h>

#include <cwchar>
#include <vector>

namespace {

std::vector<DWORD> processesNamed(const wchar_t* name) {
    std::vector<DWORD> found;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return found;
    PROCESSENTRY32W entry{sizeof entry};
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        if (::_wcsicmp(entry.szExeFile, name) == 0) found.push_back(entry.th32ProcessID);
    }
    ::CloseHandle(snapshot);
    return found;
}

struct Search {
    std::vector<DWORD> processes;
    HWND window = nullptr;
};

BOOL CALLBACK visitWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    for (DWORD wanted : search->processes) {
        if (process == wanted && ::IsWindowVisible(window) && (::GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) ==
                                                                     WS_CAPTION) {
            search->window = window;
            return FALSE;
        }
    }
    return TRUE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int) {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(commandLine, &count);
    if (!arguments || count < 2 || !*commandLine) return 2;
    const DWORD deadline = ::GetTickCount() + static_cast<DWORD>(::_wtoi(arguments[1])) * 1000;
    int status = 1;
    do {
        Search search{processesNamed(arguments[0])};
        if (!search.processes.empty()) ::EnumWindows(visitWindow, reinterpret_cast<LPARAM>(&search));
        if (search.window) {
            ::PostMessageW(search.window, WM_SYSCOMMAND, SC_CLOSE, 0);
            status = 0;
            break;
        }
        ::Sleep(100);
    } while (static_cast<LONG>(deadline - ::GetTickCount()) > 0);
    ::LocalFree(arguments);
    return status;
}
