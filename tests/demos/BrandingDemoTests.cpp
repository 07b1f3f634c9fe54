// The splash and About programs: their forms, and the library forms their buttons put up.
#include "DemoFixture.h"
#include "OVAboutBoxDemo/frmOVAbout.h"
#include "OVFolderSelectDemo/OVFolderSelect.h"
#include "OVSplashScreenDemo/frmOVSplashScreen.h"
#include "frame/forms/Twips.h"
#include "frame/base/Platform.h"

namespace orvane::demo::test {
namespace {

// The visible top-level windows of this process named `form`.
int visibleForms(const std::wstring& form) {
    int count = 0;
    for (HWND window : visibleTopLevelWindows()) count += controlName(window) == form;
    return count;
}

using SplashScreenDemoTest = DemoTest;

TEST_F(SplashScreenDemoTest, FormTexts) {
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
    ::UpdateWindow(window());
    EXPECT_EQ(RGB(0, 0, 0), pixelAt(window(), 4, 100)) << "the black band left of Label2";
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), pixelAt(window(), 4, 110)) << "below the band";
}

TEST_F(SplashScreenDemoTest, TimerHidesOnlyTheCurrentStylesWindow) {
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

// Every style button restarts Timer1 at 5000 ms and puts up its own style's window.
TEST_F(SplashScreenDemoTest, EachStyleButtonShowsItsFormAndRestartsTheTimer) {
    DemoForm& demo = open(splashScreenDemo);
    struct Button {
        const wchar_t* name;
        const wchar_t* form;
    };
    const Button buttons[] = {{L"cmdStandard", L"frmStandard"}, {L"cmdSerated", L"frmSerated"},
                              {L"cmdThe98", L"frmThe98Look"}, {L"cmdThe2000", L"frmThe2000Look"},
                              {L"cmdOrvane", L"frmOrvane"}};
    for (const Button& button : buttons) {
        SCOPED_TRACE(std::string(button.name, button.name + wcslen(button.name)));
        demo[L"Timer1"].setInterval(60000);
        press(button.name);
        EXPECT_EQ(5000, demo[L"Timer1"].interval());
        EXPECT_EQ(1, visibleForms(button.form));
        demo.form().fire(forms::Event::Timer, &demo[L"Timer1"]);
        EXPECT_EQ(0, visibleForms(button.form));
    }
    EXPECT_EQ(0, escapedError());
}

using AboutBoxDemoTest = DemoTest;

TEST_F(AboutBoxDemoTest, FormStartsOnTheStandardStyle) {
    open(aboutBoxDemo);
    EXPECT_EQ(L"Orvane Suite: OVAboutBox", textOf(window()));
    EXPECT_EQ(L"Standard", text(L"cboStyle"));
    EXPECT_EQ((std::vector<std::wstring>{L"Standard", L"Windows 2000"}), entriesOf(control(L"cboStyle")));
    EXPECT_EQ(L"&Show AboutBox", text(L"cmdShow"));
    ::UpdateWindow(window());
    EXPECT_EQ(RGB(0, 0, 0), pixelAt(window(), 4, 108)) << "the black band left of Label1";
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), pixelAt(window(), 4, 116)) << "below the band";
}

TEST_F(AboutBoxDemoTest, ShowPressedTwiceOpensOneWindow) {
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

// Each entry browses from its own root; the boxes show the choice's display name and path.
TEST_F(FolderSelectDemoTest, EachEntryBrowsesFromItsRootAndShowsWhatTheUserChose) {
    struct Entry {
        const wchar_t* text;
        int root;
    };
    const Entry entries[] = {{L"Application Data", 26}, {L"Cookies", 33},    {L"Drives", 17},      {L"Favorites", 6},
                             {L"History", 34},          {L"Internet Cache", 32}, {L"My Document", 5}, {L"Network", 18},
                             {L"Printers", 4},          {L"Print Hood", 27}, {L"Programs", 2},     {L"Recent", 8},
                             {L"Send To", 9},           {L"Start Menu", 11}, {L"Templates", 21}};
    std::vector<int> roots;
    auto special = platform::shell32::SHGetSpecialFolderLocation.fake([&](HWND, int folder, LPITEMIDLIST* list) {
        roots.push_back(folder);
        *list = ::ILCreateFromPathA("C:\\");
        return S_OK;
    });
    int chosen = 0;
    auto browse = platform::shell32::SHBrowseForFolderA.fake([&](LPBROWSEINFOA info) -> LPITEMIDLIST {
        EXPECT_NE(nullptr, info->pidlRoot);
        if (info->pszDisplayName) wsprintfA(info->pszDisplayName, "choice %d", ++chosen);
        return ::ILCreateFromPathA("C:\\windows");
    });
    open(folderSelectDemo);
    EXPECT_EQ((std::vector<std::wstring>{L"Application Data", L"Cookies", L"Drives", L"Favorites", L"History",
                                         L"Internet Cache", L"My Document", L"Network", L"Printers", L"Print Hood",
                                         L"Programs", L"Recent", L"Send To", L"Start Menu", L"Templates"}),
              entriesOf(control(L"cboSel")));
    for (const Entry& entry : entries) {
        SCOPED_TRACE(std::string(entry.text, entry.text + wcslen(entry.text)));
        pick(L"cboSel", entry.text);
        ASSERT_FALSE(roots.empty());
        EXPECT_EQ(entry.root, roots.back());
        EXPECT_EQ(L"choice " + std::to_wstring(chosen), text(L"txtUser"));
        EXPECT_EQ(L"C:\\windows", text(L"txtPhys"));
    }
    EXPECT_EQ(15, chosen);
    EXPECT_EQ(0, escapedError());
}

}  // namespace
}  // namespace orvane::demo::test
