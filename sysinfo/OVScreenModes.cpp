#include "sysinfo/OVScreenModes.h"

#include <cstddef>
#include <cstring>

#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

static_assert(sizeof(DEVMODEA) == 156);
static_assert(offsetof(DEVMODEA, dmFields) == 40);
static_assert(offsetof(DEVMODEA, dmBitsPerPel) == 104);
static_assert(offsetof(DEVMODEA, dmPelsWidth) == 108);
static_assert(offsetof(DEVMODEA, dmPelsHeight) == 112);

constexpr DWORD firstListedMode = 0;
constexpr DWORD modeFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;  // 0x1C0000
constexpr UINT displayChangeMessage = WM_DISPLAYCHANGE;                    // 0x7E

struct Size {
    long width;
    long height;
};
const Size screenSizes[] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}};

// A zeroed record filled by the platform; its size field is not set, and a failed
// call leaves it zeroed.
DEVMODEA listedMode(DWORD modeNumber) {
    DEVMODEA mode;
    std::memset(&mode, 0, sizeof(mode));
    platform::user32::EnumDisplaySettingsA(nullptr, modeNumber, &mode);
    return mode;
}

// Bits per pixel travels as a 16-bit signed value in the low half of its field.
long bitsOf(const DEVMODEA& mode) { return static_cast<short>(static_cast<unsigned short>(mode.dmBitsPerPel)); }
void setBits(DEVMODEA& mode, long bits) {
    mode.dmBitsPerPel = static_cast<unsigned short>(runtime::narrowToInteger(bits));
}

}  // namespace

DEVMODEA OVScreenModes::currentMode() { return listedMode(ENUM_CURRENT_SETTINGS); }

void OVScreenModes::changeMode(long width, long height, long bits) {
    DEVMODEA mode = listedMode(firstListedMode);
    mode.dmFields = modeFields;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    setBits(mode, bits);
    if (platform::user32::ChangeDisplaySettingsA(&mode, CDS_TEST) != DISP_CHANGE_SUCCESSFUL) return;
    platform::user32::ChangeDisplaySettingsA(&mode, CDS_UPDATEREGISTRY);
    long size = runtime::narrowToLong(65536.0 * height + width);
    platform::user32::SendMessageA(HWND_BROADCAST, displayChangeMessage, static_cast<WPARAM>(static_cast<LONG_PTR>(bits)),
                                   static_cast<LPARAM>(size));
}

STDMETHODIMP OVScreenModes::ColorBits(long* result) {
    return call([&] {
        required(result);
        *result = bitsOf(currentMode());
    });
}

STDMETHODIMP OVScreenModes::ScreenHeight(short* result) {
    return call([&] {
        required(result);
        *result = runtime::narrowToInteger(static_cast<long>(currentMode().dmPelsHeight));
    });
}

STDMETHODIMP OVScreenModes::ScreenWidth(short* result) {
    return call([&] {
        required(result);
        *result = runtime::narrowToInteger(static_cast<long>(currentMode().dmPelsWidth));
    });
}

STDMETHODIMP OVScreenModes::ChangeDisplay(OVScreenModesConstants* ScreenSize, long* ScreenBits,
                                          OVScreenModesConstants* result) {
    return call([&] {
        // Every path yields 0, whatever happens to the display.
        *required(result) = static_cast<OVScreenModesConstants>(0);
        // Compared unsigned, so negative sizes are outside the table too.
        unsigned long index = static_cast<unsigned long>(*required(ScreenSize));
        if (index >= std::size(screenSizes)) return;
        // An omitted bit count (or none at all from an early-bound caller) is 0.
        long bits = ScreenBits ? *ScreenBits : 0;
        changeMode(screenSizes[index].width, screenSizes[index].height, bits);
    });
}

}  // namespace orvane
