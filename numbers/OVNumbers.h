// OVNumbers: conversion of numbers written as text between binary, octal, decimal
// and hexadecimal, and random identifiers drawn from five alphabets.
#pragma once

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVNumbers final : public Control<OVNumbers, _OVNumbers> {
public:
    static constexpr const wchar_t* className = L"OVNumbers";
    static constexpr int toolboxBitmap = 30010;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVNumbers; }

    STDMETHODIMP BinToOct(BSTR* BinaryValue, VARIANT* result) override;
    STDMETHODIMP BinToHex(BSTR* BinaryValue, VARIANT* result) override;
    STDMETHODIMP BinToDec(BSTR* BinaryValue, VARIANT* result) override;
    STDMETHODIMP OctToBin(BSTR* OctalValue, VARIANT* result) override;
    STDMETHODIMP OctToHex(BSTR* OctalValue, VARIANT* result) override;
    STDMETHODIMP OctToDec(BSTR* OctalValue, VARIANT* result) override;
    STDMETHODIMP DecToBin(BSTR* DecimalValue, VARIANT* result) override;
    STDMETHODIMP DecToOct(BSTR* DecimalValue, VARIANT* result) override;
    STDMETHODIMP DecToHex(BSTR* DecimalValue, VARIANT* result) override;
    STDMETHODIMP HexToBin(BSTR* HexidecimalValue, VARIANT* result) override;
    STDMETHODIMP HexToOct(BSTR* HexidecimalValue, VARIANT* result) override;
    STDMETHODIMP HexToDec(BSTR* HexidecimalValue, VARIANT* result) override;
    STDMETHODIMP GenerateRandomID(short* NumDigits, OVNumbersConstants* BaseX, VARIANT* result) override;

    // The four real conversions; the others compose them. Each works on its ByRef
    // text in place, as the members do.
    static Variant binaryToNumber(BSTR* binaryValue);
    static Variant digitsToNumber(BSTR* digits, int base);
    static Variant numberToBinary(BSTR* decimalValue);
    static std::wstring randomIdentifier(short numDigits, long baseX);
};

}  // namespace orvane
