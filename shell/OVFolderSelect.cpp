#include "shell/OVFolderSelect.h"

#include <string>

#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

namespace shell = platform::shell32;

constexpr size_t nameCapacity = MAX_PATH;
const wchar_t virtualFolder[] = L"(virtual folder)";

// The text the platform wrote into a buffer of spaces: up to its terminating NUL, or
// the whole buffer when the platform left none.
std::wstring writtenText(const std::string& buffer) {
    return runtime::fromAnsi(buffer.data(), buffer.find('\0') == std::string::npos ? buffer.size() : buffer.find('\0'));
}

// The item list of the root folder, or none when the shell cannot resolve the folder
// (the dialog then starts at the platform's own default root).
UniqueItemList rootOf(int folder) {
    UniqueItemList root;
    const HRESULT found = shell::SHGetSpecialFolderLocation(nullptr, folder, root.put());
    if (found == S_OK) return root;
    // Whatever a failed lookup left in the slot is not a list of ours to free.
    if (FAILED(found)) root.release();
    // The fallback lookup takes no texts, so shell32 exports it under its plain name
    // only; an "A" variant would never be found.
    const HRESULT fallback = shell::SHGetFolderLocation(reinterpret_cast<HWND>(1), folder, nullptr, 0, root.put());
    if (FAILED(fallback)) root.release();
    return root;
}

}  // namespace

STDMETHODIMP OVFolderSelect::FolderSelect(OVFolderSelectConstants* Folder, BSTR* Title, _OVFolderSelectValues** result) {
    return call([&] {
        *required(result) = nullptr;
        const int folder = *required(Folder);
        // An early-bound caller that passes no title pointer gets the default title.
        const std::string title = Title ? runtime::toAnsi(*Title) : runtime::toAnsi(std::wstring(defaultTitle));

        UniqueItemList root = rootOf(folder);
        std::string displayName(nameCapacity, ' ');
        BROWSEINFOA browse{};
        browse.pidlRoot = root.get();
        browse.pszDisplayName = displayName.data();
        browse.lpszTitle = title.c_str();

        UniqueItemList chosen(shell::SHBrowseForFolderA(&browse));
        if (!selections_) selections_ = OVFolderSelectValues::create();
        if (chosen) {
            Bstr name(writtenText(displayName).c_str());
            std::string pathBuffer(nameCapacity, ' ');
            Bstr path(shell::SHGetPathFromIDListA(chosen.get(), pathBuffer.data()) ? writtenText(pathBuffer).c_str()
                                                                                     : virtualFolder);
            BSTR nameText = name.get(), pathText = path.get(), noKey = nullptr;
            ComPtr<_OVFolderSelectValue> record;
            check(selections_->Add(&nameText, &pathText, &noKey, record.put()));
        }
        *result = selections_.copy();
    });
}

}  // namespace orvane
