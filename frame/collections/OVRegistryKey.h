// A record naming one subkey of a registry key.
#pragma once

#include "frame/automation/ComObject.h"
#include "frame/base/Handles.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVRegistryKey final : public ComObject<OVRegistryKey, _OVRegistryKey> {
public:
    static constexpr const wchar_t* className = L"OVRegistryKey";
    static const CLSID& classId() noexcept { return CLSID_OVRegistryKey; }

    STDMETHODIMP get_KeyNames(BSTR* result) override;
    STDMETHODIMP put_KeyNames(BSTR value) override;

private:
    Bstr keyNames_;
};

}  // namespace orvane
