// OVScreenModes: the current display mode of the primary display, and switching it
// to one of five fixed resolutions with the display-change broadcast.
#pragma once

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVScreenModes final : public Control<OVScreenModes, _OVScreenModes> {
public:
    static constexpr const wchar_t* className = L"OVScreenModes";
    static constexpr int toolboxBitmap = 30012;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVScreenModes; }

    STDMETHODIMP ColorBits(long* result) override;
    STDMETHODIMP ScreenHeight(short* result) override;
    STDMETHODIMP ScreenWidth(short* result) override;
    STDMETHODIMP ChangeDisplay(OVScreenModesConstants* ScreenSize, long* ScreenBits,
                               OVScreenModesConstants* result) override;

private:
    static DEVMODEA currentMode();
    static void changeMode(long width, long height, long bits);
};

}  // namespace orvane
