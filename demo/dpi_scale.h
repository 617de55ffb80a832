// The demo's sizes are written for 96 DPI and scaled to its windows' DPI. The program is
// per-monitor DPI aware (its manifest): on a DPI change the main window takes the suggested
// rectangle, scales its layout and fonts, and tells its grids.
#pragma once

#include <windows.h>

// The DPI of `window` (GetDpiForWindow where the system has it, else the screen's LOGPIXELSY);
// for a null window, the screen's.
UINT DpiOf(HWND window);

inline int ScaleFor(UINT dpi, int pixels) {
    return MulDiv(pixels, static_cast<int>(dpi), 96);
}
