// Columns and heights by message: layout, limits, editors, titles, refusals.
#include <gtest/gtest.h>

#include <cstring>

#include "frame/column_windows.h"
#include "harness.h"

using namespace testing_support;

namespace {

class Columns : public ::testing::Test {
  protected:
    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 400, 300);
};

TEST_F(Columns, AreLaidOutLeftToRightAndAWidthChangeMovesOnlyLaterColumns) {
    ASSERT_TRUE(AddColumns(grid, {{100}, {50}, {30, GRID_CELL_VALUE, GRID_EDITOR_NONE}}));
    EXPECT_EQ(Grid_GetTotalWidth(grid), 180u);
    RECT cell;
    GridValue row[3] = {reinterpret_cast<GridValue>("x"), reinterpret_cast<GridValue>("y"), 2};
    ASSERT_EQ(Grid_AddRow(grid, row), 0);
    Grid_GetCellRect(grid, 2, 0, &cell);
    EXPECT_EQ(cell.left, 150);

    Grid_SetColWidth(grid, 1, 70);
    EXPECT_EQ(Grid_GetColWidth(grid, 1), 70);
    EXPECT_EQ(Grid_GetTotalWidth(grid), 200u);
    Grid_GetCellRect(grid, 2, 0, &cell);
    EXPECT_EQ(cell.left, 170);
    Grid_GetCellRect(grid, 0, 0, &cell);
    EXPECT_EQ(cell.left, 0);
    EXPECT_EQ(Grid_GetColWidth(grid, 3), 0) << "no such column";
    Grid_SetColWidth(grid, 3, 500);
    EXPECT_EQ(Grid_GetTotalWidth(grid), 200u) << "a width for no column changes nothing";
}

TEST_F(Columns, EditorsAreHiddenChildrenOfTheListPaneWithTheirLimits) {
    ASSERT_TRUE(
        AddColumns(grid, {{50, GRID_CELL_TEXT, GRID_EDITOR_TEXT, nullptr, nullptr, 0, 0},
                          {50, GRID_CELL_TEXT, GRID_EDITOR_TEXT, nullptr, nullptr, 0, 600},
                          {50, GRID_CELL_TEXT, GRID_EDITOR_TEXT, nullptr, nullptr, 0, 20},
                          {50, GRID_CELL_NUMBER, GRID_EDITOR_NUMBER, nullptr, nullptr, 0, 0},
                          {50, GRID_CELL_NUMBER, GRID_EDITOR_NUMBER, nullptr, nullptr, 0, 12},
                          {50, GRID_CELL_NUMBER, GRID_EDITOR_NUMBER, nullptr, nullptr, 0, 8},
                          {50, GRID_CELL_VALUE, GRID_EDITOR_NONE, nullptr, nullptr, 0, 7}}));
    std::vector<HWND> editors = Editors(grid);
    ASSERT_EQ(editors.size(), 6u) << "the last column has no editor";
    const unsigned limits[] = {511, 511, 20, 11, 11, 8};
    for (size_t i = 0; i < editors.size(); ++i) {
        EXPECT_EQ(SendMessageA(editors[i], EM_GETLIMITTEXT, 0, 0), static_cast<LRESULT>(limits[i]))
            << "editor " << i;
        EXPECT_FALSE(IsWindowVisible(editors[i]));
        // The edit control keeps WS_BORDER to itself and draws the border; the rest stays.
        DWORD style = static_cast<DWORD>(GetWindowLongA(editors[i], GWL_STYLE));
        DWORD expected = i < 3 ? 0x44000080u : 0x44000082u;
        EXPECT_EQ(style & ~static_cast<DWORD>(WS_BORDER), expected) << "editor " << i;
    }
}

TEST_F(Columns, EditorsTakeTheListFontSetBeforeThem) {
    HFONT font = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    Grid_SetFonts(grid, nullptr, font);
    ASSERT_TRUE(AddColumns(grid, {{50}}));
    std::vector<HWND> editors = Editors(grid);
    ASSERT_EQ(editors.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(editors[0], WM_GETFONT, 0, 0)), font);
    DestroyWindow(grid);
    DeleteObject(font);
}

TEST_F(Columns, AreRefusedOnceRowsExistAndAcceptedAgainAfterAClear) {
    ASSERT_TRUE(AddColumns(grid, {{100}, {20, GRID_CELL_VALUE, GRID_EDITOR_NONE}}));
    GridValue row[2] = {reinterpret_cast<GridValue>("a"), 0};
    ASSERT_EQ(Grid_AddRow(grid, row), 0);
    ColumnDesc desc = {};
    desc.width = 40;
    EXPECT_EQ(Grid_AddColumn(grid, &desc), 1);
    EXPECT_EQ(Grid_GetTotalWidth(grid), 120u);
    Grid_ClearRows(grid);
    EXPECT_EQ(Grid_AddColumn(grid, &desc), 0);
    EXPECT_EQ(Grid_GetTotalWidth(grid), 160u);
    EXPECT_EQ(Grid_GetColWidth(grid, 2), 40) << "appended after the old columns";
    GridValue wider[3] = {reinterpret_cast<GridValue>("b"), 0, 0};
    EXPECT_EQ(Grid_AddRow(grid, wider), 0) << "the first row after a clear is at position 0";
}

TEST_F(Columns, BadRecordsAndTooManyColumnsAreRefused) {
    EXPECT_EQ(Grid_AddColumn(grid, nullptr), 1);
    ColumnDesc desc = {};
    desc.width = 1;
    desc.editorKind = GRID_EDITOR_NONE;
    desc.cellKind = GRID_CELL_VALUE;
    for (int i = 0; i < 289; ++i) {
        ASSERT_EQ(Grid_AddColumn(grid, &desc), 0) << "column " << i;
    }
    EXPECT_EQ(Grid_AddColumn(grid, &desc), 1);
    EXPECT_EQ(Grid_GetTotalWidth(grid), 289u);
}

TEST_F(Columns, TitlesReadBackButNeverTheKindColumnsAndSurviveAClear) {
    ASSERT_TRUE(AddColumns(grid, {{100, GRID_CELL_TEXT, GRID_EDITOR_TEXT, "Name"},
                                  {50, GRID_CELL_NUMBER, GRID_EDITOR_NONE, "Size", "###"},
                                  {0, GRID_CELL_VALUE, GRID_EDITOR_NONE, "Kind"}}));
    char buffer[64] = "unchanged";
    Grid_GetColTitle(grid, 0, buffer);
    EXPECT_STREQ(buffer, "Name");
    std::strcpy(buffer, "unchanged");
    Grid_GetColTitle(grid, 2, buffer);
    EXPECT_STREQ(buffer, "unchanged") << "the kind column's title is never served";
    Grid_GetColTitle(grid, 9, buffer);
    EXPECT_STREQ(buffer, "unchanged");

    GridValue row[3] = {reinterpret_cast<GridValue>("a"), 5, 0};
    Grid_AddRow(grid, row);
    Grid_ClearRows(grid);
    Grid_GetColTitle(grid, 1, buffer);
    EXPECT_STREQ(buffer, "Size");

    Grid_SetColTitle(grid, 1, "Bytes");
    Grid_GetColTitle(grid, 1, buffer);
    EXPECT_STREQ(buffer, "Bytes");
    std::strcpy(buffer, "unchanged");
    Grid_SetColTitle(grid, 1, nullptr);
    Grid_GetColTitle(grid, 1, buffer);
    EXPECT_STREQ(buffer, "unchanged") << "a removed title leaves the buffer alone";
}

// The window's entry of a column starts with no editor and no sort arrow; a column that has no
// entry yet is refused and keeps none.
TEST(ColumnWindows, AnEntryStartsEmptyAndAColumnNotAddedIsRefused) {
    vorlane::ColumnWindows columns;
    columns.Add();
    EXPECT_EQ(columns.SortIndicator(0), 0) << "no arrow until a title click";
    EXPECT_EQ(columns.Editor(0), nullptr);
    EXPECT_FALSE(columns.SetSortIndicator(1, 8));
    EXPECT_FALSE(columns.SetEditor(1, reinterpret_cast<HWND>(0x1234)));
    EXPECT_EQ(columns.SortIndicator(1), 0);
    EXPECT_EQ(columns.Editor(1), nullptr);
}

TEST_F(Columns, KindsAndHeightsAnswerAsSet) {
    ASSERT_TRUE(AddColumns(
        grid, {{10, GRID_CELL_TEXT}, {10, GRID_CELL_NUMBER}, {10, 7, GRID_EDITOR_NONE}}));
    EXPECT_EQ(Grid_GetColKind(grid, 1), 1);
    EXPECT_EQ(Grid_GetColKind(grid, 2), 7);
    EXPECT_EQ(Grid_GetColKind(grid, 3), 0);

    Grid_SetRowHeight(grid, 0);
    EXPECT_EQ(Grid_GetRowHeight(grid), 17);
    Grid_SetRowHeight(grid, 20);
    EXPECT_EQ(Grid_GetRowHeight(grid), 20);
    EXPECT_EQ(SendMessageA(ListPane(grid), LB_GETITEMHEIGHT, 0, 0), 20);

    Grid_SetHeaderHeight(grid, 30);
    EXPECT_EQ(Grid_GetHeaderHeight(grid), 30);
    EXPECT_EQ(RectInParent(HeaderPane(grid)).bottom, 30);
    EXPECT_EQ(RectInParent(ListPane(grid)).top, 30);
}

}  // namespace
