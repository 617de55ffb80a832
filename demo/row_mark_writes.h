// What the panes' cell writes do to the Keep and Tag values the demo keeps for their rows.
#pragma once

#include "folder_view.h"

// A pane's cell write, as the parent hears of it: a Keep toggle when done (GRN_CELLCHANGED;
// ".." is refused at GRN_CELLCHANGING), a Tag when offered (the grid reports no later step of a
// Tag write) and a new name, to which the row's values move.
void NoteCellWrite(FolderView& view, GridNotify& record);
