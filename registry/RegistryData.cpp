#include "registry/RegistryData.h"

#include <cmath>
#include <cstring>
#include <cwchar>

#include "frame/base/Errors.h"
#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane::registrydata {

namespace {

// A whole number of either sign, as wide as the platform's widest value type.
struct Whole {
    bool negative = false;
    unsigned long long magnitude = 0;
};

[[noreturn]] void notWhole() { raise(error::InvalidCall, L"The registry number must be a whole number."); }
[[noreturn]] void wrongKind(const wchar_t* wanted) {
    raise(error::TypeMismatch, std::wstring(L"Type mismatch: the value type takes ") + wanted + L".");
}

Whole signedWhole(long long value) {
    Whole whole;
    whole.negative = value < 0;
    whole.magnitude = whole.negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    return whole;
}

// Decimal digits with an optional sign and surrounding spaces; nothing else.
Whole wholeOfText(const wchar_t* text, UINT length) {
    UINT at = 0;
    while (at < length && text[at] == L' ') ++at;
    while (length > at && text[length - 1] == L' ') --length;
    Whole whole;
    if (at < length && (text[at] == L'-' || text[at] == L'+')) whole.negative = text[at++] == L'-';
    if (at == length) wrongKind(L"a whole number or its decimal text");
    for (; at < length; ++at) {
        const wchar_t digit = text[at];
        if (digit < L'0' || digit > L'9') wrongKind(L"a whole number or its decimal text");
        const unsigned long long value = static_cast<unsigned long long>(digit - L'0');
        if (whole.magnitude > (~0ULL - value) / 10) raise(error::Overflow);
        whole.magnitude = whole.magnitude * 10 + value;
    }
    if (whole.magnitude == 0) whole.negative = false;
    return whole;
}

Whole wholeOfDecimal(DECIMAL value) {
    // A 96-bit magnitude in three 32-bit limbs, most significant first: the zeros of
    // the fraction are divided away, then it must be whole.
    unsigned long long limbs[3] = {value.Hi32, value.Lo64 >> 32, value.Lo64 & 0xFFFFFFFFULL};
    for (unsigned scale = value.scale; scale > 0; --scale) {
        unsigned long long quotient[3];
        unsigned long long remainder = 0;
        for (int n = 0; n < 3; ++n) {
            const unsigned long long current = (remainder << 32) | limbs[n];
            quotient[n] = current / 10;
            remainder = current % 10;
        }
        if (remainder != 0) notWhole();
        std::memcpy(limbs, quotient, sizeof limbs);
    }
    if (limbs[0] != 0) raise(error::Overflow);
    Whole whole;
    whole.magnitude = (limbs[1] << 32) | limbs[2];
    whole.negative = (value.sign & DECIMAL_NEG) != 0 && whole.magnitude != 0;
    return whole;
}

Whole wholeOf(const VARIANT& given) {
    const VARIANT& value = runtime::dereference(given);
    if (V_ISBYREF(&value)) {
        Variant copy;
        if (FAILED(::VariantCopyInd(copy.get(), const_cast<VARIANT*>(&value)))) wrongKind(L"a number");
        return wholeOf(*copy.get());
    }
    switch (V_VT(&value)) {
    case VT_EMPTY: return {};
    case VT_NULL: raise(error::InvalidUseOfNull);
    case VT_I1: return signedWhole(V_I1(&value));
    case VT_I2: return signedWhole(V_I2(&value));
    case VT_I4: return signedWhole(V_I4(&value));
    case VT_INT: return signedWhole(V_INT(&value));
    case VT_I8: return signedWhole(V_I8(&value));
    case VT_BOOL: return signedWhole(V_BOOL(&value));
    case VT_UI1: return {false, V_UI1(&value)};
    case VT_UI2: return {false, V_UI2(&value)};
    case VT_UI4: return {false, V_UI4(&value)};
    case VT_UINT: return {false, V_UINT(&value)};
    case VT_UI8: return {false, V_UI8(&value)};
    case VT_R4:
    case VT_R8: {
        const double number = V_VT(&value) == VT_R4 ? V_R4(&value) : V_R8(&value);
        if (!std::isfinite(number) || std::fabs(number) >= 18446744073709551616.0) raise(error::Overflow);
        if (std::floor(number) != number) notWhole();
        Whole whole;
        whole.negative = number < 0;
        whole.magnitude = static_cast<unsigned long long>(std::fabs(number));
        return whole;
    }
    case VT_CY:
        if (V_CY(&value).int64 % 10000 != 0) notWhole();
        return signedWhole(V_CY(&value).int64 / 10000);
    case VT_DECIMAL: return wholeOfDecimal(V_DECIMAL(&value));
    case VT_BSTR: return wholeOfText(V_BSTR(&value), ::SysStringLen(V_BSTR(&value)));
    default: wrongKind(L"a number");
    }
}

// Two's complement of a whole number within [-lowest, highest].
unsigned long long bitsWithin(const Whole& whole, unsigned long long lowest, unsigned long long highest) {
    if (whole.negative ? whole.magnitude > lowest : whole.magnitude > highest) raise(error::Overflow);
    return whole.negative ? 0ULL - whole.magnitude : whole.magnitude;
}

// The elements of an array: a one-dimensional safe array of any element type, or a
// script's own array object (JScript), read through its length and indexes.
std::vector<Variant> elementsOf(const VARIANT& given, const wchar_t* wanted) {
    const VARIANT& value = runtime::dereference(given);
    std::vector<Variant> elements;
    if (V_VT(&value) & VT_ARRAY) {
        SAFEARRAY* array = V_ISBYREF(&value) ? *V_ARRAYREF(&value) : V_ARRAY(&value);
        if (!array) return elements;
        if (::SafeArrayGetDim(array) != 1) wrongKind(wanted);
        LONG lower = 0, upper = -1;
        ::SafeArrayGetLBound(array, 1, &lower);
        ::SafeArrayGetUBound(array, 1, &upper);
        VARTYPE type = VT_EMPTY;
        if (FAILED(::SafeArrayGetVartype(array, &type))) wrongKind(wanted);
        for (LONG index = lower; index <= upper; ++index) {
            Variant element;
            VARIANT* slot = element.get();
            if (type == VT_VARIANT) {
                if (FAILED(::SafeArrayGetElement(array, &index, slot))) wrongKind(wanted);
            } else if (type == VT_DECIMAL) {
                if (FAILED(::SafeArrayGetElement(array, &index, &V_DECIMAL(slot)))) wrongKind(wanted);
                V_VT(slot) = VT_DECIMAL;  // after the value: the type overlaps the decimal's reserved field
            } else {
                if (FAILED(::SafeArrayGetElement(array, &index, &V_UI1(slot)))) wrongKind(wanted);
                V_VT(slot) = type;
            }
            elements.push_back(std::move(element));
        }
        return elements;
    }
    if (V_VT(&value) == VT_DISPATCH && V_DISPATCH(&value)) {
        IDispatch* object = V_DISPATCH(&value);
        auto property = [&](const std::wstring& name, Variant& out) {
            LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
            DISPID id = DISPID_UNKNOWN;
            DISPPARAMS none{};
            return SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)) &&
                   SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                                            out.put(), nullptr, nullptr));
        };
        Variant length;
        if (!property(L"length", length)) wrongKind(wanted);
        const unsigned long long count = bitsWithin(wholeOf(*length.get()), 0, 0x7FFFFFFF);
        for (unsigned long long index = 0; index < count; ++index) {
            Variant element;
            // A hole in a script array reads as Empty (undefined).
            if (!property(std::to_wstring(index), element)) element = Variant();
            elements.push_back(std::move(element));
        }
        return elements;
    }
    wrongKind(wanted);
}

std::vector<BYTE> textData(const wchar_t* text, size_t length) {
    std::vector<BYTE> data((length + 1) * sizeof(wchar_t), 0);
    if (length) std::memcpy(data.data(), text, length * sizeof(wchar_t));
    return data;
}

std::vector<BYTE> multiStringData(const VARIANT& value) {
    std::wstring joined;
    for (const Variant& element : elementsOf(value, L"an array of Strings")) {
        const VARIANT& item = runtime::dereference(*element.get());
        if (V_VT(&item) != VT_BSTR) wrongKind(L"an array of Strings");
        const UINT length = ::SysStringLen(V_BSTR(&item));
        // Readers end the list at its first empty text: one would lose what follows.
        if (length == 0 || std::wmemchr(V_BSTR(&item), L'\0', length)) {
            raise(error::InvalidCall, L"A multi-string value cannot hold an empty text or a zero character.");
        }
        joined.append(V_BSTR(&item), length);
        joined.push_back(L'\0');
    }
    // Each text ends with its zero and the list with one more; the empty list is that
    // last zero alone.
    return textData(joined.data(), joined.size());
}

std::vector<BYTE> byteData(const VARIANT& given) {
    const VARIANT& value = runtime::dereference(given);
    if (V_VT(&value) == VT_EMPTY) return {};
    std::vector<BYTE> data;
    for (const Variant& element : elementsOf(value, L"an array of bytes")) {
        data.push_back(static_cast<BYTE>(bitsWithin(wholeOf(*element.get()), 0, 255)));
    }
    return data;
}

template <class Number>
std::vector<BYTE> numberData(Number number) {
    std::vector<BYTE> data(sizeof number);
    std::memcpy(data.data(), &number, sizeof number);
    return data;
}

Variant arrayOf(std::vector<Variant>& elements) {
    SAFEARRAY* array = ::SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(elements.size()));
    if (!array) raise(error::OutOfMemory);
    VARIANT* slots = nullptr;
    ::SafeArrayAccessData(array, reinterpret_cast<void**>(&slots));
    for (size_t n = 0; n < elements.size(); ++n) elements[n].moveTo(&slots[n]);
    ::SafeArrayUnaccessData(array);
    Variant result;
    V_VT(result.get()) = VT_ARRAY | VT_VARIANT;
    V_ARRAY(result.get()) = array;
    return result;
}

std::wstring textOf(const BYTE* data, DWORD size) {
    std::wstring text(size / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(text.data(), data, text.size() * sizeof(wchar_t));
    return text;
}

}  // namespace

REGSAM viewFlag(long view) {
    if (view == 0 || view == KEY_WOW64_64KEY || view == KEY_WOW64_32KEY) return static_cast<REGSAM>(view);
    raise(error::InvalidCall, L"Unknown registry view " + std::to_wstring(view) +
                                  L": use ovDefaultView (0), ov64BitView (256) or ov32BitView (512).");
}

Variant valueOf(DWORD type, const BYTE* data, DWORD size) {
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        std::wstring text = textOf(data, size);
        if (!text.empty() && text.back() == L'\0') text.pop_back();
        return runtime::makeText(text);
    }
    case REG_MULTI_SZ: {
        std::wstring text = textOf(data, size);
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        std::vector<Variant> items;
        for (size_t start = 0; !text.empty();) {
            const size_t end = text.find(L'\0', start);
            items.push_back(runtime::makeText(text.substr(start, end - start)));
            if (end == std::wstring::npos) break;
            start = end + 1;
        }
        return arrayOf(items);
    }
    case REG_DWORD:
        if (size == sizeof(DWORD)) {
            DWORD number = 0;
            std::memcpy(&number, data, sizeof number);
            return runtime::makeLong(static_cast<LONG>(number));
        }
        break;
    case REG_QWORD:
        if (size == sizeof(ULONGLONG)) {
            ULONGLONG number = 0;
            std::memcpy(&number, data, sizeof number);
            return runtime::makeText(std::to_wstring(number));
        }
        break;
    default:
        break;
    }
    std::vector<Variant> bytes(size);
    for (DWORD n = 0; n < size; ++n) {
        V_VT(bytes[n].get()) = VT_UI1;
        V_UI1(bytes[n].get()) = data[n];
    }
    return arrayOf(bytes);
}

std::vector<BYTE> dataOf(long type, const VARIANT& value) {
    if (type < 0) raise(error::InvalidCall, L"Unknown registry value type " + std::to_wstring(type) + L".");
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        const VARIANT& held = runtime::dereference(value);
        if (V_VT(&held) & VT_ARRAY) wrongKind(L"a text");
        Bstr text = runtime::toText(held);
        return textData(text.get(), ::SysStringLen(text.get()));
    }
    case REG_MULTI_SZ: return multiStringData(value);
    case REG_DWORD: return numberData(static_cast<DWORD>(bitsWithin(wholeOf(value), 0x80000000ULL, 0xFFFFFFFFULL)));
    case REG_QWORD: return numberData(static_cast<ULONGLONG>(bitsWithin(wholeOf(value), 0x8000000000000000ULL, ~0ULL)));
    default: return byteData(value);
    }
}

std::wstring expanded(const std::wstring& text) {
    std::wstring result(text.size() + 1, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD needed = platform::kernel32::ExpandEnvironmentStringsW(text.c_str(), result.data(),
                                                                          static_cast<DWORD>(result.size()));
        if (needed == 0) return text;
        if (needed <= result.size()) {
            result.resize(needed - 1);
            return result;
        }
        result.assign(needed, L'\0');
    }
    return text;
}

}  // namespace orvane::registrydata
