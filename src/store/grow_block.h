// A growable run of bytes addressed by 32-bit byte offsets: the base of the cell table and the
// string pools. Its logical size moves in steps of one page (the accounting every caller sees
// through used() and capacity()). A small block lives on the heap and its memory grows by half
// again, so growing step by step copies it only O(log n) times. From kLargeBlock on the block
// has a range of address space of its own and commits pages as it grows, a few ahead: it is no
// longer copied while the range lasts, leaves no holes behind on the heap, and Trim gives back
// what lies past the capacity in place once a fill is over.
#pragma once

#include <cstdint>
#include <cstddef>

namespace vorlane {

class GrowBlock {
  public:
    // First size and growth step of every block: one page.
    static constexpr uint32_t kStep = 0x1000;
    // The largest capacity a 32-bit offset can address that is a whole number of steps.
    static constexpr uint32_t kMaxCapacity = 0xFFFFF000u;

    GrowBlock() = default;
    ~GrowBlock();
    GrowBlock(const GrowBlock&) = delete;
    GrowBlock& operator=(const GrowBlock&) = delete;

    bool Exists() const { return capacity_ != 0; }
    // Bytes in use from the start of the block; 0 while it does not exist.
    uint32_t used() const { return used_; }
    // Bytes the block holds: 0 or a whole number of steps. Bytes from used() up to it read 0.
    uint32_t capacity() const { return capacity_; }
    // The block's bytes, or null while it does not exist. Any append may move them.
    const uint8_t* bytes() const { return Exists() ? memory_ : nullptr; }
    // Bytes of memory actually held: at least capacity(), at most about half as much again
    // (an eighth once large), and exactly capacity() after Trim.
    size_t reserved() const { return reserved_; }
    // Size from which the block has a range of address space of its own.
    static constexpr size_t kLargeBlock = size_t{1} << 20;
    // True while the block lives in its own range of address space.
    bool IsLarge() const { return range_ != 0; }
    uint8_t* bytes() { return Exists() ? memory_ : nullptr; }

    // Creates the block at one step, zeroed, with `initialUsed` bytes counted as in use.
    // True when the block exists afterwards; false (nothing changed) without memory.
    bool Create(uint32_t initialUsed);
    // Adds one zeroed step to an existing block. False, with nothing changed, when the block does
    // not exist, is at its largest or the memory cannot be had.
    bool Grow();
    // Creates the block if needed (with `initialUsed`), then grows it step by step until `extra`
    // more bytes fit after used(). The memory is obtained before anything changes, so a refusal
    // leaves the block exactly as it was.
    bool MakeRoom(uint64_t extra, uint32_t initialUsed) {
        return HasRoom(extra) || MakeRoomSlowly(extra, initialUsed);
    }
    // Obtains, without changing used() or capacity(), the memory that MakeRoom(extra,
    // initialUsed) will need, so that a later MakeRoom of at most `extra` bytes cannot fail.
    bool ReserveRoom(uint64_t extra, uint32_t initialUsed) {
        return HasRoom(extra) || ReserveRoomSlowly(extra, initialUsed);
    }
    // Counts `count` more bytes as used and returns the offset where they start. The caller has
    // made room with MakeRoom.
    uint32_t Claim(uint32_t count);
    // Frees the memory; the block no longer exists.
    void Release();
    // Takes back the bytes from `used` to used(), which read 0 again, and the steps grown past
    // `capacity`; or frees the block when `existed` is false. Both are at most what they are.
    void TruncateTo(bool existed, uint32_t used, uint32_t capacity);
    // Frees memory held by ReserveRoom for a block that was never created.
    void DropReserveIfAbsent();
    // Gives back the memory held past capacity(). A large block gives back its pages past the
    // capacity in place. A small one moves to a block of exactly that size (shrinking in place
    // would keep the memory on some heaps); after one such trim the next waits until the
    // capacity has grown by half: a fill that pauses often (a paint between batches) would
    // otherwise copy the block at every step, and so copies it O(log n) times. Nothing changes
    // when nothing is held past the capacity, the small block has not grown enough since or the
    // new block cannot be had. Any bytes() pointer is stale after a trim, and room obtained by
    // ReserveRoom beyond the capacity is gone.
    void Trim();

  private:
    // True when `extra` more bytes fit in the existing block as it is: the common case.
    bool HasRoom(uint64_t extra) const { return Exists() && used_ + extra <= capacity_; }
    bool MakeRoomSlowly(uint64_t extra, uint32_t initialUsed);
    bool ReserveRoomSlowly(uint64_t extra, uint32_t initialUsed);
    // Makes the memory underneath hold at least `bytes`, growing it by a half (small) or an
    // eighth (large) at least.
    bool ObtainMemory(uint64_t bytes);
    // The same for a block of kLargeBlock or more: commits pages of its range, or moves it to a
    // new range when it has none yet or its range is full.
    bool ObtainLargeMemory(uint64_t bytes);
    // Frees the memory underneath, from the heap or the range.
    void FreeMemory();
    // The capacity MakeRoom reaches for `extra` more bytes, or 0 when it would pass the limit.
    uint64_t CapacityFor(uint64_t extra, uint32_t initialUsed) const;

    uint8_t* memory_ = nullptr;  // the memory underneath; may be larger than the capacity
    size_t reserved_ = 0;        // bytes of memory_ obtained (committed, for a large block)
    size_t range_ = 0;           // bytes of address space reserved at memory_; 0: on the heap
    uint32_t used_ = 0;          // bytes in use
    uint32_t capacity_ = 0;      // logical size in steps of kStep; 0 while absent
    uint32_t trimmedAt_ = 0;     // capacity at the last trim that gave memory back; 0: none yet
};

}  // namespace vorlane
