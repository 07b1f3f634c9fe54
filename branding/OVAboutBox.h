// OVAboutBox: keeps the texts, colours, logo and style of an application's About window,
// and opens the About form of that style.
#pragma once

#include <span>

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

// What an About box saves.
struct AboutBoxState {
    long aboutStyle = ovAboutStandard;
    Bstr websiteUrl;
    Bstr mailto;
    Bstr copyright;
    Bstr copyrightWarning;
    Bstr productDescription;
    ComPtr<IPictureDisp> productLogo;
    Bstr productName;
    Bstr productVersion;
    long productNameColor = 0;
    long copyrightColor = 0;
    long copyrightWarningColor = 0;
    long productDescriptionColor = 0;
    long productVersionColor = 0;
};

class OVAboutBox final : public Control<OVAboutBox, _OVAboutBox, AboutBoxState> {
public:
    static constexpr const wchar_t* className = L"OVAboutBox";
    static constexpr int toolboxBitmap = 30001;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVAboutBox; }

    // The texts a new control starts with: the maker's own.
    static const wchar_t* const defaultWebsiteUrl;
    static const wchar_t* const defaultMailto;
    static const wchar_t* const defaultCopyright;
    static const wchar_t* const defaultCopyrightWarning;
    static const wchar_t* const defaultDescription;

    OVAboutBox();

    static const PersistedBinding<AboutBoxState>& persistedBinding();
    static std::span<const CLSID> propertyPageIds() noexcept;
    void initProperties();

    // The face is the 48 x 48 icon that is also the default logo.
    void drawFace(HDC dc, const RECT& bounds) override;
    SIZE naturalSize() override;

    STDMETHODIMP get_AboutStyle(long* result) override;
    STDMETHODIMP put_AboutStyle(OVAboutBoxConstants value) override;
    STDMETHODIMP get_WebsiteUrl(BSTR* result) override;
    STDMETHODIMP put_WebsiteUrl(BSTR value) override;
    STDMETHODIMP get_Mailto(BSTR* result) override;
    STDMETHODIMP put_Mailto(BSTR value) override;
    STDMETHODIMP get_Copyright(BSTR* result) override;
    STDMETHODIMP put_Copyright(BSTR value) override;
    STDMETHODIMP get_CopyrightWarning(BSTR* result) override;
    STDMETHODIMP put_CopyrightWarning(BSTR value) override;
    STDMETHODIMP get_ProductDescription(BSTR* result) override;
    STDMETHODIMP put_ProductDescription(BSTR value) override;
    STDMETHODIMP get_ProductLogo(IPictureDisp** result) override;
    STDMETHODIMP putref_ProductLogo(IPictureDisp* value) override;
    STDMETHODIMP get_ProductName(BSTR* result) override;
    STDMETHODIMP put_ProductName(BSTR value) override;
    STDMETHODIMP get_ProductVersion(BSTR* result) override;
    STDMETHODIMP put_ProductVersion(BSTR value) override;
    STDMETHODIMP get_ProductNameColor(long* result) override;
    STDMETHODIMP put_ProductNameColor(long value) override;
    STDMETHODIMP get_CopyrightColor(long* result) override;
    STDMETHODIMP put_CopyrightColor(long value) override;
    STDMETHODIMP get_CopyrightWarningColor(long* result) override;
    STDMETHODIMP put_CopyrightWarningColor(long value) override;
    STDMETHODIMP get_ProductDescriptionColor(long* result) override;
    STDMETHODIMP put_ProductDescriptionColor(long value) override;
    STDMETHODIMP get_ProductVersionColor(long* result) override;
    STDMETHODIMP put_ProductVersionColor(long value) override;
    STDMETHODIMP ShowAbout() override;

private:
    ComPtr<IPictureDisp> face_;
};

}  // namespace orvane
