#include "frame/forms/Shapes.h"

#include "frame/base/Handles.h"
#include "frame/forms/DeviceContext.h"

#include <algorithm>

namespace orvane::forms {

namespace {

HBRUSH brushOf(const UniqueGdiObject& brush) noexcept { return static_cast<HBRUSH>(brush.get()); }

}  // namespace

void paintLine(HDC dc, const RECT& ends, int thickness, COLORREF color) {
    thickness = std::max(thickness, 1);
    if (ends.top == ends.bottom || ends.left == ends.right) {
        // Straight lines as rectangles: a wide line is centred on its points, as a pen is.
        RECT band = ends;
        const int before = thickness / 2;
        if (ends.top == ends.bottom) {
            band.top = ends.top - before;
            band.bottom = band.top + thickness;
            if (band.right < band.left) std::swap(band.left, band.right);
        } else {
            band.left = ends.left - before;
            band.right = band.left + thickness;
            if (band.bottom < band.top) std::swap(band.top, band.bottom);
        }
        UniqueGdiObject brush(::CreateSolidBrush(color));
        ::FillRect(dc, &band, brushOf(brush));
        return;
    }
    UniqueGdiObject pen(::CreatePen(PS_SOLID, thickness, color));
    Selection selected(dc, pen.get());
    ::MoveToEx(dc, ends.left, ends.top, nullptr);
    ::LineTo(dc, ends.right, ends.bottom);
}

void paintShape(HDC dc, const RECT& rect, Color fill, Color border, int thickness) {
    if (fill != DefaultColor) {
        UniqueGdiObject brush(::CreateSolidBrush(resolveColor(fill)));
        ::FillRect(dc, &rect, brushOf(brush));
    }
    if (border != DefaultColor) {
        UniqueGdiObject brush(::CreateSolidBrush(resolveColor(border)));
        for (int ring = 0; ring < std::max(thickness, 1); ++ring) {
            RECT frame{rect.left + ring, rect.top + ring, rect.right - ring, rect.bottom - ring};
            ::FrameRect(dc, &frame, brushOf(brush));
        }
    }
}

}  // namespace orvane::forms
