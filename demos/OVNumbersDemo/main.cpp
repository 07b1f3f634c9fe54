#include <windows.h>

#include "frmOVNumbers.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::numbersDemo); }
