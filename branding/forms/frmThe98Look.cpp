#include "branding/forms/frmThe98Look.h"

#include "branding/forms/BrandingFonts.h"
#include "branding/forms/SplashFormCode.h"

namespace orvane::branding {

namespace {
using namespace forms;

const FormLayout window{L"frmThe98Look", L"", 8550, 3990, BorderStyle::FixedDialog, NoTitleBar, StartUp::ScreenCentre};

constexpr Color grey = 0x00808080;

// The company image box of this form carries its own (misspelt) name.
const ControlLayout controls[] = {
    {Kind::Label, L"lblLicenseTo", L"LicenseTo", 240, 120, 8055, 255, arial(8.25), DefaultColor, DefaultColor,
     Align::Right},
    {Kind::Image, L"imgLogo", L"", 240, 240, 480, 480},
    {Kind::Image, L"imgCompanyPruductImage", L"", 1680, 480, 6615, 495},
    {Kind::Label, L"lblCompanyProduct", L"CompanyProduct", 1680, 585, 6645, 330, arial(14.25, Bold), grey,
     DefaultColor, AutoSize},
    {Kind::Image, L"imgProductNameImage", L"", 2160, 1080, 6135, 615},
    {Kind::Label, L"lblProductName", L"Product", 2280, 1020, 6075, 630, arial(27.75, Bold | Italic), DefaultColor,
     DefaultColor, AutoSize},
    {Kind::Label, L"lblPlatform", L"Platform", 300, 1920, 7995, 360, arial(15.75, Bold), sys::ButtonHighlight,
     DefaultColor, Align::Center | AutoSize},
    {Kind::Label, L"lblVersion", L"Version", 1440, 2280, 6885, 285, arial(12, Bold), DefaultColor, DefaultColor,
     Align::Right | AutoSize},
    {Kind::Label, L"lblWarning", L"Warning", 120, 2760, 3975, 1155, arial(8.25)},
    {Kind::Label, L"lblCopyright", L"Copyright", 4320, 3360, 3975, 255, arial(8.25), DefaultColor, DefaultColor,
     Align::Right},
    {Kind::Label, L"lblCompany", L"Company", 4440, 3600, 3855, 255, arial(8.25), DefaultColor, DefaultColor,
     Align::Right},
};

const FormDefinition definition{window, controls, &splashHandlers};
}  // namespace

const FormDefinition& frmThe98Look() { return definition; }

}  // namespace orvane::branding
