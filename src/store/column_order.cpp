// The display order and the hidden columns of a column set, and the walk over the columns a
// user sees. Column numbers never change; only where a column stands and whether it takes room.
#include <array>

#include "store/column_set.h"

namespace vorlane {

void ShownColumns::Iterator::Skip() {
    while (position_ < set_->Count() && !set_->IsShown(set_->ColumnAt(position_))) {
        ++position_;
    }
}

void ColumnSet::LayOut() {
    // Unsigned arithmetic: widths are stored unchecked and the sum wraps rather than overflows.
    uint32_t position = 0;
    for (uint32_t p = 0; p < count_; ++p) {
        ColumnRecord& record = records_[order_[p]];
        record.room = record.hidden ? 0 : record.width;
        record.x = static_cast<int32_t>(position);
        position += static_cast<uint32_t>(record.room);
    }
    totalWidth_ = position;
}

bool ColumnSet::SetOrder(const uint32_t* order, uint32_t count) {
    if (order == nullptr || count_ == 0 || count != count_ - 1) {
        return false;
    }
    std::array<bool, kMaxColumns> seen{};
    for (uint32_t p = 0; p < count; ++p) {
        if (order[p] >= count || seen[order[p]]) {
            return false;
        }
        seen[order[p]] = true;
    }
    for (uint32_t p = 0; p < count; ++p) {
        order_[p] = order[p];
    }
    order_[count] = count;
    LayOut();
    return true;
}

uint32_t ColumnSet::GetOrder(uint32_t* order, uint32_t room) const {
    const uint32_t count = count_ == 0 ? 0 : count_ - 1;
    for (uint32_t p = 0; order != nullptr && p < count && p < room; ++p) {
        order[p] = order_[p];
    }
    return count;
}

uint32_t ColumnSet::PositionOf(uint32_t index) const {
    for (uint32_t p = 0; p < count_; ++p) {
        if (order_[p] == index) {
            return p;
        }
    }
    return index;
}

bool ColumnSet::SetHidden(uint32_t index, bool hidden) {
    if (index >= count_ || index + 1 == count_) {  // no such column, or the kind column
        return false;
    }
    records_[index].hidden = hidden;
    LayOut();
    return true;
}

bool ColumnSet::IsShown(uint32_t index) const {
    return index < count_ && index + 1 != count_ && !records_[index].hidden;
}

bool ColumnSet::ShowsText(uint32_t index) const {
    if (!IsShown(index) || records_[index].room <= 0) {
        return false;
    }
    return records_[index].cellKind == kCellText || records_[index].cellKind == kCellNumber ||
           records_[index].cellKind == kCellCheck;
}

std::optional<uint32_t> ColumnSet::ShownNeighbour(uint32_t index, bool forward) const {
    if (!IsShown(index)) {
        return std::nullopt;
    }
    uint32_t position = PositionOf(index);
    while (forward ? position + 1 < count_ : position > 0) {
        position = forward ? position + 1 : position - 1;
        if (IsShown(order_[position])) {
            return order_[position];
        }
    }
    return std::nullopt;
}

}  // namespace vorlane
