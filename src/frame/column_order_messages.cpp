// Where the columns stand and which show: the display order and hidden columns. Every change
// lays the panes out again and repaints them, as a width change does.
#include "frame/grid_handlers.h"
#include "frame/row_positions.h"
#include "vorlane.h"

namespace vorlane {

void ColumnsLaidOut(GridInstance& grid) {
    ++grid.viewGeneration;
    ++grid.lookGeneration;
    SendMessageA(grid.ownWindow, WM_SIZE, 0, 0);
    if (grid.destroyed) {
        return;
    }
    InvalidateRect(grid.headerPane, nullptr, TRUE);
    InvalidateRect(grid.listPane, nullptr, TRUE);
}

LRESULT OnSetColOrder(GridInstance& grid, uint64_t count, const uint32_t* order) {
    if (count > UINT32_MAX || !grid.store.SetColumnOrder(order, static_cast<uint32_t>(count))) {
        return 0;
    }
    ColumnsLaidOut(grid);
    return 1;
}

LRESULT OnGetColOrder(const GridInstance& grid, uint64_t room, uint32_t* order) {
    const auto clipped = static_cast<uint32_t>(room > UINT32_MAX ? UINT32_MAX : room);
    return grid.store.columns().GetOrder(order, clipped);
}

LRESULT OnSetColHidden(GridInstance& grid, uint64_t column, bool hidden) {
    if (column > UINT32_MAX || !grid.store.SetColumnHidden(static_cast<uint32_t>(column), hidden)) {
        return 0;
    }
    if (hidden && grid.edit.editor != nullptr && grid.edit.cell.column == column) {
        OnCancelEdit(grid);  // an editor over no room
    }
    ColumnsLaidOut(grid);
    return 1;
}

LRESULT OnGetColHidden(const GridInstance& grid, uint64_t column) {
    const uint64_t count = ColumnCount(grid);
    if (column >= count) {
        return 0;
    }
    if (column + 1 == count) {
        return 1;  // the kind column never shows
    }
    return grid.store.columns().IsShown(static_cast<uint32_t>(column)) ? 0 : 1;
}

}  // namespace vorlane
