#include "frame/base/Errors.h"

#include <oleauto.h>
#include <new>

#include "frame/base/Handles.h"

namespace orvane {

const wchar_t* standardText(long number) {
    switch (number) {
    case error::InvalidCall: return L"Invalid procedure call or argument";
    case error::Overflow: return L"Overflow";
    case error::OutOfMemory: return L"Out of memory";
    case error::SubscriptOutOfRange: return L"Subscript out of range";
    case error::DivisionByZero: return L"Division by zero";
    case error::TypeMismatch: return L"Type mismatch";
    case error::InternalError: return L"Internal error";
    case error::FileNotFound: return L"File not found";
    case error::DeviceUnavailable: return L"Device unavailable";
    case error::PathNotFound: return L"Path not found";
    case error::ObjectNotSet: return L"Object variable or With block variable not set";
    case error::InvalidUseOfNull: return L"Invalid use of Null";
    case error::InvalidPropertyValue: return L"Invalid property value";
    case error::ReadOnlyText: return L"'Text' property is read-only";
    case error::AlreadyDisplayed: return L"Form already displayed; can't show modally";
    case error::ObjectDoesNotSupport: return L"Object doesn't support this property or method";
    case error::EntryPointNotFound: return L"Specified DLL function not found";
    case error::DuplicateKey: return L"This key is already associated with an element of this collection";
    default: return L"";
    }
}

RuntimeError::RuntimeError(long number) : number_(number), description_(standardText(number)) {}

RuntimeError::RuntimeError(long number, std::wstring description, std::wstring source)
    : number_(number), description_(std::move(description)), source_(std::move(source)) {}

void raise(long number) { throw RuntimeError(number); }

void raise(long number, std::wstring description) { throw RuntimeError(number, std::move(description)); }

long errorNumberOf(HRESULT result) noexcept {
    if (SUCCEEDED(result)) return 0;
    if ((static_cast<unsigned long>(result) & 0xFFFF0000u) == 0x800A0000u) return result & 0xFFFF;
    switch (result) {
    case DISP_E_OVERFLOW: return error::Overflow;
    case DISP_E_TYPEMISMATCH:
    case DISP_E_BADVARTYPE: return error::TypeMismatch;
    case DISP_E_DIVBYZERO: return error::DivisionByZero;
    case E_OUTOFMEMORY: return error::OutOfMemory;
    case E_INVALIDARG: return error::InvalidCall;
    case DISP_E_BADINDEX: return error::SubscriptOutOfRange;
    // An object without the member a conversion needs (its default value).
    case DISP_E_MEMBERNOTFOUND: return error::ObjectDoesNotSupport;
    default: return 0;
    }
}

void check(HRESULT result) {
    if (SUCCEEDED(result)) return;
    if (long number = errorNumberOf(result)) {
        RuntimeError error(number);
        error.setOrigin(result);
        throw error;
    }
    throw ComFailure(result);
}

HRESULT reportError(const RuntimeError& error, const std::wstring& defaultSource) noexcept {
    ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(::CreateErrorInfo(create.put()))) {
        const std::wstring& source = error.source().empty() ? defaultSource : error.source();
        create->SetGUID(GUID_NULL);
        create->SetDescription(const_cast<LPOLESTR>(error.description().c_str()));
        create->SetSource(const_cast<LPOLESTR>(source.c_str()));
        create->SetHelpFile(nullptr);
        create->SetHelpContext(0);
        if (auto info = create.query<IErrorInfo>()) ::SetErrorInfo(0, info.get());
    }
    return errorResult(error.number());
}

HRESULT reportCurrentException(const std::wstring& source) noexcept {
    try {
        throw;
    } catch (const RuntimeError& error) {
        return reportError(error, source);
    } catch (const ComFailure& failure) {
        ::SetErrorInfo(0, nullptr);
        return failure.result();
    } catch (const std::bad_alloc&) {
        return reportError(RuntimeError(error::OutOfMemory), source);
    } catch (...) {
        return reportError(RuntimeError(error::InternalError), source);
    }
}

HRESULT caughtResult() noexcept {
    try {
        throw;
    } catch (const RuntimeError& error) {
        return error.number() == error::OutOfMemory ? E_OUTOFMEMORY : error.result();
    } catch (const ComFailure& failure) {
        return failure.result();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT dispatchFailure(HRESULT failure, EXCEPINFO* exception) noexcept {
    if (SUCCEEDED(failure) || !exception) return failure;
    *exception = EXCEPINFO{};
    exception->scode = failure;
    ComPtr<IErrorInfo> info;
    if (::GetErrorInfo(0, info.put()) == S_OK && info) {
        info->GetSource(&exception->bstrSource);
        info->GetDescription(&exception->bstrDescription);
        info->GetHelpFile(&exception->bstrHelpFile);
        info->GetHelpContext(&exception->dwHelpContext);
    } else if (long number = errorNumberOf(failure)) {
        exception->bstrDescription = ::SysAllocString(standardText(number));
    }
    return DISP_E_EXCEPTION;
}

}  // namespace orvane
