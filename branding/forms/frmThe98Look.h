// The third splash style: the widest form, without ornament.
#pragma once

#include "frame/forms/FormTable.h"

namespace orvane::branding {
const forms::FormDefinition& frmThe98Look();
}  // namespace orvane::branding
