// The sizes the control decides itself follow its window's DPI; those the client set stay. CTest
// runs this program at 96, 144 and 192 DPI (scripts/wine-dpi-run.sh), and VORLANE_TEST_DPI
// names the DPI of the run.
#include <gtest/gtest.h>

#include <cstdlib>

#include "harness.h"
#include "header_fixture.h"
#include "painting_fixture.h"
#include "painting_helpers.h"

using namespace testing_support;

namespace {

int RunDpi() {
    const char* dpi = std::getenv("VORLANE_TEST_DPI");
    return dpi != nullptr ? std::atoi(dpi) : 96;
}

// A size given at 96 DPI, at the run's DPI.
int Scaled(int pixels) {
    return MulDiv(pixels, RunDpi(), 96);
}

int ListItemHeight(HWND grid) {
    return static_cast<int>(SendMessageA(ListPane(grid), LB_GETITEMHEIGHT, 0, 0));
}

RECT ChildRect(HWND grid, HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, grid, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The run must be at its DPI, or every other check here would pass at 96 as well.
TEST(Dpi, TheProgramRunsAtTheDpiItWasStartedAt) {
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), RunDpi());
    ReleaseDC(nullptr, screen);
}

// The default heights scale; heights the client set stay as set, also after a DPI change, which
// lays out and rescales only what the client left to the control.
TEST_F(Header, DefaultHeightsScaleAndHeightsTheClientSetSurviveADpiChange) {
    struct Case {
        const char* name;
        int headerSet;  // 0: left to the control
        int rowSet;
    };
    const Case cases[] = {
        {"defaults", 0, 0},
        {"header set", 40, 0},
        {"row set", 0, 17},
        {"both set", 17, 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid = MakeGrid();
        if (c.headerSet != 0) {
            Grid_SetHeaderHeight(grid, c.headerSet);
        }
        if (c.rowSet != 0) {
            Grid_SetRowHeight(grid, c.rowSet);
        }
        const int header = c.headerSet != 0 ? c.headerSet : Scaled(17);
        const int row = c.rowSet != 0 ? c.rowSet : Scaled(17);
        for (bool changed : {false, true}) {
            if (changed) {
                Grid_DpiChanged(grid);
            }
            EXPECT_EQ(Grid_GetHeaderHeight(grid), header) << changed;
            EXPECT_EQ(Grid_GetRowHeight(grid), row) << changed;
            EXPECT_EQ(ListItemHeight(grid), row) << changed;
            EXPECT_EQ(ChildRect(grid, HeaderPane(grid)).bottom, header) << changed;
            EXPECT_EQ(ChildRect(grid, ListPane(grid)).top, header) << changed;
        }
        EXPECT_EQ(Grid_GetColWidth(grid, 0), 100) << "column widths are the client's";
        DestroyWindow(grid);
    }
}

// The arrow is the icon's shape in the header text colour, as large as the header, at the
// title's right end: on the dark test header nothing of it is black or red.
TEST_F(Header, TheSortArrowIsDrawnInTheHeaderTextColourAtTheScaledSizeAndPlace) {
    for (bool descending : {false, true}) {
        SCOPED_TRACE(descending);
        grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200, 0, kGridId);
        ColumnDesc blank = Column(100, GRID_CELL_TEXT, " ");  // a title that paints nothing
        blank.flags = descending ? 2 : 0;
        ASSERT_TRUE(AddColumnDescs(
            grid, {blank, Column(50, GRID_CELL_TEXT, " "), Column(20, GRID_CELL_VALUE)}));
        SetPalette(grid, palette);
        const int height = Grid_GetHeaderHeight(grid);
        const RECT inside = {1, 1, 100, height - 1};  // column 0's button within its frame
        ASSERT_EQ(BoundsOf(Titles(), inside, palette.headerText).right, 0);
        Click(grid, 20);
        const Capture shown = Titles();
        const int size = Scaled(17);
        const int left = 101 - Scaled(3) - Scaled(6);
        const RECT arrow = BoundsOf(shown, inside, palette.headerText);
        // The shape spans 9 x 10 of the icon's 16 x 16, from its left edge and its fourth row.
        EXPECT_EQ(arrow.left, left);
        EXPECT_NEAR(arrow.right - arrow.left, size * 9 / 16, 2);
        EXPECT_NEAR(arrow.top, size * 3 / 16, 2);
        EXPECT_NEAR(arrow.bottom - arrow.top, size * 10 / 16, 2);
        EXPECT_EQ(height, size) << "the arrow is as tall as the default header";
        int other = 0;
        for (int y = inside.top; y < inside.bottom; ++y) {
            for (int x = left; x < inside.right; ++x) {
                const COLORREF c = shown.At(x, y);
                other += c != palette.headerText && c != palette.headerBack;
            }
        }
        EXPECT_EQ(other, 0) << "pixels neither of the header text nor of its background";
        DestroyWindow(grid);
    }
}

// A drag from within the resize zone of column 0's right edge (x 100) resizes the column; a
// drag from just outside it presses the title instead.
TEST_F(Header, TheResizeZoneScales) {
    struct Case {
        int offset;  // from the edge
        bool resizes;
    };
    const Case cases[] = {
        {-Scaled(2), true},
        {Scaled(1), true},
        {-Scaled(2) - 1, false},
        {Scaled(1) + 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        grid = MakeGrid();
        Drag(grid, 100 + c.offset, 130 + c.offset);
        EXPECT_EQ(Grid_GetColWidth(grid, 0), c.resizes ? 130 : 100);
        DestroyWindow(grid);
    }
}

// One line of horizontal scrolling moves the panes by the scaled step.
TEST_F(Header, ALineOfHorizontalScrollingMovesTheScaledStep) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 200, 200, 0, kGridId);
    ASSERT_TRUE(AddColumnDescs(grid, {Column(1000, GRID_CELL_TEXT), Column(0, GRID_CELL_VALUE)}));
    SendMessageA(grid, WM_SIZE, 0, 0);  // the control brings its bars up to date
    for (int line = 1; line <= 2; ++line) {
        SendMessageA(grid, WM_HSCROLL, SB_LINERIGHT, 0);
        EXPECT_EQ(GetScrollPos(grid, SB_HORZ), line * Scaled(5));
        EXPECT_EQ(ChildRect(grid, HeaderPane(grid)).left, -line * Scaled(5));
    }
}

// Column 0's content, and its current-cell highlight, start after the scaled image room.
TEST_F(Painting, TheRowImageRoomScales) {
    MakeGrid();
    Select(0);
    const Capture rows = Rows();
    const int row = Grid_GetRowHeight(grid);
    const RECT highlight = BoundsOf(rows, {0, 0, 300, row}, palette.activeCell);
    EXPECT_EQ(highlight.left, Scaled(16));
    EXPECT_EQ(highlight.right, 260);
    EXPECT_EQ(highlight.bottom, row);
}

}  // namespace
