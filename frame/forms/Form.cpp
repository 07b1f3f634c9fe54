#include "frame/forms/Form.h"

#include "frame/base/Errors.h"
#include "frame/forms/DeviceContext.h"
#include "frame/forms/FormMessages.h"
#include "frame/forms/GdiCache.h"
#include "frame/forms/KeyboardHook.h"
#include "frame/forms/Program.h"
#include "frame/forms/Surface.h"
#include "frame/forms/Twips.h"

#include <algorithm>
#include <map>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace orvane::forms {

namespace {

constexpr const wchar_t* FormClass = L"OrvaneForm";
constexpr int FirstControlId = 1000;
constexpr int FrameBorderPixels = 2;

HINSTANCE moduleInstance() noexcept { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

void registerFormClass() {
    static const ATOM atom = [] {
        WNDCLASSEXW windowClass{sizeof windowClass};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hInstance = moduleInstance();
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = FormClass;
        return ::RegisterClassExW(&windowClass);
    }();
    if (!atom && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) raise(error::OutOfMemory);
}

std::vector<Form*>& threadForms() {
    thread_local std::vector<Form*> forms;
    return forms;
}

// Owner of captioned forms that stay off the task bar: an owned window gets no button.
HWND parkingWindow() {
    thread_local UniqueWindow window;
    if (!window || !::IsWindow(window.get())) {
        registerFormClass();
        window.reset(::CreateWindowExW(WS_EX_TOOLWINDOW, FormClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       moduleInstance(), nullptr));
    }
    return window.get();
}

DWORD formStyle(const FormLayout& layout, DWORD& exStyle) {
    DWORD style = WS_POPUP | WS_CLIPCHILDREN;
    exStyle = WS_EX_CONTROLPARENT;
    const bool titleBar = has(layout.style, TitleBar);
    switch (layout.border) {
    case BorderStyle::None:
        break;
    case BorderStyle::FixedSingle:
        style |= titleBar ? WS_CAPTION : WS_BORDER;
        break;
    case BorderStyle::Sizable:
        style |= WS_THICKFRAME | (titleBar ? WS_CAPTION : 0);
        break;
    case BorderStyle::FixedDialog:
        style |= titleBar ? WS_CAPTION : WS_DLGFRAME;
        exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case BorderStyle::FixedToolWindow:
        style |= titleBar ? WS_CAPTION : WS_BORDER;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    case BorderStyle::SizableToolWindow:
        style |= WS_THICKFRAME | (titleBar ? WS_CAPTION : 0);
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (titleBar && has(layout.style, ControlBox)) {
        style |= WS_SYSMENU;
        const bool canHaveButtons = layout.border == BorderStyle::FixedSingle || layout.border == BorderStyle::Sizable;
        if (canHaveButtons && has(layout.style, MinButton)) style |= WS_MINIMIZEBOX;
        if (canHaveButtons && has(layout.style, MaxButton)) style |= WS_MAXIMIZEBOX;
    }
    if (has(layout.style, InTaskbar)) {
        exStyle |= WS_EX_APPWINDOW;
    } else if (!titleBar) {
        // Without a caption bar a tool window looks the same and keeps off the task bar.
        exStyle |= WS_EX_TOOLWINDOW;
    }
    return style;
}

}  // namespace

Form::Form(const FormLayout& layout, std::span<const ControlLayout> controls, HandlerMap handlers)
    : layout_(layout), table_(controls), handlers_(std::move(handlers)), backColor_(layout.backColor),
      foreColor_(layout.foreColor), font_(layout.font.empty() ? DefaultFormFont : layout.font),
      autoRedraw_(has(layout.style, AutoRedraw)) {}

Form::Form(const FormDefinition& definition)
    : Form(definition.form, definition.controls, definition.handlers ? definition.handlers() : HandlerMap{}) {}

Form::~Form() { destroyWindows(); }

Form& Form::instance(const FormDefinition& definition) {
    thread_local std::map<const FormDefinition*, std::unique_ptr<Form>> instances;
    auto& slot = instances[&definition];
    if (!slot) slot = std::make_unique<Form>(definition);
    return *slot;
}

Form* Form::fromWindow(HWND window) noexcept {
    if (!window) return nullptr;
    for (Form* form : threadForms()) {
        if (form->window_ == window) return form;
    }
    return nullptr;
}

std::vector<Form*> Form::loadedForms() { return threadForms(); }

// Loading and unloading.

void Form::load() {
    if (window_) return;
    if (dispatchDepth_ == 0) retired_.clear();
    backColor_ = layout_.backColor;
    foreColor_ = layout_.foreColor;
    font_ = layout_.font.empty() ? DefaultFormFont : layout_.font;
    autoRedraw_ = has(layout_.style, AutoRedraw);
    placed_ = false;
    lastFocus_ = nullptr;
    gdi_ = std::make_unique<GdiCache>();
    createWindow();
    threadForms().push_back(this);
    attachKeyboardHook();
    try {
        ::SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_->font(font_)->get()), FALSE);
        // Frames first: they lie beneath the controls they hold.
        std::vector<size_t> order;
        for (size_t row = 0; row < table_.size(); ++row) {
            if (table_[row].kind == Kind::Frame) order.push_back(row);
        }
        for (size_t row = 0; row < table_.size(); ++row) {
            if (table_[row].kind != Kind::Frame) order.push_back(row);
        }
        controls_.clear();
        controls_.reserve(table_.size());
        for (size_t row = 0; row < table_.size(); ++row) {
            controls_.push_back(std::make_unique<FormControl>(*this, table_[row], FirstControlId + static_cast<int>(row)));
        }
        for (size_t row : order) {
            FormControl& control = *controls_[row];
            control.create(window_);
            // Each window goes above those made before it: later rows lie on top.
            if (HWND child = control.hwnd()) {
                ::SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            }
        }
        if (autoRedraw_) {
            RECT client;
            ::GetClientRect(window_, &client);
            surface_ = std::make_unique<Surface>(client.right, client.bottom, resolveColor(backColor_));
        }
    } catch (...) {
        destroyWindows();
        throw;
    }
    // An error in Load goes to whoever asked for the form, which is then not loaded.
    EventArgs args{*this, nullptr, Event::Load};
    try {
        dispatch(args, true);
    } catch (...) {
        destroyWindows();
        throw;
    }
}

void Form::createWindow() {
    registerFormClass();
    DWORD exStyle = 0;
    DWORD style = formStyle(layout_, exStyle);
    RECT outer{0, 0, toPixelsX(layout_.width), toPixelsY(layout_.height)};
    ::AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    HWND owner = nullptr;
    if (has(layout_.style, TitleBar) && !has(layout_.style, InTaskbar)) owner = parkingWindow();
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (layout_.startUp == StartUp::Manual) {
        x = toPixelsX(layout_.left);
        y = toPixelsY(layout_.top);
    }
    window_ = ::CreateWindowExW(exStyle, FormClass, layout_.caption, style, x, y, outer.right - outer.left,
                                outer.bottom - outer.top, owner, nullptr, moduleInstance(), nullptr);
    if (!window_) raise(error::OutOfMemory);
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::windowProc));
    // CW_USEDEFAULT ignores the size of popup windows: set it again.
    ::SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::destroyWindows() noexcept {
    if (!window_) return;
    for (auto& control : controls_) control->destroy();
    HWND window = std::exchange(window_, nullptr);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    ::DestroyWindow(window);
    forgetWindows();
    if (dispatchDepth_ == 0) retired_.clear();
    printed_.clear();
}

// The controls whose windows are gone wait in retired_ until no event runs any more.
void Form::forgetWindows() noexcept {
    for (auto& control : controls_) control->destroy();
    std::move(controls_.begin(), controls_.end(), std::back_inserter(retired_));
    controls_.clear();
    surface_.reset();
    if (gdi_) gdi_->clear();
    auto& forms = threadForms();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    detachKeyboardHook();
}

void Form::releaseRetired() noexcept {
    if (dispatchDepth_ == 0) retired_.clear();
}

bool Form::unload(UnloadMode mode) {
    if (!window_) return true;
    EventArgs query{*this, nullptr, Event::QueryUnload};
    query.unloadMode = mode;
    fire(query);
    if (query.cancel || !window_) return !window_;
    EventArgs unloading{*this, nullptr, Event::Unload};
    unloading.unloadMode = mode;
    fire(unloading);
    if (unloading.cancel) return false;
    destroyWindows();
    return true;
}

// Showing.

void Form::placeAtStartUp(HWND owner) {
    if (placed_) return;
    placed_ = true;
    RECT rect;
    ::GetWindowRect(window_, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    RECT area{};
    switch (layout_.startUp) {
    case StartUp::ScreenCentre:
        area = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        break;
    case StartUp::OwnerCentre:
        if (owner && ::IsWindow(owner)) {
            ::GetWindowRect(owner, &area);
            break;
        }
        return;   // no owner: where the platform put it
    default:
        return;
    }
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    ::SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::show(HWND owner) {
    load();
    if (!window_) return;   // Load unloaded it again, or ended the program
    placeAtStartUp(owner);
    if (owner && ::IsWindow(owner)) ::SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    ::ShowWindow(window_, SW_SHOWNORMAL);
    ::SetForegroundWindow(window_);
    HWND focus = ::GetFocus();
    if (!focus || ::GetAncestor(focus, GA_ROOT) != window_) tabFrom(nullptr, false);
    // Painted now: a host that pumps no messages would never show it otherwise.
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Form::showModal(HWND owner) {
    if (modal_) raise(error::AlreadyDisplayed);
    load();
    if (!window_) return;
    std::vector<HWND> disabled;
    if (owner && ::IsWindowEnabled(owner)) disabled.push_back(owner);
    if (!owner) {
        for (Form* other : threadForms()) {
            if (other != this && other->window_ && ::IsWindowEnabled(other->window_)) disabled.push_back(other->window_);
        }
    }
    for (HWND window : disabled) ::EnableWindow(window, FALSE);
    modal_ = true;
    show(owner);
    MSG message;
    bool quit = false;
    while (window_ && ::IsWindowVisible(window_)) {
        if (::GetMessageW(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    modal_ = false;
    for (HWND window : disabled) {
        if (::IsWindow(window)) ::EnableWindow(window, TRUE);
    }
    if (quit) ::PostQuitMessage(static_cast<int>(message.wParam));
}

void Form::hide() {
    load();
    if (window_) ::ShowWindow(window_, SW_HIDE);
}

bool Form::visible() const noexcept { return window_ && ::IsWindowVisible(window_); }

HWND Form::hwnd() {
    load();
    return window_;
}

std::wstring Form::caption() const {
    if (!window_) return layout_.caption;
    int length = ::GetWindowTextLengthW(window_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(0, ::GetWindowTextW(window_, text.data(), length + 1))));
    return text;
}

void Form::setCaption(const std::wstring& caption) {
    load();
    if (window_) ::SetWindowTextW(window_, caption.c_str());
}

// Controls.

FormControl* Form::find(std::wstring_view name, int index) {
    load();
    for (auto& control : controls_) {
        if (::lstrcmpiW(std::wstring(name).c_str(), control->name()) != 0) continue;
        if (index < 0 || control->index() == index) return control.get();
    }
    return nullptr;
}

FormControl& Form::control(std::wstring_view name, int index) {
    FormControl* found = find(name, index);
    if (!found) raise(error::SubscriptOutOfRange);
    return *found;
}

std::vector<FormControl*> Form::controlArray(std::wstring_view name) {
    load();
    std::vector<FormControl*> elements;
    for (auto& control : controls_) {
        if (::lstrcmpiW(std::wstring(name).c_str(), control->name()) == 0) elements.push_back(control.get());
    }
    return elements;
}

FormControl* Form::controlById(int id) noexcept {
    size_t row = static_cast<size_t>(id - FirstControlId);
    return id >= FirstControlId && row < controls_.size() ? controls_[row].get() : nullptr;
}

FormControl* Form::controlByWindow(HWND window) noexcept {
    for (HWND current = window; current && current != window_; current = ::GetParent(current)) {
        for (auto& control : controls_) {
            if (control->hwnd() == current) return control.get();
        }
    }
    return nullptr;
}

POINT Form::containerOrigin(const FormControl& control) const noexcept {
    const wchar_t* container = control.layout().container;
    if (!container || !*container) return POINT{0, 0};
    for (auto& candidate : controls_) {
        if (candidate.get() != &control && candidate->kind() == Kind::Frame &&
            ::lstrcmpiW(candidate->name(), container) == 0) {
            POINT outer = containerOrigin(*candidate);
            return POINT{outer.x + toPixelsX(candidate->left()), outer.y + toPixelsY(candidate->top())};
        }
    }
    return POINT{0, 0};
}

bool Form::containerArea(const FormControl& control, RECT& area) const noexcept {
    const wchar_t* container = control.layout().container;
    if (!container || !*container) return false;
    for (auto& candidate : controls_) {
        if (candidate.get() != &control && candidate->kind() == Kind::Frame &&
            ::lstrcmpiW(candidate->name(), container) == 0) {
            area = candidate->pixelRect();
            // Inside the frame's etched border, two pixels wide.
            ::InflateRect(&area, -FrameBorderPixels, -FrameBorderPixels);
            // A frame inside a frame is cut off by the outer one too.
            RECT outer;
            if (containerArea(*candidate, outer)) ::IntersectRect(&area, &area, &outer);
            return true;
        }
    }
    return false;
}

FormControl* Form::defaultButton() noexcept {
    for (auto& control : controls_) {
        if (control->kind() == Kind::CommandButton && has(control->style(), DefaultButton)) return control.get();
    }
    return nullptr;
}

FormControl* Form::cancelButton() noexcept {
    for (auto& control : controls_) {
        if (control->kind() == Kind::CommandButton && has(control->style(), CancelButton)) return control.get();
    }
    return nullptr;
}

bool Form::tabFrom(HWND focus, bool backwards) {
    std::vector<FormControl*> stops;
    for (auto& control : controls_) {
        if (control->takesTab()) stops.push_back(control.get());
    }
    if (stops.empty()) return false;
    std::stable_sort(stops.begin(), stops.end(), [](const FormControl* a, const FormControl* b) {
        auto rank = [](const FormControl* control) {
            return control->layout().tabIndex < 0 ? 1000000 + control->id() : control->layout().tabIndex;
        };
        return rank(a) < rank(b);
    });
    FormControl* current = focus ? controlByWindow(focus) : nullptr;
    auto at = std::find(stops.begin(), stops.end(), current);
    FormControl* next;
    if (at == stops.end()) {
        next = backwards ? stops.back() : stops.front();
    } else if (backwards) {
        next = at == stops.begin() ? stops.back() : *(at - 1);
    } else {
        next = (at + 1) == stops.end() ? stops.front() : *(at + 1);
    }
    ::SetFocus(next->hwnd());
    if (next->kind() == Kind::TextBox) ::SendMessageW(next->hwnd(), EM_SETSEL, 0, -1);
    return true;
}

// Geometry of the form.

double Form::left() {
    RECT rect;
    ::GetWindowRect(hwnd(), &rect);
    return toTwipsX(rect.left);
}

double Form::top() {
    RECT rect;
    ::GetWindowRect(hwnd(), &rect);
    return toTwipsY(rect.top);
}

double Form::width() {
    RECT rect;
    ::GetWindowRect(hwnd(), &rect);
    return toTwipsX(rect.right - rect.left);
}

double Form::height() {
    RECT rect;
    ::GetWindowRect(hwnd(), &rect);
    return toTwipsY(rect.bottom - rect.top);
}

double Form::scaleWidth() {
    RECT rect;
    ::GetClientRect(hwnd(), &rect);
    return toTwipsX(rect.right);
}

double Form::scaleHeight() {
    RECT rect;
    ::GetClientRect(hwnd(), &rect);
    return toTwipsY(rect.bottom);
}

void Form::move(double left, double top) {
    placed_ = true;
    ::SetWindowPos(hwnd(), nullptr, toPixelsX(left), toPixelsY(top), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::move(double left, double top, double width, double height) {
    if (width < 0 || height < 0) raise(error::InvalidPropertyValue);
    placed_ = true;
    ::SetWindowPos(hwnd(), nullptr, toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

// Appearance and drawing.

void Form::setBackColor(Color color) {
    checkColor(color);
    backColor_ = color;
    if (surface_) surface_->clear(resolveColor(color));
    refresh();
}

void Form::setForeColor(Color color) {
    checkColor(color);
    foreColor_ = color;
}

void Form::setFont(const Font& font) {
    font_ = font.empty() ? DefaultFormFont : font;
}

void Form::setAutoRedraw(bool on) {
    load();
    autoRedraw_ = on;
    if (on && !surface_ && window_) {
        RECT client;
        ::GetClientRect(window_, &client);
        surface_ = std::make_unique<Surface>(client.right, client.bottom, resolveColor(backColor_));
    }
}

void Form::print(const std::wstring& text) {
    load();
    if (!window_) return;
    printed_.push_back(text);
    if (surface_) {
        surface_->print(text, gdi_->font(font_)->get(), resolveColor(foreColor_));
        if (visible()) refresh();
        return;
    }
    // Without a persistent surface the text goes straight to the window and is lost at
    // the next repaint, as with any direct drawing.
    UniqueWindowDc windowContext = windowDc(window_);
    HDC dc = windowContext.get().dc;
    Selection font(dc, gdi_->font(font_)->get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, resolveColor(foreColor_));
    ::TextOutW(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
}

void Form::cls() {
    printed_.clear();
    if (surface_) surface_->clear(resolveColor(backColor_));
    refresh();
}

HDC Form::hdc() {
    load();
    if (surface_) {
        ::InvalidateRect(window_, nullptr, FALSE);
        return surface_->dc();
    }
    raise(error::ObjectDoesNotSupport);
}

void Form::refresh() {
    if (window_) ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Form::paintBackground(HDC dc, const RECT& area, POINT) {
    if (surface_) {
        surface_->copyTo(dc, area);
    } else {
        ::FillRect(dc, &area, gdi_->brush(backColor_));
    }
    for (auto& control : controls_) {
        if (control->kind() == Kind::Shape || control->kind() == Kind::Line) control->paintDecoration(dc);
    }
}

void Form::paint(HDC dc, const RECT& area) { paintBackground(dc, area, POINT{0, 0}); }

// Events.

bool Form::handledBy(const HandlerRow& row, Event event, const FormControl* control) const noexcept {
    if (row.event != event || !row.handler) return false;
    const bool forForm = !row.control || !*row.control || ::lstrcmpiW(row.control, layout_.name) == 0;
    return control ? !forForm && ::lstrcmpiW(row.control, control->name()) == 0 : forForm;
}

bool Form::handles(Event event, const FormControl* control) const {
    return std::any_of(handlers_.begin(), handlers_.end(),
                       [&](const HandlerRow& row) { return handledBy(row, event, control); });
}

bool Form::fire(Event event, FormControl* control) {
    EventArgs args{*this, control, event};
    return fire(args);
}

bool Form::fire(EventArgs& args) { return dispatch(args, false); }

// Every handler mapped to the event runs, in map order; an error stops the rest.
bool Form::dispatch(EventArgs& args, bool propagate) {
    if (!handles(args.event, args.control)) return false;
    struct Depth {
        Form& form;
        explicit Depth(Form& owner) : form(owner) { ++form.dispatchDepth_; }
        ~Depth() {
            --form.dispatchDepth_;
            form.releaseRetired();
        }
    } depth{*this};
    try {
        for (const auto& row : handlers_) {
            if (handledBy(row, args.event, args.control)) row.handler(args);
        }
    } catch (const ProgramEnd& ending) {
        finishProgram(ending.status);
    } catch (const RuntimeError& error) {
        if (propagate) throw;
        handleEscapedError(error);
    } catch (const std::bad_alloc&) {
        if (propagate) throw RuntimeError(error::OutOfMemory);
        handleEscapedError(RuntimeError(error::OutOfMemory));
    } catch (...) {
        if (propagate) throw RuntimeError(error::InternalError);
        handleEscapedError(RuntimeError(error::InternalError));
    }
    return true;
}

// Messages: each unpacked once and handed to the handler named after it.

LRESULT CALLBACK Form::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<Form*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form || form->window_ != window) return ::DefWindowProcW(window, message, wParam, lParam);
    try {
        if (Handled result = form->onMessage(message, wParam, lParam)) return *result;
    } catch (const RuntimeError& error) {
        handleEscapedError(error);
        return 0;
    } catch (...) {
        handleEscapedError(RuntimeError(error::InternalError));
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

Handled Form::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == controlNameMessage()) return answerControlName(layout_.name, wParam, lParam);
    if (isMouseMessage(message)) return onMouse(mouseArgs(*this, nullptr, message, wParam, lParam));
    switch (message) {
    case WM_COMMAND:
        return onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case DM_GETDEFID:
        return onGetDefaultId();
    case WM_DRAWITEM:
        return onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return onControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_HSCROLL:
    case WM_VSCROLL:
        return onScroll(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_TIMER:
        return onTimer(static_cast<int>(wParam));
    case WM_ERASEBKGND:
        return 1;   // WM_PAINT draws the whole background
    case WM_PAINT:
        return onPaint();
    case WM_ACTIVATE:
        return onActivate(LOWORD(wParam));
    case WM_CLOSE:
        unload(UnloadMode::CloseButton);
        return 0;
    case WM_NCDESTROY:
        onNcDestroy();
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

Handled Form::onCommand(int id, UINT code, HWND sender) {
    if (sender) {
        if (FormControl* control = controlById(id)) {
            if (control->hwnd() == sender) control->handleCommand(code);
        }
        return 0;
    }
    // Enter and Esc arrive as IDOK and IDCANCEL.
    if (id == IDCANCEL) {
        if (FormControl* cancel = cancelButton()) fire(Event::Click, cancel);
    } else if (id == IDOK) {
        if (FormControl* ok = defaultButton()) fire(Event::Click, ok);
    }
    return 0;
}

Handled Form::onGetDefaultId() {
    if (FormControl* ok = defaultButton()) return MAKELRESULT(ok->id(), DC_HASDEFID);
    return 0;
}

Handled Form::onDrawItem(const DRAWITEMSTRUCT& item) {
    FormControl* control = controlById(static_cast<int>(item.CtlID));
    if (control && control->handleDrawItem(item)) return TRUE;
    return std::nullopt;
}

Handled Form::onControlColor(HDC dc, HWND sender) {
    FormControl* control = controlByWindow(sender);
    if (!control) return std::nullopt;
    if (control->kind() == Kind::CommandButton) return reinterpret_cast<LRESULT>(gdi_->brush(backColor_));
    return reinterpret_cast<LRESULT>(control->handleColor(dc));
}

Handled Form::onScroll(UINT code, HWND sender) {
    FormControl* control = controlByWindow(sender);
    if (!control) return std::nullopt;
    control->handleScroll(code);
    return 0;
}

Handled Form::onTimer(int id) {
    FormControl* control = controlById(id);
    if (!control) return std::nullopt;
    control->fireTimer();
    return 0;
}

Handled Form::onMouse(EventArgs args) {
    // A left release is a click too, unless a handler unloaded the form.
    const bool click = args.event == Event::MouseUp && args.button == MK_LBUTTON;
    HWND window = window_;
    fire(args);
    if (click && window_ == window) fire(Event::Click);
    return 0;
}

Handled Form::onPaint() {
    HWND window = window_;
    PAINTSTRUCT paintInfo;
    HDC dc = ::BeginPaint(window, &paintInfo);
    paint(dc, paintInfo.rcPaint);
    ::EndPaint(window, &paintInfo);
    return 0;
}

Handled Form::onActivate(UINT state) {
    if (state == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(window_, focus)) lastFocus_ = focus;
        return std::nullopt;
    }
    // As dialogs do: focus goes back to the control that had it, else to the first
    // tab stop, rather than to the form itself.
    if (lastFocus_ && ::IsWindow(lastFocus_) && ::IsChild(window_, lastFocus_) && ::IsWindowVisible(lastFocus_) &&
        ::IsWindowEnabled(lastFocus_)) {
        ::SetFocus(lastFocus_);
    } else if (!tabFrom(nullptr, false)) {
        return std::nullopt;
    }
    fire(Event::Activate);
    return 0;
}

// Destroyed from outside (its owner went): forget the windows without events.
void Form::onNcDestroy() noexcept {
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    window_ = nullptr;
    forgetWindows();
}

}  // namespace orvane::forms
