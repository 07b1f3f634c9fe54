#include "frmOVMath.h"

#include "common/DisplayText.h"
#include "frame/OrvaneSuite_h.h"
#include "frame/automation/Runtime.h"

namespace orvane::demo {

namespace {

using namespace forms;

const FormLayout form{L"frmOVMath", L"Orvane Suite: OVMath", 6975, 7170,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

// Six printed lines of the form's font lie under the band, so the results start below it.
const ControlLayout controls[] = {
    rows::band(6975, 1095),
    rows::heading(L"Label1", L"OVMath Control", 240, 135, 5535, 390),
    rows::description(L"Label2", L"With the OVMath Control, you can easily obtain extensibility mathematical", 240,
                      570, 6495, 435),
    rows::closeButton(5520, 6630),
};

enum Argument { Ninety, NinetyAndThree, ZeroPointNine };

struct Line {
    const wchar_t* text;
    DISPID member;
    Argument argument;
};

// Inc and Dec show their Variant; the rest the text of a Double.
const Line lines[] = {
    {L"  Increment 90 is: ", DISPID_OVMath_Inc, Ninety},
    {L"  Decrement 90 is : ", DISPID_OVMath_Dec, Ninety},
    {L"  Floor 90 is: ", DISPID_OVMath_Floor, Ninety},
    {L"  Ceil 90 is: ", DISPID_OVMath_Ceil, Ninety},
    {L"  Log10 90 is: ", DISPID_OVMath_Log10, Ninety},
    {L"  LogX 90,3 is: ", DISPID_OVMath_LogX, NinetyAndThree},
    {L"  ABS Floor 90 is: ", DISPID_OVMath_AbsFloor, Ninety},
    {L"  ABS Ceil 90 is: ", DISPID_OVMath_AbsCeil, Ninety},
    {L"  Arc Sine 0.9 is: ", DISPID_OVMath_ASin, ZeroPointNine},
    {L"  Arc Cosine 0.9 is: ", DISPID_OVMath_ACos, ZeroPointNine},
    {L"  Arc Tangent 0.9 is: ", DISPID_OVMath_ATanH, ZeroPointNine},
    {L"  Arc Cotangent 90 is: ", DISPID_OVMath_ACot, Ninety},
    {L"  Arc Secant 90 is : ", DISPID_OVMath_ASec, Ninety},
    {L"  Arc Cosecant 90 is : ", DISPID_OVMath_ACsc, Ninety},
    {L"  Hyperbolic Sine 90 is: ", DISPID_OVMath_SinH, Ninety},
    {L"  Hyperbolic Cosine 90 is: ", DISPID_OVMath_CosH, Ninety},
    {L"  Hyperbolic Tangent 90 is: ", DISPID_OVMath_TanH, Ninety},
    {L"  Hyperbolic Cotangent 90 is: ", DISPID_OVMath_CotH, Ninety},
    {L"  Hyperbolic Secant 90 is: ", DISPID_OVMath_SecH, Ninety},
    {L"  Hyperbolic Cosecant 90 is: ", DISPID_OVMath_CscH, Ninety},
    {L"  Hyperbolic Arc Sine 90: ", DISPID_OVMath_ASinH, Ninety},
    {L"  Hyperbolic Arc Cosine 90 is: ", DISPID_OVMath_ACosH, Ninety},
    {L"  Hyperbolic Arc Cotangent 90 is: ", DISPID_OVMath_ACotH, Ninety},
    {L"  Hyperbolic Arc Secant 0.9 is: ", DISPID_OVMath_ASecH, ZeroPointNine},
    {L"  Hyperbolic Arc Cosecant 90 is: ", DISPID_OVMath_ACscH, Ninety},
};

std::vector<Variant> argumentsOf(Argument argument) {
    switch (argument) {
    case NinetyAndThree: return {integerValue(90), integerValue(3)};
    case ZeroPointNine: return {doubleValue(0.9)};
    default: return {integerValue(90)};
    }
}

void load(DemoForm& demo) {
    Form& form = demo.form();
    form.setAutoRedraw(true);
    for (int i = 0; i < 6; ++i) form.print();
    for (const std::wstring& line : mathDemoLines(demo.control())) form.print(line);
}

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({nullptr, Event::Load, [&demo](EventArgs&) { load(demo); }});
}

}  // namespace

std::vector<std::wstring> mathDemoLines(const LateBound& math) {
    std::vector<std::wstring> printed;
    for (const Line& line : lines) {
        Variant result = math.call(line.member, argumentsOf(line.argument));
        std::wstring text = line.member == DISPID_OVMath_Inc || line.member == DISPID_OVMath_Dec
                                ? displayText(*result.get())
                                : runtime::textOf(runtime::toDouble(*result.get())).c_str();
        printed.push_back(line.text + text);
    }
    return printed;
}

const DemoProgram mathDemo{L"OVMathDemo", form, controls, L"OVMath", false, handlers};

}  // namespace orvane::demo
