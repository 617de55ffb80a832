// Row fills read back from the screen: unselected, selected and current cells in the active and
// inactive looks, the current cell's text colour, the list pane's uncovered areas, a paint into
// a given device context, and the GDI objects the colours leave behind.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness.h"
#include "painting_fixture.h"
#include "painting_helpers.h"
#include "screen_pixels.h"

using namespace testing_support;

namespace {

TEST_F(Painting, UnselectedRowsTakeTheRowBackgroundAndSelectedRowsTheSelectionColour) {
    MakeGrid();
    Grid_SetColors(grid, nullptr);  // without a record the colours stay
    Grid_SetCurCell(grid, 3, 1);    // the kind column is current: no cell is highlighted
    ASSERT_EQ(SendMessageA(ListPane(grid), LB_GETSEL, 1, 0), 1);
    Capture rows = Rows();
    EXPECT_TRUE(AllPixels(rows, RowArea(0, 0, 261), palette.rowBack));
    EXPECT_TRUE(AllPixels(rows, RowArea(1, 0, 261), GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_TRUE(AllPixels(rows, RowArea(2, 0, 261), palette.rowBack));
    EXPECT_EQ(rows.At(261, RowTop(1) + 8), palette.rowBack) << "right of the row";
}

TEST_F(Painting, PlainSelectedRowsLookUnselectedExceptForTheCurrentCell) {
    MakeGrid(GRS_PLAINSELECTED);
    Grid_SetCurCell(grid, 3, 1);
    Capture unhighlighted = Rows();
    EXPECT_TRUE(AllPixels(unhighlighted, RowArea(1, 0, 261), palette.rowBack));

    Grid_SetCurCell(grid, 1, 1);
    Capture rows = Rows();
    EXPECT_TRUE(AllPixels(rows, RowArea(1, 0, 100), palette.rowBack));
    EXPECT_TRUE(AllPixels(rows, RowArea(1, 100, 180), palette.activeCell));
    EXPECT_TRUE(AllPixels(rows, RowArea(1, 180, 261), palette.rowBack));
}

TEST_F(Painting, CurrentColumnZeroHighlightsEverySelectedRowFromX16ToTheTotalWidth) {
    MakeGrid();
    for (int row : {0, 1, 2}) {
        Select(row);
    }
    Capture active = Rows();
    for (int row : {0, 1, 2}) {
        SCOPED_TRACE(row);
        EXPECT_TRUE(AllPixels(active, RowArea(row, 16, 260), palette.activeCell));
        EXPECT_TRUE(AllPixels(active, RowArea(row, 0, 16), GetSysColor(COLOR_HIGHLIGHT)));
        EXPECT_EQ(active.At(260, RowTop(row) + 5), GetSysColor(COLOR_HIGHLIGHT));
    }
    EXPECT_TRUE(AllPixels(active, RowArea(3, 0, 261), palette.rowBack));

    Grid_SetActiveLook(grid, FALSE, FALSE);
    Capture inactive = Rows();
    EXPECT_TRUE(AllPixels(inactive, RowArea(1, 16, 260), palette.inactiveCell));
    EXPECT_TRUE(AllPixels(inactive, RowArea(3, 0, 261), palette.rowBack));
}

TEST_F(Painting, BeforeAnyColoursTheActiveCellIsNotFilled) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200);
    ASSERT_TRUE(AddColumnDescs(grid, {Column(100, GRID_CELL_TEXT), Column(0, GRID_CELL_VALUE)}));
    AddRow(grid, {Text(kEmpty), kPlainRow});
    AddRow(grid, {Text(kEmpty), kPlainRow});
    Select(0);
    Capture rows = Rows();
    EXPECT_TRUE(AllPixels(rows, RowArea(0, 0, 101), GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_TRUE(AllPixels(rows, RowArea(1, 0, 101), GetSysColor(COLOR_WINDOW)));
    Grid_SetActiveLook(grid, FALSE, FALSE);
    EXPECT_TRUE(AllPixels(Rows(), RowArea(0, 16, 100), RGB(0xD6, 0xE2, 0xEB)))
        << "the inactive brush exists from the start";
}

TEST_F(Painting, TheCurrentCellsTextColourRunsOnToTheEndOfTheRow) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200);
    ASSERT_TRUE(AddColumnDescs(grid, {Column(100, GRID_CELL_TEXT), Column(100, GRID_CELL_TEXT),
                                      Column(100, GRID_CELL_TEXT), Column(0, GRID_CELL_VALUE)}));
    AddRow(grid, {Text("WWW"), Text("WWW"), Text("WWW"), kPlainRow});
    SetPalette(grid, palette);
    Grid_SetCurCell(grid, 1, 0);
    const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);

    Capture active = Rows();
    EXPECT_GT(CountPixels(active, RowArea(0, 16, 100), palette.rowText), 0);
    EXPECT_EQ(CountPixels(active, RowArea(0, 16, 100), highlightText), 0);
    for (int left : {100, 200}) {
        EXPECT_GT(CountPixels(active, RowArea(0, left, left + 100), highlightText), 0) << left;
        EXPECT_EQ(CountPixels(active, RowArea(0, left, left + 100), palette.rowText), 0) << left;
    }

    Grid_SetActiveLook(grid, FALSE, FALSE);
    Capture inactive = Rows();
    EXPECT_GT(CountPixels(inactive, RowArea(0, 200, 300), RGB(0, 0, 0)), 0);
    EXPECT_EQ(CountPixels(inactive, RowArea(0, 200, 300), palette.rowText), 0);
}

TEST_F(Painting, TheAreaOutsideTheRowsTakesTheRowBackgroundWhateverWasThere) {
    MakeGrid(0, 3);
    HWND list = ListPane(grid);
    RECT client;
    GetClientRect(grid, &client);
    const int paneHeight = client.bottom - Grid_GetHeaderHeight(grid);
    Capture first(list);
    {
        HDC dc = GetDC(list);
        RECT all = {0, 0, client.right, paneHeight};
        HBRUSH dirt = CreateSolidBrush(RGB(255, 0, 255));
        FillRect(dc, &all, dirt);
        DeleteObject(dirt);
        ReleaseDC(list, dc);
    }
    Capture rows = Rows();
    EXPECT_TRUE(AllPixels(rows, {261, 0, client.right, paneHeight}, palette.rowBack))
        << "right of the columns";
    EXPECT_TRUE(AllPixels(rows, {0, 3 * kRow, client.right, paneHeight}, palette.rowBack))
        << "below the rows";
    EXPECT_TRUE(AllPixels(rows, {0, 0, 261, 3 * kRow}, palette.rowBack)) << "the rows";
}

// A paint message that brings its own device context gets the rows and the area outside them
// drawn there, as the screen shows them.
TEST_F(Painting, APaintIntoAGivenDeviceContextDrawsWhatTheScreenShows) {
    MakeGrid(0, 3);
    AddRow(grid, {Text("named"), Text("noted"), 1234, kPlainRow});
    Select(1);
    RECT client;
    GetClientRect(grid, &client);
    const int width = client.right;
    const int height = client.bottom - Grid_GetHeaderHeight(grid);
    const Capture screen = Rows();
    DibCanvas canvas(width, height);
    std::fill(canvas.bits(), canvas.bits() + width * height, 0x00FF00FF);
    SendMessageA(ListPane(grid), WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    GdiFlush();
    int differing = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const DWORD pixel = canvas.bits()[y * width + x];
            const COLORREF color = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
            differing += color != screen.At(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(Painting, SettingColoursTwiceLeavesOneObjectOfEachKind) {
    MakeGrid(0, 4, false);
    Select(0);
    Capture warmUp = Rows();  // the row canvas exists from the first painted row on
    const int before = LiveGdiObjects();
    SetPalette(grid, palette);
    Capture once = Rows();
    const int afterOnce = LiveGdiObjects();
    TestPalette other;
    other.rowBack = RGB(10, 20, 30);
    SetPalette(grid, other);
    Capture twice = Rows();
    EXPECT_EQ(twice.At(150, RowTop(2) + 5), other.rowBack);
    // The first colours add a row background brush and an active cell brush; the pen and the
    // inactive cell brush replace those made at creation.
    EXPECT_EQ(afterOnce, before + 2);
    EXPECT_EQ(LiveGdiObjects(), afterOnce);
}

}  // namespace
