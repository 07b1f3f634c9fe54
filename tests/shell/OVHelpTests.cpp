// OVHelp: window, file and command reach the help functions unchanged with data 0;
// the file comes back as its ANSI copy; a help library that cannot be loaded fails
// only the call that needs it; the real help functions on a missing file.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "frame/base/Errors.h"
#include "frame/base/Platform.h"
#include "shell/OVHelp.h"

namespace orvane {
namespace {

using namespace test;

constexpr DISPID runHtmlHelp = 0x60030000;
constexpr DISPID runWinHelp = 0x60030001;

struct HelpCall {
    HWND window;
    std::string file;
    UINT command;
    ULONG_PTR data;
};

struct FakeHelp {
    std::vector<HelpCall> html, classic;
    platform::Entry<HWND(HWND, LPCSTR, UINT, DWORD_PTR)>::FakeScope htmlScope =
        platform::hhctrl::HtmlHelpA.fake([this](HWND window, LPCSTR file, UINT command, DWORD_PTR data) {
            html.push_back({window, file ? file : "(null)", command, data});
            return HWND(nullptr);
        });
    platform::Entry<BOOL(HWND, LPCSTR, UINT, ULONG_PTR)>::FakeScope classicScope =
        platform::user32::WinHelpA.fake([this](HWND window, LPCSTR file, UINT command, ULONG_PTR data) {
            classic.push_back({window, file ? file : "(null)", command, data});
            return FALSE;
        });
};

class OVHelpTest : public ::testing::Test {
protected:
    ComPtr<OVHelp> help = OVHelp::create();
};

TEST_F(OVHelpTest, EveryCommandReachesThePlatformUnchangedWithDataZero) {
    const long htmlCommands[] = {ovHH_DISPLAY_TOPIC, ovHH_SET_WIN_TYPE, ovHH_GET_WIN_TYPE, ovHH_GET_WIN_HANDLE,
                                 ovHH_DISPLAY_TEXT_POPUP, ovHH_HELP_CONTEXT, ovHH_TP_HELP_CONTEXTMENU,
                                 ovHH_TP_HELP_WM_HELP, ovHH_CLOSE_ALL, 12345, -1};
    const long classicCommands[] = {ovHELP_CONTEXT, ovHELP_QUIT, ovHELP_CONTENTS, ovHELP_INDEX, ovHELP_HELPONHELP,
                                    ovHELP_SETCONTENTS, ovHELP_SETINDEX, ovHELP_CONTEXTPOPUP, ovHELP_FORCEFILE,
                                    ovHELP_KEY, ovHELP_COMMAND, ovHELP_PARTIALKEY, ovHELP_MULTIKEY, ovHELP_SETWINPOS, 7};
    FakeHelp fake;
    for (long command : htmlCommands) {
        Variable window, file(L"C:\\help\\guide.chm"), commandVariable;
        V_VT(&window.value) = VT_I4;
        V_I4(&window.value) = 0x1234;
        V_VT(&commandVariable.value) = VT_I4;
        V_I4(&commandVariable.value) = command;
        Call call = invokeMethod(help.get(), runHtmlHelp, {vRef(&window.value), vRef(&file.value), vRef(&commandVariable.value)});
        ASSERT_EQ(S_OK, call.result);
        EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));
        EXPECT_EQ(L"C:\\help\\guide.chm", text(file.value));
        EXPECT_EQ(command, V_I4(&commandVariable.value));
    }
    for (long command : classicCommands) {
        Bstr file(L"guide.hlp");
        Call call = invokeMethod(help.get(), runWinHelp, {vLong(-2), vText(file), vLong(command)});
        ASSERT_EQ(S_OK, call.result);
        EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));
    }
    ASSERT_EQ(std::size(htmlCommands), fake.html.size());
    ASSERT_EQ(std::size(classicCommands), fake.classic.size());
    for (size_t n = 0; n < fake.html.size(); ++n) {
        EXPECT_EQ(reinterpret_cast<HWND>(0x1234), fake.html[n].window);
        EXPECT_EQ("C:\\help\\guide.chm", fake.html[n].file);
        EXPECT_EQ(static_cast<UINT>(htmlCommands[n]), fake.html[n].command);
        EXPECT_EQ(0u, fake.html[n].data);
    }
    for (size_t n = 0; n < fake.classic.size(); ++n) {
        // A negative 32-bit handle is the platform's sign-extended one.
        EXPECT_EQ(reinterpret_cast<HWND>(LONG_PTR(-2)), fake.classic[n].window);
        EXPECT_EQ("guide.hlp", fake.classic[n].file);
        EXPECT_EQ(static_cast<UINT>(classicCommands[n]), fake.classic[n].command);
        EXPECT_EQ(0u, fake.classic[n].data);
    }
}

TEST_F(OVHelpTest, FileComesBackAsItsAnsiCopyEarlyAndLateBound) {
    FakeHelp fake;
    Variable file(L"C:\\\x4E00.chm");
    Call call = invokeByName(help.get(), L"runhtmlhelp", {vLong(0), vRef(&file.value), vLong(ovHH_DISPLAY_TOPIC)});
    ASSERT_EQ(S_OK, call.result);
    EXPECT_EQ(L"C:\\?.chm", text(file.value));
    EXPECT_EQ("C:\\?.chm", fake.html.at(0).file);

    long window = 0;
    BSTR typed = ::SysAllocString(L"\x4E00.hlp");
    OVWinHelpConstants command = ovHELP_QUIT;
    VARIANT result;
    EXPECT_EQ(S_OK, help->RunWinHelp(&window, &typed, &command, &result));
    EXPECT_EQ(VT_EMPTY, V_VT(&result));
    EXPECT_EQ(L"?.hlp", text(typed));
    EXPECT_EQ(ovHELP_QUIT, command);
    ::SysFreeString(typed);
    EXPECT_EQ(E_POINTER, help->RunWinHelp(&window, nullptr, &command, &result));
    EXPECT_EQ(1u, fake.classic.size());
}

TEST_F(OVHelpTest, MissingHelpLibraryFailsOnlyTheCallThatNeedsIt) {
    FakeHelp fake;
    {
        // What the binding service raises when the library cannot be loaded.
        auto missing = platform::hhctrl::HtmlHelpA.fake([](HWND, LPCSTR, UINT, DWORD_PTR) -> HWND {
            throw RuntimeError(error::FileNotFound, L"File not found: hhctrl.ocx");
        });
        Bstr file(L"guide.chm");
        Call call = invokeMethod(help.get(), runHtmlHelp, {vLong(0), vText(file), vLong(0)});
        EXPECT_TRUE(raised(call, 53, L"File not found: hhctrl.ocx"));
        EXPECT_EQ(L"TVOrvaneSuite.OVHelp", call.source);
        EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));
        call = invokeMethod(help.get(), runWinHelp, {vLong(0), vText(file), vLong(ovHELP_QUIT)});
        EXPECT_EQ(S_OK, call.result);
    }
    Bstr file(L"guide.chm");
    EXPECT_EQ(S_OK, invokeMethod(help.get(), runHtmlHelp, {vLong(0), vText(file), vLong(0)}).result);
    EXPECT_EQ(1u, fake.html.size());
    EXPECT_EQ(1u, fake.classic.size());
}

BOOL CALLBACK countVisible(HWND window, LPARAM context) {
    if (::IsWindowVisible(window)) ++*reinterpret_cast<size_t*>(context);
    return TRUE;
}

// Visible windows of this thread, where the HTML help viewer would open its window.
size_t visibleWindowsOfThisThread() {
    size_t count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), countVisible, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Running processes of the classic help engine that this process started.
size_t helpEngines() {
    size_t count = 0;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32W process{sizeof process};
    for (BOOL more = ::Process32FirstW(snapshot, &process); more; more = ::Process32NextW(snapshot, &process)) {
        if (_wcsicmp(process.szExeFile, L"winhlp32.exe") == 0 &&
            process.th32ParentProcessID == ::GetCurrentProcessId()) {
            ++count;
        }
    }
    ::CloseHandle(snapshot);
    return count;
}

// The real help functions on a file that does not exist. Only the commands that
// return at once are used: the help engine asks about a missing file in a modal box
// for the others. The script tests start the engine too: this suite takes the display
// with them, one at a time.
using RealHelp = OVHelpTest;

TEST_F(RealHelp, OnAMissingFileReturnsEmptyAndLeavesNothingOpen) {
    const size_t windowsBefore = visibleWindowsOfThisThread();
    Bstr chm(L"C:\\no\\such\\guide.chm");
    Call call = invokeMethod(help.get(), runHtmlHelp, {vLong(0), vText(chm), vLong(ovHH_DISPLAY_TOPIC)});
    ASSERT_EQ(S_OK, call.result);
    EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));

    Bstr hlp(L"C:\\no\\such\\guide.hlp");
    call = invokeMethod(help.get(), runWinHelp, {vLong(0), vText(hlp), vLong(ovHELP_FORCEFILE)});
    ASSERT_EQ(S_OK, call.result);
    EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));
    call = invokeMethod(help.get(), runWinHelp, {vLong(0), vText(hlp), vLong(ovHELP_QUIT)});
    ASSERT_EQ(S_OK, call.result);
    EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));

    EXPECT_EQ(windowsBefore, visibleWindowsOfThisThread());
    // The help engine runs in a process of its own: wait until it has gone.
    size_t engines = helpEngines();
    for (int attempt = 0; attempt < 200 && engines > 0; ++attempt) {
        ::Sleep(50);
        engines = helpEngines();
    }
    EXPECT_EQ(0u, engines);
}

}  // namespace
}  // namespace orvane
