// Creation and destruction of a grid window, called by its procedure (frame/grid_window.cpp).
#pragma once

#include <windows.h>

#include "frame/grid_instance.h"

namespace vorlane {

// WM_CREATE: makes the instance, its texts of `width`, and the control's parts, step by step.
// 0; or -1, so that creation fails, when a step fails: every part made so far is released again.
LRESULT OnCreate(HWND window, TextWidth width);

// WM_DESTROY: releases exactly what creation made, last step first, with whatever later messages
// made in the parts' place; the client's fonts and image lists stay the client's. The instance
// itself is deleted when the last handler holding it returns.
void OnDestroy(HWND window, GridInstance& grid);

}  // namespace vorlane
