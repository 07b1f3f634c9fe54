// The one piece of code the splash forms carry: the logo box's placeholder icon.
#pragma once

#include "frame/forms/FormTable.h"

namespace orvane::branding {

// Load puts the placeholder icon (32 x 32, 16 colours) into imgLogo; filling the form
// replaces it before it is ever seen.
forms::HandlerMap splashHandlers();

}  // namespace orvane::branding
