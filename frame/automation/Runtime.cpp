#include "frame/automation/Runtime.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <cwchar>
#include <new>

#include "frame/base/Errors.h"

// mingw's own correctly rounded strtod (integer arithmetic), linked statically.
extern "C" double __cdecl __mingw_strtod(const char*, char**);

namespace orvane::runtime {

Variant makeInteger(short value) {
    Variant result;
    V_VT(result.get()) = VT_I2;
    V_I2(result.get()) = value;
    return result;
}

Variant makeLong(long value) {
    Variant result;
    V_VT(result.get()) = VT_I4;
    V_I4(result.get()) = value;
    return result;
}

Variant makeDouble(double value) {
    Variant result;
    V_VT(result.get()) = VT_R8;
    V_R8(result.get()) = value;
    return result;
}

Variant makeText(const wchar_t* text) {
    Variant result;
    V_VT(result.get()) = VT_BSTR;
    V_BSTR(result.get()) = ::SysAllocString(text ? text : L"");
    if (!V_BSTR(result.get())) throw std::bad_alloc();
    return result;
}

Variant makeText(const std::wstring& text) {
    Variant result;
    V_VT(result.get()) = VT_BSTR;
    V_BSTR(result.get()) = allocText(text);
    return result;
}

Variant makeBool(bool value) {
    Variant result;
    V_VT(result.get()) = VT_BOOL;
    V_BOOL(result.get()) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return result;
}

Variant makeMissing() {
    Variant result;
    V_VT(result.get()) = VT_ERROR;
    V_ERROR(result.get()) = DISP_E_PARAMNOTFOUND;
    return result;
}

bool isMissing(const VARIANT& value) {
    const VARIANT& held = dereference(value);
    return V_VT(&held) == VT_ERROR && V_ERROR(&held) == DISP_E_PARAMNOTFOUND;
}

const VARIANT& dereference(const VARIANT& value) {
    const VARIANT* current = &value;
    while (V_VT(current) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(current)) current = V_VARIANTREF(current);
    return *current;
}

VARIANT& dereference(VARIANT& value) {
    return const_cast<VARIANT&>(dereference(static_cast<const VARIANT&>(value)));
}

namespace {
// Operands as plain values: other by-reference forms are copied out first.
struct Operand {
    explicit Operand(const VARIANT& value) {
        const VARIANT& held = dereference(value);
        if (V_ISBYREF(&held)) {
            check(::VariantCopyInd(copy.get(), const_cast<VARIANT*>(&held)));
            pointer = copy.get();
        } else {
            pointer = const_cast<VARIANT*>(&held);
        }
    }
    Variant copy;
    VARIANT* pointer;
};

Variant finite(Variant result) {
    if (V_VT(result.get()) == VT_R8 && !std::isfinite(V_R8(result.get()))) raise(error::Overflow);
    return result;
}

bool isNumeric(VARTYPE type) {
    switch (type) {
    case VT_I1: case VT_I2: case VT_I4: case VT_I8: case VT_UI1: case VT_UI2: case VT_UI4: case VT_UI8:
    case VT_INT: case VT_UINT: case VT_R4: case VT_R8: case VT_CY: case VT_DECIMAL: case VT_DATE: case VT_BOOL:
        return true;
    default:
        return false;
    }
}
// Whole-number operands (Empty, Boolean, Byte, Integer, Long) are computed exactly
// here: the result takes the wider operand type and widens further when it does not
// fit (Byte, Integer, Long, Double). The platform's VarSub under Wine wraps an
// Integer that overflows instead of widening it.
int wholeRank(const VARIANT& value, long long& number) {
    switch (V_VT(&value)) {
    case VT_EMPTY: number = 0; return -1;
    case VT_UI1: number = V_UI1(&value); return 0;
    case VT_BOOL: number = V_BOOL(&value) ? -1 : 0; return 1;
    case VT_I2: number = V_I2(&value); return 1;
    case VT_I4: number = V_I4(&value); return 2;
    default: return -2;
    }
}

bool wholeArithmetic(const VARIANT& left, const VARIANT& right, char operation, Variant& result) {
    long long a = 0, b = 0;
    int rankA = wholeRank(left, a), rankB = wholeRank(right, b);
    if (rankA == -2 || rankB == -2) return false;
    long long value = operation == '+' ? a + b : operation == '-' ? a - b : a * b;
    int rank = std::max({rankA, rankB, 0});
    if (rankA == -1 && rankB == -1) rank = 1;  // Empty with Empty is an Integer
    if (rank == 0 && (value < 0 || value > 255)) rank = 1;
    if (rank == 1 && (value < -32768 || value > 32767)) rank = 2;
    if (rank == 2 && (value < -2147483647LL - 1 || value > 2147483647LL)) rank = 3;
    VARIANT* out = result.put();
    switch (rank) {
    case 0: V_VT(out) = VT_UI1; V_UI1(out) = static_cast<BYTE>(value); break;
    case 1: V_VT(out) = VT_I2; V_I2(out) = static_cast<SHORT>(value); break;
    case 2: V_VT(out) = VT_I4; V_I4(out) = static_cast<LONG>(value); break;
    default: V_VT(out) = VT_R8; V_R8(out) = static_cast<double>(value); break;
    }
    return true;
}

Variant arithmetic(const VARIANT& left, const VARIANT& right, char operation) {
    Operand a(left), b(right);
    Variant result;
    if (wholeArithmetic(*a.pointer, *b.pointer, operation, result)) return result;
    HRESULT outcome = operation == '+'   ? ::VarAdd(a.pointer, b.pointer, result.get())
                      : operation == '-' ? ::VarSub(a.pointer, b.pointer, result.get())
                                         : ::VarMul(a.pointer, b.pointer, result.get());
    check(outcome);
    return finite(std::move(result));
}
}  // namespace

Variant add(const VARIANT& left, const VARIANT& right) { return arithmetic(left, right, '+'); }

Variant subtract(const VARIANT& left, const VARIANT& right) { return arithmetic(left, right, '-'); }

Variant multiply(const VARIANT& left, const VARIANT& right) { return arithmetic(left, right, '*'); }

bool equals(const VARIANT& left, const VARIANT& right) {
    Operand a(left), b(right);
    VARTYPE ta = V_VT(a.pointer), tb = V_VT(b.pointer);
    if (ta == VT_NULL || tb == VT_NULL) return false;
    if (ta == VT_EMPTY && tb == VT_EMPTY) return true;
    auto textOfOperand = [](VARIANT* v) -> std::wstring {
        return V_VT(v) == VT_BSTR ? bstrText(V_BSTR(v)) : std::wstring();
    };
    if ((ta == VT_BSTR || ta == VT_EMPTY) && (tb == VT_BSTR || tb == VT_EMPTY)) {
        return textOfOperand(a.pointer) == textOfOperand(b.pointer);
    }
    if (ta == VT_BSTR || tb == VT_BSTR) return false;  // a number never equals a text
    if ((ta == VT_EMPTY || isNumeric(ta)) && (tb == VT_EMPTY || isNumeric(tb))) {
        return ::VarCmp(a.pointer, b.pointer, userLocale, 0) == VARCMP_EQ;
    }
    if ((ta == VT_DISPATCH || ta == VT_UNKNOWN) && ta == tb) {
        return V_UNKNOWN(a.pointer) == V_UNKNOWN(b.pointer);
    }
    return ::VarCmp(a.pointer, b.pointer, userLocale, 0) == VARCMP_EQ;
}

HRESULT textToDouble(const OLECHAR* text, LCID locale, double* result) noexcept {
    // As many digits as can matter: a Double's exact decimal expansion needs 767.
    constexpr int maximumDigits = 1024;
    BYTE digits[maximumDigits];
    NUMPARSE parsed{};
    parsed.cDig = maximumDigits;
    parsed.dwInFlags = NUMPRS_STD;
    HRESULT outcome = ::VarParseNumFromStr(const_cast<OLECHAR*>(text ? text : L""), locale, 0, &parsed, digits);
    if (FAILED(outcome)) return outcome;
    if (parsed.dwOutFlags & NUMPRS_HEX_OCT) {
        // Whole numbers of at most 64 bits: exact on every path.
        VARIANT value;
        ::VariantInit(&value);
        outcome = ::VarNumFromParseNum(&parsed, digits, VTBIT_R8, &value);
        if (SUCCEEDED(outcome)) *result = V_R8(&value);
        return outcome;
    }
    char decimal[maximumDigits + 24];
    size_t length = 0;
    if (parsed.dwOutFlags & NUMPRS_NEG) decimal[length++] = '-';
    if (parsed.cDig == 0) decimal[length++] = '0';
    for (int i = 0; i < parsed.cDig; ++i) decimal[length++] = static_cast<char>('0' + digits[i]);
    std::snprintf(decimal + length, sizeof decimal - length, "e%d", parsed.nPwr10);
    // The same code in both bitnesses.
    double value = ::__mingw_strtod(decimal, nullptr);
    if (!std::isfinite(value)) return DISP_E_OVERFLOW;
    *result = value;
    return S_OK;
}

HRESULT changeType(VARIANT* target, VARIANT* source, LCID locale, USHORT flags, VARTYPE type) noexcept {
    VARIANT* held = source;
    while (V_VT(held) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(held)) held = V_VARIANTREF(held);
    bool text = V_VT(held) == VT_BSTR || V_VT(held) == (VT_BYREF | VT_BSTR);
    if (type != VT_R8 || !text) return ::VariantChangeTypeEx(target, source, locale, flags, type);
    BSTR value = V_VT(held) == VT_BSTR ? V_BSTR(held) : (V_BSTRREF(held) ? *V_BSTRREF(held) : nullptr);
    double number = 0;
    HRESULT outcome = textToDouble(value, locale, &number);
    if (FAILED(outcome)) return outcome;
    outcome = ::VariantClear(target);  // in place, the text is no longer needed
    if (FAILED(outcome)) return outcome;
    V_VT(target) = VT_R8;
    V_R8(target) = number;
    return S_OK;
}

Variant convert(const VARIANT& value, VARTYPE type) {
    Operand source(value);
    Variant result;
    if (type == VT_VARIANT) {
        check(::VariantCopy(result.get(), source.pointer));
        return result;
    }
    if (V_VT(source.pointer) == VT_NULL) raise(error::InvalidUseOfNull);
    // Booleans become "True"/"False" as text.
    USHORT flags = type == VT_BSTR ? VARIANT_ALPHABOOL : 0;
    check(changeType(result.get(), source.pointer, userLocale, flags, type));
    return result;
}

double toDouble(const VARIANT& value) {
    double result = V_R8(convert(value, VT_R8).get());
    if (!std::isfinite(result)) raise(error::Overflow);
    return result;
}

long toLong(const VARIANT& value) { return V_I4(convert(value, VT_I4).get()); }

short toInteger(const VARIANT& value) { return V_I2(convert(value, VT_I2).get()); }

CY toCurrency(const VARIANT& value) { return V_CY(convert(value, VT_CY).get()); }

Bstr toText(const VARIANT& value) {
    Variant text = convert(value, VT_BSTR);
    return Bstr::attach(std::exchange(V_BSTR(text.get()), nullptr));
}

double textToDouble(const wchar_t* text) {
    double result = 0;
    check(textToDouble(text, userLocale, &result));
    return result;
}

long textToLong(const wchar_t* text) {
    LONG result = 0;
    check(::VarI4FromStr(const_cast<OLECHAR*>(text ? text : L""), userLocale, 0, &result));
    return result;
}

CY textToCurrency(const wchar_t* text) {
    CY result{};
    check(::VarCyFromStr(const_cast<OLECHAR*>(text ? text : L""), userLocale, 0, &result));
    return result;
}

Bstr textOf(double value) {
    BSTR text = nullptr;
    check(::VarBstrFromR8(value, userLocale, 0, &text));
    return Bstr::attach(text);
}

Bstr textOf(long value) {
    BSTR text = nullptr;
    check(::VarBstrFromI4(value, userLocale, 0, &text));
    return Bstr::attach(text);
}

Bstr textOf(CY value) {
    BSTR text = nullptr;
    check(::VarBstrFromCy(value, userLocale, 0, &text));
    return Bstr::attach(text);
}

short narrowToInteger(long value) {
    if (value < -32768 || value > 32767) raise(error::Overflow);
    return static_cast<short>(value);
}

long narrowToLong(double value) {
    LONG result = 0;
    check(::VarI4FromR8(value, &result));
    return result;
}

// Exact 64-bit arithmetic: the platform's currency multiplication goes through a
// double and loses the last digits of large values.
CY currencyMultiply(CY value, long factor) {
    CY result{};
    if (__builtin_mul_overflow(value.int64, static_cast<long long>(factor), &result.int64)) raise(error::Overflow);
    return result;
}

CY currencySubtract(CY left, CY right) {
    CY result{};
    if (__builtin_sub_overflow(left.int64, right.int64, &result.int64)) raise(error::Overflow);
    return result;
}

namespace {
std::wstring radixText(const VARIANT& value, const wchar_t* format) {
    const VARIANT& held = dereference(value);
    unsigned long bits = 0;
    VARTYPE type = V_VT(&held) & ~VT_BYREF;
    if (V_VT(&held) == VT_NULL) raise(error::InvalidUseOfNull);
    if (type == VT_I2) {
        bits = static_cast<unsigned short>(toInteger(held));
    } else if (type == VT_UI1) {
        bits = V_ISBYREF(&held) ? *V_UI1REF(&held) : V_UI1(&held);
    } else {
        bits = static_cast<unsigned long>(toLong(held));
    }
    wchar_t buffer[16];
    std::swprintf(buffer, 16, format, bits);
    return buffer;
}
}  // namespace

std::wstring hexText(const VARIANT& value) { return radixText(value, L"%lX"); }

std::wstring octText(const VARIANT& value) { return radixText(value, L"%lo"); }

std::wstring left(const std::wstring& text, long length) {
    if (length < 0) raise(error::InvalidCall);
    return text.substr(0, static_cast<size_t>(length));
}

std::wstring right(const std::wstring& text, long length) {
    if (length < 0) raise(error::InvalidCall);
    size_t count = std::min(text.size(), static_cast<size_t>(length));
    return text.substr(text.size() - count);
}

std::wstring mid(const std::wstring& text, long start, long length) {
    if (start < 1 || length < -1) raise(error::InvalidCall);
    size_t from = static_cast<size_t>(start - 1);
    if (from >= text.size()) return {};
    return length < 0 ? text.substr(from) : text.substr(from, static_cast<size_t>(length));
}

long inStr(long start, const std::wstring& text, const std::wstring& what, bool ignoreCase) {
    if (start < 1) raise(error::InvalidCall);
    size_t from = static_cast<size_t>(start - 1);
    if (from > text.size()) return 0;
    if (what.empty()) return start;
    size_t found = ignoreCase ? toUpper(text).find(toUpper(what), from) : text.find(what, from);
    return found == std::wstring::npos ? 0 : static_cast<long>(found + 1);
}

std::wstring trimSpaces(const std::wstring& text) {
    size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    size_t last = text.find_last_not_of(L' ');
    return text.substr(first, last - first + 1);
}

std::wstring space(long count) {
    if (count < 0) raise(error::InvalidCall);
    return std::wstring(static_cast<size_t>(count), L' ');
}

std::wstring beforeFirstNul(const std::wstring& text) {
    size_t end = text.find(L'\0');
    if (end == std::wstring::npos) raise(error::InvalidCall);
    return text.substr(0, end);
}

std::wstring toUpper(const std::wstring& text) {
    std::wstring result = text;
    if (!result.empty()) ::CharUpperBuffW(result.data(), static_cast<DWORD>(result.size()));
    return result;
}

namespace {
// The generator keeps a 24-bit state, as the classic runtime does.
thread_local unsigned long randomSeed = 0x50000;
}

void randomize() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    float timer = now.wHour * 3600.0f + now.wMinute * 60.0f + now.wSecond + now.wMilliseconds / 1000.0f;
    unsigned long bits;
    static_assert(sizeof(bits) >= sizeof(timer));
    bits = 0;
    std::memcpy(&bits, &timer, sizeof(timer));
    unsigned long mixed = ((bits & 0xFFFF) ^ (bits >> 16)) << 8;
    randomSeed = (randomSeed & 0xFF) | (mixed & 0xFFFF00);
}

float rnd() {
    randomSeed = (randomSeed * 0x43FD43FDul + 0xC39EC3ul) & 0xFFFFFFul;
    return static_cast<float>(randomSeed) / 16777216.0f;
}

std::string toAnsi(const wchar_t* text, UINT length) {
    if (!text || length == 0) return {};
    int size = ::WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), result.data(), size, nullptr, nullptr);
    return result;
}

std::string toAnsi(const std::wstring& text) { return toAnsi(text.data(), static_cast<UINT>(text.size())); }

std::string toAnsi(BSTR text) { return toAnsi(text, ::SysStringLen(text)); }

std::wstring fromAnsi(const char* text, size_t length) {
    if (!text || length == 0) return {};
    int size = ::MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0);
    std::wstring result(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), result.data(), size);
    return result;
}

std::wstring fromAnsi(const std::string& text) { return fromAnsi(text.data(), text.size()); }

void roundTripAnsi(BSTR* text) {
    if (!text) return;
    std::wstring original = bstrText(*text);
    std::wstring back = fromAnsi(toAnsi(original));
    if (back == original) return;
    BSTR replacement = allocText(back);
    ::SysFreeString(*text);
    *text = replacement;
}

std::wstring bstrText(BSTR text) { return std::wstring(text ? text : L"", ::SysStringLen(text)); }

BSTR allocText(const std::wstring& text) {
    BSTR result = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!result) throw std::bad_alloc();
    return result;
}

}  // namespace orvane::runtime
