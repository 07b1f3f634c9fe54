// OVFolderSelect: the shell's modal folder-browse dialog, rooted at a special folder;
// every confirmed choice is appended to one selection list the object keeps.
#pragma once

#include "frame/automation/ComObject.h"
#include "frame/collections/OVFolderSelectValues.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVFolderSelect final : public ComObject<OVFolderSelect, _OVFolderSelect> {
public:
    static constexpr const wchar_t* className = L"OVFolderSelect";
    static const CLSID& classId() noexcept { return CLSID_OVFolderSelect; }
    // The title shown above the folder tree when the caller gives none.
    static constexpr const wchar_t* defaultTitle = L"Please choose a folder.";

    STDMETHODIMP FolderSelect(OVFolderSelectConstants* Folder, BSTR* Title, _OVFolderSelectValues** result) override;

private:
    ComPtr<OVFolderSelectValues> selections_;
};

}  // namespace orvane
