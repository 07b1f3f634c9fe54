// The second splash style: three stepped etched rules at the top right.
#pragma once

#include "frame/forms/FormTable.h"

namespace orvane::branding {
const forms::FormDefinition& frmSerated();
}  // namespace orvane::branding
