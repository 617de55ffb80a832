// Check cells: where a cell's check box lies and how it is drawn. Painting draws the box there,
// and a click toggles the cell only when it lands on the same box.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/grid_instance.h"
#include "store/column_set.h"

namespace vorlane {

// The check box of a cell whose span (its column's share of a row) is `span`: a square of the
// system's check box size at the grid's DPI, no taller than the row, centred from top to bottom
// and placed left, centred or right as the column's cell alignment says.
RECT CheckBoxRect(const GridInstance& grid, const ColumnRecord& record, const RECT& span);

// Draws the check box for the cell value (0 clear, 1 checked, 2 mixed) as the system draws
// it for the grid's window: the theme's box where a theme is active, else, and always while
// high contrast is on, the classic box of DrawFrameControl.
void DrawCheckBox(const GridInstance& grid, HDC dc, const RECT& box, uint32_t value);

}  // namespace vorlane
