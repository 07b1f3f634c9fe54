// ShowSplash against a plain window with the same child controls made by direct
// CreateWindowEx calls and painted: the first ShowSplash of a form (created, filled,
// painted) and a repeated ShowSplash on the visible form against the plain window's
// creation and painting; the form's unload against the plain window's destruction with
// its fonts. Prints ratios to the peer.
#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "branding/OVSplashScreen.h"
#include "branding/forms/frmStandard.h"
#include "frame/forms/Form.h"
#include "frame/forms/Twips.h"

using namespace orvane;

namespace {

double now() {
    static LARGE_INTEGER frequency = [] { LARGE_INTEGER f; ::QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / frequency.QuadPart;
}

void pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
}

struct PlainWindow {
    HWND window;
    std::vector<HFONT> fonts;
};

// The peer: the frmStandard window and its labels and image boxes as plain static
// windows with fonts, made and painted directly.
PlainWindow plainWindow() {
    const forms::FormDefinition& definition = branding::frmStandard();
    HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME, L"STATIC", L"", WS_POPUP | WS_DLGFRAME,
                                    100, 100, forms::toPixelsX(definition.form.width),
                                    forms::toPixelsY(definition.form.height), nullptr, nullptr, nullptr, nullptr);
    std::vector<HFONT> fonts;
    for (const forms::ControlLayout& row : definition.controls) {
        HWND child = ::CreateWindowExW(0, row.kind == forms::Kind::Frame ? L"BUTTON" : L"STATIC", row.text,
                                       WS_CHILD | WS_VISIBLE | (row.kind == forms::Kind::Frame ? BS_GROUPBOX : 0),
                                       forms::toPixelsX(row.left), forms::toPixelsY(row.top),
                                       forms::toPixelsX(row.width), forms::toPixelsY(row.height), window, nullptr,
                                       nullptr, nullptr);
        if (row.font.face) {
            HFONT font = ::CreateFontW(forms::pointsToFontHeight(row.font.size, forms::screenDpiY()), 0, 0, 0,
                                       row.font.weight, row.font.italic, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, row.font.face);
            fonts.push_back(font);
            ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
        if (row.kind == forms::Kind::Label) ::SetWindowTextW(child, L"Some text for the label");
    }
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    ::UpdateWindow(window);
    return {window, fonts};
}

void destroy(PlainWindow& plain) {
    ::DestroyWindow(plain.window);
    for (HFONT font : plain.fonts) ::DeleteObject(font);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        ComPtr<orvane::OVSplashScreen> splash = orvane::OVSplashScreen::create();
        forms::Form& form = forms::Form::instance(branding::frmStandard());
        VARIANT result;
        constexpr int rounds = 30;
        std::vector<double> first, repeat, peer, unload, peerTeardown;
        for (int round = 0; round < rounds; ++round) {
            double start = now();
            PlainWindow plain = plainWindow();
            peer.push_back(now() - start);
            start = now();
            destroy(plain);
            peerTeardown.push_back(now() - start);
            pump();

            start = now();
            splash->ShowSplash(&result);
            first.push_back(now() - start);
            start = now();
            splash->ShowSplash(&result);
            repeat.push_back(now() - start);
            start = now();
            form.unload();  // the next ShowSplash creates the form afresh
            unload.push_back(now() - start);
            pump();
        }
        const double plain = median(peer);
        std::printf("plain window with the same children, made and painted: %.3f ms\n", plain * 1000);
        std::printf("first ShowSplash (create, fill, paint): %.3f ms, ratio %.2f (target <= 1.5)\n",
                    median(first) * 1000, median(first) / plain);
        std::printf("repeated ShowSplash on the visible form: %.3f ms, ratio %.2f, %.2f of the first\n",
                    median(repeat) * 1000, median(repeat) / plain, median(repeat) / median(first));
        const double plainTeardown = median(peerTeardown);
        std::printf("plain window destroyed with its fonts: %.3f ms\n", plainTeardown * 1000);
        std::printf("form unloaded: %.3f ms, ratio %.2f\n", median(unload) * 1000, median(unload) / plainTeardown);
    }
    ::CoUninitialize();
    return 0;
}
