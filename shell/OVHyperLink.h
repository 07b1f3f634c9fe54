// OVHyperLink: hands a web address or a mail address to the shell, which opens it
// with its associated program.
#pragma once

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVHyperLink final : public Control<OVHyperLink, _OVHyperLink> {
public:
    static constexpr const wchar_t* className = L"OVHyperLink";
    static constexpr int toolboxBitmap = 30005;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVHyperLink; }

    STDMETHODIMP GoUrl(BSTR* http, VARIANT* result) override;
    STDMETHODIMP SendMail(BSTR* Mailto, VARIANT* result) override;
};

}  // namespace orvane
