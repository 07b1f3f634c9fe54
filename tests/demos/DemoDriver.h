// Driving the demonstration programs as a user would: controls found by the names they
// answer to "WM_GETCONTROLNAME", typed into, chosen from and clicked; message boxes
// answered from a second thread; windows saved as PNG pictures. Forms run in this
// process with the library's classes served from it (so platform calls can be faked),
// or as the built programs in processes of their own.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/DemoForm.h"
#include "frame/base/Errors.h"

namespace orvane::demo::test {

// The library's classes created in this process instead of through COM.
void serveClassesInProcess();

// --- This process's windows ---------------------------------------------------------
std::wstring controlName(HWND window);
// The descendant of `root` answering `name` (the `index`-th of that name, from 0).
HWND findControl(HWND root, std::wstring_view name, int index = 0);
std::wstring textOf(HWND window);
void typeInto(HWND box, const std::wstring& text);
// Selects the entry with exactly this text and tells the parent, as a click in the list does.
void choose(HWND combo, const std::wstring& entry);
void click(HWND button);
std::vector<std::wstring> entriesOf(HWND combo);

// A message box's title and text.
struct MessageBoxSeen {
    bool seen = false;
    std::wstring title;
    std::wstring text;
};
// Runs `action` on this thread while a second thread waits for a message box of this
// process titled `title`, notes it and presses its default button.
MessageBoxSeen answerMessageBox(const std::function<void()>& action, const std::wstring& title);

// Top-level visible windows of this process other than `except`, in no particular order.
std::vector<HWND> visibleTopLevelWindows(DWORD processId = ::GetCurrentProcessId());

// --- Pictures -------------------------------------------------------------------------
// Saves the window as it shows on the screen to <ORVANE_SCREENSHOTS>\<name>.png.
// Returns the file's path (empty when no folder is configured).
std::wstring saveScreenshot(HWND window, const std::wstring& name);
// The colour of one pixel of a window's client area as the screen shows it.
COLORREF pixelAt(HWND window, int x, int y);

// --- A built program in its own process -------------------------------------------------
class DemoProcess {
public:
    // Starts <ORVANE_DEMO_BIN>\<program>.exe and waits for its window with this caption.
    DemoProcess(const std::wstring& program, const std::wstring& caption);
    ~DemoProcess();

    HWND window() const noexcept { return window_; }
    DWORD id() const noexcept { return info_.dwProcessId; }
    HWND control(std::wstring_view name, int index = 0);
    std::wstring remoteName(HWND window);
    // Posted, so that a message box the click opens does not block us.
    void postClick(HWND button);
    void setText(HWND box, const std::wstring& text);
    void choose(HWND combo, const std::wstring& entry);
    // Waits for a message box of the process with this title; presses its default button.
    MessageBoxSeen answerMessageBox(const std::wstring& title);
    // Waits for the process to end; returns its exit status (STILL_ACTIVE when it does not).
    DWORD waitForExit(DWORD milliseconds = 30000);

private:
    PROCESS_INFORMATION info_{};
    HWND window_ = nullptr;
};

}  // namespace orvane::demo::test
