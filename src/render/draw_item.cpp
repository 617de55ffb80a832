// WM_DRAWITEM: the control owner-draws both panes, the header pane as a whole and the list pane
// row by row.
#include "frame/focus_mark.h"
#include "frame/grid_handlers.h"
#include "render/custom_rows.h"
#include "render/header_painter.h"
#include "render/row_painter.h"

namespace vorlane {

void OnDrawItem(GridInstance& grid, const DRAWITEMSTRUCT* item) {
    if (item == nullptr || item->hwndItem == nullptr) {
        return;
    }
    if (item->hwndItem == grid.headerPane) {
        PaintHeader(grid, *item);
    } else if (item->hwndItem == grid.listPane && !LeaveRowToPaint(grid, *item)) {
        PaintRow(grid, *item, ShowsFocusMark(grid, item->itemID));
    }
}

}  // namespace vorlane
