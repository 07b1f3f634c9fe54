#include "frmOVStack.h"

#include "common/DisplayText.h"
#include "frame/OrvaneSuite_h.h"
#include "frame/forms/Program.h"
#include "frame/automation/Runtime.h"

namespace orvane::demo {

namespace {

using namespace forms;
using rows::button;
using rows::label;
using rows::textBox;

const FormLayout form{L"frmOVStack", L"Orvane Suite: OVStack", 6375, 4470,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

const ControlLayout controls[] = {
    rows::band(6375, 1095),
    rows::heading(L"Label1", L"OVStack Control", 240, 135, 5535, 390),
    rows::description(L"Label3", L"This control can give push,pop,peek values in to memory.", 240, 570, 5895, 435),
    label(L"Label2", L"Push a value in stack:", 240, 1365, 1935),
    textBox(L"txtPush", L"", 2295, 1320, 2415).tab(0),
    button(L"cmdPush", L"Push", 4875, 1290, 1215).tab(1),
    label(L"Label5", L"Pop a value in stack:", 240, 1860, 1935),
    textBox(L"txtPop", L"", 2295, 1815, 2415).tab(2),
    button(L"cmdPop", L"Pop", 4875, 1785, 1215).tab(3),
    label(L"Label6", L"Peek a value in stack: ", 240, 2355, 1935),
    textBox(L"txtPeek", L"", 2295, 2310, 2415).tab(4),
    button(L"cmdPeek", L"Peek", 4875, 2280, 1215).tab(5),
    label(L"Label4", L"Item Count:", 240, 2850, 1935),
    textBox(L"txtCount", L"", 2295, 2805, 1095).tab(6),
    label(L"Label7", L"* Stack:  store LIFO (last in first out)                 method value in memory.", 240, 3360,
          5895, 435, WordWrap),
    rows::closeButton(4875, 3930).tab(7),
};

void showCount(DemoForm& demo) { demo[L"txtCount"].setText(displayText(*demo.control().call(DISPID_OVStack_Count).get())); }

// Pop and Peek: on an empty stack a message box and nothing else changes.
void take(DemoForm& demo, DISPID member, const wchar_t* box) {
    if (runtime::equals(*demo.control().call(DISPID_OVStack_Count).get(), *longValue(0).get())) {
        msgBox(L"Stack is Empty.", MB_OK | MB_ICONINFORMATION, L"Empty...");
        return;
    }
    demo[box].setText(displayText(*demo.control().call(member).get()));
    showCount(demo);
}

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({L"cmdPush", Event::Click, [&demo](EventArgs&) {
                       demo.control().call(DISPID_OVStack_Push, {textValue(demo[L"txtPush"].text())});
                       demo[L"txtPush"].setText(L"");
                       showCount(demo);
                   }});
    map.push_back({L"cmdPop", Event::Click, [&demo](EventArgs&) { take(demo, DISPID_OVStack_Pop, L"txtPop"); }});
    map.push_back({L"cmdPeek", Event::Click, [&demo](EventArgs&) { take(demo, DISPID_OVStack_Peek, L"txtPeek"); }});
}

}  // namespace

const DemoProgram stackDemo{L"OVStackDemo", form, controls, L"OVStack", false, handlers};

}  // namespace orvane::demo
