#include "frmOVHelp.h"

#include "frame/OrvaneSuite_h.h"

namespace orvane::demo {

namespace {

using namespace forms;

const FormLayout form{L"frmOVHelp", L"Orvane Suite: OVHelp", 7455, 4335,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

const ControlLayout controls[] = {
    rows::band(7455, 1215),
    rows::heading(L"Label1", L"OVHelp Control", 240, 120, 5535, 390),
    rows::description(L"Label2",
                      L"With the OVHelp Control, you can easily load a WinHelp(*.hlp) file or a HtmlHelp(*.chm) file "
                      L"in your application.",
                      240, 540, 6975, 555),
    ControlLayout{Kind::Frame, L"Frame1", L"Standard Help Files", 120, 1335, 7215, 1935, buttonFont},
    rows::label(L"Label3", L"Select a WinHelp(*.hlp) file:", 240, 330, 4335).inside(L"Frame1"),
    rows::textBox(L"txtHLP", L"c:\\windows\\help\\windows.hlp", 240, 585, 5295).inside(L"Frame1").tab(0),
    rows::button(L"cmdHLP", L"Run hlp", 5700, 555, 1335).inside(L"Frame1").tab(1),
    rows::label(L"Label4", L"Select a HtmlHelp(*.chm) file:", 240, 1080, 4335).inside(L"Frame1"),
    rows::textBox(L"txtCHM", L"c:\\windows\\help\\windows.chm", 240, 1335, 5295).inside(L"Frame1").tab(2),
    rows::button(L"cmdCHM", L"Run chm", 5700, 1305, 1335).inside(L"Frame1").tab(3),
    rows::label(L"Label5", L"For more information on help files, visit the Microsoft web site: http://www.microsoft.com",
                240, 3405, 5535, 435, WordWrap),
    rows::closeButton(6120, 3795).tab(4),
};

Variant windowOf(DemoForm& demo) {
    return longValue(static_cast<long>(reinterpret_cast<INT_PTR>(demo.form().hwnd())));
}

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({L"cmdCHM", Event::Click, [&demo](EventArgs&) {
                       demo.control().call(DISPID_OVHelp_RunHtmlHelp,
                                           {windowOf(demo), textValue(demo[L"txtCHM"].text()),
                                            longValue(ovHH_DISPLAY_TOPIC)});
                   }});
    map.push_back({L"cmdHLP", Event::Click, [&demo](EventArgs&) {
                       demo.control().call(DISPID_OVHelp_RunWinHelp,
                                           {windowOf(demo), textValue(demo[L"txtHLP"].text()),
                                            longValue(ovHELP_FORCEFILE)});
                   }});
}

}  // namespace

const DemoProgram helpDemo{L"OVHelpDemo", form, controls, L"OVHelp", false, handlers};

}  // namespace orvane::demo
