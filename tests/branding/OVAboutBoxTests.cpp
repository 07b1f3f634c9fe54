// OVAboutBox: properties and notifications, the store, and the two About forms as
// ShowAbout fills them and as the user drives them (keys, pointer, links, System Info).
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "BrandingTestSupport.h"
#include "SoakSupport.h"
#include "TestSupport.h"
#include "branding/AboutFormCode.h"
#include "branding/OVAboutBox.h"
#include "branding/frmAbout2000.h"
#include "branding/frmAboutStandard.h"
#include "frame/ControlSite.h"
#include "frame/MemoryPropertyBag.h"
#include "frame/Platform.h"
#include "frame/forms/Twips.h"

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
    EXPECT_EQ(branding::underPointer, form.control(L"lblUrl").foreColor());
    moveOver(form.control(L"lblMail").hwnd());
    EXPECT_EQ(branding::underPointer, form.control(L"lblMail").foreColor());
    moveOver(form.control(L"Text1").hwnd());
    EXPECT_EQ(branding::underPointer, form.control(L"Text1").foreColor());
    EXPECT_EQ(branding::buttonTextNormal, form.control(L"Text2").foreColor());
    EXPECT_EQ(branding::underPointer, form.control(L"lblUrl").foreColor()) << "links stay blue until the form";
    moveOver(form.control(L"Text2").hwnd());
    EXPECT_EQ(branding::underPointer, form.control(L"Text2").foreColor());
    EXPECT_EQ(branding::buttonTextNormal, form.control(L"Text1").foreColor());
    moveOver(form.hwnd());
    EXPECT_EQ(branding::linkNormal, form.control(L"lblUrl").foreColor());
    EXPECT_EQ(branding::linkNormal, form.control(L"lblMail").foreColor());
    EXPECT_EQ(branding::buttonTextNormal, form.control(L"Text2").foreColor());
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
            HWND box = ::FindWindowW(L"#32770", branding::applicationTitle().c_str());
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
    EXPECT_EQ(branding::applicationTitle(), seenTitle);
    EXPECT_EQ(branding::sysInfoUnavailableText, seenText);
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
}

}  // namespace
}  // namespace orvane
