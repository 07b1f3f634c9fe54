#include <windows.h>

#include "frmOVSplashScreen.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::splashScreenDemo); }
