// GRM_ADDROWS: a batch of rows leaves the grid as the same rows added one by one with
// GRM_ADDROW would, and a batch that cannot be taken whole changes nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "harness.h"

using namespace testing_support;

namespace {

constexpr int kColumns = 6;  // the standard columns: text, text, three numbers, kind

// Rows `first` to `first + count - 1` of the standard columns, as one value array.
struct RowBatch {
    RowBatch(int first, int count) {
        for (int row = first; row < first + count; ++row) {
            names.push_back("row" + std::to_string(row));
        }
        for (int i = 0; i < count; ++i) {
            const int row = first + i;
            const GridValue blank =
                row % 7 == 3 ? 0 : reinterpret_cast<GridValue>(names[i].c_str());
            values.insert(values.end(), {blank, reinterpret_cast<GridValue>("note"), row, row * 10,
                                         row * 100, 0});
        }
    }
    std::vector<std::string> names;
    std::vector<GridValue> values;
};

// Everything a client or the user can see of the rows and the view.
struct GridState {
    LRESULT rows = 0;
    std::vector<std::string> names;
    std::vector<INT32> numbers;
    UINT currentColumn = 0;
    UINT currentRow = 0;
    LRESULT topRow = 0;
    std::vector<UINT> selected;
    int barMax = 0;
    UINT barPage = 0;
    int barPos = 0;

    bool operator==(const GridState&) const = default;
};

GridState StateOf(HWND grid) {
    GridState state;
    state.rows = Grid_GetRowCount(grid);
    for (UINT row = 0; row < static_cast<UINT>(state.rows); ++row) {
        char name[64] = "";
        INT32 number = 0;
        Grid_GetCell(grid, 0, row, name);
        Grid_GetCell(grid, 3, row, &number);
        state.names.push_back(name);
        state.numbers.push_back(number);
    }
    state.currentColumn = Grid_GetCurCol(grid);
    state.currentRow = Grid_GetCurRow(grid);
    state.topRow = SendMessageA(ListPane(grid), LB_GETTOPINDEX, 0, 0);
    std::vector<UINT> selected(512);
    selected.resize(Grid_GetSelRows(grid, selected.data()));
    state.selected = selected;
    SCROLLINFO bar = {};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_ALL;
    GetScrollInfo(grid, SB_VERT, &bar);
    state.barMax = bar.nMax;
    state.barPage = bar.nPage;
    state.barPos = bar.nPos;
    return state;
}

class AddRows : public ::testing::Test {
  protected:
    HWND MakeGrid(int rows) {
        HWND grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200);
        EXPECT_TRUE(AddStandardColumns(grid));
        RowBatch batch(0, rows);
        for (int row = 0; row < rows; ++row) {
            Grid_AddRow(grid, &batch.values[row * kColumns]);
        }
        return grid;
    }
    RecordingParent parent;
};

TEST_F(AddRows, ABatchLeavesTheGridAsRowsAddedOneByOne) {
    struct Case {
        const char* name;
        int rowsBefore;
        int batch;
        std::function<void(HWND)> prepare;  // the view and selection before the batch
    };
    const Case cases[] = {
        {"into an empty grid", 0, 5, [](HWND) {}},
        {"past the page, the current cell on the last row, a row selected", 3, 40,
         [](HWND grid) {
             Grid_SetCurCell(grid, 1, 2);
             SendMessageA(ListPane(grid), LB_SETSEL, TRUE, 1);
         }},
        {"into a grid scrolled down", 30, 30,
         [](HWND grid) { SendMessageA(grid, WM_VSCROLL, SB_PAGEDOWN, 0); }},
    };
    for (const Case& c : cases) {
        HWND single = MakeGrid(c.rowsBefore);
        HWND batched = MakeGrid(c.rowsBefore);
        c.prepare(single);
        c.prepare(batched);
        RowBatch batch(c.rowsBefore, c.batch);
        for (int row = 0; row < c.batch; ++row) {
            Grid_AddRow(single, &batch.values[row * kColumns]);
        }
        EXPECT_EQ(Grid_AddRows(batched, c.batch, batch.values.data()), c.rowsBefore) << c.name;
        EXPECT_EQ(StateOf(batched), StateOf(single)) << c.name;
        EXPECT_EQ(SendMessageA(ListPane(batched), LB_GETCOUNT, 0, 0), c.rowsBefore + c.batch);
        DestroyWindow(single);
        DestroyWindow(batched);
    }
}

TEST_F(AddRows, ABatchWithNothingToAddIsRefusedAndChangesNothing) {
    RowBatch batch(0, 2);
    struct Case {
        const char* name;
        bool columns;
        UINT count;
        const GridValue* values;
    };
    const Case cases[] = {
        {"no columns", false, 2, batch.values.data()},
        {"a null array", true, 2, nullptr},
        {"no rows", true, 0, batch.values.data()},
    };
    for (const Case& c : cases) {
        HWND grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200);
        if (c.columns) {
            ASSERT_TRUE(AddStandardColumns(grid));
        }
        const GridState before = StateOf(grid);
        EXPECT_EQ(Grid_AddRows(grid, c.count, c.values), -1) << c.name;
        EXPECT_EQ(StateOf(grid), before) << c.name;
        EXPECT_EQ(SendMessageA(ListPane(grid), LB_GETCOUNT, 0, 0), 0) << c.name;
        DestroyWindow(grid);
    }
}

}  // namespace
