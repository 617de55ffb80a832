// GRM_SETCURCELL: the parent's veto, then the current cell, the selection the move makes, the
// view brought to the cell, and what listeners hear of it.
#include <utility>

#include "frame/focus_mark.h"
#include "frame/grid_handlers.h"
#include "frame/notify.h"
#include "frame/row_positions.h"
#include "frame/row_selection.h"
#include "frame/shared_state.h"
#include "frame/win_events.h"

namespace vorlane {

LRESULT OnSetCurCell(GridInstance& grid, uint64_t column, uint64_t row) {
    const SelectOnMove mode = std::exchange(grid.gesture.selectOnMove, SelectOnMove::Add);
    if (!IsCell(grid, column, row)) {
        return 0;
    }
    GridNotify click =
        MakeNotify(grid, GRN_CELLCLICK, static_cast<UINT>(column), static_cast<UINT>(row));
    click.rightButton = grid.gesture.rightButton ? TRUE : FALSE;
    click.rowKind = grid.gesture.rowKind;
    const bool vetoed = SendNotify(grid, click);
    // The parent may have destroyed the control or cleared its rows while it was asked.
    if (vetoed || grid.destroyed || !IsCell(grid, column, row)) {
        return 0;
    }

    Shared().activeSide = FocusSide();
    if (grid.currentColumn != column) {
        ++grid.lookGeneration;
    }
    grid.currentColumn = static_cast<uint32_t>(column);
    grid.currentRow = static_cast<uint32_t>(row);
    ++grid.viewGeneration;

    RowRanges& table = ActiveSelectionTable();
    SelectForMove(grid, mode, table, static_cast<uint32_t>(row));
    // The caret marks the current row: GRM_ENSUREVISIBLE reads the current row back from it.
    SendMessageA(grid.listPane, LB_SETCARETINDEX, static_cast<WPARAM>(row), FALSE);
    SaveSelectedRows(grid, table);

    SendMessageA(grid.ownWindow, GRM_ENSUREVISIBLE, 0, 0);
    if (grid.destroyed) {
        return 0;
    }
    RepaintFocusMark(grid);
    if (GetFocus() == grid.listPane) {
        RaiseRowEvent(grid, EVENT_OBJECT_FOCUS, grid.currentRow);
    }
    GridNotify changed = MakeNotify(grid, GRN_CURCELLCHANGED, grid.currentColumn, grid.currentRow);
    SendNotify(grid, changed);
    return 1;
}

}  // namespace vorlane
