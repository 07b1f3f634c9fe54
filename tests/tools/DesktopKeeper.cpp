// Keeps the test prefix's desktop in use for as long as the prefix runs.
//
//   DesktopKeeper <ready file>
//
// Wine starts the desktop process (explorer.exe) from whichever program first needs a
// window, and that process inherits the program's standard streams. When the program is
// a test started by the test runner, the desktop process keeps the runner's output pipe
// open after the test has ended, and the runner waits for that pipe until the test's
// time limit. Started by scripts/wine-prefix.sh with its streams closed, this program
// is the one that brings the desktop up; it writes the ready file once the desktop is
// there and then waits, so the desktop is never closed and started again by a test.
#include <windows.h>
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int) {
    // A window of this process, never shown, ties the process to the desktop.
    HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(commandLine, &count);
    if (arguments && count >= 1 && *commandLine) {
        HANDLE ready = ::CreateFileW(arguments[0], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                     nullptr);
        if (ready != INVALID_HANDLE_VALUE) ::CloseHandle(ready);
    }
    ::LocalFree(arguments);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
    ::DestroyWindow(window);
    return 0;
}
