#include "frame/collections/OVRegistryValues.h"

#include "frame/collections/OVRegistryValue.h"

namespace orvane {

STDMETHODIMP OVRegistryValues::Add(BSTR* ValueName, VARIANT* ValueData, OVRegistryDataTypeConstants* DataType,
                                   BSTR* sKey, _OVRegistryValue** result) {
    return call([&] {
        auto record = OVRegistryValue::create();
        check(record->put_ValueName(*required(ValueName)));
        check(record->put_ValueData(*required(ValueData)));  // a copy, assigned by value
        check(record->put_DataType(*required(DataType)));
        append(record, sKey, result);
    });
}

}  // namespace orvane
