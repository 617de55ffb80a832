#include "frame/row_selection.h"

#include <algorithm>
#include <new>

#include "frame/grid_handlers.h"
#include "frame/row_positions.h"
#include "frame/win_events.h"

namespace vorlane {

namespace {

// A change of the selection as screen readers hear of it: one row's change by its own event
// (the row that alone is selected now, or one added or removed), several rows' by one.
void RaiseRowSelected(const GridInstance& grid, uint32_t row, bool selected) {
    if (grid.quietSelection != 0) {
        return;
    }
    DWORD event = EVENT_OBJECT_SELECTIONREMOVE;
    if (selected) {
        event = SelectedRowCount(grid) == 1 ? EVENT_OBJECT_SELECTION : EVENT_OBJECT_SELECTIONADD;
    }
    RaiseRowEvent(grid, event, row);
}
void RaiseSelectionWithin(const GridInstance& grid) {
    if (grid.quietSelection == 0) {
        RaiseListEvent(grid, EVENT_OBJECT_SELECTIONWITHIN);
    }
}

LRESULT SendToPane(const GridInstance& grid, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(grid.listPane, message, wParam, lParam);
}

// Writes at most `room` selected positions; how many it wrote.
uint32_t FetchSelected(const GridInstance& grid, uint32_t* positions, uint32_t room) {
    if (room == 0) {
        return 0;
    }
    const LRESULT written =
        SendToPane(grid, LB_GETSELITEMS, room, reinterpret_cast<LPARAM>(positions));
    return static_cast<uint32_t>(std::clamp<LRESULT>(written, 0, room));
}

// Selects or deselects first to last (first <= last), sent to the pane, or handed straight to
// the list box's own procedure when one is given.
void SelectRange(const GridInstance& grid, WNDPROC listBox, uint32_t first, uint32_t last,
                 bool selected) {
    if (first > last) {
        return;
    }
    UINT message = LB_SELITEMRANGEEX;
    WPARAM wParam = selected ? first : last;  // reversed, the range deselects
    LPARAM lParam = static_cast<LPARAM>(selected ? last : first);
    if (!selected && first == last) {
        message = LB_SETSEL;  // a range that ends where it starts only selects
        wParam = FALSE;
        lParam = static_cast<LPARAM>(first);
    }
    if (listBox != nullptr) {
        CallWindowProcA(listBox, grid.listPane, message, wParam, lParam);
    } else {
        SendToPane(grid, message, wParam, lParam);
    }
}

// Repaints the rows shown of first..last of an owner-data grid, whose list box does not know
// their selection changed.
void RepaintRows(const GridInstance& grid, uint32_t first, uint32_t last) {
    const LRESULT top = SendToPane(grid, LB_GETTOPINDEX, 0, 0);
    RECT client = {};
    GetClientRect(grid.listPane, &client);
    if (top < 0 || grid.rowHeight <= 0) {
        return;
    }
    const uint64_t shownLast = static_cast<uint64_t>(top) + client.bottom / grid.rowHeight;
    const uint64_t from = std::max<uint64_t>(first, static_cast<uint64_t>(top));
    const uint64_t to = std::min<uint64_t>(last, shownLast);
    if (from > to) {
        return;
    }
    RECT rows = client;
    rows.top = static_cast<LONG>((from - static_cast<uint64_t>(top)) * grid.rowHeight);
    rows.bottom = static_cast<LONG>((to + 1 - static_cast<uint64_t>(top)) * grid.rowHeight);
    InvalidateRect(grid.listPane, &rows, FALSE);
}

void SetOwnerRows(GridInstance& grid, uint32_t first, uint32_t last, bool selected) {
    if (first > last) {
        return;
    }
    grid.owner.selection.Set(first, last, selected);
    RepaintRows(grid, first, last);
}

// Below this many runs the list box repaints the few rows it changes as cheaply as it would
// repaint the pane once.
constexpr size_t kRunsWorthRedrawOff = 8;

// The Shift range: from the first to the last selected position, saved into `table`, stretched
// to reach `row`; with nothing selected, `row` alone.
void SelectRangeTo(GridInstance& grid, RowRanges& table, uint32_t row) {
    SaveSelectedRows(grid, table);
    uint32_t first = row;
    uint32_t last = row;
    if (!table.Empty()) {
        first = std::min(table.ranges().front().first, row);
        last = std::max(table.ranges().back().last, row);
    }
    SelectRowRange(grid, first, last, true);
}

}  // namespace

uint32_t SelectedRowCount(const GridInstance& grid) {
    if (IsOwnerData(grid)) {
        return static_cast<uint32_t>(grid.owner.selection.Count());  // rows fit in 32 bits
    }
    const LRESULT count = SendToPane(grid, LB_GETSELCOUNT, 0, 0);
    return count > 0 ? static_cast<uint32_t>(count) : 0;
}

bool SelectedRows(const GridInstance& grid, std::vector<uint32_t>& positions) {
    positions.clear();
    const uint32_t count = SelectedRowCount(grid);
    try {
        positions.resize(count);
    } catch (const std::bad_alloc&) {
        positions.clear();
        return false;
    }
    positions.resize(IsOwnerData(grid) ? grid.owner.selection.Write(positions.data(), count)
                                       : FetchSelected(grid, positions.data(), count));
    return true;
}

bool SaveSelectedRows(const GridInstance& grid, RowRanges& saved) {
    if (IsOwnerData(grid)) {
        try {
            saved = grid.owner.selection;
        } catch (const std::bad_alloc&) {
            saved.Clear();
            return false;
        }
        return true;
    }
    std::vector<uint32_t> positions;
    return SelectedRows(grid, positions) &&
           saved.AssignAscending(positions.data(), positions.size());
}

uint32_t CopySelectedRows(const GridInstance& grid, uint32_t* positions, uint32_t room) {
    if (positions == nullptr) {
        return 0;
    }
    if (IsOwnerData(grid)) {
        return grid.owner.selection.Write(positions, room);
    }
    // The list box takes its room as an int: a larger one is never needed.
    return FetchSelected(grid, positions, std::min(room, SelectedRowCount(grid)));
}

bool IsRowSelected(const GridInstance& grid, uint32_t row) {
    if (IsOwnerData(grid)) {
        return row < RowCount(grid) && grid.owner.selection.Contains(row);
    }
    return SendToPane(grid, LB_GETSEL, row, 0) > 0;
}

// The list box is told even when the row is as asked: selecting moves its caret and anchor.
void SelectRow(GridInstance& grid, uint32_t row, bool selected) {
    const bool changes = row < RowCount(grid) && IsRowSelected(grid, row) != selected;
    if (IsOwnerData(grid)) {
        if (row < RowCount(grid)) {
            SetOwnerRows(grid, row, row, selected);
        }
    } else {
        SendToPane(grid, LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(row));
    }
    if (changes) {
        RaiseRowSelected(grid, row, selected);
    }
}

void SelectRowRange(GridInstance& grid, uint32_t first, uint32_t last, bool selected) {
    if (first < RowCount(grid)) {
        RaiseSelectionWithin(grid);
    }
    if (IsOwnerData(grid)) {
        if (first < RowCount(grid)) {
            SetOwnerRows(grid, first, std::min(last, RowCount(grid) - 1), selected);
        }
        return;
    }
    SelectRange(grid, nullptr, first, last, selected);
}

void SelectRows(GridInstance& grid, std::span<const uint32_t> positions, bool selected) {
    const uint32_t rows = RowCount(grid);
    if (!positions.empty() && positions.front() < rows) {
        RaiseSelectionWithin(grid);
    }
    if (IsOwnerData(grid)) {
        for (uint32_t position : positions) {
            if (position < rows) {
                SetOwnerRows(grid, position, position, selected);
            }
        }
        return;
    }
    size_t runs = 0;
    for (size_t i = 1; i < positions.size(); ++i) {
        runs += positions[i] != positions[i - 1] + 1 ? 1 : 0;
    }
    const bool bulk = runs >= kRunsWorthRedrawOff;
    if (bulk) {
        SendToPane(grid, WM_SETREDRAW, FALSE, 0);
    }
    // Each run goes straight to the list box's own procedure: a message per run through the
    // pane's procedure costs as much again as the selecting. What that procedure does for a
    // message, once is enough here.
    ++grid.viewGeneration;
    const WNDPROC listBox = ReplacedProcedure(grid.listPane);
    size_t i = 0;
    while (i < positions.size() && positions[i] < rows) {
        size_t end = i + 1;
        while (end < positions.size() && positions[end] == positions[end - 1] + 1 &&
               positions[end] < rows) {
            ++end;
        }
        SelectRange(grid, listBox, positions[i], positions[end - 1], selected);
        i = end;
    }
    if (bulk) {
        SendToPane(grid, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(grid.listPane, nullptr, TRUE);
    }
}

void SelectRows(GridInstance& grid, const RowRanges& rows, bool selected, uint64_t limit) {
    std::vector<uint32_t> positions;
    for (const RowRange& range : rows.ranges()) {
        if (limit == 0) {
            break;
        }
        const uint64_t length = std::min<uint64_t>(uint64_t{range.last} - range.first + 1, limit);
        limit -= length;
        const auto last = static_cast<uint32_t>(range.first + length - 1);
        if (IsOwnerData(grid)) {
            SelectRowRange(grid, range.first, last, selected);
            continue;
        }
        // A list box selects row by row: positions cost it no more than ranges.
        try {
            for (uint64_t row = range.first; row <= last; ++row) {
                positions.push_back(static_cast<uint32_t>(row));
            }
        } catch (const std::bad_alloc&) {
            break;  // what fits is selected
        }
    }
    if (!positions.empty()) {
        SelectRows(grid, positions, selected);
    }
}

void DeselectAllRows(GridInstance& grid) {
    if (SelectedRowCount(grid) != 0) {
        RaiseSelectionWithin(grid);
    }
    if (IsOwnerData(grid)) {
        if (!grid.owner.selection.Empty()) {
            grid.owner.selection.Clear();
            InvalidateRect(grid.listPane, nullptr, FALSE);
        }
        return;
    }
    SendToPane(grid, LB_SETSEL, FALSE, -1);
}

// The selection that makes `row` current, as the mover asked for it. A range reaches from the
// anchor, or from the row itself when the anchor names no row any more.
void SelectForMove(GridInstance& grid, SelectOnMove mode, RowRanges& table, uint32_t row) {
    const uint32_t anchor = grid.gesture.anchorRow < RowCount(grid) ? grid.gesture.anchorRow : row;
    switch (mode) {
        case SelectOnMove::Add:
            if (grid.gesture.shiftHeld) {
                SelectRangeTo(grid, table, row);
                return;
            }
            SelectRow(grid, row, true);
            break;
        case SelectOnMove::Alone:
            DeselectAllRows(grid);
            SelectRow(grid, row, true);
            break;
        case SelectOnMove::FromAnchor:
            DeselectAllRows(grid);
            SelectRowRange(grid, std::min(anchor, row), std::max(anchor, row), true);
            return;
        case SelectOnMove::None: break;
    }
    grid.gesture.anchorRow = row;
}

}  // namespace vorlane
