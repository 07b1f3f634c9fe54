#include "frmOVWinVersion.h"

#include "common/ReadOut.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane::demo {

namespace {

using namespace forms;

const FormLayout form{L"frmOVWinVersion", L"Orvane Suite: OVWinVersion", 7935, 5655,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

constexpr rows::Grid left{120, 1275, 1695, 2055};
constexpr rows::Grid right{4200, 1275, 1455, 1215};

const ControlLayout controls[] = {
    rows::band(7935, 1095),
    rows::heading(L"Label1", L"OVWinVersion Control", 240, 135, 5535, 390),
    rows::description(L"Label2", L"Obtain detailed Windows version information.", 240, 570, 7455, 435),
    left.caption(L"lblPlatform", L"Operating Platform:", 0, 0),
    left.box(L"txtPlatform", 0, 0).tab(0),
    left.caption(L"lblSystem", L"Operating System:", 0, 1),
    left.box(L"txtSystem", 0, 1).tab(1),
    left.caption(L"lblMajor", L"Major Version:", 0, 2),
    left.box(L"txtMajor", 0, 2).tab(2),
    left.caption(L"lblMinor", L"Minor Version:", 0, 3),
    left.box(L"txtMinor", 0, 3).tab(3),
    left.caption(L"lblBuild", L"Build Number:", 0, 4),
    left.box(L"txtBuild", 0, 4).tab(4),
    left.caption(L"lblExtraInfo", L"Extra Info.:", 0, 5),
    left.box(L"txtExtraInfo", 0, 5).tab(5),
    right.caption(L"lblWin32", L"Windows 32:", 0, 0),
    right.box(L"txtWin32", 0, 0).tab(6),
    right.caption(L"lblWin95", L"Windows95:", 0, 1),
    right.box(L"txtWin95", 0, 1).tab(7),
    right.caption(L"lblWin98", L"Windows98:", 0, 2),
    right.box(L"txtWin98", 0, 2).tab(8),
    right.caption(L"lblWinME", L"WindowsME:", 0, 3),
    right.box(L"txtWinME", 0, 3).tab(9),
    right.caption(L"lblWinNT", L"WindowsNT:", 0, 4),
    right.box(L"txtWinNT", 0, 4).tab(10),
    right.caption(L"lblWin2K", L"Windows 2K:", 0, 5),
    right.box(L"txtWin2K", 0, 5).tab(11),
    right.caption(L"lblWinXP", L"WindowsXP:", 0, 6),
    right.box(L"txtWinXP", 0, 6).tab(12),
    rows::closeButton(6600, 5115).tab(13),
};

const ReadOut readOuts[] = {
    {L"txtPlatform", DISPID_OVWinVersion_OperatingPlatform}, {L"txtMajor", DISPID_OVWinVersion_MajorVersion},  {L"txtMinor", DISPID_OVWinVersion_MinorVersion},  {L"txtBuild", DISPID_OVWinVersion_BuildNumber},
    {L"txtExtraInfo", DISPID_OVWinVersion_ExtraInfo}, {L"txtWin2K", DISPID_OVWinVersion_IsWindows2K}, {L"txtWin32", DISPID_OVWinVersion_IsWindows32},  {L"txtWin95", DISPID_OVWinVersion_IsWindows95},
    {L"txtWin98", DISPID_OVWinVersion_IsWindows98},   {L"txtWinME", DISPID_OVWinVersion_IsWindowsME}, {L"txtWinNT", DISPID_OVWinVersion_IsWindowsNT}, {L"txtWinXP", DISPID_OVWinVersion_IsWindowsXP},
    {L"txtSystem", DISPID_OVWinVersion_OperatingSystem},
};

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({nullptr, Event::Load, [&demo](EventArgs&) { fillReadOuts(demo, readOuts); }});
}

}  // namespace

const DemoProgram winVersionDemo{L"OVWinVersionDemo", form, controls, L"OVWinVersion", false, handlers};

}  // namespace orvane::demo
