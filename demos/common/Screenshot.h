// A window saved as a PNG picture, as it shows on the screen (children included).
#pragma once

#include <windows.h>

#include <string>

namespace orvane::demo {

// False, and no file written, when the window cannot be read or shows one colour only
// (it has not painted yet).
bool saveWindowPicture(HWND window, const std::wstring& path);

}  // namespace orvane::demo
