// The keyed collection of OVRegistryKey records.
#pragma once

#include "frame/collections/KeyedCollection.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVRegistryKeys final : public KeyedCollection<OVRegistryKeys, _OVRegistryKeys, _OVRegistryKey> {
public:
    static constexpr const wchar_t* className = L"OVRegistryKeys";
    static const CLSID& classId() noexcept { return CLSID_OVRegistryKeys; }

    STDMETHODIMP Add(BSTR* KeyNames, BSTR* sKey, _OVRegistryKey** result) override;
};

}  // namespace orvane
