// A window saved as a PNG picture, as it shows on the screen (children included).
#pragma once

#include <windows.h>

#include <string>

namespace orvane::demo {

bool saveWindowPicture(HWND window, const std::wstring& path);

}  // namespace orvane::demo
