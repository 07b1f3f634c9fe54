// The built library as clients meet it: self-registration (machine-wide and per user),
// creation by programmatic identifier and class identifier, early binding through the
// dual vtable, DllCanUnloadNow, and nothing of ours left after unregistration.
#include <windows.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/server/Catalogue.h"
#include "frame/base/Handles.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {
namespace {

const wchar_t identityTail[] = L"D3E7-4A12-A64C-7B2E90C4F151";

std::wstring guidText(REFGUID guid) {
    wchar_t text[40] = {};
    ::StringFromGUID2(guid, text, 40);
    return text;
}

bool keyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

std::wstring readText(HKEY root, const std::wstring& path, const wchar_t* name = nullptr) {
    wchar_t buffer[1024] = {};
    DWORD size = sizeof(buffer);
    if (::RegGetValueW(root, path.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS) return L"<none>";
    return buffer;
}

// Every key directly below root\Software\Classes\<area> that names one of our identities
// or programmatic identifiers.
std::vector<std::wstring> ourKeys(HKEY root) {
    std::vector<std::wstring> found;
    for (const wchar_t* area : {L"", L"CLSID", L"Interface", L"TypeLib"}) {
        std::wstring path = std::wstring(L"Software\\Classes") + (*area ? L"\\" : L"") + area;
        HKEY key = nullptr;
        if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
        wchar_t name[256];
        for (DWORD index = 0;; ++index) {
            DWORD length = 256;
            if (::RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            std::wstring text = name;
            if (text.find(identityTail) != std::wstring::npos || text.rfind(L"TVOrvaneSuite.", 0) == 0) {
                found.push_back(path + L"\\" + text);
            }
        }
        ::RegCloseKey(key);
    }
    return found;
}

// The published identities, written out here rather than taken from the catalogue that
// registration itself walks: a class dropped from the catalogue, a wrong identifier or
// bitmap number, or a page given a programmatic identifier all show up against this.
enum class Kind { Control, Global, Page };
struct Published {
    const wchar_t* name;
    const wchar_t* classId;
    Kind kind;
    int bitmap;
};
const Published published[] = {
    {L"OVSplashScreen", L"{25BB4400-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30000},
    {L"OVAboutBox", L"{25BB43FC-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30001},
    {L"OVFileVersion", L"{25BB43F9-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30002},
    {L"OVExtractIcon", L"{25BB43F5-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30003},
    {L"OVHelp", L"{25BB43F0-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30004},
    {L"OVHyperLink", L"{25BB43ED-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30005},
    {L"OVLinkedList", L"{25BB43EA-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30006},
    {L"OVLocaleSettings", L"{25BB43E7-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30007},
    {L"OVMath", L"{25BB43E4-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30008},
    {L"OVMemory", L"{25BB43E1-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30009},
    {L"OVNumbers", L"{25BB43DD-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30010},
    {L"OVPower", L"{25BB43DA-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30011},
    {L"OVScreenModes", L"{25BB43D6-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30012},
    {L"OVSpecialFolders", L"{25BB43D2-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30013},
    {L"OVStack", L"{25BB43CF-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30014},
    {L"OVWindows", L"{25BB43CC-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30015},
    {L"OVWinVersion", L"{25BB43C7-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30016},
    {L"OVDiskInfo", L"{25BB43C3-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Control, 30017},
    {L"OVRegistry", L"{25BB43B6-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Global, 0},
    {L"OVFolderSelect", L"{25BB4416-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Global, 0},
    {L"OVRegistryKey", L"{25BB43B2-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Global, 0},
    {L"OVRegistryKeys", L"{25BB43B4-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Global, 0},
    {L"OVRegistryValue", L"{25BB43BB-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Global, 0},
    {L"OVRegistryValues", L"{25BB43BD-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Global, 0},
    {L"OVFolderSelectValue", L"{25BB43AE-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Global, 0},
    {L"OVFolderSelectValues", L"{25BB43B0-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Global, 0},
    {L"ppageAboutBoxDesign", L"{25BB4412-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Page, 0},
    {L"ppageSplashScreenDesign", L"{25BB4414-D3E7-4A12-A64C-7B2E90C4F151}", Kind::Page, 0},
};

CLSID classIdOf(const Published& entry) {
    CLSID id{};
    ::CLSIDFromString(entry.classId, &id);
    return id;
}

class Library : public ::testing::Test {
protected:
    void SetUp() override {
        const char* path = std::getenv("ORVANE_DLL");
        ASSERT_NE(nullptr, path) << "ORVANE_DLL names the library under test";
        std::string narrow = path;
        dllPath.assign(narrow.begin(), narrow.end());
        module = ::LoadLibraryW(dllPath.c_str());
        ASSERT_NE(nullptr, module);
        wchar_t loaded[MAX_PATH] = {};
        ::GetModuleFileNameW(module, loaded, MAX_PATH);
        modulePath = loaded;
        registerServer = reinterpret_cast<HRESULT(WINAPI*)()>(::GetProcAddress(module, "DllRegisterServer"));
        unregisterServer = reinterpret_cast<HRESULT(WINAPI*)()>(::GetProcAddress(module, "DllUnregisterServer"));
        install = reinterpret_cast<HRESULT(WINAPI*)(BOOL, LPCWSTR)>(::GetProcAddress(module, "DllInstall"));
        canUnload = reinterpret_cast<HRESULT(WINAPI*)()>(::GetProcAddress(module, "DllCanUnloadNow"));
        getClassObject = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(::GetProcAddress(module, "DllGetClassObject"));
        ASSERT_TRUE(registerServer && unregisterServer && install && canUnload && getClassObject);
        wasRegistered = keyExists(HKEY_LOCAL_MACHINE, L"Software\\Classes\\CLSID\\" + guidText(CLSID_OVNumbers));
    }
    void TearDown() override {
        // The script tests and the programs started unregistered share the prefix: leave
        // the registration as it was found.
        if (wasRegistered) {
            registerServer();
        } else {
            unregisterServer();
        }
        ::CoFreeUnusedLibraries();
        // Our own LoadLibrary reference stays until the process ends; COM may still hold one too.
    }

    std::wstring dllPath, modulePath;
    HMODULE module = nullptr;
    HRESULT(WINAPI* registerServer)() = nullptr;
    HRESULT(WINAPI* unregisterServer)() = nullptr;
    HRESULT(WINAPI* install)(BOOL, LPCWSTR) = nullptr;
    HRESULT(WINAPI* canUnload)() = nullptr;
    HRESULT(WINAPI* getClassObject)(REFCLSID, REFIID, void**) = nullptr;
    bool wasRegistered = false;
};

TEST_F(Library, MachineRegistrationWritesEveryEntryAndUnregistrationRemovesThem) {
    ASSERT_EQ(S_OK, unregisterServer());
    EXPECT_TRUE(ourKeys(HKEY_LOCAL_MACHINE).empty());
    ASSERT_EQ(S_OK, registerServer());
    const std::wstring classes = L"Software\\Classes\\";
    for (const Published& entry : published) {
        const std::wstring clsid = classes + L"CLSID\\" + entry.classId;
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(modulePath, readText(HKEY_LOCAL_MACHINE, clsid + L"\\InprocServer32"));
        EXPECT_EQ(L"Apartment", readText(HKEY_LOCAL_MACHINE, clsid + L"\\InprocServer32", L"ThreadingModel"));
        EXPECT_EQ(L"{25BB43AC-D3E7-4A12-A64C-7B2E90C4F151}", readText(HKEY_LOCAL_MACHINE, clsid + L"\\TypeLib"));
        bool control = entry.kind == Kind::Control;
        EXPECT_EQ(control, keyExists(HKEY_LOCAL_MACHINE, clsid + L"\\Control"));
        if (control) {
            EXPECT_EQ(L"132497", readText(HKEY_LOCAL_MACHINE, clsid + L"\\MiscStatus\\1"));
            EXPECT_EQ(modulePath + L", " + std::to_wstring(entry.bitmap),
                      readText(HKEY_LOCAL_MACHINE, clsid + L"\\ToolboxBitmap32"));
            EXPECT_NE(nullptr, ::LoadBitmapW(module, MAKEINTRESOURCEW(entry.bitmap)));
        }
        std::wstring progId = L"TVOrvaneSuite." + std::wstring(entry.name);
        if (entry.kind != Kind::Page) {
            EXPECT_EQ(progId, readText(HKEY_LOCAL_MACHINE, clsid + L"\\ProgID"));
            EXPECT_EQ(entry.classId, readText(HKEY_LOCAL_MACHINE, classes + progId + L"\\CLSID"));
        } else {
            EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, clsid + L"\\ProgID"));
            EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, classes + progId));
        }
    }
    // Nothing registered beyond the published classes: 28 class keys, 26 programmatic
    // identifiers, and the interfaces and the library itself.
    int classKeys = 0, progIdKeys = 0;
    for (const std::wstring& key : ourKeys(HKEY_LOCAL_MACHINE)) {
        if (key.rfind(classes + L"CLSID\\", 0) == 0) ++classKeys;
        if (key.rfind(classes + L"TVOrvaneSuite.", 0) == 0) ++progIdKeys;
    }
    EXPECT_EQ(28, classKeys);
    EXPECT_EQ(26, progIdKeys);
    const std::wstring typeLib = classes + L"TypeLib\\{25BB43AC-D3E7-4A12-A64C-7B2E90C4F151}\\1.1";
    EXPECT_EQ(L"Tarvello Orvane Suite Version 1.22 ActiveX Component", readText(HKEY_LOCAL_MACHINE, typeLib));
    EXPECT_EQ(modulePath, readText(HKEY_LOCAL_MACHINE, typeLib + (sizeof(void*) == 8 ? L"\\0\\win64" : L"\\0\\win32")));
    EXPECT_EQ(L"{00020424-0000-0000-C000-000000000046}",
              readText(HKEY_LOCAL_MACHINE, classes + L"Interface\\" + guidText(IID__OVNumbers) + L"\\ProxyStubClsid32"));

    // The registered type library is the one clients load by identifier.
    ComPtr<ITypeLib> library;
    ASSERT_EQ(S_OK, ::LoadRegTypeLib(LIBID_TVOrvaneSuite, 1, 0, 0, library.put()));
    ComPtr<ITypeInfo> registry;
    ASSERT_EQ(S_OK, library->GetTypeInfoOfGuid(CLSID_OVRegistry, registry.put()));
    TYPEATTR* attributes = nullptr;
    registry->GetTypeAttr(&attributes);
    EXPECT_EQ(0xB, attributes->wTypeFlags);  // application object, creatable, predeclared
    registry->ReleaseTypeAttr(attributes);

    ASSERT_EQ(S_OK, unregisterServer());
    EXPECT_EQ(std::vector<std::wstring>{}, ourKeys(HKEY_LOCAL_MACHINE));
}

TEST_F(Library, CreationByIdentifierForEveryClass) {
    ASSERT_EQ(S_OK, registerServer());
    int created = 0;
    for (const Published& entry : published) {
        SCOPED_TRACE(entry.name);
        CLSID fromProgId{};
        if (entry.kind != Kind::Page) {
            ASSERT_EQ(S_OK, ::CLSIDFromProgID((L"TVOrvaneSuite." + std::wstring(entry.name)).c_str(), &fromProgId));
            EXPECT_EQ(classIdOf(entry), fromProgId);
        }
        ComPtr<IDispatch> object;
        EXPECT_EQ(S_OK, ::CoCreateInstance(classIdOf(entry), nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                           object.putVoid()));
        if (object) ++created;
    }
    EXPECT_EQ(28, created);
    ::CoFreeUnusedLibraries();
    EXPECT_EQ(S_OK, canUnload());
}

TEST_F(Library, EarlyBindingThroughTheDualInterface) {
    ASSERT_EQ(S_OK, registerServer());
    ComPtr<_OVNumbers> numbers;
    ASSERT_EQ(S_OK, ::CoCreateInstance(CLSID_OVNumbers, nullptr, CLSCTX_INPROC_SERVER, IID__OVNumbers, numbers.putVoid()));
    BSTR value = ::SysAllocString(L"1101");
    VARIANT result;
    ::VariantInit(&result);
    EXPECT_EQ(S_OK, numbers->BinToOct(&value, &result));
    EXPECT_STREQ(L"15", V_BSTR(&result));
    EXPECT_STREQ(L"13", value);
    ::VariantClear(&result);
    ::SysFreeString(value);
    value = ::SysAllocString(L"9");
    EXPECT_EQ(static_cast<HRESULT>(0x800A0063), numbers->BinToDec(&value, &result));
    ComPtr<IErrorInfo> info;
    ASSERT_EQ(S_OK, ::GetErrorInfo(0, info.put()));
    BSTR description = nullptr;
    info->GetDescription(&description);
    EXPECT_STREQ(L"Can't Convert.", description);
    ::SysFreeString(description);
    ::SysFreeString(value);
    EXPECT_EQ(S_FALSE, canUnload());
    numbers.reset();
    EXPECT_EQ(S_OK, canUnload());
}

// A caller compiled against the first registry interface: its slots and identity are
// those of 1.22, and the object also answers the interface that extends it.
TEST_F(Library, EarlyBoundCallerOfTheFirstRegistryInterface) {
    ASSERT_EQ(S_OK, registerServer());
    ComPtr<_OVRegistry> registry;
    ASSERT_EQ(S_OK, ::CoCreateInstance(CLSID_OVRegistry, nullptr, CLSCTX_INPROC_SERVER, IID__OVRegistry, registry.putVoid()));
    OVRegistryHKeyConstants root = ovHKEY_CURRENT_USER;
    OVRegistryDataTypeConstants type = ovDWord;
    BSTR subKey = ::SysAllocString(L"Software\\OrvaneSuiteTests\\early-binding");
    BSTR name = ::SysAllocString(L"Answer");
    BSTR data = ::SysAllocString(L"42");
    VARIANT result;
    ::VariantInit(&result);
    EXPECT_EQ(S_OK, registry->WriteValue(&root, &subKey, &type, &name, &data, &result));
    EXPECT_EQ(VT_I4, V_VT(&result));
    EXPECT_EQ(0, V_I4(&result));
    EXPECT_EQ(S_OK, registry->ReadValue(&root, &subKey, &name, &result));
    EXPECT_STREQ(L"42", V_BSTR(&result));
    ::VariantClear(&result);

    ComPtr<_OVRegistry2> second;
    ASSERT_EQ(S_OK, registry->QueryInterface(IID__OVRegistry2, second.putVoid()));
    ComPtr<IUnknown> identity1, identity2;
    registry->QueryInterface(IID_IUnknown, identity1.putVoid());
    second->QueryInterface(IID_IUnknown, identity2.putVoid());
    EXPECT_EQ(identity1.get(), identity2.get());
    EXPECT_EQ(S_OK, second->ReadValueEx(root, subKey, name, ovDefaultView, &result));
    EXPECT_EQ(VT_I4, V_VT(&result));
    EXPECT_EQ(42, V_I4(&result));
    EXPECT_EQ(S_OK, second->DeleteValue(&root, &subKey, &name, &result));
    EXPECT_EQ(S_OK, second->DeleteKey(&root, &subKey, &result));
    EXPECT_EQ(0, V_I4(&result));
    ::SysFreeString(subKey);
    ::SysFreeString(name);
    ::SysFreeString(data);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\OrvaneSuiteTests");
    registry.reset();
    second.reset();
    identity1.reset();
    identity2.reset();
    EXPECT_EQ(S_OK, canUnload());
}

TEST_F(Library, ClassFactoryRules) {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, getClassObject(IID_IDispatch, IID_IClassFactory, factory.putVoid()));
    ASSERT_EQ(S_OK, getClassObject(CLSID_OVNumbers, IID_IClassFactory, factory.putVoid()));
    ComPtr<IUnknown> object;
    ComPtr<IUnknown> outer;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(factory.get(), IID_IUnknown, object.putVoid()));
    EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IClassFactory, object.putVoid()));
    EXPECT_EQ(S_OK, factory->LockServer(TRUE));
    factory.reset();
    EXPECT_EQ(S_FALSE, canUnload());
    ASSERT_EQ(S_OK, getClassObject(CLSID_OVNumbers, IID_IClassFactory, factory.putVoid()));
    EXPECT_EQ(S_OK, factory->LockServer(FALSE));
    factory.reset();
    EXPECT_EQ(S_OK, canUnload());
}

TEST_F(Library, PerUserRegistrationStaysUnderTheCurrentUser) {
    ASSERT_EQ(S_OK, unregisterServer());
    ASSERT_EQ(S_OK, install(TRUE, L"user"));
    const std::wstring clsid = L"Software\\Classes\\CLSID\\" + guidText(CLSID_OVNumbers);
    EXPECT_EQ(modulePath, readText(HKEY_CURRENT_USER, clsid + L"\\InprocServer32"));
    EXPECT_EQ(guidText(CLSID_OVNumbers), readText(HKEY_CURRENT_USER, L"Software\\Classes\\TVOrvaneSuite.OVNumbers\\CLSID"));
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, L"Software\\Classes\\TypeLib\\{25BB43AC-D3E7-4A12-A64C-7B2E90C4F151}"));
    EXPECT_TRUE(ourKeys(HKEY_LOCAL_MACHINE).empty());
    ASSERT_EQ(S_OK, install(FALSE, L"USER"));
    EXPECT_EQ(std::vector<std::wstring>{}, ourKeys(HKEY_CURRENT_USER));
}

// Both bitnesses register into one registry: class keys apart per view, programmatic
// identifiers and the type library shared. Undoing one leaves what the other needs.
TEST_F(Library, UnregistrationLeavesTheOtherBitnessRegistered) {
    const REGSAM otherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    const std::wstring classes = L"Software\\Classes\\";
    const std::wstring otherServer = classes + L"CLSID\\" + guidText(*catalogue().front().classId) + L"\\InprocServer32";
    const std::wstring typeLib = classes + L"TypeLib\\{25BB43AC-D3E7-4A12-A64C-7B2E90C4F151}\\1.1\\0\\";
    const wchar_t* ownPlatform = sizeof(void*) == 8 ? L"win64" : L"win32";
    const wchar_t* otherPlatform = sizeof(void*) == 8 ? L"win32" : L"win64";
    ASSERT_EQ(S_OK, registerServer());
    // The other bitness's registration, as its own registration writes it.
    UniqueHkey key;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, otherServer.c_str(), 0, nullptr, 0,
                                               KEY_WRITE | otherView, nullptr, key.put(), nullptr));
    key.reset();
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, (typeLib + otherPlatform).c_str(), nullptr, REG_SZ,
                                               L"C:\\other\\OrvaneSuite.dll", 52));

    ASSERT_EQ(S_OK, unregisterServer());
    EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, classes + L"CLSID\\" + guidText(CLSID_OVNumbers)));
    EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, typeLib + ownPlatform));
    EXPECT_EQ(L"C:\\other\\OrvaneSuite.dll", readText(HKEY_LOCAL_MACHINE, typeLib + otherPlatform));
    EXPECT_EQ(guidText(CLSID_OVNumbers), readText(HKEY_LOCAL_MACHINE, classes + L"TVOrvaneSuite.OVNumbers\\CLSID"));
    EXPECT_TRUE(keyExists(HKEY_LOCAL_MACHINE, classes + L"Interface\\" + guidText(IID__OVNumbers)));

    // With the other one gone too, nothing of ours is left.
    ASSERT_EQ(ERROR_SUCCESS, ::RegDeleteKeyExW(HKEY_LOCAL_MACHINE, otherServer.c_str(), otherView, 0));
    ::RegDeleteKeyExW(HKEY_LOCAL_MACHINE, otherServer.substr(0, otherServer.rfind(L'\\')).c_str(), otherView, 0);
    ASSERT_EQ(S_OK, unregisterServer());
    EXPECT_EQ(std::vector<std::wstring>{}, ourKeys(HKEY_LOCAL_MACHINE));
}

// A file that replaced an earlier release of itself takes that release's type library
// registration away; another file's registration of an earlier version stays.
TEST_F(Library, RegistrationReplacesAnEarlierVersionOfTheSameFile) {
    const std::wstring library = L"Software\\Classes\\TypeLib\\{25BB43AC-D3E7-4A12-A64C-7B2E90C4F151}\\";
    const std::wstring ownPlatform = sizeof(void*) == 8 ? L"win64" : L"win32";
    const std::wstring other = L"C:\\other\\OrvaneSuite.dll";
    ASSERT_EQ(S_OK, unregisterServer());
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, (library + L"1.0\\0\\" + ownPlatform).c_str(), nullptr,
                                               REG_SZ, modulePath.c_str(),
                                               static_cast<DWORD>((modulePath.size() + 1) * sizeof(wchar_t))));
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, (library + L"0.9\\0\\" + ownPlatform).c_str(), nullptr,
                                               REG_SZ, other.c_str(), static_cast<DWORD>((other.size() + 1) * sizeof(wchar_t))));
    ASSERT_EQ(S_OK, registerServer());
    EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, library + L"1.0"));
    EXPECT_EQ(other, readText(HKEY_LOCAL_MACHINE, library + L"0.9\\0\\" + ownPlatform));
    EXPECT_EQ(modulePath, readText(HKEY_LOCAL_MACHINE, library + L"1.1\\0\\" + ownPlatform));
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, (library + L"0.9").c_str());
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, (library + L"0.9").c_str());
    ASSERT_EQ(S_OK, unregisterServer());
    EXPECT_EQ(std::vector<std::wstring>{}, ourKeys(HKEY_LOCAL_MACHINE));
}

}  // namespace
}  // namespace orvane
