#include "store/row_ranges.h"

#include <algorithm>
#include <new>

namespace vorlane {

namespace {

// The first range whose last row is at or after `row`.
std::vector<RowRange>::const_iterator FirstEndingAtOrAfter(const std::vector<RowRange>& ranges,
                                                           uint32_t row) {
    return std::lower_bound(ranges.begin(), ranges.end(), row,
                            [](const RowRange& range, uint32_t r) { return range.last < r; });
}

}  // namespace

bool RowRanges::Contains(uint32_t row) const {
    const auto it = FirstEndingAtOrAfter(ranges_, row);
    return it != ranges_.end() && it->first <= row;
}

bool RowRanges::Set(uint32_t first, uint32_t last, bool on) {
    if (last < first) {
        return true;
    }
    // Ranges touching first..last (for an addition also those adjacent to it) are replaced by
    // what remains of them and, when adding, by one merged range.
    const uint64_t low = on && first > 0 ? first - 1 : first;
    const uint64_t high = on ? uint64_t{last} + 1 : last;
    auto begin = FirstEndingAtOrAfter(ranges_, static_cast<uint32_t>(low));
    auto end = begin;
    while (end != ranges_.end() && end->first <= high) {
        ++end;
    }
    RowRange replacement[2];
    size_t replacements = 0;
    if (on) {
        RowRange merged = {first, last};
        if (begin != end) {
            merged.first = std::min(first, begin->first);
            merged.last = std::max(last, (end - 1)->last);
        }
        replacement[replacements++] = merged;
    } else if (begin != end) {
        if (begin->first < first) {
            replacement[replacements++] = {begin->first, first - 1};
        }
        if ((end - 1)->last > last) {
            replacement[replacements++] = {last + 1, (end - 1)->last};
        }
    }
    try {
        const auto at = ranges_.erase(begin, end);
        ranges_.insert(at, replacement, replacement + replacements);
    } catch (const std::bad_alloc&) {
        return false;  // erase never allocates; an insert that cannot grow inserts nothing
    }
    Recount();
    return true;
}

void RowRanges::Clear() {
    ranges_.clear();
    count_ = 0;
}

bool RowRanges::AssignAscending(const uint32_t* positions, size_t count) {
    Clear();
    try {
        for (size_t i = 0; i < count; ++i) {
            if (!ranges_.empty() && positions[i] <= uint64_t{ranges_.back().last} + 1) {
                ranges_.back().last = std::max(ranges_.back().last, positions[i]);
            } else {
                ranges_.push_back({positions[i], positions[i]});
            }
        }
    } catch (const std::bad_alloc&) {
        Clear();
        return false;
    }
    Recount();
    return true;
}

bool RowRanges::Invert(uint32_t rowCount) {
    Truncate(rowCount);
    std::vector<RowRange> gaps;
    try {
        gaps.reserve(ranges_.size() + 1);
    } catch (const std::bad_alloc&) {
        return false;
    }
    uint64_t next = 0;  // first row not yet looked at
    for (const RowRange& range : ranges_) {
        if (range.first > next) {
            gaps.push_back({static_cast<uint32_t>(next), range.first - 1});
        }
        next = uint64_t{range.last} + 1;
    }
    if (next < rowCount) {
        gaps.push_back({static_cast<uint32_t>(next), rowCount - 1});
    }
    ranges_.swap(gaps);
    Recount();
    return true;
}

void RowRanges::Truncate(uint32_t rowCount) {
    if (rowCount == 0) {
        Clear();
        return;
    }
    Set(rowCount, UINT32_MAX, false);  // removing keeps or shrinks the ranges: it never fails
}

uint32_t RowRanges::Write(uint32_t* out, uint32_t room) const {
    if (out == nullptr) {
        return 0;
    }
    uint32_t written = 0;
    for (const RowRange& range : ranges_) {
        for (uint64_t row = range.first; row <= range.last && written < room; ++row) {
            out[written++] = static_cast<uint32_t>(row);
        }
        if (written == room) {
            break;
        }
    }
    return written;
}

void RowRanges::Recount() {
    count_ = 0;
    for (const RowRange& range : ranges_) {
        count_ += uint64_t{range.last} - range.first + 1;
    }
}

}  // namespace vorlane
