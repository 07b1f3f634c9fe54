#include <windows.h>

#include "frmOVHyperLink.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::hyperLinkDemo); }
