#include "store/row_order.h"

#include <cstring>

namespace vorlane {

void RowOrder::SetData(int32_t position, uint32_t rowOffset) {
    if (position < 0 || static_cast<uint32_t>(position) >= size()) {
        return;
    }
    std::memcpy(block_.bytes() + size_t{static_cast<uint32_t>(position)} * kEntrySize, &rowOffset,
                kEntrySize);
}

void RowOrder::Append(uint32_t first, uint32_t count, uint32_t stride) {
    const uint64_t bytes = uint64_t{count} * kEntrySize;
    if (count == 0 || !block_.MakeRoom(bytes, 0)) {
        return;
    }
    uint8_t* at = block_.bytes() + block_.Claim(static_cast<uint32_t>(bytes));
    uint32_t rowOffset = first;
    for (uint32_t i = 0; i < count; ++i, rowOffset += stride, at += kEntrySize) {
        std::memcpy(at, &rowOffset, kEntrySize);
    }
}

}  // namespace vorlane
