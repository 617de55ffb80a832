// Painting one row of the list pane: the row is composed on the control's off-screen canvas and
// copied to the pane in one step.
#pragma once

#include <windows.h>

#include "frame/grid_instance.h"

namespace vorlane {

class RowStages;

// Paints the row named by an owner-draw record of the list pane (item -1 draws nothing). The
// grid's inputs are only read; what painting writes is its own, in the grid's PaintCache: the
// canvas rows are composed on, the shell icons it looked up, and the mark that a row was painted
// under other inputs than the last full repaint's (otherLookPainted, read by vertical scrolling).
// `focusMark` draws the system focus rectangle over the row (the keyboard's current row while
// the list pane has the focus), and the cache remembers which row shows it.
// With `stages` the parent is asked at the row's custom draw stages (render/row_stages.h); false
// when a stage stopped the paint (the control is gone or its rows changed).
bool PaintRow(GridInstance& grid, const DRAWITEMSTRUCT& item, bool focusMark,
              RowStages* stages = nullptr);

}  // namespace vorlane
