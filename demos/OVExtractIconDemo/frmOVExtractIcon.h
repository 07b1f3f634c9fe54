// OVExtractIconDemo: a file picked from drive, folder and file lists, and its icons
// stepped through with a scroll bar.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram extractIconDemo;
}
