// OVHyperLinkDemo: a web address and a mail address that open when clicked.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram hyperLinkDemo;
}
