// The one place the store obtains memory. Every block of cell slots and strings is resized and
// freed through these functions, so a test can make a chosen allocation fail and check that the
// store refuses the operation and stays as it was.
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

// Test hook for out-of-memory paths. Process-wide; the store runs on one thread.
class StoreMemoryFaults {
  public:
    // Makes the nth ResizeStoreMemory call from now fail (1: the next one); 0 disarms.
    static void FailNthAllocation(uint32_t nth);
    // Calls of ResizeStoreMemory since the process started (failed ones included).
    static uint32_t AllocationCount();
};

}  // namespace vorlane
