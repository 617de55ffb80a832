// Sorting a grid's rows by one column while gathering them into four groups by the low byte of
// their column-5 cell: groups 1, 2 and 3 for the values 1, 2 and 3, group 4 for anything else.
// The list's item data (row offsets) is rewritten; the cells themselves never move.
#pragma once

#include <cstdint>
#include <vector>

#include "store/list_items.h"
#include "store/sort_keys.h"

namespace vorlane {

inline constexpr uint32_t kDescendingFlag = 0x2;  // column flags bit: last sorted descending
inline constexpr uint32_t kGroupColumn = 5;
struct GroupSortRequest {
    SortSource keys;  // cell table, string pool, key column and whether keys are texts
    uint32_t columnCount = 0;
    int32_t groupColumnKind = 0;  // cellKind of column 5; 0 (text) puts every row in group 4
    uint32_t mode = 0;  // 0 ascending, 1 descending, 2 toggle; 3, 4 like 0, 1 and 5+ like 2,
                        // but 2 and above rewrite only the positions of groups 3 and 4
};

struct GroupSortResult {
    bool sorted = false;     // false: nothing at all changed, the flags word included
    uint32_t sortState = 0;  // when sorted: 1 if the flags word is non-zero afterwards, else 0
};

// The flags word after the direction of `mode` is applied (descending bit cleared, set or
// flipped); other bits are kept.
uint32_t ApplySortDirection(uint32_t flags, uint32_t mode);

// Sorts the rows of `list` (item data = row offsets, positions = display order) by the request's
// key column and writes them back group by group: group 1, 2, 3, then 4, each in sorted order.
// Modes 0 and 1 write every position; the other modes leave the first positions, as many as
// groups 1 and 2 hold, as they were and write the rows found after them in the same grouped
// order: groups 3 and 4 when groups 1 and 2 stood at the top. `flags` is the key column's flags
// word; it gets the mode's direction.
// `selected`, when given, names the selected rows by position (ascending; positions past the
// last row are dropped). Afterwards it holds, ascending, the positions that show a selected row:
// a written position whose row offset a selected position showed before, and a position the sort
// does not write that was selected.
// Nothing changes (result.sorted false) when the list has fewer than two rows, the key column is
// not below the column count, or scratch memory cannot be had.
GroupSortResult SortAndGroup(ListItems& list, const GroupSortRequest& request, uint32_t& flags,
                             std::vector<uint32_t>* selected = nullptr);

}  // namespace vorlane
