#include "frame/custom_draw.h"

#include "frame/row_positions.h"
#include "frame/shared_state.h"

namespace vorlane {

PaintStamp StampOf(const GridInstance& grid) {
    return {RowCount(grid), grid.lookGeneration + Shared().lookGeneration};
}

bool SendCustomDraw(GridInstance& grid, const PaintStamp& stamp, NMGRIDCUSTOMDRAW& record,
                    LRESULT& answer) {
    record.nmcd.hdr.hwndFrom = grid.ownWindow;
    record.nmcd.hdr.idFrom = grid.controlId;
    record.nmcd.hdr.code = NM_CUSTOMDRAW;
    answer = SendMessageA(grid.notifyWindow, WM_NOTIFY, grid.controlId,
                          reinterpret_cast<LPARAM>(&record));
    return !grid.destroyed && StampOf(grid) == stamp;
}

COLORREF ChosenColor(COLORREF chosen, COLORREF fallback) {
    return (chosen & 0xFF000000) != 0 ? fallback : chosen;
}

}  // namespace vorlane
