#include "frmOVMemory.h"

#include "common/ReadOut.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane::demo {

namespace {

using namespace forms;

const FormLayout form{L"frmOVMemory", L"Orvane Suite: OVMemory", 8535, 4530,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

constexpr rows::Grid left{120, 1470, 1935, 2055};
constexpr rows::Grid right{4440, 1470, 1935, 1815, 240};

const ControlLayout controls[] = {
    rows::band(8535, 1275),
    rows::heading(L"Label1", L"OVMemory Control", 240, 120, 5535, 390),
    rows::description(L"Label2",
                      L"With the OVMemory Control, you can easily obtain detailed information about system memory and "
                      L"virtual memory (swap file).",
                      240, 540, 8055, 630),
    left.caption(L"lblGeneric", L"AllocGranularity:", 0, 0).element(0),
    left.box(L"txtAllocationGranularity", 0, 0).tab(0),
    left.caption(L"lblGeneric", L"AvailablePageFile:", 0, 1).element(1),
    left.box(L"txtAvailablePageFile", 0, 1).tab(1),
    left.caption(L"lblGeneric", L"AvailablePhysical:", 0, 2).element(2),
    left.box(L"txtAvailablePhysical", 0, 2).tab(2),
    left.caption(L"lblGeneric", L"AvailableVirtual:", 0, 3).element(3),
    left.box(L"txtAvailableVirtual", 0, 3).tab(3),
    left.caption(L"lblGeneric", L"MaxApplicationAddress:", 0, 4).element(4),
    left.box(L"txtMaximumApplicationAddress", 0, 4).tab(4),
    left.caption(L"lblGeneric", L"MinApplicationAddress:", 0, 5).element(5),
    left.box(L"txtMinimumApplicationAddress", 0, 5).tab(5),
    right.caption(L"lblGeneric", L"PageSize:", 0, 0).element(6),
    right.box(L"txtPageSize", 0, 0).tab(6),
    right.caption(L"lblGeneric", L"TotalPageFile:", 0, 1).element(7),
    right.box(L"txtTotalPageFile", 0, 1).tab(7),
    right.caption(L"lblGeneric", L"TotalPhysical:", 0, 2).element(8),
    right.box(L"txtTotalPhysical", 0, 2).tab(8),
    right.caption(L"lblGeneric", L"TotalVirtual:", 0, 3).element(9),
    right.box(L"txtTotalVirtual", 0, 3).tab(9),
    right.caption(L"lblLength", L"Length:", 0, 4),
    right.box(L"txtLength", 0, 4).tab(10),
    right.caption(L"lblMemoryLoad", L"Memory Load:", 0, 5),
    right.box(L"txtMemoryLoad", 0, 5).tab(11),
    rows::closeButton(7200, 3990).tab(12),
};

const ReadOut readOuts[] = {
    {L"txtAllocationGranularity", DISPID_OVMemory_AllocationGranularity},    {L"txtAvailablePageFile", DISPID_OVMemory_AvailablePageFile},
    {L"txtAvailablePhysical", DISPID_OVMemory_AvailablePhysical},         {L"txtAvailableVirtual", DISPID_OVMemory_AvailableVirtual},
    {L"txtMaximumApplicationAddress", DISPID_OVMemory_MaximumApplicationAddress}, {L"txtMinimumApplicationAddress", DISPID_OVMemory_MinimumApplicationAddress},
    {L"txtPageSize", DISPID_OVMemory_PageSize},                 {L"txtTotalPageFile", DISPID_OVMemory_TotalPageFile},
    {L"txtTotalPhysical", DISPID_OVMemory_TotalPhysical},             {L"txtTotalVirtual", DISPID_OVMemory_TotalVirtual},
    {L"txtLength", DISPID_OVMemory_Length},                    {L"txtMemoryLoad", DISPID_OVMemory_MemoryLoad},
};

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({nullptr, Event::Load, [&demo](EventArgs&) { fillReadOuts(demo, readOuts, ReadOutFormat::Grouped); }});
}

}  // namespace

const DemoProgram memoryDemo{L"OVMemoryDemo", form, controls, L"OVMemory", false, handlers};

}  // namespace orvane::demo
