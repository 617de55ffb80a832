#include "store/column_set.h"

namespace vorlane {

namespace {

// The limit the column's editor works with: the editor's default replaces 0 or a value above
// it; a column without an editor keeps the client's value.
uint32_t EditLimitFor(int32_t editorKind, uint32_t requested) {
    uint32_t ceiling = 0;
    if (editorKind == kEditorText || editorKind == kEditorChoice) {
        ceiling = kTextEditLimit;
    } else if (editorKind == kEditorNumber) {
        ceiling = kNumberEditLimit;
    } else {
        return requested;
    }
    return requested == 0 || requested > ceiling ? ceiling : requested;
}

}  // namespace

std::optional<uint32_t> ColumnSet::Add(const ColumnDescriptor& column) {
    if (count_ >= kMaxColumns) {
        return std::nullopt;
    }
    // Room for both labels first, so the column is added whole or not at all.
    const uint64_t maskBytes = column.mask != nullptr ? labels_.StoredSize(column.mask) : 0;
    const uint64_t titleBytes = column.title != nullptr ? labels_.StoredSize(column.title) : 0;
    if (!labels_.ReserveFor(maskBytes + titleBytes)) {
        labels_.DropReserveIfAbsent();
        return std::nullopt;
    }
    ColumnRecord record;
    static_cast<ColumnFields&>(record) = column;
    record.editLimit = EditLimitFor(column.editorKind, column.editLimit);
    if (column.mask != nullptr) {
        std::optional<uint32_t> mask = labels_.AppendString(column.mask);
        if (!mask) {
            return std::nullopt;
        }
        record.maskOffset = *mask;
    }
    record.x = static_cast<int32_t>(totalWidth_);
    record.room = column.width;
    totalWidth_ += static_cast<uint32_t>(column.width);
    uint32_t index = count_;
    records_[index] = record;
    order_[index] = index;  // new columns show last
    ++count_;
    if (column.title != nullptr) {
        SetTitle(index, column.title);
    }
    return index;
}

const ColumnRecord* ColumnSet::Get(uint32_t index) const {
    return index < count_ ? &records_[index] : nullptr;
}

bool ColumnSet::SetWidth(uint32_t index, int32_t width) {
    if (index >= count_) {
        return false;
    }
    records_[index].width = width;
    LayOut();
    return true;
}

bool ColumnSet::SetTitle(uint32_t index, const void* title) {
    if (index >= count_) {
        return false;
    }
    if (title == nullptr) {
        records_[index].titleOffset = 0;
        return true;
    }
    std::optional<uint32_t> offset = labels_.AppendString(title);
    if (!offset) {
        return false;
    }
    records_[index].titleOffset = *offset;
    return true;
}

bool ColumnSet::GetTitle(uint32_t index, void* buffer, uint32_t bufferUnits) const {
    if (count_ == 0 || index >= count_ - 1 || records_[index].titleOffset == 0) {
        return false;
    }
    if (buffer == nullptr || bufferUnits == 0) {
        return false;
    }
    labels_.ReadString(records_[index].titleOffset, buffer, bufferUnits);
    return true;
}

const char* ColumnSet::MaskText(uint32_t index) const {
    if (index >= count_ || records_[index].maskOffset == 0) {
        return nullptr;
    }
    return labels_.width() == TextWidth::Bytes ? labels_.StringAt(records_[index].maskOffset)
                                               : nullptr;
}

const char16_t* ColumnSet::WideMaskText(uint32_t index) const {
    if (index >= count_ || records_[index].maskOffset == 0) {
        return nullptr;
    }
    return labels_.width() == TextWidth::Utf16 ? labels_.WideStringAt(records_[index].maskOffset)
                                               : nullptr;
}

bool ColumnSet::SetFlags(uint32_t index, uint32_t flags) {
    if (index >= count_) {
        return false;
    }
    records_[index].flags = flags;
    return true;
}

}  // namespace vorlane
