// The fourth splash style: a window-coloured band across the top over an etched rule.
#pragma once

#include "frame/forms/FormTable.h"

namespace orvane::branding {
const forms::FormDefinition& frmThe2000Look();
}  // namespace orvane::branding
