#include "OVFolderSelect.h"

#include "common/DisplayText.h"
#include "frame/OrvaneSuite_h.h"
#include "frame/base/Errors.h"
#include "frame/automation/Runtime.h"

namespace orvane::demo {

namespace {

using namespace forms;

const FormLayout form{L"OVFolderSelect", L"Orvane Suite: OVFolderSelect", 7455, 4155,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

struct Entry {
    const wchar_t* text;
    long root;
};
const Entry entries[] = {
    {L"Application Data", ovApplicationData}, {L"Cookies", ovCookies},         {L"Drives", ovDrives},
    {L"Favorites", ovFavorites},              {L"History", ovHistory},         {L"Internet Cache", ovInternetCache},
    {L"My Document", ovMyDocument},           {L"Network", ovNetwork},         {L"Printers", ovPrinters},
    {L"Print Hood", ovPrintHood},             {L"Programs", ovPrograms},       {L"Recent", ovRecent},
    {L"Send To", ovSendTo},                   {L"Start Menu", ovStartMenu},    {L"Templates", ovTemplates},
};
const wchar_t* const entryTexts[] = {
    L"Application Data", L"Cookies", L"Drives",   L"Favorites", L"History", L"Internet Cache", L"My Document",
    L"Network",          L"Printers", L"Print Hood", L"Programs", L"Recent", L"Send To",        L"Start Menu",
    L"Templates",
};

const ControlLayout controls[] = {
    rows::band(7455, 1335),
    rows::heading(L"Label1", L"OVFolderSelect Class", 240, 120, 5535, 390),
    rows::description(L"Label2",
                      L"Let your users browse drives && folders, network paths, printers, and network computers with "
                      L"this control.  This dialog control is easy to use, and integrating it into your applications "
                      L"is a snap!",
                      240, 540, 6975, 690),
    rows::label(L"Label3", L"Select Folder:", 240, 1530, 2055),
    ControlLayout{Kind::ComboBox, L"cboSel", L"click here", 240, 1785, 2775, 315, buttonFont}.list(entryTexts).tab(0),
    rows::label(L"Label4", L"The User Selected:", 240, 2310, 2055),
    rows::textBox(L"txtUser", L"", 240, 2565, 6975).tab(1),
    rows::label(L"Label5", L"Physical Location:", 240, 3000, 2055),
    rows::textBox(L"txtPhys", L"", 240, 3255, 6975).tab(2),
    rows::closeButton(6000, 3660).tab(3),
};

// The form's OVFolderSelect object, created at its first use.
const LateBound& folderSelect(DemoForm& demo) {
    LateBound& object = demo.variable(L"folderSelect");
    if (!object) {
        ComPtr<IDispatch> dispatch;
        ComPtr<IUnknown> instance = createInstance(L"TVOrvaneSuite.OVFolderSelect");
        if (FAILED(instance->QueryInterface(IID_IDispatch, dispatch.putVoid()))) raise(error::ObjectNotSet);
        object = LateBound(dispatch);
    }
    return object;
}

void chosen(DemoForm& demo) {
    for (const Entry& entry : entries) {
        // Each comparison reads the combo box's text again.
        if (demo[L"cboSel"].text() != entry.text) continue;
        Variant result = folderSelect(demo).call(DISPID_OVFolderSelect_FolderSelect,
                                             {longValue(entry.root), textValue(L"Please choose a folder.")});
        LateBound& choices = demo.variable(L"choices");
        choices = objectIn(result);
        // Every earlier choice is still in the collection: the boxes end on the latest.
        long count = runtime::toLong(*choices.get(DISPID_OVFolderSelectValues_Count).get());
        for (long i = 1; i <= count; ++i) {
            Variant record = choices.call(DISPID_OVFolderSelectValues_Item, {longValue(i)});
            LateBound value = objectIn(record);
            demo[L"txtPhys"].setText(displayText(*value.get(DISPID_OVFolderSelectValue_PhysicalLocation).get()));
            demo[L"txtUser"].setText(displayText(*value.get(DISPID_OVFolderSelectValue_TheUserSelected).get()));
        }
        return;
    }
}

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({L"cboSel", Event::Click, [&demo](EventArgs&) { chosen(demo); }});
}

}  // namespace

const DemoProgram folderSelectDemo{L"OVFolderSelectDemo", form, controls, nullptr, false, handlers};

}  // namespace orvane::demo
