// A record of one registry value: its name, its data and its data type.
#pragma once

#include "frame/automation/ComObject.h"
#include "frame/base/Handles.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVRegistryValue final : public ComObject<OVRegistryValue, _OVRegistryValue> {
public:
    static constexpr const wchar_t* className = L"OVRegistryValue";
    static const CLSID& classId() noexcept { return CLSID_OVRegistryValue; }

    STDMETHODIMP get_ValueName(BSTR* result) override;
    STDMETHODIMP put_ValueName(BSTR value) override;
    STDMETHODIMP get_ValueData(VARIANT* result) override;
    STDMETHODIMP put_ValueData(VARIANT value) override;
    STDMETHODIMP putref_ValueData(VARIANT value) override;
    STDMETHODIMP get_DataType(OVRegistryDataTypeConstants* result) override;
    STDMETHODIMP put_DataType(OVRegistryDataTypeConstants value) override;

private:
    Bstr valueName_;
    Variant valueData_;
    OVRegistryDataTypeConstants dataType_ = static_cast<OVRegistryDataTypeConstants>(0);
};

}  // namespace orvane
