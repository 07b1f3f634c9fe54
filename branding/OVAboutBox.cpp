#include "branding/OVAboutBox.h"

#include <vector>

#include "branding/BrandingPictures.h"
#include "branding/BrandingResources.h"
#include "branding/forms/frmAbout2000.h"
#include "branding/forms/frmAboutStandard.h"
#include "frame/automation/Runtime.h"
#include "frame/forms/Form.h"

#include <msstkppg.h>

namespace orvane {

const wchar_t* const OVAboutBox::defaultWebsiteUrl = L"www.tarvello.example";
const wchar_t* const OVAboutBox::defaultMailto = L"support@tarvello.example";
const wchar_t* const OVAboutBox::defaultCopyright = L"Copyright \u00A9 2002 Tarvello.  All Rights Reserved.";
const wchar_t* const OVAboutBox::defaultCopyrightWarning =
    L"Warning:  [EXAMPLE ONLY] This program is protected by copyright law and international treaties.  "
    L"Copying or distributing this program or any part of it without permission may lead to civil and "
    L"criminal penalties.";
const wchar_t* const OVAboutBox::defaultDescription =
    L"Orvane Suite gives Windows applications ready-made components for system information, the registry, "
    L"shell services, number utilities and their own splash screen and About window.";

namespace {

constexpr const wchar_t* defaultProductName = L"OrvaneAboutBox";
constexpr const wchar_t* defaultProductVersion = L"Version 1.22";
constexpr int facePixels = 48;

}  // namespace

OVAboutBox::OVAboutBox() : face_(branding::iconPicture(IDI_ABOUT_FACE, facePixels)) {}

const PersistedBinding<AboutBoxState>& OVAboutBox::persistedBinding() {
    using Bound = PersistedBinding<AboutBoxState>;
    static const Bound binding = {
        Bound::bind(L"AboutStyle", DISPID_OVAboutBox_AboutStyle, &AboutBoxState::aboutStyle, ovAboutStandard),
        Bound::bind(L"Copyright", DISPID_OVAboutBox_Copyright, &AboutBoxState::copyright, defaultCopyright),
        Bound::bind(L"CopyrightWarning", DISPID_OVAboutBox_CopyrightWarning, &AboutBoxState::copyrightWarning,
                    defaultCopyrightWarning),
        Bound::bind(L"ProductDescription", DISPID_OVAboutBox_ProductDescription,
                    &AboutBoxState::productDescription, defaultDescription),
        Bound::bind(L"ProductLogo", DISPID_OVAboutBox_ProductLogo, &AboutBoxState::productLogo),
        Bound::bind(L"ProductName", DISPID_OVAboutBox_ProductName, &AboutBoxState::productName, defaultProductName),
        Bound::bind(L"ProductVersion", DISPID_OVAboutBox_ProductVersion, &AboutBoxState::productVersion,
                    defaultProductVersion),
        Bound::bind(L"ProductNameColor", DISPID_OVAboutBox_ProductNameColor, &AboutBoxState::productNameColor, 0),
        Bound::bind(L"CopyrightColor", DISPID_OVAboutBox_CopyrightColor, &AboutBoxState::copyrightColor, 0),
        Bound::bind(L"CopyrightWarningColor", DISPID_OVAboutBox_CopyrightWarningColor,
                    &AboutBoxState::copyrightWarningColor, 0),
        Bound::bind(L"ProductDescriptionColor", DISPID_OVAboutBox_ProductDescriptionColor,
                    &AboutBoxState::productDescriptionColor, 0),
        Bound::bind(L"ProductVersionColor", DISPID_OVAboutBox_ProductVersionColor,
                    &AboutBoxState::productVersionColor, 0),
        Bound::bind(L"WebsiteUrl", DISPID_OVAboutBox_WebsiteUrl, &AboutBoxState::websiteUrl, defaultWebsiteUrl),
        Bound::bind(L"Mailto", DISPID_OVAboutBox_Mailto, &AboutBoxState::mailto, defaultMailto),
    };
    return binding;
}

std::span<const CLSID> OVAboutBox::propertyPageIds() noexcept {
    static const CLSID pages[] = {CLSID_ppageAboutBoxDesign, CLSID_StockColorPage, CLSID_StockPicturePage};
    return pages;
}

// A new control shows its own face as the logo (the store's default is Nothing).
void OVAboutBox::initProperties() {
    Control::initProperties();
    state_.productLogo = face_;
}

void OVAboutBox::drawFace(HDC dc, const RECT& bounds) {
    ComPtr<IPicture> picture = branding::pictureOf(face_.get());
    OLE_HANDLE handle = 0;
    if (!picture || FAILED(picture->get_Handle(&handle))) return;
    ::DrawIconEx(dc, bounds.left, bounds.top, reinterpret_cast<HICON>(static_cast<UINT_PTR>(handle)),
                 bounds.right - bounds.left, bounds.bottom - bounds.top, 0, nullptr, DI_NORMAL);
}

SIZE OVAboutBox::naturalSize() { return SIZE{facePixels, facePixels}; }

STDMETHODIMP OVAboutBox::get_AboutStyle(long* result) { return getStored(state_.aboutStyle, result); }
STDMETHODIMP OVAboutBox::put_AboutStyle(OVAboutBoxConstants value) {
    return setStored(state_.aboutStyle, value, DISPID_OVAboutBox_AboutStyle);
}
STDMETHODIMP OVAboutBox::get_WebsiteUrl(BSTR* result) { return getStored(state_.websiteUrl, result); }
STDMETHODIMP OVAboutBox::put_WebsiteUrl(BSTR value) { return setStored(state_.websiteUrl, value, DISPID_OVAboutBox_WebsiteUrl); }
STDMETHODIMP OVAboutBox::get_Mailto(BSTR* result) { return getStored(state_.mailto, result); }
STDMETHODIMP OVAboutBox::put_Mailto(BSTR value) { return setStored(state_.mailto, value, DISPID_OVAboutBox_Mailto); }
STDMETHODIMP OVAboutBox::get_Copyright(BSTR* result) { return getStored(state_.copyright, result); }
STDMETHODIMP OVAboutBox::put_Copyright(BSTR value) { return setStored(state_.copyright, value, DISPID_OVAboutBox_Copyright); }
STDMETHODIMP OVAboutBox::get_CopyrightWarning(BSTR* result) { return getStored(state_.copyrightWarning, result); }
STDMETHODIMP OVAboutBox::put_CopyrightWarning(BSTR value) {
    return setStored(state_.copyrightWarning, value, DISPID_OVAboutBox_CopyrightWarning);
}
STDMETHODIMP OVAboutBox::get_ProductDescription(BSTR* result) { return getStored(state_.productDescription, result); }
STDMETHODIMP OVAboutBox::put_ProductDescription(BSTR value) {
    return setStored(state_.productDescription, value, DISPID_OVAboutBox_ProductDescription);
}

STDMETHODIMP OVAboutBox::get_ProductLogo(IPictureDisp** result) {
    return call([&] { *required(result) = state_.productLogo.copy(); });
}

STDMETHODIMP OVAboutBox::putref_ProductLogo(IPictureDisp* value) {
    return call([&] {
        state_.productLogo = value;
        propertyChanged(DISPID_OVAboutBox_ProductLogo);
    });
}

STDMETHODIMP OVAboutBox::get_ProductName(BSTR* result) { return getStored(state_.productName, result); }
STDMETHODIMP OVAboutBox::put_ProductName(BSTR value) { return setStored(state_.productName, value, DISPID_OVAboutBox_ProductName); }
STDMETHODIMP OVAboutBox::get_ProductVersion(BSTR* result) { return getStored(state_.productVersion, result); }
STDMETHODIMP OVAboutBox::put_ProductVersion(BSTR value) {
    return setStored(state_.productVersion, value, DISPID_OVAboutBox_ProductVersion);
}
STDMETHODIMP OVAboutBox::get_ProductNameColor(long* result) { return getStored(state_.productNameColor, result); }
STDMETHODIMP OVAboutBox::put_ProductNameColor(long value) {
    return setStored(state_.productNameColor, value, DISPID_OVAboutBox_ProductNameColor);
}
STDMETHODIMP OVAboutBox::get_CopyrightColor(long* result) { return getStored(state_.copyrightColor, result); }
STDMETHODIMP OVAboutBox::put_CopyrightColor(long value) {
    return setStored(state_.copyrightColor, value, DISPID_OVAboutBox_CopyrightColor);
}
STDMETHODIMP OVAboutBox::get_CopyrightWarningColor(long* result) { return getStored(state_.copyrightWarningColor, result); }
STDMETHODIMP OVAboutBox::put_CopyrightWarningColor(long value) {
    return setStored(state_.copyrightWarningColor, value, DISPID_OVAboutBox_CopyrightWarningColor);
}
STDMETHODIMP OVAboutBox::get_ProductDescriptionColor(long* result) {
    return getStored(state_.productDescriptionColor, result);
}
STDMETHODIMP OVAboutBox::put_ProductDescriptionColor(long value) {
    return setStored(state_.productDescriptionColor, value, DISPID_OVAboutBox_ProductDescriptionColor);
}
STDMETHODIMP OVAboutBox::get_ProductVersionColor(long* result) { return getStored(state_.productVersionColor, result); }
STDMETHODIMP OVAboutBox::put_ProductVersionColor(long value) {
    return setStored(state_.productVersionColor, value, DISPID_OVAboutBox_ProductVersionColor);
}

STDMETHODIMP OVAboutBox::ShowAbout() {
    return call([&] {
        long style = 0;
        check(get_AboutStyle(&style));
        const forms::FormDefinition* definition = style == ovAboutStandard ? &branding::frmAboutStandard()
                                                  : style == ovAbout2000   ? &branding::frmAbout2000()
                                                                           : nullptr;
        if (!definition) return;

        forms::Form& form = forms::Form::instance(*definition);
        form.show();
        const std::wstring name = runtime::bstrText(state_.productName.get());
        form.setCaption(L"About " + name);
        forms::FormControl& title = form.control(L"lblTitle");
        title.setText(name);
        title.setForeColor(static_cast<forms::Color>(state_.productNameColor));
        forms::FormControl& version = form.control(L"lblVersion");
        version.setText(runtime::bstrText(state_.productVersion.get()));
        version.setForeColor(static_cast<forms::Color>(state_.productVersionColor));
        forms::FormControl& mail = form.control(L"lblMail");
        mail.setText(runtime::bstrText(state_.mailto.get()));
        mail.setAutoSize(true);
        forms::FormControl& url = form.control(L"lblUrl");
        url.setText(runtime::bstrText(state_.websiteUrl.get()));
        url.setAutoSize(true);
        forms::FormControl& copyright = form.control(L"lblCopyright");
        copyright.setText(runtime::bstrText(state_.copyright.get()));
        copyright.setForeColor(static_cast<forms::Color>(state_.copyrightColor));
        forms::FormControl& description = form.control(L"lblDescription");
        description.setText(runtime::bstrText(state_.productDescription.get()));
        description.setForeColor(static_cast<forms::Color>(state_.productDescriptionColor));
        forms::FormControl& disclaimer = form.control(L"lblDisclaimer");
        disclaimer.setText(runtime::bstrText(state_.copyrightWarning.get()));
        disclaimer.setForeColor(static_cast<forms::Color>(state_.copyrightWarningColor));
        form.control(L"picIcon").setPicture(branding::pictureOf(state_.productLogo.get()).get());
        // Hosts that pump no messages still see the filled window.
        form.refresh();
    });
}

}  // namespace orvane
