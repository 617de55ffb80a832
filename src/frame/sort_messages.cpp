// GRM_SORT: reorders the display by one column and gathers the rows into their groups, keeping
// the selected rows selected at their new places and the view at its top row.
#include <algorithm>

#include "frame/grid_handlers.h"
#include "frame/list_box_items.h"
#include "frame/row_positions.h"
#include "frame/shared_state.h"
#include "store/sort_groups.h"
#include "vorlane.h"

namespace vorlane {

namespace {

// Saves the selected rows, by position and by row offset, and returns how many.
uint32_t SaveSelection(const GridInstance& grid, int32_t* positions, uint32_t* offsets) {
    const LRESULT fetched = SendMessageA(grid.listPane, LB_GETSELITEMS, kSelectionTableSize,
                                         reinterpret_cast<LPARAM>(positions));
    const LRESULT selected = SendMessageA(grid.listPane, LB_GETSELCOUNT, 0, 0);
    const uint32_t count = static_cast<uint32_t>(std::max<LRESULT>(0, std::min(fetched, selected)));
    for (uint32_t j = 0; j < count; ++j) {
        offsets[j] = RowOffsetAt(grid, static_cast<uint32_t>(positions[j]));
    }
    return count;
}

GroupSortRequest RequestFor(const GridInstance& grid, uint32_t column, uint32_t mode) {
    const GridStore& store = grid.store;
    GroupSortRequest request;
    request.keys = store.KeySource(column);  // text keys of the store's width and folding
    request.columnCount = store.columns().Count();
    request.groupColumnKind = store.columns().CellKind(kGroupColumn);
    request.mode = mode;
    return request;
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
    grid.sortState = flags != 0 ? 1 : 0;
    InvalidateRect(grid.headerPane, nullptr, FALSE);
}

}  // namespace

void OnSort(GridInstance& grid, uint64_t column, uint32_t mode) {
    if (IsOwnerData(grid)) {
        SetSortDirection(grid, column, mode);
        return;
    }
    // The positions go to the active side's table, like every saving of the selection: a release
    // restores the selection from there.
    auto* positions = reinterpret_cast<int32_t*>(ActiveSelectionTable());
    uint32_t offsets[kSelectionTableSize];
    const uint32_t saved = SaveSelection(grid, positions, offsets);
    SendMessageA(grid.listPane, LB_SETSEL, FALSE, -1);
    SendMessageA(grid.ownWindow, GRM_ENDEDIT, 0, 1);
    if (grid.destroyed || RowCount(grid) < 2 || column >= ColumnCount(grid)) {
        return;
    }

    const auto key = static_cast<uint32_t>(column);
    const GroupSortRequest request = RequestFor(grid, key, mode);
    uint32_t flags = grid.store.columns().Get(key)->flags;
    SavedSelection selection{offsets, positions, saved};
    // The list box's own procedure, which the pane's procedure passes item messages on to.
    ListBoxItems list(grid.listPane,
                      reinterpret_cast<WNDPROC>(GetWindowLongPtrA(grid.listPane, GWLP_USERDATA)));
    const GroupSortResult result = SortAndGroup(list, request, flags, selection);
    if (result.sorted) {
        grid.store.SetColumnFlags(key, flags);
        grid.sortState = result.sortState;
    }  // else no scratch memory: the order stays, and so does the selection restored below

    const LRESULT top = SendMessageA(grid.listPane, LB_GETTOPINDEX, 0, 0);
    for (uint32_t j = 0; j < saved; ++j) {
        SendMessageA(grid.listPane, LB_SETSEL, TRUE, positions[j]);
    }
    SendMessageA(grid.listPane, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    InvalidateRect(grid.listPane, nullptr, TRUE);
}

}  // namespace vorlane
