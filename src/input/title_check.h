// The check box of a check column's title: a click on it checks every row, the next one clears
// them all, each row through the cell write the parent hears of (an owner-data grid's parent is
// asked once, with the row -1 for every row).
#pragma once

#include <windows.h>

#include "frame/grid_instance.h"

namespace vorlane {

// The release of a title press at `point` of the header pane: when it lands on the title box
// of the pressed column, the title comes up, every row takes the box's new state and true is
// answered (the click is no title click). The parent may destroy the control meanwhile.
bool ReleasedOnTitleBox(GridInstance& grid, HWND pane, LPARAM point);

}  // namespace vorlane
