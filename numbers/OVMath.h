// OVMath: increment and decrement of a variable, logarithms, ceiling and floor
// variants, the inverse trigonometric and the hyperbolic functions.
#pragma once

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVMath final : public Control<OVMath, _OVMath> {
public:
    static constexpr const wchar_t* className = L"OVMath";
    static constexpr int toolboxBitmap = 30008;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVMath; }

    STDMETHODIMP Inc(VARIANT* Value, VARIANT Amount, VARIANT* result) override;
    STDMETHODIMP Dec(VARIANT* Value, VARIANT Amount, VARIANT* result) override;
    STDMETHODIMP Log10(VARIANT Value, double* result) override;
    STDMETHODIMP LogX(VARIANT Value, VARIANT X, double* result) override;
    STDMETHODIMP Ceil(VARIANT Value, double* result) override;
    STDMETHODIMP Floor(VARIANT Value, double* result) override;
    STDMETHODIMP AbsCeil(VARIANT Value, VARIANT_BOOL KeepSign, double* result) override;
    STDMETHODIMP AbsFloor(VARIANT Value, VARIANT_BOOL KeepSign, double* result) override;
    STDMETHODIMP ASin(double* Value, double* result) override;
    STDMETHODIMP ACos(double Value, double* result) override;
    STDMETHODIMP ACot(double* Value, double* result) override;
    STDMETHODIMP ASec(double* Value, double* result) override;
    STDMETHODIMP ACsc(double* Value, double* result) override;
    STDMETHODIMP SinH(double* Value, double* result) override;
    STDMETHODIMP CosH(double* Value, double* result) override;
    STDMETHODIMP TanH(double* Value, double* result) override;
    STDMETHODIMP CotH(double* Value, double* result) override;
    STDMETHODIMP SecH(double* Value, double* result) override;
    STDMETHODIMP CscH(double* Value, double* result) override;
    STDMETHODIMP ASinH(double* Value, double* result) override;
    STDMETHODIMP ACosH(double* Value, double* result) override;
    STDMETHODIMP ATanH(double* Value, double* result) override;
    STDMETHODIMP ACotH(double* Value, double* result) override;
    STDMETHODIMP ASecH(double* Value, double* result) override;
    STDMETHODIMP ACscH(double* Value, double* result) override;

private:
    template <class Formula>
    HRESULT evaluate(const double* value, double* result, Formula&& formula);
    template <class Formula>
    HRESULT evaluate(const VARIANT& value, double* result, Formula&& formula);
    HRESULT step(VARIANT* value, const VARIANT& amount, VARIANT* result, bool increment);
};

}  // namespace orvane
