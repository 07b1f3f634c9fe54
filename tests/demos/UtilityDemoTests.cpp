// The four utility programs driven through their windows.
#include "DemoFixture.h"
#include "OVLinkedListDemo/frmOVLinkedList.h"
#include "OVMathDemo/frmOVMath.h"
#include "OVNumbersDemo/frmOVNumbers.h"
#include "OVStackDemo/frmOVStack.h"

namespace orvane::demo::test {
namespace {

using NumbersDemoTest = DemoTest;

TEST_F(NumbersDemoTest, FormShowsTheCommonPatternAndBothLists) {
    open(numbersDemo);
    EXPECT_EQ(L"Orvane Suite: OVNumbers", textOf(window()));
    EXPECT_EQ(L"frmOVNumbers", controlName(window()));
    EXPECT_EQ(L"OVNumbers Control", text(L"Label1"));
    EXPECT_EQ(L"Convert between decimal, binary, octal, and hex with large integer (64-bit) values. Generate random "
              L"numbers/character sequences. ",
              text(L"Label2"));
    EXPECT_EQ(L"&Close", text(L"cmdClose"));
    EXPECT_NE(nullptr, demo_->form().find(L"Shape1"));
    EXPECT_TRUE(demo_->control());
    EXPECT_EQ(L"16", text(L"txtNumDigits"));
    auto captions = demo_->form().controlArray(L"lblGeneric");
    ASSERT_EQ(6u, captions.size());
    EXPECT_EQ(L"Select Number System:", textOf(captions[3]->hwnd()));
    EXPECT_EQ(L"RandomID Result:", textOf(captions[5]->hwnd()));
    EXPECT_EQ(L"lblGeneric", controlName(captions[5]->hwnd()));
    EXPECT_EQ((std::vector<std::wstring>{L"BinToDec", L"BinToHex", L"BinToOct", L"DecToBin", L"DecToHex", L"DecToOct",
                                         L"HexToBin", L"HexToDec", L"HexToOct", L"OctToBin", L"OctToDec", L"OctToHex"}),
              entriesOf(control(L"ddConversion")));
    EXPECT_EQ((std::vector<std::wstring>{L"Binary", L"Octal", L"Decimal", L"Hexidecimal", L"AlphaNumeric"}),
              entriesOf(control(L"ddNumberSys")));
    saveScreenshot(window(), L"inprocess-OVNumbersDemo");
}

TEST_F(NumbersDemoTest, ConversionsGoThroughCLngExceptHexadecimal) {
    open(numbersDemo);
    auto convert = [&](const wchar_t* conversion, const wchar_t* input) {
        pick(L"ddConversion", conversion);
        type(L"txtToConvert", input);
        press(L"cmdConvert");
        return text(L"txtConversion");
    };
    EXPECT_EQ(L"5", convert(L"BinToDec", L"0101"));
    EXPECT_EQ(L"255", convert(L"HexToDec", L"ff"));
    EXPECT_EQ(std::wstring(50, L'0'), convert(L"DecToBin", L"0"));
    EXPECT_EQ(L"FF", convert(L"DecToHex", L"255"));
    EXPECT_EQ(0, escapedError());
}

TEST_F(NumbersDemoTest, TwelveBinaryDigitsOverflowBeforeTheControlIsCalled) {
    open(numbersDemo);
    pick(L"ddConversion", L"BinToDec");
    type(L"txtToConvert", L"101010101010");
    press(L"cmdConvert");
    ASSERT_EQ(1u, escapedErrors().size());
    EXPECT_EQ(6, escapedErrors()[0].number());
    EXPECT_EQ(L"", text(L"txtConversion"));
}

TEST_F(NumbersDemoTest, ErrorsOfTheControlAndOfCLngEscapeTheHandler) {
    open(numbersDemo);
    pick(L"ddConversion", L"BinToDec");
    type(L"txtToConvert", L"102");
    press(L"cmdConvert");
    ASSERT_EQ(1u, escapedErrors().size());
    EXPECT_EQ(99, escapedErrors()[0].number());
    EXPECT_EQ(L"Can't Convert.", escapedErrors()[0].description());

    type(L"txtToConvert", L"abc");
    press(L"cmdConvert");
    ASSERT_EQ(2u, escapedErrors().size());
    EXPECT_EQ(13, escapedErrors()[1].number());
}

TEST_F(NumbersDemoTest, NoConversionChosenDoesNothing) {
    open(numbersDemo);
    ::SendMessageW(control(L"ddConversion"), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    type(L"txtToConvert", L"12");
    press(L"cmdConvert");
    EXPECT_EQ(L"", text(L"txtConversion"));
    EXPECT_EQ(0, escapedError());
}

TEST_F(NumbersDemoTest, RandomIdentifierInTheChosenAlphabet) {
    open(numbersDemo);
    EXPECT_EQ(L"Hexidecimal", text(L"ddNumberSys"));
    press(L"cmdRandomID");
    std::wstring id = text(L"txtRandomID");
    ASSERT_EQ(16u, id.size());
    EXPECT_EQ(std::wstring::npos, id.find_first_not_of(L"ABCDEF0123456789"));

    pick(L"ddNumberSys", L"Binary");
    type(L"txtNumDigits", L"40");
    press(L"cmdRandomID");
    id = text(L"txtRandomID");
    EXPECT_EQ(40u, id.size());
    EXPECT_EQ(std::wstring::npos, id.find_first_not_of(L"01"));
}

using MathDemoTest = DemoTest;

// What the form prints: six empty lines, then each result with its label, the values
// worked out from the formulas (Ceil adds 1 before taking the whole part).
TEST_F(MathDemoTest, PrintsSixEmptyLinesThenEveryResultWithItsLabel) {
    open(mathDemo);
    EXPECT_EQ(L"Orvane Suite: OVMath", textOf(window()));
    EXPECT_EQ(L"With the OVMath Control, you can easily obtain extensibility mathematical", text(L"Label2"));
    EXPECT_TRUE(demo_->form().autoRedraw());
    const std::vector<std::wstring> expected{
        L"", L"", L"", L"", L"", L"",
        L"  Increment 90 is: 91",
        L"  Decrement 90 is : 89",
        L"  Floor 90 is: 90",
        L"  Ceil 90 is: 91",
        L"  Log10 90 is: 1.95424250943932",
        L"  LogX 90,3 is: 4.09590327428938",
        L"  ABS Floor 90 is: 90",
        L"  ABS Ceil 90 is: 91",
        L"  Arc Sine 0.9 is: 1.11976951499863",
        L"  Arc Cosine 0.9 is: 0.451026811796266",
        L"  Arc Tangent 0.9 is: 1.47221948958322",  // the hyperbolic arc tangent, as labelled of old
        L"  Arc Cotangent 90 is: 0.0111106538976075",
        L"  Arc Secant 90 is : 1.5596849870474",
        L"  Arc Cosecant 90 is : 0.0111113397474988",
        L"  Hyperbolic Sine 90 is: 6.1020164715892E+38",
        L"  Hyperbolic Cosine 90 is: 6.1020164715892E+38",
        L"  Hyperbolic Tangent 90 is: 1",
        L"  Hyperbolic Cotangent 90 is: 1",
        L"  Hyperbolic Secant 90 is: 1.6388025247981E-39",
        L"  Hyperbolic Cosecant 90 is: 1.6388025247981E-39",
        L"  Hyperbolic Arc Sine 90: 5.19298771365894",
        L"  Hyperbolic Arc Cosine 90 is: 5.19292598526368",
        L"  Hyperbolic Arc Cotangent 90 is: 0.0111115683923551",
        L"  Hyperbolic Arc Secant 0.9 is: 0.467145308103262",
        L"  Hyperbolic Arc Cosecant 90 is: 0.0111108825001261",
    };
    const std::vector<std::wstring>& printed = demo_->form().printedLines();
    ASSERT_EQ(expected.size(), printed.size());
    for (size_t line = 0; line < expected.size(); ++line) EXPECT_EQ(expected[line], printed[line]) << line;
    EXPECT_EQ(0, escapedError());
}

using StackDemoTest = DemoTest;

TEST_F(StackDemoTest, PushPeekAndPopInLastInFirstOutOrder) {
    open(stackDemo);
    EXPECT_EQ(L"Peek a value in stack: ", text(L"Label6"));
    type(L"txtPush", L"first");
    press(L"cmdPush");
    EXPECT_EQ(L"", text(L"txtPush"));
    EXPECT_EQ(L"1", text(L"txtCount"));
    type(L"txtPush", L"second");
    press(L"cmdPush");
    EXPECT_EQ(L"2", text(L"txtCount"));

    press(L"cmdPeek");
    EXPECT_EQ(L"second", text(L"txtPeek"));
    EXPECT_EQ(L"2", text(L"txtCount"));
    press(L"cmdPop");
    EXPECT_EQ(L"second", text(L"txtPop"));
    EXPECT_EQ(L"1", text(L"txtCount"));
    press(L"cmdPop");
    EXPECT_EQ(L"first", text(L"txtPop"));
    EXPECT_EQ(L"0", text(L"txtCount"));
}

TEST_F(StackDemoTest, PopAndPeekOnAnEmptyStackOnlyShowTheMessage) {
    open(stackDemo);
    type(L"txtPop", L"kept");
    type(L"txtCount", L"also kept");
    for (const wchar_t* button : {L"cmdPop", L"cmdPeek"}) {
        MessageBoxSeen box = answerMessageBox([&] { press(button); }, L"Empty...");
        EXPECT_TRUE(box.seen);
        EXPECT_EQ(L"Stack is Empty.", box.text);
    }
    EXPECT_EQ(L"kept", text(L"txtPop"));
    EXPECT_EQ(L"", text(L"txtPeek"));
    EXPECT_EQ(L"also kept", text(L"txtCount"));
    EXPECT_EQ(0, escapedError());
}

using LinkedListDemoTest = DemoTest;

TEST_F(LinkedListDemoTest, ThreeAddsThenRemoveAll) {
    open(linkedListDemo);
    EXPECT_EQ(L"[Values]", text(L"Frame1"));
    for (const wchar_t* value : {L"one", L"two", L"three"}) {
        type(L"txtAdd", value);
        press(L"cmdAdd");
        EXPECT_EQ(L"", text(L"txtAdd"));
    }
    EXPECT_EQ(L"3", text(L"txtCount"));
    press(L"cmdRemoveAll");
    EXPECT_EQ(L"0", text(L"txtCount"));
}

}  // namespace
}  // namespace orvane::demo::test
