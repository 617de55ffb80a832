// One partition step of the grid's quicksort (rank_quicksort.h) over sort items: the first item
// of [begin, end) is the pivot; an upward scan passes items at or below it, a downward scan
// passes items at or above it, the two stopped items are swapped until the scans meet, and the
// pivot is swapped to the item before the meeting point, which is returned.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>

#include "store/rank_quicksort.h"

namespace vorlane {

// The steps as described, at least two items. With kCount, `sharedBelow` receives how many
// items with a shared key (odd code) end before the pivot.
template <bool kCount>
size_t PartitionByScans(uint64_t* a, size_t begin, size_t end, size_t& sharedBelow) {
    const uint32_t pivot = RankCode(a[begin]);
    size_t i = begin;
    size_t j = end;
    size_t shared = 0;
    for (;;) {
        // The items the upward scan passes stay below the pivot, and so does each item swapped
        // down to where it stopped.
        for (++i; i < j && RankCode(a[i]) <= pivot; ++i) {
            shared += kCount ? RankCode(a[i]) & 1u : 0;
        }
        if (i >= j) {
            break;
        }
        do {
            --j;
        } while (j > i && RankCode(a[j]) >= pivot);
        if (j <= i) {
            break;
        }
        std::swap(a[i], a[j]);
        shared += kCount ? RankCode(a[i]) & 1u : 0;
    }
    const size_t pivotAt = i - 1;
    std::swap(a[begin], a[pivotAt]);
    sharedBelow = shared;
    return pivotAt;
}

}  // namespace vorlane
