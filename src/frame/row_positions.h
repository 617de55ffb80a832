// Reaching a grid's rows through its list pane: positions in the display order name rows, and
// each list item's data is the row's offset in the store.
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
inline uint32_t RowCount(const GridInstance& grid) {
    return grid.store.RowCount();
}

// True when (column, row) names an existing cell.
inline bool IsCell(const GridInstance& grid, uint64_t column, uint64_t row) {
    return column < ColumnCount(grid) && row < RowCount(grid);
}

// The row offset of the row shown at `position`.
inline uint32_t RowOffsetAt(const GridInstance& grid, uint32_t position) {
    return static_cast<uint32_t>(SendMessageA(grid.listPane, LB_GETITEMDATA, position, 0));
}

// The kind cell of the row shown at `position`.
inline uint32_t KindCellAt(const GridInstance& grid, uint32_t position) {
    return grid.store.KindCell(RowOffsetAt(grid, position));
}

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
// Defined with the cell messages (row_messages.cpp).
std::optional<CellContent> CellContentAt(const GridInstance& grid, uint32_t column, uint32_t row);

// Writes the cell at (column, row position) from `source` (a text of the grid's width, null
// for none, or a pointer to a 32-bit value), asking the parent first (GRN_CELLCHANGING) and
// reporting a write to column 0 (GRN_CELLCHANGED). True when the cell was written; false for a
// cell that does not exist, a value cell without a value, a veto or no memory.
bool WriteCellAt(GridInstance& grid, uint32_t column, uint32_t row, const void* source);

}  // namespace vorlane
