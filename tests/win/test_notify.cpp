// Notifications that messages send: their fields, and messages sent back from inside them.
#include <gtest/gtest.h>

#include <functional>

#include "harness.h"
#include "input_helpers.h"

using namespace testing_support;

namespace {

class Notify : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(AddStandardColumns(grid));
        AddStandardRow(grid, "a", nullptr, 0, 0, 0, 2);
        AddStandardRow(grid, "b", nullptr, 0, 0, 0, 2);
    }
    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 500, 300, 0, 42);
};

TEST_F(Notify, ButtonReportsTheButtonStateWithTheControlAsSender) {
    Grid_NotifyButton(grid);
    ASSERT_EQ(parent.records.size(), 1u);
    const GridNotify& record = parent.records[0];
    EXPECT_EQ(record.code, static_cast<UINT>(GRN_BUTTON));
    EXPECT_EQ(record.hwndFrom, grid);
    EXPECT_EQ(record.idFrom, 42u);
    EXPECT_EQ(record.hwndGrid, grid);
    EXPECT_EQ(record.buttonDown, FALSE);
    EXPECT_EQ(record.column, 0u);
    EXPECT_EQ(record.row, 0u);
    EXPECT_EQ(record.value, 0);
}

TEST_F(Notify, ActivationIsReportedForExistingCellsAndCannotBeVetoed) {
    Grid_SetCurCell(grid, 0, 0);
    parent.Clear();
    parent.vetoCodes = {GRN_CELLCLICK};
    Grid_ActivateCell(grid, 2, 1);
    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCLICK}));
    EXPECT_EQ(parent.records[0].column, 2u);
    EXPECT_EQ(parent.records[0].row, 1u);
    EXPECT_EQ(parent.records[0].activated, FALSE) << "no activation is pending";
    EXPECT_EQ(Grid_GetCurRow(grid), 0u) << "neither the current cell";
    UINT positions[512];
    EXPECT_EQ(Grid_GetSelRows(grid, positions), 1) << "nor the selection changes";

    parent.Clear();
    Grid_ActivateCell(grid, 0, 2);
    Grid_ActivateCell(grid, 6, 0);
    EXPECT_TRUE(parent.records.empty());
}

TEST_F(Notify, DropReportsTheSideAndRowAndEveryRecordNamesTheGrid) {
    Grid_NotifyDrop(grid);
    ASSERT_EQ(parent.records.size(), 1u);
    const GridNotify& record = parent.records[0];
    EXPECT_EQ(record.code, static_cast<UINT>(GRN_DROP));
    EXPECT_EQ(record.idFrom, 42u);
    EXPECT_EQ(record.hwndGrid, grid);
    EXPECT_EQ(record.dropList, 0u);
    EXPECT_EQ(record.dropRow, 0u);
    // After the drop, notifications name the control again.
    parent.Clear();
    Grid_NotifyButton(grid);
    EXPECT_EQ(parent.records[0].hwndFrom, grid);
}

// What a gesture in one grid leaves behind is that grid's own: another grid's messages and input
// never report or act on it.
TEST_F(Notify, AGestureInOneGridLeavesNothingForAnotherGridToReport) {
    HWND other = CreateGrid(parent.hwnd(), 0, 310, 500, 200, 0, 43);
    ASSERT_TRUE(AddStandardColumns(other));
    AddStandardRow(other, "c", nullptr, 0, 0, 0, 3);
    AddStandardRow(other, "d", nullptr, 0, 0, 0, 3);
    HWND pane = ListPane(grid);
    const LPARAM row1 = RowPoint(grid, 1);
    auto pressTitle = [](HWND header, int x) {
        SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
        SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
    };
    struct Case {
        const char* left;               // by the gesture in the first grid
        std::function<void()> gesture;  // in the first grid
        std::function<void()> probe;    // then in the other grid
        Note reported;                  // the other grid's first notification
    };
    const Case cases[] = {
        {"an activation awaiting its release",
         [&] {
             Click(pane, row1);
             SendMessageA(pane, WM_LBUTTONDBLCLK, MK_LBUTTON, row1);
         },
         [&] { Grid_ActivateCell(other, 0, 1); }, CellClickNote(0, 1, 0)},
        {"the kind of the row released on", [&] { Click(pane, row1); },
         [&] { KeyDown(ListPane(other), VK_DOWN, 0x50); }, CellClickNote(0, 1, 0)},
        {"a column edge armed for resizing",
         [&] { SendMessageA(HeaderPane(grid), WM_MOUSEMOVE, 0, MAKELPARAM(100, 5)); },
         [&] { pressTitle(HeaderPane(other), 50); }, Note{GRN_HEADERCLICK, 0, 0xFFFFFFFF}},
    };
    for (const Case& c : cases) {
        c.gesture();
        parent.Clear();
        c.probe();
        std::vector<GridNotify> reported;
        for (const GridNotify& record : parent.records) {
            if (record.hwndGrid == other) {
                reported.push_back(record);
            }
        }
        ASSERT_FALSE(reported.empty()) << c.left;
        EXPECT_EQ(Notes(reported)[0], c.reported) << c.left;
    }
    EXPECT_EQ(Grid_GetColWidth(other, 0), 100) << "no column of the other grid was resized";
}

TEST_F(Notify, ANestedMessageFromInsideANotificationIsHandled) {
    INT32 seen = -1;
    parent.onNotify = [&](GridNotify& record) {
        if (record.code == GRN_CURCELLCHANGED) {
            Grid_GetCell(grid, 2, 1, &seen);
            Grid_SetCellText(grid, 1, 1, "nested");
        }
    };
    Grid_SetCurCell(grid, 0, 1);
    EXPECT_EQ(seen, 0);
    char text[16] = {};
    Grid_GetCell(grid, 1, 1, text);
    EXPECT_STREQ(text, "nested");
    EXPECT_EQ(parent.Codes(),
              (std::vector<UINT>{GRN_CELLCLICK, GRN_CURCELLCHANGED, GRN_CELLCHANGING}));
}

}  // namespace
