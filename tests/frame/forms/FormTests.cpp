// Forms built from tables: windows, geometry, fonts, colours, keyboard, events, program
// services and the release of every object at unload. Runs on the private X display.
#include "branding/SoakSupport.h"
#include "common/Screenshot.h"
#include "frame/forms/Form.h"
#include "frame/forms/GdiCache.h"
#include "frame/forms/Program.h"
#include "frame/forms/Twips.h"

#include <olectl.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::forms;

namespace {

void pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

std::wstring className(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

std::wstring windowText(HWND window) {
    wchar_t text[256] = {};
    ::GetWindowTextW(window, text, 256);
    return text;
}

std::wstring controlName(HWND window) {
    static const UINT message = ::RegisterWindowMessageW(L"WM_GETCONTROLNAME");
    wchar_t name[64] = {};
    LRESULT copied = ::SendMessageW(window, message, 64, reinterpret_cast<LPARAM>(name));
    return std::wstring(name, static_cast<size_t>(copied));
}

RECT clientRectOf(HWND child) {
    RECT rect;
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The client area of a window as 0x00RRGGBB pixels, top row first.
struct Capture {
    int width = 0, height = 0;
    std::vector<DWORD> pixels;
    COLORREF at(int x, int y) const {
        DWORD p = pixels[static_cast<size_t>(y) * width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
};

Capture capture(HWND window) {
    RECT client;
    ::GetClientRect(window, &client);
    Capture result;
    result.width = client.right;
    result.height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), result.width, -result.height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HDC screen = ::GetDC(window);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ before = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, result.width, result.height, screen, 0, 0, SRCCOPY);
    ::GdiFlush();
    auto* first = static_cast<const DWORD*>(bits);
    result.pixels.assign(first, first + static_cast<size_t>(result.width) * result.height);
    ::SelectObject(memory, before);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(window, screen);
    return result;
}

std::filesystem::path screenshotPath(const wchar_t* name) {
    wchar_t module[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    // build/x64/tests/orvane_tests.exe -> build/x64/screenshots/
    std::filesystem::path folder = std::filesystem::path(module).parent_path().parent_path() / L"screenshots";
    std::filesystem::create_directories(folder);
    return folder / name;
}

// Reads and dismisses the next message box with `title` from a second thread.
class MessageBoxCloser {
public:
    explicit MessageBoxCloser(std::wstring title)
        : thread_([this, title = std::move(title)] {
              for (int attempt = 0; attempt < 2000 && !found_; ++attempt) {
                  if (HWND box = ::FindWindowW(L"#32770", title.c_str())) {
                      text_ = windowText(::GetDlgItem(box, 0xFFFF));
                      found_ = true;
                      ::PostMessageW(box, WM_COMMAND, IDOK, 0);
                      return;
                  }
                  ::Sleep(10);
              }
          }) {}
    ~MessageBoxCloser() {
        if (thread_.joinable()) thread_.join();
    }
    std::wstring text() {
        if (thread_.joinable()) thread_.join();
        return text_;
    }
    bool found() {
        if (thread_.joinable()) thread_.join();
        return found_;
    }

private:
    std::wstring text_;
    std::atomic<bool> found_{false};
    std::thread thread_;
};

const wchar_t* const fruits[] = {L"Apple", L"Banana", L"Cherry"};

// One control of every windowed kind.
const ControlLayout sampleControls[] = {
    {Kind::Frame, L"Frame1", L"Group", 120, 120, 3000, 1500},
    ControlLayout{Kind::Label, L"lblInside", L"Inside", 120, 240, 1500, 255, font(L"Arial", 8.25)}.inside(L"Frame1"),
    {Kind::Label, L"lblTitle", L"Title text", 3300, 120, 2400, 345, font(L"Arial", 12, Bold), 0x00C00000, DefaultColor, Align::Right},
    ControlLayout{Kind::TextBox, L"txtName", L"hello", 3300, 600, 2400, 330}.tab(0),
    ControlLayout{Kind::TextBox, L"txtNotes", L"one\r\ntwo", 3300, 1020, 2400, 600, {}, DefaultColor, DefaultColor, MultiLine}.tab(1),
    {Kind::TextBox, L"Text1", L"OK", 3300, 1700, 1155, 225, {}, 0x00404040, sys::ActiveBorder, ReadOnly | NoTabStop | Align::Center},
    ControlLayout{Kind::CommandButton, L"cmdOK", L"OK", 300, 1800, 1260, 345, {}, DefaultColor, DefaultColor, DefaultButton | CancelButton}.tab(2),
    ControlLayout{Kind::ComboBox, L"cboFruit", L"", 300, 2300, 1860, 315, {}, DefaultColor, DefaultColor, DropDownList}.list(fruits),
    ControlLayout{Kind::ComboBox, L"cboFree", L"typed", 2400, 2300, 1860, 315}.list(fruits),
    ControlLayout{Kind::ListBox, L"lstFruit", L"", 300, 2800, 1860, 900}.list(fruits),
    ControlLayout{Kind::HScrollBar, L"IconScroll", L"", 2400, 2800, 2400, 255}.range(0, 10, 3),
    {Kind::PictureBox, L"picArea", L"", 2400, 3200, 1200, 600, {}, DefaultColor, 0x00FFFFFF, Border},
    {Kind::Image, L"imgLogo", L"", 4000, 3200, 480, 480},
    shape(L"Shape1", 0, 4000, 6000, 300, 0x00000000),
    timer(L"Timer1", 60000),
};

const FormLayout sampleForm{L"frmSample", L"Sample form", 6000, 4500, BorderStyle::FixedSingle,
                          TitleBar | ControlBox | MinButton | InTaskbar, StartUp::ScreenCentre};

struct Expected {
    const wchar_t* name;
    const wchar_t* windowClass;
    const wchar_t* text;
    DWORD styleBits;          // all of these set
    DWORD absentBits;         // none of these set
    const wchar_t* face;      // nullptr: the form's font
    double size;
    int weight;
    bool wholeRect = true;    // combos: the closed height is the platform's
};

const Expected expectations[] = {
    {L"Frame1", L"Button", L"Group", BS_GROUPBOX, WS_TABSTOP, nullptr, 8.25, FW_NORMAL},
    {L"lblInside", L"Static", L"Inside", SS_NOTIFY | SS_OWNERDRAW, WS_TABSTOP, L"Arial", 8.25, FW_NORMAL},
    {L"lblTitle", L"Static", L"Title text", SS_NOTIFY | SS_OWNERDRAW, 0, L"Arial", 12, FW_BOLD},
    {L"txtName", L"Edit", L"hello", WS_TABSTOP | ES_AUTOHSCROLL, ES_MULTILINE | ES_READONLY, nullptr, 8.25, FW_NORMAL},
    {L"txtNotes", L"Edit", L"one\r\ntwo", WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN, ES_READONLY, nullptr, 8.25, FW_NORMAL},
    {L"Text1", L"Edit", L"OK", ES_READONLY | ES_CENTER, WS_TABSTOP, nullptr, 8.25, FW_NORMAL},
    {L"cmdOK", L"Button", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, nullptr, 8.25, FW_NORMAL},
    {L"cboFruit", L"ComboBox", L"", WS_TABSTOP | CBS_DROPDOWNLIST, 0, nullptr, 8.25, FW_NORMAL, false},
    {L"cboFree", L"ComboBox", L"typed", WS_TABSTOP | CBS_DROPDOWN, CBS_DROPDOWNLIST & ~CBS_DROPDOWN, nullptr, 8.25, FW_NORMAL, false},
    {L"lstFruit", L"ListBox", L"", WS_TABSTOP | LBS_NOTIFY, 0, nullptr, 8.25, FW_NORMAL},
    {L"IconScroll", L"ScrollBar", L"", SBS_HORZ, 0, nullptr, 8.25, FW_NORMAL},
    {L"picArea", L"Static", L"", SS_OWNERDRAW | SS_NOTIFY, 0, nullptr, 8.25, FW_NORMAL},
    {L"imgLogo", L"Static", L"", SS_OWNERDRAW | SS_NOTIFY, WS_VISIBLE, nullptr, 8.25, FW_NORMAL},
};

class FormTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (Form* form : Form::loadedForms()) form->destroyWindows();
        setUnhandledErrorPolicy(nullptr);
        pump();
    }
};

}  // namespace

TEST(Twips, OneRoundingRule) {
    EXPECT_EQ(twipsToPixels(15, 96), 1);
    EXPECT_EQ(twipsToPixels(7380, 96), 492);
    EXPECT_EQ(twipsToPixels(7.5, 96), 1);     // halves away from zero
    EXPECT_EQ(twipsToPixels(7.4, 96), 0);
    EXPECT_EQ(twipsToPixels(-7.5, 96), -1);
    EXPECT_EQ(twipsToPixels(1440, 120), 120);
    EXPECT_DOUBLE_EQ(pixelsToTwips(492, 96), 7380);
    EXPECT_EQ(pointsToFontHeight(8.25, 96), -11);
    EXPECT_EQ(pointsToFontHeight(27.75, 96), -37);
    EXPECT_EQ(pointsToFontHeight(12, 96), -16);
}

TEST(Colors, SystemColoursResolveThroughThePlatform) {
    EXPECT_EQ(resolveColor(0x0000FFFF), RGB(255, 255, 0));
    EXPECT_EQ(resolveColor(sys::ButtonFace), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(resolveColor(sys::WindowText), ::GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(resolveColor(sys::TitleText), ::GetSysColor(COLOR_CAPTIONTEXT));
}

TEST_F(FormTest, EveryKindIsAStandardWindowWithItsTableValues) {
    Form form(sampleForm, sampleControls);
    form.show();
    ASSERT_TRUE(form.visible());
    EXPECT_EQ(controlName(form.hwnd()), L"frmSample");
    EXPECT_EQ(windowText(form.hwnd()), L"Sample form");
    RECT client;
    ::GetClientRect(form.hwnd(), &client);
    EXPECT_EQ(client.right, toPixelsX(6000));
    EXPECT_EQ(client.bottom, toPixelsY(4500));

    for (const Expected& expected : expectations) {
        SCOPED_TRACE(testing::Message() << std::string(expected.name, expected.name + ::lstrlenW(expected.name)));
        FormControl& control = form.control(expected.name);
        HWND window = control.hwnd();
        ASSERT_TRUE(::IsWindow(window));
        EXPECT_EQ(::GetParent(window), form.hwnd());
        EXPECT_EQ(::lstrcmpiW(className(window).c_str(), expected.windowClass), 0) << className(window).size();
        EXPECT_EQ(windowText(window), expected.text);
        EXPECT_EQ(controlName(window), expected.name);
        DWORD style = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
        EXPECT_EQ(style & expected.styleBits, expected.styleBits) << std::hex << style;
        EXPECT_EQ(style & expected.absentBits, 0u) << std::hex << style;

        const ControlLayout& row = control.layout();
        POINT origin{0, 0};
        if (row.container) {
            origin = {toPixelsX(form.control(row.container).left()), toPixelsY(form.control(row.container).top())};
        }
        RECT rect = clientRectOf(window);
        EXPECT_EQ(rect.left, origin.x + toPixelsX(row.left));
        EXPECT_EQ(rect.top, origin.y + toPixelsY(row.top));
        EXPECT_EQ(rect.right - rect.left, toPixelsX(row.width));
        if (expected.wholeRect) {
            EXPECT_EQ(rect.bottom - rect.top, toPixelsY(row.height));
        }

        if (row.kind == Kind::HScrollBar) continue;   // scroll bars keep no font
        auto font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW description{};
        ASSERT_TRUE(::GetObjectW(font, sizeof description, &description));
        EXPECT_STREQ(description.lfFaceName, expected.face ? expected.face : L"MS Sans Serif");
        EXPECT_EQ(description.lfHeight, pointsToFontHeight(expected.size, screenDpiY()));
        EXPECT_EQ(description.lfWeight, expected.weight);
    }
    // Lists carry their entries; the editable combo its text.
    EXPECT_EQ(form.control(L"cboFruit").listCount(), 3);
    EXPECT_EQ(form.control(L"lstFruit").list(2), L"Cherry");
    EXPECT_EQ(form.control(L"cboFree").text(), L"typed");
    EXPECT_EQ(::GetScrollPos(form.control(L"IconScroll").hwnd(), SB_CTL), 3);
    // Windowless kinds have no window.
    EXPECT_EQ(form.control(L"Shape1").hwnd(), nullptr);
    EXPECT_EQ(form.control(L"Timer1").hwnd(), nullptr);
    Capture image = capture(form.hwnd());
    demo::saveWindowPicture(form.hwnd(), screenshotPath(L"sample-form.png").wstring());
    // Inside a frame the form shows through.
    EXPECT_EQ(image.at(toPixelsX(120 + 2000), toPixelsY(120 + 1200)), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(FormTest, SameFontIsOneSharedFontAcrossForms) {
    static const ControlLayout rows[] = {
        {Kind::Label, L"lblA", L"a", 0, 0, 600, 255, font(L"Arial", 9.75, Bold)},
        {Kind::Label, L"lblB", L"b", 0, 300, 600, 255, font(L"ARIAL", 9.75, Bold)},
        {Kind::Label, L"lblC", L"c", 0, 600, 600, 255, font(L"Arial", 9.75, Bold | Italic)},
    };
    static const FormLayout layout{L"frmFonts", L"", 1500, 1500};
    Form first(layout, rows), second(layout, rows);
    first.load();
    second.load();
    auto fontOf = [](Form& form, const wchar_t* name) {
        return reinterpret_cast<HFONT>(::SendMessageW(form.control(name).hwnd(), WM_GETFONT, 0, 0));
    };
    EXPECT_EQ(fontOf(first, L"lblA"), fontOf(first, L"lblB"));
    EXPECT_EQ(fontOf(first, L"lblA"), fontOf(second, L"lblA"));
    EXPECT_NE(fontOf(first, L"lblA"), fontOf(first, L"lblC"));
    HFONT shared = fontOf(first, L"lblA");
    first.unload();
    EXPECT_EQ(::GetObjectType(shared), static_cast<DWORD>(OBJ_FONT)) << "still used by the second form";
    second.unload();
    EXPECT_EQ(::GetObjectType(shared), 0u) << "released with the last form using it";
}

TEST_F(FormTest, UnloadReleasesEveryWindowAndGdiObject) {
    HANDLE process = ::GetCurrentProcess();
    // Warm up what the platform creates once per process (classes, stock objects).
    {
        Form warm(sampleForm, sampleControls);
        warm.show();
        warm.unload();
    }
    const DWORD gdiBefore = ::GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userBefore = ::GetGuiResources(process, GR_USEROBJECTS);
    Form form(sampleForm, sampleControls);
    form.show();
    HWND window = form.hwnd();
    HWND label = form.control(L"lblTitle").hwnd();
    auto font = reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0));
    HDC surface = form.control(L"picArea").hdc();
    ASSERT_EQ(::GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    ASSERT_EQ(::GetObjectType(surface), static_cast<DWORD>(OBJ_MEMDC));

    EXPECT_TRUE(form.unload());
    EXPECT_FALSE(form.loaded());
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_FALSE(::IsWindow(label));
    EXPECT_EQ(::GetObjectType(font), 0u);
    EXPECT_EQ(::GetObjectType(surface), 0u);
    EXPECT_EQ(::GetGuiResources(process, GR_GDIOBJECTS), gdiBefore);
    EXPECT_EQ(::GetGuiResources(process, GR_USEROBJECTS), userBefore);
    EXPECT_TRUE(Form::loadedForms().empty());
}

// Every kind of control made and destroyed again and again: what each standard control
// keeps for its window goes with the window (a text or list box that never sees its own
// destruction keeps its buffers).
TEST_F(FormTest, LoadingAndUnloadingAgainKeepsNoMemory) {
    Form form(sampleForm, sampleControls);
    branding::test::expectNoGrowth(L"every kind of control loaded and unloaded", 20, 100, 128 * 1024, [&](int) {
        form.show();
        form.unload();
    });
}

TEST_F(FormTest, HideKeepsContentsAndUnloadStartsAfresh) {
    static const FormDefinition definition{sampleForm, sampleControls};
    Form& form = Form::instance(definition);
    EXPECT_EQ(&form, &Form::instance(definition));
    form.show();
    form.control(L"txtName").setText(L"changed");
    form.hide();
    EXPECT_FALSE(form.visible());
    EXPECT_TRUE(form.loaded());
    EXPECT_EQ(form.control(L"txtName").text(), L"changed");
    form.unload();
    EXPECT_FALSE(form.loaded());
    // Any use loads it again, from the table.
    EXPECT_EQ(form.control(L"txtName").text(), L"hello");
    EXPECT_TRUE(form.loaded());
    EXPECT_FALSE(form.visible());
    // Another thread has its own instance.
    Form* other = nullptr;
    std::thread([&] { other = &Form::instance(definition); }).join();
    EXPECT_NE(other, &form);
}

TEST_F(FormTest, WindowStylesFollowTheFormTable) {
    static const FormLayout splash{L"frmSplash", L"", 3000, 2000, BorderStyle::FixedDialog, NoTitleBar, StartUp::ScreenCentre};
    static const FormLayout about{L"frmAbout", L"About MyApp", 3000, 2000, BorderStyle::FixedDialog, TitleBar | ControlBox,
                                StartUp::OwnerCentre};
    static const FormLayout demo{L"frmDemo", L"Demo", 3000, 2000, BorderStyle::FixedSingle, TitleBar | ControlBox | MinButton | InTaskbar};
    Form splashForm(splash, {}), aboutForm(about, {}), demoForm(demo, {});
    splashForm.show();
    auto style = [](Form& form) { return static_cast<DWORD>(::GetWindowLongW(form.hwnd(), GWL_STYLE)); };
    auto exStyle = [](Form& form) { return static_cast<DWORD>(::GetWindowLongW(form.hwnd(), GWL_EXSTYLE)); };
    EXPECT_EQ(style(splashForm) & (WS_POPUP | WS_DLGFRAME), static_cast<DWORD>(WS_POPUP | WS_DLGFRAME));
    EXPECT_NE(style(splashForm) & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_NE(exStyle(splashForm) & WS_EX_TOOLWINDOW, 0u);
    // Centred on the screen.
    RECT rect;
    ::GetWindowRect(splashForm.hwnd(), &rect);
    EXPECT_NEAR((rect.left + rect.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((rect.top + rect.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    aboutForm.show(demoForm.hwnd());
    EXPECT_EQ(style(aboutForm) & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(style(aboutForm) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
    EXPECT_EQ(exStyle(aboutForm) & WS_EX_APPWINDOW, 0u);
    EXPECT_NE(::GetWindow(aboutForm.hwnd(), GW_OWNER), nullptr) << "owned, so off the task bar";
    RECT owner;
    ::GetWindowRect(demoForm.hwnd(), &owner);
    ::GetWindowRect(aboutForm.hwnd(), &rect);
    EXPECT_NEAR((rect.left + rect.right) / 2, (owner.left + owner.right) / 2, 1);

    EXPECT_EQ(style(demoForm) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), static_cast<DWORD>(WS_MINIMIZEBOX));
    EXPECT_NE(exStyle(demoForm) & WS_EX_APPWINDOW, 0u);
    // The form's height is the outer one, border and caption included.
    EXPECT_GT(demoForm.height(), 2000);
    EXPECT_DOUBLE_EQ(demoForm.scaleHeight(), toTwipsY(toPixelsY(2000)));
}

TEST_F(FormTest, TabEnterAndEscapeWorkInAModelessFormPumpedBySomebodyElse) {
    static const ControlLayout rows[] = {
        ControlLayout{Kind::TextBox, L"txtFirst", L"", 120, 120, 1500, 330}.tab(0),
        {Kind::Label, L"lblNote", L"note", 120, 600, 1500, 255},
        ControlLayout{Kind::CommandButton, L"cmdOK", L"OK", 120, 1000, 1200, 345, {}, DefaultColor, DefaultColor, DefaultButton}.tab(2),
        ControlLayout{Kind::CommandButton, L"cmdCancel", L"Cancel", 1500, 1000, 1200, 345, {}, DefaultColor, DefaultColor, CancelButton}.tab(1),
        {Kind::TextBox, L"txtSkipped", L"", 120, 1500, 1500, 330, {}, DefaultColor, DefaultColor, NoTabStop},
    };
    static const FormLayout layout{L"frmKeys", L"Keys", 3000, 2200, BorderStyle::FixedDialog, TitleBar | ControlBox};
    int okClicks = 0, cancelClicks = 0;
    Form form(layout, rows,
              {{L"cmdOK", Event::Click, [&](EventArgs&) { ++okClicks; }},
               {L"cmdCancel", Event::Click, [&](EventArgs&) { ++cancelClicks; }}});
    form.show();
    auto press = [](UINT key) {
        HWND focus = ::GetFocus();
        ::PostMessageW(focus, WM_KEYDOWN, key, 1);
        ::PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
        pump();
    };
    pump();
    EXPECT_EQ(::GetFocus(), form.control(L"txtFirst").hwnd()) << "showing focuses the first tab stop";
    press(VK_TAB);
    EXPECT_EQ(::GetFocus(), form.control(L"cmdCancel").hwnd());
    press(VK_TAB);
    EXPECT_EQ(::GetFocus(), form.control(L"cmdOK").hwnd());
    press(VK_TAB);
    EXPECT_EQ(::GetFocus(), form.control(L"txtFirst").hwnd()) << "wraps round, skipping labels and NoTabStop";
    EXPECT_TRUE(form.control(L"txtFirst").text().empty()) << "the Tab key typed nothing";

    press(VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    press(VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 1);
    // Enter on a focused button presses that button.
    form.control(L"cmdCancel").setFocus();
    press(VK_RETURN);
    EXPECT_EQ(cancelClicks, 2);
    EXPECT_EQ(okClicks, 1);
}

TEST_F(FormTest, EscapeOnAButtonThatUnloadsClosesTheForm) {
    static const ControlLayout rows[] = {
        {Kind::CommandButton, L"cmdOK", L"", 120, 120, 1260, 345, {}, DefaultColor, DefaultColor, DefaultButton | CancelButton},
        {Kind::TextBox, L"Text1", L"OK", 165, 195, 1155, 225, {}, DefaultColor, DefaultColor, ReadOnly | NoTabStop | Align::Center},
    };
    static const FormLayout layout{L"frmClose", L"Close", 2000, 1000, BorderStyle::FixedDialog, TitleBar | ControlBox};
    int unloads = 0;
    Form form(layout, rows,
              {{L"cmdOK", Event::Click, [](EventArgs& e) { e.form.unload(); }},
               {nullptr, Event::Unload, [&](EventArgs&) { ++unloads; }}});
    form.show();
    // The text box lies on top of the button's face.
    EXPECT_EQ(::ChildWindowFromPoint(form.hwnd(), POINT{20, 20}), form.control(L"Text1").hwnd());
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    pump();
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(unloads, 1);
    // The close button goes through QueryUnload, which may refuse.
    Form stubborn(layout, rows, {{nullptr, Event::QueryUnload, [](EventArgs& e) {
                                    EXPECT_EQ(e.unloadMode, UnloadMode::CloseButton);
                                    e.cancel = true;
                                }}});
    stubborn.show();
    ::SendMessageW(stubborn.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(stubborn.loaded());
}

TEST_F(FormTest, EventsReachTheHandlerMap) {
    std::vector<std::wstring> seen;
    auto record = [&](const wchar_t* what) { return [&seen, what](EventArgs&) { seen.push_back(what); }; };
    Form form(sampleForm, sampleControls,
              {{L"lblTitle", Event::Click, record(L"label click")},
               {L"lblTitle", Event::MouseMove, record(L"label move")},
               {L"Text1", Event::MouseMove, record(L"text move")},
               {L"Text1", Event::Click, record(L"text click")},
               {nullptr, Event::MouseMove, record(L"form move")},
               {nullptr, Event::Load, record(L"load")},
               {L"txtName", Event::Change, record(L"change")},
               {L"cboFruit", Event::Click, record(L"combo click")},
               {L"IconScroll", Event::Change, record(L"scroll change")},
               {L"Timer1", Event::Timer, record(L"timer")}});
    form.show();
    ASSERT_EQ(seen, std::vector<std::wstring>{L"load"});
    seen.clear();
    HWND label = form.control(L"lblTitle").hwnd();
    ::SendMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    ::SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    ::SendMessageW(form.control(L"Text1").hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    ::SendMessageW(form.control(L"Text1").hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageW(form.control(L"Text1").hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ::SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    form.control(L"txtName").setText(L"x");
    form.control(L"cboFruit").setListIndex(1);
    form.control(L"IconScroll").setValue(3);   // unchanged: no event
    ::SendMessageW(form.hwnd(), WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(form.control(L"IconScroll").hwnd()));
    ::SendMessageW(form.hwnd(), WM_TIMER, form.control(L"Timer1").id(), 0);
    const std::vector<std::wstring> expected{L"label move", L"label click", L"text move", L"text click",
                                             L"form move", L"change", L"combo click", L"scroll change", L"timer"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(form.control(L"cboFruit").text(), L"Banana");
    EXPECT_EQ(form.control(L"IconScroll").value(), 4);
    EXPECT_THROW(form.control(L"cboFruit").setText(L"Durian"), RuntimeError);
    EXPECT_THROW(form.control(L"noSuchControl"), RuntimeError);
}

TEST_F(FormTest, ControlArraysShareANameAndAHandler) {
    static const ControlLayout rows[] = {
        ControlLayout{Kind::Label, L"lblGeneric", L"Enter a number:", 0, 0, 1500, 255}.element(0),
        ControlLayout{Kind::Label, L"lblGeneric", L"Conversion:", 0, 300, 1500, 255}.element(1),
        ControlLayout{Kind::Label, L"lblGeneric", L"Result:", 0, 600, 1500, 255}.element(2),
    };
    static const FormLayout layout{L"frmArray", L"", 2000, 1000};
    int clicked = -1;
    Form form(layout, rows, {{L"lblGeneric", Event::Click, [&](EventArgs& e) { clicked = e.sender().index(); }}});
    form.load();
    EXPECT_EQ(form.controlArray(L"lblGeneric").size(), 3u);
    EXPECT_EQ(form.control(L"lblGeneric", 1).text(), L"Conversion:");
    EXPECT_EQ(controlName(form.control(L"lblGeneric", 2).hwnd()), L"lblGeneric");
    ::SendMessageW(form.control(L"lblGeneric", 2).hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(clicked, 2);
    EXPECT_EQ(form.find(L"lblGeneric", 7), nullptr);
}

TEST_F(FormTest, LabelsSizedToTextGrowAndWrap) {
    static const ControlLayout rows[] = {
        {Kind::Label, L"lblAuto", L"short", 120, 120, 3000, 255, font(L"Arial", 8.25), DefaultColor, DefaultColor, AutoSize},
        {Kind::Label, L"lblWarning", L"Warning", 120, 600, 2000, 255, font(L"Arial", 8.25)},
    };
    static const FormLayout layout{L"frmAuto", L"", 4000, 3000};
    Form form(layout, rows);
    form.load();
    FormControl& automatic = form.control(L"lblAuto");
    const double shortWidth = automatic.width();
    EXPECT_LT(shortWidth, 3000) << "shrinks to its text";
    EXPECT_DOUBLE_EQ(automatic.left(), 120);
    automatic.setText(L"a considerably longer caption than before");
    EXPECT_GT(automatic.width(), shortWidth);
    EXPECT_DOUBLE_EQ(automatic.left(), 120);

    // Word wrap then automatic sizing: the width stays, the height takes the lines.
    FormControl& warning = form.control(L"lblWarning");
    warning.setText(L"Warning: this program is protected by law. Unauthorized reproduction or distribution of "
                    L"this program, or any portion of it, may result in severe penalties.");
    warning.setWordWrap(true);
    warning.setAutoSize(true);
    EXPECT_DOUBLE_EQ(warning.width(), 2000);
    EXPECT_GT(warning.height(), 255 * 2);
    RECT rect = clientRectOf(warning.hwnd());
    EXPECT_EQ(rect.bottom - rect.top, toPixelsY(warning.height()));
    const double tall = warning.height();
    warning.move(120, 100);
    EXPECT_DOUBLE_EQ(warning.height(), tall);
    EXPECT_EQ(clientRectOf(warning.hwnd()).top, toPixelsY(100));
}

// A label that grows past the edge of its frame is cut off at the frame; the form
// around the frame shows nothing of it. One that fits is not touched.
TEST_F(FormTest, ControlsInsideAFrameAreCutOffAtItsEdge) {
    static const ControlLayout rows[] = {
        {Kind::Frame, L"Frame1", L"", 150, 60, 3000, 1500},
        ControlLayout{Kind::Label, L"lblLong", L"x", 1200, 300, 600, 600, font(L"Arial", 20, Bold), 0x000000FF,
                    0x000000FF, Align::Right | AutoSize}.inside(L"Frame1"),
        ControlLayout{Kind::Label, L"lblShort", L"ok", 300, 1000, 600, 255, font(L"Arial", 8.25)}.inside(L"Frame1"),
    };
    static const FormLayout layout{L"frmClip", L"", 4500, 1800, BorderStyle::FixedDialog, NoTitleBar, StartUp::ScreenCentre};
    Form form(layout, rows);
    form.show();
    FormControl& label = form.control(L"lblLong");
    label.setText(L"A caption far wider than its frame");
    pump();
    RECT frame = clientRectOf(form.control(L"Frame1").hwnd());
    RECT rect = clientRectOf(label.hwnd());
    ASSERT_GT(rect.right, frame.right) << "the label itself keeps the width of its text";

    RECT kept{};
    ASSERT_EQ(SIMPLEREGION, ::GetWindowRgnBox(label.hwnd(), &kept));
    EXPECT_EQ(frame.right - 2 - rect.left, kept.right);
    EXPECT_EQ(ERROR, ::GetWindowRgnBox(form.control(L"lblShort").hwnd(), &kept)) << "a label that fits has no region";

    Capture image = capture(form.hwnd());
    const int y = (rect.top + rect.bottom) / 2;
    EXPECT_EQ(image.at(frame.right - 4, y), RGB(255, 0, 0)) << "drawn inside the frame";
    for (int x = frame.right + 1; x < std::min<int>(rect.right, image.width); ++x) {
        ASSERT_EQ(image.at(x, y), ::GetSysColor(COLOR_BTNFACE)) << "cut off at the frame, column " << x;
    }
    // Moved back inside, the whole label shows again.
    label.setText(L"x");
    EXPECT_EQ(ERROR, ::GetWindowRgnBox(label.hwnd(), &kept));
}

TEST_F(FormTest, ImageBoxesTakeThePictureSizeAndBlankOnesShowNothing) {
    static const ControlLayout rows[] = {{Kind::Image, L"imgLogo", L"", 240, 240, 480, 480}};
    static const FormLayout layout{L"frmImage", L"", 3000, 3000};
    Form form(layout, rows);
    form.show();
    FormControl& image = form.control(L"imgLogo");
    EXPECT_FALSE(::IsWindowVisible(image.hwnd())) << "no picture yet";

    PICTDESC bitmap{sizeof bitmap, PICTYPE_BITMAP};
    bitmap.bmp.hbitmap = ::CreateBitmap(40, 30, 1, 32, nullptr);
    ComPtr<IPicture> picture;
    ASSERT_EQ(::OleCreatePictureIndirect(&bitmap, IID_IPicture, TRUE, picture.putVoid()), S_OK);
    image.setPicture(picture.get());
    EXPECT_TRUE(::IsWindowVisible(image.hwnd()));
    RECT rect = clientRectOf(image.hwnd());
    EXPECT_EQ(rect.left, toPixelsX(240));
    EXPECT_EQ(rect.top, toPixelsY(240));
    EXPECT_EQ(rect.right - rect.left, 40);
    EXPECT_EQ(rect.bottom - rect.top, 30);

    PICTDESC none{sizeof none, PICTYPE_NONE};
    ComPtr<IPicture> empty;
    ASSERT_EQ(::OleCreatePictureIndirect(&none, IID_IPicture, TRUE, empty.putVoid()), S_OK);
    image.setPicture(empty.get());
    EXPECT_FALSE(::IsWindowVisible(image.hwnd()));
    image.setPicture(nullptr);
    EXPECT_FALSE(::IsWindowVisible(image.hwnd()));
}

TEST_F(FormTest, BandsRulesAndTransparentLabelsHaveTheirColours) {
    static const ControlLayout rows[] = {
        shape(L"Shape1", 0, 0, 4500, 1200, 0x00000000),
        {Kind::Label, L"lblOnBand", L"WWWW", 150, 150, 3000, 600, font(L"Arial", 20, Bold), 0x0000FFFF, DefaultColor, Transparent},
        {Kind::Label, L"lblOpaque", L"x", 3300, 150, 900, 600, {}, 0x00000000, 0x000000FF},
        line(L"Line1", 0, 1800, 4500, 1800, 0x00808080, 2),
        line(L"Line2", 0, 1800, 4500, 1800, 0x00FFFFFF, 1),
        shape(L"Shape2", 300, 2100, 1500, 600, 0x00FF0000, 0x0000FF00, 1),
    };
    static const FormLayout layout{L"frmPixels", L"", 4500, 3000, BorderStyle::FixedDialog, NoTitleBar, StartUp::ScreenCentre};
    Form form(layout, rows);
    form.show();
    pump();
    Capture image = capture(form.hwnd());
    demo::saveWindowPicture(form.hwnd(), screenshotPath(L"bands-and-labels.png").wstring());

    // The band around and under the transparent label is black; its text is yellow.
    EXPECT_EQ(image.at(5, 5), RGB(0, 0, 0));
    RECT label = clientRectOf(form.control(L"lblOnBand").hwnd());
    int yellow = 0, other = 0;
    for (int y = label.top; y < label.bottom; ++y) {
        for (int x = label.left; x < label.right; ++x) {
            COLORREF c = image.at(x, y);
            if (c == RGB(0, 0, 0)) continue;
            if (GetRValue(c) > 180 && GetGValue(c) > 180 && GetBValue(c) < 80) ++yellow;
            else if (c == ::GetSysColor(COLOR_BTNFACE)) ++other;
        }
    }
    EXPECT_GT(yellow, 20);
    EXPECT_EQ(other, 0) << "a transparent label paints no background";
    // An opaque label fills its rectangle.
    RECT opaque = clientRectOf(form.control(L"lblOpaque").hwnd());
    EXPECT_EQ(image.at(opaque.right - 2, opaque.bottom - 2), RGB(255, 0, 0));
    // The etched rule: dark above, light on the line's own points.
    const int y = toPixelsY(1800);
    EXPECT_EQ(image.at(50, y - 1), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(image.at(50, y), RGB(255, 255, 255));
    EXPECT_EQ(image.at(50, y + 1), ::GetSysColor(COLOR_BTNFACE));
    // A filled shape with a border.
    EXPECT_EQ(image.at(toPixelsX(300) + 5, toPixelsY(2100) + 5), RGB(0, 0, 255));
    EXPECT_EQ(image.at(toPixelsX(300), toPixelsY(2100) + 5), RGB(0, 255, 0));
}

TEST_F(FormTest, AutoRedrawFormsAndPictureBoxesKeepWhatIsPrinted) {
    static const ControlLayout rows[] = {{Kind::PictureBox, L"picArea", L"", 1500, 0, 1500, 1500, {}, DefaultColor, 0x00FFFFFF}};
    static const FormLayout layout{L"frmPrint", L"", 3000, 1500, BorderStyle::FixedDialog, AutoRedraw};
    Form form(layout, rows);
    form.show();
    for (int line = 0; line < 3; ++line) form.print(L"WWWWWWWW");
    HDC dc = form.control(L"picArea").hdc();
    RECT square{10, 10, 30, 30};
    HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));
    ::FillRect(dc, &square, red);
    ::DeleteObject(red);
    form.control(L"picArea").refresh();
    // Covered and uncovered: the text is still there.
    form.hide();
    form.show();
    Capture image = capture(form.hwnd());
    int dark = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < toPixelsX(1500); ++x) {
            if (GetRValue(image.at(x, y)) < 90) ++dark;
        }
    }
    EXPECT_GT(dark, 30) << "printed text kept";
    const int pictureLeft = toPixelsX(1500);
    EXPECT_EQ(image.at(pictureLeft + 20, 20), RGB(255, 0, 0));
    EXPECT_EQ(image.at(pictureLeft + 60, 60), RGB(255, 255, 255));
    form.cls();
    image = capture(form.hwnd());
    EXPECT_EQ(image.at(5, 5), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(FormTest, FileAndDirectoryListsReadTheFolder) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    std::filesystem::path folder = std::filesystem::path(temp) / L"orvane-forms-lists";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / L"Sub");
    for (const wchar_t* name : {L"a.exe", L"b.txt", L"c.DLL", L"noext"}) std::ofstream(folder / name) << "x";
    static const ControlLayout rows[] = {
        {Kind::DriveListBox, L"Drive1", L"", 0, 0, 2000, 315},
        {Kind::DirListBox, L"Dir1", L"", 0, 400, 2000, 1500},
        ControlLayout{Kind::FileListBox, L"File1", L"", 2100, 400, 2000, 1500}.files(L"*.exe;*.dll"),
    };
    static const FormLayout layout{L"frmLists", L"", 4200, 2000};
    std::vector<std::wstring> changes;
    Form form(layout, rows, {{L"Dir1", Event::Change, [&](EventArgs& e) {
                                changes.push_back(e.sender().path());
                                e.form.control(L"File1").setPath(e.sender().path());
                            }}});
    form.load();
    EXPECT_FALSE(form.control(L"Drive1").drive().empty());
    EXPECT_GT(form.control(L"Drive1").listCount(), 0);
    EXPECT_EQ(form.control(L"Drive1").drive()[1], L':');

    form.control(L"Dir1").setPath(folder.wstring());
    ASSERT_EQ(changes.size(), 1u);
    FormControl& files = form.control(L"File1");
    EXPECT_EQ(::lstrcmpiW(files.path().c_str(), folder.wstring().c_str()), 0);
    ASSERT_EQ(files.listCount(), 2);
    EXPECT_EQ(files.list(0), L"a.exe");
    EXPECT_EQ(files.list(1), L"c.DLL");
    EXPECT_EQ(files.fileName(), L"");
    files.setListIndex(1);
    EXPECT_EQ(files.fileName(), L"c.DLL");
    FormControl& folders = form.control(L"Dir1");
    EXPECT_EQ(folders.list(0), L"..");
    EXPECT_EQ(folders.list(1), L"Sub");
    try {
        folders.setPath((folder / L"missing").wstring());
        ADD_FAILURE() << "a missing folder is refused";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 76);
    }
    EXPECT_EQ(changes.size(), 1u) << "a refused path changes nothing";
    std::filesystem::remove_all(folder);
}

TEST_F(FormTest, MessageBoxesCanBeReadAndDismissed) {
    MessageBoxCloser closer(L"Empty...");
    EXPECT_EQ(msgBox(L"Stack is Empty.", MB_OK | MB_ICONINFORMATION, L"Empty..."), IDOK);
    EXPECT_EQ(closer.text(), L"Stack is Empty.");
}

TEST_F(FormTest, AnUnhandledErrorIsReportedAndEndsTheProgramWithItsNumber) {
    static const ControlLayout rows[] = {{Kind::CommandButton, L"cmdConvert", L"Convert", 0, 0, 1200, 345}};
    static const FormLayout layout{L"frmFailing", L"Failing", 2000, 1000};
    setProgramTitle(L"FormTests");
    Form form(layout, rows,
              {{nullptr, Event::Load, [](EventArgs& e) {
                    HWND button = e.form.control(L"cmdConvert").hwnd();
                    ::PostMessageW(e.form.hwnd(), WM_COMMAND, MAKEWPARAM(e.form.control(L"cmdConvert").id(), BN_CLICKED),
                                   reinterpret_cast<LPARAM>(button));
                }},
               {L"cmdConvert", Event::Click, [](EventArgs&) { raise(error::Overflow); }}});
    MessageBoxCloser closer(L"FormTests");
    EXPECT_EQ(run(form), 6);
    EXPECT_EQ(closer.text(), L"Run-time error '6':\n\nOverflow");
    EXPECT_FALSE(form.loaded());
    EXPECT_TRUE(Form::loadedForms().empty());
}

TEST_F(FormTest, EndUnloadsEverythingAndLeavesTheLoop) {
    static const ControlLayout rows[] = {{Kind::CommandButton, L"cmdClose", L"&Close", 0, 0, 1200, 345}};
    static const FormLayout layout{L"frmEnd", L"End", 2000, 1000};
    int unloadEvents = 0;
    Form other(layout, rows);
    other.show();
    Form form(layout, rows,
              {{nullptr, Event::Load, [](EventArgs& e) {
                    ::PostMessageW(e.form.hwnd(), WM_COMMAND, MAKEWPARAM(e.form.control(L"cmdClose").id(), BN_CLICKED),
                                   reinterpret_cast<LPARAM>(e.form.control(L"cmdClose").hwnd()));
                }},
               {L"cmdClose", Event::Click, [](EventArgs&) {
                    end();
                    ADD_FAILURE() << "End does not return";
                }},
               {nullptr, Event::Unload, [&](EventArgs&) { ++unloadEvents; }}});
    EXPECT_EQ(run(form), 0);
    EXPECT_FALSE(form.loaded());
    EXPECT_FALSE(other.loaded());
    EXPECT_EQ(unloadEvents, 0) << "End runs no Unload handlers";
}

TEST_F(FormTest, LibraryFormsMayKeepErrorsFromEndingTheHost) {
    std::vector<long> reported;
    setUnhandledErrorPolicy([&](const RuntimeError& error) { reported.push_back(error.number()); });
    static const ControlLayout rows[] = {{Kind::CommandButton, L"cmdSysInfo", L"", 0, 0, 1200, 345}};
    static const FormLayout layout{L"frmPolicy", L"", 2000, 1000};
    Form form(layout, rows, {{L"cmdSysInfo", Event::Click, [](EventArgs&) { raise(error::FileNotFound); }}});
    form.show();
    ::SendMessageW(form.control(L"cmdSysInfo").hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(reported, std::vector<long>{error::FileNotFound});
    EXPECT_TRUE(form.loaded());
}

TEST_F(FormTest, EveryHandlerOfAnEventRunsInMapOrderUntilOneFails) {
    std::vector<std::wstring> seen;
    std::vector<long> reported;
    setUnhandledErrorPolicy([&](const RuntimeError& error) { reported.push_back(error.number()); });
    static const ControlLayout rows[] = {{Kind::CommandButton, L"cmdGo", L"Go", 0, 0, 1200, 345}};
    static const FormLayout layout{L"frmChained", L"", 2000, 1000};
    Form form(layout, rows,
              {{nullptr, Event::Load, [&](EventArgs&) { seen.push_back(L"first load"); }},
               {L"cmdGo", Event::Click, [&](EventArgs&) { seen.push_back(L"first click"); }},
               {nullptr, Event::Load, [&](EventArgs&) { seen.push_back(L"second load"); }},
               {L"cmdGo", Event::Click, [&](EventArgs&) { raise(error::Overflow); }},
               {L"cmdGo", Event::Click, [&](EventArgs&) { seen.push_back(L"after the error"); }},
               {nullptr, Event::MouseUp, [&](EventArgs& e) { seen.push_back(e.button == MK_RBUTTON ? L"right up" : L"left up"); }},
               {nullptr, Event::Click, [&](EventArgs&) { seen.push_back(L"form click"); }}});
    form.show();
    ::SendMessageW(form.control(L"cmdGo").hwnd(), BM_CLICK, 0, 0);
    // A left release on the form is a click as well; a right one is not.
    ::SendMessageW(form.hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(150, 40));
    ::SendMessageW(form.hwnd(), WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(150, 40));
    const std::vector<std::wstring> expected{L"first load", L"second load", L"first click", L"right up", L"left up",
                                             L"form click"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(reported, std::vector<long>{error::Overflow});
}

TEST_F(FormTest, AnErrorInLoadReachesTheCallerAndLeavesTheFormUnloaded) {
    static const FormLayout layout{L"frmLoadFails", L"", 2000, 1000};
    Form form(layout, {}, {{nullptr, Event::Load, [](EventArgs&) { raise(error::TypeMismatch); }}});
    try {
        form.show();
        ADD_FAILURE() << "show() returned";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), error::TypeMismatch);
    }
    EXPECT_FALSE(form.loaded());
    EXPECT_TRUE(Form::loadedForms().empty());
}
