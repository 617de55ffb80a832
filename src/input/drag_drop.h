// Row drag and drop between the two registered list panes: the mouse-move tracking. The press
// that prepares a drag and the release that drops are the list pane's (list_pane_mouse.cpp).
#pragma once

#include <windows.h>

#include "frame/grid_instance.h"

namespace vorlane {

// WM_MOUSEMOVE in a list pane of `grid`: routes the mouse capture to the pane whose zone the
// pointer is in, chooses the cursor, allows or forbids a drop, and marks the target row.
void OnListMouseMove(GridInstance& grid, WPARAM keys, LPARAM point);

// Escape while the left button is down in a list pane abandons the drag: no drop, the capture
// and the mark go, the arrow shows, GRN_BUTTON reports the gesture over, and the moves and the
// release still to come do nothing. True when the key was taken so.
bool AbandonDragOnKey(GridInstance& grid, WPARAM virtualKey);

// True when a release at `point` (the pane's client coordinates) is on a grid's list pane, not
// on a window above it or beside it: only there can rows be dropped.
bool IsOnListPane(HWND pane, LPARAM point);

}  // namespace vorlane
