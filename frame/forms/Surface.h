// The persistent drawing surface of auto-redraw forms and picture boxes: a bitmap that
// Print and the device context write on and that painting copies to the window.
#pragma once

#include "frame/base/Handles.h"

#include <string>

namespace orvane::forms {

class Surface {
public:
    Surface(int width, int height, COLORREF back);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC dc() const noexcept { return dc_.get(); }
    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }
    // Fills with `back` and returns the print position to the top left.
    void clear(COLORREF back);
    // One line at the print position, which then moves to the start of the next line.
    void print(const std::wstring& text, HFONT font, COLORREF fore);
    void copyTo(HDC target, const RECT& area) const;

private:
    UniqueMemoryDc dc_;
    UniqueGdiObject bitmap_;
    HGDIOBJ previous_ = nullptr;
    int width_;
    int height_;
    int currentY_ = 0;
};

}  // namespace orvane::forms
