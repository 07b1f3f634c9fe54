#include "frame/forms/KeyboardHook.h"

#include "frame/forms/Form.h"

#include <windows.h>

namespace orvane::forms {

namespace {

struct ThreadHook {
    HHOOK hook = nullptr;
    int users = 0;
};

ThreadHook& threadHook() {
    thread_local ThreadHook state;
    return state;
}

bool wantsKey(HWND focus, UINT key) {
    LRESULT code = ::SendMessageW(focus, WM_GETDLGCODE, key, 0);
    if (code & DLGC_WANTALLKEYS) return true;
    if (key == VK_TAB && (code & DLGC_WANTTAB)) return true;
    wchar_t className[16] = {};
    ::GetClassNameW(focus, className, 16);
    // A multi-line text box takes Enter as a new line.
    if (key == VK_RETURN && ::lstrcmpiW(className, L"Edit") == 0 &&
        (::GetWindowLongW(focus, GWL_STYLE) & ES_WANTRETURN)) {
        return true;
    }
    return false;
}

// True when the key was handled and the message must not be dispatched.
bool translate(Form& form, const MSG& message) {
    if (message.message == WM_KEYDOWN) {
        const bool control = ::GetKeyState(VK_CONTROL) < 0, alt = ::GetKeyState(VK_MENU) < 0;
        HWND focus = message.hwnd;
        switch (message.wParam) {
        case VK_TAB:
            if (control || alt || wantsKey(focus, VK_TAB)) return false;
            return form.tabFrom(focus, ::GetKeyState(VK_SHIFT) < 0);
        case VK_RETURN: {
            if (wantsKey(focus, VK_RETURN)) return false;
            FormControl* target = form.controlByWindow(focus);
            if (!target || target->kind() != Kind::CommandButton) target = form.defaultButton();
            if (!target || !target->enabled()) return false;
            form.fire(Event::Click, target);
            return true;
        }
        case VK_ESCAPE: {
            FormControl* target = form.cancelButton();
            if (!target || !target->enabled()) return false;
            form.fire(Event::Click, target);
            return true;
        }
        default:
            break;
        }
    }
    // Mnemonics (Alt+letter) and the rest of the dialog keys.
    if (message.message == WM_SYSCHAR || message.message == WM_SYSKEYDOWN) {
        MSG copy = message;
        return ::IsDialogMessageW(form.hwnd(), &copy) != FALSE;
    }
    return false;
}

LRESULT CALLBACK getMessageHook(int code, WPARAM removal, LPARAM data) {
    if (code == HC_ACTION && removal == PM_REMOVE) {
        MSG* message = reinterpret_cast<MSG*>(data);
        if (message->hwnd && message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST) {
            HWND root = ::GetAncestor(message->hwnd, GA_ROOT);
            Form* form = Form::fromWindow(root);
            if (form && ::IsWindowEnabled(root)) {
                bool handled = false;
                try {
                    handled = translate(*form, *message);
                } catch (...) {
                    handled = true;
                }
                if (handled) {
                    message->message = WM_NULL;
                    message->wParam = 0;
                    message->lParam = 0;
                }
            }
        }
    }
    return ::CallNextHookEx(nullptr, code, removal, data);
}

}  // namespace

void attachKeyboardHook() {
    ThreadHook& state = threadHook();
    if (state.users++ == 0) {
        state.hook = ::SetWindowsHookExW(WH_GETMESSAGE, getMessageHook, nullptr, ::GetCurrentThreadId());
    }
}

void detachKeyboardHook() noexcept {
    ThreadHook& state = threadHook();
    if (state.users > 0 && --state.users == 0 && state.hook) {
        ::UnhookWindowsHookEx(state.hook);
        state.hook = nullptr;
    }
}

}  // namespace orvane::forms
