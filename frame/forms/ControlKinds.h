// One row per control kind: the platform window class it is made of, its window styles,
// how it shows a border, whether it takes the focus with Tab, and its default colours.
#pragma once

#include "frame/forms/FormTable.h"

namespace orvane::forms {

// How a kind shows the Border and NoBorder options.
enum class Edge {
    None,             // no border of its own
    Line,             // a single line with Border (labels, image boxes)
    SunkenOnBorder,   // sunken with Border (picture boxes)
    Sunken,           // sunken unless NoBorder (text and list boxes)
};

// The item messages of a kind that holds a list.
enum class Items { None, Combo, List };

struct KindRow {
    const wchar_t* windowClass;           // nullptr: no window (timers, shapes, lines)
    DWORD style;                          // every control of the kind; WS_TABSTOP goes with NoTabStop
    DWORD (*optionStyle)(Style options);  // what the control's options add; may be null
    Edge edge;
    bool tabStop;                         // takes the focus with Tab
    Items items;
    bool captioned;                       // its window shows the layout's text
    Color foreColor, backColor;           // DefaultColor: none unless the layout gives one
};

const KindRow& kindRow(Kind kind) noexcept;

// The window style and extended style of a control of `kind` with `options`.
DWORD windowStyleOf(Kind kind, Style options, bool visible, bool enabled) noexcept;
DWORD extendedStyleOf(Kind kind, Style options) noexcept;

}  // namespace orvane::forms
