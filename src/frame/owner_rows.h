// Grids whose rows the application keeps (GRS_OWNERDATA): their number, and the cells the
// control asks the parent for (GRN_GETCELL) wherever it needs one: before painting (after
// naming the rows with GRN_CACHEHINT), for editing, copying and reading a row's kind.
#pragma once

#include <cstdint>

#include "frame/grid_instance.h"
#include "frame/row_positions.h"

namespace vorlane {

constexpr uint32_t kFetchedTextUnits = 32768;  // a text asked for outside painting, with its NUL

// Before the list pane paints `area` (its client coordinates): names the rows in it with
// GRN_CACHEHINT and fetches every cell of them afresh into the page, which the rows are then
// painted from; rows no longer on screen leave the page. False when the control was destroyed
// meanwhile.
bool FetchRowsForPaint(GridInstance& grid, const RECT& area);

// Asks the parent for a cell that exists (GRN_GETCELL): its text, cut to kFetchedTextUnits - 1
// units and kept in the grid until the next one is asked for, or its value. Nullopt without
// memory. The parent may do anything meanwhile: check destroyed.
std::optional<CellContent> AskCellContent(GridInstance& grid, uint32_t column, uint32_t row);

// The row's cells may have changed: fetched again at its next paint.
void ForgetFetchedRow(GridInstance& grid, uint32_t row);
// Every row's cells may have changed.
void ForgetFetchedRows(GridInstance& grid);

}  // namespace vorlane
