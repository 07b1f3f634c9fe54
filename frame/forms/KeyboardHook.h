// Tab, Enter and Esc in modeless forms whose messages somebody else's loop pumps (a
// script host, a container): a per-thread WH_GETMESSAGE hook, installed while the thread
// has a loaded form, handles the keys before they are dispatched.
#pragma once

namespace orvane::forms {

// Counted per thread: the hook is installed by the first and removed by the last.
void attachKeyboardHook();
void detachKeyboardHook() noexcept;

}  // namespace orvane::forms
