#include <windows.h>

#include "frmOVWinVersion.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::winVersionDemo); }
