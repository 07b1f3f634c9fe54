// Building, showing and unloading a form of 15 controls from its table, against creating
// the same windows (same classes, styles, fonts) with direct CreateWindowEx calls, showing
// and destroying them. Target: ratio <= 1.5.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "frame/forms/Form.h"
#include "frame/forms/Twips.h"

using namespace orvane::forms;
using Clock = std::chrono::steady_clock;

namespace {

constexpr Font linkFont = font(L"MS Sans Serif", 8.25, Underline);

const ControlLayout aboutControls[] = {
    {Kind::PictureBox, L"picIcon", L"", 240, 120, 720, 720},
    {Kind::Label, L"lblTitle", L"Application Title", 1050, 120, 4605, 345, font(L"Arial", 12, Bold)},
    {Kind::Label, L"lblVersion", L"Version", 1050, 480, 4605, 225, font(L"Arial", 9.75, Bold)},
    {Kind::Label, L"lblDescription", L"App Description", 90, 960, 5505, 1290, {}, 0x00000000},
    {Kind::Label, L"Label2", L"E-mail:", 1080, 2400, 465, 195, {}, DefaultColor, DefaultColor, AutoSize},
    {Kind::Label, L"lblMail", L"Mail", 1800, 2400, 3795, 225, linkFont, 0x00C00000},
    {Kind::Label, L"Label1", L"Website:", 1080, 2760, 630, 195, {}, DefaultColor, DefaultColor, AutoSize},
    {Kind::Label, L"lblUrl", L"Url", 1800, 2760, 3795, 225, linkFont, 0x00C00000},
    {Kind::Label, L"lblCopyright", L"Copyright", 120, 3120, 5535, 225, font(L"Arial", 8.25), DefaultColor, DefaultColor, Align::Center},
    line(L"Line1", 0, 3525, 5760, 3525, 0x00808080),
    {Kind::Label, L"lblDisclaimer", L"", 120, 3600, 3975, 1065, {}, 0x00000000},
    ControlLayout{Kind::CommandButton, L"cmdOK", L"", 4245, 3705, 1260, 345, {}, DefaultColor, DefaultColor, DefaultButton | CancelButton}.tab(0),
    {Kind::TextBox, L"Text1", L"OK", 4290, 3780, 1155, 225, {}, 0x00404040, 0x8000000A, ReadOnly | NoTabStop | Align::Center},
    ControlLayout{Kind::CommandButton, L"cmdSysInfo", L"", 4260, 4155, 1245, 345}.tab(2),
    {Kind::TextBox, L"Text2", L"System Info...", 4290, 4230, 1125, 225, {}, DefaultColor, 0x8000000A, ReadOnly | NoTabStop | Align::Center},
};
const FormLayout aboutForm{L"frmAboutStandard", L"About MyApp", 5700, 4755, BorderStyle::FixedDialog,
                         TitleBar | ControlBox | InTaskbar, StartUp::ScreenCentre};

// The same windows by hand.
LRESULT CALLBACK plainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void buildByHand() {
    static const ATOM atom = [] {
        WNDCLASSEXW windowClass{sizeof windowClass};
        windowClass.lpfnWndProc = plainProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = L"PlainForm";
        return ::RegisterClassExW(&windowClass);
    }();
    (void)atom;
    auto makeFont = [](const wchar_t* face, double points, int weight, bool underline) {
        return ::CreateFontW(pointsToFontHeight(points, screenDpiY()), 0, 0, 0, weight, FALSE, underline, FALSE,
                             ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face);
    };
    HFONT fonts[] = {makeFont(L"MS Sans Serif", 8.25, FW_NORMAL, false), makeFont(L"Arial", 12, FW_BOLD, false),
                     makeFont(L"Arial", 9.75, FW_BOLD, false), makeFont(L"MS Sans Serif", 8.25, FW_NORMAL, true),
                     makeFont(L"Arial", 8.25, FW_NORMAL, false)};
    RECT outer{0, 0, toPixelsX(5700), toPixelsY(4755)};
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    ::AdjustWindowRectEx(&outer, style, FALSE, WS_EX_DLGMODALFRAME);
    HWND form = ::CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW, L"PlainForm", L"About MyApp", style, 100, 100,
                                  outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
    int id = 1000;
    for (const ControlLayout& row : aboutControls) {
        const wchar_t* windowClass = nullptr;
        DWORD childStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        DWORD exStyle = 0;
        switch (row.kind) {
        case Kind::Label: windowClass = L"Static"; childStyle |= SS_NOTIFY; break;
        case Kind::PictureBox: windowClass = L"Static"; childStyle |= SS_NOTIFY; break;
        case Kind::TextBox: windowClass = L"Edit"; childStyle |= ES_READONLY | ES_CENTER; exStyle = WS_EX_CLIENTEDGE; break;
        case Kind::CommandButton: windowClass = L"Button"; childStyle |= WS_TABSTOP; break;
        default: break;
        }
        if (!windowClass) continue;
        HWND child = ::CreateWindowExW(exStyle, windowClass, row.text, childStyle, toPixelsX(row.left), toPixelsY(row.top),
                                       toPixelsX(row.width), toPixelsY(row.height), form,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), nullptr, nullptr);
        HFONT chosen = fonts[0];
        if (row.font.face && row.font.size == 12) chosen = fonts[1];
        else if (row.font.size == 9.75) chosen = fonts[2];
        else if (row.font.underline) chosen = fonts[3];
        else if (row.font.face && row.font.face[0] == L'A') chosen = fonts[4];
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), FALSE);
    }
    ::ShowWindow(form, SW_SHOWNORMAL);
    ::RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::DestroyWindow(form);
    for (HFONT font : fonts) ::DeleteObject(font);
}

void buildFromTable() {
    Form form(aboutForm, aboutControls);
    form.show();
    form.unload();
}

void pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
}

template <class Body>
double milliseconds(Body&& body) {
    auto start = Clock::now();
    body();
    pump();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main() {
    buildFromTable();
    buildByHand();
    constexpr int rounds = 40;
    std::vector<double> table, direct;
    for (int round = 0; round < rounds; ++round) {
        table.push_back(milliseconds(buildFromTable));
        direct.push_back(milliseconds(buildByHand));
    }
    std::sort(table.begin(), table.end());
    std::sort(direct.begin(), direct.end());
    const double tableMedian = table[rounds / 2], directMedian = direct[rounds / 2];
    std::printf("15-control form, build + show + unload (median of %d):\n", rounds);
    std::printf("  from its table          %8.3f ms\n", tableMedian);
    std::printf("  direct CreateWindowEx   %8.3f ms\n", directMedian);
    std::printf("  ratio table/direct      %8.2f (target <= 1.5)\n", tableMedian / directMedian);
    return 0;
}
