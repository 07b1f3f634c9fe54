// A record of one folder the user chose: the name shown and the file-system path.
#pragma once

#include "frame/automation/ComObject.h"
#include "frame/base/Handles.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVFolderSelectValue final : public ComObject<OVFolderSelectValue, _OVFolderSelectValue> {
public:
    static constexpr const wchar_t* className = L"OVFolderSelectValue";
    static const CLSID& classId() noexcept { return CLSID_OVFolderSelectValue; }

    STDMETHODIMP get_TheUserSelected(BSTR* result) override;
    STDMETHODIMP put_TheUserSelected(BSTR value) override;
    STDMETHODIMP get_PhysicalLocation(BSTR* result) override;
    STDMETHODIMP put_PhysicalLocation(BSTR value) override;

private:
    Bstr theUserSelected_;
    Bstr physicalLocation_;
};

}  // namespace orvane
