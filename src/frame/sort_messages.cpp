// GRM_SORT: reorders the display by one column and gathers the rows into their groups, keeping
// the selected rows selected at their new places and the view at its top row; GRM_SETSORTARROW:
// the titles' arrows alone.
#include <algorithm>
#include <iterator>
#include <new>
#include <vector>

#include "frame/grid_handlers.h"
#include "frame/row_positions.h"
#include "frame/row_selection.h"
#include "frame/shared_state.h"
#include "frame/win_events.h"
#include "store/sort_groups.h"
#include "vorlane.h"

namespace vorlane {

namespace {

GroupSortRequest RequestFor(const GridInstance& grid, uint32_t column, uint32_t mode) {
    const GridStore& store = grid.store;
    GroupSortRequest request;
    request.keys = store.KeySource(column);  // text keys of the store's width and folding
    request.columnCount = store.columns().Count();
    request.groupColumnKind = store.columns().CellKind(kGroupColumn);
    request.mode = mode;
    return request;
}

// Only `column`'s title shows an arrow, `indicator` (0: none); the header is repainted when any
// arrow changed.
void ShowOnlyArrow(GridInstance& grid, uint32_t column, int32_t indicator) {
    bool changed = false;
    const uint32_t count = grid.store.columns().Count();
    for (uint32_t other = 0; other < count; ++other) {
        const int32_t wanted = other == column ? indicator : 0;
        if (grid.columnWindows.SortIndicator(other) != wanted) {
            grid.columnWindows.SetSortIndicator(other, wanted);
            changed = true;
        }
    }
    if (changed) {
        InvalidateRect(grid.headerPane, nullptr, FALSE);
    }
}

// After a sort the column's arrow shows the direction its rows now stand in: the title click
// that asked for the sort drew the direction the column had before it.
void ShowSortedArrow(GridInstance& grid, uint32_t column, uint32_t flags) {
    ShowOnlyArrow(grid, column,
                  (flags & kDescendingFlag) != 0 ? kDescendingArrow : kAscendingArrow);
}

// A grid whose rows the application keeps sorts nothing itself: the column takes the mode's
// direction and its title the arrow; the application sorts its rows and asks for a redraw.
void SetSortDirection(GridInstance& grid, uint64_t column, uint32_t mode) {
    SendMessageA(grid.ownWindow, GRM_ENDEDIT, 0, 1);
    if (grid.destroyed || column >= ColumnCount(grid)) {
        return;
    }
    const auto key = static_cast<uint32_t>(column);
    const uint32_t flags = ApplySortDirection(grid.store.columns().Get(key)->flags, mode);
    grid.store.SetColumnFlags(key, flags);
    grid.sortState = (flags & kSortFlagsMask) != 0 ? 1 : 0;
    ShowSortedArrow(grid, key, flags);
}

// Makes the selected positions exactly `wanted` (ascending): the list box keeps a selected
// state per position, and only the positions whose state differs change.
void MoveSelection(GridInstance& grid, const std::vector<uint32_t>& wanted) {
    std::vector<uint32_t> now;
    std::vector<uint32_t> off;
    std::vector<uint32_t> on;
    try {
        if (SelectedRows(grid, now)) {
            std::set_difference(now.begin(), now.end(), wanted.begin(), wanted.end(),
                                std::back_inserter(off));
            std::set_difference(wanted.begin(), wanted.end(), now.begin(), now.end(),
                                std::back_inserter(on));
            SelectRows(grid, off, false);
            SelectRows(grid, on, true);
            return;
        }
    } catch (const std::bad_alloc&) {
    }
    // Without memory for the difference, every row is deselected and the wanted ones selected.
    DeselectAllRows(grid);
    SelectRows(grid, wanted, true);
}

}  // namespace

void OnSort(GridInstance& grid, uint64_t column, uint32_t mode) {
    if (IsOwnerData(grid)) {
        SetSortDirection(grid, column, mode);
        return;
    }
    // The selected positions go to the sort's own list, which nothing the parent does while it is
    // asked to end an edit can change; the rows' new positions end in the active side's table,
    // like every saving of the selection, where a release looks for them.
    std::vector<uint32_t> selected;
    SelectedRows(grid, selected);
    QuietSelection quiet(grid);  // the same rows stay selected; the new order is reported
    SendMessageA(grid.ownWindow, GRM_ENDEDIT, 0, 1);
    if (grid.destroyed || RowCount(grid) < 2 || column >= ColumnCount(grid)) {
        if (!grid.destroyed) {
            DeselectAllRows(grid);
        }
        ActiveSelectionTable().AssignAscending(selected.data(), selected.size());
        return;
    }

    const auto key = static_cast<uint32_t>(column);
    const GroupSortRequest request = RequestFor(grid, key, mode);
    uint32_t flags = grid.store.columns().Get(key)->flags;
    const GroupSortResult result = SortAndGroup(grid.store.order(), request, flags, &selected);
    if (result.sorted) {
        grid.store.SetColumnFlags(key, flags);
        grid.sortState = result.sortState;
        ShowSortedArrow(grid, key, flags);
    }  // else no scratch memory: the order stays, and so does the selection restored below

    const LRESULT top = SendMessageA(grid.listPane, LB_GETTOPINDEX, 0, 0);
    MoveSelection(grid, selected);
    ActiveSelectionTable().AssignAscending(selected.data(), selected.size());
    SendMessageA(grid.listPane, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    InvalidateRect(grid.listPane, nullptr, TRUE);
    if (result.sorted) {
        RaiseListEvent(grid, EVENT_OBJECT_REORDER);
    }
}

LRESULT OnSetSortArrow(GridInstance& grid, uint64_t column, LPARAM arrow) {
    // The kind column, the last, has no title to show an arrow on.
    const uint32_t count = ColumnCount(grid);
    if (count == 0 || column >= count - 1) {
        return 1;
    }
    int32_t indicator = 0;
    switch (arrow) {
        case GRID_SORTARROW_NONE: break;
        case GRID_SORTARROW_ASCENDING: indicator = kAscendingArrow; break;
        case GRID_SORTARROW_DESCENDING: indicator = kDescendingArrow; break;
        default: return 1;
    }
    ShowOnlyArrow(grid, static_cast<uint32_t>(column), indicator);
    return 0;
}

}  // namespace vorlane
