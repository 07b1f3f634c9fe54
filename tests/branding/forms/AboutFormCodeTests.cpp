// The About forms' own code: reading the tool's registry entries, the two tries of
// starting it, the message when it is unavailable, and the links handed to the shell.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "branding/forms/AboutFormCode.h"
#include "branding/MessageAdapter.h"
#include "frame/base/Platform.h"

namespace orvane::branding {
namespace {

namespace reg = platform::advapi32;

// A registry of a few values under HKEY_LOCAL_MACHINE, answering through fakes.
class FakeRegistry {
public:
    struct Value {
        DWORD type;
        std::vector<BYTE> data;
    };
    static Value text(const std::string& value) {
        return {REG_SZ, std::vector<BYTE>(value.c_str(), value.c_str() + value.size() + 1)};
    }
    static Value number(DWORD value) {
        std::vector<BYTE> data(4);
        std::memcpy(data.data(), &value, 4);
        return {REG_DWORD, data};
    }

    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::string> opened;
    std::vector<REGSAM> access;
    int openKeys = 0;

    FakeRegistry()
        : open_(reg::RegOpenKeyExA.fake([this](HKEY root, LPCSTR name, DWORD options, REGSAM wanted, PHKEY result) {
              EXPECT_EQ(HKEY_LOCAL_MACHINE, root);
              EXPECT_EQ(0u, options);
              opened.push_back(name);
              access.push_back(wanted);
              auto found = keys.find(name);
              if (found == keys.end()) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
              ++openKeys;
              *result = reinterpret_cast<HKEY>(&found->second);
              return static_cast<LONG>(ERROR_SUCCESS);
          })),
          query_(reg::RegQueryValueExA.fake([](HKEY key, LPCSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
              auto& values = *reinterpret_cast<std::map<std::string, Value>*>(key);
              EXPECT_EQ(1024u, *size);
              auto found = values.find(name);
              if (found == values.end()) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
              *type = found->second.type;
              std::memcpy(data, found->second.data.data(), found->second.data.size());
              *size = static_cast<DWORD>(found->second.data.size());
              return static_cast<LONG>(ERROR_SUCCESS);
          })),
          close_(reg::RegCloseKey.fake([this](HKEY) {
              --openKeys;
              return static_cast<LONG>(ERROR_SUCCESS);
          })) {}

private:
    decltype(reg::RegOpenKeyExA)::FakeScope open_;
    decltype(reg::RegQueryValueExA)::FakeScope query_;
    decltype(reg::RegCloseKey)::FakeScope close_;
};

const std::string pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

TEST(GetKeyValue, ReadsTextsWholeAndNumbersAsDecimalWithFullAccess) {
    FakeRegistry registry;
    registry.keys["K"]["text"] = FakeRegistry::text("C:\\Tools\\info.exe");
    registry.keys["K"]["unterminated"] = {REG_SZ, {'a', 'b', 'c'}};
    registry.keys["K"]["number"] = FakeRegistry::number(4096);
    registry.keys["K"]["negative"] = FakeRegistry::number(0xFFFFFFFF);
    registry.keys["K"]["binary"] = {REG_BINARY, {1, 2, 3}};

    std::string value = "old";
    EXPECT_TRUE(getKeyValue(HKEY_LOCAL_MACHINE, "K", "text", value));
    EXPECT_EQ("C:\\Tools\\info.exe", value);
    EXPECT_TRUE(getKeyValue(HKEY_LOCAL_MACHINE, "K", "unterminated", value));
    EXPECT_EQ("abc", value);
    EXPECT_TRUE(getKeyValue(HKEY_LOCAL_MACHINE, "K", "number", value));
    EXPECT_EQ("4096", value);
    EXPECT_TRUE(getKeyValue(HKEY_LOCAL_MACHINE, "K", "negative", value));
    EXPECT_EQ("-1", value);
    // Any other type: read, but the caller's text stays.
    EXPECT_TRUE(getKeyValue(HKEY_LOCAL_MACHINE, "K", "binary", value));
    EXPECT_EQ("-1", value);

    for (REGSAM wanted : registry.access) EXPECT_EQ(0x2003Fu, wanted);
    EXPECT_EQ(0, registry.openKeys);
}

TEST(GetKeyValue, MissingKeyOrValueEmptiesTheTextAndClosesWhatWasOpened) {
    FakeRegistry registry;
    registry.keys["K"];
    std::string value = "old";
    EXPECT_FALSE(getKeyValue(HKEY_LOCAL_MACHINE, "Absent", "x", value));
    EXPECT_EQ("", value);
    value = "old";
    EXPECT_FALSE(getKeyValue(HKEY_LOCAL_MACHINE, "K", "x", value));
    EXPECT_EQ("", value);
    EXPECT_EQ(0, registry.openKeys);
}

// Records programs started and messages shown instead of doing either.
struct SysInfoWatch {
    std::vector<std::string> started;
    std::vector<std::string> searched;
    UINT startResult = 33;
    bool fileThere = true;
    decltype(calls::WinExec)::FakeScope exec = calls::WinExec.fake([this](LPCSTR path, UINT show) {
        EXPECT_EQ(static_cast<UINT>(SW_SHOWNORMAL), show);
        started.push_back(path);
        return startResult;
    });
    decltype(calls::FindFirstFileA)::FakeScope find = calls::FindFirstFileA.fake([this](LPCSTR path, LPWIN32_FIND_DATAA data) {
        searched.push_back(path);
        if (!fileThere) return INVALID_HANDLE_VALUE;
        data->dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
        return reinterpret_cast<HANDLE>(1);
    });
    decltype(calls::FindClose)::FakeScope close = calls::FindClose.fake([](HANDLE) { return TRUE; });
    std::vector<std::wstring> messages;
    MessageScope message{[this](const std::wstring& text, const std::wstring& title) {
        EXPECT_EQ(applicationTitle(), title);
        messages.push_back(text);
    }};
};

TEST(StartSysInfo, FirstTryStartsTheRegisteredPath) {
    FakeRegistry registry;
    registry.keys[pathKey]["PATH"] = FakeRegistry::text("C:\\Program Files\\Tools\\MSINFO32.EXE");
    registry.keys[folderKey]["MSINFO"] = FakeRegistry::text("C:\\Elsewhere");
    SysInfoWatch watch;
    startSysInfo();
    EXPECT_EQ(std::vector<std::string>{"C:\\Program Files\\Tools\\MSINFO32.EXE"}, watch.started);
    EXPECT_EQ(std::vector<std::string>{pathKey}, registry.opened);
    EXPECT_TRUE(watch.messages.empty());
}

TEST(StartSysInfo, SecondTryAppendsTheProgramToTheFolderWhenTheFileIsThere) {
    FakeRegistry registry;
    registry.keys[folderKey]["MSINFO"] = FakeRegistry::text("C:\\Tools");
    SysInfoWatch watch;
    startSysInfo();
    EXPECT_EQ((std::vector<std::string>{pathKey, folderKey}), registry.opened);
    EXPECT_EQ(std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"}, watch.searched);
    EXPECT_EQ(std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"}, watch.started);
    EXPECT_TRUE(watch.messages.empty());
}

TEST(StartSysInfo, ReportsUnavailableWhenNothingCanBeStarted) {
    {  // no entries at all
        FakeRegistry registry;
        SysInfoWatch watch;
        startSysInfo();
        EXPECT_TRUE(watch.started.empty());
        EXPECT_EQ(std::vector<std::wstring>{sysInfoUnavailableText}, watch.messages);
    }
    {  // the folder of try 2 lacks the program: nothing is started
        FakeRegistry registry;
        registry.keys[folderKey]["MSINFO"] = FakeRegistry::text("C:\\Empty");
        SysInfoWatch watch;
        watch.fileThere = false;
        startSysInfo();
        EXPECT_TRUE(watch.started.empty());
        EXPECT_EQ(std::vector<std::wstring>{sysInfoUnavailableText}, watch.messages);
    }
    {  // try 1 names a missing file: the start fails and the message follows
        FakeRegistry registry;
        registry.keys[pathKey]["PATH"] = FakeRegistry::text("C:\\Missing\\MSINFO32.EXE");
        SysInfoWatch watch;
        watch.startResult = ERROR_FILE_NOT_FOUND;
        startSysInfo();
        EXPECT_EQ(std::vector<std::string>{"C:\\Missing\\MSINFO32.EXE"}, watch.started);
        EXPECT_EQ(std::vector<std::wstring>{sysInfoUnavailableText}, watch.messages);
    }
}

struct ShellCall {
    HWND owner;
    std::string verb, file, parameters, folder;
    INT show;
};

TEST(Links, GoToTheShellAsTheyAreWithMailtoAlwaysAdded) {
    std::vector<ShellCall> seen;
    auto scope = platform::shell32::ShellExecuteA.fake(
        [&](HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR folder, INT show) {
            EXPECT_EQ(nullptr, verb);
            EXPECT_EQ(nullptr, parameters);
            seen.push_back({owner, "", file, "", folder, show});
            return reinterpret_cast<HINSTANCE>(2);  // a failure nobody looks at
        });
    openWebLink(L"www.example.org");
    openMailLink(L"help@example.org");
    openMailLink(L"mailto:help@example.org");
    ASSERT_EQ(3u, seen.size());
    EXPECT_EQ("www.example.org", seen[0].file);
    EXPECT_EQ("mailto:help@example.org", seen[1].file);
    EXPECT_EQ("mailto:mailto:help@example.org", seen[2].file);
    for (const ShellCall& call : seen) {
        EXPECT_EQ(nullptr, call.owner);
        EXPECT_EQ("C:\\", call.folder);
        EXPECT_EQ(SW_SHOWNORMAL, call.show);
    }
}

TEST(ApplicationVersion, ComesFromTheLibrarysVersionRecord) {
    EXPECT_EQ(L"Version 1.22.0", applicationVersionText());
}

}  // namespace
}  // namespace orvane::branding
