#include "branding/forms/frmSerated.h"

#include "branding/forms/BrandingFonts.h"
#include "branding/forms/SplashFormCode.h"

namespace orvane::branding {

namespace {
using namespace forms;

const FormLayout window{L"frmSerated", L"", 7380, 4740, BorderStyle::FixedDialog, NoTitleBar, StartUp::ScreenCentre};

const ControlLayout controls[] = {
    // Each rule is etched: a dark line two pixels wide with a light one on the same points.
    line(L"Line1", 3840, 120, 7440, 120, sys::WindowText, 2),
    line(L"Line2", 3840, 120, 7680, 120, sys::Window, 1),
    line(L"Line3", 5640, 360, 7440, 360, sys::WindowText, 2),
    line(L"Line4", 5640, 360, 7440, 360, sys::Window, 1),
    line(L"Line5", 6240, 600, 7440, 600, sys::WindowText, 2),
    line(L"Line6", 6240, 600, 7440, 600, sys::Window, 1),
    {Kind::Image, L"imgLogo", L"", 240, 240, 480, 480},
    {Kind::Image, L"imgCompanyProductImage", L"", 1920, 480, 3615, 375},
    {Kind::Label, L"lblCompanyProduct", L"CompanyProduct", 1920, 465, 3585, 285, arial(12, Bold), DefaultColor,
     DefaultColor, AutoSize},
    {Kind::Image, L"imgProductNameImage", L"", 2400, 960, 4815, 615},
    {Kind::Label, L"lblProductName", L"Product", 2400, 900, 4755, 660, arial(27.75, Bold), DefaultColor, DefaultColor,
     AutoSize},
    {Kind::Label, L"lblPlatform", L"Platform", 1905, 2100, 5250, 330, arial(14.25, Bold), DefaultColor, DefaultColor,
     Align::Right | AutoSize},
    {Kind::Label, L"lblVersion", L"Version", 1845, 2460, 5280, 240, arial(9.75, Bold), DefaultColor, DefaultColor,
     Align::Right | AutoSize},
    {Kind::Label, L"lblCopyright", L"Copyright", 3120, 2820, 3975, 255, arial(8.25), DefaultColor, DefaultColor,
     Align::Right},
    {Kind::Label, L"lblLicenseTo", L"LicenseTo", 240, 2880, 2535, 735, arial(8.25)},
    {Kind::Label, L"lblCompany", L"Company", 3000, 3030, 4095, 255, arial(8.25), DefaultColor, DefaultColor,
     Align::Right},
    {Kind::Label, L"lblWarning", L"Warning", 120, 3840, 7095, 795, arial(8.25)},
};

const FormDefinition definition{window, controls, &splashHandlers};
}  // namespace

const FormDefinition& frmSerated() { return definition; }

}  // namespace orvane::branding
