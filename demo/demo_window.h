// The demo's main window: two grids side by side that follow the window's size.
#pragma once

#include <windows.h>

HWND CreateDemoWindow(HINSTANCE instance);
