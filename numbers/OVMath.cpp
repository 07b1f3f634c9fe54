#include "numbers/OVMath.h"

#include <cmath>

#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

// The literals the formulas use; rounded, so Log10(10) falls just short of 1.
constexpr double HALF_PI = 1.5707963267949;
constexpr double PI = 3.14159265358979;
constexpr double LN10 = 2.30258509299405;

// A Double as the runtime computes with it: every operation that leaves the Double
// range raises 6, a division by zero 11 and zero by zero 6, so no infinity or NaN
// ever reaches a caller. Operands are plain values; where both sides of an operator
// could fail, the formulas below compute the left side first, as the runtime does.
struct Real {
    Real(double number) : value(number) {}
    double value;
};

Real finite(double value) {
    if (!std::isfinite(value)) raise(error::Overflow);
    return value;
}

Real operator+(Real left, Real right) { return finite(left.value + right.value); }
Real operator-(Real left, Real right) { return finite(left.value - right.value); }
Real operator*(Real left, Real right) { return finite(left.value * right.value); }
Real operator/(Real left, Real right) {
    if (right.value == 0) raise(left.value == 0 ? error::Overflow : error::DivisionByZero);
    return finite(left.value / right.value);
}

Real Log(Real x) {
    if (x.value <= 0) raise(error::InvalidCall);
    return std::log(x.value);
}
// Underflow is not an error: Exp of a large negative value is 0.
Real Exp(Real x) { return finite(std::exp(x.value)); }
Real Sqr(Real x) {
    if (x.value < 0) raise(error::InvalidCall);
    return std::sqrt(x.value);
}
Real Atn(Real x) { return std::atan(x.value); }
Real Int(Real x) { return std::floor(x.value); }
Real Abs(Real x) { return std::fabs(x.value); }
short Sgn(Real x) { return x.value > 0 ? 1 : x.value < 0 ? -1 : 0; }

bool isOne(Real x) { return std::fabs(x.value) == 1.0; }

// A Double argument the runtime could not hold (an infinity or NaN from an
// early-bound caller) overflows as its conversion would.
Real argument(double value) { return finite(value); }

Real ceilingOfAbsolute(Real v, VARIANT_BOOL keepSign) {
    short s = keepSign ? Sgn(v) : 1;
    return Real(s) * Int(Abs(v) + 1);
}

Real floorOfAbsolute(Real v, VARIANT_BOOL keepSign) {
    short s = keepSign ? Sgn(v) : 1;
    return Real(s) * Int(Abs(v));
}

}  // namespace

template <class Formula>
HRESULT OVMath::evaluate(const double* value, double* result, Formula&& formula) {
    return call([&] {
        required(result);
        Real v = argument(*required(value));
        *result = formula(v).value;
    });
}

template <class Formula>
HRESULT OVMath::evaluate(const VARIANT& value, double* result, Formula&& formula) {
    return call([&] {
        required(result);
        Real v = runtime::toDouble(value);
        *result = formula(v).value;
    });
}

HRESULT OVMath::step(VARIANT* value, const VARIANT& amount, VARIANT* result, bool increment) {
    return call([&] {
        VARIANT& variable = runtime::dereference(*required(value));
        required(result);
        // Late-bound callers get the type library's default; an early-bound caller
        // that passes "missing" means the same 16-bit 1.
        Variant one = runtime::makeInteger(1);
        const VARIANT& by = runtime::isMissing(runtime::dereference(amount)) ? *one.get() : amount;
        Variant updated = increment ? runtime::add(variable, by) : runtime::subtract(variable, by);
        Variant returned = updated;
        // A by-reference variant does not own what it points to: clearing it is safe.
        ::VariantClear(&variable);
        updated.moveTo(&variable);
        returned.moveTo(result);
    });
}

STDMETHODIMP OVMath::Inc(VARIANT* Value, VARIANT Amount, VARIANT* result) { return step(Value, Amount, result, true); }

STDMETHODIMP OVMath::Dec(VARIANT* Value, VARIANT Amount, VARIANT* result) { return step(Value, Amount, result, false); }

STDMETHODIMP OVMath::Log10(VARIANT Value, double* result) {
    return evaluate(Value, result, [](Real v) { return Log(v) / LN10; });
}

STDMETHODIMP OVMath::LogX(VARIANT Value, VARIANT X, double* result) {
    return call([&] {
        required(result);
        Real v = runtime::toDouble(Value);
        Real x = runtime::toDouble(X);
        Real numerator = Log(v);
        *result = (numerator / Log(x)).value;
    });
}

STDMETHODIMP OVMath::Ceil(VARIANT Value, double* result) {
    return evaluate(Value, result, [](Real v) { return Int(v + 1); });
}

STDMETHODIMP OVMath::Floor(VARIANT Value, double* result) {
    return evaluate(Value, result, [](Real v) { return Int(v); });
}

STDMETHODIMP OVMath::AbsCeil(VARIANT Value, VARIANT_BOOL KeepSign, double* result) {
    return evaluate(Value, result, [&](Real v) { return ceilingOfAbsolute(v, KeepSign); });
}

STDMETHODIMP OVMath::AbsFloor(VARIANT Value, VARIANT_BOOL KeepSign, double* result) {
    return evaluate(Value, result, [&](Real v) { return floorOfAbsolute(v, KeepSign); });
}

STDMETHODIMP OVMath::ASin(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) {
        if (isOne(v)) return Real(Sgn(v)) * HALF_PI;
        return Atn(v / Sqr(1 - v * v));
    });
}

STDMETHODIMP OVMath::ACos(double Value, double* result) {
    return evaluate(&Value, result, [](Real v) {
        if (isOne(v)) return Real(v.value < 0 ? PI : 0);
        return HALF_PI - Atn(v / Sqr(1 - v * v));
    });
}

STDMETHODIMP OVMath::ACot(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) { return Atn(1 / v); });
}

STDMETHODIMP OVMath::ASec(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) {
        if (isOne(v)) return Real(v.value < 0 ? PI : 0);
        Real reciprocal = 1 / v;
        return HALF_PI - Atn(reciprocal / Sqr(1 - 1 / (v * v)));
    });
}

STDMETHODIMP OVMath::ACsc(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) {
        if (isOne(v)) return Real(Sgn(v)) * HALF_PI;
        Real reciprocal = 1 / v;
        return Atn(reciprocal / Sqr(1 - 1 / (v * v)));
    });
}

STDMETHODIMP OVMath::SinH(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) {
        Real E = Exp(v);
        return (E - 1 / E) / 2;
    });
}

STDMETHODIMP OVMath::CosH(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) {
        Real E = Exp(v);
        return (E + 1 / E) / 2;
    });
}

STDMETHODIMP OVMath::TanH(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) {
        Real E = Exp(v);
        Real numerator = E - 1 / E;
        return numerator / (E + 1 / E);
    });
}

STDMETHODIMP OVMath::CotH(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) {
        Real E = Exp(v);
        Real numerator = E + 1 / E;
        return numerator / (E - 1 / E);
    });
}

STDMETHODIMP OVMath::SecH(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) {
        Real E = Exp(v);
        return 2 / (E + 1 / E);
    });
}

STDMETHODIMP OVMath::CscH(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) {
        Real E = Exp(v);
        return 2 / (E - 1 / E);
    });
}

STDMETHODIMP OVMath::ASinH(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) { return Log(v + Sqr(v * v + 1)); });
}

STDMETHODIMP OVMath::ACosH(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) { return Log(v + Sqr(v * v - 1)); });
}

// At 0 the first 1 / v already fails: ATanH(0) raises 11, division by zero.
STDMETHODIMP OVMath::ATanH(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) {
        Real numerator = 1 / v + 1;
        return Log(numerator / (1 / v - 1)) / 2;
    });
}

STDMETHODIMP OVMath::ACotH(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) {
        Real numerator = v + 1;
        return Log(numerator / (v - 1)) / 2;
    });
}

STDMETHODIMP OVMath::ASecH(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) { return Log((Sqr(1 - v * v) + 1) / v); });
}

STDMETHODIMP OVMath::ACscH(double* Value, double* result) {
    return evaluate(Value, result, [](Real v) { return Log((Real(Sgn(v)) * Sqr(v * v + 1) + 1) / v); });
}

}  // namespace orvane
