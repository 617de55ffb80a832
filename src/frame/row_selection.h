// Which rows of a grid are selected. Every read and write of the selection goes through these
// functions, never through list box messages of the caller's own: the list pane keeps the
// selection of an ordinary grid; an owner-data grid keeps it itself, as row ranges
// (OwnerRows::selection), and repaints the rows shown whose selection changes.
// Rows are named by position (display order), as the list pane names its items.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "frame/grid_instance.h"

namespace vorlane {

// The number of selected rows.
uint32_t SelectedRowCount(const GridInstance& grid);

// Every selected position, ascending, into `positions` (whose storage is reused). False, with
// `positions` empty, when there is no memory for them.
bool SelectedRows(const GridInstance& grid, std::vector<uint32_t>& positions);

// The selection as row ranges into `saved`, what the selection tables hold: for an owner-data
// grid a copy of its ranges, whatever their rows. False, with `saved` empty, without memory.
bool SaveSelectedRows(const GridInstance& grid, RowRanges& saved);

// Writes the first min(room, count) selected positions, ascending, to `positions` and returns
// how many it wrote; nothing when `positions` is null.
uint32_t CopySelectedRows(const GridInstance& grid, uint32_t* positions, uint32_t room);

bool IsRowSelected(const GridInstance& grid, uint32_t row);

// Selects or deselects one row.
void SelectRow(GridInstance& grid, uint32_t row, bool selected);

// Selects or deselects the rows first to last, both included (first <= last).
void SelectRowRange(GridInstance& grid, uint32_t first, uint32_t last, bool selected);

// Selects or deselects every row of an ascending list of positions, a run of neighbouring
// positions at a time, and repaints the pane once afterwards. Positions past the last row are
// passed over.
void SelectRows(GridInstance& grid, std::span<const uint32_t> positions, bool selected);

// Selects or deselects the rows of `rows`, in ascending order, the first `limit` of them only.
void SelectRows(GridInstance& grid, const RowRanges& rows, bool selected,
                uint64_t limit = UINT64_MAX);

void DeselectAllRows(GridInstance& grid);

// The selection of GRM_SETCURCELL making `row` current, by `mode`; the Shift stretch of Add
// saves the selection into `table` first. Every mode but a range makes `row` the anchor.
void SelectForMove(GridInstance& grid, SelectOnMove mode, RowRanges& table, uint32_t row);

}  // namespace vorlane
