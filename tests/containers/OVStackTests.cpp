// OVStack: last in, first out over the runtime Collection.
#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "containers/OVStack.h"
#include "frame/base/Module.h"

namespace orvane {
namespace {

using namespace test;

enum : DISPID { idPush = 0x60030000, idPop, idPeek, idCount };

long countOf(OVStack* stack) {
    long count = -1;
    EXPECT_EQ(S_OK, stack->Count(&count));
    return count;
}

TEST(OVStackTest, LastInFirstOut) {
    auto stack = OVStack::create();
    EXPECT_EQ(0, countOf(stack.get()));
    Variable one, a(L"a"), three;
    V_VT(&one.value) = VT_I2;
    V_I2(&one.value) = 1;
    V_VT(&three.value) = VT_I4;
    V_I4(&three.value) = 3;
    for (Variable* value : {&one, &a, &three}) ASSERT_EQ(S_OK, invokeMethod(stack.get(), idPush, {vRef(&value->value)}).result);
    EXPECT_EQ(L"a", text(a.value));  // Push leaves its argument alone
    EXPECT_EQ(3, countOf(stack.get()));
    Call peek = invokeMethod(stack.get(), idPeek);
    EXPECT_EQ(VT_I4, V_VT(peek.value.get()));
    EXPECT_EQ(3, V_I4(peek.value.get()));
    EXPECT_EQ(3, countOf(stack.get()));
    EXPECT_EQ(3, V_I4(invokeMethod(stack.get(), idPop).value.get()));
    EXPECT_EQ(L"a", text(*invokeMethod(stack.get(), idPop).value.get()));
    Call last = invokeMethod(stack.get(), idPop);
    EXPECT_EQ(VT_I2, V_VT(last.value.get()));
    EXPECT_EQ(1, V_I2(last.value.get()));
    EXPECT_EQ(0, countOf(stack.get()));
}

TEST(OVStackTest, PopsEveryValueInReverseAcrossManyItems) {
    // The stack removes only at its top; a few thousand values span many nodes of the
    // collection underneath, which shrinks and regrows from that end.
    auto stack = OVStack::create();
    std::vector<long> model;
    for (long round = 0; round < 3; ++round) {
        for (long n = 0; n < 4000; ++n) {
            VARIANT value = vLong(round * 10000 + n);
            ASSERT_EQ(S_OK, stack->Push(&value));
            model.push_back(round * 10000 + n);
        }
        for (long n = 0; n < 3000; ++n) {
            VARIANT top;
            ASSERT_EQ(S_OK, stack->Pop(&top));
            ASSERT_EQ(model.back(), V_I4(&top));
            model.pop_back();
        }
    }
    EXPECT_EQ(static_cast<long>(model.size()), countOf(stack.get()));
}

TEST(OVStackTest, EmptyStackRaisesNineAndStaysEmpty) {
    auto stack = OVStack::create();
    for (DISPID member : {idPop, idPeek}) {
        Call call = invokeMethod(stack.get(), member);
        EXPECT_TRUE(raised(call, 9, L"Subscript out of range"));
        EXPECT_EQ(L"TVOrvaneSuite.OVStack", call.source);
        EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));
    }
    EXPECT_EQ(0, countOf(stack.get()));
    VARIANT result;
    EXPECT_TRUE(raisedEarly(stack->Pop(&result), 9, L"Subscript out of range", L"TVOrvaneSuite.OVStack"));
    // Once filled and emptied again it still refuses, and a push works afterwards.
    VARIANT value = vLong(7);
    EXPECT_EQ(S_OK, stack->Push(&value));
    EXPECT_EQ(S_OK, stack->Pop(&result));
    EXPECT_TRUE(raisedEarly(stack->Peek(&result), 9));
    EXPECT_EQ(S_OK, stack->Push(&value));
    EXPECT_EQ(1, countOf(stack.get()));
}

TEST(OVStackTest, ObjectsComeBackAsTheSameObjectAndValuesAsCopies) {
    auto stack = OVStack::create();
    auto object = OVStack::create();
    VARIANT reference = vObject(object.get());
    EXPECT_EQ(S_OK, stack->Push(&reference));
    Variable text(L"before");
    EXPECT_EQ(S_OK, invokeMethod(stack.get(), idPush, {vRef(&text.value)}).result);
    ::VariantClear(&text.value);
    EXPECT_EQ(L"before", test::text(*invokeMethod(stack.get(), idPop).value.get()));
    {
        Call popped = invokeMethod(stack.get(), idPop);
        ASSERT_EQ(VT_DISPATCH, V_VT(popped.value.get()));
        EXPECT_EQ(static_cast<IDispatch*>(object.get()), V_DISPATCH(popped.value.get()));
    }
    // The stack keeps no reference once the object is popped.
    object->AddRef();
    EXPECT_EQ(1u, object->Release());
    // A typed by-reference argument is stored as the value it points to.
    long number = 42;
    VARIANT byReference;
    V_VT(&byReference) = VT_BYREF | VT_I4;
    V_I4REF(&byReference) = &number;
    EXPECT_EQ(S_OK, stack->Push(&byReference));
    number = 0;
    VARIANT result;
    EXPECT_EQ(S_OK, stack->Peek(&result));
    EXPECT_EQ(VT_I4, V_VT(&result));
    EXPECT_EQ(42, V_I4(&result));
    EXPECT_EQ(E_POINTER, stack->Push(nullptr));
    EXPECT_EQ(E_POINTER, stack->Pop(nullptr));
    EXPECT_EQ(1, countOf(stack.get()));
    // A refused call creates nothing, not even the collection.
    auto fresh = OVStack::create();
    long objects = module::liveObjects();
    EXPECT_EQ(E_POINTER, fresh->Count(nullptr));
    EXPECT_EQ(objects, module::liveObjects());
    EXPECT_EQ(0, countOf(fresh.get()));
    EXPECT_EQ(objects + 1, module::liveObjects());
}

}  // namespace
}  // namespace orvane
