// OVScreenModesDemo: the display mode, and a list of modes to switch to.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram screenModesDemo;
}
