// Timer controls: the form's window carries their timers, by the control's identifier.
#pragma once

#include <windows.h>

namespace orvane::forms {

// False when the timer does not run: no window, disabled, or no interval.
bool startTimer(HWND owner, int id, int interval, bool enabled);
void stopTimer(HWND owner, int id);

}  // namespace orvane::forms
