#include <windows.h>

#include "frmOVLinkedList.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvane::demo::runDemo(orvane::demo::linkedListDemo); }
