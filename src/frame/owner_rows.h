// Grids whose rows the application keeps (GRS_OWNERDATA): their number, and the cells the
// control asks the parent for (GRN_GETCELL) wherever it needs one: before painting (after
// naming the rows with GRN_CACHEHINT), for editing, copying and reading a row's kind.
#pragma once

#include <cstdint>

#include "frame/grid_instance.h"

namespace vorlane {

// Asks the parent for one cell into `destination`, which holds `destinationUnits` units of the
// grid's width (a value cell: at least 4 bytes), as GridStore::ReadCell reads one. False, with
// nothing written, for a cell outside the grid or a destination too small; the parent may do
// anything meanwhile: check destroyed.
bool FetchCell(GridInstance& grid, uint32_t column, uint32_t row, void* destination,
               uint32_t destinationUnits);

// Before the list pane paints `area` (its client coordinates): names the rows in it with
// GRN_CACHEHINT and fetches every cell of them afresh into the page, which the rows are then
// painted from; rows no longer on screen leave the page. False when the control was destroyed
// meanwhile.
bool FetchRowsForPaint(GridInstance& grid, const RECT& area);

// The row's cells may have changed: fetched again at its next paint.
void ForgetFetchedRow(GridInstance& grid, uint32_t row);
// Every row's cells may have changed.
void ForgetFetchedRows(GridInstance& grid);

}  // namespace vorlane
