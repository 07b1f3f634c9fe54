// The tests' stand-in for the programs the shell starts, so that what reached the
// shell can be read back without a browser, a mail program or a network.
//
//   ShellRecorder record <log file> <text>
//       appends the text and a line feed to the log file (UTF-8); registered as the
//       shell's open command of http, https and mailto: "...ShellRecorder.exe" record "<log>" "%1"
//   ShellRecorder browse <report file> <item text | "">
//       waits for a folder-browse dialog of any process, writes its title text to the
//       report file, then chooses the tree item whose text contains the given text
//       (searched among the root's children) and presses OK, or presses Cancel when the
//       text is empty. Lets a script client, which cannot run a second thread, drive
//       the modal dialog it opens.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

namespace {

constexpr int treeId = 0x3741;
constexpr int titleId = 0x3742;

std::string utf8(const std::wstring& text) {
    int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr, nullptr);
    return result;
}

bool append(const std::wstring& path, const std::string& bytes) {
    HANDLE file = INVALID_HANDLE_VALUE;
    // A reader that polls the file may hold it without sharing it for writing: wait.
    for (int attempt = 0; attempt < 400 && file == INVALID_HANDLE_VALUE; ++attempt) {
        file = ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_SHARING_VIOLATION) return false;
        if (file == INVALID_HANDLE_VALUE) ::Sleep(25);
    }
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == bytes.size();
}

struct Search {
    HWND found = nullptr;
};

BOOL CALLBACK findBrowseDialog(HWND window, LPARAM context) {
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (std::wstring(className) == L"#32770" && ::IsWindowVisible(window) && ::GetDlgItem(window, treeId)) {
        reinterpret_cast<Search*>(context)->found = window;
        return FALSE;
    }
    return TRUE;
}

// The text of a tree item of another process: the item record and its text buffer
// must live in that process.
std::wstring itemText(HWND tree, HTREEITEM item) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(tree, &process);
    HANDLE owner = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
    if (!owner) return {};
    constexpr size_t capacity = 260;
    auto* remote = static_cast<BYTE*>(::VirtualAllocEx(owner, nullptr, sizeof(TVITEMW) + capacity * sizeof(wchar_t),
                                                       MEM_COMMIT, PAGE_READWRITE));
    std::wstring text;
    if (remote) {
        TVITEMW record{};
        record.mask = TVIF_TEXT;
        record.hItem = item;
        record.pszText = reinterpret_cast<LPWSTR>(remote + sizeof(TVITEMW));
        record.cchTextMax = capacity;
        wchar_t buffer[capacity] = {};
        if (::WriteProcessMemory(owner, remote, &record, sizeof record, nullptr) &&
            ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote)) &&
            ::ReadProcessMemory(owner, remote + sizeof(TVITEMW), buffer, sizeof buffer - sizeof(wchar_t), nullptr)) {
            text = buffer;
        }
        ::VirtualFreeEx(owner, remote, 0, MEM_RELEASE);
    }
    ::CloseHandle(owner);
    return text;
}

int browse(const std::wstring& report, const std::wstring& wanted) {
    Search search;
    for (int attempt = 0; attempt < 600 && !search.found; ++attempt) {
        ::EnumWindows(findBrowseDialog, reinterpret_cast<LPARAM>(&search));
        if (!search.found) ::Sleep(50);
    }
    if (!search.found) {
        append(report, "no dialog\n");
        return 2;
    }
    HWND dialog = search.found;
    wchar_t title[512] = {};
    ::GetDlgItemTextW(dialog, titleId, title, 512);
    append(report, utf8(title) + "\n");
    if (wanted.empty()) {
        ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return 0;
    }
    HWND tree = ::GetDlgItem(dialog, treeId);
    std::wstring seen;
    // The dialog fills its tree while it opens: look again until the item shows.
    for (int attempt = 0; attempt < 200; ++attempt) {
        seen.clear();
        auto root = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        auto item = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(root)));
        for (; item; item = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
            std::wstring text = itemText(tree, item);
            seen += L"[" + text + L"]";
            if (text.find(wanted) != std::wstring::npos) {
                ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
                append(report, utf8(text) + "\n");
                ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
                return 0;
            }
        }
        ::Sleep(50);
    }
    append(report, "no item among " + utf8(seen) + "\n");
    ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return 3;
}

}  // namespace

int wmain() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    int status = 1;
    if (arguments && count == 4 && std::wstring(arguments[1]) == L"record") {
        status = append(arguments[2], utf8(arguments[3]) + "\n") ? 0 : 1;
    } else if (arguments && count == 4 && std::wstring(arguments[1]) == L"browse") {
        status = browse(arguments[2], arguments[3]);
    }
    ::LocalFree(arguments);
    return status;
}
