// Scroll bars: the value a scroll request moves a bar to, and the range a bar shows.
#pragma once

#include <windows.h>

#include <optional>

namespace orvane::forms {

struct ScrollRange {
    int minimum, maximum, smallChange, largeChange;
    int low() const noexcept { return minimum < maximum ? minimum : maximum; }
    int high() const noexcept { return minimum < maximum ? maximum : minimum; }
};

// Where a request (SB_LINELEFT, SB_THUMBTRACK, ...) moves `bar` from `value`, inside the
// range; nothing for requests that move nothing.
std::optional<int> scrolledValue(HWND bar, UINT request, int value, const ScrollRange& range);
void showScrollRange(HWND bar, const ScrollRange& range, int value);

}  // namespace orvane::forms
