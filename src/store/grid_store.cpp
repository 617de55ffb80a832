#include "store/grid_store.h"

#include <cstring>

namespace vorlane {

namespace {

const void* EntryText(intptr_t entry) {
    return reinterpret_cast<const void*>(entry);
}

}  // namespace

std::optional<uint32_t> GridStore::AddColumn(const ColumnDescriptor& column) {
    // Rows are runs of one slot per column: the count cannot change under them.
    if (table_.Exists()) {
        return std::nullopt;
    }
    return columns_.Add(column);
}

uint64_t GridStore::TextBytesOf(const intptr_t* values) const {
    uint64_t bytes = 0;
    if (values == nullptr) {
        return bytes;
    }
    for (uint32_t i = 0; i < columns_.Count(); ++i) {
        if (columns_.CellKind(i) == kCellText) {
            bytes += pool_.StoredSize(EntryText(values[i]));
        }
    }
    return bytes;
}

uint32_t GridStore::CommitRow(const intptr_t* values) {
    const uint32_t count = columns_.Count();
    uint32_t slots[kMaxColumns] = {};
    if (values != nullptr) {
        for (uint32_t i = 0; i < count; ++i) {
            slots[i] = columns_.CellKind(i) == kCellText
                           ? pool_.AppendString(EntryText(values[i])).value_or(0)
                           : static_cast<uint32_t>(static_cast<uintptr_t>(values[i]));
        }
    }
    const uint32_t rowOffset = table_.used();
    table_.AppendSlots(slots, count);
    ++rowCount_;
    if (values != nullptr && values[0] != 0) {
        ++filledRowCount_;
    }
    return rowOffset;
}

std::optional<uint32_t> GridStore::AppendRow(const intptr_t* values) {
    if (columns_.Count() == 0) {
        return std::nullopt;
    }
    // Measure the texts and obtain all memory first, so that the row is appended whole or not
    // at all.
    const uint64_t textBytes = TextBytesOf(values);
    if (!ReserveFor(textBytes, RowSize(), 1)) {
        return std::nullopt;
    }
    // With the memory in hand nothing below can fail.
    const uint32_t rowOffset = CommitRow(values);
    order_.Append(rowOffset, 1, 0);
    return rowOffset;
}

std::optional<uint32_t> GridStore::AppendRows(const intptr_t* values, uint32_t count) {
    const uint32_t columnCount = columns_.Count();
    if (columnCount == 0 || values == nullptr || count == 0) {
        return std::nullopt;
    }
    // Measure every row, obtain the memory for all of them, then store them: a batch that
    // cannot be had whole changes nothing.
    uint64_t textBytes = 0;
    for (uint32_t row = 0; row < count; ++row) {
        textBytes += TextBytesOf(values + static_cast<size_t>(row) * columnCount);
    }
    const uint64_t slotBytes = static_cast<uint64_t>(count) * RowSize();
    if (!ReserveFor(textBytes, slotBytes, count)) {
        return std::nullopt;
    }
    const uint32_t first = CommitRow(values);
    for (uint32_t row = 1; row < count; ++row) {
        CommitRow(values + static_cast<size_t>(row) * columnCount);
    }
    order_.Append(first, count, RowSize());
    return first;
}

bool GridStore::ReserveFor(uint64_t textBytes, uint64_t slotBytes, uint64_t positions) {
    if ((textBytes != 0 && !pool_.ReserveFor(textBytes)) || !table_.ReserveFor(slotBytes) ||
        !order_.ReserveFor(positions)) {
        pool_.DropReserveIfAbsent();
        table_.DropReserveIfAbsent();
        order_.DropReserveIfAbsent();
        return false;
    }
    return true;
}

GridStore::RowsMark GridStore::Mark() const {
    RowsMark mark;
    mark.tableUsed = table_.used();
    mark.tableCapacity = table_.capacity();
    mark.poolUsed = pool_.used();
    mark.poolCapacity = pool_.capacity();
    mark.orderUsed = order_.used();
    mark.orderCapacity = order_.capacity();
    mark.rowCount = rowCount_;
    mark.filledRowCount = filledRowCount_;
    mark.tableExisted = table_.Exists();
    mark.poolExisted = pool_.Exists();
    mark.orderExisted = order_.Exists();
    return mark;
}

void GridStore::DropRowsSince(const RowsMark& mark) {
    table_.TruncateTo(mark.tableExisted, mark.tableUsed, mark.tableCapacity);
    pool_.TruncateTo(mark.poolExisted, mark.poolUsed, mark.poolCapacity);
    order_.TruncateTo(mark.orderExisted, mark.orderUsed, mark.orderCapacity);
    rowCount_ = mark.rowCount;
    filledRowCount_ = mark.filledRowCount;
}

bool GridStore::IsRowOffset(uint32_t rowOffset) const {
    uint32_t rowSize = RowSize();
    return rowSize != 0 && rowOffset % rowSize == 0 &&
           static_cast<uint64_t>(rowOffset) + rowSize <= table_.used();
}

uint32_t GridStore::KindCell(uint32_t rowOffset) const {
    if (!IsRowOffset(rowOffset)) {
        return 0;
    }
    return table_.ReadSlot(rowOffset + RowSize() - CellTable::kSlotSize);
}

bool GridStore::ReadCell(uint32_t rowOffset, uint32_t column, void* destination,
                         uint32_t destinationUnits) const {
    if (destination == nullptr || column >= columns_.Count() || !IsRowOffset(rowOffset)) {
        return false;
    }
    uint32_t slot = table_.ReadSlot(rowOffset + column * CellTable::kSlotSize);
    if (columns_.CellKind(column) == kCellText) {
        if (destinationUnits == 0) {
            return false;
        }
        pool_.ReadString(slot, destination, destinationUnits);
        return true;
    }
    if (uint64_t{destinationUnits} * pool_.UnitBytes() < sizeof slot) {
        return false;
    }
    std::memcpy(destination, &slot, sizeof slot);
    return true;
}

std::optional<GridStore::StoredCell> GridStore::CellAt(uint32_t rowOffset, uint32_t column) const {
    if (column >= columns_.Count() || !IsRowOffset(rowOffset)) {
        return std::nullopt;
    }
    StoredCell cell;
    const uint32_t slot = table_.ReadSlot(rowOffset + column * CellTable::kSlotSize);
    if (columns_.CellKind(column) != kCellText) {
        cell.value = slot;
        return cell;
    }
    cell.isText = true;
    cell.text = textWidth() == TextWidth::Utf16 ? static_cast<const void*>(pool_.WideStringAt(slot))
                                                : static_cast<const void*>(pool_.StringAt(slot));
    return cell;
}

bool GridStore::WriteCell(uint32_t rowOffset, uint32_t column, const void* source) {
    if (column >= columns_.Count() || !IsRowOffset(rowOffset)) {
        return false;
    }
    uint32_t slotOffset = rowOffset + column * CellTable::kSlotSize;
    uint32_t slot = table_.ReadSlot(slotOffset);
    if (columns_.CellKind(column) == kCellText) {
        if (!pool_.ReplaceString(slot, source)) {
            return false;
        }
    } else {
        if (source == nullptr) {
            return false;
        }
        std::memcpy(&slot, source, sizeof slot);
    }
    return table_.WriteSlot(slotOffset, slot);
}

bool GridStore::SetFoldTable(const uint16_t* fold) {
    if (fold != nullptr) {
        for (uint32_t unit = 0; unit <= 0xFFFF; ++unit) {
            if ((fold[unit] == 0) != (unit == 0)) {
                return false;
            }
        }
    }
    fold_ = fold;
    return true;
}

SortSource GridStore::KeySource(uint32_t keyColumn) const {
    SortSource source;
    source.table = table_.bytes();
    source.tableSize = table_.used();
    source.pool = pool_.bytes();
    source.poolSize = pool_.used();
    source.keyColumn = keyColumn;
    source.textKeys = columns_.CellKind(keyColumn) == kCellText;
    source.textWidth = pool_.width();
    source.fold = fold_;
    return source;
}

bool GridStore::ClearRows() {
    if (!table_.Exists()) {
        return false;
    }
    table_.Release();
    pool_.Release();
    order_.Release();
    rowCount_ = 0;
    filledRowCount_ = 0;
    return true;
}

}  // namespace vorlane
