#include "frame/control/DesignPage.h"

#include <algorithm>

#include "frame/automation/Runtime.h"
#include "frame/forms/Form.h"
#include "frame/forms/Program.h"
#include "frame/forms/Twips.h"

namespace orvane::branding {

namespace {

using forms::Event;
using forms::EventArgs;
using forms::FormControl;

// The selected controls are reached only through their public properties, by name.
DISPID memberOf(IDispatch* object, const wchar_t* name) {
    DISPID member = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &member))) {
        raise(438, L"Object doesn't support this property or method");
    }
    return member;
}

// A failed call of the control reaches the designer with the control's own number,
// description and source.
[[noreturn]] void raiseFailure(HRESULT result, EXCEPINFO& exception) {
    if (result == DISP_E_EXCEPTION) {
        if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
        Bstr description = Bstr::attach(exception.bstrDescription);
        Bstr source = Bstr::attach(exception.bstrSource);
        Bstr helpFile = Bstr::attach(exception.bstrHelpFile);
        long number = exception.scode ? errorNumberOf(exception.scode) : exception.wCode;
        if (!number) throw ComFailure(exception.scode ? exception.scode : E_FAIL);
        std::wstring text = description.length() ? description.c_str() : standardText(number);
        throw RuntimeError(number, text, source.c_str());
    }
    check(result);
    throw ComFailure(result);
}

Variant getProperty(IDispatch* object, const wchar_t* name) {
    DISPID member = memberOf(object, name);
    DISPPARAMS none{};
    Variant value;
    EXCEPINFO exception{};
    UINT argumentError = 0;
    HRESULT result = object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value.put(),
                                    &exception, &argumentError);
    if (FAILED(result)) raiseFailure(result, exception);
    return value;
}

void putProperty(IDispatch* object, const wchar_t* name, VARIANT value) {
    DISPID member = memberOf(object, name);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{&value, &named, 1, 1};
    EXCEPINFO exception{};
    UINT argumentError = 0;
    HRESULT result = object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters, nullptr,
                                    &exception, &argumentError);
    if (FAILED(result)) raiseFailure(result, exception);
}

void putText(IDispatch* object, const wchar_t* name, const std::wstring& text) {
    Bstr value(text.c_str());
    VARIANT argument;
    argument.vt = VT_BSTR;
    argument.bstrVal = value.get();
    putProperty(object, name, argument);
}

// The form runtime builds forms as top-level windows; a page lives inside the
// designer's window instead, and the designer's dialog manager moves the focus into
// and out of it (hence WS_EX_CONTROLPARENT).
void adoptAsChild(HWND window, HWND parent, const RECT& rect) {
    LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    style &= ~static_cast<LONG_PTR>(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_BORDER | WS_DLGFRAME |
                                    WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE);
    style |= WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    ::SetWindowLongPtrW(window, GWL_STYLE, style);
    LONG_PTR exStyle = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
    exStyle &= ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW | WS_EX_APPWINDOW | WS_EX_DLGMODALFRAME);
    exStyle |= WS_EX_CONTROLPARENT;
    ::SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle);
    if (!::SetParent(window, parent)) raise(error::OutOfMemory);
    ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool sameText(const std::wstring& left, const std::wstring& right) {
    return ::CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, left.c_str(), static_cast<int>(left.size()),
                            right.c_str(), static_cast<int>(right.size())) == CSTR_EQUAL;
}

// The controls that can take the focus, in their tab order.
std::vector<const FormControl*> inTabOrder(const forms::Form& form) {
    std::vector<const FormControl*> stops;
    for (const auto& control : form.controls()) {
        const forms::Kind kind = control->kind();
        if (!control->hwnd() || has(control->style(), forms::NoTabStop) || kind == forms::Kind::Label ||
            kind == forms::Kind::Image || kind == forms::Kind::Frame) {
            continue;
        }
        stops.push_back(control.get());
    }
    std::stable_sort(stops.begin(), stops.end(), [](const FormControl* a, const FormControl* b) {
        auto rank = [](const FormControl* control) {
            return control->layout().tabIndex < 0 ? 1000000 + control->id() : control->layout().tabIndex;
        };
        return rank(a) < rank(b);
    });
    return stops;
}

}  // namespace

DesignPageState::DesignPageState(const PageDefinition& definition) : definition_(definition) {}

DesignPageState::~DesignPageState() = default;

void DesignPageState::setSite(IPropertyPageSite* site) {
    if (site && site_) throw ComFailure(E_UNEXPECTED);
    site_ = site;
}

forms::HandlerMap DesignPageState::handlers() {
    forms::HandlerMap map;
    auto changed = [this](EventArgs&) { markDirty(); };
    // Picking an entry from the list changes the style as much as typing one; the page
    // selecting the loaded control's style is no change.
    auto picked = [this](EventArgs&) {
        if (!filling_) markDirty();
    };
    for (const PageBinding& binding : definition_.bindings) {
        map.push_back({binding.box, Event::Change, changed});
        if (binding.style) map.push_back({binding.box, Event::Click, picked});
    }
    map.push_back({definition_.clearButton, Event::Click, [this](EventArgs&) { clearControl(); }});
    return map;
}

void DesignPageState::activate(HWND parent, const RECT& rect) {
    if (form_) throw ComFailure(E_UNEXPECTED);
    if (!parent || !::IsWindow(parent)) throw ComFailure(E_INVALIDARG);
    auto form = std::make_unique<forms::Form>(definition_.form, definition_.controls, handlers());
    form->load();
    adoptAsChild(form->hwnd(), parent, rect);
    // Dialog navigation follows the order of the windows: put the tab stops in tab order.
    for (const FormControl* stop : inTabOrder(*form)) {
        ::SetWindowPos(stop->hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    form_ = std::move(form);
    if (!object_) return;
    try {
        std::unique_ptr<Loaded> values = std::move(pending_);
        if (!values) values = std::make_unique<Loaded>(read(object_.get()));
        fill(*values);
    } catch (...) {
        object_.reset();
        deactivate();
        throw;
    }
}

void DesignPageState::deactivate() noexcept {
    // The boxes go with the window: what they held and did not apply is dropped.
    form_.reset();
    pending_.reset();
}

void DesignPageState::pageInfo(PROPPAGEINFO& info) const {
    const size_t bytes = (::lstrlenW(definition_.title) + 1) * sizeof(wchar_t);
    auto* title = static_cast<wchar_t*>(::CoTaskMemAlloc(bytes));
    if (!title) throw ComFailure(E_OUTOFMEMORY);
    ::CopyMemory(title, definition_.title, bytes);
    info.cb = sizeof info;
    info.pszTitle = title;
    info.size = SIZE{forms::toPixelsX(definition_.form.width), forms::toPixelsY(definition_.form.height)};
    info.pszDocString = nullptr;
    info.pszHelpFile = nullptr;
    info.dwHelpContext = 0;
}

int DesignPageState::styleEntryCount(const PageBinding& binding) const {
    for (const forms::ControlLayout& row : definition_.controls) {
        if (::lstrcmpiW(row.name, binding.box) == 0) return static_cast<int>(row.items.size());
    }
    return 0;
}

DesignPageState::Loaded DesignPageState::read(IDispatch* object) const {
    Loaded values;
    values.texts.resize(definition_.bindings.size());
    for (size_t n = 0; n < definition_.bindings.size(); ++n) {
        const PageBinding& binding = definition_.bindings[n];
        Variant value = getProperty(object, binding.property);
        if (binding.style) {
            // The style is shown as the position of its entry: a number beyond 16 bits
            // overflows, one that names no entry cannot be selected.
            short position = runtime::toInteger(*value.get());
            if (position < -1 || position >= styleEntryCount(binding)) raise(error::InvalidPropertyValue);
            values.style = position;
        } else {
            values.texts[n] = runtime::bstrText(runtime::toText(*value.get()).get());
        }
    }
    return values;
}

void DesignPageState::fill(const Loaded& values) {
    // Filled text boxes still raise their change events, and so mark the page changed.
    struct Filling {
        bool& flag;
        ~Filling() { flag = false; }
    } filling{filling_ = true};
    for (size_t n = 0; n < definition_.bindings.size(); ++n) {
        const PageBinding& binding = definition_.bindings[n];
        FormControl& box = form_->control(binding.box);
        if (binding.style) {
            box.setListIndex(values.style);
        } else {
            box.setText(values.texts[n]);
        }
    }
}

void DesignPageState::setObjects(ULONG count, IUnknown** objects) {
    if (count && !objects) throw ComFailure(E_POINTER);
    // A selection that fails to load leaves none behind: an apply must not write the
    // previous control's texts into this one.
    object_.reset();
    pending_.reset();
    dirty_ = false;
    if (count == 0) return;
    if (!objects[0]) throw ComFailure(E_POINTER);
    ComPtr<IDispatch> first;
    if (FAILED(objects[0]->QueryInterface(IID_IDispatch, first.putVoid())) || !first) {
        throw ComFailure(E_NOINTERFACE);
    }
    Loaded values = read(first.get());
    object_ = first;
    if (form_) {
        fill(values);
    } else {
        pending_ = std::make_unique<Loaded>(std::move(values));
    }
}

void DesignPageState::show(UINT command) {
    if (!form_) throw ComFailure(E_UNEXPECTED);
    HWND window = form_->hwnd();
    ::ShowWindow(window, static_cast<int>(command));
    if (::IsWindowVisible(window)) {
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

void DesignPageState::move(const RECT& rect) {
    if (!form_) throw ComFailure(E_UNEXPECTED);
    ::SetWindowPos(form_->hwnd(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void DesignPageState::markDirty() {
    if (dirty_) return;
    dirty_ = true;
    if (site_) site_->OnStatusChange(PROPPAGESTATUS_DIRTY);
}

// The style box's text decides: an entry picked or typed gives its position, any other
// text gives -1.
int DesignPageState::stylePosition() const {
    for (const PageBinding& binding : definition_.bindings) {
        if (!binding.style) continue;
        FormControl& box = form_->control(binding.box);
        const std::wstring text = box.text();
        for (int position = 0; position < box.listCount(); ++position) {
            if (sameText(box.list(position), text)) return position;
        }
    }
    return -1;
}

void DesignPageState::apply() {
    if (!object_ || !form_) {
        dirty_ = false;
        return;
    }
    for (const PageBinding& binding : definition_.bindings) {
        if (binding.style) {
            VARIANT position;
            position.vt = VT_I4;
            position.lVal = stylePosition();
            putProperty(object_.get(), binding.property, position);
        } else {
            putText(object_.get(), binding.property, form_->control(binding.box).text());
        }
    }
    dirty_ = false;
}

// Clear empties the control's texts, not the page's boxes, and is no change of the page.
void DesignPageState::clearControl() {
    if (!object_) return;
    ComPtr<IDispatch> object = object_;
    try {
        for (const PageBinding& binding : definition_.bindings) {
            if (!binding.style) putText(object.get(), binding.property, std::wstring());
        }
    } catch (const RuntimeError& error) {
        // A button of the designer's dialog: report and stay, rather than end the designer.
        forms::msgBox(forms::unhandledErrorText(error), MB_OK | MB_ICONEXCLAMATION);
    } catch (const ComFailure&) {
        forms::msgBox(forms::unhandledErrorText(RuntimeError(error::InternalError)), MB_OK | MB_ICONEXCLAMATION);
    }
}

std::vector<HWND> DesignPageState::tabStops() const {
    std::vector<HWND> windows;
    for (const FormControl* control : inTabOrder(*form_)) {
        if (control->takesTab()) windows.push_back(control->hwnd());
    }
    return windows;
}

// Tab moves through the page in its tab order; at either end it is left to the
// designer, whose dialog manager takes the focus on to its own buttons.
bool DesignPageState::translateAccelerator(MSG& message) {
    if (!form_ || message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    if (::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0) return false;
    HWND page = form_->hwnd();
    if (!message.hwnd || (message.hwnd != page && !::IsChild(page, message.hwnd))) return false;
    const std::vector<HWND> stops = tabStops();
    const bool backwards = ::GetKeyState(VK_SHIFT) < 0;
    HWND focus = ::GetFocus();
    auto current = std::find_if(stops.begin(), stops.end(),
                                [&](HWND stop) { return stop == focus || ::IsChild(stop, focus); });
    if (current == stops.end()) return false;
    if (backwards ? current == stops.begin() : current + 1 == stops.end()) return false;
    HWND next = backwards ? *(current - 1) : *(current + 1);
    ::SetFocus(next);
    wchar_t className[16] = {};
    ::GetClassNameW(next, className, 16);
    if (::lstrcmpiW(className, L"Edit") == 0) ::SendMessageW(next, EM_SETSEL, 0, -1);
    return true;
}

bool DesignPageState::editProperty(DISPID member) {
    if (!object_ || !form_) return false;
    for (const PageBinding& binding : definition_.bindings) {
        DISPID bound = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(binding.property)};
        if (FAILED(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &bound)) || bound != member) continue;
        ::SetFocus(form_->control(binding.box).hwnd());
        return true;
    }
    return false;
}

}  // namespace orvane::branding
