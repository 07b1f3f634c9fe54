// A form as data: one FormLayout for the window, one ControlLayout row per control (in
// twips, as a layout table reads), and a handler map kept apart from the geometry.
//
//   const ControlLayout splashControls[] = {
//       {Kind::Image, L"imgLogo", L"", 240, 240, 480, 480},
//       {Kind::Label, L"lblPlatform", L"Platform", 1905, 2100, 5250, 330,
//        font(L"Arial", 14.25, Bold), DefaultColor, DefaultColor, Align::Right | AutoSize},
//       {Kind::Label, L"lblLicenseTo", L"LicenseTo", 360, 120, 6855, 255,
//        font(L"Arial", 8.25), sys::WindowText, DefaultColor, Align::Right | Transparent},
//       line(L"Line1", 3840, 120, 7440, 120, sys::WindowText, 2),   // etched rule: dark...
//       line(L"Line2", 3840, 120, 7680, 120, sys::Window),           // ...then light on top
//       ControlLayout{Kind::Label, L"lblWarning", L"Warning", 150, 3660, 6765, 915,
//                   font(L"Arial", 8.25)}.inside(L"Frame1"),
//   };
//   const FormLayout splash{L"frmSerated", L"", 7380, 4740, BorderStyle::FixedDialog, NoTitleBar,
//                         StartUp::ScreenCentre};
//   HandlerMap handlers{{L"cmdOK", Event::Click, [](EventArgs& e) { e.form.unload(); }}};
//
// Rows are drawn in table order: a later window lies above an earlier one; shapes and
// lines are painted by the form beneath every window. Tab order follows `tabIndex`,
// then table order.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace orvane::forms {

class Form;
class FormControl;

// 0x00BBGGRR, or a system colour 0x800000nn (nn the platform's colour index).
using Color = std::uint32_t;
// "Not given": the form's or the control kind's usual colour.
constexpr Color DefaultColor = 0xFFFFFFFFu;

namespace sys {
constexpr Color ScrollBar = 0x80000000u;
constexpr Color Desktop = 0x80000001u;
constexpr Color ActiveTitle = 0x80000002u;
constexpr Color Window = 0x80000005u;
constexpr Color WindowFrame = 0x80000006u;
constexpr Color WindowText = 0x80000008u;
constexpr Color TitleText = 0x80000009u;       // active title text
constexpr Color ActiveBorder = 0x8000000Au;
constexpr Color Highlight = 0x8000000Du;
constexpr Color HighlightText = 0x8000000Eu;
constexpr Color ButtonFace = 0x8000000Fu;
constexpr Color ButtonShadow = 0x80000010u;
constexpr Color GrayText = 0x80000011u;
constexpr Color ButtonText = 0x80000012u;
constexpr Color ButtonHighlight = 0x80000014u;  // 3-D highlight
}  // namespace sys

// A colour as the platform draws it: system colours resolved through GetSysColor.
COLORREF resolveColor(Color color) noexcept;
// A colour given at run time must be one the platform can draw: an RGB value, a palette
// entry or a system colour. Anything else raises "Invalid property value" (380).
void checkColor(Color color);

enum class Kind {
    Label,
    Image,          // not stretched: takes its picture's size
    PictureBox,     // auto-redraw surface: Print, a device context
    TextBox,
    CommandButton,
    CheckBox,
    ComboBox,       // editable unless DropDownList
    ListBox,
    Frame,          // group box; controls name it as their container
    Shape,          // rectangle painted by the form: foreColor border, backColor fill
    Line,           // painted by the form; left, top, width, height are X1, Y1, X2, Y2
    HScrollBar,
    VScrollBar,
    DriveListBox,
    DirListBox,
    FileListBox,
    Timer,          // no window; `interval` in milliseconds
};

enum FontStyle : unsigned { Regular = 0, Bold = 1, Italic = 2, Underline = 4, Strikeout = 8 };
constexpr FontStyle operator|(FontStyle a, FontStyle b) noexcept {
    return static_cast<FontStyle>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

// An empty face means the form's font.
struct Font {
    const wchar_t* face = nullptr;
    double size = 0;          // points
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    BYTE charset = ANSI_CHARSET;   // western

    bool empty() const noexcept { return !face || !*face; }
};

constexpr Font font(const wchar_t* face, double size, FontStyle style = Regular) noexcept {
    return Font{face, size, (style & Bold) ? FW_BOLD : FW_NORMAL, (style & Italic) != 0,
                    (style & Underline) != 0, (style & Strikeout) != 0, ANSI_CHARSET};
}
// The form font when a table names none.
constexpr Font DefaultFormFont = font(L"MS Sans Serif", 8.25);

// Control options, combined with |.
enum Style : std::uint32_t {
    NoStyle = 0,
    AlignLeft = 0,
    AlignRight = 1u << 0,
    AlignCenter = 1u << 1,
    AutoSize = 1u << 2,       // labels, image and picture boxes: sized to their content
    WordWrap = 1u << 3,       // labels: break lines at word boundaries
    Transparent = 1u << 4,    // labels draw only their text; shapes draw no fill
    Border = 1u << 5,         // fixed single border (labels, picture boxes); text boxes have one unless NoBorder
    NoBorder = 1u << 6,
    ReadOnly = 1u << 7,
    MultiLine = 1u << 8,
    NoTabStop = 1u << 9,
    DefaultButton = 1u << 10, // Enter
    CancelButton = 1u << 11,  // Esc
    DropDownList = 1u << 12,  // combo boxes: choose only, no typing
    Hidden = 1u << 13,
    Disabled = 1u << 14,
    Checked = 1u << 15,
    Password = 1u << 16,
    VerticalScroll = 1u << 17,  // multi-line text boxes
    Sorted = 1u << 18,
};
constexpr Style operator|(Style a, Style b) noexcept {
    return static_cast<Style>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr Style operator&(Style a, Style b) noexcept {
    return static_cast<Style>(static_cast<std::uint32_t>(a) & static_cast<std::uint32_t>(b));
}
constexpr bool has(Style set, Style flag) noexcept { return (set & flag) != NoStyle; }

struct Align {
    static constexpr Style Left = AlignLeft;
    static constexpr Style Right = AlignRight;
    static constexpr Style Center = AlignCenter;
};

struct ControlLayout {
    Kind kind = Kind::Label;
    const wchar_t* name = L"";
    const wchar_t* text = L"";            // caption or text
    double left = 0, top = 0, width = 0, height = 0;  // twips, from the container's top left
    Font font = {};
    Color foreColor = DefaultColor;
    Color backColor = DefaultColor;
    Style style = NoStyle;
    // Rarer columns: set them with the helpers below so that rows stay one line.
    const wchar_t* container = nullptr;   // a Frame of the same form
    int tabIndex = -1;                    // -1: after the numbered ones, in table order
    int index = -1;                       // element of a control array (-1: no array)
    std::span<const wchar_t* const> items = {};
    int borderWidth = 1;                  // shapes and lines, pixels
    int interval = 0;                     // timers, milliseconds
    const wchar_t* pattern = nullptr;     // file list boxes, e.g. L"*.exe;*.dll"
    int minimum = 0, maximum = 0, value = 0;  // scroll bars

    constexpr ControlLayout inside(const wchar_t* frame) const { ControlLayout row = *this; row.container = frame; return row; }
    constexpr ControlLayout tab(int position) const { ControlLayout row = *this; row.tabIndex = position; return row; }
    constexpr ControlLayout element(int number) const { ControlLayout row = *this; row.index = number; return row; }
    constexpr ControlLayout list(std::span<const wchar_t* const> entries) const { ControlLayout row = *this; row.items = entries; return row; }
    constexpr ControlLayout lineWidth(int pixels) const { ControlLayout row = *this; row.borderWidth = pixels; return row; }
    constexpr ControlLayout every(int milliseconds) const { ControlLayout row = *this; row.interval = milliseconds; return row; }
    constexpr ControlLayout files(const wchar_t* filter) const { ControlLayout row = *this; row.pattern = filter; return row; }
    constexpr ControlLayout range(int low, int high, int current) const {
        ControlLayout row = *this; row.minimum = low; row.maximum = high; row.value = current; return row;
    }
};

// A line from (x1, y1) to (x2, y2), `pixels` wide.
constexpr ControlLayout line(const wchar_t* name, double x1, double y1, double x2, double y2,
                           Color color = DefaultColor, int pixels = 1) noexcept {
    ControlLayout row{Kind::Line, name, L"", x1, y1, x2, y2, {}, color};
    row.borderWidth = pixels;
    return row;
}
// A rectangle: `fill` DefaultColor leaves the inside transparent; `border` DefaultColor draws none.
constexpr ControlLayout shape(const wchar_t* name, double left, double top, double width, double height,
                            Color fill, Color border = DefaultColor, int pixels = 1) noexcept {
    ControlLayout row{Kind::Shape, name, L"", left, top, width, height, {}, border, fill};
    row.borderWidth = pixels;
    return row;
}
constexpr ControlLayout timer(const wchar_t* name, int milliseconds, Style style = NoStyle) noexcept {
    ControlLayout row{Kind::Timer, name};
    row.interval = milliseconds;
    row.style = style;
    return row;
}

enum class BorderStyle {
    None,
    FixedSingle,    // not sizeable; minimise and maximise buttons as the style says
    Sizable,
    FixedDialog,    // dialog frame, no minimise or maximise
    FixedToolWindow,
    SizableToolWindow,
};

// Form options, combined with |. A form without TitleBar has no caption bar at all.
enum FormStyle : std::uint32_t {
    NoTitleBar = 0,
    TitleBar = 1u << 0,
    ControlBox = 1u << 1,   // control menu and close button
    MinButton = 1u << 2,
    MaxButton = 1u << 3,
    InTaskbar = 1u << 4,
    AutoRedraw = 1u << 5,   // drawing and Print go to a persistent surface
};
constexpr FormStyle operator|(FormStyle a, FormStyle b) noexcept {
    return static_cast<FormStyle>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr bool has(FormStyle set, FormStyle flag) noexcept {
    return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(flag)) != 0;
}

enum class StartUp { Manual, OwnerCentre, ScreenCentre, PlatformDefault };

struct FormLayout {
    const wchar_t* name = L"";
    const wchar_t* caption = L"";
    double width = 0, height = 0;       // client area, twips
    BorderStyle border = BorderStyle::Sizable;
    FormStyle style = TitleBar | ControlBox | MinButton | MaxButton | InTaskbar;
    StartUp startUp = StartUp::PlatformDefault;
    Font font = DefaultFormFont;
    Color backColor = sys::ButtonFace;
    Color foreColor = sys::ButtonText;
    double left = 0, top = 0;           // StartUp::Manual, twips from the screen's top left
};

enum class Event {
    Load,
    QueryUnload,    // set EventArgs::cancel to keep the form
    Unload,
    Activate,
    Click,
    DblClick,
    MouseDown,
    MouseMove,      // over a control, or (with no control name) over the form's own surface
    MouseUp,
    Change,         // text edited, list selection of a drive or directory list, scroll value set
    Scroll,         // scroll thumb dragged
    Timer,
    GotFocus,
    LostFocus,
    KeyPress,
};

// Why a form is being unloaded (QueryUnload and Unload).
enum class UnloadMode { Code = 1, CloseButton = 0, Program = 4 };

struct EventArgs {
    Form& form;
    FormControl* control;     // nullptr for the form's own events
    Event event;
    int button = 0;           // MK_LBUTTON, MK_RBUTTON, MK_MBUTTON bits
    int shift = 0;            // 1 Shift, 2 Ctrl, 4 Alt
    double x = 0, y = 0;      // pointer, twips from the control's (or form's) top left
    int keyAscii = 0;         // KeyPress: the character; set 0 to swallow it
    UnloadMode unloadMode = UnloadMode::Code;
    bool cancel = false;      // QueryUnload, Unload: keep the form

    FormControl& sender() const { return *control; }
};

using Handler = std::function<void(EventArgs&)>;

// One row per handler: a control name (nullptr or L"" for the form itself), the event,
// and the code. Every element of a control array shares its array's handler.
struct HandlerRow {
    const wchar_t* control;
    Event event;
    Handler handler;
};
using HandlerMap = std::vector<HandlerRow>;

// Everything a form is made of: its layouts and its code. The layouts must outlive every
// Form built from them (tables are static data).
struct FormDefinition {
    const FormLayout& form;
    std::span<const ControlLayout> controls;
    HandlerMap (*handlers)() = nullptr;   // called once per Form
};

}  // namespace orvane::forms
