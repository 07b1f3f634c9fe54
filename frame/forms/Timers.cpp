#include "frame/forms/Timers.h"

namespace orvane::forms {

bool startTimer(HWND owner, int id, int interval, bool enabled) {
    if (!owner || !enabled || interval <= 0) return false;
    ::SetTimer(owner, static_cast<UINT_PTR>(id), static_cast<UINT>(interval), nullptr);
    return true;
}

void stopTimer(HWND owner, int id) {
    if (owner) ::KillTimer(owner, static_cast<UINT_PTR>(id));
}

}  // namespace orvane::forms
