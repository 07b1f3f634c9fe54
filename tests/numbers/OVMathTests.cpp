// OVMath: the formulas with their rounded constants, and the runtime's errors that
// replace every infinity and NaN.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "TestSupport.h"
#include "frame/automation/Runtime.h"
#include "numbers/OVMath.h"

namespace orvane {
namespace {

using namespace test;

enum : DISPID { idInc = 0x60030000, idDec, idLog10, idLogX, idCeil, idFloor, idAbsCeil, idAbsFloor, idASin, idACos };

constexpr double HALF_PI = 1.5707963267949;
constexpr double PI = 3.14159265358979;
constexpr double untouched = 12345.0;

using Function = HRESULT (STDMETHODCALLTYPE _OVMath::*)(double*, double*);

long errorOf(HRESULT result) {
    return (static_cast<unsigned long>(result) & 0xFFFF0000u) == 0x800A0000u ? result & 0xFFFF : -1;
}

class OVMathTest : public ::testing::Test {
protected:
    // Error number (0 for success) and result of an early-bound call; checks that
    // the argument is never changed and that a failure delivers nothing.
    std::pair<long, double> run(Function function, double value) {
        double argument = value, result = untouched;
        HRESULT outcome = (math.get()->*function)(&argument, &result);
        EXPECT_EQ(0, std::memcmp(&argument, &value, sizeof value));
        if (FAILED(outcome)) {
            EXPECT_EQ(untouched, result);
            return {errorOf(outcome), 0};
        }
        EXPECT_TRUE(std::isfinite(result));
        return {0, result};
    }
    std::pair<long, double> run(HRESULT (STDMETHODCALLTYPE _OVMath::*function)(VARIANT, double*), VARIANT value) {
        double result = untouched;
        HRESULT outcome = (math.get()->*function)(value, &result);
        return {FAILED(outcome) ? errorOf(outcome) : 0, FAILED(outcome) ? 0 : result};
    }
    ComPtr<OVMath> math = OVMath::create();
};

struct Row {
    Function function;
    const char* name;
    double value;
    long error;
    double expected;
    double tolerance;
};

TEST_F(OVMathTest, TrigonometricAndHyperbolicRows) {
    const double ln3half = std::log(3.0) / 2;
    const Row rows[] = {
        {&_OVMath::ASin, "ASin", 1, 0, HALF_PI, 0}, {&_OVMath::ASin, "ASin", -1, 0, -HALF_PI, 0},
        {&_OVMath::ASin, "ASin", 0.5, 0, std::asin(0.5), 1e-12}, {&_OVMath::ASin, "ASin", 1.5, 5, 0, 0},
        {&_OVMath::ACot, "ACot", -1, 0, -0.785398, 1e-6}, {&_OVMath::ACot, "ACot", 2, 0, std::atan(0.5), 1e-15},
        {&_OVMath::ACot, "ACot", 0, 11, 0, 0},
        {&_OVMath::ASec, "ASec", 1, 0, 0, 0}, {&_OVMath::ASec, "ASec", -1, 0, PI, 0},
        {&_OVMath::ASec, "ASec", 2, 0, std::acos(0.5), 1e-12}, {&_OVMath::ASec, "ASec", 0, 11, 0, 0},
        {&_OVMath::ASec, "ASec", 0.5, 5, 0, 0}, {&_OVMath::ASec, "ASec", 1e-200, 11, 0, 0},  // v*v underflows to 0
        {&_OVMath::ACsc, "ACsc", -1, 0, -HALF_PI, 0}, {&_OVMath::ACsc, "ACsc", 2, 0, std::asin(0.5), 1e-12},
        {&_OVMath::ACsc, "ACsc", 0, 11, 0, 0}, {&_OVMath::ACsc, "ACsc", -0.5, 5, 0, 0},
        {&_OVMath::SinH, "SinH", 1, 0, std::sinh(1.0), 1e-15}, {&_OVMath::SinH, "SinH", 710, 6, 0, 0},
        {&_OVMath::SinH, "SinH", -746, 11, 0, 0},  // Exp underflows to 0, then 1 / E
        {&_OVMath::CosH, "CosH", 0, 0, 1, 0}, {&_OVMath::CosH, "CosH", -710, 6, 0, 0},
        {&_OVMath::TanH, "TanH", 0.5, 0, std::tanh(0.5), 1e-15}, {&_OVMath::TanH, "TanH", 0, 0, 0, 0},
        {&_OVMath::CotH, "CotH", 1, 0, 1 / std::tanh(1.0), 1e-15}, {&_OVMath::CotH, "CotH", 0, 11, 0, 0},
        {&_OVMath::SecH, "SecH", 0, 0, 1, 0}, {&_OVMath::CscH, "CscH", 1, 0, 1 / std::sinh(1.0), 1e-15},
        {&_OVMath::CscH, "CscH", 0, 11, 0, 0},
        {&_OVMath::ASinH, "ASinH", 1, 0, std::asinh(1.0), 1e-15}, {&_OVMath::ASinH, "ASinH", -1e200, 6, 0, 0},
        {&_OVMath::ACosH, "ACosH", 2, 0, std::acosh(2.0), 1e-15}, {&_OVMath::ACosH, "ACosH", 0.5, 5, 0, 0},
        {&_OVMath::ACosH, "ACosH", -1, 5, 0, 0}, {&_OVMath::ACosH, "ACosH", -3, 5, 0, 0},
        {&_OVMath::ATanH, "ATanH", 0.5, 0, ln3half, 1e-15}, {&_OVMath::ATanH, "ATanH", 0, 11, 0, 0},
        {&_OVMath::ATanH, "ATanH", 1, 11, 0, 0}, {&_OVMath::ATanH, "ATanH", -1, 5, 0, 0},
        {&_OVMath::ATanH, "ATanH", 2, 5, 0, 0},
        {&_OVMath::ACotH, "ACotH", 2, 0, ln3half, 1e-15}, {&_OVMath::ACotH, "ACotH", 1, 11, 0, 0},
        {&_OVMath::ACotH, "ACotH", -1, 5, 0, 0}, {&_OVMath::ACotH, "ACotH", 0, 5, 0, 0},
        {&_OVMath::ACotH, "ACotH", 0.5, 5, 0, 0},
        {&_OVMath::ASecH, "ASecH", 0.5, 0, std::acosh(2.0), 1e-15}, {&_OVMath::ASecH, "ASecH", 0, 11, 0, 0},
        {&_OVMath::ASecH, "ASecH", -0.5, 5, 0, 0}, {&_OVMath::ASecH, "ASecH", 2, 5, 0, 0},
        {&_OVMath::ACscH, "ACscH", 1, 0, std::asinh(1.0), 1e-15}, {&_OVMath::ACscH, "ACscH", -1, 0, -std::asinh(1.0), 1e-15},
        {&_OVMath::ACscH, "ACscH", 0, 11, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.name << "(" << row.value << ")");
        auto [error, result] = run(row.function, row.value);
        EXPECT_EQ(row.error, error);
        if (row.error == 0) {
            EXPECT_NEAR(row.expected, result, row.tolerance);
        }
    }
}

TEST_F(OVMathTest, ArcCosineTakesItsValueByValue) {
    double result = untouched;
    EXPECT_EQ(S_OK, math->ACos(1, &result));
    EXPECT_EQ(0.0, result);
    EXPECT_EQ(S_OK, math->ACos(-1, &result));
    EXPECT_EQ(PI, result);
    EXPECT_EQ(S_OK, math->ACos(0.5, &result));
    EXPECT_NEAR(std::acos(0.5), result, 1e-12);
    result = untouched;
    EXPECT_TRUE(raisedEarly(math->ACos(-1.0001, &result), 5, L"Invalid procedure call or argument", L"TVOrvaneSuite.OVMath"));
    EXPECT_EQ(untouched, result);
}

// Whatever the argument, a call gives a finite Double or one of the runtime's errors.
TEST_F(OVMathTest, NoInfinityOrNaNEverLeaves) {
    const Function functions[] = {&_OVMath::ASin, &_OVMath::ACot, &_OVMath::ASec, &_OVMath::ACsc, &_OVMath::SinH,
                                  &_OVMath::CosH, &_OVMath::TanH, &_OVMath::CotH, &_OVMath::SecH, &_OVMath::CscH,
                                  &_OVMath::ASinH, &_OVMath::ACosH, &_OVMath::ATanH, &_OVMath::ACotH, &_OVMath::ASecH,
                                  &_OVMath::ACscH};
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {0, -0.0, 1, -1, 0.5, -0.5, 2, -2, 1e-200, -1e-200, 1e200, -1e200, 709, 709.8, -709.8,
                             -746, DBL_MAX, -DBL_MAX, DBL_MIN, 5e-324, 1 + DBL_EPSILON, 1 - DBL_EPSILON / 2};
    for (Function function : functions) {
        for (double value : values) {
            SCOPED_TRACE(value);
            long error = run(function, value).first;
            EXPECT_TRUE(error == 0 || error == 5 || error == 6 || error == 11) << error;
        }
        for (double value : {inf, -inf, std::numeric_limits<double>::quiet_NaN()}) EXPECT_EQ(6, run(function, value).first);
    }
    double result = untouched;
    EXPECT_TRUE(raisedEarly(math->ACos(inf, &result), 6, L"Overflow"));
}

TEST_F(OVMathTest, LogarithmsUseTheRoundedConstant) {
    EXPECT_EQ(0.9999999999999982, run(&_OVMath::Log10, vDouble(10)).second);
    EXPECT_EQ(5, run(&_OVMath::Log10, vDouble(0)).first);
    EXPECT_EQ(5, run(&_OVMath::Log10, vInteger(-1)).first);
    EXPECT_EQ(5, run(&_OVMath::Log10, vEmpty()).first);  // Empty is 0
    auto logX = [&](VARIANT value, VARIANT x) {
        double result = untouched;
        HRESULT outcome = math->LogX(value, x, &result);
        return std::make_pair(FAILED(outcome) ? errorOf(outcome) : 0, result);
    };
    EXPECT_NEAR(3.0, logX(vInteger(8), vInteger(2)).second, 1e-12);
    EXPECT_EQ(5, logX(vInteger(0), vInteger(2)).first);
    EXPECT_EQ(5, logX(vInteger(2), vInteger(-1)).first);
    EXPECT_EQ(11, logX(vInteger(2), vInteger(1)).first);
    EXPECT_EQ(6, logX(vInteger(1), vInteger(1)).first);
    EXPECT_EQ(94, logX(vInteger(2), vNull()).first);
}

TEST_F(OVMathTest, CeilingAndFloorVariants) {
    using V = HRESULT (STDMETHODCALLTYPE _OVMath::*)(VARIANT, double*);
    const struct { V function; double value; double expected; } plain[] = {
        {&_OVMath::Floor, -2.5, -3}, {&_OVMath::Ceil, -2.5, -2}, {&_OVMath::Ceil, 2.5, 3}, {&_OVMath::Ceil, 2, 3},
        {&_OVMath::Floor, 2, 2}, {&_OVMath::Floor, 1e300, 1e300}};
    for (const auto& row : plain) EXPECT_EQ(row.expected, run(row.function, vDouble(row.value)).second) << row.value;
    auto absolute = [&](bool ceiling, double value, VARIANT_BOOL keepSign) {
        double result = untouched;
        HRESULT outcome = ceiling ? math->AbsCeil(vDouble(value), keepSign, &result)
                                  : math->AbsFloor(vDouble(value), keepSign, &result);
        EXPECT_EQ(S_OK, outcome);
        return result;
    };
    EXPECT_EQ(3.0, absolute(true, -2.5, VARIANT_FALSE));
    EXPECT_EQ(-3.0, absolute(true, -2.5, VARIANT_TRUE));
    EXPECT_EQ(-2.0, absolute(false, -2.5, VARIANT_TRUE));
    EXPECT_EQ(2.0, absolute(false, -2.5, VARIANT_FALSE));
    EXPECT_EQ(1.0, absolute(true, 0, VARIANT_FALSE));
    EXPECT_EQ(0.0, absolute(true, 0, VARIANT_TRUE));
    // Late bound, KeepSign omitted is False.
    Call call = invokeMethod(math.get(), idAbsCeil, {vDouble(-2.5)});
    ASSERT_EQ(S_OK, call.result);
    EXPECT_EQ(3.0, V_R8(call.value.get()));
}

TEST_F(OVMathTest, VariantArgumentsUseTheCheckedConversion) {
    Bstr number(L"2.5"), word(L"abc");
    EXPECT_EQ(3.0, run(&_OVMath::Ceil, vText(number)).second);
    EXPECT_EQ(13, run(&_OVMath::Ceil, vText(word)).first);
    EXPECT_EQ(94, run(&_OVMath::Floor, vNull()).first);
    EXPECT_EQ(13, run(&_OVMath::Floor, vMissing()).first);
    EXPECT_EQ(0.0, run(&_OVMath::Floor, vEmpty()).second);
    EXPECT_EQ(-1.0, run(&_OVMath::Floor, vBool(true)).second);
    Variable held;
    V_VT(&held.value) = VT_R8;
    V_R8(&held.value) = 7.5;
    EXPECT_EQ(7.0, run(&_OVMath::Floor, vRef(&held.value)).second);  // a by-value Variant may come by reference
}

// Late bound: the variable receives the new value, in the runtime's Variant arithmetic.
TEST_F(OVMathTest, IncAndDecWorkOnTheCallersVariable) {
    auto step = [&](DISPID member, VARIANT initial, std::vector<VARIANT> amount, VARTYPE type, double expected) {
        Variable variable;
        ::VariantCopy(&variable.value, &initial);
        std::vector<VARIANT> arguments{vRef(&variable.value)};
        arguments.insert(arguments.end(), amount.begin(), amount.end());
        Call call = invokeMethod(math.get(), member, arguments);
        ASSERT_EQ(S_OK, call.result);
        EXPECT_EQ(type, V_VT(call.value.get()));
        EXPECT_EQ(type, V_VT(&variable.value));
        Variant asDouble;
        ::VariantChangeType(asDouble.get(), &variable.value, 0, VT_R8);
        EXPECT_EQ(expected, V_R8(asDouble.get()));
        EXPECT_TRUE(runtime::equals(variable.value, *call.value.get()));
    };
    step(idInc, vInteger(5), {}, VT_I2, 6);  // the omitted Amount is the 16-bit 1
    step(idInc, vInteger(5), {vInteger(10)}, VT_I2, 15);
    step(idDec, vInteger(5), {}, VT_I2, 4);
    step(idInc, vInteger(32767), {}, VT_I4, 32768);
    step(idInc, vLong(2147483647), {}, VT_R8, 2147483648.0);
    step(idDec, vInteger(-32768), {vMissing()}, VT_I4, -32769);
    step(idInc, vEmpty(), {}, VT_I2, 1);
    step(idInc, vDouble(0.5), {vInteger(2)}, VT_R8, 2.5);

    Variable text(L"a");
    Bstr b(L"b");
    Call joined = invokeMethod(math.get(), idInc, {vRef(&text.value), vText(b)});
    EXPECT_EQ(L"ab", test::text(text.value));
    EXPECT_EQ(L"ab", test::text(*joined.value.get()));
    EXPECT_TRUE(raised(invokeMethod(math.get(), idDec, {vRef(&text.value), vText(b)}), 13, L"Type mismatch"));
    EXPECT_EQ(L"ab", test::text(text.value));  // unchanged by the failed call

    Variable null;
    V_VT(&null.value) = VT_NULL;
    Call nullCall = invokeMethod(math.get(), idInc, {vRef(&null.value)});
    EXPECT_EQ(VT_NULL, V_VT(nullCall.value.get()));
    EXPECT_EQ(VT_NULL, V_VT(&null.value));

    Variable big;
    V_VT(&big.value) = VT_R8;
    V_R8(&big.value) = DBL_MAX;
    Call overflow = invokeMethod(math.get(), idInc, {vRef(&big.value), vDouble(DBL_MAX)});
    EXPECT_TRUE(raised(overflow, 6, L"Overflow"));
    EXPECT_EQ(L"TVOrvaneSuite.OVMath", overflow.source);
    EXPECT_EQ(VT_EMPTY, V_VT(overflow.value.get()));
    EXPECT_EQ(DBL_MAX, V_R8(&big.value));
}

TEST_F(OVMathTest, EarlyBoundIncTreatsMissingAsOne) {
    VARIANT value = vInteger(5), result;
    EXPECT_EQ(S_OK, math->Inc(&value, vMissing(), &result));
    EXPECT_EQ(VT_I2, V_VT(&value));
    EXPECT_EQ(6, V_I2(&value));
    EXPECT_EQ(6, V_I2(&result));
    EXPECT_EQ(E_POINTER, math->Dec(nullptr, vMissing(), &result));
    EXPECT_EQ(E_POINTER, math->Dec(&value, vMissing(), nullptr));
    double in = 0.5;
    EXPECT_EQ(E_POINTER, math->ASin(&in, nullptr));
    EXPECT_EQ(E_POINTER, math->ASin(nullptr, &in));
    double outside = 2;
    EXPECT_EQ(E_POINTER, math->ASin(&outside, nullptr));  // the pointer is checked before the formula
    EXPECT_EQ(E_POINTER, math->Log10(vInteger(1), nullptr));
}

TEST_F(OVMathTest, LateBoundDoubleArgumentsStayUnchanged) {
    Variable variable;
    V_VT(&variable.value) = VT_R8;
    V_R8(&variable.value) = 0.5;
    Call call = invokeMethod(math.get(), idASin, {vRef(&variable.value)});
    ASSERT_EQ(S_OK, call.result);
    EXPECT_NEAR(std::asin(0.5), V_R8(call.value.get()), 1e-12);
    EXPECT_EQ(VT_R8, V_VT(&variable.value));
    EXPECT_EQ(0.5, V_R8(&variable.value));
    Bstr one(L"1");
    EXPECT_EQ(PI, V_R8(invokeByName(math.get(), L"ACos", {vInteger(-1)}).value.get()));
    EXPECT_EQ(0.0, V_R8(invokeByName(math.get(), L"ACos", {vText(one)}).value.get()));
    Call failed = invokeByName(math.get(), L"ATanH", {vInteger(0)});
    EXPECT_TRUE(raised(failed, 11, L"Division by zero"));
    EXPECT_EQ(VT_EMPTY, V_VT(failed.value.get()));
}

// Results that a host of either bitness must get bit for bit: every step rounded to
// Double (no 80-bit intermediates), and texts of any length converted once, correctly
// rounded.
TEST_F(OVMathTest, TinyAndHugeArgumentsGiveOneResultInEveryHost) {
    double result = 0;
    for (double tiny : {1e-200, -1e-200, 0x1p-1022, -0x1p-1022, 1e-308, -1e-308}) {
        SCOPED_TRACE(tiny);
        EXPECT_TRUE(raisedEarly(math->ASec(&tiny, &result), 11, L"Division by zero"));  // v*v is 0
        EXPECT_TRUE(raisedEarly(math->ACsc(&tiny, &result), 11, L"Division by zero"));
    }
    const struct {
        double value, expected;  // 1/value rounded once into the subnormal range
    } cotangents[] = {{7e307, 0x0.a45c4ab92ba51p-1022}, {9e307, 0x0.7fd6013ab02b1p-1022}, {1e308, 0x0.730d67819e8d2p-1022}};
    for (const auto& row : cotangents) {
        double value = row.value;
        ASSERT_EQ(S_OK, math->ACot(&value, &result));
        EXPECT_EQ(row.expected, result) << row.value;
    }
    Bstr exponent(L"1E308"), digits((L"1" + std::wstring(308, L'0')).c_str());
    for (const Bstr* text : {&exponent, &digits}) {
        Call call = invokeByName(math.get(), L"ACot", {vText(*text)});
        ASSERT_EQ(S_OK, call.result);
        EXPECT_EQ(0x0.730d67819e8d2p-1022, V_R8(call.value.get()));
    }
    // 400 threes: the Double nearest to a third, as from "0.3333333333333333".
    Bstr third((L"0." + std::wstring(400, L'3')).c_str());
    double exact = 1.0 / 3;
    ASSERT_EQ(S_OK, math->ASin(&exact, &result));
    Call fromText = invokeByName(math.get(), L"ASin", {vText(third)});
    ASSERT_EQ(S_OK, fromText.result);
    EXPECT_EQ(result, V_R8(fromText.value.get()));
    // Just above 1, but nearest to 1: in range.
    Bstr one((L"1.0" + std::wstring(400, L'0') + L"1").c_str());
    Call fromOne = invokeByName(math.get(), L"ASin", {vText(one)});
    ASSERT_EQ(S_OK, fromOne.result);
    EXPECT_EQ(HALF_PI, V_R8(fromOne.value.get()));
}

}  // namespace
}  // namespace orvane
