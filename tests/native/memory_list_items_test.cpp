// The in-memory list keeps the list box's rules for selection, caret and top index.
#include <gtest/gtest.h>

#include <vector>

#include "memory_list_items.h"

namespace vorlane {
namespace {

std::vector<int32_t> Selected(const MemoryListItems& list, int32_t max = 100) {
    std::vector<int32_t> out(static_cast<size_t>(max > 0 ? max : 1), -7);
    out.resize(static_cast<size_t>(list.GetSelItems(out.data(), max)));
    return out;
}

MemoryListItems ListOf(int32_t count, int32_t pageSize = 1) {
    MemoryListItems list(pageSize);
    for (int32_t i = 0; i < count; ++i) {
        list.Add(static_cast<uint32_t>(i * 12));
    }
    return list;
}

TEST(MemoryListItems, ItemsKeepTheirDataAndBadIndexesAnswerDefinedly) {
    MemoryListItems list(1, 2);
    EXPECT_EQ(list.Add(0), 0);
    EXPECT_EQ(list.Add(12), 1);
    EXPECT_LT(list.Add(24), 0) << "refused beyond the list's room";
    EXPECT_EQ(list.Count(), 2);
    list.SetData(1, 36);
    EXPECT_EQ(list.GetData(1), 36u);
    list.SetData(5, 1);
    EXPECT_EQ(list.GetData(5), MemoryListItems::kNoItem);
    EXPECT_EQ(list.GetData(-1), MemoryListItems::kNoItem);
    EXPECT_FALSE(list.GetSel(2));
}

TEST(MemoryListItems, SelectRangeSelectsForwardAndDeselectsBackward) {
    MemoryListItems list = ListOf(6);
    list.SelectRange(1, 4);
    EXPECT_EQ(Selected(list), (std::vector<int32_t>{1, 2, 3, 4}));
    list.SelectRange(3, 2);
    EXPECT_EQ(Selected(list), (std::vector<int32_t>{1, 4}));
    list.SelectRange(4, 99);
    list.SelectRange(-3, 0);
    EXPECT_EQ(Selected(list), (std::vector<int32_t>{0, 1, 4, 5}));
    EXPECT_EQ(list.GetSelCount(), 4);
}

TEST(MemoryListItems, SetSelMovesTheCaretAndMinusOneMeansEveryItem) {
    MemoryListItems list = ListOf(5);
    list.SetSel(true, 3);
    EXPECT_EQ(list.Caret(), 3);
    list.SetSel(false, 1);
    EXPECT_EQ(list.Caret(), 3) << "deselecting leaves the caret";
    list.SetSel(true, 9);
    EXPECT_EQ(list.Caret(), 3);
    list.SetSel(true, -1);
    EXPECT_EQ(list.GetSelCount(), 5);
    list.SetSel(false, -1);
    EXPECT_EQ(list.GetSelCount(), 0);
}

TEST(MemoryListItems, GetSelItemsIsAscendingAndBounded) {
    MemoryListItems list = ListOf(8);
    for (int32_t i : {6, 2, 4}) {
        list.SetSel(true, i);
    }
    EXPECT_EQ(Selected(list), (std::vector<int32_t>{2, 4, 6}));
    EXPECT_EQ(Selected(list, 2), (std::vector<int32_t>{2, 4}));
    EXPECT_EQ(list.GetSelItems(nullptr, 5), 0);
    EXPECT_TRUE(Selected(list, 0).empty());
}

TEST(MemoryListItems, TopIndexKeepsTheLastPageFull) {
    MemoryListItems list = ListOf(10, 4);
    list.SetTopIndex(3);
    EXPECT_EQ(list.TopIndex(), 3);
    list.SetTopIndex(9);
    EXPECT_EQ(list.TopIndex(), 6);
    list.SetTopIndex(-2);
    EXPECT_EQ(list.TopIndex(), 0);
    MemoryListItems shortList = ListOf(2, 4);
    shortList.SetTopIndex(1);
    EXPECT_EQ(shortList.TopIndex(), 0) << "fewer items than a page";
}

TEST(MemoryListItems, ResetEmptiesTheList) {
    MemoryListItems list = ListOf(10, 3);
    list.SetSel(true, 8);
    list.SetTopIndex(5);
    list.Reset();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.TopIndex(), 0);
    EXPECT_EQ(list.Caret(), 0);
    EXPECT_EQ(list.GetSelCount(), 0);
}

}  // namespace
}  // namespace vorlane
