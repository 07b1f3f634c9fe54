// What the drive, directory and file list boxes read, with the file system faked through
// the binding service, and the rows of the control kinds.
#include "frame/forms/ControlKinds.h"
#include "frame/forms/ListBoxes.h"

#include "frame/base/Errors.h"
#include "frame/base/Platform.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::forms;

namespace {

// A folder listing served to FindFirstFileExW/FindNextFileW, counting the searches closed.
struct FakeFolder {
    struct Entry {
        const wchar_t* name;
        DWORD attributes;
    };
    std::vector<Entry> entries;
    size_t next = 0;
    int open = 0;
    std::wstring searched;

    void fill(const Entry& entry, LPWIN32_FIND_DATAW found) {
        *found = WIN32_FIND_DATAW{};
        found->dwFileAttributes = entry.attributes;
        ::lstrcpynW(found->cFileName, entry.name, MAX_PATH);
    }
    HANDLE first(LPCWSTR pattern, LPVOID found) {
        searched = pattern;
        next = 0;
        if (entries.empty()) return INVALID_HANDLE_VALUE;
        ++open;
        fill(entries[next++], static_cast<LPWIN32_FIND_DATAW>(found));
        return reinterpret_cast<HANDLE>(0x1234);
    }
    BOOL following(LPWIN32_FIND_DATAW found) {
        if (next >= entries.size()) return FALSE;
        fill(entries[next++], found);
        return TRUE;
    }
};

class ListBoxesTest : public ::testing::Test {
protected:
    FakeFolder folder;
    decltype(platform::kernel32::FindFirstFileExW)::FakeScope first = platform::kernel32::FindFirstFileExW.fake(
        [this](LPCWSTR pattern, FINDEX_INFO_LEVELS, LPVOID found, FINDEX_SEARCH_OPS, LPVOID, DWORD) {
            return folder.first(pattern, found);
        });
    decltype(platform::kernel32::FindNextFileW)::FakeScope following =
        platform::kernel32::FindNextFileW.fake([this](HANDLE, LPWIN32_FIND_DATAW found) { return folder.following(found); });
    decltype(platform::kernel32::FindClose)::FakeScope close = platform::kernel32::FindClose.fake([this](HANDLE) {
        --folder.open;
        return TRUE;
    });
};

}  // namespace

TEST_F(ListBoxesTest, FileListsShowPlainFilesMatchingAnyPatternAndCloseTheSearch) {
    folder.entries = {{L"Setup.EXE", FILE_ATTRIBUTE_NORMAL},   {L"notes.txt", FILE_ATTRIBUTE_ARCHIVE},
                      {L"lib.dll", FILE_ATTRIBUTE_NORMAL},     {L"hidden.exe", FILE_ATTRIBUTE_HIDDEN},
                      {L"tools.exe", FILE_ATTRIBUTE_DIRECTORY}, {L"README", FILE_ATTRIBUTE_NORMAL}};
    EXPECT_EQ(fileEntries(L"C:\\Apps", L"*.exe; *.dll"), (std::vector<std::wstring>{L"Setup.EXE", L"lib.dll"}));
    EXPECT_EQ(folder.searched, L"C:\\Apps\\*");
    EXPECT_EQ(fileEntries(L"C:\\", L"*.*"), (std::vector<std::wstring>{L"Setup.EXE", L"notes.txt", L"lib.dll", L"README"}));
    EXPECT_EQ(folder.searched, L"C:\\*");
    EXPECT_EQ(fileEntries(L"C:\\", L"?ib.*"), std::vector<std::wstring>{L"lib.dll"});
    EXPECT_EQ(folder.open, 0);
    folder.entries.clear();
    EXPECT_TRUE(fileEntries(L"C:\\Empty", L"*.*").empty());
}

TEST_F(ListBoxesTest, DirectoryListsSortFoldersWithTheParentFirstBelowARoot) {
    folder.entries = {{L".", FILE_ATTRIBUTE_DIRECTORY},      {L"..", FILE_ATTRIBUTE_DIRECTORY},
                      {L"windows", FILE_ATTRIBUTE_DIRECTORY}, {L"Apps", FILE_ATTRIBUTE_DIRECTORY},
                      {L"file.txt", FILE_ATTRIBUTE_NORMAL},   {L"backup", FILE_ATTRIBUTE_DIRECTORY}};
    EXPECT_EQ(folderEntries(L"C:\\Data"), (std::vector<std::wstring>{L"..", L"Apps", L"backup", L"windows"}));
    EXPECT_EQ(folderEntries(L"C:\\"), (std::vector<std::wstring>{L"Apps", L"backup", L"windows"}));
    EXPECT_EQ(folder.open, 0);
}

TEST(ListBoxes, DriveListsNameEachDriveWithItsLabelAndMarkTheCurrentOne) {
    auto drives = platform::kernel32::GetLogicalDriveStringsW.fake([](DWORD capacity, LPWSTR buffer) {
        static const wchar_t list[] = L"A:\\\0C:\\\0D:\\\0";
        std::copy_n(list, std::min<DWORD>(capacity, 13), buffer);
        return DWORD{12};
    });
    auto types = platform::kernel32::GetDriveTypeW.fake([](LPCWSTR root) -> UINT {
        return root[0] == L'A' ? DRIVE_REMOVABLE : root[0] == L'C' ? DRIVE_FIXED : DRIVE_CDROM;
    });
    int labelsRead = 0;
    auto labels = platform::kernel32::GetVolumeInformationW.fake(
        [&](LPCWSTR, LPWSTR label, DWORD capacity, LPDWORD, LPDWORD, LPDWORD, LPWSTR, DWORD) {
            ++labelsRead;
            ::lstrcpynW(label, L"SYSTEM", static_cast<int>(capacity));
            return TRUE;
        });
    auto current = platform::kernel32::GetCurrentDirectoryW.fake([](DWORD capacity, LPWSTR buffer) {
        ::lstrcpynW(buffer, L"D:\\setup", static_cast<int>(capacity));
        return DWORD{8};
    });
    DriveEntries entries = driveEntries();
    // Only fixed drives are asked for their label: a removable one may have no medium.
    EXPECT_EQ(entries.entries, (std::vector<std::wstring>{L"a:", L"c: [SYSTEM]", L"d:"}));
    EXPECT_EQ(entries.current, 2);
    EXPECT_EQ(labelsRead, 1);
}

TEST(ListBoxes, AFolderThatIsNotThereIsPathNotFoundAndAMissingDriveIsDeviceUnavailable) {
    auto full = platform::kernel32::GetFullPathNameW.fake([](LPCWSTR path, DWORD capacity, LPWSTR buffer, LPWSTR*) {
        ::lstrcpynW(buffer, path, static_cast<int>(capacity));
        return static_cast<DWORD>(::lstrlenW(buffer));
    });
    auto types = platform::kernel32::GetDriveTypeW.fake(
        [](LPCWSTR root) -> UINT { return root[0] == L'Q' ? DRIVE_NO_ROOT_DIR : DRIVE_FIXED; });
    auto attributes = platform::kernel32::GetFileAttributesW.fake([](LPCWSTR path) -> DWORD {
        std::wstring text = path;
        if (text == L"C:\\Data") return FILE_ATTRIBUTE_DIRECTORY;
        if (text == L"C:\\Data\\file.txt") return FILE_ATTRIBUTE_NORMAL;
        ::SetLastError(text[0] == L'E' ? ERROR_NOT_READY : ERROR_PATH_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    });
    auto numberOf = [](const std::wstring& path) {
        try {
            existingFolder(path);
        } catch (const RuntimeError& error) {
            EXPECT_FALSE(error.description().empty());
            return error.number();
        }
        return 0L;
    };
    EXPECT_EQ(existingFolder(L"C:\\Data\\"), L"C:\\Data");
    EXPECT_EQ(numberOf(L"C:\\Data\\file.txt"), 76);
    EXPECT_EQ(numberOf(L"C:\\Nowhere"), 76);
    EXPECT_EQ(numberOf(L""), 76);
    EXPECT_EQ(numberOf(L"Q:\\Data"), 68);
    EXPECT_EQ(numberOf(L"E:\\"), 68);
}

TEST(ControlKinds, EachKindHasItsClassStylesAndColours) {
    EXPECT_STREQ(kindRow(Kind::DriveListBox).windowClass, L"ComboBox");
    EXPECT_EQ(kindRow(Kind::Timer).windowClass, nullptr);
    EXPECT_EQ(kindRow(Kind::Shape).backColor, DefaultColor);
    EXPECT_EQ(kindRow(Kind::TextBox).backColor, sys::Window);
    EXPECT_FALSE(kindRow(Kind::Frame).tabStop);
    EXPECT_TRUE(windowStyleOf(Kind::CheckBox, NoStyle, true, true) & WS_TABSTOP);
    EXPECT_FALSE(windowStyleOf(Kind::CheckBox, NoTabStop, true, true) & WS_TABSTOP);
    EXPECT_TRUE(windowStyleOf(Kind::FileListBox, NoStyle, true, false) & LBS_SORT);
    EXPECT_TRUE(windowStyleOf(Kind::FileListBox, NoStyle, true, false) & WS_DISABLED);
    EXPECT_FALSE(windowStyleOf(Kind::ListBox, NoStyle, false, true) & (LBS_SORT | WS_VISIBLE));
    EXPECT_EQ(windowStyleOf(Kind::ComboBox, DropDownList, true, true) & CBS_DROPDOWNLIST, DWORD{CBS_DROPDOWNLIST});
    EXPECT_TRUE(extendedStyleOf(Kind::TextBox, NoStyle) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(extendedStyleOf(Kind::TextBox, NoBorder) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(extendedStyleOf(Kind::PictureBox, NoStyle) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(extendedStyleOf(Kind::PictureBox, Border) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(windowStyleOf(Kind::Label, Border, true, true) & WS_BORDER);
}
