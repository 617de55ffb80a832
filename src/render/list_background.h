// The parts of the list pane that no row covers: right of the columns and below the last row.
#pragma once

#include "frame/grid_instance.h"

namespace vorlane {

// Fills those parts with the row background brush on `dc`, the list pane's paint device context,
// before the list box paints its rows.
void FillListPaneOutsideRows(const GridInstance& grid, HDC dc);

}  // namespace vorlane
