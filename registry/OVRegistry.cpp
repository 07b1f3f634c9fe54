#include "registry/OVRegistry.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

namespace reg = platform::advapi32;

constexpr DWORD dataCapacity = 255;
constexpr DWORD valueNameCapacity = 255;
constexpr DWORD keyNameCapacity = 260;

// A key the call opened or created. A failed open leaves the handle 0, which the
// following calls get as the platform would hand it to them; a predefined root that
// the platform hands back for an empty subkey is never closed (UniqueHkey skips roots).
struct OpenedKey {
    LONG code = ERROR_SUCCESS;
    HKEY handle = nullptr;
    UniqueHkey owner;

    void adopt(LONG result, HKEY key) {
        code = result;
        if (result != ERROR_SUCCESS) return;
        handle = key;
        owner.reset(key);
    }
};

OpenedKey openKey(HKEY root, const std::string& subKey, REGSAM access) {
    OpenedKey key;
    HKEY handle = nullptr;
    const LONG code = reg::RegOpenKeyExA(root, subKey.c_str(), 0, access, &handle);
    key.adopt(code, handle);
    return key;
}

OpenedKey createKey(HKEY root, const std::string& subKey) {
    OpenedKey key;
    HKEY handle = nullptr;
    const LONG code = reg::RegCreateKeyA(root, subKey.c_str(), &handle);
    key.adopt(code, handle);
    return key;
}

// The ANSI copy handed to the platform; the caller's text comes back as its round trip.
std::string handedInPlace(BSTR* text) {
    std::string copy = runtime::toAnsi(*text);
    runtime::roundTripAnsi(text);
    return copy;
}

struct Query {
    LONG code = ERROR_SUCCESS;
    DWORD type = 0;
    DWORD length = dataCapacity;
    std::array<BYTE, dataCapacity> data{};
};

Query queryValue(HKEY key, const std::string& valueName) {
    Query query;
    query.code = reg::RegQueryValueExA(key, valueName.c_str(), nullptr, &query.type, query.data.data(), &query.length);
    query.length = std::min(query.length, dataCapacity);
    return query;
}

// One character per byte, each the character of that code in the ANSI code page.
std::wstring bytesAsText(const BYTE* bytes, DWORD count) {
    std::wstring text(count, L'\0');
    for (DWORD i = 0; i < count; ++i) {
        wchar_t character = L'?';
        ::MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<const char*>(bytes + i), 1, &character, 1);
        text[i] = character;
    }
    return text;
}

// REG_SZ data: the last byte counted is the terminator. Data that a writer stored
// without one (the platform then appends a zero it does not count) is taken whole,
// so that no character is lost.
std::wstring stringData(const BYTE* bytes, DWORD length) {
    if (length == 0) raise(error::InvalidCall);
    const DWORD count = bytes[length - 1] == 0 ? length - 1 : length;
    return runtime::fromAnsi(reinterpret_cast<const char*>(bytes), count);
}

std::wstring numberText(DWORD number) { return std::to_wstring(static_cast<LONG>(number)); }

// ovBinary data: byte i is the ANSI code of character i. The runtime counts the
// characters in a 16-bit Integer and narrows each code to a Byte.
std::vector<BYTE> binaryData(BSTR text) {
    const UINT length = ::SysStringLen(text);
    if (length > 32767) raise(error::Overflow);
    if (length == 0) raise(error::SubscriptOutOfRange);
    std::vector<BYTE> bytes(length);
    for (UINT i = 0; i < length; ++i) {
        char code[4] = {};
        int size = ::WideCharToMultiByte(CP_ACP, 0, text + i, 1, code, sizeof code, nullptr, nullptr);
        if (size != 1) raise(error::Overflow);  // a double-byte character
        bytes[i] = static_cast<BYTE>(code[0]);
    }
    return bytes;
}

Variant resultCode(LONG code) { return runtime::makeLong(code); }

}  // namespace

HKEY OVRegistry::keyHandle(long hKey) noexcept {
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(hKey)));
}

STDMETHODIMP OVRegistry::CreateKey(OVRegistryHKeyConstants* hKey, BSTR* SubKey, VARIANT* result) {
    return call([&] {
        required(result);
        const HKEY root = keyHandle(*required(hKey));
        OpenedKey key = createKey(root, handedInPlace(required(SubKey)));
        resultCode(key.code).moveTo(result);
    });
}

STDMETHODIMP OVRegistry::KeyExist(OVRegistryHKeyConstants* hKey, BSTR* SubKey, VARIANT_BOOL* result) {
    return call([&] {
        required(result);
        const HKEY root = keyHandle(*required(hKey));
        OpenedKey key = openKey(root, handedInPlace(required(SubKey)), KEY_QUERY_VALUE);
        *result = key.code == ERROR_SUCCESS ? VARIANT_TRUE : VARIANT_FALSE;
    });
}

STDMETHODIMP OVRegistry::ValueExist(OVRegistryHKeyConstants* hKey, BSTR* SubKey, BSTR* ValueName,
                                    VARIANT_BOOL* result) {
    return call([&] {
        required(result);
        required(ValueName);
        const HKEY root = keyHandle(*required(hKey));
        OpenedKey key = openKey(root, handedInPlace(required(SubKey)), KEY_QUERY_VALUE);
        // Data over 255 bytes makes the query ask for more room: such a value gives False.
        Query query = queryValue(key.handle, handedInPlace(ValueName));
        *result = query.code == ERROR_SUCCESS ? VARIANT_TRUE : VARIANT_FALSE;
    });
}

STDMETHODIMP OVRegistry::DeleteKey(OVRegistryHKeyConstants* hKey, BSTR* SubKey, VARIANT* result) {
    return call([&] {
        required(result);
        const HKEY root = keyHandle(*required(hKey));
        const std::string subKey = handedInPlace(required(SubKey));
        resultCode(reg::RegDeleteKeyA(root, subKey.c_str())).moveTo(result);
    });
}

STDMETHODIMP OVRegistry::DeleteValue(OVRegistryHKeyConstants* hKey, BSTR* SubKey, BSTR* ValueName,
                                     VARIANT* result) {
    return call([&] {
        required(result);
        required(ValueName);
        const HKEY root = keyHandle(*required(hKey));
        OpenedKey key = openKey(root, handedInPlace(required(SubKey)), KEY_ALL_ACCESS);
        // Also after a failed open: the platform rejects the 0 handle and its code is returned.
        const std::string valueName = handedInPlace(ValueName);
        resultCode(reg::RegDeleteValueA(key.handle, valueName.c_str())).moveTo(result);
    });
}

STDMETHODIMP OVRegistry::ListKeys(OVRegistryHKeyConstants hKey, BSTR SubKey, _OVRegistryKeys** result) {
    return call([&] {
        *required(result) = nullptr;
        HKEY key = keyHandle(hKey);
        OpenedKey opened;
        if (::SysStringLen(SubKey) > 0) {
            opened = openKey(key, runtime::toAnsi(SubKey), KEY_READ);
            if (opened.code != ERROR_SUCCESS) return;
            key = opened.handle;
        }
        if (!keyList_) keyList_ = OVRegistryKeys::create();
        for (DWORD index = 0;; ++index) {
            std::array<char, keyNameCapacity> name;
            name.fill(' ');
            if (reg::RegEnumKeyA(key, index, name.data(), keyNameCapacity) != ERROR_SUCCESS) break;
            auto end = std::find(name.begin(), name.end(), '\0');
            if (end == name.end()) raise(error::InvalidCall);
            Bstr keyName(runtime::fromAnsi(name.data(), static_cast<size_t>(end - name.begin())).c_str());
            BSTR noKey = nullptr;
            ComPtr<_OVRegistryKey> record;
            BSTR names = keyName.get();
            check(keyList_->Add(&names, &noKey, record.put()));
        }
        *result = keyList_.copy();
    });
}

STDMETHODIMP OVRegistry::ListValues(OVRegistryHKeyConstants hKey, BSTR SubKey, _OVRegistryValues** result) {
    return call([&] {
        *required(result) = nullptr;
        if (!valueList_) valueList_ = OVRegistryValues::create();
        // Opened also for an empty subkey: a second handle to the given key.
        OpenedKey key = openKey(keyHandle(hKey), runtime::toAnsi(SubKey), KEY_READ);
        for (DWORD index = 0; key.code == ERROR_SUCCESS; ++index) {
            std::array<char, valueNameCapacity> name;
            name.fill(' ');
            DWORD nameLength = valueNameCapacity;
            std::array<BYTE, dataCapacity> data;
            data.fill(' ');
            DWORD dataLength = dataCapacity;
            DWORD type = 0;
            LONG code = reg::RegEnumValueA(key.handle, index, name.data(), &nameLength, nullptr, &type, data.data(),
                                           &dataLength);
            if (code == ERROR_NO_MORE_ITEMS) break;
            // A name over 254 characters or data over 255 bytes: the platform copied
            // part of it or nothing, so the value is skipped. Any other failure ends
            // the list, which would otherwise never reach its end.
            if (code == ERROR_MORE_DATA) continue;
            if (code != ERROR_SUCCESS) break;
            if (dataLength < 1) continue;
            nameLength = std::min(nameLength, valueNameCapacity);
            dataLength = std::min(dataLength, dataCapacity);

            std::wstring valueName = runtime::fromAnsi(name.data(), nameLength);
            std::wstring valueData;
            OVRegistryDataTypeConstants dataType;
            if (type == REG_SZ) {
                valueData = stringData(data.data(), dataLength);
                dataType = ovString;
            } else if (type == REG_BINARY) {
                valueData = bytesAsText(data.data(), dataLength);
                dataType = ovBinary;
            } else if (type == REG_DWORD) {
                name.fill(' ');
                nameLength = valueNameCapacity;
                type = 0;
                DWORD number = 0;
                DWORD numberLength = sizeof number;
                if (reg::RegEnumValueA(key.handle, index, name.data(), &nameLength, nullptr, &type,
                                       reinterpret_cast<BYTE*>(&number), &numberLength) != ERROR_SUCCESS) {
                    continue;
                }
                valueName = runtime::fromAnsi(name.data(), std::min(nameLength, valueNameCapacity));
                valueData = numberText(number);
                dataType = static_cast<OVRegistryDataTypeConstants>(type);
            } else {
                continue;
            }

            Bstr nameText(valueName.c_str());
            BSTR names = nameText.get();
            Variant dataText = runtime::makeText(valueData);
            BSTR noKey = nullptr;
            ComPtr<_OVRegistryValue> record;
            check(valueList_->Add(&names, dataText.get(), &dataType, &noKey, record.put()));
        }
        *result = valueList_.copy();
    });
}

STDMETHODIMP OVRegistry::WriteValue(OVRegistryHKeyConstants* hKey, BSTR* SubKey,
                                    OVRegistryDataTypeConstants* ValueType, BSTR* ValueName, BSTR* ValueData,
                                    VARIANT* result) {
    return call([&] {
        required(result);
        required(ValueName);
        required(ValueData);
        const long valueType = *required(ValueType);
        const HKEY root = keyHandle(*required(hKey));
        // A failed create leaves the handle 0; the write is still attempted and fails.
        OpenedKey key = createKey(root, handedInPlace(required(SubKey)));
        LONG code = key.code;
        if (valueType == ovString) {
            const std::string valueName = handedInPlace(ValueName);
            const std::string text = handedInPlace(ValueData);
            // The bytes of the ANSI text, no terminator. Counting characters instead
            // would cut the end off a text with double-byte characters.
            const DWORD count = static_cast<DWORD>(text.size());
            code = reg::RegSetValueExA(key.handle, valueName.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(text.c_str()), count);
        } else if (valueType == ovBinary) {
            const std::vector<BYTE> bytes = binaryData(*ValueData);
            const std::string valueName = handedInPlace(ValueName);
            code = reg::RegSetValueExA(key.handle, valueName.c_str(), 0, REG_BINARY, bytes.data(),
                                       static_cast<DWORD>(bytes.size()));
        } else if (valueType == ovDWord) {
            const LONG number = runtime::textToLong(*ValueData);
            const std::string valueName = handedInPlace(ValueName);
            code = reg::RegSetValueExA(key.handle, valueName.c_str(), 0, REG_DWORD,
                                       reinterpret_cast<const BYTE*>(&number), sizeof number);
        }
        resultCode(code).moveTo(result);
    });
}

Variant OVRegistry::readValue(long hKey, BSTR* subKey, BSTR* valueName) {
    OpenedKey key = openKey(keyHandle(hKey), handedInPlace(subKey), KEY_READ);
    const std::string name = handedInPlace(valueName);
    Query query = queryValue(key.handle, name);
    // Data over 255 bytes: the platform leaves the buffer undefined, so nothing is read.
    if (query.code != ERROR_SUCCESS) return {};
    switch (query.type) {
    case REG_SZ:
        return runtime::makeText(stringData(query.data.data(), query.length));
    case REG_BINARY:
        return runtime::makeText(bytesAsText(query.data.data(), query.length));
    case REG_DWORD: {
        DWORD number = 0;
        DWORD length = sizeof number;
        DWORD type = 0;
        if (reg::RegQueryValueExA(key.handle, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&number),
                                  &length) != ERROR_SUCCESS) {
            return {};
        }
        return runtime::makeText(numberText(number));
    }
    default:
        return {};
    }
}

STDMETHODIMP OVRegistry::ReadValue(OVRegistryHKeyConstants* hKey, BSTR* SubKey, BSTR* ValueName,
                                   VARIANT* result) {
    return call([&] {
        required(result);
        required(ValueName);
        const long root = *required(hKey);
        readValue(root, required(SubKey), ValueName).moveTo(result);
    });
}

STDMETHODIMP OVRegistry::ReadDataType(OVRegistryHKeyConstants* hKey, BSTR* SubKey, BSTR* ValueName,
                                      VARIANT* result) {
    return call([&] {
        required(result);
        required(ValueName);
        const HKEY root = keyHandle(*required(hKey));
        // Full access: a key the caller may only read gives Empty.
        OpenedKey key = openKey(root, handedInPlace(required(SubKey)), KEY_ALL_ACCESS);
        Query query = queryValue(key.handle, handedInPlace(ValueName));
        // The type is reported also when the data is too long for the buffer.
        const bool answered = query.code == ERROR_SUCCESS || query.code == ERROR_MORE_DATA;
        Variant type;
        if (answered && (query.type == REG_SZ || query.type == REG_BINARY || query.type == REG_DWORD)) {
            type = runtime::makeLong(static_cast<long>(query.type));
        }
        type.moveTo(result);
    });
}

std::wstring readValueText(OVRegistry& registry, OVRegistryHKeyConstants root, const wchar_t* subKey,
                           const wchar_t* valueName) {
    UniqueBstrHandle subKeyText(runtime::allocText(subKey));
    UniqueBstrHandle nameText(runtime::allocText(valueName));
    // ByRef texts: the member may hand back replacements, owned here again after the call.
    BSTR subKeyVariable = subKeyText.release();
    BSTR nameVariable = nameText.release();
    Variant value;
    const HRESULT status = registry.ReadValue(&root, &subKeyVariable, &nameVariable, value.put());
    subKeyText.reset(subKeyVariable);
    nameText.reset(nameVariable);
    check(status);
    return runtime::bstrText(runtime::toText(*value.get()).get());
}

}  // namespace orvane
