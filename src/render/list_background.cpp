// The list pane never erases its background (rows paint every pixel they cover), so the parts no
// row covers are filled here, before the list box paints its rows: the strip right of the
// columns and the area below the last row.
#include "render/list_background.h"

#include "frame/row_positions.h"
#include "render/gdi_objects.h"

namespace vorlane {

void FillListPaneOutsideRows(const GridInstance& grid, HDC dc) {
    RECT client;
    if (grid.listPane == nullptr || dc == nullptr || !GetClientRect(grid.ownWindow, &client)) {
        return;
    }
    // In list pane coordinates; a control lower than its header shows no list at all.
    const int64_t paneHeight = static_cast<int64_t>(client.bottom) - grid.headerHeight;
    if (paneHeight <= 0) {
        return;
    }
    int64_t right = static_cast<int64_t>(client.right) + grid.horizontalOffset;
    const int64_t rowsRight = static_cast<int64_t>(grid.store.columns().TotalWidth()) + 1;
    const LRESULT top = SendMessageA(grid.listPane, LB_GETTOPINDEX, 0, 0);
    const int64_t shownRows = static_cast<int64_t>(RowCount(grid)) - (top > 0 ? top : 0);
    const int64_t rowsEnd = shownRows * grid.rowHeight;
    if (rowsRight >= right && rowsEnd >= paneHeight) {
        return;
    }

    // Column widths can add up to more than a pane holds; the pane is kPaneWidth wide.
    auto paneX = [](int64_t x) {
        return static_cast<LONG>(x < 0 ? 0 : (x > kPaneWidth ? kPaneWidth : x));
    };
    const LONG bottom = static_cast<LONG>(paneHeight);
    if (rowsRight < right) {
        RECT strip = {paneX(rowsRight), 0, paneX(right), bottom};
        FillRect(dc, &strip, grid.rowBackBrush);
        right = rowsRight;
    }
    if (rowsEnd < paneHeight) {
        RECT below = {0, static_cast<LONG>(rowsEnd < 0 ? 0 : rowsEnd), paneX(right), bottom};
        FillRect(dc, &below, grid.rowBackBrush);
    }
}

}  // namespace vorlane
