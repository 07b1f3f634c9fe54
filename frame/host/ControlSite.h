// The host side of the control protocol, for programs, forms and tests that place a
// control: a client site with ambient properties (UserMode true unless told
// otherwise) that can also listen to the control's property changes, and the calls
// that create, site, initialise and close a control.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <map>
#include <vector>

#include "frame/base/Handles.h"

namespace orvane {

class ControlSite final : public IOleClientSite, public IDispatch, public IPropertyNotifySink {
public:
    static ComPtr<ControlSite> create(bool userMode = true);

    // Ambient properties the site answers (UserMode is DISPID_AMBIENT_USERMODE).
    void setUserMode(bool userMode);
    void setAmbient(DISPID dispid, const VARIANT& value);
    // Called for every OnChanged the sited control sends, after it is recorded.
    void onChanged(std::function<void(DISPID)> handler) { changedHandler_ = std::move(handler); }
    const std::vector<DISPID>& changes() const noexcept { return changes_; }
    void clearChanges() noexcept { changes_.clear(); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IOleClientSite
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL show) override;
    STDMETHODIMP RequestNewObjectLayout() override;
    // IDispatch: the ambient properties
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;
    // IPropertyNotifySink
    STDMETHODIMP OnChanged(DISPID dispid) override;
    STDMETHODIMP OnRequestEdit(DISPID dispid) override;

private:
    explicit ControlSite(bool userMode);
    ~ControlSite() = default;

    friend ComPtr<IDispatch> siteControl(IUnknown*, ControlSite*, IPropertyBag*);
    friend void closeControl(IUnknown*, ControlSite*) noexcept;

    LONG references_ = 1;
    std::map<DISPID, Variant> ambients_;
    ComPtr<IConnectionPoint> notifyPoint_;
    DWORD notifyCookie_ = 0;
    std::vector<DISPID> changes_;
    std::function<void(DISPID)> changedHandler_;
};

// Sites a control already created: SetClientSite, the site connected to its
// property-change point, then InitNew (no bag) or Load from the bag. Returns the
// control's IDispatch; a failing call throws as check() does (caughtResult() gives its
// HRESULT back).
ComPtr<IDispatch> siteControl(IUnknown* control, ControlSite* site, IPropertyBag* bag = nullptr);
// Creates the control registered under a programmatic identifier
// ("TVOrvaneSuite.OVAboutBox") and sites it as siteControl does.
ComPtr<IDispatch> createControl(const wchar_t* programmaticId, ControlSite* site, IPropertyBag* bag = nullptr);
// What a host does when it removes a control: disconnects its site's sink, closes it
// without saving and takes the site back.
void closeControl(IUnknown* control, ControlSite* site) noexcept;

}  // namespace orvane
