#include "branding/OVSplashScreen.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "branding/BrandingPictures.h"
#include "branding/MemberIds.h"
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

DISPID id(const wchar_t* name) { return branding::memberId(IID__OVSplashScreen, name); }

bool named(const PersistedProperty& row, const wchar_t* name) { return std::wcscmp(row.name, name) == 0; }

Variant pictureVariant(const ComPtr<IPictureDisp>& picture) {
    Variant value;
    value->vt = VT_DISPATCH;
    value->pdispVal = picture.copy();
    return value;
}

ComPtr<IPictureDisp> pictureFrom(const VARIANT& value) {
    const VARIANT& held = runtime::dereference(value);
    if ((held.vt == VT_DISPATCH || held.vt == VT_UNKNOWN) && held.punkVal) {
        ComPtr<IPictureDisp> picture;
        held.punkVal->QueryInterface(IID_IPictureDisp, picture.putVoid());
        return picture;
    }
    return {};
}

Bstr textFrom(const VARIANT& value) { return runtime::toText(value); }

}  // namespace

PersistedTable OVSplashScreen::persistedProperties() {
    // The store's order. "Copyright" is kept too, so that a copyright set at design time
    // survives saving the form; a store without it reads the default.
    static const std::vector<PersistedProperty> table = {
        PersistedProperty::text(L"LicenseTo", id(L"LicenseTo"), defaultLicenseTo),
        PersistedProperty::text(L"CompanyName", id(L"CompanyName"), defaultCompany),
        PersistedProperty::picture(L"CompanyNameImage", id(L"CompanyNameImage")),
        PersistedProperty::text(L"ProductName", id(L"ProductName"), defaultProductName),
        PersistedProperty::picture(L"ProductNameImage", id(L"ProductNameImage")),
        PersistedProperty::picture(L"ProductLogo", id(L"ProductLogo")),
        PersistedProperty::text(L"ProductVersion", id(L"ProductVersion"), defaultVersion),
        PersistedProperty::text(L"Copyright", id(L"Copyright"), defaultCopyright),
        PersistedProperty::text(L"CopyrightOwner", id(L"CopyrightOwner"), defaultCompany),
        PersistedProperty::text(L"CopyrightWarning", id(L"CopyrightWarning"), defaultCopyrightWarning),
        PersistedProperty::number(L"SplashStyle", id(L"SplashStyle"), ovStandard),
        PersistedProperty::text(L"Platform", id(L"Platform"), defaultPlatform),
        PersistedProperty::number(L"ProductNameColor", id(L"ProductNameColor"), 0),
    };
    return table;
}

std::span<const CLSID> OVSplashScreen::propertyPageIds() noexcept {
    static const CLSID pages[] = {CLSID_ppageSplashScreenDesign, CLSID_StockPicturePage, CLSID_StockColorPage};
    return pages;
}

Variant OVSplashScreen::persistedValue(const PersistedProperty& row) const {
    if (named(row, L"LicenseTo")) return runtime::makeText(licenseTo_.c_str());
    if (named(row, L"CompanyName")) return runtime::makeText(runtime::bstrText(companyName_.get()));
    if (named(row, L"CompanyNameImage")) return pictureVariant(companyNameImage_);
    if (named(row, L"ProductName")) return runtime::makeText(runtime::bstrText(productName_.get()));
    if (named(row, L"ProductNameImage")) return pictureVariant(productNameImage_);
    if (named(row, L"ProductLogo")) return pictureVariant(productLogo_);
    if (named(row, L"ProductVersion")) return runtime::makeText(runtime::bstrText(productVersion_.get()));
    if (named(row, L"Copyright")) return runtime::makeText(runtime::bstrText(copyright_.get()));
    if (named(row, L"CopyrightOwner")) return runtime::makeText(runtime::bstrText(copyrightOwner_.get()));
    if (named(row, L"CopyrightWarning")) return runtime::makeText(runtime::bstrText(copyrightWarning_.get()));
    if (named(row, L"SplashStyle")) return runtime::makeLong(splashStyle_);
    if (named(row, L"Platform")) return runtime::makeText(runtime::bstrText(platform_.get()));
    if (named(row, L"ProductNameColor")) return runtime::makeLong(productNameColor_);
    return Variant();
}

void OVSplashScreen::assignPersisted(const PersistedProperty& row, const VARIANT& value) {
    if (named(row, L"LicenseTo")) licenseTo_ = textFrom(value);
    else if (named(row, L"CompanyName")) companyName_ = textFrom(value);
    else if (named(row, L"CompanyNameImage")) companyNameImage_ = pictureFrom(value);
    else if (named(row, L"ProductName")) productName_ = textFrom(value);
    else if (named(row, L"ProductNameImage")) productNameImage_ = pictureFrom(value);
    else if (named(row, L"ProductLogo")) productLogo_ = pictureFrom(value);
    else if (named(row, L"ProductVersion")) productVersion_ = textFrom(value);
    else if (named(row, L"Copyright")) copyright_ = textFrom(value);
    else if (named(row, L"CopyrightOwner")) copyrightOwner_ = textFrom(value);
    else if (named(row, L"CopyrightWarning")) copyrightWarning_ = textFrom(value);
    else if (named(row, L"SplashStyle")) splashStyle_ = runtime::toLong(value);
    else if (named(row, L"Platform")) platform_ = textFrom(value);
    else if (named(row, L"ProductNameColor")) productNameColor_ = runtime::toLong(value);
}

// A new control has both members of each text-or-image pair filled: the default text
// and an empty picture (not Nothing, unlike a store without pictures).
void OVSplashScreen::initProperties() {
    for (const PersistedProperty& row : persistedProperties()) assignPersisted(row, *defaultValue(row).get());
    companyNameImage_ = emptyPicture();
    productNameImage_ = emptyPicture();
    productLogo_ = emptyPicture();
}

void OVSplashScreen::notify(const wchar_t* name) { propertyChanged(id(name)); }

// The text-or-image rule: setting one member of a pair blanks the other, which is not
// announced. Everything that can fail is made before either member changes.
STDMETHODIMP OVSplashScreen::setTextOfPair(Bstr& text, ComPtr<IPictureDisp>& image, BSTR value,
                                           const wchar_t* name) {
    return call([&] {
        Bstr copy(value, ::SysStringLen(value));
        ComPtr<IPictureDisp> blank = emptyPicture();
        text = std::move(copy);
        image = blank;
        notify(name);
    });
}

STDMETHODIMP OVSplashScreen::setImageOfPair(ComPtr<IPictureDisp>& image, Bstr& text, IPictureDisp* value,
                                            const wchar_t* name) {
    return call([&] {
        Bstr empty(L"");
        image = value;
        text = std::move(empty);
        notify(name);
    });
}

STDMETHODIMP OVSplashScreen::getPicture(const ComPtr<IPictureDisp>& stored, IPictureDisp** result) {
    return call([&] { *required(result) = stored.copy(); });
}

STDMETHODIMP OVSplashScreen::get_LicenseTo(BSTR* result) { return getStored(licenseTo_, result); }
STDMETHODIMP OVSplashScreen::put_LicenseTo(BSTR value) { return setStored(licenseTo_, value, id(L"LicenseTo")); }
STDMETHODIMP OVSplashScreen::get_CompanyName(BSTR* result) { return getStored(companyName_, result); }

STDMETHODIMP OVSplashScreen::put_CompanyName(BSTR value) {
    return setTextOfPair(companyName_, companyNameImage_, value, L"CompanyName");
}

STDMETHODIMP OVSplashScreen::get_CompanyNameImage(IPictureDisp** result) {
    return getPicture(companyNameImage_, result);
}

STDMETHODIMP OVSplashScreen::putref_CompanyNameImage(IPictureDisp* value) {
    return setImageOfPair(companyNameImage_, companyName_, value, L"CompanyNameImage");
}

STDMETHODIMP OVSplashScreen::get_ProductName(BSTR* result) { return getStored(productName_, result); }

STDMETHODIMP OVSplashScreen::put_ProductName(BSTR value) {
    return setTextOfPair(productName_, productNameImage_, value, L"ProductName");
}

STDMETHODIMP OVSplashScreen::get_ProductNameImage(IPictureDisp** result) {
    return getPicture(productNameImage_, result);
}

STDMETHODIMP OVSplashScreen::putref_ProductNameImage(IPictureDisp* value) {
    return setImageOfPair(productNameImage_, productName_, value, L"ProductNameImage");
}

STDMETHODIMP OVSplashScreen::get_ProductLogo(IPictureDisp** result) { return getPicture(productLogo_, result); }

STDMETHODIMP OVSplashScreen::putref_ProductLogo(IPictureDisp* value) {
    return call([&] {
        productLogo_ = value;
        notify(L"ProductLogo");
    });
}

STDMETHODIMP OVSplashScreen::get_ProductVersion(BSTR* result) { return getStored(productVersion_, result); }
STDMETHODIMP OVSplashScreen::put_ProductVersion(BSTR value) {
    return setStored(productVersion_, value, id(L"ProductVersion"));
}
STDMETHODIMP OVSplashScreen::get_Copyright(BSTR* result) { return getStored(copyright_, result); }
STDMETHODIMP OVSplashScreen::put_Copyright(BSTR value) { return setStored(copyright_, value, id(L"Copyright")); }
STDMETHODIMP OVSplashScreen::get_CopyrightOwner(BSTR* result) { return getStored(copyrightOwner_, result); }
STDMETHODIMP OVSplashScreen::put_CopyrightOwner(BSTR value) {
    return setStored(copyrightOwner_, value, id(L"CopyrightOwner"));
}
STDMETHODIMP OVSplashScreen::get_CopyrightWarning(BSTR* result) { return getStored(copyrightWarning_, result); }
STDMETHODIMP OVSplashScreen::put_CopyrightWarning(BSTR value) {
    return setStored(copyrightWarning_, value, id(L"CopyrightWarning"));
}
STDMETHODIMP OVSplashScreen::get_Platform(BSTR* result) { return getStored(platform_, result); }
STDMETHODIMP OVSplashScreen::put_Platform(BSTR value) { return setStored(platform_, value, id(L"Platform")); }

STDMETHODIMP OVSplashScreen::get_SplashStyle(long* result) {
    return call([&] { *required(result) = splashStyle_; });
}

STDMETHODIMP OVSplashScreen::put_SplashStyle(OVSplashScreenConstants value) {
    return call([&] {
        splashStyle_ = value;
        notify(L"SplashStyle");
    });
}

STDMETHODIMP OVSplashScreen::get_ProductNameColor(long* result) {
    return call([&] { *required(result) = productNameColor_; });
}

STDMETHODIMP OVSplashScreen::put_ProductNameColor(long value) {
    return call([&] {
        productNameColor_ = value;
        notify(L"ProductNameColor");
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
        form.control(L"lblLicenseTo").setText(L"License To: " + runtime::bstrText(licenseTo_.get()));
        form.control(L"lblCompanyProduct").setText(runtime::bstrText(companyName_.get()));
        form.control(chosen->companyImage).setPicture(branding::pictureOf(companyNameImage_.get()).get());
        forms::FormControl& productName = form.control(L"lblProductName");
        productName.setText(runtime::bstrText(productName_.get()));
        productName.setForeColor(static_cast<forms::Color>(productNameColor_));
        form.control(L"imgProductNameImage").setPicture(branding::pictureOf(productNameImage_.get()).get());
        if (orvaneStyle) productName.setForeColor(orvaneProductNameColor);
        form.control(L"imgLogo").setPicture(branding::pictureOf(productLogo_.get()).get());
        form.control(L"lblPlatform").setText(runtime::bstrText(platform_.get()));
        form.control(L"lblVersion").setText(runtime::bstrText(productVersion_.get()));
        form.control(L"lblCopyright").setText(runtime::bstrText(copyright_.get()));
        form.control(L"lblCompany").setText(runtime::bstrText(copyrightOwner_.get()));

        forms::FormControl& warning = form.control(L"lblWarning");
        warning.setText(runtime::bstrText(copyrightWarning_.get()));
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
