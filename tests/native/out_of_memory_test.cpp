// Every allocation an append or rewrite makes is made to fail in turn: the operation must be
// refused, leave everything exactly as it was, and succeed when tried again.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "store/grid_store.h"
#include "store/store_memory.h"
#include "store_checks.h"

namespace vorlane {
namespace {

constexpr uint32_t kStep = GrowBlock::kStep;

// Runs `operation` on a fresh `State` with the 1st, 2nd, ... allocation failing until it gets
// through without reaching the failure. Returns how many runs were refused.
template <typename State, typename Prepare, typename Operation, typename Snapshot>
int RefusalsWithEachAllocationFailing(Prepare prepare, Operation operation, Snapshot snapshot) {
    int refusals = 0;
    for (uint32_t nth = 1; nth < 20; ++nth) {
        auto state = std::make_unique<State>();
        prepare(*state);
        auto before = snapshot(*state);
        uint32_t start = StoreMemoryFaults::AllocationCount();
        StoreMemoryFaults::FailNthAllocation(nth);
        bool done = operation(*state);
        uint32_t calls = StoreMemoryFaults::AllocationCount() - start;
        StoreMemoryFaults::FailNthAllocation(0);
        if (calls < nth) {
            EXPECT_TRUE(done) << "no allocation failed, yet the operation was refused";
            return refusals;
        }
        EXPECT_FALSE(done) << "allocation " << nth << " failed unnoticed";
        EXPECT_TRUE(snapshot(*state) == before) << "allocation " << nth << " left a change";
        EXPECT_TRUE(operation(*state)) << "the store is unusable after refusal " << nth;
        ++refusals;
    }
    ADD_FAILURE() << "the operation never got through";
    return refusals;
}

intptr_t Text(const char* text) {
    return reinterpret_cast<intptr_t>(text);
}

void AddTextAndNumberColumns(GridStore& store) {
    ColumnDescriptor text;
    ColumnDescriptor number;
    number.cellKind = kCellNumber;
    store.AddColumn(text);
    store.AddColumn(number);
}

// A store whose pool and table are both filled exactly to their first step.
void FillBothBlocksToTheStep(GridStore& store) {
    AddTextAndNumberColumns(store);
    std::string text(kStep - 2, 't');
    const intptr_t first[] = {Text(text.c_str()), 1};
    store.AppendRow(first);
    for (uint32_t row = 1; row < kStep / 8; ++row) {
        store.AppendRow(nullptr);
    }
    ASSERT_EQ(store.pool().used(), kStep);
    ASSERT_EQ(store.table().used(), kStep);
}

testing::StoreImage StoreSnapshot(const GridStore& store) {
    return testing::ImageOf(store);
}

TEST(OutOfMemory, FirstRowCreatingPoolAndTable) {
    const intptr_t row[] = {Text("name"), 42};
    int refusals = RefusalsWithEachAllocationFailing<GridStore>(
        AddTextAndNumberColumns, [&](GridStore& s) { return s.AppendRow(row).has_value(); },
        StoreSnapshot);
    EXPECT_EQ(refusals, 3);  // the pool, the table and the order
}

TEST(OutOfMemory, RowGrowingPoolAndTable) {
    const intptr_t row[] = {Text("abc"), 7};
    int refusals = RefusalsWithEachAllocationFailing<GridStore>(
        FillBothBlocksToTheStep,
        [&](GridStore& s) { return s.AppendRow(row) == kStep && s.RowCount() == kStep / 8 + 1; },
        StoreSnapshot);
    EXPECT_EQ(refusals, 2);
}

TEST(OutOfMemory, RowsGrowingPoolAndTableSeveralSteps) {
    const std::string wide(kStep, 'w');
    std::vector<intptr_t> rows;
    for (uint32_t row = 0; row < kStep / 4; ++row) {  // slots for two steps of the table
        rows.push_back(row == 0 ? Text(wide.c_str()) : Text("f"));
        rows.push_back(static_cast<intptr_t>(row));
    }
    int refusals = RefusalsWithEachAllocationFailing<GridStore>(
        FillBothBlocksToTheStep,
        [&](GridStore& s) {
            return s.AppendRows(rows.data(), kStep / 4) == kStep &&
                   s.RowCount() == kStep / 8 + kStep / 4;
        },
        StoreSnapshot);
    EXPECT_EQ(refusals, 3);  // the pool, the table and the order
}

// Past kLargeBlock both blocks move into ranges of their own: a refused commit there leaves
// them on the heap as they were.
TEST(OutOfMemory, RowsMakingPoolAndTableLarge) {
    const std::string large(GrowBlock::kLargeBlock, 'L');
    const uint32_t count = static_cast<uint32_t>(GrowBlock::kLargeBlock / 8);  // 8 bytes a row
    std::vector<intptr_t> rows;
    for (uint32_t row = 0; row < count; ++row) {
        rows.push_back(row == 0 ? Text(large.c_str()) : Text("f"));
        rows.push_back(static_cast<intptr_t>(row));
    }
    int refusals = RefusalsWithEachAllocationFailing<GridStore>(
        FillBothBlocksToTheStep,
        [&](GridStore& s) {
            return s.AppendRows(rows.data(), count) == kStep &&
                   s.table().capacity() >= GrowBlock::kLargeBlock &&
                   s.pool().capacity() >= GrowBlock::kLargeBlock;
        },
        StoreSnapshot);
    EXPECT_EQ(refusals, 3);  // the pool, the table and the order
}

TEST(OutOfMemory, TextCellRewriteGrowingThePool) {
    int refusals = RefusalsWithEachAllocationFailing<GridStore>(
        FillBothBlocksToTheStep,
        [](GridStore& s) { return s.WriteCell(8, 0, "longer than nothing"); }, StoreSnapshot);
    EXPECT_EQ(refusals, 1);
}

TEST(OutOfMemory, ColumnWithTitleAndMask) {
    ColumnDescriptor column;
    column.title = "Phone";
    column.mask = "###-####";
    int refusals = RefusalsWithEachAllocationFailing<GridStore>(
        [](GridStore&) {}, [&](GridStore& s) { return s.AddColumn(column).has_value(); },
        StoreSnapshot);
    EXPECT_EQ(refusals, 1);

    // With the labels full to the step, a long title needs room beyond the mask's.
    std::string longTitle(kStep, 'T');
    column.title = longTitle.c_str();
    column.mask = "###";
    refusals = RefusalsWithEachAllocationFailing<GridStore>(
        [](GridStore& s) {
            std::string filler(kStep - 2, 'f');
            ColumnDescriptor first;
            first.title = filler.c_str();
            s.AddColumn(first);
            ASSERT_EQ(s.columns().labels().used(), kStep);
        },
        [&](GridStore& s) { return s.AddColumn(column).has_value(); }, StoreSnapshot);
    EXPECT_EQ(refusals, 1);
}

// A pool on its own, with one slot that points into it.
struct PoolAndSlot {
    StringPool pool;
    uint32_t slot = 0;
};

std::pair<testing::BlockImage, uint32_t> PoolSnapshot(const PoolAndSlot& state) {
    return {testing::ImageOf(state.pool), state.slot};
}

void FillPoolToTheStep(PoolAndSlot& state) {
    state.slot = *state.pool.AppendString("a fairly long old text");
    std::string filler(kStep - state.pool.used() - 1, 'f');
    state.pool.AppendString(filler.c_str());
    ASSERT_EQ(state.pool.used(), kStep);
}

TEST(OutOfMemory, AppendStringCreatingGrowingAndGrowingSeveralSteps) {
    auto append = [](const char* text) {
        return [text](PoolAndSlot& s) { return s.pool.AppendString(text).has_value(); };
    };
    std::string huge(3 * kStep, 'h');
    EXPECT_EQ(RefusalsWithEachAllocationFailing<PoolAndSlot>([](PoolAndSlot&) {}, append("new"),
                                                             PoolSnapshot),
              1);
    EXPECT_EQ(RefusalsWithEachAllocationFailing<PoolAndSlot>(FillPoolToTheStep, append("more"),
                                                             PoolSnapshot),
              1);
    EXPECT_EQ(RefusalsWithEachAllocationFailing<PoolAndSlot>(FillPoolToTheStep,
                                                             append(huge.c_str()), PoolSnapshot),
              1);
}

TEST(OutOfMemory, ReplaceStringCreatingOrGrowingBeforeReuse) {
    auto replace = [](const char* text) {
        return [text](PoolAndSlot& s) { return s.pool.ReplaceString(s.slot, text); };
    };
    EXPECT_EQ(RefusalsWithEachAllocationFailing<PoolAndSlot>([](PoolAndSlot&) {}, replace("x"),
                                                             PoolSnapshot),
              1);
    EXPECT_EQ(RefusalsWithEachAllocationFailing<PoolAndSlot>(FillPoolToTheStep, replace("short"),
                                                             PoolSnapshot),
              1);
    EXPECT_EQ(RefusalsWithEachAllocationFailing<PoolAndSlot>(
                  FillPoolToTheStep, replace("a text longer than the old one was"), PoolSnapshot),
              1);
}

// The same operations on the texts of a Unicode grid, whose sizes count two bytes a unit.
struct WideStore : GridStore {
    WideStore() : GridStore(TextWidth::Utf16) {}
};

struct WidePoolAndSlot {
    StringPool pool{TextWidth::Utf16};
    uint32_t slot = 0;
};

intptr_t WideText(const char16_t* text) {
    return reinterpret_cast<intptr_t>(text);
}

// One zero unit, a text and its NUL unit fill the pool to the step; null rows fill the table.
void FillWideBlocksToTheStep(GridStore& store) {
    AddTextAndNumberColumns(store);
    std::u16string text((kStep - 4) / 2, u't');
    const intptr_t first[] = {WideText(text.c_str()), 1};
    store.AppendRow(first);
    for (uint32_t row = 1; row < kStep / 8; ++row) {
        store.AppendRow(nullptr);
    }
    ASSERT_EQ(store.pool().used(), kStep);
    ASSERT_EQ(store.table().used(), kStep);
}

TEST(OutOfMemory, WideRowsRewritesAndColumnsAreAllOrNothing) {
    const std::u16string wide(kStep / 2, u'w');
    std::vector<intptr_t> rows;
    for (uint32_t row = 0; row < kStep / 4; ++row) {
        rows.push_back(row == 0 ? WideText(wide.c_str()) : WideText(u"f\u00E9"));
        rows.push_back(static_cast<intptr_t>(row));
    }
    const intptr_t first[] = {WideText(u"n\u00E4me"), 42};
    const intptr_t next[] = {WideText(u"\u03B1\u03B2\u03B3"), 7};
    ColumnDescriptor titled;
    titled.title = u"T\u00EDtulo";
    titled.mask = u"###\u2013####";
    const struct {
        const char* name;
        std::function<void(GridStore&)> prepare;
        std::function<bool(GridStore&)> operation;
        int refusals;
    } cases[] = {
        {"first row", AddTextAndNumberColumns,
         [&](GridStore& s) { return s.AppendRow(first).has_value(); }, 3},
        {"row growing both blocks", FillWideBlocksToTheStep,
         [&](GridStore& s) { return s.AppendRow(next) == kStep; }, 2},
        {"rows growing both blocks several steps", FillWideBlocksToTheStep,
         [&](GridStore& s) { return s.AppendRows(rows.data(), kStep / 4) == kStep; }, 3},
        {"rewrite growing the pool", FillWideBlocksToTheStep,
         [](GridStore& s) { return s.WriteCell(8, 0, u"longer than nothing"); }, 1},
        {"column with title and mask", [](GridStore&) {},
         [&](GridStore& s) { return s.AddColumn(titled).has_value(); }, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            RefusalsWithEachAllocationFailing<WideStore>(c.prepare, c.operation, StoreSnapshot),
            c.refusals)
            << c.name;
    }
}

TEST(OutOfMemory, WideAppendsAndReplacesInAPoolAreAllOrNothing) {
    auto fill = [](WidePoolAndSlot& s) {
        s.slot = *s.pool.AppendString(u"a fairly long old text");
        std::u16string filler((kStep - s.pool.used()) / 2 - 1, u'f');
        s.pool.AppendString(filler.c_str());
        ASSERT_EQ(s.pool.used(), kStep);
    };
    auto nothing = [](WidePoolAndSlot&) {};
    auto append = [](const char16_t* text) {
        return [text](WidePoolAndSlot& s) { return s.pool.AppendString(text).has_value(); };
    };
    auto replace = [](const char16_t* text) {
        return [text](WidePoolAndSlot& s) { return s.pool.ReplaceString(s.slot, text); };
    };
    auto snapshot = [](const WidePoolAndSlot& s) {
        return std::make_pair(testing::ImageOf(s.pool), s.slot);
    };
    const std::u16string huge(3 * kStep / 2, u'h');
    const struct {
        const char* name;
        std::function<void(WidePoolAndSlot&)> prepare;
        std::function<bool(WidePoolAndSlot&)> operation;
    } cases[] = {
        {"append creating", nothing, append(u"new")},
        {"append growing", fill, append(u"more")},
        {"append growing several steps", fill, append(huge.c_str())},
        {"replace creating", nothing, replace(u"x")},
        {"replace in place, growing first", fill, replace(u"short")},
        {"replace moving to the end", fill, replace(u"a text longer than the old one was")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            RefusalsWithEachAllocationFailing<WidePoolAndSlot>(c.prepare, c.operation, snapshot), 1)
            << c.name;
    }
}

}  // namespace
}  // namespace vorlane
