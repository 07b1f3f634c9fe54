#include <windows.h>

#include "frmOVHelp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::helpDemo); }
