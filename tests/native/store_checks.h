// Snapshots and invariant checks of the store's blocks, shared by the property and
// out-of-memory tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "store/grid_store.h"

namespace vorlane::testing {

// Everything observable about one block: whether it exists, its accounting and its bytes.
struct BlockImage {
    bool exists = false;
    uint32_t used = 0;
    uint32_t capacity = 0;
    std::vector<uint8_t> bytes;

    bool operator==(const BlockImage&) const = default;
};

inline BlockImage ImageOf(bool exists, uint32_t used, uint32_t capacity, const void* bytes) {
    BlockImage image{exists, used, capacity, {}};
    if (exists) {
        const uint8_t* begin = static_cast<const uint8_t*>(bytes);
        image.bytes.assign(begin, begin + capacity);
    }
    return image;
}

inline BlockImage ImageOf(const StringPool& pool) {
    return ImageOf(pool.Exists(), pool.used(), pool.capacity(), pool.bytes());
}

inline BlockImage ImageOf(const CellTable& table) {
    return ImageOf(table.Exists(), table.used(), table.capacity(), table.bytes());
}

inline BlockImage ImageOf(const RowOrder& order) {
    return ImageOf(order.Exists(), order.used(), order.capacity(), order.bytes());
}

// A whole grid store as the outside sees it.
struct StoreImage {
    BlockImage table;
    BlockImage pool;
    BlockImage labels;
    BlockImage order;
    uint32_t rowCount = 0;
    uint32_t filledRowCount = 0;
    uint32_t columnCount = 0;
    uint32_t totalWidth = 0;

    bool operator==(const StoreImage&) const = default;
};

inline StoreImage ImageOf(const GridStore& store) {
    return StoreImage{ImageOf(store.table()),
                      ImageOf(store.pool()),
                      ImageOf(store.columns().labels()),
                      ImageOf(store.order()),
                      store.RowCount(),
                      store.FilledRowCount(),
                      store.columns().Count(),
                      store.columns().TotalWidth()};
}

// The accounting every block keeps: capacity a whole number of steps (0 when absent), used
// within it, and nothing but zeros beyond used.
inline void ExpectBlockInvariants(bool exists, uint32_t used, uint32_t capacity,
                                  const void* bytes) {
    EXPECT_EQ(exists, capacity != 0);
    EXPECT_EQ(capacity % GrowBlock::kStep, 0u);
    EXPECT_LE(used, capacity);
    if (!exists || used == capacity) {
        return;
    }
    const uint8_t* begin = static_cast<const uint8_t*>(bytes);
    std::vector<uint8_t> zeros(capacity - used, 0);
    EXPECT_EQ(std::memcmp(begin + used, zeros.data(), zeros.size()), 0)
        << "bytes beyond used are not zero";
}

// Also, in either width: the first unit (offset 0, "no string") and the last used unit are
// NULs, and used() is a whole number of units.
inline void ExpectPoolInvariants(const StringPool& pool) {
    ExpectBlockInvariants(pool.Exists(), pool.used(), pool.capacity(), pool.bytes());
    if (pool.Exists()) {
        const uint32_t unit = pool.UnitBytes();
        EXPECT_GE(pool.used(), pool.FirstOffset());
        EXPECT_EQ(pool.used() % unit, 0u);
        for (uint32_t i = 0; i < unit; ++i) {
            EXPECT_EQ(pool.bytes()[i], '\0');
            EXPECT_EQ(pool.bytes()[pool.used() - unit + i], '\0')
                << "last string is not terminated";
        }
    }
}

inline void ExpectTableInvariants(const CellTable& table) {
    ExpectBlockInvariants(table.Exists(), table.used(), table.capacity(), table.bytes());
    EXPECT_EQ(table.used() % CellTable::kSlotSize, 0u);
}

}  // namespace vorlane::testing
