// OVWindows: the session requests (always faked), the installation values through
// the control's registry reader, and the user and computer names with their cut rules.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "frame/base/Platform.h"
#include "sysinfo/OVWindows.h"

namespace orvane {
namespace {

using namespace test;

std::wstring take(BSTR text) {
    std::wstring result(text ? text : L"", ::SysStringLen(text));
    ::SysFreeString(text);
    return result;
}

class OVWindowsTest : public ::testing::Test {
protected:
    ComPtr<OVWindows> windows = OVWindows::create();
};

TEST_F(OVWindowsTest, SessionRequestsPassTheirFlagsAlone) {
    std::vector<std::pair<UINT, DWORD>> requests;
    auto scope = platform::user32::ExitWindowsEx.fake([&](UINT flags, DWORD reserved) {
        requests.emplace_back(flags, reserved);
        SetLastError(ERROR_PRIVILEGE_NOT_HELD);
        return FALSE;  // refused: nothing is reported
    });
    EXPECT_EQ(S_OK, windows->ReBoot());
    EXPECT_EQ(S_OK, windows->ShutDown());
    EXPECT_EQ(S_OK, windows->PowerOff());
    EXPECT_EQ(S_OK, windows->LogOff());
    EXPECT_EQ(S_OK, windows->Force());
    EXPECT_EQ((std::vector<std::pair<UINT, DWORD>>{{2, 0}, {1, 0}, {8, 0}, {0, 0}, {4, 0}}), requests);
    EXPECT_EQ(DWORD(ERROR_PRIVILEGE_NOT_HELD), platform::lastDllError());

    // Late bound too, by dispatch identifier.
    requests.clear();
    for (DISPID member = 0x60030000; member <= 0x60030004; ++member) {
        EXPECT_EQ(S_OK, invokeMethod(windows.get(), member).result);
    }
    EXPECT_EQ((std::vector<std::pair<UINT, DWORD>>{{2, 0}, {1, 0}, {8, 0}, {0, 0}, {4, 0}}), requests);
}

// A fake installation key: what each value name holds, as type and bytes.
struct InstallationKey {
    struct Stored { DWORD type; std::string bytes; };
    std::map<std::string, Stored> values;
    std::vector<std::pair<HKEY, std::string>> opened;
    std::vector<std::string> asked;
    int closes = 0;
    const HKEY handle = reinterpret_cast<HKEY>(0x6161);

    platform::Entry<LONG(HKEY, LPCSTR, DWORD, REGSAM, PHKEY)>::FakeScope open =
        platform::advapi32::RegOpenKeyExA.fake([this](HKEY root, LPCSTR subKey, DWORD, REGSAM, PHKEY result) {
            opened.emplace_back(root, subKey);
            *result = handle;
            return LONG(ERROR_SUCCESS);
        });
    platform::Entry<LONG(HKEY)>::FakeScope close = platform::advapi32::RegCloseKey.fake([this](HKEY key) {
        EXPECT_EQ(handle, key);
        ++closes;
        return LONG(ERROR_SUCCESS);
    });
    platform::Entry<LONG(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD)>::FakeScope query =
        platform::advapi32::RegQueryValueExA.fake(
            [this](HKEY, LPCSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD length) {
                asked.push_back(name);
                auto found = values.find(name);
                if (found == values.end()) return LONG(ERROR_FILE_NOT_FOUND);
                *type = found->second.type;
                if (found->second.bytes.size() > *length) return LONG(ERROR_MORE_DATA);
                std::copy(found->second.bytes.begin(), found->second.bytes.end(), data);
                *length = static_cast<DWORD>(found->second.bytes.size());
                return LONG(ERROR_SUCCESS);
            });
};

TEST_F(OVWindowsTest, InstallationValuesAreReadFromTheInstallationKey) {
    InstallationKey key;
    using Member = HRESULT (STDMETHODCALLTYPE OVWindows::*)(BSTR*);
    const std::pair<Member, const char*> members[] = {
        {&OVWindows::LicensingInfo, "LicensingInfo"},
        {&OVWindows::RegisteredOwner, "RegisteredOwner"},
        {&OVWindows::RegisteredOrganization, "RegisteredOrganization"},
        {&OVWindows::ProductType, "ProductType"},
        {&OVWindows::ProductKey, "ProductKey"},
        {&OVWindows::ProductName, "ProductName"},
        {&OVWindows::ProductId, "ProductId"},
        {&OVWindows::PlusVersionNumber, "Plus! VersionNumber"},
    };
    for (const auto& [member, name] : members) {
        key.values[name] = {REG_SZ, std::string("is ") + name + '\0'};
    }
    for (const auto& [member, name] : members) {
        SCOPED_TRACE(name);
        key.opened.clear();
        key.asked.clear();
        BSTR result = nullptr;
        ASSERT_EQ(S_OK, (windows.get()->*member)(&result));
        const std::string expected = std::string("is ") + name;
        EXPECT_EQ(std::wstring(expected.begin(), expected.end()), take(result));
        ASSERT_EQ(1u, key.opened.size());
        EXPECT_EQ(HKEY_LOCAL_MACHINE, key.opened[0].first);
        EXPECT_EQ("Software\\Microsoft\\Windows\\CurrentVersion", key.opened[0].second);
        EXPECT_EQ(std::vector<std::string>({name}), key.asked);
    }
    EXPECT_EQ(8, key.closes);
}

TEST_F(OVWindowsTest, MissingValuesAreEmptyAndNumbersTheirDecimalText) {
    InstallationKey key;
    const DWORD number = 0xFFFFFFFE;
    key.values["ProductType"] = {REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4)};
    key.values["ProductKey"] = {REG_BINARY, "XY"};
    key.values["ProductName"] = {REG_SZ, std::string(300, 'n')};  // too long for the reader
    BSTR result = nullptr;
    ASSERT_EQ(S_OK, windows->PlusVersionNumber(&result));
    EXPECT_EQ(L"", take(result));
    ASSERT_EQ(S_OK, windows->ProductType(&result));
    EXPECT_EQ(L"-2", take(result));
    ASSERT_EQ(S_OK, windows->ProductKey(&result));
    EXPECT_EQ(L"XY", take(result));
    ASSERT_EQ(S_OK, windows->ProductName(&result));
    EXPECT_EQ(L"", take(result));
    // An empty REG_SZ cannot be cut: the reader's error 5 reaches the host.
    key.values["ProductId"] = {REG_SZ, ""};
    EXPECT_TRUE(raisedEarly(windows->ProductId(&result), 5));
}

TEST_F(OVWindowsTest, RealInstallationValuesNeverFail) {
    for (DISPID member = 0x60030005; member <= 0x6003000C; ++member) {
        Call call = invokeMethod(windows.get(), member);
        EXPECT_EQ(S_OK, call.result) << member;
        EXPECT_EQ(VT_BSTR, V_VT(call.value.get()));
    }
}

TEST_F(OVWindowsTest, UserNameIsCutAtTheReportedSize) {
    DWORD reported = 0;
    const char* written = nullptr;
    BOOL answer = TRUE;
    auto scope = platform::advapi32::GetUserNameA.fake([&](LPSTR buffer, LPDWORD size) {
        EXPECT_EQ(255u, *size);
        EXPECT_EQ(std::string(255, ' '), std::string(buffer, 255));
        if (written) std::copy(written, written + strlen(written) + 1, buffer);
        *size = reported;
        return answer;
    });
    BSTR result = nullptr;
    written = "alice";
    reported = 6;
    ASSERT_EQ(S_OK, windows->UserName(&result));
    EXPECT_EQ(L"alice", take(result));

    // Cut by the size, not at the zero: what the platform reports is what counts.
    reported = 3;
    ASSERT_EQ(S_OK, windows->UserName(&result));
    EXPECT_EQ(L"al", take(result));

    // Lack of room: the size is the room needed, and the cut stops at the buffer's end.
    written = nullptr;
    reported = 300;
    answer = FALSE;
    ASSERT_EQ(S_OK, windows->UserName(&result));
    EXPECT_EQ(std::wstring(255, L' '), take(result));

    reported = 0;
    EXPECT_TRUE(raisedEarly(windows->UserName(&result), 5, L"Invalid procedure call or argument",
                            L"TVOrvaneSuite.OVWindows"));
}

TEST_F(OVWindowsTest, ComputerNameIsCutAtTheFirstZero) {
    const char* written = nullptr;
    auto scope = platform::kernel32::GetComputerNameA.fake([&](LPSTR buffer, LPDWORD size) {
        EXPECT_EQ(255u, *size);
        if (!written) return FALSE;
        std::copy(written, written + strlen(written) + 1, buffer);
        *size = 1;  // not used
        return TRUE;
    });
    BSTR result = nullptr;
    written = "HOST";
    ASSERT_EQ(S_OK, windows->ComputerName(&result));
    EXPECT_EQ(L"HOST", take(result));
    written = nullptr;
    EXPECT_TRUE(raisedEarly(windows->ComputerName(&result), 5));
}

TEST_F(OVWindowsTest, RealNamesAgreeWithThePlatform) {
    char name[300] = {};
    DWORD size = sizeof name;
    ASSERT_TRUE(::GetUserNameA(name, &size));
    BSTR result = nullptr;
    ASSERT_EQ(S_OK, windows->UserName(&result));
    EXPECT_EQ(std::wstring(name, name + strlen(name)), take(result));
    size = sizeof name;
    ASSERT_TRUE(::GetComputerNameA(name, &size));
    ASSERT_EQ(S_OK, windows->ComputerName(&result));
    EXPECT_EQ(std::wstring(name, name + strlen(name)), take(result));
}

}  // namespace
}  // namespace orvane
