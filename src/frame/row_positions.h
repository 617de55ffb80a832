// Reaching a grid's rows by position: positions in the display order name rows, and the store's
// order gives the row offset each position shows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "frame/grid_instance.h"

namespace vorlane {

constexpr uint32_t kCellTextLimit = 0x7FFFFFFF;  // a client's text buffer must hold the text

inline uint32_t ColumnCount(const GridInstance& grid) {
    return grid.store.columns().Count();
}
inline bool IsOwnerData(const GridInstance& grid) {
    return grid.owner.on;
}
inline uint32_t RowCount(const GridInstance& grid) {
    return IsOwnerData(grid) ? grid.owner.count : grid.store.RowCount();
}
// Rows whose first entry was non-zero when added; every row of an owner-data grid counts.
inline uint32_t FilledRowCount(const GridInstance& grid) {
    return IsOwnerData(grid) ? grid.owner.count : grid.store.FilledRowCount();
}

// True when (column, row) names an existing cell.
inline bool IsCell(const GridInstance& grid, uint64_t column, uint64_t row) {
    return column < ColumnCount(grid) && row < RowCount(grid);
}

// The row offset of the row shown at `position`; RowOrder::kNoRow for no such position.
inline uint32_t RowOffsetAt(const GridInstance& grid, uint32_t position) {
    return grid.store.OffsetAt(position);
}

// The kind cell of the row shown at `position`. An owner-data grid reads it from the rows last
// fetched for painting, or asks its parent (which may do anything meanwhile: check destroyed).
uint32_t KindCellAt(GridInstance& grid, uint32_t position);

// What the cell at a row position holds, as every message that reads a cell gets it: a text
// cell's text in place (units of the grid's width with their NUL, valid until the rows next
// change) and its length in units, or any other cell's 32-bit value.
struct CellContent {
    bool isText = false;
    const void* text = nullptr;  // a text cell's text
    uint32_t length = 0;         // its units before the NUL
    uint32_t value = 0;          // any other cell's value
};

// The content of the cell at (column, row position); nullopt for a cell that does not exist.
// An owner-data grid asks its parent (GRN_GETCELL), which may do anything meanwhile (check
// destroyed); the text is then the grid's copy, valid until the next cell is asked for, and
// cut to kFetchedTextUnits - 1 units. Defined with the cell messages (row_messages.cpp).
std::optional<CellContent> CellContentAt(GridInstance& grid, uint32_t column, uint32_t row);

// Writes the cell at (column, row position) from `source` (a text of the grid's width, null
// for none, or a pointer to a 32-bit value), asking the parent first (GRN_CELLCHANGING) and
// reporting a write to column 0 (GRN_CELLCHANGED). An owner-data grid's parent keeps the value
// it is told of: the control only repaints the row. True when the cell was written; false for a
// cell that does not exist, a value cell without a value, a veto or no memory.
bool WriteCellAt(GridInstance& grid, uint32_t column, uint32_t row, const void* source);

// The state of a check cell (0 clear, 1 checked, 2 mixed, or whatever the cell holds); nullopt
// when the cell is no check cell or does not exist, or the grid went while it was asked.
std::optional<uint32_t> CheckStateAt(GridInstance& grid, uint32_t column, uint32_t row);

// Writes the toggled state of a check cell (a checked box clears, a clear or mixed one checks)
// through WriteCellAt. False when nothing was written: no check cell there, a veto, or the
// grid went meanwhile. Clicks, Space and assistive technology toggle through it.
bool ToggleCheckCell(GridInstance& grid, uint32_t column, uint32_t row);

}  // namespace vorlane
