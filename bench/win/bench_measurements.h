// The measurements of the Windows benchmark. Each builds what it needs in fresh windows, times
// it and adds its lines to the results table.
#pragma once

#include <cstddef>
#include <string>

#include "bench_support.h"

namespace bench {

// The list view is filled at the largest size only when its bytes per row at the size before
// promise less than this: within a 32-bit process's reach, and a run of bearable length.
constexpr double kListViewBudgetBytes = 600.0 * 1024 * 1024;

// The build this program is: "32-bit" or "64-bit".
const char* Architecture();

// One fill of the grid: its time and the private bytes it took.
struct GridFill {
    size_t rows = 0;         // 0: no fill measured
    double seconds = 0;      // the whole fill
    double bytesPerRow = 0;  // private bytes per row after the fill
};

// What the fills so far leave for the next size and for the end of the run.
struct FillMemo {
    double listViewBytesPerRow = 0;  // at the largest size the list view was filled; 0: none
    GridFill largestGrid;            // the grid's fill at the largest size measured
};

// The grid's largest fill as the run of another build measured it, shown beside this build's
// largest fill.
struct OtherBuildFill {
    std::string architecture;  // "32-bit"
    GridFill fill;
    std::string run;       // which run measured it: its date and code
    bool sameRun = false;  // measured in the same run of the benchmark script as this program
};

// Filling `rows` rows: the grid (GRM_ADDROW), the list view (insert and sub-item texts, redraw
// off) and the bare list box (LB_ADDSTRING), each in a fresh visible window, taking turns; and
// the private bytes each fill added. The list view is left out when `withListView` is false.
void MeasureFillAndMemory(ResultTable& results, size_t rows, bool withListView, FillMemo& memo);

#ifdef _WIN64
// One fill of `rows` rows into the grid alone, in a fresh visible window: its seconds and
// private bytes per row, with the rows the grid counts back afterwards (LB_GETCOUNT), and
// `beside` (another build's largest fill, when known) next to it. False when the grid did not
// take every row.
bool MeasureGridOnlyFill(ResultTable& results, size_t rows, const OtherBuildFill* beside);
#endif

// The largest grid that keeps its rows (64-bit only; run on request): `rows` random rows
// appended with GRM_ADDROWS, the private bytes they take, a sort by a number and by a text
// column beside std::sort of the same keys, and a scroll to the last row.
void MeasureScale(ResultTable& results, size_t rows);

// GRM_SORT by a text and by a number column for every input pattern, beside LVM_SORTITEMS (and
// LVM_SORTITEMSEX when `withSortItemsEx`); and each pattern beside random input.
void MeasureSorts(ResultTable& results, size_t rows, bool withListView, bool withSortItemsEx);

// GRM_SORT by the text column of random rows with half of them selected, beside the same sort
// with none selected; false when the sort did not keep exactly the selected rows selected.
bool MeasureSortKeepingSelection(ResultTable& results, size_t rows);

// Full repaints and line scrolls with image-list icons beside the list view, and the full
// repaint beside the bare list box drawing texts only.
void MeasurePainting(ResultTable& results, size_t rows);

// The full repaint of texts only beside the bare list box and a bare owner-drawn static drawing
// the same texts and titles in the same rectangles, and the repaint's parts (header, list pane,
// the grid window's own paint cycle) each beside the platform's cost of it.
void MeasurePaintingFloor(ResultTable& results, size_t rows);

// The full repaint with a parent colouring every row through custom draw, beside a parent that
// answers CDRF_DODEFAULT at CDDS_PREPAINT.
void MeasureCustomDrawPainting(ResultTable& results, size_t rows);

// Full repaints and line scrolls of rows standing for real files, whose icons the grid asks the
// shell for at every paint; the list view was given the icon indices when it was filled.
void MeasureShellIconPainting(ResultTable& results);

// 100 wheel notches queued at once and a flick of 20, over 874 rows, until the control has
// settled, beside the list view; with the stale pixels the grid left.
void MeasureWheelScrolling(ResultTable& results);

// A grid whose rows the application keeps (GRS_OWNERDATA), at 1,000 rows and at the most rows
// the build allows: setting the count, a full repaint, a jump to the last row and Select all,
// each beside the same at 1,000 rows, and the private bytes per row the large count costs.
void MeasureOwnerData(ResultTable& results);

}  // namespace bench
