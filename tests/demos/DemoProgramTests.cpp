// The built programs, each in its own process as a user starts it: the library found
// through the program's manifest, the window up and painted, Close ending the program
// at once with status 0, and an error no handler takes reported before a non-zero exit.
#include <objbase.h>

#include <gtest/gtest.h>

#include "DemoDriver.h"

namespace orvane::demo::test {
namespace {

struct Program {
    const wchar_t* name;
    const wchar_t* component;   // the caption's last word
    const wchar_t* controlClass;
};

const Program programs[] = {
    {L"OVNumbersDemo", L"OVNumbers", L"OVNumbers"},
    {L"OVMathDemo", L"OVMath", L"OVMath"},
    {L"OVStackDemo", L"OVStack", L"OVStack"},
    {L"OVLinkedListDemo", L"OVLinkedList", L"OVLinkedList"},
    {L"OVDiskInfoDemo", L"OVDiskInfo", L"OVDiskInfo"},
    {L"OVExtractIconDemo", L"OVExtractIcon", L"OVExtractIcon"},
    {L"OVPowerDemo", L"OVPower", L"OVPower"},
    {L"OVFolderSelectDemo", L"OVFolderSelect", L"OVFolderSelect"},
    {L"OVScreenModesDemo", L"OVScreenModes", L"OVScreenModes"},
    {L"OVWinVersionDemo", L"OVWinVersion", L"OVWinVersion"},
    {L"OVLocalSettingsDemo", L"OVLocalSettings", L"OVLocaleSettings"},
    {L"OVMemoryDemo", L"OVMemory", L"OVMemory"},
    {L"OVHyperLinkDemo", L"OVHyperLink", L"OVHyperLink"},
    {L"OVHelpDemo", L"OVHelp", L"OVHelp"},
    {L"OVSplashScreenDemo", L"OVSplashScreen", L"OVSplashScreen"},
    {L"OVAboutBoxDemo", L"OVAboutBox", L"OVAboutBox"},
};

std::string nameOf(const ::testing::TestParamInfo<Program>& info) {
    std::wstring name = info.param.name;
    return std::string(name.begin(), name.end());
}

class DemoProgramTest : public ::testing::TestWithParam<Program> {};

TEST_P(DemoProgramTest, StartsWithoutRegistrationAndCloseEndsIt) {
    const Program& program = GetParam();
    // With the library registered the programs could reach it through the registry: the
    // test proves nothing then.
    CLSID registered{};
    const std::wstring programmaticId = std::wstring(L"TVOrvaneSuite.") + program.controlClass;
    ASSERT_EQ(CO_E_CLASSSTRING, ::CLSIDFromProgID(programmaticId.c_str(), &registered))
        << "the library is registered in this prefix";
    DemoProcess process(program.name, std::wstring(L"Orvane Suite: ") + program.component);
    ASSERT_TRUE(process.window()) << "no main window";
    EXPECT_FALSE(saveScreenshot(process.window(), program.name).empty());
    HWND close = process.control(L"cmdClose");
    ASSERT_TRUE(close);
    EXPECT_EQ(L"&Close", textOf(close));
    process.postClick(close);
    EXPECT_EQ(0u, process.waitForExit());
}

INSTANTIATE_TEST_SUITE_P(Programs, DemoProgramTest, ::testing::ValuesIn(programs), nameOf);

TEST(DemoProgramErrorTest, UnhandledErrorIsReportedAndEndsTheProgramWithItsNumber) {
    DemoProcess process(L"OVNumbersDemo", L"Orvane Suite: OVNumbers");
    ASSERT_TRUE(process.window());
    process.choose(process.control(L"ddConversion"), L"BinToDec");
    process.setText(process.control(L"txtToConvert"), L"101010101010");
    process.postClick(process.control(L"cmdConvert"));
    MessageBoxSeen report = process.answerMessageBox(L"OVNumbersDemo");
    ASSERT_TRUE(report.seen);
    EXPECT_NE(std::wstring::npos, report.text.find(L"'6'")) << std::string(report.text.begin(), report.text.end());
    EXPECT_NE(std::wstring::npos, report.text.find(L"Overflow"));
    EXPECT_EQ(6u, process.waitForExit());
}

}  // namespace
}  // namespace orvane::demo::test
