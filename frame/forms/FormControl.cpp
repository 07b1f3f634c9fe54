#include "frame/forms/FormControl.h"

#include "frame/base/Errors.h"
#include "frame/forms/ControlKinds.h"
#include "frame/forms/DeviceContext.h"
#include "frame/forms/Form.h"
#include "frame/forms/FormMessages.h"
#include "frame/forms/GdiCache.h"
#include "frame/forms/ListBoxes.h"
#include "frame/forms/ScrollBars.h"
#include "frame/forms/Shapes.h"
#include "frame/forms/Surface.h"
#include "frame/forms/Timers.h"
#include "frame/forms/Twips.h"

#include <algorithm>
#include <cwctype>

namespace orvane::forms {

namespace {

constexpr int ComboListPixels = 160;   // room for the dropped list below a combo box

bool isCombo(Kind kind) noexcept { return kindRow(kind).items == Items::Combo; }
bool isDecoration(Kind kind) noexcept { return kind == Kind::Shape || kind == Kind::Line; }

int pictureExtent(OLE_XSIZE_HIMETRIC himetric, int dpi) { return ::MulDiv(himetric, dpi, 2540); }

bool pictureIsBlank(IPicture* picture) {
    if (!picture) return true;
    SHORT type = PICTYPE_NONE;
    if (FAILED(picture->get_Type(&type)) || type == PICTYPE_NONE || type == PICTYPE_UNINITIALIZED) return true;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    return width == 0 || height == 0;
}

void renderPicture(IPicture* picture, HDC dc, int x, int y) {
    if (pictureIsBlank(picture)) return;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    picture->Render(dc, x, y, pictureExtent(width, screenDpiX()), pictureExtent(height, screenDpiY()), 0, height,
                    width, -height, nullptr);
}

}  // namespace

FormControl::FormControl(Form& form, const ControlLayout& layout, int id)
    : form_(form), layout_(layout), id_(id), style_(layout.style), font_(layout.font),
      foreColor_(layout.foreColor == DefaultColor ? kindRow(layout.kind).foreColor : layout.foreColor),
      backColor_(layout.backColor == DefaultColor ? kindRow(layout.kind).backColor : layout.backColor), left_(layout.left),
      top_(layout.top), width_(layout.width), height_(layout.height), visible_(!has(layout.style, Hidden)),
      enabled_(!has(layout.style, Disabled)), minimum_(layout.minimum), maximum_(layout.maximum), value_(layout.value),
      interval_(layout.interval), pattern_(layout.pattern ? layout.pattern : L"*.*") {
    if (font_.empty()) font_ = form.font();
}

FormControl::~FormControl() { destroy(); }

bool FormControl::takesTab() const noexcept {
    if (!window_ || has(style_, NoTabStop) || !kindRow(layout_.kind).tabStop) return false;
    return visible_ && enabled_ && ::IsWindowVisible(window_) && ::IsWindowEnabled(window_);
}

RECT FormControl::pixelRect() const noexcept {
    POINT origin = form_.containerOrigin(*this);
    if (layout_.kind == Kind::Line) {
        return RECT{origin.x + toPixelsX(left_), origin.y + toPixelsY(top_), origin.x + toPixelsX(width_),
                    origin.y + toPixelsY(height_)};
    }
    RECT rect;
    rect.left = origin.x + toPixelsX(left_);
    rect.top = origin.y + toPixelsY(top_);
    rect.right = rect.left + toPixelsX(width_);
    rect.bottom = rect.top + toPixelsY(height_);
    return rect;
}

void FormControl::create(HWND parent) {
    const KindRow& row = kindRow(layout_.kind);
    if (!row.windowClass) {
        if (layout_.kind == Kind::Timer) startTimer();
        return;
    }
    RECT rect = pixelRect();
    int height = rect.bottom - rect.top;
    if (row.items == Items::Combo) height += ComboListPixels;
    window_ = ::CreateWindowExW(extendedStyleOf(layout_.kind, style_), row.windowClass, row.captioned ? layout_.text : L"",
                                windowStyleOf(layout_.kind, style_, visible_, enabled_), rect.left, rect.top,
                                rect.right - rect.left, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                                nullptr, nullptr);
    if (!window_) raise(error::OutOfMemory);
    clipToContainer();
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    baseProc_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormControl::subclassProc)));
    applyFont();

    switch (layout_.kind) {
    case Kind::ComboBox:
    case Kind::ListBox:
        for (const wchar_t* item : layout_.items) addItem(item);
        if (layout_.kind == Kind::ComboBox && !has(style_, DropDownList)) ::SetWindowTextW(window_, layout_.text);
        break;
    case Kind::HScrollBar:
    case Kind::VScrollBar:
        showScrollRange(window_, scrollRange(), value_);
        break;
    case Kind::DriveListBox:
        fillDriveList();
        break;
    case Kind::DirListBox:
    case Kind::FileListBox:
        path_ = currentFolder();
        fillFolderList();
        break;
    case Kind::PictureBox:
        surface_ = std::make_unique<Surface>(rect.right - rect.left, rect.bottom - rect.top, resolveColor(backColor_));
        break;
    case Kind::Image:
        // A blank image box shows nothing, not even its background.
        if (pictureIsBlank(picture_.get())) ::ShowWindow(window_, SW_HIDE);
        else sizeToContent();
        break;
    default:
        break;
    }
    if (autoSize() && layout_.kind == Kind::Label) sizeToContent();
}

void FormControl::destroy() noexcept {
    stopTimer();
    if (window_) {
        HWND window = std::exchange(window_, nullptr);
        // The class's own procedure takes the window back first: an edit or list box frees
        // what it keeps for the window only when it sees the window destroyed.
        if (baseProc_) ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(baseProc_));
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        ::DestroyWindow(window);
    }
    surface_.reset();
    sharedFont_.reset();
}

LRESULT CALLBACK FormControl::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<FormControl*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!control) return ::DefWindowProcW(window, message, wParam, lParam);
    return control->onMessage(message, wParam, lParam);
}

LRESULT FormControl::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing of `this` is touched after an event: its handler may unload the form.
    HWND window = window_;
    WNDPROC base = baseProc_;
    auto passOn = [&]() -> LRESULT {
        return ::IsWindow(window) ? ::CallWindowProcW(base, window, message, wParam, lParam) : 0;
    };
    if (message == controlNameMessage()) return answerControlName(layout_.name, wParam, lParam);
    Form& form = form_;
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        EventArgs args = mouseArgs(form, this, message, wParam, lParam);
        const bool clickAfter = message == WM_LBUTTONUP && layout_.kind == Kind::TextBox;
        LRESULT result = passOn();
        if (!form.handles(args.event, this) && !clickAfter) return result;
        form.fire(args);
        if (clickAfter && ::IsWindow(window) && window_ == window) form.fire(Event::Click, this);
        return result;
    }
    case WM_LBUTTONDBLCLK:
        if (layout_.kind == Kind::TextBox) {
            LRESULT result = passOn();
            form.fire(Event::DblClick, this);
            return result;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        LRESULT result = passOn();
        form.fire(message == WM_SETFOCUS ? Event::GotFocus : Event::LostFocus, this);
        return result;
    }
    case WM_CHAR:
        if (form.handles(Event::KeyPress, this)) {
            EventArgs args{form, this, Event::KeyPress};
            args.keyAscii = static_cast<int>(wParam);
            form.fire(args);
            if (args.keyAscii == 0 || !::IsWindow(window)) return 0;
            wParam = static_cast<WPARAM>(args.keyAscii);
        }
        break;
    case WM_GETDLGCODE:
        if (layout_.kind == Kind::PictureBox) return DLGC_WANTARROWS;
        break;
    case WM_PAINT:
        // A group box draws only its border and caption; the inside shows the form.
        if (layout_.kind == Kind::Frame) paintBehindInto(windowDc(window).get().dc);
        break;
    case WM_ERASEBKGND:
        if (layout_.kind == Kind::Frame) return 1;
        break;
    default:
        break;
    }
    return passOn();
}

bool FormControl::handleCommand(UINT code) {
    switch (layout_.kind) {
    case Kind::CommandButton:
    case Kind::CheckBox:
        if (code == BN_CLICKED) return form_.fire(Event::Click, this);
        break;
    case Kind::Label:
    case Kind::Image:
    case Kind::PictureBox:
        if (code == STN_CLICKED) return form_.fire(Event::Click, this);
        if (code == STN_DBLCLK) return form_.fire(Event::DblClick, this);
        break;
    case Kind::TextBox:
        if (code == EN_CHANGE) return form_.fire(Event::Change, this);
        break;
    case Kind::ComboBox:
        if (code == CBN_EDITCHANGE) return form_.fire(Event::Change, this);
        if (code == CBN_SELCHANGE) {
            // The edit part still shows the old entry during the notification.
            int position = listIndex();
            if (!has(style_, DropDownList) && position >= 0) ::SetWindowTextW(window_, list(position).c_str());
            return form_.fire(Event::Click, this);
        }
        break;
    case Kind::DriveListBox:
        if (code == CBN_SELCHANGE) {
            int position = listIndex();
            if (position >= 0) driveText_ = list(position);
            return form_.fire(Event::Change, this);
        }
        break;
    case Kind::DirListBox:
        if (code == LBN_DBLCLK) {
            int position = listIndex();
            if (position < 0) return false;
            std::wstring entry = list(position);
            std::wstring target = entry == L".." ? path_ + L"\\.." : joinPath(path_, entry);
            setPath(target);
            return true;
        }
        if (code == LBN_SELCHANGE) return form_.fire(Event::Click, this);
        break;
    case Kind::ListBox:
    case Kind::FileListBox:
        if (code == LBN_SELCHANGE) return form_.fire(Event::Click, this);
        if (code == LBN_DBLCLK) return form_.fire(Event::DblClick, this);
        break;
    default:
        break;
    }
    return false;
}

void FormControl::drawLabel(HDC dc, const RECT& rect) const {
    std::wstring caption = text();
    Selection font(dc, hfont());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, resolveColor(foreColor_));
    UINT format = DT_EXPANDTABS;
    if (has(style_, AlignCenter)) format |= DT_CENTER;
    else if (has(style_, AlignRight)) format |= DT_RIGHT;
    if (!autoSize() || wordWrap()) format |= DT_WORDBREAK;
    if (!enabled_) ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    RECT area = rect;
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area, format);
}

bool FormControl::handleDrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT rect;
    ::GetClientRect(window_, &rect);
    auto paintBehind = [&] { paintBehindInto(dc); };
    switch (layout_.kind) {
    case Kind::Label:
        if (transparent()) paintBehind();
        else ::FillRect(dc, &rect, form_.gdi().brush(backColor_));
        drawLabel(dc, rect);
        return true;
    case Kind::Image:
        paintBehind();
        renderPicture(picture_.get(), dc, 0, 0);
        return true;
    case Kind::PictureBox:
        if (surface_) surface_->copyTo(dc, rect);
        return true;
    default:
        return false;
    }
}

// What the form shows beneath this control, so that it can draw over it as if it had
// no background of its own.
void FormControl::paintBehindInto(HDC dc) const {
    RECT inForm;
    ::GetClientRect(window_, &inForm);
    ::MapWindowPoints(window_, form_.hwndIfLoaded(), reinterpret_cast<POINT*>(&inForm), 2);
    SavedDc saved(dc);
    ::SetViewportOrgEx(dc, -inForm.left, -inForm.top, nullptr);
    form_.paintBackground(dc, inForm, POINT{inForm.left, inForm.top});
}

HBRUSH FormControl::handleColor(HDC dc) {
    ::SetTextColor(dc, resolveColor(foreColor_));
    ::SetBkColor(dc, resolveColor(backColor_));
    if (layout_.kind == Kind::Frame) ::SetBkMode(dc, TRANSPARENT);
    return form_.gdi().brush(backColor_);
}

void FormControl::handleScroll(UINT code) {
    std::optional<int> next = scrolledValue(window_, code, value_, scrollRange());
    if (!next) return;
    if (code == SB_THUMBTRACK) {
        value_ = *next;
        ::SetScrollPos(window_, SB_CTL, *next, TRUE);
        form_.fire(Event::Scroll, this);
        return;
    }
    setValue(*next);
}

// Text and appearance.

std::wstring FormControl::text() const {
    if (!window_) return layout_.text ? layout_.text : L"";
    int length = ::GetWindowTextLengthW(window_);
    std::wstring result(static_cast<size_t>(length) + 1, L'\0');
    int copied = ::GetWindowTextW(window_, result.data(), length + 1);
    result.resize(static_cast<size_t>(std::max(copied, 0)));
    return result;
}

void FormControl::setText(const std::wstring& text) {
    if (!window_) return;
    if (layout_.kind == Kind::ComboBox && has(style_, DropDownList)) {
        LRESULT found = ::SendMessageW(window_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
        if (found == CB_ERR) raise(error::ReadOnlyText);
        setListIndex(static_cast<int>(found));
        return;
    }
    // A box given the text it already holds has not changed: no change event.
    if ((layout_.kind == Kind::TextBox || layout_.kind == Kind::ComboBox) && this->text() == text) return;
    RECT before = pixelRect();
    ::SetWindowTextW(window_, text.c_str());
    if (layout_.kind == Kind::Label) {
        if (autoSize()) sizeToContent();
        // A shrunk label leaves its old place to the form.
        if (form_.visible()) {
            ::RedrawWindow(form_.hwndIfLoaded(), &before, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        invalidate();
    }
}

void FormControl::invalidate() const {
    if (!window_) return;
    ::InvalidateRect(window_, nullptr, TRUE);
    if (form_.visible()) ::UpdateWindow(window_);
}

void FormControl::setForeColor(Color color) {
    checkColor(color);
    foreColor_ = color;
    if (isDecoration(layout_.kind)) {
        form_.refresh();
        return;
    }
    invalidate();
}

void FormControl::setBackColor(Color color) {
    checkColor(color);
    backColor_ = color;
    if (layout_.kind == Kind::Shape) {
        form_.refresh();
        return;
    }
    if (surface_) {
        surface_->clear(resolveColor(color));
        renderPicture(picture_.get(), surface_->dc(), 0, 0);
    }
    invalidate();
}

HFONT FormControl::hfont() const noexcept { return sharedFont_ ? sharedFont_->get() : nullptr; }

void FormControl::applyFont() {
    if (!window_ || !form_.loaded()) return;
    sharedFont_ = form_.gdi().font(font_);
    ::SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(sharedFont_->get()), TRUE);
}

void FormControl::setFont(const Font& font) {
    font_ = font.empty() ? form_.font() : font;
    applyFont();
    if (autoSize() && layout_.kind == Kind::Label) sizeToContent();
    invalidate();
}

// Geometry.

void FormControl::placeWindow() {
    if (isDecoration(layout_.kind)) {
        if (form_.loaded()) form_.refresh();
        return;
    }
    if (!window_) return;
    RECT rect = pixelRect();
    int height = rect.bottom - rect.top;
    if (isCombo(layout_.kind)) height += ComboListPixels;
    ::SetWindowPos(window_, nullptr, rect.left, rect.top, rect.right - rect.left, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    clipToContainer();
    if (surface_ && (surface_->width() != rect.right - rect.left || surface_->height() != rect.bottom - rect.top)) {
        surface_ = std::make_unique<Surface>(rect.right - rect.left, rect.bottom - rect.top, resolveColor(backColor_));
        renderPicture(picture_.get(), surface_->dc(), 0, 0);
    }
}

// A control inside a frame shows only within the frame: a label that grows past the
// frame's edge is cut off there. The window keeps its full size (so alignment and word
// breaks stay as laid out); a window region hides what lies outside.
void FormControl::clipToContainer() noexcept {
    RECT area;
    if (!window_ || !form_.containerArea(*this, area)) return;
    RECT rect;
    ::GetWindowRect(window_, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window_), reinterpret_cast<POINT*>(&rect), 2);
    RECT visible;
    if (!::IntersectRect(&visible, &rect, &area)) visible = RECT{0, 0, 0, 0};
    if (::EqualRect(&visible, &rect)) {
        ::SetWindowRgn(window_, nullptr, TRUE);
        return;
    }
    ::OffsetRect(&visible, -rect.left, -rect.top);
    // The window owns the region once it is set.
    HRGN region = ::CreateRectRgnIndirect(&visible);
    if (region && !::SetWindowRgn(window_, region, TRUE)) ::DeleteObject(region);
}

void FormControl::move(double left, double top) { move(left, top, width_, height_); }

void FormControl::move(double left, double top, double width, double height) {
    if (width < 0 || height < 0) raise(error::InvalidPropertyValue);
    RECT before = pixelRect();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    placeWindow();
    if (form_.visible() && window_) {
        ::RedrawWindow(form_.hwndIfLoaded(), &before, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        invalidate();
    }
}

void FormControl::sizeToContent() {
    if (!window_) return;
    if (layout_.kind == Kind::Image || layout_.kind == Kind::PictureBox) {
        if (pictureIsBlank(picture_.get())) return;
        OLE_XSIZE_HIMETRIC width = 0;
        OLE_YSIZE_HIMETRIC height = 0;
        picture_->get_Width(&width);
        picture_->get_Height(&height);
        int borders = 0;
        if (layout_.kind == Kind::PictureBox && has(style_, Border)) {
            RECT outer, inner;
            ::GetWindowRect(window_, &outer);
            ::GetClientRect(window_, &inner);
            borders = (outer.right - outer.left) - (inner.right - inner.left);
        }
        width_ = toTwipsX(pictureExtent(width, screenDpiX()) + borders);
        height_ = toTwipsY(pictureExtent(height, screenDpiY()) + borders);
        placeWindow();
        return;
    }
    std::wstring caption = text();
    UniqueWindowDc windowContext = windowDc(window_);
    HDC dc = windowContext.get().dc;
    Selection font(dc, hfont());
    RECT rect{0, 0, 0, 0};
    UINT format = DT_CALCRECT | DT_EXPANDTABS;
    if (wordWrap()) {
        rect.right = toPixelsX(width_);
        format |= DT_WORDBREAK;
    }
    if (caption.empty()) {
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc, &metrics);
        rect.bottom = metrics.tmHeight;
    } else {
        ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, format);
    }
    if (!wordWrap()) width_ = toTwipsX(rect.right - rect.left);
    height_ = toTwipsY(rect.bottom - rect.top);
    placeWindow();
}

void FormControl::setAutoSize(bool on) {
    style_ = on ? (style_ | AutoSize) : static_cast<Style>(style_ & ~AutoSize);
    if (on) sizeToContent();
    invalidate();
}

void FormControl::setWordWrap(bool on) {
    style_ = on ? (style_ | WordWrap) : static_cast<Style>(style_ & ~WordWrap);
    if (autoSize()) sizeToContent();
    invalidate();
}

void FormControl::setVisible(bool visible) {
    visible_ = visible;
    if (isDecoration(layout_.kind)) {
        if (form_.loaded()) form_.refresh();
        return;
    }
    if (!window_) return;
    bool show = visible && !(layout_.kind == Kind::Image && pictureIsBlank(picture_.get()));
    ::ShowWindow(window_, show ? SW_SHOWNA : SW_HIDE);
    if (form_.visible()) ::UpdateWindow(form_.hwndIfLoaded());
}

void FormControl::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (layout_.kind == Kind::Timer) {
        if (enabled) startTimer();
        else stopTimer();
        return;
    }
    if (window_) ::EnableWindow(window_, enabled ? TRUE : FALSE);
}

void FormControl::setFocus() {
    if (!window_ || !::IsWindowVisible(window_) || !::IsWindowEnabled(window_)) raise(error::InvalidCall);
    ::SetFocus(window_);
}

// Pictures.

void FormControl::setPicture(IPicture* picture) {
    picture_ = ComPtr<IPicture>(picture);
    if (!window_) return;
    if (layout_.kind == Kind::Image) {
        sizeToContent();
        bool show = visible_ && !pictureIsBlank(picture);
        ::ShowWindow(window_, show ? SW_SHOWNA : SW_HIDE);
        if (form_.visible()) {
            ::RedrawWindow(form_.hwndIfLoaded(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        return;
    }
    if (layout_.kind == Kind::PictureBox) {
        if (autoSize()) sizeToContent();
        if (surface_) {
            surface_->clear(resolveColor(backColor_));
            renderPicture(picture, surface_->dc(), 0, 0);
        }
        invalidate();
    }
}

void FormControl::print(const std::wstring& text) {
    if (!surface_) raise(error::ObjectDoesNotSupport);
    surface_->print(text, hfont(), resolveColor(foreColor_));
    invalidate();
}

void FormControl::cls() {
    if (!surface_) return;
    surface_->clear(resolveColor(backColor_));
    renderPicture(picture_.get(), surface_->dc(), 0, 0);
    invalidate();
}

HDC FormControl::hdc() {
    if (!surface_) raise(error::ObjectDoesNotSupport);
    // What the caller draws shows at the next paint (or refresh()).
    ::InvalidateRect(window_, nullptr, FALSE);
    return surface_->dc();
}

void FormControl::refresh() {
    if (isDecoration(layout_.kind)) {
        form_.refresh();
        return;
    }
    if (window_) ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Lists: combo, list, drive, directory and file list boxes.

namespace {

// The item messages of a control, or "Object doesn't support this property or method".
const ListMessages& itemMessages(Kind kind) {
    const ListMessages* messages = listMessages(kindRow(kind).items);
    if (!messages) raise(error::ObjectDoesNotSupport);
    return *messages;
}

}  // namespace

void FormControl::addItem(const std::wstring& item, int position) {
    if (!window_) return;
    const ListMessages& messages = itemMessages(layout_.kind);
    if (position > listCount()) raise(error::InvalidCall);
    ::SendMessageW(window_, position < 0 ? messages.add : messages.insert, position < 0 ? 0 : position,
                   reinterpret_cast<LPARAM>(item.c_str()));
}

void FormControl::removeItem(int position) {
    if (position < 0 || position >= listCount()) raise(error::InvalidCall);
    ::SendMessageW(window_, itemMessages(layout_.kind).remove, position, 0);
}

void FormControl::clear() {
    const ListMessages* messages = listMessages(kindRow(layout_.kind).items);
    if (window_ && messages) ::SendMessageW(window_, messages->reset, 0, 0);
}

int FormControl::listCount() const {
    const ListMessages* messages = listMessages(kindRow(layout_.kind).items);
    if (!window_ || !messages) return 0;
    return static_cast<int>(::SendMessageW(window_, messages->count, 0, 0));
}

std::wstring FormControl::list(int position) const {
    if (!window_ || position < 0 || position >= listCount()) return {};
    const ListMessages& messages = itemMessages(layout_.kind);
    auto length = ::SendMessageW(window_, messages.textLength, position, 0);
    if (length < 0) return {};
    std::wstring result(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(window_, messages.text, position, reinterpret_cast<LPARAM>(result.data()));
    result.resize(static_cast<size_t>(length));
    return result;
}

int FormControl::listIndex() const {
    const ListMessages* messages = listMessages(kindRow(layout_.kind).items);
    if (!window_ || !messages) return -1;
    return static_cast<int>(::SendMessageW(window_, messages->selection, 0, 0));
}

void FormControl::setListIndex(int position) {
    if (!window_) return;
    if (position < -1 || position >= listCount()) raise(error::InvalidPropertyValue);
    ::SendMessageW(window_, itemMessages(layout_.kind).select, static_cast<WPARAM>(position), 0);
    if (layout_.kind == Kind::DriveListBox) {
        if (position >= 0) driveText_ = list(position);
        form_.fire(Event::Change, this);
    } else {
        form_.fire(Event::Click, this);
    }
}

void FormControl::fillDriveList() {
    clear();
    DriveEntries drives = driveEntries();
    for (const auto& entry : drives.entries) addItem(entry);
    if (drives.current >= 0) {
        ::SendMessageW(window_, CB_SETCURSEL, drives.current, 0);
        driveText_ = list(drives.current);
    }
}

std::wstring FormControl::drive() const { return driveText_; }

void FormControl::setDrive(const std::wstring& drive) {
    if (drive.empty()) raise(error::DeviceUnavailable);
    wchar_t letter = static_cast<wchar_t>(std::towlower(drive[0]));
    for (int position = 0; position < listCount(); ++position) {
        std::wstring entry = list(position);
        if (!entry.empty() && entry[0] == letter) {
            ::SendMessageW(window_, CB_SETCURSEL, position, 0);
            bool changed = entry != driveText_;
            driveText_ = entry;
            if (changed) form_.fire(Event::Change, this);
            return;
        }
    }
    raise(error::DeviceUnavailable);
}

// A directory list shows the folders of its path, a file list the files that match its pattern.
void FormControl::fillFolderList() {
    clear();
    if (layout_.kind == Kind::DirListBox) {
        for (const auto& folder : folderEntries(path_)) addItem(folder);
        return;
    }
    ::SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    for (const auto& name : fileEntries(path_, pattern_)) addItem(name);
    ::SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(window_, nullptr, TRUE);
}

void FormControl::setPath(const std::wstring& path) {
    if (layout_.kind != Kind::DirListBox && layout_.kind != Kind::FileListBox) raise(error::ObjectDoesNotSupport);
    std::wstring target = existingFolder(path);
    bool changed = ::lstrcmpiW(target.c_str(), path_.c_str()) != 0;
    path_ = target;
    if (window_) fillFolderList();
    if (changed) form_.fire(Event::Change, this);
}

void FormControl::setPattern(const std::wstring& pattern) {
    pattern_ = pattern.empty() ? L"*.*" : pattern;
    if (window_ && layout_.kind == Kind::FileListBox) fillFolderList();
}

std::wstring FormControl::fileName() const {
    if (layout_.kind != Kind::FileListBox) return {};
    return list(listIndex());
}

// Scroll bars.

int FormControl::value() const { return value_; }

ScrollRange FormControl::scrollRange() const noexcept { return {minimum_, maximum_, smallChange_, largeChange_}; }

void FormControl::setValue(int value) {
    if (value < scrollRange().low() || value > scrollRange().high()) raise(error::InvalidPropertyValue);
    bool changed = value != value_;
    value_ = value;
    if (window_) ::SetScrollPos(window_, SB_CTL, value, TRUE);
    if (changed) form_.fire(Event::Change, this);
}

void FormControl::setMinimum(int minimum) {
    minimum_ = minimum;
    if (window_) ::SetScrollRange(window_, SB_CTL, scrollRange().low(), scrollRange().high(), TRUE);
    if (value_ < scrollRange().low()) setValue(scrollRange().low());
}

void FormControl::setMaximum(int maximum) {
    maximum_ = maximum;
    if (window_) ::SetScrollRange(window_, SB_CTL, scrollRange().low(), scrollRange().high(), TRUE);
    if (value_ > scrollRange().high()) setValue(scrollRange().high());
}

void FormControl::setLargeChange(int step) { largeChange_ = step; }

// Timers.

void FormControl::startTimer() {
    if (forms::startTimer(form_.hwndIfLoaded(), id_, interval_, enabled_)) timerRunning_ = true;
}

void FormControl::stopTimer() {
    if (!timerRunning_) return;
    forms::stopTimer(form_.hwndIfLoaded(), id_);
    timerRunning_ = false;
}

void FormControl::setInterval(int milliseconds) {
    if (milliseconds < 0) raise(error::InvalidPropertyValue);
    interval_ = milliseconds;
    stopTimer();
    startTimer();
}

void FormControl::fireTimer() {
    if (timerRunning_) form_.fire(Event::Timer, this);
}

// Shapes and lines, painted by the form beneath its windows.

void FormControl::paintDecoration(HDC dc) const {
    if (!visible_) return;
    if (layout_.kind == Kind::Line) {
        paintLine(dc, pixelRect(), layout_.borderWidth, resolveColor(foreColor_));
    } else if (layout_.kind == Kind::Shape) {
        paintShape(dc, pixelRect(), transparent() ? DefaultColor : backColor_, foreColor_, layout_.borderWidth);
    }
}

}  // namespace orvane::forms
