// Scrolling, the current cell, cell rectangles and keeping the current cell in view.
#include <gtest/gtest.h>

#include "harness.h"
#include "input_helpers.h"

using namespace testing_support;

namespace {

class Viewport : public ::testing::Test {
  protected:
    // A grid whose list area is exactly 170 pixels high: ten rows of 17.
    void MakeGrid(int rows, int width = 600) {
        grid = CreateGrid(parent.hwnd(), 0, 0, width, 187);
        ASSERT_TRUE(AddStandardColumns(grid));
        for (int i = 0; i < rows; ++i) {
            AddStandardRow(grid, "row", nullptr, i, 0, 0, 2);
        }
        SetTop(0);
    }
    // Scrolls the list itself, then lets the control bring its bar up to date.
    void SetTop(int row) {
        SendMessageA(ListPane(grid), LB_SETTOPINDEX, row, 0);
        SendMessageA(grid, WM_SIZE, 0, 0);
    }
    int Top() { return static_cast<int>(SendMessageA(ListPane(grid), LB_GETTOPINDEX, 0, 0)); }
    void VScroll(int code) { SendMessageA(grid, WM_VSCROLL, code, 0); }
    void HScroll(int code) { SendMessageA(grid, WM_HSCROLL, code, 0); }
    SCROLLINFO Bar(int bar) {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        GetScrollInfo(grid, bar, &info);
        return info;
    }
    int PaneX() { return RectInParent(ListPane(grid)).left; }

    RecordingParent parent;
    HWND grid = nullptr;
};

TEST_F(Viewport, VerticalBarCoversTheRowsAndScrollCodesKeepTheirLimits) {
    MakeGrid(100);
    SCROLLINFO bar = Bar(SB_VERT);
    EXPECT_EQ(bar.nMin, 0);
    EXPECT_EQ(bar.nMax, 99);
    EXPECT_EQ(bar.nPage, 10u);

    SetTop(90);
    VScroll(SB_LINEDOWN);
    EXPECT_EQ(Top(), 90);
    SetTop(85);
    VScroll(SB_PAGEDOWN);
    EXPECT_EQ(Top(), 90);
    EXPECT_EQ(Grid_GetTopIndex(grid), 90u);
    SetTop(3);
    VScroll(SB_PAGEUP);
    EXPECT_EQ(Top(), 0);
    VScroll(SB_LINEUP);
    EXPECT_EQ(Top(), 0);
    VScroll(SB_BOTTOM);
    EXPECT_EQ(Grid_GetTopIndex(grid), 99u) << "the bottom asks for the last row";
    EXPECT_EQ(Top(), 90) << "the list shows its last page";
    VScroll(SB_TOP);
    EXPECT_EQ(Top(), 0);
}

TEST_F(Viewport, NoRowsGiveAnEmptyRange) {
    MakeGrid(0);
    EXPECT_EQ(Bar(SB_VERT).nMax, 0);
}

TEST_F(Viewport, EveryWheelMessageScrollsThreeRows) {
    MakeGrid(100);
    SendMessageA(grid, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(Top(), 3);
    SendMessageA(grid, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-960)), 0);
    EXPECT_EQ(Top(), 6);
    SendMessageA(grid, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(Top(), 3);
    // The list pane passes its own wheel messages on.
    SendMessageA(ListPane(grid), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(Top(), 0);
}

TEST_F(Viewport, TheVerticalBarFollowsTheTopRowAfterEveryKeyTheListBoxHandles) {
    MakeGrid(100);
    VScroll(SB_BOTTOM);
    ASSERT_EQ(Top(), 90);
    struct Key {
        const char* what;
        WPARAM key;
        UINT scanValue;
        int top;  // the list box's top row after the key
    };
    const Key keys[] = {
        {"Home", VK_HOME, 0x147, 0},
        {"End", VK_END, 0x14F, 90},
        {"Page Up without a scan code, to the top row", VK_PRIOR, 0, 90},
        {"Page Up without a scan code, a page up", VK_PRIOR, 0, 81},
        {"Home on the keypad", VK_HOME, 0x47, 0},
    };
    for (const Key& key : keys) {
        KeyDown(ListPane(grid), key.key, key.scanValue);
        ASSERT_EQ(Top(), key.top) << key.what;
        EXPECT_EQ(Bar(SB_VERT).nPos, key.top) << key.what;
    }
}

TEST_F(Viewport, HorizontalScrollingMovesBothPanesByFivePixelLines) {
    MakeGrid(3, 200);
    HScroll(SB_LINERIGHT);
    EXPECT_EQ(PaneX(), -5);
    EXPECT_EQ(RectInParent(HeaderPane(grid)).left, -5);
    for (int i = 0; i < 7; ++i) {
        HScroll(SB_LINERIGHT);
    }
    EXPECT_EQ(PaneX(), -40);
    EXPECT_EQ(RectInParent(HeaderPane(grid)).left, -40);
    SendMessageA(grid, WM_SIZE, 0, 0);
    EXPECT_EQ(PaneX(), -40) << "layout keeps the offset";
    EXPECT_EQ(Bar(SB_HORZ).nPos, 40);

    SendMessageA(grid, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
    HScroll(SB_LEFT);
    EXPECT_EQ(PaneX(), 0);
    HScroll(SB_LINERIGHT);
    HScroll(SB_LINELEFT);
    HScroll(SB_LINELEFT);
    EXPECT_EQ(PaneX(), 0) << "never left of 0";
}

TEST_F(Viewport, CellRectanglesHaveControlXAndListY) {
    MakeGrid(20);
    RECT rect = {1, 1, 1, 1};
    Grid_GetCellRect(grid, 6, 0, &rect);
    EXPECT_EQ(rect.left | rect.top | rect.right | rect.bottom, 0);
    Grid_GetCellRect(grid, 0, 20, &rect);
    EXPECT_EQ(rect.left | rect.top | rect.right | rect.bottom, 0);
    Grid_GetCellRect(grid, 2, 3, &rect);
    EXPECT_EQ(rect.left, 180);
    EXPECT_EQ(rect.right, 260);
    EXPECT_EQ(rect.top, 51);
    EXPECT_EQ(rect.bottom, 68);
}

TEST_F(Viewport, EnsureVisibleScrollsRowsByTheRowsThatStickOut) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 180);
    ASSERT_TRUE(AddStandardColumns(grid));
    for (int i = 0; i < 30; ++i) {
        AddStandardRow(grid, "row", nullptr, i, 0, 0, 2);
    }
    // Bottom limit: 180 - 17 = 163. Row 9 is partly shown and ends at 170, 7 pixels beyond.
    SendMessageA(ListPane(grid), LB_SETCARETINDEX, 9, TRUE);
    ASSERT_EQ(Top(), 0);
    Grid_EnsureVisible(grid);
    EXPECT_EQ(Grid_GetCurRow(grid), 9u) << "the current row follows the caret";
    EXPECT_EQ(Top(), 1) << "(7 / 17) + 1 rows";
    EXPECT_EQ(Grid_GetTopIndex(grid), 0u) << "the remembered top row is not touched";
}

TEST_F(Viewport, EnsureVisibleBringsAColumnInWithoutPushingItsLeftEdgeOut) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 200, 187);
    ASSERT_TRUE(AddColumns(grid, {{180}, {70}, {100}, {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}}));
    GridValue row[4] = {0, 0, 0, 0};
    Grid_AddRow(grid, row);
    RECT client;
    GetClientRect(grid, &client);
    ASSERT_EQ(client.right, 200);
    Grid_SetCurCell(grid, 1, 0);  // 180..250: sticks out 50, starts 180 in: scrolled by 50
    EXPECT_EQ(PaneX(), -50);
    Grid_SetCurCell(grid, 2, 0);  // 250..350 at offset 50: 200..300, left 200 > 100: by 100
    EXPECT_EQ(PaneX(), -150);
    Grid_SetCurCell(grid, 0, 0);  // left edge at -150: brought back by 150
    EXPECT_EQ(PaneX(), 0);

    HWND narrow = CreateGrid(parent.hwnd(), 0, 200, 200, 187);
    ASSERT_TRUE(AddColumns(narrow, {{20}, {230}, {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}}));
    Grid_AddRow(narrow, row);
    Grid_SetCurCell(narrow, 1, 0);  // 20..250 sticks out 50 but starts 20 in: only 20
    EXPECT_EQ(RectInParent(ListPane(narrow)).left, -20);
}

TEST_F(Viewport, AVetoedCellClickKeepsTheCurrentCell) {
    MakeGrid(5);
    EXPECT_EQ(Grid_SetCurCell(grid, 1, 2), 1);
    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCLICK, GRN_CURCELLCHANGED}));
    EXPECT_EQ(parent.records[1].column, 1u);
    EXPECT_EQ(parent.records[1].row, 2u);
    EXPECT_EQ(parent.records[0].rowKind, 0u);
    EXPECT_EQ(parent.records[0].rightButton, FALSE);

    parent.Clear();
    parent.vetoCodes = {GRN_CELLCLICK};
    EXPECT_EQ(Grid_SetCurCell(grid, 3, 4), 0);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCLICK}));
    EXPECT_EQ(Grid_GetCurCol(grid), 1u);
    EXPECT_EQ(Grid_GetCurRow(grid), 2u);

    parent.Clear();
    EXPECT_EQ(Grid_SetCurCell(grid, 6, 0), 0);
    EXPECT_EQ(Grid_SetCurCell(grid, 0, 5), 0);
    EXPECT_TRUE(parent.records.empty()) << "a cell outside the grid is not announced";
}

TEST_F(Viewport, SettingTheCurrentCellAddsItsRowToTheSelection) {
    MakeGrid(5);
    Grid_SetCurCell(grid, 0, 1);
    Grid_SetCurCell(grid, 0, 3);
    UINT positions[512];
    ASSERT_EQ(Grid_GetSelRows(grid, positions), 2);
    EXPECT_EQ(positions[0], 1u);
    EXPECT_EQ(positions[1], 3u);
}

TEST_F(Viewport, AParentThatDestroysTheControlInsideTheClickStopsItCleanly) {
    MakeGrid(5);
    parent.onNotify = [this](GridNotify& record) {
        if (record.code == GRN_CELLCLICK)
            DestroyWindow(grid);
    };
    EXPECT_EQ(Grid_SetCurCell(grid, 0, 1), 0);
    EXPECT_FALSE(IsWindow(grid));
}

TEST_F(Viewport, RestoreTopIndexReturnsToTheLastScrolledRow) {
    MakeGrid(50);
    VScroll(SB_PAGEDOWN);
    VScroll(SB_PAGEDOWN);
    ASSERT_EQ(Top(), 20);
    Grid_ClearRows(grid);
    EXPECT_EQ(Grid_GetTopIndex(grid), 20u) << "clearing keeps the remembered row";
    for (int i = 0; i < 50; ++i) {
        AddStandardRow(grid, "row", nullptr, i, 0, 0, 2);
    }
    SetTop(0);
    Grid_RestoreTopIndex(grid);
    EXPECT_EQ(Top(), 20);
    VScroll(SB_TOP);
    SetTop(5);
    Grid_RestoreTopIndex(grid);
    EXPECT_EQ(Top(), 5) << "a remembered row of 0 leaves the view alone";
}

}  // namespace
