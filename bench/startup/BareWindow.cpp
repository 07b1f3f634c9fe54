// The peer of the start-up benchmark: a plain program built like the demonstration
// programs that shows a window with as many child windows, of the same classes, as
// OVNumbersDemo's form, painted before it starts to pump messages.
#include <windows.h>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

struct Child {
    const wchar_t* windowClass;
    const wchar_t* text;
    DWORD style;
    int count;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSEXW windowClass{sizeof windowClass};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareWindow";
    ::RegisterClassExW(&windowClass);
    HWND window = ::CreateWindowExW(0, L"BareWindow", L"Orvane Suite: Bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU |
                                    WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT, 535, 472, nullptr, nullptr, instance,
                                    nullptr);
    HDC screen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    HFONT font = ::CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                               L"MS Sans Serif");
    const Child children[] = {
        {L"STATIC", L"Label", SS_LEFT, 13},
        {L"BUTTON", L"Frame", BS_GROUPBOX, 1},
        {L"EDIT", L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 4},
        {L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 2},
        {L"BUTTON", L"Button", BS_PUSHBUTTON | WS_TABSTOP, 3},
    };
    int y = 0;
    for (const Child& child : children) {
        for (int i = 0; i < child.count; ++i, y += 18) {
            HWND control = ::CreateWindowExW(0, child.windowClass, child.text, WS_CHILD | WS_VISIBLE | child.style,
                                             8 + (y / 450) * 250, y % 450, 240, 16, window, nullptr, instance, nullptr);
            ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    }
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::UpdateWindow(window);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    ::DeleteObject(font);
    return 0;
}
