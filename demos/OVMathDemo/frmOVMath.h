// OVMathDemo: the math functions' results printed on the form.
#pragma once

#include <string>
#include <vector>

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram mathDemo;

// The lines the form prints below its six empty ones, one per call on the control.
std::vector<std::wstring> mathDemoLines(const LateBound& math);
}
