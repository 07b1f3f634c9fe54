#include <windows.h>

#include "frmOVExtractIcon.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::extractIconDemo); }
