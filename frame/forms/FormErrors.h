// The runtime errors the forms raise beyond the library's common ones, with their
// standard texts.
#pragma once

#include "frame/base/Errors.h"

namespace orvane::forms::formError {

constexpr long DeviceUnavailable = 68;         // "Device unavailable"
constexpr long PathNotFound = 76;              // "Path not found"
constexpr long ReadOnlyText = 383;             // "'Text' property is read-only"
constexpr long AlreadyDisplayed = 400;         // "Form already displayed; can't show modally"

}  // namespace orvane::forms::formError

namespace orvane::forms {

// Raises a runtime error with its standard text: the library's common numbers through
// the runtime's table, the forms' own numbers (formError) with theirs.
[[noreturn]] void raiseFormError(long number);

}  // namespace orvane::forms
