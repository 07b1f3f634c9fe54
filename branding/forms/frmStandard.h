// The first splash style: the content inside an etched frame.
#pragma once

#include "frame/forms/FormTable.h"

namespace orvane::branding {
const forms::FormDefinition& frmStandard();
}  // namespace orvane::branding
