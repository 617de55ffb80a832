// The fixture of the editing tests (test_editing_*.cpp): a grid of three rows whose columns have
// a text editor, a text editor of 8 characters, a placed text editor, a number editor and none,
// with what each notification pointed to remembered while it was valid.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "harness.h"

namespace testing_support {

constexpr WPARAM kEditCurrent = GRID_EDIT_CURRENT;
constexpr UINT kLimitedColumn = 1;  // a text column whose editor takes 8 characters
constexpr UINT kPlacedColumn = 2;   // a text column at x 100, 80 wide
constexpr UINT kNumberColumn = 3;   // a number column at x 180, 90 wide
constexpr UINT kNoEditorColumn = 4;

class Editing : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(AddGridColumns(grid));
        // In column order while no edit has shown any of them yet.
        editors = Editors(grid);
        AddGridRow(grid, "alpha", "one", "first", 1234567);
        AddGridRow(grid, "beta", "two", "second", 0);
        AddGridRow(grid, "gamma", "three", "third", 42);
        parent.onNotify = [this](GridNotify& record) { Remember(record); };
    }
    void TearDown() override { Grid_SetGridLines(grid, FALSE); }

    static bool AddGridColumns(HWND target) {
        return AddColumns(
            target, {{50, GRID_CELL_TEXT, GRID_EDITOR_TEXT},
                     {50, GRID_CELL_TEXT, GRID_EDITOR_TEXT, nullptr, nullptr, GRID_ALIGN_LEFT, 8},
                     {80, GRID_CELL_TEXT, GRID_EDITOR_TEXT},
                     {90, GRID_CELL_NUMBER, GRID_EDITOR_NUMBER, nullptr, "###-####"},
                     {60, GRID_CELL_NUMBER, GRID_EDITOR_NONE},
                     {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}});
    }
    static void AddGridRow(HWND target, const char* a, const char* b, const char* c, INT32 n) {
        auto text = [](const char* t) { return reinterpret_cast<GridValue>(t); };
        GridValue values[6] = {text(a), text(b), text(c), n, 7, 2};
        Grid_AddRow(target, values);
    }
    // The content each notification pointed to, read while it was valid.
    void Remember(const GridNotify& record) {
        if (record.value == 0) {
            return;
        }
        if (record.code == GRN_BEGINEDIT || record.code == GRN_ENDEDIT ||
            record.code == GRN_CELLCHANGING) {
            const auto* text = reinterpret_cast<const char*>(record.value);
            texts.push_back(std::string(text, strnlen(text, 256)));
            values.push_back(*reinterpret_cast<const INT32*>(record.value));
        }
        selectedAtNotify.push_back(SelectedCount());
    }

    HWND Begin(WPARAM column, LPARAM row) {
        return reinterpret_cast<HWND>(SendMessageA(grid, GRM_BEGINEDIT, column, row));
    }
    static void Type(HWND editor, WPARAM character) { SendMessageA(editor, WM_CHAR, character, 1); }
    static std::string TextOf(HWND editor) {
        char text[1024] = {};
        GetWindowTextA(editor, text, sizeof(text));
        return text;
    }
    std::string CellText(UINT column, UINT row) {
        char text[1024] = "untouched";
        Grid_GetCell(grid, column, row, text);
        return text;
    }
    INT32 CellValue(UINT column, UINT row) {
        INT32 value = -1;
        Grid_GetCell(grid, column, row, &value);
        return value;
    }
    int SelectedCount() { return static_cast<int>(SendMessageA(list, LB_GETSELCOUNT, 0, 0)); }
    // The editor the grid reports as active, seen in a notification sent after the fact.
    HWND ReportedEditor() {
        Grid_ActivateCell(grid, 0, 0);
        return parent.records.empty() ? nullptr : parent.records.back().hwndChild;
    }
    void ClearRecords() {
        parent.Clear();
        texts.clear();
        values.clear();
        selectedAtNotify.clear();
    }

    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 600, 300, 0, 9);
    HWND list = ListPane(grid);
    std::vector<HWND> editors;
    std::vector<std::string> texts;
    std::vector<INT32> values;
    std::vector<int> selectedAtNotify;
};

}  // namespace testing_support
