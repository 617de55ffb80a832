// Reaching a grid's rows through its list pane: positions in the display order name rows, and
// each list item's data is the row's offset in the store.
#pragma once

#include <windows.h>

#include <cstdint>

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

// The row offset of the row shown at `position`.
inline uint32_t RowOffsetAt(const GridInstance& grid, uint32_t position) {
    return static_cast<uint32_t>(SendMessageA(grid.listPane, LB_GETITEMDATA, position, 0));
}

// The kind cell of the row shown at `position`. An owner-data grid reads it from the rows last
// fetched for painting, or asks its parent (which may do anything meanwhile: check destroyed).
uint32_t KindCellAt(GridInstance& grid, uint32_t position);

}  // namespace vorlane
