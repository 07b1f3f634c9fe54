// OVSplashScreen: properties and their notifications through a test container, the two
// stores, and the five splash forms as ShowSplash fills, lays out and shows them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BrandingTestSupport.h"
#include "SoakSupport.h"
#include "TestSupport.h"
#include "branding/OVSplashScreen.h"
#include "branding/SplashLayout.h"
#include "branding/frmOrvane.h"
#include "branding/frmSerated.h"
#include "branding/frmStandard.h"
#include "branding/frmThe2000Look.h"
#include "branding/frmThe98Look.h"
#include "frame/ControlSite.h"
#include "frame/MemoryPropertyBag.h"
#include "frame/PersistedProperty.h"
#include "frame/forms/Twips.h"

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
        try {
            dispatch = siteControl(unknown.get(), site.get(), bag);
        } catch (const ComFailure& failure) {
            ADD_FAILURE() << "siting failed with " << std::hex << failure.result();
        }
        site->clearChanges();
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
    for (long value : {5L, -1L, 100L, LONG_MIN}) {
        putNumber(splash.get(), L"SplashStyle", value);
        EXPECT_EQ(value, getNumber(splash.get(), L"SplashStyle"));
        Call shown = invokeByName(splash.get(), L"ShowSplash");
        EXPECT_EQ(S_OK, shown.result);
        EXPECT_EQ(VT_EMPTY, shown.value->vt);
        EXPECT_EQ(S_OK, invokeByName(splash.get(), L"HideSplash").result);
        for (const StyleCase& style : styles) {
            EXPECT_FALSE(forms::Form::instance(style.definition()).visible()) << value;
        }
    }
    putNumber(splash.get(), L"ProductNameColor", 0x12345678);
    EXPECT_EQ(0x12345678, getNumber(splash.get(), L"ProductNameColor"));
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

// Every row of a form's table, after ShowSplash with the default properties: placeholder
// texts replaced, designed rectangles kept (sized-to-text labels keep left and top), Arial
// type of the designed size and weight, designed colours.
TEST_F(SplashTest, EveryStyleShowsTheDefaultsInItsDesignedPlacesAndType) {
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
        EXPECT_EQ(forms::toPixelsX(form.desc().width), client.right);
        EXPECT_EQ(forms::toPixelsY(form.desc().height), client.bottom);

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

        for (const forms::ControlSpec& row : style.definition().controls) {
            if (row.kind != forms::Kind::Label) continue;
            SCOPED_TRACE(row.name);
            forms::FormControl& control = form.control(row.name);
            RECT rect = rectInParent(control.hwnd());
            const POINT origin = form.containerOrigin(control);
            EXPECT_EQ(origin.x + forms::toPixelsX(row.left), rect.left);
            if (std::wstring(row.name) != L"lblWarning") {
                EXPECT_EQ(origin.y + forms::toPixelsY(row.top), rect.top);
            }
            if (!forms::has(row.style, forms::AutoSize) && std::wstring(row.name) != L"lblWarning") {
                EXPECT_EQ(forms::toPixelsX(row.width), rect.right - rect.left);
                EXPECT_EQ(forms::toPixelsY(row.height), rect.bottom - rect.top);
            }
            LOGFONTW font = fontOf(control);
            EXPECT_STREQ(L"Arial", font.lfFaceName);
            EXPECT_EQ(forms::pointsToFontHeight(row.font.size, forms::screenDpiY()), font.lfHeight);
            EXPECT_EQ(row.font.weight, font.lfWeight);
            EXPECT_EQ(row.font.italic, font.lfItalic != 0);
            if (std::wstring(row.name) != L"lblProductName" && row.foreColor != forms::DefaultColor) {
                EXPECT_EQ(row.foreColor, control.foreColor());
            }
        }
        branding::test::saveScreenshot(window, style.screenshot);
    }
}

TEST_F(SplashTest, WarningEndsTheStylesMarginAboveTheLowerEdgeShortOrLong) {
    const std::wstring longWarning = [] {
        std::wstring text = L"Warning:  ";
        for (int sentence = 0; sentence < 40; ++sentence) text += L"This sentence makes the warning very long.  ";
        return text;
    }();
    for (const StyleCase& style : styles) {
        for (const std::wstring& warning : {std::wstring(L"Warning:  Short."), longWarning}) {
            SCOPED_TRACE(std::wstring(style.screenshot) + L" " + std::to_wstring(warning.size()));
            putNumber(splash.get(), L"SplashStyle", style.style);
            putText(splash.get(), L"CopyrightWarning", warning.c_str());
            show();
            forms::Form& form = formOf(style.style);
            forms::FormControl& label = form.control(L"lblWarning");
            EXPECT_TRUE(label.wordWrap());
            EXPECT_TRUE(label.autoSize());
            const double expected = form.height() - branding::roundHalfEven(label.height()) - style.margin;
            EXPECT_DOUBLE_EQ(expected, label.top());
            // The designed width stays; the height follows the text.
            const forms::ControlSpec* row = nullptr;
            for (const forms::ControlSpec& candidate : style.definition().controls) {
                if (std::wstring(candidate.name) == L"lblWarning") row = &candidate;
            }
            ASSERT_TRUE(row);
            EXPECT_EQ(forms::toPixelsX(row->width), rectInParent(label.hwnd()).right - rectInParent(label.hwnd()).left);
            if (warning.size() > 100) {
                EXPECT_GT(label.height(), row->height);
            }
            // Inside frmStandard the label's container starts 60 twips below the client
            // area: the top is applied in the frame's coordinates as computed.
            const int containerOffset = style.style == ovStandard ? forms::toPixelsY(60) : 0;
            EXPECT_EQ(containerOffset, form.containerOrigin(label).y);
            RECT inForm{};
            ::GetWindowRect(label.hwnd(), &inForm);
            ::MapWindowPoints(HWND_DESKTOP, form.hwnd(), reinterpret_cast<POINT*>(&inForm), 2);
            EXPECT_NEAR(forms::toPixelsY(expected) + containerOffset, inForm.top, 1);
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
