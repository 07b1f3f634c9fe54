#include "frmOVPower.h"

#include "common/ReadOut.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane::demo {

namespace {

using namespace forms;

const FormLayout form{L"frmOVPower", L"Orvane Suite: OVPower", 8535, 5265,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

constexpr rows::Grid grid{120, 1455, 2415, 1335};

const ControlLayout controls[] = {
    rows::band(8535, 1215),
    rows::heading(L"Label1", L"OVPower Control", 240, 120, 5535, 390),
    rows::description(L"Label2",
                      L"Monitor battery power levels in laptop computers, and invoke suspend && hibernate modes with "
                      L"easy to use method and events.",
                      240, 540, 8055, 555),
    grid.caption(L"lblAC", L"AC Power Exists:", 0, 0),
    grid.box(L"txtAC", 0, 0).tab(0),
    grid.caption(L"lblCharging", L"Battery Is Charging:", 0, 1),
    grid.box(L"txtCharging", 0, 1).tab(1),
    grid.caption(L"lblCritical", L"Battery Is Critical:", 0, 2),
    grid.box(L"txtCritical", 0, 2).tab(2),
    grid.caption(L"lblFull", L"Battery Is Full:", 0, 3),
    grid.box(L"txtFull", 0, 3).tab(3),
    grid.caption(L"lblHiber", L"Hiber File Persent:", 0, 4),
    grid.box(L"txtHiber", 0, 4).tab(4),
    grid.caption(L"lblHibernate", L"Is Power Hibernate Allowed:", 0, 5),
    grid.box(L"txtHibernate", 0, 5).tab(5),
    grid.caption(L"lblLow", L"Battery Is Low:", 0, 6),
    grid.box(L"txtLow", 0, 6).tab(6),
    grid.caption(L"lblPower", L"Power Button Present:", 1, 0),
    grid.box(L"txtPower", 1, 0).tab(7),
    grid.caption(L"lblShutDown", L"Is Power ShutDown Allowed:", 1, 1),
    grid.box(L"txtShutDown", 1, 1).tab(8),
    grid.caption(L"lblSleep", L"Sleep Button Present:", 1, 2),
    grid.box(L"txtSleep", 1, 2).tab(9),
    grid.caption(L"lblSpin", L"Disk Spin Down:", 1, 3),
    grid.box(L"txtSpin", 1, 3).tab(10),
    grid.caption(L"lblSuspend", L"Is Power Suspend:", 1, 4),
    grid.box(L"txtSuspend", 1, 4).tab(11),
    grid.caption(L"lblThermal", L"Thermal Control:", 1, 5),
    grid.box(L"txtThermal", 1, 5).tab(12),
    grid.caption(L"lblWake", L"Wake Support:", 1, 6),
    grid.box(L"txtWake", 1, 6).tab(13),
    rows::button(L"cmdHibernate", L"Hibernate", 240, 4725, 1455).tab(14),
    rows::button(L"cmdSuspend", L"Suspend", 1815, 4725, 1455).tab(15),
    rows::closeButton(7200, 4725).tab(16),
};

const ReadOut readOuts[] = {
    {L"txtAC", DISPID_OVPower_ACPowerExists},        {L"txtCharging", DISPID_OVPower_BatteryIsCharging}, {L"txtCritical", DISPID_OVPower_BatteryIsCritical},
    {L"txtFull", DISPID_OVPower_BatteryIsFull},     {L"txtHiber", DISPID_OVPower_HiberFilePresent},     {L"txtHibernate", DISPID_OVPower_IsPowerHibernateAllowed},
    {L"txtLow", DISPID_OVPower_BatteryIsLow},       {L"txtPower", DISPID_OVPower_PowerButtonPresent},     {L"txtShutDown", DISPID_OVPower_IsPowerShutdownAllowed},
    {L"txtSleep", DISPID_OVPower_SleepButtonPresent},     {L"txtSpin", DISPID_OVPower_DiskSpinDown},      {L"txtSuspend", DISPID_OVPower_IsPowerSuspendAllowed},
    {L"txtThermal", DISPID_OVPower_ThermalControl},   {L"txtWake", DISPID_OVPower_WakeSupport},
};

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({nullptr, Event::Load, [&demo](EventArgs&) { fillReadOuts(demo, readOuts); }});
    // Neither refreshes the read-outs.
    map.push_back({L"cmdHibernate", Event::Click, [&demo](EventArgs&) { demo.control().call(DISPID_OVPower_Hibernate); }});
    map.push_back({L"cmdSuspend", Event::Click, [&demo](EventArgs&) { demo.control().call(DISPID_OVPower_Suspend); }});
}

}  // namespace

const DemoProgram powerDemo{L"OVPowerDemo", form, controls, L"OVPower", false, handlers};

}  // namespace orvane::demo
