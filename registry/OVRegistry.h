// OVRegistry: keys and values of the registry. The members of _OVRegistry work
// through the ANSI registry functions with three value types (string, binary, 32-bit
// number); those _OVRegistry2 adds take any name, every value type and either view.
#pragma once

#include "frame/automation/ComObject.h"
#include "frame/collections/OVRegistryKeys.h"
#include "frame/collections/OVRegistryValues.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVRegistry final : public ComObject<OVRegistry, _OVRegistry2> {
public:
    static constexpr const wchar_t* className = L"OVRegistry";
    static const CLSID& classId() noexcept { return CLSID_OVRegistry; }

    // Callers built against the first interface get the same object: _OVRegistry2
    // begins with _OVRegistry's slots.
    void* queryExtra(REFIID iid) noexcept {
        return iid == IID__OVRegistry ? static_cast<_OVRegistry*>(this) : nullptr;
    }
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override {
        return iid == IID__OVRegistry || iid == IID__OVRegistry2 ? S_OK : S_FALSE;
    }

    STDMETHODIMP CreateKey(OVRegistryHKeyConstants* hKey, BSTR* SubKey, VARIANT* result) override;
    STDMETHODIMP KeyExist(OVRegistryHKeyConstants* hKey, BSTR* SubKey, VARIANT_BOOL* result) override;
    STDMETHODIMP ValueExist(OVRegistryHKeyConstants* hKey, BSTR* SubKey, BSTR* ValueName,
                            VARIANT_BOOL* result) override;
    STDMETHODIMP DeleteKey(OVRegistryHKeyConstants* hKey, BSTR* SubKey, VARIANT* result) override;
    STDMETHODIMP DeleteValue(OVRegistryHKeyConstants* hKey, BSTR* SubKey, BSTR* ValueName, VARIANT* result) override;
    STDMETHODIMP ListKeys(OVRegistryHKeyConstants hKey, BSTR SubKey, _OVRegistryKeys** result) override;
    STDMETHODIMP ListValues(OVRegistryHKeyConstants hKey, BSTR SubKey, _OVRegistryValues** result) override;
    STDMETHODIMP WriteValue(OVRegistryHKeyConstants* hKey, BSTR* SubKey, OVRegistryDataTypeConstants* ValueType,
                            BSTR* ValueName, BSTR* ValueData, VARIANT* result) override;
    STDMETHODIMP ReadValue(OVRegistryHKeyConstants* hKey, BSTR* SubKey, BSTR* ValueName, VARIANT* result) override;
    STDMETHODIMP ReadDataType(OVRegistryHKeyConstants* hKey, BSTR* SubKey, BSTR* ValueName,
                              VARIANT* result) override;

    STDMETHODIMP CreateKeyEx(OVRegistryHKeyConstants hKey, BSTR SubKey, OVRegistryViewConstants View,
                             VARIANT* result) override;
    STDMETHODIMP KeyExistEx(OVRegistryHKeyConstants hKey, BSTR SubKey, OVRegistryViewConstants View,
                            VARIANT_BOOL* result) override;
    STDMETHODIMP ValueExistEx(OVRegistryHKeyConstants hKey, BSTR SubKey, BSTR ValueName, OVRegistryViewConstants View,
                              VARIANT_BOOL* result) override;
    STDMETHODIMP DeleteKeyEx(OVRegistryHKeyConstants hKey, BSTR SubKey, OVRegistryViewConstants View,
                             VARIANT* result) override;
    STDMETHODIMP DeleteValueEx(OVRegistryHKeyConstants hKey, BSTR SubKey, BSTR ValueName,
                               OVRegistryViewConstants View, VARIANT* result) override;
    STDMETHODIMP ListKeysEx(OVRegistryHKeyConstants hKey, BSTR SubKey, OVRegistryViewConstants View,
                            _OVRegistryKeys** result) override;
    STDMETHODIMP ListValuesEx(OVRegistryHKeyConstants hKey, BSTR SubKey, OVRegistryViewConstants View,
                              _OVRegistryValues** result) override;
    STDMETHODIMP WriteValueEx(OVRegistryHKeyConstants hKey, BSTR SubKey, OVRegistryDataTypeConstants ValueType,
                              BSTR ValueName, VARIANT ValueData, OVRegistryViewConstants View,
                              VARIANT* result) override;
    STDMETHODIMP ReadValueEx(OVRegistryHKeyConstants hKey, BSTR SubKey, BSTR ValueName, OVRegistryViewConstants View,
                             VARIANT* result) override;
    STDMETHODIMP ReadDataTypeEx(OVRegistryHKeyConstants hKey, BSTR SubKey, BSTR ValueName,
                                OVRegistryViewConstants View, VARIANT* result) override;
    STDMETHODIMP ReadExpandedValue(OVRegistryHKeyConstants hKey, BSTR SubKey, BSTR ValueName,
                                   OVRegistryViewConstants View, VARIANT* result) override;

    // The handle a root constant stands for: a 32-bit value sign-extended to the
    // pointer width, as the platform's own predefined handles are.
    static HKEY keyHandle(long hKey) noexcept;

private:
    Variant readValue(long hKey, BSTR* subKey, BSTR* valueName);

    ComPtr<OVRegistryKeys> keyList_;
    ComPtr<OVRegistryValues> valueList_;
};

// What another control reads through an OVRegistry of its own: its public ReadValue,
// converted to text (Empty gives the empty text).
std::wstring readValueText(OVRegistry& registry, OVRegistryHKeyConstants root, const wchar_t* subKey,
                           const wchar_t* valueName);

}  // namespace orvane
