#include "frame/collections/OVFolderSelectValue.h"

namespace orvane {

STDMETHODIMP OVFolderSelectValue::get_TheUserSelected(BSTR* result) {
    return call([&] {
        required(result);
        *result = Bstr(theUserSelected_).detach();
    });
}

STDMETHODIMP OVFolderSelectValue::put_TheUserSelected(BSTR value) {
    return call([&] { theUserSelected_ = Bstr(value, ::SysStringLen(value)); });
}

STDMETHODIMP OVFolderSelectValue::get_PhysicalLocation(BSTR* result) {
    return call([&] {
        required(result);
        *result = Bstr(physicalLocation_).detach();
    });
}

STDMETHODIMP OVFolderSelectValue::put_PhysicalLocation(BSTR value) {
    return call([&] { physicalLocation_ = Bstr(value, ::SysStringLen(value)); });
}

}  // namespace orvane
