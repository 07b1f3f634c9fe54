// OVPowerDemo: the power and battery read-outs, and suspend and hibernate.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram powerDemo;
}
