#include "frmOVExtractIcon.h"

#include "frame/forms/Program.h"
#include "frame/base/Errors.h"
#include "frame/OrvaneSuite_h.h"
#include "frame/automation/Runtime.h"

namespace orvane::demo {

namespace {

using namespace forms;
using rows::label;

const FormLayout form{L"frmOVExtractIcon", L"Orvane Suite: OVExtractIcon", 8295, 6375,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

const ControlLayout controls[] = {
    rows::band(8295, 1335),
    rows::heading(L"Label1", L"OVExtractIcon Control", 240, 120, 5535, 390),
    rows::description(L"Label2",
                      L"Extract icons from ICO, EXE, DLL, OCX, and CPL files (or any other file with Windows icon "
                      L"resources embedded in them). Allow extract icon 16x16 to 128x128 !",
                      240, 540, 7815, 690),
    label(L"Label3", L"Select A Drive, Folder, and File:", 240, 1485, 3735),
    ControlLayout{Kind::DriveListBox, L"Drive1", L"", 240, 1755, 3735, 315, buttonFont}.tab(0),
    ControlLayout{Kind::DirListBox, L"Dir1", L"", 240, 2145, 3735, 1710, buttonFont}.tab(1),
    ControlLayout{Kind::FileListBox, L"File1", L"", 240, 3930, 3735, 1710, buttonFont}
        .files(L"*.exe;*.dll;*.ico;*.ocx;*.cpl")
        .tab(2),
    ControlLayout{Kind::Frame, L"Frame1", L"Icon Viewer:", 4200, 1440, 3975, 4200, buttonFont},
    ControlLayout{Kind::PictureBox, L"picIconDrawingArea", L"", 1125, 360, 1725, 1725, buttonFont, DefaultColor,
                sys::Window, Border}
        .inside(L"Frame1"),
    ControlLayout{Kind::HScrollBar, L"IconScroll", L"", 240, 2280, 3495, 255}.inside(L"Frame1").tab(3).range(0, 0, 0),
    label(L"lblIconIndex", L"Icon #?", 240, 2655, 3495, 255, AlignCenter).inside(L"Frame1"),
    label(L"lblIconsCount", L"No File Selected.", 240, 3000, 3495, 855, AlignCenter | WordWrap).inside(L"Frame1"),
    rows::closeButton(6960, 5835).tab(4),
};

void drawIcon(DemoForm& demo) {
    // Errors are ignored here: the label and the cleared box stay as they are.
    FormControl& scroll = demo[L"IconScroll"];
    FormControl& picture = demo[L"picIconDrawingArea"];
    demo[L"lblIconIndex"].setText(L"Icon #" + std::to_wstring(scroll.value()));
    picture.cls();
    try {
        HDC dc = picture.hdc();
        demo.control().call(DISPID_OVExtractIcon_Extract,
                            {longValue(scroll.value()), longValue(ov32x32),
                             longValue(static_cast<long>(reinterpret_cast<INT_PTR>(dc))), longValue(1), longValue(1)});
    } catch (const RuntimeError&) {
    }
    picture.refresh();
}

void fileChosen(DemoForm& demo) {
    FormControl& files = demo[L"File1"];
    demo.control().put(DISPID_OVExtractIcon_FileName, textValue(files.path() + L"\\" + files.fileName()));
    long count = runtime::toLong(*demo.control().call(DISPID_OVExtractIcon_Count).get());
    FormControl& scroll = demo[L"IconScroll"];
    if (count > 0) {
        demo[L"lblIconsCount"].setText(L"Specify the Icon you want to display (1 to " + std::to_wstring(count) + L"):");
        scroll.setMaximum(runtime::narrowToInteger(count));
        scroll.setValue(1);
        scroll.setEnabled(true);
        drawIcon(demo);
    } else {
        // The scroll bar first: moving it to 0 would otherwise number the empty box.
        scroll.setMaximum(0);
        scroll.setValue(0);
        scroll.setEnabled(false);
        demo[L"lblIconsCount"].setText(L"No Icons Found!");
        demo[L"lblIconIndex"].setText(L"Icon #?");
        demo[L"picIconDrawingArea"].cls();
        demo[L"picIconDrawingArea"].refresh();
    }
}

void driveChosen(DemoForm& demo) {
    try {
        demo[L"Dir1"].setPath(runtime::left(demo[L"Drive1"].drive(), 1) + L":");
    } catch (const RuntimeError&) {
        msgBox(L"Drive not available (Or isn't ready)", MB_OK | MB_ICONINFORMATION, L"Drive Not Ready");
        return;
    }
    demo[L"File1"].setPath(demo[L"Dir1"].path());
}

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({nullptr, Event::Load, [&demo](EventArgs&) { demo[L"IconScroll"].setEnabled(false); }});
    map.push_back({L"Drive1", Event::Change, [&demo](EventArgs&) { driveChosen(demo); }});
    map.push_back({L"Dir1", Event::Change, [&demo](EventArgs&) { demo[L"File1"].setPath(demo[L"Dir1"].path()); }});
    map.push_back({L"File1", Event::Click, [&demo](EventArgs&) { fileChosen(demo); }});
    map.push_back({L"IconScroll", Event::Change, [&demo](EventArgs&) { drawIcon(demo); }});
}

}  // namespace

const DemoProgram extractIconDemo{L"OVExtractIconDemo", form, controls, L"OVExtractIcon", false, handlers};

}  // namespace orvane::demo
