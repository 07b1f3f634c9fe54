// OVSplashScreen: properties and their notifications through a test container, the two
// stores, and the five splash forms as ShowSplash fills, lays out and shows them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "BrandingTestSupport.h"
#include "SoakSupport.h"
#include "TestSupport.h"
#include "branding/OVSplashScreen.h"
#include "branding/SplashLayout.h"
#include "branding/forms/frmOrvane.h"
#include "branding/forms/frmSerated.h"
#include "branding/forms/frmStandard.h"
#include "branding/forms/frmThe2000Look.h"
#include "branding/forms/frmThe98Look.h"
#include "frame/host/ControlSite.h"
#include "frame/host/MemoryPropertyBag.h"
#include "frame/control/PersistedProperty.h"
#include "frame/forms/Twips.h"
#include "frame/host/TestContainer.h"

namespace orvane {
namespace {

using namespace orvane::test;
using branding::test::fontOf;
using branding::test::pump;
using branding::test::rectInParent;

struct StyleCase {
    long style;
    const forms::FormDefinition& (*definition)();
    double margin;
    const wchar_t* screenshot;
};
const StyleCase styles[] = {
    {ovStandard, &branding::frmStandard, 400, L"splash-frmStandard"},
    {ovSerated, &branding::frmSerated, 200, L"splash-frmSerated"},
    {ovThe98Look, &branding::frmThe98Look, 250, L"splash-frmThe98Look"},
    {ovThe2000Look, &branding::frmThe2000Look, 200, L"splash-frmThe2000Look"},
    {ovOrvane, &branding::frmOrvane, 200, L"splash-frmOrvane"},
};

forms::Form& formOf(long style) { return forms::Form::instance(styles[style].definition()); }

std::wstring getText(IDispatch* object, const wchar_t* name) { return text(*invokeByName(object, name).value.get()); }
long getNumber(IDispatch* object, const wchar_t* name) {
    Call call = invokeByName(object, name);
    return call.value->vt == VT_I4 ? call.value->lVal : -12345;
}
ComPtr<IUnknown> getPicture(IDispatch* object, const wchar_t* name) {
    Call call = invokeByName(object, name);
    if (call.value->vt != VT_DISPATCH || !call.value->pdispVal) return {};
    ComPtr<IUnknown> identity;
    call.value->pdispVal->QueryInterface(IID_IUnknown, identity.putVoid());
    return identity;
}
DISPID idOf(IDispatch* object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}
void putText(IDispatch* object, const wchar_t* name, const wchar_t* value) {
    Bstr text(value);
    ASSERT_EQ(S_OK, propertyPut(object, idOf(object, name), vText(text)).result) << name;
}
void putNumber(IDispatch* object, const wchar_t* name, long value) {
    ASSERT_EQ(S_OK, propertyPut(object, idOf(object, name), vLong(value)).result) << name;
}
void putPicture(IDispatch* object, const wchar_t* name, IPictureDisp* picture) {
    ASSERT_EQ(S_OK, propertyPut(object, idOf(object, name), vObject(picture), DISPATCH_PROPERTYPUTREF).result) << name;
}
bool isEmptyPicture(IDispatch* object, const wchar_t* name) {
    ComPtr<IUnknown> picture = getPicture(object, name);
    ComPtr<IPicture> inner = picture.query<IPicture>();
    SHORT type = -1;
    return inner && SUCCEEDED(inner->get_Type(&type)) && type == PICTYPE_NONE;
}

// A bitmap picture of the given size, made for the test.
ComPtr<IPictureDisp> bitmapPicture(int width, int height) {
    // A 24-bit DIB: Wine's picture object saves screen-compatible 32-bit bitmaps in a form
    // it cannot load again.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    PICTDESC description{sizeof(PICTDESC), PICTYPE_BITMAP};
    description.bmp.hbitmap = bitmap;
    ComPtr<IPictureDisp> picture;
    ::OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, picture.putVoid());
    return picture;
}

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override { splash = siteNew(); }
    void TearDown() override {
        for (const StyleCase& style : styles) {
            forms::Form& form = style.definition == nullptr ? formOf(0) : forms::Form::instance(style.definition());
            if (form.loaded()) form.hide();
        }
        closeControl(splash.get(), site.get());
    }
    ComPtr<IDispatch> siteNew(IPropertyBag* bag = nullptr) {
        ComPtr<OVSplashScreen> control = OVSplashScreen::create();
        ComPtr<IUnknown> unknown(static_cast<_OVSplashScreen*>(control.get()));
        ComPtr<IDispatch> dispatch;
        // Only what siting and loading raise is recorded.
        site->clearChanges();
        try {
            dispatch = siteControl(unknown.get(), site.get(), bag);
        } catch (...) {
            ADD_FAILURE() << "siting failed with " << std::hex << caughtResult();
        }
        // A new control's first values are set without notifications; a loaded one is
        // checked by its caller.
        if (!bag) site->clearChanges();
        return dispatch;
    }
    void show() { ASSERT_EQ(S_OK, invokeByName(splash.get(), L"ShowSplash").result); }

    ComPtr<ControlSite> site = ControlSite::create();
    ComPtr<IDispatch> splash;
};

TEST_F(SplashTest, NewControlHasItsFirstValuesWithEmptyPicturesNotNothing) {
    EXPECT_EQ(L"Valued Customer", getText(splash.get(), L"LicenseTo"));
    EXPECT_EQ(L"Your Company", getText(splash.get(), L"CompanyName"));
    EXPECT_EQ(L"Your Product", getText(splash.get(), L"ProductName"));
    EXPECT_EQ(L"Version 1.0 Build 0", getText(splash.get(), L"ProductVersion"));
    EXPECT_EQ(L"Your Company", getText(splash.get(), L"CopyrightOwner"));
    EXPECT_EQ(L"For Windows 95, 98, NT, 2000 and XP", getText(splash.get(), L"Platform"));
    EXPECT_EQ(OVSplashScreen::defaultCopyright, getText(splash.get(), L"Copyright"));
    EXPECT_EQ(OVSplashScreen::defaultCopyrightWarning, getText(splash.get(), L"CopyrightWarning"));
    EXPECT_EQ(0, getNumber(splash.get(), L"SplashStyle"));
    EXPECT_EQ(0, getNumber(splash.get(), L"ProductNameColor"));
    for (const wchar_t* picture : {L"CompanyNameImage", L"ProductNameImage", L"ProductLogo"}) {
        EXPECT_TRUE(isEmptyPicture(splash.get(), picture)) << picture;
    }
    // The default texts keep their double blanks.
    const std::wstring warning = OVSplashScreen::defaultCopyrightWarning;
    EXPECT_EQ(0u, warning.find(L"Warning:  "));
    EXPECT_NE(std::wstring::npos, warning.find(L".  "));
    EXPECT_NE(std::wstring::npos, std::wstring(OVSplashScreen::defaultCopyright).find(L"  All Rights Reserved."));
}

TEST_F(SplashTest, EachSetterNotifiesItsOwnPropertyOnly) {
    for (const wchar_t* name : {L"LicenseTo", L"ProductVersion", L"Copyright", L"CopyrightOwner", L"CopyrightWarning",
                                L"Platform", L"CompanyName", L"ProductName"}) {
        site->clearChanges();
        putText(splash.get(), name, L"x");
        EXPECT_EQ(std::vector<DISPID>{idOf(splash.get(), name)}, site->changes()) << name;
        EXPECT_EQ(L"x", getText(splash.get(), name));
    }
    for (const wchar_t* name : {L"SplashStyle", L"ProductNameColor"}) {
        site->clearChanges();
        putNumber(splash.get(), name, 3);
        EXPECT_EQ(std::vector<DISPID>{idOf(splash.get(), name)}, site->changes()) << name;
    }
    for (const wchar_t* name : {L"CompanyNameImage", L"ProductNameImage", L"ProductLogo"}) {
        site->clearChanges();
        ComPtr<IPictureDisp> picture = bitmapPicture(4, 4);
        putPicture(splash.get(), name, picture.get());
        EXPECT_EQ(std::vector<DISPID>{idOf(splash.get(), name)}, site->changes()) << name;
    }
}

TEST_F(SplashTest, TextAndImageOfAPairExcludeEachOther) {
    struct Pair { const wchar_t* text; const wchar_t* image; };
    for (Pair pair : {Pair{L"CompanyName", L"CompanyNameImage"}, Pair{L"ProductName", L"ProductNameImage"}}) {
        ComPtr<IPictureDisp> picture = bitmapPicture(8, 8);
        putPicture(splash.get(), pair.image, picture.get());
        EXPECT_EQ(L"", getText(splash.get(), pair.text));
        // Held by reference, not copied.
        EXPECT_EQ(ComPtr<IUnknown>(picture.query<IUnknown>()).get(), getPicture(splash.get(), pair.image).get());

        putText(splash.get(), pair.text, L"Back");
        EXPECT_TRUE(isEmptyPicture(splash.get(), pair.image)) << pair.image;
        ComPtr<IUnknown> first = getPicture(splash.get(), pair.image);
        putText(splash.get(), pair.text, L"Again");
        EXPECT_NE(first.get(), getPicture(splash.get(), pair.image).get()) << "a newly loaded empty picture";

        putPicture(splash.get(), pair.image, nullptr);
        EXPECT_FALSE(getPicture(splash.get(), pair.image));
        EXPECT_EQ(L"", getText(splash.get(), pair.text));
    }
}

TEST_F(SplashTest, StyleAndColourAreStoredUnchecked) {
    bool loadedBefore[5];
    for (const StyleCase& style : styles) loadedBefore[style.style] = formOf(style.style).loaded();
    for (long value : {5L, -1L, 100L, LONG_MIN}) {
        putNumber(splash.get(), L"SplashStyle", value);
        EXPECT_EQ(value, getNumber(splash.get(), L"SplashStyle"));
        Call shown = invokeByName(splash.get(), L"ShowSplash");
        EXPECT_EQ(S_OK, shown.result);
        EXPECT_EQ(VT_EMPTY, shown.value->vt);
        // Checked before any hide: a style clamped into range would have shown a form.
        for (const StyleCase& style : styles) {
            EXPECT_FALSE(formOf(style.style).visible()) << value << " " << style.screenshot;
            EXPECT_EQ(loadedBefore[style.style], formOf(style.style).loaded()) << "no form loaded for " << value;
        }
    }
    // Nor does HideSplash of such a style hide anything.
    putNumber(splash.get(), L"SplashStyle", ovStandard);
    show();
    for (long value : {5L, -1L, 100L}) {
        putNumber(splash.get(), L"SplashStyle", value);
        Call hidden = invokeByName(splash.get(), L"HideSplash");
        EXPECT_EQ(S_OK, hidden.result);
        EXPECT_EQ(VT_EMPTY, hidden.value->vt);
        EXPECT_TRUE(formOf(ovStandard).visible()) << value;
        EXPECT_FALSE(formOf(ovOrvane).visible()) << value;
    }
    putNumber(splash.get(), L"ProductNameColor", 0x12345678);
    EXPECT_EQ(0x12345678, getNumber(splash.get(), L"ProductNameColor"));
}

// Saved and loaded under these keys, in this order, with these defaults: a store that
// holds nothing gives a new control's texts and Nothing for every picture.
const wchar_t* const storeKeys[] = {L"LicenseTo",      L"CompanyName",      L"CompanyNameImage", L"ProductName",
                                    L"ProductNameImage", L"ProductLogo",    L"ProductVersion",   L"Copyright",
                                    L"CopyrightOwner", L"CopyrightWarning", L"SplashStyle",      L"Platform",
                                    L"ProductNameColor"};

TEST_F(SplashTest, StoreKeysInOrderWithNumbersAs32BitAndDefaultsWhenMissing) {
    putNumber(splash.get(), L"SplashStyle", ovSerated);
    putNumber(splash.get(), L"ProductNameColor", 0x00C00000);
    ComPtr<IPictureDisp> logo = bitmapPicture(4, 4);
    putPicture(splash.get(), L"ProductLogo", logo.get());
    auto saved = ScriptedBag::create();
    ASSERT_EQ(S_OK, splash.query<IPersistPropertyBag>()->Save(saved.get(), TRUE, TRUE));
    EXPECT_EQ(std::vector<std::wstring>(std::begin(storeKeys), std::end(storeKeys)), saved->writes);
    EXPECT_EQ(VARTYPE{VT_I4}, saved->writtenTypes[L"SplashStyle"]);
    EXPECT_EQ(VARTYPE{VT_I4}, saved->writtenTypes[L"ProductNameColor"]);
    EXPECT_EQ(VARTYPE{VT_BSTR}, saved->writtenTypes[L"LicenseTo"]);
    EXPECT_EQ(L"12582912", saved->store->text(L"ProductNameColor").value_or(L"?"));

    auto empty = ScriptedBag::create();
    ComPtr<IDispatch> loaded = siteNew(empty.get());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(std::vector<std::wstring>(std::begin(storeKeys), std::end(storeKeys)), empty->reads);
    EXPECT_TRUE(site->changes().empty()) << "loading raises no notifications";
    EXPECT_EQ(L"Valued Customer", getText(loaded.get(), L"LicenseTo"));
    EXPECT_EQ(L"Your Company", getText(loaded.get(), L"CompanyName"));
    EXPECT_EQ(L"Your Product", getText(loaded.get(), L"ProductName"));
    EXPECT_EQ(L"Version 1.0 Build 0", getText(loaded.get(), L"ProductVersion"));
    EXPECT_EQ(L"Your Company", getText(loaded.get(), L"CopyrightOwner"));
    EXPECT_EQ(0u, getText(loaded.get(), L"CopyrightWarning").find(L"Warning:  "));
    EXPECT_EQ(L"For Windows 95, 98, NT, 2000 and XP", getText(loaded.get(), L"Platform"));
    EXPECT_EQ(0, getNumber(loaded.get(), L"SplashStyle"));
    EXPECT_EQ(0, getNumber(loaded.get(), L"ProductNameColor"));
    for (const wchar_t* picture : {L"CompanyNameImage", L"ProductNameImage", L"ProductLogo"}) {
        EXPECT_FALSE(getPicture(loaded.get(), picture)) << "a missing picture reads as Nothing";
    }
    closeControl(loaded.get(), site.get());
}

TEST_F(SplashTest, SavesChangedValuesUnderTheirKeysIncludingCopyright) {
    putText(splash.get(), L"Copyright", L"Copyright 2024 Somebody");
    putText(splash.get(), L"LicenseTo", L"Ann");
    putNumber(splash.get(), L"SplashStyle", ovOrvane);
    putNumber(splash.get(), L"ProductNameColor", 0xFF);
    ComPtr<IPictureDisp> logo = bitmapPicture(16, 16);
    putPicture(splash.get(), L"ProductLogo", logo.get());

    ComPtr<MemoryPropertyBag> bag = MemoryPropertyBag::create();
    ComPtr<IPersistPropertyBag> persist = splash.query<IPersistPropertyBag>();
    ASSERT_EQ(S_OK, persist->Save(bag.get(), TRUE, FALSE));
    EXPECT_EQ(L"Copyright 2024 Somebody", bag->text(L"Copyright").value_or(L"?"));
    EXPECT_EQ(L"Ann", bag->text(L"LicenseTo").value_or(L"?"));
    EXPECT_EQ(L"4", bag->text(L"SplashStyle").value_or(L"?"));
    EXPECT_EQ(L"255", bag->text(L"ProductNameColor").value_or(L"?"));
    EXPECT_TRUE(bag->holdsObject(L"ProductLogo"));

    ComPtr<IDispatch> loaded = siteNew(bag.get());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(L"Copyright 2024 Somebody", getText(loaded.get(), L"Copyright"));
    EXPECT_EQ(L"Ann", getText(loaded.get(), L"LicenseTo"));
    EXPECT_EQ(ovOrvane, getNumber(loaded.get(), L"SplashStyle"));
    EXPECT_EQ(0xFF, getNumber(loaded.get(), L"ProductNameColor"));
    ComPtr<IPicture> picture = getPicture(loaded.get(), L"ProductLogo").query<IPicture>();
    ASSERT_TRUE(picture);
    OLE_XSIZE_HIMETRIC width = 0;
    picture->get_Width(&width);
    EXPECT_GT(width, 0);
    closeControl(loaded.get(), site.get());
}

TEST_F(SplashTest, LoadingAssignsDirectlyWithoutTheExclusionRuleOrNotifications) {
    ComPtr<MemoryPropertyBag> bag = MemoryPropertyBag::create();
    {
        // A store that holds both members of the company pair, and no copyright.
        putText(splash.get(), L"CompanyName", L"Acme");
        ComPtr<IPictureDisp> image = bitmapPicture(8, 8);
        ComPtr<IPersistPropertyBag> persist = splash.query<IPersistPropertyBag>();
        putPicture(splash.get(), L"CompanyNameImage", image.get());
        ASSERT_EQ(S_OK, persist->Save(bag.get(), TRUE, TRUE));
        bag->setText(L"CompanyName", L"Acme");
        bag->remove(L"Copyright");
        bag->remove(L"ProductNameImage");
    }
    ComPtr<IDispatch> loaded = siteNew(bag.get());
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(site->changes().empty());
    EXPECT_EQ(L"Acme", getText(loaded.get(), L"CompanyName"));
    EXPECT_TRUE(getPicture(loaded.get(), L"CompanyNameImage"));
    EXPECT_FALSE(getPicture(loaded.get(), L"ProductNameImage")) << "a missing picture reads as Nothing";
    EXPECT_EQ(OVSplashScreen::defaultCopyright, getText(loaded.get(), L"Copyright"));
    closeControl(loaded.get(), site.get());
}

TEST(SplashLayout, RoundsHalvesToEven) {
    EXPECT_EQ(2, branding::roundHalfEven(2.5));
    EXPECT_EQ(4, branding::roundHalfEven(3.5));
    EXPECT_EQ(3, branding::roundHalfEven(2.6));
    EXPECT_EQ(914, branding::roundHalfEven(914.4));
    EXPECT_EQ(4830 + 30 - 914 - 400, branding::warningTop(4830 + 30, 914.4, 400));
}

// The designed labels of the five forms, in twips from their container (Frame1 at
// (150, 60) in frmStandard, the client area elsewhere), with their type and the colours
// the forms keep (noColour: the default text colour).
constexpr forms::Color noColour = 0xFFFFFFFFu;
struct LabelRow {
    long style;
    const wchar_t* name;
    int left, top, width, height;
    double points;
    bool bold, italic, sizedToText;
    forms::Color colour;
};
const LabelRow labelRows[] = {
    {ovStandard, L"lblLicenseTo", 120, 240, 6855, 255, 8.25, false, false, false, noColour},
    {ovStandard, L"lblCompanyProduct", 2595, 705, 4245, 330, 14.25, true, false, true, noColour},
    {ovStandard, L"lblProductName", 2520, 1140, 4335, 660, 27.75, true, false, true, noColour},
    {ovStandard, L"lblPlatform", 2565, 2340, 4290, 330, 14.25, true, false, true, noColour},
    {ovStandard, L"lblVersion", 2535, 2700, 4320, 240, 9.75, true, false, true, noColour},
    {ovStandard, L"lblCopyright", 2520, 3060, 4335, 255, 8.25, false, false, false, noColour},
    {ovStandard, L"lblCompany", 2520, 3300, 4335, 255, 8.25, false, false, false, noColour},
    {ovStandard, L"lblWarning", 150, 3660, 6765, 915, 8.25, false, false, false, noColour},
    {ovSerated, L"lblCompanyProduct", 1920, 465, 3585, 285, 12, true, false, true, noColour},
    {ovSerated, L"lblProductName", 2400, 900, 4755, 660, 27.75, true, false, true, noColour},
    {ovSerated, L"lblPlatform", 1905, 2100, 5250, 330, 14.25, true, false, true, noColour},
    {ovSerated, L"lblVersion", 1845, 2460, 5280, 240, 9.75, true, false, true, noColour},
    {ovSerated, L"lblCopyright", 3120, 2820, 3975, 255, 8.25, false, false, false, noColour},
    {ovSerated, L"lblLicenseTo", 240, 2880, 2535, 735, 8.25, false, false, false, noColour},
    {ovSerated, L"lblCompany", 3000, 3030, 4095, 255, 8.25, false, false, false, noColour},
    {ovSerated, L"lblWarning", 120, 3840, 7095, 795, 8.25, false, false, false, noColour},
    {ovThe98Look, L"lblLicenseTo", 240, 120, 8055, 255, 8.25, false, false, false, noColour},
    {ovThe98Look, L"lblCompanyProduct", 1680, 585, 6645, 330, 14.25, true, false, true, 0x00808080},
    {ovThe98Look, L"lblProductName", 2280, 1020, 6075, 630, 27.75, true, true, true, noColour},
    {ovThe98Look, L"lblPlatform", 300, 1920, 7995, 360, 15.75, true, false, true, 0x80000014},
    {ovThe98Look, L"lblVersion", 1440, 2280, 6885, 285, 12, true, false, true, noColour},
    {ovThe98Look, L"lblWarning", 120, 2760, 3975, 1155, 8.25, false, false, false, noColour},
    {ovThe98Look, L"lblCopyright", 4320, 3360, 3975, 255, 8.25, false, false, false, noColour},
    {ovThe98Look, L"lblCompany", 4440, 3600, 3855, 255, 8.25, false, false, false, noColour},
    {ovThe2000Look, L"lblLicenseTo", 360, 120, 6855, 255, 8.25, false, false, false, noColour},
    {ovThe2000Look, L"lblCompanyProduct", 2235, 585, 5085, 330, 14.25, true, false, true, 0x00808080},
    {ovThe2000Look, L"lblProductName", 2280, 1020, 4995, 660, 27.75, true, false, true, noColour},
    {ovThe2000Look, L"lblPlatform", 5940, 2340, 1275, 360, 15.75, true, false, true, noColour},
    {ovThe2000Look, L"lblVersion", 6330, 2700, 885, 285, 12, true, false, true, noColour},
    {ovThe2000Look, L"lblCopyright", 120, 3060, 7095, 255, 8.25, false, false, false, noColour},
    {ovThe2000Look, L"lblCompany", 120, 3270, 7095, 255, 8.25, false, false, false, noColour},
    {ovThe2000Look, L"lblWarning", 240, 3660, 6975, 795, 8.25, false, false, false, noColour},
    {ovOrvane, L"lblLicenseTo", 480, 120, 6855, 255, 8.25, false, false, false, 0x00FFFFFF},
    {ovOrvane, L"lblCompanyProduct", 1920, 585, 5205, 330, 14.25, true, false, true, 0x00C00000},
    {ovOrvane, L"lblProductName", 2280, 1080, 4875, 630, 27.75, true, true, true, 0x0000FFFF},
    {ovOrvane, L"lblVersion", 2280, 1800, 4965, 285, 12, true, false, true, 0x8000000E},
    {ovOrvane, L"lblPlatform", 240, 2520, 6915, 360, 15.75, true, false, true, noColour},
    {ovOrvane, L"lblCopyright", 240, 2940, 6855, 255, 8.25, false, false, false, noColour},
    {ovOrvane, L"lblCompany", 240, 3150, 6855, 255, 8.25, false, false, false, noColour},
    {ovOrvane, L"lblWarning", 120, 3600, 7095, 795, 8.25, false, false, false, noColour},
};
const SIZE clientTwips[] = {{7380, 4830}, {7380, 4740}, {8550, 3990}, {7455, 4620}, {7380, 4500}};

int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }
int screenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

// After ShowSplash with the default properties: placeholder texts replaced, the designed
// rectangles as the platform measures them (sized-to-text labels keep left and top),
// Arial of the designed size and weight, the designed colours.
TEST_F(SplashTest, EveryStyleShowsTheDefaultsInItsDesignedPlacesAndType) {
    ASSERT_EQ(96, screenDpi()) << "the rectangles below are 15 twips a pixel";
    for (const StyleCase& style : styles) {
        SCOPED_TRACE(style.screenshot);
        putNumber(splash.get(), L"SplashStyle", style.style);
        show();
        forms::Form& form = formOf(style.style);
        ASSERT_TRUE(form.visible());
        HWND window = form.hwnd();
        EXPECT_EQ(nullptr, ::GetWindow(window, GW_OWNER));
        const LONG windowStyle = ::GetWindowLongW(window, GWL_STYLE);
        EXPECT_NE(WS_CAPTION, windowStyle & WS_CAPTION) << "no title bar";
        EXPECT_FALSE(windowStyle & WS_THICKFRAME);
        RECT client{};
        ::GetClientRect(window, &client);
        EXPECT_EQ(pixels(clientTwips[style.style].cx), client.right);
        EXPECT_EQ(pixels(clientTwips[style.style].cy), client.bottom);

        EXPECT_EQ(L"License To: Valued Customer", form.control(L"lblLicenseTo").text());
        EXPECT_EQ(L"Your Company", form.control(L"lblCompanyProduct").text());
        EXPECT_EQ(L"Your Product", form.control(L"lblProductName").text());
        EXPECT_EQ(L"For Windows 95, 98, NT, 2000 and XP", form.control(L"lblPlatform").text());
        EXPECT_EQ(L"Version 1.0 Build 0", form.control(L"lblVersion").text());
        EXPECT_EQ(OVSplashScreen::defaultCopyright, form.control(L"lblCopyright").text());
        EXPECT_EQ(L"Your Company", form.control(L"lblCompany").text());
        EXPECT_EQ(OVSplashScreen::defaultCopyrightWarning, form.control(L"lblWarning").text());
        IPicture* logo = form.control(L"imgLogo").picture();
        SHORT logoType = PICTYPE_NONE;
        if (logo) logo->get_Type(&logoType);
        EXPECT_EQ(PICTYPE_NONE, logoType) << "an empty logo blanks the placeholder";

        const POINT frame = style.style == ovStandard ? POINT{pixels(150), pixels(60)} : POINT{0, 0};
        for (const LabelRow& row : labelRows) {
            if (row.style != style.style) continue;
            SCOPED_TRACE(row.name);
            forms::FormControl& control = form.control(row.name);
            RECT rect{};
            ::GetWindowRect(control.hwnd(), &rect);
            ::MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
            EXPECT_EQ(frame.x + pixels(row.left), rect.left);
            const bool warning = std::wstring(row.name) == L"lblWarning";  // moved by ShowSplash
            if (!warning) {
                EXPECT_EQ(frame.y + pixels(row.top), rect.top);
            }
            if (!row.sizedToText && !warning) {
                EXPECT_EQ(pixels(row.width), rect.right - rect.left);
                EXPECT_EQ(pixels(row.height), rect.bottom - rect.top);
            }
            LOGFONTW font = fontOf(control);
            EXPECT_STREQ(L"Arial", font.lfFaceName);
            EXPECT_EQ(-std::lround(row.points * 96 / 72), font.lfHeight);
            EXPECT_EQ(row.bold ? 700 : 400, font.lfWeight);
            EXPECT_EQ(row.italic, font.lfItalic != 0);
            if (row.colour != noColour && std::wstring(row.name) != L"lblProductName") {
                EXPECT_EQ(row.colour, control.foreColor());
            }
        }
        branding::test::saveScreenshot(window, style.screenshot);
    }
}

// The colours the forms paint, sampled from the screen: bands, rules, the band behind a
// transparent label, the background elsewhere.
TEST_F(SplashTest, BandsRulesAndTransparentLabelsShowTheirColours) {
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), window = ::GetSysColor(COLOR_WINDOW);
    struct Sample {
        long style;
        int x, y;  // twips in the client area
        COLORREF expected;
        const char* what;
    };
    const Sample samples[] = {
        {ovStandard, 60, 2400, face, "background outside the frame"},
        {ovSerated, 60, 2400, face, "background"},
        {ovSerated, 5000, 120, window, "light line of the first rule"},
        {ovSerated, 7365, 120, window, "the first rule's light line reaches the right edge"},
        {ovSerated, 6000, 360 - 15, ::GetSysColor(COLOR_WINDOWTEXT), "dark line beside the second rule's light one"},
        {ovSerated, 5400, 360, face, "left of the second rule"},
        {ovThe98Look, 60, 2400, face, "background"},
        {ovThe2000Look, 60, 1800, window, "band"},
        {ovThe2000Look, 400, 150, window, "band behind the transparent licence line"},
        {ovThe2000Look, 60, 2600, face, "below the band"},
        {ovOrvane, 60, 1800, 0x00404040, "band"},
        {ovOrvane, 520, 150, 0x00404040, "band behind the transparent licence line"},
        {ovOrvane, 60, 2400, face, "below the band"},
    };
    for (const Sample& sample : samples) {
        putNumber(splash.get(), L"SplashStyle", sample.style);
        show();
        HWND form = formOf(sample.style).hwnd();
        ::UpdateWindow(form);
        pump();
        EXPECT_EQ(sample.expected, branding::test::clientPixel(form, pixels(sample.x), pixels(sample.y)))
            << styles[sample.style].screenshot << ": " << sample.what;
    }
}

// The warning's bottom ends the style's margin above the window's lower edge (its
// outer height, border included), in the label's container; a long text grows it.
TEST_F(SplashTest, WarningEndsTheStylesMarginAboveTheLowerEdgeShortOrLong) {
    const std::wstring longWarning = [] {
        std::wstring text = L"Warning:  ";
        for (int sentence = 0; sentence < 40; ++sentence) text += L"This sentence makes the warning very long.  ";
        return text;
    }();
    const int designedWidth[] = {6765, 7095, 3975, 6975, 7095};
    for (const StyleCase& style : styles) {
        for (const std::wstring& warning : {std::wstring(L"Warning:  Short."), longWarning}) {
            SCOPED_TRACE(std::wstring(style.screenshot) + L" " + std::to_wstring(warning.size()));
            putNumber(splash.get(), L"SplashStyle", style.style);
            putText(splash.get(), L"CopyrightWarning", warning.c_str());
            show();
            forms::Form& form = formOf(style.style);
            RECT outer{};
            ::GetWindowRect(form.hwnd(), &outer);
            auto inForm = [&](const wchar_t* name) {
                RECT rect{};
                ::GetWindowRect(form.control(name).hwnd(), &rect);
                ::MapWindowPoints(HWND_DESKTOP, form.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
                return rect;
            };
            // frmStandard's container is Frame1, 60 twips below the client area's top.
            int containerTop = 0;
            if (style.style == ovStandard) {
                containerTop = inForm(L"Frame1").top;
                EXPECT_EQ(pixels(60), containerTop);
            }
            const RECT label = inForm(L"lblWarning");
            EXPECT_NEAR((outer.bottom - outer.top) - style.margin / 15.0, label.bottom - containerTop, 1.0);
            EXPECT_EQ(pixels(designedWidth[style.style]), label.right - label.left);
            if (warning.size() > 100) {
                EXPECT_GT(label.bottom - label.top, pixels(1155)) << "the height follows the text";
            }
        }
    }
}

TEST_F(SplashTest, ProductNameIsRedInFourStylesAndYellowInTheLast) {
    putNumber(splash.get(), L"ProductNameColor", 0x000000FF);
    for (const StyleCase& style : styles) {
        putNumber(splash.get(), L"SplashStyle", style.style);
        show();
        EXPECT_EQ(style.style == ovOrvane ? 0x0000FFFFu : 0x000000FFu,
                  formOf(style.style).control(L"lblProductName").foreColor())
            << style.screenshot;
    }
    EXPECT_EQ(0xFF, getNumber(splash.get(), L"ProductNameColor"));
}

TEST_F(SplashTest, ChangingStyleBetweenShowAndHideLeavesTheFirstWindowUp) {
    putNumber(splash.get(), L"SplashStyle", ovStandard);
    show();
    putNumber(splash.get(), L"SplashStyle", ovSerated);
    show();
    EXPECT_TRUE(formOf(ovStandard).visible());
    EXPECT_TRUE(formOf(ovSerated).visible());
    putNumber(splash.get(), L"SplashStyle", ovThe98Look);
    ASSERT_EQ(S_OK, invokeByName(splash.get(), L"HideSplash").result);
    EXPECT_TRUE(formOf(ovStandard).visible());
    EXPECT_TRUE(formOf(ovSerated).visible());
    EXPECT_FALSE(formOf(ovThe98Look).visible());
    EXPECT_TRUE(formOf(ovThe98Look).loaded()) << "hiding loads a form first";
    putNumber(splash.get(), L"SplashStyle", ovSerated);
    ASSERT_EQ(S_OK, invokeByName(splash.get(), L"HideSplash").result);
    EXPECT_FALSE(formOf(ovSerated).visible());
    EXPECT_TRUE(formOf(ovSerated).loaded()) << "hidden, not unloaded";
}

// A window lies above another when it comes first walking down the z-order.
bool above(HWND upper, HWND lower) {
    for (HWND window = ::GetWindow(lower, GW_HWNDPREV); window; window = ::GetWindow(window, GW_HWNDPREV)) {
        if (window == upper) return true;
    }
    return false;
}

TEST_F(SplashTest, ShowingAVisibleSplashAgainBringsItToTheFront) {
    putNumber(splash.get(), L"SplashStyle", ovStandard);
    show();
    putNumber(splash.get(), L"SplashStyle", ovSerated);
    show();
    HWND standard = formOf(ovStandard).hwnd(), serated = formOf(ovSerated).hwnd();
    ASSERT_TRUE(above(serated, standard));
    putNumber(splash.get(), L"SplashStyle", ovStandard);
    putText(splash.get(), L"ProductName", L"Second Call");
    show();
    EXPECT_EQ(standard, formOf(ovStandard).hwnd()) << "the same window, refilled";
    EXPECT_TRUE(above(standard, serated));
    EXPECT_EQ(L"Second Call", formOf(ovStandard).control(L"lblProductName").text());
}

// Any colour is stored; one the platform cannot draw fails the show that puts it into
// the product name, with the runtime's error.
TEST_F(SplashTest, AColourThatIsNoColourIsStoredButFailsTheShow) {
    putNumber(splash.get(), L"ProductNameColor", -1);
    Call stored = invokeByName(splash.get(), L"ProductNameColor");
    EXPECT_EQ(-1, V_I4(stored.value.get()));
    EXPECT_TRUE(raised(invokeByName(splash.get(), L"ShowSplash"), 380, L"Invalid property value"));
    putNumber(splash.get(), L"ProductNameColor", 0x8000000D);  // the system highlight colour
    show();
    EXPECT_TRUE(formOf(ovStandard).visible());
}

TEST_F(SplashTest, TwoControlsShareOneFormAndItOutlivesThem) {
    ComPtr<IDispatch> other = siteNew();
    putText(splash.get(), L"LicenseTo", L"");
    show();
    HWND first = formOf(ovStandard).hwnd();
    EXPECT_EQ(L"License To: ", formOf(ovStandard).control(L"lblLicenseTo").text());
    putText(other.get(), L"LicenseTo", L"Bob");
    ASSERT_EQ(S_OK, invokeByName(other.get(), L"ShowSplash").result);
    EXPECT_EQ(first, formOf(ovStandard).hwnd());
    EXPECT_EQ(L"License To: Bob", formOf(ovStandard).control(L"lblLicenseTo").text());
    closeControl(other.get(), site.get());
    other.reset();
    EXPECT_TRUE(formOf(ovStandard).visible());
}

TEST_F(SplashTest, ShowsPicturesUnscaledAndBothMembersOfAPairFromTheStore) {
    ComPtr<IPictureDisp> logo = bitmapPicture(40, 30);
    putPicture(splash.get(), L"ProductLogo", logo.get());
    ComPtr<IPictureDisp> company = bitmapPicture(100, 20);
    putPicture(splash.get(), L"CompanyNameImage", company.get());
    putNumber(splash.get(), L"SplashStyle", ovThe98Look);
    show();
    forms::Form& form = formOf(ovThe98Look);
    EXPECT_EQ(L"", form.control(L"lblCompanyProduct").text());
    forms::FormControl& image = form.control(L"imgCompanyPruductImage");
    EXPECT_EQ(logo.query<IPicture>().get(), form.control(L"imgLogo").picture());
    EXPECT_EQ(company.query<IPicture>().get(), image.picture());
    RECT rect = rectInParent(image.hwnd());
    EXPECT_EQ(100, rect.right - rect.left);
    EXPECT_EQ(20, rect.bottom - rect.top);
}

// Every member repeated in one process: after a warm-up, neither committed memory nor
// GDI objects may grow (each property assignment once lost some 7.6 KB).
TEST_F(SplashTest, RepeatedMembersKeepNoMemoryOrGdiObjects) {
    using namespace branding::test;
    ComPtr<IPictureDisp> wide = smallPicture(40, 10), square = smallPicture(16, 16);
    const std::vector<IPictureDisp*> pictures{wide.get(), square.get(), nullptr};
    const auto make = [] {
        ComPtr<OVSplashScreen> made = OVSplashScreen::create();
        return ComPtr<IUnknown>(static_cast<_OVSplashScreen*>(made.get()));
    };
    expectNoGrowth(L"every property read and assigned", 20, 200, 64 * 1024, [&](int round) {
        exerciseProperties(splash.get(), round, 5, pictures);
        site->clearChanges();  // the test site's own record of notifications
    });
    expectNoGrowth(L"ShowSplash and HideSplash, styles 0 to 4", 10, 50, 64 * 1024, [&](int round) {
        putNumber(splash.get(), L"SplashStyle", round % 5);
        show();
        ASSERT_TRUE(formOf(round % 5).visible());
        ASSERT_EQ(S_OK, invokeByName(splash.get(), L"HideSplash").result);
        pump();
        site->clearChanges();
    });
    putPicture(splash.get(), L"ProductLogo", wide.get());
    expectNoGrowth(L"saved and loaded through a stream and a property bag", 10, 100, 64 * 1024, [&](int) {
        roundTripThroughStream(splash.get(), make);
        roundTripThroughBag(splash.get(), make);
    });
}

}  // namespace
}  // namespace orvane
