#include "frame/owner_rows.h"

#include <algorithm>
#include <new>

#include "frame/grid_handlers.h"
#include "frame/notify.h"
#include "frame/row_positions.h"
#include "frame/win_events.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr uint32_t kFetchUnits = 256;  // a fetched text: 255 units and the NUL, as painted

// One GRN_GETCELL into `buffer`: `units` units of text for a text column, else 4 bytes.
void AskCell(GridInstance& grid, uint32_t column, uint32_t row, void* buffer, uint32_t units) {
    GridCellRef cell = {column, row, buffer, units};
    GridNotify record = MakeNotify(grid, GRN_GETCELL, column, row);
    record.value = reinterpret_cast<LPARAM>(&cell);
    SendNotify(grid, record);
}

bool IsTextColumn(const GridInstance& grid, uint32_t column) {
    return grid.store.columns().CellKind(column) == kCellText;
}

// Fetches every cell of `row` into the page; false when the control was destroyed meanwhile.
bool FetchRow(GridInstance& grid, uint32_t row) {
    const uint32_t columns = ColumnCount(grid);
    if (!grid.owner.page.Add(row, columns)) {
        return true;  // no memory: the row paints empty
    }
    for (uint32_t column = 0; column < columns; ++column) {
        alignas(char16_t) char text[kFetchUnits * sizeof(char16_t)] = {};
        const bool isText = IsTextColumn(grid, column);
        AskCell(grid, column, row, text, isText ? kFetchUnits : 1);
        if (grid.destroyed) {
            return false;
        }
        if (isText) {
            grid.owner.page.SetText(row, column, text, kFetchUnits - 1);
        } else {
            uint32_t value = 0;
            std::copy(text, text + sizeof value, reinterpret_cast<char*>(&value));
            grid.owner.page.SetValue(row, column, value);
        }
    }
    return true;
}

}  // namespace

bool FetchRowsForPaint(GridInstance& grid, const RECT& area) {
    const uint32_t rows = RowCount(grid);
    const LRESULT top = SendMessageA(grid.listPane, LB_GETTOPINDEX, 0, 0);
    if (rows == 0 || top < 0 || grid.rowHeight <= 0 || ColumnCount(grid) == 0 ||
        area.bottom <= std::max<LONG>(area.top, 0)) {
        return true;
    }
    const uint64_t first =
        static_cast<uint64_t>(top) + std::max<LONG>(area.top, 0) / grid.rowHeight;
    const uint64_t last = std::min<uint64_t>(
        static_cast<uint64_t>(top) + (area.bottom - 1) / grid.rowHeight, rows - 1);
    if (first > last) {
        return true;
    }
    // Only the rows on screen stay fetched; those painted now are fetched afresh.
    RECT client = {};
    GetClientRect(grid.listPane, &client);
    grid.owner.page.Keep(static_cast<uint32_t>(top),
                         static_cast<uint32_t>(std::min<uint64_t>(
                             static_cast<uint64_t>(top) + client.bottom / grid.rowHeight, rows)));
    GridRowRange range = {static_cast<UINT>(first), static_cast<UINT>(last)};
    GridNotify hint = MakeNotify(grid, GRN_CACHEHINT, 0, range.firstRow);
    hint.value = reinterpret_cast<LPARAM>(&range);
    SendNotify(grid, hint);
    for (uint64_t row = first; row <= last; ++row) {
        if (grid.destroyed) {
            return false;
        }
        // The parent may have changed the count while it was asked.
        if (row < RowCount(grid) && !FetchRow(grid, static_cast<uint32_t>(row))) {
            return false;
        }
    }
    return !grid.destroyed;
}

uint32_t KindCellAt(GridInstance& grid, uint32_t position) {
    if (!IsOwnerData(grid)) {
        return grid.store.KindCell(RowOffsetAt(grid, position));
    }
    if (grid.owner.page.Holds(position)) {
        return grid.owner.page.KindCell(position);
    }
    if (!IsCell(grid, ColumnCount(grid) - 1, position)) {
        return 0;
    }
    const std::optional<CellContent> kind = AskCellContent(grid, ColumnCount(grid) - 1, position);
    return kind && !kind->isText ? kind->value : 0;
}

std::optional<CellContent> AskCellContent(GridInstance& grid, uint32_t column, uint32_t row) {
    CellContent content;
    if (!IsTextColumn(grid, column)) {
        AskCell(grid, column, row, &content.value, 1);
        return content;
    }
    const uint32_t unitSize = UnitSize(grid.store.textWidth());
    std::vector<char>& text = grid.owner.asked;
    try {
        text.assign(size_t{kFetchedTextUnits} * unitSize, 0);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    AskCell(grid, column, row, text.data(), kFetchedTextUnits);
    std::fill_n(text.end() - unitSize, unitSize, 0);  // whatever the parent left, it ends here
    content.isText = true;
    content.text = text.data();
    content.length = static_cast<uint32_t>(TextUnits(text.data(), grid.store.textWidth()));
    return content;
}

void ForgetFetchedRow(GridInstance& grid, uint32_t row) {
    grid.owner.page.Drop(row);
    ForgetFileIcon(*grid.paint, row);
}

void ForgetFetchedRows(GridInstance& grid) {
    grid.owner.page.Clear();
    ForgetFileIcons(*grid.paint);
}

LRESULT OnSetRowCount(GridInstance& grid, uint64_t count) {
    if (!IsOwnerData(grid) || count > GRID_MAX_OWNER_ROWS) {
        return 0;
    }
    const auto rows = static_cast<uint32_t>(count);
    if (rows < grid.owner.count && grid.edit.editor != nullptr) {
        // The edited row may be gone, and with fewer rows its cell may name another row.
        SendMessageA(grid.ownWindow, GRM_CANCELEDIT, 0, 0);
        if (grid.destroyed) {
            return 0;
        }
    }
    if (CallListBox(grid, LB_SETCOUNT, rows, 0) < 0) {
        return 0;
    }
    grid.owner.count = rows;
    grid.owner.selection.Truncate(rows);
    if (grid.currentRow >= rows) {
        grid.currentRow = 0;
    }
    ForgetFetchedRows(grid);
    ++grid.viewGeneration;
    ++grid.lookGeneration;
    UpdateScrollBars(grid);
    InvalidateRect(grid.listPane, nullptr, FALSE);
    RaiseListEvent(grid, EVENT_OBJECT_REORDER);  // the rows a screen reader knows are others
    return 1;
}

}  // namespace vorlane
