// OVFolderSelect: the browse record, the root and its fallback lookup, the records of
// confirmed choices in the one list the object keeps, the item lists released on
// every path; then the real dialog, driven as a user would drive it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ShellRecorder.h"
#include "TestSupport.h"
#include "frame/base/Module.h"
#include "frame/base/Platform.h"
#include "shell/OVFolderSelect.h"

namespace orvane {
namespace {

using namespace test;
namespace shell = platform::shell32;

constexpr DISPID folderSelect = 0x60030000;
const auto rootList = reinterpret_cast<LPITEMIDLIST>(0x1100);
const auto fallbackList = reinterpret_cast<LPITEMIDLIST>(0x2200);
const auto chosenList = reinterpret_cast<LPITEMIDLIST>(0x3300);

// The shell as the tests want it: what each lookup answers, what the user chooses.
struct FakeShell {
    HRESULT rootAnswer = S_OK;
    HRESULT fallbackAnswer = S_OK;
    const char* chosenName = nullptr;  // null: the user cancels
    const char* chosenPath = nullptr;  // null: the item has no file-system path

    std::vector<int> rootLookups;
    struct Fallback {
        HWND owner;
        int folder;
        HANDLE token;
        DWORD reserved;
    };
    std::vector<Fallback> fallbacks;
    struct Browse {
        BROWSEINFOA record;
        std::string displayBuffer;  // as the dialog received it, its NUL included
        std::string title;
    };
    std::vector<Browse> browses;
    std::vector<LPCITEMIDLIST> pathQueries;
    std::vector<void*> freed;

    using RootEntry = platform::Entry<HRESULT(HWND, int, LPITEMIDLIST*)>;
    using FallbackEntry = platform::Entry<HRESULT(HWND, int, HANDLE, DWORD, LPITEMIDLIST*)>;
    using BrowseEntry = platform::Entry<LPITEMIDLIST(LPBROWSEINFOA)>;
    using PathEntry = platform::Entry<BOOL(LPCITEMIDLIST, LPSTR)>;
    using FreeEntry = platform::Entry<void(LPVOID)>;

    RootEntry::FakeScope root = shell::SHGetSpecialFolderLocation.fake([this](HWND owner, int folder, LPITEMIDLIST* out) {
        EXPECT_EQ(nullptr, owner);
        rootLookups.push_back(folder);
        *out = SUCCEEDED(rootAnswer) ? rootList : reinterpret_cast<LPITEMIDLIST>(0xBAD);
        return rootAnswer;
    });
    FallbackEntry::FakeScope fallback = shell::SHGetFolderLocation.fake(
        [this](HWND owner, int folder, HANDLE token, DWORD reserved, LPITEMIDLIST* out) {
            fallbacks.push_back({owner, folder, token, reserved});
            *out = SUCCEEDED(fallbackAnswer) ? fallbackList : nullptr;
            return fallbackAnswer;
        });
    BrowseEntry::FakeScope browse = shell::SHBrowseForFolderA.fake([this](LPBROWSEINFOA record) {
        browses.push_back({*record, std::string(record->pszDisplayName, MAX_PATH + 1),
                           record->lpszTitle ? record->lpszTitle : "(null)"});
        if (!chosenName) {
            lstrcpyA(record->pszDisplayName, "garbage after a cancel");
            return LPITEMIDLIST(nullptr);
        }
        lstrcpyA(record->pszDisplayName, chosenName);
        return chosenList;
    });
    PathEntry::FakeScope path = shell::SHGetPathFromIDListA.fake([this](LPCITEMIDLIST list, LPSTR buffer) {
        pathQueries.push_back(list);
        if (!chosenPath) return FALSE;
        lstrcpyA(buffer, chosenPath);
        return TRUE;
    });
    FreeEntry::FakeScope free = platform::ole32::CoTaskMemFree.fake([this](LPVOID memory) { freed.push_back(memory); });
};

class OVFolderSelectTest : public ::testing::Test {
protected:
    // FolderSelect late bound: the folder, and the title unless it is omitted.
    ComPtr<_OVFolderSelectValues> choose(long folder, const wchar_t* title = nullptr) {
        Bstr titleText(title ? title : L"");
        Call call = title ? invokeMethod(selector.get(), folderSelect, {vLong(folder), vText(titleText)})
                          : invokeMethod(selector.get(), folderSelect, {vLong(folder)});
        EXPECT_EQ(S_OK, call.result);
        EXPECT_EQ(VT_DISPATCH, V_VT(call.value.get()));
        ComPtr<_OVFolderSelectValues> list;
        if (V_VT(call.value.get()) == VT_DISPATCH && V_DISPATCH(call.value.get())) {
            V_DISPATCH(call.value.get())->QueryInterface(__uuidof(_OVFolderSelectValues), list.putVoid());
        }
        return list;
    }
    static long count(const ComPtr<_OVFolderSelectValues>& list) {
        long result = -1;
        EXPECT_EQ(S_OK, list->get_Count(&result));
        return result;
    }
    static std::pair<std::wstring, std::wstring> record(const ComPtr<_OVFolderSelectValues>& list, long position) {
        VARIANT index;
        V_VT(&index) = VT_I4;
        V_I4(&index) = position;
        ComPtr<_OVFolderSelectValue> item;
        EXPECT_EQ(S_OK, list->get_Item(&index, item.put()));
        if (!item) return {};
        BSTR name = nullptr, path = nullptr;
        item->get_TheUserSelected(&name);
        item->get_PhysicalLocation(&path);
        std::pair<std::wstring, std::wstring> result{text(name), text(path)};
        ::SysFreeString(name);
        ::SysFreeString(path);
        return result;
    }

    ComPtr<OVFolderSelect> selector = OVFolderSelect::create();
};

TEST_F(OVFolderSelectTest, BrowseRecordAsTheDialogReceivesIt) {
    FakeShell fake;
    fake.chosenName = "Docs";
    fake.chosenPath = "C:\\Docs";
    choose(ovDrives);
    ASSERT_EQ(1u, fake.browses.size());
    const BROWSEINFOA& record = fake.browses[0].record;
    EXPECT_EQ(nullptr, record.hwndOwner);
    EXPECT_EQ(rootList, record.pidlRoot);
    EXPECT_EQ(std::string(MAX_PATH, ' ') + '\0', fake.browses[0].displayBuffer);
    EXPECT_EQ("Please choose a folder.", fake.browses[0].title);
    EXPECT_EQ(0u, record.ulFlags);
    EXPECT_EQ(nullptr, record.lpfn);
    EXPECT_EQ(0, record.lParam);
    EXPECT_EQ(0, record.iImage);
    EXPECT_EQ(std::vector<int>{ovDrives}, fake.rootLookups);
    EXPECT_TRUE(fake.fallbacks.empty());

    // A title given, and its variable left as it was.
    Variable title(L"Pick one \x4E00");
    Variable folder;
    V_VT(&folder.value) = VT_I4;
    V_I4(&folder.value) = ovPrograms;
    ASSERT_EQ(S_OK, invokeMethod(selector.get(), folderSelect, {vRef(&folder.value), vRef(&title.value)}).result);
    EXPECT_EQ("Pick one ?", fake.browses.at(1).title);
    EXPECT_EQ(L"Pick one \x4E00", text(title.value));
    EXPECT_EQ(ovPrograms, V_I4(&folder.value));
    EXPECT_EQ(ovPrograms, fake.rootLookups.at(1));
}

TEST_F(OVFolderSelectTest, RootFallsBackToTheFolderLookupThatTheShellExports) {
    FakeShell fake;
    fake.rootAnswer = E_INVALIDARG;
    fake.chosenName = "x";
    fake.chosenPath = "C:\\x";
    choose(ovInternetCache);
    ASSERT_EQ(1u, fake.fallbacks.size());
    EXPECT_EQ(reinterpret_cast<HWND>(1), fake.fallbacks[0].owner);
    EXPECT_EQ(ovInternetCache, fake.fallbacks[0].folder);
    EXPECT_EQ(nullptr, fake.fallbacks[0].token);
    EXPECT_EQ(0u, fake.fallbacks[0].reserved);
    EXPECT_EQ(fallbackList, fake.browses.at(0).record.pidlRoot);
    // What the failed first lookup left in the slot is never freed.
    EXPECT_EQ((std::vector<void*>{chosenList, fallbackList}), fake.freed);

    // Neither lookup resolves the folder: the dialog gets no root (its own default).
    fake.fallbackAnswer = E_FAIL;
    fake.freed.clear();
    choose(ovNetwork);
    EXPECT_EQ(2u, fake.fallbacks.size());
    EXPECT_EQ(nullptr, fake.browses.at(1).record.pidlRoot);
    EXPECT_EQ((std::vector<void*>{chosenList}), fake.freed);
}

TEST_F(OVFolderSelectTest, UnboundFallbackReachesTheHostAsAMissingEntryPoint) {
    FakeShell fake;
    fake.rootAnswer = E_FAIL;
    auto unbound = shell::SHGetFolderLocation.fake([](HWND, int, HANDLE, DWORD, LPITEMIDLIST*) -> HRESULT {
        throw RuntimeError(453, L"Can't find DLL entry point SHGetFolderLocation in shell32.dll");
    });
    Call call = invokeMethod(selector.get(), folderSelect, {vLong(99)});
    EXPECT_TRUE(raised(call, 453, L"Can't find DLL entry point SHGetFolderLocation in shell32.dll"));
    EXPECT_TRUE(fake.browses.empty());
}

// The real shell32 under the binding service: the fallback entry is found.
TEST_F(OVFolderSelectTest, FallbackEntryIsBoundByTheNameTheShellExports) {
    LPITEMIDLIST list = nullptr;
    HRESULT found = shell::SHGetFolderLocation(reinterpret_cast<HWND>(1), CSIDL_DRIVES, nullptr, 0, &list);
    EXPECT_EQ(S_OK, found);
    EXPECT_NE(nullptr, list);
    ::CoTaskMemFree(list);
}

TEST_F(OVFolderSelectTest, ConfirmedChoicesAccumulateInOneSharedList) {
    FakeShell fake;
    // A first call that is cancelled still returns the (empty) list.
    ComPtr<_OVFolderSelectValues> first = choose(ovDrives);
    ASSERT_TRUE(first);
    EXPECT_EQ(0, count(first));
    EXPECT_TRUE(fake.pathQueries.empty());
    EXPECT_EQ((std::vector<void*>{rootList}), fake.freed);

    fake.chosenName = "Windows";
    fake.chosenPath = "C:\\windows";
    ComPtr<_OVFolderSelectValues> second = choose(ovDrives, L"Where?");
    EXPECT_EQ(first.get(), second.get());
    fake.chosenName = "Control Panel";
    fake.chosenPath = nullptr;
    choose(ovDrives);
    fake.chosenName = nullptr;
    choose(ovDrives);
    // The list held since the first call sees every confirmed choice, in order.
    ASSERT_EQ(2, count(first));
    EXPECT_EQ((std::pair<std::wstring, std::wstring>{L"Windows", L"C:\\windows"}), record(first, 1));
    EXPECT_EQ((std::pair<std::wstring, std::wstring>{L"Control Panel", L"(virtual folder)"}), record(first, 2));
    EXPECT_EQ((std::vector<LPCITEMIDLIST>{chosenList, chosenList}), fake.pathQueries);
    // Chosen list first, then the root, on every path.
    EXPECT_EQ((std::vector<void*>{rootList, chosenList, rootList, chosenList, rootList, rootList}), fake.freed);
    // A second object keeps a list of its own.
    ComPtr<OVFolderSelect> other = OVFolderSelect::create();
    OVFolderSelectConstants drives = ovDrives;
    ComPtr<_OVFolderSelectValues> otherList;
    ASSERT_EQ(S_OK, other->FolderSelect(&drives, nullptr, otherList.put()));
    EXPECT_NE(first.get(), otherList.get());
    EXPECT_EQ(0, count(otherList));
    EXPECT_EQ("Please choose a folder.", fake.browses.back().title);
}

TEST_F(OVFolderSelectTest, NamesAreCutAtTheirEndAndKeptWholeWithoutOne) {
    FakeShell fake;
    fake.chosenName = "";
    fake.chosenPath = "";
    ComPtr<_OVFolderSelectValues> list = choose(ovDrives);
    EXPECT_EQ((std::pair<std::wstring, std::wstring>{L"", L""}), record(list, 1));
    // A dialog that writes no terminator: the whole buffer is the name, not an error.
    auto unterminated = shell::SHBrowseForFolderA.fake([](LPBROWSEINFOA record) {
        memset(record->pszDisplayName, 'N', MAX_PATH);
        return chosenList;
    });
    choose(ovDrives);
    EXPECT_EQ(std::wstring(MAX_PATH, L'N'), record(list, 2).first);
    OVFolderSelectConstants drives = ovDrives;
    EXPECT_EQ(E_POINTER, selector->FolderSelect(&drives, nullptr, nullptr));
    EXPECT_EQ(E_POINTER, selector->FolderSelect(nullptr, nullptr, list.put()));
}

// The real dialog, driven from another process by the recorder program as a user
// would: it reports the dialog's title text and the item it chose.
struct DrivenDialog {
    DrivenDialog(const wchar_t* item) : report(temporaryFile(L"orvane-browse.txt")) {
        ::DeleteFileW(report.c_str());
        std::wstring command = L"\"" + recorderPath() + L"\" browse \"" + report + L"\" \"" + item + L"\"";
        STARTUPINFOW startup{sizeof startup};
        started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    }
    // The report lines: the title text, then the chosen item's text.
    std::vector<std::wstring> finish() {
        if (!started) return {};
        ::WaitForSingleObject(process.hProcess, 60000);
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
        started = false;
        std::vector<std::wstring> lines = recordedLines(report);
        ::DeleteFileW(report.c_str());
        return lines;
    }
    ~DrivenDialog() { finish(); }

    std::wstring report;
    PROCESS_INFORMATION process{};
    bool started = false;
};

TEST_F(OVFolderSelectTest, RealDialogChoicesCancelsAndTitle) {
    long objectsBefore = module::liveObjects();
    {
        DrivenDialog driver(L"C:");
        ASSERT_TRUE(driver.started);
        ComPtr<_OVFolderSelectValues> list = choose(ovDrives);
        std::vector<std::wstring> report = driver.finish();
        ASSERT_EQ(2u, report.size());
        EXPECT_EQ(L"Please choose a folder.", report[0]);
        ASSERT_EQ(1, count(list));
        auto [name, path] = record(list, 1);
        EXPECT_EQ(L"C:\\", path);
        // This platform writes the parsing name ("C:\") where Windows writes the tree's text.
        EXPECT_NE(std::wstring::npos, name.find(L"C:")) << name;
        EXPECT_NE(std::wstring::npos, report[1].find(L"C:")) << "the dialog showed " << report[1];
    }
    {
        DrivenDialog driver(L"");
        ASSERT_TRUE(driver.started);
        ComPtr<_OVFolderSelectValues> list = choose(ovDrives, L"Cancel me");
        std::vector<std::wstring> report = driver.finish();
        ASSERT_EQ(1u, report.size());
        EXPECT_EQ(L"Cancel me", report[0]);
        EXPECT_EQ(1, count(list));
    }
    {
        DrivenDialog driver(L"Control Panel");
        ASSERT_TRUE(driver.started);
        ComPtr<_OVFolderSelectValues> list = choose(ovDrives);
        std::vector<std::wstring> report = driver.finish();
        ASSERT_EQ(2u, report.size());
        ASSERT_EQ(2, count(list));
        EXPECT_EQ(L"C:\\", record(list, 1).second);
        EXPECT_EQ(L"(virtual folder)", record(list, 2).second);
    }
    selector.reset();
    EXPECT_EQ(objectsBefore - 1, module::liveObjects());
}

}  // namespace
}  // namespace orvane
