#include "frame/forms/ListBoxes.h"

#include "frame/base/Errors.h"
#include "frame/base/Handles.h"
#include "frame/base/Platform.h"

#include <algorithm>
#include <cwctype>

namespace orvane::forms {

namespace kernel = platform::kernel32;

const ListMessages* listMessages(Items items) noexcept {
    static constexpr ListMessages combo{CB_ADDSTRING,    CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_GETCOUNT,
                                        CB_GETLBTEXTLEN, CB_GETLBTEXT,    CB_GETCURSEL,    CB_SETCURSEL};
    static constexpr ListMessages list{LB_ADDSTRING,   LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_GETCOUNT,
                                       LB_GETTEXTLEN,  LB_GETTEXT,      LB_GETCURSEL,    LB_SETCURSEL};
    switch (items) {
    case Items::Combo: return &combo;
    case Items::List: return &list;
    default: return nullptr;
    }
}

namespace {

namespace traits {
struct Search {
    using Handle = HANDLE;
    static Handle invalid() { return INVALID_HANDLE_VALUE; }
    static void close(Handle search) { kernel::FindClose(search); }
};
}  // namespace traits
using UniqueSearch = UniqueHandle<traits::Search>;

// A missing floppy or disc answers without the platform's "insert a disk" box.
class QuietDriveErrors {
public:
    QuietDriveErrors() noexcept : previous_(::SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~QuietDriveErrors() { ::SetErrorMode(previous_); }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

private:
    UINT previous_;
};

std::wstring withoutTrailingSlash(std::wstring path) {
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    return path;
}

bool matchesWildcard(const wchar_t* name, const wchar_t* pattern) {
    if (!*pattern) return !*name;
    if (*pattern == L'*') {
        if (pattern[1] == L'.' && pattern[2] == L'*' && !pattern[3]) return true;
        for (const wchar_t* rest = name;; ++rest) {
            if (matchesWildcard(rest, pattern + 1)) return true;
            if (!*rest) return false;
        }
    }
    if (!*name) return false;
    if (*pattern != L'?' && std::towlower(*pattern) != std::towlower(*name)) return false;
    return matchesWildcard(name + 1, pattern + 1);
}

// Calls `visit` with every entry of `folder` the search finds.
template <class Visit>
void forEachEntry(const std::wstring& folder, FINDEX_SEARCH_OPS limit, Visit&& visit) {
    WIN32_FIND_DATAW found{};
    UniqueSearch search(kernel::FindFirstFileExW(joinPath(folder, L"*").c_str(), FindExInfoStandard, &found, limit,
                                                nullptr, 0));
    if (!search) return;
    do {
        visit(found);
    } while (kernel::FindNextFileW(search.get(), &found));
}

}  // namespace

bool matchesPattern(const std::wstring& name, const std::wstring& patterns) {
    size_t start = 0;
    while (start <= patterns.size()) {
        size_t end = patterns.find(L';', start);
        if (end == std::wstring::npos) end = patterns.size();
        std::wstring one = patterns.substr(start, end - start);
        while (!one.empty() && one.front() == L' ') one.erase(one.begin());
        while (!one.empty() && one.back() == L' ') one.pop_back();
        if (!one.empty() && matchesWildcard(name.c_str(), one.c_str())) return true;
        start = end + 1;
    }
    return false;
}

std::wstring joinPath(const std::wstring& folder, const std::wstring& name) {
    if (!folder.empty() && folder.back() == L'\\') return folder + name;
    return folder + L"\\" + name;
}

DriveEntries driveEntries() {
    DriveEntries result;
    wchar_t drives[512] = {};
    DWORD length = kernel::GetLogicalDriveStringsW(511, drives);
    wchar_t current[MAX_PATH] = {};
    kernel::GetCurrentDirectoryW(MAX_PATH, current);
    for (const wchar_t* root = drives; length && *root; root += ::lstrlenW(root) + 1) {
        std::wstring entry{static_cast<wchar_t>(std::towlower(root[0])), L':'};
        UINT type = kernel::GetDriveTypeW(root);
        if (type == DRIVE_FIXED || type == DRIVE_RAMDISK) {
            wchar_t label[MAX_PATH + 1] = {};
            QuietDriveErrors quiet;
            if (kernel::GetVolumeInformationW(root, label, MAX_PATH, nullptr, nullptr, nullptr, nullptr, 0) && label[0]) {
                entry += L" [";
                entry += label;
                entry += L"]";
            }
        }
        result.entries.push_back(entry);
        if (std::towlower(root[0]) == std::towlower(current[0])) result.current = static_cast<int>(result.entries.size()) - 1;
    }
    return result;
}

std::wstring currentFolder() {
    wchar_t current[MAX_PATH] = {};
    kernel::GetCurrentDirectoryW(MAX_PATH, current);
    return withoutTrailingSlash(current);
}

std::wstring existingFolder(const std::wstring& path) {
    wchar_t full[MAX_PATH] = {};
    DWORD length = path.empty() ? 0 : kernel::GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) raise(error::PathNotFound);
    std::wstring target = withoutTrailingSlash(full);
    if (target.size() >= 2 && target[1] == L':') {
        std::wstring root = target.substr(0, 2) + L"\\";
        if (kernel::GetDriveTypeW(root.c_str()) == DRIVE_NO_ROOT_DIR) raise(error::DeviceUnavailable);
    }
    DWORD attributes;
    {
        QuietDriveErrors quiet;
        attributes = kernel::GetFileAttributesW(target.c_str());
    }
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (platform::lastDllError() == ERROR_NOT_READY) raise(error::DeviceUnavailable);
        raise(error::PathNotFound);
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) raise(error::PathNotFound);
    return target;
}

std::vector<std::wstring> folderEntries(const std::wstring& folder) {
    std::vector<std::wstring> folders;
    forEachEntry(folder, FindExSearchLimitToDirectories, [&](const WIN32_FIND_DATAW& found) {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && ::lstrcmpW(found.cFileName, L".") != 0 &&
            ::lstrcmpW(found.cFileName, L"..") != 0) {
            folders.emplace_back(found.cFileName);
        }
    });
    std::sort(folders.begin(), folders.end(),
              [](const std::wstring& a, const std::wstring& b) { return ::lstrcmpiW(a.c_str(), b.c_str()) < 0; });
    if (folder.size() > 3) folders.insert(folders.begin(), L"..");
    return folders;
}

std::vector<std::wstring> fileEntries(const std::wstring& folder, const std::wstring& patterns) {
    std::vector<std::wstring> names;
    forEachEntry(folder, FindExSearchNameMatch, [&](const WIN32_FIND_DATAW& found) {
        if (!(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) &&
            matchesPattern(found.cFileName, patterns)) {
            names.emplace_back(found.cFileName);
        }
    });
    return names;
}

}  // namespace orvane::forms
