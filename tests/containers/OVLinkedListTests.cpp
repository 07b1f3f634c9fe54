// OVLinkedList: slots, links, free list and cursor, checked against a plain model.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <deque>
#include <map>
#include <random>
#include <vector>

#include "TestSupport.h"
#include "containers/OVLinkedList.h"

namespace orvane {
namespace {

using namespace test;

enum : DISPID { idItem = 0x60030008, idFind = 0x6003000b, idAdd = 0x6003000c, idRemove = 0x6003000d };

long errorOf(HRESULT result) { return FAILED(result) ? result & 0xFFFF : 0; }

class OVLinkedListTest : public ::testing::Test {
protected:
    long add(const wchar_t* text, long before = 0, long after = 0) {
        Variable value(text);
        long slot = -1;
        HRESULT outcome = list->Add(&value.value, before, after, &slot);
        return SUCCEEDED(outcome) ? slot : -errorOf(outcome);
    }
    std::wstring item(long index = 0) {
        VARIANT value;
        EXPECT_EQ(S_OK, list->Item(index, &value));
        std::wstring result = V_VT(&value) == VT_EMPTY ? L"<Empty>" : text(value);
        ::VariantClear(&value);
        return result;
    }
    long current() { long index = -1; list->CurrentIndex(&index); return index; }
    long count() { long n = -1; list->Count(&n); return n; }
    bool bol() { VARIANT_BOOL b = 1; list->BOL(&b); return b == VARIANT_TRUE; }
    bool eol() { VARIANT_BOOL b = 1; list->EOL(&b); return b == VARIANT_TRUE; }
    long check(long index) {
        VARIANT_BOOL b = 1;
        HRESULT outcome = list->CheckIndex(index, &b);
        return FAILED(outcome) ? -errorOf(outcome) : b == VARIANT_TRUE;
    }
    long find(const wchar_t* text, long start = 1) {
        Variable value(text);
        long found = -1;
        HRESULT outcome = list->Find(&value.value, &start, &found);
        return SUCCEEDED(outcome) ? found : -errorOf(outcome);
    }
    void expectWhole() { EXPECT_EQ(L"", list->brokenInvariant()); }

    ComPtr<OVLinkedList> list = OVLinkedList::create();
};

TEST_F(OVLinkedListTest, NewInstanceAndCursorWalk) {
    EXPECT_EQ(0, count());
    VARIANT_BOOL empty = 0;
    list->IsEmpty(&empty);
    EXPECT_EQ(VARIANT_TRUE, empty);
    EXPECT_TRUE(bol() && eol());
    EXPECT_EQ(0, current());
    EXPECT_EQ(100, list->lastSlot());
    EXPECT_EQ(L"<Empty>", item());  // no current node
    list->MoveNext();
    EXPECT_EQ(0, current());  // from no node the cursor stays at 0

    EXPECT_EQ(1, add(L"a"));
    EXPECT_EQ(2, add(L"b"));
    EXPECT_EQ(3, add(L"c"));
    EXPECT_EQ(0, current());  // Add does not move the cursor
    list->MoveFirst();
    EXPECT_EQ(L"a", item());
    list->MoveNext();
    list->MoveNext();
    EXPECT_EQ(L"c", item());
    list->MoveNext();
    EXPECT_EQ(0, current());
    EXPECT_TRUE(eol());
    EXPECT_FALSE(bol());
    list->MoveLast();
    for (int i = 0; i < 3; ++i) list->MovePrevious();
    EXPECT_TRUE(bol());
    EXPECT_FALSE(eol());
    EXPECT_EQ(S_OK, list->Move(2));
    EXPECT_EQ(L"b", item());
    EXPECT_EQ(L"c", item(3));
    EXPECT_EQ(S_OK, list->Move(0));
    EXPECT_EQ(0, current());
    expectWhole();
}

TEST_F(OVLinkedListTest, InsertPositions) {
    add(L"a");
    add(L"b");
    EXPECT_EQ(3, add(L"x", -1));
    EXPECT_EQ(4, add(L"y", 0, 1));
    EXPECT_EQ(5, add(L"z", 2, 1));  // Before wins over After
    EXPECT_EQ((std::vector<long>{3, 1, 4, 5, 2}), list->slotsInOrder());
    EXPECT_EQ(6, add(L"t", 0, 2));  // after the tail: the new tail
    list->MoveLast();
    EXPECT_EQ(L"t", item());
    list->RemoveAll();
    EXPECT_EQ(1, add(L"only", -1));  // in front of an empty list: appended
    EXPECT_EQ((std::vector<long>{1}), list->slotsInOrder());
    expectWhole();
}

TEST_F(OVLinkedListTest, RemovingReusesSlotsAndMovesTheCursor) {
    add(L"a");
    add(L"b");
    add(L"c");
    EXPECT_EQ(S_OK, list->Remove(2));
    EXPECT_EQ(0, check(2));
    EXPECT_EQ(2, add(L"d"));
    EXPECT_EQ((std::vector<long>{1, 3, 2}), list->slotsInOrder());
    list->Move(3);
    EXPECT_EQ(S_OK, list->Remove(0));  // the current node
    EXPECT_EQ(2, current());
    EXPECT_EQ(S_OK, list->Remove(0));
    EXPECT_EQ(0, current());
    EXPECT_TRUE(eol());
    EXPECT_EQ(1, count());
    EXPECT_EQ(S_OK, list->Remove(1));
    EXPECT_EQ(0, count());
    EXPECT_EQ(1, add(L"e"));  // the last slot freed is the first reused
    EXPECT_EQ((std::vector<long>{1}), list->slotsInOrder());
    list->MoveFirst();
    list->MoveNext();
    EXPECT_TRUE(eol());
    expectWhole();
}

// Naming a slot that holds no node is refused with 9, and nothing changes.
TEST_F(OVLinkedListTest, FreeSlotsAreRefused) {
    add(L"a");
    add(L"b");
    list->Move(2);
    const std::vector<long> order = list->slotsInOrder();
    VARIANT value;
    EXPECT_TRUE(raisedEarly(list->Item(50, &value), 9, L"Subscript out of range", L"TVOrvaneSuite.OVLinkedList"));
    EXPECT_TRUE(raisedEarly(list->Move(50), 9));
    EXPECT_TRUE(raisedEarly(list->Remove(50), 9));
    EXPECT_EQ(-9, add(L"x", 50));
    EXPECT_EQ(-9, add(L"x", 0, 50));
    EXPECT_EQ(-9, add(L"x", 3));  // the slot the new node would take
    EXPECT_EQ(-9, add(L"x", 0, 101));
    EXPECT_EQ(order, list->slotsInOrder());
    EXPECT_EQ(2, current());
    list->MoveNext();
    EXPECT_TRUE(raisedEarly(list->Remove(0), 9));  // no current node
    EXPECT_EQ(2, count());
    expectWhole();
}

TEST_F(OVLinkedListTest, GrowthBySlotsOfAHundred) {
    for (long n = 1; n <= 100; ++n) ASSERT_EQ(n, add(L"v"));
    EXPECT_EQ(100, list->lastSlot());
    EXPECT_EQ(101, add(L"w"));
    EXPECT_EQ(200, list->lastSlot());
    std::vector<long> expected(101);
    for (long n = 0; n < 101; ++n) expected[n] = n + 1;
    EXPECT_EQ(expected, list->slotsInOrder());
    // A failed insert may keep the growth, but changes no node.
    for (long n = 102; n <= 200; ++n) add(L"v");
    EXPECT_EQ(-9, add(L"x", 250));
    EXPECT_EQ(300, list->lastSlot());
    EXPECT_EQ(200, count());
    expectWhole();
}

TEST_F(OVLinkedListTest, CheckIndexAndSetSize) {
    add(L"a");
    EXPECT_EQ(0, check(0));
    EXPECT_EQ(1, check(1));
    EXPECT_EQ(0, check(2));
    EXPECT_EQ(0, check(100));
    EXPECT_EQ(-9, check(101));
    EXPECT_EQ(-9, check(-1));
    EXPECT_EQ(-9, check(100000));
    EXPECT_EQ(S_OK, list->SetSize(500, 0));
    EXPECT_EQ(500, list->lastSlot());
    EXPECT_EQ(0, check(500));
    EXPECT_EQ(S_OK, list->SetSize(10, 7));  // smaller: nothing changes, ChunkSize accepted
    EXPECT_EQ(500, list->lastSlot());
    EXPECT_TRUE(raisedEarly(list->SetSize(0, 0), 5, L"Invalid procedure call or argument"));
    EXPECT_TRUE(raisedEarly(list->SetSize(10, -1), 5));
    EXPECT_TRUE(raisedEarly(list->SetSize(LONG_MAX, 0), 7, L"Out of memory"));
    EXPECT_EQ(500, list->lastSlot());
    // GrowthStep stays 100 whatever ChunkSize said.
    list->SetSize(1, 1000);
    for (long n = 2; n <= 500; ++n) add(L"v");
    EXPECT_EQ(501, add(L"v"));
    EXPECT_EQ(600, list->lastSlot());
    expectWhole();
}

TEST_F(OVLinkedListTest, FindScansSlotNumbers) {
    add(L"a");
    add(L"b");
    EXPECT_EQ(2, find(L"b"));
    EXPECT_EQ(0, find(L"b", 3));
    EXPECT_EQ(0, find(L"b", 1000));  // above the tail: 0 at once
    EXPECT_EQ(-9, find(L"b", -1));
    EXPECT_EQ(0, find(L"B"));  // binary comparison
    add(L"c", -1);                // slot 3, in front
    EXPECT_EQ(1, find(L"a"));
    list->Remove(1);
    // The freed slot 1 holds Empty, which equals the empty text.
    EXPECT_EQ(1, find(L""));
    // Late bound: StartIndex by reference, default 1, and left unchanged.
    Variable start;
    V_VT(&start.value) = VT_I4;
    V_I4(&start.value) = 2;
    Bstr b(L"b");
    Call found = invokeMethod(list.get(), idFind, {vText(b), vRef(&start.value)});
    EXPECT_EQ(2, V_I4(found.value.get()));
    EXPECT_EQ(2, V_I4(&start.value));
    // "c" sits in slot 3, above the tail (slot 2): the scan stops before it.
    EXPECT_EQ(0, V_I4(invokeMethod(list.get(), idFind, {vText(Bstr(L"c"))}).value.get()));
    long result = -1;
    VARIANT number = vInteger(0);
    EXPECT_EQ(S_OK, list->Find(&number, nullptr, &result));  // Empty equals 0 too
    EXPECT_EQ(1, result);
}

TEST_F(OVLinkedListTest, ObjectsAreHeldByReferenceAndReleasedOnRemove) {
    auto object = OVLinkedList::create();
    VARIANT reference = vObject(object.get());
    long slot = 0;
    ASSERT_EQ(S_OK, list->Add(&reference, 0, 0, &slot));
    VARIANT held;
    ASSERT_EQ(S_OK, list->Item(slot, &held));
    EXPECT_EQ(static_cast<IDispatch*>(object.get()), V_DISPATCH(&held));
    ::VariantClear(&held);
    long found = 0;
    EXPECT_EQ(S_OK, list->Find(&reference, nullptr, &found));
    EXPECT_EQ(slot, found);
    EXPECT_EQ(S_OK, list->Remove(slot));
    object->AddRef();
    EXPECT_EQ(1u, object->Release());
    list->Add(&reference, 0, 0, &slot);
    EXPECT_EQ(S_OK, list->RemoveAll());
    object->AddRef();
    EXPECT_EQ(1u, object->Release());
}

TEST_F(OVLinkedListTest, LateBoundDefaultsAndErrors) {
    Variable value(L"a");
    Call added = invokeMethod(list.get(), idAdd, {vRef(&value.value)});
    EXPECT_EQ(1, V_I4(added.value.get()));
    EXPECT_EQ(L"a", text(value.value));
    list->MoveFirst();
    EXPECT_EQ(L"a", text(*invokeMethod(list.get(), idItem).value.get()));
    Call failed = invokeMethod(list.get(), idItem, {vLong(-5)});
    EXPECT_TRUE(raised(failed, 9, L"Subscript out of range"));
    EXPECT_EQ(L"TVOrvaneSuite.OVLinkedList", failed.source);
    EXPECT_EQ(S_OK, invokeMethod(list.get(), idRemove).result);
    EXPECT_EQ(0, count());
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, invokeMethod(list.get(), 0x60030010).result);
    long out = 0;
    EXPECT_EQ(E_POINTER, list->Add(nullptr, 0, 0, &out));
    EXPECT_EQ(E_POINTER, list->Find(nullptr, nullptr, &out));
    EXPECT_EQ(E_POINTER, list->CheckIndex(1, nullptr));
}

// The plain model: nodes in order, the free slots in reuse order, the cursor.
struct Model {
    std::vector<long> order;
    std::map<long, long> values;
    std::deque<long> free;
    long last = 0;
    long cursor = 0;
    bool forward = false;

    Model() { reset(); }
    void reset() {
        order.clear();
        values.clear();
        free.clear();
        last = 0;
        cursor = 0;
        forward = false;
        grow(100);
    }
    void grow(long n) {
        std::deque<long> fresh;
        for (long s = last + 1; s <= last + n; ++s) fresh.push_back(s);
        free.insert(free.begin(), fresh.begin(), fresh.end());
        last += n;
    }
    bool isNode(long s) const { return values.count(s) != 0; }
    long position(long s) const { return static_cast<long>(std::find(order.begin(), order.end(), s) - order.begin()); }
};

TEST_F(OVLinkedListTest, RemovalFromFrontMiddleAndBackKeepsLinksAndOrder) {
    for (const wchar_t* text : {L"a", L"b", L"c", L"d", L"e", L"f", L"g"}) add(text);
    for (long slot : {1L, 4L, 7L}) ASSERT_EQ(S_OK, list->Remove(slot));  // head, middle, tail
    expectWhole();
    EXPECT_EQ((std::vector<long>{2, 3, 5, 6}), list->slotsInOrder());
    std::wstring forward, backward;
    for (list->MoveFirst(); !eol(); list->MoveNext()) forward += item();
    for (list->MoveLast(); !bol(); list->MovePrevious()) backward += item();
    EXPECT_EQ(L"bcef", forward);
    EXPECT_EQ(L"fecb", backward);
    EXPECT_EQ(5, find(L"e"));
    EXPECT_EQ(0, find(L"d"));
    EXPECT_EQ(7, add(L"h"));  // the last slot freed is the first reused, at the end
    EXPECT_EQ((std::vector<long>{2, 3, 5, 6, 7}), list->slotsInOrder());
}

TEST_F(OVLinkedListTest, RandomSequencesAgreeWithTheModel) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        list->RemoveAll();
        Model model;
        std::mt19937 random(seed);
        auto pick = [&](long low, long high) { return std::uniform_int_distribution<long>(low, high)(random); };
        // Mostly nodes, sometimes free slots, 0, or numbers outside the array.
        auto anySlot = [&]() -> long {
            long kind = pick(0, 9);
            if (kind < 6 && !model.order.empty()) return model.order[pick(0, static_cast<long>(model.order.size()) - 1)];
            if (kind == 6) return 0;
            if (kind == 7) return pick(-3, -1);
            if (kind == 8) return model.last + pick(1, 3);
            return pick(1, model.last);
        };
        for (long step = 0; step < 6000; ++step) {
            long operation = pick(0, 99);
            if (operation < 40) {
                long before = pick(0, 2) == 0 ? anySlot() : 0;
                long after = pick(0, 1) == 0 ? anySlot() : 0;
                if (model.free.empty()) model.grow(100);
                long created = model.free.front();
                long target = before < 0 ? (model.order.empty() ? 0 : model.order.front()) : before;
                bool valid = true;
                size_t at = model.order.size();
                if (target > 0) {
                    valid = target <= model.last && model.isNode(target);
                    if (valid) at = model.position(target);
                } else if (after >= 1) {
                    valid = after <= model.last && model.isNode(after);
                    if (valid) at = model.position(after) + 1;
                }
                VARIANT value = vLong(step);
                long slot = -1;
                HRESULT outcome = list->Add(&value, before, after, &slot);
                if (valid) {
                    ASSERT_EQ(S_OK, outcome);
                    ASSERT_EQ(created, slot);
                    model.free.pop_front();
                    model.order.insert(model.order.begin() + static_cast<long>(at), created);
                    model.values[created] = step;
                } else {
                    ASSERT_EQ(9, errorOf(outcome)) << before << " " << after;
                }
            } else if (operation < 65) {
                long index = pick(0, 4) == 0 ? 0 : anySlot();
                long target = index == 0 ? model.cursor : index;
                bool valid = target >= 1 && target <= model.last && model.isNode(target);
                HRESULT outcome = list->Remove(index);
                if (valid) {
                    ASSERT_EQ(S_OK, outcome);
                    long position = model.position(target);
                    long next = position + 1 < static_cast<long>(model.order.size()) ? model.order[position + 1] : 0;
                    model.order.erase(model.order.begin() + position);
                    model.values.erase(target);
                    model.free.push_front(target);
                    if (target == model.cursor) {
                        model.cursor = next;
                        if (next == 0) model.forward = true;
                    }
                } else {
                    ASSERT_EQ(9, errorOf(outcome));
                }
            } else if (operation < 75) {
                long index = anySlot();
                bool valid = index == 0 || (index > 0 && index <= model.last && model.isNode(index));
                HRESULT outcome = list->Move(index);
                ASSERT_EQ(valid ? 0 : 9, errorOf(outcome)) << index;
                if (valid) model.cursor = index;
            } else if (operation < 95) {
                long position = model.cursor ? model.position(model.cursor) : -1;
                switch (pick(0, 3)) {
                case 0:
                    list->MoveNext();
                    model.forward = true;
                    if (model.cursor) model.cursor = position + 1 < static_cast<long>(model.order.size()) ? model.order[position + 1] : 0;
                    break;
                case 1:
                    list->MovePrevious();
                    model.forward = false;
                    if (model.cursor) model.cursor = position > 0 ? model.order[position - 1] : 0;
                    break;
                case 2:
                    list->MoveFirst();
                    model.cursor = model.order.empty() ? 0 : model.order.front();
                    break;
                default:
                    list->MoveLast();
                    model.cursor = model.order.empty() ? 0 : model.order.back();
                }
            } else if (operation < 97) {
                long size = pick(-1, model.last + 150);
                HRESULT outcome = list->SetSize(size, pick(-1, 5) < 0 ? -1 : 0);
                if (size < 1 || FAILED(outcome)) {
                    ASSERT_EQ(5, errorOf(outcome));
                } else if (size > model.last) {
                    model.grow(size - model.last);
                }
            } else if (operation < 98) {
                list->RemoveAll();
                model.reset();
            } else {
                long index = anySlot();
                VARIANT value;
                HRESULT outcome = list->Item(index, &value);
                long target = index == 0 ? model.cursor : index;
                if (target == 0) {
                    ASSERT_EQ(S_OK, outcome);
                    EXPECT_EQ(VT_EMPTY, V_VT(&value));
                } else if (target > 0 && target <= model.last && model.isNode(target)) {
                    ASSERT_EQ(S_OK, outcome);
                    EXPECT_EQ(model.values[target], V_I4(&value));
                } else {
                    ASSERT_EQ(9, errorOf(outcome));
                }
            }
            ASSERT_EQ(L"", list->brokenInvariant()) << "after step " << step << " operation " << operation;
            ASSERT_EQ(model.order, list->slotsInOrder()) << step;
            ASSERT_EQ(model.last, list->lastSlot());
            ASSERT_EQ(static_cast<long>(model.order.size()), count());
            ASSERT_EQ(model.cursor, current()) << step;
            ASSERT_EQ((model.cursor == 0 && !model.forward) || model.order.empty(), bol());
            ASSERT_EQ((model.cursor == 0 && model.forward) || model.order.empty(), eol());
            if (!model.free.empty()) {
                // The next Add takes the head of the free list.
                ASSERT_EQ(0, check(model.free.front()));
            }
        }
    }
}

}  // namespace
}  // namespace orvane
