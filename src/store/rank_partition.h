// One partition step of the grid's quicksort (rank_quicksort.h) over sort items: the first item
// of [begin, end) is the pivot; an upward scan passes items at or below it, a downward scan
// passes items at or above it, the two stopped items are swapped until the scans meet, and the
// pivot is swapped to the item before the meeting point, which is returned.
#pragma once

#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <utility>

#include "store/rank_quicksort.h"

namespace vorlane {

// Hoare's scans from positions i and j on, as described; returns where the pivot ends. The first
// upward scan may begin at `upFrom` and the first downward scan below `downFrom` where the items
// skipped are known to be passed (at or below the pivot, at or above it).
inline size_t FinishScans(uint64_t* a, size_t begin, size_t i, size_t j, size_t upFrom,
                          size_t downFrom) {
    const uint32_t pivot = RankCode(a[begin]);
    i = upFrom - 1;
    for (bool first = true;; first = false) {
        // The items the upward scan passes stay below the pivot, and so does each item swapped
        // down to where it stopped.
        for (++i; i < j && RankCode(a[i]) <= pivot; ++i) {
        }
        if (i >= j) {
            break;
        }
        if (first) {
            j = std::max(std::min(j, downFrom), i + 1);
        }
        do {
            --j;
        } while (j > i && RankCode(a[j]) >= pivot);
        if (j <= i) {
            break;
        }
        std::swap(a[i], a[j]);
    }
    const size_t pivotAt = i - 1;
    std::swap(a[begin], a[pivotAt]);
    return pivotAt;
}

// The same steps, with the same swaps in the same order, taken a block at a time: the k-th item
// the upward scan stops at is always swapped with the k-th the downward scan stops at, as long as
// the first lies before the second. Each block's stopping items are found without a branch on
// the keys, which random keys would mispredict half the time; the swaps then pair them up, and
// the scans finish item by item over what the blocks left (less than three blocks).
inline size_t PartitionByBlocks(uint64_t* a, size_t begin, size_t end) {
    constexpr size_t kBlock = 128;  // offsets within a block fit a byte
    const uint32_t pivot = RankCode(a[begin]);
    uint8_t aboveAt[kBlock];  // offsets from leftBase of items above the pivot, ascending
    uint8_t belowAt[kBlock];  // offsets back from rightBase - 1 of items below it, ascending
    size_t left = begin + 1;  // the left blocks have looked at [begin + 1, left)
    size_t right = end;       // the right blocks at [right, end)
    size_t leftBase = left;
    size_t rightBase = right;
    size_t aboveFirst = 0;
    size_t aboveCount = 0;
    size_t belowFirst = 0;
    size_t belowCount = 0;
    size_t i = begin;  // where the scans last stopped and swapped
    size_t j = end;
    while (right - left >= 2 * kBlock) {
        if (aboveCount == 0) {
            aboveFirst = 0;
            leftBase = left;
            for (size_t k = 0; k < kBlock; ++k) {
                aboveAt[aboveCount] = static_cast<uint8_t>(k);
                aboveCount += RankCode(a[left + k]) > pivot ? 1 : 0;
            }
            left += kBlock;
        }
        if (belowCount == 0) {
            belowFirst = 0;
            rightBase = right;
            for (size_t k = 0; k < kBlock; ++k) {
                belowAt[belowCount] = static_cast<uint8_t>(k);
                belowCount += RankCode(a[right - 1 - k]) < pivot ? 1 : 0;
            }
            right -= kBlock;
        }
        const size_t pairs = std::min(aboveCount, belowCount);
        for (size_t k = 0; k < pairs; ++k) {
            std::swap(a[leftBase + aboveAt[aboveFirst + k]],
                      a[rightBase - 1 - belowAt[belowFirst + k]]);
        }
        if (pairs != 0) {
            i = leftBase + aboveAt[aboveFirst + pairs - 1];
            j = rightBase - 1 - belowAt[belowFirst + pairs - 1];
        }
        aboveFirst += pairs;
        aboveCount -= pairs;
        belowFirst += pairs;
        belowCount -= pairs;
    }
    // Past the last swap, up to the next stop a block found or else to the first item no block
    // looked at, every item is passed by the upward scan; likewise downward.
    const size_t upFrom = aboveCount != 0 ? leftBase + aboveAt[aboveFirst] : left;
    const size_t downFrom = belowCount != 0 ? rightBase - belowAt[belowFirst] : right;
    return FinishScans(a, begin, i, j, upFrom, downFrom);
}

// The steps as described, at least two items. With kCount, `sharedBelow` receives how many
// items with a shared key (odd code) end before the pivot.
template <bool kCount>
size_t PartitionByScans(uint64_t* a, size_t begin, size_t end, size_t& sharedBelow) {
    const size_t pivotAt = PartitionByBlocks(a, begin, end);
    if (kCount) {
        size_t shared = 0;
        for (size_t k = begin; k < pivotAt; ++k) {
            shared += RankCode(a[k]) & 1u;
        }
        sharedBelow = shared;
    }
    return pivotAt;
}

}  // namespace vorlane
