#include "frame/forms/Program.h"

#include <string>

namespace orvane::forms {

namespace {

struct ProgramState {
    int running = 0;          // nesting of run() on this thread
    bool finished = false;
    int status = 0;
    ErrorPolicy policy;
};

ProgramState& state() {
    thread_local ProgramState current;
    return current;
}

std::wstring& titleSlot() {
    static std::wstring title = [] {
        wchar_t path[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring name = path;
        if (auto slash = name.find_last_of(L"\\/"); slash != std::wstring::npos) name.erase(0, slash + 1);
        if (auto dot = name.find_last_of(L'.'); dot != std::wstring::npos) name.erase(dot);
        return name;
    }();
    return title;
}

void unloadEverything() noexcept {
    for (Form* form : Form::loadedForms()) form->destroyWindows();
}

}  // namespace

const std::wstring& programTitle() { return titleSlot(); }

void setProgramTitle(std::wstring title) { titleSlot() = std::move(title); }

int msgBox(const std::wstring& text, UINT buttons, const std::wstring& title) {
    HWND owner = ::GetActiveWindow();
    const std::wstring& caption = title.empty() ? programTitle() : title;
    return ::MessageBoxW(owner, text.c_str(), caption.c_str(), buttons);
}

void finishProgram(int status) {
    unloadEverything();
    ProgramState& current = state();
    if (current.running > 0) {
        current.finished = true;
        current.status = status;
        ::PostQuitMessage(status);
        return;
    }
    ::ExitProcess(static_cast<UINT>(status));
}

void end() { throw ProgramEnd{0}; }

std::wstring unhandledErrorText(const RuntimeError& error) {
    std::wstring description = error.description().empty() ? standardText(error.number()) : error.description();
    if (description.empty()) description = L"Application-defined or object-defined error";
    return L"Run-time error '" + std::to_wstring(error.number()) + L"':\n\n" + description;
}

void reportUnhandledError(const RuntimeError& error) {
    msgBox(unhandledErrorText(error), MB_OK | MB_ICONERROR, programTitle());
    const int status = error.number() != 0 ? static_cast<int>(error.number() & 0xFFFF) : 1;
    finishProgram(status);
}

void setUnhandledErrorPolicy(ErrorPolicy policy) { state().policy = std::move(policy); }

void handleEscapedError(const RuntimeError& error) {
    // A copy: the policy may replace itself.
    ErrorPolicy policy = state().policy;
    if (policy) policy(error);
    else reportUnhandledError(error);
}

int run(Form& startup) {
    ProgramState& current = state();
    ++current.running;
    current.finished = false;
    current.status = 0;
    struct Leave {
        ProgramState& state;
        ~Leave() { --state.running; }
    } leave{current};
    try {
        startup.show();
    } catch (const ProgramEnd& ending) {
        finishProgram(ending.status);
    } catch (const RuntimeError& error) {
        handleEscapedError(error);
    }
    MSG message;
    while (!current.finished && !Form::loadedForms().empty()) {
        int got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0 && !current.finished) current.status = static_cast<int>(message.wParam);
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    // The quit message posted by finishProgram is consumed here, not by the caller.
    if (current.finished) {
        MSG pending;
        ::PeekMessageW(&pending, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    return current.status;
}

int runProgram(const FormDefinition& startup, const std::wstring& title) {
    setProgramTitle(title);
    Form form(startup);
    return run(form);
}

}  // namespace orvane::forms
