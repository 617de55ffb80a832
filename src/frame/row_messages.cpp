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

// The list box may grow its item array by a few items at a time, copying it whole each time, so
// that a fill of millions of rows costs time growing with the square of the count. Storage is
// reserved ahead for half again the items held, an eighth once the array is large: the copies
// stay few, and the room a finished fill leaves unused (the list box never gives it back) stays
// small beside the rows. False when the list box has no memory for the room asked.
bool ReserveListItems(GridInstance& grid, uint64_t items) {
    if (items <= grid.listItemRoom) {
        return true;
    }
    constexpr uint64_t kLeastRoom = 256;
    constexpr uint64_t kLargeRoom = 65536;
    const uint64_t held = grid.listItemRoom;
    const uint64_t growth = held < kLargeRoom ? held / 2 : held / 8;
    const uint64_t room = std::max({items, held + growth, kLeastRoom});
    if (CallReplaced(grid.listPane, LB_INITSTORAGE, static_cast<WPARAM>(room - held), 0) ==
        LB_ERRSPACE) {
        return false;
    }
    grid.listItemRoom = room;
    return true;
}

}  // namespace

// The new row's position; -1 when the row cannot be stored (no columns, or no memory).
LRESULT OnAddRow(GridInstance& grid, const GridValue* values) {
    if (IsOwnerData(grid)) {
        return -1;  // the application keeps the rows
    }
    std::optional<uint32_t> offset = grid.store.AppendRow(values);
    if (!offset) {
        return -1;
    }
    // Without the room reserved the append itself still asks the list box for memory.
    ReserveListItems(grid, grid.store.RowCount());
    // Straight to the list box: the pane's own procedure would only pass the item on.
    const LRESULT position =
        CallReplaced(grid.listPane, LB_ADDSTRING, 0, static_cast<LPARAM>(*offset));
    ShowAppendedRow(grid);
    return position;
}

// The first new row's position; -1, with nothing changed, when not every row can be stored and
// shown (no columns, no rows, a null array, or no memory): a list pane holds int positions.
LRESULT OnAddRows(GridInstance& grid, uint64_t count, const GridValue* values) {
    if (IsOwnerData(grid) || count == 0 || count > static_cast<uint64_t>(INT32_MAX) ||
        values == nullptr || ColumnCount(grid) == 0) {
        return -1;
    }
    // Each item goes straight to the list box's own procedure, looked up once for the batch:
    // the look-up costs a third of the append itself.
    const WNDPROC listBox = ReplacedProcedure(grid.listPane);
    if (listBox == nullptr) {
        return -1;
    }
    // The list pane's room first: with it, appending its items cannot fail.
    if (!ReserveListItems(grid, uint64_t{grid.store.RowCount()} + count)) {
        return -1;
    }
    const GridStore::RowsMark mark = grid.store.Mark();
    const std::optional<uint32_t> first =
        grid.store.AppendRows(values, static_cast<uint32_t>(count));
    if (!first) {
        return -1;
    }
    const uint32_t rowSize = grid.store.RowSize();
    LRESULT firstPosition = -1;
    for (WPARAM i = 0; i < count; ++i) {
        const LRESULT position = CallWindowProcA(listBox, grid.listPane, LB_ADDSTRING, 0,
                                                 static_cast<LPARAM>(*first + i * rowSize));
        if (position < 0) {
            // A list pane that takes back its word: the rows go again, all of them, and the
            // list box may move its top row as they go.
            ++grid.viewGeneration;
            for (WPARAM added = 0; added < i; ++added) {
                CallReplaced(grid.listPane, LB_DELETESTRING, static_cast<WPARAM>(firstPosition), 0);
            }
            grid.store.DropRowsSince(mark);
            return -1;
        }
        if (i == 0) {
            firstPosition = position;
        }
    }
    // Rows appended at the end move neither the caret nor the top row: one look at the view
    // leaves it as a look after every row would.
    // The memory grown ahead of the rows goes back at the list pane's next paint, when the
    // rows have stopped coming: a fill in batches copies the store no more than one row at a
    // time would.
    ShowAppendedRows(grid);
    return firstPosition;
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
    if (column == 0) {
        record.code = GRN_CELLCHANGED;
        SendNotify(grid, record);
    }
    return true;
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
        SendMessageA(grid.listPane, LB_RESETCONTENT, 0, 0);
        grid.itemsInAddedOrder = true;  // an empty list; the grid's appends keep the order
        grid.listItemRoom = 0;          // the list box lets its item storage go
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
