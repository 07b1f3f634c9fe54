// OVLocaleSettings: the user's regional settings and the system's default language,
// asked of the platform afresh on every read.
#pragma once

#include <string>

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVLocaleSettings final : public Control<OVLocaleSettings, _OVLocaleSettings> {
public:
    static constexpr const wchar_t* className = L"OVLocaleSettings";
    static constexpr int toolboxBitmap = 30007;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVLocaleSettings; }

    STDMETHODIMP get_DateFormat(BSTR* result) override;
    STDMETHODIMP get_TimeFormat(BSTR* result) override;
    STDMETHODIMP get_NumberFormat(BSTR* result) override;
    STDMETHODIMP get_ThousandSpecifier(BSTR* result) override;
    STDMETHODIMP get_DecimalSpecifier(BSTR* result) override;
    STDMETHODIMP get_CurrencySpecifier(BSTR* result) override;
    STDMETHODIMP get_SysLanguageID(long* result) override;
    STDMETHODIMP get_SysLanguageName(BSTR* result) override;
    STDMETHODIMP get_Country(BSTR* result) override;
    STDMETHODIMP get_LanguageName(BSTR* result) override;
    STDMETHODIMP get_NativeCountryName(BSTR* result) override;
    STDMETHODIMP get_PositiveSign(BSTR* result) override;
    STDMETHODIMP get_NegativeSign(BSTR* result) override;

    // Replaces every occurrence of what (without regard to case) by by; replaced text
    // is not searched again.
    static std::wstring replace(std::wstring text, const std::wstring& what, const std::wstring& by);
    // Two-letter years widened to four unless the format already has four.
    static std::wstring widenYear(const std::wstring& format);

private:
    HRESULT localeProperty(LCTYPE code, BSTR* result);
};

}  // namespace orvane
