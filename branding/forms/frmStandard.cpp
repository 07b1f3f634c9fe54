#include "branding/forms/frmStandard.h"

#include "branding/forms/BrandingFonts.h"
#include "branding/forms/SplashFormCode.h"

namespace orvane::branding {

namespace {
using namespace forms;

const FormLayout window{L"frmStandard", L"", 7380, 4830, BorderStyle::FixedDialog, NoTitleBar, StartUp::ScreenCentre};

// Positions inside Frame1 are relative to the frame.
const ControlLayout controls[] = {
    {Kind::Frame, L"Frame1", L"", 150, 60, 7080, 4635},
    ControlLayout{Kind::Image, L"imgLogo", L"", 240, 360, 480, 480}.inside(L"Frame1"),
    ControlLayout{Kind::Label, L"lblLicenseTo", L"LicenseTo", 120, 240, 6855, 255, arial(8.25), DefaultColor,
                DefaultColor, Align::Right}.inside(L"Frame1"),
    ControlLayout{Kind::Image, L"imgCompanyProductImage", L"", 2520, 600, 4335, 495}.inside(L"Frame1"),
    ControlLayout{Kind::Label, L"lblCompanyProduct", L"CompanyProduct", 2595, 705, 4245, 330, arial(14.25, Bold),
                DefaultColor, DefaultColor, AutoSize}.inside(L"Frame1"),
    ControlLayout{Kind::Image, L"imgProductNameImage", L"", 2520, 1080, 4335, 855}.inside(L"Frame1"),
    ControlLayout{Kind::Label, L"lblProductName", L"Product", 2520, 1140, 4335, 660, arial(27.75, Bold), DefaultColor,
                DefaultColor, AutoSize}.inside(L"Frame1"),
    ControlLayout{Kind::Label, L"lblPlatform", L"Platform", 2565, 2340, 4290, 330, arial(14.25, Bold), DefaultColor,
                DefaultColor, Align::Right | AutoSize}.inside(L"Frame1"),
    ControlLayout{Kind::Label, L"lblVersion", L"Version", 2535, 2700, 4320, 240, arial(9.75, Bold), DefaultColor,
                DefaultColor, Align::Right | AutoSize}.inside(L"Frame1"),
    ControlLayout{Kind::Label, L"lblCopyright", L"Copyright", 2520, 3060, 4335, 255, arial(8.25), DefaultColor,
                DefaultColor, Align::Right}.inside(L"Frame1"),
    ControlLayout{Kind::Label, L"lblCompany", L"Company", 2520, 3300, 4335, 255, arial(8.25), DefaultColor,
                DefaultColor, Align::Right}.inside(L"Frame1"),
    ControlLayout{Kind::Label, L"lblWarning", L"Warning", 150, 3660, 6765, 915, arial(8.25)}.inside(L"Frame1"),
};

const FormDefinition definition{window, controls, &splashHandlers};
}  // namespace

const FormDefinition& frmStandard() { return definition; }

}  // namespace orvane::branding
