#include "frmOVScreenModes.h"

#include "common/DisplayText.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane::demo {

namespace {

using namespace forms;

const FormLayout form{L"frmOVScreenModes", L"Orvane Suite: OVScreenModes", 6615, 3990,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

constexpr rows::Grid grid{120, 1395, 1215, 1335};

const wchar_t* const modes[] = {L"640 x 480", L"800 x 600", L"1024 x 768", L"1280 x 1024", L"1600 x 1200"};

const ControlLayout controls[] = {
    rows::band(6615, 1215),
    rows::heading(L"Label1", L"OVScreenModes Control", 240, 120, 5535, 390),
    rows::description(L"Label2",
                      L"Obtain information about every screen mode available to the display adapter, and switch "
                      L"screen modes \"on the fly\".",
                      240, 540, 6135, 555),
    grid.caption(L"lblBits", L"Color bits: ", 0, 0),
    grid.box(L"txtbit", 0, 0).tab(0),
    grid.caption(L"lblHeight", L"Height:", 0, 1),
    grid.box(L"txtHeight", 0, 1).tab(1),
    grid.caption(L"lblWidth", L"Width:", 0, 2),
    grid.box(L"txtWidth", 0, 2).tab(2),
    rows::label(L"lblGeneral", L"Screen Modes :", 3240, 1440, 2055),
    ControlLayout{Kind::ComboBox, L"cboModes", L"", 3240, 1800, 2055, 315, buttonFont, DefaultColor, DefaultColor,
                DropDownList}
        .list(modes)
        .tab(3),
    rows::closeButton(5280, 3450).tab(4),
};

void showSize(DemoForm& demo) {
    demo[L"txtHeight"].setText(displayText(*demo.control().call(DISPID_OVScreenModes_ScreenHeight).get()));
    demo[L"txtWidth"].setText(displayText(*demo.control().call(DISPID_OVScreenModes_ScreenWidth).get()));
}

void modeChosen(DemoForm& demo) {
    std::wstring chosen = demo[L"cboModes"].text();
    for (long position = 0; position < static_cast<long>(std::size(modes)); ++position) {
        if (chosen != modes[position]) continue;
        // The result is not looked at: the read-outs show what the display took.
        demo.control().call(DISPID_OVScreenModes_ChangeDisplay, {longValue(position)});
        showSize(demo);
        return;
    }
}

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({nullptr, Event::Load, [&demo](EventArgs&) {
                       demo[L"txtbit"].setText(displayText(*demo.control().call(DISPID_OVScreenModes_ColorBits).get()) + L"bits");
                       showSize(demo);
                   }});
    map.push_back({L"cboModes", Event::Click, [&demo](EventArgs&) { modeChosen(demo); }});
}

}  // namespace

const DemoProgram screenModesDemo{L"OVScreenModesDemo", form, controls, L"OVScreenModes", false, handlers};

}  // namespace orvane::demo
