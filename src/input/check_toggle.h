// Toggling check cells: a click on a cell's box, and Space on the current row or on every
// selected row. Each toggle is a cell write the parent hears of and may veto, row by row
// (GRN_CELLCHANGING, then GRN_CELLCHANGED); it may also destroy the control meanwhile, after
// which the toggles stop.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "frame/grid_instance.h"
#include "frame/row_positions.h"

namespace vorlane {

// The release of a click at `point` (list pane coordinates) on `row`: toggles the check cell
// whose box lies under the point. True when the point was on a box.
bool ToggleCheckAtPoint(GridInstance& grid, uint32_t row, LPARAM point);

// Space: toggles the first check column of the current row; when the current row is selected,
// every selected row takes the state the current row's box toggles to. False when the grid has
// no check column, so that Space keeps its other meaning.
bool ToggleChecksByKey(GridInstance& grid);

}  // namespace vorlane
