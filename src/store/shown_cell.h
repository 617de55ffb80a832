// The text a cell shows: what row painting draws and what the accessible rows read out. Pure
// formatting of a cell's content already read; reading it is the caller's.
#pragma once

#include <cstdint>
#include <optional>

#include "store/column_set.h"

namespace vorlane {

inline constexpr uint32_t kShownCellUnits = 256;  // 255 units and the NUL

// A check cell's state from its value: 0 clear, 1 checked, 2 mixed; any other value shows as
// checked. The state a toggle leaves: a checked box clears, a clear or mixed one checks.
inline uint32_t CheckState(uint32_t value) {
    return value == 0 ? 0 : (value == 2 ? 2 : 1);
}
inline uint32_t ToggledCheckState(uint32_t value) {
    return CheckState(value) == 1 ? 0 : 1;
}
// "not checked", "checked" or "mixed": the state's name as copy and the accessible rows read it.
const char* CheckStateName(uint32_t value);

// The first shown check column in display order, if any: the one Space toggles and the
// accessible row state reads.
std::optional<uint32_t> FirstCheckColumn(const ColumnSet& columns);

// The text the cell of `column` shows in a row whose kind cell is `kindCell`. For a text column
// `text` holds the cell's text, at most kShownCellUnits - 1 units and a NUL; for a number column
// `value` is the cell's value and `text` is overwritten with its formatted, masked text ("<DIR>"
// for rows of kinds 1 and 2); for a check column the state's name. Column 3 hides the first four
// characters of its text. The result points into `text`, or to an empty text; null for a column
// that shows nothing (a plain value column).
template <class Unit>
const Unit* ShownCellText(const ColumnSet& columns, uint32_t column, uint32_t kindCell,
                          uint32_t value, Unit (&text)[kShownCellUnits]);

}  // namespace vorlane
