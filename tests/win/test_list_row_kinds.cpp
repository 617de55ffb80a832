// Row kinds under the mouse in the list pane: a kind cell of 9 rewritten at the press, rows of
// kind 0 that only take the focus, a grid without columns, and rows of kind 1 that select but
// never become current.
#include <gtest/gtest.h>

#include "harness.h"
#include "input_helpers.h"
#include "list_input_fixture.h"

using namespace testing_support;

namespace {

TEST_F(ListInput, ARowMarkedNineBecomesTwoAtItsPressWithoutAskingTheParent) {
    Make({2, 9, 0x10009});
    StartAt(0);
    Click(pane, RowPoint(grid, 1));
    EXPECT_EQ(KindCell(grid, 1), 2);
    EXPECT_EQ(Notes(parent.records), ClickNotes(1, 2));

    // Only a kind cell of exactly 9 is rewritten; its kind word 9 acts as any other.
    parent.Clear();
    Click(pane, RowPoint(grid, 2));
    EXPECT_EQ(KindCell(grid, 2), 0x10009);
    EXPECT_EQ(Notes(parent.records), ClickNotes(2, 9));
}

TEST_F(ListInput, RowsOfKindZeroOnlyTakeTheFocusAndReportTheButton) {
    Make({2, 0x10000, 2});
    StartAt(2);
    SendMessageA(pane, LB_SETSEL, TRUE, 2);
    SetFocus(parent.hwnd());
    Click(pane, RowPoint(grid, 1));
    EXPECT_EQ(Notes(parent.records), (std::vector<Note>{ButtonNote(TRUE), ButtonNote(FALSE)}));
    EXPECT_EQ(GetFocus(), pane);
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{2}));
    EXPECT_EQ(Grid_GetCurRow(grid), 2u);

    // So does a point below the last row.
    parent.Clear();
    Click(pane, RowPoint(grid, 6));
    EXPECT_EQ(Notes(parent.records), (std::vector<Note>{ButtonNote(TRUE), ButtonNote(FALSE)}));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{2}));
}

TEST_F(ListInput, AGridWithoutColumnsTreatsEveryPointAsKindZero) {
    StartAt(0);
    Click(pane, MAKELPARAM(10, 5));
    KeyDown(pane, VK_DOWN, kScanDown);
    KeyDown(pane, VK_RETURN, kPlainScanEnter);
    EXPECT_EQ(Notes(parent.records), (std::vector<Note>{ButtonNote(TRUE), ButtonNote(FALSE)}));
}

TEST_F(ListInput, RowsOfKindOneSelectButNeverBecomeCurrentExceptByActivation) {
    Make({2, 1, 2});
    StartAt(0);
    auto spy = SpyOnControl();
    const LPARAM point = RowPoint(grid, 1);
    Click(pane, point);
    EXPECT_EQ(Notes(parent.records),
              (std::vector<Note>{ButtonNote(TRUE), SelChangeNote(), ButtonNote(FALSE)}));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{1}));
    EXPECT_EQ(Grid_GetCurRow(grid), 0u);

    parent.Clear();
    SendMessageA(pane, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    Release(pane, point);
    EXPECT_EQ(Notes(parent.records),
              (std::vector<Note>{ButtonNote(FALSE), CellClickNote(0, 0, 1, FALSE, TRUE)}));
    EXPECT_TRUE(spy->Of(GRM_BEGINEDIT).empty());
}

}  // namespace
