#include "store/sort_groups.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "store/column_set.h"
#include "store/row_sort.h"
#include "store/sort_scratch.h"

namespace vorlane {

namespace {

// The selection across a sort. Each written position takes the state of the position its row
// came from; a position the sort leaves alone keeps its own state.
class SelectionAcrossSort {
  public:
    // Takes the memory it needs, all of it before the sort writes anything.
    SelectionAcrossSort(std::vector<uint32_t>* selected, size_t rows) : selected_(selected) {
        if (selected_ == nullptr || selected_->empty()) {
            selected_ = nullptr;
            return;
        }
        wasSelected_.assign(rows, 0);
        for (uint32_t position : *selected_) {
            if (position < rows) {
                wasSelected_[position] = 1;
            }
        }
        selected_->reserve(rows);  // every position at most once: no growing while writing
        selected_->clear();
    }

    // Positions are given in ascending order, each once: the ones the sort leaves alone, and the
    // ones it writes with the position their row showed at before.
    void Keep(size_t position) { Write(position, position); }
    void Write(size_t position, size_t from) {
        if (selected_ != nullptr && wasSelected_[from] != 0) {
            selected_->push_back(static_cast<uint32_t>(position));
        }
    }

  private:
    std::vector<uint32_t>* selected_;     // null: nothing selected, nothing to follow
    ScratchVector<uint8_t> wasSelected_;  // by position before the sort
};

// Group 1, 2 or 3 from the low byte of the row's column-5 value, else 4. Without a numeric
// column 5 no row has such a value, and every row is in group 4.
int GroupOf(const GroupSortRequest& request, uint32_t rowOffset) {
    if (request.columnCount <= kGroupColumn || request.groupColumnKind == 0) {
        return 4;
    }
    const uint32_t value = LoadSortSlot(request.keys.table, request.keys.tableSize,
                                        uint64_t{rowOffset} + uint64_t{4} * kGroupColumn);
    const uint32_t low = value & 0xFFu;
    return low >= 1 && low <= 3 ? static_cast<int>(low) : 4;
}

}  // namespace

uint32_t ApplySortDirection(uint32_t flags, uint32_t mode) {
    switch (mode) {
        case 0:
        case 3: return flags & ~kDescendingFlag;
        case 1:
        case 4: return flags | kDescendingFlag;
        default: return flags ^ kDescendingFlag;
    }
}

GroupSortResult SortAndGroup(ListItems& list, const GroupSortRequest& request, uint32_t& flags,
                             std::vector<uint32_t>* selected) {
    const int32_t count = list.Count();
    if (count < 2 || request.keys.keyColumn >= request.columnCount) {
        return {};
    }
    const size_t rows = static_cast<size_t>(count);
    const uint32_t newFlags = ApplySortDirection(flags, request.mode);
    try {
        ScratchVector<uint32_t> shown(rows);    // the rows in the order the list shows them
        ScratchVector<uint8_t> groupAt(rows);   // the group of the row at each position
        ScratchVector<uint32_t> sorted(rows);   // positions in sorted order, then spare room
        ScratchVector<uint32_t> grouped(rows);  // positions before the sort, in grouped order
        size_t groupSize[5] = {};               // rows of groups 1..4 at 1..4
        for (size_t i = 0; i < rows; ++i) {
            shown[i] = list.GetData(static_cast<int32_t>(i));
            groupAt[i] = static_cast<uint8_t>(GroupOf(request, shown[i]));
            ++groupSize[groupAt[i]];
        }
        if (!SortRowPositions(shown.data(), rows, request.keys, (newFlags & kDescendingFlag) != 0,
                              sorted.data())) {
            return {};
        }

        // Stable split into the four groups, each keeping the sorted order.
        size_t next[5] = {0, 0, groupSize[1], groupSize[1] + groupSize[2],
                          groupSize[1] + groupSize[2] + groupSize[3]};
        const size_t tailBegin = next[3];
        for (uint32_t position : sorted) {
            grouped[next[groupAt[position]]++] = position;
        }

        // The first positions keep their rows unless every group is rewritten. The positions
        // after them take, in grouped order, exactly the rows they held: when groups 1 and 2
        // already stand at the top these are groups 3 and 4, and whatever the list holds, no
        // row is shown twice and none is lost.
        const size_t firstWritten = request.mode <= 1 ? 0 : tailBegin;
        // The rows of the written positions, in row offset order (`sorted` has served).
        const auto tailRows = sorted.begin();
        auto tailEnd = tailRows;
        if (firstWritten != 0) {
            tailEnd = std::copy(shown.begin() + firstWritten, shown.end(), tailRows);
            std::sort(tailRows, tailEnd);
        }
        SelectionAcrossSort selection(selected, rows);
        flags = newFlags;
        for (size_t position = 0; position < firstWritten; ++position) {
            selection.Keep(position);
        }
        size_t position = firstWritten;
        for (uint32_t from : grouped) {
            const uint32_t rowOffset = shown[from];
            if (firstWritten != 0 && !std::binary_search(tailRows, tailEnd, rowOffset)) {
                continue;
            }
            // An item that already shows its row is left as it is. (A list showing a row twice
            // can carry `position` past the last item; the list refuses those writes.)
            if (position < rows) {
                if (shown[position] != rowOffset) {
                    list.SetData(static_cast<int32_t>(position), rowOffset);
                }
                selection.Write(position, from);
            } else {
                list.SetData(static_cast<int32_t>(position), rowOffset);
            }
            ++position;
        }
        for (; position < rows; ++position) {
            selection.Keep(position);  // a row shown twice can leave the last positions alone
        }
        return {true, (newFlags & kSortFlagsMask) != 0 ? 1u : 0u};
    } catch (const std::bad_alloc&) {
        return {};
    } catch (const std::length_error&) {
        return {};
    }
}

}  // namespace vorlane
