// Grid lines read back from the screen: for each style, without grid lines, past value and kind
// columns, and in a grid with only the kind column.
#include <gtest/gtest.h>

#include "harness.h"
#include "painting_fixture.h"
#include "painting_helpers.h"

using namespace testing_support;

namespace {

struct LineCase {
    DWORD style;
    bool afterColumn0, afterColumn1, afterLast;
};

TEST_F(Painting, GridLinesFollowTheStyleBits) {
    const LineCase cases[] = {
        {0, false, false, true},
        {GRS_COLUMNLINES, true, true, true},
        {GRS_NOENDLINE, false, false, false},
        {GRS_COLUMNLINES | GRS_NOENDLINE, true, true, true},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.style);
        MakeGrid(c.style, 2);
        Grid_SetGridLines(grid, TRUE);
        Capture rows = Rows();
        for (int row : {0, 1}) {
            const int bottom = RowTop(row) + kRow - 1;
            EXPECT_TRUE(AllPixels(rows, {0, bottom, 261, bottom + 1}, palette.gridLine));
            EXPECT_EQ(rows.At(261, bottom), palette.rowBack);
            EXPECT_EQ(rows.At(100, RowTop(row) + 5) == palette.gridLine, c.afterColumn0);
            EXPECT_EQ(rows.At(180, RowTop(row) + 5) == palette.gridLine, c.afterColumn1);
            EXPECT_EQ(rows.At(260, RowTop(row) + 5) == palette.gridLine, c.afterLast);
            EXPECT_EQ(rows.At(99, RowTop(row) + 5), palette.rowBack);
        }
        DestroyWindow(grid);
    }
}

TEST_F(Painting, WithoutGridLinesNoLineIsDrawn) {
    MakeGrid(GRS_COLUMNLINES, 2);
    Capture rows = Rows();
    EXPECT_EQ(CountPixels(rows, {0, 0, 300, 2 * kRow}, palette.gridLine), 0);
    Grid_SetGridLines(grid, TRUE);
    EXPECT_GT(CountPixels(Rows(), {0, 0, 300, 2 * kRow}, palette.gridLine), 0);
}

TEST_F(Painting, ValueColumnsAndTheKindColumnStayBlankWithoutLines) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200, GRS_COLUMNLINES);
    ASSERT_TRUE(AddColumnDescs(grid, {Column(100, GRID_CELL_TEXT), Column(80, GRID_CELL_VALUE),
                                      Column(80, 7), Column(60, GRID_CELL_NUMBER)}));
    AddRow(grid, {Text(kEmpty), 123456, 123456, 0x0300});
    SetPalette(grid, palette);
    Grid_SetGridLines(grid, TRUE);
    Capture rows = Rows();
    EXPECT_EQ(rows.At(100, 5), palette.gridLine);
    EXPECT_TRUE(AllPixels(rows, {101, 0, 321, kRow - 1}, palette.rowBack))
        << "value columns and the numeric kind column show nothing, not even a line";
}

TEST_F(Painting, AGridWithOnlyTheKindColumnPaintsItsRowsWithoutColumns) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200, GRS_COLUMNLINES);
    ASSERT_TRUE(AddColumnDescs(grid, {Column(50, GRID_CELL_TEXT)}));
    AddRow(grid, {Text("hidden")});
    SetPalette(grid, palette);
    Grid_SetGridLines(grid, TRUE);
    Capture rows = Rows();
    EXPECT_TRUE(AllPixels(rows, {0, 0, 300, kRow - 1}, palette.rowBack))
        << "the kind column's text never shows";
    EXPECT_TRUE(AllPixels(rows, {0, kRow - 1, 51, kRow}, palette.gridLine));
}

}  // namespace
