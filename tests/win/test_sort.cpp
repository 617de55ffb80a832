// GRM_SORT through messages: order, groups, modes, selection and view kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "harness.h"

using namespace testing_support;

namespace {

class Sort : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(AddStandardColumns(grid)); }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (int row = 0; row < Grid_GetRowCount(grid); ++row) {
            char text[256] = {};
            Grid_GetCell(grid, 0, static_cast<UINT>(row), text);
            names.push_back(text);
        }
        return names;
    }
    std::vector<UINT> Selected() {
        UINT positions[512];
        int count = Grid_GetSelRows(grid, positions);
        return std::vector<UINT>(positions, positions + count);
    }
    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200);
};

TEST_F(Sort, GathersGroupsByTheKindCellAndSortsEachGroup) {
    AddStandardRow(grid, "e", nullptr, 5, 0, 0, 3);
    AddStandardRow(grid, "d", nullptr, 4, 0, 0, 1);
    AddStandardRow(grid, "c", nullptr, 3, 0, 0, 7);
    AddStandardRow(grid, "b", nullptr, 2, 0, 0, 2);
    AddStandardRow(grid, "a", nullptr, 1, 0, 0, 0x101);  // low byte 1: group 1
    Grid_Sort(grid, 0, GRID_SORT_ASCENDING);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "d", "b", "e", "c"}));
    EXPECT_EQ(Grid_GetSortState(grid), 0);
    Grid_Sort(grid, 2, GRID_SORT_DESCENDING);
    EXPECT_EQ(Names(), (std::vector<std::string>{"d", "a", "b", "e", "c"}));
    EXPECT_EQ(Grid_GetSortState(grid), 1);
}

TEST_F(Sort, ToggleAlternatesTheDirection) {
    for (const char* name : {"b", "c", "a"}) {
        AddStandardRow(grid, name, nullptr, 0, 0, 0, 2 + 2);  // group 4
    }
    Grid_Sort(grid, 0, GRID_SORT_TOGGLE);
    EXPECT_EQ(Names(), (std::vector<std::string>{"c", "b", "a"}));
    Grid_Sort(grid, 0, GRID_SORT_TOGGLE);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(Sort, TailModesLeaveTheFirstGroupsWhereTheyStand) {
    AddStandardRow(grid, "z1", nullptr, 0, 0, 0, 1);
    AddStandardRow(grid, "y1", nullptr, 0, 0, 0, 1);
    AddStandardRow(grid, "m", nullptr, 0, 0, 0, 4);
    AddStandardRow(grid, "k", nullptr, 0, 0, 0, 3);
    Grid_Sort(grid, 0, GRID_SORT_ASCENDING_TAIL);
    EXPECT_EQ(Names(), (std::vector<std::string>{"z1", "y1", "k", "m"}));
}

TEST_F(Sort, TextsCompareWithoutCaseAndUnderscoreAfterLetters) {
    for (const char* name : {"_x", "apple", "Zed", "APPLE", "app", ""}) {
        AddStandardRow(grid, name, nullptr, 0, 0, 0, 4);
    }
    Grid_Sort(grid, 0, GRID_SORT_ASCENDING);
    std::vector<std::string> names = Names();
    EXPECT_EQ(names[0], "");
    EXPECT_EQ(names[1], "app");
    EXPECT_TRUE((names[2] == "apple" && names[3] == "APPLE") ||
                (names[2] == "APPLE" && names[3] == "apple"));
    EXPECT_EQ(names[4], "Zed");
    EXPECT_EQ(names[5], "_x");
}

TEST_F(Sort, NumbersCompareSigned) {
    const INT32 values[] = {-5, 3, 0x7FFFFFFF, -1};
    const char* names[] = {"m5", "p3", "max", "m1"};
    for (int i = 0; i < 4; ++i) {
        AddStandardRow(grid, names[i], nullptr, values[i], 0, 0, 4);
    }
    Grid_Sort(grid, 2, GRID_SORT_ASCENDING);
    EXPECT_EQ(Names(), (std::vector<std::string>{"m5", "m1", "p3", "max"}));
}

TEST_F(Sort, KeepsTheSelectedRowsAndTheTopRow) {
    for (int i = 0; i < 40; ++i) {
        char name[8];
        wsprintfA(name, "%02d", 39 - i);
        AddStandardRow(grid, name, nullptr, 0, 0, 0, 4);
    }
    HWND list = ListPane(grid);
    SendMessageA(list, LB_SETSEL, TRUE, 0);   // "39"
    SendMessageA(list, LB_SETSEL, TRUE, 30);  // "09"
    SendMessageA(list, LB_SETTOPINDEX, 12, 0);
    Grid_Sort(grid, 0, GRID_SORT_ASCENDING);
    EXPECT_EQ(Selected(), (std::vector<UINT>{9, 39}));
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 12);
}

// Many more selected rows than a page, scattered: every sort keeps exactly the same rows
// selected, wherever they move.
TEST_F(Sort, KeepsEverySelectedRowInEveryMode) {
    struct Case {
        UINT column;
        UINT mode;
    };
    const Case cases[] = {
        {0, GRID_SORT_ASCENDING},      {2, GRID_SORT_DESCENDING},      {0, GRID_SORT_TOGGLE},
        {2, GRID_SORT_ASCENDING_TAIL}, {0, GRID_SORT_DESCENDING_TAIL}, {2, GRID_SORT_ASCENDING},
    };
    constexpr int kRows = 2000;
    std::multiset<std::string> model;  // the names of the selected rows
    HWND list = ListPane(grid);
    for (int i = 0; i < kRows; ++i) {
        const int scrambled = (i * 7919) % kRows;
        char name[16];
        wsprintfA(name, "n%04d", scrambled);
        // Kind cells 1 to 4 spread the rows over the four groups.
        AddStandardRow(grid, name, nullptr, (scrambled * 31) % 977 - 400, 0, 0, 1 + i % 4);
        if (scrambled % 2 == 0 || scrambled % 7 == 0) {
            SendMessageA(list, LB_SETSEL, TRUE, i);
            model.insert(name);
        }
    }
    ASSERT_GT(model.size(), 1000u);
    for (const Case& c : cases) {
        Grid_Sort(grid, c.column, c.mode);
        const std::vector<std::string> names = Names();
        std::vector<UINT> selected(model.size() + 1);
        const int count =
            Grid_GetSelRowsEx(grid, static_cast<UINT>(selected.size()), selected.data());
        ASSERT_EQ(count, static_cast<int>(model.size()))
            << "column " << c.column << ", mode " << c.mode;
        std::multiset<std::string> kept;
        for (int j = 0; j < count; ++j) {
            kept.insert(names[selected[j]]);
        }
        EXPECT_EQ(kept, model) << "column " << c.column << ", mode " << c.mode;
    }
}

TEST_F(Sort, AOneRowListOnlyLosesItsSelection) {
    AddStandardRow(grid, "only", nullptr, 0, 0, 0, 4);
    SendMessageA(ListPane(grid), LB_SETSEL, TRUE, 0);
    Grid_Sort(grid, 0, GRID_SORT_DESCENDING);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Grid_GetSortState(grid), 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"only"}));
}

TEST_F(Sort, WithFewerThanSixColumnsEveryRowIsInTheLastGroup) {
    HWND narrow = CreateGrid(parent.hwnd(), 0, 0, 300, 200);
    ASSERT_TRUE(AddColumns(narrow, {{100}, {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}}));
    for (const char* name : {"c", "a", "b"}) {
        GridValue row[2] = {reinterpret_cast<GridValue>(name), 1};
        Grid_AddRow(narrow, row);
    }
    Grid_Sort(narrow, 0, GRID_SORT_ASCENDING);
    char first[8] = {};
    Grid_GetCell(narrow, 0, 0, first);
    EXPECT_STREQ(first, "a");
    Grid_Sort(narrow, 9, GRID_SORT_ASCENDING);  // no such column: nothing sorted
    Grid_GetCell(narrow, 0, 0, first);
    EXPECT_STREQ(first, "a");
}

}  // namespace

// A sort of rows still in the order they were added does not read the list pane's items; any
// change of the items from outside makes it read them again. Item data a client repeats or
// re-adds shows the difference: the rows sorted are the ones the pane shows.
TEST_F(Sort, ItemsChangedFromOutsideAreReadAgain) {
    struct Case {
        const char* name;
        void (*change)(HWND grid, HWND list);
    };
    const Case cases[] = {
        {"fresh fill", [](HWND, HWND) {}},
        {"item data repeated",
         [](HWND, HWND list) {
             SendMessageA(list, LB_SETITEMDATA, 1, SendMessageA(list, LB_GETITEMDATA, 0, 0));
         }},
        {"item deleted and added again",
         [](HWND, HWND list) {
             const LRESULT first = SendMessageA(list, LB_GETITEMDATA, 0, 0);
             SendMessageA(list, LB_DELETESTRING, 2, 0);
             SendMessageA(list, LB_ADDSTRING, 0, first);
         }},
        {"sorted before by another column",
         [](HWND grid, HWND) { Grid_Sort(grid, 2, GRID_SORT_DESCENDING); }},
        {"cleared and filled again", [](HWND grid, HWND) { Grid_ClearRows(grid); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid_ClearRows(grid);
        for (const char* name : {"d", "b", "e", "a", "c"}) {
            AddStandardRow(grid, name, nullptr, name[0] % 3, 0, 0, 4);
        }
        c.change(grid, ListPane(grid));
        if (Grid_GetRowCount(grid) == 0) {
            for (const char* name : {"d", "b", "e", "a", "c"}) {
                AddStandardRow(grid, name, nullptr, 0, 0, 0, 4);
            }
        }
        std::vector<std::string> expected = Names();
        std::sort(expected.begin(), expected.end());
        // The row shown first stays selected wherever it goes: the sort knows which row each
        // position showed.
        const std::string first = Names()[0];
        SendMessageA(ListPane(grid), LB_SETSEL, TRUE, 0);
        Grid_Sort(grid, 0, GRID_SORT_ASCENDING);
        const std::vector<std::string> names = Names();
        EXPECT_EQ(names, expected);
        const std::vector<UINT> selected = Selected();
        ASSERT_FALSE(selected.empty());
        for (UINT position : selected) {
            EXPECT_EQ(names[position], first);
        }
    }
}
