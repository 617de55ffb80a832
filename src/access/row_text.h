// The texts of rows and titles as the screen shows them, in UTF-16 for the accessible objects:
// an ANSI grid's texts are converted from the process's code page. Reading a row may ask an
// owner-data grid's parent for its cells (as painting does, cell by cell): check destroyed
// after. Each may throw std::bad_alloc.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "frame/grid_instance.h"

namespace vorlane {

// Column 0 as shown.
std::wstring RowName(GridInstance& grid, uint32_t row);

// The other shown columns as "Title: text" (the text alone under an untitled column), joined
// with "; ". A column shows when it is wider than 0 and of text or numbers; the kind column
// never shows, and empty texts are left out.
std::wstring RowDescription(GridInstance& grid, uint32_t row);

// One cell as shown; nullopt for a column that shows nothing or a grid destroyed while its
// parent was asked. `kindCell` is the row's kind cell (KindCellAt).
std::optional<std::wstring> CellShownText(GridInstance& grid, uint32_t column, uint32_t row,
                                          uint32_t kindCell);

// A column's title; empty when it has none.
std::wstring ColumnTitle(const GridInstance& grid, uint32_t column);

}  // namespace vorlane
