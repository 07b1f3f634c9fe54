// ppageSplashScreenDesign: the "Design" page of OVSplashScreen, which a form designer
// shows to edit the control's texts and style.
#pragma once

#include "frame/control/DesignPage.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class ppageSplashScreenDesign final : public branding::DesignPage<ppageSplashScreenDesign, _ppageSplashScreenDesign> {
public:
    static constexpr const wchar_t* className = L"ppageSplashScreenDesign";
    static const CLSID& classId() noexcept { return CLSID_ppageSplashScreenDesign; }
    static const branding::PageDefinition& definition();
};

}  // namespace orvane
