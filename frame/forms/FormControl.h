// One live control of a form: a child window of the platform's standard class (a timer,
// shape or line has none), with the run-time properties the programs and forms use.
#pragma once

#include "frame/base/Handles.h"
#include "frame/forms/FormTable.h"

#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane::forms {

class Form;
class SharedFont;
class Surface;
struct ScrollRange;

class FormControl {
public:
    FormControl(Form& form, const ControlLayout& layout, int id);
    ~FormControl();
    FormControl(const FormControl&) = delete;
    FormControl& operator=(const FormControl&) = delete;

    Form& form() const noexcept { return form_; }
    const ControlLayout& layout() const noexcept { return layout_; }
    Kind kind() const noexcept { return layout_.kind; }
    const wchar_t* name() const noexcept { return layout_.name; }
    int index() const noexcept { return layout_.index; }
    int id() const noexcept { return id_; }
    // Null for timers, shapes and lines.
    HWND hwnd() const noexcept { return window_; }

    // Caption of labels, buttons and frames; text of text and combo boxes.
    std::wstring text() const;
    void setText(const std::wstring& text);

    Color foreColor() const noexcept { return foreColor_; }
    void setForeColor(Color color);
    Color backColor() const noexcept { return backColor_; }
    void setBackColor(Color color);
    const Font& font() const noexcept { return font_; }
    void setFont(const Font& font);
    HFONT hfont() const noexcept;

    // Twips from the top left of the container (the form's client area or a frame).
    // For lines: X1, Y1, X2, Y2.
    double left() const noexcept { return left_; }
    double top() const noexcept { return top_; }
    double width() const noexcept { return width_; }
    double height() const noexcept { return height_; }
    void move(double left, double top);
    void move(double left, double top, double width, double height);

    bool visible() const noexcept { return visible_; }
    void setVisible(bool visible);
    bool enabled() const noexcept { return enabled_; }
    void setEnabled(bool enabled);
    void setFocus();

    Style style() const noexcept { return style_; }
    bool autoSize() const noexcept { return has(style_, AutoSize); }
    void setAutoSize(bool on);
    bool wordWrap() const noexcept { return has(style_, WordWrap); }
    void setWordWrap(bool on);
    bool transparent() const noexcept { return has(style_, Transparent); }

    // Image and picture boxes; held by reference. Nothing or an empty picture draws nothing.
    IPicture* picture() const noexcept { return picture_.get(); }
    void setPicture(IPicture* picture);

    // Picture boxes: the persistent surface. Print writes a line at the current position.
    void print(const std::wstring& text = {});
    void cls();
    HDC hdc();
    void refresh();

    // Combo, list, drive, directory and file list boxes.
    void addItem(const std::wstring& item, int position = -1);
    void removeItem(int position);
    void clear();
    int listCount() const;
    std::wstring list(int position) const;
    int listIndex() const;
    void setListIndex(int position);   // -1 clears the selection; raises Change

    // Scroll bars.
    int value() const;
    void setValue(int value);          // raises Change when it differs
    int minimum() const noexcept { return minimum_; }
    int maximum() const noexcept { return maximum_; }
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    int smallChange() const noexcept { return smallChange_; }
    int largeChange() const noexcept { return largeChange_; }
    void setSmallChange(int step) { smallChange_ = step; }
    void setLargeChange(int step);

    // Timers: run while enabled with a non-zero interval.
    int interval() const noexcept { return interval_; }
    void setInterval(int milliseconds);

    // Drive list: the drive text ("c: [label]"). Directory and file lists: the folder.
    std::wstring drive() const;
    void setDrive(const std::wstring& drive);     // raises 68 for a drive that is not there
    std::wstring path() const { return path_; }
    void setPath(const std::wstring& path);       // raises 76 for a folder that is not there
    std::wstring pattern() const { return pattern_; }
    void setPattern(const std::wstring& pattern);
    std::wstring fileName() const;                // the selected file of a file list

    // Internal to the runtime.
    void create(HWND parent);
    void destroy() noexcept;
    void paintDecoration(HDC dc) const;           // shapes and lines
    RECT pixelRect() const noexcept;              // in the form's client coordinates
    bool handleCommand(UINT code);
    bool handleDrawItem(const DRAWITEMSTRUCT& item);
    HBRUSH handleColor(HDC dc);
    void handleScroll(UINT code);
    void fireTimer();
    bool takesTab() const noexcept;

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void applyFont();
    void placeWindow();
    void clipToContainer() noexcept;
    void sizeToContent();
    void invalidate() const;
    void fillFolderList();
    void fillDriveList();
    ScrollRange scrollRange() const noexcept;
    void startTimer();
    void stopTimer();
    void drawLabel(HDC dc, const RECT& rect) const;
    void paintBehindInto(HDC dc) const;

    Form& form_;
    const ControlLayout& layout_;
    int id_;
    HWND window_ = nullptr;
    WNDPROC baseProc_ = nullptr;
    Style style_;
    Font font_;
    std::shared_ptr<SharedFont> sharedFont_;
    Color foreColor_;
    Color backColor_;
    double left_, top_, width_, height_;
    bool visible_;
    bool enabled_;
    ComPtr<IPicture> picture_;
    std::unique_ptr<Surface> surface_;
    int minimum_ = 0, maximum_ = 0, largeChange_ = 1, smallChange_ = 1, value_ = 0;
    int interval_ = 0;
    bool timerRunning_ = false;
    std::wstring path_;
    std::wstring pattern_;
    std::wstring driveText_;
    bool mouseInside_ = false;
};

}  // namespace orvane::forms
