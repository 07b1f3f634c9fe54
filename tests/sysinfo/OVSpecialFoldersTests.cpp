// OVSpecialFolders: the current directory, the directories the platform names itself,
// the temporary path, the shell's folders and the registry's program files folder.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "frame/base/Platform.h"
#include "sysinfo/OVSpecialFolders.h"

namespace orvane {
namespace {

using namespace test;

namespace kernel = platform::kernel32;
namespace shell = platform::shell32;

std::wstring take(BSTR text) {
    std::wstring result(text ? text : L"", ::SysStringLen(text));
    ::SysFreeString(text);
    return result;
}

std::wstring widen(const char* text) { return std::wstring(text, text + strlen(text)); }

class OVSpecialFoldersTest : public ::testing::Test {
protected:
    void SetUp() override { ::GetCurrentDirectoryA(MAX_PATH, original); }
    void TearDown() override { ::SetCurrentDirectoryA(original); }

    std::wstring folder(long constant) {
        BSTR result = nullptr;
        EXPECT_EQ(S_OK, folders->SpecialFolders(static_cast<OVSpecialFoldersConstants>(constant), &result));
        return take(result);
    }
    HRESULT folderStatus(long constant) {
        BSTR result = nullptr;
        HRESULT status = folders->SpecialFolders(static_cast<OVSpecialFoldersConstants>(constant), &result);
        take(result);
        return status;
    }
    std::wstring currentDir() {
        BSTR result = nullptr;
        EXPECT_EQ(S_OK, folders->GetCurrentDir(&result));
        return take(result);
    }

    char original[MAX_PATH] = {};
    ComPtr<OVSpecialFolders> folders = OVSpecialFolders::create();
};

TEST_F(OVSpecialFoldersTest, CurrentDirectoryIsSetAndReadAsThePlatformSpellsIt) {
    char windowsDirectory[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windowsDirectory, MAX_PATH);
    Variable path(widen(windowsDirectory).c_str());
    Call call = invokeMethod(folders.get(), 0x60030000, {vRef(&path.value)});
    ASSERT_EQ(S_OK, call.result);
    EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));
    char platformSpelling[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, platformSpelling);
    EXPECT_EQ(widen(platformSpelling), currentDir());
    EXPECT_EQ(widen(windowsDirectory), currentDir());

    // A missing directory changes nothing, and the result is still Empty.
    Variable missing(L"C:\\no\\such\\directory\\\x4E00");
    call = invokeMethod(folders.get(), 0x60030000, {vRef(&missing.value)});
    ASSERT_EQ(S_OK, call.result);
    EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));
    EXPECT_EQ(widen(windowsDirectory), currentDir());
    EXPECT_EQ(L"C:\\no\\such\\directory\\?", text(missing.value));  // its ANSI round trip
}

TEST_F(OVSpecialFoldersTest, CurrentDirectoryTakesTheReportedCount) {
    DWORD answer = 0;
    auto scope = kernel::GetCurrentDirectoryA.fake([&](DWORD capacity, LPSTR buffer) {
        EXPECT_EQ(255u, capacity);
        EXPECT_EQ(std::string(255, '\0'), std::string(buffer, 255));
        lstrcpyA(buffer, "C:\\WORK");
        return answer;
    });
    answer = 7;
    EXPECT_EQ(L"C:\\WORK", currentDir());
    answer = 4;
    EXPECT_EQ(L"C:\\W", currentDir());
    answer = 0;
    EXPECT_EQ(L"", currentDir());
    answer = 400;  // the room a longer directory would need: nothing was written for it
    EXPECT_EQ(L"", currentDir());
}

TEST_F(OVSpecialFoldersTest, WindowsAndSystemDirectoriesAreExactlyTheReportedCharacters) {
    char expected[MAX_PATH] = {};
    UINT count = ::GetWindowsDirectoryA(expected, MAX_PATH);
    EXPECT_EQ(widen(expected), folder(ovaWindows));
    EXPECT_EQ(count, folder(ovaWindows).size());
    ::GetSystemDirectoryA(expected, MAX_PATH);
    EXPECT_EQ(widen(expected), folder(ovaSystem));

    UINT answer = 0;
    auto scope = kernel::GetWindowsDirectoryA.fake([&](LPSTR buffer, UINT capacity) {
        EXPECT_EQ(255u, capacity);
        std::copy_n("C:\\WINDOWS", 10, buffer);  // no terminator: the count decides
        return answer;
    });
    answer = 10;
    EXPECT_EQ(L"C:\\WINDOWS", folder(ovaWindows));
    answer = 300;
    EXPECT_EQ(L"", folder(ovaWindows));
}

TEST_F(OVSpecialFoldersTest, TempPathLosesItsTrailingBackslash) {
    char expected[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, expected);
    std::wstring real = widen(expected);
    EXPECT_EQ(real.substr(0, real.size() - 1), folder(ovaTemp));

    const char* written = nullptr;
    auto scope = kernel::GetTempPathA.fake([&](DWORD capacity, LPSTR buffer) {
        EXPECT_EQ(100u, capacity);
        EXPECT_EQ(std::string(255, ' '), std::string(buffer, 255));
        if (!written) return DWORD(120);  // too long for 100: nothing copied
        lstrcpyA(buffer, written);
        return DWORD(strlen(written));
    });
    written = "C:\\TEMP\\";
    EXPECT_EQ(L"C:\\TEMP", folder(ovaTemp));
    written = nullptr;
    EXPECT_TRUE(raisedEarly(folderStatus(ovaTemp), 5));
    written = "";
    EXPECT_TRUE(raisedEarly(folderStatus(ovaTemp), 5));
}

TEST_F(OVSpecialFoldersTest, ShellFoldersAreHandedOverUnchangedAndTheirListFreed) {
    std::vector<int> asked;
    int freed = 0;
    auto location = shell::SHGetSpecialFolderLocation.fake([&](HWND owner, int folderId, LPITEMIDLIST* list) {
        EXPECT_EQ(nullptr, owner);
        asked.push_back(folderId);
        return ::SHGetSpecialFolderLocation(owner, folderId, list);
    });
    auto release = platform::ole32::CoTaskMemFree.fake([&](LPVOID memory) {
        ++freed;
        ::CoTaskMemFree(memory);
    });
    char expected[MAX_PATH] = {};
    ASSERT_TRUE(::SHGetSpecialFolderPathA(nullptr, expected, CSIDL_DESKTOPDIRECTORY, FALSE));
    EXPECT_EQ(widen(expected), folder(ovaDesktop));
    ASSERT_TRUE(::SHGetSpecialFolderPathA(nullptr, expected, CSIDL_FONTS, FALSE));
    EXPECT_EQ(widen(expected), folder(ovaFonts));
    ASSERT_TRUE(::SHGetSpecialFolderPathA(nullptr, expected, CSIDL_APPDATA, FALSE));
    EXPECT_EQ(widen(expected), folder(ovaApplicationData));
    EXPECT_EQ(std::vector<int>({16, 20, 26}), asked);
    EXPECT_EQ(3, freed);
}

TEST_F(OVSpecialFoldersTest, AnUnresolvedFolderRaisesFiveWithoutAskingForAPath) {
    int pathCalls = 0;
    HRESULT answer = E_INVALIDARG;
    auto location = shell::SHGetSpecialFolderLocation.fake([&](HWND, int, LPITEMIDLIST* list) {
        *list = reinterpret_cast<LPITEMIDLIST>(0x1);  // junk left by a failed call is neither used nor freed
        return answer;
    });
    auto path = shell::SHGetPathFromIDListA.fake([&](LPCITEMIDLIST, LPSTR) {
        ++pathCalls;
        return FALSE;  // leaves the buffer as it was
    });
    int freed = 0;
    auto release = platform::ole32::CoTaskMemFree.fake([&](LPVOID) { ++freed; });
    EXPECT_TRUE(raisedEarly(folderStatus(ovaNetwork), 5, L"Invalid procedure call or argument"));
    EXPECT_EQ(0, pathCalls);
    EXPECT_EQ(0, freed);

    // A list without a path: the buffer still holds only spaces.
    answer = S_OK;
    EXPECT_TRUE(raisedEarly(folderStatus(ovaPrinters), 5));
    EXPECT_EQ(1, pathCalls);
    EXPECT_EQ(1, freed);
}

TEST_F(OVSpecialFoldersTest, ProgramFilesComesFromTheRegistry) {
    HKEY handle = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", 0,
                                             KEY_READ, &handle));
    char value[MAX_PATH] = {};
    DWORD size = sizeof value;
    ASSERT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(handle, "ProgramFilesDir", nullptr, nullptr,
                                                reinterpret_cast<BYTE*>(value), &size));
    ::RegCloseKey(handle);

    int shellCalls = 0;
    auto path = shell::SHGetPathFromIDListA.fake([&](LPCITEMIDLIST, LPSTR buffer) {
        ++shellCalls;
        lstrcpyA(buffer, "X:\\Shell's answer");
        return TRUE;
    });
    EXPECT_EQ(widen(value), folder(ovaProgramFiles));
    EXPECT_EQ(1, shellCalls);  // the shell is asked all the same

    auto missing = platform::advapi32::RegQueryValueExA.fake(
        [](HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD) { return LONG(ERROR_FILE_NOT_FOUND); });
    EXPECT_EQ(L"", folder(ovaProgramFiles));
    EXPECT_EQ(L"X:\\Shell's answer", folder(ovaProgramFilesX86));
}

TEST_F(OVSpecialFoldersTest, EveryConstantResolvesOnThisPlatform) {
    const long constants[] = {2,  4,  5,  6,  7,  8,  9,  11, 16, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28,
                              31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 2305};
    for (long constant : constants) {
        BSTR result = nullptr;
        EXPECT_EQ(S_OK, folders->SpecialFolders(static_cast<OVSpecialFoldersConstants>(constant), &result))
            << constant;
        EXPECT_FALSE(take(result).empty()) << constant;
    }
}

}  // namespace
}  // namespace orvane
