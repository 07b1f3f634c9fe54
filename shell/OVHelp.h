// OVHelp: opens a compiled HTML help file or a classic help file for a host window.
#pragma once

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVHelp final : public Control<OVHelp, _OVHelp> {
public:
    static constexpr const wchar_t* className = L"OVHelp";
    static constexpr int toolboxBitmap = 30004;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVHelp; }

    STDMETHODIMP RunHtmlHelp(long* hwnd, BSTR* CHMFile, OVHtmlHelpConstants* Command, VARIANT* result) override;
    STDMETHODIMP RunWinHelp(long* hwnd, BSTR* WinFile, OVWinHelpConstants* Command, VARIANT* result) override;
};

}  // namespace orvane
