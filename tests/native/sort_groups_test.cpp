// Sorting with grouping over the list seam: the groups' order, what each mode writes, the
// direction bit, the selection table, and refusals that must change nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
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
        ++reads;
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
    mutable int reads = 0;

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
    const GroupSortResult result = SortAndGroup(list, g.Request(0), flags);
    EXPECT_TRUE(result.sorted);
    EXPECT_EQ(list.Data(), (std::vector<uint32_t>{g1Low, g1High, g2, g3, g4HighByte, g4Seven}));
    EXPECT_EQ(flags, 0u);
    EXPECT_EQ(result.sortState, 0u);

    const GroupSortResult descending = SortAndGroup(list, g.Request(1), flags);
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

// A position is selected after the sort exactly when it shows a row that a selected position
// showed before; every selected row is followed, however many there are.
TEST(SortGroups, SelectedPositionsFollowTheirRows) {
    GroupedGrid g;
    for (int32_t key = 1500; key > 0; --key) {
        g.Add(key % 7 == 0 ? -key : key, key % 5 == 0 ? 1 : 4);  // group 1 every fifth row
    }
    const std::vector<uint32_t> rows = g.rows;
    std::vector<uint32_t> everyThird;
    for (uint32_t p = 0; p < rows.size(); p += 3) {
        everyThird.push_back(p);
    }
    std::vector<uint32_t> all(rows.size());
    std::iota(all.begin(), all.end(), 0u);
    struct Case {
        const char* name;
        std::vector<uint32_t> list;
        uint32_t mode;
        std::vector<uint32_t> selected;
    };
    const Case cases[] = {
        {"ascending, every third", rows, 0, everyThird},
        {"descending, all", rows, 1, all},
        {"tail mode, every third", rows, 3, everyThird},
        {"positions past the rows dropped", rows, 0, {2, 1499, 1500, 70000}},
        {"none", rows, 0, {}},
    };
    for (const Case& c : cases) {
        DataOnlyList list(c.list);
        std::vector<uint32_t> wasShown;
        for (uint32_t p : c.selected) {
            if (p < c.list.size()) {
                wasShown.push_back(c.list[p]);
            }
        }
        std::vector<uint32_t> selected = c.selected;
        uint32_t flags = 0;
        ASSERT_TRUE(SortAndGroup(list, g.Request(c.mode), flags, &selected).sorted) << c.name;
        std::vector<uint32_t> expected;
        for (uint32_t p = 0; p < list.Data().size(); ++p) {
            if (std::find(wasShown.begin(), wasShown.end(), list.Data()[p]) != wasShown.end()) {
                expected.push_back(p);
            }
        }
        EXPECT_EQ(selected, expected) << c.name;
    }

    // The model checked by hand: keys 40, 10, 30, 20 with the 30 in group 1.
    GroupedGrid small;
    const uint32_t r0 = small.Add(40, 4);
    small.Add(10, 4);
    const uint32_t r2 = small.Add(30, 1);
    small.Add(20, 4);
    DataOnlyList list(small.rows);
    std::vector<uint32_t> selected = {0, 2};
    uint32_t flags = 0;
    ASSERT_TRUE(SortAndGroup(list, small.Request(0), flags, &selected).sorted);
    ASSERT_EQ(list.Data()[0], r2);
    ASSERT_EQ(list.Data()[3], r0);
    EXPECT_EQ(selected, (std::vector<uint32_t>{0, 3}));
}

TEST(SortGroups, RefusalsChangeNothing) {
    GroupedGrid g;
    const uint32_t a = g.Add(2, 4);
    const uint32_t b = g.Add(1, 4);
    std::vector<uint32_t> selected = {0};

    DataOnlyList list(g.rows);
    uint32_t flags = 0x1;
    GroupSortRequest outOfRange = g.Request(1);
    outOfRange.keys.keyColumn = 6;
    EXPECT_FALSE(SortAndGroup(list, outOfRange, flags, &selected).sorted);

    DataOnlyList one({b});
    EXPECT_FALSE(SortAndGroup(one, g.Request(1), flags, &selected).sorted);
    EXPECT_EQ(one.Data(), std::vector<uint32_t>{b});

    // Every scratch request of a sort that would succeed, failing in turn.
    const uint32_t before = SortScratchFaults::RequestCount();
    {
        DataOnlyList probe(g.rows);
        uint32_t probeFlags = 0;
        std::vector<uint32_t> probeSelected = {0};
        ASSERT_TRUE(SortAndGroup(probe, g.Request(1), probeFlags, &probeSelected).sorted);
    }
    const uint32_t requests = SortScratchFaults::RequestCount() - before;
    ASSERT_GE(requests, 2u);
    for (uint32_t nth = 1; nth <= requests; ++nth) {
        SortScratchFaults::FailNthRequest(nth);
        EXPECT_FALSE(SortAndGroup(list, g.Request(1), flags, &selected).sorted) << nth;
    }
    SortScratchFaults::FailNthRequest(0);

    EXPECT_EQ(list.Data(), (std::vector<uint32_t>{a, b}));
    EXPECT_EQ(list.writes, 0);
    EXPECT_EQ(flags, 0x1u);
    EXPECT_EQ(selected, std::vector<uint32_t>{0});
}

}  // namespace
}  // namespace vorlane::sorttest
