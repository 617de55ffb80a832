#include "access/row_place.h"

#include <algorithm>

#include "access/accessible_list.h"

namespace vorlane {

uint32_t PaneTopRow(const GridInstance& grid) {
    return static_cast<uint32_t>(SendMessageA(grid.listPane, LB_GETTOPINDEX, 0, 0));
}

RECT RowRect(const GridInstance& grid, uint32_t row, const ColumnRecord* column) {
    const int64_t top = (static_cast<int64_t>(row) - PaneTopRow(grid)) * grid.rowHeight;
    const int64_t limit = INT32_MAX - grid.rowHeight;
    const LONG y = static_cast<LONG>(std::clamp<int64_t>(top, -limit, limit));
    if (column != nullptr) {
        return {column->x, y, static_cast<LONG>(static_cast<int64_t>(column->x) + column->room),
                y + grid.rowHeight};
    }
    const LONG width =
        static_cast<LONG>(std::min<uint32_t>(grid.store.columns().TotalWidth(), INT32_MAX / 2));
    return {0, y, width, y + grid.rowHeight};
}

bool RowInView(const GridInstance& grid, uint32_t row) {
    const RECT rect = RowRect(grid, row);
    const RECT area = ShownPart(grid.listPane, grid.ownWindow);
    RECT both = {};
    return IntersectRect(&both, &rect, &area) != FALSE;
}

}  // namespace vorlane
