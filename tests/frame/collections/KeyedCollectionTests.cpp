// The record classes and keyed collections clients get from the registry and
// folder-selection components.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "frame/automation/Runtime.h"
#include "frame/collections/OVFolderSelectValues.h"
#include "frame/collections/OVRegistryKeys.h"
#include "frame/collections/OVRegistryValue.h"
#include "frame/collections/OVRegistryValues.h"

namespace orvane {
namespace {

using namespace test;

constexpr DISPID idAdd = 0x60030001, idRemove = 0x60030002, idCount = 0x68030000, idField0 = 0x40030000;

long countOf(IDispatch* collection) {
    Call call = invoke(collection, idCount, DISPATCH_PROPERTYGET, {});
    return V_I4(call.value.get());
}

std::wstring keyNameAt(IDispatch* keys, VARIANT index) {
    Call item = invoke(keys, DISPID_VALUE, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {index});
    if (item.result != S_OK || V_VT(item.value.get()) != VT_DISPATCH) return L"<none>";
    Call name = invoke(V_DISPATCH(item.value.get()), idField0, DISPATCH_PROPERTYGET, {});
    return text(*name.value.get());
}

TEST(KeyedCollections, EmptyKeyAppendsWithoutKey) {
    auto keys = OVRegistryKeys::create();
    Bstr name(L"Run"), empty(L"");
    EXPECT_EQ(S_OK, invokeMethod(keys.get(), idAdd, {vText(name), vText(empty)}).result);
    EXPECT_EQ(S_OK, invokeMethod(keys.get(), idAdd, {vText(name)}).result);  // sKey omitted
    EXPECT_EQ(2, countOf(keys.get()));
    EXPECT_EQ(L"Run", keyNameAt(keys.get(), vLong(2)));
}

TEST(KeyedCollections, KeysIgnoreCaseAndDuplicatesLeaveTheCollectionUnchanged) {
    auto keys = OVRegistryKeys::create();
    Bstr a(L"a"), b(L"b"), key(L"Key"), other(L"KEY");
    EXPECT_EQ(S_OK, invokeMethod(keys.get(), idAdd, {vText(a), vText(key)}).result);
    EXPECT_TRUE(raised(invokeMethod(keys.get(), idAdd, {vText(b), vText(other)}), 457));
    EXPECT_EQ(1, countOf(keys.get()));
    Bstr lower(L"key");
    EXPECT_EQ(L"a", keyNameAt(keys.get(), vText(lower)));
    Bstr missing(L"nope");
    EXPECT_TRUE(raised(invoke(keys.get(), DISPID_VALUE, DISPATCH_PROPERTYGET, {vText(missing)}), 5));
    EXPECT_TRUE(raised(invoke(keys.get(), DISPID_VALUE, DISPATCH_PROPERTYGET, {vLong(0)}), 9));
    EXPECT_TRUE(raised(invokeMethod(keys.get(), idRemove, {vLong(2)}), 9));
}

TEST(KeyedCollections, RemovalShiftsPositions) {
    auto keys = OVRegistryKeys::create();
    for (const wchar_t* name : {L"one", L"two", L"three"}) {
        Bstr text(name);
        ASSERT_EQ(S_OK, invokeMethod(keys.get(), idAdd, {vText(text)}).result);
    }
    EXPECT_EQ(S_OK, invokeMethod(keys.get(), idRemove, {vLong(1)}).result);
    EXPECT_EQ(2, countOf(keys.get()));
    EXPECT_EQ(L"two", keyNameAt(keys.get(), vLong(1)));
    EXPECT_EQ(L"three", keyNameAt(keys.get(), vLong(2)));
}

TEST(KeyedCollections, RemovalFromFrontMiddleAndBackKeepsPositionsKeysAndOrder) {
    // Enough records to fill several nodes of the collection's tree.
    auto keys = OVRegistryKeys::create();
    std::vector<std::wstring> model;
    for (int n = 0; n < 3000; ++n) {
        Bstr name((L"key" + std::to_wstring(n)).c_str());
        ASSERT_EQ(S_OK, invokeMethod(keys.get(), idAdd, {vText(name), vText(name)}).result);
        model.push_back(name.get());
    }
    std::mt19937 random(3);
    for (int round = 0; round < 900; ++round) {
        const size_t places[] = {0, model.size() / 2, model.size() - 1};
        const size_t at = places[round % 3];
        if (random() % 2) {
            ASSERT_EQ(S_OK, invokeMethod(keys.get(), idRemove, {vLong(static_cast<long>(at + 1))}).result);
        } else {
            Bstr key(model[at].c_str());
            ASSERT_EQ(S_OK, invokeMethod(keys.get(), idRemove, {vText(key)}).result);
        }
        model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
    }
    ASSERT_EQ(static_cast<long>(model.size()), countOf(keys.get()));
    std::vector<std::wstring> byPosition, byEnumeration;
    for (long n = 1; n <= countOf(keys.get()); ++n) byPosition.push_back(keyNameAt(keys.get(), vLong(n)));
    EXPECT_EQ(model, byPosition);
    ComPtr<IUnknown> unknown;
    ASSERT_EQ(S_OK, keys->get_NewEnum(unknown.put()));
    auto each = unknown.query<IEnumVARIANT>();
    VARIANT record;
    ULONG fetched = 0;
    while (each->Next(1, &record, &fetched) == S_OK) {
        byEnumeration.push_back(text(*invoke(V_DISPATCH(&record), idField0, DISPATCH_PROPERTYGET, {}).value.get()));
        ::VariantClear(&record);
    }
    EXPECT_EQ(model, byEnumeration);
    for (size_t n = 0; n < model.size(); n += 101) {
        Bstr upper(runtime::toUpper(model[n]).c_str());
        EXPECT_EQ(model[n], keyNameAt(keys.get(), vText(upper)));
    }
}

TEST(KeyedCollections, ReturnedRecordsAreTheStoredOnes) {
    auto values = OVRegistryValues::create();
    BSTR name = ::SysAllocString(L"Version");
    VARIANT data = vLong(42);
    OVRegistryDataTypeConstants type = ovDWord;
    BSTR key = ::SysAllocString(L"v");
    _OVRegistryValue* added = nullptr;
    ASSERT_EQ(S_OK, values->Add(&name, &data, &type, &key, &added));
    BSTR renamed = ::SysAllocString(L"Renamed");
    EXPECT_EQ(S_OK, added->put_ValueName(renamed));
    Bstr indexText(L"V");
    VARIANT index = vText(indexText);
    _OVRegistryValue* found = nullptr;
    ASSERT_EQ(S_OK, values->get_Item(&index, &found));
    EXPECT_EQ(added, found);
    BSTR stored = nullptr;
    found->get_ValueName(&stored);
    EXPECT_STREQ(L"Renamed", stored);
    VARIANT storedData;
    ::VariantInit(&storedData);
    found->get_ValueData(&storedData);
    EXPECT_EQ(VT_I4, V_VT(&storedData));
    EXPECT_EQ(42, V_I4(&storedData));
    OVRegistryDataTypeConstants storedType{};
    found->get_DataType(&storedType);
    EXPECT_EQ(ovDWord, storedType);
    for (BSTR text : {name, key, renamed, stored}) ::SysFreeString(text);
    added->Release();
    found->Release();
}

TEST(KeyedCollections, NewRecordsHoldEmptyFields) {
    auto value = OVRegistryValue::create();
    Call data = invoke(value.get(), idField0 + 1, DISPATCH_PROPERTYGET, {});
    EXPECT_EQ(VT_EMPTY, V_VT(data.value.get()));
    Call type = invoke(value.get(), idField0 + 2, DISPATCH_PROPERTYGET, {});
    EXPECT_EQ(0, V_I4(type.value.get()));
    Call name = invoke(value.get(), idField0, DISPATCH_PROPERTYGET, {});
    EXPECT_EQ(VT_BSTR, V_VT(name.value.get()));
    EXPECT_EQ(L"", text(*name.value.get()));
    // ValueData takes an object by reference too.
    auto other = OVRegistryValue::create();
    EXPECT_EQ(S_OK, propertyPut(value.get(), idField0 + 1, vObject(other.get()), DISPATCH_PROPERTYPUTREF).result);
    Call object = invoke(value.get(), idField0 + 1, DISPATCH_PROPERTYGET, {});
    ASSERT_EQ(VT_DISPATCH, V_VT(object.value.get()));
    EXPECT_EQ(static_cast<IDispatch*>(other.get()), V_DISPATCH(object.value.get()));
}

TEST(KeyedCollections, ForEachVisitsRecordsInOrder) {
    auto folders = OVFolderSelectValues::create();
    for (const wchar_t* name : {L"C:\\", L"D:\\"}) {
        BSTR shown = ::SysAllocString(name), path = ::SysAllocString(name);
        _OVFolderSelectValue* record = nullptr;
        ASSERT_EQ(S_OK, folders->Add(&shown, &path, nullptr, &record));  // an early-bound caller may omit sKey
        record->Release();
        ::SysFreeString(shown);
        ::SysFreeString(path);
    }
    Call enumerator = invoke(folders.get(), DISPID_NEWENUM, DISPATCH_PROPERTYGET, {});
    ASSERT_EQ(VT_UNKNOWN, V_VT(enumerator.value.get()));
    ComPtr<IEnumVARIANT> each;
    V_UNKNOWN(enumerator.value.get())->QueryInterface(IID_IEnumVARIANT, each.putVoid());
    VARIANT record;
    ULONG fetched = 0;
    std::vector<std::wstring> seen;
    while (each->Next(1, &record, &fetched) == S_OK) {
        Call path = invoke(V_DISPATCH(&record), idField0 + 1, DISPATCH_PROPERTYGET, {});
        seen.push_back(text(*path.value.get()));
        ::VariantClear(&record);
    }
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\", L"D:\\"}), seen);

    auto empty = OVFolderSelectValues::create();
    ComPtr<IUnknown> none;
    ASSERT_EQ(S_OK, empty->get_NewEnum(none.put()));
    EXPECT_EQ(S_FALSE, none.query<IEnumVARIANT>()->Next(1, &record, &fetched));
}

// JScript calls everything with DISPATCH_METHOD alone: Count(), Item(1) and the
// enumerator that new Enumerator(c) asks for must answer as their property gets do,
// while assignments and unknown identifiers still fail.
TEST(KeyedCollections, PropertyGetsAnswerMethodCalls) {
    auto keys = OVRegistryKeys::create();
    Bstr run(L"Run"), once(L"RunOnce"), key(L"once");
    invokeMethod(keys.get(), idAdd, {vText(run)});
    invokeMethod(keys.get(), idAdd, {vText(once), vText(key)});

    Call count = invoke(keys.get(), idCount, DISPATCH_METHOD, {});
    ASSERT_EQ(S_OK, count.result);
    EXPECT_EQ(VT_I4, V_VT(count.value.get()));
    EXPECT_EQ(2, V_I4(count.value.get()));

    Bstr wanted(L"ONCE");
    Call item = invoke(keys.get(), DISPID_VALUE, DISPATCH_METHOD, {vText(wanted)});
    ASSERT_EQ(S_OK, item.result);
    EXPECT_EQ(L"RunOnce", text(*invoke(V_DISPATCH(item.value.get()), idField0, DISPATCH_PROPERTYGET, {}).value.get()));
    EXPECT_TRUE(raised(invoke(keys.get(), DISPID_VALUE, DISPATCH_METHOD, {vLong(3)}), 9));

    Call enumerator = invoke(keys.get(), DISPID_NEWENUM, DISPATCH_METHOD, {});
    ASSERT_EQ(S_OK, enumerator.result);
    ASSERT_EQ(VT_UNKNOWN, V_VT(enumerator.value.get()));
    ComPtr<IEnumVARIANT> each;
    EXPECT_EQ(S_OK, V_UNKNOWN(enumerator.value.get())->QueryInterface(IID_IEnumVARIANT, each.putVoid()));

    EXPECT_EQ(DISP_E_BADPARAMCOUNT, invoke(keys.get(), idCount, DISPATCH_METHOD, {vLong(1)}).result);
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, propertyPut(keys.get(), idCount, vLong(5)).result);
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, invoke(keys.get(), 0x68030001, DISPATCH_METHOD, {}).result);
    EXPECT_EQ(2, countOf(keys.get()));
}

// A record's field read with a method call, as JScript writes record.KeyNames().
TEST(KeyedCollections, RecordFieldsAnswerMethodCalls) {
    auto keys = OVRegistryKeys::create();
    Bstr run(L"Run");
    Call added = invokeMethod(keys.get(), idAdd, {vText(run)});
    Call name = invoke(V_DISPATCH(added.value.get()), idField0, DISPATCH_METHOD, {});
    ASSERT_EQ(S_OK, name.result);
    EXPECT_EQ(L"Run", text(*name.value.get()));
}

}  // namespace
}  // namespace orvane
