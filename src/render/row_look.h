// Whether the rows on the list pane are as painting would draw them now. A vertical scroll lets
// the list box move the rows it keeps on screen and paints only those it uncovers; that is only
// right while nothing row painting reads has changed since the whole pane was last painted.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/grid_instance.h"

namespace vorlane {

struct PaintCache;

// Everything row painting reads apart from the row itself (its cells, item data and selected
// state, whose changes repaint the row), as far as it can change. The control's own inputs
// (colours, brushes, fonts, the look, the current column, the row height, the columns, the
// process-wide grid lines, row images, list panes and drop mark) are stood for by their look
// generations, which every writer of one moves on. Two inputs change behind the control's back
// and are read as they are: the system colours, and the client's folder-prefix text, which the
// file icons follow (their generation moves on when it changes). Two equal looks mean a row
// painted under one would be painted alike under the other.
struct RowLook {
    uint64_t generation = 0;  // the grid's look generation plus the process-wide one
    uint32_t icons = 0;       // the file icons' generation
    COLORREF window = 0;      // the system colours row painting uses
    COLORREF highlight = 0;
    COLORREF highlightText = 0;

    bool operator==(const RowLook&) const = default;
};

// The look rows are painted under now.
RowLook CurrentRowLook(const GridInstance& grid, PaintCache& cache);

// Called for every row painted: a row painted under other inputs than the last full repaint's
// may differ from its neighbours on screen, and the next scroll must then repaint them all.
void NoteRowLook(GridInstance& grid);

}  // namespace vorlane
