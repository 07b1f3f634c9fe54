// OVAboutBoxDemo: the About window in the style chosen from a list.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram aboutBoxDemo;
}
