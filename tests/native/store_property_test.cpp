// Long seeded random runs of row appends, cell rewrites and clears, checked after every step
// against a plain model of the pool's and table's accounting and of every cell.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "store/grid_store.h"
#include "store_checks.h"

namespace vorlane {
namespace {

constexpr uint32_t kStep = GrowBlock::kStep;
constexpr uint32_t kColumns = 4;  // text, number, text, kind
constexpr bool kIsText[kColumns] = {true, false, true, false};

// What one block's accounting should be.
struct BlockModel {
    uint64_t used = 0;
    uint64_t capacity = 0;

    // Creation, then growth before an append of `size` bytes, as the store does it.
    void MakeRoom(uint64_t size, uint64_t firstUsed) {
        if (capacity == 0) {
            capacity = kStep;
            used = firstUsed;
        }
        while (used + size > capacity) {
            capacity += kStep;
        }
    }
};

struct CellModel {
    uint32_t slot = 0;  // expected pool offset (text) or value
    std::string text;   // the text a text cell reads back
};

class StoreModel {
  public:
    explicit StoreModel(uint32_t seed) : random_(seed) {
        for (uint32_t i = 0; i < kColumns; ++i) {
            ColumnDescriptor column;
            column.width = 10;
            column.cellKind = kIsText[i] ? kCellText : kCellNumber;
            EXPECT_TRUE(store_.AddColumn(column));
        }
    }

    void Step() {
        uint32_t choice = random_() % 100;
        if (choice < 45 || rows_.empty()) {
            AppendRow();
        } else if (choice < 99) {
            WriteRandomCell();
        } else {
            Clear();
        }
    }

    void Check() {
        ASSERT_EQ(store_.pool().used(), pool_.used);
        ASSERT_EQ(store_.pool().capacity(), pool_.capacity);
        ASSERT_EQ(store_.table().used(), table_.used);
        ASSERT_EQ(store_.table().capacity(), table_.capacity);
        ASSERT_EQ(store_.RowCount(), rows_.size());
        ASSERT_EQ(store_.FilledRowCount(), filled_);
        for (size_t row = 0; row < rows_.size(); ++row) {
            uint32_t rowOffset = static_cast<uint32_t>(row * kColumns * 4);
            for (uint32_t column = 0; column < kColumns; ++column) {
                const CellModel& cell = rows_[row][column];
                ASSERT_EQ(store_.table().ReadSlot(rowOffset + column * 4), cell.slot);
                if (kIsText[column]) {
                    ASSERT_STREQ(store_.pool().StringAt(cell.slot), cell.text.c_str());
                }
            }
        }
    }

    void CheckBlocks() {
        testing::ExpectPoolInvariants(store_.pool());
        testing::ExpectTableInvariants(store_.table());
    }

  private:
    std::string RandomText() {
        uint32_t kind = random_() % 100;
        size_t length = kind < 1 ? kStep + random_() % (2 * kStep) : random_() % 12;
        return std::string(length, static_cast<char>('a' + random_() % 26));
    }

    void AppendRow() {
        bool nullArray = random_() % 10 == 0;
        std::vector<std::string> texts(kColumns);
        std::vector<intptr_t> values(kColumns, 0);
        std::vector<CellModel> cells(kColumns);
        for (uint32_t column = 0; column < kColumns; ++column) {
            if (kIsText[column]) {
                bool nullEntry = random_() % 8 == 0;
                if (!nullEntry) {
                    texts[column] = RandomText();
                    values[column] = reinterpret_cast<intptr_t>(texts[column].c_str());
                }
            } else {
                values[column] = static_cast<int32_t>(random_());
            }
        }
        for (uint32_t column = 0; column < kColumns && !nullArray; ++column) {
            if (kIsText[column]) {
                uint64_t size = texts[column].size() + 1;
                pool_.MakeRoom(size, 1);
                cells[column] = {static_cast<uint32_t>(pool_.used), texts[column]};
                pool_.used += size;
            } else {
                cells[column].slot = static_cast<uint32_t>(values[column]);
            }
        }
        table_.MakeRoom(kColumns * 4, 0);
        uint32_t expectedOffset = static_cast<uint32_t>(table_.used);
        table_.used += kColumns * 4;
        std::optional<uint32_t> offset = store_.AppendRow(nullArray ? nullptr : values.data());
        ASSERT_EQ(offset, expectedOffset);
        filled_ += !nullArray && values[0] != 0 ? 1 : 0;
        rows_.push_back(cells);
    }

    void WriteRandomCell() {
        size_t row = random_() % rows_.size();
        uint32_t column = random_() % kColumns;
        uint32_t rowOffset = static_cast<uint32_t>(row * kColumns * 4);
        CellModel& cell = rows_[row][column];
        if (!kIsText[column]) {
            uint32_t value = random_();
            ASSERT_TRUE(store_.WriteCell(rowOffset, column, &value));
            cell.slot = value;
            return;
        }
        if (random_() % 10 == 0) {
            ASSERT_TRUE(store_.WriteCell(rowOffset, column, nullptr));
            cell = CellModel{};
            return;
        }
        std::string text = RandomText();
        uint64_t size = text.size() + 1;
        pool_.MakeRoom(size, 1);
        uint64_t oldSize = cell.slot == 0 ? 0 : cell.text.size() + 1;
        if (oldSize < size) {
            cell.slot = static_cast<uint32_t>(pool_.used);
            pool_.used += size;
        }
        cell.text = text;
        ASSERT_TRUE(store_.WriteCell(rowOffset, column, text.c_str()));
    }

    void Clear() {
        ASSERT_TRUE(store_.ClearRows());
        pool_ = BlockModel{};
        table_ = BlockModel{};
        rows_.clear();
        filled_ = 0;
    }

    std::mt19937 random_;
    GridStore store_;
    BlockModel pool_;
    BlockModel table_;
    std::vector<std::vector<CellModel>> rows_;
    uint32_t filled_ = 0;
};

TEST(StoreProperty, RandomAppendsAndRewritesMatchTheModel) {
    for (uint32_t seed : {1u, 7u, 2024u, 99991u}) {
        SCOPED_TRACE(seed);
        StoreModel model(seed);
        for (int step = 0; step < 1500; ++step) {
            model.Step();
            if (step % 25 == 0) {
                model.Check();
            }
            if (step % 300 == 0) {
                model.CheckBlocks();
            }
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
        model.Check();
        model.CheckBlocks();
    }
}

}  // namespace
}  // namespace vorlane
