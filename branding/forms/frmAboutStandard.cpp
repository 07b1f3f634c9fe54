#include "branding/forms/frmAboutStandard.h"

#include "branding/forms/AboutFormCode.h"
#include "branding/forms/BrandingFonts.h"

namespace orvane::branding {

namespace {
using namespace forms;

const FormLayout window{L"frmAboutStandard", L"About MyApp", 5700, 4755, BorderStyle::FixedDialog,
                      TitleBar | ControlBox, StartUp::ScreenCentre};

constexpr Color black = 0x00000000;
constexpr Color white = 0x00FFFFFF;
constexpr Color grey = 0x00808080;

// Text1 and Text2 lie on the faces of the two buttons and come after them, so above them.
const ControlLayout controls[] = {
    // The etched separator: a grey line over a white one two pixels wide. Later rows are
    // drawn on top, so the white one comes first and the grey one shows whole.
    line(L"Line2", 0, 3540, 5760, 3540, white, 2),
    line(L"Line1", 0, 3525, 5760, 3525, grey, 1),
    ControlLayout{Kind::PictureBox, L"picIcon", L"", 240, 120, 720, 720, {}, DefaultColor, DefaultColor, AutoSize}.tab(1),
    {Kind::Label, L"lblTitle", L"Application Title", 1050, 120, 4605, 345, arial(12, Bold)},
    {Kind::Label, L"lblVersion", L"Version", 1050, 480, 4605, 225, arial(9.75, Bold)},
    {Kind::Label, L"lblDescription", L"App Description", 90, 960, 5505, 1290, {}, black},
    {Kind::Label, L"Label2", L"E-mail:", 1080, 2400, 465, 195, {}, DefaultColor, DefaultColor, AutoSize},
    {Kind::Label, L"lblMail", L"Mail", 1800, 2400, 3795, 225, linkFont, linkNormal},
    {Kind::Label, L"Label1", L"Website:", 1080, 2760, 630, 195, {}, DefaultColor, DefaultColor, AutoSize},
    {Kind::Label, L"lblUrl", L"Url", 1800, 2760, 3795, 225, linkFont, linkNormal},
    {Kind::Label, L"lblCopyright", L"Copyright", 120, 3120, 5535, 225, arial(8.25), DefaultColor, DefaultColor,
     Align::Center},
    {Kind::Label, L"lblDisclaimer", L"", 120, 3600, 3975, 1065, {}, black},
    ControlLayout{Kind::CommandButton, L"cmdOK", L"", 4245, 3705, 1260, 345, {}, DefaultColor, DefaultColor,
                DefaultButton | CancelButton}.tab(0),
    {Kind::TextBox, L"Text1", L"OK", 4290, 3780, 1155, 225, {}, buttonTextDesigned, sys::ActiveBorder,
     ReadOnly | NoTabStop | Align::Center | NoBorder},
    ControlLayout{Kind::CommandButton, L"cmdSysInfo", L"", 4260, 4155, 1245, 345}.tab(2),
    {Kind::TextBox, L"Text2", L"System Info...", 4290, 4230, 1125, 225, {}, DefaultColor, sys::ActiveBorder,
     ReadOnly | NoTabStop | Align::Center | NoBorder},
};

const FormDefinition definition{window, controls, &aboutHandlers};
}  // namespace

const FormDefinition& frmAboutStandard() { return definition; }

}  // namespace orvane::branding
