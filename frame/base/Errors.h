// The runtime's error numbers, their standard texts, and the one exception type
// that carries an error from inside a member to the COM boundary.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <string>

namespace orvane {

namespace error {
constexpr long InvalidCall = 5;          // "Invalid procedure call or argument"
constexpr long Overflow = 6;
constexpr long OutOfMemory = 7;
constexpr long SubscriptOutOfRange = 9;
constexpr long DivisionByZero = 11;
constexpr long TypeMismatch = 13;
constexpr long InternalError = 51;
constexpr long FileNotFound = 53;
constexpr long DeviceUnavailable = 68;
constexpr long PathNotFound = 76;
constexpr long ObjectNotSet = 91;
constexpr long InvalidUseOfNull = 94;
constexpr long InvalidPropertyValue = 380;
constexpr long ReadOnlyText = 383;      // "'Text' property is read-only"
constexpr long AlreadyDisplayed = 400;  // "Form already displayed; can't show modally"
constexpr long ObjectDoesNotSupport = 438;  // "Object doesn't support this property or method"
constexpr long EntryPointNotFound = 453;
constexpr long DuplicateKey = 457;
}  // namespace error

// The standard description of a runtime error number ("" for numbers without one).
const wchar_t* standardText(long number);

// HRESULT under which an error number reaches a client: 0x800A0000 + number.
constexpr HRESULT errorResult(long number) {
    return static_cast<HRESULT>(0x800A0000u | (static_cast<unsigned long>(number) & 0xFFFFu));
}

class RuntimeError {
public:
    explicit RuntimeError(long number);
    RuntimeError(long number, std::wstring description, std::wstring source = {});

    long number() const noexcept { return number_; }
    // The result it stands for where no error information travels: the failure it was
    // raised from (see check), else 0x800A0000 + number.
    HRESULT result() const noexcept { return origin_ ? origin_ : errorResult(number_); }
    void setOrigin(HRESULT origin) noexcept { origin_ = origin; }
    const std::wstring& description() const noexcept { return description_; }
    // Empty means "the object that raised it".
    const std::wstring& source() const noexcept { return source_; }
    void setSource(std::wstring source) { source_ = std::move(source); }

private:
    long number_;
    HRESULT origin_ = S_OK;
    std::wstring description_;
    std::wstring source_;
};

// A plain COM failure that is not a runtime error (E_POINTER for a missing out pointer).
class ComFailure {
public:
    explicit ComFailure(HRESULT result) noexcept : result_(result) {}
    HRESULT result() const noexcept { return result_; }

private:
    HRESULT result_;
};

[[noreturn]] void raise(long number);
[[noreturn]] void raise(long number, std::wstring description);

// The one way a failed result becomes an exception: a result that stands for a runtime
// error (an automation failure such as DISP_E_TYPEMISMATCH) as that error, remembering
// the result; any other as a ComFailure.
void check(HRESULT result);
// The runtime error number for a failed automation result (0 when there is none).
long errorNumberOf(HRESULT result) noexcept;

// Records the error for IErrorInfo and returns the HRESULT to hand out.
HRESULT reportError(const RuntimeError& error, const std::wstring& defaultSource) noexcept;
// The catch at every COM entry point: the current exception becomes an HRESULT.
HRESULT reportCurrentException(const std::wstring& source) noexcept;
// The same for members of interfaces that carry no error information (persistence,
// connection points, class factories, registration): the current exception as the
// HRESULT it stands for, with nothing recorded. Used as `catch (...) { return caughtResult(); }`.
HRESULT caughtResult() noexcept;

// What IDispatch::Invoke returns for a failed member: DISP_E_EXCEPTION with the
// recorded error information in EXCEPINFO, or the failure itself without one.
HRESULT dispatchFailure(HRESULT failure, EXCEPINFO* exception) noexcept;

// Runs a member body at the COM boundary: nothing throws across it.
template <class Body>
HRESULT guarded(const std::wstring& source, Body&& body) noexcept {
    try {
        body();
        return S_OK;
    } catch (...) {
        return reportCurrentException(source);
    }
}

template <class T>
T* required(T* pointer) {
    if (!pointer) throw ComFailure(E_POINTER);
    return pointer;
}

}  // namespace orvane
