// OVHyperLink: the one shell call of each operation, what each leaves in the caller's
// variable, and what really reaches the shell (read back through the recorder).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ShellRecorder.h"
#include "TestSupport.h"
#include "frame/base/Platform.h"
#include "shell/OVHyperLink.h"

namespace orvane {
namespace {

using namespace test;

constexpr DISPID goUrl = 0x60030000;
constexpr DISPID sendMail = 0x60030001;

struct ShellCall {
    HWND owner;
    bool hasOperation;
    std::string file;
    bool hasParameters;
    std::string directory;
    INT show;
};

// Records every ShellExecuteA the object makes.
struct FakeShell {
    std::vector<ShellCall> calls;
    platform::Entry<HINSTANCE(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT)>::FakeScope scope =
        platform::shell32::ShellExecuteA.fake([this](HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                                                     LPCSTR directory, INT show) {
            calls.push_back({owner, operation != nullptr, file ? file : "(null)", parameters != nullptr,
                             directory ? directory : "(null)", show});
            ::SetLastError(ERROR_FILE_NOT_FOUND);
            return reinterpret_cast<HINSTANCE>(2);  // the shell could not open it: still no error
        });
};

class OVHyperLinkTest : public ::testing::Test {
protected:
    ComPtr<OVHyperLink> link = OVHyperLink::create();
};

TEST_F(OVHyperLinkTest, EachOperationMakesExactlyTheOneShellCall) {
    struct Case {
        DISPID member;
        const wchar_t* given;
        const char* reachesShell;
    } cases[] = {
        {goUrl, L"http://example.invalid/a?b=c&d=e", "http://example.invalid/a?b=c&d=e"},
        {goUrl, L"", ""},
        {goUrl, L"C:\\windows", "C:\\windows"},
        {sendMail, L"someone@example.invalid", "mailto:someone@example.invalid"},
        {sendMail, L"mailto:someone@example.invalid", "mailto:mailto:someone@example.invalid"},
        {sendMail, L"", "mailto:"},
        {sendMail, L"a@example.invalid?subject=Hi there&body=Line%0D%0A2", "mailto:a@example.invalid?subject=Hi there&body=Line%0D%0A2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::string(c.reachesShell));
        FakeShell shell;
        Variable variable(c.given);
        Call call = invokeMethod(link.get(), c.member, {vRef(&variable.value)});
        ASSERT_EQ(S_OK, call.result);
        EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));
        ASSERT_EQ(1u, shell.calls.size());
        const ShellCall& made = shell.calls[0];
        EXPECT_EQ(nullptr, made.owner);
        EXPECT_FALSE(made.hasOperation);
        EXPECT_EQ(c.reachesShell, made.file);
        EXPECT_FALSE(made.hasParameters);
        EXPECT_EQ("C:\\", made.directory);
        EXPECT_EQ(SW_SHOWNORMAL, made.show);
        EXPECT_EQ(std::wstring(c.given), text(variable.value));
        EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), platform::lastDllError());
    }
}

TEST_F(OVHyperLinkTest, AddressComesBackAsItsAnsiCopyAndMailAddressIsUntouched) {
    FakeShell shell;
    Variable address(L"http://example.invalid/\x4E00");
    ASSERT_EQ(S_OK, invokeMethod(link.get(), goUrl, {vRef(&address.value)}).result);
    EXPECT_EQ(L"http://example.invalid/?", text(address.value));
    EXPECT_EQ("http://example.invalid/?", shell.calls.at(0).file);

    Variable mail(L"\x4E00@example.invalid");
    ASSERT_EQ(S_OK, invokeMethod(link.get(), sendMail, {vRef(&mail.value)}).result);
    EXPECT_EQ(L"\x4E00@example.invalid", text(mail.value));
    EXPECT_EQ("mailto:?@example.invalid", shell.calls.at(1).file);

    // Early bound, with a typed variable; a number arrives late bound as its text.
    BSTR typed = ::SysAllocString(L"www.example.invalid");
    VARIANT result;
    EXPECT_EQ(S_OK, link->GoUrl(&typed, &result));
    EXPECT_EQ(VT_EMPTY, V_VT(&result));
    EXPECT_EQ(L"www.example.invalid", text(typed));
    ::SysFreeString(typed);
    ASSERT_EQ(S_OK, invokeMethod(link.get(), sendMail, {vLong(42)}).result);
    EXPECT_EQ("mailto:42", shell.calls.at(3).file);
    EXPECT_EQ(E_POINTER, link->SendMail(nullptr, &result));
    EXPECT_EQ(4u, shell.calls.size());
}

// The real shell under this platform, with the recorder as the handler of the
// schemes: it receives exactly the text the shell was given. The script tests point the
// same schemes elsewhere: this suite takes the display with them, one at a time.
using ShellHandlers = OVHyperLinkTest;

TEST_F(ShellHandlers, RealShellHandsTheTextToTheRegisteredProgram) {
    const std::wstring log = temporaryFile(L"orvane-hyperlink.log");
    ::DeleteFileW(log.c_str());
    RecorderRegistration registration({L"http", L"https", L"mailto"}, log);
    const std::vector<std::pair<DISPID, std::wstring>> calls = {
        {goUrl, L"http://example.invalid/page?x=1&y=2"},
        {goUrl, L"https://example.invalid/"},
        {sendMail, L"someone@example.invalid?subject=Hello&body=World"},
        {sendMail, L"mailto:twice@example.invalid"},
        {sendMail, L""},
    };
    const std::vector<std::wstring> expected = {
        L"http://example.invalid/page?x=1&y=2", L"https://example.invalid/",
        L"mailto:someone@example.invalid?subject=Hello&body=World", L"mailto:mailto:twice@example.invalid", L"mailto:"};
    for (size_t n = 0; n < calls.size(); ++n) {
        Variable variable(calls[n].second.c_str());
        Call call = invokeMethod(link.get(), calls[n].first, {vRef(&variable.value)});
        ASSERT_EQ(S_OK, call.result);
        EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));
        // One at a time, so that the log keeps the order of the calls.
        std::vector<std::wstring> lines = waitForLines(log, n + 1);
        ASSERT_EQ(n + 1, lines.size()) << "the recorder did not receive call " << n;
        EXPECT_EQ(expected[n], lines[n]);
    }
    ::DeleteFileW(log.c_str());
}

}  // namespace
}  // namespace orvane
