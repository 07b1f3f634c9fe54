#include "branding/forms/AboutFormCode.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "frame/base/Errors.h"
#include "frame/base/Handles.h"
#include "frame/automation/Runtime.h"
#include "branding/MessageAdapter.h"
#include "frame/forms/Form.h"

namespace orvane::branding {

namespace calls {
#define ORVANE_BRANDING_ENTRY(library, name) decltype(name) name{library, #name}
ORVANE_BRANDING_ENTRY("kernel32.dll", WinExec);
ORVANE_BRANDING_ENTRY("kernel32.dll", FindFirstFileA);
ORVANE_BRANDING_ENTRY("kernel32.dll", FindClose);
#undef ORVANE_BRANDING_ENTRY
}  // namespace calls

namespace {

HMODULE thisModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&thisModule), &module);
    return module;
}

// The fixed part of the module's version record: file version 1.22.0.x reads as 1, 22, 0.
bool moduleVersion(WORD& major, WORD& minor, WORD& revision) {
    HMODULE module = thisModule();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
    if (!found) return false;
    HGLOBAL loaded = ::LoadResource(module, found);
    const BYTE* data = static_cast<const BYTE*>(::LockResource(loaded));
    DWORD size = ::SizeofResource(module, found);
    if (!data) return false;
    // The record's fixed part follows its key "VS_VERSION_INFO" at a 32-bit boundary.
    const DWORD signature = 0xFEEF04BD;
    for (DWORD offset = 0; offset + sizeof(VS_FIXEDFILEINFO) <= size; offset += 4) {
        auto info = reinterpret_cast<const VS_FIXEDFILEINFO*>(data + offset);
        if (info->dwSignature == signature) {
            major = HIWORD(info->dwFileVersionMS);
            minor = LOWORD(info->dwFileVersionMS);
            revision = LOWORD(info->dwFileVersionLS);
            return true;
        }
    }
    return false;
}

void openThroughShell(const std::string& file) {
    platform::shell32::ShellExecuteA(nullptr, nullptr, file.c_str(), nullptr, "C:\\", SW_SHOWNORMAL);
}

// The runtime's Shell with a normal, focused window: a program that cannot be started
// is the runtime's "File not found".
void startProgram(const std::string& path) {
    if (calls::WinExec(path.c_str(), SW_SHOWNORMAL) <= 31) raise(error::FileNotFound);
}

// A plain file of exactly this name exists (what a listing of the name without
// attributes reports: directories do not count).
bool fileExists(const std::string& path) {
    WIN32_FIND_DATAA found{};
    HANDLE search = calls::FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    calls::FindClose(search);
    return !(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

}  // namespace

const std::wstring& applicationTitle() {
    static const std::wstring title = L"OrvaneSuite";
    return title;
}

std::wstring applicationVersionText() {
    WORD major = 0, minor = 0, revision = 0;
    moduleVersion(major, minor, revision);
    return L"Version " + std::to_wstring(major) + L"." + std::to_wstring(minor) + L"." + std::to_wstring(revision);
}

void openWebLink(const std::wstring& url) { openThroughShell(runtime::toAnsi(url)); }

void openMailLink(const std::wstring& address) { openThroughShell("mailto:" + runtime::toAnsi(address)); }

bool getKeyValue(HKEY root, const std::string& keyName, const std::string& valueName, std::string& keyValue) {
    // Every key right plus the standard read right, as the tool's entry has always been opened.
    constexpr REGSAM allAccess = 0x2003F;
    UniqueHkey key;
    if (platform::advapi32::RegOpenKeyExA(root, keyName.c_str(), 0, allAccess, key.put()) != ERROR_SUCCESS) {
        keyValue.clear();
        return false;
    }
    std::vector<char> buffer(1024, '\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer.size());
    if (platform::advapi32::RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
        keyValue.clear();
        return false;
    }
    // A size the platform reports beyond the buffer cannot be trusted: keep what fits.
    size_t kept = std::min<size_t>(size, buffer.size());
    if (kept > 0 && buffer[kept - 1] == '\0') --kept;
    if (type == REG_SZ) {
        keyValue.assign(buffer.data(), kept);
    } else if (type == REG_DWORD) {
        DWORD number = 0;
        std::memcpy(&number, buffer.data(), sizeof number);
        // The runtime's Long: a number with the top bit set reads as negative.
        keyValue = std::to_string(static_cast<long>(static_cast<LONG>(number)));
    }
    return true;
}

void startSysInfo() {
    try {
        std::string path;
        if (getKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) {
            startProgram(path);
            return;
        }
        if (getKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path)) {
            path += "\\MSINFO32.EXE";
            if (fileExists(path)) {
                startProgram(path);
                return;
            }
        }
    } catch (const RuntimeError&) {
        // any failure on the way ends in the message below
    }
    showMessage(sysInfoUnavailableText, applicationTitle());
}

forms::HandlerMap aboutHandlers() {
    using forms::Event;
    using forms::EventArgs;
    auto setColor = [](EventArgs& event, const wchar_t* name, forms::Color color) {
        event.form.control(name).setForeColor(color);
    };
    return {
        {nullptr, Event::Load,
         [](EventArgs& event) {
             event.form.setCaption(L"About " + applicationTitle());
             event.form.control(L"lblVersion").setText(applicationVersionText());
             event.form.control(L"lblTitle").setText(applicationTitle());
         }},
        {L"cmdOK", Event::Click, [](EventArgs& event) { event.form.unload(); }},
        {L"Text1", Event::Click,
         [](EventArgs& event) {
             event.form.control(L"picIcon").setFocus();
             event.form.unload();
         }},
        {L"cmdSysInfo", Event::Click, [](EventArgs&) { startSysInfo(); }},
        {L"Text2", Event::Click,
         [](EventArgs& event) {
             event.form.control(L"picIcon").setFocus();
             startSysInfo();
         }},
        {L"lblUrl", Event::Click, [](EventArgs& event) { openWebLink(event.sender().text()); }},
        {L"lblMail", Event::Click, [](EventArgs& event) { openMailLink(event.sender().text()); }},
        {L"lblUrl", Event::MouseMove, [](EventArgs& event) { event.sender().setForeColor(underPointer); }},
        {L"lblMail", Event::MouseMove, [](EventArgs& event) { event.sender().setForeColor(underPointer); }},
        {L"Text1", Event::MouseMove,
         [setColor](EventArgs& event) {
             setColor(event, L"Text1", underPointer);
             setColor(event, L"Text2", buttonTextNormal);
         }},
        {L"Text2", Event::MouseMove,
         [setColor](EventArgs& event) {
             setColor(event, L"Text2", underPointer);
             setColor(event, L"Text1", buttonTextNormal);
         }},
        {nullptr, Event::MouseMove,
         [setColor](EventArgs& event) {
             setColor(event, L"Text1", buttonTextNormal);
             setColor(event, L"Text2", buttonTextNormal);
             setColor(event, L"lblMail", linkNormal);
             setColor(event, L"lblUrl", linkNormal);
         }},
    };
}

}  // namespace orvane::branding
