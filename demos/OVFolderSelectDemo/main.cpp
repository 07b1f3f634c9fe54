#include <windows.h>

#include "OVFolderSelect.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::folderSelectDemo); }
