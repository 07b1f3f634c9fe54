#include <windows.h>

#include "frmOVStack.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::stackDemo); }
