#include "frmOVMath.h"

#include "common/DisplayText.h"
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
    int member;
    Argument argument;
};

// Inc and Dec show their Variant; the rest the text of a Double.
const Line lines[] = {
    {L"  Increment 90 is: ", 0, Ninety},
    {L"  Decrement 90 is : ", 1, Ninety},
    {L"  Floor 90 is: ", 5, Ninety},
    {L"  Ceil 90 is: ", 4, Ninety},
    {L"  Log10 90 is: ", 2, Ninety},
    {L"  LogX 90,3 is: ", 3, NinetyAndThree},
    {L"  ABS Floor 90 is: ", 7, Ninety},
    {L"  ABS Ceil 90 is: ", 6, Ninety},
    {L"  Arc Sine 0.9 is: ", 8, ZeroPointNine},
    {L"  Arc Cosine 0.9 is: ", 9, ZeroPointNine},
    {L"  Arc Tangent 0.9 is: ", 21, ZeroPointNine},
    {L"  Arc Cotangent 90 is: ", 10, Ninety},
    {L"  Arc Secant 90 is : ", 11, Ninety},
    {L"  Arc Cosecant 90 is : ", 12, Ninety},
    {L"  Hyperbolic Sine 90 is: ", 13, Ninety},
    {L"  Hyperbolic Cosine 90 is: ", 14, Ninety},
    {L"  Hyperbolic Tangent 90 is: ", 15, Ninety},
    {L"  Hyperbolic Cotangent 90 is: ", 16, Ninety},
    {L"  Hyperbolic Secant 90 is: ", 17, Ninety},
    {L"  Hyperbolic Cosecant 90 is: ", 18, Ninety},
    {L"  Hyperbolic Arc Sine 90: ", 19, Ninety},
    {L"  Hyperbolic Arc Cosine 90 is: ", 20, Ninety},
    {L"  Hyperbolic Arc Cotangent 90 is: ", 22, Ninety},
    {L"  Hyperbolic Arc Secant 0.9 is: ", 23, ZeroPointNine},
    {L"  Hyperbolic Arc Cosecant 90 is: ", 24, Ninety},
};

constexpr int Inc = 0, Dec = 1;

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
        Variant result = math.call(method(line.member), argumentsOf(line.argument));
        std::wstring text = line.member == Inc || line.member == Dec
                                ? displayText(*result.get())
                                : runtime::textOf(runtime::toDouble(*result.get())).c_str();
        printed.push_back(line.text + text);
    }
    return printed;
}

const DemoProgram mathDemo{L"OVMathDemo", form, controls, L"OVMath", false, handlers};

}  // namespace orvane::demo
