#include "branding/ppageAboutBoxDesign.h"

namespace orvane {

namespace {

using namespace forms;
using branding::PageBinding;

const wchar_t* const styles[] = {L"ovAboutStandard", L"ovAbout2000"};

const FormLayout page{L"ppageAboutBoxDesign", L"Design", 5925, 3495, BorderStyle::None, NoTitleBar, StartUp::Manual};

const ControlLayout controls[] = {
    {Kind::Label, L"lblAboutStyle", L"AboutStyle:", 90, 120, 2700, 240},
    ControlLayout{Kind::ComboBox, L"cboAbout", L"", 120, 360, 2685, 315}.list(styles).tab(0),
    {Kind::Label, L"lblProductName", L"ProductName:", 90, 765, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtProductName", L"", 90, 1050, 2700, 330}.tab(1),
    {Kind::Label, L"lblProductVersion", L"ProductVersion:", 90, 1425, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtProductVersion", L"", 90, 1695, 2700, 330}.tab(2),
    {Kind::Label, L"lblProductDescription", L"ProductDescription:", 90, 2100, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtProductDescription", L"", 90, 2355, 2700, 990, {}, DefaultColor, DefaultColor,
                MultiLine}.tab(3),
    {Kind::Label, L"lblWebsiteUrl", L"WebsiteUrl:", 3090, 135, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtWebsiteUrl", L"", 3090, 390, 2700, 330}.tab(4),
    {Kind::Label, L"lblMailto", L"Mailto:", 3090, 765, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtMailto", L"", 3090, 1005, 2700, 330}.tab(5),
    {Kind::Label, L"lblCopyright", L"Copyright:", 3090, 1410, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtCopyright", L"", 3090, 1665, 2700, 330}.tab(6),
    {Kind::Label, L"lblCopyrightWarning", L"CopyrightWarning:", 3090, 2055, 2700, 240},
    ControlLayout{Kind::TextBox, L"txtCopyrightWarning", L"", 3090, 2310, 2700, 630, {}, DefaultColor, DefaultColor,
                MultiLine}.tab(7),
    ControlLayout{Kind::CommandButton, L"cmdClear", L"Clear", 4350, 3030, 1455, 375}.tab(8),
};

const PageBinding bindings[] = {
    {L"ProductVersion", L"txtProductVersion"},
    {L"ProductName", L"txtProductName"},
    {L"ProductDescription", L"txtProductDescription"},
    {L"CopyrightWarning", L"txtCopyrightWarning"},
    {L"Copyright", L"txtCopyright"},
    {L"Mailto", L"txtMailto"},
    {L"WebsiteUrl", L"txtWebsiteUrl"},
    {L"AboutStyle", L"cboAbout", true},
};

}  // namespace

const branding::PageDefinition& ppageAboutBoxDesign::definition() {
    static const branding::PageDefinition definition{page, controls, bindings, L"cmdClear", L"Design"};
    return definition;
}

}  // namespace orvane
