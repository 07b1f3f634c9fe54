#include <windows.h>

#include "frmOVAbout.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::aboutBoxDemo); }
