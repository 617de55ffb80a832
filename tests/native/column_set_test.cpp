// Columns: layout, editor limits, titles and masks in the label pool, and the column limits.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "store/grid_store.h"

namespace vorlane {
namespace {

ColumnDescriptor Column(int32_t width, int32_t cellKind = kCellText,
                        int32_t editorKind = kEditorText, uint32_t editLimit = 0) {
    ColumnDescriptor column;
    column.width = width;
    column.cellKind = cellKind;
    column.editorKind = editorKind;
    column.editLimit = editLimit;
    return column;
}

TEST(ColumnLayout, XFollowsWidthsAndRelayoutStartsAtTheChangedColumn) {
    ColumnSet columns;
    columns.Add(Column(100));
    columns.Add(Column(50));
    columns.Add(Column(30));
    EXPECT_EQ(columns.Get(0)->x, 0);
    EXPECT_EQ(columns.Get(1)->x, 100);
    EXPECT_EQ(columns.Get(2)->x, 150);
    EXPECT_EQ(columns.TotalWidth(), 180u);
    ASSERT_TRUE(columns.SetWidth(1, 70));
    EXPECT_EQ(columns.Get(0)->x, 0);
    EXPECT_EQ(columns.Get(1)->x, 100);
    EXPECT_EQ(columns.Get(2)->x, 170);
    EXPECT_EQ(columns.TotalWidth(), 200u);
    EXPECT_FALSE(columns.SetWidth(3, 10));
    EXPECT_EQ(columns.TotalWidth(), 200u);
}

TEST(ColumnLayout, OutOfRangeReadsGiveZero) {
    ColumnSet columns;
    columns.Add(Column(40, kCellNumber));
    EXPECT_EQ(columns.Width(0), 40);
    EXPECT_EQ(columns.CellKind(0), kCellNumber);
    EXPECT_EQ(columns.Width(1), 0);
    EXPECT_EQ(columns.CellKind(1), 0);
    EXPECT_EQ(columns.Get(1), nullptr);
    EXPECT_FALSE(columns.SetFlags(1, 2));
}

TEST(ColumnFields, EditLimitTakesTheEditorsDefault) {
    ColumnSet columns;
    const struct {
        int32_t editorKind;
        uint32_t requested;
        uint32_t stored;
    } cases[] = {{kEditorText, 0, 511},  {kEditorText, 600, 511},
                 {kEditorText, 20, 20},  {kEditorText, 511, 511},
                 {kEditorNumber, 0, 11}, {kEditorNumber, 12, 11},
                 {kEditorNumber, 8, 8},  {2, 0, 0},
                 {2, 9999, 9999},        {-1, 600, 600}};
    for (const auto& c : cases) {
        uint32_t index = *columns.Add(Column(10, kCellText, c.editorKind, c.requested));
        EXPECT_EQ(columns.Get(index)->editLimit, c.stored)
            << "editor " << c.editorKind << " limit " << c.requested;
    }
}

TEST(ColumnFields, DescriptorIsCopied) {
    static const char kFolder[] = "C:\\data";
    ColumnDescriptor column = Column(64, 7, kEditorNumber, 5);
    column.folderPrefix = kFolder;
    column.titleAlign = 1;
    column.cellAlign = 2;
    column.imageList = static_cast<uintptr_t>(0xABCD);
    column.flags = 3;
    column.reserved = 99;
    ColumnSet columns;
    const ColumnRecord& record = *columns.Get(*columns.Add(column));
    EXPECT_EQ(record.folderPrefix, kFolder) << "the client's pointer, not a copy";
    EXPECT_EQ(record.titleAlign, 1);
    EXPECT_EQ(record.cellAlign, 2);
    EXPECT_EQ(record.cellKind, 7);
    EXPECT_EQ(record.imageList, 0xABCDu);
    EXPECT_EQ(record.flags, 3u);
    EXPECT_EQ(record.reserved, 99u);
    EXPECT_EQ(record.titleOffset, 0u);
    EXPECT_EQ(record.maskOffset, 0u);
}

TEST(ColumnTitles, TheKindColumnsTitleIsNeverServed) {
    ColumnSet columns;
    char buffer[32] = "untouched";
    EXPECT_FALSE(columns.GetTitle(0, buffer, sizeof buffer)) << "no columns at all";
    ColumnDescriptor name = Column(10);
    name.title = "Name";
    ColumnDescriptor kind = Column(0, 2, 2);
    kind.title = "Kind";
    columns.Add(name);
    columns.Add(kind);
    ASSERT_TRUE(columns.GetTitle(0, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "Name");
    std::strcpy(buffer, "untouched");
    EXPECT_FALSE(columns.GetTitle(1, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_NE(columns.Get(1)->titleOffset, 0u) << "stored, only not served";
}

TEST(ColumnTitles, SetTitleReplacesOrRemovesAndGetTitleIsBounded) {
    ColumnSet columns;
    columns.Add(Column(10));
    columns.Add(Column(10));
    ASSERT_TRUE(columns.SetTitle(0, "Size in bytes"));
    char small[5];
    ASSERT_TRUE(columns.GetTitle(0, small, sizeof small));
    EXPECT_STREQ(small, "Size");
    ASSERT_TRUE(columns.SetTitle(0, nullptr));
    EXPECT_EQ(columns.Get(0)->titleOffset, 0u);
    char buffer[8] = "kept";
    EXPECT_FALSE(columns.GetTitle(0, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "kept");
    EXPECT_FALSE(columns.SetTitle(2, "none"));
}

TEST(ColumnTitles, LabelsSurviveClearingTheRows) {
    GridStore store;
    ColumnDescriptor number = Column(50, kCellNumber, kEditorNumber);
    number.title = "Phone";
    number.mask = "###-####";
    store.AddColumn(number);
    store.AddColumn(Column(0, 2, 2));
    const intptr_t row[] = {5551234, 0};
    ASSERT_TRUE(store.AppendRow(row));
    ASSERT_TRUE(store.ClearRows());
    char buffer[16] = "";
    ASSERT_TRUE(store.columns().GetTitle(0, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "Phone");
    ASSERT_NE(store.columns().MaskText(0), nullptr);
    EXPECT_STREQ(store.columns().MaskText(0), "###-####");
    EXPECT_EQ(store.columns().MaskText(1), nullptr);
    EXPECT_EQ(store.columns().MaskText(5), nullptr);
}

TEST(ColumnLimits, AddingIsRefusedWhileRowsExistAndBeyondTheRoom) {
    GridStore store;
    store.AddColumn(Column(10));
    ASSERT_TRUE(store.AppendRow(nullptr));
    EXPECT_FALSE(store.AddColumn(Column(20)));
    EXPECT_EQ(store.columns().Count(), 1u);
    store.ClearRows();
    EXPECT_EQ(store.AddColumn(Column(20)), 1u) << "appended after the old column";
    EXPECT_EQ(store.columns().Get(1)->x, 10);

    ColumnSet full;
    for (uint32_t i = 0; i < kMaxColumns; ++i) {
        ASSERT_EQ(full.Add(Column(1)), i);
    }
    EXPECT_FALSE(full.Add(Column(1)));
    EXPECT_EQ(full.Count(), kMaxColumns);
    EXPECT_EQ(full.TotalWidth(), kMaxColumns);
}

}  // namespace
}  // namespace vorlane

namespace vorlane {
namespace {

// Five columns of widths 10, 20, 30, 40 and the kind column of 5, laid out in a given order
// with a given set hidden.
struct LayoutCase {
    const char* name;
    std::vector<uint32_t> order;   // applied when not empty
    std::vector<uint32_t> hidden;  // columns hidden after the order
    bool orderTaken;               // SetOrder's answer
    std::vector<uint32_t> shown;   // the shown walk
    std::vector<int32_t> x;        // x of columns 0..3
    uint32_t total;
};

TEST(ColumnOrder, OrderAndHiddenSetWalkAndLayout) {
    const LayoutCase cases[] = {
        {"as added", {}, {}, true, {0, 1, 2, 3}, {0, 10, 30, 60}, 105},
        {"reversed", {3, 2, 1, 0}, {}, true, {3, 2, 1, 0}, {90, 70, 40, 0}, 105},
        {"hidden keeps x of the next", {}, {1}, true, {0, 2, 3}, {0, 10, 10, 40}, 85},
        {"column 0 hidden, reordered", {2, 0, 3, 1}, {0}, true, {2, 3, 1}, {30, 70, 0, 30}, 95},
        {"duplicate refused", {0, 0, 1, 2}, {}, false, {0, 1, 2, 3}, {0, 10, 30, 60}, 105},
        {"kind column refused", {0, 1, 2, 4}, {}, false, {0, 1, 2, 3}, {0, 10, 30, 60}, 105},
        {"short refused", {1, 0, 2}, {}, false, {0, 1, 2, 3}, {0, 10, 30, 60}, 105},
        {"out of range refused", {0, 1, 2, 9}, {}, false, {0, 1, 2, 3}, {0, 10, 30, 60}, 105},
        {"all hidden", {}, {0, 1, 2, 3}, true, {}, {0, 0, 0, 0}, 5},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        ColumnSet columns;
        for (int32_t width : {10, 20, 30, 40, 5}) {
            columns.Add(Column(width));
        }
        if (!c.order.empty()) {
            EXPECT_EQ(columns.SetOrder(c.order.data(), static_cast<uint32_t>(c.order.size())),
                      c.orderTaken);
        }
        for (uint32_t column : c.hidden) {
            EXPECT_TRUE(columns.SetHidden(column, true));
        }
        std::vector<uint32_t> walked;
        for (uint32_t column : columns.Shown()) {
            walked.push_back(column);
        }
        EXPECT_EQ(walked, c.shown);
        for (uint32_t column = 0; column < 4; ++column) {
            EXPECT_EQ(columns.Get(column)->x, c.x[column]) << "column " << column;
        }
        EXPECT_EQ(columns.TotalWidth(), c.total);
        for (uint32_t column : c.hidden) {
            EXPECT_EQ(columns.Width(column), (column + 1) * 10)
                << "a hidden column keeps its width";
        }
        uint32_t order[4] = {};
        EXPECT_EQ(columns.GetOrder(order, 4), 4u);
        if (c.orderTaken && !c.order.empty()) {
            EXPECT_EQ(std::vector<uint32_t>(order, order + 4), c.order);
        }
        if (!walked.empty()) {
            EXPECT_EQ(columns.ShownNeighbour(walked.front(), false), std::nullopt);
            EXPECT_EQ(columns.ShownNeighbour(walked.back(), true), std::nullopt);
        }
        for (size_t i = 0; i + 1 < walked.size(); ++i) {
            EXPECT_EQ(columns.ShownNeighbour(walked[i], true), walked[i + 1]);
            EXPECT_EQ(columns.ShownNeighbour(walked[i + 1], false), walked[i]);
        }
    }
}

TEST(ColumnOrder, BadArgumentsChangeNothing) {
    ColumnSet columns;
    EXPECT_FALSE(columns.SetOrder(nullptr, 0)) << "no columns";
    EXPECT_EQ(columns.GetOrder(nullptr, 0), 0u);
    columns.Add(Column(10));
    columns.Add(Column(20));
    columns.Add(Column(5));
    EXPECT_FALSE(columns.SetOrder(nullptr, 2));
    EXPECT_FALSE(columns.SetHidden(2, true)) << "the kind column is never shown anyway";
    EXPECT_FALSE(columns.SetHidden(7, true));
    EXPECT_FALSE(columns.IsShown(2));
    uint32_t one[1] = {99};
    EXPECT_EQ(columns.GetOrder(one, 1), 2u) << "the count, however small the room";
    EXPECT_EQ(one[0], 0u);
    const uint32_t swapped[] = {1, 0};
    ASSERT_TRUE(columns.SetOrder(swapped, 2));
    columns.Add(Column(7));
    EXPECT_EQ(columns.ColumnAt(3), 3u) << "a column added later shows last";
    EXPECT_EQ(columns.PositionOf(0), 1u);
    EXPECT_EQ(columns.Get(3)->x, 35);
}

}  // namespace
}  // namespace vorlane
