#include "shell/OVHelp.h"

#include <string>

#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

// Window handles travel as 32-bit numbers; the platform's handles are sign-extended.
HWND windowOf(long handle) { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle)); }

}  // namespace

// Window, file and command go through unexamined; commands that want data get 0.
STDMETHODIMP OVHelp::RunHtmlHelp(long* hwnd, BSTR* CHMFile, OVHtmlHelpConstants* Command, VARIANT* result) {
    return call([&] {
        required(result);
        const std::string file = runtime::toAnsi(*required(CHMFile));
        platform::hhctrl::HtmlHelpA(windowOf(*required(hwnd)), file.c_str(), static_cast<UINT>(*required(Command)), 0);
        runtime::roundTripAnsi(CHMFile);
        ::VariantInit(result);
    });
}

STDMETHODIMP OVHelp::RunWinHelp(long* hwnd, BSTR* WinFile, OVWinHelpConstants* Command, VARIANT* result) {
    return call([&] {
        required(result);
        const std::string file = runtime::toAnsi(*required(WinFile));
        platform::user32::WinHelpA(windowOf(*required(hwnd)), file.c_str(), static_cast<UINT>(*required(Command)), 0);
        runtime::roundTripAnsi(WinFile);
        ::VariantInit(result);
    });
}

}  // namespace orvane
