// OVAboutBox: properties and notifications, the store, and the two About forms as
// ShowAbout fills them and as the user drives them (keys, pointer, links, System Info).
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "BrandingTestSupport.h"
#include "SoakSupport.h"
#include "TestSupport.h"
#include "branding/forms/AboutFormCode.h"
#include "branding/OVAboutBox.h"
#include "branding/forms/frmAbout2000.h"
#include "branding/forms/frmAboutStandard.h"
#include "frame/host/ControlSite.h"
#include "frame/host/MemoryPropertyBag.h"
#include "frame/base/Platform.h"
#include "frame/forms/Twips.h"
#include "frame/host/TestContainer.h"

namespace orvane {
namespace {

using namespace orvane::test;
using branding::test::pump;

DISPID idOf(IDispatch* object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}
std::wstring getText(IDispatch* object, const wchar_t* name) { return text(*invokeByName(object, name).value.get()); }

const forms::FormDefinition& (*const aboutForms[])() = {&branding::frmAboutStandard, &branding::frmAbout2000};

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ComPtr<OVAboutBox> control = OVAboutBox::create();
        self = control;
        about = siteControl(ComPtr<IUnknown>(static_cast<_OVAboutBox*>(control.get())).get(), site.get());
        site->clearChanges();
    }
    void TearDown() override {
        for (auto definition : aboutForms) {
            forms::Form& form = forms::Form::instance(definition());
            if (form.loaded()) form.unload();
        }
        closeControl(about.get(), site.get());
    }
    void putText(const wchar_t* name, const wchar_t* value) {
        Bstr text(value);
        ASSERT_EQ(S_OK, propertyPut(about.get(), idOf(about.get(), name), vText(text)).result);
    }
    void putNumber(const wchar_t* name, long value) {
        ASSERT_EQ(S_OK, propertyPut(about.get(), idOf(about.get(), name), vLong(value)).result);
    }
    forms::Form& showStyle(long style) {
        putNumber(L"AboutStyle", style);
        EXPECT_EQ(S_OK, invokeByName(about.get(), L"ShowAbout").result);
        return forms::Form::instance(aboutForms[style]());
    }

    ComPtr<ControlSite> site = ControlSite::create();
    ComPtr<OVAboutBox> self;
    ComPtr<IDispatch> about;
};

TEST_F(AboutTest, NewControlShowsItsDefaultsAndItsOwnFace) {
    EXPECT_EQ(L"OrvaneAboutBox", getText(about.get(), L"ProductName"));
    EXPECT_EQ(L"Version 1.22", getText(about.get(), L"ProductVersion"));
    const std::wstring warning = getText(about.get(), L"CopyrightWarning");
    EXPECT_EQ(0u, warning.find(L"Warning:  [EXAMPLE ONLY]"));
    EXPECT_EQ(std::wstring::npos, warning.find(L"program,"));
    for (long style : {0L, 1L}) {
        SCOPED_TRACE(style);
        forms::Form& form = showStyle(style);
        ASSERT_TRUE(form.visible());
        EXPECT_EQ(L"About OrvaneAboutBox", form.caption());
        EXPECT_EQ(L"OrvaneAboutBox", form.control(L"lblTitle").text());
        EXPECT_EQ(L"Version 1.22", form.control(L"lblVersion").text());
        EXPECT_EQ(OVAboutBox::defaultMailto, form.control(L"lblMail").text());
        EXPECT_EQ(OVAboutBox::defaultWebsiteUrl, form.control(L"lblUrl").text());
        EXPECT_EQ(OVAboutBox::defaultCopyright, form.control(L"lblCopyright").text());
        EXPECT_EQ(OVAboutBox::defaultDescription, form.control(L"lblDescription").text());
        EXPECT_EQ(warning, form.control(L"lblDisclaimer").text());
        for (const wchar_t* name : {L"lblTitle", L"lblVersion", L"lblCopyright", L"lblDescription", L"lblDisclaimer"}) {
            EXPECT_EQ(0u, form.control(name).foreColor()) << name;
        }
        IPictureDisp* logo = nullptr;
        ASSERT_EQ(S_OK, self->get_ProductLogo(&logo));
        ComPtr<IPicture> face = ComPtr<IPictureDisp>::attach(logo).query<IPicture>();
        EXPECT_EQ(face.get(), form.control(L"picIcon").picture());
        RECT icon{};
        ::GetClientRect(form.control(L"picIcon").hwnd(), &icon);
        EXPECT_EQ(48, icon.right);
        EXPECT_EQ(48, icon.bottom);
        const LONG windowStyle = ::GetWindowLongW(form.hwnd(), GWL_STYLE);
        EXPECT_EQ(WS_CAPTION, windowStyle & WS_CAPTION);
        EXPECT_TRUE(windowStyle & WS_SYSMENU);
        EXPECT_FALSE(windowStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
        // Owned by no host form (at most by the runtime's hidden window that keeps it off the task bar).
        HWND owner = ::GetWindow(form.hwnd(), GW_OWNER);
        EXPECT_TRUE(!owner || !::IsWindowVisible(owner));
        branding::test::saveScreenshot(form.hwnd(), style == 0 ? L"about-frmAboutStandard" : L"about-frmAbout2000");
    }
}

TEST_F(AboutTest, SettersStoreUncheckedAndNotifyOnlyThemselves) {
    for (const wchar_t* name : {L"WebsiteUrl", L"Mailto", L"Copyright", L"CopyrightWarning", L"ProductDescription",
                                L"ProductName", L"ProductVersion"}) {
        site->clearChanges();
        putText(name, L"text");
        EXPECT_EQ(std::vector<DISPID>{idOf(about.get(), name)}, site->changes()) << name;
        EXPECT_EQ(L"text", getText(about.get(), name));
    }
    for (const wchar_t* name : {L"AboutStyle", L"ProductNameColor", L"CopyrightColor", L"CopyrightWarningColor",
                                L"ProductDescriptionColor", L"ProductVersionColor"}) {
        site->clearChanges();
        putNumber(name, -7);
        EXPECT_EQ(std::vector<DISPID>{idOf(about.get(), name)}, site->changes()) << name;
        EXPECT_EQ(-7, invokeByName(about.get(), name).value->lVal);
    }
    site->clearChanges();
    ASSERT_EQ(S_OK, propertyPut(about.get(), idOf(about.get(), L"ProductLogo"), vObject(nullptr),
                                DISPATCH_PROPERTYPUTREF).result);
    EXPECT_EQ(std::vector<DISPID>{idOf(about.get(), L"ProductLogo")}, site->changes());
}

TEST_F(AboutTest, OtherStylesShowNothing) {
    for (long style : {2L, -1L}) {
        putNumber(L"AboutStyle", style);
        EXPECT_EQ(S_OK, invokeByName(about.get(), L"ShowAbout").result);
    }
    for (auto definition : aboutForms) EXPECT_FALSE(forms::Form::instance(definition()).loaded());
}

TEST_F(AboutTest, FillsFromPropertiesAndRefillsTheSameWindow) {
    putText(L"ProductName", L"");
    ASSERT_EQ(S_OK, propertyPut(about.get(), idOf(about.get(), L"ProductLogo"), vObject(nullptr),
                                DISPATCH_PROPERTYPUTREF).result);
    putNumber(L"CopyrightColor", 0x0000FF);
    forms::Form& form = showStyle(0);
    HWND window = form.hwnd();
    EXPECT_EQ(L"About ", form.caption());
    EXPECT_EQ(L"", form.control(L"lblTitle").text());
    EXPECT_EQ(nullptr, form.control(L"picIcon").picture());
    EXPECT_EQ(0x0000FFu, form.control(L"lblCopyright").foreColor());
    putText(L"ProductName", L"Second");
    putText(L"Mailto", L"mailto:me@example.org");
    showStyle(0);
    EXPECT_EQ(window, form.hwnd());
    EXPECT_EQ(L"About Second", form.caption());
    EXPECT_EQ(L"mailto:me@example.org", form.control(L"lblMail").text()) << "shown as stored";
}

// The standard form's separator is etched: a grey line with white just below it.
TEST_F(AboutTest, TheSeparatorShowsGreyOverWhite) {
    forms::Form& form = showStyle(0);
    pump();
    HDC dc = ::GetDC(form.hwnd());
    const int x = forms::toPixelsX(2000);
    const int grey = forms::toPixelsY(3525);
    EXPECT_EQ(RGB(0x80, 0x80, 0x80), ::GetPixel(dc, x, grey));
    EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), ::GetPixel(dc, x, grey + 1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ::GetPixel(dc, x, grey - 1));
    ::ReleaseDC(form.hwnd(), dc);
}

TEST_F(AboutTest, EnterEscAndTheOkTextCloseTheForm) {
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        forms::Form& form = showStyle(0);
        ASSERT_TRUE(form.loaded());
        HWND focus = ::GetFocus();
        ASSERT_NE(nullptr, focus);
        ::PostMessageW(focus, WM_KEYDOWN, key, 0);
        pump();
        EXPECT_FALSE(form.loaded()) << key;
    }
    forms::Form& form = showStyle(1);
    HWND text1 = form.control(L"Text1").hwnd();
    ::SendMessageW(text1, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ::SendMessageW(text1, WM_LBUTTONUP, 0, 0);
    pump();
    EXPECT_FALSE(form.loaded());
}

TEST_F(AboutTest, PointerMovesColourLinksAndButtonTexts) {
    forms::Form& form = showStyle(0);
    auto moveOver = [](HWND window) {
        ::SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        pump();
    };
    moveOver(form.control(L"lblUrl").hwnd());
    EXPECT_EQ(0x00FF0000u, form.control(L"lblUrl").foreColor());
    moveOver(form.control(L"lblMail").hwnd());
    EXPECT_EQ(0x00FF0000u, form.control(L"lblMail").foreColor());
    moveOver(form.control(L"Text1").hwnd());
    EXPECT_EQ(0x00FF0000u, form.control(L"Text1").foreColor());
    EXPECT_EQ(0x00000000u, form.control(L"Text2").foreColor());
    EXPECT_EQ(0x00FF0000u, form.control(L"lblUrl").foreColor()) << "links stay blue until the form";
    moveOver(form.control(L"Text2").hwnd());
    EXPECT_EQ(0x00FF0000u, form.control(L"Text2").foreColor());
    EXPECT_EQ(0x00000000u, form.control(L"Text1").foreColor());
    moveOver(form.hwnd());
    EXPECT_EQ(0x00C00000u, form.control(L"lblUrl").foreColor());
    EXPECT_EQ(0x00C00000u, form.control(L"lblMail").foreColor());
    EXPECT_EQ(0x00000000u, form.control(L"Text2").foreColor());
}

TEST_F(AboutTest, LinkClicksGoToTheShell) {
    std::vector<std::string> opened;
    auto scope = platform::shell32::ShellExecuteA.fake(
        [&](HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR folder, INT) {
            opened.push_back(file);
            EXPECT_STREQ("C:\\", folder);
            return reinterpret_cast<HINSTANCE>(42);
        });
    putText(L"WebsiteUrl", L"example.org");
    putText(L"Mailto", L"mailto:me@example.org");
    forms::Form& form = showStyle(1);
    for (const wchar_t* name : {L"lblUrl", L"lblMail"}) {
        HWND link = form.control(name).hwnd();
        ::SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
        ::SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
        pump();
    }
    EXPECT_EQ((std::vector<std::string>{"example.org", "mailto:mailto:me@example.org"}), opened);
}

// The message box of System Info, read and dismissed from a second thread.
TEST_F(AboutTest, SystemInfoWithoutTheToolShowsTheMessageAndKeepsTheForm) {
    auto open = platform::advapi32::RegOpenKeyExA.fake(
        [](HKEY, LPCSTR, DWORD, REGSAM, PHKEY) { return static_cast<LONG>(ERROR_FILE_NOT_FOUND); });
    forms::Form& form = showStyle(0);
    std::atomic<bool> done{false};
    std::wstring seenTitle, seenText;
    std::thread watcher([&] {
        for (int attempt = 0; attempt < 500 && !done; ++attempt) {
            HWND box = ::FindWindowW(L"#32770", L"OrvaneSuite");
            if (box) {
                wchar_t buffer[256] = {};
                ::GetWindowTextW(box, buffer, 256);
                seenTitle = buffer;
                ::GetDlgItemTextW(box, 0xFFFF, buffer, 256);
                seenText = buffer;
                ::PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
            ::Sleep(10);
        }
    });
    HWND button = form.control(L"cmdSysInfo").hwnd();
    ::SendMessageW(button, BM_CLICK, 0, 0);
    pump();
    done = true;
    watcher.join();
    EXPECT_EQ(L"OrvaneSuite", seenTitle) << "the library's own title";
    EXPECT_EQ(L"System Information Is Unavailable At This Time", seenText);
    EXPECT_TRUE(form.loaded());
}

// Every member repeated in one process: after a warm-up, neither committed memory nor
// GDI objects may grow (each property assignment once lost some 7.6 KB).
TEST_F(AboutTest, RepeatedMembersKeepNoMemoryOrGdiObjects) {
    using namespace branding::test;
    ComPtr<IPictureDisp> wide = smallPicture(40, 10), square = smallPicture(32, 32);
    const std::vector<IPictureDisp*> pictures{wide.get(), square.get(), nullptr};
    const auto make = [] {
        ComPtr<OVAboutBox> made = OVAboutBox::create();
        return ComPtr<IUnknown>(static_cast<_OVAboutBox*>(made.get()));
    };
    expectNoGrowth(L"every property read and assigned", 20, 200, 64 * 1024, [&](int round) {
        exerciseProperties(about.get(), round, 2, pictures);
        site->clearChanges();
    });
    expectNoGrowth(L"saved and loaded through a stream and a property bag", 10, 100, 64 * 1024, [&](int) {
        roundTripThroughStream(about.get(), make);
        roundTripThroughBag(about.get(), make);
    });
    expectNoGrowth(L"ShowAbout in each style, closed by the caption's close button", 10, 100, 64 * 1024,
                   [&](int round) {
                       forms::Form& form = showStyle(round % 2);
                       ::SendMessageW(form.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
                       pump();
                       EXPECT_FALSE(form.loaded());
                   });
}

// Saved and loaded under these keys in this order; the style and the colours as 32-bit
// numbers; a store without them gives the first values, and a missing logo Nothing.
TEST_F(AboutTest, StoreKeysInOrderWithNumbersAs32BitAndDefaultsWhenMissing) {
    const std::vector<std::wstring> keys{L"AboutStyle", L"Copyright", L"CopyrightWarning", L"ProductDescription",
                                         L"ProductLogo", L"ProductName", L"ProductVersion", L"ProductNameColor",
                                         L"CopyrightColor", L"CopyrightWarningColor", L"ProductDescriptionColor",
                                         L"ProductVersionColor", L"WebsiteUrl", L"Mailto"};
    putNumber(L"AboutStyle", 1);
    putNumber(L"CopyrightColor", 0x00C00000);
    putNumber(L"ProductVersionColor", 0x8000000D);
    auto saved = orvane::test::ScriptedBag::create();
    ASSERT_EQ(S_OK, about.query<IPersistPropertyBag>()->Save(saved.get(), TRUE, TRUE));
    EXPECT_EQ(keys, saved->writes);
    for (const wchar_t* number : {L"AboutStyle", L"ProductNameColor", L"CopyrightColor", L"CopyrightWarningColor",
                                  L"ProductDescriptionColor", L"ProductVersionColor"}) {
        EXPECT_EQ(VARTYPE{VT_I4}, saved->writtenTypes[number]) << std::string(number, number + wcslen(number));
    }
    EXPECT_EQ(L"12582912", saved->store->text(L"CopyrightColor").value_or(L"?"));
    EXPECT_EQ(L"-2147483635", saved->store->text(L"ProductVersionColor").value_or(L"?"));

    // Loaded back: the numbers as numbers.
    ComPtr<OVAboutBox> copy = OVAboutBox::create();
    ComPtr<IDispatch> reloaded =
        siteControl(ComPtr<IUnknown>(static_cast<_OVAboutBox*>(copy.get())).get(), site.get(), saved->store.get());
    EXPECT_EQ(1, invokeByName(reloaded.get(), L"AboutStyle").value->lVal);
    EXPECT_EQ(0x00C00000, invokeByName(reloaded.get(), L"CopyrightColor").value->lVal);
    EXPECT_EQ(static_cast<LONG>(0x8000000D), invokeByName(reloaded.get(), L"ProductVersionColor").value->lVal);
    closeControl(reloaded.get(), site.get());

    site->clearChanges();
    auto empty = orvane::test::ScriptedBag::create();
    ComPtr<OVAboutBox> fresh = OVAboutBox::create();
    ComPtr<IDispatch> loaded =
        siteControl(ComPtr<IUnknown>(static_cast<_OVAboutBox*>(fresh.get())).get(), site.get(), empty.get());
    EXPECT_EQ(keys, empty->reads);
    EXPECT_TRUE(site->changes().empty());
    EXPECT_EQ(L"OrvaneAboutBox", getText(loaded.get(), L"ProductName"));
    EXPECT_EQ(L"Version 1.22", getText(loaded.get(), L"ProductVersion"));
    EXPECT_EQ(0u, getText(loaded.get(), L"CopyrightWarning").find(L"Warning:  [EXAMPLE ONLY]"));
    EXPECT_FALSE(getText(loaded.get(), L"WebsiteUrl").empty());
    EXPECT_FALSE(getText(loaded.get(), L"Mailto").empty());
    for (const wchar_t* number : {L"AboutStyle", L"ProductNameColor", L"CopyrightColor", L"CopyrightWarningColor",
                                  L"ProductDescriptionColor", L"ProductVersionColor"}) {
        Call value = invokeByName(loaded.get(), number);
        EXPECT_EQ(VT_I4, value.value->vt);
        EXPECT_EQ(0, value.value->lVal);
    }
    Call logo = invokeByName(loaded.get(), L"ProductLogo");
    EXPECT_TRUE(logo.value->vt == VT_DISPATCH && !logo.value->pdispVal) << "a missing logo reads as Nothing";
    closeControl(loaded.get(), site.get());
}

// The designed rectangles in twips, measured on the screen (15 twips a pixel); boxes
// sized to their content keep only their left and top.
struct AboutRow {
    long style;
    const wchar_t* name;
    int left, top, width, height;
};
const AboutRow aboutRows[] = {
    {0, L"picIcon", 240, 120, 720, 720},        {0, L"lblTitle", 1050, 120, 4605, 345},
    {0, L"lblVersion", 1050, 480, 4605, 225},   {0, L"lblDescription", 90, 960, 5505, 1290},
    {0, L"Label2", 1080, 2400, 465, 195},       {0, L"lblMail", 1800, 2400, 3795, 225},
    {0, L"Label1", 1080, 2760, 630, 195},       {0, L"lblUrl", 1800, 2760, 3795, 225},
    {0, L"lblCopyright", 120, 3120, 5535, 225}, {0, L"lblDisclaimer", 120, 3600, 3975, 1065},
    {0, L"cmdOK", 4245, 3705, 1260, 345},       {0, L"Text1", 4290, 3780, 1155, 225},
    {0, L"cmdSysInfo", 4260, 4155, 1245, 345},  {0, L"Text2", 4290, 4230, 1125, 225},
    {1, L"picIcon", 240, 120, 720, 720},        {1, L"lblTitle", 1080, 120, 4605, 315},
    {1, L"lblVersion", 1080, 480, 4605, 225},   {1, L"Label2", 1080, 1200, 465, 195},
    {1, L"lblMail", 1800, 1200, 3855, 225},     {1, L"Label1", 1080, 1560, 630, 195},
    {1, L"lblUrl", 1800, 1560, 3825, 255},      {1, L"lblCopyright", 120, 1920, 5535, 255},
    {1, L"lblDescription", 150, 2280, 5445, 1170}, {1, L"lblDisclaimer", 150, 3600, 3975, 1065},
    {1, L"cmdOK", 4320, 3705, 1260, 345},       {1, L"Text1", 4380, 3780, 1155, 225},
    {1, L"cmdSysInfo", 4320, 4155, 1245, 345},  {1, L"Text2", 4380, 4230, 1125, 225},
};
int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

TEST_F(AboutTest, FormsShowTheirDesignedRectanglesTabOrderAndPlacement) {
    const SIZE client[] = {{5700, 4755}, {5745, 4770}};
    for (long style : {0L, 1L}) {
        SCOPED_TRACE(style);
        forms::Form& form = showStyle(style);
        HWND window = form.hwnd();
        RECT inside{};
        ::GetClientRect(window, &inside);
        EXPECT_EQ(pixels(client[style].cx), inside.right);
        EXPECT_EQ(pixels(client[style].cy), inside.bottom);
        for (const AboutRow& row : aboutRows) {
            if (row.style != style) continue;
            SCOPED_TRACE(row.name);
            RECT rect{};
            ::GetWindowRect(form.control(row.name).hwnd(), &rect);
            ::MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
            EXPECT_EQ(pixels(row.left), rect.left);
            EXPECT_EQ(pixels(row.top), rect.top);
            const std::wstring name = row.name;
            const bool sized = name == L"picIcon" || name == L"Label1" || name == L"Label2" || name == L"lblMail" ||
                               name == L"lblUrl";
            if (!sized) {
                EXPECT_EQ(pixels(row.width), rect.right - rect.left);
                EXPECT_EQ(pixels(row.height), rect.bottom - rect.top);
            }
        }
        // Tab order: cmdOK, picIcon, cmdSysInfo, as the keyboard moves the focus; the two
        // text boxes take no stop.
        HWND ok = form.control(L"cmdOK").hwnd();
        auto tabFrom = [&](HWND from) {
            ::SetFocus(from);
            ::PostMessageW(from, WM_KEYDOWN, VK_TAB, 0);
            pump();
            return ::GetFocus();
        };
        EXPECT_EQ(form.control(L"picIcon").hwnd(), tabFrom(ok)) << "Tab from cmdOK";
        EXPECT_EQ(form.control(L"cmdSysInfo").hwnd(), tabFrom(form.control(L"picIcon").hwnd())) << "Tab from picIcon";
        HWND after = tabFrom(form.control(L"cmdSysInfo").hwnd());
        for (const wchar_t* box : {L"Text1", L"Text2"}) {
            EXPECT_NE(form.control(box).hwnd(), after) << "Tab from cmdSysInfo";
            EXPECT_FALSE(::GetWindowLongW(form.control(box).hwnd(), GWL_STYLE) & WS_TABSTOP);
        }
    }
    // The standard form starts in the centre of the screen.
    forms::Form& standard = showStyle(0);
    RECT outer{};
    ::GetWindowRect(standard.hwnd(), &outer);
    EXPECT_NEAR(::GetSystemMetrics(SM_CXSCREEN) / 2.0, (outer.left + outer.right) / 2.0, 1.0);
    EXPECT_NEAR(::GetSystemMetrics(SM_CYSCREEN) / 2.0, (outer.top + outer.bottom) / 2.0, 1.0);
}

// Text2 gives the focus to the icon, then starts the tool; the close button of the
// caption unloads the form.
TEST_F(AboutTest, Text2StartsTheToolAndTheCaptionsCloseButtonUnloads) {
    std::vector<std::string> started;
    auto exec = branding::calls::WinExec.fake([&](LPCSTR path, UINT) {
        started.push_back(path);
        return UINT{33};
    });
    auto open = platform::advapi32::RegOpenKeyExA.fake([](HKEY, LPCSTR, DWORD, REGSAM, PHKEY key) {
        *key = reinterpret_cast<HKEY>(0x1234);
        return static_cast<LONG>(ERROR_SUCCESS);
    });
    auto query = platform::advapi32::RegQueryValueExA.fake(
        [](HKEY, LPCSTR, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
            static const char path[] = "C:\\Tools\\MSINFO32.EXE";
            std::memcpy(data, path, sizeof path);
            *size = sizeof path;
            *type = REG_SZ;
            return static_cast<LONG>(ERROR_SUCCESS);
        });
    auto close = platform::advapi32::RegCloseKey.fake([](HKEY) { return static_cast<LONG>(ERROR_SUCCESS); });
    forms::Form& form = showStyle(1);
    HWND text2 = form.control(L"Text2").hwnd();
    ::SendMessageW(text2, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ::SendMessageW(text2, WM_LBUTTONUP, 0, 0);
    pump();
    EXPECT_EQ(std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"}, started);
    EXPECT_EQ(form.control(L"picIcon").hwnd(), ::GetFocus());
    EXPECT_TRUE(form.loaded());

    ::SendMessageW(form.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_FALSE(form.loaded());
}

// The 2000 form's white band lies behind its transparent labels and ends in an etched
// the standard form is button face behind its labels (its separator is checked above).
TEST_F(AboutTest, TheBandAndTransparentLabelsOfThe2000Form) {
    struct Sample {
        long style;
        int x, y;  // twips in the client area
        COLORREF expected;
        const char* what;
    };
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const Sample samples[] = {
        {1, 60, 1000, 0x00FFFFFF, "band"},
        {1, 150, 1950, 0x00FFFFFF, "band behind the transparent copyright line"},
        {1, 1200, 1000, 0x00FFFFFF, "band between the version and the mail line"},
        {1, 60, 3000, face, "below the band"},
        {0, 60, 1000, face, "background"},
    };
    for (const Sample& sample : samples) {
        forms::Form& form = showStyle(sample.style);
        ::UpdateWindow(form.hwnd());
        pump();
        EXPECT_EQ(sample.expected, branding::test::clientPixel(form.hwnd(), pixels(sample.x), pixels(sample.y)))
            << sample.style << ": " << sample.what;
    }
}

}  // namespace
}  // namespace orvane
