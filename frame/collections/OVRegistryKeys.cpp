#include "frame/collections/OVRegistryKeys.h"

#include "frame/collections/OVRegistryKey.h"

namespace orvane {

STDMETHODIMP OVRegistryKeys::Add(BSTR* KeyNames, BSTR* sKey, _OVRegistryKey** result) {
    return call([&] {
        auto record = OVRegistryKey::create();
        check(record->put_KeyNames(*required(KeyNames)));
        append(record, sKey, result);
    });
}

}  // namespace orvane
