// OVStackDemo: push, pop and peek values.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram stackDemo;
}
