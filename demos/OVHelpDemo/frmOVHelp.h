// OVHelpDemo: WinHelp and HtmlHelp files opened by name.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram helpDemo;
}
