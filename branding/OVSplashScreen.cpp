#include "branding/OVSplashScreen.h"

#include <cmath>
#include <vector>

#include "branding/BrandingPictures.h"
#include "branding/SplashLayout.h"
#include "branding/forms/frmOrvane.h"
#include "branding/forms/frmSerated.h"
#include "branding/forms/frmStandard.h"
#include "branding/forms/frmThe2000Look.h"
#include "branding/forms/frmThe98Look.h"
#include "frame/automation/Runtime.h"
#include "frame/forms/Form.h"

#include <msstkppg.h>

namespace orvane {

const wchar_t* const OVSplashScreen::defaultCopyright = L"Copyright \u00A9 2002.  All Rights Reserved.";
const wchar_t* const OVSplashScreen::defaultCopyrightWarning =
    L"Warning:  This program is protected by copyright law and international treaties.  Copying or "
    L"distributing it, in whole or in part, without the owner's permission may lead to civil and criminal "
    L"penalties.";

namespace {

constexpr const wchar_t* defaultLicenseTo = L"Valued Customer";
constexpr const wchar_t* defaultCompany = L"Your Company";
constexpr const wchar_t* defaultProductName = L"Your Product";
constexpr const wchar_t* defaultVersion = L"Version 1.0 Build 0";
constexpr const wchar_t* defaultPlatform = L"For Windows 95, 98, NT, 2000 and XP";

struct StyleForm {
    const forms::FormDefinition& (*definition)();
    double warningMargin;  // twips between the warning's bottom and the form's lower edge
    const wchar_t* companyImage;
};

// Indexed by OVSplashScreenConstants.
const StyleForm styleForms[] = {
    {&branding::frmStandard, 400, L"imgCompanyProductImage"},
    {&branding::frmSerated, 200, L"imgCompanyProductImage"},
    {&branding::frmThe98Look, 250, L"imgCompanyPruductImage"},
    {&branding::frmThe2000Look, 200, L"imgCompanyProductImage"},
    {&branding::frmOrvane, 200, L"imgCompanyProductImage"},
};

constexpr forms::Color orvaneProductNameColor = 0x0000FFFF;

// Any value outside the styles, negative ones included, names no form.
const StyleForm* formOfStyle(long style) {
    unsigned long index = static_cast<unsigned long>(style);
    return index < std::size(styleForms) ? &styleForms[index] : nullptr;
}

}  // namespace

const PersistedBinding<SplashScreenState>& OVSplashScreen::persistedBinding() {
    // The store's order. "Copyright" is kept too, so that a copyright set at design time
    // survives saving the form; a store without it reads the default.
    using Bound = PersistedBinding<SplashScreenState>;
    using State = SplashScreenState;
    static const Bound binding = {
        Bound::bind(L"LicenseTo", DISPID_OVSplashScreen_LicenseTo, &State::licenseTo, defaultLicenseTo),
        Bound::bind(L"CompanyName", DISPID_OVSplashScreen_CompanyName, &State::companyName, defaultCompany),
        Bound::bind(L"CompanyNameImage", DISPID_OVSplashScreen_CompanyNameImage, &State::companyNameImage),
        Bound::bind(L"ProductName", DISPID_OVSplashScreen_ProductName, &State::productName, defaultProductName),
        Bound::bind(L"ProductNameImage", DISPID_OVSplashScreen_ProductNameImage, &State::productNameImage),
        Bound::bind(L"ProductLogo", DISPID_OVSplashScreen_ProductLogo, &State::productLogo),
        Bound::bind(L"ProductVersion", DISPID_OVSplashScreen_ProductVersion, &State::productVersion, defaultVersion),
        Bound::bind(L"Copyright", DISPID_OVSplashScreen_Copyright, &State::copyright, defaultCopyright),
        Bound::bind(L"CopyrightOwner", DISPID_OVSplashScreen_CopyrightOwner, &State::copyrightOwner, defaultCompany),
        Bound::bind(L"CopyrightWarning", DISPID_OVSplashScreen_CopyrightWarning, &State::copyrightWarning,
                    defaultCopyrightWarning),
        Bound::bind(L"SplashStyle", DISPID_OVSplashScreen_SplashStyle, &State::splashStyle, ovStandard),
        Bound::bind(L"Platform", DISPID_OVSplashScreen_Platform, &State::platform, defaultPlatform),
        Bound::bind(L"ProductNameColor", DISPID_OVSplashScreen_ProductNameColor, &State::productNameColor, 0),
    };
    return binding;
}

std::span<const CLSID> OVSplashScreen::propertyPageIds() noexcept {
    static const CLSID pages[] = {CLSID_ppageSplashScreenDesign, CLSID_StockPicturePage, CLSID_StockColorPage};
    return pages;
}

// A new control has both members of each text-or-image pair filled: the default text
// and an empty picture (not Nothing, unlike a store without pictures).
void OVSplashScreen::initProperties() {
    Control::initProperties();
    state_.companyNameImage = emptyPicture();
    state_.productNameImage = emptyPicture();
    state_.productLogo = emptyPicture();
}

// The text-or-image rule: setting one member of a pair blanks the other, which is not
// announced. Everything that can fail is made before either member changes.
STDMETHODIMP OVSplashScreen::setTextOfPair(Bstr& text, ComPtr<IPictureDisp>& image, BSTR value,
                                           DISPID member) {
    return call([&] {
        Bstr copy(value, ::SysStringLen(value));
        ComPtr<IPictureDisp> blank = emptyPicture();
        text = std::move(copy);
        image = blank;
        propertyChanged(member);
    });
}

STDMETHODIMP OVSplashScreen::setImageOfPair(ComPtr<IPictureDisp>& image, Bstr& text, IPictureDisp* value,
                                            DISPID member) {
    return call([&] {
        Bstr empty(L"");
        image = value;
        text = std::move(empty);
        propertyChanged(member);
    });
}

STDMETHODIMP OVSplashScreen::getPicture(const ComPtr<IPictureDisp>& stored, IPictureDisp** result) {
    return call([&] { *required(result) = stored.copy(); });
}

STDMETHODIMP OVSplashScreen::get_LicenseTo(BSTR* result) { return getStored(state_.licenseTo, result); }
STDMETHODIMP OVSplashScreen::put_LicenseTo(BSTR value) { return setStored(state_.licenseTo, value, DISPID_OVSplashScreen_LicenseTo); }
STDMETHODIMP OVSplashScreen::get_CompanyName(BSTR* result) { return getStored(state_.companyName, result); }

STDMETHODIMP OVSplashScreen::put_CompanyName(BSTR value) {
    return setTextOfPair(state_.companyName, state_.companyNameImage, value, DISPID_OVSplashScreen_CompanyName);
}

STDMETHODIMP OVSplashScreen::get_CompanyNameImage(IPictureDisp** result) {
    return getPicture(state_.companyNameImage, result);
}

STDMETHODIMP OVSplashScreen::putref_CompanyNameImage(IPictureDisp* value) {
    return setImageOfPair(state_.companyNameImage, state_.companyName, value, DISPID_OVSplashScreen_CompanyNameImage);
}

STDMETHODIMP OVSplashScreen::get_ProductName(BSTR* result) { return getStored(state_.productName, result); }

STDMETHODIMP OVSplashScreen::put_ProductName(BSTR value) {
    return setTextOfPair(state_.productName, state_.productNameImage, value, DISPID_OVSplashScreen_ProductName);
}

STDMETHODIMP OVSplashScreen::get_ProductNameImage(IPictureDisp** result) {
    return getPicture(state_.productNameImage, result);
}

STDMETHODIMP OVSplashScreen::putref_ProductNameImage(IPictureDisp* value) {
    return setImageOfPair(state_.productNameImage, state_.productName, value, DISPID_OVSplashScreen_ProductNameImage);
}

STDMETHODIMP OVSplashScreen::get_ProductLogo(IPictureDisp** result) { return getPicture(state_.productLogo, result); }

STDMETHODIMP OVSplashScreen::putref_ProductLogo(IPictureDisp* value) {
    return call([&] {
        state_.productLogo = value;
        propertyChanged(DISPID_OVSplashScreen_ProductLogo);
    });
}

STDMETHODIMP OVSplashScreen::get_ProductVersion(BSTR* result) { return getStored(state_.productVersion, result); }
STDMETHODIMP OVSplashScreen::put_ProductVersion(BSTR value) {
    return setStored(state_.productVersion, value, DISPID_OVSplashScreen_ProductVersion);
}
STDMETHODIMP OVSplashScreen::get_Copyright(BSTR* result) { return getStored(state_.copyright, result); }
STDMETHODIMP OVSplashScreen::put_Copyright(BSTR value) { return setStored(state_.copyright, value, DISPID_OVSplashScreen_Copyright); }
STDMETHODIMP OVSplashScreen::get_CopyrightOwner(BSTR* result) { return getStored(state_.copyrightOwner, result); }
STDMETHODIMP OVSplashScreen::put_CopyrightOwner(BSTR value) {
    return setStored(state_.copyrightOwner, value, DISPID_OVSplashScreen_CopyrightOwner);
}
STDMETHODIMP OVSplashScreen::get_CopyrightWarning(BSTR* result) { return getStored(state_.copyrightWarning, result); }
STDMETHODIMP OVSplashScreen::put_CopyrightWarning(BSTR value) {
    return setStored(state_.copyrightWarning, value, DISPID_OVSplashScreen_CopyrightWarning);
}
STDMETHODIMP OVSplashScreen::get_Platform(BSTR* result) { return getStored(state_.platform, result); }
STDMETHODIMP OVSplashScreen::put_Platform(BSTR value) { return setStored(state_.platform, value, DISPID_OVSplashScreen_Platform); }

STDMETHODIMP OVSplashScreen::get_SplashStyle(long* result) {
    return call([&] { *required(result) = state_.splashStyle; });
}

STDMETHODIMP OVSplashScreen::put_SplashStyle(OVSplashScreenConstants value) {
    return call([&] {
        state_.splashStyle = value;
        propertyChanged(DISPID_OVSplashScreen_SplashStyle);
    });
}

STDMETHODIMP OVSplashScreen::get_ProductNameColor(long* result) {
    return call([&] { *required(result) = state_.productNameColor; });
}

STDMETHODIMP OVSplashScreen::put_ProductNameColor(long value) {
    return call([&] {
        state_.productNameColor = value;
        propertyChanged(DISPID_OVSplashScreen_ProductNameColor);
    });
}

STDMETHODIMP OVSplashScreen::ShowSplash(VARIANT* result) {
    return call([&] {
        ::VariantInit(required(result));
        long style = 0;
        check(get_SplashStyle(&style));
        const StyleForm* chosen = formOfStyle(style);
        if (!chosen) return;

        forms::Form& form = forms::Form::instance(chosen->definition());
        // A visible form is refilled with its drawing held back, then painted once.
        HWND visibleWindow = form.visible() ? form.hwnd() : nullptr;
        if (visibleWindow) ::SendMessageW(visibleWindow, WM_SETREDRAW, FALSE, 0);
        struct RedrawOnExit {
            HWND window;
            ~RedrawOnExit() {
                if (!window) return;
                ::SendMessageW(window, WM_SETREDRAW, TRUE, 0);
                // Shown again: back in front of the other windows, as a first show puts it.
                ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                ::RedrawWindow(window, nullptr, nullptr,
                               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            }
        } redraw{visibleWindow};
        const bool orvaneStyle = style == ovOrvane;
        form.control(L"lblLicenseTo").setText(L"License To: " + runtime::bstrText(state_.licenseTo.get()));
        form.control(L"lblCompanyProduct").setText(runtime::bstrText(state_.companyName.get()));
        form.control(chosen->companyImage).setPicture(branding::pictureOf(state_.companyNameImage.get()).get());
        forms::FormControl& productName = form.control(L"lblProductName");
        productName.setText(runtime::bstrText(state_.productName.get()));
        productName.setForeColor(static_cast<forms::Color>(state_.productNameColor));
        form.control(L"imgProductNameImage").setPicture(branding::pictureOf(state_.productNameImage.get()).get());
        if (orvaneStyle) productName.setForeColor(orvaneProductNameColor);
        form.control(L"imgLogo").setPicture(branding::pictureOf(state_.productLogo.get()).get());
        form.control(L"lblPlatform").setText(runtime::bstrText(state_.platform.get()));
        form.control(L"lblVersion").setText(runtime::bstrText(state_.productVersion.get()));
        form.control(L"lblCopyright").setText(runtime::bstrText(state_.copyright.get()));
        form.control(L"lblCompany").setText(runtime::bstrText(state_.copyrightOwner.get()));

        forms::FormControl& warning = form.control(L"lblWarning");
        warning.setText(runtime::bstrText(state_.copyrightWarning.get()));
        if (!warning.wordWrap()) warning.setWordWrap(true);
        if (!warning.autoSize()) warning.setAutoSize(true);
        warning.move(warning.left(), branding::warningTop(form.height(), warning.height(), chosen->warningMargin));

        if (!visibleWindow) form.show();
    });
}

STDMETHODIMP OVSplashScreen::HideSplash(VARIANT* result) {
    return call([&] {
        ::VariantInit(required(result));
        long style = 0;
        check(get_SplashStyle(&style));
        const StyleForm* chosen = formOfStyle(style);
        if (!chosen) return;
        forms::Form& form = forms::Form::instance(chosen->definition());
        form.load();
        form.hide();
    });
}

}  // namespace orvane
