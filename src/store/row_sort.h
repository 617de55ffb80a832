// Sorting row offsets by the key of one column, in the grid's own quicksort order.
#pragma once

#include <cstddef>
#include <cstdint>

#include "store/rank_quicksort.h"
#include "store/sort_keys.h"

namespace vorlane {

// Most rows one sort takes (rank codes must fit 32 bits).
inline constexpr size_t kMaxSortRows = 0x7FFFFFFF;

// Reorders offsets[0..count) by the key each row offset has in source.keyColumn, ascending or
// descending, into exactly the order of the grid's first-element-pivot quicksort (equal keys
// included; see rank_quicksort.h). Byte text keys compare with a-z folded to A-Z and bytes
// unsigned; wide text keys compare as CompareWideTextKeys does, through the source's folding
// table; numeric keys compare as signed 32-bit values; descending inverts every comparison.
// Fewer than two rows are already in order (true). Returns false, with offsets untouched, when
// scratch memory cannot be had, offsets is null, or count exceeds kMaxSortRows.
// `tuning` picks the internal shortcuts; every setting gives the same order (tests vary it).
bool SortRowOffsets(uint32_t* offsets, size_t count, const SortSource& source, bool descending,
                    const RankSortTuning& tuning = RankSortTuning{});

// The same order as positions: positions[k] is the position in offsets[0..count) of the row
// the sort puts k-th; offsets stay as they are. False, with positions unspecified, when scratch
// memory cannot be had, a pointer is null, or count exceeds kMaxSortRows.
bool SortRowPositions(const uint32_t* offsets, size_t count, const SortSource& source,
                      bool descending, uint32_t* positions,
                      const RankSortTuning& tuning = RankSortTuning{});

}  // namespace vorlane
