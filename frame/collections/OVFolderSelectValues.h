// The keyed collection of OVFolderSelectValue records.
#pragma once

#include "frame/collections/KeyedCollection.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVFolderSelectValues final
    : public KeyedCollection<OVFolderSelectValues, _OVFolderSelectValues, _OVFolderSelectValue> {
public:
    static constexpr const wchar_t* className = L"OVFolderSelectValues";
    static const CLSID& classId() noexcept { return CLSID_OVFolderSelectValues; }

    STDMETHODIMP Add(BSTR* TheUserSelected, BSTR* PhysicalLocation, BSTR* sKey,
                     _OVFolderSelectValue** result) override;
};

}  // namespace orvane
