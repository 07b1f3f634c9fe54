// Base of every class of the catalogue: reference counting, the dual interface's
// IDispatch half (through the shared Dispatcher), error information and class info.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

#include <string>

#include "frame/automation/Dispatcher.h"
#include "frame/base/Errors.h"
#include "frame/base/Handles.h"
#include "frame/base/Module.h"

namespace orvane {

// A class's programmatic identifier: also the source of its errors and its long user type.
inline std::wstring programmaticIdOf(const wchar_t* className) { return std::wstring(L"TVOrvaneSuite.") + className; }

// Derived supplies `static constexpr const wchar_t* className` and `static const CLSID& classId()`.
template <class Derived, class Interface>
class ComObject : public Interface, public ISupportErrorInfo, public IProvideClassInfo {
public:
    ComObject() noexcept { module::objectCreated(); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    virtual ~ComObject() { module::objectDestroyed(); }

    static const IID& interfaceId() noexcept { return __uuidof(Interface); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == interfaceId()) {
            *out = static_cast<Interface*>(this);
        } else if (iid == IID_ISupportErrorInfo) {
            *out = static_cast<ISupportErrorInfo*>(this);
        } else if (iid == IID_IProvideClassInfo) {
            *out = static_cast<IProvideClassInfo*>(this);
        } else if (!(*out = static_cast<Derived*>(this)->queryExtra(iid))) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
    STDMETHODIMP_(ULONG) Release() override {
        LONG remaining = ::InterlockedDecrement(&references_);
        if (remaining == 0) delete static_cast<Derived*>(this);
        return static_cast<ULONG>(remaining);
    }

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_INVALIDARG;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info) return E_INVALIDARG;
        *info = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        if (!dispatcher()) return TYPE_E_CANTLOADLIBRARY;
        *info = dispatcher()->dispatchTypeInfo();
        (*info)->AddRef();
        return S_OK;
    }
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
        if (!dispatcher()) return TYPE_E_CANTLOADLIBRARY;
        return dispatcher()->getIDsOfNames(names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID member, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override {
        if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
        if (!dispatcher()) return TYPE_E_CANTLOADLIBRARY;
        try {
            return dispatcher()->invoke(static_cast<Interface*>(this), member, flags, params, result, exception,
                                        argumentError);
        } catch (...) {
            return caughtResult();
        }
    }

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override { return iid == interfaceId() ? S_OK : S_FALSE; }

    // IProvideClassInfo
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = nullptr;
        ITypeLib* library = typeLibrary();
        return library ? library->GetTypeInfoOfGuid(Derived::classId(), info) : TYPE_E_CANTLOADLIBRARY;
    }

    // The source that errors of this class carry.
    static const std::wstring& errorSource() {
        static const std::wstring source = programmaticIdOf(Derived::className);
        return source;
    }

    // Creates an instance with one reference held by the returned pointer.
    static ComPtr<Derived> create() {
        ComPtr<Derived> object = ComPtr<Derived>::attach(new Derived());
        object->initialize();
        return object;
    }

protected:
    // Runs a member body: exceptions become the error the client sees.
    template <class Body>
    HRESULT call(Body&& body) noexcept {
        return guarded(errorSource(), std::forward<Body>(body));
    }
    // Further interfaces a class answers (controls' persistence and the like).
    void* queryExtra(REFIID) noexcept { return nullptr; }
    // The class's Initialize handler; runs once right after construction.
    void initialize() {}

private:
    // Null only when the type library cannot be read (a damaged module).
    static Dispatcher* dispatcher() noexcept {
        static Dispatcher* shared = []() noexcept -> Dispatcher* {
            try {
                return &Dispatcher::forInterface(interfaceId());
            } catch (...) {
                return nullptr;
            }
        }();
        return shared;
    }

    LONG references_ = 1;
};

}  // namespace orvane
