// The list pane's paint with custom draw. The parent is asked at CDDS_PREPAINT; when it wants the
// rows, they are painted here, outside the list box's own paint, so that a parent that destroys
// the control or changes its rows inside a stage leaves no list box code running on them.
#pragma once

#include <windows.h>

#include "frame/custom_draw.h"
#include "frame/grid_instance.h"

namespace vorlane {

struct ParentPaint {
    bool stopped = false;  // the control is gone or its rows changed: paint nothing more
    bool rows = false;     // the parent asked for the rows' stages
    bool skip = false;     // the parent paints the rows itself
    bool post = false;     // the parent asked for CDDS_POSTPAINT
    PaintStamp stamp;      // what the paint paints, to tell when a stage changed it
};

// Sends CDDS_PREPAINT for the paint of `area` on `dc`, the list pane's paint device context.
ParentPaint AskPrepaint(GridInstance& grid, HDC dc, const RECT& area);

// Paints the rows in `area`, asking the parent at each row's stages; then CDDS_POSTPAINT if
// asked. False when the paint stopped.
bool PaintRowsForParent(GridInstance& grid, HDC dc, const RECT& area, const ParentPaint& paint);

// Sends CDDS_POSTPAINT when the parent asked for it.
void AskPostpaint(GridInstance& grid, HDC dc, const RECT& area, const ParentPaint& paint);

// A row the list box repaints outside the pane's paint is left to the pane's next paint while
// the parent draws rows: true when it was (the caller paints nothing).
bool LeaveRowToPaint(GridInstance& grid, const DRAWITEMSTRUCT& item);

}  // namespace vorlane
