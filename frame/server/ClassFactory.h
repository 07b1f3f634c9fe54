// The class factory handed out for every creatable class of the catalogue.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include "frame/server/Catalogue.h"

namespace orvane {

class ClassFactory final : public IClassFactory {
public:
    explicit ClassFactory(const ClassEntry& entry) noexcept;
    ~ClassFactory();

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    const ClassEntry& entry_;
    LONG references_ = 1;
};

// DllGetClassObject's work: CLASS_E_CLASSNOTAVAILABLE for classes not in the
// catalogue or not creatable.
HRESULT getClassObject(REFCLSID classId, REFIID iid, void** out) noexcept;

}  // namespace orvane
