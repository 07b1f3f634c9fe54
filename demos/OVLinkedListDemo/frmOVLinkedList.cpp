#include "frmOVLinkedList.h"

#include "common/DisplayText.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane::demo {

namespace {

using namespace forms;
using rows::button;
using rows::label;
using rows::textBox;

const FormLayout form{L"frmOVLinkedList", L"Orvane Suite: OVLinkedList", 6375, 3915,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

const ControlLayout controls[] = {
    rows::band(6375, 1095),
    rows::heading(L"Label1", L"OVLinkedList Control", 240, 135, 5535, 390),
    rows::description(L"Label2",
                      L"With the OVLinkedList Control, you can easily  nonlinear optimization values in memory.", 240,
                      570, 5895, 435),
    ControlLayout{Kind::Frame, L"Frame1", L"[Values]", 120, 1260, 6135, 1995, buttonFont},
    label(L"Label3", L"Add values:", 240, 405, 1215).inside(L"Frame1"),
    textBox(L"txtAdd", L"", 1575, 360, 2895).inside(L"Frame1").tab(0),
    button(L"cmdAdd", L"Add to List", 4635, 330, 1335).inside(L"Frame1").tab(1),
    label(L"Label4", L"List Count:", 240, 900, 1215).inside(L"Frame1"),
    textBox(L"txtCount", L"", 1575, 855, 1095).inside(L"Frame1").tab(2),
    button(L"cmdRemoveAll", L"Remove All", 4635, 1380, 1335).inside(L"Frame1").tab(3),
    rows::closeButton(5040, 3405).tab(4),
};

void showCount(DemoForm& demo) { demo[L"txtCount"].setText(displayText(*demo.control().call(DISPID_OVLinkedList_Count).get())); }

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({L"cmdAdd", Event::Click, [&demo](EventArgs&) {
                       // Neither Before nor After: appended.
                       demo.control().call(DISPID_OVLinkedList_Add, {textValue(demo[L"txtAdd"].text())});
                       showCount(demo);
                       demo[L"txtAdd"].setText(L"");
                   }});
    map.push_back({L"cmdRemoveAll", Event::Click, [&demo](EventArgs&) {
                       demo.control().call(DISPID_OVLinkedList_RemoveAll);
                       showCount(demo);
                   }});
}

}  // namespace

const DemoProgram linkedListDemo{L"OVLinkedListDemo", form, controls, L"OVLinkedList", false, handlers};

}  // namespace orvane::demo
