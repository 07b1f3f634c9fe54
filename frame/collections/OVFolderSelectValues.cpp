#include "frame/collections/OVFolderSelectValues.h"

#include "frame/collections/OVFolderSelectValue.h"

namespace orvane {

STDMETHODIMP OVFolderSelectValues::Add(BSTR* TheUserSelected, BSTR* PhysicalLocation, BSTR* sKey,
                                       _OVFolderSelectValue** result) {
    return call([&] {
        auto record = OVFolderSelectValue::create();
        check(record->put_TheUserSelected(*required(TheUserSelected)));
        check(record->put_PhysicalLocation(*required(PhysicalLocation)));
        append(record, sKey, result);
    });
}

}  // namespace orvane
