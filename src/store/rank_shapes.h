// Ranges of sort items whose outcome under the grid's quicksort is known in closed form: all keys
// equal, keys already in order or in reverse, and keys all different. Each resolver leaves the
// range exactly as the partition steps of that quicksort would (rank_quicksort.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "store/sort_scratch.h"

namespace vorlane {

// What one pass over a range tells about it.
struct RangeShape {
    uint32_t low;   // smallest rank code
    uint32_t high;  // largest rank code
    size_t shared;  // items whose key other rows share (odd codes)
    bool nonDecreasing;
    bool nonIncreasing;
};

// The shape of items[begin, end), a range of at least one item.
RangeShape MeasureRange(const uint64_t* items, size_t begin, size_t end);

// All keys equal: every step's upward scan runs to the end and the pivot is swapped there,
// leaving the rest for the next step; the net effect moves the first item to the end.
void RotateLeftByOne(uint64_t* items, size_t begin, size_t end);

// A range whose keys never decrease.
void ResolveNonDecreasing(uint64_t* items, size_t begin, size_t end);
// A range whose keys never increase.
void ResolveNonIncreasing(uint64_t* items, size_t begin, size_t end);

// Whether no two items of the range share a key; false too when more than `sharedCheckLimit`
// items have shared keys (the check would cost too much). `scratch` holds the shared codes.
bool KeysDistinct(const uint64_t* items, size_t begin, size_t end, const RangeShape& shape,
                  size_t sharedCheckLimit, ScratchVector<uint32_t>& scratch);
// A range whose keys are all different: each item goes straight to its place.
void PlaceDistinct(uint64_t* items, size_t begin, size_t end);

}  // namespace vorlane
