// OVSplashScreenDemo: each of the five splash styles put up for a few seconds.
#pragma once

#include "common/DemoForm.h"

namespace orvane::demo {
extern const DemoProgram splashScreenDemo;
}
