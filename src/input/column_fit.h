// Fitting columns to what they show, and handing widths the user chose to the width partner.
#pragma once

#include <cstdint>

#include "frame/grid_instance.h"

namespace vorlane {

// The width that shows the column's title (with room for a sort arrow) and every row's text as
// painted uncut: every row of a grid of up to 100,000 rows, the rows in view of a larger or an
// owner-data grid.
int32_t FittedWidth(GridInstance& grid, uint32_t column);

// Fits one column, or every shown column for kAllColumns; with `fill` the last shown column
// then reaches at least the client area's right edge. The new widths are laid out, painted and
// mirrored to the partner. `byUser` sends GRN_COLUMNWIDTH for each width that changed. The
// width of `column` (of the last shown one for kAllColumns); 0 for no such column.
inline constexpr uint32_t kAllColumns = 0xFFFFFFFF;
int32_t FitColumns(GridInstance& grid, uint32_t column, bool fill, bool byUser);

// The width partner's column at the same display position takes this one's width (from B to A
// unless this control is A). Nothing is sent unless both partners are windows.
void MirrorWidth(const GridInstance& grid, uint32_t column);

// Tells the parent the user changed a column's width.
void NotifyColumnWidth(GridInstance& grid, uint32_t column);

}  // namespace vorlane
