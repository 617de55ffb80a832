// Rows and cells: row offsets, filled rows, reading and writing cells, and bad addresses.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "store/grid_store.h"
#include "store_checks.h"

namespace vorlane {
namespace {

intptr_t Text(const char* text) {
    return reinterpret_cast<intptr_t>(text);
}

// Name (text), Size (number), Kind (plain value).
void AddNameSizeKind(GridStore& store) {
    ColumnDescriptor name;
    name.width = 100;
    ColumnDescriptor size;
    size.width = 60;
    size.cellKind = kCellNumber;
    size.editorKind = kEditorNumber;
    ColumnDescriptor kind;
    kind.cellKind = 2;
    kind.editorKind = 2;
    store.AddColumn(name);
    store.AddColumn(size);
    store.AddColumn(kind);
}

class ThreeColumnStore : public ::testing::Test {
  protected:
    void SetUp() override { AddNameSizeKind(store); }

    std::string TextAt(uint32_t rowOffset, uint32_t column = 0) {
        char buffer[64];
        std::memset(buffer, '?', sizeof buffer);
        EXPECT_TRUE(store.ReadCell(rowOffset, column, buffer, sizeof buffer));
        return buffer;
    }

    uint32_t ValueAt(uint32_t rowOffset, uint32_t column) {
        uint32_t value = 0xDEADBEEF;
        EXPECT_TRUE(store.ReadCell(rowOffset, column, &value, sizeof value));
        return value;
    }

    GridStore store;
};

TEST_F(ThreeColumnStore, RowOffsetsAdvanceByOneSlotPerColumn) {
    const intptr_t first[] = {Text("alpha"), 10, 1};
    const intptr_t second[] = {Text("beta"), 20, 2};
    EXPECT_EQ(store.AppendRow(first), 0u);
    EXPECT_EQ(store.AppendRow(second), 12u);
    EXPECT_EQ(store.RowCount(), 2u);
    EXPECT_EQ(store.RowSize(), 12u);
    EXPECT_EQ(TextAt(12), "beta");
    EXPECT_EQ(ValueAt(0, 1), 10u);
    EXPECT_EQ(store.KindCell(0), 1u);
    EXPECT_EQ(store.KindCell(12), 2u);
}

TEST_F(ThreeColumnStore, BlankRowsAreStoredButNotCountedAsFilled) {
    const intptr_t filled[] = {Text("x"), 0, 0};
    const intptr_t zeroFirst[] = {0, 5, 0};
    store.AppendRow(filled);
    store.AppendRow(zeroFirst);
    store.AppendRow(nullptr);
    EXPECT_EQ(store.RowCount(), 3u);
    EXPECT_EQ(store.FilledRowCount(), 1u);
    EXPECT_EQ(TextAt(12), "") << "a null text entry reads as the empty text";
    EXPECT_EQ(ValueAt(12, 1), 5u);
    EXPECT_EQ(TextAt(24), "") << "a null array stores no text";
    EXPECT_EQ(store.table().ReadSlot(24), 0u);
    EXPECT_NE(store.table().ReadSlot(12), 0u) << "null entry: the empty text is stored";
}

TEST_F(ThreeColumnStore, ValueEntriesKeepTheirLowThirtyTwoBits) {
    const intptr_t row[] = {Text("a"), -5, 0x7FFFFFFF};
    uint32_t offset = *store.AppendRow(row);
    EXPECT_EQ(ValueAt(offset, 1), 0xFFFFFFFBu);
    EXPECT_EQ(store.KindCell(offset), 0x7FFFFFFFu);
    if constexpr (sizeof(intptr_t) > 4) {
        const intptr_t wide[] = {Text("b"), static_cast<intptr_t>(0x500000007ll), 0};
        EXPECT_EQ(ValueAt(*store.AppendRow(wide), 1), 7u);
    }
}

TEST_F(ThreeColumnStore, ReadCellCutsTextsAndNeedsFourBytesForValues) {
    const intptr_t row[] = {Text("abcdefgh"), 77, 0};
    store.AppendRow(row);
    char small[4];
    ASSERT_TRUE(store.ReadCell(0, 0, small, sizeof small));
    EXPECT_STREQ(small, "abc");
    uint8_t tooSmall[3] = {1, 2, 3};
    EXPECT_FALSE(store.ReadCell(0, 1, tooSmall, sizeof tooSmall));
    EXPECT_EQ(tooSmall[0], 1);
    EXPECT_FALSE(store.ReadCell(0, 0, small, 0));
    EXPECT_FALSE(store.ReadCell(0, 0, nullptr, 10));
}

TEST_F(ThreeColumnStore, CellsThatDoNotExistAreNeitherReadNorWritten) {
    uint32_t value = 0xAAAA;
    EXPECT_FALSE(store.ReadCell(0, 1, &value, sizeof value)) << "no table yet";
    const intptr_t row[] = {Text("a"), 1, 2};
    store.AppendRow(row);
    store.AppendRow(row);
    uint32_t newValue = 9;
    for (uint32_t badOffset : {4u, 13u, 24u, 0xFFFFFFF4u}) {
        EXPECT_FALSE(store.ReadCell(badOffset, 1, &value, sizeof value)) << badOffset;
        EXPECT_FALSE(store.WriteCell(badOffset, 1, &newValue)) << badOffset;
        EXPECT_EQ(store.KindCell(badOffset), 0u) << badOffset;
    }
    EXPECT_FALSE(store.ReadCell(0, 3, &value, sizeof value));
    EXPECT_FALSE(store.WriteCell(0, 3, &newValue));
    EXPECT_EQ(value, 0xAAAAu);
    EXPECT_FALSE(store.WriteCell(0, 1, nullptr)) << "a value cell needs a source";
    EXPECT_EQ(ValueAt(0, 1), 1u);
    EXPECT_EQ(ValueAt(12, 1), 1u);
}

TEST_F(ThreeColumnStore, WriteCellReplacesTextsAndValues) {
    const intptr_t row[] = {Text("report.txt"), 100, 0};
    uint32_t offset = *store.AppendRow(row);
    uint32_t slot = store.table().ReadSlot(offset);
    ASSERT_TRUE(store.WriteCell(offset, 0, "a.txt"));
    EXPECT_EQ(store.table().ReadSlot(offset), slot) << "a shorter text reuses its place";
    EXPECT_EQ(TextAt(offset), "a.txt");
    ASSERT_TRUE(store.WriteCell(offset, 0, "a much longer name.txt"));
    EXPECT_NE(store.table().ReadSlot(offset), slot);
    EXPECT_EQ(TextAt(offset), "a much longer name.txt");
    ASSERT_TRUE(store.WriteCell(offset, 0, nullptr));
    EXPECT_EQ(store.table().ReadSlot(offset), 0u);
    EXPECT_EQ(TextAt(offset), "");
    const int32_t size = -1;
    ASSERT_TRUE(store.WriteCell(offset, 1, &size));
    EXPECT_EQ(ValueAt(offset, 1), 0xFFFFFFFFu);
    const uint32_t kind = 9;
    ASSERT_TRUE(store.WriteCell(offset, 2, &kind));
    EXPECT_EQ(store.KindCell(offset), 9u);
}

TEST_F(ThreeColumnStore, TextWrittenIntoARowWithoutStringsCreatesThePool) {
    store.AppendRow(nullptr);
    EXPECT_FALSE(store.pool().Exists());
    EXPECT_STREQ(store.PoolBytes(), "") << "an absent pool still reads offset 0";
    ASSERT_TRUE(store.WriteCell(0, 0, "first"));
    EXPECT_EQ(store.table().ReadSlot(0), 1u);
    EXPECT_EQ(TextAt(0), "first");
}

TEST_F(ThreeColumnStore, RawBytesServeTheSortsKeys) {
    const intptr_t row[] = {Text("key"), 31, 4};
    store.AppendRow(nullptr);
    uint32_t offset = *store.AppendRow(row);
    uint32_t textSlot = 0;
    uint32_t numberSlot = 0;
    std::memcpy(&textSlot, store.TableBytes() + offset, 4);
    std::memcpy(&numberSlot, store.TableBytes() + offset + 4, 4);
    EXPECT_STREQ(store.PoolBytes() + textSlot, "key");
    EXPECT_EQ(numberSlot, 31u);
}

TEST_F(ThreeColumnStore, ClearRowsStartsOverAndOnlyWhenRowsExist) {
    EXPECT_FALSE(store.ClearRows());
    const intptr_t row[] = {Text("a"), 1, 0};
    store.AppendRow(row);
    ASSERT_TRUE(store.ClearRows());
    EXPECT_FALSE(store.HasRows());
    EXPECT_FALSE(store.pool().Exists());
    EXPECT_EQ(store.table().capacity(), 0u);
    EXPECT_EQ(store.RowCount(), 0u);
    EXPECT_EQ(store.FilledRowCount(), 0u);
    EXPECT_EQ(store.columns().Count(), 3u);
    EXPECT_EQ(store.AppendRow(row), 0u);
    EXPECT_EQ(store.pool().used(), 3u) << "the new pool starts at offset 1 again";
}

TEST_F(ThreeColumnStore, AppendRowsStoresWhatAppendRowOneByOneStores) {
    const std::string wide(GrowBlock::kStep, 'w');  // passes a step of the pool on its own
    struct Case {
        const char* name;
        std::vector<intptr_t> before;  // rows appended first, three entries each
        std::vector<intptr_t> batch;
    };
    const Case cases[] = {
        {"one row into an empty store", {}, {Text("a"), 1, 0}},
        {"blank and null texts",
         {Text("x"), 2, 1},
         {0, 0, 0, Text(nullptr), 5, 2, Text("y"), 0, 0}},
        {"a batch growing the pool past a step",
         {Text("x"), 2, 1},
         {Text(wide.c_str()), 3, 0, Text("z"), 4, 9}},
    };
    for (const Case& c : cases) {
        GridStore batched;
        GridStore single;
        for (GridStore* target : {&batched, &single}) {
            AddNameSizeKind(*target);
            for (size_t i = 0; i < c.before.size(); i += 3) {
                target->AppendRow(&c.before[i]);
            }
        }
        const uint32_t expectedFirst = single.table().used();
        for (size_t i = 0; i < c.batch.size(); i += 3) {
            single.AppendRow(&c.batch[i]);
        }
        EXPECT_EQ(batched.AppendRows(c.batch.data(), static_cast<uint32_t>(c.batch.size() / 3)),
                  expectedFirst)
            << c.name;
        EXPECT_TRUE(testing::ImageOf(batched) == testing::ImageOf(single)) << c.name;
    }
}

TEST_F(ThreeColumnStore, AppendRowsRefusesNothingToAppend) {
    const intptr_t row[] = {Text("a"), 1, 0};
    EXPECT_FALSE(store.AppendRows(nullptr, 1));
    EXPECT_FALSE(store.AppendRows(row, 0));
    EXPECT_FALSE(store.HasRows());
    EXPECT_FALSE(GridStore().AppendRows(row, 1)) << "no columns";
}

TEST_F(ThreeColumnStore, DropRowsSinceLeavesTheStoreAsItWasMarked) {
    const std::string wide(GrowBlock::kStep, 'w');
    const intptr_t batch[] = {Text(wide.c_str()), 1, 0, Text("b"), 2, 0};
    for (int rowsBefore : {0, 1}) {
        GridStore marked;
        AddNameSizeKind(marked);
        const intptr_t row[] = {Text("a"), 1, 0};
        for (int i = 0; i < rowsBefore; ++i) {
            marked.AppendRow(row);
        }
        const testing::StoreImage before = testing::ImageOf(marked);
        const GridStore::RowsMark mark = marked.Mark();
        ASSERT_TRUE(marked.AppendRows(batch, 2));
        marked.DropRowsSince(mark);
        EXPECT_TRUE(testing::ImageOf(marked) == before) << rowsBefore << " rows before";
        EXPECT_EQ(marked.AppendRow(row), rowsBefore * 12u) << "usable afterwards";
    }
}

TEST(GridStoreRows, RowsWithoutColumnsAreRefused) {
    GridStore store;
    const intptr_t row[] = {1};
    EXPECT_FALSE(store.AppendRow(row));
    EXPECT_FALSE(store.AppendRow(nullptr));
    EXPECT_FALSE(store.HasRows());
    EXPECT_EQ(store.RowCount(), 0u);
    EXPECT_EQ(store.KindCell(0), 0u);
}

}  // namespace
}  // namespace vorlane
