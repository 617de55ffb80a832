// The row order of the grid's quicksort, computed without its quadratic cost.
//
// The order the grid shows is defined by one particular quicksort: the first element of a range
// is the pivot, an upward scan passes items at or below it, a downward scan passes items at or
// above it, the two stopped items are swapped until the scans meet, and the pivot is swapped to
// the item before the meeting point. Equal keys end up in an order that only that procedure
// produces, so it is reproduced exactly, but its cost is not: on sorted, reversed, all-equal or
// few-valued input it would take quadratic time. QuicksortSharedRanks gives the identical order
// of the rows whose keys others share (the only ones whose place is not fixed by their key's
// rank) by working on small integer ranks and resolving whole ranges whose outcome is known in
// closed form.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vorlane {

// A sort item packs a row's rank code in the high 32 bits and its row offset in the low 32 bits.
// Rank code = 2 * (dense rank of the key) + 1 when other rows share the key, + 0 when no other row
// has it. Comparing items by rank code is comparing rows by key.
inline uint32_t RankCode(uint64_t item) {
    return static_cast<uint32_t>(item >> 32);
}
inline uint64_t MakeSortItem(uint32_t rankCode, uint32_t rowOffset) {
    return (static_cast<uint64_t>(rankCode) << 32) | rowOffset;
}

// Which shortcuts QuicksortRanks takes; every setting gives the same order. The defaults are the
// fast ones; tests use others to check each path against the plain procedure.
struct RankSortTuning {
    size_t smallRange = 16;         // ranges of at most this many items use the plain partition
    uint32_t fewSpread = 64;        // ranges whose codes span at most this use value counts
    size_t sharedCheckLimit = 256;  // most shared-key items a range may hold for the distinct test
    int lopsidedBudget = -1;        // lopsided partitions before the tree takes over; -1 = by size
    bool useRunShapes = true;       // resolve non-decreasing and non-increasing ranges directly
    bool useDistinctRanges = true;  // place ranges without equal keys directly
};

// Puts every item with a shared key (odd code) of items[0..count) where the quicksort described
// above puts it; the caller places the items of unshared keys (even codes) itself, each by its
// rank alone. Ranges that hold no shared key are left as they stand, which spares the work on
// the ranges between shared keys. Runs in O(n log n) on the shapes named above and
// O(n log^2 n) at worst, with no recursion beyond a small fixed depth. Throws std::bad_alloc
// when scratch memory cannot be had (items may then be partly reordered; callers sort a copy).
void QuicksortSharedRanks(uint64_t* items, size_t count,
                          const RankSortTuning& tuning = RankSortTuning{});

}  // namespace vorlane
