#include "numbers/OVNumbers.h"

#include <cmath>

#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

constexpr long conversionError = 99;
const wchar_t cantConvert[] = L"Can't Convert.";
const wchar_t maxLength[] = L"Max len is 50 character.";

// Lengths are held in a 16-bit Integer.
short lengthOf(BSTR text) { return runtime::narrowToInteger(static_cast<long>(::SysStringLen(text))); }

void replaceText(BSTR* target, const std::wstring& text) {
    BSTR replacement = runtime::allocText(text);
    ::SysFreeString(*target);
    *target = replacement;
}

void replaceText(BSTR* target, Bstr text) {
    ::SysFreeString(*target);
    *target = text.detach();
}

// The weight 2^exponent as the constant of the width the conversion uses for it.
Variant weight(int exponent) {
    double value = std::ldexp(1.0, exponent);
    if (exponent >= 31) return runtime::makeDouble(value);
    if (exponent >= 15) return runtime::makeLong(static_cast<long>(value));
    return runtime::makeInteger(static_cast<short>(value));
}

Variant textVariant(BSTR text) {
    Variant result;
    V_VT(result.get()) = VT_BSTR;
    V_BSTR(result.get()) = text;  // borrowed: detached before the variant dies
    return result;
}

std::wstring radixOfText(BSTR text, bool hexadecimal) {
    Variant borrowed = textVariant(text);
    std::wstring digits;
    try {
        digits = hexadecimal ? runtime::hexText(*borrowed.get()) : runtime::octText(*borrowed.get());
    } catch (...) {
        V_VT(borrowed.get()) = VT_EMPTY;
        throw;
    }
    V_VT(borrowed.get()) = VT_EMPTY;
    return digits;
}

// The decimal text of a conversion's number, stored back into the ByRef text.
void storeDecimalText(BSTR* target, const Variant& number) { replaceText(target, runtime::toText(*number.get())); }

}  // namespace

Variant OVNumbers::binaryToNumber(BSTR* binaryValue) {
    BSTR text = *binaryValue;
    const short length = lengthOf(text);
    for (short i = 0; i < length; ++i) {
        if (text[i] != L'0' && text[i] != L'1') raise(conversionError, cantConvert);
    }
    if (length == 0 || length > 50) raise(conversionError, maxLength);
    Variant result;
    for (short i = 1; i < length; ++i) {
        if (text[i - 1] == L'1') result = runtime::add(*result.get(), *weight(length - i).get());
    }
    result = runtime::add(*result.get(), *runtime::makeInteger(text[length - 1] == L'1' ? 1 : 0).get());
    // The digits were consumed from the front; the last one is what stays.
    replaceText(binaryValue, std::wstring(1, text[length - 1]));
    return result;
}

Variant OVNumbers::digitsToNumber(BSTR* digits, int base) {
    BSTR text = *digits;
    const short length = lengthOf(text);
    const Variant radix = runtime::makeInteger(static_cast<short>(base));
    Variant result;
    for (short i = 0; i < length; ++i) {
        wchar_t c = text[i];
        int digit = -1;
        if (c >= L'0' && c <= L'9') digit = c - L'0';
        else if (base == 16 && c >= L'A' && c <= L'F') digit = c - L'A' + 10;
        else if (base == 16 && c >= L'a' && c <= L'f') digit = c - L'a' + 10;
        if (digit < 0 || digit >= base) raise(conversionError, cantConvert);
        result = runtime::add(*runtime::multiply(*result.get(), *radix.get()).get(),
                              *runtime::makeInteger(static_cast<short>(digit)).get());
    }
    return result;
}

Variant OVNumbers::numberToBinary(BSTR* decimalValue) {
    CY amount = runtime::textToCurrency(*decimalValue);
    replaceText(decimalValue, runtime::textOf(amount));
    wchar_t slots[51];
    for (wchar_t& slot : slots) slot = L'0';
    const double top = 922337203685475.0;
    for (;;) {
        double v = runtime::textToDouble(*decimalValue);
        if (v == 0) break;
        int found = -1;
        for (int k = 0; k <= 49 && found < 0; ++k) {
            double low = std::ldexp(1.0, k);
            double high = k == 49 ? top : std::ldexp(1.0, k + 1) - 1;
            if (v >= low && v <= high) found = k;
        }
        if (found < 0) break;  // negative, a fraction below 1, between two ranges, or too large
        slots[50 - found] = L'1';
        replaceText(decimalValue, runtime::textOf(v - std::ldexp(1.0, found)));
    }
    int first = 1;
    while (first <= 50 && slots[first] != L'1') ++first;
    // No bit set: slot 0 holds the empty text, so all fifty zeros are returned.
    if (first > 50) first = 1;
    return runtime::makeText(std::wstring(slots + first, slots + 51));
}

std::wstring OVNumbers::randomIdentifier(short numDigits, long baseX) {
    static const wchar_t* const alphabets[] = {L"01", L"01234567", L"0123456789", L"ABCDEF0123456789",
                                               L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"};
    runtime::randomize();
    std::wstring identifier;
    if (baseX >= 0 && baseX <= 4) {
        const std::wstring alphabet = alphabets[baseX];
        const double size = static_cast<double>(alphabet.size());
        if (numDigits > 0) identifier.reserve(static_cast<size_t>(numDigits));
        for (long i = 1; i <= numDigits; ++i) {
            double position = std::floor(static_cast<double>(runtime::rnd()) * size + 1);
            identifier += alphabet[static_cast<size_t>(position) - 1];
        }
        // The 16-bit loop counter steps past 32767 after the last character.
        if (numDigits == 32767) raise(error::Overflow);
    }
    return runtime::left(identifier, numDigits);
}

STDMETHODIMP OVNumbers::BinToDec(BSTR* BinaryValue, VARIANT* result) {
    return call([&] { binaryToNumber(required(BinaryValue)).moveTo(required(result)); });
}

STDMETHODIMP OVNumbers::BinToOct(BSTR* BinaryValue, VARIANT* result) {
    return call([&] {
        required(result);
        storeDecimalText(required(BinaryValue), binaryToNumber(BinaryValue));
        runtime::makeText(radixOfText(*BinaryValue, false)).moveTo(result);
    });
}

STDMETHODIMP OVNumbers::BinToHex(BSTR* BinaryValue, VARIANT* result) {
    return call([&] {
        required(result);
        storeDecimalText(required(BinaryValue), binaryToNumber(BinaryValue));
        runtime::makeText(radixOfText(*BinaryValue, true)).moveTo(result);
    });
}

STDMETHODIMP OVNumbers::OctToDec(BSTR* OctalValue, VARIANT* result) {
    return call([&] { digitsToNumber(required(OctalValue), 8).moveTo(required(result)); });
}

STDMETHODIMP OVNumbers::OctToBin(BSTR* OctalValue, VARIANT* result) {
    return call([&] {
        required(result);
        storeDecimalText(required(OctalValue), digitsToNumber(OctalValue, 8));
        numberToBinary(OctalValue).moveTo(result);
    });
}

STDMETHODIMP OVNumbers::OctToHex(BSTR* OctalValue, VARIANT* result) {
    return call([&] {
        required(result);
        storeDecimalText(required(OctalValue), digitsToNumber(OctalValue, 8));
        runtime::makeText(radixOfText(*OctalValue, true)).moveTo(result);
    });
}

STDMETHODIMP OVNumbers::DecToBin(BSTR* DecimalValue, VARIANT* result) {
    return call([&] {
        required(result);
        numberToBinary(required(DecimalValue)).moveTo(result);
    });
}

STDMETHODIMP OVNumbers::DecToOct(BSTR* DecimalValue, VARIANT* result) {
    return call([&] {
        required(result);
        runtime::makeText(radixOfText(*required(DecimalValue), false)).moveTo(result);
    });
}

STDMETHODIMP OVNumbers::DecToHex(BSTR* DecimalValue, VARIANT* result) {
    return call([&] {
        required(result);
        runtime::makeText(radixOfText(*required(DecimalValue), true)).moveTo(result);
    });
}

STDMETHODIMP OVNumbers::HexToDec(BSTR* HexidecimalValue, VARIANT* result) {
    return call([&] { digitsToNumber(required(HexidecimalValue), 16).moveTo(required(result)); });
}

STDMETHODIMP OVNumbers::HexToBin(BSTR* HexidecimalValue, VARIANT* result) {
    return call([&] {
        required(result);
        storeDecimalText(required(HexidecimalValue), digitsToNumber(HexidecimalValue, 16));
        numberToBinary(HexidecimalValue).moveTo(result);
    });
}

STDMETHODIMP OVNumbers::HexToOct(BSTR* HexidecimalValue, VARIANT* result) {
    return call([&] {
        required(result);
        storeDecimalText(required(HexidecimalValue), digitsToNumber(HexidecimalValue, 16));
        runtime::makeText(radixOfText(*HexidecimalValue, false)).moveTo(result);
    });
}

STDMETHODIMP OVNumbers::GenerateRandomID(short* NumDigits, OVNumbersConstants* BaseX, VARIANT* result) {
    return call([&] {
        required(result);
        // An early-bound caller may pass no BaseX at all: the declared default applies.
        long base = BaseX ? static_cast<long>(*BaseX) : static_cast<long>(ovDecimalBase);
        runtime::makeText(randomIdentifier(*required(NumDigits), base)).moveTo(result);
    });
}

}  // namespace orvane
