// OVLocalSettingsDemo: the locale settings read-outs.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram localSettingsDemo;
}
