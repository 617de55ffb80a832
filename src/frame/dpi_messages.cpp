// The window's DPI: what the control sizes itself follows it, what the client sized stays.
#include "frame/dpi.h"
#include "frame/grid_handlers.h"
#include "frame/grid_instance.h"
#include "frame/painting.h"

namespace vorlane {

void ApplyDpi(GridInstance& grid, UINT dpi) {
    grid.dpi = dpi;
    grid.smallIconSize = SmallIconSize(dpi);
    if (!grid.headerHeightSet) {
        grid.headerHeight = grid.Scaled(kDefaultHeaderHeight);
    }
    if (!grid.rowHeightSet) {
        grid.rowHeight = grid.Scaled(kDefaultRowHeight);
    }
}

// The system sends it to every child of a top-level window whose DPI changed; where it does not
// (or the parent is no top-level window), the parent sends it. The DPI is read from the window.
void OnDpiChangedAfterParent(GridInstance& grid) {
    ApplyDpi(grid, WindowDpi(grid.ownWindow));
    MakeSortArrows(*grid.paint, grid.dpi);  // the arrows of the old DPI stay if it fails
    ++grid.viewGeneration;
    ++grid.lookGeneration;
    SendMessageA(grid.listPane, LB_SETITEMHEIGHT, 0, grid.rowHeight);
    OnSize(grid);
    RedrawWindow(grid.ownWindow, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace vorlane
