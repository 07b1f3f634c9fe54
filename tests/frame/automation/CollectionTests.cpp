// The runtime Collection: order, 1-based positions, keys without case, errors,
// enumeration, and its late-bound face.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>
#include <random>

#include "TestSupport.h"
#include "frame/automation/Collection.h"
#include "frame/base/Errors.h"
#include "frame/base/Module.h"
#include "frame/automation/Runtime.h"

namespace orvane {
namespace {

using namespace test;

long errorNumber(const std::function<void()>& body) {
    try {
        body();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

TEST(Collection, OrderPositionsAndKeys) {
    auto items = Collection::create();
    items->add(vLong(10), std::wstring(L"Ten"));
    items->add(vLong(20));
    items->add(vLong(30), std::wstring(L"thirty"));
    ASSERT_EQ(3, items->count());
    EXPECT_EQ(10, V_I4(items->item(1).get()));
    EXPECT_EQ(30, V_I4(items->item(3).get()));
    Bstr key(L"TEN");
    EXPECT_EQ(10, V_I4(items->item(vText(key)).get()));
    EXPECT_EQ(20, V_I4(items->item(vDouble(2.0)).get()));
    EXPECT_EQ(error::DuplicateKey, errorNumber([&] { items->add(vLong(1), std::wstring(L"ten")); }));
    EXPECT_EQ(3, items->count());  // the failed add left nothing behind
    EXPECT_EQ(error::SubscriptOutOfRange, errorNumber([&] { items->item(0); }));
    EXPECT_EQ(error::SubscriptOutOfRange, errorNumber([&] { items->item(4); }));
    Bstr unknown(L"eleven");
    EXPECT_EQ(error::InvalidCall, errorNumber([&] { items->item(vText(unknown)); }));
    EXPECT_EQ(error::InvalidUseOfNull, errorNumber([&] { items->item(vNull()); }));

    items->remove(1);
    EXPECT_EQ(2, items->count());
    EXPECT_EQ(20, V_I4(items->item(1).get()));  // later items moved up
    EXPECT_EQ(error::InvalidCall, errorNumber([&] { items->item(vText(key)); }));
    items->add(vLong(11), std::wstring(L"ten"));  // the key is free again
    Bstr thirty(L"Thirty");
    items->remove(vText(thirty));
    EXPECT_EQ(2, items->count());
    EXPECT_EQ(11, V_I4(items->item(2).get()));
}

TEST(Collection, BeforeAndAfter) {
    auto items = Collection::create();
    items->add(vLong(1));
    items->add(vLong(3));
    VARIANT second = vLong(2);
    items->add(vLong(2), nullptr, &second);
    VARIANT first = vLong(1);
    items->add(vLong(15), nullptr, nullptr, &first);
    const long expected[] = {1, 15, 2, 3};
    for (long n = 1; n <= 4; ++n) EXPECT_EQ(expected[n - 1], V_I4(items->item(n).get()));

    // A keyed add whose place does not exist fails whole: no item, and the key stays free.
    VARIANT nowhere = vLong(9);
    const std::wstring newKey = L"k";
    EXPECT_EQ(error::SubscriptOutOfRange, errorNumber([&] { items->add(vLong(99), &newKey, &nowhere); }));
    EXPECT_EQ(4, items->count());
    Bstr k(L"K");
    EXPECT_EQ(error::InvalidCall, errorNumber([&] { items->item(vText(k)); }));
    EXPECT_EQ(error::InvalidCall, errorNumber([&] { items->remove(vText(k)); }));
    EXPECT_EQ(4, items->count());
    items->add(vLong(42), std::wstring(L"k"));
    EXPECT_EQ(42, V_I4(items->item(vText(k)).get()));
}

TEST(Collection, ObjectsAreHeldByReference) {
    auto inner = Collection::create();
    auto outer = Collection::create();
    outer->add(vObject(inner.get()));
    Variant back = outer->item(1);
    EXPECT_EQ(static_cast<IDispatch*>(inner.get()), V_DISPATCH(back.get()));
}

TEST(Collection, EnumeratorYieldsInsertionOrder) {
    auto items = Collection::create();
    for (long n = 1; n <= 5; ++n) items->add(vLong(n * 10));
    auto unknown = items->newEnum();
    ComPtr<IEnumVARIANT> enumerator = unknown.query<IEnumVARIANT>();
    ASSERT_TRUE(enumerator);
    VARIANT values[3];
    ULONG fetched = 0;
    EXPECT_EQ(S_OK, enumerator->Next(3, values, &fetched));
    EXPECT_EQ(3u, fetched);
    EXPECT_EQ(30, V_I4(&values[2]));
    EXPECT_EQ(S_FALSE, enumerator->Next(3, values, &fetched));
    EXPECT_EQ(2u, fetched);
    EXPECT_EQ(50, V_I4(&values[1]));
    EXPECT_EQ(S_OK, enumerator->Reset());
    ComPtr<IEnumVARIANT> clone;
    EXPECT_EQ(S_OK, enumerator->Clone(clone.put()));
    EXPECT_EQ(S_OK, clone->Skip(4));
    EXPECT_EQ(S_OK, clone->Skip(1));
    EXPECT_EQ(S_FALSE, clone->Skip(1));

    auto empty = Collection::create();
    auto none = empty->newEnum().query<IEnumVARIANT>();
    EXPECT_EQ(S_FALSE, none->Next(1, values, &fetched));
    EXPECT_EQ(0u, fetched);
}

TEST(Collection, LateBoundFace) {
    auto items = Collection::create();
    Bstr key(L"k"), value(L"v");
    EXPECT_EQ(S_OK, invokeByName(items.get(), L"add", {vText(value), vText(key)}, DISPATCH_METHOD).result);
    Call count = invokeByName(items.get(), L"COUNT");
    ASSERT_EQ(S_OK, count.result);
    EXPECT_EQ(1, V_I4(count.value.get()));
    Call item = invokeMethod(items.get(), DISPID_VALUE, {vText(key)});
    EXPECT_EQ(L"v", text(*item.value.get()));
    EXPECT_TRUE(raised(invokeByName(items.get(), L"Add", {vText(value), vText(key)}, DISPATCH_METHOD), 457,
                       L"This key is already associated with an element of this collection"));
    EXPECT_TRUE(raised(invokeMethod(items.get(), DISPID_VALUE, {vLong(9)}), 9, L"Subscript out of range"));
    Call enumerator = invoke(items.get(), DISPID_NEWENUM, DISPATCH_PROPERTYGET, {});
    EXPECT_EQ(VT_UNKNOWN, V_VT(enumerator.value.get()));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, invokeMethod(items.get(), 77).result);
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, invokeMethod(items.get(), DISPID_VALUE, {vLong(1), vLong(2)}).result);
    EXPECT_EQ(DISP_E_PARAMNOTOPTIONAL, invokeMethod(items.get(), DISPID_VALUE, {}).result);
}

TEST(Collection, KeysStayFindableThroughRandomAddsAndRemovals) {
    // Many keys share probe runs of the key table; removals in the middle of a run
    // must leave every other key findable.
    auto items = Collection::create();
    std::map<std::wstring, long> model;
    std::mt19937 random(7);
    for (int step = 0; step < 20000; ++step) {
        std::wstring key = L"key" + std::to_wstring(random() % 700);
        std::wstring upper = runtime::toUpper(key);
        Bstr text(key.c_str());
        if (random() % 3 && !model.count(upper)) {
            items->add(vLong(step), key);
            model[upper] = step;
        } else if (model.count(upper)) {
            items->remove(vText(text));
            model.erase(upper);
        }
        if (step % 997 == 0) {
            for (const auto& [stored, value] : model) {
                Bstr probe(stored.c_str());
                ASSERT_EQ(value, V_I4(items->item(vText(probe)).get()));
            }
        }
    }
    EXPECT_EQ(static_cast<long>(model.size()), items->count());
}

// What the collection holds, read three ways: by position, by key, and by enumeration.
struct Contents {
    std::vector<long> byPosition, byEnumeration;
};

Contents contentsOf(Collection& items) {
    Contents seen;
    for (long n = 1; n <= items.count(); ++n) seen.byPosition.push_back(V_I4(items.item(n).get()));
    auto each = items.newEnum().query<IEnumVARIANT>();
    VARIANT value;
    ULONG fetched = 0;
    while (each->Next(1, &value, &fetched) == S_OK) {
        seen.byEnumeration.push_back(V_I4(&value));
        ::VariantClear(&value);
    }
    return seen;
}

TEST(Collection, RemovalFromFrontMiddleAndBackKeepsPositionsKeysAndOrder) {
    // Enough items to fill several tree nodes, so that removals merge and borrow.
    const long total = 5000;
    for (long removedAt : {1L, total / 2, total}) {
        for (bool byKey : {false, true}) {
            SCOPED_TRACE(testing::Message() << "removing at " << removedAt << (byKey ? " by key" : " by position"));
            auto items = Collection::create();
            std::vector<long> model;
            for (long n = 1; n <= total; ++n) {
                items->add(vLong(n), L"k" + std::to_wstring(n));
                model.push_back(n);
            }
            // Take 600 items from that place, then check everything that is left.
            for (int round = 0; round < 600; ++round) {
                size_t at = std::min(static_cast<size_t>(removedAt), model.size()) - 1;
                if (byKey) {
                    Bstr key((L"K" + std::to_wstring(model[at])).c_str());
                    items->remove(vText(key));
                } else {
                    items->remove(static_cast<long>(at + 1));
                }
                model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
            }
            Contents seen = contentsOf(*items.get());
            EXPECT_EQ(model, seen.byPosition);
            EXPECT_EQ(model, seen.byEnumeration);
            for (size_t n = 0; n < model.size(); n += 97) {
                Bstr key((L"k" + std::to_wstring(model[n])).c_str());
                ASSERT_EQ(model[n], V_I4(items->item(vText(key)).get()));
            }
        }
    }
}

TEST(Collection, AddsAndRemovalsAnywhereMatchAPlainList) {
    // Random inserts before and after positions and keys, and removals by either,
    // against a vector doing the same: the tree splits, merges and shares out nodes.
    auto items = Collection::create();
    std::vector<long> model;
    std::mt19937 random(19);
    long next = 0;
    for (int step = 0; step < 30000; ++step) {
        const bool grow = model.size() < 200 || random() % 100 < (step < 20000 ? 60 : 35);
        if (grow) {
            long value = ++next;
            std::wstring key = L"key" + std::to_wstring(value);
            if (model.empty() || random() % 4 == 0) {
                items->add(vLong(value), key);
                model.push_back(value);
                continue;
            }
            size_t at = random() % model.size();
            Bstr anchorKey((L"KEY" + std::to_wstring(model[at])).c_str());
            VARIANT place = random() % 2 ? vLong(static_cast<long>(at + 1)) : vText(anchorKey);
            if (random() % 2) {
                items->add(vLong(value), &key, &place);
                model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), value);
            } else {
                items->add(vLong(value), &key, nullptr, &place);
                model.insert(model.begin() + static_cast<std::ptrdiff_t>(at) + 1, value);
            }
        } else {
            size_t at = random() % model.size();
            if (random() % 2) {
                items->remove(static_cast<long>(at + 1));
            } else {
                Bstr key((L"Key" + std::to_wstring(model[at])).c_str());
                items->remove(vText(key));
            }
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
        }
        if (step % 2999 == 0 || step == 29999) {
            ASSERT_EQ(static_cast<long>(model.size()), items->count());
            Contents seen = contentsOf(*items.get());
            ASSERT_EQ(model, seen.byPosition);
            ASSERT_EQ(model, seen.byEnumeration);
        }
    }
    while (items->count() > 0) items->remove(1);  // the last removals empty the tree to a leaf
    items->add(vLong(7), std::wstring(L"again"));
    EXPECT_EQ(7, V_I4(items->item(1).get()));
}

TEST(Collection, EnumeratorKeepsWhatItSawWhileTheCollectionChanges) {
    auto items = Collection::create();
    for (long n = 1; n <= 3; ++n) items->add(vLong(n));
    auto each = items->newEnum().query<IEnumVARIANT>();
    items->remove(1);
    items->add(vLong(9));
    VARIANT values[4];
    ULONG fetched = 0;
    EXPECT_EQ(S_FALSE, each->Next(4, values, &fetched));
    ASSERT_EQ(3u, fetched);
    for (long n = 0; n < 3; ++n) EXPECT_EQ(n + 1, V_I4(&values[n]));
}

TEST(Collection, DrainsAMillionItemsFromTheFrontAndByKeyOldestFirst) {
    // Not a timing test: either drain walked or shifted the list once per removal
    // before, which at a million items takes hours.
    auto items = Collection::create();
    for (long n = 0; n < 1000000; ++n) items->add(vLong(n), std::wstring(L"k") + std::to_wstring(n));
    for (long n = 0; n < 500000; ++n) items->remove(1);
    EXPECT_EQ(500000, V_I4(items->item(1).get()));
    for (long n = 500000; n < 1000000; ++n) {
        Bstr key((L"K" + std::to_wstring(n)).c_str());
        items->remove(vText(key));
    }
    EXPECT_EQ(0, items->count());
}

TEST(Collection, ConstantCostOperationsAtAMillionItems) {
    // Not a timing test: a million adds, reads and removals of the last item would
    // take minutes if any of them walked the list.
    auto items = Collection::create();
    for (long n = 0; n < 1000000; ++n) items->add(vLong(n), std::wstring(L"k") + std::to_wstring(n));
    Bstr key(L"K999999");
    EXPECT_EQ(999999, V_I4(items->item(vText(key)).get()));
    for (long n = 1000000; n > 0; --n) items->remove(n);
    EXPECT_EQ(0, items->count());
}

}  // namespace
}  // namespace orvane
