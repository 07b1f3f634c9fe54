// Per-item cost of the listings as they grow, each against the platform doing the same
// work alone in the same run:
// - OVRegistry ListKeys and ListValues over a key of 1,000, 10,000 and 100,000 subkeys
//   and values, against a loop of RegEnumKeyExA / RegEnumValueA keeping each name;
// - OVFolderSelectValues filled with keyed records and drained by Remove 1, against
//   std::unordered_map with the same keys;
// - a form's list box and combo box filled with 1,000 and 10,000 entries, against
//   LB_ADDSTRING / CB_ADDSTRING into a plain window of the same class and style, and its
//   file list box reading a folder of as many files, against FindFirstFile with
//   LB_ADDSTRING into a plain sorted list.
// A listing is linear work: its cost per item should stay within 2x from the smallest
// size to the largest (the ratio printed last on each line), and near the peer's.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

#include "frame/collections/OVFolderSelectValues.h"
#include "frame/automation/Runtime.h"
#include "frame/forms/Form.h"
#include "registry/OVRegistry.h"

using namespace orvane;
using Clock = std::chrono::steady_clock;

namespace {

template <class Body>
double nanosecondsPerItem(long items, Body&& body) {
    auto start = Clock::now();
    body();
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / static_cast<double>(items);
}

struct Line {
    const char* what;
    std::vector<double> ours, peer;
};

void print(const Line& line, const std::vector<long>& sizes) {
    std::printf("  %-28s", line.what);
    for (size_t n = 0; n < sizes.size(); ++n) {
        std::printf("  %7ld: %7.0f / %7.0f (%.2f)", sizes[n], line.ours[n], line.peer[n], line.ours[n] / line.peer[n]);
    }
    std::printf("  growth %.2f\n", line.ours.back() / line.ours.front());
}

const char benchKey[] = "Software\\OrvaneSuiteBench\\Listing";

// A key of `size` subkeys and as many REG_SZ values, made afresh.
void fillKey(long size) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, benchKey);
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, benchKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    char name[32];
    for (long n = 0; n < size; ++n) {
        std::snprintf(name, sizeof name, "entry%07ld", n);
        HKEY child = nullptr;
        ::RegCreateKeyExA(key, name, 0, nullptr, 0, KEY_WRITE, nullptr, &child, nullptr);
        ::RegCloseKey(child);
        ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>("data"), 5);
    }
    ::RegCloseKey(key);
}

void registryLines(const std::vector<long>& sizes) {
    Line keys{"OVRegistry.ListKeys"}, values{"OVRegistry.ListValues"};
    Bstr subKey(L"Software\\OrvaneSuiteBench\\Listing");
    for (long size : sizes) {
        fillKey(size);
        // A new object for each size: ListKeys and ListValues add to the object's own lists.
        ComPtr<orvane::OVRegistry> registry = orvane::OVRegistry::create();
        long listed = 0;
        keys.ours.push_back(nanosecondsPerItem(size, [&] {
            ComPtr<_OVRegistryKeys> list;
            registry->ListKeys(ovHKEY_CURRENT_USER, subKey.get(), list.put());
            list->get_Count(&listed);
        }));
        if (listed != size) std::printf("ListKeys listed %ld of %ld\n", listed, size);
        keys.peer.push_back(nanosecondsPerItem(size, [&] {
            std::vector<std::string> names;
            HKEY key = nullptr;
            ::RegOpenKeyExA(HKEY_CURRENT_USER, benchKey, 0, KEY_READ, &key);
            char name[256];
            for (DWORD index = 0;; ++index) {
                DWORD length = sizeof name;
                if (::RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
                names.emplace_back(name, length);
            }
            ::RegCloseKey(key);
        }));
        values.ours.push_back(nanosecondsPerItem(size, [&] {
            ComPtr<_OVRegistryValues> list;
            registry->ListValues(ovHKEY_CURRENT_USER, subKey.get(), list.put());
            list->get_Count(&listed);
        }));
        if (listed != size) std::printf("ListValues listed %ld of %ld\n", listed, size);
        values.peer.push_back(nanosecondsPerItem(size, [&] {
            std::vector<std::pair<std::string, std::string>> entries;
            HKEY key = nullptr;
            ::RegOpenKeyExA(HKEY_CURRENT_USER, benchKey, 0, KEY_READ, &key);
            char name[256];
            BYTE data[256];
            for (DWORD index = 0;; ++index) {
                DWORD length = sizeof name, size = sizeof data, type = 0;
                if (::RegEnumValueA(key, index, name, &length, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
                entries.emplace_back(std::string(name, length), std::string(reinterpret_cast<char*>(data), size));
            }
            ::RegCloseKey(key);
        }));
    }
    ::RegDeleteTreeA(HKEY_CURRENT_USER, benchKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, benchKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\OrvaneSuiteBench");
    print(keys, sizes);
    print(values, sizes);
}

void folderValueLines(const std::vector<long>& sizes) {
    Line fill{"FolderSelectValues Add key"}, drain{"FolderSelectValues Remove 1"};
    for (long size : sizes) {
        std::vector<Bstr> keys;
        for (long n = 0; n < size; ++n) keys.emplace_back((L"k" + std::to_wstring(n)).c_str());
        Bstr chosenText(L"Documents"), locationText(L"C:\\Users\\Documents");
        BSTR chosen = chosenText.get(), location = locationText.get();
        ComPtr<orvane::OVFolderSelectValues> values = orvane::OVFolderSelectValues::create();
        fill.ours.push_back(nanosecondsPerItem(size, [&] {
            for (long n = 0; n < size; ++n) {
                BSTR key = keys[static_cast<size_t>(n)].get();
                ComPtr<_OVFolderSelectValue> added;
                values->Add(&chosen, &location, &key, added.put());
            }
        }));
        drain.ours.push_back(nanosecondsPerItem(size, [&] {
            VARIANT first{};
            V_VT(&first) = VT_I4;
            V_I4(&first) = 1;
            for (long n = 0; n < size; ++n) values->Remove(&first);
        }));
        std::unordered_map<std::wstring, std::pair<std::wstring, std::wstring>> map;
        fill.peer.push_back(nanosecondsPerItem(size, [&] {
            for (long n = 0; n < size; ++n) map.emplace(keys[static_cast<size_t>(n)].get(), std::pair{L"Documents", L"C:\\Users\\Documents"});
        }));
        drain.peer.push_back(nanosecondsPerItem(size, [&] {
            for (long n = 0; n < size; ++n) map.erase(keys[static_cast<size_t>(n)].get());
        }));
    }
    print(fill, sizes);
    print(drain, sizes);
}

// A folder of `size` empty files, made afresh.
std::wstring fillFolder(long size) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"orvane-listing-bench";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    for (long n = 0;; ++n) {  // the files of a larger size first go
        std::wstring path = folder + L"\\file" + std::to_wstring(n) + L".txt";
        if (n < size) {
            ::CloseHandle(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        } else if (!::DeleteFileW(path.c_str())) {
            break;
        }
    }
    return folder;
}

void formLines(const std::vector<long>& sizes) {
    using namespace forms;
    static const ControlLayout rows[] = {
        {Kind::ListBox, L"lstItems", L"", 0, 0, 3000, 3000},
        {Kind::ComboBox, L"cboItems", L"", 3000, 0, 3000, 315},
        {Kind::FileListBox, L"filItems", L"", 6000, 0, 3000, 3000},
    };
    static const FormLayout listingWindow{L"frmListing", L"Listing", 9000, 3000};
    Line list{"form ListBox AddItem"}, combo{"form ComboBox AddItem"}, files{"form FileListBox Path"};
    Form form(listingWindow, rows);
    form.load();
    HWND parent = form.hwnd();
    auto plain = [&](const wchar_t* windowClass, DWORD style) {
        return ::CreateWindowExW(0, windowClass, L"", WS_CHILD | style, 0, 0, 200, 200, parent, nullptr, nullptr, nullptr);
    };
    for (long size : sizes) {
        std::vector<std::wstring> items;
        for (long n = 0; n < size; ++n) items.push_back(L"Entry number " + std::to_wstring(n));
        FormControl& listBox = form.control(L"lstItems");
        listBox.clear();
        list.ours.push_back(nanosecondsPerItem(size, [&] {
            for (const std::wstring& item : items) listBox.addItem(item);
        }));
        HWND peerList = plain(L"ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL);
        list.peer.push_back(nanosecondsPerItem(size, [&] {
            for (const std::wstring& item : items) ::SendMessageW(peerList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }));
        ::DestroyWindow(peerList);
        FormControl& comboBox = form.control(L"cboItems");
        comboBox.clear();
        combo.ours.push_back(nanosecondsPerItem(size, [&] {
            for (const std::wstring& item : items) comboBox.addItem(item);
        }));
        HWND peerCombo = plain(L"ComboBox", CBS_DROPDOWN | WS_VSCROLL);
        combo.peer.push_back(nanosecondsPerItem(size, [&] {
            for (const std::wstring& item : items) ::SendMessageW(peerCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }));
        ::DestroyWindow(peerCombo);

        const std::wstring folder = fillFolder(size);
        FormControl& fileList = form.control(L"filItems");
        fileList.setPath(L"C:\\");
        files.ours.push_back(nanosecondsPerItem(size, [&] { fileList.setPath(folder); }));
        if (fileList.listCount() != size) std::printf("the file list holds %d of %ld\n", fileList.listCount(), size);
        HWND peerFiles = plain(L"ListBox", LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL);
        files.peer.push_back(nanosecondsPerItem(size, [&] {
            WIN32_FIND_DATAW found{};
            HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
            ::SendMessageW(peerFiles, WM_SETREDRAW, FALSE, 0);
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                    ::SendMessageW(peerFiles, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(found.cFileName));
                }
            } while (::FindNextFileW(search, &found));
            ::FindClose(search);
            ::SendMessageW(peerFiles, WM_SETREDRAW, TRUE, 0);
        }));
        ::DestroyWindow(peerFiles);
    }
    form.unload();
    fillFolder(0);
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    ::RemoveDirectoryW((std::wstring(temp) + L"orvane-listing-bench").c_str());
    print(list, sizes);
    print(combo, sizes);
    print(files, sizes);
}

}  // namespace

int main() {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::printf("ns per item, ours / the peer's (ratio) at each size; growth = ours at the largest size\n"
                "against the smallest (a linear listing stays within 2x):\n");
    registryLines({1000, 10000, 100000});
    folderValueLines({1000, 100000, 1000000});
    formLines({1000, 10000});
    ::CoUninitialize();
    return 0;
}
