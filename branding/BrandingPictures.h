// Pictures the branding controls and forms make for themselves.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "frame/base/Handles.h"

namespace orvane::branding {

// A new picture object that owns an icon of the library's resources, at `pixels` square.
ComPtr<IPictureDisp> iconPicture(int resource, int pixels);

// The picture an image control shows for a property value: Nothing stays null.
ComPtr<IPicture> pictureOf(IPictureDisp* picture);

}  // namespace orvane::branding
