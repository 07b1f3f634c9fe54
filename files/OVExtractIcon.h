// OVExtractIcon: counts the icons of a file and draws one onto the host's device context.
#pragma once

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVExtractIcon final : public Control<OVExtractIcon, _OVExtractIcon> {
public:
    static constexpr const wchar_t* className = L"OVExtractIcon";
    static constexpr int toolboxBitmap = 30003;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVExtractIcon; }

    STDMETHODIMP get_FileName(BSTR* result) override;
    STDMETHODIMP put_FileName(BSTR value) override;
    STDMETHODIMP Count(long* result) override;
    STDMETHODIMP Extract(long* Index, OVExtractIconSizeConstants* IconSize, long* hdc, long* Left, long* Top,
                         VARIANT* result) override;

private:
    Bstr fileName_;
};

}  // namespace orvane
