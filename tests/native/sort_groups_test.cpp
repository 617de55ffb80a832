// Sorting with grouping over the list seam: the groups' order, what each mode writes, the
// direction bit, the selection table, and refusals that must change nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "sort_test_grid.h"
#include "store/sort_groups.h"
#include "store/sort_scratch.h"

namespace vorlane::sorttest {
namespace {

// Item data only; counts how many item data writes the sort makes.
class DataOnlyList : public ListItems {
  public:
    explicit DataOnlyList(std::vector<uint32_t> data) : data_(std::move(data)) {}

    uint32_t GetData(int32_t index) const override {
        return index >= 0 && index < Count() ? data_[index] : 0;
    }
    void SetData(int32_t index, uint32_t data) override {
        ++writes;
        if (index >= 0 && index < Count()) {
            data_[index] = data;
        }
    }
    int32_t Count() const override { return static_cast<int32_t>(data_.size()); }

    const std::vector<uint32_t>& Data() const { return data_; }
    int writes = 0;

  private:
    std::vector<uint32_t> data_;
};

// Six columns: 0 text, 1 number key, 5 group value.
struct GroupedGrid {
    SortTestGrid grid{6};
    std::vector<uint32_t> rows;

    uint32_t Add(int32_t key, uint32_t group) {
        rows.push_back(
            grid.AddRow({grid.AddText("t"), static_cast<uint32_t>(key), 0, 0, 0, group}));
        return rows.back();
    }

    GroupSortRequest Request(uint32_t mode, uint32_t columns = 6, int32_t groupKind = 1) const {
        GroupSortRequest request;
        request.keys = grid.Source(1, false);
        request.columnCount = columns;
        request.groupColumnKind = groupKind;
        request.mode = mode;
        return request;
    }
};

TEST(SortGroups, ModeZeroPutsGroupsOneTwoThreeThenTheRestEachSorted) {
    GroupedGrid g;
    // Group values 3, 1, 7, 2, 1 (only the low byte counts: 0x103 is group 3, 0x200 group 4).
    const uint32_t g3 = g.Add(10, 0x103);
    const uint32_t g1High = g.Add(50, 1);
    const uint32_t g4Seven = g.Add(-4, 7);
    const uint32_t g2 = g.Add(90, 2);
    const uint32_t g1Low = g.Add(-20, 1);
    const uint32_t g4HighByte = g.Add(-30, 0x200);
    DataOnlyList list(g.rows);
    uint32_t flags = kDescendingFlag;
    const GroupSortResult result = SortAndGroup(list, g.Request(0), flags, SavedSelection{});
    EXPECT_TRUE(result.sorted);
    EXPECT_EQ(list.Data(), (std::vector<uint32_t>{g1Low, g1High, g2, g3, g4HighByte, g4Seven}));
    EXPECT_EQ(flags, 0u);
    EXPECT_EQ(result.sortState, 0u);

    const GroupSortResult descending = SortAndGroup(list, g.Request(1), flags, SavedSelection{});
    EXPECT_EQ(list.Data(), (std::vector<uint32_t>{g1High, g1Low, g2, g3, g4Seven, g4HighByte}));
    EXPECT_EQ(flags, kDescendingFlag);
    EXPECT_EQ(descending.sortState, 1u);
}

TEST(SortGroups, DirectionBitFollowsTheModeAndStateCountsEveryBit) {
    for (uint32_t start : {0u, kDescendingFlag, 0x1u, 0x1u | kDescendingFlag}) {
        const uint32_t cleared = start & ~kDescendingFlag;
        const uint32_t set = start | kDescendingFlag;
        const uint32_t flipped = start ^ kDescendingFlag;
        EXPECT_EQ(ApplySortDirection(start, 0), cleared);
        EXPECT_EQ(ApplySortDirection(start, 1), set);
        EXPECT_EQ(ApplySortDirection(start, 2), flipped);
        EXPECT_EQ(ApplySortDirection(start, 3), cleared);
        EXPECT_EQ(ApplySortDirection(start, 4), set);
        EXPECT_EQ(ApplySortDirection(start, 5), flipped);
        EXPECT_EQ(ApplySortDirection(start, 0xFFFFFFFFu), flipped);
    }

    // Mode 2 twice: descending, then ascending again, from a clear bit.
    GroupedGrid g;
    const uint32_t low = g.Add(1, 4);
    const uint32_t high = g.Add(2, 4);
    DataOnlyList list(g.rows);
    uint32_t flags = 0;
    EXPECT_EQ(SortAndGroup(list, g.Request(2), flags, {}).sortState, 1u);
    EXPECT_EQ(list.Data(), (std::vector<uint32_t>{high, low}));
    EXPECT_EQ(SortAndGroup(list, g.Request(2), flags, {}).sortState, 0u);
    EXPECT_EQ(list.Data(), (std::vector<uint32_t>{low, high}));

    // An ascending sort of a column whose other bit is set still reports a sort state of 1.
    flags = 0x1;
    EXPECT_EQ(SortAndGroup(list, g.Request(0), flags, {}).sortState, 1u);
    EXPECT_EQ(flags, 0x1u);
}

TEST(SortGroups, TailModesKeepTheFirstPositionsAndSortTheRestAfterThem) {
    GroupedGrid g;
    const uint32_t g1b = g.Add(9, 1);
    const uint32_t g1a = g.Add(5, 1);  // smaller key, yet it stays at position 1
    const uint32_t g4 = g.Add(3, 0);
    const uint32_t g3 = g.Add(8, 3);
    const uint32_t g4Low = g.Add(-1, 9);
    DataOnlyList list({g1b, g1a, g4, g3, g4Low});
    uint32_t flags = kDescendingFlag;
    EXPECT_TRUE(SortAndGroup(list, g.Request(3), flags, {}).sorted);
    EXPECT_EQ(list.Data(), (std::vector<uint32_t>{g1b, g1a, g3, g4Low, g4}));
    EXPECT_EQ(list.writes, 3);
    EXPECT_EQ(flags, 0u);

    // The first positions keep whatever rows they hold; the positions after them take the rows
    // they held, grouped and sorted, so no row is shown twice and none is lost.
    DataOnlyList mixed({g3, g4, g1a, g4Low, g1b});
    flags = 0;
    EXPECT_TRUE(SortAndGroup(mixed, g.Request(4), flags, {}).sorted);
    EXPECT_EQ(mixed.Data(), (std::vector<uint32_t>{g3, g4, g1b, g1a, g4Low}));
    EXPECT_EQ(flags, kDescendingFlag);
}

TEST(SortGroups, WithoutANumericColumnFiveEveryRowIsInOneGroup) {
    GroupedGrid g;
    const uint32_t a = g.Add(30, 1);
    const uint32_t b = g.Add(10, 3);
    const uint32_t c = g.Add(20, 2);
    for (const GroupSortRequest& request :
         {g.Request(0, /*columns=*/5), g.Request(0, /*columns=*/6, /*groupKind=*/0)}) {
        DataOnlyList list(g.rows);
        uint32_t flags = 0;
        EXPECT_TRUE(SortAndGroup(list, request, flags, {}).sorted);
        EXPECT_EQ(list.Data(), (std::vector<uint32_t>{b, c, a}));
    }
    // In a tail mode that means every position is written.
    DataOnlyList list(g.rows);
    uint32_t flags = 0;
    EXPECT_TRUE(SortAndGroup(list, g.Request(3, 5), flags, {}).sorted);
    EXPECT_EQ(list.Data(), (std::vector<uint32_t>{b, c, a}));
}

TEST(SortGroups, SelectionTableFollowsTheWrittenRows) {
    GroupedGrid g;
    const uint32_t r0 = g.Add(40, 4);
    const uint32_t r1 = g.Add(10, 4);
    const uint32_t r2 = g.Add(30, 1);
    const uint32_t r3 = g.Add(20, 4);
    const uint32_t notListed = 0x7000;
    // Saved: r0 (twice), r2, a row offset the list does not hold.
    const uint32_t saved[] = {r0, r2, notListed, r0};
    int32_t table[] = {0, 2, 77, 0};
    DataOnlyList list(g.rows);
    uint32_t flags = 0;
    ASSERT_TRUE(SortAndGroup(list, g.Request(0), flags, {saved, table, 4}).sorted);
    ASSERT_EQ(list.Data(), (std::vector<uint32_t>{r2, r1, r3, r0}));
    EXPECT_EQ(table[0], 3);
    EXPECT_EQ(table[1], 0);
    EXPECT_EQ(table[2], 77);
    EXPECT_EQ(table[3], 3);

    // A tail mode does not write the group 1 row, so its entry keeps its old position.
    const uint32_t savedTail[] = {r2, r1};
    int32_t tableTail[] = {0, 1};
    ASSERT_TRUE(SortAndGroup(list, g.Request(4), flags, {savedTail, tableTail, 2}).sorted);
    ASSERT_EQ(list.Data(), (std::vector<uint32_t>{r2, r0, r3, r1}));
    EXPECT_EQ(tableTail[0], 0);
    EXPECT_EQ(tableTail[1], 3);
}

TEST(SortGroups, OnlyTheFirst512SavedEntriesAreUpdated) {
    GroupedGrid g;
    for (int32_t key = 600; key > 0; --key) {
        g.Add(key, 4);
    }
    std::vector<uint32_t> saved(g.rows);  // entry j: the row first at position j
    std::vector<int32_t> table(saved.size(), -1);
    DataOnlyList list(g.rows);
    uint32_t flags = 0;
    ASSERT_TRUE(SortAndGroup(list, g.Request(0), flags,
                             {saved.data(), table.data(), static_cast<uint32_t>(saved.size())})
                    .sorted);
    for (size_t j = 0; j < saved.size(); ++j) {
        const int32_t expected = j < kMaxSavedSelection ? static_cast<int32_t>(599 - j) : -1;
        ASSERT_EQ(table[j], expected) << j;
    }
}

TEST(SortGroups, RefusalsChangeNothing) {
    GroupedGrid g;
    const uint32_t a = g.Add(2, 4);
    const uint32_t b = g.Add(1, 4);
    const uint32_t saved[] = {a};
    int32_t table[] = {0};

    DataOnlyList list(g.rows);
    uint32_t flags = 0x1;
    GroupSortRequest outOfRange = g.Request(1);
    outOfRange.keys.keyColumn = 6;
    EXPECT_FALSE(SortAndGroup(list, outOfRange, flags, {saved, table, 1}).sorted);

    DataOnlyList one({b});
    EXPECT_FALSE(SortAndGroup(one, g.Request(1), flags, {saved, table, 1}).sorted);
    EXPECT_EQ(one.Data(), std::vector<uint32_t>{b});

    // Every scratch request of a sort that would succeed, failing in turn.
    const uint32_t before = SortScratchFaults::RequestCount();
    {
        DataOnlyList probe(g.rows);
        uint32_t probeFlags = 0;
        ASSERT_TRUE(SortAndGroup(probe, g.Request(1), probeFlags, {}).sorted);
    }
    const uint32_t requests = SortScratchFaults::RequestCount() - before;
    ASSERT_GE(requests, 2u);
    for (uint32_t nth = 1; nth <= requests; ++nth) {
        SortScratchFaults::FailNthRequest(nth);
        EXPECT_FALSE(SortAndGroup(list, g.Request(1), flags, {saved, table, 1}).sorted) << nth;
    }
    SortScratchFaults::FailNthRequest(0);

    EXPECT_EQ(list.Data(), (std::vector<uint32_t>{a, b}));
    EXPECT_EQ(list.writes, 0);
    EXPECT_EQ(flags, 0x1u);
    EXPECT_EQ(table[0], 0);
}

}  // namespace
}  // namespace vorlane::sorttest
