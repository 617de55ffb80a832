// The fixture of the row painting tests (test_painting_*.cpp): a grid of text, text, number and
// kind columns in the test palette, its rows read back from the screen, and where each row lies.
#pragma once

#include <gtest/gtest.h>

#include "harness.h"
#include "painting_helpers.h"

namespace testing_support {

constexpr int kRow = 17;             // row height
constexpr GridValue kPlainRow = 3;   // a file row: no "<DIR>", no marker
constexpr GridValue kFolderRow = 1;  // "<DIR>" and no shell lookup
const char kEmpty[] = "";

inline GridValue Text(const char* text) {
    return reinterpret_cast<GridValue>(text);
}
inline int RowTop(int row) {
    return row * kRow;
}
inline RECT RowArea(int row, int left, int right) {
    return {left, RowTop(row), right, RowTop(row) + kRow};
}

class Painting : public ::testing::Test {
  protected:
    void SetUp() override { ParkPointer(); }
    void TearDown() override {
        // Both are process-wide; a test may have destroyed its grids.
        HWND any = CreateGrid(parent.hwnd(), 0, 0, 10, 10);
        Grid_SetGridLines(any, FALSE);
        PartnerSet none = {};
        Grid_SetPartners(any, &none);
        DestroyWindow(any);
    }
    // Columns text 100, text 80, number 80 and the kind column: the rows span x 0 to 260.
    void MakeGrid(DWORD style = 0, int rows = 4, bool colors = true) {
        grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200, style);
        ASSERT_TRUE(
            AddColumnDescs(grid, {Column(100, GRID_CELL_TEXT), Column(80, GRID_CELL_TEXT),
                                  Column(80, GRID_CELL_NUMBER), Column(0, GRID_CELL_VALUE)}));
        for (int i = 0; i < rows; ++i) {
            AddRow(grid, {Text(kEmpty), Text(kEmpty), 0, kPlainRow});
        }
        if (colors) {
            SetPalette(grid, palette);
        }
    }
    Capture Rows() { return Capture(ListPane(grid)); }
    void Select(int row) { SendMessageA(ListPane(grid), LB_SETSEL, TRUE, row); }

    TestPalette palette;
    RecordingParent parent;
    HWND grid = nullptr;
};

}  // namespace testing_support
