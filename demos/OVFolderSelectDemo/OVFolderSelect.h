// OVFolderSelectDemo: the folder browser, rooted at the special folder chosen from a list.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram folderSelectDemo;
}
