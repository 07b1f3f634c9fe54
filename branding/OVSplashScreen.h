// OVSplashScreen: keeps the texts, pictures, colour and style of an application's splash
// screen, and shows or hides the splash form of that style.
#pragma once

#include <span>

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

// What a splash screen saves.
struct SplashScreenState {
    Bstr licenseTo;
    Bstr companyName;
    ComPtr<IPictureDisp> companyNameImage;
    Bstr productName;
    ComPtr<IPictureDisp> productNameImage;
    ComPtr<IPictureDisp> productLogo;
    Bstr productVersion;
    Bstr copyright;
    Bstr copyrightOwner;
    Bstr copyrightWarning;
    long splashStyle = ovStandard;
    Bstr platform;
    long productNameColor = 0;
};

class OVSplashScreen final : public Control<OVSplashScreen, _OVSplashScreen, SplashScreenState> {
public:
    static constexpr const wchar_t* className = L"OVSplashScreen";
    static constexpr int toolboxBitmap = 30000;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVSplashScreen; }

    // The texts a new control starts with.
    static const wchar_t* const defaultCopyright;
    static const wchar_t* const defaultCopyrightWarning;

    static const PersistedBinding<SplashScreenState>& persistedBinding();
    static std::span<const CLSID> propertyPageIds() noexcept;
    void initProperties();

    STDMETHODIMP get_LicenseTo(BSTR* result) override;
    STDMETHODIMP put_LicenseTo(BSTR value) override;
    STDMETHODIMP get_CompanyName(BSTR* result) override;
    STDMETHODIMP put_CompanyName(BSTR value) override;
    STDMETHODIMP get_CompanyNameImage(IPictureDisp** result) override;
    STDMETHODIMP putref_CompanyNameImage(IPictureDisp* value) override;
    STDMETHODIMP get_ProductName(BSTR* result) override;
    STDMETHODIMP put_ProductName(BSTR value) override;
    STDMETHODIMP get_ProductNameImage(IPictureDisp** result) override;
    STDMETHODIMP putref_ProductNameImage(IPictureDisp* value) override;
    STDMETHODIMP get_ProductLogo(IPictureDisp** result) override;
    STDMETHODIMP putref_ProductLogo(IPictureDisp* value) override;
    STDMETHODIMP get_ProductVersion(BSTR* result) override;
    STDMETHODIMP put_ProductVersion(BSTR value) override;
    STDMETHODIMP get_Copyright(BSTR* result) override;
    STDMETHODIMP put_Copyright(BSTR value) override;
    STDMETHODIMP get_CopyrightOwner(BSTR* result) override;
    STDMETHODIMP put_CopyrightOwner(BSTR value) override;
    STDMETHODIMP get_CopyrightWarning(BSTR* result) override;
    STDMETHODIMP put_CopyrightWarning(BSTR value) override;
    STDMETHODIMP get_SplashStyle(long* result) override;
    STDMETHODIMP put_SplashStyle(OVSplashScreenConstants value) override;
    STDMETHODIMP ShowSplash(VARIANT* result) override;
    STDMETHODIMP HideSplash(VARIANT* result) override;
    STDMETHODIMP get_Platform(BSTR* result) override;
    STDMETHODIMP put_Platform(BSTR value) override;
    STDMETHODIMP get_ProductNameColor(long* result) override;
    STDMETHODIMP put_ProductNameColor(long value) override;

private:
    STDMETHODIMP getPicture(const ComPtr<IPictureDisp>& stored, IPictureDisp** result);
    STDMETHODIMP setTextOfPair(Bstr& text, ComPtr<IPictureDisp>& image, BSTR value, DISPID member);
    STDMETHODIMP setImageOfPair(ComPtr<IPictureDisp>& image, Bstr& text, IPictureDisp* value, DISPID member);
};

}  // namespace orvane
