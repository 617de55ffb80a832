// A set of rows kept as sorted, disjoint, non-adjacent ranges: the selection of a grid whose
// rows the application keeps. Selecting all of 100,000,000 rows is one range, so every
// operation costs what the number of ranges costs, never what the number of rows does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorlane {

struct RowRange {
    uint32_t first = 0;  // first row of the range
    uint32_t last = 0;   // last row, inclusive
};

class RowRanges {
  public:
    bool Contains(uint32_t row) const;
    // Rows in the set.
    uint64_t Count() const { return count_; }
    bool Empty() const { return ranges_.empty(); }
    const std::vector<RowRange>& ranges() const { return ranges_; }

    // Adds (on) or removes (off) rows first..last; a range with last < first changes nothing.
    // False, with nothing changed, when memory cannot be had.
    bool Set(uint32_t first, uint32_t last, bool on);
    void Clear();
    // Becomes the set of `positions`, which must ascend (repeats allowed). False, with the set
    // empty, when memory cannot be had.
    bool AssignAscending(const uint32_t* positions, size_t count);
    // Every row below `rowCount` that was not in the set is in it afterwards, and every row
    // that was is not; rows at or past `rowCount` leave the set.
    bool Invert(uint32_t rowCount);
    // Removes every row at or past `rowCount`.
    void Truncate(uint32_t rowCount);
    // Writes the first min(room, Count()) rows in ascending order to `out` (null: nothing);
    // returns how many were written.
    uint32_t Write(uint32_t* out, uint32_t room) const;

  private:
    void Recount();

    std::vector<RowRange> ranges_;  // ascending; a gap of at least one row between neighbours
    uint64_t count_ = 0;            // rows covered
};

}  // namespace vorlane
