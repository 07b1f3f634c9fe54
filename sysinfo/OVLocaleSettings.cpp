#include "sysinfo/OVLocaleSettings.h"

#include <new>

#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

constexpr LCID userDefaultLocale = 0x400;
constexpr int localeBufferSize = 256;
constexpr int numberBufferSize = 128;
constexpr DWORD languageBufferSize = 50;

// The first count characters of a buffer the platform filled, never past its text:
// a count that takes in the terminator (Wine's VerLanguageNameA does) or more must
// not hand out the NUL padding.
std::wstring leading(const std::string& buffer, size_t size, long count) {
    std::wstring text = runtime::left(runtime::fromAnsi(buffer.data(), size), count);
    return text.substr(0, text.find(L'\0'));
}

// One locale query into a buffer of NULs; the count includes the terminator.
// Nothing when the platform reports no characters.
std::wstring localeText(LCTYPE code, int size, bool* found = nullptr) {
    std::string buffer(static_cast<size_t>(size) + 1, '\0');
    int count = platform::kernel32::GetLocaleInfoA(userDefaultLocale, code, buffer.data(), size);
    if (found) *found = count > 0;
    if (count <= 0) return {};
    return leading(buffer, static_cast<size_t>(size), count - 1);
}

// Runs a property body whose runtime errors reach the host with the property's own
// source text (number and description unchanged).
template <class Body>
void withSource(const wchar_t* source, Body&& body) {
    try {
        body();
    } catch (RuntimeError& error) {
        error.setSource(source);
        throw;
    } catch (const std::bad_alloc&) {
        throw RuntimeError(error::OutOfMemory, standardText(error::OutOfMemory), source);
    }
}

}  // namespace

std::wstring OVLocaleSettings::replace(std::wstring text, const std::wstring& what, const std::wstring& by) {
    withSource(L"LocaleSettings Replace", [&] {
        long start = 1;
        for (;;) {
            long found = runtime::inStr(start, text, what, true);
            if (found == 0) break;
            text = runtime::left(text, found - 1) + by + runtime::mid(text, found + static_cast<long>(what.size()));
            start = found + static_cast<long>(by.size());
        }
    });
    return text;
}

std::wstring OVLocaleSettings::widenYear(const std::wstring& format) {
    if (runtime::inStr(1, format, L"YYYY", true) != 0) return format;
    return replace(format, L"YY", L"YYYY");
}

HRESULT OVLocaleSettings::localeProperty(LCTYPE code, BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        *result = runtime::allocText(localeText(code, localeBufferSize));
    });
}

STDMETHODIMP OVLocaleSettings::get_DateFormat(BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        withSource(L"LocaleSettings GetDateFormat", [&] {
            *result = runtime::allocText(widenYear(localeText(LOCALE_SSHORTDATE, localeBufferSize)));
        });
    });
}

STDMETHODIMP OVLocaleSettings::get_TimeFormat(BSTR* result) { return localeProperty(LOCALE_STIMEFORMAT, result); }

STDMETHODIMP OVLocaleSettings::get_NumberFormat(BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        withSource(L"LocaleSettings GetNumberFormat", [&] {
            std::wstring pattern;
            bool found = false;
            std::wstring decimal = localeText(LOCALE_SDECIMAL, numberBufferSize, &found);
            if (found) {
                std::wstring thousands = localeText(LOCALE_STHOUSAND, numberBufferSize, &found);
                if (found) pattern = L"###" + thousands + L"###" + decimal + L"######";
            }
            *result = runtime::allocText(pattern);
        });
    });
}

STDMETHODIMP OVLocaleSettings::get_ThousandSpecifier(BSTR* result) { return localeProperty(LOCALE_STHOUSAND, result); }
STDMETHODIMP OVLocaleSettings::get_DecimalSpecifier(BSTR* result) { return localeProperty(LOCALE_SDECIMAL, result); }
STDMETHODIMP OVLocaleSettings::get_CurrencySpecifier(BSTR* result) { return localeProperty(LOCALE_SCURRENCY, result); }

STDMETHODIMP OVLocaleSettings::get_SysLanguageID(long* result) {
    return call([&] {
        required(result);
        *result = static_cast<short>(platform::kernel32::GetSystemDefaultLangID());
    });
}

STDMETHODIMP OVLocaleSettings::get_SysLanguageName(BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        withSource(L"LocaleSettings GetSysLanguageName", [&] {
            LANGID language = platform::kernel32::GetSystemDefaultLangID();
            std::string buffer(languageBufferSize + 1, '\0');
            // The count excludes the terminator; read as the signed Long it was declared.
            long count = static_cast<long>(
                platform::kernel32::VerLanguageNameA(language, buffer.data(), languageBufferSize));
            std::wstring name;
            if (count > 0) name = leading(buffer, languageBufferSize, count);
            *result = runtime::allocText(name);
        });
    });
}

STDMETHODIMP OVLocaleSettings::get_Country(BSTR* result) { return localeProperty(LOCALE_SENGCOUNTRY, result); }
STDMETHODIMP OVLocaleSettings::get_LanguageName(BSTR* result) { return localeProperty(LOCALE_SNATIVELANGNAME, result); }
STDMETHODIMP OVLocaleSettings::get_NativeCountryName(BSTR* result) {
    return localeProperty(LOCALE_SNATIVECTRYNAME, result);
}
STDMETHODIMP OVLocaleSettings::get_PositiveSign(BSTR* result) { return localeProperty(LOCALE_SPOSITIVESIGN, result); }
STDMETHODIMP OVLocaleSettings::get_NegativeSign(BSTR* result) { return localeProperty(LOCALE_SNEGATIVESIGN, result); }

}  // namespace orvane
