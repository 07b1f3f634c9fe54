// The binding service: binding at first call, recorded last error, fakes, and the
// runtime's errors for a missing library or entry point.
#include <gtest/gtest.h>

#include "frame/base/Errors.h"
#include "frame/base/Platform.h"

namespace orvane {
namespace {

TEST(Platform, CallsTheRealFunctionAndRecordsTheLastError) {
    char buffer[MAX_PATH] = {};
    UINT length = platform::kernel32::GetWindowsDirectoryA(buffer, MAX_PATH);
    EXPECT_GT(length, 0u);
    ::SetLastError(0);
    EXPECT_EQ(DRIVE_NO_ROOT_DIR, platform::kernel32::GetDriveTypeA("Q:\\no\\such\\root\\"));
    EXPECT_EQ(::GetLastError(), platform::lastDllError());
}

TEST(Platform, AFakeReplacesTheEntryUntilItsScopeEnds) {
    int calls = 0;
    {
        auto fake = platform::kernel32::GetDriveTypeA.fake([&](LPCSTR root) {
            ++calls;
            EXPECT_STREQ("C:\\", root);
            ::SetLastError(1234);
            return UINT(DRIVE_CDROM);
        });
        EXPECT_EQ(UINT(DRIVE_CDROM), platform::kernel32::GetDriveTypeA("C:\\"));
        EXPECT_EQ(1234u, platform::lastDllError());
    }
    EXPECT_EQ(1, calls);
    EXPECT_NE(UINT(DRIVE_CDROM), platform::kernel32::GetDriveTypeA("C:\\"));
}

TEST(Platform, MissingLibrariesAndEntriesRaiseRuntimeErrors) {
    platform::Entry<BOOL()> noLibrary{"nosuchlibrary.dll", "Anything"};
    try {
        noLibrary();
        FAIL() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(53, error.number());
        EXPECT_EQ(L"File not found: nosuchlibrary.dll", error.description());
    }
    platform::Entry<BOOL()> noEntry{"kernel32.dll", "NoSuchEntryPoint"};
    try {
        noEntry();
        FAIL() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(453, error.number());
        EXPECT_EQ(L"Can't find DLL entry point NoSuchEntryPoint in kernel32.dll", error.description());
    }
}

}  // namespace
}  // namespace orvane
