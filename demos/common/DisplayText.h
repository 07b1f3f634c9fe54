// Results converted for display as the runtime writes them.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace orvane::demo {

// The runtime's text of a value: numbers in decimal (a Double with up to 15
// significant digits), Booleans "True"/"False", Empty "", texts unchanged;
// Null raises 94.
std::wstring displayText(const VARIANT& value);

// Format(value, "#,##"): rounded to a whole number, digits grouped by threes with the
// user's thousands separator, no decimals; zero gives the empty text.
std::wstring groupedText(const VARIANT& value);

}  // namespace orvane::demo
