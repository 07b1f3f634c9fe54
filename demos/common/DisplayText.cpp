#include "DisplayText.h"

#include <cmath>

#include "frame/base/Errors.h"
#include "frame/base/Handles.h"
#include "frame/automation/Runtime.h"

namespace orvane::demo {

std::wstring displayText(const VARIANT& value) {
    return runtime::toText(value).c_str();
}

namespace {

std::wstring thousandsSeparator() {
    wchar_t separator[8] = {};
    if (!::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8)) return L",";
    return separator;
}

}  // namespace

std::wstring groupedText(const VARIANT& value) {
    const VARIANT& actual = runtime::dereference(value);
    if (V_VT(&actual) == VT_NULL) return L"";
    // Currency keeps every digit of a byte count; other numbers round through a
    // Double, halves away from zero as Format does.
    bool negative = false;
    std::wstring digits;
    if (V_VT(&actual) == VT_CY) {
        LONGLONG scaled = V_CY(&actual).int64;
        negative = scaled < 0;
        unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(scaled) : scaled;
        unsigned long long whole = magnitude / 10000 + (magnitude % 10000 >= 5000 ? 1 : 0);
        digits = std::to_wstring(whole);
    } else {
        double number = runtime::toDouble(actual);
        negative = number < 0;
        double whole = std::floor(std::fabs(number) + 0.5);
        wchar_t buffer[400];
        swprintf(buffer, 400, L"%.0f", whole);
        digits = buffer;
    }
    if (digits == L"0") return L"";
    std::wstring separator = thousandsSeparator();
    std::wstring grouped;
    size_t lead = digits.size() % 3 ? digits.size() % 3 : 3;
    grouped = digits.substr(0, lead);
    for (size_t at = lead; at < digits.size(); at += 3) grouped += separator + digits.substr(at, 3);
    return negative ? L"-" + grouped : grouped;
}

}  // namespace orvane::demo
