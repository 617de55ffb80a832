// The one place the store obtains memory. Every block of cell slots and strings is resized and
// freed through these functions, so a test can make a chosen allocation fail and check that the
// store refuses the operation and stays as it was.
// Small blocks live on the heap. A large block takes a range of address space of its own and
// commits pages of it as it grows: it never moves while the range lasts, and what it holds past
// its last page can be given back in place.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vorlane {

// Resizes `block` (null: a new block) to `bytes`, keeping its contents up to the smaller size.
// Returns null when the memory cannot be had; `block` is then untouched and still owned by the
// caller. The new bytes are not initialised.
void* ResizeStoreMemory(void* block, size_t bytes);

// Frees a block from ResizeStoreMemory; null is ignored.
void FreeStoreMemory(void* block);

// The size of a page: ranges are committed and given back in whole pages.
constexpr size_t kStorePage = 0x1000;

// Reserves `bytes` (whole pages) of address space, none of it usable yet; null when the address
// space cannot be had. Reserving takes no memory, so it is not an allocation the test hook counts.
void* ReserveStoreRange(size_t bytes);
// Makes `bytes` (whole pages) of a reserved range usable from `at` (a page boundary); they read
// 0. False when the memory cannot be had: nothing changes.
bool CommitStoreRange(void* at, size_t bytes);
// Gives back the memory of committed pages; the addresses stay reserved.
void DecommitStoreRange(void* at, size_t bytes);
// Frees a whole range from ReserveStoreRange, of `bytes` as reserved; null is ignored.
void ReleaseStoreRange(void* range, size_t bytes);

// Test hook for out-of-memory paths. Process-wide; the store runs on one thread.
class StoreMemoryFaults {
  public:
    // Makes the nth ResizeStoreMemory or CommitStoreRange call from now fail (1: the next one);
    // 0 disarms.
    static void FailNthAllocation(uint32_t nth);
    // Calls of ResizeStoreMemory and CommitStoreRange since the process started (failed ones
    // included).
    static uint32_t AllocationCount();
};

}  // namespace vorlane
