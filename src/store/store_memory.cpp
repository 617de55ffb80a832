#include "store/store_memory.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#endif

namespace vorlane {

namespace {

// The allocation counter and the armed failure, shared by every store of the process.
struct StoreMemoryState {
    uint32_t allocations = 0;  // ResizeStoreMemory and CommitStoreRange calls so far
    uint32_t failAt = 0;       // the call number that fails; 0 when none is armed
};

StoreMemoryState& MemoryState() {
    static StoreMemoryState state;
    return state;
}

// Counts one allocation; false when it is the one armed to fail.
bool AllocationAllowed() {
    StoreMemoryState& state = MemoryState();
    ++state.allocations;
    if (state.failAt != 0 && state.allocations == state.failAt) {
        state.failAt = 0;
        return false;
    }
    return true;
}

}  // namespace

void* ResizeStoreMemory(void* block, size_t bytes) {
    if (!AllocationAllowed() || bytes == 0) {
        return nullptr;
    }
    return std::realloc(block, bytes);
}

void FreeStoreMemory(void* block) {
    std::free(block);
}

#ifdef _WIN32

void* ReserveStoreRange(size_t bytes) {
    return VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS);
}

bool CommitStoreRange(void* at, size_t bytes) {
    return AllocationAllowed() && VirtualAlloc(at, bytes, MEM_COMMIT, PAGE_READWRITE) != nullptr;
}

void DecommitStoreRange(void* at, size_t bytes) {
    VirtualFree(at, bytes, MEM_DECOMMIT);
}

void ReleaseStoreRange(void* range, size_t) {
    if (range != nullptr) {
        VirtualFree(range, 0, MEM_RELEASE);
    }
}

#else

void* ReserveStoreRange(size_t bytes) {
    void* range =
        mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return range == MAP_FAILED ? nullptr : range;
}

bool CommitStoreRange(void* at, size_t bytes) {
    return AllocationAllowed() && mprotect(at, bytes, PROT_READ | PROT_WRITE) == 0;
}

void DecommitStoreRange(void* at, size_t bytes) {
    // Fresh anonymous pages in place of the old ones: their memory goes back, and they read 0.
    mmap(at, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_FIXED, -1, 0);
}

void ReleaseStoreRange(void* range, size_t bytes) {
    if (range != nullptr) {
        munmap(range, bytes);
    }
}

#endif

void StoreMemoryFaults::FailNthAllocation(uint32_t nth) {
    StoreMemoryState& state = MemoryState();
    state.failAt = nth == 0 ? 0 : state.allocations + nth;
}

uint32_t StoreMemoryFaults::AllocationCount() {
    return MemoryState().allocations;
}

}  // namespace vorlane
