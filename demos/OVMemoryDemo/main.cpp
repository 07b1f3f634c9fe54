#include <windows.h>

#include "frmOVMemory.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::memoryDemo); }
