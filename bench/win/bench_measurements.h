// The measurements of the Windows benchmark. Each builds what it needs in fresh windows, times
// it and adds its lines to the results table.
#pragma once

#include <cstddef>

#include "bench_support.h"

namespace bench {

// Bytes per row the list view took at the largest size measured so far; 0 before any.
struct FillMemo {
    double listViewBytesPerRow = 0;
};

// Filling `rows` rows: the grid (GRM_ADDROW), the list view (insert and sub-item texts, redraw
// off) and the bare list box (LB_ADDSTRING), each in a fresh visible window, taking turns; and
// the private bytes each fill added. The list view is left out when `withListView` is false.
void MeasureFillAndMemory(ResultTable& results, size_t rows, bool withListView, FillMemo& memo);

// GRM_SORT by a text and by a number column for every input pattern, beside LVM_SORTITEMS (and
// LVM_SORTITEMSEX when `withSortItemsEx`); and each pattern beside random input.
void MeasureSorts(ResultTable& results, size_t rows, bool withListView, bool withSortItemsEx);

// Full repaints and line scrolls with image-list icons beside the list view, and the full
// repaint beside the bare list box drawing texts only.
void MeasurePainting(ResultTable& results, size_t rows);

// Full repaints and line scrolls of rows standing for real files, whose icons the grid asks the
// shell for at every paint; the list view was given the icon indices when it was filled.
void MeasureShellIconPainting(ResultTable& results);

}  // namespace bench
