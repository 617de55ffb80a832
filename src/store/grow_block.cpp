#include "store/grow_block.h"

#include <algorithm>
#include <cstring>

#include "store/store_memory.h"

namespace vorlane {

namespace {

uint64_t RoundUpToStep(uint64_t bytes) {
    return (bytes + GrowBlock::kStep - 1) / GrowBlock::kStep * GrowBlock::kStep;
}

uint64_t RoundUpToPage(uint64_t bytes) {
    return (bytes + kStorePage - 1) / kStorePage * kStorePage;
}

static_assert(GrowBlock::kStep % kStorePage == 0, "a capacity is a whole number of pages");
static_assert(GrowBlock::kMaxCapacity % kStorePage == 0, "the largest block is whole pages");

}  // namespace

GrowBlock::~GrowBlock() {
    FreeMemory();
}

void GrowBlock::FreeMemory() {
    if (IsLarge()) {
        ReleaseStoreRange(memory_, range_);
    } else {
        FreeStoreMemory(memory_);
    }
}

bool GrowBlock::ObtainMemory(uint64_t bytes) {
    if (bytes <= reserved_) {
        return true;
    }
    if (bytes > kMaxCapacity) {
        return false;
    }
    // Half as much again as now, so a block grown step by step is copied only O(log n) times
    // and carries at most half of its size unused.
    const uint64_t held = reserved_;
    uint64_t wanted = std::max(RoundUpToStep(held + held / 2), bytes);
    if (IsLarge() || wanted >= kLargeBlock) {
        return ObtainLargeMemory(bytes);
    }
    void* moved = ResizeStoreMemory(memory_, static_cast<size_t>(wanted));
    if (moved == nullptr) {
        return false;
    }
    memory_ = static_cast<uint8_t*>(moved);
    reserved_ = static_cast<size_t>(wanted);
    return true;
}

bool GrowBlock::ObtainLargeMemory(uint64_t bytes) {
    // Pages ahead of the need, an eighth of what is held and at least kLargeBlock, so that a
    // fill commits a few times per doubling; Trim gives back what the fill did not use.
    const uint64_t ahead = reserved_ + std::max<uint64_t>(reserved_ / 8, kLargeBlock);
    uint64_t wanted = std::min<uint64_t>(RoundUpToPage(std::max(bytes, ahead)), kMaxCapacity);
    if (IsLarge() && bytes <= range_) {
        wanted = std::min<uint64_t>(wanted, range_);
        if (!CommitStoreRange(memory_ + reserved_, static_cast<size_t>(wanted - reserved_))) {
            return false;
        }
        reserved_ = static_cast<size_t>(wanted);
        return true;
    }
    // A range of its own: all that a 32-bit offset reaches where address space is plentiful,
    // else twice what is wanted now (the block moves again once it is full), else just that.
    const uint64_t spans[] = {sizeof(void*) >= 8 ? uint64_t{kMaxCapacity} : 0,
                              std::min<uint64_t>(2 * wanted, kMaxCapacity), wanted};
    void* range = nullptr;
    uint64_t span = 0;
    for (uint64_t candidate : spans) {
        if (candidate >= wanted && (range = ReserveStoreRange(static_cast<size_t>(candidate)))) {
            span = candidate;
            break;
        }
    }
    if (range == nullptr) {
        return false;
    }
    if (!CommitStoreRange(range, static_cast<size_t>(wanted))) {
        ReleaseStoreRange(range, static_cast<size_t>(span));
        return false;
    }
    if (memory_ != nullptr) {
        std::memcpy(range, memory_, capacity_);  // the bytes past the capacity mean nothing yet
    }
    FreeMemory();
    memory_ = static_cast<uint8_t*>(range);
    range_ = static_cast<size_t>(span);
    reserved_ = static_cast<size_t>(wanted);
    return true;
}

bool GrowBlock::Create(uint32_t initialUsed) {
    if (Exists()) {
        return true;
    }
    if (initialUsed > kStep || !ObtainMemory(kStep)) {
        return false;
    }
    std::memset(memory_, 0, kStep);
    capacity_ = kStep;
    used_ = initialUsed;
    return true;
}

bool GrowBlock::Grow() {
    if (!Exists() || capacity_ > kMaxCapacity - kStep) {
        return false;
    }
    if (!ObtainMemory(static_cast<uint64_t>(capacity_) + kStep)) {
        return false;
    }
    std::memset(memory_ + capacity_, 0, kStep);
    capacity_ += kStep;
    return true;
}

uint64_t GrowBlock::CapacityFor(uint64_t extra, uint32_t initialUsed) const {
    uint64_t start = Exists() ? used_ : initialUsed;
    uint64_t current = Exists() ? capacity_ : kStep;
    uint64_t needed = RoundUpToStep(start + extra);
    if (needed > kMaxCapacity) {
        return 0;
    }
    return needed > current ? needed : current;
}

bool GrowBlock::ReserveRoomSlowly(uint64_t extra, uint32_t initialUsed) {
    uint64_t target = CapacityFor(extra, initialUsed);
    return target != 0 && ObtainMemory(target);
}

bool GrowBlock::MakeRoomSlowly(uint64_t extra, uint32_t initialUsed) {
    bool existed = Exists();
    if (!ReserveRoomSlowly(extra, initialUsed)) {
        if (!existed) {
            DropReserveIfAbsent();
        }
        return false;
    }
    // With the memory in hand neither step below can fail.
    if (!Create(initialUsed)) {
        return false;
    }
    while (used_ + extra > capacity_) {
        if (!Grow()) {
            return false;
        }
    }
    return true;
}

uint32_t GrowBlock::Claim(uint32_t count) {
    uint32_t offset = used_;
    used_ += count;
    return offset;
}

void GrowBlock::Release() {
    FreeMemory();
    memory_ = nullptr;
    reserved_ = 0;
    range_ = 0;
    used_ = 0;
    capacity_ = 0;
    trimmedAt_ = 0;
}

void GrowBlock::TruncateTo(bool existed, uint32_t used, uint32_t capacity) {
    if (!existed) {
        Release();
        return;
    }
    if (Exists() && used <= used_ && capacity <= capacity_) {
        std::memset(memory_ + used, 0, used_ - used);
        used_ = used;
        capacity_ = capacity;  // the memory underneath stays, for later appends
    }
}

void GrowBlock::Trim() {
    if (Exists() && IsLarge() && reserved_ > capacity_) {
        // In place: the pages past the capacity go back, the rest stays where it is.
        DecommitStoreRange(memory_ + capacity_, reserved_ - capacity_);
        reserved_ = capacity_;
        return;
    }
    if (!Exists() || IsLarge() || reserved_ <= capacity_ ||
        (trimmedAt_ != 0 && uint64_t{capacity_} < uint64_t{trimmedAt_} + trimmedAt_ / 2)) {
        return;
    }
    void* exact = ResizeStoreMemory(nullptr, capacity_);
    if (exact == nullptr) {
        return;  // the block keeps its memory, as large as it was
    }
    std::memcpy(exact, memory_, capacity_);
    FreeStoreMemory(memory_);
    memory_ = static_cast<uint8_t*>(exact);
    reserved_ = capacity_;
    trimmedAt_ = capacity_;
}

void GrowBlock::DropReserveIfAbsent() {
    if (!Exists()) {
        Release();
    }
}

}  // namespace vorlane
