// OVSpecialFolders: the process's current directory and the paths of the shell's
// special folders.
#pragma once

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"
#include "registry/OVRegistry.h"

namespace orvane {

class OVSpecialFolders final : public Control<OVSpecialFolders, _OVSpecialFolders> {
public:
    static constexpr const wchar_t* className = L"OVSpecialFolders";
    static constexpr int toolboxBitmap = 30013;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVSpecialFolders; }

    STDMETHODIMP SetCurrentDir(BSTR* DirPath, VARIANT* result) override;
    STDMETHODIMP GetCurrentDir(BSTR* result) override;
    STDMETHODIMP SpecialFolders(OVSpecialFoldersConstants Folder, BSTR* result) override;

private:
    ComPtr<OVRegistry> registry_;
};

}  // namespace orvane
