#include "frame/forms/FormMessages.h"

#include "frame/forms/Twips.h"

#include <algorithm>

namespace orvane::forms {

UINT controlNameMessage() noexcept {
    static const UINT message = ::RegisterWindowMessageW(L"WM_GETCONTROLNAME");
    return message;
}

LRESULT answerControlName(const wchar_t* name, WPARAM capacity, LPARAM target) noexcept {
    auto* buffer = reinterpret_cast<wchar_t*>(target);
    size_t length = ::lstrlenW(name);
    if (!buffer || capacity == 0) return static_cast<LRESULT>(length);
    size_t copied = std::min(length, static_cast<size_t>(capacity) - 1);
    std::copy_n(name, copied, buffer);
    buffer[copied] = L'\0';
    return static_cast<LRESULT>(copied);
}

bool isMouseMessage(UINT message) noexcept {
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

EventArgs mouseArgs(Form& form, FormControl* control, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    EventArgs args{form, control, Event::MouseMove};
    switch (message) {
    case WM_LBUTTONDBLCLK: args.event = Event::DblClick; break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: args.event = Event::MouseDown; break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: args.event = Event::MouseUp; break;
    default: break;
    }
    // A release names the button released; the others name the buttons held down.
    args.button = static_cast<int>(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON));
    if (message == WM_LBUTTONUP) args.button = MK_LBUTTON;
    if (message == WM_RBUTTONUP) args.button = MK_RBUTTON;
    args.shift = ((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0);
    args.x = toTwipsX(static_cast<short>(LOWORD(lParam)));
    args.y = toTwipsY(static_cast<short>(HIWORD(lParam)));
    return args;
}

}  // namespace orvane::forms
