#include "input/title_check.h"

#include <windowsx.h>

#include <optional>

#include "frame/notify.h"
#include "frame/owner_rows.h"
#include "frame/row_positions.h"
#include "render/check_box.h"
#include "render/header_painter.h"
#include "render/text_room.h"
#include "store/column_set.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr UINT kEveryRow = 0xFFFFFFFF;

// The pressed title's column, if any.
std::optional<uint32_t> PressedColumn(const GridInstance& grid) {
    const ColumnSet& columns = grid.store.columns();
    for (uint32_t column = 0; column < columns.Count(); ++column) {
        if ((columns.Get(column)->flags & kTitlePressed) != 0) {
            return column;
        }
    }
    return std::nullopt;
}

// An owner-data grid's parent keeps the states: it is asked once for every row, and every row
// is fetched again afterwards.
void CheckEveryOwnerRow(GridInstance& grid, uint32_t column, uint32_t state) {
    GridNotify record = MakeNotify(grid, GRN_CELLCHANGING, column, kEveryRow);
    record.value = reinterpret_cast<LPARAM>(&state);
    if (SendNotify(grid, record) || grid.destroyed) {
        return;
    }
    ForgetFetchedRows(grid);
    InvalidateRect(grid.listPane, nullptr, TRUE);
    record.code = GRN_CELLCHANGED;
    record.cancel = 0;
    SendNotify(grid, record);
}

void CheckEveryRow(GridInstance& grid, uint32_t column, uint32_t state) {
    if (IsOwnerData(grid)) {
        CheckEveryOwnerRow(grid, column, state);
        return;
    }
    // The parent may remove rows while it is asked: the count is read at every step.
    for (uint32_t row = 0; row < RowCount(grid); ++row) {
        WriteCellAt(grid, column, row, &state);
        if (grid.destroyed) {
            return;
        }
    }
}

}  // namespace

bool ReleasedOnTitleBox(GridInstance& grid, HWND pane, LPARAM point) {
    const std::optional<uint32_t> column = PressedColumn(grid);
    if (!column) {
        return false;
    }
    const ColumnRecord& record = *grid.store.columns().Get(*column);
    if ((record.flags & kTitleCheckFlag) == 0 || record.cellKind != kCellCheck) {
        return false;
    }
    RECT client = {};
    GetClientRect(pane, &client);
    const RECT box = CheckBoxRect(grid, record, TitleButton(record, client));
    const POINT at = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    if (!PtInRect(&box, at)) {
        return false;
    }
    grid.store.SetColumnFlags(*column, record.flags & ~kTitlePressed);
    const bool checked = !grid.columnWindows.TitleChecked(*column);
    grid.columnWindows.SetTitleChecked(*column, checked);
    InvalidateRect(pane, nullptr, TRUE);
    CheckEveryRow(grid, *column, checked ? 1 : 0);
    return true;
}

}  // namespace vorlane
