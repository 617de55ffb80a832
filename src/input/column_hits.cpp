#include "input/column_hits.h"

#include "frame/grid_handlers.h"
#include "input/list_pane.h"

namespace vorlane {

namespace {

// How far from a column's right edge the pointer arms a resize, pixels at 96 DPI (scaled).
constexpr int kResizeZoneLeft = 2;
constexpr int kResizeZoneRight = 1;
constexpr UINT kNone = 0xFFFFFFFF;

}  // namespace

std::optional<uint32_t> ShownColumnAtX(const ColumnSet& columns, int64_t x) {
    for (const uint32_t column : columns.Shown()) {
        const ColumnRecord& record = *columns.Get(column);
        if (record.x <= x && x < int64_t{record.x} + record.room) {
            return column;
        }
    }
    return std::nullopt;
}

std::optional<uint32_t> ColumnEdgeAtX(const GridInstance& grid, int64_t x) {
    const ColumnSet& columns = grid.store.columns();
    const int64_t zoneLeft = grid.Scaled(kResizeZoneLeft);
    const int64_t zoneRight = grid.Scaled(kResizeZoneRight);
    std::optional<uint32_t> found;
    for (const uint32_t column : columns.Shown()) {
        const ColumnRecord& record = *columns.Get(column);
        const int64_t edge = int64_t{record.x} + record.room;
        if (x - zoneRight <= edge && edge <= x + zoneLeft) {
            found = column;
        }
    }
    return found;
}

LRESULT OnHitTest(GridInstance& grid, GridHitTest* hit) {
    if (hit == nullptr) {
        return GRID_HT_NOWHERE;
    }
    hit->area = GRID_HT_NOWHERE;
    hit->column = kNone;
    hit->row = kNone;
    RECT client;
    GetClientRect(grid.ownWindow, &client);
    const POINT point = hit->point;
    if (!PtInRect(&client, point)) {
        return hit->area;
    }
    const int64_t x = int64_t{point.x} + grid.horizontalOffset;
    const std::optional<uint32_t> column = ShownColumnAtX(grid.store.columns(), x);
    if (point.y < grid.headerHeight) {
        const std::optional<uint32_t> edge = ColumnEdgeAtX(grid, x);
        if (edge) {
            hit->area = GRID_HT_COLUMNEDGE;
            hit->column = *edge;
        } else if (column) {
            hit->area = GRID_HT_TITLE;
            hit->column = *column;
        }
        return hit->area;
    }
    const uint32_t row = RowAtPaneY(grid, point.y - grid.headerHeight);
    if (row == kNoRow) {
        hit->area = GRID_HT_BELOWROWS;
        hit->column = column.value_or(kNone);
    } else if (column) {
        hit->area = GRID_HT_CELL;
        hit->column = *column;
        hit->row = row;
    }
    return hit->area;
}

}  // namespace vorlane
