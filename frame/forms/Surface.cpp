#include "frame/forms/Surface.h"

#include "frame/base/Errors.h"
#include "frame/forms/DeviceContext.h"

#include <algorithm>

namespace orvane::forms {

Surface::Surface(int width, int height, COLORREF back) : width_(std::max(width, 1)), height_(std::max(height, 1)) {
    {
        UniqueWindowDc screen = windowDc(nullptr);
        dc_.reset(::CreateCompatibleDC(screen.get().dc));
        bitmap_.reset(::CreateCompatibleBitmap(screen.get().dc, width_, height_));
    }
    if (!dc_ || !bitmap_) raise(error::OutOfMemory);
    previous_ = ::SelectObject(dc_.get(), bitmap_.get());
    clear(back);
}

Surface::~Surface() {
    if (dc_ && previous_) ::SelectObject(dc_.get(), previous_);
}

void Surface::clear(COLORREF back) {
    RECT all{0, 0, width_, height_};
    UniqueGdiObject brush(::CreateSolidBrush(back));
    ::FillRect(dc_.get(), &all, static_cast<HBRUSH>(brush.get()));
    currentY_ = 0;
}

void Surface::print(const std::wstring& text, HFONT font, COLORREF fore) {
    Selection selected(dc_.get(), font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc_.get(), &metrics);
    ::SetBkMode(dc_.get(), TRANSPARENT);
    ::SetTextColor(dc_.get(), fore);
    if (!text.empty()) ::TextOutW(dc_.get(), 0, currentY_, text.c_str(), static_cast<int>(text.size()));
    currentY_ += metrics.tmHeight;
}

void Surface::copyTo(HDC target, const RECT& area) const {
    ::BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(), area.left,
             area.top, SRCCOPY);
}

}  // namespace orvane::forms
