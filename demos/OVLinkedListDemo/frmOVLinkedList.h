// OVLinkedListDemo: values appended to the list, and the list emptied.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram linkedListDemo;
}
