// The texts of rows and titles as the screen shows them, in UTF-16 for the accessible objects:
// an ANSI grid's texts are converted from the process's code page. Reading a row may ask an
// owner-data grid's parent for its cells (as painting does, cell by cell): check destroyed
// after. Each may throw std::bad_alloc.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frame/grid_instance.h"
#include "store/shown_cell.h"

namespace vorlane {

// Column 0 as shown.
std::wstring RowName(GridInstance& grid, uint32_t row);

// The other shown columns as "Title: text" (the text alone under an untitled column), joined
// with "; ". A column shows when it is wider than 0 and of text or numbers; the kind column
// never shows, and empty texts are left out.
std::wstring RowDescription(GridInstance& grid, uint32_t row);

// STATE_SYSTEM_CHECKED or STATE_SYSTEM_MIXED for the state of the row's first check column; 0
// for a clear box, a grid without check columns or one destroyed while its parent was asked.
LONG RowCheckFlags(GridInstance& grid, uint32_t row);

// One cell as shown; nullopt for a column that shows nothing or a grid destroyed while its
// parent was asked. `kindCell` is the row's kind cell (KindCellAt).
std::optional<std::wstring> CellShownText(GridInstance& grid, uint32_t column, uint32_t row,
                                          uint32_t kindCell);

// One cell as shown, in the grid's own units (code-page bytes or UTF-16), written into `text`
// as painting writes it; the result points into `text` or to an empty text. Null for a column
// that shows nothing or a grid destroyed while its parent was asked.
template <class Unit>
const Unit* CellShownUnits(GridInstance& grid, uint32_t column, uint32_t row, uint32_t kindCell,
                           Unit (&text)[kShownCellUnits]);

// The grid's name: its window text, or without one the label before it (a static control, its
// access key marker dropped), as the system names its own controls.
std::wstring GridLabel(HWND window);

// The shown columns that take room, in display order: the titles a reader hears, and the
// columns of the grid read as a table.
std::vector<uint32_t> TableColumns(const GridInstance& grid);

// A column's title; empty when it has none.
std::wstring ColumnTitle(const GridInstance& grid, uint32_t column);

}  // namespace vorlane
