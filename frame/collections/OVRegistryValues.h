// The keyed collection of OVRegistryValue records.
#pragma once

#include "frame/collections/KeyedCollection.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVRegistryValues final : public KeyedCollection<OVRegistryValues, _OVRegistryValues, _OVRegistryValue> {
public:
    static constexpr const wchar_t* className = L"OVRegistryValues";
    static const CLSID& classId() noexcept { return CLSID_OVRegistryValues; }

    STDMETHODIMP Add(BSTR* ValueName, VARIANT* ValueData, OVRegistryDataTypeConstants* DataType, BSTR* sKey,
                     _OVRegistryValue** result) override;
};

}  // namespace orvane
