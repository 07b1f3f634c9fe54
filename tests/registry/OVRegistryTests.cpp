// OVRegistry: the ten registry operations under a private key of HKEY_CURRENT_USER,
// failing platform calls through fakes, and the handles every call must close.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "frame/base/Platform.h"
#include "registry/OVRegistry.h"

namespace orvane {
namespace {

using namespace test;

namespace reg = platform::advapi32;

constexpr long currentUser = ovHKEY_CURRENT_USER;
const std::string parentKey = "Software\\OrvaneSuiteTests";

// An early-bound caller's BSTR variable.
struct Text {
    explicit Text(const std::wstring& text) : value(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~Text() { ::SysFreeString(value); }
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    std::wstring str() const { return bstrText(value); }
    static std::wstring bstrText(BSTR text) { return std::wstring(text ? text : L"", ::SysStringLen(text)); }
    BSTR value;
};

std::wstring widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

class OVRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { removeTestKey(); }
    void TearDown() override { removeTestKey(); }

    static std::string testKey() { return parentKey + "\\registry-" + std::to_string(::GetCurrentProcessId()); }
    static std::wstring key(const std::wstring& below = L"") {
        return widen(testKey()) + (below.empty() ? L"" : L"\\" + below);
    }
    static void removeTestKey() {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, testKey().c_str());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, testKey().c_str());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, parentKey.c_str());  // only when no one else uses it
    }

    // Raw access to the test key, independent of the class under test.
    static void store(const std::string& name, DWORD type, const void* data, DWORD size) {
        HKEY handle = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyA(HKEY_CURRENT_USER, testKey().c_str(), &handle));
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExA(handle, name.c_str(), 0, type, static_cast<const BYTE*>(data), size));
        ::RegCloseKey(handle);
    }
    static std::vector<BYTE> stored(const std::string& name, DWORD* type = nullptr) {
        std::vector<BYTE> data(70000);
        DWORD size = static_cast<DWORD>(data.size());
        DWORD storedType = 0;
        HKEY handle = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, testKey().c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return {};
        LONG code = ::RegQueryValueExA(handle, name.c_str(), nullptr, &storedType, data.data(), &size);
        ::RegCloseKey(handle);
        if (code != ERROR_SUCCESS) return {};
        if (type) *type = storedType;
        data.resize(size);
        return data;
    }

    // REG_SZ data exactly as stored, terminator included when there is one.
    static std::wstring storedText(const std::string& name) {
        std::wstring data(40000, L'\0');
        DWORD size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        HKEY handle = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, testKey().c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return L"?";
        LONG code = ::RegQueryValueExW(handle, widen(name).c_str(), nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(data.data()), &size);
        ::RegCloseKey(handle);
        if (code != ERROR_SUCCESS) return L"?";
        data.resize(size / sizeof(wchar_t));
        return data;
    }

    Call write(const std::wstring& subKey, long type, const std::wstring& name, const std::wstring& data) {
        Call call;
        OVRegistryHKeyConstants root = static_cast<OVRegistryHKeyConstants>(currentUser);
        auto valueType = static_cast<OVRegistryDataTypeConstants>(type);
        Text sub(subKey), valueName(name), valueData(data);
        call.result = registry->WriteValue(&root, &sub.value, &valueType, &valueName.value, &valueData.value,
                                           call.value.put());
        return call;
    }
    Call read(const std::wstring& name, const std::wstring& subKey = key(), long root = currentUser) {
        return query(&OVRegistry::ReadValue, name, subKey, root);
    }
    Call dataType(const std::wstring& name, const std::wstring& subKey = key(), long root = currentUser) {
        return query(&OVRegistry::ReadDataType, name, subKey, root);
    }
    Call query(HRESULT (STDMETHODCALLTYPE OVRegistry::*member)(OVRegistryHKeyConstants*, BSTR*, BSTR*, VARIANT*),
               const std::wstring& name, const std::wstring& subKey, long root) {
        Call call;
        auto hKey = static_cast<OVRegistryHKeyConstants>(root);
        Text sub(subKey), valueName(name);
        call.result = (registry.get()->*member)(&hKey, &sub.value, &valueName.value, call.value.put());
        return call;
    }
    bool keyExists(const std::wstring& subKey, long root = currentUser) {
        auto hKey = static_cast<OVRegistryHKeyConstants>(root);
        Text sub(subKey);
        VARIANT_BOOL result = 0x1234;
        EXPECT_EQ(S_OK, registry->KeyExist(&hKey, &sub.value, &result));
        EXPECT_TRUE(result == VARIANT_TRUE || result == VARIANT_FALSE);
        return result == VARIANT_TRUE;
    }
    bool valueExists(const std::wstring& name, const std::wstring& subKey = key()) {
        auto hKey = static_cast<OVRegistryHKeyConstants>(currentUser);
        Text sub(subKey), valueName(name);
        VARIANT_BOOL result = 0x1234;
        EXPECT_EQ(S_OK, registry->ValueExist(&hKey, &sub.value, &valueName.value, &result));
        return result == VARIANT_TRUE;
    }
    long resultCode(const Call& call) {
        EXPECT_EQ(S_OK, call.result);
        EXPECT_EQ(VT_I4, V_VT(call.value.get()));
        return V_I4(call.value.get());
    }
    Call createKey(const std::wstring& subKey, long root = currentUser) {
        return keyCall(&OVRegistry::CreateKey, subKey, root);
    }
    Call deleteKey(const std::wstring& subKey, long root = currentUser) {
        return keyCall(&OVRegistry::DeleteKey, subKey, root);
    }
    Call keyCall(HRESULT (STDMETHODCALLTYPE OVRegistry::*member)(OVRegistryHKeyConstants*, BSTR*, VARIANT*),
                 const std::wstring& subKey, long root) {
        Call call;
        auto hKey = static_cast<OVRegistryHKeyConstants>(root);
        Text sub(subKey);
        call.result = (registry.get()->*member)(&hKey, &sub.value, call.value.put());
        return call;
    }
    Call deleteValue(const std::wstring& name, const std::wstring& subKey = key()) {
        Call call;
        auto hKey = static_cast<OVRegistryHKeyConstants>(currentUser);
        Text sub(subKey), valueName(name);
        call.result = registry->DeleteValue(&hKey, &sub.value, &valueName.value, call.value.put());
        return call;
    }
    ComPtr<_OVRegistryKeys> listKeys(const std::wstring& subKey, long root = currentUser) {
        ComPtr<_OVRegistryKeys> list;
        Text sub(subKey);
        EXPECT_EQ(S_OK, registry->ListKeys(static_cast<OVRegistryHKeyConstants>(root), sub.value, list.put()));
        return list;
    }
    ComPtr<_OVRegistryValues> listValues(const std::wstring& subKey, long root = currentUser) {
        ComPtr<_OVRegistryValues> list;
        Text sub(subKey);
        EXPECT_EQ(S_OK, registry->ListValues(static_cast<OVRegistryHKeyConstants>(root), sub.value, list.put()));
        return list;
    }
    static std::vector<std::wstring> names(_OVRegistryKeys* list) {
        std::vector<std::wstring> result;
        long count = 0;
        list->get_Count(&count);
        for (long i = 1; i <= count; ++i) {
            VARIANT index = vLong(i);
            ComPtr<_OVRegistryKey> record;
            EXPECT_EQ(S_OK, list->get_Item(&index, record.put()));
            BSTR name = nullptr;
            record->get_KeyNames(&name);
            result.push_back(Text::bstrText(name));
            ::SysFreeString(name);
        }
        return result;
    }
    struct Listed {
        std::wstring name;
        std::wstring data;
        VARTYPE dataSubtype;
        long type;
        bool operator==(const Listed&) const = default;
    };
    static std::vector<Listed> entries(_OVRegistryValues* list) {
        std::vector<Listed> result;
        long count = 0;
        list->get_Count(&count);
        for (long i = 1; i <= count; ++i) {
            VARIANT index = vLong(i);
            ComPtr<_OVRegistryValue> record;
            EXPECT_EQ(S_OK, list->get_Item(&index, record.put()));
            BSTR name = nullptr;
            record->get_ValueName(&name);
            Variant data;
            record->get_ValueData(data.put());
            OVRegistryDataTypeConstants type{};
            record->get_DataType(&type);
            result.push_back({Text::bstrText(name), text(*data.get()), V_VT(data.get()), type});
            ::SysFreeString(name);
        }
        return result;
    }

    ComPtr<OVRegistry> registry = OVRegistry::create();
};

#define EXPECT_TEXT(expected, call)                        \
    do {                                                   \
        const Call& c_ = (call);                           \
        ASSERT_EQ(S_OK, c_.result);                        \
        ASSERT_EQ(VT_BSTR, V_VT(c_.value.get()));          \
        EXPECT_EQ(std::wstring(expected), text(*c_.value.get())); \
    } while (0)

#define EXPECT_EMPTY(call)                                 \
    do {                                                   \
        const Call& c_ = (call);                           \
        ASSERT_EQ(S_OK, c_.result);                        \
        EXPECT_EQ(VT_EMPTY, V_VT(c_.value.get()));         \
    } while (0)

#define EXPECT_LONG(expected, call)                        \
    do {                                                   \
        const Call& c_ = (call);                           \
        ASSERT_EQ(S_OK, c_.result);                        \
        ASSERT_EQ(VT_I4, V_VT(c_.value.get()));            \
        EXPECT_EQ(expected, V_I4(c_.value.get()));         \
    } while (0)

TEST_F(OVRegistryTest, RootConstantsAreSignExtendedHandles) {
    EXPECT_EQ(HKEY_CLASSES_ROOT, OVRegistry::keyHandle(ovHKEY_CLASSES_ROOT));
    EXPECT_EQ(HKEY_CURRENT_USER, OVRegistry::keyHandle(ovHKEY_CURRENT_USER));
    EXPECT_EQ(HKEY_LOCAL_MACHINE, OVRegistry::keyHandle(ovHKEY_LOCAL_MACHINE));
    EXPECT_EQ(HKEY_DYN_DATA, OVRegistry::keyHandle(ovHKEY_DYN_DATA));
    EXPECT_EQ(nullptr, OVRegistry::keyHandle(0));
    EXPECT_EQ(reinterpret_cast<HKEY>(0x7FFFFFFF), OVRegistry::keyHandle(0x7FFFFFFF));
}

TEST_F(OVRegistryTest, StringsAreWrittenWithoutTerminatorAndReadWhole) {
    std::vector<std::pair<DWORD, DWORD>> writes;  // type and byte count handed to the platform
    {
        auto set = reg::RegSetValueExA.fake([&](HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                                                DWORD size) {
            writes.emplace_back(type, size);
            return ::RegSetValueExA(key, name, reserved, type, data, size);
        });
        EXPECT_LONG(0, write(key(), ovString, L"Text", L"hello"));
        EXPECT_LONG(0, write(key(), ovString, L"Nothing", L""));
    }
    EXPECT_EQ((std::vector<std::pair<DWORD, DWORD>>{{REG_SZ, 5}, {REG_SZ, 0}}), writes);
    EXPECT_TEXT(L"hello", read(L"Text"));
    EXPECT_LONG(1, dataType(L"Text"));

    // The usual form, with its terminator counted, loses nothing either.
    store("Terminated", REG_SZ, "abc", 4);
    EXPECT_TEXT(L"abc", read(L"Terminated"));
    store("", REG_SZ, "unnamed", 8);
    EXPECT_TEXT(L"unnamed", read(L""));

    // The empty text wrote no data at all; such a value cannot be read.
    EXPECT_EQ(std::wstring(), storedText("Nothing"));
    EXPECT_TRUE(raisedEarly(read(L"Nothing").result, 5));
    store("JustTerminator", REG_SZ, "", 1);
    EXPECT_TEXT(L"", read(L"JustTerminator"));
}

TEST_F(OVRegistryTest, BinaryIsOneBytePerCharacter) {
    EXPECT_LONG(0, write(key(), ovBinary, L"Bytes", L"AB"));
    DWORD type = 0;
    EXPECT_EQ(std::vector<BYTE>({0x41, 0x42}), stored("Bytes", &type));
    EXPECT_EQ(DWORD(REG_BINARY), type);
    EXPECT_TEXT(L"AB", read(L"Bytes"));
    EXPECT_LONG(3, dataType(L"Bytes"));

    const BYTE raw[] = {0x00, 0x7F, 0x41, 0x00, 0xE9};
    store("Raw", REG_BINARY, raw, sizeof raw);
    EXPECT_TEXT(std::wstring(L"\0\x7F" L"A\0\xE9", 5), read(L"Raw"));

    EXPECT_LONG(0, write(key(), ovBinary, L"Accent", L"\xE9\x20AC"));  // é and the euro sign of code page 1252
    EXPECT_EQ(std::vector<BYTE>({0xE9, 0x80}), stored("Accent"));
}

TEST_F(OVRegistryTest, NumbersAreThirtyTwoBitSignedText) {
    struct Row { const wchar_t* written; DWORD stored; const wchar_t* read; };
    const Row rows[] = {
        {L"42", 42, L"42"}, {L"0", 0, L"0"}, {L"-1", 0xFFFFFFFF, L"-1"}, {L"&HFFFFFFFF", 0xFFFFFFFF, L"-1"},
        {L"2147483647", 0x7FFFFFFF, L"2147483647"}, {L"-2147483648", 0x80000000, L"-2147483648"},
        {L"2.5", 2, L"2"}, {L"3.5", 4, L"4"}, {L" 7 ", 7, L"7"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "written " << std::string(row.written, row.written + wcslen(row.written)));
        EXPECT_LONG(0, write(key(), ovDWord, L"Number", row.written));
        DWORD type = 0;
        std::vector<BYTE> bytes = stored("Number", &type);
        ASSERT_EQ(4u, bytes.size());
        EXPECT_EQ(DWORD(REG_DWORD), type);
        EXPECT_EQ(row.stored, *reinterpret_cast<const DWORD*>(bytes.data()));
        EXPECT_TEXT(row.read, read(L"Number"));
        EXPECT_LONG(4, dataType(L"Number"));
    }
}

TEST_F(OVRegistryTest, WriteValueErrorsAfterTheKeyIsCreated) {
    EXPECT_TRUE(raisedEarly(write(key(L"a"), ovDWord, L"N", L"abc").result, 13, nullptr, L"TVOrvaneSuite.OVRegistry"));
    EXPECT_TRUE(raisedEarly(write(key(L"b"), ovDWord, L"N", L"4294967296").result, 6));
    EXPECT_TRUE(raisedEarly(write(key(L"c"), ovBinary, L"N", L"").result, 9));
    EXPECT_TRUE(raisedEarly(write(key(L"d"), ovBinary, L"N", std::wstring(32768, L'x')).result, 6));
    for (const wchar_t* below : {L"a", L"b", L"c", L"d"}) {
        EXPECT_TRUE(keyExists(key(below)));
        EXPECT_FALSE(valueExists(L"N", key(below)));
    }
    // The longest binary text the 16-bit counter allows is written whole.
    EXPECT_LONG(0, write(key(), ovBinary, L"Long", std::wstring(32767, L'x')));
    EXPECT_EQ(32767u, stored("Long").size());
}

TEST_F(OVRegistryTest, WriteValueCreatesMissingKeysAndIgnoresOtherTypes) {
    EXPECT_FALSE(keyExists(key(L"deep\\er")));
    EXPECT_LONG(0, write(key(L"deep\\er"), ovString, L"V", L"x"));
    EXPECT_TRUE(keyExists(key(L"deep\\er")));
    EXPECT_LONG(0, write(key(L"two"), 2, L"V", L"x"));
    EXPECT_TRUE(keyExists(key(L"two")));
    EXPECT_FALSE(valueExists(L"V", key(L"two")));
}

TEST_F(OVRegistryTest, MissingValuesAndKeysReadAsEmpty) {
    EXPECT_EMPTY(read(L"absent"));
    EXPECT_EMPTY(dataType(L"absent"));
    EXPECT_EMPTY(read(L"absent", key(L"no\\such")));
    EXPECT_EMPTY(dataType(L"absent", key(L"no\\such")));
    store("Expand", REG_EXPAND_SZ, "%PATH%", 7);
    store("Multi", REG_MULTI_SZ, "a\0b\0", 5);
    EXPECT_EMPTY(read(L"Expand"));
    EXPECT_EMPTY(dataType(L"Expand"));
    EXPECT_EMPTY(read(L"Multi"));
    EXPECT_TRUE(valueExists(L"Expand"));
}

TEST_F(OVRegistryTest, DataOverTheBufferIsNeverReadButKeepsItsType) {
    const std::string longText(300, 'z');
    store("LongText", REG_SZ, longText.c_str(), static_cast<DWORD>(longText.size() + 1));
    store("LongBytes", REG_BINARY, longText.data(), 256);
    store("Fits", REG_BINARY, longText.data(), 255);
    EXPECT_FALSE(valueExists(L"LongText"));
    EXPECT_FALSE(valueExists(L"LongBytes"));
    EXPECT_TRUE(valueExists(L"Fits"));
    EXPECT_EMPTY(read(L"LongText"));
    EXPECT_EMPTY(read(L"LongBytes"));
    EXPECT_TEXT(std::wstring(255, L'z'), read(L"Fits"));
    EXPECT_LONG(1, dataType(L"LongText"));
    EXPECT_LONG(3, dataType(L"LongBytes"));
}

TEST_F(OVRegistryTest, KeysAndValuesExistAndAreDeletedWithThePlatformsCodes) {
    EXPECT_FALSE(keyExists(key()));
    EXPECT_LONG(0, createKey(key(L"child")));
    EXPECT_LONG(0, createKey(key(L"child")));  // opening an existing key succeeds too
    EXPECT_TRUE(keyExists(key()));
    EXPECT_TRUE(keyExists(key(L"child")));
    EXPECT_FALSE(keyExists(key(L"other")));

    EXPECT_LONG(0, write(key(), ovString, L"V", L"x"));
    EXPECT_TRUE(valueExists(L"V"));
    EXPECT_FALSE(valueExists(L"W"));
    EXPECT_LONG(0, deleteValue(L"V"));
    EXPECT_FALSE(valueExists(L"V"));
    EXPECT_LONG(ERROR_FILE_NOT_FOUND, deleteValue(L"V"));
    // A failed open leaves the handle 0, and the delete's own code is returned.
    EXPECT_LONG(ERROR_INVALID_HANDLE, deleteValue(L"V", key(L"missing")));

    EXPECT_NE(0, resultCode(deleteKey(key())));  // it still has a subkey
    EXPECT_LONG(0, deleteKey(key(L"child")));
    EXPECT_LONG(ERROR_FILE_NOT_FOUND, deleteKey(key(L"child")));
    EXPECT_FALSE(keyExists(key(L"child")));
}

TEST_F(OVRegistryTest, ListKeysAppendsToTheSameCollection) {
    for (const wchar_t* name : {L"one", L"two", L"three"}) createKey(key(name));
    ComPtr<_OVRegistryKeys> first = listKeys(key());
    ASSERT_TRUE(first);
    std::vector<std::wstring> listed = names(first.get());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(std::vector<std::wstring>({L"one", L"three", L"two"}), listed);

    ComPtr<_OVRegistryKeys> second = listKeys(key());
    EXPECT_EQ(first.get(), second.get());
    long count = 0;
    second->get_Count(&count);
    EXPECT_EQ(6, count);

    // A subkey that cannot be opened gives Nothing and leaves the list alone.
    EXPECT_FALSE(listKeys(key(L"missing")));
    first->get_Count(&count);
    EXPECT_EQ(6, count);
    EXPECT_FALSE(OVRegistry::create()->ListKeys(ovHKEY_CURRENT_USER, Text(key(L"missing")).value, second.put()) != S_OK);
    EXPECT_FALSE(second);
}

TEST_F(OVRegistryTest, ListKeysWithoutSubkeyEnumeratesTheGivenKeyAndLeavesItOpen) {
    createKey(key(L"only"));
    HKEY handle = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, testKey().c_str(), 0, KEY_READ, &handle));
    const auto value = reinterpret_cast<LONG_PTR>(handle);
    ASSERT_EQ(value, static_cast<LONG_PTR>(static_cast<LONG>(value)));  // a handle fits a Long under Wine
    ComPtr<_OVRegistryKeys> list = listKeys(L"", static_cast<long>(value));
    ASSERT_TRUE(list);
    EXPECT_EQ(std::vector<std::wstring>({L"only"}), names(list.get()));
    char name[16] = {};
    EXPECT_EQ(ERROR_SUCCESS, ::RegEnumKeyA(handle, 0, name, sizeof name));  // still open
    ::RegCloseKey(handle);
}

TEST_F(OVRegistryTest, ListValuesListsTheThreeTypesAndSkipsTheRest) {
    store("", REG_SZ, "default", 8);
    store("Text", REG_SZ, "abc", 4);
    store("Unterminated", REG_SZ, "xyz", 3);
    store("Bytes", REG_BINARY, "AB", 2);
    const DWORD minusOne = 0xFFFFFFFF;
    store("Number", REG_DWORD, &minusOne, 4);
    store("Expand", REG_EXPAND_SZ, "%TEMP%", 7);
    store("Multi", REG_MULTI_SZ, "a\0b\0", 5);
    store("EmptyText", REG_SZ, "", 0);
    store("EmptyBytes", REG_BINARY, "", 0);
    const std::string longText(300, 'z');
    store("Long", REG_BINARY, longText.data(), 300);

    ComPtr<_OVRegistryValues> list = listValues(key());
    ASSERT_TRUE(list);
    std::vector<Listed> listed = entries(list.get());
    std::map<std::wstring, Listed> byName;
    for (const Listed& entry : listed) byName[entry.name] = entry;
    EXPECT_EQ(5u, listed.size());
    EXPECT_EQ((Listed{L"", L"default", VT_BSTR, 1}), byName[L""]);
    EXPECT_EQ((Listed{L"Text", L"abc", VT_BSTR, 1}), byName[L"Text"]);
    EXPECT_EQ((Listed{L"Unterminated", L"xyz", VT_BSTR, 1}), byName[L"Unterminated"]);
    EXPECT_EQ((Listed{L"Bytes", L"AB", VT_BSTR, 3}), byName[L"Bytes"]);
    EXPECT_EQ((Listed{L"Number", L"-1", VT_BSTR, 4}), byName[L"Number"]);

    ComPtr<_OVRegistryValues> again = listValues(key());
    EXPECT_EQ(list.get(), again.get());
    long count = 0;
    again->get_Count(&count);
    EXPECT_EQ(10, count);
}

TEST_F(OVRegistryTest, ListValuesOfAMissingKeyIsTheListAsItStood) {
    ComPtr<_OVRegistryValues> list = listValues(key(L"missing"));
    ASSERT_TRUE(list);
    long count = -1;
    list->get_Count(&count);
    EXPECT_EQ(0, count);
    store("V", REG_SZ, "v", 2);
    listValues(key());
    ComPtr<_OVRegistryValues> same = listValues(key(L"missing"));
    EXPECT_EQ(list.get(), same.get());
    same->get_Count(&count);
    EXPECT_EQ(1, count);
}

TEST_F(OVRegistryTest, ByRefTextsComeBackAsTheirAnsiRoundTripAndTheRestUntouched) {
    // U+4E00 has no code in code page 1252: it goes to the platform, and comes back, as "?".
    Variable root, subKey(key(L"\x4E00").c_str()), type, name(L"N\x4E00"), data(L"d\x4E00");
    V_VT(&root.value) = VT_I4;
    V_I4(&root.value) = currentUser;
    V_VT(&type.value) = VT_I4;
    V_I4(&type.value) = ovString;
    Call call = invokeMethod(registry.get(), 0x60030007,
                             {vRef(&root.value), vRef(&subKey.value), vRef(&type.value), vRef(&name.value),
                              vRef(&data.value)});
    EXPECT_LONG(0, call);
    EXPECT_EQ(key(L"?"), text(subKey.value));
    EXPECT_EQ(L"N?", text(name.value));
    EXPECT_EQ(L"d?", text(data.value));
    EXPECT_EQ(VT_I4, V_VT(&root.value));
    EXPECT_EQ(currentUser, V_I4(&root.value));
    EXPECT_EQ(ovString, V_I4(&type.value));
    EXPECT_TEXT(L"d?", read(L"N?", key(L"?")));

    // Written as a number, the data text is not handed over in place and stays as it was.
    Variable number(L"5");
    V_I4(&type.value) = ovDWord;
    Variable name2(L"M\x4E00");
    call = invokeMethod(registry.get(), 0x60030007,
                        {vRef(&root.value), vRef(&subKey.value), vRef(&type.value), vRef(&name2.value),
                         vRef(&number.value)});
    EXPECT_LONG(0, call);
    EXPECT_EQ(L"M?", text(name2.value));
    EXPECT_EQ(L"5", text(number.value));
}

TEST_F(OVRegistryTest, EarlyBoundNullPointersAreRefused) {
    auto root = static_cast<OVRegistryHKeyConstants>(currentUser);
    Text sub(key()), name(L"V");
    VARIANT_BOOL flag = 0;
    Variant result;
    EXPECT_EQ(E_POINTER, registry->CreateKey(nullptr, &sub.value, result.put()));
    EXPECT_EQ(E_POINTER, registry->CreateKey(&root, nullptr, result.put()));
    EXPECT_EQ(E_POINTER, registry->KeyExist(&root, &sub.value, nullptr));
    EXPECT_EQ(E_POINTER, registry->ValueExist(&root, &sub.value, nullptr, &flag));
    EXPECT_EQ(E_POINTER, registry->WriteValue(&root, &sub.value, nullptr, &name.value, &name.value, result.put()));
    EXPECT_EQ(E_POINTER, registry->ReadValue(&root, &sub.value, &name.value, nullptr));
    EXPECT_EQ(E_POINTER, registry->ListKeys(root, sub.value, nullptr));
    EXPECT_FALSE(keyExists(key()));  // nothing ran
    // A null BSTR is the empty text.
    BSTR none = nullptr;
    EXPECT_EQ(S_OK, registry->ReadValue(&root, &none, &none, result.put()));
}

// --- failing platform calls -----------------------------------------------------

TEST_F(OVRegistryTest, AccessMasksAndRootsReachThePlatformUnchanged) {
    std::vector<std::pair<HKEY, REGSAM>> opens;
    auto scope = reg::RegOpenKeyExA.fake([&](HKEY root, LPCSTR, DWORD options, REGSAM access, PHKEY result) {
        EXPECT_EQ(0u, options);
        opens.emplace_back(root, access);
        *result = nullptr;
        return LONG(ERROR_FILE_NOT_FOUND);
    });
    Text sub(L"x"), name(L"v");
    VARIANT_BOOL flag;
    Variant result;
    ComPtr<_OVRegistryKeys> keys;
    ComPtr<_OVRegistryValues> values;
    auto root = static_cast<OVRegistryHKeyConstants>(ovHKEY_LOCAL_MACHINE);
    registry->KeyExist(&root, &sub.value, &flag);
    registry->ValueExist(&root, &sub.value, &name.value, &flag);
    root = static_cast<OVRegistryHKeyConstants>(0);
    registry->ListKeys(root, sub.value, keys.put());
    registry->ListValues(root, sub.value, values.put());
    root = static_cast<OVRegistryHKeyConstants>(0x7FFFFFFF);
    registry->ReadValue(&root, &sub.value, &name.value, result.put());
    registry->DeleteValue(&root, &sub.value, &name.value, result.put());
    registry->ReadDataType(&root, &sub.value, &name.value, result.put());
    const HKEY bogus = reinterpret_cast<HKEY>(0x7FFFFFFF);
    EXPECT_EQ((std::vector<std::pair<HKEY, REGSAM>>{{HKEY_LOCAL_MACHINE, 0x1}, {HKEY_LOCAL_MACHINE, 0x1},
                                                     {nullptr, 0x20019}, {nullptr, 0x20019}, {bogus, 0x20019},
                                                     {bogus, 0xF003F}, {bogus, 0xF003F}}),
              opens);
}

TEST_F(OVRegistryTest, AFailedCreateStillAttemptsTheWriteWithAZeroHandle) {
    std::vector<HKEY> writtenTo;
    auto create = reg::RegCreateKeyA.fake([](HKEY, LPCSTR, PHKEY result) {
        *result = reinterpret_cast<HKEY>(0x5555);  // whatever a failed call leaves is not used
        return LONG(ERROR_ACCESS_DENIED);
    });
    auto set = reg::RegSetValueExA.fake([&](HKEY key, LPCSTR, DWORD, DWORD, const BYTE*, DWORD) {
        writtenTo.push_back(key);
        return LONG(ERROR_INVALID_HANDLE);
    });
    int closes = 0;
    auto close = reg::RegCloseKey.fake([&](HKEY) { ++closes; return LONG(ERROR_SUCCESS); });
    EXPECT_LONG(ERROR_ACCESS_DENIED, createKey(key()));
    EXPECT_LONG(ERROR_INVALID_HANDLE, write(key(), ovString, L"V", L"x"));
    EXPECT_LONG(ERROR_ACCESS_DENIED, write(key(), 7, L"V", L"x"));
    EXPECT_EQ(std::vector<HKEY>({nullptr}), writtenTo);
    EXPECT_EQ(0, closes);
}

TEST_F(OVRegistryTest, QueriesThatAskForMoreRoomReturnNoBufferContent) {
    const HKEY fakeKey = reinterpret_cast<HKEY>(0x4242);
    auto open = reg::RegOpenKeyExA.fake([&](HKEY, LPCSTR, DWORD, REGSAM, PHKEY result) {
        *result = fakeKey;
        return LONG(ERROR_SUCCESS);
    });
    auto close = reg::RegCloseKey.fake([](HKEY) { return LONG(ERROR_SUCCESS); });
    DWORD reportedType = REG_SZ;
    auto query = reg::RegQueryValueExA.fake([&](HKEY, LPCSTR, LPDWORD, LPDWORD type, LPBYTE, LPDWORD length) {
        EXPECT_EQ(255u, *length);
        *type = reportedType;
        *length = 100000;
        return LONG(ERROR_MORE_DATA);
    });
    for (DWORD type : {REG_SZ, REG_BINARY, REG_DWORD}) {
        reportedType = type;
        EXPECT_EMPTY(read(L"V"));
        EXPECT_LONG(long(type), dataType(L"V"));
        EXPECT_FALSE(valueExists(L"V"));
    }
    // A success that claims more than the buffer holds reads no further than the buffer.
    auto oversized = reg::RegQueryValueExA.fake([](HKEY, LPCSTR, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD length) {
        *type = REG_BINARY;
        std::fill(data, data + *length, BYTE('q'));
        *length = 100000;
        return LONG(ERROR_SUCCESS);
    });
    EXPECT_TEXT(std::wstring(255, L'q'), read(L"V"));
}

TEST_F(OVRegistryTest, ValueEnumerationSkipsOverlongEntriesAndEndsOnFailures) {
    const HKEY fakeKey = reinterpret_cast<HKEY>(0x4242);
    auto open = reg::RegOpenKeyExA.fake([&](HKEY, LPCSTR, DWORD, REGSAM, PHKEY result) {
        *result = fakeKey;
        return LONG(ERROR_SUCCESS);
    });
    auto close = reg::RegCloseKey.fake([](HKEY) { return LONG(ERROR_SUCCESS); });
    LONG failure = ERROR_NO_MORE_ITEMS;
    auto enumerate = reg::RegEnumValueA.fake([&](HKEY, DWORD index, LPSTR name, LPDWORD nameLength, LPDWORD,
                                                 LPDWORD type, LPBYTE data, LPDWORD dataLength) {
        EXPECT_EQ(255u, *nameLength);
        EXPECT_EQ(255u, *dataLength);
        if (index == 0) {  // data too long: lengths report what is needed
            *type = REG_SZ;
            *dataLength = 5000;
            return LONG(ERROR_MORE_DATA);
        }
        if (index == 1) {
            lstrcpyA(name, "ok");
            *nameLength = 2;
            *type = REG_SZ;
            lstrcpyA(reinterpret_cast<char*>(data), "fine");
            *dataLength = 5;
            return LONG(ERROR_SUCCESS);
        }
        return failure;
    });
    std::vector<Listed> listed = entries(listValues(L"k").get());
    EXPECT_EQ(std::vector<Listed>({{L"ok", L"fine", VT_BSTR, 1}}), listed);

    // A failure other than the end of the list also ends it instead of looping forever.
    failure = ERROR_ACCESS_DENIED;
    ComPtr<OVRegistry> fresh = OVRegistry::create();
    ComPtr<_OVRegistryValues> list;
    ASSERT_EQ(S_OK, fresh->ListValues(ovHKEY_CURRENT_USER, Text(L"k").value, list.put()));
    EXPECT_EQ(1u, entries(list.get()).size());
}

TEST_F(OVRegistryTest, KeyEnumerationWithoutTerminatorRaisesFive) {
    auto enumerate = reg::RegEnumKeyA.fake([](HKEY, DWORD, LPSTR, DWORD size) {
        EXPECT_EQ(260u, size);
        return LONG(ERROR_SUCCESS);  // and wrote nothing
    });
    ComPtr<_OVRegistryKeys> list;
    EXPECT_TRUE(raisedEarly(registry->ListKeys(ovHKEY_CURRENT_USER, nullptr, list.put()), 5));
}

// Every key a call opens or creates is closed again, whatever the arguments.
TEST_F(OVRegistryTest, EveryOpenedHandleIsClosed) {
    int opened = 0;
    int closed = 0;
    auto open = reg::RegOpenKeyExA.fake([&](HKEY root, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result) {
        LONG code = ::RegOpenKeyExA(root, subKey, options, access, result);
        if (code == ERROR_SUCCESS && *result != root) ++opened;  // an empty subkey gives the root back
        return code;
    });
    auto create = reg::RegCreateKeyA.fake([&](HKEY root, LPCSTR subKey, PHKEY result) {
        // Writes stay inside the test key.
        if (root != HKEY_CURRENT_USER || !subKey || std::string(subKey).rfind(testKey(), 0) != 0) {
            *result = nullptr;
            return LONG(ERROR_ACCESS_DENIED);
        }
        LONG code = ::RegCreateKeyA(root, subKey, result);
        if (code == ERROR_SUCCESS && *result != root) ++opened;
        return code;
    });
    auto close = reg::RegCloseKey.fake([&](HKEY key) {
        ++closed;
        return ::RegCloseKey(key);
    });

    const std::wstring huge(100000, L'k');
    for (long root : {currentUser, long(ovHKEY_LOCAL_MACHINE), 0L, 0x7FFFFFFFL, -1L}) {
        for (const std::wstring& subKey : {key(), key(L"sub"), std::wstring(), huge, key(huge)}) {
            for (long type : {long(ovString), long(ovBinary), long(ovDWord), 2L}) {
                for (const std::wstring& data : {std::wstring(), std::wstring(L"12"), huge}) {
                    auto hKey = static_cast<OVRegistryHKeyConstants>(root);
                    auto valueType = static_cast<OVRegistryDataTypeConstants>(type);
                    Text sub(subKey), name(L"V"), value(data);
                    Variant result;
                    registry->WriteValue(&hKey, &sub.value, &valueType, &name.value, &value.value, result.put());
                }
            }
            auto hKey = static_cast<OVRegistryHKeyConstants>(root);
            Text sub(subKey), name(L"V");
            Variant result;
            VARIANT_BOOL flag;
            ComPtr<_OVRegistryKeys> keys;
            ComPtr<_OVRegistryValues> values;
            registry->CreateKey(&hKey, &sub.value, result.put());
            registry->KeyExist(&hKey, &sub.value, &flag);
            registry->ValueExist(&hKey, &sub.value, &name.value, &flag);
            registry->ReadValue(&hKey, &sub.value, &name.value, result.put());
            registry->ReadDataType(&hKey, &sub.value, &name.value, result.put());
            registry->ListKeys(hKey, sub.value, keys.put());
            registry->ListValues(hKey, sub.value, values.put());
            if (root == currentUser && subKey.rfind(key(), 0) == 0) {
                registry->DeleteValue(&hKey, &sub.value, &name.value, result.put());
            }
        }
    }
    EXPECT_GT(opened, 20);
    EXPECT_EQ(opened, closed);
}

}  // namespace
}  // namespace orvane
