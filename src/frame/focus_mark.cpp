#include "frame/focus_mark.h"

#include <windows.h>

#include "frame/row_positions.h"

namespace vorlane {

namespace {

// The row that is to show the mark now, or kNoFocusMark.
uint32_t WantedMarkRow(const GridInstance& grid) {
    if (grid.listPane == nullptr || GetFocus() != grid.listPane ||
        grid.currentRow >= RowCount(grid)) {
        return kNoFocusMark;
    }
    const LRESULT state = SendMessageA(grid.listPane, WM_QUERYUISTATE, 0, 0);
    return (state & UISF_HIDEFOCUS) != 0 ? kNoFocusMark : grid.currentRow;
}

// Only the row's own pixels: the rows around it keep theirs.
void InvalidateRow(const GridInstance& grid, uint32_t row) {
    RECT area = {};
    if (row != kNoFocusMark && SendMessageA(grid.listPane, LB_GETITEMRECT, row,
                                            reinterpret_cast<LPARAM>(&area)) != LB_ERR) {
        InvalidateRect(grid.listPane, &area, FALSE);
    }
}

}  // namespace

bool ShowsFocusMark(const GridInstance& grid, uint32_t row) {
    return row == grid.currentRow && WantedMarkRow(grid) == row;
}

void RepaintFocusMark(GridInstance& grid) {
    if (grid.destroyed || grid.paint == nullptr) {
        return;
    }
    const uint32_t shown = MarkedRow(*grid.paint);
    const uint32_t wanted = WantedMarkRow(grid);
    if (shown != wanted) {
        InvalidateRow(grid, shown);
        InvalidateRow(grid, wanted);
    }
}

}  // namespace vorlane
