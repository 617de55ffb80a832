// The display order beside the rows: one row offset per position, appended with the rows, taken
// back and freed with them, trimmed with them, and rewritten only at existing positions.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "store/grid_store.h"
#include "store_checks.h"

namespace vorlane {
namespace {

constexpr uint32_t kRowSize = 8;  // a number column and a kind column

void AddTwoColumns(GridStore& store) {
    ColumnDescriptor number;
    number.cellKind = kCellNumber;
    ColumnDescriptor kind;
    kind.cellKind = 2;
    store.AddColumn(number);
    store.AddColumn(kind);
}

void AppendBatch(GridStore& store, uint32_t count) {
    std::vector<intptr_t> values(size_t{count} * 2, 1);
    ASSERT_TRUE(store.AppendRows(values.data(), count));
}

void AppendOneByOne(GridStore& store, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) {
        ASSERT_TRUE(store.AppendRow(nullptr));
    }
}

// Every position shows the row appended at it, and the block keeps its accounting.
void ExpectAddedOrder(const GridStore& store) {
    const RowOrder& order = store.order();
    ASSERT_EQ(order.size(), store.RowCount());
    for (uint32_t position = 0; position < order.size(); ++position) {
        ASSERT_EQ(store.OffsetAt(position), position * kRowSize) << position;
    }
    EXPECT_EQ(store.OffsetAt(order.size()), RowOrder::kNoRow);
    testing::ExpectBlockInvariants(order.Exists(), order.used(), order.capacity(), order.bytes());
}

TEST(RowOrder, GrowsShrinksAndTrimsWithTheRows) {
    constexpr uint32_t kPerStep = GrowBlock::kStep / RowOrder::kEntrySize;
    constexpr auto kLarge = static_cast<uint32_t>(GrowBlock::kLargeBlock / RowOrder::kEntrySize);
    const struct {
        const char* name;
        std::function<void(GridStore&)> fill;
        uint32_t rows;
    } cases[] = {
        {"one row", [](GridStore& s) { AppendOneByOne(s, 1); }, 1},
        {"a step exactly, row by row", [](GridStore& s) { AppendOneByOne(s, kPerStep); }, kPerStep},
        {"past a step, row by row", [](GridStore& s) { AppendOneByOne(s, kPerStep + 1); },
         kPerStep + 1},
        {"batches over several steps",
         [](GridStore& s) {
             AppendBatch(s, 3);
             AppendBatch(s, 3 * kPerStep);
             AppendOneByOne(s, 2);
         },
         3 * kPerStep + 5},
        {"large enough for a range of its own", [](GridStore& s) { AppendBatch(s, kLarge + 7); },
         kLarge + 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridStore store;
        AddTwoColumns(store);
        c.fill(store);
        ASSERT_EQ(store.RowCount(), c.rows);
        ExpectAddedOrder(store);
        EXPECT_EQ(store.order().capacity() % GrowBlock::kStep, 0u);
        EXPECT_GE(store.order().capacity(), c.rows * RowOrder::kEntrySize);
        EXPECT_LT(store.order().capacity(), c.rows * RowOrder::kEntrySize + GrowBlock::kStep);

        store.TrimMemory();
        EXPECT_LE(store.order().reserved(), store.order().capacity() + GrowBlock::kStep / 2 * 3)
            << "the memory grown ahead goes back";
        ExpectAddedOrder(store);

        // Rows taken back take their positions with them, and the rest stay as they were.
        const GridStore::RowsMark mark = store.Mark();
        AppendBatch(store, kPerStep + 3);
        store.order().SetData(0, kRowSize);
        store.order().SetData(0, 0);
        store.DropRowsSince(mark);
        ExpectAddedOrder(store);

        EXPECT_TRUE(store.ClearRows());
        EXPECT_FALSE(store.order().Exists());
        EXPECT_EQ(store.OffsetAt(0), RowOrder::kNoRow);
        AppendOneByOne(store, 2);
        ExpectAddedOrder(store);
    }
}

TEST(RowOrder, OnlyExistingPositionsAreRewritten) {
    GridStore store;
    AddTwoColumns(store);
    AppendOneByOne(store, 3);
    RowOrder& order = store.order();
    const struct {
        int32_t position;
        uint32_t rowOffset;
        std::vector<uint32_t> after;
    } cases[] = {
        {2, 0, {0, 8, 0}},   {0, 16, {16, 8, 0}},        {3, 8, {16, 8, 0}},
        {-1, 8, {16, 8, 0}}, {INT32_MAX, 8, {16, 8, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        order.SetData(c.position, c.rowOffset);
        std::vector<uint32_t> shown;
        for (int32_t position = 0; position < order.Count(); ++position) {
            shown.push_back(order.GetData(position));
        }
        EXPECT_EQ(shown, c.after);
        EXPECT_EQ(order.GetData(-1), RowOrder::kNoRow);
    }
}

}  // namespace
}  // namespace vorlane
