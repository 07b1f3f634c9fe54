#include "frame/collections/OVRegistryValue.h"

#include "frame/automation/Runtime.h"

namespace orvane {

STDMETHODIMP OVRegistryValue::get_ValueName(BSTR* result) {
    return call([&] {
        required(result);
        *result = Bstr(valueName_).detach();
    });
}

STDMETHODIMP OVRegistryValue::put_ValueName(BSTR value) {
    return call([&] { valueName_ = Bstr(value, ::SysStringLen(value)); });
}

STDMETHODIMP OVRegistryValue::get_ValueData(VARIANT* result) {
    return call([&] {
        Variant copy = valueData_;
        copy.moveTo(required(result));
    });
}

STDMETHODIMP OVRegistryValue::put_ValueData(VARIANT value) {
    return call([&] { valueData_ = runtime::convert(value, VT_VARIANT); });
}

STDMETHODIMP OVRegistryValue::putref_ValueData(VARIANT value) {
    return call([&] { valueData_ = runtime::convert(value, VT_VARIANT); });
}

STDMETHODIMP OVRegistryValue::get_DataType(OVRegistryDataTypeConstants* result) {
    return call([&] { *required(result) = dataType_; });
}

STDMETHODIMP OVRegistryValue::put_DataType(OVRegistryDataTypeConstants value) {
    return call([&] { dataType_ = value; });
}

}  // namespace orvane
