#include "store/store_memory.h"

#include <cstdlib>

namespace vorlane {

namespace {

// The allocation counter and the armed failure, shared by every store of the process.
struct StoreMemoryState {
    uint32_t allocations = 0;  // ResizeStoreMemory calls so far
    uint32_t failAt = 0;       // the call number that fails; 0 when none is armed
};

StoreMemoryState& MemoryState() {
    static StoreMemoryState state;
    return state;
}

}  // namespace

void* ResizeStoreMemory(void* block, size_t bytes) {
    StoreMemoryState& state = MemoryState();
    ++state.allocations;
    if (state.failAt != 0 && state.allocations == state.failAt) {
        state.failAt = 0;
        return nullptr;
    }
    if (bytes == 0) {
        return nullptr;
    }
    return std::realloc(block, bytes);
}

void FreeStoreMemory(void* block) {
    std::free(block);
}

void StoreMemoryFaults::FailNthAllocation(uint32_t nth) {
    StoreMemoryState& state = MemoryState();
    state.failAt = nth == 0 ? 0 : state.allocations + nth;
}

uint32_t StoreMemoryFaults::AllocationCount() {
    return MemoryState().allocations;
}

}  // namespace vorlane
