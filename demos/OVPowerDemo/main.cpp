#include <windows.h>

#include "frmOVPower.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::powerDemo); }
