#include "frmOVHyperLink.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane::demo {

namespace {

using namespace forms;

// The maker's addresses.
constexpr const wchar_t* website = L"http://www.tarvello.example";
constexpr const wchar_t* supportMail = L"support@tarvello.example";

const FormLayout form{L"frmOVHyperLink", L"Orvane Suite: OVHyperLink", 6615, 3195,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

constexpr Color linkFont = 0;

const ControlLayout controls[] = {
    rows::band(6615, 1215),
    rows::heading(L"Label1", L"OVHyperLink Control", 240, 120, 5535, 390),
    rows::description(L"Label2",
                      L"With the OVHyperLink, you can easily create a link to e-mail or to a webpage in your "
                      L"application.",
                      240, 540, 6135, 555),
    rows::label(L"Label3", L"URL:", 240, 1530, 855, 255, AlignRight),
    ControlLayout{Kind::Label, L"lblWebsite", website, 1215, 1530, 5175, 255, font(L"MS Sans Serif", 8.25, Underline),
                linkFont},
    rows::label(L"Label4", L"E-mail:", 240, 1935, 855, 255, AlignRight),
    ControlLayout{Kind::Label, L"lblEMail", supportMail, 1215, 1935, 5175, 255, font(L"MS Sans Serif", 8.25, Underline),
                linkFont},
    rows::closeButton(5280, 2655).tab(0),
};

constexpr Color hover = 0xFF0000;

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({L"lblWebsite", Event::Click, [&demo](EventArgs&) {
                       demo.control().call(DISPID_OVHyperLink_GoUrl, {textValue(website)});
                   }});
    map.push_back({L"lblEMail", Event::Click, [&demo](EventArgs&) {
                       demo.control().call(DISPID_OVHyperLink_SendMail, {textValue(supportMail)});
                   }});
    map.push_back({L"lblWebsite", Event::MouseMove, [&demo](EventArgs&) { demo[L"lblWebsite"].setForeColor(hover); }});
    map.push_back({L"lblEMail", Event::MouseMove, [&demo](EventArgs&) { demo[L"lblEMail"].setForeColor(hover); }});
    map.push_back({nullptr, Event::MouseMove, [&demo](EventArgs&) {
                       demo[L"lblWebsite"].setForeColor(0);
                       demo[L"lblEMail"].setForeColor(0);
                   }});
}

}  // namespace

const DemoProgram hyperLinkDemo{L"OVHyperLinkDemo", form, controls, L"OVHyperLink", false, handlers};

}  // namespace orvane::demo
