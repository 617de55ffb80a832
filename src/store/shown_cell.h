// The text a cell shows: what row painting draws and what the accessible rows read out. Pure
// formatting of a cell's content already read; reading it is the caller's.
#pragma once

#include <cstdint>

#include "store/column_set.h"

namespace vorlane {

inline constexpr uint32_t kShownCellUnits = 256;  // 255 units and the NUL

// The text the cell of `column` shows in a row whose kind cell is `kindCell`. For a text column
// `text` holds the cell's text, at most kShownCellUnits - 1 units and a NUL; for a number column
// `value` is the cell's value and `text` is overwritten with its formatted, masked text ("<DIR>"
// for rows of kinds 1 and 2). Column 3 hides the first four characters of its text. The result
// points into `text`, or to an empty text; null for a column that shows nothing (a plain value
// column).
template <class Unit>
const Unit* ShownCellText(const ColumnSet& columns, uint32_t column, uint32_t kindCell,
                          uint32_t value, Unit (&text)[kShownCellUnits]);

}  // namespace vorlane
