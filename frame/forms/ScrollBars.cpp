#include "frame/forms/ScrollBars.h"

#include <algorithm>

namespace orvane::forms {

std::optional<int> scrolledValue(HWND bar, UINT request, int value, const ScrollRange& range) {
    int next = value;
    switch (request) {
    case SB_LINELEFT: next -= range.smallChange; break;
    case SB_LINERIGHT: next += range.smallChange; break;
    case SB_PAGELEFT: next -= range.largeChange; break;
    case SB_PAGERIGHT: next += range.largeChange; break;
    case SB_LEFT: next = range.minimum; break;
    case SB_RIGHT: next = range.maximum; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{sizeof info, SIF_TRACKPOS};
        ::GetScrollInfo(bar, SB_CTL, &info);
        next = info.nTrackPos;
        break;
    }
    default:
        return std::nullopt;
    }
    return std::clamp(next, range.low(), range.high());
}

void showScrollRange(HWND bar, const ScrollRange& range, int value) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL, range.minimum, range.maximum,
                    0, value};
    ::SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

}  // namespace orvane::forms
