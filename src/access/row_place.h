// Where a row stands in the list pane, for the accessible objects and the automation elements
// alike: rows scrolled away lie far above or below the pane, as a reader may ask for any row.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/grid_instance.h"

namespace vorlane {

// The row shown first in the list pane.
uint32_t PaneTopRow(const GridInstance& grid);

// A row's rectangle in the list pane's client coordinates, as wide as the columns, or only as
// `column` when one is given.
RECT RowRect(const GridInstance& grid, uint32_t row, const ColumnRecord* column = nullptr);

// Whether any of the row shows in the part of the list pane the control shows.
bool RowInView(const GridInstance& grid, uint32_t row);

}  // namespace vorlane
