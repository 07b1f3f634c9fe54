#include "Screenshot.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace orvane::demo {

namespace {

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

bool saveWindowPicture(HWND window, const std::wstring& path) {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels = capture(window, width, height);
    if (pixels.empty()) return false;
    // A picture of one colour is a window that has not painted yet (or was covered): no
    // picture rather than a blank one.
    const uint32_t* colours = reinterpret_cast<const uint32_t*>(pixels.data());
    const size_t count = pixels.size() / 4;
    auto differs = [&](uint32_t colour) { return (colour & 0x00FFFFFF) != (colours[0] & 0x00FFFFFF); };
    if (std::none_of(colours, colours + count, differs)) return false;
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i) {
        rgb[i * 3] = pixels[i * 4 + 2];
        rgb[i * 3 + 1] = pixels[i * 4 + 1];
        rgb[i * 3 + 2] = pixels[i * 4];
    }
    std::vector<unsigned char> png = encodePng(width, height, rgb);
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) return false;
    bool written = fwrite(png.data(), 1, png.size(), file) == png.size();
    return fclose(file) == 0 && written;
}

}  // namespace orvane::demo
