// ppageAboutBoxDesign: the "Design" page of OVAboutBox, which a form designer shows to
// edit the control's texts and style.
#pragma once

#include "frame/control/DesignPage.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class ppageAboutBoxDesign final : public branding::DesignPage<ppageAboutBoxDesign, _ppageAboutBoxDesign> {
public:
    static constexpr const wchar_t* className = L"ppageAboutBoxDesign";
    static const CLSID& classId() noexcept { return CLSID_ppageAboutBoxDesign; }
    static const branding::PageDefinition& definition();
};

}  // namespace orvane
