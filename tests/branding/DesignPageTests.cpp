// The two design pages driven as a form designer drives them: a page site of our own,
// a real parent window, text sent to the boxes, the style box picked from and typed
// into, IsPageDirty, Apply and a click on Clear; the selected control is a recording
// stand-in reached by name, as the real controls are.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <commctrl.h>
#include <msstkppg.h>

#include <algorithm>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "branding/ppageAboutBoxDesign.h"
#include "branding/ppageSplashScreenDesign.h"
#include "BrandingTestSupport.h"
#include "frame/server/Catalogue.h"
#include "frame/server/ClassFactory.h"
#include "frame/host/ControlSite.h"
#include "frame/automation/Runtime.h"
#include "frame/forms/Twips.h"

namespace orvane::test {
namespace {

// A control that keeps properties by name and records every read and write in order.
class RecordingControl : public IDispatch {
public:
    explicit RecordingControl(std::vector<std::wstring> names) : names_(std::move(names)) {
        for (const auto& name : names_) {
            const bool style = name.size() > 5 && name.compare(name.size() - 5, 5, L"Style") == 0;
            values[name] = style ? runtime::makeLong(0) : runtime::makeText(L"");
        }
    }

    std::map<std::wstring, Variant> values;
    std::vector<std::wstring> log;   // "get Name" or "put Name=value"
    std::wstring failingPut;         // a property whose write the control refuses
    long failingNumber = 5;

    void setText(const std::wstring& name, const wchar_t* text) { values[name] = runtime::makeText(text); }
    void setLong(const std::wstring& name, long value) { values[name] = runtime::makeLong(value); }
    std::wstring textOf(const std::wstring& name) { return text(*values[name].get()); }
    std::vector<std::wstring> puts() const {
        std::vector<std::wstring> result;
        for (const auto& entry : log) {
            if (entry.rfind(L"put ", 0) == 0) result.push_back(entry.substr(4));
        }
        return result;
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { *count = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        for (size_t n = 0; n < names_.size(); ++n) {
            if (::lstrcmpiW(names_[n].c_str(), names[0]) == 0) {
                ids[0] = static_cast<DISPID>(n + 1);
                return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
            }
        }
        ids[0] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT*) override {
        if (member < 1 || static_cast<size_t>(member) > names_.size()) return DISP_E_MEMBERNOTFOUND;
        const std::wstring& name = names_[member - 1];
        if (flags & DISPATCH_PROPERTYPUT) {
            if (params->cArgs != 1 || params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
                return DISP_E_BADPARAMCOUNT;
            }
            Variant text;
            ::VariantChangeType(text.get(), &params->rgvarg[0], 0, VT_BSTR);
            log.push_back(L"put " + name + L"=" + test::text(*text.get()) +
                          (params->rgvarg[0].vt == VT_BSTR ? L"" : L" (number)"));
            if (name == failingPut) {
                *exception = EXCEPINFO{};
                exception->scode = static_cast<HRESULT>(0x800A0000u + failingNumber);
                exception->bstrDescription = ::SysAllocString(L"Refused by the control");
                exception->bstrSource = ::SysAllocString(L"Recording.Control");
                return DISP_E_EXCEPTION;
            }
            ::VariantCopy(values[name].put(), &params->rgvarg[0]);
            return S_OK;
        }
        log.push_back(L"get " + name);
        return ::VariantCopy(result, values[name].get());
    }

    ULONG references = 1;

private:
    std::vector<std::wstring> names_;
};

class TestSite : public IPropertyPageSite {
public:
    std::vector<DWORD> statusChanges;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IPropertyPageSite) {
            *out = static_cast<IPropertyPageSite*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }
    STDMETHODIMP OnStatusChange(DWORD flags) override {
        statusChanges.push_back(flags);
        return S_OK;
    }
    STDMETHODIMP GetLocaleID(LCID* locale) override { *locale = LOCALE_USER_DEFAULT; return S_OK; }
    STDMETHODIMP GetPageContainer(IUnknown** container) override { *container = nullptr; return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }

    ULONG references = 1;
};

const std::vector<std::wstring> aboutProperties = {L"ProductVersion", L"ProductName", L"ProductDescription",
                                                   L"CopyrightWarning", L"Copyright", L"Mailto", L"WebsiteUrl",
                                                   L"AboutStyle"};
const std::vector<std::wstring> splashProperties = {L"Platform", L"SplashStyle", L"CopyrightWarning",
                                                    L"CopyrightOwner", L"Copyright", L"ProductVersion",
                                                    L"ProductName", L"CompanyName", L"LicenseTo"};

std::wstring windowText(HWND window) {
    wchar_t buffer[512] = {};
    ::GetWindowTextW(window, buffer, 512);
    return buffer;
}

std::wstring controlName(HWND window) {
    static const UINT message = ::RegisterWindowMessageW(L"WM_GETCONTROLNAME");
    wchar_t buffer[64] = {};
    ::SendMessageW(window, message, 64, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

struct NameSearch {
    const std::wstring* name;
    HWND found;
};

BOOL CALLBACK matchName(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<NameSearch*>(data);
    if (controlName(window) != *search->name) return TRUE;
    search->found = window;
    return FALSE;
}

HWND findNamed(HWND parent, const std::wstring& name) {
    NameSearch search{&name, nullptr};
    ::EnumChildWindows(parent, matchName, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Pumps what the page posted to itself (nothing in it depends on time).
void pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

ComPtr<IPropertyPage2> createPage(REFCLSID classId) {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(S_OK, getClassObject(classId, IID_IClassFactory, factory.putVoid()));
    ComPtr<IPropertyPage2> page;
    if (factory) {
        EXPECT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IPropertyPage2, page.putVoid()));
    }
    return page;
}

// A designer's dialog with one page in it.
class Designer {
public:
    explicit Designer(REFCLSID classId) : page(createPage(classId)) {
        static const ATOM registered = [] {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = ::DefWindowProcW;
            windowClass.hInstance = ::GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"DesignerFrame";
            windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            return ::RegisterClassW(&windowClass);
        }();
        (void)registered;
        frame.reset(::CreateWindowExW(WS_EX_CONTROLPARENT, L"DesignerFrame", L"Properties",
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 400, nullptr, nullptr,
                                      ::GetModuleHandleW(nullptr), nullptr));
        EXPECT_EQ(S_OK, page->SetPageSite(&site));
    }
    ~Designer() {
        if (page) {
            page->Deactivate();
            page->SetObjects(0, nullptr);
            page->SetPageSite(nullptr);
        }
    }

    SIZE pageSize() {
        PROPPAGEINFO info{};
        EXPECT_EQ(S_OK, page->GetPageInfo(&info));
        ::CoTaskMemFree(info.pszTitle);
        return info.size;
    }
    HRESULT select(std::vector<IUnknown*> objects) {
        return page->SetObjects(static_cast<ULONG>(objects.size()), objects.data());
    }
    void open() {
        SIZE size = pageSize();
        RECT rect{8, 8, 8 + size.cx, 8 + size.cy};
        ASSERT_EQ(S_OK, page->Activate(frame.get(), &rect, TRUE));
        ASSERT_EQ(S_OK, page->Show(SW_SHOW));
        pump();
    }
    HWND box(const std::wstring& name) {
        HWND window = findNamed(frame.get(), name);
        EXPECT_TRUE(window) << "no window named " << std::string(name.begin(), name.end());
        return window;
    }
    std::wstring textOf(const std::wstring& name) { return windowText(box(name)); }
    // Typed as a user types: the box's text selected and replaced key by key (setting
    // the text of a multi-line box or of the style box's edit part raises no change).
    void type(const std::wstring& name, const wchar_t* text) { typeInto(box(name), text); }
    void typeStyle(const std::wstring& name, const wchar_t* text) {
        HWND edit = ::FindWindowExW(box(name), nullptr, L"Edit", nullptr);
        ASSERT_TRUE(edit);
        typeInto(edit, text);
    }
    void typeInto(HWND edit, const wchar_t* text) {
        ::SendMessageW(edit, EM_SETSEL, 0, -1);
        ::SendMessageW(edit, WM_CHAR, VK_BACK, 0);
        for (const wchar_t* key = text; *key; ++key) ::SendMessageW(edit, WM_CHAR, *key, 0);
        pump();
    }
    void pick(const std::wstring& name, int position) {
        HWND combo = box(name);
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        ::SendMessageW(::GetParent(combo), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        pump();
    }
    void click(const std::wstring& name) {
        ::SendMessageW(box(name), BM_CLICK, 0, 0);
        pump();
    }
    int selected(const std::wstring& name) {
        return static_cast<int>(::SendMessageW(box(name), CB_GETCURSEL, 0, 0));
    }

    TestSite site;
    UniqueWindow frame;
    ComPtr<IPropertyPage2> page;
};

// A real branding control placed on a designer's form (not in user mode).
struct PlacedControl {
    explicit PlacedControl(REFCLSID classId) : site(ControlSite::create(false)) {
        ComPtr<IUnknown> created;
        EXPECT_EQ(S_OK, findClass(classId)->create(IID_IUnknown, created.putVoid()));
        object = siteControl(created.get(), site.get());
    }
    ~PlacedControl() { closeControl(object.get(), site.get()); }

    DISPID member(const wchar_t* name) {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        EXPECT_EQ(S_OK, object->GetIDsOfNames(IID_NULL, names, 1, 0, &id));
        return id;
    }
    Variant get(const wchar_t* name) {
        Call call = invoke(object.get(), member(name), DISPATCH_PROPERTYGET, {});
        EXPECT_EQ(S_OK, call.result);
        return call.value;
    }
    std::wstring text(const wchar_t* name) { return test::text(*get(name).get()); }
    void putObject(const wchar_t* name, IPicture* picture) {
        ComPtr<IDispatch> value = ComPtr<IPicture>(picture).query<IDispatch>();
        EXPECT_EQ(S_OK, propertyPut(object.get(), member(name), vObject(value.get()), DISPATCH_PROPERTYPUTREF).result);
    }
    SHORT pictureType(const wchar_t* name) {
        Variant value = get(name);
        if (value->vt != VT_DISPATCH || !value->pdispVal) return -1;
        ComPtr<IPicture> picture = ComPtr<IDispatch>(value->pdispVal).query<IPicture>();
        SHORT type = -1;
        if (picture) picture->get_Type(&type);
        return type;
    }

    ComPtr<ControlSite> site;
    ComPtr<IDispatch> object;
};

ComPtr<IPicture> iconPicture() {
    PICTDESC description{sizeof description, PICTYPE_ICON};
    description.icon.hicon = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    ComPtr<IPicture> picture;
    EXPECT_EQ(S_OK, ::OleCreatePictureIndirect(&description, IID_IPicture, FALSE, picture.putVoid()));
    return picture;
}

::testing::AssertionResult failedWith(HRESULT result, long number, const wchar_t* description) {
    return raisedEarly(result, number, description);
}

// --- Layout, from the tables the Part gives ---------------------------------------

struct Row {
    const wchar_t* name;
    const wchar_t* text;   // nullptr: not checked (boxes)
    double left, top, width, height;
};

const Row aboutRows[] = {
    {L"lblAboutStyle", L"AboutStyle:", 90, 120, 2700, 240},
    {L"cboAbout", nullptr, 120, 360, 2685, 315},
    {L"lblProductName", L"ProductName:", 90, 765, 2700, 240},
    {L"txtProductName", nullptr, 90, 1050, 2700, 330},
    {L"lblProductVersion", L"ProductVersion:", 90, 1425, 2700, 240},
    {L"txtProductVersion", nullptr, 90, 1695, 2700, 330},
    {L"lblProductDescription", L"ProductDescription:", 90, 2100, 2700, 240},
    {L"txtProductDescription", nullptr, 90, 2355, 2700, 990},
    {L"lblWebsiteUrl", L"WebsiteUrl:", 3090, 135, 2700, 240},
    {L"txtWebsiteUrl", nullptr, 3090, 390, 2700, 330},
    {L"lblMailto", L"Mailto:", 3090, 765, 2700, 240},
    {L"txtMailto", nullptr, 3090, 1005, 2700, 330},
    {L"lblCopyright", L"Copyright:", 3090, 1410, 2700, 240},
    {L"txtCopyright", nullptr, 3090, 1665, 2700, 330},
    {L"lblCopyrightWarning", L"CopyrightWarning:", 3090, 2055, 2700, 240},
    {L"txtCopyrightWarning", nullptr, 3090, 2310, 2700, 630},
    {L"cmdClear", L"Clear", 4350, 3030, 1455, 375},
};

const Row splashRows[] = {
    {L"lblSplashStyle", L"SplashStyle:", 90, 135, 2700, 240},
    {L"cboSplash", nullptr, 120, 360, 2715, 315},
    {L"lblLicenseTo", L"LicenseTo:", 90, 780, 2700, 240},
    {L"txtLicenseTo", nullptr, 90, 1035, 2700, 330},
    {L"lblCompanyName", L"CompanyName:", 90, 1425, 2700, 240},
    {L"txtCompanyName", nullptr, 90, 1680, 2700, 330},
    {L"lblProductName", L"ProductName:", 90, 2085, 2700, 240},
    {L"txtProductName", nullptr, 90, 2325, 2700, 330},
    {L"lblPlatform", L"Platform:", 90, 2730, 2700, 240},
    {L"txtPlatform", nullptr, 90, 2985, 2700, 330},
    {L"lblProductVersion", L"ProductVersion:", 2970, 150, 2700, 240},
    {L"txtProductVersion", nullptr, 2970, 405, 2700, 330},
    {L"lblCopyright", L"Copyright:", 2970, 795, 2700, 240},
    {L"txtCopyright", nullptr, 2970, 1050, 2700, 330},
    {L"lblCopyrightOwner", L"CopyrightOwner:", 2970, 1440, 2700, 240},
    {L"txtCopyrightOwner", nullptr, 2970, 1695, 2700, 330},
    {L"lblCopyrightWarning", L"CopyrightWarning:", 2970, 2085, 2700, 240},
    {L"txtCopyrightWarning", nullptr, 2970, 2340, 2700, 330},
    {L"cmdClear", L"Clear", 4260, 3000, 1455, 375},
};

struct PageLayout {
    const CLSID* classId;
    std::span<const Row> rows;
    std::vector<std::wstring> tabOrder;
    std::vector<std::wstring> styles;
    std::vector<std::wstring> multiLine;
};

const PageLayout layouts[] = {
    {&CLSID_ppageAboutBoxDesign, aboutRows,
     {L"cboAbout", L"txtProductName", L"txtProductVersion", L"txtProductDescription", L"txtWebsiteUrl", L"txtMailto",
      L"txtCopyright", L"txtCopyrightWarning", L"cmdClear"},
     {L"ovAboutStandard", L"ovAbout2000"},
     {L"txtProductDescription", L"txtCopyrightWarning"}},
    {&CLSID_ppageSplashScreenDesign, splashRows,
     {L"cboSplash", L"txtLicenseTo", L"txtCompanyName", L"txtProductName", L"txtPlatform", L"txtProductVersion",
      L"txtCopyright", L"txtCopyrightOwner", L"txtCopyrightWarning", L"cmdClear"},
     {L"ovStandard", L"ovSerated", L"ovThe98Look", L"ovThe2000Look", L"ovOrvane"},
     {}},
};

TEST(DesignPages, ComeFromTheClassFactoryWithTheirTitleAndSize) {
    for (const PageLayout& layout : layouts) {
        ComPtr<IPropertyPage2> page = createPage(*layout.classId);
        ASSERT_TRUE(page);
        EXPECT_TRUE(page.query<IPropertyPage>());
        EXPECT_TRUE(page.query<IDispatch>());
        PROPPAGEINFO info{};
        ASSERT_EQ(S_OK, page->GetPageInfo(&info));
        EXPECT_STREQ(L"Design", info.pszTitle);
        EXPECT_EQ(forms::toPixelsX(5925), info.size.cx);
        EXPECT_EQ(forms::toPixelsY(3495), info.size.cy);
        EXPECT_EQ(nullptr, info.pszHelpFile);
        ::CoTaskMemFree(info.pszTitle);
        EXPECT_EQ(S_OK, page->Help(nullptr));
        // Nothing to show before a designer activates the page.
        RECT rect{0, 0, 10, 10};
        EXPECT_EQ(E_UNEXPECTED, page->Show(SW_SHOW));
        EXPECT_EQ(E_UNEXPECTED, page->Move(&rect));
        EXPECT_EQ(S_FALSE, page->IsPageDirty());
        EXPECT_EQ(S_OK, page->Apply());   // nothing selected: nothing written
    }
}

TEST(DesignPages, LayoutTextsAndTabOrderFollowTheirTables) {
    for (const PageLayout& layout : layouts) {
        Designer designer(*layout.classId);
        designer.open();
        HWND pageWindow = ::GetParent(designer.box(layout.rows[0].name));
        ASSERT_EQ(designer.frame.get(), ::GetParent(pageWindow));
        EXPECT_TRUE(::GetWindowLongW(pageWindow, GWL_STYLE) & WS_CHILD);
        RECT client;
        ::GetClientRect(pageWindow, &client);
        EXPECT_EQ(designer.pageSize().cx, client.right);
        EXPECT_EQ(designer.pageSize().cy, client.bottom);
        for (const Row& row : layout.rows) {
            SCOPED_TRACE(std::string(row.name, row.name + ::lstrlenW(row.name)));
            HWND window = designer.box(row.name);
            ASSERT_TRUE(window);
            RECT rect;
            ::GetWindowRect(window, &rect);
            ::MapWindowPoints(nullptr, pageWindow, reinterpret_cast<POINT*>(&rect), 2);
            EXPECT_EQ(forms::toPixelsX(row.left), rect.left);
            EXPECT_EQ(forms::toPixelsY(row.top), rect.top);
            EXPECT_EQ(forms::toPixelsX(row.width), rect.right - rect.left);
            // A combo box takes the height of its font.
            if (row.name[0] != L'c' || row.name[1] != L'b') {
                EXPECT_EQ(forms::toPixelsY(row.height), rect.bottom - rect.top);
            }
            if (row.text) {
                EXPECT_EQ(row.text, windowText(window));
            } else if (row.name[0] == L't') {
                bool multiLine = std::find(layout.multiLine.begin(), layout.multiLine.end(), row.name) !=
                                 layout.multiLine.end();
                EXPECT_EQ(multiLine, (::GetWindowLongW(window, GWL_STYLE) & ES_MULTILINE) != 0);
                EXPECT_EQ(L"", windowText(window));
            }
        }
        // The style box: editable, its entries in the order of the style values.
        HWND styleBox = designer.box(layout.tabOrder[0]);
        EXPECT_EQ(static_cast<DWORD>(CBS_DROPDOWN), ::GetWindowLongW(styleBox, GWL_STYLE) & 3u);
        ASSERT_EQ(static_cast<LRESULT>(layout.styles.size()), ::SendMessageW(styleBox, CB_GETCOUNT, 0, 0));
        for (size_t n = 0; n < layout.styles.size(); ++n) {
            wchar_t entry[64] = {};
            ::SendMessageW(styleBox, CB_GETLBTEXT, n, reinterpret_cast<LPARAM>(entry));
            EXPECT_EQ(layout.styles[n], entry);
        }

        // Tab through the page as the designer hands it the keys; the last stop leaves
        // the key to the designer. The dialog manager's own order agrees.
        ::SetFocus(styleBox);
        std::vector<std::wstring> visited{controlName(styleBox)};
        for (;;) {
            HWND focus = ::GetFocus();
            MSG key{focus, WM_KEYDOWN, VK_TAB, 0};
            if (designer.page->TranslateAccelerator(&key) != S_OK) break;
            HWND now = ::GetFocus();
            if (::GetParent(now) != pageWindow) now = ::GetParent(now);   // the style box's edit part
            visited.push_back(controlName(now));
            ASSERT_LE(visited.size(), layout.tabOrder.size());
        }
        EXPECT_EQ(layout.tabOrder, visited);
        std::vector<std::wstring> dialogOrder;
        HWND item = styleBox;
        do {
            dialogOrder.push_back(controlName(item));
            item = ::GetNextDlgTabItem(pageWindow, item, FALSE);
        } while (item && item != styleBox && dialogOrder.size() <= layout.tabOrder.size());
        EXPECT_EQ(layout.tabOrder, dialogOrder);
        MSG letter{::GetFocus(), WM_KEYDOWN, 'A', 0};
        EXPECT_EQ(S_FALSE, designer.page->TranslateAccelerator(&letter));
    }
}

TEST(DesignPages, ShowMoveDeactivateAndActivateAgain) {
    RecordingControl control(aboutProperties);
    Designer designer(CLSID_ppageAboutBoxDesign);
    control.setText(L"ProductName", L"Nimbus");
    ASSERT_EQ(S_OK, designer.select({&control}));
    designer.open();
    HWND pageWindow = ::GetParent(designer.box(L"txtProductName"));
    EXPECT_TRUE(::IsWindowVisible(pageWindow));
    RECT rect{20, 30, 20 + 395, 30 + 233};
    ASSERT_EQ(S_OK, designer.page->Move(&rect));
    RECT now;
    ::GetWindowRect(pageWindow, &now);
    ::MapWindowPoints(nullptr, designer.frame.get(), reinterpret_cast<POINT*>(&now), 2);
    EXPECT_EQ(20, now.left);
    EXPECT_EQ(30, now.top);
    EXPECT_EQ(S_OK, designer.page->Show(SW_HIDE));
    EXPECT_FALSE(::IsWindowVisible(pageWindow));
    RECT again{0, 0, 395, 233};
    EXPECT_EQ(E_UNEXPECTED, designer.page->Activate(designer.frame.get(), &again, TRUE));

    EXPECT_EQ(S_OK, designer.page->Deactivate());
    EXPECT_FALSE(::IsWindow(pageWindow));
    control.log.clear();
    designer.open();
    EXPECT_EQ(L"Nimbus", designer.textOf(L"txtProductName"));   // read again from the control
    EXPECT_EQ(aboutProperties.size(), control.log.size());
}

// --- Loading --------------------------------------------------------------------

TEST(DesignPages, AboutPageLoadsTheFirstSelectedControlInOrder) {
    RecordingControl first(aboutProperties), second(aboutProperties);
    Designer designer(CLSID_ppageAboutBoxDesign);
    first.setText(L"ProductVersion", L"Version 2.5");
    first.setText(L"ProductName", L"Nimbus");
    first.setText(L"ProductDescription", L"Clouds.\r\nMore clouds.");
    first.setText(L"CopyrightWarning", L"Do not copy.");
    first.setText(L"Copyright", L"(c) Nimbus Ltd");
    first.setText(L"Mailto", L"help@nimbus.example");
    first.setText(L"WebsiteUrl", L"www.nimbus.example");
    first.setLong(L"AboutStyle", 1);
    designer.open();
    ASSERT_EQ(S_OK, designer.select({&first, &second}));

    std::vector<std::wstring> expected;
    for (const auto& name : aboutProperties) expected.push_back(L"get " + name);
    EXPECT_EQ(expected, first.log);
    EXPECT_TRUE(second.log.empty());
    EXPECT_EQ(L"Version 2.5", designer.textOf(L"txtProductVersion"));
    EXPECT_EQ(L"Nimbus", designer.textOf(L"txtProductName"));
    EXPECT_EQ(L"Clouds.\r\nMore clouds.", designer.textOf(L"txtProductDescription"));
    EXPECT_EQ(L"Do not copy.", designer.textOf(L"txtCopyrightWarning"));
    EXPECT_EQ(L"(c) Nimbus Ltd", designer.textOf(L"txtCopyright"));
    EXPECT_EQ(L"help@nimbus.example", designer.textOf(L"txtMailto"));
    EXPECT_EQ(L"www.nimbus.example", designer.textOf(L"txtWebsiteUrl"));
    EXPECT_EQ(1, designer.selected(L"cboAbout"));
    EXPECT_EQ(L"ovAbout2000", designer.textOf(L"cboAbout"));
    // Filling the boxes is a change: the designer may apply at once.
    EXPECT_EQ(S_OK, designer.page->IsPageDirty());
    ASSERT_FALSE(designer.site.statusChanges.empty());
    EXPECT_TRUE(designer.site.statusChanges.back() & PROPPAGESTATUS_DIRTY);

    // Apply writes the first control only, in the same order, the style as a number.
    ASSERT_EQ(S_OK, designer.page->Apply());
    EXPECT_EQ(S_FALSE, designer.page->IsPageDirty());
    EXPECT_EQ((std::vector<std::wstring>{L"ProductVersion=Version 2.5", L"ProductName=Nimbus",
                                         L"ProductDescription=Clouds.\r\nMore clouds.", L"CopyrightWarning=Do not copy.",
                                         L"Copyright=(c) Nimbus Ltd", L"Mailto=help@nimbus.example",
                                         L"WebsiteUrl=www.nimbus.example", L"AboutStyle=1 (number)"}),
              first.puts());
    EXPECT_TRUE(second.log.empty());
}

TEST(DesignPages, SplashPageLoadsBeforeActivationAndAppliesInItsOrder) {
    RecordingControl control(splashProperties);
    Designer designer(CLSID_ppageSplashScreenDesign);
    for (const auto& name : splashProperties) control.setText(name, (name + L" text").c_str());
    control.setLong(L"SplashStyle", 4);
    ASSERT_EQ(S_OK, designer.select({&control}));
    designer.open();
    std::vector<std::wstring> expected;
    for (const auto& name : splashProperties) expected.push_back(L"get " + name);
    EXPECT_EQ(expected, control.log);
    EXPECT_EQ(L"LicenseTo text", designer.textOf(L"txtLicenseTo"));
    EXPECT_EQ(L"Platform text", designer.textOf(L"txtPlatform"));
    EXPECT_EQ(4, designer.selected(L"cboSplash"));
    EXPECT_EQ(S_OK, designer.page->IsPageDirty());

    designer.type(L"txtCompanyName", L"Orbit Works");
    designer.pick(L"cboSplash", 2);
    ASSERT_EQ(S_OK, designer.page->Apply());
    EXPECT_EQ((std::vector<std::wstring>{L"Platform=Platform text", L"SplashStyle=2 (number)",
                                         L"CopyrightWarning=CopyrightWarning text",
                                         L"CopyrightOwner=CopyrightOwner text", L"Copyright=Copyright text",
                                         L"ProductVersion=ProductVersion text", L"ProductName=ProductName text",
                                         L"CompanyName=Orbit Works", L"LicenseTo=LicenseTo text"}),
              control.puts());
}

// --- Changes ----------------------------------------------------------------------

TEST(DesignPages, EveryBoxAndTheStyleBoxMarkThePageChanged) {
    for (const PageLayout& layout : layouts) {
        RecordingControl control(layout.classId == &CLSID_ppageAboutBoxDesign ? aboutProperties : splashProperties);
        Designer designer(*layout.classId);
        designer.open();
        ASSERT_EQ(S_OK, designer.select({&control}));
        for (const std::wstring& name : layout.tabOrder) {
            if (name == L"cmdClear") continue;
            SCOPED_TRACE(std::string(name.begin(), name.end()));
            ASSERT_EQ(S_OK, designer.page->Apply());
            ASSERT_EQ(S_FALSE, designer.page->IsPageDirty());
            size_t notices = designer.site.statusChanges.size();
            if (name.rfind(L"cbo", 0) == 0) {
                designer.pick(name, 1);
                EXPECT_EQ(S_OK, designer.page->IsPageDirty());
                ASSERT_EQ(S_OK, designer.page->Apply());
                designer.typeStyle(name, L"ov");
            } else {
                designer.type(name, L"edited");
            }
            EXPECT_EQ(S_OK, designer.page->IsPageDirty());
            ASSERT_GT(designer.site.statusChanges.size(), notices);
            EXPECT_EQ(static_cast<DWORD>(PROPPAGESTATUS_DIRTY), designer.site.statusChanges.back());
        }
    }
}

// Loading fills the text boxes, whose change events mark the page; selecting the loaded
// style is the page's own doing. A control with empty texts loads as no change.
TEST(DesignPages, LoadingAControlWithEmptyTextsIsNoChange) {
    for (const PageLayout& layout : layouts) {
        const bool about = layout.classId == &CLSID_ppageAboutBoxDesign;
        RecordingControl control(about ? aboutProperties : splashProperties);
        for (const auto& name : about ? aboutProperties : splashProperties) control.setText(name, L"");
        control.setLong(about ? L"AboutStyle" : L"SplashStyle", 1);
        Designer designer(*layout.classId);
        designer.open();
        ASSERT_EQ(S_OK, designer.select({&control}));
        EXPECT_EQ(1, designer.selected(about ? L"cboAbout" : L"cboSplash"));
        EXPECT_EQ(S_FALSE, designer.page->IsPageDirty());
        EXPECT_TRUE(designer.site.statusChanges.empty());
    }
}

TEST(DesignPages, TheStyleWrittenIsThePositionOfTheEntryInTheBox) {
    RecordingControl control(aboutProperties);
    Designer designer(CLSID_ppageAboutBoxDesign);
    designer.open();
    ASSERT_EQ(S_OK, designer.select({&control}));
    struct Case {
        const wchar_t* typed;
        long stored;
    };
    // An exact entry (in any case) is that entry; anything else, a prefix included, is none.
    for (const Case& item : {Case{L"ovAbout2000", 1}, Case{L"OVABOUTSTANDARD", 0}, Case{L"Fancy", -1},
                             Case{L"ovAbout", -1}, Case{L"", -1}}) {
        SCOPED_TRACE(std::string(item.typed, item.typed + ::lstrlenW(item.typed)));
        designer.typeStyle(L"cboAbout", item.typed);
        ASSERT_EQ(S_OK, designer.page->Apply());
        EXPECT_EQ(item.stored, V_I4(control.values[L"AboutStyle"].get()));
    }
    designer.pick(L"cboAbout", 1);
    EXPECT_EQ(L"ovAbout2000", designer.textOf(L"cboAbout"));
    ASSERT_EQ(S_OK, designer.page->Apply());
    EXPECT_EQ(1, V_I4(control.values[L"AboutStyle"].get()));
}

// --- Stored styles that are no entry ----------------------------------------------

TEST(DesignPages, StoredStylesOutsideTheListFailTheLoad) {
    struct Case {
        const CLSID* page;
        long style;
        long error;   // 0: loads
    };
    const Case cases[] = {
        {&CLSID_ppageAboutBoxDesign, -1, 0},     {&CLSID_ppageAboutBoxDesign, 2, 380},
        {&CLSID_ppageAboutBoxDesign, 40000, 6},  {&CLSID_ppageAboutBoxDesign, -2, 380},
        {&CLSID_ppageSplashScreenDesign, -1, 0}, {&CLSID_ppageSplashScreenDesign, 2, 0},
        {&CLSID_ppageSplashScreenDesign, 5, 380}, {&CLSID_ppageSplashScreenDesign, 40000, 6},
        {&CLSID_ppageSplashScreenDesign, -40000, 6},
    };
    for (const Case& item : cases) {
        const bool about = item.page == &CLSID_ppageAboutBoxDesign;
        const std::wstring style = about ? L"AboutStyle" : L"SplashStyle";
        SCOPED_TRACE(std::to_string(item.style) + (about ? " about" : " splash"));
        // The page shows an earlier control; the failed selection must not mix into it.
        RecordingControl earlier(about ? aboutProperties : splashProperties);
        earlier.setText(L"ProductName", L"Earlier");
        RecordingControl control(about ? aboutProperties : splashProperties);
        control.setText(L"ProductName", L"Later");
        control.setLong(style, item.style);
        Designer designer(*item.page);
        designer.open();
        ASSERT_EQ(S_OK, designer.select({&earlier}));
        ASSERT_EQ(S_OK, designer.page->Apply());

        HRESULT result = designer.select({&control});
        if (!item.error) {
            EXPECT_EQ(S_OK, result);
            EXPECT_EQ(item.style, designer.selected(about ? L"cboAbout" : L"cboSplash"));
            EXPECT_EQ(L"Later", designer.textOf(L"txtProductName"));
            ASSERT_EQ(S_OK, designer.page->Apply());
            EXPECT_EQ(item.style, V_I4(control.values[style].get()));
            continue;
        }
        EXPECT_TRUE(failedWith(result, item.error, item.error == 6 ? L"Overflow" : L"Invalid property value"));
        EXPECT_EQ(L"Earlier", designer.textOf(L"txtProductName"));
        // Nothing selected after the failure: nothing is written anywhere.
        EXPECT_EQ(S_FALSE, designer.page->IsPageDirty());
        EXPECT_EQ(S_OK, designer.page->Apply());
        EXPECT_TRUE(control.puts().empty());
        EXPECT_EQ((about ? aboutProperties : splashProperties).size(), earlier.puts().size());

        // Before activation the failure comes from SetObjects just the same.
        Designer fresh(*item.page);
        EXPECT_TRUE(failedWith(fresh.select({&control}), item.error, nullptr));
        fresh.open();
        EXPECT_EQ(L"", fresh.textOf(L"txtProductName"));
    }
}

// --- Clear ------------------------------------------------------------------------

TEST(DesignPages, ClearEmptiesTheControlsTextsButNotThePage) {
    for (const PageLayout& layout : layouts) {
        const bool about = layout.classId == &CLSID_ppageAboutBoxDesign;
        const auto& properties = about ? aboutProperties : splashProperties;
        RecordingControl control(properties), other(properties);
        Designer designer(*layout.classId);
        for (const auto& name : properties) control.setText(name, L"kept");
        control.setLong(about ? L"AboutStyle" : L"SplashStyle", 1);
        designer.open();
        ASSERT_EQ(S_OK, designer.select({&control, &other}));
        ASSERT_EQ(S_OK, designer.page->Apply());
        control.log.clear();
        size_t notices = designer.site.statusChanges.size();

        designer.click(L"cmdClear");
        std::vector<std::wstring> expected;
        for (const auto& name : properties) {
            if (name != L"AboutStyle" && name != L"SplashStyle") expected.push_back(name + L"=");
        }
        EXPECT_EQ(expected, control.puts());
        EXPECT_EQ(1, V_I4(control.values[about ? L"AboutStyle" : L"SplashStyle"].get()));
        EXPECT_TRUE(other.log.empty());
        EXPECT_EQ(L"kept", designer.textOf(L"txtProductName"));
        EXPECT_EQ(1, designer.selected(about ? L"cboAbout" : L"cboSplash"));
        EXPECT_EQ(S_FALSE, designer.page->IsPageDirty());
        EXPECT_EQ(notices, designer.site.statusChanges.size());

        // A later apply writes the boxes back over the cleared texts.
        ASSERT_EQ(S_OK, designer.page->Apply());
        EXPECT_EQ(L"kept", control.textOf(L"ProductName"));
    }
}

// --- Failures of the control --------------------------------------------------------

TEST(DesignPages, AWriteTheControlRefusesFailsApplyWithItsError) {
    RecordingControl control(aboutProperties);
    Designer designer(CLSID_ppageAboutBoxDesign);
    control.failingPut = L"Copyright";
    designer.open();
    ASSERT_EQ(S_OK, designer.select({&control}));
    designer.type(L"txtMailto", L"new@example.org");
    EXPECT_TRUE(raisedEarly(designer.page->Apply(), 5, L"Refused by the control", L"Recording.Control"));
    // Written up to the refusal; the changes stay pending for another try.
    EXPECT_EQ(5u, control.puts().size());
    EXPECT_EQ(S_OK, designer.page->IsPageDirty());
    ComPtr<ISupportErrorInfo> support = designer.page.query<ISupportErrorInfo>();
    ASSERT_TRUE(support);
    EXPECT_EQ(S_OK, support->InterfaceSupportsErrorInfo(IID_IPropertyPage));
}

TEST(DesignPages, EditPropertyFocusesTheBoxOfThatProperty) {
    RecordingControl control(splashProperties);
    Designer designer(CLSID_ppageSplashScreenDesign);
    designer.open();
    ASSERT_EQ(S_OK, designer.select({&control}));
    DISPID member = 0;
    LPOLESTR name = const_cast<LPOLESTR>(L"CopyrightOwner");
    ASSERT_EQ(S_OK, control.GetIDsOfNames(IID_NULL, &name, 1, 0, &member));
    EXPECT_EQ(S_OK, designer.page->EditProperty(member));
    EXPECT_EQ(designer.box(L"txtCopyrightOwner"), ::GetFocus());
    EXPECT_EQ(E_INVALIDARG, designer.page->EditProperty(4242));
}

// --- The pages in the platform's property frame, saved as pictures ----------------

struct FrameVisit {
    DWORD thread = 0;
    std::wstring pageName;
    std::wstring pictureName;
    std::wstring picture;
    std::wstring tabCaption;
    bool pageShown = false;
    bool saved = false;
};

BOOL CALLBACK matchFrame(HWND window, LPARAM data) {
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (::lstrcmpW(className, L"#32770") != 0 || !::IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
}

HWND findFrame(DWORD thread) {
    HWND found = nullptr;
    ::EnumThreadWindows(thread, matchFrame, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Runs beside the frame's modal loop: waits for the page, saves the picture, closes.
DWORD WINAPI visitFrame(void* data) {
    auto* visit = static_cast<FrameVisit*>(data);
    HWND frame = nullptr;
    HWND page = nullptr;
    for (int attempt = 0; attempt < 1000 && !page; ++attempt) {
        if (!frame) frame = findFrame(visit->thread);
        if (frame) page = findNamed(frame, visit->pageName);
        if (!page) ::Sleep(20);
    }
    if (frame && page) {
        visit->pageShown = ::IsWindowVisible(page) != FALSE;
        if (HWND tabs = ::FindWindowExW(frame, nullptr, L"SysTabControl32", nullptr)) {
            wchar_t caption[64] = {};
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption;
            item.cchTextMax = 64;
            ::SendMessageW(tabs, TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            visit->tabCaption = caption;
        }
        ::RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        visit->picture = branding::test::saveScreenshot(frame, visit->pictureName);
        visit->saved = true;
    }
    if (frame) ::PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    return 0;
}

TEST(DesignPages, ShownInThePlatformsPropertyFrame) {
    struct Shot {
        const CLSID* page;
        const CLSID* control;
        const wchar_t* name;
        const wchar_t* selected;   // the designer's name of the control
    };
    const Shot shots[] = {
        {&CLSID_ppageAboutBoxDesign, &CLSID_OVAboutBox, L"ppageAboutBoxDesign", L"OVAboutBox1"},
        {&CLSID_ppageSplashScreenDesign, &CLSID_OVSplashScreen, L"ppageSplashScreenDesign", L"OVSplashScreen1"},
    };
    for (const Shot& shot : shots) {
        PlacedControl control(*shot.control);
        ComPtr<IClassFactory> factory;
        ASSERT_EQ(S_OK, getClassObject(*shot.page, IID_IClassFactory, factory.putVoid()));
        DWORD cookie = 0;
        ASSERT_EQ(S_OK, ::CoRegisterClassObject(*shot.page, factory.get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                                &cookie));
        FrameVisit visit;
        visit.thread = ::GetCurrentThreadId();
        visit.pageName = shot.name;
        visit.pictureName = shot.name;
        UniqueKernelHandle visitor(::CreateThread(nullptr, 0, visitFrame, &visit, 0, nullptr));
        IUnknown* objects[] = {control.object.get()};
        CLSID pages[] = {*shot.page};
        HRESULT result = ::OleCreatePropertyFrame(nullptr, 40, 40, shot.selected, 1, objects, 1, pages,
                                                  LOCALE_USER_DEFAULT, 0, nullptr);
        ::WaitForSingleObject(visitor.get(), INFINITE);
        ::CoRevokeClassObject(cookie);
        EXPECT_EQ(S_OK, result);
        EXPECT_TRUE(visit.pageShown);
        EXPECT_EQ(L"Design", visit.tabCaption);
        EXPECT_TRUE(visit.saved);
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(visit.picture.c_str()));
    }
}

// --- With the real controls ----------------------------------------------------------

// Each control's own page first; then the standard colour and picture pages, in the
// order of each control: colour before picture for the About box, picture before colour
// for the splash screen.
TEST(DesignPagesWithTheControls, TheControlsListTheirDesignPageThenTheStandardPagesInTheirOrder) {
    struct Case {
        const CLSID* control;
        CLSID pages[3];
    };
    const Case cases[] = {
        {&CLSID_OVAboutBox, {CLSID_ppageAboutBoxDesign, CLSID_StockColorPage, CLSID_StockPicturePage}},
        {&CLSID_OVSplashScreen, {CLSID_ppageSplashScreenDesign, CLSID_StockPicturePage, CLSID_StockColorPage}},
    };
    for (const Case& c : cases) {
        PlacedControl placed(*c.control);
        ComPtr<ISpecifyPropertyPages> specify = placed.object.query<ISpecifyPropertyPages>();
        ASSERT_TRUE(specify);
        CAUUID pages{};
        ASSERT_EQ(S_OK, specify->GetPages(&pages));
        ASSERT_EQ(3u, pages.cElems);
        for (ULONG page = 0; page < 3; ++page) EXPECT_EQ(c.pages[page], pages.pElems[page]) << page;
        ::CoTaskMemFree(pages.pElems);
    }
}

TEST(DesignPagesWithTheControls, SplashApplyAndClearGoThroughTheSettersAndEmptyTheImages) {
    PlacedControl control(CLSID_OVSplashScreen);
    ComPtr<IPicture> icon = iconPicture();
    control.putObject(L"CompanyNameImage", icon.get());
    control.putObject(L"ProductNameImage", icon.get());
    Designer designer(CLSID_ppageSplashScreenDesign);
    designer.open();
    IUnknown* selected = control.object.get();
    ASSERT_EQ(S_OK, designer.select({selected}));
    // The image setters emptied the texts, and the page shows them so.
    EXPECT_EQ(L"", designer.textOf(L"txtCompanyName"));
    EXPECT_EQ(L"", designer.textOf(L"txtProductName"));
    EXPECT_EQ(L"Valued Customer", designer.textOf(L"txtLicenseTo"));
    EXPECT_EQ(0, designer.selected(L"cboSplash"));

    designer.type(L"txtLicenseTo", L"Ada Lovelace");
    designer.pick(L"cboSplash", 3);
    control.site->clearChanges();
    ASSERT_EQ(S_OK, designer.page->Apply());
    // Every write is one setter call with its one notification, in the page's order.
    std::vector<DISPID> expected;
    for (const auto& name : splashProperties) expected.push_back(control.member(name.c_str()));
    EXPECT_EQ(expected, control.site->changes());
    EXPECT_EQ(L"Ada Lovelace", control.text(L"LicenseTo"));
    EXPECT_EQ(3, V_I4(control.get(L"SplashStyle").get()));
    // Applying the (empty) texts replaced both images by empty pictures.
    EXPECT_EQ(PICTYPE_NONE, control.pictureType(L"CompanyNameImage"));
    EXPECT_EQ(PICTYPE_NONE, control.pictureType(L"ProductNameImage"));

    // An image set after the apply survives until Clear, which empties the texts (and so
    // the images) of the control but leaves the page as it was.
    control.putObject(L"CompanyNameImage", icon.get());
    EXPECT_EQ(PICTYPE_ICON, control.pictureType(L"CompanyNameImage"));
    designer.click(L"cmdClear");
    for (const auto& name : splashProperties) {
        if (name == L"SplashStyle") continue;
        EXPECT_EQ(L"", control.text(name.c_str())) << std::string(name.begin(), name.end());
    }
    EXPECT_EQ(3, V_I4(control.get(L"SplashStyle").get()));
    EXPECT_EQ(PICTYPE_NONE, control.pictureType(L"CompanyNameImage"));
    EXPECT_EQ(L"Ada Lovelace", designer.textOf(L"txtLicenseTo"));
    EXPECT_EQ(S_FALSE, designer.page->IsPageDirty());
}

TEST(DesignPagesWithTheControls, AboutPageChangesOnlyTheFirstOfTwoControls) {
    PlacedControl first(CLSID_OVAboutBox), second(CLSID_OVAboutBox);
    Designer designer(CLSID_ppageAboutBoxDesign);
    designer.open();
    ASSERT_EQ(S_OK, designer.select({first.object.get(), second.object.get()}));
    EXPECT_EQ(L"OrvaneAboutBox", designer.textOf(L"txtProductName"));
    EXPECT_EQ(L"Version 1.22", designer.textOf(L"txtProductVersion"));
    designer.type(L"txtProductName", L"Nimbus");
    designer.typeStyle(L"cboAbout", L"Fancy");
    ASSERT_EQ(S_OK, designer.page->Apply());
    EXPECT_EQ(L"Nimbus", first.text(L"ProductName"));
    EXPECT_EQ(-1, V_I4(first.get(L"AboutStyle").get()));
    EXPECT_EQ(L"OrvaneAboutBox", second.text(L"ProductName"));
    EXPECT_EQ(0, V_I4(second.get(L"AboutStyle").get()));

    // Styles stored before loading that name no entry fail the load with the runtime's errors.
    VARIANT two = vLong(2), large = vLong(40000);
    ASSERT_EQ(S_OK, propertyPut(second.object.get(), second.member(L"AboutStyle"), two).result);
    EXPECT_TRUE(raisedEarly(designer.select({second.object.get()}), 380, L"Invalid property value"));
    ASSERT_EQ(S_OK, propertyPut(second.object.get(), second.member(L"AboutStyle"), large).result);
    EXPECT_TRUE(raisedEarly(designer.select({second.object.get()}), 6, L"Overflow"));
}

}  // namespace
}  // namespace orvane::test
