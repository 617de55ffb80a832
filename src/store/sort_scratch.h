// Scratch memory of the row sort. Every temporary array of a sort comes from ScratchVector, so
// a test can make any one of those requests fail and check that the sort then changes nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace vorlane {

class SortScratchFaults {
  public:
    // The nth scratch request from now on (1 = the next one) throws std::bad_alloc; 0 disarms.
    static void FailNthRequest(uint32_t nth);
    // Scratch requests made since the program started; tests use it to find every failure point.
    static uint32_t RequestCount();
    // Counts one request; false when the armed fault fires on it.
    static bool Admit();
};

template <class T>
struct ScratchAllocator {
    using value_type = T;

    ScratchAllocator() = default;
    template <class U>
    ScratchAllocator(const ScratchAllocator<U>&) noexcept {}

    T* allocate(size_t count) {
        if (!SortScratchFaults::Admit()) {
            throw std::bad_alloc();
        }
        return std::allocator<T>{}.allocate(count);
    }
    void deallocate(T* block, size_t count) noexcept {
        std::allocator<T>{}.deallocate(block, count);
    }

    template <class U>
    bool operator==(const ScratchAllocator<U>&) const noexcept {
        return true;
    }
};

template <class T>
using ScratchVector = std::vector<T, ScratchAllocator<T>>;

}  // namespace vorlane
