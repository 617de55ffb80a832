// An application that keeps the rows of an owner-data grid of the standard columns: it answers
// GRN_GETCELL from its own rows, keeps what GRN_CELLCHANGING writes, and can fill a normal grid
// with the same rows, so that a test can hold the two grids side by side.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "harness.h"

namespace testing_support {

struct OwnerRow {
    std::string name;
    std::string note;
    INT32 size = 0;
    INT32 a = 0;
    INT32 b = 0;
    INT32 kind = 2;
};

class OwnerRowsModel {
  public:
    // Rows past those held are generated: "r<position>", kind 2, size the position.
    std::vector<OwnerRow> rows;
    UINT count = 0;                         // what the grid was told
    std::vector<GridRowRange> hints;        // every GRN_CACHEHINT's rows
    std::function<void(GridNotify&)> also;  // runs inside every notification, after the answer

    OwnerRow At(UINT row) const;
    // Answers the grid's GRN_GETCELL, keeps GRN_CELLCHANGING's values unless the parent vetoes
    // them, records the hints, then calls `also`. Given a grid, only that grid's; the records of
    // others go to the parent's handler as it was.
    void Serve(RecordingParent& parent, HWND grid = nullptr);
    // Sets the grid's row count to the rows held (or `count`).
    BOOL Show(HWND grid) { return Grid_SetRowCount(grid, count = static_cast<UINT>(rows.size())); }
    // Adds the held rows to a normal grid of the standard columns.
    void Fill(HWND grid) const;
    // The rows of the GRN_GETCELL records, in order.
    static std::vector<UINT> FetchedRows(const RecordingParent& parent);
};

// A grid of the standard columns, owner-data unless `ownerData` is false.
HWND CreateStandardGrid(HWND parent, bool ownerData, int x = 0, int y = 0);

}  // namespace testing_support
