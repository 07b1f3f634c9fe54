// OVDiskInfoDemo: what the disk control reports about the drive chosen in the list.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram diskInfoDemo;
}
