// The splash and About programs: their forms, and the library forms their buttons put up.
#include "DemoFixture.h"
#include "OVAboutBoxDemo/frmOVAbout.h"
#include "OVFolderSelectDemo/OVFolderSelect.h"
#include "OVSplashScreenDemo/frmOVSplashScreen.h"
#include "frame/Catalogue.h"
#include "forms/Twips.h"
#include "frame/Platform.h"

namespace orvane::demo::test {
namespace {

bool creatable(const wchar_t* className) {
    for (const ClassEntry& entry : catalogue()) {
        if (std::wstring(entry.name) == className) return entry.create != nullptr;
    }
    return false;
}

// The visible top-level windows of this process named `form`.
int visibleForms(const std::wstring& form) {
    int count = 0;
    for (HWND window : visibleTopLevelWindows()) count += controlName(window) == form;
    return count;
}

using SplashScreenDemoTest = DemoTest;

TEST_F(SplashScreenDemoTest, FormTexts) {
    if (!creatable(L"OVSplashScreen")) GTEST_SKIP() << "OVSplashScreen is not built yet";
    open(splashScreenDemo);
    EXPECT_EQ(L"Orvane Suite: OVSplashScreen", textOf(window()));
    EXPECT_EQ(L"View \"Standard Style\" Sample", text(L"cmdStandard"));
    EXPECT_EQ(L"View \"Serated Style\" Sample", text(L"cmdSerated"));
    EXPECT_EQ(L"View \"The 98 Look Style\" Sample", text(L"cmdThe98"));
    EXPECT_EQ(L"View \"The 2000 Style\" Sample", text(L"cmdThe2000"));
    EXPECT_EQ(L"View \"Orvane Style\" Sample", text(L"cmdOrvane"));
    EXPECT_EQ(L"(Note: After 5 second on the splash screen when done viewing.)", text(L"Label3"));
    EXPECT_EQ(5000, demo_->form().control(L"Timer1").interval());
    RECT client{};
    ::GetClientRect(window(), &client);
    EXPECT_EQ(forms::toPixelsX(4935), client.right);
}

TEST_F(SplashScreenDemoTest, TimerHidesOnlyTheCurrentStylesWindow) {
    if (!creatable(L"OVSplashScreen")) GTEST_SKIP() << "OVSplashScreen is not built yet";
    DemoForm& demo = open(splashScreenDemo);
    auto tick = [&] { demo.form().fire(forms::Event::Timer, &demo[L"Timer1"]); };
    press(L"cmdStandard");
    EXPECT_EQ(1, visibleForms(L"frmStandard"));
    press(L"cmdSerated");
    EXPECT_EQ(1, visibleForms(L"frmSerated"));
    EXPECT_EQ(1, visibleForms(L"frmStandard"));
    tick();
    EXPECT_EQ(0, visibleForms(L"frmSerated"));
    EXPECT_EQ(1, visibleForms(L"frmStandard"));
    press(L"cmdStandard");
    tick();
    EXPECT_EQ(0, visibleForms(L"frmStandard"));
    // The same button twice: one window, gone at the next tick.
    press(L"cmdOrvane");
    press(L"cmdOrvane");
    EXPECT_EQ(1, visibleForms(L"frmOrvane"));
    tick();
    EXPECT_EQ(0, visibleForms(L"frmOrvane"));
    tick();  // nothing up: the tick hides on regardless
    EXPECT_EQ(0, escapedError());
}

using AboutBoxDemoTest = DemoTest;

TEST_F(AboutBoxDemoTest, FormStartsOnTheStandardStyle) {
    if (!creatable(L"OVAboutBox")) GTEST_SKIP() << "OVAboutBox is not built yet";
    open(aboutBoxDemo);
    EXPECT_EQ(L"Orvane Suite: OVAboutBox", textOf(window()));
    EXPECT_EQ(L"Standard", text(L"cboStyle"));
    EXPECT_EQ((std::vector<std::wstring>{L"Standard", L"Windows 2000"}), entriesOf(control(L"cboStyle")));
    EXPECT_EQ(L"&Show AboutBox", text(L"cmdShow"));
}

TEST_F(AboutBoxDemoTest, ShowPressedTwiceOpensOneWindow) {
    if (!creatable(L"OVAboutBox")) GTEST_SKIP() << "OVAboutBox is not built yet";
    open(aboutBoxDemo);
    press(L"cmdShow");
    press(L"cmdShow");
    EXPECT_EQ(1, visibleForms(L"frmAboutStandard"));
    pick(L"cboStyle", L"Windows 2000");
    press(L"cmdShow");
    EXPECT_EQ(1, visibleForms(L"frmAbout2000"));
    EXPECT_EQ(0, escapedError());
}

using FolderSelectDemoTest = DemoTest;

TEST_F(FolderSelectDemoTest, ConfirmedTwiceAndCancelled) {
    if (!creatable(L"OVFolderSelect")) GTEST_SKIP() << "OVFolderSelect is not built yet";
    // The dialog answers in turn: cancel, then two folders.
    std::vector<std::string> answers{"", "C:\\windows", "C:\\windows\\system32"};
    size_t asked = 0;
    auto browse = platform::shell32::SHBrowseForFolderA.fake([&](LPBROWSEINFOA info) -> LPITEMIDLIST {
        EXPECT_STREQ("Please choose a folder.", info->lpszTitle);
        const std::string& answer = answers.at(asked++);
        if (answer.empty()) return nullptr;
        if (info->pszDisplayName) lstrcpyA(info->pszDisplayName, answer.c_str());
        return ::ILCreateFromPathA(answer.c_str());
    });
    open(folderSelectDemo);
    EXPECT_EQ(L"click here", text(L"cboSel"));
    EXPECT_EQ(L"OVFolderSelect Class", text(L"Label1"));
    pick(L"cboSel", L"Start Menu");
    EXPECT_EQ(L"", text(L"txtPhys"));
    EXPECT_EQ(L"", text(L"txtUser"));
    pick(L"cboSel", L"Templates");
    EXPECT_EQ(L"C:\\windows", text(L"txtPhys"));
    pick(L"cboSel", L"Templates");
    EXPECT_EQ(L"C:\\windows\\system32", text(L"txtPhys"));
    EXPECT_EQ(3u, asked);
    EXPECT_EQ(0, escapedError());
}

}  // namespace
}  // namespace orvane::demo::test
