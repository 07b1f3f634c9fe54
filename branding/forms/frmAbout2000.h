// The second About style: a white band with the icon, title and links over an etched rule.
#pragma once

#include "frame/forms/FormTable.h"

namespace orvane::branding {
const forms::FormDefinition& frmAbout2000();
}  // namespace orvane::branding
