// GRM_SORT through messages: order, groups, modes, selection and view kept.
#include <gtest/gtest.h>

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
