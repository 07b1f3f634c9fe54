// Every member of every creatable class, called by dispatch identifier with many
// random argument lists (wrong counts, every VARIANT type, by value and by reference,
// named arguments), and through the dual vtable with null pointers: no crash, no
// leaked object, and only the errors each member can raise or the standard dispatch
// failures.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "frame/host/TestContainer.h"
#include "TestSupport.h"
#include "frame/server/Catalogue.h"
#include "frame/host/ControlSite.h"
#include "frame/base/Module.h"
#include "frame/base/Platform.h"

namespace orvane {
namespace {

const char sandboxKey[] = "Software\\OrvaneRobustness";

bool insideSandbox(HKEY root, LPCSTR subKey) {
    return root == HKEY_CURRENT_USER && subKey && _strnicmp(subKey, sandboxKey, sizeof(sandboxKey) - 1) == 0;
}

// Nothing a random call does may reach the session, the display, the shell's windows
// or the registry outside the sandbox key.
struct Sandbox {
    std::set<HKEY> writable;
    platform::Entry<BOOL(UINT, DWORD)>::FakeScope exitWindows = platform::user32::ExitWindowsEx.fake(
        [](UINT, DWORD) { return FALSE; });
    platform::Entry<BOOL(BOOL, BOOL)>::FakeScope powerState = platform::kernel32::SetSystemPowerState.fake(
        [](BOOL, BOOL) { return FALSE; });
    platform::Entry<BOOL(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD)>::FakeScope privileges =
        platform::advapi32::AdjustTokenPrivileges.fake(
            [](HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD) { return FALSE; });
    platform::Entry<LONG(DEVMODEA*, DWORD)>::FakeScope display = platform::user32::ChangeDisplaySettingsA.fake(
        [](DEVMODEA*, DWORD) { return LONG(DISP_CHANGE_FAILED); });
    platform::Entry<LRESULT(HWND, UINT, WPARAM, LPARAM)>::FakeScope message = platform::user32::SendMessageA.fake(
        [](HWND, UINT, WPARAM, LPARAM) { return LRESULT(0); });
    platform::Entry<HINSTANCE(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT)>::FakeScope shell =
        platform::shell32::ShellExecuteA.fake(
            [](HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT) { return reinterpret_cast<HINSTANCE>(2); });
    platform::Entry<LPITEMIDLIST(LPBROWSEINFOA)>::FakeScope browse = platform::shell32::SHBrowseForFolderA.fake(
        [](LPBROWSEINFOA) { return LPITEMIDLIST(nullptr); });
    platform::Entry<BOOL(HWND, LPCSTR, UINT, ULONG_PTR)>::FakeScope winHelp = platform::user32::WinHelpA.fake(
        [](HWND, LPCSTR, UINT, ULONG_PTR) { return FALSE; });
    platform::Entry<HWND(HWND, LPCSTR, UINT, DWORD_PTR)>::FakeScope htmlHelp = platform::hhctrl::HtmlHelpA.fake(
        [](HWND, LPCSTR, UINT, DWORD_PTR) { return HWND(nullptr); });
    platform::Entry<BOOL(LPCSTR)>::FakeScope directory = platform::kernel32::SetCurrentDirectoryA.fake(
        [](LPCSTR) { return FALSE; });
    platform::Entry<LONG(HKEY, LPCSTR, PHKEY)>::FakeScope createKey = platform::advapi32::RegCreateKeyA.fake(
        [this](HKEY root, LPCSTR subKey, PHKEY result) {
            if (!insideSandbox(root, subKey)) {
                if (result) *result = nullptr;
                return LONG(ERROR_ACCESS_DENIED);
            }
            LONG status = ::RegCreateKeyA(root, subKey, result);
            if (status == ERROR_SUCCESS && result) writable.insert(*result);
            return status;
        });
    platform::Entry<LONG(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD)>::FakeScope setValue =
        platform::advapi32::RegSetValueExA.fake([this](HKEY key, LPCSTR name, DWORD reserved, DWORD type,
                                                       const BYTE* data, DWORD size) {
            if (!writable.count(key)) return LONG(ERROR_ACCESS_DENIED);
            return ::RegSetValueExA(key, name, reserved, type, data, size);
        });
    platform::Entry<LONG(HKEY)>::FakeScope closeKey = platform::advapi32::RegCloseKey.fake([this](HKEY key) {
        writable.erase(key);
        return ::RegCloseKey(key);
    });
    platform::Entry<LONG(HKEY, LPCSTR)>::FakeScope deleteKey = platform::advapi32::RegDeleteKeyA.fake(
        [](HKEY root, LPCSTR subKey) {
            return insideSandbox(root, subKey) ? ::RegDeleteKeyA(root, subKey) : LONG(ERROR_ACCESS_DENIED);
        });
    platform::Entry<LONG(HKEY, LPCSTR)>::FakeScope deleteValue = platform::advapi32::RegDeleteValueA.fake(
        [this](HKEY key, LPCSTR name) {
            return writable.count(key) ? ::RegDeleteValueA(key, name) : LONG(ERROR_ACCESS_DENIED);
        });
    ~Sandbox() { ::RegDeleteTreeA(HKEY_CURRENT_USER, sandboxKey); }
};

class ArgumentPool {
public:
    explicit ArgumentPool(std::mt19937& random) : random_(random) {
        const wchar_t* samples[] = {L"", L"0", L"1", L"1101", L"-5", L"7.5", L"FF", L"777", L"C:\\", L"C:\\windows",
                                    L"Software\\OrvaneRobustness\\a", L"Software\\OrvaneRobustness", L"Software",
                                    L"kernel32.dll", L"abc", L"2147483648", L"1E308", L"\x263A"};
        for (const wchar_t* sample : samples) texts_.emplace_back(sample);
        texts_.emplace_back(std::wstring(40000, L'1').c_str());
        texts_.emplace_back(std::wstring(300, L'F').c_str());
        std::wstring withNul(L"a\0b", 3);
        texts_.emplace_back(withNul.data(), static_cast<UINT>(withNul.size()));
    }

    // A VARIANT the caller owns (VariantClear it); by-reference ones point into `storage`.
    void make(VARIANT* out, std::vector<std::unique_ptr<test::Variable>>& storage, IDispatch* someObject) {
        ::VariantInit(out);
        switch (pick(16)) {
        case 0: break;
        case 1: V_VT(out) = VT_NULL; break;
        case 2: V_VT(out) = VT_I2; V_I2(out) = pickOf<SHORT>({0, 1, -1, 2, 5, 15, 100, 32767, -32768, 32766}); break;
        case 3:
            V_VT(out) = VT_I4;
            V_I4(out) = pickOf<LONG>({0, 1, -1, 3, 4, 36, 38, 2305, 100000, 0x7FFFFFFF, -2147483647 - 1,
                                      LONG(0x80000001), LONG(0x80000002), 1200});
            break;
        case 4:
            V_VT(out) = VT_R8;
            V_R8(out) = pickOf<double>({0.0, 0.5, -0.5, 1.0, -1.0, 2.5, 1e308, -1e308, 710.0,
                                        std::numeric_limits<double>::infinity(),
                                        std::numeric_limits<double>::quiet_NaN(), 1e-300});
            break;
        case 5: case 6:
            V_VT(out) = VT_BSTR;
            V_BSTR(out) = Bstr(texts_[pick(texts_.size())]).detach();
            break;
        case 7: V_VT(out) = VT_BOOL; V_BOOL(out) = pick(2) ? VARIANT_TRUE : VARIANT_FALSE; break;
        case 8: V_VT(out) = VT_CY; V_CY(out).int64 = pickOf<LONGLONG>({0, 10000, -10000, 0x7FFFFFFFFFFFFFFFLL}); break;
        case 9: V_VT(out) = VT_DATE; V_DATE(out) = 45000.5; break;
        case 10: V_VT(out) = VT_ERROR; V_ERROR(out) = pick(2) ? DISP_E_PARAMNOTFOUND : E_FAIL; break;
        case 11:
            V_VT(out) = VT_DISPATCH;
            V_DISPATCH(out) = pick(3) ? someObject : nullptr;
            if (V_DISPATCH(out)) V_DISPATCH(out)->AddRef();
            break;
        case 12: V_VT(out) = VT_UI1; V_UI1(out) = 255; break;
        case 13: {
            SAFEARRAY* array = ::SafeArrayCreateVector(VT_VARIANT, 0, 2);
            V_VT(out) = VT_ARRAY | VT_VARIANT;
            V_ARRAY(out) = array;
            break;
        }
        default: {
            // A variable passed by reference, as scripts and typed clients do.
            auto variable = std::make_unique<test::Variable>();
            make(&variable->value, storage, someObject);
            if (V_VT(&variable->value) == VT_BSTR && pick(2)) {
                V_VT(out) = VT_BYREF | VT_BSTR;
                V_BSTRREF(out) = &V_BSTR(&variable->value);
            } else if (V_VT(&variable->value) == VT_I4 && pick(2)) {
                V_VT(out) = VT_BYREF | VT_I4;
                V_I4REF(out) = &V_I4(&variable->value);
            } else {
                V_VT(out) = VT_BYREF | VT_VARIANT;
                V_VARIANTREF(out) = &variable->value;
            }
            storage.push_back(std::move(variable));
            break;
        }
        }
    }

    // An argument of the parameter's own type, so that the call reaches the member.
    void shaped(VARTYPE type, VARIANT* out, IDispatch* someObject) {
        ::VariantInit(out);
        switch (type) {
        case VT_BSTR:
            V_VT(out) = VT_BSTR;
            V_BSTR(out) = Bstr(texts_[pick(texts_.size())]).detach();
            break;
        case VT_BOOL: V_VT(out) = VT_BOOL; V_BOOL(out) = pick(2) ? VARIANT_TRUE : VARIANT_FALSE; break;
        case VT_DISPATCH: case VT_UNKNOWN:
            V_VT(out) = VT_DISPATCH;
            V_DISPATCH(out) = someObject;
            someObject->AddRef();
            break;
        case VT_VARIANT:
            if (pick(2)) {
                V_VT(out) = VT_BSTR;
                V_BSTR(out) = Bstr(texts_[pick(texts_.size())]).detach();
                break;
            }
            [[fallthrough]];
        default:  // numbers and enumerations
            V_VT(out) = VT_I4;
            V_I4(out) = pickOf<LONG>({0, 1, 2, 3, 4, 5, 10, 100});
            break;
        }
    }

    size_t pick(size_t count) { return std::uniform_int_distribution<size_t>(0, count - 1)(random_); }
    template <class T>
    T pickOf(std::initializer_list<T> values) { return *(values.begin() + pick(values.size())); }

private:
    std::mt19937& random_;
    std::vector<Bstr> texts_;
};

// The errors the members of each class can raise, beyond 13 (type mismatch) and 438
// (an object without a default value where a value is needed), which any member with
// parameters raises for an argument that does not convert. A row names
// one member or, without a name, every member of the class. A class missing here fails
// the test: list what its members raise when it becomes creatable.
struct Raises {
    const wchar_t* member;  // nullptr: every member
    std::set<long> numbers;
};
const std::map<std::wstring, std::vector<Raises>>& errorsByClass() {
    static const std::map<std::wstring, std::vector<Raises>> table = {
        // Invalid digits (99), the 32-bit and Currency limits and 16-bit lengths (6);
        // a negative identifier length (5).
        {L"OVNumbers", {{nullptr, {6, 99}}, {L"GenerateRandomID", {5}}}},
        // Domain (5), range (6), division by zero (11) and Null arguments (94).
        {L"OVMath", {{nullptr, {5, 6, 11, 94}}}},
        {L"OVStack", {{L"Pop", {9}}, {L"Peek", {9}}}},
        {L"OVLinkedList", {{nullptr, {9}}, {L"SetSize", {5}}}},
        // Byte counts beyond Currency (6); a volume text that fills its whole buffer (5).
        {L"OVDiskInfo", {{nullptr, {5, 6}}}},
        {L"OVWinVersion", {}},
        {L"OVWindows", {{nullptr, {5}}}},
        {L"OVMemory", {}},
        // The power library exists on this platform: no binding error is expected.
        {L"OVPower", {}},
        {L"OVLocaleSettings", {}},
        {L"OVScreenModes", {{nullptr, {6}}}},
        {L"OVSpecialFolders", {{nullptr, {5}}}},
        {L"OVFileVersion", {{nullptr, {5, 9}}}},
        {L"OVExtractIcon", {{nullptr, {6}}}},
        // Empty binary data (9), numbers beyond 32 bits or 32,767 characters (6), a bad
        // root key (5); an unknown view or type (5), Null where a number is written (94).
        {L"OVRegistry", {{nullptr, {5, 6, 9}}, {L"WriteValueEx", {94}}}},
        {L"OVHyperLink", {}},
        // Nothing the branding controls do raises: the forms take any text, colour or picture.
        {L"OVSplashScreen", {}},
        {L"OVAboutBox", {}},
        {L"OVHelp", {}},
        // The fallback root lookup is bound by the name shell32 exports, so the
        // missing-entry-point error (453) stays possible only on a shell without it.
        {L"OVFolderSelect", {{nullptr, {453}}}},
        {L"OVSplashScreen", {}},
        {L"OVAboutBox", {}},
        // The design pages publish no members of their own.
        {L"ppageAboutBoxDesign", {}},
        {L"ppageSplashScreenDesign", {}},
        {L"OVRegistryKey", {}},
        {L"OVRegistryValue", {}},
        {L"OVFolderSelectValue", {}},
        // Unknown key (5), position out of range (9), duplicate key (457); an index of
        // Null is neither position nor key (94, as the runtime's collection).
        {L"OVRegistryKeys", {{nullptr, {5, 9}}, {L"Add", {457}}, {L"Item", {94}}, {L"Remove", {94}}}},
        {L"OVRegistryValues", {{nullptr, {5, 9}}, {L"Add", {457}}, {L"Item", {94}}, {L"Remove", {94}}}},
        {L"OVFolderSelectValues", {{nullptr, {5, 9}}, {L"Add", {457}}, {L"Item", {94}}, {L"Remove", {94}}}},
    };
    return table;
}

bool canRaise(const std::vector<Raises>& rows, const std::wstring& member, long number) {
    if (number == 13 || number == 438) return true;
    for (const Raises& row : rows) {
        if ((!row.member || member == row.member) && row.numbers.count(number)) return true;
    }
    return false;
}

bool acceptable(const std::vector<Raises>& rows, const std::wstring& member, HRESULT result,
                const EXCEPINFO& exception, std::string& why) {
    switch (result) {
    case S_OK: case DISP_E_MEMBERNOTFOUND: case DISP_E_BADPARAMCOUNT: case DISP_E_PARAMNOTOPTIONAL:
    case DISP_E_TYPEMISMATCH: case DISP_E_OVERFLOW: case DISP_E_PARAMNOTFOUND: case E_INVALIDARG:
        return true;
    case DISP_E_EXCEPTION: {
        unsigned long code = static_cast<unsigned long>(exception.scode);
        if ((code & 0xFFFF0000u) == 0x800A0000u && canRaise(rows, member, static_cast<long>(code & 0xFFFF)) &&
            exception.bstrDescription && *exception.bstrDescription && exception.bstrSource) {
            return true;
        }
        why = "error " + std::to_string(code & 0xFFFF) + " (scode " + std::to_string(code) + ")";
        return false;
    }
    default:
        // Without EXCEPINFO the member's own result comes back.
        if ((static_cast<unsigned long>(result) & 0xFFFF0000u) == 0x800A0000u &&
            canRaise(rows, member, static_cast<long>(result & 0xFFFF))) {
            return true;
        }
        why = "HRESULT " + std::to_string(static_cast<unsigned long>(result));
        return false;
    }
}

struct MemberShape {
    MEMBERID id;
    INVOKEKIND kind;
    SHORT parameters;
    std::wstring name;
    std::vector<VARTYPE> types;  // of the parameters, by reference or not
};

std::vector<MemberShape> membersOf(IDispatch* object) {
    std::vector<MemberShape> shapes;
    ComPtr<ITypeInfo> info;
    if (FAILED(object->GetTypeInfo(0, 0, info.put()))) return shapes;
    TYPEATTR* attributes = nullptr;
    info->GetTypeAttr(&attributes);
    for (UINT index = 0; index < attributes->cFuncs; ++index) {
        FUNCDESC* function = nullptr;
        if (FAILED(info->GetFuncDesc(index, &function))) continue;
        BSTR name = nullptr;
        info->GetDocumentation(function->memid, &name, nullptr, nullptr, nullptr);
        // Methods of IDispatch and IUnknown are not the class's members.
        if (function->memid < 0x60000000 || function->memid >= 0x60030000 || function->memid <= 0) {
            std::vector<VARTYPE> types;
            for (SHORT p = 0; p < function->cParams; ++p) {
                const TYPEDESC* type = &function->lprgelemdescParam[p].tdesc;
                if (type->vt == VT_PTR) type = type->lptdesc;
                types.push_back(type->vt);
            }
            shapes.push_back({function->memid, function->invkind, function->cParams, name ? name : L"", types});
        }
        ::SysFreeString(name);
        info->ReleaseFuncDesc(function);
    }
    info->ReleaseTypeAttr(attributes);
    return shapes;
}

TEST(Robustness, RandomLateBoundCallsOnEveryClass) {
    Sandbox sandbox;
    const unsigned seed = 20261207;
    std::mt19937 random(seed);
    ArgumentPool pool(random);
    long objectsBefore = module::liveObjects();
    int calls = 0, classes = 0, creatable = 0;
    const WORD flagChoices[] = {DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                                DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF, 0};
    for (const ClassEntry& entry : catalogue()) {
        if (!entry.create) continue;
        ++creatable;
        SCOPED_TRACE(entry.name);
        auto known = errorsByClass().find(entry.name);
        if (known == errorsByClass().end()) {
            ADD_FAILURE() << "no list of the errors its members raise";
            continue;
        }
        ++classes;
        ComPtr<IDispatch> object;
        ASSERT_EQ(S_OK, entry.create(IID_IDispatch, object.putVoid()));
        ComPtr<IDispatch> witness;
        ASSERT_EQ(S_OK, entry.create(IID_IDispatch, witness.putVoid()));
        std::vector<MemberShape> members = membersOf(object.get());
        // The design pages publish no members: only the unknown one is called on them.
        if (entry.kind != ClassKind::PropertyPage) {
            ASSERT_FALSE(members.empty());
        }
        // Every member must be reached: a dispatcher that turned every call away would
        // otherwise pass. A member counts as reached when a call completed or the member
        // itself raised.
        std::map<std::wstring, int> reached;
        for (const MemberShape& member : members) reached[member.name] += 0;
        members.push_back({0x6003FFFF, INVOKE_FUNC, 0, L"(no such member)"});
        for (const MemberShape& member : members) {
            for (int round = 0; round < 60; ++round) {
                std::vector<std::unique_ptr<test::Variable>> storage;
                // The last rounds pass one argument of its declared type per parameter,
                // in the way the member is declared.
                bool wellFormed = round >= 40;
                size_t count = wellFormed ? member.types.size() : pool.pick(static_cast<size_t>(member.parameters) + 3);
                std::vector<VARIANT> arguments(count);
                for (size_t a = 0; a < count; ++a) {
                    // IDispatch takes the arguments last first.
                    if (wellFormed) pool.shaped(member.types[count - 1 - a], &arguments[a], witness.get());
                    else pool.make(&arguments[a], storage, witness.get());
                }
                std::vector<DISPID> names;
                WORD flags = round < 10 ? WORD(DISPATCH_METHOD | DISPATCH_PROPERTYGET) : flagChoices[pool.pick(6)];
                if (wellFormed) {
                    flags = member.kind == INVOKE_PROPERTYPUT      ? WORD(DISPATCH_PROPERTYPUT)
                            : member.kind == INVOKE_PROPERTYPUTREF ? WORD(DISPATCH_PROPERTYPUTREF)
                                                                   : WORD(DISPATCH_METHOD | DISPATCH_PROPERTYGET);
                }
                if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
                    if (count > 0) names.push_back(DISPID_PROPERTYPUT);
                } else if (count > 0 && !wellFormed && pool.pick(4) == 0) {
                    for (size_t n = 0; n < pool.pick(count) + 1; ++n) names.push_back(static_cast<DISPID>(pool.pick(6)) - 1);
                }
                DISPPARAMS params{count ? arguments.data() : nullptr, names.empty() ? nullptr : names.data(),
                                  static_cast<UINT>(count), static_cast<UINT>(names.size())};
                VARIANT result;
                ::VariantInit(&result);
                EXCEPINFO exception{};
                UINT argumentError = 0;
                bool withResult = pool.pick(4) != 0;
                HRESULT outcome = object->Invoke(member.id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                                 withResult ? &result : nullptr, pool.pick(5) ? &exception : nullptr,
                                                 pool.pick(2) ? &argumentError : nullptr);
                ++calls;
                if (outcome == S_OK || (outcome == DISP_E_EXCEPTION && exception.scode != static_cast<SCODE>(0x800A000D))) {
                    ++reached[member.name];
                }
                std::string why;
                EXPECT_TRUE(acceptable(known->second, member.name, outcome, exception, why))
                    << "member " << std::string(member.name.begin(), member.name.end()) << " flags " << flags
                    << " arguments " << count << ": " << why;
                ::VariantClear(&result);
                ::SysFreeString(exception.bstrDescription);
                ::SysFreeString(exception.bstrSource);
                ::SysFreeString(exception.bstrHelpFile);
                for (VARIANT& argument : arguments) ::VariantClear(&argument);
            }
        }
        EXPECT_EQ(0, reached[L"(no such member)"]);
        reached.erase(L"(no such member)");
        for (const auto& [name, count] : reached) {
            EXPECT_GT(count, 0) << "member " << std::string(name.begin(), name.end()) << " never ran";
        }
    }
    EXPECT_EQ(28, creatable) << "every class of the library";
    EXPECT_EQ(creatable, classes);
    EXPECT_GT(calls, 1000);
    EXPECT_EQ(objectsBefore, module::liveObjects());
}

// Early-bound callers can pass null for any pointer: the call fails with E_POINTER
// (or treats an optional argument as omitted), it never crashes.
TEST(Robustness, NullPointersThroughTheDualVtable) {
    Sandbox sandbox;
    long objectsBefore = module::liveObjects();
    int classes = 0;
    for (const ClassEntry& entry : catalogue()) {
        if (!entry.create) continue;
        ++classes;
        SCOPED_TRACE(entry.name);
        int calls = 0;
        ComPtr<IDispatch> object;
        ASSERT_EQ(S_OK, entry.create(IID_IDispatch, object.putVoid()));
        ComPtr<ITypeInfo> dispatchInfo, vtableInfo;
        ASSERT_EQ(S_OK, object->GetTypeInfo(0, 0, dispatchInfo.put()));
        HREFTYPE reference = 0;
        ASSERT_EQ(S_OK, dispatchInfo->GetRefTypeOfImplType(static_cast<UINT>(-1), &reference));
        ASSERT_EQ(S_OK, dispatchInfo->GetRefTypeInfo(reference, vtableInfo.put()));
        ComPtr<IUnknown> dual;
        TYPEATTR* attributes = nullptr;
        vtableInfo->GetTypeAttr(&attributes);
        ASSERT_EQ(S_OK, object->QueryInterface(attributes->guid, dual.putVoid()));
        for (UINT index = 0; index < attributes->cFuncs; ++index) {
            FUNCDESC* function = nullptr;
            if (FAILED(vtableInfo->GetFuncDesc(index, &function))) continue;
            std::vector<VARIANTARG> arguments(function->cParams);
            std::vector<VARIANTARG*> pointers(function->cParams);
            std::vector<VARTYPE> types(function->cParams);
            bool anyPointer = false;
            for (SHORT p = 0; p < function->cParams; ++p) {
                const TYPEDESC& type = function->lprgelemdescParam[p].tdesc;
                ::VariantInit(&arguments[p]);
                if (type.vt == VT_PTR) {
                    V_VT(&arguments[p]) = VT_BYREF | VT_I4;  // any by-reference slot: a null pointer
                    V_BYREF(&arguments[p]) = nullptr;
                    anyPointer = true;
                } else if (type.vt == VT_VARIANT) {
                    V_VT(&arguments[p]) = VT_EMPTY;
                } else {
                    // A zero of the declared type and size: under the 32-bit calling
                    // convention the member removes exactly its declared arguments.
                    V_VT(&arguments[p]) = type.vt == VT_USERDEFINED ? static_cast<VARTYPE>(VT_I4) : type.vt;
                    V_CY(&arguments[p]).int64 = 0;
                }
                types[p] = type.vt == VT_VARIANT ? static_cast<VARTYPE>(VT_VARIANT) : V_VT(&arguments[p]);
                pointers[p] = &arguments[p];
            }
            if (anyPointer) {
                VARIANT returned;
                ::VariantInit(&returned);
                HRESULT called = ::DispCallFunc(dual.get(), function->oVft, CC_STDCALL, VT_ERROR,
                                                function->cParams, types.data(), pointers.data(), &returned);
                EXPECT_EQ(S_OK, called);
                ++calls;
                HRESULT outcome = V_ERROR(&returned);
                EXPECT_TRUE(outcome == E_POINTER || SUCCEEDED(outcome) ||
                            (static_cast<unsigned long>(outcome) & 0xFFFF0000u) == 0x800A0000u)
                    << "member " << function->memid << " returned " << std::hex << outcome;
            }
            vtableInfo->ReleaseFuncDesc(function);
        }
        // Every class but the design pages has members that deliver a result through a pointer.
        if (entry.kind != ClassKind::PropertyPage) {
            EXPECT_GT(calls, 0) << "no member called with null pointers";
        }
        vtableInfo->ReleaseTypeAttr(attributes);
        dual.reset();
        object.reset();
        EXPECT_EQ(objectsBefore, module::liveObjects()) << "objects left by " << std::string(entry.name, entry.name + wcslen(entry.name));
    }
    EXPECT_EQ(28, classes) << "every class of the library";
    EXPECT_EQ(objectsBefore, module::liveObjects());
}

// The same random calls on every control placed in a container: sited, connected to
// its property-change point, initialised, at run time and at design time.
TEST(Robustness, RandomLateBoundCallsOnSitedControls) {
    Sandbox sandbox;
    std::mt19937 random(20261208);
    ArgumentPool pool(random);
    long objectsBefore = module::liveObjects();
    int controls = 0;
    for (const ClassEntry& entry : catalogue()) {
        if (entry.kind != ClassKind::Control || !entry.create) continue;
        auto known = errorsByClass().find(entry.name);
        if (known == errorsByClass().end()) continue;  // the test above reports it
        for (bool userMode : {true, false}) {
            SCOPED_TRACE(testing::Message() << std::string(entry.name, entry.name + wcslen(entry.name))
                                            << (userMode ? " at run time" : " at design time"));
            ++controls;
            ComPtr<IUnknown> created;
            ASSERT_EQ(S_OK, entry.create(IID_IUnknown, created.putVoid()));
            ComPtr<ControlSite> site = ControlSite::create(userMode);
            ComPtr<IDispatch> object = siteControl(created.get(), site.get());
            ComPtr<IDispatch> witness;
            ASSERT_EQ(S_OK, entry.create(IID_IDispatch, witness.putVoid()));
            for (const MemberShape& member : membersOf(object.get())) {
                for (int round = 0; round < 10; ++round) {
                    std::vector<std::unique_ptr<test::Variable>> storage;
                    size_t count = pool.pick(static_cast<size_t>(member.parameters) + 2);
                    std::vector<VARIANT> arguments(count);
                    for (VARIANT& argument : arguments) pool.make(&argument, storage, witness.get());
                    DISPID put = DISPID_PROPERTYPUT;
                    WORD flags = round % 3 == 2 && count ? WORD(DISPATCH_PROPERTYPUT)
                                                         : WORD(DISPATCH_METHOD | DISPATCH_PROPERTYGET);
                    DISPPARAMS params{count ? arguments.data() : nullptr, flags == DISPATCH_PROPERTYPUT ? &put : nullptr,
                                      static_cast<UINT>(count), flags == DISPATCH_PROPERTYPUT ? 1u : 0u};
                    VARIANT result;
                    ::VariantInit(&result);
                    EXCEPINFO exception{};
                    HRESULT outcome = object->Invoke(member.id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &result,
                                                     &exception, nullptr);
                    std::string why;
                    EXPECT_TRUE(acceptable(known->second, member.name, outcome, exception, why))
                        << "member " << std::string(member.name.begin(), member.name.end()) << ": " << why;
                    ::VariantClear(&result);
                    ::SysFreeString(exception.bstrDescription);
                    ::SysFreeString(exception.bstrSource);
                    ::SysFreeString(exception.bstrHelpFile);
                    for (VARIANT& argument : arguments) ::VariantClear(&argument);
                }
            }
            closeControl(object.get(), site.get());
        }
    }
    EXPECT_EQ(18 * 2, controls) << "every control, at run time and at design time";
    EXPECT_EQ(objectsBefore, module::liveObjects());
}

// The document interfaces of every control (storage persistence, one-call siting,
// the in-place active object and the verbs) called in random order with random and
// null arguments, storages good and damaged: only the protocol's answers, and when the
// control is gone no storage, sink or object of ours is left holding a reference.
TEST(Robustness, RandomCallsOnTheDocumentInterfaces) {
    std::mt19937 random(20261209);
    ArgumentPool pool(random);
    const std::set<HRESULT> answers = {S_OK, S_FALSE, E_POINTER, E_INVALIDARG, E_UNEXPECTED, E_NOTIMPL, E_FAIL,
                                       CO_E_ALREADYINITIALIZED, STG_E_FILENOTFOUND, STG_E_READFAULT,
                                       DISP_E_TYPEMISMATCH, DV_E_DVASPECT, OLEOBJ_S_CANNOT_DOVERB_NOW,
                                       OLEOBJ_S_INVALIDVERB};
    auto storageWith = [](const char* contents) {
        ComPtr<ILockBytes> bytes;
        ::CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.put());
        ComPtr<IStorage> storage;
        ::StgCreateDocfileOnILockBytes(bytes.get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
                                       storage.put());
        if (contents) {
            ComPtr<IStream> stream;
            storage->CreateStream(L"Contents", STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0, stream.put());
            stream->Write(contents, static_cast<ULONG>(strlen(contents)), nullptr);
        }
        return storage;
    };
    auto referencesOf = [](IUnknown* object) {
        object->AddRef();
        return object->Release();
    };
    long objectsBefore = module::liveObjects();
    int controls = 0, calls = 0;
    for (const ClassEntry& entry : catalogue()) {
        if (entry.kind != ClassKind::Control || !entry.create) continue;
        SCOPED_TRACE(entry.name);
        ++controls;
        std::vector<ComPtr<IStorage>> storages = {storageWith(nullptr), storageWith(nullptr), storageWith("OVCP\1"),
                                                   storageWith("not the properties of a control")};
        std::vector<ULONG> alone;
        for (auto& storage : storages) alone.push_back(referencesOf(storage.get()));
        auto sink = test::RecordingSink::create();
        auto site = ControlSite::create(false);
        ComPtr<IDispatch> witness;
        ASSERT_EQ(S_OK, entry.create(IID_IDispatch, witness.putVoid()));
        {
            ComPtr<IUnknown> object;
            ASSERT_EQ(S_OK, entry.create(IID_IUnknown, object.putVoid()));
            auto persist = object.query<IPersistStorage>();
            auto activate = object.query<IQuickActivate>();
            auto active = object.query<IOleInPlaceActiveObject>();
            auto ole = object.query<IOleObject>();
            ASSERT_TRUE(persist && activate && active && ole);
            auto anyStorage = [&]() -> IStorage* {
                size_t which = pool.pick(storages.size() + 1);
                return which == storages.size() ? nullptr : storages[which].get();
            };
            for (int round = 0; round < 150; ++round, ++calls) {
                HRESULT result = S_OK;
                int action = static_cast<int>(pool.pick(10));
                switch (action) {
                case 0: result = persist->InitNew(anyStorage()); break;
                case 1: result = persist->Load(anyStorage()); break;
                case 2: result = persist->Save(anyStorage(), pool.pick(2) ? TRUE : FALSE); break;
                case 3: result = persist->SaveCompleted(anyStorage()); break;
                case 4: result = pool.pick(2) ? persist->HandsOffStorage() : persist->IsDirty(); break;
                case 5: {
                    QACONTAINER container{};
                    container.cbSize = pool.pickOf<ULONG>({0, 8, ULONG(offsetof(QACONTAINER, pBindHost)),
                                                           ULONG(sizeof(QACONTAINER)), ULONG(sizeof(QACONTAINER) + 16)});
                    container.pClientSite = pool.pick(3) ? static_cast<IOleClientSite*>(site.get()) : nullptr;
                    container.pPropertyNotifySink =
                        pool.pick(2) ? static_cast<IPropertyNotifySink*>(sink.get()) : nullptr;
                    // A plain dispatch object as the events sink.
                    container.pUnkEventSink = pool.pick(2) ? static_cast<IUnknown*>(witness.get()) : nullptr;
                    container.dwAmbientFlags = static_cast<DWORD>(pool.pickOf<LONG>({0, 4, -1, 0x7F}));
                    QACONTROL control{};
                    control.cbSize = pool.pickOf<ULONG>({0, 4, ULONG(sizeof(QACONTROL)), ULONG(sizeof(QACONTROL) + 8)});
                    result = activate->QuickActivate(pool.pick(8) ? &container : nullptr,
                                                     pool.pick(8) ? &control : nullptr);
                    break;
                }
                case 6: {
                    SIZEL size{pool.pickOf<LONG>({0, 1, -1, 2540, 0x7FFFFFFF, -2147483647 - 1}),
                               pool.pickOf<LONG>({0, 5, -5, 100000})};
                    result = pool.pick(2) ? activate->SetContentExtent(pool.pick(6) ? &size : nullptr)
                                          : activate->GetContentExtent(pool.pick(6) ? &size : nullptr);
                    break;
                }
                case 7: {
                    MSG message{nullptr, static_cast<UINT>(pool.pickOf<LONG>({WM_KEYDOWN, WM_CHAR, 0})), VK_RETURN, 0, 0,
                                {0, 0}};
                    RECT border{0, 0, pool.pickOf<LONG>({-5, 0, 300}), 40};
                    HWND window = nullptr;
                    switch (pool.pick(7)) {
                    case 0: result = active->TranslateAccelerator(pool.pick(3) ? &message : nullptr); break;
                    case 1: result = active->OnFrameWindowActivate(pool.pick(2) ? TRUE : FALSE); break;
                    case 2: result = active->OnDocWindowActivate(pool.pick(2) ? TRUE : FALSE); break;
                    case 3: result = active->ResizeBorder(pool.pick(3) ? &border : nullptr, nullptr, TRUE); break;
                    case 4: result = active->EnableModeless(pool.pick(2) ? TRUE : FALSE); break;
                    case 5: result = active->GetWindow(pool.pick(3) ? &window : nullptr); break;
                    default: result = active->ContextSensitiveHelp(pool.pick(2) ? TRUE : FALSE); break;
                    }
                    break;
                }
                case 8: {
                    // Every verb but the property pages, which open a modal frame.
                    LONG verb = pool.pickOf<LONG>({OLEIVERB_PRIMARY, OLEIVERB_SHOW, OLEIVERB_OPEN, OLEIVERB_HIDE,
                                                   OLEIVERB_UIACTIVATE, OLEIVERB_INPLACEACTIVATE,
                                                   OLEIVERB_DISCARDUNDOSTATE, 1, 7, -100});
                    RECT position{0, 0, 30, 30};
                    result = ole->DoVerb(verb, nullptr, pool.pick(2) ? site.get() : nullptr, 0, nullptr,
                                         pool.pick(2) ? &position : nullptr);
                    break;
                }
                default:
                    result = pool.pick(2) ? ole->SetClientSite(pool.pick(2) ? site.get() : nullptr)
                                          : ole->Close(OLECLOSE_NOSAVE);
                    break;
                }
                EXPECT_TRUE(answers.count(result)) << "action " << action << " returned " << std::hex << result;
            }
            ole->SetClientSite(nullptr);
        }
        for (size_t index = 0; index < storages.size(); ++index) {
            EXPECT_EQ(alone[index], referencesOf(storages[index].get())) << "storage " << index << " still held";
        }
        EXPECT_EQ(1, sink->references());
        witness.reset();
        EXPECT_EQ(objectsBefore, module::liveObjects());
    }
    EXPECT_EQ(18, controls);
    EXPECT_GT(calls, 2000);
}

}  // namespace
}  // namespace orvane
