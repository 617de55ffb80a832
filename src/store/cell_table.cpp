#include "store/cell_table.h"

#include <cstring>

namespace vorlane {

bool CellTable::AppendSlot(uint32_t value) {
    if (!block_.MakeRoom(kSlotSize, 0)) {
        return false;
    }
    uint32_t offset = block_.Claim(kSlotSize);
    std::memcpy(block_.bytes() + offset, &value, kSlotSize);
    return true;
}

bool CellTable::AppendSlots(const uint32_t* values, uint32_t count) {
    uint64_t bytes = static_cast<uint64_t>(count) * kSlotSize;
    if (values == nullptr || !block_.MakeRoom(bytes, 0)) {
        return false;
    }
    uint32_t offset = block_.Claim(static_cast<uint32_t>(bytes));
    std::memcpy(block_.bytes() + offset, values, static_cast<size_t>(bytes));
    return true;
}

bool CellTable::HoldsSlot(uint32_t offset) const {
    return offset % kSlotSize == 0 && static_cast<uint64_t>(offset) + kSlotSize <= block_.used();
}

uint32_t CellTable::ReadSlot(uint32_t offset) const {
    uint32_t value = 0;
    if (HoldsSlot(offset)) {
        std::memcpy(&value, block_.bytes() + offset, kSlotSize);
    }
    return value;
}

bool CellTable::WriteSlot(uint32_t offset, uint32_t value) {
    if (!HoldsSlot(offset)) {
        return false;
    }
    std::memcpy(block_.bytes() + offset, &value, kSlotSize);
    return true;
}

}  // namespace vorlane
