#include <windows.h>

#include "frmOVScreenModes.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::screenModesDemo); }
