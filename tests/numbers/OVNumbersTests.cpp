// OVNumbers: conversions between the four bases and random identifiers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "TestSupport.h"
#include "frame/base/Module.h"
#include "numbers/OVNumbers.h"

namespace orvane {
namespace {

using namespace test;

enum : DISPID {
    idBinToOct = 0x60030000, idBinToHex, idBinToDec, idOctToBin, idOctToHex, idOctToDec, idDecToBin, idDecToOct,
    idDecToHex, idHexToBin, idHexToOct, idHexToDec, idGenerateRandomID
};

class OVNumbersTest : public ::testing::Test {
protected:
    // Calls a conversion late bound with a script-style variable; returns the call,
    // and leaves what the member stored in the variable in `left`.
    Call convert(DISPID member, const wchar_t* input) {
        Variable variable(input);
        Call call = invokeMethod(numbers.get(), member, {vRef(&variable.value)});
        left = text(variable.value);
        leftType = V_VT(&variable.value);
        return call;
    }
    ComPtr<OVNumbers> numbers = OVNumbers::create();
    std::wstring left;
    VARTYPE leftType = VT_EMPTY;
};

#define EXPECT_NUMBER(call, type, expected)                 \
    do {                                                    \
        ASSERT_EQ(S_OK, (call).result);                     \
        ASSERT_EQ(type, V_VT((call).value.get()));          \
        Variant asDouble;                                   \
        VariantChangeType(asDouble.get(), (call).value.get(), 0, VT_R8); \
        EXPECT_EQ(expected, V_R8(asDouble.get()));          \
    } while (0)

TEST_F(OVNumbersTest, BinaryToDecimalSubtypesFollowTheHighestBit) {
    EXPECT_NUMBER(convert(idBinToDec, L"1101"), VT_I2, 13.0);
    EXPECT_EQ(L"1", left);  // the digits are consumed from the front
    EXPECT_EQ(VT_BSTR, leftType);
    EXPECT_NUMBER(convert(idBinToDec, L"0000"), VT_I2, 0.0);
    EXPECT_NUMBER(convert(idBinToDec, (L"1" + std::wstring(14, L'0')).c_str()), VT_I2, 16384.0);
    EXPECT_NUMBER(convert(idBinToDec, (L"1" + std::wstring(15, L'0')).c_str()), VT_I4, 32768.0);
    EXPECT_NUMBER(convert(idBinToDec, (L"1" + std::wstring(30, L'0')).c_str()), VT_I4, 1073741824.0);
    EXPECT_NUMBER(convert(idBinToDec, (L"1" + std::wstring(31, L'0')).c_str()), VT_R8, 2147483648.0);
    EXPECT_NUMBER(convert(idBinToDec, std::wstring(50, L'1').c_str()), VT_R8, 1125899906842623.0);
}

TEST_F(OVNumbersTest, BinaryValidationComesBeforeTheLengthCheck) {
    EXPECT_TRUE(raised(convert(idBinToDec, L""), 99, L"Max len is 50 character."));
    EXPECT_TRUE(raised(convert(idBinToDec, L"12"), 99, L"Can't Convert."));
    EXPECT_EQ(L"12", left);  // nothing was stored before the error
    EXPECT_TRUE(raised(convert(idBinToDec, std::wstring(51, L'1').c_str()), 99, L"Max len is 50 character."));
    std::wstring withTwo(51, L'1');
    withTwo[40] = L'2';
    EXPECT_TRUE(raised(convert(idBinToDec, withTwo.c_str()), 99, L"Can't Convert."));
    Call call = convert(idBinToDec, L"x");
    EXPECT_EQ(L"TVOrvaneSuite.OVNumbers", call.source);
}

TEST_F(OVNumbersTest, CompositionsLeaveTheDecimalTextInTheArgument) {
    Call oct = convert(idBinToOct, L"1101");
    EXPECT_EQ(L"15", text(*oct.value.get()));
    EXPECT_EQ(L"13", left);
    EXPECT_EQ(L"D", text(*convert(idBinToHex, L"1101").value.get()));
    EXPECT_TRUE(raised(convert(idBinToHex, (L"1" + std::wstring(31, L'0')).c_str()), 6, L"Overflow"));
    EXPECT_EQ(L"2147483648", left);
    EXPECT_EQ(L"1010", text(*convert(idHexToBin, L"A").value.get()));
    EXPECT_EQ(L"0", left);
    EXPECT_EQ(L"377", text(*convert(idHexToOct, L"ff").value.get()));
    EXPECT_EQ(L"255", left);
    EXPECT_EQ(L"FF", text(*convert(idOctToHex, L"377").value.get()));
    EXPECT_EQ(L"111", text(*convert(idOctToBin, L"7").value.get()));
    // An empty octal text reads as Empty, whose text is not a number.
    EXPECT_TRUE(raised(convert(idOctToBin, L""), 13));
}

TEST_F(OVNumbersTest, TextsBeyondThe16BitLengthOverflow) {
    // The length is held in 16 bits: the overflow comes before any digit is looked at.
    std::wstring longest(32767, L'0');
    EXPECT_TRUE(raised(convert(idBinToDec, (longest + L"0").c_str()), 6, L"Overflow"));
    EXPECT_TRUE(raised(convert(idBinToDec, (longest + L"2").c_str()), 6, L"Overflow"));
    EXPECT_TRUE(raised(convert(idBinToDec, (L"x" + longest).c_str()), 6, L"Overflow"));
    EXPECT_TRUE(raised(convert(idOctToDec, (longest + L"0").c_str()), 6, L"Overflow"));
    EXPECT_TRUE(raised(convert(idHexToDec, (longest + L"0").c_str()), 6, L"Overflow"));
    // At 32767 characters the length still fits: leading zeros read as 0.
    EXPECT_TRUE(raised(convert(idBinToDec, longest.c_str()), 99, L"Max len is 50 character."));
    EXPECT_NUMBER(convert(idOctToDec, longest.c_str()), VT_I2, 0.0);
    EXPECT_NUMBER(convert(idHexToDec, (std::wstring(32766, L'0') + L"F").c_str()), VT_I2, 15.0);
}

TEST_F(OVNumbersTest, InnerErrorsPassOutOfTheCompositionsUnchanged) {
    EXPECT_TRUE(raised(convert(idBinToOct, L"12"), 99, L"Can't Convert."));
    EXPECT_EQ(L"12", left);
    EXPECT_TRUE(raised(convert(idBinToHex, L""), 99, L"Max len is 50 character."));
    EXPECT_TRUE(raised(convert(idOctToHex, L"8"), 99, L"Can't Convert."));
    EXPECT_EQ(L"8", left);
    EXPECT_TRUE(raised(convert(idOctToBin, L"19"), 99, L"Can't Convert."));
    EXPECT_EQ(L"19", left);
    Call hex = convert(idHexToOct, L"XYZ");
    EXPECT_TRUE(raised(hex, 99, L"Can't Convert."));
    EXPECT_EQ(L"TVOrvaneSuite.OVNumbers", hex.source);
    EXPECT_EQ(L"XYZ", left);
    EXPECT_TRUE(raised(convert(idHexToBin, (std::wstring(32768, L'A')).c_str()), 6, L"Overflow"));
}

TEST_F(OVNumbersTest, OctalAndHexadecimalReading) {
    EXPECT_NUMBER(convert(idHexToDec, L"ff"), VT_I2, 255.0);
    EXPECT_EQ(L"ff", left);  // not changed
    EXPECT_NUMBER(convert(idHexToDec, L"7FFF"), VT_I2, 32767.0);
    EXPECT_NUMBER(convert(idHexToDec, L"FFFF"), VT_I4, 65535.0);
    EXPECT_NUMBER(convert(idHexToDec, L"7FFFFFFF"), VT_I4, 2147483647.0);
    EXPECT_NUMBER(convert(idHexToDec, L"80000000"), VT_R8, 2147483648.0);
    EXPECT_NUMBER(convert(idOctToDec, L"777"), VT_I2, 511.0);
    EXPECT_TRUE(raised(convert(idHexToDec, L"G"), 99, L"Can't Convert."));
    EXPECT_TRUE(raised(convert(idOctToDec, L"8"), 99, L"Can't Convert."));
    Call empty = convert(idOctToDec, L"");
    ASSERT_EQ(S_OK, empty.result);
    EXPECT_EQ(VT_EMPTY, V_VT(empty.value.get()));
    // Beyond the Double range the runtime overflows.
    EXPECT_TRUE(raised(convert(idHexToDec, std::wstring(300, L'F').c_str()), 6));
}

TEST_F(OVNumbersTest, DecimalToBinary) {
    const std::wstring fiftyZeros(50, L'0');
    EXPECT_EQ(fiftyZeros, text(*convert(idDecToBin, L"0").value.get()));
    EXPECT_EQ(fiftyZeros, text(*convert(idDecToBin, L"-5").value.get()));
    EXPECT_EQ(L"-5", left);
    EXPECT_EQ(fiftyZeros, text(*convert(idDecToBin, L"0.5").value.get()));
    EXPECT_EQ(L"100", text(*convert(idDecToBin, L"5.5").value.get()));
    EXPECT_EQ(fiftyZeros, text(*convert(idDecToBin, L"7.5").value.get()));
    EXPECT_EQ(L"1" + std::wstring(36, L'0'), text(*convert(idDecToBin, L"68719476736").value.get()));
    EXPECT_EQ(L"0", left);
    EXPECT_EQ(L"1" + std::wstring(35, L'0'), text(*convert(idDecToBin, L"34359738368").value.get()));
    EXPECT_EQ(L"11010001101101110001011101011000111000100001100011",
              text(*convert(idDecToBin, L"922337203685475").value.get()));
    EXPECT_EQ(L"0", left);
    EXPECT_EQ(fiftyZeros, text(*convert(idDecToBin, L"922337203685476").value.get()));
    EXPECT_TRUE(raised(convert(idDecToBin, L"abc"), 13));
    EXPECT_TRUE(raised(convert(idDecToBin, L""), 13));
    EXPECT_TRUE(raised(convert(idDecToBin, L"1E300"), 6));
}

TEST_F(OVNumbersTest, DecimalToOctalAndHexadecimalAre32Bit) {
    EXPECT_EQ(L"17777777777", text(*convert(idDecToOct, L"2147483647").value.get()));
    EXPECT_TRUE(raised(convert(idDecToOct, L"2147483648"), 6));
    EXPECT_EQ(L"FFFFFFFF", text(*convert(idDecToHex, L"-1").value.get()));
    EXPECT_EQ(L"80000000", text(*convert(idDecToHex, L"-2147483648").value.get()));
    EXPECT_EQ(L"2", text(*convert(idDecToHex, L"2.5").value.get()));  // halves round to even
    EXPECT_TRUE(raised(convert(idDecToHex, L"twelve"), 13));
}

TEST_F(OVNumbersTest, ANumberPassedForTheTextArrivesAsItsDecimalText) {
    Variable number;
    V_VT(&number.value) = VT_I4;
    V_I4(&number.value) = 255;
    Call call = invokeMethod(numbers.get(), idDecToHex, {vRef(&number.value)});
    ASSERT_EQ(S_OK, call.result);
    EXPECT_EQ(L"FF", text(*call.value.get()));
    // By value the argument is a copy: nothing to write back.
    Call byValue = invokeMethod(numbers.get(), idBinToDec, {vLong(101)});
    EXPECT_NUMBER(byValue, VT_I2, 5.0);
}

TEST_F(OVNumbersTest, TypedByReferenceArgumentsAreWrittenBack) {
    BSTR variable = ::SysAllocString(L"1101");
    Call call = invokeMethod(numbers.get(), idBinToOct, {vRefText(&variable)});
    EXPECT_EQ(S_OK, call.result);
    EXPECT_EQ(L"13", text(variable));
    ::SysFreeString(variable);
}

TEST_F(OVNumbersTest, EarlyBoundCallsReportErrorInfo) {
    BSTR value = ::SysAllocString(L"102");
    VARIANT result;
    ::VariantInit(&result);
    EXPECT_TRUE(raisedEarly(numbers->BinToDec(&value, &result), 99, L"Can't Convert.", L"TVOrvaneSuite.OVNumbers"));
    EXPECT_EQ(E_POINTER, numbers->BinToDec(nullptr, &result));
    ::SysFreeString(value);
}

// Every character drawn from the base's alphabet, and over a long run every character
// of it used: a generator stuck on one value, or one that skips the last character of
// an alphabet, fails here. (2,000 draws from 36 characters miss one with a chance
// below 1e-20.)
TEST_F(OVNumbersTest, RandomIdentifiersUseTheWholeAlphabetOfTheirBase) {
    auto identifier = [&](std::vector<VARIANT> arguments) { return invokeMethod(numbers.get(), idGenerateRandomID, arguments); };
    struct Base {
        long number;
        std::wstring alphabet;
    };
    const Base bases[] = {{0, L"01"}, {1, L"01234567"}, {2, L"0123456789"}, {3, L"0123456789ABCDEF"},
                          {4, L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"}};
    for (const Base& base : bases) {
        SCOPED_TRACE(base.number);
        Call made = identifier({vInteger(2000), vLong(base.number)});
        ASSERT_EQ(S_OK, made.result);
        ASSERT_EQ(VT_BSTR, V_VT(made.value.get()));
        std::wstring drawn = text(*made.value.get());
        EXPECT_EQ(2000u, drawn.size());
        std::wstring used(drawn);
        std::sort(used.begin(), used.end());
        used.erase(std::unique(used.begin(), used.end()), used.end());
        EXPECT_EQ(base.alphabet, used);
    }
    // Omitted, the base is decimal.
    std::wstring digits = text(*identifier({vInteger(2000)}).value.get());
    std::sort(digits.begin(), digits.end());
    digits.erase(std::unique(digits.begin(), digits.end()), digits.end());
    EXPECT_EQ(L"0123456789", digits);
    // Two calls give different identifiers (the generator moves on between calls).
    EXPECT_NE(text(*identifier({vInteger(40), vLong(4)}).value.get()),
              text(*identifier({vInteger(40), vLong(4)}).value.get()));
}

TEST_F(OVNumbersTest, RandomIdentifierLengths) {
    auto identifier = [&](std::vector<VARIANT> arguments) { return invokeMethod(numbers.get(), idGenerateRandomID, arguments); };
    EXPECT_EQ(L"", text(*identifier({vInteger(0)}).value.get()));
    EXPECT_EQ(VT_BSTR, V_VT(identifier({vInteger(5), vLong(5)}).value.get()));
    EXPECT_EQ(L"", text(*identifier({vInteger(5), vLong(5)}).value.get()));
    EXPECT_EQ(L"", text(*identifier({vInteger(5), vLong(-1)}).value.get()));
    EXPECT_TRUE(raised(identifier({vInteger(-1)}), 5, L"Invalid procedure call or argument"));
    EXPECT_TRUE(raised(identifier({vInteger(-1), vLong(9)}), 5));
    EXPECT_TRUE(raised(identifier({vInteger(32767)}), 6, L"Overflow"));
    EXPECT_EQ(32766u, text(*identifier({vInteger(32766)}).value.get()).size());
    // 16-bit parameter: a larger count does not even reach the member.
    EXPECT_EQ(DISP_E_OVERFLOW, identifier({vLong(40000)}).result);
}

TEST_F(OVNumbersTest, OctalIdentifiersAreAcceptedByOctToDec) {
    for (int round = 0; round < 20; ++round) {
        Call made = invokeMethod(numbers.get(), idGenerateRandomID, {vInteger(8), vLong(1)});
        Variable variable(text(*made.value.get()).c_str());
        EXPECT_EQ(S_OK, invokeMethod(numbers.get(), idOctToDec, {vRef(&variable.value)}).result);
    }
}

}  // namespace
}  // namespace orvane
