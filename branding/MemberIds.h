// Dispatch identifiers of the branding controls' members, looked up by name in the type
// library (their one source) and kept after the first look-up.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace orvane::branding {

DISPID memberId(REFIID interfaceId, const wchar_t* name);

}  // namespace orvane::branding
