// The one way a grid tells its parent something: a GridNotify record sent with WM_NOTIFY.
#pragma once

#include "frame/grid_instance.h"
#include "vorlane.h"

namespace vorlane {

// A record for `code` about (column, row), with the fields every code carries; the sender fills
// the fields its code names.
GridNotify MakeNotify(const GridInstance& grid, UINT code, UINT column = 0, UINT row = 0);

// Sends the record to the notify window and waits for it. Returns true when the parent vetoed
// (set cancel). The parent may have destroyed the control meanwhile: check grid.destroyed.
bool SendNotify(const GridInstance& grid, GridNotify& record);

}  // namespace vorlane
