#include <windows.h>

#include "frmOVDiskInfo.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::diskInfoDemo); }
