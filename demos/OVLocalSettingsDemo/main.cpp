#include <windows.h>

#include "frmOVLocalSettings.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::localSettingsDemo); }
