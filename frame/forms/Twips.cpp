#include "frame/forms/Twips.h"

#include "frame/forms/DeviceContext.h"

namespace orvane::forms {

namespace {
int readDpi(int index) noexcept {
    UniqueWindowDc screen = windowDc(nullptr);
    int dpi = screen.get().dc ? ::GetDeviceCaps(screen.get().dc, index) : 0;
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
