// The header pane's mouse handling: hovering over and dragging a column's right edge to resize
// the column, and pressing and releasing a title to report a click. The pane procedure itself
// (HeaderPaneProc) is declared with the other procedures in frame/grid_handlers.h.
#pragma once

#include <windows.h>

#include "frame/grid_instance.h"

namespace vorlane {

// Hover test while idle or hovering; moves the resize line while dragging.
void OnHeaderMouseMove(GridInstance& grid, WPARAM keys, LPARAM point);
// Starts a drag from a hovered edge, or presses the title under the point.
void OnHeaderLButtonDown(GridInstance& grid, HWND pane, WPARAM keys, LPARAM point);
// Applies a dragged width, or reports the pressed title.
void OnHeaderLButtonUp(GridInstance& grid, HWND pane, LPARAM point);
// The second press of a double click: on a hovered edge it starts a drag as any press does, so
// that the release leaves the edge hovered again; on a title it presses nothing.
void OnHeaderLButtonDblClk(GridInstance& grid, HWND pane, WPARAM keys, LPARAM point);
// A drag that loses the mouse capture ends where it is, with nothing applied.
void OnHeaderCaptureChanged(GridInstance& grid, HWND pane, HWND newCapture);

}  // namespace vorlane
