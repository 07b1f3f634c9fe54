#include "frame/collections/OVRegistryKey.h"

namespace orvane {

STDMETHODIMP OVRegistryKey::get_KeyNames(BSTR* result) {
    return call([&] {
        required(result);
        *result = Bstr(keyNames_).detach();
    });
}

STDMETHODIMP OVRegistryKey::put_KeyNames(BSTR value) {
    return call([&] { keyNames_ = Bstr(value, ::SysStringLen(value)); });
}

}  // namespace orvane
