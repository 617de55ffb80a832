// Unicode grids for the tests: UTF-16 texts as the grid takes them, a grid of a titled text
// column, a number column and the kind column, and its cells read back.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "harness.h"

namespace testing_support {

using Units = std::u16string;

inline const Units kPair = u"\U0001F600";  // a character outside the Basic Multilingual Plane
inline const Units kMixed = u"A\u00e9\u03b1\u0436" + kPair + u"z";

inline GridValue Text(const Units& text) {
    return reinterpret_cast<GridValue>(text.c_str());
}
inline const WCHAR* Wide(const Units& text) {
    return reinterpret_cast<const WCHAR*>(text.c_str());
}

// A Unicode grid of a titled text column with an editor of `editLimit` units, a number column
// with `mask` and the kind column.
inline HWND MakeWideGrid(HWND parent, const Units& title = u"", unsigned editLimit = 0, int x = 0,
                         const char16_t* mask = nullptr) {
    HWND grid = CreateGridW(parent, x, 0, 300, 200);
    ColumnDescW text = {};
    text.width = 120;
    text.title = Wide(title);
    text.editLimit = editLimit;
    ColumnDescW number = {};
    number.width = 80;
    number.cellKind = GRID_CELL_NUMBER;
    number.editorKind = GRID_EDITOR_NUMBER;
    number.mask = reinterpret_cast<const WCHAR*>(mask);
    ColumnDescW kind = {};
    kind.cellKind = GRID_CELL_VALUE;
    kind.editorKind = GRID_EDITOR_NONE;
    for (const ColumnDescW& desc : {text, number, kind}) {
        EXPECT_EQ(Grid_AddColumnW(grid, &desc), 0);
    }
    return grid;
}

inline int AddWideRow(HWND grid, const Units& text, GridValue number = 0) {
    GridValue values[3] = {Text(text), number, 3};
    return Grid_AddRowW(grid, values);
}

inline Units CellOf(HWND grid, UINT column, UINT row) {
    WCHAR text[1024] = L"untouched";
    Grid_GetCellW(grid, column, row, text);
    return reinterpret_cast<const char16_t*>(text);
}

inline Units NotifiedText(const GridNotify& record) {
    return reinterpret_cast<const char16_t*>(record.value);
}

}  // namespace testing_support
