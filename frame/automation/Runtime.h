// Runtime services the components rest on: Variant arithmetic and comparison,
// checked conversions in the user's locale, Hex/Oct, text functions, Rnd and
// ANSI copies for platform calls. Arithmetic and conversions are oleaut32's own.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "frame/base/Handles.h"

namespace orvane::runtime {

constexpr LCID userLocale = LOCALE_USER_DEFAULT;

// --- Variant construction -------------------------------------------------
Variant makeInteger(short value);
Variant makeLong(long value);
Variant makeDouble(double value);
Variant makeText(const wchar_t* text);
Variant makeText(const std::wstring& text);
Variant makeBool(bool value);
// The "missing" argument: subtype Error holding 0x80020004.
Variant makeMissing();
bool isMissing(const VARIANT& value);

// Follows VT_BYREF|VT_VARIANT chains to the variant that holds the value.
const VARIANT& dereference(const VARIANT& value);
VARIANT& dereference(VARIANT& value);

// --- Arithmetic (Empty counts as 0, the wider type wins, Integer overflow becomes
// Long, Long becomes Double, Null propagates; a non-finite Double raises 6) ---------
Variant add(const VARIANT& left, const VARIANT& right);
Variant subtract(const VARIANT& left, const VARIANT& right);
Variant multiply(const VARIANT& left, const VARIANT& right);

// Equality as the runtime's "=": numbers by value, texts by code unit, Empty equals 0
// and "", a number never equals a text, Null equals nothing.
bool equals(const VARIANT& left, const VARIANT& right);

// --- Conversions ------------------------------------------------------------
// VariantChangeTypeEx, except that a text becomes a Double through one correctly
// rounded conversion of all its digits. The platform parses the text (separators,
// signs, currency symbols, &H and &O), but its own digits-to-Double step overflows on
// long digit strings in one bitness and keeps 80-bit intermediates in the other.
HRESULT changeType(VARIANT* target, VARIANT* source, LCID locale, USHORT flags, VARTYPE type) noexcept;
HRESULT textToDouble(const OLECHAR* text, LCID locale, double* result) noexcept;
// Checked conversion to a subtype: 13 when not convertible, 6 when out of range,
// 94 for Null (except to Variant).
Variant convert(const VARIANT& value, VARTYPE type);
double toDouble(const VARIANT& value);
long toLong(const VARIANT& value);
short toInteger(const VARIANT& value);
CY toCurrency(const VARIANT& value);
Bstr toText(const VARIANT& value);
double textToDouble(const wchar_t* text);
long textToLong(const wchar_t* text);
CY textToCurrency(const wchar_t* text);
Bstr textOf(double value);
Bstr textOf(long value);
Bstr textOf(CY value);
// Narrowing with the runtime's overflow check.
short narrowToInteger(long value);
long narrowToLong(double value);
// Currency arithmetic with overflow check (error 6).
CY currencyMultiply(CY value, long factor);
CY currencySubtract(CY left, CY right);

// --- Hex and Oct: upper-case digits, no prefix; the argument is rounded and must fit
// 32 bits (else 6); a 16-bit Integer argument gives 16-bit two's complement ---------
std::wstring hexText(const VARIANT& value);
std::wstring octText(const VARIANT& value);

// --- Text functions -------------------------------------------------------------
std::wstring left(const std::wstring& text, long length);   // 5 if length < 0
std::wstring right(const std::wstring& text, long length);  // 5 if length < 0
// 1-based start; 5 if start < 1 or length < 0; length -1 means "to the end".
std::wstring mid(const std::wstring& text, long start, long length = -1);
// 1-based position of what in text from start, 0 if absent; 5 if start < 1.
long inStr(long start, const std::wstring& text, const std::wstring& what, bool ignoreCase = false);
std::wstring trimSpaces(const std::wstring& text);
std::wstring space(long count);  // 5 if count < 0
// Text up to the first NUL character; 5 when there is none (the cut length is -1).
std::wstring beforeFirstNul(const std::wstring& text);
std::wstring toUpper(const std::wstring& text);

// --- Random numbers --------------------------------------------------------------
void randomize();   // reseed from the system timer
float rnd();        // 0 <= r < 1

// --- ANSI copies for platform calls ------------------------------------------------
std::string toAnsi(const wchar_t* text, UINT length);
std::string toAnsi(const std::wstring& text);
std::string toAnsi(BSTR text);
std::wstring fromAnsi(const char* text, size_t length);
std::wstring fromAnsi(const std::string& text);
// Replaces a text by its round trip through the ANSI code page, as a text handed to
// an ANSI function in place comes back.
void roundTripAnsi(BSTR* text);

std::wstring bstrText(BSTR text);
BSTR allocText(const std::wstring& text);

}  // namespace orvane::runtime
