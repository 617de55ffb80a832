// The display order of a grid's rows: one row offset per position, kept beside the cell table
// and grown, trimmed and taken back with it. A sort rewrites the order; the cells never move.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "store/grow_block.h"
#include "store/list_items.h"

namespace vorlane {

class RowOrder final : public ListItems {
  public:
    // What a position past the last one shows.
    static constexpr uint32_t kNoRow = 0xFFFFFFFFu;
    static constexpr uint32_t kEntrySize = 4;

    int32_t Count() const override { return static_cast<int32_t>(size()); }
    uint32_t size() const { return block_.used() / kEntrySize; }
    // The row offset shown at `position`; kNoRow past the last position.
    uint32_t At(uint32_t position) const {
        if (position >= size()) {
            return kNoRow;
        }
        uint32_t rowOffset = 0;
        std::memcpy(&rowOffset, block_.bytes() + size_t{position} * kEntrySize, kEntrySize);
        return rowOffset;
    }
    uint32_t GetData(int32_t position) const override {
        return position < 0 ? kNoRow : At(static_cast<uint32_t>(position));
    }
    // Shows `rowOffset` at an existing position; a position past the last one is ignored.
    void SetData(int32_t position, uint32_t rowOffset) override;

    bool Exists() const { return block_.Exists(); }
    uint32_t used() const { return block_.used(); }
    uint32_t capacity() const { return block_.capacity(); }
    size_t reserved() const { return block_.reserved(); }
    const uint8_t* bytes() const { return block_.bytes(); }

    // Obtains the memory for `count` more positions, so that appending them cannot fail.
    bool ReserveFor(uint64_t count) { return block_.ReserveRoom(count * kEntrySize, 0); }
    // Appends `count` positions at the end showing the rows `first`, `first + stride`, ...; the
    // memory was reserved with ReserveFor.
    void Append(uint32_t first, uint32_t count, uint32_t stride);
    void DropReserveIfAbsent() { block_.DropReserveIfAbsent(); }
    // Takes back the positions appended since used() and capacity() were `used` and `capacity`,
    // or frees the block when it did not exist then.
    void TruncateTo(bool existed, uint32_t used, uint32_t capacity) {
        block_.TruncateTo(existed, used, capacity);
    }
    void Trim() { block_.Trim(); }
    void Release() { block_.Release(); }

  private:
    GrowBlock block_;
};

}  // namespace vorlane
