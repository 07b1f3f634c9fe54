#include "frmOVLocalSettings.h"

#include "common/ReadOut.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane::demo {

namespace {

using namespace forms;

const FormLayout form{L"frmOVLocalSettings", L"Orvane Suite: OVLocalSettings", 8535, 4935,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

constexpr rows::Grid left{120, 1275, 1935, 2055};
constexpr rows::Grid right{4440, 1275, 1935, 1815, 240};

const ControlLayout controls[] = {
    rows::band(8535, 1095),
    rows::heading(L"Label1", L"OVLocalSettings Control", 240, 135, 5535, 390),
    rows::description(L"Label2",
                      L"With the OVLocalSettings, you can easily obtain detailed information about Local Setting.", 240,
                      570, 8055, 435),
    left.caption(L"lblCountry", L"Country:", 0, 0),
    left.box(L"txtCountry", 0, 0).tab(0),
    left.caption(L"lblNative", L"Native Country Name:", 0, 1),
    left.box(L"txtNative", 0, 1).tab(1),
    left.caption(L"lblLangName", L"Language Name:", 0, 2),
    left.box(L"txtLangName", 0, 2).tab(2),
    left.caption(L"lblSysLangName", L"System Language Name:", 0, 3),
    left.box(L"txtSysLangName", 0, 3).tab(3),
    left.caption(L"lblSysLangID", L"System Language ID:", 0, 4),
    left.box(L"txtSysLangID", 0, 4).tab(4),
    left.caption(L"lblCurrency", L"Currency Specifier:", 0, 5),
    left.box(L"txtCurrency", 0, 5).tab(5),
    left.caption(L"lblDecimal", L"Decimal Specifier:", 0, 6),
    left.box(L"txtDecimal", 0, 6).tab(6),
    right.caption(L"lblThousand", L"Thousand Specifier:", 0, 0),
    right.box(L"txtThousand", 0, 0).tab(7),
    right.caption(L"lblPositive", L"Positive Sign:", 0, 1),
    right.box(L"txtPositive", 0, 1).tab(8),
    right.caption(L"lblNegative", L"Negative Sign:", 0, 2),
    right.box(L"txtNegative", 0, 2).tab(9),
    right.caption(L"lblNumber", L"Number Format:", 0, 3),
    right.box(L"txtNumber", 0, 3).tab(10),
    right.caption(L"lblTime", L"Time Format:", 0, 4),
    right.box(L"txtTime", 0, 4).tab(11),
    right.caption(L"lblData", L"Data Format:", 0, 5),
    right.box(L"txtData", 0, 5).tab(12),
    rows::closeButton(7200, 4395).tab(13),
};

// Read-only properties of the control.
const ReadOut readOuts[] = {
    {L"txtCountry", DISPID_OVLocaleSettings_Country},     {L"txtCurrency", DISPID_OVLocaleSettings_CurrencySpecifier},   {L"txtData", DISPID_OVLocaleSettings_DateFormat},
    {L"txtDecimal", DISPID_OVLocaleSettings_DecimalSpecifier},     {L"txtLangName", DISPID_OVLocaleSettings_LanguageName},   {L"txtNative", DISPID_OVLocaleSettings_NativeCountryName},
    {L"txtNegative", DISPID_OVLocaleSettings_NegativeSign},    {L"txtNumber", DISPID_OVLocaleSettings_NumberFormat},    {L"txtPositive", DISPID_OVLocaleSettings_PositiveSign},
    {L"txtSysLangID", DISPID_OVLocaleSettings_SysLanguageID},   {L"txtSysLangName", DISPID_OVLocaleSettings_SysLanguageName}, {L"txtThousand", DISPID_OVLocaleSettings_ThousandSpecifier},
    {L"txtTime", DISPID_OVLocaleSettings_TimeFormat},
};

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({nullptr, Event::Load, [&demo](EventArgs&) { fillReadOuts(demo, readOuts); }});
}

}  // namespace

const DemoProgram localSettingsDemo{L"OVLocalSettingsDemo", form, controls, L"OVLocaleSettings", false, handlers};

}  // namespace orvane::demo
