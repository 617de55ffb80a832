// The focus mark: while the list pane has the keyboard focus, the current row shows the system
// focus rectangle, unless the pane's UI state hides focus cues (as the system's list boxes do).
// Row painting draws it; these say where, and repaint the rows it leaves and reaches.
#pragma once

#include <cstdint>

#include "frame/grid_instance.h"

namespace vorlane {

// True when the row at list position `row` is to show the focus mark now.
bool ShowsFocusMark(const GridInstance& grid, uint32_t row);

// Repaints the row whose mark is on screen and the row that is to show it, when they differ:
// after the focus comes or goes, the current row moves or the UI state changes.
void RepaintFocusMark(GridInstance& grid);

}  // namespace vorlane
