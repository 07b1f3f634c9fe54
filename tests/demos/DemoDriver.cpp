#include "DemoDriver.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

#include "frame/Catalogue.h"

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

std::wstring environment(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2] = {};
    DWORD length = ::GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    return length && length < MAX_PATH * 2 ? value : L"";
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
        [](HWND window, LPARAM data) -> BOOL {
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

// --- PNG, stored without compression ------------------------------------------------
unsigned long crcOf(const unsigned char* data, size_t size, unsigned long crc = 0xFFFFFFFFul) {
    static unsigned long table[256];
    static bool ready = [] {
        for (unsigned long n = 0; n < 256; ++n) {
            unsigned long c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320ul ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        return true;
    }();
    (void)ready;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

void putBigEndian(std::vector<unsigned char>& out, unsigned long value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(value >> shift));
}

void chunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data) {
    putBigEndian(out, static_cast<unsigned long>(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBigEndian(out, crcOf(out.data() + start, out.size() - start) ^ 0xFFFFFFFFul);
}

// rgb: rows top to bottom, three bytes per pixel (red, green, blue).
std::vector<unsigned char> encodePng(int width, int height, const std::vector<unsigned char>& rgb) {
    std::vector<unsigned char> raw;
    raw.reserve(static_cast<size_t>(height) * (width * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgb.begin() + static_cast<size_t>(y) * width * 3,
                   rgb.begin() + static_cast<size_t>(y + 1) * width * 3);
    }
    std::vector<unsigned char> deflated{0x78, 0x01};
    unsigned long a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        size_t length = std::min<size_t>(65535, raw.size() - at);
        bool last = at + length >= raw.size();
        deflated.push_back(last ? 1 : 0);
        deflated.push_back(static_cast<unsigned char>(length & 0xFF));
        deflated.push_back(static_cast<unsigned char>(length >> 8));
        deflated.push_back(static_cast<unsigned char>(~length & 0xFF));
        deflated.push_back(static_cast<unsigned char>((~length >> 8) & 0xFF));
        deflated.insert(deflated.end(), raw.begin() + at, raw.begin() + at + length);
        if (last) break;
    }
    putBigEndian(deflated, (b << 16) | a);

    std::vector<unsigned char> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    putBigEndian(header, width);
    putBigEndian(header, height);
    header.insert(header.end(), {8, 2, 0, 0, 0});
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", deflated);
    chunk(png, "IEND", {});
    return png;
}

// The window's pixels as the screen shows them, top row first, blue-green-red-x.
std::vector<unsigned char> capture(HWND window, int& width, int& height) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
    std::vector<unsigned char> pixels;
    if (width <= 0 || height <= 0) return pixels;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HDC screen = ::GetWindowDC(window);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ::GdiFlush();
    pixels.assign(static_cast<unsigned char*>(bits), static_cast<unsigned char*>(bits) + static_cast<size_t>(width) * height * 4);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(window, screen);
    return pixels;
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
        [](HWND window, LPARAM data) -> BOOL {
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
        [](HWND window, LPARAM data) -> BOOL {
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
    std::wstring folder = environment(L"ORVANE_SCREENSHOTS");
    if (folder.empty()) return L"";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    int width = 0, height = 0;
    std::vector<unsigned char> pixels = capture(window, width, height);
    if (pixels.empty()) return L"";
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i) {
        rgb[i * 3] = pixels[i * 4 + 2];
        rgb[i * 3 + 1] = pixels[i * 4 + 1];
        rgb[i * 3 + 2] = pixels[i * 4];
    }
    std::vector<unsigned char> png = encodePng(width, height, rgb);
    std::wstring path = folder + L"\\" + name + L".png";
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) return L"";
    fwrite(png.data(), 1, png.size(), file);
    fclose(file);
    return path;
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
    std::wstring folder = environment(L"ORVANE_DEMO_BIN");
    std::wstring path = folder + L"\\" + program + L".exe";
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{sizeof startup};
    if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
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
        [](HWND window, LPARAM data) -> BOOL {
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
