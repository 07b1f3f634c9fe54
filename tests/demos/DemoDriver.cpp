#include "DemoDriver.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

#include "common/Screenshot.h"
#include "frame/server/Catalogue.h"

namespace orvane::demo::test {

namespace {

UINT controlNameMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"WM_GETCONTROLNAME");
    return message;
}

std::wstring className(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

// A folder named by the environment, else one relative to the build folder that holds
// this test program (tests/demos/demo_tests.exe).
std::wstring folder(const wchar_t* variable, const wchar_t* underBuild) {
    wchar_t value[MAX_PATH * 2] = {};
    DWORD length = ::GetEnvironmentVariableW(variable, value, MAX_PATH * 2);
    if (length && length < MAX_PATH * 2) return value;
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring build = path;
    for (int level = 0; level < 3; ++level) build = build.substr(0, build.find_last_of(L"\\/"));
    return build + L"\\" + underBuild;
}

// Polls until `found` answers or about a minute has passed: a program under test starts
// in its own time, and a slow machine is no failure.
template <class Probe>
bool waitFor(Probe found) {
    for (int attempt = 0; attempt < 1200; ++attempt) {
        if (found()) return true;
        ::Sleep(50);
    }
    return false;
}

HWND findMessageBox(DWORD processId, const std::wstring& title) {
    struct Search {
        DWORD processId;
        const std::wstring* title;
        HWND found = nullptr;
    } search{processId, &title};
    ::EnumWindows(
        [](HWND window, LPARAM data) CALLBACK -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner != search.processId || !::IsWindowVisible(window) || className(window) != L"#32770") return TRUE;
            if (textOf(window) != *search.title) return TRUE;
            search.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

MessageBoxSeen answer(DWORD processId, const std::wstring& title) {
    MessageBoxSeen seen;
    HWND box = nullptr;
    if (!waitFor([&] { return (box = findMessageBox(processId, title)) != nullptr; })) return seen;
    seen.seen = true;
    seen.title = textOf(box);
    seen.text = textOf(::GetDlgItem(box, 0xFFFF));
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    return seen;
}

}  // namespace

void serveClassesInProcess() {
    setInstanceFactory([](const std::wstring& programmaticId) {
        for (const ClassEntry& entry : catalogue()) {
            if (programmaticId != orvane::programmaticId(entry) || !entry.create) continue;
            ComPtr<IUnknown> instance;
            if (SUCCEEDED(entry.create(IID_IUnknown, instance.putVoid()))) return instance;
        }
        throw RuntimeError(429, L"ActiveX component can't create object");
    });
}

std::wstring controlName(HWND window) {
    wchar_t name[256] = {};
    if (!::SendMessageW(window, controlNameMessage(), 256, reinterpret_cast<LPARAM>(name))) return L"";
    return name;
}

HWND findControl(HWND root, std::wstring_view name, int index) {
    struct Search {
        std::wstring_view name;
        int remaining;
        HWND found = nullptr;
    } search{name, index};
    ::EnumChildWindows(
        root,
        [](HWND window, LPARAM data) CALLBACK -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            if (controlName(window) != search.name) return TRUE;
            if (search.remaining-- > 0) return TRUE;
            search.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring textOf(HWND window) {
    int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(::GetWindowTextW(window, text.data(), length + 1));
    return text;
}

void typeInto(HWND box, const std::wstring& text) { ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }

std::vector<std::wstring> entriesOf(HWND combo) {
    std::vector<std::wstring> entries;
    LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
        std::wstring entry(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        length = ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(static_cast<size_t>(std::max<LRESULT>(length, 0)));
        entries.push_back(entry);
    }
    return entries;
}

void choose(HWND combo, const std::wstring& entry) {
    auto entries = entriesOf(combo);
    auto found = std::find(entries.begin(), entries.end(), entry);
    ::SendMessageW(combo, CB_SETCURSEL, found == entries.end() ? -1 : found - entries.begin(), 0);
    ::SendMessageW(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
}

void click(HWND button) { ::SendMessageW(button, BM_CLICK, 0, 0); }

MessageBoxSeen answerMessageBox(const std::function<void()>& action, const std::wstring& title) {
    MessageBoxSeen seen;
    std::thread watcher([&] { seen = answer(::GetCurrentProcessId(), title); });
    action();
    watcher.join();
    return seen;
}

std::vector<HWND> visibleTopLevelWindows(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId};
    ::EnumWindows(
        [](HWND window, LPARAM data) CALLBACK -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == search.processId && ::IsWindowVisible(window)) search.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring saveScreenshot(HWND window, const std::wstring& name) {
    std::wstring pictures = folder(L"ORVANE_SCREENSHOTS", L"screenshots");
    ::CreateDirectoryW(pictures.c_str(), nullptr);
    std::wstring path = pictures + L"\\" + name + L".png";
    return saveWindowPicture(window, path) ? path : L"";
}

COLORREF pixelAt(HWND window, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(window, &point);
    HDC screen = ::GetDC(nullptr);
    COLORREF color = ::GetPixel(screen, point.x, point.y);
    ::ReleaseDC(nullptr, screen);
    return color;
}

// --- DemoProcess ----------------------------------------------------------------------

DemoProcess::DemoProcess(const std::wstring& program, const std::wstring& caption) {
    std::wstring bin = folder(L"ORVANE_DEMO_BIN", L"demos\\bin");
    std::wstring path = bin + L"\\" + program + L".exe";
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{sizeof startup};
    if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, bin.c_str(),
                          &startup, &info_)) {
        return;
    }
    ::WaitForInputIdle(info_.hProcess, 60000);
    waitFor([&] {
        HWND candidate = nullptr;
        while ((candidate = ::FindWindowExW(nullptr, candidate, nullptr, caption.c_str())) != nullptr) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(candidate, &owner);
            if (owner == info_.dwProcessId && ::IsWindowVisible(candidate)) {
                window_ = candidate;
                return true;
            }
        }
        return ::WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0;
    });
    DWORD_PTR ignored = 0;
    if (window_) ::SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 30000, &ignored);
}

DemoProcess::~DemoProcess() {
    if (info_.hProcess) {
        if (::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(info_.hProcess, 255);
            ::WaitForSingleObject(info_.hProcess, 30000);
        }
        ::CloseHandle(info_.hThread);
        ::CloseHandle(info_.hProcess);
    }
}

std::wstring DemoProcess::remoteName(HWND window) {
    constexpr SIZE_T size = 256 * sizeof(wchar_t);
    void* remote = ::VirtualAllocEx(info_.hProcess, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote) return L"";
    DWORD_PTR copied = 0;
    wchar_t name[256] = {};
    if (::SendMessageTimeoutW(window, controlNameMessage(), 256, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                              30000, &copied) &&
        copied) {
        ::ReadProcessMemory(info_.hProcess, remote, name, size, nullptr);
        name[255] = L'\0';
    }
    ::VirtualFreeEx(info_.hProcess, remote, 0, MEM_RELEASE);
    return name;
}

HWND DemoProcess::control(std::wstring_view name, int index) {
    if (!window_) return nullptr;
    std::vector<HWND> children;
    ::EnumChildWindows(
        window_,
        [](HWND window, LPARAM data) CALLBACK -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        if (remoteName(child) == name && index-- == 0) return child;
    }
    return nullptr;
}

void DemoProcess::postClick(HWND button) { ::PostMessageW(button, BM_CLICK, 0, 0); }

void DemoProcess::setText(HWND box, const std::wstring& text) {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 30000, &ignored);
}

void DemoProcess::choose(HWND combo, const std::wstring& entry) {
    auto entries = entriesOf(combo);
    auto found = std::find(entries.begin(), entries.end(), entry);
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(combo, CB_SETCURSEL, found == entries.end() ? -1 : found - entries.begin(), 0,
                          SMTO_ABORTIFHUNG, 30000, &ignored);
    ::PostMessageW(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
}

MessageBoxSeen DemoProcess::answerMessageBox(const std::wstring& title) { return answer(info_.dwProcessId, title); }

DWORD DemoProcess::waitForExit(DWORD milliseconds) {
    DWORD status = STILL_ACTIVE;
    if (!info_.hProcess) return status;
    ::WaitForSingleObject(info_.hProcess, milliseconds);
    ::GetExitCodeProcess(info_.hProcess, &status);
    return status;
}

}  // namespace orvane::demo::test
