#include "store/rank_shapes.h"

#include <algorithm>
#include <utility>

#include "store/rank_quicksort.h"

namespace vorlane {

namespace {

uint32_t CodeAt(const uint64_t* items, size_t at) {
    return RankCode(items[at]);
}

}  // namespace

RangeShape MeasureRange(const uint64_t* items, size_t begin, size_t end) {
    uint32_t previous = CodeAt(items, begin);
    RangeShape shape{previous, previous, previous & 1u, true, true};
    for (size_t k = begin + 1; k < end; ++k) {
        const uint32_t code = CodeAt(items, k);
        shape.low = std::min(shape.low, code);
        shape.high = std::max(shape.high, code);
        shape.shared += code & 1u;
        shape.nonDecreasing = shape.nonDecreasing && code >= previous;
        shape.nonIncreasing = shape.nonIncreasing && code <= previous;
        previous = code;
    }
    return shape;
}

void RotateLeftByOne(uint64_t* items, size_t begin, size_t end) {
    std::rotate(items + begin, items + begin + 1, items + end);
}

// Each pivot is the smallest key; its upward scan stops at the first larger key, and the run of
// keys equal to it ends up rotated left by one.
void ResolveNonDecreasing(uint64_t* items, size_t begin, size_t end) {
    size_t runBegin = begin;
    while (runBegin < end) {
        size_t runEnd = runBegin + 1;
        while (runEnd < end && CodeAt(items, runEnd) == CodeAt(items, runBegin)) {
            ++runEnd;
        }
        if (runEnd - runBegin >= 2) {
            RotateLeftByOne(items, runBegin, runEnd);
        }
        runBegin = runEnd;
    }
}

// The pivot is the largest key and goes to the end, which brings the smallest key to the front;
// that one is a pivot with nothing below it and stays. What is left is again non-increasing,
// until the remaining keys are all equal.
void ResolveNonIncreasing(uint64_t* items, size_t begin, size_t end) {
    size_t first = begin;
    size_t last = end - 1;
    while (first < last) {
        if (CodeAt(items, first) == CodeAt(items, last)) {
            RotateLeftByOne(items, first, last + 1);
            return;
        }
        std::swap(items[first], items[last]);
        --last;
        if (first == last) {
            return;
        }
        if (CodeAt(items, first + 1) == CodeAt(items, first)) {
            RotateLeftByOne(items, first, last + 1);
            return;
        }
        ++first;
    }
}

// Items with unique keys (even codes) cannot collide; the few with shared keys are checked
// exactly.
bool KeysDistinct(const uint64_t* items, size_t begin, size_t end, const RangeShape& shape,
                  size_t sharedCheckLimit, ScratchVector<uint32_t>& scratch) {
    if (shape.shared == 0) {
        return true;
    }
    if (shape.shared > sharedCheckLimit) {
        return false;
    }
    scratch.clear();
    for (size_t k = begin; k < end; ++k) {
        const uint32_t code = CodeAt(items, k);
        if (code & 1u) {
            scratch.push_back(code);
        }
    }
    std::sort(scratch.begin(), scratch.end());
    return std::adjacent_find(scratch.begin(), scratch.end()) == scratch.end();
}

// Distinct keys have exactly one sorted order. A range holds every item whose key lies strictly
// between its smallest and largest, so its dense ranks are consecutive and each item's place
// follows from its rank alone.
void PlaceDistinct(uint64_t* items, size_t begin, size_t end) {
    uint32_t low = CodeAt(items, begin);
    uint32_t high = low;
    for (size_t k = begin + 1; k < end; ++k) {
        low = std::min(low, CodeAt(items, k));
        high = std::max(high, CodeAt(items, k));
    }
    const uint32_t lowRank = low >> 1;
    if ((high >> 1) - lowRank + size_t{1} != end - begin) {
        std::sort(items + begin, items + end);  // not reached for ranges of this sort
        return;
    }
    for (size_t k = begin; k < end; ++k) {
        for (;;) {
            const size_t target = begin + ((CodeAt(items, k) >> 1) - lowRank);
            if (target == k) {
                break;
            }
            std::swap(items[k], items[target]);
        }
    }
}

}  // namespace vorlane
