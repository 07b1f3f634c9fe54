#include "frame/forms/Twips.h"

#include <windows.h>

namespace orvane::forms {

namespace {
int readDpi(int index) noexcept {
    HDC screen = ::GetDC(nullptr);
    int dpi = screen ? ::GetDeviceCaps(screen, index) : 0;
    if (screen) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}
}  // namespace

int screenDpiX() noexcept {
    static const int dpi = readDpi(LOGPIXELSX);
    return dpi;
}

int screenDpiY() noexcept {
    static const int dpi = readDpi(LOGPIXELSY);
    return dpi;
}

}  // namespace orvane::forms
