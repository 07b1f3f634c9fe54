// The design-time property pages of the branding controls: a page is a form table plus
// the list of its boxes and the control properties they edit. DesignPageState does the
// work (building the form inside the designer's window, loading, applying, Clear);
// DesignPage puts IPropertyPage2 in front of it.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "frame/automation/ComObject.h"
#include "frame/forms/FormTable.h"

namespace orvane {
namespace forms {
class Form;
}

namespace branding {

// One box of a page and the control property it edits. The style box holds the style
// as the position of its entry.
struct PageBinding {
    const wchar_t* property;
    const wchar_t* box;
    bool style = false;
};

struct PageDefinition {
    const forms::FormLayout& form;
    std::span<const forms::ControlLayout> controls;
    // In the order of loading, of applying and (the style left out) of clearing.
    std::span<const PageBinding> bindings;
    const wchar_t* clearButton;
    const wchar_t* title;
};

class DesignPageState {
public:
    explicit DesignPageState(const PageDefinition& definition);
    ~DesignPageState();
    DesignPageState(const DesignPageState&) = delete;
    DesignPageState& operator=(const DesignPageState&) = delete;

    void setSite(IPropertyPageSite* site);
    void activate(HWND parent, const RECT& rect);
    void deactivate() noexcept;
    bool active() const noexcept { return form_ != nullptr; }
    void pageInfo(PROPPAGEINFO& info) const;
    void setObjects(ULONG count, IUnknown** objects);
    void show(UINT command);
    void move(const RECT& rect);
    bool dirty() const noexcept { return dirty_; }
    void apply();
    bool translateAccelerator(MSG& message);
    bool editProperty(DISPID member);

private:
    struct Loaded {
        std::vector<std::wstring> texts;  // by binding, the style's slot unused
        short style = -1;
    };

    Loaded read(IDispatch* object) const;
    void fill(const Loaded& values);
    void clearControl();
    void markDirty();
    int stylePosition() const;
    int styleEntryCount(const PageBinding& binding) const;
    std::vector<HWND> tabStops() const;
    forms::HandlerMap handlers();

    const PageDefinition& definition_;
    ComPtr<IPropertyPageSite> site_;
    ComPtr<IDispatch> object_;            // the first selected control
    std::unique_ptr<Loaded> pending_;     // read from a new selection, not yet shown
    std::unique_ptr<forms::Form> form_;
    bool dirty_ = false;
    bool filling_ = false;                // the page itself is putting a control's values in
};

// Derived supplies `static const PageDefinition& definition()` beside what ComObject needs.
template <class Derived, class Interface>
class DesignPage : public ComObject<Derived, Interface>, public IPropertyPage2 {
    using Base = ComObject<Derived, Interface>;

public:
    DesignPage() : state_(Derived::definition()) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override { return Base::QueryInterface(iid, out); }
    STDMETHODIMP_(ULONG) AddRef() override { return Base::AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return Base::Release(); }

    void* queryExtra(REFIID iid) noexcept {
        if (iid == IID_IPropertyPage || iid == IID_IPropertyPage2) return static_cast<IPropertyPage2*>(this);
        return nullptr;
    }
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override {
        return iid == IID_IPropertyPage || iid == IID_IPropertyPage2 ? S_OK : Base::InterfaceSupportsErrorInfo(iid);
    }

    // IPropertyPage
    STDMETHODIMP SetPageSite(IPropertyPageSite* site) override {
        return this->call([&] { state_.setSite(site); });
    }
    STDMETHODIMP Activate(HWND parent, LPCRECT rect, BOOL) override {
        return this->call([&] { state_.activate(parent, *required(rect)); });
    }
    STDMETHODIMP Deactivate() override {
        state_.deactivate();
        return S_OK;
    }
    STDMETHODIMP GetPageInfo(PROPPAGEINFO* info) override {
        return this->call([&] { state_.pageInfo(*required(info)); });
    }
    STDMETHODIMP SetObjects(ULONG count, IUnknown** objects) override {
        return this->call([&] { state_.setObjects(count, objects); });
    }
    STDMETHODIMP Show(UINT command) override {
        return this->call([&] { state_.show(command); });
    }
    STDMETHODIMP Move(LPCRECT rect) override {
        return this->call([&] { state_.move(*required(rect)); });
    }
    STDMETHODIMP IsPageDirty() override { return state_.dirty() ? S_OK : S_FALSE; }
    STDMETHODIMP Apply() override {
        return this->call([&] { state_.apply(); });
    }
    // The pages have no help of their own.
    STDMETHODIMP Help(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(MSG* message) override {
        if (!message) return E_POINTER;
        bool handled = false;
        HRESULT result = this->call([&] { handled = state_.translateAccelerator(*message); });
        return FAILED(result) ? result : handled ? S_OK : S_FALSE;
    }

    // IPropertyPage2: the designer asks for the box of one property.
    STDMETHODIMP EditProperty(DISPID member) override {
        bool found = false;
        HRESULT result = this->call([&] { found = state_.editProperty(member); });
        return FAILED(result) ? result : found ? S_OK : E_INVALIDARG;
    }

private:
    DesignPageState state_;
};

}  // namespace branding
}  // namespace orvane
