// The members of _OVRegistry2: the wide registry functions, a view per call, every
// value type, and data of any length.
#include <algorithm>
#include <string>
#include <vector>

#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"
#include "registry/OVRegistry.h"
#include "registry/RegistryData.h"

namespace orvane {

namespace {

namespace reg = platform::advapi32;

// The longest key name the platform allows, with its terminator.
constexpr DWORD keyNameCapacity = 256;

std::wstring textOf(BSTR text) { return std::wstring(text ? text : L"", ::SysStringLen(text)); }

struct WideKey {
    LONG code = ERROR_SUCCESS;
    UniqueHkey owner;
    HKEY get() const noexcept { return owner.get(); }
    bool opened() const noexcept { return code == ERROR_SUCCESS; }
};

WideKey openKey(long root, BSTR subKey, REGSAM access, REGSAM view) {
    WideKey key;
    HKEY handle = nullptr;
    key.code = reg::RegOpenKeyExW(OVRegistry::keyHandle(root), textOf(subKey).c_str(), 0, access | view, &handle);
    if (key.opened()) key.owner.reset(handle);
    return key;
}

WideKey createKey(long root, BSTR subKey, REGSAM access, REGSAM view) {
    WideKey key;
    HKEY handle = nullptr;
    key.code = reg::RegCreateKeyExW(OVRegistry::keyHandle(root), textOf(subKey).c_str(), 0, nullptr,
                                    REG_OPTION_NON_VOLATILE, access | view, nullptr, &handle, nullptr);
    if (key.opened()) key.owner.reset(handle);
    return key;
}

struct Stored {
    bool found = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

// The whole value, however long: asked for its size first, and again when it grew
// between the two calls.
Stored queryValue(HKEY key, BSTR valueName) {
    Stored stored;
    const std::wstring name = textOf(valueName);
    DWORD size = 0;
    LONG code = reg::RegQueryValueExW(key, name.c_str(), nullptr, &stored.type, nullptr, &size);
    for (int attempt = 0; attempt < 8 && code == ERROR_SUCCESS; ++attempt) {
        stored.data.resize(std::max<DWORD>(size, 1));
        size = static_cast<DWORD>(stored.data.size());
        code = reg::RegQueryValueExW(key, name.c_str(), nullptr, &stored.type, stored.data.data(), &size);
        if (code == ERROR_SUCCESS) {
            stored.data.resize(size);
            stored.found = true;
            return stored;
        }
        if (code == ERROR_MORE_DATA) code = ERROR_SUCCESS;
    }
    return stored;
}

Variant readStored(long root, BSTR subKey, BSTR valueName, REGSAM view, bool expand) {
    WideKey key = openKey(root, subKey, KEY_QUERY_VALUE, view);
    if (!key.opened()) return {};
    Stored stored = queryValue(key.get(), valueName);
    if (!stored.found) return {};
    Variant value = registrydata::valueOf(stored.type, stored.data.data(), static_cast<DWORD>(stored.data.size()));
    if (expand && stored.type == REG_EXPAND_SZ) {
        value = runtime::makeText(registrydata::expanded(runtime::bstrText(V_BSTR(value.get()))));
    }
    return value;
}

Variant resultCode(LONG code) { return runtime::makeLong(code); }

}  // namespace

STDMETHODIMP OVRegistry::CreateKeyEx(OVRegistryHKeyConstants hKey, BSTR SubKey, OVRegistryViewConstants View,
                                     VARIANT* result) {
    return call([&] {
        required(result);
        const REGSAM view = registrydata::viewFlag(View);
        resultCode(createKey(hKey, SubKey, KEY_QUERY_VALUE, view).code).moveTo(result);
    });
}

STDMETHODIMP OVRegistry::KeyExistEx(OVRegistryHKeyConstants hKey, BSTR SubKey, OVRegistryViewConstants View,
                                    VARIANT_BOOL* result) {
    return call([&] {
        required(result);
        const REGSAM view = registrydata::viewFlag(View);
        *result = openKey(hKey, SubKey, KEY_QUERY_VALUE, view).opened() ? VARIANT_TRUE : VARIANT_FALSE;
    });
}

STDMETHODIMP OVRegistry::ValueExistEx(OVRegistryHKeyConstants hKey, BSTR SubKey, BSTR ValueName,
                                      OVRegistryViewConstants View, VARIANT_BOOL* result) {
    return call([&] {
        required(result);
        const REGSAM view = registrydata::viewFlag(View);
        WideKey key = openKey(hKey, SubKey, KEY_QUERY_VALUE, view);
        const bool found = key.opened() && reg::RegQueryValueExW(key.get(), textOf(ValueName).c_str(), nullptr,
                                                                 nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        *result = found ? VARIANT_TRUE : VARIANT_FALSE;
    });
}

STDMETHODIMP OVRegistry::DeleteKeyEx(OVRegistryHKeyConstants hKey, BSTR SubKey, OVRegistryViewConstants View,
                                     VARIANT* result) {
    return call([&] {
        required(result);
        const REGSAM view = registrydata::viewFlag(View);
        // The view decides which key of that path goes: only the form with the
        // view in its arguments can reach the other one.
        resultCode(reg::RegDeleteKeyExW(keyHandle(hKey), textOf(SubKey).c_str(), view, 0)).moveTo(result);
    });
}

STDMETHODIMP OVRegistry::DeleteValueEx(OVRegistryHKeyConstants hKey, BSTR SubKey, BSTR ValueName,
                                       OVRegistryViewConstants View, VARIANT* result) {
    return call([&] {
        required(result);
        const REGSAM view = registrydata::viewFlag(View);
        WideKey key = openKey(hKey, SubKey, KEY_SET_VALUE, view);
        const LONG code = key.opened() ? reg::RegDeleteValueW(key.get(), textOf(ValueName).c_str()) : key.code;
        resultCode(code).moveTo(result);
    });
}

STDMETHODIMP OVRegistry::ListKeysEx(OVRegistryHKeyConstants hKey, BSTR SubKey, OVRegistryViewConstants View,
                                    _OVRegistryKeys** result) {
    return call([&] {
        *required(result) = nullptr;
        const REGSAM view = registrydata::viewFlag(View);
        WideKey key = openKey(hKey, SubKey, KEY_ENUMERATE_SUB_KEYS, view);
        if (!key.opened()) return;
        ComPtr<OVRegistryKeys> list = OVRegistryKeys::create();
        for (DWORD index = 0;; ++index) {
            wchar_t name[keyNameCapacity];
            DWORD length = keyNameCapacity;
            if (reg::RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS) {
                break;
            }
            Bstr keyName = Bstr::attach(::SysAllocStringLen(name, length));
            BSTR names = keyName.get();
            BSTR noKey = nullptr;
            ComPtr<_OVRegistryKey> record;
            check(list->Add(&names, &noKey, record.put()));
        }
        *result = list.copy();
    });
}

STDMETHODIMP OVRegistry::ListValuesEx(OVRegistryHKeyConstants hKey, BSTR SubKey, OVRegistryViewConstants View,
                                      _OVRegistryValues** result) {
    return call([&] {
        *required(result) = nullptr;
        const REGSAM view = registrydata::viewFlag(View);
        WideKey key = openKey(hKey, SubKey, KEY_QUERY_VALUE, view);
        if (!key.opened()) return;
        ComPtr<OVRegistryValues> list = OVRegistryValues::create();
        std::vector<wchar_t> name;
        std::vector<BYTE> data;
        auto makeRoom = [&] {
            DWORD longestName = 0, longestData = 0;
            reg::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  &longestName, &longestData, nullptr, nullptr);
            name.resize(std::max<size_t>(name.size(), longestName + 1));
            data.resize(std::max<size_t>(data.size(), std::max<DWORD>(longestData, 1)));
        };
        makeRoom();
        for (DWORD index = 0;; ++index) {
            DWORD nameLength = 0, dataLength = 0, type = REG_NONE;
            LONG code = ERROR_MORE_DATA;
            // A value that grew since the key was measured: measure again, and grow.
            for (int attempt = 0; attempt < 8 && code == ERROR_MORE_DATA; ++attempt) {
                if (attempt > 0) {
                    makeRoom();
                    data.resize(data.size() * 2);
                    name.resize(name.size() * 2);
                }
                nameLength = static_cast<DWORD>(name.size());
                dataLength = static_cast<DWORD>(data.size());
                code = reg::RegEnumValueW(key.get(), index, name.data(), &nameLength, nullptr, &type, data.data(),
                                          &dataLength);
            }
            if (code != ERROR_SUCCESS) break;
            Bstr valueName = Bstr::attach(::SysAllocStringLen(name.data(), nameLength));
            BSTR names = valueName.get();
            Variant value = registrydata::valueOf(type, data.data(), dataLength);
            auto dataType = static_cast<OVRegistryDataTypeConstants>(type);
            BSTR noKey = nullptr;
            ComPtr<_OVRegistryValue> record;
            check(list->Add(&names, value.get(), &dataType, &noKey, record.put()));
        }
        *result = list.copy();
    });
}

STDMETHODIMP OVRegistry::WriteValueEx(OVRegistryHKeyConstants hKey, BSTR SubKey,
                                      OVRegistryDataTypeConstants ValueType, BSTR ValueName, VARIANT ValueData,
                                      OVRegistryViewConstants View, VARIANT* result) {
    return call([&] {
        required(result);
        // Everything is checked before the key is created: bad input changes nothing.
        const REGSAM view = registrydata::viewFlag(View);
        const std::vector<BYTE> data = registrydata::dataOf(ValueType, ValueData);
        WideKey key = createKey(hKey, SubKey, KEY_SET_VALUE, view);
        LONG code = key.code;
        if (key.opened()) {
            code = reg::RegSetValueExW(key.get(), textOf(ValueName).c_str(), 0, static_cast<DWORD>(ValueType),
                                       data.data(), static_cast<DWORD>(data.size()));
        }
        resultCode(code).moveTo(result);
    });
}

STDMETHODIMP OVRegistry::ReadValueEx(OVRegistryHKeyConstants hKey, BSTR SubKey, BSTR ValueName,
                                     OVRegistryViewConstants View, VARIANT* result) {
    return call([&] {
        required(result);
        readStored(hKey, SubKey, ValueName, registrydata::viewFlag(View), false).moveTo(result);
    });
}

STDMETHODIMP OVRegistry::ReadExpandedValue(OVRegistryHKeyConstants hKey, BSTR SubKey, BSTR ValueName,
                                           OVRegistryViewConstants View, VARIANT* result) {
    return call([&] {
        required(result);
        readStored(hKey, SubKey, ValueName, registrydata::viewFlag(View), true).moveTo(result);
    });
}

STDMETHODIMP OVRegistry::ReadDataTypeEx(OVRegistryHKeyConstants hKey, BSTR SubKey, BSTR ValueName,
                                        OVRegistryViewConstants View, VARIANT* result) {
    return call([&] {
        required(result);
        const REGSAM view = registrydata::viewFlag(View);
        WideKey key = openKey(hKey, SubKey, KEY_QUERY_VALUE, view);
        DWORD type = REG_NONE;
        Variant answer;
        if (key.opened() && reg::RegQueryValueExW(key.get(), textOf(ValueName).c_str(), nullptr, &type, nullptr,
                                                  nullptr) == ERROR_SUCCESS) {
            answer = runtime::makeLong(static_cast<long>(type));
        }
        answer.moveTo(result);
    });
}

}  // namespace orvane
