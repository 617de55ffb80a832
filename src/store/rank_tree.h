// A segment tree over the rank codes of a run of sort items. It answers where the quicksort's
// scans stop without stepping over every item: the next position holding a larger rank code than
// the pivot's, and the previous one holding a smaller. Swaps are reported to it with Set.
#pragma once

#include <cstddef>
#include <cstdint>

#include "store/sort_scratch.h"

namespace vorlane {

class RankTree {
  public:
    // Covers items[first..last] (inclusive) with their current rank codes. May throw bad_alloc.
    void Build(const uint64_t* items, size_t first, size_t last);

    // The rank code at position `at` became `code`.
    void Set(size_t at, uint32_t code);

    // First position in [from, to] whose code is above `code`; to + 1 when there is none.
    size_t NextAbove(size_t from, size_t to, uint32_t code) const;
    // Last position in [from, to] whose code is below `code`; from - 1 when there is none.
    size_t PreviousBelow(size_t from, size_t to, uint32_t code) const;

    // Smallest and largest code in [from, to] (from <= to).
    void MinMax(size_t from, size_t to, uint32_t& low, uint32_t& high) const;

  private:
    size_t DescendToFirstAbove(size_t node, uint32_t code) const;
    size_t DescendToLastBelow(size_t node, uint32_t code) const;

    size_t base_ = 0;              // item position of leaf 0
    size_t leaves_ = 0;            // power of two >= covered items
    ScratchVector<uint32_t> max_;  // node -> largest code below it; leaves at leaves_ + i
    ScratchVector<uint32_t> min_;  // node -> smallest code below it
};

}  // namespace vorlane
