// The fifth splash style: a dark band with light and coloured type, and a large logo.
#pragma once

#include "frame/forms/FormTable.h"

namespace orvane::branding {
const forms::FormDefinition& frmOrvane();
}  // namespace orvane::branding
