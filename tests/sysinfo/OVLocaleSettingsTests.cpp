// OVLocaleSettings: locale queries, the year widening, the number pattern and the
// source texts of the re-raised errors.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "TestSupport.h"
#include "frame/base/Platform.h"
#include "sysinfo/OVLocaleSettings.h"

namespace orvane {
namespace {

using namespace test;

enum : DISPID {
    idNegativeSign = 0x68030000, idPositiveSign, idNativeCountryName, idLanguageName, idCountry, idSysLanguageName,
    idSysLanguageID, idCurrencySpecifier, idDecimalSpecifier, idThousandSpecifier, idNumberFormat, idTimeFormat,
    idDateFormat
};

const wchar_t missingEntry[] = L"Can't find DLL entry point GetLocaleInfoA in kernel32.dll";

class OVLocaleSettingsTest : public ::testing::Test {
protected:
    Call read(DISPID member) { return invoke(locale.get(), member, DISPATCH_PROPERTYGET, {}); }
    std::wstring readText(DISPID member) {
        Call call = read(member);
        EXPECT_EQ(S_OK, call.result);
        EXPECT_EQ(VT_BSTR, V_VT(call.value.get()));
        return text(*call.value.get());
    }
    // Answers locale queries from a table, as the platform fills an ANSI buffer.
    platform::Entry<int(LCID, LCTYPE, LPSTR, int)>::FakeScope answer(std::map<LCTYPE, std::string> table) {
        return platform::kernel32::GetLocaleInfoA.fake([this, table](LCID locale, LCTYPE code, LPSTR buffer, int size) {
            queries.push_back({locale, code, size});
            for (int i = 0; i < size; ++i) EXPECT_EQ('\0', buffer[i]);
            auto found = table.find(code);
            if (found == table.end()) return 0;
            lstrcpynA(buffer, found->second.c_str(), size);
            return static_cast<int>(found->second.size()) + 1;
        });
    }
    struct Query {
        LCID locale;
        LCTYPE code;
        int size;
    };
    std::vector<Query> queries;
    ComPtr<OVLocaleSettings> locale = OVLocaleSettings::create();
};

TEST_F(OVLocaleSettingsTest, EachPropertyAsksForItsCodeInTheUserLocale) {
    const std::pair<DISPID, LCTYPE> properties[] = {
        {idTimeFormat, 0x1003}, {idThousandSpecifier, 0x0F}, {idDecimalSpecifier, 0x0E}, {idCurrencySpecifier, 0x14},
        {idCountry, 0x1002},    {idLanguageName, 4},         {idNativeCountryName, 8},  {idPositiveSign, 0x50},
        {idNegativeSign, 0x51}};
    for (auto [member, code] : properties) {
        queries.clear();
        auto scope = answer({{code, "value " + std::to_string(code)}});
        EXPECT_EQ(L"value " + std::to_wstring(code), readText(member)) << std::hex << member;
        ASSERT_EQ(1u, queries.size());
        EXPECT_EQ(0x400u, queries[0].locale);
        EXPECT_EQ(code, queries[0].code);
        EXPECT_EQ(256, queries[0].size);
    }
    auto scope = answer({});
    EXPECT_EQ(L"", readText(idNegativeSign));  // a failed query gives the empty text
}

TEST_F(OVLocaleSettingsTest, TwoLetterYearsAreWidened) {
    const std::pair<const char*, const wchar_t*> formats[] = {
        {"dd/MM/yy", L"dd/MM/YYYY"},   {"M/d/yy", L"M/d/YYYY"},     {"dd.MM.yyyy", L"dd.MM.yyyy"},
        {"d/M/y", L"d/M/y"},           {"yy-yy", L"YYYY-YYYY"},     {"yyy", L"YYYYy"},
        {"yY.MM", L"YYYY.MM"},         {"yyyyy", L"yyyyy"},         {"", L""}};
    for (auto [format, expected] : formats) {
        queries.clear();
        auto scope = answer({{0x1F, format}});
        EXPECT_EQ(expected, readText(idDateFormat)) << format;
        EXPECT_EQ(256, queries.at(0).size);
    }
    EXPECT_EQ(L"YYYYxYYYY", OVLocaleSettings::replace(L"yyxYY", L"YY", L"YYYY"));
    // The search goes on after the replacement, never inside it.
    EXPECT_EQ(L"aba", OVLocaleSettings::replace(L"a", L"A", L"aba"));
}

TEST_F(OVLocaleSettingsTest, NumberPatternNeedsBothSeparators) {
    {
        auto scope = answer({{0x0E, "."}, {0x0F, ","}});
        EXPECT_EQ(L"###,###.######", readText(idNumberFormat));
        ASSERT_EQ(2u, queries.size());
        EXPECT_EQ(0x0Eu, queries[0].code);
        EXPECT_EQ(128, queries[0].size);
        EXPECT_EQ(0x0Fu, queries[1].code);
        EXPECT_EQ(128, queries[1].size);
    }
    {
        auto scope = answer({{0x0E, ","}, {0x0F, "\xA0"}});
        EXPECT_EQ(L"###\u00A0###,######", readText(idNumberFormat));
    }
    {
        auto scope = answer({{0x0E, "."}});
        EXPECT_EQ(L"", readText(idNumberFormat));
    }
    queries.clear();
    auto scope = answer({{0x0F, ","}});
    EXPECT_EQ(L"", readText(idNumberFormat));
    EXPECT_EQ(1u, queries.size());  // no thousands query after a failed decimal one
}

TEST_F(OVLocaleSettingsTest, CountsBeyondTheBufferStayInsideIt) {
    auto scope = platform::kernel32::GetLocaleInfoA.fake([](LCID, LCTYPE, LPSTR buffer, int) {
        buffer[0] = 'x';
        return 100000;
    });
    EXPECT_EQ(L"x", readText(idCurrencySpecifier));  // not the NUL padding after the text
}

TEST_F(OVLocaleSettingsTest, SystemLanguage) {
    LANGID language = 0x0409;
    auto id = platform::kernel32::GetSystemDefaultLangID.fake([&] { return language; });
    DWORD askedFor = 0, askedSize = 0;
    DWORD count = 7;
    auto name = platform::kernel32::VerLanguageNameA.fake([&](DWORD wanted, LPSTR buffer, DWORD size) {
        askedFor = wanted;
        askedSize = size;
        lstrcpynA(buffer, "English (United States)", size);
        return count;
    });
    Call call = read(idSysLanguageID);
    ASSERT_EQ(VT_I4, V_VT(call.value.get()));
    EXPECT_EQ(1033, V_I4(call.value.get()));
    EXPECT_EQ(L"English", readText(idSysLanguageName));  // the count decides the length
    count = 24;  // Wine counts the terminator too
    EXPECT_EQ(L"English (United States)", readText(idSysLanguageName));
    EXPECT_EQ(0x0409u, askedFor);
    EXPECT_EQ(50u, askedSize);
    count = 0;
    EXPECT_EQ(L"", readText(idSysLanguageName));
    count = static_cast<DWORD>(-1);
    EXPECT_EQ(L"", readText(idSysLanguageName));
    language = 0x8001;  // widened with its sign
    EXPECT_EQ(-32767, V_I4(read(idSysLanguageID).value.get()));
    count = 7;
    readText(idSysLanguageName);
    EXPECT_EQ(0x8001u, askedFor);  // the platform gets the 16-bit identifier itself
}

TEST_F(OVLocaleSettingsTest, HandledPropertiesReRaiseWithTheirOwnSource) {
    auto scope = platform::kernel32::GetLocaleInfoA.fake([](LCID, LCTYPE, LPSTR, int) -> int {
        throw RuntimeError(error::EntryPointNotFound, missingEntry);
    });
    Call date = read(idDateFormat);
    EXPECT_TRUE(raised(date, 453, missingEntry));
    EXPECT_EQ(L"LocaleSettings GetDateFormat", date.source);
    Call number = read(idNumberFormat);
    EXPECT_TRUE(raised(number, 453, missingEntry));
    EXPECT_EQ(L"LocaleSettings GetNumberFormat", number.source);
    // Without a handler the error reaches the host unchanged.
    Call time = read(idTimeFormat);
    EXPECT_TRUE(raised(time, 453, missingEntry));
    EXPECT_EQ(L"TVOrvaneSuite.OVLocaleSettings", time.source);

    auto name = platform::kernel32::VerLanguageNameA.fake([](DWORD, LPSTR, DWORD) -> DWORD {
        throw RuntimeError(error::EntryPointNotFound, L"Can't find DLL entry point VerLanguageNameA in kernel32.dll");
    });
    Call language = read(idSysLanguageName);
    EXPECT_TRUE(raised(language, 453));
    EXPECT_EQ(L"LocaleSettings GetSysLanguageName", language.source);

    BSTR value = nullptr;
    EXPECT_TRUE(raisedEarly(locale->get_DateFormat(&value), 453, missingEntry, L"LocaleSettings GetDateFormat"));
    EXPECT_EQ(nullptr, value);
}

TEST_F(OVLocaleSettingsTest, AgreesWithThePlatform) {
    auto platformText = [](LCTYPE code) {
        char buffer[256] = {};
        int count = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, code, buffer, 256);
        return count > 0 ? std::wstring(buffer, buffer + count - 1) : std::wstring();
    };
    EXPECT_EQ(platformText(LOCALE_STIMEFORMAT), readText(idTimeFormat));
    EXPECT_EQ(platformText(LOCALE_SCURRENCY), readText(idCurrencySpecifier));
    // The short date with a two-letter year widened to four, worked out here with a
    // regular expression rather than with the class's own routine.
    std::wstring shortDate = platformText(LOCALE_SSHORTDATE);
    const auto icase = std::regex_constants::icase;
    std::wstring widened = std::regex_search(shortDate, std::wregex(L"yyyy", icase))
                               ? shortDate
                               : std::regex_replace(shortDate, std::wregex(L"yy", icase), L"YYYY");
    EXPECT_EQ(widened, readText(idDateFormat));
    EXPECT_EQ(L"###" + platformText(LOCALE_STHOUSAND) + L"###" + platformText(LOCALE_SDECIMAL) + L"######",
              readText(idNumberFormat));
    EXPECT_EQ(static_cast<short>(::GetSystemDefaultLangID()), V_I4(read(idSysLanguageID).value.get()));
    std::wstring language = readText(idSysLanguageName);
    EXPECT_FALSE(language.empty());
    EXPECT_EQ(std::wstring::npos, language.find(L'\0'));
}

TEST_F(OVLocaleSettingsTest, EarlyBoundNullResultIsRefused) {
    EXPECT_EQ(E_POINTER, locale->get_TimeFormat(nullptr));
    EXPECT_EQ(E_POINTER, locale->get_SysLanguageID(nullptr));
    EXPECT_EQ(E_POINTER, locale->get_NumberFormat(nullptr));
}

}  // namespace
}  // namespace orvane
