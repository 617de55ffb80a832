#include "frame/notify.h"

#include "frame/shared_state.h"

namespace vorlane {

GridNotify MakeNotify(const GridInstance& grid, UINT code, UINT column, UINT row) {
    const RowDrag& drag = Shared().drag;
    GridNotify record = {};
    record.hwndFrom = drag.dropAllowed ? drag.source : grid.ownWindow;
    record.idFrom = grid.controlId;
    record.code = code;
    record.column = column;
    record.row = row;
    record.hwndChild = grid.edit.editor;
    record.hwndGrid = grid.ownWindow;
    return record;
}

bool SendNotify(const GridInstance& grid, GridNotify& record) {
    record.cancel = 0;
    SendMessageA(grid.notifyWindow, WM_NOTIFY, grid.controlId, reinterpret_cast<LPARAM>(&record));
    return record.cancel != 0;
}

}  // namespace vorlane
