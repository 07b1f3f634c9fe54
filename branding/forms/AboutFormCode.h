// The code both About forms share: the library's own title and version for the load
// handler, the two links, and starting the system-information tool.
#pragma once

#include <windows.h>

#include <string>

#include "frame/base/Platform.h"
#include "frame/forms/FormTable.h"

namespace orvane::branding {

// Calls of the About forms that tests redirect beside those of the binding service.
namespace calls {
extern platform::Entry<UINT(LPCSTR, UINT)> WinExec;
extern platform::Entry<HANDLE(LPCSTR, LPWIN32_FIND_DATAA)> FindFirstFileA;
extern platform::Entry<BOOL(HANDLE)> FindClose;
}  // namespace calls

// The library's application title, the default title of its message boxes.
const std::wstring& applicationTitle();
// "Version " & major & "." & minor & "." & revision of the library's own version record.
std::wstring applicationVersionText();

// Opens a link label's text through the shell, the default verb, from "C:\"; the
// mail link with "mailto:" in front of whatever the label holds. The shell's answer
// is not looked at.
void openWebLink(const std::wstring& url);
void openMailLink(const std::wstring& address);

// Reads one registry value as text into keyValue (text values whole, 32-bit numbers in
// decimal; other types leave keyValue as it was). False, with keyValue emptied, when the
// key cannot be opened with full access or the value cannot be read.
bool getKeyValue(HKEY root, const std::string& keyName, const std::string& valueName, std::string& keyValue);

// Starts the system-information tool from its registered path, or from its registered
// folder when MSINFO32.EXE is there; otherwise (and on any failure) tells the user it is
// unavailable.
void startSysInfo();

// The event handlers both About forms share: the load texts, closing, the links with
// their hover colours and the system-information button.
forms::HandlerMap aboutHandlers();

// Colours of the links and of the texts on the buttons.
inline constexpr forms::Color linkNormal = 0x00C00000;
inline constexpr forms::Color underPointer = 0x00FF0000;
inline constexpr forms::Color buttonTextNormal = 0x00000000;
// As both forms are designed: the links underlined, the texts on the buttons dark grey.
inline constexpr forms::Font linkFont = forms::font(L"MS Sans Serif", 8.25, forms::Underline);
inline constexpr forms::Color buttonTextDesigned = 0x00404040;

// The message startSysInfo shows when the tool cannot be started.
inline constexpr const wchar_t* sysInfoUnavailableText = L"System Information Is Unavailable At This Time";

}  // namespace orvane::branding
