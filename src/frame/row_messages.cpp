// Rows, cells and the selection messages.
#include <algorithm>
#include <cstring>

#include "frame/grid_handlers.h"
#include "frame/notify.h"
#include "frame/owner_rows.h"
#include "frame/row_positions.h"
#include "frame/row_selection.h"
#include "frame/shared_state.h"
#include "frame/win_events.h"
#include "store/shown_cell.h"

namespace vorlane {

namespace {

// GRM_GETSELROWS writes at most this many positions: its callers' buffers are that size.
constexpr uint32_t kGetSelRowsRoom = 512;

// Selects the filled rows: from position 1 when the first stored row's kind cell is 1, else
// from 0, to the last filled position. The rest of the selection stays. One filled row and a
// first row of kind 1 ask for the range 1 to 0, which deselects both positions, as the list
// box takes a reversed range. An owner-data grid's first row is the one shown first.
void SelectFilledRange(GridInstance& grid) {
    const uint32_t filled = FilledRowCount(grid);
    if (filled == 0) {
        return;  // no filled rows, nothing to select
    }
    const uint32_t firstKind = IsOwnerData(grid) ? KindCellAt(grid, 0) : grid.store.KindCell(0);
    if (grid.destroyed) {
        return;
    }
    const uint32_t first = firstKind == 1 ? 1 : 0;
    const uint32_t last = filled - 1;
    if (first <= last) {
        SelectRowRange(grid, first, last, true);
    } else {
        SelectRowRange(grid, last, first, false);
    }
}

// Shows the rows appended since `mark` by growing the list pane's count once; false, with those
// rows taken back, when the list box cannot hold them. One row is appended as an item of no data:
// the platform's list box grows its count by one far more cheaply so than by a new count.
bool CountAppendedRows(GridInstance& grid, const GridStore::RowsMark& mark) {
    const uint64_t count = grid.store.RowCount();
    const LRESULT shown = count == uint64_t{mark.rowCount} + 1
                              ? CallListBox(grid, LB_ADDSTRING, 0, 0)
                              : CallListBox(grid, LB_SETCOUNT, static_cast<WPARAM>(count), 0);
    if (shown < 0) {
        grid.store.DropRowsSince(mark);
        return false;
    }
    return true;
}

}  // namespace

// The new row's position; -1 when the row cannot be stored (no columns, or no memory). The list
// pane's count grows at the next message to the grid or the pane: a run of one-row appends,
// the way rows are often added, then costs the list box one count, not one append a row. A row
// appended from inside another message's handling (a notification's) is counted at once, as
// that handling may go on to reach it through the list box.
LRESULT OnAddRow(GridInstance& grid, const GridValue* values) {
    if (IsOwnerData(grid)) {
        return -1;  // the application keeps the rows
    }
    const GridStore::RowsMark mark = grid.store.Mark();
    if (!grid.store.AppendRow(values)) {
        return -1;
    }
    if (grid.busy > 1) {
        if (!CountAppendedRows(grid, mark)) {
            return -1;
        }
    } else if (grid.paneRowsOwed++ == 0) {
        grid.owedSince = mark;
    }
    ShowAppendedRow(grid);
    return static_cast<LRESULT>(mark.rowCount);
}

void CountOwedRows(GridInstance& grid) {
    if (grid.paneRowsOwed == 0) {
        return;
    }
    grid.paneRowsOwed = 0;
    if (!CountAppendedRows(grid, grid.owedSince)) {
        // No memory for the list box's byte a row: the rows it cannot show go, as an append
        // that fails at once takes its row back.
        UpdateScrollBars(grid);
    }
}

// The first new row's position; -1, with nothing changed, when not every row can be stored and
// shown (no columns, no rows, a null array, or no memory): a list pane holds int positions.
LRESULT OnAddRows(GridInstance& grid, uint64_t count, const GridValue* values) {
    if (IsOwnerData(grid) || count == 0 || count > static_cast<uint64_t>(INT32_MAX) ||
        values == nullptr || ColumnCount(grid) == 0) {
        return -1;
    }
    const GridStore::RowsMark mark = grid.store.Mark();
    if (!grid.store.AppendRows(values, static_cast<uint32_t>(count)) ||
        !CountAppendedRows(grid, mark)) {
        return -1;
    }
    // Rows appended at the end move neither the caret nor the top row: one look at the view
    // leaves it as a look after every row would. The memory grown ahead of the rows goes back
    // at the list pane's next paint, when the rows have stopped coming.
    ShowAppendedRows(grid);
    return static_cast<LRESULT>(mark.rowCount);
}

std::optional<CellContent> CellContentAt(GridInstance& grid, uint32_t column, uint32_t row) {
    if (!IsCell(grid, column, row)) {
        return std::nullopt;
    }
    if (IsOwnerData(grid)) {
        return AskCellContent(grid, column, row);
    }
    const std::optional<GridStore::StoredCell> stored =
        grid.store.CellAt(RowOffsetAt(grid, row), column);
    if (!stored) {
        return std::nullopt;
    }
    CellContent content;
    content.isText = stored->isText;
    content.value = stored->value;
    if (stored->isText) {
        content.text = stored->text;
        // A pool of 32-bit offsets holds no longer text.
        content.length = static_cast<uint32_t>(TextUnits(stored->text, grid.store.textWidth()));
    }
    return content;
}

// The destination must hold the whole text and its NUL, or 4 bytes for a value.
void OnGetCell(GridInstance& grid, uint32_t column, uint32_t row, void* destination) {
    const std::optional<CellContent> cell = CellContentAt(grid, column, row);
    if (destination == nullptr || !cell) {
        return;
    }
    if (cell->isText) {
        CopyTextCut(cell->text, grid.store.textWidth(), destination, cell->length + 1);
    } else {
        std::memcpy(destination, &cell->value, sizeof cell->value);
    }
}

// A text cell's full length, its text cut to the buffer; 0 for a value cell; -1 for no cell.
LRESULT OnGetCellEx(GridInstance& grid, const GridCellRef* ref) {
    if (ref == nullptr) {
        return -1;
    }
    const GridCellRef asked = *ref;  // the client's record, read once
    const std::optional<CellContent> cell = CellContentAt(grid, asked.column, asked.row);
    if (!cell) {
        return -1;
    }
    if (!cell->isText) {
        if (asked.buffer != nullptr) {
            std::memcpy(asked.buffer, &cell->value, sizeof cell->value);
        }
        return 0;
    }
    // A null buffer or a size of 0 only asks the length: nothing is written.
    CopyTextCut(cell->text, grid.store.textWidth(), asked.buffer, asked.bufferSize);
    return static_cast<LRESULT>(cell->length);
}

bool WriteCellAt(GridInstance& grid, uint32_t column, uint32_t row, const void* source) {
    if (!IsCell(grid, column, row)) {
        return false;
    }
    if (source == nullptr && grid.store.columns().CellKind(column) != kCellText) {
        return false;  // a value cell needs a value to point to
    }
    GridNotify record = MakeNotify(grid, GRN_CELLCHANGING, column, row);
    record.value = reinterpret_cast<LPARAM>(source);
    if (SendNotify(grid, record) || grid.destroyed || !IsCell(grid, column, row)) {
        return false;
    }
    if (IsOwnerData(grid)) {
        ForgetFetchedRow(grid, row);  // the parent keeps the value: the row is asked for again
    } else {
        // The value is read only now: the parent may have changed it while it was asked. A
        // text that cannot get memory leaves the cell as it was, with nothing to repaint or
        // report.
        const uint32_t rowOffset = RowOffsetAt(grid, row);
        if (!grid.store.WriteCell(rowOffset, column, source)) {
            return false;
        }
        if (column == 0) {
            ForgetFileIcon(*grid.paint, rowOffset);  // a new name may be another file
        }
    }
    RECT rect;
    if (SendMessageA(grid.listPane, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect)) !=
        LB_ERR) {
        InvalidateRect(grid.listPane, &rect, TRUE);
    }
    if (column + 1 < ColumnCount(grid)) {
        RaiseRowEvent(grid, EVENT_OBJECT_NAMECHANGE, row);  // the kind column never shows
    }
    RaiseUiaCellWritten(grid, column, row);
    if (grid.destroyed) {
        return true;
    }
    // Check cells report every write: a toggle is the user's change of the row.
    if (column == 0 || grid.store.columns().CellKind(column) == kCellCheck) {
        record.code = GRN_CELLCHANGED;
        SendNotify(grid, record);
    }
    return true;
}

std::optional<uint32_t> CheckStateAt(GridInstance& grid, uint32_t column, uint32_t row) {
    if (grid.store.columns().CellKind(column) != kCellCheck) {
        return std::nullopt;
    }
    // The parent of an owner-data grid may destroy the control while it is asked for the cell.
    const std::optional<CellContent> cell = CellContentAt(grid, column, row);
    if (grid.destroyed || !cell || cell->isText) {
        return std::nullopt;
    }
    return cell->value;
}

bool ToggleCheckCell(GridInstance& grid, uint32_t column, uint32_t row) {
    const std::optional<uint32_t> value = CheckStateAt(grid, column, row);
    if (!value) {
        return false;
    }
    const uint32_t state = ToggledCheckState(*value);
    return WriteCellAt(grid, column, row, &state);
}

void OnSetCell(GridInstance& grid, uint32_t column, uint32_t row, const void* source) {
    WriteCellAt(grid, column, row, source);
}

LRESULT OnSetCellEx(GridInstance& grid, const GridCellRef* ref) {
    if (ref == nullptr) {
        return 0;
    }
    const GridCellRef asked = *ref;  // the parent may rewrite the record while it is asked
    return WriteCellAt(grid, asked.column, asked.row, asked.buffer) ? 1 : 0;
}

void OnClearRows(GridInstance& grid) {
    if (IsOwnerData(grid)) {
        OnSetRowCount(grid, 0);  // the application's rows stay its own; none are shown
        return;
    }
    if (grid.store.ClearRows()) {
        ForgetFileIcons(*grid.paint);  // row offsets start over
        CallListBox(grid, LB_RESETCONTENT, 0, 0);
        grid.currentColumn = 0;
        grid.currentRow = 0;
        ++grid.viewGeneration;
        ++grid.lookGeneration;
        grid.sortState = 0;
        grid.gesture.clickCounter = 0;
        RaiseListEvent(grid, EVENT_OBJECT_REORDER);
    }
    SendMessageA(grid.ownWindow, WM_SIZE, 0, 0);
    InvalidateRect(grid.listPane, nullptr, TRUE);
}

LRESULT OnGetRowCount(GridInstance& grid) {
    return RowCount(grid);
}

LRESULT OnGetSelRows(GridInstance& grid, uint32_t* positions) {
    return CopySelectedRows(grid, positions, kGetSelRowsRoom);
}

LRESULT OnGetSelRowsEx(GridInstance& grid, uint32_t room, uint32_t* positions) {
    const uint32_t count = SelectedRowCount(grid);
    if (room != 0) {
        CopySelectedRows(grid, positions, room);
    }
    return count;
}

void OnSelectAll(GridInstance& grid) {
    if (RowCount(grid) != 0) {
        SelectFilledRange(grid);
    }
}

void OnDeselectAll(GridInstance& grid) {
    DeselectAllRows(grid);
}

// Every row selected before ends deselected, also outside the filled range; within it the rows
// that were not selected become selected.
void OnInvertSelection(GridInstance& grid) {
    if (RowCount(grid) == 0) {
        return;
    }
    RowRanges& table = ActiveSelectionTable();
    SaveSelectedRows(grid, table);
    SelectFilledRange(grid);
    SelectRows(grid, table, false);
    SaveSelectedRows(grid, table);
}

}  // namespace vorlane
