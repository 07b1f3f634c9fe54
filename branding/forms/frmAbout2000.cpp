#include "branding/forms/frmAbout2000.h"

#include "branding/forms/AboutFormCode.h"
#include "branding/forms/BrandingFonts.h"

namespace orvane::branding {

namespace {
using namespace forms;

const FormLayout window{L"frmAbout2000", L"About MyApp", 5745, 4770, BorderStyle::FixedDialog,
                      TitleBar | ControlBox, StartUp::OwnerCentre};

constexpr Color black = 0x00000000;
constexpr Color white = 0x00FFFFFF;

// Every label on the white band is transparent.
const ControlLayout controls[] = {
    shape(L"Shape1", -30, 0, 5775, 2175, white, sys::Window),
    // The etched rule that ends the band: dark, two pixels, with a light line on the same points.
    line(L"Line1", 0, 2160, 5760, 2160, sys::WindowText, 2),
    line(L"Line2", 0, 2160, 5760, 2160, sys::Window, 1),
    ControlLayout{Kind::PictureBox, L"picIcon", L"", 240, 120, 720, 720, {}, DefaultColor, white, AutoSize}.tab(1),
    {Kind::Label, L"lblTitle", L"Application Title", 1080, 120, 4605, 315, arial(12, Bold), DefaultColor,
     DefaultColor, Transparent},
    {Kind::Label, L"lblVersion", L"Version", 1080, 480, 4605, 225, arial(9.75, Bold), DefaultColor, DefaultColor,
     Transparent},
    {Kind::Label, L"Label2", L"E-mail:", 1080, 1200, 465, 195, {}, DefaultColor, DefaultColor,
     AutoSize | Transparent},
    {Kind::Label, L"lblMail", L"Mail", 1800, 1200, 3855, 225, linkFont, linkNormal, DefaultColor, Transparent},
    {Kind::Label, L"Label1", L"Website:", 1080, 1560, 630, 195, {}, DefaultColor, DefaultColor,
     AutoSize | Transparent},
    {Kind::Label, L"lblUrl", L"Url", 1800, 1560, 3825, 255, linkFont, linkNormal, DefaultColor, Transparent},
    {Kind::Label, L"lblCopyright", L"Copyright", 120, 1920, 5535, 255, arial(8.25), DefaultColor, DefaultColor,
     Align::Center | Transparent},
    {Kind::Label, L"lblDescription", L"App Description", 150, 2280, 5445, 1170, {}, black},
    {Kind::Label, L"lblDisclaimer", L"", 150, 3600, 3975, 1065, {}, black},
    ControlLayout{Kind::CommandButton, L"cmdOK", L"", 4320, 3705, 1260, 345, {}, DefaultColor, DefaultColor,
                DefaultButton | CancelButton}.tab(0),
    {Kind::TextBox, L"Text1", L"OK", 4380, 3780, 1155, 225, {}, buttonTextDesigned, sys::ActiveBorder,
     ReadOnly | NoTabStop | Align::Center | NoBorder},
    ControlLayout{Kind::CommandButton, L"cmdSysInfo", L"", 4320, 4155, 1245, 345}.tab(2),
    {Kind::TextBox, L"Text2", L"System Info...", 4380, 4230, 1125, 225, {}, DefaultColor, sys::ActiveBorder,
     ReadOnly | NoTabStop | Align::Center | NoBorder},
};

const FormDefinition definition{window, controls, &aboutHandlers};
}  // namespace

const FormDefinition& frmAbout2000() { return definition; }

}  // namespace orvane::branding
