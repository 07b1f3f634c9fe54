#include "sysinfo/OVSpecialFolders.h"

#include <string>

#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

namespace kernel = platform::kernel32;

constexpr UINT directoryCapacity = 255;
constexpr DWORD tempPathCapacity = 100;  // less than the buffer holds, as the control always asked
constexpr size_t shellPathCapacity = 512;

// The first count characters of a buffer the platform filled. A count beyond the
// buffer is the room the platform asked for instead of writing: nothing to return.
std::wstring firstCharacters(const std::string& buffer, UINT count) {
    if (count > buffer.size()) return {};
    return runtime::fromAnsi(buffer.data(), count);
}

std::wstring shellFolderPath(int folder) {
    std::string buffer(shellPathCapacity, ' ');
    UniqueItemList items;
    // Without an item list there is nothing to ask for a path: the buffer stays spaces.
    if (FAILED(platform::shell32::SHGetSpecialFolderLocation(nullptr, folder, items.put()))) {
        items.release();  // whatever a failed call left there is not a list to free
    } else if (items) {
        platform::shell32::SHGetPathFromIDListA(items.get(), buffer.data());
    }
    return runtime::beforeFirstNul(runtime::fromAnsi(buffer));
}

}  // namespace

STDMETHODIMP OVSpecialFolders::SetCurrentDir(BSTR* DirPath, VARIANT* result) {
    return call([&] {
        required(result);
        required(DirPath);
        const std::string path = runtime::toAnsi(*DirPath);
        kernel::SetCurrentDirectoryA(path.c_str());
        runtime::roundTripAnsi(DirPath);
        ::VariantInit(result);
    });
}

STDMETHODIMP OVSpecialFolders::GetCurrentDir(BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        std::string buffer(directoryCapacity, '\0');
        const DWORD count = kernel::GetCurrentDirectoryA(directoryCapacity, buffer.data());
        *result = runtime::allocText(firstCharacters(buffer, count));
    });
}

STDMETHODIMP OVSpecialFolders::SpecialFolders(OVSpecialFoldersConstants Folder, BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        std::wstring path;
        if (Folder == ovaWindows || Folder == ovaSystem) {
            std::string buffer(directoryCapacity, ' ');
            const UINT count = Folder == ovaWindows ? kernel::GetWindowsDirectoryA(buffer.data(), directoryCapacity)
                                                    : kernel::GetSystemDirectoryA(buffer.data(), directoryCapacity);
            path = firstCharacters(buffer, count);
        } else if (Folder == ovaTemp) {
            std::string buffer(directoryCapacity, ' ');
            kernel::GetTempPathA(tempPathCapacity, buffer.data());
            // Drops the backslash the platform appends; an empty path cuts at -1: error 5.
            const std::wstring temp = runtime::beforeFirstNul(runtime::fromAnsi(buffer));
            path = runtime::left(temp, static_cast<long>(temp.size()) - 1);
        } else {
            path = shellFolderPath(Folder);
        }
        if (Folder == ovaProgramFiles) {
            if (!registry_) registry_ = OVRegistry::create();
            path = readValueText(*registry_.get(), ovHKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion",
                                 L"ProgramFilesDir");
        }
        *result = runtime::allocText(path);
    });
}

}  // namespace orvane
