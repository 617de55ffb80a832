#include "render/custom_rows.h"

#include <commctrl.h>

#include "frame/focus_mark.h"
#include "frame/row_positions.h"
#include "render/paint_cache.h"
#include "render/row_painter.h"
#include "render/row_stages.h"

namespace vorlane {

namespace {

bool AskPaintStage(GridInstance& grid, HDC dc, const RECT& area, DWORD stage,
                   const PaintStamp& stamp, LRESULT& answer) {
    NMGRIDCUSTOMDRAW record = {};
    record.nmcd.dwDrawStage = stage;
    record.nmcd.hdc = dc;
    record.nmcd.rc = area;
    record.clrText = grid.rowTextColor;
    record.clrTextBk = RowBackColor(grid);
    const int saved = SaveDC(dc);
    if (!SendCustomDraw(grid, stamp, record, answer)) {
        return false;
    }
    if (saved != 0) {
        RestoreDC(dc, saved);
    }
    return true;
}

}  // namespace

ParentPaint AskPrepaint(GridInstance& grid, HDC dc, const RECT& area) {
    ParentPaint paint;
    paint.stamp = StampOf(grid);
    LRESULT answer = CDRF_DODEFAULT;
    if (!AskPaintStage(grid, dc, area, CDDS_PREPAINT, paint.stamp, answer)) {
        paint.stopped = true;
        return paint;
    }
    paint.skip = (answer & CDRF_SKIPDEFAULT) != 0;
    paint.rows = !paint.skip && (answer & CDRF_NOTIFYITEMDRAW) != 0;
    paint.post = (answer & CDRF_NOTIFYPOSTPAINT) != 0;
    grid.paint->parentDrawsRows = paint.rows;
    return paint;
}

bool PaintRowsForParent(GridInstance& grid, HDC dc, const RECT& area, const ParentPaint& paint) {
    const LRESULT top = SendMessageA(grid.listPane, LB_GETTOPINDEX, 0, 0);
    if (top < 0 || grid.rowHeight <= 0 || ColumnCount(grid) == 0) {
        return true;
    }
    RECT client = {};
    GetClientRect(grid.listPane, &client);
    RowStages stages(grid, paint.stamp);
    grid.owner.painting = IsOwnerData(grid);
    grid.paint->rowsForParent = true;
    for (uint32_t row = static_cast<uint32_t>(top); row < RowCount(grid); ++row) {
        const LONG y = static_cast<LONG>(row - static_cast<uint32_t>(top)) * grid.rowHeight;
        if (y >= area.bottom || y >= client.bottom) {
            break;
        }
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_LISTBOX;
        item.itemID = row;
        item.itemAction = ODA_DRAWENTIRE;
        if (!IsOwnerData(grid) && SendMessageA(grid.listPane, LB_GETSEL, row, 0) > 0) {
            item.itemState = ODS_SELECTED;
        }
        item.hwndItem = grid.listPane;
        item.hDC = dc;
        item.rcItem = {client.left, y, client.right, y + grid.rowHeight};
        if (item.rcItem.bottom > area.top &&
            !PaintRow(grid, item, ShowsFocusMark(grid, row), &stages)) {
            break;
        }
    }
    if (grid.destroyed) {
        return false;  // its painting state went with it
    }
    grid.paint->rowsForParent = false;
    grid.owner.painting = false;
    return StampOf(grid) == paint.stamp;
}

void AskPostpaint(GridInstance& grid, HDC dc, const RECT& area, const ParentPaint& paint) {
    LRESULT answer = 0;
    if (paint.post) {
        AskPaintStage(grid, dc, area, CDDS_POSTPAINT, paint.stamp, answer);
    }
}

bool LeaveRowToPaint(GridInstance& grid, const DRAWITEMSTRUCT& item) {
    const PaintCache& cache = *grid.paint;
    if (!cache.parentDrawsRows || cache.rowsForParent) {
        return false;
    }
    InvalidateRect(item.hwndItem, &item.rcItem, FALSE);
    return true;
}

}  // namespace vorlane
