#include "frmOVAbout.h"

#include "frame/OrvaneSuite_h.h"

namespace orvane::demo {

namespace {

using namespace forms;

const FormLayout form{L"frmOVAbout", L"Orvane Suite: OVAboutBox", 5775, 2970,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::PlatformDefault};

constexpr Color yellow = 0x0000FFFF, silver = 0x00C0C0C0, black = 0;
const wchar_t* const styles[] = {L"Standard", L"Windows 2000"};

const ControlLayout controls[] = {
    shape(L"Shape1", 0, 0, 6930, 1665, black),
    {Kind::Label, L"Label3", L"OVAboutBox Control", 135, 120, 2880, 330, font(L"Arial", 14.25, Bold), yellow, black,
     AutoSize},
    {Kind::Label, L"Label1",
     L"With the OVAboutBox control, you can quickly insert About Box functionality into your application.  Select "
     L"from 'Standard' or 'Windows 2000' styles. also include a Design property page in this control",
     135, 480, 5610, 1140, font(L"Arial", 9.75, Bold), silver, black, WordWrap},
    rows::label(L"Label2", L"Choose a Style:", 180, 2010, 1110, 195, AutoSize),
    ControlLayout{Kind::ComboBox, L"cboStyle", L"", 1395, 1935, 1860, 315, buttonFont, DefaultColor, DefaultColor,
                DropDownList}
        .list(styles)
        .tab(0),
    rows::button(L"cmdShow", L"&Show AboutBox", 2190, 2445, 1710, 435).tab(1),
    ControlLayout{Kind::CommandButton, L"cmdClose", L"&Close", 3990, 2445, 1710, 435, font(L"MS Sans Serif", 8.25, Bold)}
        .tab(2),
};

void show(DemoForm& demo) {
    std::wstring chosen = demo[L"cboStyle"].text();
    long style;
    if (chosen == L"Standard") style = ovAboutStandard;
    else if (chosen == L"Windows 2000") style = ovAbout2000;
    else return;
    demo.control().put(DISPID_OVAboutBox_AboutStyle, longValue(style));
    demo.control().call(DISPID_OVAboutBox_ShowAbout);
}

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({nullptr, Event::Load, [&demo](EventArgs&) { demo[L"cboStyle"].setListIndex(0); }});
    map.push_back({L"cmdShow", Event::Click, [&demo](EventArgs&) { show(demo); }});
}

}  // namespace

const DemoProgram aboutBoxDemo{L"OVAboutBoxDemo", form, controls, L"OVAboutBox", true, handlers};

}  // namespace orvane::demo
