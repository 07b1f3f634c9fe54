// OVRegistry's second interface: every value type in both directions, byte for byte
// against the platform's own calls, names outside the ANSI code page, bad input that
// writes nothing, the two registry views, and a program of the other bitness that
// reads our writes and writes what we read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "registry/OVRegistry.h"

namespace orvane {
namespace {

using namespace test;

const std::wstring parentKey = L"Software\\OrvaneSuiteTests";
constexpr bool is64Bit = sizeof(void*) == 8;

std::vector<BYTE> bytesOf(const std::wstring& text) {
    std::vector<BYTE> bytes(text.size() * sizeof(wchar_t));
    if (!bytes.empty()) std::memcpy(bytes.data(), text.data(), bytes.size());
    return bytes;
}

// A compact picture of a value: subtype and content, arrays element by element.
std::wstring shown(const VARIANT& value) {
    switch (V_VT(&value)) {
    case VT_EMPTY: return L"Empty";
    case VT_BSTR: return L"String:" + text(value);
    case VT_I4: return L"Long:" + std::to_wstring(V_I4(&value));
    case VT_UI1: return L"Byte:" + std::to_wstring(V_UI1(&value));
    case VT_ARRAY | VT_VARIANT: {
        SAFEARRAY* array = V_ARRAY(&value);
        LONG lower = 0, upper = -1;
        ::SafeArrayGetLBound(array, 1, &lower);
        ::SafeArrayGetUBound(array, 1, &upper);
        std::wstring out = L"[";
        for (LONG n = lower; n <= upper; ++n) {
            Variant element;
            ::SafeArrayGetElement(array, &n, element.get());
            out += (n > lower ? L"," : L"") + shown(*element.get());
        }
        return out + L"]";
    }
    default: return L"VT " + std::to_wstring(V_VT(&value));
    }
}

// A script's Array(...): a safe array of variants, owned here.
struct ScriptArray {
    explicit ScriptArray(std::vector<Variant> items) {
        array = ::SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(items.size()));
        for (LONG n = 0; n < static_cast<LONG>(items.size()); ++n) ::SafeArrayPutElement(array, &n, items[n].get());
        V_VT(value.get()) = VT_ARRAY | VT_VARIANT;
        V_ARRAY(value.get()) = array;
    }
    SAFEARRAY* array;
    Variant value;
};

Variant owned(VARIANT value) {
    Variant held;
    ::VariantCopy(held.get(), &value);
    return held;
}
Variant textValue(const wchar_t* text) { return runtime::makeText(text); }

class OVRegistryWide : public ::testing::Test {
protected:
    void SetUp() override { removeKeys(); }
    void TearDown() override { removeKeys(); }

    static std::wstring testKey() { return parentKey + L"\\wide-" + std::to_wstring(::GetCurrentProcessId()); }
    static void removeTree(HKEY root, const std::wstring& path, REGSAM view) {
        HKEY key = nullptr;
        if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_ALL_ACCESS | view, &key) == ERROR_SUCCESS) {
            ::RegDeleteTreeW(key, nullptr);
            ::RegCloseKey(key);
        }
        ::RegDeleteKeyExW(root, path.c_str(), view, 0);
        ::RegDeleteKeyExW(root, parentKey.c_str(), view, 0);  // only when no one else uses it
    }
    static void removeKeys() {
        removeTree(HKEY_CURRENT_USER, testKey(), 0);
        for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) removeTree(HKEY_LOCAL_MACHINE, testKey(), view);
    }

    // The platform's own calls, independent of the class under test.
    static void store(const std::wstring& name, DWORD type, const std::vector<BYTE>& data, HKEY root = HKEY_CURRENT_USER,
                      REGSAM view = 0) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(root, testKey().c_str(), 0, nullptr, 0, KEY_SET_VALUE | view,
                                                   nullptr, &key, nullptr));
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExW(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size())));
        ::RegCloseKey(key);
    }
    static bool stored(const std::wstring& name, DWORD* type, std::vector<BYTE>* data, HKEY root = HKEY_CURRENT_USER,
                       REGSAM view = 0) {
        HKEY key = nullptr;
        if (::RegOpenKeyExW(root, testKey().c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) return false;
        data->assign(70000, 0);
        DWORD size = static_cast<DWORD>(data->size());
        LONG code = ::RegQueryValueExW(key, name.c_str(), nullptr, type, data->data(), &size);
        ::RegCloseKey(key);
        data->resize(size);
        return code == ERROR_SUCCESS;
    }
    static bool keyExists(HKEY root, const std::wstring& path, REGSAM view) {
        HKEY key = nullptr;
        if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) return false;
        ::RegCloseKey(key);
        return true;
    }

    // Late-bound, as a script calls: the view is left out unless given.
    Call call(const wchar_t* member, std::vector<VARIANT> arguments) {
        return invokeByName(dispatch(), member, std::move(arguments));
    }
    Call read(const std::wstring& name, const wchar_t* member = L"ReadValueEx") {
        Bstr sub(testKey().c_str()), value(name.c_str());
        return call(member, {vLong(ovHKEY_CURRENT_USER), vText(sub), vText(value)});
    }
    Call write(long type, const std::wstring& name, const VARIANT& data, std::vector<VARIANT> view = {}) {
        Bstr sub(testKey().c_str()), value(name.c_str());
        std::vector<VARIANT> arguments{vLong(ovHKEY_CURRENT_USER), vText(sub), vLong(type), vText(value), data};
        arguments.insert(arguments.end(), view.begin(), view.end());
        return call(L"WriteValueEx", arguments);
    }
    IDispatch* dispatch() { return static_cast<_OVRegistry2*>(registry.get()); }

    ComPtr<OVRegistry> registry = OVRegistry::create();
};

struct StoredCase {
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
    const wchar_t* value;  // what ReadValueEx gives
};

TEST_F(OVRegistryWide, EveryTypeStoredByThePlatformReadsBackWhole) {
    const std::vector<StoredCase> cases = {
        {L"Text", REG_SZ, bytesOf(std::wstring(L"abc", 4)), L"String:abc"},
        {L"NoTerminator", REG_SZ, bytesOf(L"abc"), L"String:abc"},
        {L"EmptyText", REG_SZ, {}, L"String:"},
        {L"Long", REG_SZ, bytesOf(std::wstring(600, L'x') + L'\0'), nullptr},
        {L"Expand", REG_EXPAND_SZ, bytesOf(std::wstring(L"%ORVANE_WIDE%\\x", 16)), L"String:%ORVANE_WIDE%\\x"},
        {L"Multi", REG_MULTI_SZ, bytesOf(std::wstring(L"a\0bc\0\0", 6)), L"[String:a,String:bc]"},
        {L"MultiInnerEmpty", REG_MULTI_SZ, bytesOf(std::wstring(L"a\0\0b\0\0", 6)), L"[String:a,String:,String:b]"},
        {L"MultiEmpty", REG_MULTI_SZ, bytesOf(std::wstring(1, L'\0')), L"[]"},
        {L"MultiNothing", REG_MULTI_SZ, {}, L"[]"},
        {L"DWord", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, L"Long:-1"},
        {L"DWordShort", REG_DWORD, {1, 2, 3}, L"[Byte:1,Byte:2,Byte:3]"},
        {L"QWord", REG_QWORD, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, L"String:18446744073709551615"},
        {L"QWordOdd", REG_QWORD, {1, 0, 0, 0, 0, 0, 0x20, 0}, L"String:9007199254740993"},
        {L"Binary", REG_BINARY, {0, 255, 65}, L"[Byte:0,Byte:255,Byte:65]"},
        {L"None", REG_NONE, {}, L"[]"},
        {L"NoneByte", REG_NONE, {7}, L"[Byte:7]"},
        {L"BigEndian", REG_DWORD_BIG_ENDIAN, {0, 0, 0, 1}, L"[Byte:0,Byte:0,Byte:0,Byte:1]"},
        {L"Unknown", 0x1234, {9}, L"[Byte:9]"},
    };
    for (const StoredCase& row : cases) store(row.name, row.type, row.data);
    for (const StoredCase& row : cases) {
        SCOPED_TRACE(row.name);
        Call value = read(row.name);
        ASSERT_EQ(S_OK, value.result);
        const std::wstring expected = row.value ? row.value : L"String:" + std::wstring(600, L'x');
        EXPECT_EQ(expected, shown(*value.value.get()));
        Call type = read(row.name, L"ReadDataTypeEx");
        ASSERT_EQ(VT_I4, V_VT(type.value.get()));
        EXPECT_EQ(static_cast<long>(row.type), V_I4(type.value.get()));
        EXPECT_EQ(VARIANT_TRUE, V_BOOL(read(row.name, L"ValueExistEx").value.get()));
    }

    // The listing holds every one of them, each with its own type and the same data.
    Bstr sub(testKey().c_str());
    Call listed = call(L"ListValuesEx", {vLong(ovHKEY_CURRENT_USER), vText(sub)});
    ASSERT_EQ(VT_DISPATCH, V_VT(listed.value.get()));
    IDispatch* list = V_DISPATCH(listed.value.get());
    ASSERT_EQ(static_cast<long>(cases.size()), V_I4(invokeByName(list, L"Count").value.get()));
    for (long n = 1; n <= static_cast<long>(cases.size()); ++n) {
        Call item = invokeByName(list, L"Item", {vLong(n)});
        IDispatch* record = V_DISPATCH(item.value.get());
        const std::wstring name = text(*invokeByName(record, L"ValueName").value.get());
        SCOPED_TRACE(name);
        auto row = std::find_if(cases.begin(), cases.end(), [&](const StoredCase& c) { return name == c.name; });
        ASSERT_NE(cases.end(), row);
        EXPECT_EQ(static_cast<long>(row->type), V_I4(invokeByName(record, L"DataType").value.get()));
        EXPECT_EQ(shown(*read(name).value.get()), shown(*invokeByName(record, L"ValueData").value.get()));
    }
}

TEST_F(OVRegistryWide, ExpandedValuesReplaceEnvironmentReferences) {
    ::SetEnvironmentVariableW(L"ORVANE_WIDE", L"C:\\Orvane");
    store(L"Expand", REG_EXPAND_SZ, bytesOf(std::wstring(L"%ORVANE_WIDE%\\x %ORVANE_UNSET%", 31)));
    store(L"Plain", REG_SZ, bytesOf(std::wstring(L"%ORVANE_WIDE%", 14)));
    EXPECT_EQ(L"String:C:\\Orvane\\x %ORVANE_UNSET%", shown(*read(L"Expand", L"ReadExpandedValue").value.get()));
    EXPECT_EQ(L"String:%ORVANE_WIDE%\\x %ORVANE_UNSET%", shown(*read(L"Expand").value.get()));
    EXPECT_EQ(L"String:%ORVANE_WIDE%", shown(*read(L"Plain", L"ReadExpandedValue").value.get()));
    EXPECT_EQ(L"Empty", shown(*read(L"Missing", L"ReadExpandedValue").value.get()));
    ::SetEnvironmentVariableW(L"ORVANE_WIDE", nullptr);
}

struct WrittenCase {
    const wchar_t* name;
    long type;
    Variant value;
    std::vector<BYTE> data;  // what the platform then holds
};

TEST_F(OVRegistryWide, EveryTypeWrittenReachesThePlatformByteForByte) {
    DECIMAL largest{};
    largest.Lo64 = ~0ULL;
    Variant decimal;
    V_DECIMAL(decimal.get()) = largest;
    V_VT(decimal.get()) = VT_DECIMAL;
    DECIMAL scaled{};  // 42.00
    scaled.Lo64 = 4200;
    scaled.scale = 2;
    Variant decimalScaled;
    V_DECIMAL(decimalScaled.get()) = scaled;
    V_VT(decimalScaled.get()) = VT_DECIMAL;
    CY currency{};
    currency.int64 = 123450000;
    Variant money;
    V_VT(money.get()) = VT_CY;
    V_CY(money.get()) = currency;
    SAFEARRAY* raw = ::SafeArrayCreateVector(VT_UI1, 0, 2);
    LONG at = 0;
    BYTE nine = 9, eight = 8;
    ::SafeArrayPutElement(raw, &at, &nine);
    at = 1;
    ::SafeArrayPutElement(raw, &at, &eight);
    Variant byteArray;
    V_VT(byteArray.get()) = VT_ARRAY | VT_UI1;
    V_ARRAY(byteArray.get()) = raw;
    const std::vector<BYTE> allOnes8(8, 0xFF), allOnes4(4, 0xFF);

    std::vector<WrittenCase> cases;
    cases.push_back({L"Text", REG_SZ, textValue(L"abc"), bytesOf(std::wstring(L"abc", 4))});
    cases.push_back({L"Number", REG_SZ, owned(vLong(42)), bytesOf(std::wstring(L"42", 3))});
    cases.push_back({L"Empty", REG_SZ, textValue(L""), bytesOf(std::wstring(1, L'\0'))});
    cases.push_back({L"Expand", REG_EXPAND_SZ, textValue(L"%PATH%"), bytesOf(std::wstring(L"%PATH%", 7))});
    cases.push_back({L"Multi", REG_MULTI_SZ, ScriptArray({textValue(L"a"), textValue(L"bc")}).value,
                     bytesOf(std::wstring(L"a\0bc\0\0", 6))});
    cases.push_back({L"MultiEmpty", REG_MULTI_SZ, ScriptArray(std::vector<Variant>{}).value, bytesOf(std::wstring(1, L'\0'))});
    cases.push_back({L"DWord", REG_DWORD, owned(vLong(-1)), allOnes4});
    cases.push_back({L"DWordText", REG_DWORD, textValue(L"4294967295"), allOnes4});
    cases.push_back({L"DWordDouble", REG_DWORD, owned(vDouble(7.0)), {7, 0, 0, 0}});
    cases.push_back({L"QWordText", REG_QWORD, textValue(L" 18446744073709551615 "), allOnes8});
    cases.push_back({L"QWordLong", REG_QWORD, owned(vLong(5)), {5, 0, 0, 0, 0, 0, 0, 0}});
    cases.push_back({L"QWordNegative", REG_QWORD, textValue(L"-1"), allOnes8});
    cases.push_back({L"QWordDecimal", REG_QWORD, decimal, allOnes8});
    cases.push_back({L"QWordScaled", REG_QWORD, decimalScaled, {42, 0, 0, 0, 0, 0, 0, 0}});
    cases.push_back({L"QWordCurrency", REG_QWORD, money, {0x39, 0x30, 0, 0, 0, 0, 0, 0}});
    cases.push_back({L"Binary", REG_BINARY, ScriptArray({owned(vInteger(1)), owned(vLong(2)), owned(vDouble(255))}).value,
                     {1, 2, 255}});
    cases.push_back({L"BinaryTyped", REG_BINARY, byteArray, {9, 8}});
    cases.push_back({L"None", REG_NONE, Variant(), {}});
    cases.push_back({L"Unknown", 0x1234, ScriptArray({owned(vLong(7))}).value, {7}});
    for (const WrittenCase& row : cases) {
        SCOPED_TRACE(row.name);
        Call written = write(row.type, row.name, *row.value.get());
        ASSERT_EQ(S_OK, written.result) << written.description;
        EXPECT_EQ(L"Long:0", shown(*written.value.get()));
        DWORD type = 0;
        std::vector<BYTE> data;
        ASSERT_TRUE(stored(row.name, &type, &data));
        EXPECT_EQ(static_cast<DWORD>(row.type), type);
        EXPECT_EQ(row.data, data);
    }
}

struct BadCase {
    const wchar_t* what;
    long type;
    Variant value;
    long view;
    long error;
};

TEST_F(OVRegistryWide, BadInputRaisesAClearErrorAndWritesNothing) {
    std::vector<BadCase> cases;
    cases.push_back({L"view 1", REG_SZ, textValue(L"x"), 1, 5});
    cases.push_back({L"both views", REG_SZ, textValue(L"x"), 0x300, 5});
    cases.push_back({L"negative type", -1, textValue(L"x"), 0, 5});
    cases.push_back({L"multi-string with a number", REG_MULTI_SZ, ScriptArray({textValue(L"a"), owned(vLong(1))}).value, 0, 13});
    cases.push_back({L"multi-string with an empty text", REG_MULTI_SZ, ScriptArray({textValue(L"a"), textValue(L"")}).value, 0, 5});
    cases.push_back({L"multi-string from a text", REG_MULTI_SZ, textValue(L"a"), 0, 13});
    cases.push_back({L"QWORD 2^64", REG_QWORD, textValue(L"18446744073709551616"), 0, 6});
    cases.push_back({L"QWORD below -2^63", REG_QWORD, textValue(L"-9223372036854775809"), 0, 6});
    cases.push_back({L"QWORD 1e20", REG_QWORD, owned(vDouble(1e20)), 0, 6});
    cases.push_back({L"QWORD 1.5", REG_QWORD, owned(vDouble(1.5)), 0, 5});
    cases.push_back({L"QWORD not a number", REG_QWORD, textValue(L"12abc"), 0, 13});
    cases.push_back({L"DWORD 2^32", REG_DWORD, textValue(L"4294967296"), 0, 6});
    cases.push_back({L"DWORD below -2^31", REG_DWORD, owned(vDouble(-2147483649.0)), 0, 6});
    cases.push_back({L"DWORD Null", REG_DWORD, owned(vNull()), 0, 94});
    cases.push_back({L"byte 256", REG_BINARY, ScriptArray({owned(vLong(256))}).value, 0, 6});
    cases.push_back({L"byte -1", REG_BINARY, ScriptArray({owned(vLong(-1))}).value, 0, 6});
    cases.push_back({L"bytes from a text", REG_BINARY, textValue(L"AB"), 0, 13});
    cases.push_back({L"text from an array", REG_SZ, ScriptArray({textValue(L"a")}).value, 0, 13});
    for (const BadCase& row : cases) {
        SCOPED_TRACE(row.what);
        Call written = write(row.type, L"Bad", *row.value.get(), {vLong(row.view)});
        EXPECT_TRUE(raised(written, row.error));
        EXPECT_FALSE(written.description.empty());
        EXPECT_EQ(L"TVOrvaneSuite.OVRegistry", written.source);
        EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, testKey(), 0)) << "the key was created";
    }
    Bstr sub(testKey().c_str());
    Call listed = call(L"ListKeysEx", {vLong(ovHKEY_CURRENT_USER), vText(sub), vLong(2)});
    EXPECT_TRUE(raised(listed, 5, L"Unknown registry view 2: use ovDefaultView (0), ov64BitView (256) or ov32BitView (512)."));
}

TEST_F(OVRegistryWide, NamesOutsideTheAnsiCodePageRoundTrip) {
    const std::wstring keyName = L"\u041a\u043b\u044e\u0447-\u30ad\u30fc";
    const std::wstring valueName = L"\u540d\u524d \u03a9";
    const std::wstring data = L"\u2603 snow";
    const std::wstring path = testKey() + L"\\" + keyName;
    Bstr sub(path.c_str()), name(valueName.c_str()), parent(testKey().c_str());
    Variant value = textValue(data.c_str());
    EXPECT_EQ(L"Long:0", shown(*call(L"WriteValueEx", {vLong(ovHKEY_CURRENT_USER), vText(sub), vLong(REG_SZ), vText(name),
                                                       *value.get()}).value.get()));
    EXPECT_EQ(L"String:" + data, shown(*call(L"ReadValueEx", {vLong(ovHKEY_CURRENT_USER), vText(sub), vText(name)}).value.get()));

    Call keys = call(L"ListKeysEx", {vLong(ovHKEY_CURRENT_USER), vText(parent)});
    IDispatch* record = V_DISPATCH(invokeByName(V_DISPATCH(keys.value.get()), L"Item", {vLong(1)}).value.get());
    EXPECT_EQ(keyName, text(*invokeByName(record, L"KeyNames").value.get()));
    Call values = call(L"ListValuesEx", {vLong(ovHKEY_CURRENT_USER), vText(sub)});
    record = V_DISPATCH(invokeByName(V_DISPATCH(values.value.get()), L"Item", {vLong(1)}).value.get());
    EXPECT_EQ(valueName, text(*invokeByName(record, L"ValueName").value.get()));

    // The ANSI members see these names as their code page copies (question marks):
    // they reach neither the key nor the value.
    EXPECT_EQ(L"Empty", shown(*call(L"ReadValue", {vLong(ovHKEY_CURRENT_USER), vText(sub), vText(name)}).value.get()));
    EXPECT_EQ(VARIANT_FALSE, V_BOOL(call(L"KeyExist", {vLong(ovHKEY_CURRENT_USER), vText(sub)}).value.get()));
    Call oldKeys = call(L"ListKeys", {vLong(ovHKEY_CURRENT_USER), vText(parent)});
    record = V_DISPATCH(invokeByName(V_DISPATCH(oldKeys.value.get()), L"Item", {vLong(1)}).value.get());
    EXPECT_EQ(L"????" L"-??", text(*invokeByName(record, L"KeyNames").value.get()));

    EXPECT_EQ(L"Long:0", shown(*call(L"DeleteValueEx", {vLong(ovHKEY_CURRENT_USER), vText(sub), vText(name)}).value.get()));
    EXPECT_EQ(L"Long:0", shown(*call(L"DeleteKeyEx", {vLong(ovHKEY_CURRENT_USER), vText(sub)}).value.get()));
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, path, 0));
}

TEST_F(OVRegistryWide, LongDataIsReadWholeWhereTheFirstMembersStopAt255Bytes) {
    const std::wstring text(1000, L'y');
    store(L"Long", REG_SZ, bytesOf(text + L'\0'));
    EXPECT_EQ(L"String:" + text, shown(*read(L"Long").value.get()));
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(read(L"Long", L"ValueExistEx").value.get()));
    EXPECT_EQ(VARIANT_FALSE, V_BOOL(read(L"Long", L"ValueExist").value.get()));
}

TEST_F(OVRegistryWide, ListsAreFreshAndMissingKeysGiveNothing) {
    store(L"A", REG_SZ, bytesOf(std::wstring(L"1", 2)));
    Bstr sub(testKey().c_str()), missing((testKey() + L"\\none").c_str());
    Call first = call(L"ListValuesEx", {vLong(ovHKEY_CURRENT_USER), vText(sub)});
    Call second = call(L"ListValuesEx", {vLong(ovHKEY_CURRENT_USER), vText(sub)});
    EXPECT_NE(V_DISPATCH(first.value.get()), V_DISPATCH(second.value.get()));
    EXPECT_EQ(1, V_I4(invokeByName(V_DISPATCH(second.value.get()), L"Count").value.get()));
    for (const wchar_t* member : {L"ListValuesEx", L"ListKeysEx"}) {
        Call none = call(member, {vLong(ovHKEY_CURRENT_USER), vText(missing)});
        ASSERT_EQ(S_OK, none.result);
        EXPECT_EQ(VT_DISPATCH, V_VT(none.value.get()));
        EXPECT_EQ(nullptr, V_DISPATCH(none.value.get())) << member;
    }
    EXPECT_EQ(L"Long:2", shown(*read(L"Missing", L"DeleteValueEx").value.get()));
    EXPECT_EQ(L"Empty", shown(*read(L"Missing", L"ReadDataTypeEx").value.get()));
}

// HKEY_LOCAL_MACHINE\Software is where the two views differ (the user's Software key
// is shared between them).
TEST_F(OVRegistryWide, EachViewReachesItsOwnKeysAndTheDefaultIsTheCallersOwn) {
    Bstr sub(testKey().c_str()), name(L"Where");
    for (long view : {static_cast<long>(ov64BitView), static_cast<long>(ov32BitView)}) {
        Variant value = textValue(view == ov64BitView ? L"64" : L"32");
        ASSERT_EQ(L"Long:0", shown(*call(L"WriteValueEx", {vLong(ovHKEY_LOCAL_MACHINE), vText(sub), vLong(REG_SZ),
                                                           vText(name), *value.get(), vLong(view)}).value.get()));
    }
    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(stored(L"Where", &type, &data, HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY));
    EXPECT_EQ(bytesOf(std::wstring(L"32", 3)), data);
    ASSERT_TRUE(stored(L"Where", &type, &data, HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY));
    EXPECT_EQ(bytesOf(std::wstring(L"64", 3)), data);
    EXPECT_EQ(is64Bit ? L"String:64" : L"String:32",
              shown(*call(L"ReadValueEx", {vLong(ovHKEY_LOCAL_MACHINE), vText(sub), vText(name)}).value.get()));

    // Deleting in one view leaves the other.
    ASSERT_EQ(L"Long:0", shown(*call(L"DeleteValueEx", {vLong(ovHKEY_LOCAL_MACHINE), vText(sub), vText(name),
                                                        vLong(ov32BitView)}).value.get()));
    ASSERT_EQ(L"Long:0", shown(*call(L"DeleteKeyEx", {vLong(ovHKEY_LOCAL_MACHINE), vText(sub), vLong(ov32BitView)}).value.get()));
    EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, testKey(), KEY_WOW64_32KEY));
    EXPECT_TRUE(keyExists(HKEY_LOCAL_MACHINE, testKey(), KEY_WOW64_64KEY));
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(call(L"KeyExistEx", {vLong(ovHKEY_LOCAL_MACHINE), vText(sub), vLong(ov64BitView)}).value.get()));
    EXPECT_EQ(VARIANT_FALSE, V_BOOL(call(L"KeyExistEx", {vLong(ovHKEY_LOCAL_MACHINE), vText(sub), vLong(ov32BitView)}).value.get()));
    Bstr parent(parentKey.c_str());
    Call keys = call(L"ListKeysEx", {vLong(ovHKEY_LOCAL_MACHINE), vText(parent), vLong(ov64BitView)});
    ASSERT_NE(nullptr, V_DISPATCH(keys.value.get()));
    EXPECT_LE(1, V_I4(invokeByName(V_DISPATCH(keys.value.get()), L"Count").value.get()));
}

// The registry tool of the other bitness (its default view is our other one): it
// finds what we wrote there, and we read what it wrote. Started from the system
// folder the platform keeps for the other bitness.
DWORD runOtherRegistryTool(const std::wstring& arguments) {
    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(windows) + (is64Bit ? L"\\syswow64" : L"\\sysnative") + L"\\reg.exe\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                          &process)) {
        return 0xFFFFFFFF;
    }
    // Only a hung tool ends here: a start of the other bitness takes seconds, not minutes.
    ::WaitForSingleObject(process.hProcess, 120000);
    DWORD code = 0xFFFFFFFE;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return code;
}

TEST_F(OVRegistryWide, AProgramOfTheOtherBitnessSharesTheOtherView) {
    // A machine without the other half of the platform cannot start the tool at all.
    if (runOtherRegistryTool(L"/?") == 0xFFFFFFFF) GTEST_SKIP() << "no program of the other bitness starts here";
    const long otherView = is64Bit ? ov32BitView : ov64BitView;
    const std::wstring path = L"HKLM\\" + testKey();
    Bstr sub(testKey().c_str()), ours(L"FromUs"), theirs(L"FromThem");
    ScriptArray lines({textValue(L"one"), textValue(L"two")});
    ASSERT_EQ(L"Long:0", shown(*call(L"WriteValueEx", {vLong(ovHKEY_LOCAL_MACHINE), vText(sub), vLong(REG_MULTI_SZ),
                                                       vText(ours), *lines.value.get(), vLong(otherView)}).value.get()));
    EXPECT_EQ(0u, runOtherRegistryTool(L"query \"" + path + L"\" /v FromUs"));
    ASSERT_EQ(0u, runOtherRegistryTool(L"add \"" + path + L"\" /v FromThem /t REG_DWORD /d 4294967295 /f"));

    EXPECT_EQ(L"Long:-1", shown(*call(L"ReadValueEx", {vLong(ovHKEY_LOCAL_MACHINE), vText(sub), vText(theirs),
                                                       vLong(otherView)}).value.get()));
    // Its default view is not ours: neither value is in our own view.
    EXPECT_EQ(L"Empty", shown(*call(L"ReadValueEx", {vLong(ovHKEY_LOCAL_MACHINE), vText(sub), vText(theirs)}).value.get()));
    EXPECT_EQ(L"Empty", shown(*call(L"ReadValueEx", {vLong(ovHKEY_LOCAL_MACHINE), vText(sub), vText(ours)}).value.get()));
    ASSERT_EQ(L"Long:0", shown(*call(L"DeleteValueEx", {vLong(ovHKEY_LOCAL_MACHINE), vText(sub), vText(theirs),
                                                        vLong(otherView)}).value.get()));
    EXPECT_NE(0u, runOtherRegistryTool(L"query \"" + path + L"\" /v FromThem"));
}

// Early binding: the first interface's slots, and one object behind both identifiers.
TEST_F(OVRegistryWide, BothInterfacesAreOneObjectAndTheFirstKeepsItsSlots) {
    ComPtr<_OVRegistry> first;
    ComPtr<_OVRegistry2> second;
    ASSERT_EQ(S_OK, registry->QueryInterface(IID__OVRegistry, first.putVoid()));
    ASSERT_EQ(S_OK, first->QueryInterface(IID__OVRegistry2, second.putVoid()));
    ComPtr<IUnknown> fromFirst, fromSecond;
    first->QueryInterface(IID_IUnknown, fromFirst.putVoid());
    second->QueryInterface(IID_IUnknown, fromSecond.putVoid());
    EXPECT_EQ(fromFirst.get(), fromSecond.get());

    auto root = static_cast<OVRegistryHKeyConstants>(ovHKEY_CURRENT_USER);
    auto type = static_cast<OVRegistryDataTypeConstants>(ovString);
    BSTR sub = ::SysAllocString(testKey().c_str()), name = ::SysAllocString(L"Old"), data = ::SysAllocString(L"kept");
    Variant code, value;
    EXPECT_EQ(S_OK, first->WriteValue(&root, &sub, &type, &name, &data, code.put()));
    EXPECT_EQ(L"Long:0", shown(*code.get()));
    EXPECT_EQ(S_OK, second->ReadValueEx(root, sub, name, ovDefaultView, value.put()));
    EXPECT_EQ(L"String:kept", shown(*value.get()));
    ::SysFreeString(sub);
    ::SysFreeString(name);
    ::SysFreeString(data);

    // Late bound, the first members keep their identifiers.
    struct Known {
        const wchar_t* name;
        DISPID id;
    };
    for (Known known : {Known{L"CreateKey", 0x60030000}, Known{L"ReadDataType", 0x60030009}, Known{L"CreateKeyEx", 0x6003000A},
                        Known{L"ReadExpandedValue", 0x60030014}}) {
        LPOLESTR names[] = {const_cast<LPOLESTR>(known.name)};
        DISPID id = 0;
        EXPECT_EQ(S_OK, dispatch()->GetIDsOfNames(IID_NULL, names, 1, 0, &id));
        EXPECT_EQ(known.id, id) << known.name;
    }
    EXPECT_EQ(S_OK, registry->InterfaceSupportsErrorInfo(IID__OVRegistry));
    EXPECT_EQ(S_OK, registry->InterfaceSupportsErrorInfo(IID__OVRegistry2));
}

}  // namespace
}  // namespace orvane
