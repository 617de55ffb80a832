// The grid's quicksort exactly as defined, step by step, kept only to check the fast sort
// against it. Quadratic on sorted and equal keys; tests keep its inputs small. Wide text keys
// compare as CompareStringOrdinal(a, -1, b, -1, TRUE) does, with the source's folding table.
#pragma once

#include <cstdint>
#include <cstring>
#include <utility>

#include "store/sort_keys.h"

namespace vorlane::sorttest {

class ReferenceSort {
  public:
    ReferenceSort(const SortSource& source, bool descending)
        : source_(source), descending_(descending) {}

    void Sort(uint32_t* a, int lo, int hi) const {
        if (hi <= lo) {
            return;
        }
        const uint32_t pivot = a[lo];
        int i = lo;
        int j = hi + 1;
        int remaining = hi - lo;
        for (;;) {
            bool met = false;
            for (;;) {  // upward scan
                ++i;
                if (--remaining < 0) {
                    met = true;
                    break;
                }
                if (Compare(pivot, a[i]) < 0) {
                    break;
                }
            }
            if (met) {
                break;
            }
            for (;;) {  // downward scan
                --j;
                if (--remaining < 0) {
                    met = true;
                    break;
                }
                if (Compare(pivot, a[j]) > 0) {
                    break;
                }
            }
            if (met) {
                break;
            }
            std::swap(a[i], a[j]);
        }
        const int p = i - 1;
        metWhereExpected_ = metWhereExpected_ && i == j;
        std::swap(a[lo], a[p]);
        Sort(a, p + 1, hi);
        Sort(a, lo, p - 1);
    }

    // False once any partition ended with the cursors apart (the definition says they meet).
    bool MetWhereExpected() const { return metWhereExpected_; }

  private:
    uint32_t Slot(uint32_t rowOffset) const {
        uint32_t value;
        std::memcpy(&value, source_.table + rowOffset + 4 * source_.keyColumn, 4);
        return value;
    }

    // Unit `index` of the wide text at `offset`, as CompareStringOrdinal with case ignored sees
    // it: upper-cased through the table (without one, only a-z).
    uint32_t FoldedUnit(uint32_t offset, uint32_t index) const {
        uint16_t unit;
        std::memcpy(&unit, source_.pool + offset + 2 * index, 2);
        if (source_.fold != nullptr) {
            return source_.fold[unit];
        }
        return unit >= 0x61 && unit <= 0x7A ? unit - 0x20 : unit;
    }

    int Compare(uint32_t pivot, uint32_t x) const {
        int result;
        if (source_.textKeys && source_.textWidth == TextWidth::Utf16) {
            for (uint32_t k = 0;; ++k) {
                const uint32_t cp = FoldedUnit(Slot(pivot), k);
                const uint32_t cq = FoldedUnit(Slot(x), k);
                if (cp != cq) {
                    result = cp < cq ? -1 : 1;
                    break;
                }
                if (cp == 0) {
                    result = 0;
                    break;
                }
            }
        } else if (source_.textKeys) {
            const unsigned char* p =
                reinterpret_cast<const unsigned char*>(source_.pool) + Slot(pivot);
            const unsigned char* q = reinterpret_cast<const unsigned char*>(source_.pool) + Slot(x);
            for (;; ++p, ++q) {
                const int cp = (*p >= 0x61 && *p <= 0x7A) ? *p - 0x20 : *p;
                const int cq = (*q >= 0x61 && *q <= 0x7A) ? *q - 0x20 : *q;
                if (cp != cq) {
                    result = cp - cq;
                    break;
                }
                if (cp == 0) {
                    result = 0;
                    break;
                }
            }
        } else {
            const int32_t a = static_cast<int32_t>(Slot(pivot));
            const int32_t b = static_cast<int32_t>(Slot(x));
            result = a > b ? 1 : (a < b ? -1 : 0);
        }
        return descending_ ? -result : result;
    }

    SortSource source_;
    bool descending_;
    mutable bool metWhereExpected_ = true;
};

}  // namespace vorlane::sorttest
