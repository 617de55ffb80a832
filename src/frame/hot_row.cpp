#include "frame/hot_row.h"

#include <windowsx.h>

#include <utility>

#include "frame/row_positions.h"

namespace vorlane {

namespace {

void InvalidateRow(const GridInstance& grid, uint32_t row) {
    const LRESULT top = SendMessageA(grid.listPane, LB_GETTOPINDEX, 0, 0);
    if (row == kNoHotRow || top < 0 || row < static_cast<uint32_t>(top)) {
        return;
    }
    RECT client = {};
    GetClientRect(grid.listPane, &client);
    const int64_t y = static_cast<int64_t>(row - static_cast<uint32_t>(top)) * grid.rowHeight;
    if (y >= client.bottom) {
        return;
    }
    RECT area = {client.left, static_cast<LONG>(y), client.right,
                 static_cast<LONG>(y + grid.rowHeight)};
    InvalidateRect(grid.listPane, &area, FALSE);
}

void SetHotRow(GridInstance& grid, uint32_t row) {
    if (row == grid.hotRow) {
        return;
    }
    InvalidateRow(grid, std::exchange(grid.hotRow, row));
    InvalidateRow(grid, row);
}

// The row position under a pane point, or none: below the last row or right of the columns.
uint32_t RowUnder(const GridInstance& grid, LPARAM point) {
    const int x = GET_X_LPARAM(point);
    const int y = GET_Y_LPARAM(point);
    if (x < 0 || y < 0 || grid.rowHeight <= 0 || ColumnCount(grid) == 0 ||
        static_cast<uint32_t>(x) >= grid.store.columns().TotalWidth()) {
        return kNoHotRow;
    }
    const LRESULT top = SendMessageA(grid.listPane, LB_GETTOPINDEX, 0, 0);
    const uint64_t row = static_cast<uint64_t>(y / grid.rowHeight) + static_cast<uint64_t>(top);
    return top < 0 || row >= RowCount(grid) ? kNoHotRow : static_cast<uint32_t>(row);
}

}  // namespace

void TrackHotRow(GridInstance& grid, WPARAM keys, LPARAM point) {
    if ((grid.style & GRS_HOTTRACK) == 0) {
        return;
    }
    if ((keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0) {
        EndHotRow(grid);  // a drag, or a press about to become one
        return;
    }
    SetHotRow(grid, RowUnder(grid, point));
    if (grid.hotRow != kNoHotRow) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, grid.listPane, 0};
        TrackMouseEvent(&track);
    }
}

void EndHotRow(GridInstance& grid) {
    SetHotRow(grid, kNoHotRow);
}

HotRowScrollWatch::HotRowScrollWatch(GridInstance& grid, bool mayMoveRows) : grid_(grid) {
    if (mayMoveRows && grid.hotRow != kNoHotRow) {
        top_ = SendMessageA(grid.listPane, LB_GETTOPINDEX, 0, 0);
    }
}

HotRowScrollWatch::~HotRowScrollWatch() {
    if (top_ >= 0 && !grid_.destroyed && grid_.hotRow != kNoHotRow &&
        SendMessageA(grid_.listPane, LB_GETTOPINDEX, 0, 0) != top_) {
        grid_.hotRow = kNoHotRow;
        InvalidateRect(grid_.listPane, nullptr, FALSE);
    }
}

COLORREF OnSetHotColor(GridInstance& grid, COLORREF color) {
    const COLORREF before = grid.hotColor;
    grid.hotColor = (color & 0xFF000000) != 0 ? CLR_DEFAULT : color;
    ++grid.lookGeneration;
    InvalidateRow(grid, grid.hotRow);
    return before;
}

}  // namespace vorlane
