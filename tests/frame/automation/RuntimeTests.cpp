// Runtime services: Variant arithmetic and equality, conversions, Hex/Oct, texts, Rnd.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "frame/base/Errors.h"
#include "frame/automation/Runtime.h"

namespace orvane {
namespace {

using namespace runtime;
using test::vDouble;
using test::vEmpty;
using test::vInteger;
using test::vLong;
using test::vNull;

long errorOf(void (*body)()) {
    try {
        body();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

#define EXPECT_RAISES(number, statement) EXPECT_EQ(number, errorOf([] { statement; }))

struct ArithmeticRow {
    VARIANT left, right;
    VARTYPE type;
    double value;
};

TEST(RuntimeArithmetic, TheWiderTypeWinsAndOverflowPromotes) {
    const ArithmeticRow rows[] = {
        {vInteger(2), vInteger(3), VT_I2, 5},
        {vInteger(32767), vInteger(1), VT_I4, 32768},
        {vEmpty(), vInteger(7), VT_I2, 7},
        {vEmpty(), vEmpty(), VT_I2, 0},
        {vInteger(1), vLong(2), VT_I4, 3},
        {vLong(2147483647), vInteger(1), VT_R8, 2147483648.0},
        {vLong(1), vDouble(0.5), VT_R8, 1.5},
    };
    for (const auto& row : rows) {
        for (bool swapped : {false, true}) {
            Variant sum = swapped ? add(row.right, row.left) : add(row.left, row.right);
            EXPECT_EQ(row.type, V_VT(sum.get()));
            EXPECT_EQ(row.value, toDouble(*sum.get()));
        }
    }
    Variant product = multiply(vLong(65536), vLong(65536));
    EXPECT_EQ(VT_R8, V_VT(product.get()));
    EXPECT_EQ(VT_NULL, V_VT(add(vNull(), vInteger(1)).get()));
    EXPECT_EQ(VT_I2, V_VT(subtract(vInteger(-32767), vInteger(1)).get()));
    EXPECT_EQ(VT_I4, V_VT(subtract(vInteger(-32768), vInteger(1)).get()));
    EXPECT_RAISES(error::Overflow, multiply(vDouble(1e308), vDouble(10)));
}

TEST(RuntimeArithmetic, TextsJoinAndNumericTextAdds) {
    Bstr a(L"ab"), b(L"cd"), five(L"5");
    EXPECT_EQ(L"abcd", test::text(*add(test::vText(a), test::vText(b)).get()));
    Variant sum = add(test::vText(five), vInteger(1));
    EXPECT_EQ(6.0, toDouble(*sum.get()));
    EXPECT_RAISES(error::TypeMismatch, ([] { Bstr x(L"x"); add(test::vText(x), vInteger(1)); }()));
}

TEST(RuntimeEquality, NumbersByValueTextsByCode) {
    Bstr empty(L""), lower(L"a"), upper(L"A"), zeroText(L"0");
    EXPECT_TRUE(equals(vInteger(3), vDouble(3.0)));
    EXPECT_TRUE(equals(vEmpty(), vInteger(0)));
    EXPECT_TRUE(equals(vEmpty(), test::vText(empty)));
    EXPECT_TRUE(equals(vEmpty(), vEmpty()));
    EXPECT_FALSE(equals(test::vText(lower), test::vText(upper)));
    EXPECT_FALSE(equals(test::vText(zeroText), vInteger(0)));
    EXPECT_FALSE(equals(vNull(), vNull()));
}

TEST(RuntimeConversion, CheckedConversions) {
    EXPECT_EQ(2, toLong(vDouble(2.5)));  // halves round to even
    EXPECT_EQ(4, toLong(vDouble(3.5)));
    EXPECT_EQ(-2, toLong(vDouble(-2.5)));
    EXPECT_RAISES(error::Overflow, toInteger(vLong(32768)));
    EXPECT_RAISES(error::InvalidUseOfNull, toDouble(vNull()));
    EXPECT_RAISES(error::TypeMismatch, textToDouble(L"abc"));
    EXPECT_RAISES(error::TypeMismatch, textToDouble(L""));
    EXPECT_EQ(255, textToLong(L"&HFF"));
    EXPECT_EQ(L"True", std::wstring(toText(test::vBool(true)).c_str()));
    EXPECT_EQ(L"-17", std::wstring(textOf(-17L).c_str()));
    EXPECT_RAISES(error::Overflow, narrowToInteger(-32769));
    EXPECT_RAISES(error::Overflow, narrowToLong(2147483648.0));
    CY big{};
    big.int64 = 922337203685477LL * 10;  // 92233720368547.7 as a value
    EXPECT_RAISES(error::Overflow, ([] { CY c{}; c.int64 = 922337203685477LL * 1000; currencyMultiply(c, 10000); }()));
    EXPECT_EQ(big.int64 * 10, currencyMultiply(big, 10).int64);
}

// Every digit counts once, whatever the length of the text: the nearest Double.
TEST(RuntimeConversion, TextsBecomeTheNearestDouble) {
    const struct {
        const wchar_t* text;
        double expected;
    } rows[] = {
        {L"0.1", 0.1},
        {L"-1,000.5", -1000.5},
        {L"&H10", 16},
        {L"9007199254740993", 9007199254740992.0},  // a tie: to even
        {L"9007199254740993.00000000000000000001", 9007199254740994.0},
        {L"4.9406564584124654E-324", 0x1p-1074},
        {L"1.7976931348623157E308", 1.7976931348623157e308},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.expected, textToDouble(row.text)) << std::wstring(row.text).c_str();
        Bstr text(row.text);
        EXPECT_EQ(row.expected, toDouble(test::vText(text)));
    }
    std::wstring third = L"0." + std::wstring(400, L'3');
    EXPECT_EQ(1.0 / 3, textToDouble(third.c_str()));
    std::wstring huge = L"1" + std::wstring(308, L'0');
    EXPECT_EQ(1e308, textToDouble(huge.c_str()));
    EXPECT_RAISES(error::Overflow, textToDouble(L"1E309"));
    EXPECT_RAISES(error::Overflow, textToDouble((L"1" + std::wstring(309, L'0')).c_str()));
}

TEST(RuntimeHexOct, UpperCaseDigitsAndTwosComplement) {
    EXPECT_EQ(L"FF", hexText(vLong(255)));
    EXPECT_EQ(L"0", hexText(vLong(0)));
    EXPECT_EQ(L"FFFFFFFF", hexText(vLong(-1)));
    EXPECT_EQ(L"FFFF", hexText(vInteger(-1)));  // a 16-bit Integer keeps 16 bits
    EXPECT_EQ(L"17777777777", octText(vLong(2147483647)));
    EXPECT_EQ(L"37777777777", octText(vLong(-1)));
    EXPECT_EQ(L"2", hexText(vDouble(2.5)));
    EXPECT_RAISES(error::Overflow, hexText(vDouble(2147483648.0)));
    EXPECT_RAISES(error::InvalidUseOfNull, hexText(vNull()));
}

TEST(RuntimeTexts, CutsAndSearches) {
    EXPECT_EQ(L"ab", left(L"abc", 2));
    EXPECT_EQ(L"abc", left(L"abc", 10));
    EXPECT_RAISES(error::InvalidCall, left(L"abc", -1));
    EXPECT_EQ(L"bc", right(L"abc", 2));
    EXPECT_EQ(L"bc", mid(L"abcd", 2, 2));
    EXPECT_EQ(L"bcd", mid(L"abcd", 2));
    EXPECT_EQ(L"", mid(L"abcd", 9));
    EXPECT_RAISES(error::InvalidCall, mid(L"abc", 0));
    EXPECT_EQ(3, inStr(1, L"abcabc", L"c"));
    EXPECT_EQ(6, inStr(4, L"abcabc", L"c"));
    EXPECT_EQ(0, inStr(1, L"abc", L"x"));
    EXPECT_EQ(2, inStr(1, L"aYYb", L"yy", true));
    EXPECT_EQ(L"a b", trimSpaces(L"  a b  "));
    EXPECT_EQ(L"\ta", trimSpaces(L" \ta "));  // only spaces go
    EXPECT_EQ(L"   ", space(3));
    EXPECT_EQ(L"ab", beforeFirstNul(std::wstring(L"ab\0cd", 5)));
    EXPECT_RAISES(error::InvalidCall, beforeFirstNul(L"no terminator"));
}

TEST(RuntimeRandom, RndStaysInTheUnitInterval) {
    randomize();
    float lowest = 1, highest = 0;
    for (int n = 0; n < 100000; ++n) {
        float r = rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 0.01f);
    EXPECT_GT(highest, 0.99f);
}

TEST(RuntimeAnsi, RoundTripThroughTheCodePage) {
    EXPECT_EQ("abc", toAnsi(std::wstring(L"abc")));
    EXPECT_EQ(std::string("a\0b", 3), toAnsi(std::wstring(L"a\0b", 3)));  // NULs are kept
    EXPECT_EQ(L"abc", fromAnsi(std::string("abc")));
    BSTR text = ::SysAllocString(L"plain");
    roundTripAnsi(&text);
    EXPECT_STREQ(L"plain", text);
    ::SysFreeString(text);
}

}  // namespace
}  // namespace orvane
