// Helpers of the branding tests: window facts, message pumping and screenshots of live
// forms (uncompressed PNG files under the build folder).
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Screenshot.h"
#include "frame/forms/Form.h"

namespace orvane::branding::test {


inline void pump() {
    MSG message;
    for (int round = 0; round < 3; ++round) {
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

inline RECT rectInParent(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline LOGFONTW fontOf(const forms::FormControl& control) {
    LOGFONTW font{};
    ::GetObjectW(control.hfont(), sizeof font, &font);
    return font;
}

namespace detail {

inline std::wstring screenshotFolder() {
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder = folder.substr(0, folder.find_last_of(L"\\/"));  // build/x64/tests
    folder = folder.substr(0, folder.find_last_of(L"\\/"));  // build/x64
    folder += L"\\screenshots";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

}  // namespace detail

inline std::wstring saveScreenshot(HWND window, const std::wstring& name) {
    const std::wstring path = detail::screenshotFolder() + L"\\" + name + L".png";
    demo::saveWindowPicture(window, path);
    return path;
}

inline COLORREF clientPixel(HWND window, int x, int y) {
    HDC dc = ::GetDC(window);
    COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}

}  // namespace orvane::branding::test
