// Tooltips of cut-off texts: the pointer resting on a cell or a title whose painted text is
// cut off shows the whole text over it. Moving to another cell or title, a press, a key, a
// scroll, a change of what the panes show, or the pointer leaving the pane takes it away.
#pragma once

#include <windows.h>

#include "frame/grid_instance.h"

namespace vorlane {

// WM_MOUSEMOVE in the list or header pane: a tip of another cell or title goes, and the pane
// asks to hear when the pointer rests (WM_MOUSEHOVER) or leaves (WM_MOUSELEAVE). With a button
// held (a press, a drag, a resize) no tip shows.
void TrackTipHover(GridInstance& grid, HWND pane, WPARAM keys, LPARAM point);
// WM_MOUSEHOVER in a pane: shows the tip of the cut-off text under the point, if any. Reading
// an owner-data grid's cell asks its parent, which may destroy the control: check destroyed.
void OnPaneMouseHover(GridInstance& grid, HWND pane, LPARAM point);
// WM_MOUSELEAVE in a pane.
void OnPaneMouseLeave(GridInstance& grid);

}  // namespace vorlane
