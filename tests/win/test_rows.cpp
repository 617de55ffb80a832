// Rows and cells by message: adding, reading, writing with the parent's say, clearing, and
// the selection messages.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "harness.h"

using namespace testing_support;

namespace {

class Rows : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(AddStandardColumns(grid)); }
    std::string TextAt(UINT column, UINT row) {
        char buffer[512] = "untouched";
        Grid_GetCell(grid, column, row, buffer);
        return buffer;
    }
    INT32 ValueAt(UINT column, UINT row) {
        INT32 value = -7;
        Grid_GetCell(grid, column, row, &value);
        return value;
    }
    std::vector<UINT> Selected() {
        UINT positions[512];
        int count = Grid_GetSelRows(grid, positions);
        return std::vector<UINT>(positions, positions + count);
    }

    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 600, 300, 0, 7);
};

TEST_F(Rows, AreAddedInOrderAndReadBackByPosition) {
    EXPECT_EQ(AddStandardRow(grid, "alpha", nullptr, 12, -3, 0, 2), 0);
    EXPECT_EQ(AddStandardRow(grid, "beta", "note", 1234567, 0, 0, 0), 1);
    EXPECT_EQ(Grid_GetRowCount(grid), 2);
    EXPECT_EQ(SendMessageA(ListPane(grid), LB_GETITEMDATA, 1, 0), 24) << "row offset of row 1";
    EXPECT_EQ(TextAt(0, 0), "alpha");
    EXPECT_EQ(TextAt(1, 0), "") << "a null text reads back empty";
    EXPECT_EQ(ValueAt(2, 0), 12);
    EXPECT_EQ(ValueAt(3, 0), -3);
    EXPECT_EQ(ValueAt(5, 0), 2);
    EXPECT_EQ(TextAt(1, 1), "note");
    EXPECT_EQ(Grid_AddRow(grid, nullptr), 2) << "a null array adds an empty row";
    EXPECT_EQ(TextAt(0, 2), "");
}

TEST_F(Rows, CellsOutsideTheGridReadAndWriteNothingAndNotifyNothing) {
    AddStandardRow(grid, "alpha", nullptr, 1, 2, 3, 2);
    EXPECT_EQ(TextAt(6, 0), "untouched");
    EXPECT_EQ(TextAt(0, 1), "untouched");
    Grid_SetCellText(grid, 0, 1, "x");
    Grid_SetCellText(grid, 6, 0, "x");
    INT32 value = 5;
    Grid_SetCellValue(grid, 2, 0, nullptr);  // a value cell with no value
    EXPECT_TRUE(parent.records.empty());
    EXPECT_EQ(ValueAt(2, 0), 1);
    Grid_SetCellValue(grid, 2, 0, &value);
    EXPECT_EQ(ValueAt(2, 0), 5);
}

TEST_F(Rows, AWriteAsksTheParentFirstAndReportsColumnZeroAfterwards) {
    AddStandardRow(grid, "alpha", "a", 1, 2, 3, 2);
    Grid_SetCellText(grid, 0, 0, "omega");
    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCHANGING, GRN_CELLCHANGED}));
    const GridNotify& changing = parent.records[0];
    EXPECT_EQ(changing.hwndFrom, grid);
    EXPECT_EQ(changing.idFrom, 7u);
    EXPECT_EQ(changing.hwndGrid, grid);
    EXPECT_EQ(changing.column, 0u);
    EXPECT_EQ(changing.row, 0u);
    EXPECT_EQ(changing.hwndChild, nullptr);
    EXPECT_STREQ(reinterpret_cast<const char*>(changing.value), "omega");
    EXPECT_EQ(changing.cancel, 0);
    EXPECT_EQ(TextAt(0, 0), "omega");

    parent.Clear();
    Grid_SetCellText(grid, 1, 0, "b");
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCHANGING}));
    EXPECT_EQ(TextAt(1, 0), "b");
    Grid_SetCellText(grid, 1, 0, nullptr);
    EXPECT_EQ(TextAt(1, 0), "") << "null removes the text";
}

TEST_F(Rows, AVetoedWriteChangesNothingAndTheParentMayChangeTheValue) {
    AddStandardRow(grid, "alpha", "a", 1, 2, 3, 2);
    parent.vetoCodes = {GRN_CELLCHANGING};
    Grid_SetCellText(grid, 0, 0, "omega");
    EXPECT_EQ(TextAt(0, 0), "alpha");
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCHANGING}));

    parent.vetoCodes.clear();
    parent.onNotify = [](GridNotify& record) {
        if (record.code == GRN_CELLCHANGING) {
            *reinterpret_cast<INT32*>(record.value) = 99;
        }
    };
    INT32 value = 5;
    Grid_SetCellValue(grid, 2, 0, &value);
    EXPECT_EQ(ValueAt(2, 0), 99);
}

TEST_F(Rows, AParentThatClearsOrDestroysInsideTheNotificationStopsTheWriteCleanly) {
    AddStandardRow(grid, "alpha", "a", 1, 2, 3, 2);
    parent.onNotify = [this](GridNotify&) { Grid_ClearRows(grid); };
    Grid_SetCellText(grid, 0, 0, "omega");
    EXPECT_EQ(Grid_GetRowCount(grid), 0);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCHANGING}));

    AddStandardRow(grid, "alpha", "a", 1, 2, 3, 2);
    parent.onNotify = [this](GridNotify&) { DestroyWindow(grid); };
    Grid_SetCellText(grid, 0, 0, "omega");
    EXPECT_FALSE(IsWindow(grid));
}

TEST_F(Rows, ClearingResetsCountsAndCurrentCellButKeepsColumns) {
    for (int i = 0; i < 5; ++i) {
        AddStandardRow(grid, "r", nullptr, i, 0, 0, 2);
    }
    Grid_SetCurCell(grid, 2, 3);
    EXPECT_EQ(Grid_GetCurRow(grid), 3u);
    Grid_ClearRows(grid);
    EXPECT_EQ(Grid_GetRowCount(grid), 0);
    EXPECT_EQ(SendMessageA(ListPane(grid), LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(Grid_GetCurCol(grid), 0u);
    EXPECT_EQ(Grid_GetCurRow(grid), 0u);
    EXPECT_EQ(Grid_GetTotalWidth(grid), 380u);
    EXPECT_EQ(AddStandardRow(grid, "again", nullptr, 0, 0, 0, 2), 0);
    EXPECT_EQ(SendMessageA(ListPane(grid), LB_GETITEMDATA, 0, 0), 0) << "offsets start anew";
}

TEST_F(Rows, SelectAllTakesTheFilledRowsAndSkipsAFirstRowOfKindOne) {
    AddStandardRow(grid, "parent", nullptr, 0, 0, 0, 1);
    for (int i = 0; i < 4; ++i) {
        AddStandardRow(grid, "r", nullptr, 0, 0, 0, 2);
    }
    AddStandardRow(grid, nullptr, nullptr, 0, 0, 0, 2);  // a blank row: never selected by it
    Grid_SelectAll(grid);
    EXPECT_EQ(Selected(), (std::vector<UINT>{1, 2, 3, 4}));
    Grid_DeselectAll(grid);
    EXPECT_TRUE(Selected().empty());
}

TEST_F(Rows, InvertSelectionFlipsTheFilledRows) {
    for (int i = 0; i < 5; ++i) {
        AddStandardRow(grid, "r", nullptr, 0, 0, 0, 0);
    }
    HWND list = ListPane(grid);
    SendMessageA(list, LB_SETSEL, TRUE, 1);
    SendMessageA(list, LB_SETSEL, TRUE, 3);
    Grid_InvertSelection(grid);
    EXPECT_EQ(Selected(), (std::vector<UINT>{0, 2, 4}));
}

TEST_F(Rows, SelectedRowsAreReportedUpTo512) {
    for (int i = 0; i < 600; ++i) {
        AddStandardRow(grid, "r", nullptr, i, 0, 0, 2);
    }
    Grid_SelectAll(grid);
    UINT positions[512 + 8];
    positions[512] = 0xDEADBEEF;
    EXPECT_EQ(Grid_GetSelRows(grid, positions), 512);
    EXPECT_EQ(positions[511], 511u);
    EXPECT_EQ(positions[512], 0xDEADBEEFu) << "nothing written past 512";
    EXPECT_EQ(Grid_GetSelRows(grid, nullptr), 0);
}

// GRM_GETSELROWSEX answers the whole count and writes as many positions as it has room for,
// ascending, never past the room.
TEST_F(Rows, SelectedRowsExWritesWhatFitsAndCountsEveryRow) {
    constexpr UINT kRows = 1500;
    constexpr UINT kSelected = 700;  // every other row from 100 on
    for (UINT i = 0; i < kRows; ++i) {
        AddStandardRow(grid, "r", nullptr, static_cast<INT32>(i), 0, 0, 2);
    }
    for (UINT j = 0; j < kSelected; ++j) {
        SendMessageA(ListPane(grid), LB_SETSEL, TRUE, 100 + 2 * j);
    }
    struct Case {
        UINT room;
        bool buffer;
        UINT written;
    };
    const Case cases[] = {
        {0, true, 0},
        {1, true, 1},
        {600, true, 600},
        {kSelected, true, kSelected},
        {kSelected + 50, true, kSelected},
        {kSelected, false, 0},
    };
    constexpr UINT kUntouched = 0xDEADBEEF;
    for (const Case& c : cases) {
        std::vector<UINT> positions(kSelected + 60, kUntouched);
        EXPECT_EQ(Grid_GetSelRowsEx(grid, c.room, c.buffer ? positions.data() : nullptr),
                  static_cast<int>(kSelected))
            << "room " << c.room;
        for (UINT j = 0; j < positions.size(); ++j) {
            const UINT expected = j < c.written ? 100 + 2 * j : kUntouched;
            ASSERT_EQ(positions[j], expected) << "room " << c.room << ", entry " << j;
        }
    }
    // The fixed-room message still stops at 512.
    std::vector<UINT> positions(520, kUntouched);
    EXPECT_EQ(Grid_GetSelRows(grid, positions.data()), 512);
    EXPECT_EQ(positions[511], 100u + 2 * 511);
    EXPECT_EQ(positions[512], kUntouched);
}

TEST_F(Rows, ARowWithoutColumnsIsRefused) {
    HWND bare = CreateGrid(parent.hwnd(), 0, 0, 100, 100);
    GridValue row[1] = {1};
    EXPECT_EQ(Grid_AddRow(bare, row), -1);
    EXPECT_EQ(Grid_GetRowCount(bare), 0);
}

}  // namespace

namespace {

// What a caller can read of the list pane: its count, item data, selection and top row.
std::vector<LRESULT> ListPaneAnswers(HWND pane) {
    std::vector<LRESULT> answers;
    const LRESULT count = SendMessageA(pane, LB_GETCOUNT, 0, 0);
    answers.push_back(count);
    for (LRESULT i = 0; i <= count; ++i) {  // one past the last answers LB_ERR
        answers.push_back(SendMessageA(pane, LB_GETITEMDATA, i, 0));
        answers.push_back(SendMessageA(pane, LB_GETSEL, i, 0));
    }
    answers.push_back(SendMessageA(pane, LB_GETSELCOUNT, 0, 0));
    int selected[8] = {};
    answers.push_back(SendMessageA(pane, LB_GETSELITEMS, 8, reinterpret_cast<LPARAM>(selected)));
    answers.insert(answers.end(), selected, selected + 8);
    answers.push_back(SendMessageA(pane, LB_GETTOPINDEX, 0, 0));
    return answers;
}

}  // namespace

// The rows and their order are the control's: messages that would add, remove or rewrite the list
// pane's items are refused, for a grid of stored rows and an owner-data grid alike, and what the
// pane answers stays as it was. A stored row's item data is its row offset, in display order.
TEST(ListPaneItems, ChangesFromOutsideAreRefusedAndTheAnswersStay) {
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } refused[] = {
        {"add", LB_ADDSTRING, 0, 48},      {"insert", LB_INSERTSTRING, 1, 48},
        {"delete", LB_DELETESTRING, 0, 0}, {"set item data", LB_SETITEMDATA, 1, 0},
        {"reset", LB_RESETCONTENT, 0, 0},  {"set count", LB_SETCOUNT, 9, 0},
    };
    for (const DWORD style : {DWORD{0}, DWORD{GRS_OWNERDATA}}) {
        SCOPED_TRACE(style == 0 ? "stored rows" : "owner data");
        RecordingParent parent;
        HWND grid = CreateGrid(parent.hwnd(), 0, 0, 600, 300, style, 7);
        ASSERT_TRUE(AddStandardColumns(grid));
        if (style == 0) {
            for (const char* name : {"c", "a", "b"}) {
                AddStandardRow(grid, name, nullptr, 0, 0, 0, 4);
            }
            SendMessageA(ListPane(grid), LB_SETSEL, TRUE, 0);  // row "c"
            Grid_Sort(grid, 0, GRID_SORT_ASCENDING);
        } else {
            ASSERT_TRUE(Grid_SetRowCount(grid, 3));
        }
        HWND pane = ListPane(grid);
        const std::vector<LRESULT> before = ListPaneAnswers(pane);
        if (style == 0) {
            // "a", "b", "c" at positions 0..2 are the rows added second, third and first; "c"
            // stays selected at its new place.
            const std::vector<LRESULT> sorted = {3, 24, 0, 48, 0, 0, 1, LB_ERR, LB_ERR};
            EXPECT_EQ(std::vector<LRESULT>(before.begin(), before.begin() + 9), sorted);
        }
        for (const auto& c : refused) {
            SCOPED_TRACE(c.name);
            EXPECT_EQ(SendMessageA(pane, c.message, c.wParam, c.lParam), LB_ERR);
            EXPECT_EQ(ListPaneAnswers(pane), before);
            EXPECT_EQ(Grid_GetRowCount(grid), 3);
        }
        DestroyWindow(grid);
    }
}
