#include "frame/forms/FormControl.h"

#include "frame/base/Errors.h"
#include "frame/forms/Form.h"
#include "frame/forms/FormMessages.h"
#include "frame/forms/GdiCache.h"
#include "frame/forms/Surface.h"
#include "frame/forms/Twips.h"

#include <algorithm>
#include <cwctype>

namespace orvane::forms {

namespace {

constexpr int ComboListPixels = 160;   // room for the dropped list below a combo box

bool isCombo(Kind kind) { return kind == Kind::ComboBox || kind == Kind::DriveListBox; }
bool isList(Kind kind) { return kind == Kind::ListBox || kind == Kind::DirListBox || kind == Kind::FileListBox; }

Color defaultFore(Kind kind) {
    switch (kind) {
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::ListBox:
    case Kind::DriveListBox:
    case Kind::DirListBox:
    case Kind::FileListBox:
    case Kind::Line:
        return sys::WindowText;
    default:
        return sys::ButtonText;
    }
}

Color defaultBack(Kind kind) {
    switch (kind) {
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::ListBox:
    case Kind::DriveListBox:
    case Kind::DirListBox:
    case Kind::FileListBox:
        return sys::Window;
    default:
        return sys::ButtonFace;
    }
}

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

// Wildcards as the file dialogs read them: * any run, ? one character, without case.
bool matchesWildcard(const wchar_t* name, const wchar_t* pattern) {
    if (!*pattern) return !*name;
    if (*pattern == L'*') {
        // "*.*" also matches names without an extension.
        if (pattern[1] == L'.' && pattern[2] == L'*' && !pattern[3]) return true;
        for (const wchar_t* rest = name;; ++rest) {
            if (matchesWildcard(rest, pattern + 1)) return true;
            if (!*rest) return false;
        }
    }
    if (!*name) return false;
    if (*pattern != L'?' && std::towlower(*pattern) != std::towlower(*name)) return false;
    return matchesWildcard(name + 1, pattern + 1);
}

bool matchesPattern(const std::wstring& name, const std::wstring& patterns) {
    size_t start = 0;
    while (start <= patterns.size()) {
        size_t end = patterns.find(L';', start);
        if (end == std::wstring::npos) end = patterns.size();
        std::wstring one = patterns.substr(start, end - start);
        while (!one.empty() && one.front() == L' ') one.erase(one.begin());
        while (!one.empty() && one.back() == L' ') one.pop_back();
        if (!one.empty() && matchesWildcard(name.c_str(), one.c_str())) return true;
        start = end + 1;
    }
    return false;
}

std::wstring withoutTrailingSlash(std::wstring path) {
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    return path;
}

std::wstring joinPath(const std::wstring& folder, const std::wstring& name) {
    if (!folder.empty() && folder.back() == L'\\') return folder + name;
    return folder + L"\\" + name;
}

}  // namespace

FormControl::FormControl(Form& form, const ControlLayout& layout, int id)
    : form_(form), layout_(layout), id_(id), style_(layout.style), font_(layout.font),
      foreColor_(layout.foreColor == DefaultColor ? defaultFore(layout.kind) : layout.foreColor),
      backColor_(layout.backColor == DefaultColor ? defaultBack(layout.kind) : layout.backColor), left_(layout.left),
      top_(layout.top), width_(layout.width), height_(layout.height), visible_(!has(layout.style, Hidden)),
      enabled_(!has(layout.style, Disabled)), minimum_(layout.minimum), maximum_(layout.maximum), value_(layout.value),
      interval_(layout.interval), pattern_(layout.pattern ? layout.pattern : L"*.*") {
    if (font_.empty()) font_ = form.font();
    if (layout.kind == Kind::Shape) {
        // A shape draws only what its table gives: no fill, no border by default.
        foreColor_ = layout.foreColor;
        backColor_ = layout.backColor;
    }
}

FormControl::~FormControl() { destroy(); }

const wchar_t* FormControl::windowClass() const {
    switch (layout_.kind) {
    case Kind::Label:
    case Kind::Image:
    case Kind::PictureBox:
        return L"Static";
    case Kind::TextBox:
        return L"Edit";
    case Kind::CommandButton:
    case Kind::CheckBox:
    case Kind::Frame:
        return L"Button";
    case Kind::ComboBox:
    case Kind::DriveListBox:
        return L"ComboBox";
    case Kind::ListBox:
    case Kind::DirListBox:
    case Kind::FileListBox:
        return L"ListBox";
    case Kind::HScrollBar:
    case Kind::VScrollBar:
        return L"ScrollBar";
    default:
        return nullptr;
    }
}

bool FormControl::takesTab() const noexcept {
    if (!window_ || has(style_, NoTabStop)) return false;
    switch (layout_.kind) {
    case Kind::Label:
    case Kind::Image:
    case Kind::Frame:
        return false;
    default:
        return visible_ && enabled_ && ::IsWindowVisible(window_) && ::IsWindowEnabled(window_);
    }
}

DWORD FormControl::windowStyle() const {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_) style |= WS_VISIBLE;
    if (!enabled_) style |= WS_DISABLED;
    const bool tabStop = !has(style_, NoTabStop);
    switch (layout_.kind) {
    case Kind::Label:
    case Kind::Image:
        style |= SS_OWNERDRAW | SS_NOTIFY;
        if (has(style_, Border)) style |= WS_BORDER;
        break;
    case Kind::PictureBox:
        style |= SS_OWNERDRAW | SS_NOTIFY;
        if (has(style_, Border)) style |= WS_BORDER;
        break;
    case Kind::TextBox:
        if (has(style_, MultiLine)) {
            style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
            if (has(style_, VerticalScroll)) style |= WS_VSCROLL;
        } else {
            style |= ES_AUTOHSCROLL;
        }
        if (has(style_, ReadOnly)) style |= ES_READONLY;
        if (has(style_, Password)) style |= ES_PASSWORD;
        if (has(style_, AlignCenter)) style |= ES_CENTER;
        else if (has(style_, AlignRight)) style |= ES_RIGHT;
        if (tabStop) style |= WS_TABSTOP;
        break;
    case Kind::CommandButton:
        style |= has(style_, DefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if (tabStop) style |= WS_TABSTOP;
        break;
    case Kind::CheckBox:
        style |= BS_AUTOCHECKBOX;
        if (tabStop) style |= WS_TABSTOP;
        break;
    case Kind::Frame:
        style |= BS_GROUPBOX;
        break;
    case Kind::ComboBox:
        style |= (has(style_, DropDownList) ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL) | WS_VSCROLL;
        if (has(style_, Sorted)) style |= CBS_SORT;
        if (tabStop) style |= WS_TABSTOP;
        break;
    case Kind::DriveListBox:
        style |= CBS_DROPDOWNLIST | WS_VSCROLL;
        if (tabStop) style |= WS_TABSTOP;
        break;
    case Kind::ListBox:
    case Kind::DirListBox:
    case Kind::FileListBox:
        style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
        if (has(style_, Sorted) || layout_.kind == Kind::FileListBox) style |= LBS_SORT;
        if (tabStop) style |= WS_TABSTOP;
        break;
    case Kind::HScrollBar:
        style |= SBS_HORZ;
        if (tabStop) style |= WS_TABSTOP;
        break;
    case Kind::VScrollBar:
        style |= SBS_VERT;
        if (tabStop) style |= WS_TABSTOP;
        break;
    default:
        break;
    }
    return style;
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
    const wchar_t* className = windowClass();
    if (!className) {
        if (layout_.kind == Kind::Timer) startTimer();
        return;
    }
    RECT rect = pixelRect();
    int height = rect.bottom - rect.top;
    if (isCombo(layout_.kind)) height += ComboListPixels;
    DWORD exStyle = WS_EX_NOPARENTNOTIFY;
    if (layout_.kind == Kind::TextBox && !has(style_, NoBorder)) exStyle |= WS_EX_CLIENTEDGE;
    if (isList(layout_.kind) && !has(style_, NoBorder)) exStyle |= WS_EX_CLIENTEDGE;
    if (layout_.kind == Kind::PictureBox && has(style_, Border)) exStyle |= WS_EX_CLIENTEDGE;
    const wchar_t* text = (layout_.kind == Kind::ComboBox || layout_.kind == Kind::Image || layout_.kind == Kind::PictureBox ||
                           isList(layout_.kind) || layout_.kind == Kind::DriveListBox)
                              ? L""
                              : layout_.text;
    window_ = ::CreateWindowExW(exStyle, className, text, windowStyle(), rect.left, rect.top, rect.right - rect.left,
                                height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), nullptr, nullptr);
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
    case Kind::VScrollBar: {
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL, minimum_, maximum_,
                        0, value_};
        ::SetScrollInfo(window_, SB_CTL, &info, TRUE);
        break;
    }
    case Kind::DriveListBox:
        fillDriveList();
        break;
    case Kind::DirListBox:
    case Kind::FileListBox: {
        wchar_t current[MAX_PATH] = {};
        ::GetCurrentDirectoryW(MAX_PATH, current);
        path_ = withoutTrailingSlash(current);
        if (layout_.kind == Kind::DirListBox) fillDirectoryList();
        else fillFileList();
        break;
    }
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
        if (layout_.kind == Kind::Frame) {
            HDC dc = ::GetDC(window);
            paintBehindInto(dc);
            ::ReleaseDC(window, dc);
        }
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
    HGDIOBJ before = ::SelectObject(dc, hfont());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, resolveColor(foreColor_));
    UINT format = DT_EXPANDTABS;
    if (has(style_, AlignCenter)) format |= DT_CENTER;
    else if (has(style_, AlignRight)) format |= DT_RIGHT;
    if (!autoSize() || wordWrap()) format |= DT_WORDBREAK;
    if (!enabled_) ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    RECT area = rect;
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area, format);
    ::SelectObject(dc, before);
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
    int saved = ::SaveDC(dc);
    ::SetViewportOrgEx(dc, -inForm.left, -inForm.top, nullptr);
    form_.paintBackground(dc, inForm, POINT{inForm.left, inForm.top});
    ::RestoreDC(dc, saved);
}

HBRUSH FormControl::handleColor(HDC dc) {
    ::SetTextColor(dc, resolveColor(foreColor_));
    ::SetBkColor(dc, resolveColor(backColor_));
    if (layout_.kind == Kind::Frame) ::SetBkMode(dc, TRANSPARENT);
    return form_.gdi().brush(backColor_);
}

void FormControl::handleScroll(UINT code) {
    int next = value_;
    switch (code) {
    case SB_LINELEFT: next -= smallChange_; break;
    case SB_LINERIGHT: next += smallChange_; break;
    case SB_PAGELEFT: next -= largeChange_; break;
    case SB_PAGERIGHT: next += largeChange_; break;
    case SB_LEFT: next = minimum_; break;
    case SB_RIGHT: next = maximum_; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{sizeof info, SIF_TRACKPOS};
        ::GetScrollInfo(window_, SB_CTL, &info);
        next = info.nTrackPos;
        break;
    }
    default:
        return;
    }
    next = std::clamp(next, std::min(minimum_, maximum_), std::max(minimum_, maximum_));
    if (code == SB_THUMBTRACK) {
        value_ = next;
        ::SetScrollPos(window_, SB_CTL, next, TRUE);
        form_.fire(Event::Scroll, this);
        return;
    }
    setValue(next);
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
        if (found == CB_ERR) raise(383, L"'Text' property is read-only");
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
    if (layout_.kind == Kind::Shape || layout_.kind == Kind::Line) {
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
    if (layout_.kind == Kind::Shape || layout_.kind == Kind::Line) {
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
    HDC dc = ::GetDC(window_);
    HGDIOBJ before = ::SelectObject(dc, hfont());
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
    ::SelectObject(dc, before);
    ::ReleaseDC(window_, dc);
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
    if (layout_.kind == Kind::Shape || layout_.kind == Kind::Line) {
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
    if (!window_ || !::IsWindowVisible(window_) || !::IsWindowEnabled(window_)) raise(5, L"Invalid procedure call or argument");
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
    if (!surface_) raise(438, L"Object doesn't support this property or method");
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
    if (!surface_) raise(438, L"Object doesn't support this property or method");
    // What the caller draws shows at the next paint (or refresh()).
    ::InvalidateRect(window_, nullptr, FALSE);
    return surface_->dc();
}

void FormControl::refresh() {
    if (layout_.kind == Kind::Shape || layout_.kind == Kind::Line) {
        form_.refresh();
        return;
    }
    if (window_) ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Lists.

void FormControl::addItem(const std::wstring& item, int position) {
    if (!window_) return;
    if (isCombo(layout_.kind)) {
        UINT message = position < 0 ? CB_ADDSTRING : CB_INSERTSTRING;
        if (position > listCount()) raise(error::InvalidCall);
        ::SendMessageW(window_, message, position < 0 ? 0 : position, reinterpret_cast<LPARAM>(item.c_str()));
    } else if (isList(layout_.kind)) {
        UINT message = position < 0 ? LB_ADDSTRING : LB_INSERTSTRING;
        if (position > listCount()) raise(error::InvalidCall);
        ::SendMessageW(window_, message, position < 0 ? 0 : position, reinterpret_cast<LPARAM>(item.c_str()));
    } else {
        raise(438, L"Object doesn't support this property or method");
    }
}

void FormControl::removeItem(int position) {
    if (position < 0 || position >= listCount()) raise(error::InvalidCall);
    ::SendMessageW(window_, isCombo(layout_.kind) ? CB_DELETESTRING : LB_DELETESTRING, position, 0);
}

void FormControl::clear() {
    if (!window_) return;
    if (isCombo(layout_.kind)) ::SendMessageW(window_, CB_RESETCONTENT, 0, 0);
    else if (isList(layout_.kind)) ::SendMessageW(window_, LB_RESETCONTENT, 0, 0);
}

int FormControl::listCount() const {
    if (!window_) return 0;
    if (isCombo(layout_.kind)) return static_cast<int>(::SendMessageW(window_, CB_GETCOUNT, 0, 0));
    if (isList(layout_.kind)) return static_cast<int>(::SendMessageW(window_, LB_GETCOUNT, 0, 0));
    return 0;
}

std::wstring FormControl::list(int position) const {
    if (!window_ || position < 0 || position >= listCount()) return {};
    const bool combo = isCombo(layout_.kind);
    auto length = ::SendMessageW(window_, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, position, 0);
    if (length < 0) return {};
    std::wstring result(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(window_, combo ? CB_GETLBTEXT : LB_GETTEXT, position, reinterpret_cast<LPARAM>(result.data()));
    result.resize(static_cast<size_t>(length));
    return result;
}

int FormControl::listIndex() const {
    if (!window_) return -1;
    if (isCombo(layout_.kind)) return static_cast<int>(::SendMessageW(window_, CB_GETCURSEL, 0, 0));
    if (isList(layout_.kind)) return static_cast<int>(::SendMessageW(window_, LB_GETCURSEL, 0, 0));
    return -1;
}

void FormControl::setListIndex(int position) {
    if (!window_) return;
    if (position < -1 || position >= listCount()) raise(error::InvalidPropertyValue);
    if (isCombo(layout_.kind)) ::SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    else if (isList(layout_.kind)) ::SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(position), 0);
    else raise(438, L"Object doesn't support this property or method");
    if (layout_.kind == Kind::DriveListBox) {
        if (position >= 0) driveText_ = list(position);
        form_.fire(Event::Change, this);
    } else {
        form_.fire(Event::Click, this);
    }
}

// Scroll bars.

int FormControl::value() const { return value_; }

void FormControl::setValue(int value) {
    if (value < std::min(minimum_, maximum_) || value > std::max(minimum_, maximum_)) raise(error::InvalidPropertyValue);
    bool changed = value != value_;
    value_ = value;
    if (window_) ::SetScrollPos(window_, SB_CTL, value, TRUE);
    if (changed) form_.fire(Event::Change, this);
}

void FormControl::setMinimum(int minimum) {
    minimum_ = minimum;
    if (window_) ::SetScrollRange(window_, SB_CTL, std::min(minimum_, maximum_), std::max(minimum_, maximum_), TRUE);
    if (value_ < std::min(minimum_, maximum_)) setValue(std::min(minimum_, maximum_));
}

void FormControl::setMaximum(int maximum) {
    maximum_ = maximum;
    if (window_) ::SetScrollRange(window_, SB_CTL, std::min(minimum_, maximum_), std::max(minimum_, maximum_), TRUE);
    if (value_ > std::max(minimum_, maximum_)) setValue(std::max(minimum_, maximum_));
}

void FormControl::setLargeChange(int step) { largeChange_ = step; }

// Timers: the form's window carries them, by the control's identifier.

void FormControl::startTimer() {
    HWND owner = form_.hwndIfLoaded();
    if (!owner || !enabled_ || interval_ <= 0) return;
    ::SetTimer(owner, static_cast<UINT_PTR>(id_), static_cast<UINT>(interval_), nullptr);
    timerRunning_ = true;
}

void FormControl::stopTimer() {
    if (!timerRunning_) return;
    if (HWND owner = form_.hwndIfLoaded()) ::KillTimer(owner, static_cast<UINT_PTR>(id_));
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

// Drive, directory and file lists.

void FormControl::fillDriveList() {
    clear();
    wchar_t drives[512] = {};
    DWORD length = ::GetLogicalDriveStringsW(511, drives);
    wchar_t current[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, current);
    int selected = -1;
    for (const wchar_t* root = drives; length && *root; root += ::lstrlenW(root) + 1) {
        std::wstring entry{static_cast<wchar_t>(std::towlower(root[0])), L':'};
        UINT type = ::GetDriveTypeW(root);
        if (type == DRIVE_FIXED || type == DRIVE_RAMDISK) {
            wchar_t label[MAX_PATH + 1] = {};
            UINT previous = ::SetErrorMode(SEM_FAILCRITICALERRORS);
            if (::GetVolumeInformationW(root, label, MAX_PATH, nullptr, nullptr, nullptr, nullptr, 0) && label[0]) {
                entry += L" [";
                entry += label;
                entry += L"]";
            }
            ::SetErrorMode(previous);
        }
        addItem(entry);
        if (std::towlower(root[0]) == std::towlower(current[0])) selected = listCount() - 1;
    }
    if (selected >= 0) {
        ::SendMessageW(window_, CB_SETCURSEL, selected, 0);
        driveText_ = list(selected);
    }
}

std::wstring FormControl::drive() const { return driveText_; }

void FormControl::setDrive(const std::wstring& drive) {
    if (drive.empty()) raise(68, L"Device unavailable");
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
    raise(68, L"Device unavailable");
}

void FormControl::fillDirectoryList() {
    clear();
    if (path_.size() > 3) addItem(L"..");
    std::vector<std::wstring> folders;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileExW(joinPath(path_, L"*").c_str(), FindExInfoStandard, &found,
                                       FindExSearchLimitToDirectories, nullptr, 0);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && ::lstrcmpW(found.cFileName, L".") != 0 &&
                ::lstrcmpW(found.cFileName, L"..") != 0) {
                folders.emplace_back(found.cFileName);
            }
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    std::sort(folders.begin(), folders.end(),
              [](const std::wstring& a, const std::wstring& b) { return ::lstrcmpiW(a.c_str(), b.c_str()) < 0; });
    for (const auto& folder : folders) addItem(folder);
}

void FormControl::fillFileList() {
    clear();
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(joinPath(path_, L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    ::SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    do {
        if (!(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) &&
            matchesPattern(found.cFileName, pattern_)) {
            addItem(found.cFileName);
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    ::SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(window_, nullptr, TRUE);
}

void FormControl::setPath(const std::wstring& path) {
    if (layout_.kind != Kind::DirListBox && layout_.kind != Kind::FileListBox) {
        raise(438, L"Object doesn't support this property or method");
    }
    wchar_t full[MAX_PATH] = {};
    DWORD length = path.empty() ? 0 : ::GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) raise(76, L"Path not found");
    std::wstring target = withoutTrailingSlash(full);
    if (target.size() >= 2 && target[1] == L':') {
        std::wstring root = target.substr(0, 2) + L"\\";
        if (::GetDriveTypeW(root.c_str()) == DRIVE_NO_ROOT_DIR) raise(68, L"Device unavailable");
    }
    UINT previous = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    DWORD attributes = ::GetFileAttributesW(target.c_str());
    ::SetErrorMode(previous);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        DWORD failure = ::GetLastError();
        if (failure == ERROR_NOT_READY) raise(68, L"Device unavailable");
        raise(76, L"Path not found");
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) raise(76, L"Path not found");
    bool changed = ::lstrcmpiW(target.c_str(), path_.c_str()) != 0;
    path_ = target;
    if (window_) {
        if (layout_.kind == Kind::DirListBox) fillDirectoryList();
        else fillFileList();
    }
    if (changed) form_.fire(Event::Change, this);
}

void FormControl::setPattern(const std::wstring& pattern) {
    pattern_ = pattern.empty() ? L"*.*" : pattern;
    if (window_ && layout_.kind == Kind::FileListBox) fillFileList();
}

std::wstring FormControl::fileName() const {
    if (layout_.kind != Kind::FileListBox) return {};
    return list(listIndex());
}

// Shapes and lines, painted by the form beneath its windows.

void FormControl::paintDecoration(HDC dc) const {
    if (!visible_) return;
    RECT rect = pixelRect();
    if (layout_.kind == Kind::Line) {
        const int thickness = std::max(layout_.borderWidth, 1);
        const COLORREF color = resolveColor(foreColor_);
        if (rect.top == rect.bottom || rect.left == rect.right) {
            // Straight lines as rectangles: a wide line is centred on its points, as a pen is.
            RECT band = rect;
            const int before = thickness / 2;
            if (rect.top == rect.bottom) {
                band.top = rect.top - before;
                band.bottom = band.top + thickness;
                if (band.right < band.left) std::swap(band.left, band.right);
            } else {
                band.left = rect.left - before;
                band.right = band.left + thickness;
                if (band.bottom < band.top) std::swap(band.top, band.bottom);
            }
            HBRUSH brush = ::CreateSolidBrush(color);
            ::FillRect(dc, &band, brush);
            ::DeleteObject(brush);
            return;
        }
        HPEN pen = ::CreatePen(PS_SOLID, thickness, color);
        HGDIOBJ before = ::SelectObject(dc, pen);
        ::MoveToEx(dc, rect.left, rect.top, nullptr);
        ::LineTo(dc, rect.right, rect.bottom);
        ::SelectObject(dc, before);
        ::DeleteObject(pen);
        return;
    }
    if (layout_.kind != Kind::Shape) return;
    if (backColor_ != DefaultColor && !transparent()) {
        HBRUSH brush = ::CreateSolidBrush(resolveColor(backColor_));
        ::FillRect(dc, &rect, brush);
        ::DeleteObject(brush);
    }
    if (foreColor_ != DefaultColor) {
        HBRUSH brush = ::CreateSolidBrush(resolveColor(foreColor_));
        for (int ring = 0; ring < std::max(layout_.borderWidth, 1); ++ring) {
            RECT frame{rect.left + ring, rect.top + ring, rect.right - ring, rect.bottom - ring};
            ::FrameRect(dc, &frame, brush);
        }
        ::DeleteObject(brush);
    }
}

}  // namespace orvane::forms
