#include <windows.h>

#include "frmOVMath.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::mathDemo); }
