// Row drag and drop between the two registered list panes: the mouse-move tracking. The press
// that prepares a drag and the release that drops are the list pane's (list_pane_mouse.cpp).
#pragma once

#include <windows.h>

#include "frame/grid_instance.h"

namespace vorlane {

// WM_MOUSEMOVE in a list pane of `grid`: routes the mouse capture to the pane whose zone the
// pointer is in, chooses the cursor, allows or forbids a drop, and marks the target row.
void OnListMouseMove(GridInstance& grid, WPARAM keys, LPARAM point);

}  // namespace vorlane
