// The first About style: icon and texts above an etched rule, the disclaimer beside the two buttons.
#pragma once

#include "frame/forms/FormTable.h"

namespace orvane::branding {
const forms::FormDefinition& frmAboutStandard();
}  // namespace orvane::branding
