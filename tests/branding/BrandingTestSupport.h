// Helpers of the branding tests: window facts, message pumping and screenshots of live
// forms (uncompressed PNG files under the build folder).
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

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

inline uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

inline void putBig(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

inline void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    putBig(out, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    putBig(out, crc32(body.data(), body.size()));
}

// An uncompressed PNG: the image data in stored deflate blocks.
inline std::vector<uint8_t> png(int width, int height, const std::vector<uint8_t>& rgbRows) {
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    putBig(header, width);
    putBig(header, height);
    header.insert(header.end(), {8, 2, 0, 0, 0});
    chunk(out, "IHDR", header);
    std::vector<uint8_t> z = {0x78, 0x01};
    uint32_t a = 1, b = 0;
    for (uint8_t byte : rgbRows) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t at = 0; at < rgbRows.size() || at == 0; at += 65535) {
        size_t length = std::min<size_t>(65535, rgbRows.size() - at);
        z.push_back(at + length >= rgbRows.size() ? 1 : 0);
        z.push_back(length & 0xFF);
        z.push_back(length >> 8);
        z.push_back(~length & 0xFF);
        z.push_back((~length >> 8) & 0xFF);
        z.insert(z.end(), rgbRows.begin() + at, rgbRows.begin() + at + length);
        if (rgbRows.empty()) break;
    }
    putBig(z, (b << 16) | a);
    chunk(out, "IDAT", z);
    chunk(out, "IEND", {});
    return out;
}

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
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    std::vector<uint8_t> rows;
    rows.reserve(static_cast<size_t>(height) * (width * 3 + 1));
    const uint8_t* pixels = static_cast<const uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);
        for (int x = 0; x < width; ++x) {
            const uint8_t* pixel = pixels + (static_cast<size_t>(y) * width + x) * 4;
            rows.insert(rows.end(), {pixel[2], pixel[1], pixel[0]});
        }
    }
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::DeleteObject(bitmap);
    ::ReleaseDC(nullptr, screen);
    const std::wstring path = detail::screenshotFolder() + L"\\" + name + L".png";
    std::vector<uint8_t> file = detail::png(width, height, rows);
    HANDLE out = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(out, file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
    ::CloseHandle(out);
    return path;
}

inline COLORREF clientPixel(HWND window, int x, int y) {
    HDC dc = ::GetDC(window);
    COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}

}  // namespace orvane::branding::test
