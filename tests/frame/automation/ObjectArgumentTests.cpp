// An object without a default member where a member needs a value: the runtime's
// error with its number and standard text, never a bare dispatch failure.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "frame/base/Errors.h"
#include "numbers/OVMath.h"
#include "shell/OVHelp.h"

namespace orvane {
namespace {

using namespace test;

TEST(ObjectArguments, ArithmeticOnAnObjectRaises438WithItsText) {
    EXPECT_EQ(438, errorNumberOf(DISP_E_MEMBERNOTFOUND));
    EXPECT_STREQ(L"Object doesn't support this property or method", standardText(438));

    ComPtr<OVMath> math = OVMath::create();
    ComPtr<OVMath> other = OVMath::create();
    Variable value;
    V_VT(&value.value) = VT_DISPATCH;
    V_DISPATCH(&value.value) = static_cast<IDispatch*>(other.copy());
    Call call = invokeByName(math.get(), L"Inc", {vRef(&value.value)});
    EXPECT_TRUE(raised(call, 438, L"Object doesn't support this property or method"));
    EXPECT_EQ(L"TVOrvaneSuite.OVMath", call.source);
    EXPECT_EQ(VT_DISPATCH, V_VT(&value.value));  // the caller's variable keeps its object
    EXPECT_EQ(static_cast<IDispatch*>(other.get()), V_DISPATCH(&value.value));
}

TEST(ObjectArguments, ObjectForATypedParameterIsATypeMismatch) {
    ComPtr<OVHelp> help = OVHelp::create();
    ComPtr<OVMath> object = OVMath::create();
    Bstr file(L"x.chm");
    Call call = invokeMethod(help.get(), 0x60030000, {vObject(object.get()), vText(file), vLong(0)});
    EXPECT_EQ(DISP_E_TYPEMISMATCH, call.result);
    EXPECT_EQ(2u, call.argumentError);  // arguments travel in reverse order
}

}  // namespace
}  // namespace orvane
