// Registry value data and the values a script holds: every value type in both
// directions, and the registry views. Pure conversions, no registry access.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "frame/base/Handles.h"

namespace orvane::registrydata {

// The access flag of a view constant (0, KEY_WOW64_64KEY or KEY_WOW64_32KEY);
// raises error 5 for any other number.
REGSAM viewFlag(long view);

// The value a caller gets for stored data:
//  REG_SZ, REG_EXPAND_SZ  a String (one terminating zero dropped);
//  REG_MULTI_SZ           an array of Strings (the zeros at the end dropped);
//  REG_DWORD              a Long;
//  REG_QWORD              the unsigned decimal text (no script host holds every
//                         64-bit number otherwise);
//  anything else, and a DWORD or QWORD of the wrong length: an array of Bytes.
Variant valueOf(DWORD type, const BYTE* data, DWORD size);

// The data to store for a caller's value; raises 5 (unknown type, a number that is
// not whole, an empty text or a zero character in a multi-string), 6 (number out
// of range), 13 (a value of the wrong kind) or 94 (Null).
std::vector<BYTE> dataOf(long type, const VARIANT& value);

// Environment references (%NAME%) replaced by their values; unknown ones stay.
std::wstring expanded(const std::wstring& text);

}  // namespace orvane::registrydata
