#include "branding/forms/frmThe2000Look.h"

#include "branding/forms/BrandingFonts.h"
#include "branding/forms/SplashFormCode.h"

namespace orvane::branding {

namespace {
using namespace forms;

const FormLayout window{L"frmThe2000Look", L"", 7455, 4620, BorderStyle::FixedDialog, NoTitleBar, StartUp::ScreenCentre};

constexpr Color grey = 0x00808080;

const ControlLayout controls[] = {
    shape(L"Shape1", 0, 0, 7455, 2175, sys::Window, sys::TitleText),
    // The etched rule under the band: dark, two pixels, with a light line on the same points.
    line(L"Line1", 0, 2160, 7440, 2160, sys::WindowText, 2),
    line(L"Line2", 0, 2160, 7440, 2160, sys::TitleText, 1),
    {Kind::Label, L"lblLicenseTo", L"LicenseTo", 360, 120, 6855, 255, arial(8.25), DefaultColor, DefaultColor,
     Align::Right | Transparent},
    {Kind::Image, L"imgLogo", L"", 240, 240, 480, 480},
    {Kind::Image, L"imgCompanyProductImage", L"", 2160, 480, 5055, 495},
    {Kind::Label, L"lblCompanyProduct", L"CompanyProduct", 2235, 585, 5085, 330, arial(14.25, Bold), grey,
     DefaultColor, AutoSize | Transparent},
    {Kind::Image, L"imgProductNameImage", L"", 2160, 1080, 5055, 615},
    {Kind::Label, L"lblProductName", L"Product", 2280, 1020, 4995, 660, arial(27.75, Bold), DefaultColor,
     DefaultColor, AutoSize | Transparent},
    {Kind::Label, L"lblPlatform", L"Platform", 5940, 2340, 1275, 360, arial(15.75, Bold), DefaultColor, DefaultColor,
     Align::Right | AutoSize},
    {Kind::Label, L"lblVersion", L"Version", 6330, 2700, 885, 285, arial(12, Bold), DefaultColor, DefaultColor,
     Align::Right | AutoSize},
    {Kind::Label, L"lblCopyright", L"Copyright", 120, 3060, 7095, 255, arial(8.25), DefaultColor, DefaultColor,
     Align::Right},
    {Kind::Label, L"lblCompany", L"Company", 120, 3270, 7095, 255, arial(8.25), DefaultColor, DefaultColor,
     Align::Right},
    {Kind::Label, L"lblWarning", L"Warning", 240, 3660, 6975, 795, arial(8.25)},
};

const FormDefinition definition{window, controls, &splashHandlers};
}  // namespace

const FormDefinition& frmThe2000Look() { return definition; }

}  // namespace orvane::branding
