// Fitting columns to their texts as shown: by message, by a double click on a column's edge and
// by Ctrl+plus, against text extents measured in the grid's fonts; and the header's menu.
#include <gtest/gtest.h>

#include <windows.h>
// clang-format off
#include <commctrl.h>
// clang-format on

#include <algorithm>
#include <cstring>
#include <string>

#include "harness.h"
#include "input_helpers.h"
#include "owner_rows_parent.h"
#include "painting_helpers.h"

using namespace testing_support;

namespace {

// The room around texts at 96 DPI: cell text 2 pixels in from each side, column 0's 16-pixel
// image before it; a title 3 in from each side, a pixel for its pressed look and 8 for an arrow.
int CellFit(HWND grid, UINT column, const char* widest) {
    return TextWidth(ListPane(grid), widest) + 4 + (column == 0 ? 16 : 0);
}
int TitleFit(HWND grid, const char* title) {
    return TextWidth(HeaderPane(grid), title) + 6 + 1 + 8;
}

class ColumnFit : public ::testing::Test {
  protected:
    void SetUp() override {
        images = SolidImageList({RGB(10, 10, 10)});
        ColumnDesc name = Column(30, GRID_CELL_TEXT, "Nm");
        name.imageList = images;
        ColumnDesc size = Column(30, GRID_CELL_NUMBER, "Sz");
        size.mask = "#-##";
        ColumnDesc note = Column(30, GRID_CELL_TEXT, "A rather long title");
        ColumnDesc kind = Column(0, GRID_CELL_VALUE);
        ASSERT_TRUE(AddColumnDescs(grid, {name, size, note, kind}));
        AddRow(grid,
               {reinterpret_cast<GridValue>("short"), 12, reinterpret_cast<GridValue>("x"), 3});
        AddRow(grid, {reinterpret_cast<GridValue>("the longest name"), 987,
                      reinterpret_cast<GridValue>("y"), 3});
        AddRow(grid,
               {reinterpret_cast<GridValue>("mid name"), 5, reinterpret_cast<GridValue>("z"), 1});
        PumpMessages();
    }
    void TearDown() override { ImageList_Destroy(images); }

    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 500, 200);
    HIMAGELIST images = nullptr;
};

TEST_F(ColumnFit, AColumnFitsItsWidestShownTextOrItsTitle) {
    // Column 1 shows 12, 987 through its mask and a folder row's "<DIR>" through it too.
    const int numbersFit =
        std::max({CellFit(grid, 1, "12"), CellFit(grid, 1, "9-87"), CellFit(grid, 1, "I-R>")});
    const int rowsFit[] = {CellFit(grid, 0, "the longest name"), numbersFit, CellFit(grid, 2, "y")};
    const char* titles[] = {"Nm", "Sz", "A rather long title"};
    for (UINT column = 0; column < 3; ++column) {
        const int expected = std::max(rowsFit[column], TitleFit(grid, titles[column]));
        EXPECT_EQ(Grid_AutoSizeColumn(grid, column, GRID_FIT_TEXTS), expected) << column;
        EXPECT_EQ(Grid_GetColWidth(grid, column), expected) << column;
    }
    EXPECT_EQ(CellFit(grid, 2, "x") < TitleFit(grid, titles[2]), true) << "the title decides";
    EXPECT_EQ(Grid_AutoSizeColumn(grid, 3, GRID_FIT_TEXTS), 0) << "the kind column";
    EXPECT_EQ(Grid_AutoSizeColumn(grid, 40, GRID_FIT_TEXTS), 0);
    EXPECT_TRUE(parent.OfCode(GRN_COLUMNWIDTH).empty()) << "a message is not the user";

    // Every shown column, the last filling the client width; a hidden column keeps its width.
    Grid_SetColHidden(grid, 1, TRUE);
    Grid_SetColWidth(grid, 1, 33);
    RECT client;
    GetClientRect(grid, &client);
    const int last = Grid_AutoSizeColumn(grid, GRID_ALL_COLUMNS, GRID_FIT_FILL);
    EXPECT_EQ(Grid_GetColWidth(grid, 1), 33);
    EXPECT_EQ(last, client.right - Grid_GetColWidth(grid, 0));
    EXPECT_EQ(Grid_GetTotalWidth(grid), static_cast<UINT>(client.right));
}

TEST_F(ColumnFit, UserGesturesFitAndReportWithoutSorting) {
    const int nameFit = CellFit(grid, 0, "the longest name");
    HWND header = HeaderPane(grid);
    SetForegroundWindow(parent.hwnd());
    // A double click on column 0's right edge (x 30).
    RealMouse(header, {30, 5}, {MOUSEEVENTF_MOVE});
    RealMouse(header, {30, 5},
              {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    EXPECT_EQ(Grid_GetColWidth(grid, 0), nameFit);
    EXPECT_TRUE(parent.OfCode(GRN_HEADERCLICK).empty()) << "an edge's double click sorts nothing";
    ASSERT_EQ(parent.OfCode(GRN_COLUMNWIDTH).size(), 1u);
    EXPECT_EQ(parent.OfCode(GRN_COLUMNWIDTH)[0].column, 0u);

    // A drag of the fitted edge still resizes and reports.
    parent.Clear();
    RealMouse(header, {nameFit, 5}, {MOUSEEVENTF_MOVE});
    RealMouse(header, {nameFit, 5}, {MOUSEEVENTF_LEFTDOWN});
    RealMouse(header, {nameFit + 25, 5}, {MOUSEEVENTF_LEFTUP});
    EXPECT_EQ(Grid_GetColWidth(grid, 0), nameFit + 25);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_COLUMNWIDTH}));

    // Ctrl with the keypad's plus in the list fits every shown column.
    parent.Clear();
    SetFocus(ListPane(grid));
    {
        HeldKeys ctrl({VK_CONTROL});
        SendMessageA(ListPane(grid), WM_KEYDOWN, VK_ADD, 0x004E0001);
    }
    EXPECT_EQ(Grid_GetColWidth(grid, 0), nameFit);
    EXPECT_EQ(parent.OfCode(GRN_COLUMNWIDTH).size(), 3u);

    // A right click on the header asks the parent for its menu at the screen point.
    RealMouse(header, {50, 6}, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
    ASSERT_EQ(parent.contextMenus.size(), 1u);
    EXPECT_EQ(parent.contextMenus[0].from, header);
    POINT screen = {50, 6};
    ClientToScreen(header, &screen);
    EXPECT_EQ(parent.contextMenus[0].point.x, screen.x);
    EXPECT_EQ(parent.contextMenus[0].point.y, screen.y);
    // Shift+F10 while the header has the focus: (-1, -1).
    SetFocus(header);
    {
        HeldKeys shift({VK_SHIFT});
        PostMessageA(header, WM_SYSKEYDOWN, VK_F10, 0x00440001);
        PumpMessages();
    }
    ASSERT_EQ(parent.contextMenus.size(), 2u);
    EXPECT_EQ(parent.contextMenus[1].point.x, -1);
    EXPECT_EQ(parent.contextMenus[1].point.y, -1);
}

// An owner-data grid is fitted to the rows in view, as a grid holding just those rows is, and
// asks its parent for no other rows.
TEST(OwnerDataFit, AColumnFitsTheRowsInViewAndAsksForNoOthers) {
    RecordingParent parent;
    OwnerRowsModel model;  // row n is named "r<n>"
    model.Serve(parent);
    HWND grid = CreateStandardGrid(parent.hwnd(), true);
    ASSERT_TRUE(Grid_SetRowCount(grid, GRID_MAX_OWNER_ROWS));
    const int atTop = Grid_AutoSizeColumn(grid, 0, GRID_FIT_TEXTS);
    Grid_SetCurCell(grid, 0, GRID_MAX_OWNER_ROWS - 1);  // scrolls to the last row
    parent.Clear();
    const int atEnd = Grid_AutoSizeColumn(grid, 0, GRID_FIT_TEXTS);
    const std::vector<UINT> fetched = OwnerRowsModel::FetchedRows(parent);
    ASSERT_FALSE(fetched.empty());
    EXPECT_GE(*std::min_element(fetched.begin(), fetched.end()), GRID_MAX_OWNER_ROWS - 20)
        << "only the rows in view are asked for";

    HWND held = CreateStandardGrid(parent.hwnd(), false, 0, 210);
    for (UINT row = GRID_MAX_OWNER_ROWS - 20; row < GRID_MAX_OWNER_ROWS; ++row) {
        AddStandardRow(held, model.At(row).name.c_str(), "", 0, 0, 0, 2);
    }
    EXPECT_EQ(atEnd, Grid_AutoSizeColumn(held, 0, GRID_FIT_TEXTS));
    EXPECT_LT(atTop, atEnd) << "the first rows' names are shorter";
    DestroyWindow(held);
    DestroyWindow(grid);
}

}  // namespace
