#include "store/rank_quicksort.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "store/rank_tree.h"
#include "store/sort_scratch.h"

namespace vorlane {

namespace {

// A range of items still to be put in order, [begin, end), and how many more lopsided
// partitions it may take with plain scans before the tree takes over.
struct PendingRange {
    size_t begin;
    size_t end;
    int budget;
};

// What one pass over a range tells about it.
struct RangeShape {
    uint32_t low;   // smallest rank code
    uint32_t high;  // largest rank code
    size_t shared;  // items whose key other rows share (odd codes)
    bool nonDecreasing;
    bool nonIncreasing;
};

int DefaultBudget(size_t count) {
    return 2 * (static_cast<int>(std::bit_width(count)) - 1);  // twice log2(count), rounded down
}

class RankQuicksort {
  public:
    RankQuicksort(uint64_t* items, const RankSortTuning& tuning) : items_(items), tuning_(tuning) {}

    void Run(size_t count) {
        if (count < 2) {
            return;
        }
        const int budget =
            tuning_.lopsidedBudget >= 0 ? tuning_.lopsidedBudget : DefaultBudget(count);
        work_.push_back({0, count, budget});
        while (!work_.empty()) {
            const PendingRange range = work_.back();
            work_.pop_back();
            ResolveRange(range);
        }
    }

  private:
    uint32_t CodeAt(size_t at) const { return RankCode(items_[at]); }

    // One partition step by plain scans over [begin, end) (at least two items); returns where
    // the pivot ends. The scans stop where the two cursors meet, which is exactly when the
    // count of items left between them runs out.
    size_t PartitionPlain(size_t begin, size_t end) {
        uint64_t* a = items_;
        const uint32_t pivot = RankCode(a[begin]);
        size_t i = begin;
        size_t j = end;
        for (;;) {
            do {
                ++i;
            } while (i < j && RankCode(a[i]) <= pivot);
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
        }
        const size_t pivotAt = i - 1;
        std::swap(a[begin], a[pivotAt]);
        return pivotAt;
    }

    // The plain procedure, for short ranges: its worst case is bounded by the range's size.
    // Recursion goes into the smaller side only, so its depth stays below log2(smallRange).
    void SortSmall(size_t begin, size_t end) {
        while (end - begin >= 2) {
            const size_t pivotAt = PartitionPlain(begin, end);
            if (pivotAt - begin < end - pivotAt - 1) {
                SortSmall(begin, pivotAt);
                begin = pivotAt + 1;
            } else {
                SortSmall(pivotAt + 1, end);
                end = pivotAt;
            }
        }
    }

    // All keys equal: every step's upward scan runs to the end and the pivot is swapped there,
    // leaving the rest for the next step; the net effect moves the first item to the end.
    void RotateLeftByOne(size_t begin, size_t end) {
        std::rotate(items_ + begin, items_ + begin + 1, items_ + end);
    }

    RangeShape Measure(size_t begin, size_t end) const {
        uint32_t previous = CodeAt(begin);
        RangeShape shape{previous, previous, previous & 1u, true, true};
        for (size_t k = begin + 1; k < end; ++k) {
            const uint32_t code = CodeAt(k);
            shape.low = std::min(shape.low, code);
            shape.high = std::max(shape.high, code);
            shape.shared += code & 1u;
            shape.nonDecreasing = shape.nonDecreasing && code >= previous;
            shape.nonIncreasing = shape.nonIncreasing && code <= previous;
            previous = code;
        }
        return shape;
    }

    // Non-decreasing: each pivot is the smallest key; its upward scan stops at the first larger
    // key, and the run of keys equal to it ends up rotated left by one.
    void ResolveNonDecreasing(size_t begin, size_t end) {
        size_t runBegin = begin;
        while (runBegin < end) {
            size_t runEnd = runBegin + 1;
            while (runEnd < end && CodeAt(runEnd) == CodeAt(runBegin)) {
                ++runEnd;
            }
            if (runEnd - runBegin >= 2) {
                RotateLeftByOne(runBegin, runEnd);
            }
            runBegin = runEnd;
        }
    }

    // Non-increasing: the pivot is the largest key and goes to the end, which brings the
    // smallest key to the front; that one is a pivot with nothing below it and stays. What is
    // left is again non-increasing, until the remaining keys are all equal.
    void ResolveNonIncreasing(size_t begin, size_t end) {
        uint64_t* a = items_;
        size_t first = begin;
        size_t last = end - 1;
        while (first < last) {
            if (CodeAt(first) == CodeAt(last)) {
                RotateLeftByOne(first, last + 1);
                return;
            }
            std::swap(a[first], a[last]);
            --last;
            if (first == last) {
                return;
            }
            if (CodeAt(first + 1) == CodeAt(first)) {
                RotateLeftByOne(first, last + 1);
                return;
            }
            ++first;
        }
    }

    // Whether no two items of the range share a key. Items with unique keys (even codes) cannot
    // collide; the few with shared keys are checked exactly.
    bool IsDistinct(size_t begin, size_t end, const RangeShape& shape) {
        if (shape.shared == 0) {
            return true;
        }
        if (shape.shared > tuning_.sharedCheckLimit) {
            return false;
        }
        sharedCodes_.clear();
        for (size_t k = begin; k < end; ++k) {
            const uint32_t code = CodeAt(k);
            if (code & 1u) {
                sharedCodes_.push_back(code);
            }
        }
        std::sort(sharedCodes_.begin(), sharedCodes_.end());
        return std::adjacent_find(sharedCodes_.begin(), sharedCodes_.end()) == sharedCodes_.end();
    }

    // Distinct keys have exactly one sorted order. A range holds every item whose key lies
    // strictly between its smallest and largest, so its dense ranks are consecutive and each
    // item's place follows from its rank alone.
    void PlaceDistinct(size_t begin, size_t end, const RangeShape& shape) {
        const uint32_t lowRank = shape.low >> 1;
        if ((shape.high >> 1) - lowRank + size_t{1} != end - begin) {
            std::sort(items_ + begin, items_ + end);  // not reached for ranges of this sort
            return;
        }
        for (size_t k = begin; k < end; ++k) {
            for (;;) {
                const size_t target = begin + ((CodeAt(k) >> 1) - lowRank);
                if (target == k) {
                    break;
                }
                std::swap(items_[k], items_[target]);
            }
        }
    }

    // Few distinct keys: with the count of every key at hand, a pivot that is the range's
    // smallest or largest key is resolved at the cost of the items it settles; any other pivot
    // splits the keys, so plain partitions happen at most once per key along any path.
    void ResolveFewValues(size_t begin, size_t end, uint32_t low, uint32_t high) {
        counts_.assign(size_t{high - low} + 1, 0);
        for (size_t k = begin; k < end; ++k) {
            ++counts_[CodeAt(k) - low];
        }
        uint32_t lowest = low;
        uint32_t highest = high;
        while (end - begin >= 2) {
            if (end - begin <= tuning_.smallRange) {
                SortSmall(begin, end);
                return;
            }
            if (lowest == highest) {
                RotateLeftByOne(begin, end);
                return;
            }
            const uint32_t pivot = CodeAt(begin);
            if (pivot == lowest) {
                // Upward scan passes the equal keys and stops at the first larger one; the
                // downward scan passes everything down to it.
                size_t larger = begin + 1;
                while (CodeAt(larger) == pivot) {
                    ++larger;
                }
                RotateLeftByOne(begin, larger);
                counts_[pivot - low] -= static_cast<uint32_t>(larger - begin);
                begin = larger;
                while (counts_[lowest - low] == 0) {
                    ++lowest;
                }
            } else if (pivot == highest) {
                // Upward scan passes everything: the pivot is swapped with the last item.
                std::swap(items_[begin], items_[end - 1]);
                --counts_[pivot - low];
                --end;
                while (counts_[highest - low] == 0) {
                    --highest;
                }
            } else {
                const size_t pivotAt = PartitionPlain(begin, end);
                work_.push_back({begin, pivotAt, 0});
                work_.push_back({pivotAt + 1, end, 0});
                return;
            }
        }
    }

    // Ranges finished by their shape alone; false leaves the range to partitioning.
    bool ResolveByShape(size_t begin, size_t end, const RangeShape& shape) {
        if (shape.low == shape.high) {
            RotateLeftByOne(begin, end);
            return true;
        }
        if (tuning_.useRunShapes && shape.nonDecreasing) {
            ResolveNonDecreasing(begin, end);
            return true;
        }
        if (tuning_.useRunShapes && shape.nonIncreasing) {
            ResolveNonIncreasing(begin, end);
            return true;
        }
        if (tuning_.useDistinctRanges && IsDistinct(begin, end, shape)) {
            PlaceDistinct(begin, end, shape);
            return true;
        }
        if (shape.high - shape.low <= tuning_.fewSpread) {
            ResolveFewValues(begin, end, shape.low, shape.high);
            return true;
        }
        return false;
    }

    void ResolveRange(PendingRange range) {
        size_t begin = range.begin;
        size_t end = range.end;
        int budget = range.budget;
        for (;;) {
            const size_t count = end - begin;
            if (count < 2) {
                return;
            }
            if (count <= tuning_.smallRange) {
                SortSmall(begin, end);
                return;
            }
            if (ResolveByShape(begin, end, Measure(begin, end))) {
                return;
            }
            if (budget <= 0) {
                ResolveWithTree(begin, end);
                return;
            }
            const size_t pivotAt = PartitionPlain(begin, end);
            const size_t below = pivotAt - begin;
            const size_t above = end - pivotAt - 1;
            if (std::min(below, above) < count / 16) {
                --budget;
            }
            // The larger side waits; the smaller goes on at once, which bounds the pending list.
            if (below < above) {
                work_.push_back({pivotAt + 1, end, budget});
                end = pivotAt;
            } else {
                work_.push_back({begin, pivotAt, budget});
                begin = pivotAt + 1;
            }
        }
    }

    // One partition step with the scans answered by the tree: each scan is one search, so a step
    // costs O(log n) per swap instead of the range's length.
    size_t PartitionWithTree(size_t begin, size_t end) {
        uint64_t* a = items_;
        const uint32_t pivot = RankCode(a[begin]);
        size_t i = begin;
        size_t j = end;
        for (;;) {
            i = tree_.NextAbove(i + 1, j - 1, pivot);
            if (i >= j) {
                break;
            }
            j = tree_.PreviousBelow(i + 1, j - 1, pivot);
            if (j <= i) {
                break;
            }
            std::swap(a[i], a[j]);
            tree_.Set(i, RankCode(a[i]));
            tree_.Set(j, RankCode(a[j]));
        }
        const size_t pivotAt = i - 1;
        std::swap(a[begin], a[pivotAt]);
        tree_.Set(begin, RankCode(a[begin]));
        tree_.Set(pivotAt, RankCode(a[pivotAt]));
        return pivotAt;
    }

    // For ranges where plain scans kept giving lopsided splits: the same steps with tree
    // searches, so that a split costs in proportion to its smaller side.
    void ResolveWithTree(size_t begin, size_t end) {
        tree_.Build(items_, begin, end - 1);
        treeWork_.clear();
        treeWork_.push_back({begin, end, 0});
        while (!treeWork_.empty()) {
            PendingRange range = treeWork_.back();
            treeWork_.pop_back();
            for (;;) {
                const size_t count = range.end - range.begin;
                if (count < 2) {
                    break;
                }
                if (count <= tuning_.smallRange) {
                    SortSmall(range.begin, range.end);
                    break;
                }
                uint32_t low;
                uint32_t high;
                tree_.MinMax(range.begin, range.end - 1, low, high);
                if (low == high) {
                    RotateLeftByOne(range.begin, range.end);
                    break;
                }
                if (high - low <= tuning_.fewSpread) {
                    // Leaves the tree behind; anything it splits off goes to the plain list.
                    ResolveFewValues(range.begin, range.end, low, high);
                    break;
                }
                const size_t pivotAt = PartitionWithTree(range.begin, range.end);
                if (pivotAt - range.begin < range.end - pivotAt - 1) {
                    treeWork_.push_back({pivotAt + 1, range.end, 0});
                    range.end = pivotAt;
                } else {
                    treeWork_.push_back({range.begin, pivotAt, 0});
                    range.begin = pivotAt + 1;
                }
            }
        }
    }

    uint64_t* items_;
    RankSortTuning tuning_;
    ScratchVector<PendingRange> work_;      // ranges still to sort, outside the tree
    ScratchVector<PendingRange> treeWork_;  // ranges still to sort inside the tree's range
    ScratchVector<uint32_t> counts_;        // items per rank code, for the few-values path
    ScratchVector<uint32_t> sharedCodes_;   // shared-key codes of a range, for the distinct test
    RankTree tree_;
};

}  // namespace

void QuicksortRanks(uint64_t* items, size_t count, const RankSortTuning& tuning) {
    if (items == nullptr) {
        return;
    }
    RankQuicksort(items, tuning).Run(count);
}

}  // namespace vorlane
