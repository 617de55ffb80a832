// The selection the mouse leaves in the list pane: plain, Ctrl and Shift clicks, a Shift range
// stretched by a later current cell, a press on a member of a multiple selection, modifiers as
// they stand at the message, and selections of many more rows than a page.
#include <gtest/gtest.h>

#include <vector>

#include "harness.h"
#include "input_helpers.h"
#include "list_input_fixture.h"

using namespace testing_support;

namespace {

TEST_F(ListInput, PlainCtrlAndShiftClicksSetTheSelectionAsTabled) {
    Make({2, 2, 2, 2, 2, 2, 2});
    StartAt(0);
    Click(pane, RowPoint(grid, 1));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{1}));
    {
        HeldKeys ctrl({VK_CONTROL});
        Click(pane, RowPoint(grid, 3));
        EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{1, 3}));
        EXPECT_EQ(Grid_GetCurRow(grid), 3u);

        // Ctrl on a selected row removes it, and its release asks for no current cell.
        parent.Clear();
        Click(pane, RowPoint(grid, 1));
        EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{3}));
        EXPECT_TRUE(parent.OfCode(GRN_CELLCLICK).empty());
    }
    {
        HeldKeys shift({VK_SHIFT});
        Click(pane, RowPoint(grid, 5));
        EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{3, 4, 5}));
        EXPECT_EQ(Grid_GetCurRow(grid), 5u);
    }
    // Without the keys, a plain click leaves only its row.
    Click(pane, RowPoint(grid, 6));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{6}));
}

// The Shift flag left by a Shift click stretches the range of a later GRM_SETCURCELL to its row,
// which becomes current wherever it lies.
TEST_F(ListInput, AfterAShiftClickSetCurCellStretchesTheRangeToItsRowAndMakesItCurrent) {
    struct Case {
        UINT target;
        std::vector<UINT> selected;
    };
    const Case cases[] = {
        {8, {3, 4, 5, 6, 7, 8}},  // below the range
        {1, {1, 2, 3, 4, 5}},     // above it
        {4, {3, 4, 5}},           // inside it
    };
    Make({2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    for (const Case& c : cases) {
        StartAt(0);
        Click(pane, RowPoint(grid, 3));
        {
            HeldKeys shift({VK_SHIFT});
            Click(pane, RowPoint(grid, 5));
        }
        ASSERT_EQ(SelectedRows(grid), (std::vector<UINT>{3, 4, 5}));
        parent.Clear();
        EXPECT_EQ(Grid_SetCurCell(grid, 1, c.target), 1) << "row " << c.target;
        EXPECT_EQ(SelectedRows(grid), c.selected) << "row " << c.target;
        EXPECT_EQ(Grid_GetCurCol(grid), 1u) << "row " << c.target;
        EXPECT_EQ(Grid_GetCurRow(grid), c.target) << "row " << c.target;
        EXPECT_EQ(Notes(parent.OfCode(GRN_CURCELLCHANGED)),
                  (std::vector<Note>{CurCellChangedNote(1, c.target)}))
            << "row " << c.target;
    }
}

TEST_F(ListInput, PressOnAMemberOfAMultipleSelectionKeepsItUntilTheRelease) {
    Make({2, 2, 2, 2, 2, 2});
    StartAt(0);
    for (UINT row : {1u, 2u, 4u}) {
        SendMessageA(pane, LB_SETSEL, TRUE, row);
    }
    Press(pane, RowPoint(grid, 2));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{1, 2, 4}));
    Release(pane, RowPoint(grid, 2));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{2}));
    EXPECT_EQ(Grid_GetCurRow(grid), 2u);

    for (UINT row : {1u, 4u}) {
        SendMessageA(pane, LB_SETSEL, TRUE, row);
    }
    parent.Clear();
    Press(pane, RowPoint(grid, 4));
    Release(pane, RowPoint(grid, 5));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{1, 2, 4}));
    EXPECT_EQ(Grid_GetCurRow(grid), 5u) << "the current row member keeps the release row";
    EXPECT_TRUE(parent.OfCode(GRN_CELLCLICK).empty());
}

TEST_F(ListInput, ModifiersCountWhenDownAtTheMessageHoweverOftenAsked) {
    Make({2, 2, 2});
    StartAt(0);
    SendMessageA(pane, LB_SETSEL, TRUE, 0);
    SendMessageA(pane, LB_SETSEL, TRUE, 1);
    HeldKeys ctrl({VK_CONTROL});
    GetAsyncKeyState(VK_CONTROL);  // an earlier query does not hide the held key
    Press(pane, RowPoint(grid, 1));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{0})) << "Ctrl removed the pressed row";
}

// Far more selected rows than a page: a release on another row restores
// every one of them, and a Shift click stretches the range to the last of them.
TEST_F(ListInput, LargeSelectionsAreRestoredAndStretchedWhole) {
    constexpr UINT kRows = 1200;
    std::vector<UINT> even;
    std::vector<UINT> firstToLast;
    for (UINT row = 0; row < kRows - 1; ++row) {
        firstToLast.push_back(row);
        if (row % 2 == 0) {
            even.push_back(row);
        }
    }
    struct Case {
        const char* name;
        bool shift;
        UINT press;
        UINT release;
        const std::vector<UINT>& selected;
    };
    const Case cases[] = {
        {"press on a member, release on another row", false, 2, 3, even},
        {"Shift click between members", true, 1, 1, firstToLast},
    };
    ASSERT_TRUE(AddStandardColumns(grid));
    for (UINT i = 0; i < kRows; ++i) {
        AddKindRows(grid, {2});
    }
    for (const Case& c : cases) {
        StartAt(0);
        for (UINT row : even) {
            SendMessageA(pane, LB_SETSEL, TRUE, row);
        }
        SendMessageA(pane, LB_SETTOPINDEX, 0, 0);  // selecting scrolled the last row into view
        ASSERT_EQ(SelectedRows(grid).size(), even.size()) << c.name;
        {
            HeldKeys keys(c.shift ? std::initializer_list<int>{VK_SHIFT}
                                  : std::initializer_list<int>{});
            Press(pane, RowPoint(grid, c.press));
            Release(pane, RowPoint(grid, c.release));
        }
        EXPECT_EQ(SelectedRows(grid), c.selected) << c.name;
    }
}

}  // namespace
