// Whether the rows on the list pane are as painting would draw them now. A vertical scroll lets
// the list box move the rows it keeps on screen and paints only those it uncovers; that is only
// right while nothing row painting reads has changed since the whole pane was last painted.
#pragma once

#include <cstdint>

#include "frame/grid_instance.h"

namespace vorlane {

// A hash of everything row painting reads apart from the row itself (its cells, item data and
// selected state, whose changes repaint the row): columns, colours, fonts, the current column,
// the look, the process-wide flags and images, the drop target. Two equal hashes mean a row
// painted under one would be painted alike under the other.
uint64_t RowLookHash(const GridInstance& grid);

// Called for every row painted: a row painted under other inputs than the last full repaint's
// may differ from its neighbours on screen, and the next scroll must then repaint them all.
void NoteRowLook(GridInstance& grid);

}  // namespace vorlane
