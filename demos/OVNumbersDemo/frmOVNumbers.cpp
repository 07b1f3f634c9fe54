#include "frmOVNumbers.h"

#include <iterator>

#include "common/DisplayText.h"
#include "frame/OrvaneSuite_h.h"
#include "frame/automation/Runtime.h"

namespace orvane::demo {

namespace {

using namespace forms;
using rows::button;
using rows::label;
using rows::textBox;

const wchar_t* const conversions[] = {L"BinToDec", L"BinToHex", L"BinToOct", L"DecToBin", L"DecToHex", L"DecToOct",
                                      L"HexToBin", L"HexToDec", L"HexToOct", L"OctToBin", L"OctToDec", L"OctToHex"};
const wchar_t* const numberSystems[] = {L"Binary", L"Octal", L"Decimal", L"Hexidecimal", L"AlphaNumeric"};

const FormLayout form{L"frmOVNumbers", L"Orvane Suite: OVNumbers", 7935, 6705,
                    BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

const ControlLayout controls[] = {
    rows::band(7935, 1215),
    rows::heading(L"Label1", L"OVNumbers Control", 240, 150, 5535, 390),
    rows::description(L"Label2",
                      L"Convert between decimal, binary, octal, and hex with large integer (64-bit) values. Generate "
                      L"random numbers/character sequences. ",
                      240, 570, 7455, 555),
    ControlLayout{Kind::Frame, L"Frame1", L"Conversion Number", 120, 1335, 7695, 3120, buttonFont},
    label(L"lblGeneric", L"Enter a number:", 135, 300, 2535).inside(L"Frame1").element(0),
    textBox(L"txtToConvert", L"", 135, 540, 2535).inside(L"Frame1").tab(0),
    label(L"lblGeneric", L"Conversion:", 2835, 300, 1575).inside(L"Frame1").element(1),
    ControlLayout{Kind::ComboBox, L"ddConversion", L"", 2835, 540, 1575, 315, buttonFont, DefaultColor, DefaultColor,
                DropDownList}
        .inside(L"Frame1")
        .list(conversions)
        .tab(1),
    button(L"cmdConvert", L"Convert ->", 4575, 510, 1335).inside(L"Frame1").tab(2),
    label(L"lblGeneric", L"Conversion Result:", 135, 1005, 2535).inside(L"Frame1").element(2),
    textBox(L"txtConversion", L"", 135, 1245, 7425).inside(L"Frame1").tab(3),
    label(L"Label3", L"USAGE:", 135, 1710, 1215).inside(L"Frame1"),
    label(L"Label4", L"DecTo..., only allow characters '0' through '9'", 375, 1965, 7185).inside(L"Frame1"),
    label(L"Label5", L"HexTo..., allows '0' through '9' and 'A' through 'F'", 375, 2220, 7185).inside(L"Frame1"),
    label(L"Label6", L"OctTo..., allows only '0' through '7'", 375, 2475, 7185).inside(L"Frame1"),
    label(L"Label7", L"BinTo..., only allows '0' and '1'", 375, 2730, 7185).inside(L"Frame1"),
    label(L"lblGeneric", L"Select Number System:", 255, 4620, 2055).element(3),
    ControlLayout{Kind::ComboBox, L"ddNumberSys", L"", 255, 4860, 2055, 315, buttonFont, DefaultColor, DefaultColor,
                DropDownList}
        .list(numberSystems)
        .tab(4),
    label(L"lblGeneric", L"Num. Digits:", 2475, 4620, 1095).element(4),
    textBox(L"txtNumDigits", L"16", 2475, 4860, 1095).tab(5),
    button(L"cmdRandomID", L"GenerateRandomID ->", 3735, 4830, 2055).tab(6),
    label(L"lblGeneric", L"RandomID Result:", 255, 5340, 2055).element(5),
    textBox(L"txtRandomID", L"", 255, 5580, 7425).tab(7),
    rows::closeButton(6465, 6165).tab(8),
};

// The conversion members by the name the list shows.
DISPID conversionMember(const std::wstring& name) {
    struct Row { const wchar_t* name; DISPID member; };
#define CONVERSION(name) {L## #name, DISPID_OVNumbers_##name}
    static const Row members[] = {
        CONVERSION(BinToOct), CONVERSION(BinToHex), CONVERSION(BinToDec), CONVERSION(OctToBin),
        CONVERSION(OctToHex), CONVERSION(OctToDec), CONVERSION(DecToBin), CONVERSION(DecToOct),
        CONVERSION(DecToHex), CONVERSION(HexToBin), CONVERSION(HexToOct), CONVERSION(HexToDec),
    };
#undef CONVERSION
    for (const auto& row : members) {
        if (name == row.name) return row.member;
    }
    return DISPID_UNKNOWN;
}

void convert(DemoForm& demo) {
    std::wstring conversion = demo[L"ddConversion"].text();
    DISPID member = conversionMember(conversion);
    if (member == DISPID_UNKNOWN) return;
    std::wstring input = demo[L"txtToConvert"].text();
    // Hexadecimal input goes as typed; the others through CLng, so binary and octal
    // lose their leading zeros and more than ten binary digits overflow here.
    Variant argument = conversion.starts_with(L"Hex")
                           ? textValue(input)
                           : longValue(runtime::toLong(*textValue(input).get()));
    Variant result = demo.control().call(member, {argument});
    demo[L"txtConversion"].setText(displayText(*result.get()));
}

void generateRandomId(DemoForm& demo) {
    std::wstring system = demo[L"ddNumberSys"].text();
    long base = -1;
    if (system == L"Binary") base = ovBinaryBase;
    else if (system == L"Octal") base = ovOctalBase;
    else if (system == L"Decimal") base = ovDecimalBase;
    else if (system == L"Hexidecimal") base = ovHexidecimalBase;
    else if (system == L"AlphaNumeric") base = ovAlphaNumericBase;
    if (base < 0) return;
    Variant result = demo.control().call(DISPID_OVNumbers_GenerateRandomID,
                                         {textValue(demo[L"txtNumDigits"].text()), longValue(base)});
    demo[L"txtRandomID"].setText(displayText(*result.get()));
}

void handlers(DemoForm& demo, HandlerMap& map) {
    map.push_back({nullptr, Event::Load, [&demo](EventArgs&) {
                       demo[L"ddConversion"].setListIndex(4);   // DecToHex
                       demo[L"ddNumberSys"].setListIndex(3);    // Hexidecimal
                   }});
    map.push_back({L"cmdConvert", Event::Click, [&demo](EventArgs&) { convert(demo); }});
    map.push_back({L"cmdRandomID", Event::Click, [&demo](EventArgs&) { generateRandomId(demo); }});
}

}  // namespace

const DemoProgram numbersDemo{L"OVNumbersDemo", form, controls, L"OVNumbers", false, handlers};

}  // namespace orvane::demo
