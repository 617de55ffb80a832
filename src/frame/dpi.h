// The DPI of a grid's window and the sizes that follow it. The control's own sizes are given at
// 96 DPI and scaled; the functions of per-monitor DPI are looked up at run time, so that the DLL
// still loads where the system lacks them.
#pragma once

#include <windows.h>

namespace vorlane {

constexpr UINT kBaseDpi = 96;  // the DPI the control's own pixel sizes are given at

// The DPI of `window`: GetDpiForWindow where the system has it, else the LOGPIXELSY of the
// window's device context; kBaseDpi when neither answers.
UINT WindowDpi(HWND window);

// The side of the shell's small icons at `dpi`: GetSystemMetricsForDpi where the system has it,
// else the system metric (the system DPI is then every window's).
int SmallIconSize(UINT dpi);

// `pixels` at 96 DPI, at `dpi`, rounded to the nearest pixel.
inline int ScaleToDpi(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(kBaseDpi));
}

}  // namespace vorlane
