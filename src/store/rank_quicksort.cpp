#include "store/rank_quicksort.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "store/rank_partition.h"
#include "store/rank_shapes.h"
#include "store/rank_tree.h"
#include "store/sort_scratch.h"

namespace vorlane {

namespace {

// A range of items still to be put in order, [begin, end), and how many more lopsided
// partitions it may take with plain scans before the tree takes over. What a partition learnt
// about the range comes with it, so that a balanced split needs no pass of its own to measure
// its sides: bounds of its codes (not necessarily reached), its exact count of shared-key items,
// and whether a pivot with a shared key split some key's items between ranges (until one did,
// a range holds every item of each of its keys).
struct PendingRange {
    size_t begin;
    size_t end;
    int budget;
    RangeShape shape{};
    bool measured = false;  // false: shape to be measured first
    bool splitTies = true;
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
        work_.push_back({0, count, budget, RangeShape{}, false, false});  // every key's items
        while (!work_.empty()) {
            const PendingRange range = work_.back();
            work_.pop_back();
            ResolveRange(range);
        }
    }

  private:
    uint32_t CodeAt(size_t at) const { return RankCode(items_[at]); }

    // One partition step (rank_partition.h) over [begin, end), at least two items; returns
    // where the pivot ends. `sharedBelow`, when given, receives how many items with a shared key
    // (odd code) end before the pivot.
    size_t PartitionPlain(size_t begin, size_t end, size_t* sharedBelow = nullptr) {
        size_t counted = 0;
        if (sharedBelow == nullptr) {
            return PartitionByScans<false>(items_, begin, end, counted);
        }
        return PartitionByScans<true>(items_, begin, end, *sharedBelow);
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
        while (counts_[lowest - low] == 0) {  // the bounds a range came with may not be reached
            ++lowest;
        }
        while (counts_[highest - low] == 0) {
            --highest;
        }
        while (end - begin >= 2) {
            if (end - begin <= tuning_.smallRange) {
                SortSmall(begin, end);
                return;
            }
            if (lowest == highest) {
                RotateLeftByOne(items_, begin, end);
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
                RotateLeftByOne(items_, begin, larger);
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
                PushFewValueSides(begin, pivotAt, end, low, lowest, highest);
                return;
            }
        }
    }

    // The two sides of a few-values partition at `pivotAt`, with their shapes from the counts
    // of the range's codes: every code below the pivot's lies before it, every code above after.
    void PushFewValueSides(size_t begin, size_t pivotAt, size_t end, uint32_t low, uint32_t lowest,
                           uint32_t highest) {
        const uint32_t pivot = CodeAt(pivotAt);
        size_t below = 0;
        size_t sharedBelow = 0;
        size_t sharedAbove = 0;
        for (uint32_t code = lowest; code <= highest; ++code) {
            const size_t count = counts_[code - low];
            below += code < pivot ? count : 0;
            sharedBelow += code < pivot && (code & 1u) ? count : 0;
            sharedAbove += code > pivot && (code & 1u) ? count : 0;
        }
        const size_t equalBelow = (pivotAt - begin) - below;
        const size_t equalAbove = counts_[pivot - low] - 1 - equalBelow;
        const size_t pivotShared = pivot & 1u;
        work_.push_back(
            {begin, pivotAt, 0,
             RangeShape{lowest, pivot, sharedBelow + pivotShared * equalBelow, false, false}, true,
             true});
        work_.push_back(
            {pivotAt + 1, end, 0,
             RangeShape{pivot, highest, sharedAbove + pivotShared * equalAbove, false, false}, true,
             true});
    }

    // Ranges finished by their shape alone; false leaves the range to partitioning. The run
    // flags are set only for a measured shape; the bounds may lie outside the codes held.
    bool ResolveByShape(size_t begin, size_t end, const RangeShape& shape, bool splitTies) {
        if (shape.shared == 0) {
            return true;  // its items are placed by their ranks
        }
        if (shape.low == shape.high) {
            RotateLeftByOne(items_, begin, end);
            return true;
        }
        if (tuning_.useRunShapes && shape.nonDecreasing) {
            ResolveNonDecreasing(items_, begin, end);
            return true;
        }
        if (tuning_.useRunShapes && shape.nonIncreasing) {
            ResolveNonIncreasing(items_, begin, end);
            return true;
        }
        // Until a pivot splits a key's items, a shared-key item has its partner in its range.
        if (tuning_.useDistinctRanges && splitTies &&
            KeysDistinct(items_, begin, end, shape, tuning_.sharedCheckLimit, sharedCodes_)) {
            PlaceDistinct(items_, begin, end);
            return true;
        }
        if (shape.high - shape.low <= tuning_.fewSpread) {
            ResolveFewValues(begin, end, shape.low, shape.high);
            return true;
        }
        return false;
    }

    void ResolveRange(PendingRange range) {
        for (;;) {
            const size_t begin = range.begin;
            const size_t end = range.end;
            const size_t count = end - begin;
            if (count < 2) {
                return;
            }
            if (count <= tuning_.smallRange) {
                SortSmall(begin, end);
                return;
            }
            if (!range.measured) {
                range.shape = MeasureRange(items_, begin, end);
            }
            if (ResolveByShape(begin, end, range.shape, range.splitTies)) {
                return;
            }
            if (range.budget <= 0) {
                ResolveWithTree(begin, end);
                return;
            }
            const uint32_t pivot = CodeAt(begin);
            size_t sharedBelow = 0;
            const size_t pivotAt = PartitionPlain(begin, end, &sharedBelow);
            const size_t below = pivotAt - begin;
            const size_t above = end - pivotAt - 1;
            // A lopsided split hints at runs: its sides are measured again, which finds them.
            const bool lopsided = std::min(below, above) < count / 16;
            const int budget = range.budget - (lopsided ? 1 : 0);
            const bool splitTies = range.splitTies || (pivot & 1u) != 0;
            const size_t sharedAbove = range.shape.shared - sharedBelow - (pivot & 1u);
            const PendingRange low{
                begin,     pivotAt,
                budget,    RangeShape{range.shape.low, pivot, sharedBelow, false, false},
                !lopsided, splitTies};
            const PendingRange high{
                pivotAt + 1, end,
                budget,      RangeShape{pivot, range.shape.high, sharedAbove, false, false},
                !lopsided,   splitTies};
            // The larger side waits; the smaller goes on at once, which bounds the pending list.
            work_.push_back(below < above ? high : low);
            range = below < above ? low : high;
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
        treeWork_.push_back({begin, end, 0, RangeShape{}, false, true});
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
                    RotateLeftByOne(items_, range.begin, range.end);
                    break;
                }
                if (high - low <= tuning_.fewSpread) {
                    // Leaves the tree behind; anything it splits off goes to the plain list.
                    ResolveFewValues(range.begin, range.end, low, high);
                    break;
                }
                const size_t pivotAt = PartitionWithTree(range.begin, range.end);
                if (pivotAt - range.begin < range.end - pivotAt - 1) {
                    treeWork_.push_back({pivotAt + 1, range.end, 0, RangeShape{}, false, true});
                    range.end = pivotAt;
                } else {
                    treeWork_.push_back({range.begin, pivotAt, 0, RangeShape{}, false, true});
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

void QuicksortSharedRanks(uint64_t* items, size_t count, const RankSortTuning& tuning) {
    if (items == nullptr) {
        return;
    }
    RankQuicksort(items, tuning).Run(count);
}

}  // namespace vorlane
