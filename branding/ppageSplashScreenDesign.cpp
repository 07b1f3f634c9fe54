#include "branding/ppageSplashScreenDesign.h"

namespace orvane {

namespace {

using namespace forms;
using branding::PageBinding;

const wchar_t* const styles[] = {L"ovStandard", L"ovSerated", L"ovThe98Look", L"ovThe2000Look", L"ovOrvane"};

const FormLayout page{L"ppageSplashScreenDesign", L"Design", 5925, 3495, BorderStyle::None, NoTitleBar,
                    StartUp::Manual};

const ControlLayout controls[] = {
    {Kind::Label, L"lblSplashStyle", L"SplashStyle:", 90, 135, 2700, 240},
    ControlLayout{Kind::ComboBox, L"cboSplash", L"", 120, 360, 2715, 315}.list(styles).tab(0),
    {Kind::Label, L"lblLicenseTo", L"LicenseTo:", 90, 780, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtLicenseTo", L"", 90, 1035, 2700, 330}.tab(1),
    {Kind::Label, L"lblCompanyName", L"CompanyName:", 90, 1425, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtCompanyName", L"", 90, 1680, 2700, 330}.tab(2),
    {Kind::Label, L"lblProductName", L"ProductName:", 90, 2085, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtProductName", L"", 90, 2325, 2700, 330}.tab(3),
    {Kind::Label, L"lblPlatform", L"Platform:", 90, 2730, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtPlatform", L"", 90, 2985, 2700, 330}.tab(4),
    {Kind::Label, L"lblProductVersion", L"ProductVersion:", 2970, 150, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtProductVersion", L"", 2970, 405, 2700, 330}.tab(5),
    {Kind::Label, L"lblCopyright", L"Copyright:", 2970, 795, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtCopyright", L"", 2970, 1050, 2700, 330}.tab(6),
    {Kind::Label, L"lblCopyrightOwner", L"CopyrightOwner:", 2970, 1440, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtCopyrightOwner", L"", 2970, 1695, 2700, 330}.tab(7),
    {Kind::Label, L"lblCopyrightWarning", L"CopyrightWarning:", 2970, 2085, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtCopyrightWarning", L"", 2970, 2340, 2700, 330}.tab(8),
    ControlLayout{Kind::CommandButton, L"cmdClear", L"Clear", 4260, 3000, 1455, 375}.tab(9),
};

// The splash control's setters of CompanyName and ProductName replace the matching
// images by empty pictures: every apply and every Clear does so.
const PageBinding bindings[] = {
    {L"Platform", L"txtPlatform"},
    {L"SplashStyle", L"cboSplash", true},
    {L"CopyrightWarning", L"txtCopyrightWarning"},
    {L"CopyrightOwner", L"txtCopyrightOwner"},
    {L"Copyright", L"txtCopyright"},
    {L"ProductVersion", L"txtProductVersion"},
    {L"ProductName", L"txtProductName"},
    {L"CompanyName", L"txtCompanyName"},
    {L"LicenseTo", L"txtLicenseTo"},
};

}  // namespace

const branding::PageDefinition& ppageSplashScreenDesign::definition() {
    static const branding::PageDefinition definition{page, controls, bindings, L"cmdClear", L"Design"};
    return definition;
}

}  // namespace orvane
