// OVWinVersionDemo: the operating-system version read-outs.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram winVersionDemo;
}
