// OVMemoryDemo: the memory figures, grouped by thousands.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram memoryDemo;
}
