#include "frmOVSplashScreen.h"

#include "frame/OrvaneSuite_h.h"

namespace orvane::demo {

namespace {

using namespace forms;

const FormLayout form{L"frmOVSplashScreen", L"Orvane Suite: OVSplashScreen", 4935, 5400,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

constexpr Color yellow = 0x0000FFFF, silver = 0x00C0C0C0, black = 0;
constexpr Font styleButtonFont = font(L"MS Sans Serif", 9.75, Bold);

ControlLayout styleButton(const wchar_t* name, const wchar_t* caption, double top) {
    return {Kind::CommandButton, name, caption, 360, top, 4290, 480, styleButtonFont};
}

const ControlLayout controls[] = {
    shape(L"Shape1", 0, 0, 5535, 1530, black),
    {Kind::Label, L"Label1", L"OVSplashScreen Control", 135, 120, 3450, 330, font(L"Arial", 14.25, Bold), yellow, black,
     AutoSize},
    {Kind::Label, L"Label2",
     L"Adding Splash Screens to your applications is easier than ever!  There's no need to create && manage forms  "
     L"that take up your valuable time... just set text, style, && drop in any graphics!",
     120, 480, 4665, 1020, font(L"Arial", 9.75, Bold), silver, black, WordWrap},
    {Kind::Label, L"Label3", L"(Note: After 5 second on the splash screen when done viewing.)", 240, 1560, 4545, 195,
     DefaultFormFont, sys::ButtonShadow, DefaultColor, AutoSize},
    styleButton(L"cmdStandard", L"View \"Standard Style\" Sample", 1905).tab(0),
    styleButton(L"cmdSerated", L"View \"Serated Style\" Sample", 2460).tab(1),
    styleButton(L"cmdThe98", L"View \"The 98 Look Style\" Sample", 3000).tab(2),
    styleButton(L"cmdThe2000", L"View \"The 2000 Style\" Sample", 3600).tab(3),
    styleButton(L"cmdOrvane", L"View \"Orvane Style\" Sample", 4200).tab(4),
    ControlLayout{Kind::CommandButton, L"cmdClose", L"&Close", 3060, 4800, 1590, 405, font(L"MS Sans Serif", 8.25, Bold)}
        .tab(5),
    timer(L"Timer1", 5000),
};

void showStyle(DemoForm& demo, long style) {
    demo[L"Timer1"].setInterval(5000);
    demo.control().put(DISPID_OVSplashScreen_SplashStyle, longValue(style));
    demo.control().call(DISPID_OVSplashScreen_ShowSplash);
}

void handlers(DemoForm& demo, HandlerMap& map) {
    struct Button {
        const wchar_t* name;
        long style;
    };
    static const Button buttons[] = {{L"cmdStandard", ovStandard}, {L"cmdSerated", ovSerated},
                                     {L"cmdThe98", ovThe98Look},   {L"cmdThe2000", ovThe2000Look},
                                     {L"cmdOrvane", ovOrvane}};
    for (const Button& button : buttons) {
        long style = button.style;
        map.push_back({button.name, Event::Click, [&demo, style](EventArgs&) { showStyle(demo, style); }});
    }
    // Ticks on for as long as the program runs, splash or no splash.
    map.push_back({L"Timer1", Event::Timer, [&demo](EventArgs&) { demo.control().call(DISPID_OVSplashScreen_HideSplash); }});
}

}  // namespace

const DemoProgram splashScreenDemo{L"OVSplashScreenDemo", form, controls, L"OVSplashScreen", true, handlers};

}  // namespace orvane::demo
