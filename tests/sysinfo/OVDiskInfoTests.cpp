// OVDiskInfo: choosing the drive, byte counts as Currency, drive types, volume texts,
// the serial number text and the drive list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "frame/automation/Collection.h"
#include "frame/base/Platform.h"
#include "sysinfo/OVDiskInfo.h"

namespace orvane {
namespace {

using namespace test;

enum : DISPID {
    idDriveName = 0x68030000,
    idTotalSpace = 0x60030001, idFreeSpace, idTotalSpaceUsed, idDriveType, idGetLocalDrive, idVolumeName,
    idFileSystemName, idSerialNumber, idIsRemovable, idIsFixed, idIsRemote, idIsCDROM, idIsRamDisk, idIsFAT16,
    idIsFAT32, idIsNTFS
};

const DISPID driveQueries[] = {idTotalSpace, idFreeSpace, idTotalSpaceUsed, idDriveType, idVolumeName,
                               idFileSystemName, idSerialNumber, idIsRemovable, idIsFixed, idIsRemote,
                               idIsCDROM, idIsRamDisk, idIsFAT16, idIsFAT32, idIsNTFS};

using FreeSpaceEntry = platform::Entry<BOOL(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER)>;
using VolumeEntry = platform::Entry<BOOL(LPCSTR, LPSTR, DWORD, LPDWORD, LPDWORD, LPDWORD, LPSTR, DWORD)>;

class OVDiskInfoTest : public ::testing::Test {
protected:
    void setDriveName(const wchar_t* name) {
        Bstr value(name);
        ASSERT_EQ(S_OK, propertyPut(disk.get(), idDriveName, vText(value)).result);
    }
    Call query(DISPID member) { return invokeMethod(disk.get(), member); }
    Call query(DISPID member, const wchar_t* drive) {
        Bstr value(drive);
        return invokeMethod(disk.get(), member, {vText(value)});
    }
    static LONGLONG bytes(const Call& call) {
        EXPECT_EQ(S_OK, call.result);
        EXPECT_EQ(VT_CY, V_VT(call.value.get()));
        return V_CY(call.value.get()).int64;
    }
    static bool yes(const Call& call) {
        EXPECT_EQ(VT_BOOL, V_VT(call.value.get()));
        return V_BOOL(call.value.get()) == VARIANT_TRUE;
    }
    FreeSpaceEntry::FakeScope space(ULONGLONG total, ULONGLONG totalFree, ULONGLONG available = 1) {
        return platform::kernel32::GetDiskFreeSpaceExA.fake(
            [=, this](LPCSTR name, PULARGE_INTEGER callerFree, PULARGE_INTEGER totalBytes, PULARGE_INTEGER freeBytes) {
                names.push_back(name);
                EXPECT_EQ(0u, callerFree->QuadPart);
                EXPECT_EQ(0u, totalBytes->QuadPart);
                EXPECT_EQ(0u, freeBytes->QuadPart);
                callerFree->QuadPart = available;
                totalBytes->QuadPart = total;
                freeBytes->QuadPart = totalFree;
                return FALSE;  // not looked at
            });
    }
    VolumeEntry::FakeScope volume(std::string label, std::string fileSystem, DWORD serial) {
        return platform::kernel32::GetVolumeInformationA.fake(
            [=, this](LPCSTR name, LPSTR labelBuffer, DWORD labelSize, LPDWORD serialNumber, LPDWORD maximumLength,
                      LPDWORD flags, LPSTR fileSystemBuffer, DWORD fileSystemSize) {
                names.push_back(name);
                EXPECT_EQ(255u, labelSize);
                EXPECT_EQ(255u, fileSystemSize);
                EXPECT_EQ(0u, *serialNumber);
                EXPECT_EQ(0u, *maximumLength);
                EXPECT_EQ(0u, *flags);
                for (DWORD i = 0; i < 255; ++i) EXPECT_EQ('\0', labelBuffer[i] | fileSystemBuffer[i]);
                std::memcpy(labelBuffer, label.data(), label.size());
                std::memcpy(fileSystemBuffer, fileSystem.data(), fileSystem.size());
                *serialNumber = serial;
                return FALSE;
            });
    }
    static constexpr LONGLONG unit = 10000;  // a Currency's scale
    ComPtr<OVDiskInfo> disk = OVDiskInfo::create();
    std::vector<std::string> names;
};

TEST_F(OVDiskInfoTest, WithoutAnyDriveNameNoPlatformCallIsMade) {
    auto never = [](auto...) -> BOOL {
        ADD_FAILURE() << "platform called";
        return FALSE;
    };
    auto spaceScope = platform::kernel32::GetDiskFreeSpaceExA.fake(never);
    auto volumeScope = platform::kernel32::GetVolumeInformationA.fake(never);
    auto typeScope = platform::kernel32::GetDriveTypeA.fake([](LPCSTR) -> UINT {
        ADD_FAILURE() << "platform called";
        return 3;
    });
    for (DISPID member : driveQueries) {
        for (Call call : {query(member), query(member, L"")}) {
            ASSERT_EQ(S_OK, call.result) << std::hex << member;
            switch (V_VT(call.value.get())) {
            case VT_CY: EXPECT_EQ(0, V_CY(call.value.get()).int64); break;
            case VT_I4: EXPECT_EQ(0, V_I4(call.value.get())); break;
            case VT_BSTR: EXPECT_EQ(L"", text(*call.value.get())); break;
            case VT_BOOL: EXPECT_EQ(VARIANT_FALSE, V_BOOL(call.value.get())); break;
            default: ADD_FAILURE() << "subtype " << V_VT(call.value.get());
            }
        }
    }
}

TEST_F(OVDiskInfoTest, DriveNameIsStoredUncheckedAndFillsAnEmptyArgument) {
    EXPECT_EQ(L"", text(*invoke(disk.get(), idDriveName, DISPATCH_PROPERTYGET, {}).value.get()));
    setDriveName(L"not a drive");
    EXPECT_EQ(L"not a drive", text(*invoke(disk.get(), idDriveName, DISPATCH_PROPERTYGET, {}).value.get()));
    setDriveName(L"D:\\");
    auto scope = platform::kernel32::GetDriveTypeA.fake([this](LPCSTR name) {
        names.push_back(name);
        return 5u;
    });
    Variable empty(L"");
    Call call = invokeMethod(disk.get(), idIsCDROM, {vRef(&empty.value)});
    EXPECT_TRUE(yes(call));
    EXPECT_EQ(L"D:\\", text(empty.value));  // the ByRef argument now holds DriveName
    Variable other(L"E:\\");
    EXPECT_TRUE(yes(invokeMethod(disk.get(), idIsCDROM, {vRef(&other.value)})));
    EXPECT_EQ(L"E:\\", text(other.value));
    EXPECT_EQ((std::vector<std::string>{"D:\\", "E:\\"}), names);
}

TEST_F(OVDiskInfoTest, TheNameGoesToThePlatformAsItsAnsiRoundTrip) {
    auto scope = platform::kernel32::GetDriveTypeA.fake([this](LPCSTR name) {
        names.push_back(name);
        return 3u;
    });
    Variable drive(L"\u0416:\\");  // not in the ANSI code page
    EXPECT_TRUE(yes(invokeMethod(disk.get(), idIsFixed, {vRef(&drive.value)})));
    ASSERT_EQ(1u, names.size());
    EXPECT_EQ(L"?:\\", text(drive.value));
    EXPECT_EQ("?:\\", names[0]);
}

TEST_F(OVDiskInfoTest, ByteCountsAreWholeBytesAsCurrency) {
    setDriveName(L"C:\\");
    {
        auto scope = space(5000000000ull, 1234567ull);
        EXPECT_EQ(5000000000ll * unit, bytes(query(idTotalSpace)));
        EXPECT_EQ(1234567ll * unit, bytes(query(idFreeSpace)));  // all free bytes, not the caller's share
        EXPECT_EQ((5000000000ll - 1234567ll) * unit, bytes(query(idTotalSpaceUsed)));
        EXPECT_EQ(3u, names.size());
    }
    {
        auto scope = space(922337203685477ull, 0);  // the largest count Currency holds
        EXPECT_EQ(922337203685477ll * unit, bytes(query(idTotalSpace)));
        EXPECT_EQ(922337203685477ll * unit, bytes(query(idTotalSpaceUsed)));
    }
    auto scope = space(922337203685478ull, 5);
    EXPECT_TRUE(raised(query(idTotalSpace), 6, L"Overflow"));
    EXPECT_EQ(5 * unit, bytes(query(idFreeSpace)));
    // The difference is taken before the scaling, so it fits again.
    EXPECT_EQ(922337203685473ll * unit, bytes(query(idTotalSpaceUsed)));
}

TEST_F(OVDiskInfoTest, DriveTypesAndTheirTests) {
    setDriveName(L"X:\\");
    UINT code = 0;
    auto scope = platform::kernel32::GetDriveTypeA.fake([&](LPCSTR) { return code; });
    const DISPID tests[] = {idIsRemovable, idIsFixed, idIsRemote, idIsCDROM, idIsRamDisk};
    for (UINT candidate : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 0xFFFFFFFFu}) {
        code = candidate;
        Call type = query(idDriveType);
        ASSERT_EQ(VT_I4, V_VT(type.value.get()));
        long expected = candidate <= 6 ? static_cast<long>(candidate) : 0;
        EXPECT_EQ(expected, V_I4(type.value.get())) << candidate;
        for (int i = 0; i < 5; ++i) EXPECT_EQ(expected == i + 2, yes(query(tests[i]))) << candidate;
    }
}

TEST_F(OVDiskInfoTest, VolumeTextsAreCutAtTheFirstZero) {
    setDriveName(L"C:\\");
    {
        auto scope = volume(std::string("DATA\0junk", 9), "FAT", 0x1234ABCD);
        EXPECT_EQ(L"DATA", text(*query(idVolumeName).value.get()));
        EXPECT_EQ(L"FAT", text(*query(idFileSystemName).value.get()));
        EXPECT_EQ(L"1234-ABCD", text(*query(idSerialNumber).value.get()));
        EXPECT_FALSE(yes(query(idIsFAT16)));  // exact comparison: FAT is not FAT16
    }
    const std::pair<const char*, DISPID> systems[] = {{"FAT16", idIsFAT16}, {"FAT32", idIsFAT32}, {"NTFS", idIsNTFS}};
    for (auto [name, member] : systems) {
        auto scope = volume("", name, 0);
        for (auto [other, otherMember] : systems) EXPECT_EQ(member == otherMember, yes(query(otherMember))) << name;
    }
    for (const char* almost : {"ntfs", "NTFS ", "FAT320"}) {
        auto scope = volume("", almost, 0);
        EXPECT_FALSE(yes(query(idIsNTFS)));
        EXPECT_FALSE(yes(query(idIsFAT32)));
    }
    // A label that fills the whole buffer has no zero to cut at: an error, not a read past it.
    auto scope = volume(std::string(255, 'L'), "NTFS", 0);
    EXPECT_TRUE(raised(query(idVolumeName), 5));
}

TEST_F(OVDiskInfoTest, SerialNumberTexts) {
    EXPECT_EQ(L"0-", OVDiskInfo::serialText(0));  // a drive without a medium
    EXPECT_EQ(L"12-", OVDiskInfo::serialText(0x12));
    EXPECT_EQ(L"ABCD-EF1", OVDiskInfo::serialText(0x0ABCDEF1));  // 7 digits, no leading zero added
    EXPECT_EQ(L"1234-5678", OVDiskInfo::serialText(0x12345678));
    EXPECT_EQ(L"8000-0000", OVDiskInfo::serialText(0x80000000));  // the top bit set
    EXPECT_EQ(L"FFFF-FFFF", OVDiskInfo::serialText(0xFFFFFFFF));
    setDriveName(L"Q:\\");
    auto scope = platform::kernel32::GetVolumeInformationA.fake(
        [](LPCSTR, LPSTR, DWORD, LPDWORD, LPDWORD, LPDWORD, LPSTR, DWORD) { return FALSE; });
    EXPECT_EQ(L"0-", text(*query(idSerialNumber).value.get()));
    EXPECT_EQ(L"", text(*query(idVolumeName).value.get()));
}

struct DriveList {
    ComPtr<Collection> collection;
    std::vector<std::wstring> items;
};

class OVDiskInfoDrives : public OVDiskInfoTest {
protected:
    DriveList drives() {
        ComPtr<IDispatch> list;
        EXPECT_EQ(S_OK, disk->GetLocalDrive(list.put()));
        DriveList result;
        result.collection = ComPtr<Collection>(static_cast<Collection*>(list.get()));
        for (long i = 1; i <= result.collection->count(); ++i) {
            result.items.push_back(text(*result.collection->item(i).get()));
        }
        return result;
    }
    platform::Entry<DWORD(DWORD, LPSTR)>::FakeScope list(std::string written, DWORD returned) {
        return platform::kernel32::GetLogicalDriveStringsA.fake([=](DWORD size, LPSTR buffer) {
            EXPECT_EQ(255u, size);
            for (DWORD i = 0; i < size; ++i) EXPECT_EQ('\0', buffer[i]);
            std::memcpy(buffer, written.data(), written.size());
            return returned;
        });
    }
};

TEST_F(OVDiskInfoDrives, EntriesInOrderKeyedByTheirOwnText) {
    auto scope = list(std::string("A:\\\0C:\\\0D:\\\0\0", 13), 12);
    DriveList found = drives();
    EXPECT_EQ((std::vector<std::wstring>{L"A:\\", L"C:\\", L"D:\\"}), found.items);
    Bstr key(L"c:\\");
    EXPECT_EQ(L"C:\\", text(*found.collection->item(vText(key)).get()));
    // A new collection on every call.
    EXPECT_NE(found.collection.get(), drives().collection.get());
}

TEST_F(OVDiskInfoDrives, AListThatDoesNotFitGivesAnEmptyCollection) {
    auto scope = list("", 300);
    EXPECT_EQ(0, drives().collection->count());
}

TEST_F(OVDiskInfoDrives, AtMostAHundredEntriesAreTaken) {
    // 100 distinct entries, then two that repeat earlier keys: were they taken, the
    // collection would refuse the duplicate key or count more than 100.
    std::string written;
    std::vector<std::wstring> expected;
    for (char c = 0x21; c < 0x7F; ++c) {
        if (c >= 'a' && c <= 'z') continue;  // keys ignore case
        written += std::string{c, '\0'};
        expected.push_back(std::wstring(1, static_cast<wchar_t>(c)));
    }
    for (int i = 0; expected.size() < 100; ++i) {
        std::string entry{char('A' + i / 10), char('0' + i % 10)};
        written += entry + '\0';
        expected.push_back(std::wstring(entry.begin(), entry.end()));
    }
    written += std::string("A\0B\0\0", 5);
    ASSERT_LT(written.size(), 255u);
    auto scope = list(written, static_cast<DWORD>(written.size() - 1));
    DriveList found = drives();
    EXPECT_EQ(expected, found.items);
}

TEST_F(OVDiskInfoDrives, AListFillingTheWholeBufferEndsWithIt) {
    std::string full;
    for (int i = 0; i < 85; ++i) full += std::string{char('A' + i / 26), char('a' + i % 26), '\0'};
    ASSERT_EQ(255u, full.size());
    auto scope = list(full, 255);
    DriveList found = drives();
    ASSERT_EQ(85u, found.items.size());
    EXPECT_EQ(L"Aa", found.items.front());
    EXPECT_EQ(L"Dg", found.items.back());
}

TEST_F(OVDiskInfoDrives, TheRealDrivesIncludeTheSystemDrive) {
    DriveList found = drives();
    ASSERT_GE(found.items.size(), 1u);
    Bstr key(L"C:\\");
    EXPECT_EQ(L"C:\\", text(*found.collection->item(vText(key)).get()));
    Call call = invokeByName(disk.get(), L"GetLocalDrive");
    ASSERT_EQ(VT_DISPATCH, V_VT(call.value.get()));
}

TEST_F(OVDiskInfoTest, TheSystemDriveAddsUp) {
    setDriveName(L"C:\\");
    LONGLONG total = bytes(query(idTotalSpace));
    EXPECT_GT(total, 0);
    EXPECT_EQ(0, total % unit);
    ULARGE_INTEGER callerFree, totalBytes, freeBytes;
    ASSERT_TRUE(::GetDiskFreeSpaceExA("C:\\", &callerFree, &totalBytes, &freeBytes));
    EXPECT_EQ(static_cast<LONGLONG>(totalBytes.QuadPart) * unit, total);
    // The free space of a live disk moves while other programs write: a figure must lie
    // between the platform's answers taken just before and just after the call, and
    // equal them when they agree (tried until a quiet moment, if one comes).
    auto platformFree = [] {
        ULARGE_INTEGER caller, all, unused;
        EXPECT_TRUE(::GetDiskFreeSpaceExA("C:\\", &caller, &all, &unused));
        return static_cast<LONGLONG>(unused.QuadPart) * unit;
    };
    auto aroundTheCall = [&](auto member) {
        LONGLONG before = 0, after = 0, figure = 0;
        for (int attempt = 0; attempt < 20; ++attempt) {
            before = platformFree();
            figure = member();
            after = platformFree();
            if (before == after) break;
        }
        EXPECT_GE(figure, std::min(before, after));
        EXPECT_LE(figure, std::max(before, after));
    };
    aroundTheCall([&] {
        LONGLONG free = bytes(query(idFreeSpace));
        EXPECT_EQ(0, free % unit);
        return free;
    });
    aroundTheCall([&] { return total - bytes(query(idTotalSpaceUsed)); });
    auto fixed = platform::kernel32::GetDiskFreeSpaceExA.fake(
        [&](LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER all, PULARGE_INTEGER unused) {
            *all = totalBytes;
            *unused = freeBytes;
            return TRUE;
        });
    EXPECT_EQ(bytes(query(idTotalSpace)), bytes(query(idFreeSpace)) + bytes(query(idTotalSpaceUsed)));
    EXPECT_TRUE(yes(query(idIsFixed)));
    EXPECT_EQ(3, V_I4(query(idDriveType).value.get()));
}

TEST_F(OVDiskInfoTest, EarlyBoundCallsWithoutTheArgument) {
    auto scope = space(20000, 5000);
    setDriveName(L"C:\\");
    CY value{};
    EXPECT_EQ(S_OK, disk->TotalSpace(nullptr, &value));
    EXPECT_EQ(20000 * unit, value.int64);
    EXPECT_EQ(E_POINTER, disk->TotalSpace(nullptr, nullptr));
    BSTR name = nullptr;
    EXPECT_EQ(S_OK, disk->FreeSpace(&name, &value));
    EXPECT_EQ(L"C:\\", text(name));
    ::SysFreeString(name);
    EXPECT_EQ(E_POINTER, disk->GetLocalDrive(nullptr));
    EXPECT_EQ(E_POINTER, disk->get_DriveName(nullptr));
    EXPECT_EQ(S_OK, disk->put_DriveName(nullptr));
    EXPECT_EQ(S_OK, disk->TotalSpace(nullptr, &value));
    EXPECT_EQ(0, value.int64);
}

}  // namespace
}  // namespace orvane
