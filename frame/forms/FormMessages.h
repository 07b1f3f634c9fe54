// Messages as the forms runtime unpacks them, shared by forms and their controls.
#pragma once

#include "frame/forms/FormTable.h"

#include <optional>

namespace orvane::forms {

// What a message handler returns: the message's result, or nothing to let the
// window's default processing have the message.
using Handled = std::optional<LRESULT>;

// "WM_GETCONTROLNAME": wParam the buffer's length in characters, lParam the buffer; the
// result is the characters copied (the name's length without a buffer).
UINT controlNameMessage() noexcept;
LRESULT answerControlName(const wchar_t* name, WPARAM capacity, LPARAM target) noexcept;

bool isMouseMessage(UINT message) noexcept;
// The event of a mouse message (a move, a press, a release or a double click) with its
// buttons, the Shift and Ctrl keys, and the pointer's position in twips.
EventArgs mouseArgs(Form& form, FormControl* control, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

}  // namespace orvane::forms
