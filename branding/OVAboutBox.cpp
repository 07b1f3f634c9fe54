#include "branding/OVAboutBox.h"

#include <cstring>
#include <vector>

#include "branding/BrandingPictures.h"
#include "branding/BrandingResources.h"
#include "branding/MemberIds.h"
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

DISPID id(const wchar_t* name) { return branding::memberId(IID__OVAboutBox, name); }

bool named(const PersistedProperty& row, const wchar_t* name) { return std::wcscmp(row.name, name) == 0; }

Variant textVariant(const Bstr& text) { return runtime::makeText(runtime::bstrText(text.get())); }

}  // namespace

OVAboutBox::OVAboutBox() : face_(branding::iconPicture(IDI_ABOUT_FACE, facePixels)) {}

PersistedTable OVAboutBox::persistedProperties() {
    static const std::vector<PersistedProperty> table = {
        PersistedProperty::number(L"AboutStyle", id(L"AboutStyle"), ovAboutStandard),
        PersistedProperty::text(L"Copyright", id(L"Copyright"), defaultCopyright),
        PersistedProperty::text(L"CopyrightWarning", id(L"CopyrightWarning"), defaultCopyrightWarning),
        PersistedProperty::text(L"ProductDescription", id(L"ProductDescription"), defaultDescription),
        PersistedProperty::picture(L"ProductLogo", id(L"ProductLogo")),
        PersistedProperty::text(L"ProductName", id(L"ProductName"), defaultProductName),
        PersistedProperty::text(L"ProductVersion", id(L"ProductVersion"), defaultProductVersion),
        PersistedProperty::number(L"ProductNameColor", id(L"ProductNameColor"), 0),
        PersistedProperty::number(L"CopyrightColor", id(L"CopyrightColor"), 0),
        PersistedProperty::number(L"CopyrightWarningColor", id(L"CopyrightWarningColor"), 0),
        PersistedProperty::number(L"ProductDescriptionColor", id(L"ProductDescriptionColor"), 0),
        PersistedProperty::number(L"ProductVersionColor", id(L"ProductVersionColor"), 0),
        PersistedProperty::text(L"WebsiteUrl", id(L"WebsiteUrl"), defaultWebsiteUrl),
        PersistedProperty::text(L"Mailto", id(L"Mailto"), defaultMailto),
    };
    return table;
}

std::span<const CLSID> OVAboutBox::propertyPageIds() noexcept {
    static const CLSID pages[] = {CLSID_ppageAboutBoxDesign, CLSID_StockColorPage, CLSID_StockPicturePage};
    return pages;
}

Variant OVAboutBox::persistedValue(const PersistedProperty& row) const {
    if (named(row, L"AboutStyle")) return runtime::makeLong(aboutStyle_);
    if (named(row, L"Copyright")) return textVariant(copyright_);
    if (named(row, L"CopyrightWarning")) return textVariant(copyrightWarning_);
    if (named(row, L"ProductDescription")) return textVariant(productDescription_);
    if (named(row, L"ProductLogo")) {
        Variant value;
        value->vt = VT_DISPATCH;
        value->pdispVal = productLogo_.copy();
        return value;
    }
    if (named(row, L"ProductName")) return textVariant(productName_);
    if (named(row, L"ProductVersion")) return textVariant(productVersion_);
    if (named(row, L"ProductNameColor")) return runtime::makeLong(productNameColor_);
    if (named(row, L"CopyrightColor")) return runtime::makeLong(copyrightColor_);
    if (named(row, L"CopyrightWarningColor")) return runtime::makeLong(copyrightWarningColor_);
    if (named(row, L"ProductDescriptionColor")) return runtime::makeLong(productDescriptionColor_);
    if (named(row, L"ProductVersionColor")) return runtime::makeLong(productVersionColor_);
    if (named(row, L"WebsiteUrl")) return textVariant(websiteUrl_);
    if (named(row, L"Mailto")) return textVariant(mailto_);
    return Variant();
}

void OVAboutBox::assignPersisted(const PersistedProperty& row, const VARIANT& value) {
    if (named(row, L"AboutStyle")) aboutStyle_ = runtime::toLong(value);
    else if (named(row, L"Copyright")) copyright_ = runtime::toText(value);
    else if (named(row, L"CopyrightWarning")) copyrightWarning_ = runtime::toText(value);
    else if (named(row, L"ProductDescription")) productDescription_ = runtime::toText(value);
    else if (named(row, L"ProductLogo")) {
        const VARIANT& held = runtime::dereference(value);
        ComPtr<IPictureDisp> picture;
        if ((held.vt == VT_DISPATCH || held.vt == VT_UNKNOWN) && held.punkVal) {
            held.punkVal->QueryInterface(IID_IPictureDisp, picture.putVoid());
        }
        productLogo_ = picture;
    }
    else if (named(row, L"ProductName")) productName_ = runtime::toText(value);
    else if (named(row, L"ProductVersion")) productVersion_ = runtime::toText(value);
    else if (named(row, L"ProductNameColor")) productNameColor_ = runtime::toLong(value);
    else if (named(row, L"CopyrightColor")) copyrightColor_ = runtime::toLong(value);
    else if (named(row, L"CopyrightWarningColor")) copyrightWarningColor_ = runtime::toLong(value);
    else if (named(row, L"ProductDescriptionColor")) productDescriptionColor_ = runtime::toLong(value);
    else if (named(row, L"ProductVersionColor")) productVersionColor_ = runtime::toLong(value);
    else if (named(row, L"WebsiteUrl")) websiteUrl_ = runtime::toText(value);
    else if (named(row, L"Mailto")) mailto_ = runtime::toText(value);
}

// A new control shows its own face as the logo (the store's default is Nothing).
void OVAboutBox::initProperties() {
    for (const PersistedProperty& row : persistedProperties()) assignPersisted(row, *defaultValue(row).get());
    productLogo_ = face_;
}

void OVAboutBox::drawFace(HDC dc, const RECT& bounds) {
    ComPtr<IPicture> picture = branding::pictureOf(face_.get());
    OLE_HANDLE handle = 0;
    if (!picture || FAILED(picture->get_Handle(&handle))) return;
    ::DrawIconEx(dc, bounds.left, bounds.top, reinterpret_cast<HICON>(static_cast<UINT_PTR>(handle)),
                 bounds.right - bounds.left, bounds.bottom - bounds.top, 0, nullptr, DI_NORMAL);
}

SIZE OVAboutBox::naturalSize() { return SIZE{facePixels, facePixels}; }

STDMETHODIMP OVAboutBox::get_AboutStyle(long* result) { return getStored(aboutStyle_, result); }
STDMETHODIMP OVAboutBox::put_AboutStyle(OVAboutBoxConstants value) {
    return setStored(aboutStyle_, value, id(L"AboutStyle"));
}
STDMETHODIMP OVAboutBox::get_WebsiteUrl(BSTR* result) { return getStored(websiteUrl_, result); }
STDMETHODIMP OVAboutBox::put_WebsiteUrl(BSTR value) { return setStored(websiteUrl_, value, id(L"WebsiteUrl")); }
STDMETHODIMP OVAboutBox::get_Mailto(BSTR* result) { return getStored(mailto_, result); }
STDMETHODIMP OVAboutBox::put_Mailto(BSTR value) { return setStored(mailto_, value, id(L"Mailto")); }
STDMETHODIMP OVAboutBox::get_Copyright(BSTR* result) { return getStored(copyright_, result); }
STDMETHODIMP OVAboutBox::put_Copyright(BSTR value) { return setStored(copyright_, value, id(L"Copyright")); }
STDMETHODIMP OVAboutBox::get_CopyrightWarning(BSTR* result) { return getStored(copyrightWarning_, result); }
STDMETHODIMP OVAboutBox::put_CopyrightWarning(BSTR value) {
    return setStored(copyrightWarning_, value, id(L"CopyrightWarning"));
}
STDMETHODIMP OVAboutBox::get_ProductDescription(BSTR* result) { return getStored(productDescription_, result); }
STDMETHODIMP OVAboutBox::put_ProductDescription(BSTR value) {
    return setStored(productDescription_, value, id(L"ProductDescription"));
}

STDMETHODIMP OVAboutBox::get_ProductLogo(IPictureDisp** result) {
    return call([&] { *required(result) = productLogo_.copy(); });
}

STDMETHODIMP OVAboutBox::putref_ProductLogo(IPictureDisp* value) {
    return call([&] {
        productLogo_ = value;
        propertyChanged(id(L"ProductLogo"));
    });
}

STDMETHODIMP OVAboutBox::get_ProductName(BSTR* result) { return getStored(productName_, result); }
STDMETHODIMP OVAboutBox::put_ProductName(BSTR value) { return setStored(productName_, value, id(L"ProductName")); }
STDMETHODIMP OVAboutBox::get_ProductVersion(BSTR* result) { return getStored(productVersion_, result); }
STDMETHODIMP OVAboutBox::put_ProductVersion(BSTR value) {
    return setStored(productVersion_, value, id(L"ProductVersion"));
}
STDMETHODIMP OVAboutBox::get_ProductNameColor(long* result) { return getStored(productNameColor_, result); }
STDMETHODIMP OVAboutBox::put_ProductNameColor(long value) {
    return setStored(productNameColor_, value, id(L"ProductNameColor"));
}
STDMETHODIMP OVAboutBox::get_CopyrightColor(long* result) { return getStored(copyrightColor_, result); }
STDMETHODIMP OVAboutBox::put_CopyrightColor(long value) {
    return setStored(copyrightColor_, value, id(L"CopyrightColor"));
}
STDMETHODIMP OVAboutBox::get_CopyrightWarningColor(long* result) { return getStored(copyrightWarningColor_, result); }
STDMETHODIMP OVAboutBox::put_CopyrightWarningColor(long value) {
    return setStored(copyrightWarningColor_, value, id(L"CopyrightWarningColor"));
}
STDMETHODIMP OVAboutBox::get_ProductDescriptionColor(long* result) {
    return getStored(productDescriptionColor_, result);
}
STDMETHODIMP OVAboutBox::put_ProductDescriptionColor(long value) {
    return setStored(productDescriptionColor_, value, id(L"ProductDescriptionColor"));
}
STDMETHODIMP OVAboutBox::get_ProductVersionColor(long* result) { return getStored(productVersionColor_, result); }
STDMETHODIMP OVAboutBox::put_ProductVersionColor(long value) {
    return setStored(productVersionColor_, value, id(L"ProductVersionColor"));
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
        const std::wstring name = runtime::bstrText(productName_.get());
        form.setCaption(L"About " + name);
        forms::FormControl& title = form.control(L"lblTitle");
        title.setText(name);
        title.setForeColor(static_cast<forms::Color>(productNameColor_));
        forms::FormControl& version = form.control(L"lblVersion");
        version.setText(runtime::bstrText(productVersion_.get()));
        version.setForeColor(static_cast<forms::Color>(productVersionColor_));
        forms::FormControl& mail = form.control(L"lblMail");
        mail.setText(runtime::bstrText(mailto_.get()));
        mail.setAutoSize(true);
        forms::FormControl& url = form.control(L"lblUrl");
        url.setText(runtime::bstrText(websiteUrl_.get()));
        url.setAutoSize(true);
        forms::FormControl& copyright = form.control(L"lblCopyright");
        copyright.setText(runtime::bstrText(copyright_.get()));
        copyright.setForeColor(static_cast<forms::Color>(copyrightColor_));
        forms::FormControl& description = form.control(L"lblDescription");
        description.setText(runtime::bstrText(productDescription_.get()));
        description.setForeColor(static_cast<forms::Color>(productDescriptionColor_));
        forms::FormControl& disclaimer = form.control(L"lblDisclaimer");
        disclaimer.setText(runtime::bstrText(copyrightWarning_.get()));
        disclaimer.setForeColor(static_cast<forms::Color>(copyrightWarningColor_));
        form.control(L"picIcon").setPicture(branding::pictureOf(productLogo_.get()).get());
        // Hosts that pump no messages still see the filled window.
        form.refresh();
    });
}

}  // namespace orvane
