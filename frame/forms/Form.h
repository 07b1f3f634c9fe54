// A live form built from its table: a top-level window with its controls, shown modeless
// (painted before the call returns, for hosts that pump no messages) or modal, hidden
// (contents kept) and unloaded (windows destroyed, every GDI object released; the next
// use loads it afresh).
#pragma once

#include "frame/forms/FormControl.h"
#include "frame/forms/FormTable.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::forms {

class GdiCache;
class Surface;

class Form {
public:
    Form(const FormLayout& layout, std::span<const ControlLayout> controls, HandlerMap handlers = {});
    explicit Form(const FormDefinition& definition);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The thread's single instance of a library form, created at first use. After Unload
    // the same object loads afresh on its next use.
    static Form& instance(const FormDefinition& definition);

    const FormLayout& layout() const noexcept { return layout_; }
    const wchar_t* name() const noexcept { return layout_.name; }

    // Creates the windows and runs Load; does nothing when loaded. Every member below
    // that needs the windows loads the form first.
    void load();
    bool loaded() const noexcept { return window_ != nullptr; }
    // Modeless, without an owner unless one is given; painted before returning.
    void show(HWND owner = nullptr);
    // Returns once the form is hidden or unloaded; the owner is disabled meanwhile.
    void showModal(HWND owner = nullptr);
    void hide();
    // Runs QueryUnload and Unload (either may cancel); false when the form stays.
    bool unload(UnloadMode mode = UnloadMode::Code);
    bool visible() const noexcept;
    HWND hwnd();
    HWND hwndIfLoaded() const noexcept { return window_; }

    std::wstring caption() const;
    void setCaption(const std::wstring& caption);

    // By name; `index` picks an element of a control array (-1: the only control of that
    // name, or the first element). control() raises error 9 when there is none.
    FormControl& control(std::wstring_view name, int index = -1);
    FormControl* find(std::wstring_view name, int index = -1);
    std::vector<FormControl*> controlArray(std::wstring_view name);
    const std::vector<std::unique_ptr<FormControl>>& controls() const noexcept { return controls_; }

    // Outer window, twips (screen coordinates).
    double left();
    double top();
    double width();
    double height();
    void move(double left, double top);
    void move(double left, double top, double width, double height);
    // Client area, twips.
    double scaleWidth();
    double scaleHeight();

    Color backColor() const noexcept { return backColor_; }
    void setBackColor(Color color);
    Color foreColor() const noexcept { return foreColor_; }
    void setForeColor(Color color);
    const Font& font() const noexcept { return font_; }
    void setFont(const Font& font);

    // The drawing surface: with AutoRedraw, a persistent bitmap that Print writes on.
    bool autoRedraw() const noexcept { return autoRedraw_; }
    void setAutoRedraw(bool on);
    void print(const std::wstring& text = {});
    void cls();
    // The lines printed since the form was loaded or last cleared, as they were given:
    // what the surface shows, readable without reading pixels.
    const std::vector<std::wstring>& printedLines() const noexcept { return printed_; }
    HDC hdc();
    void refresh();

    // Fires an event of the form or of one of its controls through the handler map.
    // Returns false when no handler is mapped. Errors thrown by a handler go to the
    // thread's unhandled-error policy (Program.h), except those of Load, which reach the
    // caller of load() or show() with the form unloaded again.
    bool fire(Event event, FormControl* control = nullptr);
    bool fire(EventArgs& args);
    bool handles(Event event, const FormControl* control) const;

    // Internal to the runtime.
    GdiCache& gdi() noexcept { return *gdi_; }
    FormControl* controlById(int id) noexcept;
    FormControl* controlByWindow(HWND window) noexcept;
    POINT containerOrigin(const FormControl& control) const noexcept;
    // The inside of the frame that holds `control` (client coordinates), false when the
    // form itself holds it. What lies outside that area is cut off.
    bool containerArea(const FormControl& control, RECT& area) const noexcept;
    // Paints what lies behind the controls (back colour, shapes, lines) into `dc`,
    // whose origin is at `origin` of the client area.
    void paintBackground(HDC dc, const RECT& area, POINT origin);
    FormControl* defaultButton() noexcept;
    FormControl* cancelButton() noexcept;
    bool tabFrom(HWND focus, bool backwards);
    static Form* fromWindow(HWND window) noexcept;
    static std::vector<Form*> loadedForms();   // on this thread
    void destroyWindows() noexcept;            // no events (End)

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Each returns the message's result, or nothing for the default processing.
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> onCommand(int id, UINT code, HWND sender);
    std::optional<LRESULT> onGetDefaultId();
    std::optional<LRESULT> onDrawItem(const DRAWITEMSTRUCT& item);
    std::optional<LRESULT> onControlColor(HDC dc, HWND sender);
    std::optional<LRESULT> onScroll(UINT code, HWND sender);
    std::optional<LRESULT> onTimer(int id);
    std::optional<LRESULT> onMouse(EventArgs args);
    std::optional<LRESULT> onPaint();
    std::optional<LRESULT> onActivate(UINT state);
    void onNcDestroy() noexcept;
    void forgetWindows() noexcept;
    bool handledBy(const HandlerRow& row, Event event, const FormControl* control) const noexcept;
    void createWindow();
    void placeAtStartUp(HWND owner);
    void paint(HDC dc, const RECT& area);
    void releaseRetired() noexcept;
    bool dispatch(EventArgs& args, bool propagate);

    const FormLayout& layout_;
    std::span<const ControlLayout> table_;
    HandlerMap handlers_;
    HWND window_ = nullptr;
    std::vector<std::unique_ptr<FormControl>> controls_;
    std::vector<std::unique_ptr<FormControl>> retired_;
    std::unique_ptr<GdiCache> gdi_;
    std::unique_ptr<Surface> surface_;
    Color backColor_;
    Color foreColor_;
    Font font_;
    bool autoRedraw_;
    std::vector<std::wstring> printed_;
    bool placed_ = false;
    bool modal_ = false;
    int dispatchDepth_ = 0;
    bool mouseOverSurface_ = false;
    HWND lastFocus_ = nullptr;
};

}  // namespace orvane::forms
