#include "input/check_toggle.h"

#include <windowsx.h>

#include <vector>

#include "frame/row_positions.h"
#include "frame/row_selection.h"
#include "render/check_box.h"
#include "render/text_room.h"
#include "store/shown_cell.h"

namespace vorlane {

bool ToggleCheckAtPoint(GridInstance& grid, uint32_t row, LPARAM point) {
    RECT item;
    if (SendMessageA(grid.listPane, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item)) ==
        LB_ERR) {
        return false;
    }
    const POINT at = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    const ColumnSet& columns = grid.store.columns();
    for (const uint32_t column : columns.Shown()) {
        const ColumnRecord& record = *columns.Get(column);
        if (record.cellKind != kCellCheck) {
            continue;
        }
        // Columns stand at their x in the list pane, whatever the item's left edge.
        const RECT box = CheckBoxRect(grid, record, CellSpan(record, item, 0));
        if (PtInRect(&box, at)) {
            ToggleCheckCell(grid, column, row);
            return true;
        }
    }
    return false;
}

bool ToggleChecksByKey(GridInstance& grid) {
    const std::optional<uint32_t> column = FirstCheckColumn(grid.store.columns());
    if (!column) {
        return false;
    }
    const uint32_t current = grid.currentRow;
    const std::optional<uint32_t> value = CheckStateAt(grid, *column, current);
    if (!value) {
        return true;
    }
    const uint32_t state = ToggledCheckState(*value);
    std::vector<uint32_t> rows;
    if (!IsRowSelected(grid, current) || !SelectedRows(grid, rows) || rows.empty()) {
        rows.assign(1, current);
    }
    for (const uint32_t row : rows) {
        WriteCellAt(grid, *column, row, &state);
        if (grid.destroyed) {
            return true;
        }
    }
    return true;
}

}  // namespace vorlane
