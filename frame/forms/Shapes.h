// Shapes and lines: painted by the form beneath every window, each with brushes and
// pens of its own that are gone when the painting is.
#pragma once

#include "frame/forms/FormTable.h"

namespace orvane::forms {

// A line from (ends.left, ends.top) to (ends.right, ends.bottom), `thickness` pixels wide.
void paintLine(HDC dc, const RECT& ends, int thickness, COLORREF color);
// A rectangle: `fill` and `border` DefaultColor draw no fill and no border.
void paintShape(HDC dc, const RECT& rect, Color fill, Color border, int thickness);

}  // namespace orvane::forms
