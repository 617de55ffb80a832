// The row under the pointer (GRS_HOTTRACK): drawn in the hot look while the pointer rests on it,
// and no longer once the pointer leaves the rows, a button drags, or the rows move under it.
#pragma once

#include <windows.h>

#include "frame/grid_instance.h"

namespace vorlane {

// The pointer moved over the list pane to `point` (pane coordinates) with `keys` held.
void TrackHotRow(GridInstance& grid, WPARAM keys, LPARAM point);

// No row is hot any more; the one that was is painted again.
void EndHotRow(GridInstance& grid);

// GRM_SETHOTCOLOR: returns the colour set before, CLR_DEFAULT when none was.
COLORREF OnSetHotColor(GridInstance& grid, COLORREF color);

}  // namespace vorlane
