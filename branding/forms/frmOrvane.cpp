#include "branding/forms/frmOrvane.h"

#include "branding/forms/BrandingFonts.h"

namespace orvane::branding {

namespace {
using namespace forms;

const FormLayout window{L"frmOrvane", L"", 7380, 4500, BorderStyle::FixedDialog, NoTitleBar, StartUp::ScreenCentre};

constexpr Color darkGrey = 0x00404040;
constexpr Color white = 0x00FFFFFF;
constexpr Color darkBlue = 0x00C00000;
constexpr Color yellow = 0x0000FFFF;

// The only splash form whose logo box carries no placeholder icon: it has no load handler.
const ControlLayout controls[] = {
    shape(L"Shape1", 0, 0, 7455, 2295, darkGrey, darkGrey),
    {Kind::Label, L"lblLicenseTo", L"LicenseTo", 480, 120, 6855, 255, arial(8.25), white, DefaultColor,
     Align::Right | Transparent},
    {Kind::Image, L"imgLogo", L"", 240, 240, 1515, 1260},
    {Kind::Image, L"imgCompanyProductImage", L"", 1920, 480, 5295, 495},
    {Kind::Label, L"lblCompanyProduct", L"CompanyProduct", 1920, 585, 5205, 330, arial(14.25, Bold), darkBlue,
     DefaultColor, AutoSize | Transparent},
    {Kind::Image, L"imgProductNameImage", L"", 2280, 1080, 4935, 615},
    {Kind::Label, L"lblProductName", L"Product", 2280, 1080, 4875, 630, arial(27.75, Bold | Italic), yellow,
     DefaultColor, AutoSize | Transparent},
    {Kind::Label, L"lblVersion", L"Version", 2280, 1800, 4965, 285, arial(12, Bold), sys::HighlightText,
     DefaultColor, AutoSize | Transparent},
    {Kind::Label, L"lblPlatform", L"Platform", 240, 2520, 6915, 360, arial(15.75, Bold), DefaultColor, DefaultColor,
     Align::Center | AutoSize},
    {Kind::Label, L"lblCopyright", L"Copyright", 240, 2940, 6855, 255, arial(8.25), DefaultColor, DefaultColor,
     Align::Right},
    {Kind::Label, L"lblCompany", L"Company", 240, 3150, 6855, 255, arial(8.25), DefaultColor, DefaultColor,
     Align::Right},
    {Kind::Label, L"lblWarning", L"Warning", 120, 3600, 7095, 795, arial(8.25)},
};

const FormDefinition definition{window, controls};
}  // namespace

const FormDefinition& frmOrvane() { return definition; }

}  // namespace orvane::branding
