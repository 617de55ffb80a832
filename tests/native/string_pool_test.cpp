// Growable blocks, the string pool and the cell table: offsets, growth and reuse accounting.
#include <gtest/gtest.h>

#include <string>

#include "store/cell_table.h"
#include "store/store_memory.h"
#include "store/string_pool.h"
#include "store_checks.h"

namespace vorlane {
namespace {

constexpr uint32_t kStep = GrowBlock::kStep;

std::string Read(const StringPool& pool, uint32_t offset) {
    std::string text(pool.capacity() + 1, '?');
    uint32_t length = pool.ReadString(offset, text.data(), static_cast<uint32_t>(text.size()));
    text.resize(length);
    return text;
}

TEST(StringPoolOffsets, FirstStringsGetOffsetOneThenFollowOn) {
    StringPool pool;
    EXPECT_FALSE(pool.Exists());
    EXPECT_EQ(pool.AppendString("hello"), 1u);
    EXPECT_EQ(pool.AppendString("x"), 7u);
    EXPECT_EQ(pool.used(), 9u);
    EXPECT_EQ(pool.capacity(), kStep);
    EXPECT_EQ(Read(pool, 1), "hello");
    EXPECT_EQ(Read(pool, 7), "x");
}

TEST(StringPoolOffsets, OffsetZeroAndEmptyTextsReadEmpty) {
    StringPool pool;
    EXPECT_EQ(Read(pool, 0), "") << "absent pool";
    std::optional<uint32_t> empty = pool.AppendString("");
    ASSERT_TRUE(empty);
    EXPECT_NE(*empty, 0u);
    EXPECT_EQ(pool.used(), 2u) << "the empty text takes one byte";
    EXPECT_EQ(pool.AppendString(nullptr), 2u) << "null is stored as the empty text";
    EXPECT_EQ(Read(pool, 0), "");
    EXPECT_EQ(Read(pool, *empty), "");
    EXPECT_EQ(Read(pool, 5000), "") << "offset beyond used";
    EXPECT_STREQ(pool.bytes(), "");
}

TEST(StringPoolOffsets, ReadStringCutsToTheDestination) {
    StringPool pool;
    uint32_t offset = *pool.AppendString("abcdef");
    char buffer[4] = {'!', '!', '!', '!'};
    EXPECT_EQ(pool.ReadString(offset, buffer, 4), 3u);
    EXPECT_STREQ(buffer, "abc");
    char untouched = '!';
    EXPECT_EQ(pool.ReadString(offset, &untouched, 0), 0u);
    EXPECT_EQ(untouched, '!');
    EXPECT_EQ(pool.ReadString(offset, nullptr, 10), 0u);
}

TEST(StringPoolGrowth, AppendEndingAtCapacityDoesNotGrowOneByteMoreDoes) {
    StringPool pool;
    std::string first(kStep - 2, 'a');  // 1 + (kStep - 2) + 1 ends exactly at the step
    uint32_t offset = *pool.AppendString(first.c_str());
    EXPECT_EQ(pool.used(), kStep);
    EXPECT_EQ(pool.capacity(), kStep);
    uint32_t second = *pool.AppendString("z");
    EXPECT_EQ(second, kStep);
    EXPECT_EQ(pool.capacity(), 2 * kStep);
    EXPECT_EQ(Read(pool, offset), first);
    EXPECT_EQ(Read(pool, second), "z");
    testing::ExpectPoolInvariants(pool);
}

TEST(StringPoolGrowth, StringLongerThanAStepGrowsSeveralSteps) {
    StringPool pool;
    pool.AppendString("a");
    std::string longText(3 * kStep, 'q');
    uint32_t offset = *pool.AppendString(longText.c_str());
    EXPECT_EQ(offset, 3u);
    EXPECT_EQ(pool.used(), 3 + 3 * kStep + 1);
    EXPECT_EQ(pool.capacity(), 4 * kStep);
    EXPECT_EQ(Read(pool, offset), longText);
    EXPECT_EQ(Read(pool, 1), "a");
    testing::ExpectPoolInvariants(pool);
}

TEST(StringPoolGrowth, TextFromThePoolItselfSurvivesGrowth) {
    StringPool pool;
    std::string filler(kStep - 8, 'f');
    uint32_t offset = *pool.AppendString(filler.c_str());
    std::optional<uint32_t> copy = pool.AppendString(pool.StringAt(offset));
    ASSERT_TRUE(copy);
    EXPECT_EQ(pool.capacity(), 2 * kStep);
    EXPECT_EQ(Read(pool, *copy), filler);
}

TEST(StringPoolReplace, ShorterTextStaysInPlaceLongerTextMovesToTheEnd) {
    StringPool pool;
    uint32_t slot = *pool.AppendString("abcde");
    uint32_t used = pool.used();
    ASSERT_TRUE(pool.ReplaceString(slot, "xyz"));
    EXPECT_EQ(slot, 1u);
    EXPECT_EQ(pool.used(), used);
    EXPECT_EQ(Read(pool, slot), "xyz");
    EXPECT_EQ(pool.bytes()[5], 'e') << "bytes beyond the new NUL stay as they were";

    uint32_t other = *pool.AppendString("abc");
    used = pool.used();
    ASSERT_TRUE(pool.ReplaceString(other, "12345"));
    EXPECT_EQ(other, used);
    EXPECT_EQ(pool.used(), used + 6);
    EXPECT_EQ(Read(pool, other), "12345");
}

TEST(StringPoolReplace, ReuseMeasuresTheStringAsItNowReads) {
    StringPool pool;
    uint32_t slot = *pool.AppendString("sixsix");
    ASSERT_TRUE(pool.ReplaceString(slot, "ab"));
    ASSERT_EQ(slot, 1u);
    uint32_t used = pool.used();
    ASSERT_TRUE(pool.ReplaceString(slot, "four"));
    EXPECT_EQ(slot, used) << "a four-character text no longer fits over a two-character one";
    EXPECT_EQ(Read(pool, slot), "four");
}

TEST(StringPoolReplace, NullClearsTheSlotWithoutTouchingThePool) {
    StringPool pool;
    uint32_t slot = *pool.AppendString("gone");
    uint32_t used = pool.used();
    ASSERT_TRUE(pool.ReplaceString(slot, nullptr));
    EXPECT_EQ(slot, 0u);
    EXPECT_EQ(pool.used(), used);
    EXPECT_EQ(Read(pool, slot), "");
}

TEST(StringPoolReplace, WritingIntoAMissingPoolCreatesItAtOffsetOne) {
    StringPool pool;
    uint32_t slot = 0;
    ASSERT_TRUE(pool.ReplaceString(slot, "new"));
    EXPECT_EQ(slot, 1u);
    EXPECT_EQ(pool.used(), 5u);
    EXPECT_EQ(pool.capacity(), kStep);
}

TEST(StringPoolReplace, GrowthTestComesBeforeReuse) {
    StringPool pool;
    std::string old(100, 'o');
    uint32_t slot = *pool.AppendString(old.c_str());
    std::string filler(kStep - 1 - 101 - 1, 'f');
    pool.AppendString(filler.c_str());
    ASSERT_EQ(pool.used(), kStep);
    ASSERT_TRUE(pool.ReplaceString(slot, "short"));
    EXPECT_EQ(slot, 1u) << "the old place is reused";
    EXPECT_EQ(pool.used(), kStep);
    EXPECT_EQ(pool.capacity(), 2 * kStep) << "yet the pool grew, since the end had no room";
    testing::ExpectPoolInvariants(pool);
}

TEST(StringPoolReplace, SlotBeyondUsedIsTreatedAsNoString) {
    StringPool pool;
    pool.AppendString("abc");
    uint32_t slot = 0x7000;
    uint32_t used = pool.used();
    ASSERT_TRUE(pool.ReplaceString(slot, "z"));
    EXPECT_EQ(slot, used);
}

TEST(CellTableSlots, SlotsAreFourBytesApartFromZero) {
    CellTable table;
    EXPECT_FALSE(table.Exists());
    EXPECT_EQ(table.bytes(), nullptr);
    ASSERT_TRUE(table.AppendSlot(7));
    ASSERT_TRUE(table.AppendSlot(0xFFFFFFFFu));
    EXPECT_EQ(table.used(), 8u);
    EXPECT_EQ(table.capacity(), kStep);
    EXPECT_EQ(table.ReadSlot(0), 7u);
    EXPECT_EQ(table.ReadSlot(4), 0xFFFFFFFFu);
    EXPECT_EQ(table.ReadSlot(2), 0u) << "misaligned";
    EXPECT_EQ(table.ReadSlot(8), 0u) << "beyond used";
    EXPECT_FALSE(table.WriteSlot(8, 1));
    EXPECT_TRUE(table.WriteSlot(4, 9));
    EXPECT_EQ(table.ReadSlot(4), 9u);
}

TEST(CellTableSlots, FillingAStepGrowsByExactlyOneStep) {
    CellTable table;
    for (uint32_t i = 0; i < kStep / 4; ++i) {
        ASSERT_TRUE(table.AppendSlot(i));
    }
    EXPECT_EQ(table.capacity(), kStep);
    ASSERT_TRUE(table.AppendSlot(42));
    EXPECT_EQ(table.capacity(), 2 * kStep);
    EXPECT_EQ(table.ReadSlot(kStep - 4), kStep / 4 - 1);
    EXPECT_EQ(table.ReadSlot(kStep), 42u);
    testing::ExpectTableInvariants(table);
}

TEST(CellTableSlots, GrowthStepsByOneLogicallyButAllocatesGeometrically) {
    CellTable table;
    uint32_t start = StoreMemoryFaults::AllocationCount();
    const uint32_t steps = 64;
    for (uint32_t i = 0; i < steps * kStep / 4; ++i) {
        ASSERT_TRUE(table.AppendSlot(i));
    }
    EXPECT_EQ(table.capacity(), steps * kStep);
    EXPECT_LE(StoreMemoryFaults::AllocationCount() - start, 12u) << "memory is not copied per step";
    EXPECT_LE(table.reserved(), table.capacity() / 2 * 3 + kStep);
    EXPECT_EQ(table.ReadSlot(steps * kStep - 4), steps * kStep / 4 - 1);
}

// A trim keeps every byte and the accounting, and gives back what is held past the capacity
// unless the block has grown by less than half since its last trim or the memory is refused.
TEST(GrowBlockTrim, GivesBackMemoryPastTheCapacityKeepingEveryByte) {
    struct Case {
        const char* name;
        uint32_t stepsBeforeFirstTrim;  // 0: no earlier trim
        uint32_t steps;                 // filled before the trim looked at
        bool refuseMemory;
        bool trims;
    };
    const Case cases[] = {
        {"first trim", 0, 9, false, true},
        {"grown by half since the last trim", 8, 14, false, true},
        {"grown by less than half since", 8, 11, false, false},
        {"memory refused", 0, 9, true, false},
        // A large block gives its pages back in place, needing no memory for it.
        {"large block", 0, GrowBlock::kLargeBlock / kStep + 9, false, true},
        {"large block, memory refused", 0, GrowBlock::kLargeBlock / kStep + 9, true, true},
        {"large block, trimmed a step ago", GrowBlock::kLargeBlock / kStep + 8,
         GrowBlock::kLargeBlock / kStep + 9, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CellTable table;
        uint32_t value = 0;
        auto fillTo = [&](uint32_t steps) {
            while (table.used() < steps * kStep) {
                ASSERT_TRUE(table.AppendSlot(value++));
            }
            ASSERT_TRUE(table.AppendSlot(value++));  // one slot into the next step
        };
        if (c.stepsBeforeFirstTrim != 0) {
            fillTo(c.stepsBeforeFirstTrim);
            table.Trim();
            ASSERT_EQ(table.reserved(), table.capacity());
        }
        fillTo(c.steps);
        ASSERT_GT(table.reserved(), table.capacity());
        const testing::BlockImage before = testing::ImageOf(table);
        const size_t reservedBefore = table.reserved();
        const uint8_t* bytesBefore = table.bytes();
        StoreMemoryFaults::FailNthAllocation(c.refuseMemory ? 1 : 0);
        table.Trim();
        StoreMemoryFaults::FailNthAllocation(0);
        EXPECT_EQ(testing::ImageOf(table), before);
        if (table.capacity() >= GrowBlock::kLargeBlock) {
            EXPECT_EQ(table.bytes(), bytesBefore) << "a large block trims in place";
        }
        EXPECT_EQ(table.reserved(), c.trims ? table.capacity() : reservedBefore);
        ASSERT_TRUE(table.AppendSlot(7));  // appends go on after a trim
        EXPECT_EQ(table.ReadSlot(table.used() - 4), 7u);
    }
}

// A fill trimmed after every step (a paint between batches) still copies its block only
// O(log n) times: every copy is one allocation.
TEST(GrowBlockTrim, TrimmingAfterEveryStepKeepsCopiesFew) {
    CellTable table;
    const uint32_t start = StoreMemoryFaults::AllocationCount();
    const uint32_t steps = 128;
    for (uint32_t i = 0; i < steps * kStep / 4; ++i) {
        ASSERT_TRUE(table.AppendSlot(i));
        if ((i + 1) % (kStep / 4) == 0) {
            table.Trim();
        }
    }
    EXPECT_EQ(table.capacity(), steps * kStep);
    EXPECT_LE(StoreMemoryFaults::AllocationCount() - start, 30u)
        << StoreMemoryFaults::AllocationCount() - start;
    EXPECT_EQ(table.ReadSlot(steps * kStep - 4), steps * kStep / 4 - 1);
}

TEST(GrowBlockLimits, GrowNeedsAnExistingBlockAndReleaseEmptiesIt) {
    GrowBlock block;
    EXPECT_FALSE(block.Grow());
    ASSERT_TRUE(block.Create(1));
    EXPECT_EQ(block.used(), 1u);
    ASSERT_TRUE(block.Grow());
    EXPECT_EQ(block.capacity(), 2 * kStep);
    block.Release();
    EXPECT_FALSE(block.Exists());
    EXPECT_EQ(block.used(), 0u);
    EXPECT_EQ(block.capacity(), 0u);
    EXPECT_EQ(block.bytes(), nullptr);
}

TEST(GrowBlockLimits, RoomPastTheThirtyTwoBitLimitIsRefused) {
    GrowBlock block;
    EXPECT_FALSE(block.MakeRoom(0x100000000ull, 1));
    EXPECT_FALSE(block.Exists());
    ASSERT_TRUE(block.MakeRoom(10, 1));
    EXPECT_FALSE(block.MakeRoom(GrowBlock::kMaxCapacity, 0));
    EXPECT_EQ(block.capacity(), kStep);
}

}  // namespace
}  // namespace vorlane
