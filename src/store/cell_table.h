// The run of 32-bit cell slots. A row is a run of consecutive slots, one per column; a slot
// holds a string pool offset (text columns) or the cell's value itself (other columns).
#pragma once

#include <cstddef>
#include <cstdint>

#include "store/grow_block.h"

namespace vorlane {

class CellTable {
  public:
    static constexpr uint32_t kSlotSize = 4;

    bool Exists() const { return block_.Exists(); }
    uint32_t used() const { return block_.used(); }
    uint32_t capacity() const { return block_.capacity(); }
    // Bytes of memory held underneath, for measuring overhead.
    size_t reserved() const { return block_.reserved(); }
    // The slots' bytes, read directly by the sort; null while the table does not exist. Any
    // append may move them.
    const uint8_t* bytes() const { return block_.bytes(); }

    // Appends one slot, creating and growing the table as needed. False (nothing changed) when
    // memory cannot be had.
    bool AppendSlot(uint32_t value);
    // Appends `count` slots at once, all or none.
    bool AppendSlots(const uint32_t* values, uint32_t count);
    // True when a whole slot starts at `offset`: a multiple of 4 below used().
    bool HoldsSlot(uint32_t offset) const;
    // The slot's value; 0 when no slot starts at `offset`.
    uint32_t ReadSlot(uint32_t offset) const;
    // Writes an existing slot; false (nothing written) when no slot starts at `offset`.
    bool WriteSlot(uint32_t offset, uint32_t value);

    // Obtains the memory for `bytes` more bytes of slots without appending, so that appends
    // totalling at most that much cannot fail.
    bool ReserveFor(uint64_t bytes) { return block_.ReserveRoom(bytes, 0); }
    void DropReserveIfAbsent() { block_.DropReserveIfAbsent(); }
    // Takes back what was appended since used() and capacity() were `used` and `capacity`, or
    // frees the block when it did not exist then (`existed` false).
    void TruncateTo(bool existed, uint32_t used, uint32_t capacity) {
        block_.TruncateTo(existed, used, capacity);
    }
    // Gives back the memory held past capacity() (see GrowBlock::Trim); bytes() moves.
    void Trim() { block_.Trim(); }
    // Frees every slot; the table no longer exists.
    void Release() { block_.Release(); }

  private:
    GrowBlock block_;
};

}  // namespace vorlane
