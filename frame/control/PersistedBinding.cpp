#include "frame/control/PersistedBinding.h"

#include "frame/automation/Runtime.h"

namespace orvane {

Variant persistedVariant(const Bstr& text) { return runtime::makeText(runtime::bstrText(text.get())); }

Variant persistedVariant(long number) { return runtime::makeLong(number); }

Variant persistedVariant(const ComPtr<IPictureDisp>& picture) {
    Variant value;
    value->vt = VT_DISPATCH;
    value->pdispVal = picture.copy();
    return value;
}

void assignPersistedValue(Bstr& text, const VARIANT& value) { text = runtime::toText(value); }

void assignPersistedValue(long& number, const VARIANT& value) { number = runtime::toLong(value); }

void assignPersistedValue(ComPtr<IPictureDisp>& picture, const VARIANT& value) {
    const VARIANT& held = runtime::dereference(value);
    ComPtr<IPictureDisp> found;
    if ((held.vt == VT_DISPATCH || held.vt == VT_UNKNOWN) && held.punkVal) {
        held.punkVal->QueryInterface(IID_IPictureDisp, found.putVoid());
    }
    picture = found;
}

}  // namespace orvane
