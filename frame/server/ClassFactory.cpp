#include "frame/server/ClassFactory.h"

#include <new>

#include "frame/base/Module.h"

namespace orvane {

ClassFactory::ClassFactory(const ClassEntry& entry) noexcept : entry_(entry) { module::objectCreated(); }

ClassFactory::~ClassFactory() { module::objectDestroyed(); }

STDMETHODIMP ClassFactory::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ClassFactory::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

STDMETHODIMP_(ULONG) ClassFactory::Release() {
    LONG remaining = ::InterlockedDecrement(&references_);
    if (remaining == 0) delete this;
    return static_cast<ULONG>(remaining);
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return entry_.create(iid, out);
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
    if (lock) {
        module::lock();
    } else {
        module::unlock();
    }
    return S_OK;
}

HRESULT getClassObject(REFCLSID classId, REFIID iid, void** out) noexcept {
    if (!out) return E_POINTER;
    *out = nullptr;
    const ClassEntry* entry = findClass(classId);
    if (!entry || !entry->create) return CLASS_E_CLASSNOTAVAILABLE;
    ClassFactory* factory = new (std::nothrow) ClassFactory(*entry);
    if (!factory) return E_OUTOFMEMORY;
    HRESULT result = factory->QueryInterface(iid, out);
    factory->Release();
    return result;
}

}  // namespace orvane
