#include "frmOVDiskInfo.h"

#include "common/DisplayText.h"
#include "frame/OrvaneSuite_h.h"
#include "frame/automation/Runtime.h"

namespace orvane::demo {

namespace {

using namespace forms;
using rows::label;

const FormLayout form{L"frmOVDiskInfo", L"Orvane Suite: OVDiskInfo", 8295, 6435,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

// Inside Frame1: the general read-outs on the left, the eight tests on the right.
constexpr rows::Grid general{120, 330, 1335, 2535};
constexpr rows::Grid tests{4440, 330, 1335, 1215};

const ControlLayout controls[] = {
    rows::band(8295, 1335),
    rows::heading(L"Label1", L"OVDiskInfo Control", 240, 120, 5535, 390),
    rows::description(L"Label3",
                      L"This control can give detailed information about any drive on your system, even network "
                      L"drives.  From drive type to free space to cluster info, this control gives you it all.",
                      240, 540, 7815, 690),
    label(L"Label4", L"Select A Drive:", 240, 1515, 1455),
    ControlLayout{Kind::DriveListBox, L"Drive1", L"", 1695, 1470, 3015, 315, buttonFont}.tab(0),
    ControlLayout{Kind::Frame, L"Frame1", L"General Info:", 120, 1965, 8055, 3735, buttonFont},
    general.caption(L"lblVolume", L"Volume Name:", 0, 0).inside(L"Frame1"),
    general.box(L"txtVolume", 0, 0).inside(L"Frame1").tab(1),
    general.caption(L"lblType", L"Disk Type:", 0, 1).inside(L"Frame1"),
    general.box(L"txtType", 0, 1).inside(L"Frame1").tab(2),
    general.caption(L"lblFileSystem", L"File System:", 0, 2).inside(L"Frame1"),
    general.box(L"txtFileSystem", 0, 2).inside(L"Frame1").tab(3),
    general.caption(L"lblSerial", L"Serial Number:", 0, 3).inside(L"Frame1"),
    general.box(L"txtSerial", 0, 3).inside(L"Frame1").tab(4),
    general.caption(L"lblFreeSpace", L"Free Space:", 0, 4).inside(L"Frame1"),
    general.box(L"txtFreeSpace", 0, 4).inside(L"Frame1").tab(5),
    general.caption(L"lblTotalSpace", L"Total Space:", 0, 5).inside(L"Frame1"),
    general.box(L"txtTotalSpace", 0, 5).inside(L"Frame1").tab(6),
    tests.caption(L"lblISNTFS", L"NTFS:", 0, 0).inside(L"Frame1"),
    tests.box(L"txtISNTFS", 0, 0).inside(L"Frame1").tab(7),
    tests.caption(L"lblISFAT32", L"FAT32:", 0, 1).inside(L"Frame1"),
    tests.box(L"txtISFAT32", 0, 1).inside(L"Frame1").tab(8),
    tests.caption(L"lblISFAT16", L"FAT16:", 0, 2).inside(L"Frame1"),
    tests.box(L"txtISFAT16", 0, 2).inside(L"Frame1").tab(9),
    tests.caption(L"lblISCDROM", L"CD/DVD-ROM:", 0, 3).inside(L"Frame1"),
    tests.box(L"txtISCDROM", 0, 3).inside(L"Frame1").tab(10),
    tests.caption(L"lblISREMOVABLE", L"REMOVABLE:", 0, 4).inside(L"Frame1"),
    tests.box(L"txtISREMOVABLE", 0, 4).inside(L"Frame1").tab(11),
    tests.caption(L"lblISREMOTE", L"REMOTE:", 0, 5).inside(L"Frame1"),
    tests.box(L"txtISREMOTE", 0, 5).inside(L"Frame1").tab(12),
    tests.caption(L"lblISRAMDISK", L"RAMDISK:", 0, 6).inside(L"Frame1"),
    tests.box(L"txtISRAMDISK", 0, 6).inside(L"Frame1").tab(13),
    tests.caption(L"lblISFIXED", L"FIXED:", 0, 7).inside(L"Frame1"),
    tests.box(L"txtISFIXED", 0, 7).inside(L"Frame1").tab(14),
    rows::closeButton(6960, 5895).tab(15),
};

const wchar_t* const driveTypes[] = {L"Unknown Drive Type", L"Absent Drive",   L"Removable (Floppy/ZIP)",
                                     L"Fixed Hard Disk",    L"Remote Drive",   L"CD-ROM / DVD-ROM",
                                     L"RAM Drive"};

void refresh(DemoForm& demo) {
    const LateBound& disk = demo.control();
    disk.put(DISPID_OVDiskInfo_DriveName, textValue(runtime::left(demo[L"Drive1"].drive(), 2) + L"\\"));
    auto show = [&](const wchar_t* box, DISPID member) {
        demo[box].setText(displayText(*disk.call(member).get()));
    };
    show(L"txtVolume", DISPID_OVDiskInfo_VolumeName);
    long type = runtime::toLong(*disk.call(DISPID_OVDiskInfo_DriveType).get());
    if (type >= 0 && type <= 6) demo[L"txtType"].setText(driveTypes[type]);
    show(L"txtFileSystem", DISPID_OVDiskInfo_FileSystemName);
    show(L"txtSerial", DISPID_OVDiskInfo_SerialNumber);
    demo[L"txtFreeSpace"].setText(groupedText(*disk.call(DISPID_OVDiskInfo_FreeSpace).get()));
    demo[L"txtTotalSpace"].setText(groupedText(*disk.call(DISPID_OVDiskInfo_TotalSpace).get()));
    show(L"txtISCDROM", DISPID_OVDiskInfo_IsCDROM);
    show(L"txtISFAT16", DISPID_OVDiskInfo_IsFAT16);
    show(L"txtISFAT32", DISPID_OVDiskInfo_IsFAT32);
    show(L"txtISFIXED", DISPID_OVDiskInfo_IsFixed);
    show(L"txtISNTFS", DISPID_OVDiskInfo_IsNTFS);
    show(L"txtISRAMDISK", DISPID_OVDiskInfo_IsRamDisk);
    show(L"txtISREMOTE", DISPID_OVDiskInfo_IsRemote);
    show(L"txtISREMOVABLE", DISPID_OVDiskInfo_IsRemovable);
}

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({nullptr, Event::Load, [&demo](EventArgs&) { refresh(demo); }});
    map.push_back({L"Drive1", Event::Change, [&demo](EventArgs&) { refresh(demo); }});
}

}  // namespace

const DemoProgram diskInfoDemo{L"OVDiskInfoDemo", form, controls, L"OVDiskInfo", false, handlers};

}  // namespace orvane::demo
