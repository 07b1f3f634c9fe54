#include "frame/host/ControlSite.h"

#include <olectl.h>

#include "frame/base/Errors.h"

namespace orvane {

ComPtr<ControlSite> ControlSite::create(bool userMode) { return ComPtr<ControlSite>::attach(new ControlSite(userMode)); }

ControlSite::ControlSite(bool userMode) { setUserMode(userMode); }

void ControlSite::setUserMode(bool userMode) {
    VARIANT value;
    V_VT(&value) = VT_BOOL;
    V_BOOL(&value) = userMode ? VARIANT_TRUE : VARIANT_FALSE;
    setAmbient(DISPID_AMBIENT_USERMODE, value);
}

void ControlSite::setAmbient(DISPID dispid, const VARIANT& value) {
    Variant copy;
    check(::VariantCopy(copy.get(), const_cast<VARIANT*>(&value)));
    ambients_[dispid] = std::move(copy);
}

STDMETHODIMP ControlSite::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
        *out = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IDispatch) {
        *out = static_cast<IDispatch*>(this);
    } else if (iid == IID_IPropertyNotifySink) {
        *out = static_cast<IPropertyNotifySink*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ControlSite::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

STDMETHODIMP_(ULONG) ControlSite::Release() {
    LONG remaining = ::InterlockedDecrement(&references_);
    if (remaining == 0) delete this;
    return static_cast<ULONG>(remaining);
}

STDMETHODIMP ControlSite::SaveObject() { return S_OK; }

STDMETHODIMP ControlSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ControlSite::GetContainer(IOleContainer** container) {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ControlSite::ShowObject() { return S_OK; }
STDMETHODIMP ControlSite::OnShowWindow(BOOL) { return S_OK; }
STDMETHODIMP ControlSite::RequestNewObjectLayout() { return E_NOTIMPL; }

STDMETHODIMP ControlSite::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP ControlSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
}

STDMETHODIMP ControlSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) {
    if (ids) {
        for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    }
    return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP ControlSite::Invoke(DISPID member, REFIID iid, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                                 EXCEPINFO*, UINT*) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    auto found = ambients_.find(member);
    if (found == ambients_.end()) return DISP_E_MEMBERNOTFOUND;
    if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
    if (!result) return E_POINTER;
    return ::VariantCopy(result, found->second.get());
}

STDMETHODIMP ControlSite::OnChanged(DISPID dispid) {
    try {
        changes_.push_back(dispid);
        if (changedHandler_) changedHandler_(dispid);
    } catch (...) {
        return caughtResult();
    }
    return S_OK;
}

STDMETHODIMP ControlSite::OnRequestEdit(DISPID) { return S_OK; }

ComPtr<IDispatch> siteControl(IUnknown* control, ControlSite* site, IPropertyBag* bag) {
    if (!control || !site) throw ComFailure(E_POINTER);
    ComPtr<IUnknown> object(control);
    ComPtr<IOleObject> ole = object.query<IOleObject>();
    if (ole) check(ole->SetClientSite(site));
    if (auto container = object.query<IConnectionPointContainer>()) {
        ComPtr<IConnectionPoint> point;
        if (SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, point.put())) &&
            SUCCEEDED(point->Advise(static_cast<IPropertyNotifySink*>(site), &site->notifyCookie_))) {
            site->notifyPoint_ = point;
        }
    }
    if (bag) {
        ComPtr<IPersistPropertyBag> persist = object.query<IPersistPropertyBag>();
        if (!persist) throw ComFailure(E_NOINTERFACE);
        check(persist->Load(bag, nullptr));
    } else if (auto persist = object.query<IPersistStreamInit>()) {
        check(persist->InitNew());
    }
    ComPtr<IDispatch> dispatch = object.query<IDispatch>();
    if (!dispatch) throw ComFailure(E_NOINTERFACE);
    return dispatch;
}

ComPtr<IDispatch> createControl(const wchar_t* programmaticId, ControlSite* site, IPropertyBag* bag) {
    if (!programmaticId) throw ComFailure(E_POINTER);
    CLSID classId;
    check(::CLSIDFromProgID(programmaticId, &classId));
    ComPtr<IUnknown> object;
    check(::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.putVoid()));
    return siteControl(object.get(), site, bag);
}

void closeControl(IUnknown* control, ControlSite* site) noexcept {
    if (site && site->notifyPoint_) {
        site->notifyPoint_->Unadvise(site->notifyCookie_);
        site->notifyPoint_.reset();
        site->notifyCookie_ = 0;
    }
    if (!control) return;
    ComPtr<IUnknown> object(control);
    if (auto ole = object.query<IOleObject>()) {
        ole->Close(OLECLOSE_NOSAVE);
        ole->SetClientSite(nullptr);
    }
}

}  // namespace orvane
