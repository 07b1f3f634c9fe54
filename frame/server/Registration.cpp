#include "frame/server/Registration.h"

#include <oleauto.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "frame/automation/Dispatcher.h"
#include "frame/base/Errors.h"
#include "frame/base/Handles.h"
#include "frame/server/Catalogue.h"

namespace orvane {

namespace {

const wchar_t automationProxy[] = L"{00020424-0000-0000-C000-000000000046}";
const wchar_t dispatchProxy[] = L"{00020420-0000-0000-C000-000000000046}";
// OLEMISC_SETCLIENTSITEFIRST | INVISIBLEATRUNTIME | ACTIVATEWHENVISIBLE | INSIDEOUT |
// CANTLINKINSIDE | RECOMPOSEONRESIZE
const wchar_t controlMiscStatus[] = L"132497";

std::wstring guidText(REFGUID guid) {
    wchar_t text[40] = {};
    ::StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring modulePath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        DWORD length = ::GetModuleFileNameW(moduleHandle(), path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

HKEY classesRoot(RegistrationScope scope, UniqueHkey& holder) {
    HKEY base = scope == RegistrationScope::User ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    LONG status = ::RegCreateKeyExW(base, L"Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, holder.put(), nullptr);
    return status == ERROR_SUCCESS ? holder.get() : nullptr;
}

// Writes the rows under a classes root: every key, and the value of each row that has one.
HRESULT writeRows(HKEY root, const std::vector<RegistryRow>& rows) {
    for (const RegistryRow& row : rows) {
        UniqueHkey key;
        LONG status = ::RegCreateKeyExW(root, row.key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(), nullptr);
        if (status == ERROR_SUCCESS && row.hasValue) {
            status = ::RegSetValueExW(key.get(), row.name.empty() ? nullptr : row.name.c_str(), 0, REG_SZ,
                                      reinterpret_cast<const BYTE*>(row.data.c_str()),
                                      static_cast<DWORD>((row.data.size() + 1) * sizeof(wchar_t)));
        }
        if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
    }
    return S_OK;
}

void deleteTree(HKEY root, const std::wstring& path) { ::RegDeleteTreeW(root, path.c_str()); ::RegDeleteKeyW(root, path.c_str()); }

// Another version of the library registered for this very file (an earlier release
// that this file replaced) describes a type library the file no longer holds: its path
// for this bitness goes, and the version key with it when no other path is left.
void removeOtherVersionsOfThisFile(HKEY root, const std::wstring& libraryId, const std::wstring& version,
                                   const wchar_t* platform, const std::wstring& path) {
    const std::wstring libraryKey = L"TypeLib\\" + libraryId;
    UniqueHkey library;
    if (::RegOpenKeyExW(root, libraryKey.c_str(), 0, KEY_READ, library.put()) != ERROR_SUCCESS) return;
    std::vector<std::wstring> versions;
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        if (::RegEnumKeyExW(library.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (version != name) versions.emplace_back(name, length);
    }
    library.reset();
    for (const std::wstring& other : versions) {
        const std::wstring pathKey = libraryKey + L"\\" + other + L"\\0\\" + platform;
        std::vector<wchar_t> registered(32768);
        DWORD size = static_cast<DWORD>(registered.size() * sizeof(wchar_t));
        if (::RegGetValueW(root, pathKey.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, registered.data(), &size) != ERROR_SUCCESS) continue;
        if (::CompareStringOrdinal(registered.data(), -1, path.c_str(), -1, TRUE) != CSTR_EQUAL) continue;
        deleteTree(root, pathKey);
        UniqueHkey locale;
        DWORD left = 0;
        if (::RegOpenKeyExW(root, (libraryKey + L"\\" + other + L"\\0").c_str(), 0, KEY_READ, locale.put()) == ERROR_SUCCESS &&
            ::RegQueryInfoKeyW(locale.get(), nullptr, nullptr, nullptr, &left, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr) == ERROR_SUCCESS && left == 0) {
            locale.reset();
            deleteTree(root, libraryKey + L"\\" + other);
        }
    }
}

struct LibraryFacts {
    GUID libraryId;
    WORD major, minor;
    SYSKIND kind;
    std::wstring helpString;
    std::vector<std::pair<GUID, std::wstring>> automationInterfaces;  // with the proxy they use
    std::vector<std::wstring> proxies;
    std::vector<std::wstring> names;
};

bool readLibrary(ITypeLib* library, LibraryFacts& facts) {
    if (!library) return false;
    TLIBATTR* attributes = nullptr;
    if (FAILED(library->GetLibAttr(&attributes))) return false;
    facts.libraryId = attributes->guid;
    facts.major = attributes->wMajorVerNum;
    facts.minor = attributes->wMinorVerNum;
    facts.kind = attributes->syskind;
    library->ReleaseTLibAttr(attributes);
    BSTR help = nullptr;
    library->GetDocumentation(-1, nullptr, &help, nullptr, nullptr);
    facts.helpString = help ? help : L"";
    ::SysFreeString(help);
    UINT count = library->GetTypeInfoCount();
    for (UINT index = 0; index < count; ++index) {
        ComPtr<ITypeInfo> info;
        if (FAILED(library->GetTypeInfo(index, info.put()))) continue;
        TYPEATTR* type = nullptr;
        if (FAILED(info->GetTypeAttr(&type))) continue;
        const wchar_t* proxy = nullptr;
        if (type->typekind == TKIND_DISPATCH) {
            proxy = (type->wTypeFlags & TYPEFLAG_FDUAL) ? automationProxy : dispatchProxy;
        } else if (type->typekind == TKIND_INTERFACE && (type->wTypeFlags & TYPEFLAG_FOLEAUTOMATION)) {
            proxy = automationProxy;
        }
        if (proxy) {
            BSTR name = nullptr;
            library->GetDocumentation(static_cast<INT>(index), &name, nullptr, nullptr, nullptr);
            facts.automationInterfaces.emplace_back(type->guid, name ? name : L"");
            facts.proxies.emplace_back(proxy);
            ::SysFreeString(name);
        }
        info->ReleaseTypeAttr(type);
    }
    return true;
}

// Whether the library of the other bitness is still registered in its own view of the
// classes key. Class keys are kept apart per bitness; programmatic identifiers, the type
// library and (under Wine) the interface keys are shared, and stay while it needs them.
// Asked once our own class keys are gone: on a 32-bit system both view flags name the
// one view, which then has none.
bool otherBitnessRegistered(RegistrationScope scope) {
    const REGSAM otherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    HKEY base = scope == RegistrationScope::User ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    const std::wstring server =
        L"Software\\Classes\\CLSID\\" + guidText(*catalogue().front().classId) + L"\\InprocServer32";
    UniqueHkey key;
    return ::RegOpenKeyExW(base, server.c_str(), 0, KEY_READ | otherView, key.put()) == ERROR_SUCCESS;
}

}  // namespace

bool registrationRows(ITypeLib* typeLib, const std::wstring& path, std::vector<RegistryRow>& rows) {
    LibraryFacts library;
    if (!readLibrary(typeLib, library)) return false;
    const std::wstring libraryId = guidText(library.libraryId);
    const std::wstring version = std::to_wstring(library.major) + L"." + std::to_wstring(library.minor);
    auto set = [&rows](const std::wstring& key, const wchar_t* name, const std::wstring& data) {
        rows.push_back({key, name ? name : L"", data, true});
    };
    auto createKey = [&rows](const std::wstring& key) { rows.push_back({key, L"", L"", false}); };

    for (const ClassEntry& entry : catalogue()) {
        const std::wstring clsid = L"CLSID\\" + guidText(*entry.classId);
        const std::wstring progId = programmaticId(entry);
        set(clsid, nullptr, entry.kind == ClassKind::PropertyPage ? std::wstring(entry.name) : progId);
        set(clsid + L"\\InprocServer32", nullptr, path);
        set(clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
        set(clsid + L"\\TypeLib", nullptr, libraryId);
        set(clsid + L"\\Version", nullptr, version);
        if (entry.kind == ClassKind::PropertyPage) continue;
        set(clsid + L"\\ProgID", nullptr, progId);
        set(clsid + L"\\VersionIndependentProgID", nullptr, progId);
        set(progId, nullptr, progId);
        set(progId + L"\\CLSID", nullptr, guidText(*entry.classId));
        if (entry.kind == ClassKind::Control) {
            createKey(clsid + L"\\Control");
            set(clsid + L"\\ToolboxBitmap32", nullptr, path + L", " + std::to_wstring(entry.toolboxBitmap));
            set(clsid + L"\\MiscStatus", nullptr, L"0");
            set(clsid + L"\\MiscStatus\\1", nullptr, controlMiscStatus);
        }
    }

    // The type library and its interfaces, written the same way for both scopes
    // (a per-user registration needs no administrator).
    const std::wstring libraryKey = L"TypeLib\\" + libraryId + L"\\" + version;
    const wchar_t* platform = library.kind == SYS_WIN64 ? L"\\0\\win64" : L"\\0\\win32";
    set(libraryKey, nullptr, library.helpString);
    set(libraryKey + platform, nullptr, path);
    set(libraryKey + L"\\FLAGS", nullptr, L"0");
    set(libraryKey + L"\\HELPDIR", nullptr, path.substr(0, path.find_last_of(L'\\')));
    for (size_t n = 0; n < library.automationInterfaces.size(); ++n) {
        const std::wstring key = L"Interface\\" + guidText(library.automationInterfaces[n].first);
        set(key, nullptr, library.automationInterfaces[n].second);
        set(key + L"\\ProxyStubClsid", nullptr, library.proxies[n]);
        set(key + L"\\ProxyStubClsid32", nullptr, library.proxies[n]);
        set(key + L"\\TypeLib", nullptr, libraryId);
        set(key + L"\\TypeLib", L"Version", version);
    }
    return true;
}

HRESULT registerServer(RegistrationScope scope) noexcept {
    try {
        UniqueHkey holder;
        HKEY root = classesRoot(scope, holder);
        if (!root) return SELFREG_E_CLASS;
        std::vector<RegistryRow> rows;
        if (!registrationRows(typeLibrary(), modulePath(), rows)) return SELFREG_E_TYPELIB;
        if (FAILED(writeRows(root, rows))) {
            unregisterServer(scope);
            return SELFREG_E_CLASS;
        }
        LibraryFacts library;
        if (!readLibrary(typeLibrary(), library)) return SELFREG_E_TYPELIB;
        removeOtherVersionsOfThisFile(root, guidText(library.libraryId),
                                      std::to_wstring(library.major) + L"." + std::to_wstring(library.minor),
                                      library.kind == SYS_WIN64 ? L"win64" : L"win32", modulePath());
        return S_OK;
    } catch (...) {
        return caughtResult();
    }
}

HRESULT unregisterServer(RegistrationScope scope) noexcept {
    try {
        UniqueHkey holder;
        HKEY root = classesRoot(scope, holder);
        if (!root) return SELFREG_E_CLASS;
        for (const ClassEntry& entry : catalogue()) deleteTree(root, L"CLSID\\" + guidText(*entry.classId));
        LibraryFacts library;
        if (!readLibrary(typeLibrary(), library)) return SELFREG_E_TYPELIB;
        const std::wstring libraryId = guidText(library.libraryId);
        const std::wstring version = std::to_wstring(library.major) + L"." + std::to_wstring(library.minor);
        const std::wstring libraryKey = L"TypeLib\\" + libraryId + L"\\" + version;
        removeOtherVersionsOfThisFile(root, libraryId, version, library.kind == SYS_WIN64 ? L"win64" : L"win32",
                                      modulePath());
        if (otherBitnessRegistered(scope)) {
            // Only this bitness's path to the library goes; the rest serves the other.
            deleteTree(root, libraryKey + (library.kind == SYS_WIN64 ? L"\\0\\win64" : L"\\0\\win32"));
            return S_OK;
        }
        for (const ClassEntry& entry : catalogue()) {
            if (entry.kind != ClassKind::PropertyPage) deleteTree(root, programmaticId(entry));
        }
        deleteTree(root, libraryKey);
        // The library key goes only when no other version is left under it.
        ::RegDeleteKeyW(root, (L"TypeLib\\" + libraryId).c_str());
        for (const auto& item : library.automationInterfaces) deleteTree(root, L"Interface\\" + guidText(item.first));
        return S_OK;
    } catch (...) {
        return caughtResult();
    }
}

}  // namespace orvane
