#include "frame/forms/ControlKinds.h"

#include <array>

namespace orvane::forms {

namespace {

DWORD textBoxOptions(Style options) {
    DWORD style = 0;
    if (has(options, MultiLine)) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (has(options, VerticalScroll)) style |= WS_VSCROLL;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    if (has(options, ReadOnly)) style |= ES_READONLY;
    if (has(options, Password)) style |= ES_PASSWORD;
    if (has(options, AlignCenter)) style |= ES_CENTER;
    else if (has(options, AlignRight)) style |= ES_RIGHT;
    return style;
}

DWORD commandButtonOptions(Style options) { return has(options, DefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }

DWORD comboBoxOptions(Style options) {
    DWORD style = has(options, DropDownList) ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL;
    if (has(options, Sorted)) style |= CBS_SORT;
    return style;
}

DWORD listBoxOptions(Style options) { return has(options, Sorted) ? LBS_SORT : 0; }

constexpr DWORD StaticDrawn = SS_OWNERDRAW | SS_NOTIFY;
constexpr DWORD ListStyle = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
constexpr Color NoColor = DefaultColor;
using enum Edge;

// In the order of Kind.
const std::array<KindRow, 17> rows{{
    // class        style                                   options               edge            tab    items         captioned fore             back
    {L"Static",    StaticDrawn,                             nullptr,              Line,           false, Items::None,  true,  sys::ButtonText, sys::ButtonFace},  // Label
    {L"Static",    StaticDrawn,                             nullptr,              Line,           false, Items::None,  false, sys::ButtonText, sys::ButtonFace},  // Image
    {L"Static",    StaticDrawn,                             nullptr,              SunkenOnBorder, true,  Items::None,  false, sys::ButtonText, sys::ButtonFace},  // PictureBox
    {L"Edit",      WS_TABSTOP,                              textBoxOptions,       Sunken,         true,  Items::None,  true,  sys::WindowText, sys::Window},      // TextBox
    {L"Button",    WS_TABSTOP,                              commandButtonOptions, Edge::None,     true,  Items::None,  true,  sys::ButtonText, sys::ButtonFace},  // CommandButton
    {L"Button",    BS_AUTOCHECKBOX | WS_TABSTOP,            nullptr,              Edge::None,     true,  Items::None,  true,  sys::ButtonText, sys::ButtonFace},  // CheckBox
    {L"ComboBox",  WS_VSCROLL | WS_TABSTOP,                 comboBoxOptions,      Edge::None,     true,  Items::Combo, false, sys::WindowText, sys::Window},      // ComboBox
    {L"ListBox",   ListStyle,                               listBoxOptions,       Sunken,         true,  Items::List,  false, sys::WindowText, sys::Window},      // ListBox
    {L"Button",    BS_GROUPBOX,                             nullptr,              Edge::None,     false, Items::None,  true,  sys::ButtonText, sys::ButtonFace},  // Frame
    {nullptr,      0,                                       nullptr,              Edge::None,     false, Items::None,  false, NoColor,         NoColor},          // Shape
    {nullptr,      0,                                       nullptr,              Edge::None,     false, Items::None,  false, sys::WindowText, sys::ButtonFace},  // Line
    {L"ScrollBar", SBS_HORZ | WS_TABSTOP,                   nullptr,              Edge::None,     true,  Items::None,  true,  sys::ButtonText, sys::ButtonFace},  // HScrollBar
    {L"ScrollBar", SBS_VERT | WS_TABSTOP,                   nullptr,              Edge::None,     true,  Items::None,  true,  sys::ButtonText, sys::ButtonFace},  // VScrollBar
    {L"ComboBox",  CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, nullptr,           Edge::None,     true,  Items::Combo, false, sys::WindowText, sys::Window},      // DriveListBox
    {L"ListBox",   ListStyle,                               listBoxOptions,       Sunken,         true,  Items::List,  false, sys::WindowText, sys::Window},      // DirListBox
    {L"ListBox",   ListStyle | LBS_SORT,                    nullptr,              Sunken,         true,  Items::List,  false, sys::WindowText, sys::Window},      // FileListBox
    {nullptr,      0,                                       nullptr,              Edge::None,     false, Items::None,  false, sys::ButtonText, sys::ButtonFace},  // Timer
}};
static_assert(static_cast<size_t>(Kind::Timer) + 1 == 17, "one row per kind");

}  // namespace

const KindRow& kindRow(Kind kind) noexcept { return rows[static_cast<size_t>(kind)]; }

DWORD windowStyleOf(Kind kind, Style options, bool visible, bool enabled) noexcept {
    const KindRow& row = kindRow(kind);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | row.style;
    if (visible) style |= WS_VISIBLE;
    if (!enabled) style |= WS_DISABLED;
    if (has(options, NoTabStop)) style &= ~static_cast<DWORD>(WS_TABSTOP);
    if (row.optionStyle) style |= row.optionStyle(options);
    if ((row.edge == Line || row.edge == SunkenOnBorder) && has(options, Border)) style |= WS_BORDER;
    return style;
}

DWORD extendedStyleOf(Kind kind, Style options) noexcept {
    const Edge edge = kindRow(kind).edge;
    DWORD exStyle = WS_EX_NOPARENTNOTIFY;
    if ((edge == Sunken && !has(options, NoBorder)) || (edge == SunkenOnBorder && has(options, Border))) {
        exStyle |= WS_EX_CLIENTEDGE;
    }
    return exStyle;
}

}  // namespace orvane::forms
