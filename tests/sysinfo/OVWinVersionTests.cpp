// OVWinVersion: the 148-byte record, the snapshot at initialisation and the
// seven-way classification.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TestSupport.h"
#include "frame/base/Platform.h"
#include "sysinfo/OVWinVersion.h"

namespace orvane {
namespace {

using namespace test;

enum : DISPID {
    idMajorVersion = 0x60030002, idMinorVersion, idBuildNumber, idOperatingPlatform, idOperatingSystem, idExtraInfo,
    idIsWindows32, idIsWindows95, idIsWindows98, idIsWindowsME, idIsWindowsNT, idIsWindows2K, idIsWindowsXP
};

struct Version {
    DWORD platformId, major, minor, build;
    std::string service;
};

// A platform that reports one record; it checks what the control hands it.
class FakeVersion {
public:
    explicit FakeVersion(Version version)
        : version_(std::move(version)),
          scope_(platform::kernel32::GetVersionExA.fake([this](LPOSVERSIONINFOA info) {
              ++calls;
              EXPECT_EQ(148u, info->dwOSVersionInfoSize);
              const unsigned char* bytes = reinterpret_cast<const unsigned char*>(info);
              for (size_t i = 4; i < 148; ++i) EXPECT_EQ(0, bytes[i]) << "byte " << i;
              info->dwPlatformId = version_.platformId;
              info->dwMajorVersion = version_.major;
              info->dwMinorVersion = version_.minor;
              info->dwBuildNumber = version_.build;
              std::memcpy(info->szCSDVersion, version_.service.data(), std::min<size_t>(128, version_.service.size()));
              return TRUE;
          })) {}
    void set(Version version) { version_ = std::move(version); }
    int calls = 0;

private:
    Version version_;
    platform::Entry<BOOL(LPOSVERSIONINFOA)>::FakeScope scope_;
};

class OVWinVersionTest : public ::testing::Test {
protected:
    static long number(IDispatch* object, DISPID member) {
        Call call = invokeMethod(object, member);
        EXPECT_EQ(VT_I4, V_VT(call.value.get()));
        return V_I4(call.value.get());
    }
    static std::wstring words(IDispatch* object, DISPID member) {
        Call call = invokeMethod(object, member);
        EXPECT_EQ(VT_BSTR, V_VT(call.value.get()));
        return text(*call.value.get());
    }
    // The index of the one test that is True (-1 when none or several are).
    static int trueTest(IDispatch* object) {
        int found = -1, count = 0;
        for (int i = 0; i < 7; ++i) {
            Call call = invokeMethod(object, idIsWindows32 + i);
            EXPECT_EQ(VT_BOOL, V_VT(call.value.get()));
            if (V_BOOL(call.value.get()) == VARIANT_TRUE) found = i, ++count;
            else EXPECT_EQ(VARIANT_FALSE, V_BOOL(call.value.get()));
        }
        return count == 1 ? found : -1;
    }
};

TEST_F(OVWinVersionTest, WindowsXPServicePack) {
    FakeVersion platform({2, 5, 1, 2600, "Service Pack 3"});
    auto version = OVWinVersion::create();
    EXPECT_EQ(5, number(version.get(), idMajorVersion));
    EXPECT_EQ(1, number(version.get(), idMinorVersion));
    EXPECT_EQ(2600, number(version.get(), idBuildNumber));
    EXPECT_EQ(L"Windows NT/2K/XP", words(version.get(), idOperatingPlatform));
    EXPECT_EQ(L"Windows XP", words(version.get(), idOperatingSystem));
    EXPECT_EQ(L"Ser", words(version.get(), idExtraInfo));
    EXPECT_EQ(6, trueTest(version.get()));
}

TEST_F(OVWinVersionTest, SevenWayClassification) {
    struct Row {
        Version version;
        const wchar_t* platformName;
        const wchar_t* systemName;
        int system;
    };
    const Row rows[] = {
        {{0, 3, 10, 0, ""}, L"Windows 32", L"Windows 32", 0},
        {{1, 4, 0, 950, ""}, L"Windows 95/98/ME", L"Windows 95", 1},
        {{1, 4, 10, 1998, " A "}, L"Windows 95/98/ME", L"Windows 98", 2},
        {{1, 4, 90, 3000, ""}, L"Windows 95/98/ME", L"Windows ME", 3},
        {{1, 4, 3, 0, ""}, L"Windows 95/98/ME", L"Windows 32", 0},
        {{2, 3, 51, 1057, ""}, L"Windows NT/2K/XP", L"Windows NT", 4},
        {{2, 4, 0, 1381, "Service Pack 6"}, L"Windows NT/2K/XP", L"Windows NT", 4},
        {{2, 0xFFFFFFFF, 1, 0, ""}, L"Windows NT/2K/XP", L"Windows NT", 4},  // major compared signed
        {{2, 5, 0, 2195, ""}, L"Windows NT/2K/XP", L"Windows 2K", 5},
        {{2, 5, 1, 2600, ""}, L"Windows NT/2K/XP", L"Windows XP", 6},
        {{2, 5, 2, 3790, ""}, L"Windows NT/2K/XP", L"Windows 32", 0},
        {{2, 6, 1, 7601, ""}, L"Windows NT/2K/XP", L"Windows 32", 0},
        {{3, 10, 0, 0, ""}, L"", L"Windows 32", 0},
        {{0xFFFFFFFF, 5, 1, 0, ""}, L"", L"Windows 32", 0},
    };
    for (const Row& row : rows) {
        FakeVersion platform(row.version);
        auto version = OVWinVersion::create();
        SCOPED_TRACE(std::to_string(row.version.platformId) + " " + std::to_string(row.version.major) + "." +
                     std::to_string(row.version.minor));
        EXPECT_EQ(row.platformName, words(version.get(), idOperatingPlatform));
        EXPECT_EQ(row.systemName, words(version.get(), idOperatingSystem));
        EXPECT_EQ(row.system, trueTest(version.get()));
        EXPECT_EQ(static_cast<long>(row.version.build), number(version.get(), idBuildNumber));
    }
}

TEST_F(OVWinVersionTest, ExtraInfoIsTheFirstThreeCharactersTrimmed) {
    const std::pair<std::string, std::wstring> rows[] = {
        {" A ", L"A"}, {"Service Pack 3", L"Ser"}, {"  B", L"B"}, {"   ", L""}, {"x", std::wstring(L"x\0\0", 3)},
        {"", std::wstring(3, L'\0')},  // NUL is not a space and stays
        {std::string(128, 'Z'), L"ZZZ"}};
    for (const auto& [service, expected] : rows) {
        FakeVersion platform({1, 4, 10, 0, service});
        auto version = OVWinVersion::create();
        EXPECT_EQ(expected, words(version.get(), idExtraInfo)) << service;
    }
}

TEST_F(OVWinVersionTest, NumbersAreASnapshotTheClassificationIsLive) {
    FakeVersion platform({2, 5, 1, 2600, "Service Pack 2"});
    auto version = OVWinVersion::create();
    EXPECT_EQ(1, platform.calls);
    platform.set({1, 4, 90, 3000, "Z"});
    EXPECT_EQ(5, number(version.get(), idMajorVersion));
    EXPECT_EQ(2600, number(version.get(), idBuildNumber));
    EXPECT_EQ(L"Ser", words(version.get(), idExtraInfo));
    EXPECT_EQ(1, platform.calls);
    EXPECT_EQ(L"Windows ME", words(version.get(), idOperatingSystem));
    EXPECT_EQ(L"Windows 95/98/ME", words(version.get(), idOperatingPlatform));
    EXPECT_EQ(3, trueTest(version.get()));
    EXPECT_EQ(1 + 2 + 7, platform.calls);
}

TEST_F(OVWinVersionTest, BuildNumberIsPassedOnUnmasked) {
    FakeVersion platform({1, 4, 10, 0x040A07CE, ""});  // the upper half holds the version on 9x
    EXPECT_EQ(0x040A07CE, number(OVWinVersion::create().get(), idBuildNumber));
    platform.set({2, 5, 1, 0xC0000A28, ""});
    EXPECT_EQ(static_cast<long>(0xC0000A28), number(OVWinVersion::create().get(), idBuildNumber));
}

TEST_F(OVWinVersionTest, AFailedCallLeavesTheZeroedRecord) {
    auto scope = platform::kernel32::GetVersionExA.fake([](LPOSVERSIONINFOA) { return FALSE; });
    auto version = OVWinVersion::create();
    EXPECT_EQ(0, number(version.get(), idMajorVersion));
    EXPECT_EQ(0, number(version.get(), idBuildNumber));
    EXPECT_EQ(L"Windows 32", words(version.get(), idOperatingPlatform));
    EXPECT_EQ(0, trueTest(version.get()));
    EXPECT_EQ(std::wstring(3, L'\0'), words(version.get(), idExtraInfo));
}

TEST_F(OVWinVersionTest, AgreesWithThePlatform) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    ASSERT_TRUE(::GetVersionExA(&info));
    auto version = OVWinVersion::create();
    EXPECT_EQ(static_cast<long>(info.dwMajorVersion), number(version.get(), idMajorVersion));
    EXPECT_EQ(static_cast<long>(info.dwMinorVersion), number(version.get(), idMinorVersion));
    EXPECT_EQ(static_cast<long>(info.dwBuildNumber), number(version.get(), idBuildNumber));
    EXPECT_EQ(L"Windows NT/2K/XP", words(version.get(), idOperatingPlatform));
    std::wstring service(info.szCSDVersion, info.szCSDVersion + std::min<size_t>(3, strlen(info.szCSDVersion)));
    EXPECT_EQ(service, words(version.get(), idExtraInfo).substr(0, service.size()));
}

TEST_F(OVWinVersionTest, ThePrivateRoutinesAreNotPublished) {
    auto version = OVWinVersion::create();
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, invokeMethod(version.get(), 0x60030000).result);
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, invokeMethod(version.get(), 0x60030001).result);
    EXPECT_EQ(E_POINTER, version->MajorVersion(nullptr));
    EXPECT_EQ(E_POINTER, version->OperatingSystem(nullptr));
    EXPECT_EQ(E_POINTER, version->IsWindowsXP(nullptr));
}

}  // namespace
}  // namespace orvane
