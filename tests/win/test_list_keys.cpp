// Keys in the list pane: none reach the list box of an empty grid, Enter activates a single
// selected row, Down and Up move the current row, keys of another scan value go to the list box,
// and the page keys scroll.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "harness.h"
#include "input_helpers.h"
#include "list_input_fixture.h"

using namespace testing_support;

namespace {

// The multiple-selection list box of some platforms faults on Space while it holds no item, so
// no key may reach it then. It is watched where the pane passes keys on, and every key it would
// get is kept from it: a key passed on fails the test instead of crashing it.
TEST_F(ListInput, KeysInAnEmptyGridNeverReachTheListBoxAndNotifyNothing) {
    ASSERT_TRUE(AddStandardColumns(grid));
    SetFocus(pane);
    MessageSpy listBox(pane, MessageSpy::Slot::ReplacedProcedure, {WM_KEYDOWN}, {WM_KEYDOWN});
    const std::pair<WPARAM, UINT> keys[] = {{VK_SPACE, 0x39},
                                            {VK_HOME, 0x47 | kExtended},
                                            {VK_END, 0x4F | kExtended},
                                            {VK_DOWN, kScanDown},
                                            {VK_UP, kScanUp},
                                            {VK_NEXT, kScanPageDown},
                                            {VK_RETURN, kPlainScanEnter}};
    for (const auto& [key, scan] : keys) {
        KeyDown(pane, key, scan);
        SendMessageA(pane, WM_CHAR, ' ', 0x00390001);
    }
    EXPECT_TRUE(listBox.messages.empty()) << listBox.messages.size() << " keys reached it";
    EXPECT_TRUE(parent.records.empty());

    // Once it holds a row, keys the pane does not take over reach it.
    AddKindRows(grid, {2});
    listBox.Clear();
    KeyDown(pane, VK_SPACE, 0x39);
    EXPECT_EQ(listBox.Codes(), (std::vector<UINT>{WM_KEYDOWN}));
}

TEST_F(ListInput, EnterActivatesOnlyASingleSelectedRow) {
    Make({2, 2, 6});
    StartAt(2);
    SendMessageA(pane, LB_SETSEL, TRUE, 2);
    for (UINT scan : {kPlainScanEnter, kPlainScanEnter | kExtended}) {
        parent.Clear();
        KeyDown(pane, VK_RETURN, scan);
        EXPECT_EQ(Notes(parent.records), (std::vector<Note>{CellClickNote(0, 2, 6, FALSE, TRUE)}));
    }
    // After Enter, clicks count from a clean activation flag.
    parent.Clear();
    Click(pane, RowPoint(grid, 1));
    EXPECT_EQ(Notes(parent.records), ClickNotes(1, 2));

    SendMessageA(pane, LB_SETSEL, TRUE, 0);
    parent.Clear();
    KeyDown(pane, VK_RETURN, kPlainScanEnter);
    EXPECT_TRUE(parent.records.empty()) << "two selected rows";
}

TEST_F(ListInput, DownAndUpMoveTheCurrentRowWithinTheFilledRowsAndKindCells) {
    Make({2, 2, 5, 0});
    StartAt(0);
    Click(pane, RowPoint(grid, 1));
    Grid_SetCurCell(grid, 3, 1);  // column 3, row 1; the row kind stays the release's
    SendMessageA(pane, LB_SETSEL, TRUE, 0);
    parent.Clear();

    KeyDown(pane, VK_DOWN, kScanDown | kExtended);
    EXPECT_EQ(Notes(parent.records),
              (std::vector<Note>{CellClickNote(3, 2, 2), CurCellChangedNote(3, 2)}));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{2}));

    parent.Clear();
    KeyDown(pane, VK_DOWN, kScanDown);  // the keypad key with NumLock off
    EXPECT_TRUE(parent.records.empty()) << "the next row's kind cell is 0";

    KeyDown(pane, VK_UP, kScanUp);
    KeyDown(pane, VK_UP, kScanUp | kExtended);
    KeyDown(pane, VK_UP, kScanUp);
    EXPECT_EQ(Notes(parent.records),
              (std::vector<Note>{CellClickNote(3, 1, 2), CurCellChangedNote(3, 1),
                                 CellClickNote(3, 0, 2), CurCellChangedNote(3, 0),
                                 CellClickNote(3, 0, 2), CurCellChangedNote(3, 0)}));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{0}));
}

TEST_F(ListInput, KeysWithAnotherScanValueGoToTheListBox) {
    Make({2, 2, 2});
    StartAt(0);
    MessageSpy listBox(pane, MessageSpy::Slot::ReplacedProcedure, {WM_KEYDOWN});
    KeyDown(pane, VK_DOWN, 0);
    KeyDown(pane, VK_RETURN, 0x1D);
    KeyDown(pane, VK_NEXT, kScanDown);
    KeyDown(pane, 'A', 0x1E);
    EXPECT_EQ(listBox.messages.size(), 4u);
    EXPECT_TRUE(parent.OfCode(GRN_CELLCLICK).empty());

    listBox.Clear();
    KeyDown(pane, VK_DOWN, kScanDown);
    EXPECT_TRUE(listBox.messages.empty());
    EXPECT_EQ(Grid_GetCurRow(grid), 1u);
}

TEST_F(ListInput, PageKeysScrollByAPageAndLeaveSelectionAndCurrentCell) {
    ASSERT_TRUE(AddStandardColumns(grid));
    for (int i = 0; i < 40; ++i) {
        AddKindRows(grid, {2});
    }
    SendMessageA(pane, LB_SETTOPINDEX, 0, 0);
    SendMessageA(grid, WM_SIZE, 0, 0);
    StartAt(3);
    SendMessageA(pane, LB_SETSEL, TRUE, 3);
    KeyDown(pane, VK_NEXT, kScanPageDown);
    EXPECT_EQ(SendMessageA(pane, LB_GETTOPINDEX, 0, 0), 11);
    KeyDown(pane, VK_NEXT, kScanPageDown | kExtended);
    EXPECT_EQ(SendMessageA(pane, LB_GETTOPINDEX, 0, 0), 22);
    KeyDown(pane, VK_PRIOR, kScanPageUp | kExtended);
    EXPECT_EQ(SendMessageA(pane, LB_GETTOPINDEX, 0, 0), 11);
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{3}));
    EXPECT_EQ(Grid_GetCurRow(grid), 3u);
    EXPECT_TRUE(parent.records.empty());
}

}  // namespace
