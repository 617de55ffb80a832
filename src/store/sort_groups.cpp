#include "store/sort_groups.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "store/row_sort.h"
#include "store/sort_scratch.h"

namespace vorlane {

namespace {

// Finds the saved selection entries of a row offset in constant time: an open-addressing table
// from row offset to the first entry, chained through the entries that share the offset.
class SavedSelectionIndex {
  public:
    explicit SavedSelectionIndex(const SavedSelection& selection)
        : positions_(selection.positions) {
        std::fill(std::begin(heads_), std::end(heads_), kNone);
        if (selection.rowOffsets == nullptr || selection.positions == nullptr) {
            return;
        }
        const uint32_t count = std::min(selection.count, kMaxSavedSelection);
        // Inserted backwards so that each chain lists its entries in ascending order.
        for (uint32_t j = count; j-- > 0;) {
            const uint32_t slot = FindSlot(selection.rowOffsets[j]);
            keys_[slot] = selection.rowOffsets[j];
            next_[j] = heads_[slot];
            heads_[slot] = static_cast<int16_t>(j);
        }
    }

    // Every saved entry holding rowOffset now points at position.
    void MoveTo(uint32_t rowOffset, int32_t position) {
        for (int16_t j = heads_[FindSlot(rowOffset)]; j != kNone; j = next_[j]) {
            positions_[j] = position;
        }
    }

  private:
    static constexpr uint32_t kSlots = 2 * kMaxSavedSelection;  // at most half full
    static constexpr int16_t kNone = -1;

    // The slot holding rowOffset, or the empty slot where it would go.
    uint32_t FindSlot(uint32_t rowOffset) const {
        uint32_t slot = (rowOffset * 2654435761u) >> 22;  // top 10 bits: 0..1023
        while (heads_[slot] != kNone && keys_[slot] != rowOffset) {
            slot = (slot + 1) % kSlots;
        }
        return slot;
    }

    int32_t* positions_;
    uint32_t keys_[kSlots];
    int16_t heads_[kSlots];
    int16_t next_[kMaxSavedSelection];
};

static_assert(2 * kMaxSavedSelection == 1024, "the slot hash yields 10 bits");

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
                             const SavedSelection& selection) {
    const int32_t count = list.Count();
    if (count < 2 || request.keys.keyColumn >= request.columnCount) {
        return {};
    }
    const size_t rows = static_cast<size_t>(count);
    const uint32_t newFlags = ApplySortDirection(flags, request.mode);
    try {
        // Each item is read once: reading and writing items are the costly steps of a sort.
        ScratchVector<uint32_t> shown(rows);  // the rows in the order the list shows them
        ScratchVector<uint32_t> sorted(rows);
        ScratchVector<uint32_t> grouped(rows);
        for (size_t i = 0; i < rows; ++i) {
            shown[i] = list.GetData(static_cast<int32_t>(i));
        }
        std::copy(shown.begin(), shown.end(), sorted.begin());
        if (!SortRowOffsets(sorted.data(), rows, request.keys, (newFlags & kDescendingFlag) != 0)) {
            return {};
        }

        // Stable split into the four groups, each keeping the sorted order.
        size_t groupSize[5] = {};  // rows of groups 1..4 at 1..4
        for (uint32_t rowOffset : sorted) {
            ++groupSize[GroupOf(request, rowOffset)];
        }
        size_t next[5] = {0, 0, groupSize[1], groupSize[1] + groupSize[2],
                          groupSize[1] + groupSize[2] + groupSize[3]};
        const size_t tailBegin = next[3];
        for (uint32_t rowOffset : sorted) {
            grouped[next[GroupOf(request, rowOffset)]++] = rowOffset;
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
        flags = newFlags;
        SavedSelectionIndex savedRows(selection);
        size_t position = firstWritten;
        for (uint32_t rowOffset : grouped) {
            if (firstWritten != 0 && !std::binary_search(tailRows, tailEnd, rowOffset)) {
                continue;
            }
            // An item that already shows its row is left as it is. (Item data repeated by a
            // client can carry `position` past the last item; the list refuses those writes.)
            if (position >= rows || shown[position] != rowOffset) {
                list.SetData(static_cast<int32_t>(position), rowOffset);
            }
            savedRows.MoveTo(rowOffset, static_cast<int32_t>(position));
            ++position;
        }
        return {true, newFlags != 0 ? 1u : 0u};
    } catch (const std::bad_alloc&) {
        return {};
    } catch (const std::length_error&) {
        return {};
    }
}

}  // namespace vorlane
