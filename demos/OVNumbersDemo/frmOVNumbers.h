// OVNumbersDemo: conversions between number bases and random identifiers.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram numbersDemo;
}
