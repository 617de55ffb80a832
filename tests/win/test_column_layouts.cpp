// Columns in a display order with hidden ones: one table of layouts, each checked through what
// the user meets: where each column's text is painted, what lies under the pointer, where Tab
// goes, what a copy holds and what a screen reader lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "access_helpers.h"
#include "harness.h"
#include "input_helpers.h"
#include "owner_rows_parent.h"
#include "painting_helpers.h"

using namespace testing_support;

namespace {

enum class Kind { Ansi, Wide, OwnerData };

struct Layout {
    const char* name;
    Kind kind;
    std::vector<UINT> order;   // set when not empty
    std::vector<UINT> hidden;  // hidden after the order
    std::vector<UINT> shown;   // the columns the user sees, left to right
};

const Layout kLayouts[] = {
    {"as added", Kind::Ansi, {}, {}, {0, 1, 2, 3, 4}},
    {"shuffled", Kind::Ansi, {2, 0, 4, 1, 3}, {}, {2, 0, 4, 1, 3}},
    {"reversed, one hidden, unicode", Kind::Wide, {4, 3, 2, 1, 0}, {3}, {4, 2, 1, 0}},
    {"column 0 hidden, owner data", Kind::OwnerData, {1, 2, 0, 3, 4}, {0}, {1, 2, 3, 4}},
    {"two hidden", Kind::Ansi, {}, {1, 2}, {0, 3, 4}},
};

const int kWidths[] = {100, 80, 80, 60, 60};
const char* const kTitles[] = {"Name", "Note", "Size", "A", "B"};
// Row 0 as painted, column by column: texts of different widths.
const char* const kShownTexts[] = {"n", "WWWW", "1", "22,222", "3"};

HWND MakeGrid(RecordingParent& parent, OwnerRowsModel& model, Kind kind) {
    if (kind == Kind::OwnerData) {
        model.rows = {{"n", "WWWW", 1, 22222, 3, 3}, {"m", "x", 0, 0, 0, 3}};
        model.Serve(parent);
        HWND grid = CreateStandardGrid(parent.hwnd(), true);
        model.Show(grid);
        return grid;
    }
    HWND grid = kind == Kind::Wide ? CreateGridW(parent.hwnd(), 0, 0, 500, 204)
                                   : CreateGrid(parent.hwnd(), 0, 0, 500, 204);
    if (kind == Kind::Wide) {
        const wchar_t* const titles[] = {L"Name", L"Note", L"Size", L"A", L"B"};
        for (int column = 0; column < 6; ++column) {
            ColumnDescW desc = {};
            desc.width = column < 5 ? kWidths[column] : 0;
            desc.title = column < 5 ? titles[column] : nullptr;
            desc.cellKind = column < 2 ? GRID_CELL_TEXT : column < 5 ? GRID_CELL_NUMBER : 7;
            desc.editorKind = column < 2 ? GRID_EDITOR_TEXT : GRID_EDITOR_NONE;
            EXPECT_EQ(Grid_AddColumnW(grid, &desc), 0);
        }
        GridValue rows[2][6] = {
            {reinterpret_cast<GridValue>(L"n"), reinterpret_cast<GridValue>(L"WWWW"), 1, 22222, 3,
             3},
            {reinterpret_cast<GridValue>(L"m"), reinterpret_cast<GridValue>(L"x"), 0, 0, 0, 3}};
        EXPECT_EQ(Grid_AddRowsW(grid, 2, &rows[0][0]), 0);
        return grid;
    }
    AddStandardColumns(grid);
    AddStandardRow(grid, "n", "WWWW", 1, 22222, 3, 3);
    AddStandardRow(grid, "m", "x", 0, 0, 0, 3);
    return grid;
}

// Where each shown column starts, by the widths of those left of it.
std::vector<int> ExpectedLefts(const Layout& layout) {
    std::vector<int> lefts;
    int x = 0;
    for (UINT column : layout.shown) {
        lefts.push_back(x);
        x += kWidths[column];
    }
    return lefts;
}

// The ink of `color` in each shown column's span of a pane's strip [top, bottom): its width
// stands for which text was painted there.
std::vector<int> InkWidths(HWND pane, const Layout& layout, int top, int bottom, COLORREF color) {
    RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    const Capture capture(pane);
    std::vector<int> widths;
    const std::vector<int> lefts = ExpectedLefts(layout);
    for (size_t i = 0; i < layout.shown.size(); ++i) {
        const RECT span = {lefts[i], top, lefts[i] + kWidths[layout.shown[i]], bottom};
        const RECT ink = BoundsOf(capture, span, color);
        widths.push_back(ink.right - ink.left);
    }
    return widths;
}

void Apply(HWND grid, const Layout& layout) {
    if (!layout.order.empty()) {
        ASSERT_EQ(
            Grid_SetColOrder(grid, static_cast<UINT>(layout.order.size()), layout.order.data()),
            TRUE);
    }
    for (UINT column : layout.hidden) {
        ASSERT_EQ(Grid_SetColHidden(grid, column, TRUE), TRUE);
    }
}

class ColumnLayouts : public ::testing::TestWithParam<Layout> {
  protected:
    void SetUp() override {
        grid = MakeGrid(parent, model, GetParam().kind);
        SetPalette(grid);
        Apply(grid, GetParam());
        PumpMessages();
    }
    RecordingParent parent;
    OwnerRowsModel model;
    HWND grid = nullptr;
};

TEST_P(ColumnLayouts, CellsAndTitlesStandWhereTheOrderPutsThem) {
    const Layout& layout = GetParam();
    const std::vector<int> lefts = ExpectedLefts(layout);
    for (UINT column = 0; column < 5; ++column) {
        RECT cell = {};
        Grid_GetCellRect(grid, column, 0, &cell);
        const auto at = std::find(layout.shown.begin(), layout.shown.end(), column);
        if (at == layout.shown.end()) {
            EXPECT_EQ(cell.right - cell.left, 0) << "hidden column " << column << " takes no room";
            EXPECT_EQ(Grid_GetColHidden(grid, column), TRUE);
            EXPECT_EQ(Grid_GetColWidth(grid, column), kWidths[column]) << "its width is kept";
        } else {
            EXPECT_EQ(cell.left, lefts[at - layout.shown.begin()]) << "column " << column;
            EXPECT_EQ(Grid_GetColHidden(grid, column), FALSE);
        }
    }
    const int rowHeight = Grid_GetRowHeight(grid);
    const std::vector<int> rowInk =
        InkWidths(ListPane(grid), layout, 0, rowHeight, TestPalette().rowText);
    const std::vector<int> titleInk = InkWidths(
        HeaderPane(grid), layout, 0, Grid_GetHeaderHeight(grid), TestPalette().headerText);
    for (size_t i = 0; i < layout.shown.size(); ++i) {
        const UINT column = layout.shown[i];
        // Ink stands a few pixels inside a text's advance width.
        EXPECT_NEAR(rowInk[i], TextWidth(ListPane(grid), kShownTexts[column]) - 3, 3)
            << "row text of column " << column;
        EXPECT_NEAR(titleInk[i], TextWidth(HeaderPane(grid), kTitles[column]) - 3, 3)
            << "title of column " << column;
    }
}

TEST_P(ColumnLayouts, HitTestNamesTheShownColumnUnderThePoint) {
    const Layout& layout = GetParam();
    const std::vector<int> lefts = ExpectedLefts(layout);
    const int header = Grid_GetHeaderHeight(grid);
    const int rowHeight = Grid_GetRowHeight(grid);
    struct Expected {
        POINT point;
        UINT area;
        UINT column;
        UINT row;
    };
    std::vector<Expected> expected;
    for (size_t i = 0; i < layout.shown.size(); ++i) {
        const UINT column = layout.shown[i];
        const int middle = lefts[i] + kWidths[column] / 2;
        expected.push_back({{middle, header / 2}, GRID_HT_TITLE, column, 0xFFFFFFFF});
        expected.push_back({{middle, header + rowHeight + rowHeight / 2}, GRID_HT_CELL, column, 1});
        expected.push_back(
            {{lefts[i] + kWidths[column], 3}, GRID_HT_COLUMNEDGE, column, 0xFFFFFFFF});
        expected.push_back(
            {{middle, header + 5 * rowHeight}, GRID_HT_BELOWROWS, column, 0xFFFFFFFF});
    }
    const int end = lefts.back() + kWidths[layout.shown.back()];
    expected.push_back({{end + 20, header / 2}, GRID_HT_NOWHERE, 0xFFFFFFFF, 0xFFFFFFFF});
    expected.push_back({{end + 20, header + 2}, GRID_HT_NOWHERE, 0xFFFFFFFF, 0xFFFFFFFF});
    expected.push_back({{-1, 5}, GRID_HT_NOWHERE, 0xFFFFFFFF, 0xFFFFFFFF});
    for (const Expected& e : expected) {
        GridHitTest hit = {e.point, 99, 99, 99};
        EXPECT_EQ(Grid_HitTest(grid, &hit), e.area) << e.point.x << "," << e.point.y;
        EXPECT_EQ(hit.area, e.area);
        EXPECT_EQ(hit.column, e.column) << e.point.x << "," << e.point.y;
        EXPECT_EQ(hit.row, e.row) << e.point.x << "," << e.point.y;
    }
    EXPECT_EQ(Grid_HitTest(grid, nullptr), static_cast<UINT>(GRID_HT_NOWHERE));
}

TEST_P(ColumnLayouts, AnEditorsTabMovesToTheNextShownColumnAndTheListsOwnTabMovesNothing) {
    const Layout& layout = GetParam();
    HWND list = ListPane(grid);
    SetFocus(list);
    Grid_SetCurCell(grid, layout.shown.front(), 0);
    PostMessageA(list, WM_KEYDOWN, VK_TAB, 0x000F0001);
    PumpMessages();
    EXPECT_EQ(Grid_GetCurCol(grid), layout.shown.front()) << "Tab in the list is the parent's";

    // The first shown text column's editor hands its Tab on to the next shown column.
    const auto text = std::find_if(layout.shown.begin(), layout.shown.end() - 1,
                                   [](UINT column) { return column < 2; });
    if (text == layout.shown.end() - 1) {
        return;
    }
    auto editor = reinterpret_cast<HWND>(Grid_BeginEdit(grid, *text, 0));
    ASSERT_NE(editor, nullptr);
    PostMessageA(editor, WM_CHAR, '\t', 1);
    PumpMessages();
    EXPECT_EQ(Grid_GetCurCol(grid), *(text + 1));
}

TEST_P(ColumnLayouts, CopyAndTheAccessibleHeaderFollowTheShownOrder) {
    const Layout& layout = GetParam();
    Grid_SetCurCell(grid, layout.shown.front(), 0);
    ASSERT_EQ(Grid_Copy(grid, TRUE), TRUE);
    std::wstring expected;
    for (UINT column : layout.shown) {
        expected += std::wstring(expected.empty() ? L"" : L"\t");
        for (const char* c = kTitles[column]; *c != 0; ++c) {
            expected += static_cast<wchar_t>(*c);
        }
    }
    expected += L"\r\n";
    for (size_t i = 0; i < layout.shown.size(); ++i) {
        expected += std::wstring(i == 0 ? L"" : L"\t");
        for (const char* c = kShownTexts[layout.shown[i]]; *c != 0; ++c) {
            expected += static_cast<wchar_t>(*c);
        }
    }
    expected += L"\r\n";
    ASSERT_TRUE(OpenClipboard(parent.hwnd()));
    HANDLE memory = GetClipboardData(CF_UNICODETEXT);
    const std::wstring copied =
        memory != nullptr ? static_cast<const wchar_t*>(GlobalLock(memory)) : L"";
    if (memory != nullptr) {
        GlobalUnlock(memory);
    }
    CloseClipboard();
    EXPECT_EQ(copied, expected);

    ComScope com;
    AccessibleRef header = AccessibleOf(HeaderPane(grid));
    ASSERT_NE(header, nullptr);
    LONG count = 0;
    ASSERT_EQ(header->get_accChildCount(&count), S_OK);
    ASSERT_EQ(count, static_cast<LONG>(layout.shown.size()));
    for (LONG id = 1; id <= count; ++id) {
        const std::wstring name = NameOf(header.get(), id);
        const char* title = kTitles[layout.shown[id - 1]];
        EXPECT_EQ(name, std::wstring(title, title + strlen(title))) << "child " << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, ColumnLayouts, ::testing::ValuesIn(kLayouts),
                         [](const ::testing::TestParamInfo<Layout>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 c = isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(ColumnOrderMessages, WrongArraysChangeNothing) {
    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200);
    AddStandardColumns(grid);
    const UINT good[] = {4, 3, 2, 1, 0};
    const struct {
        const char* name;
        std::vector<UINT> order;
        bool usesNull;
    } cases[] = {{"null", {}, true},
                 {"short", {0, 1, 2, 3}, false},
                 {"duplicate", {0, 1, 1, 3, 4}, false},
                 {"kind column", {0, 1, 2, 3, 5}, false},
                 {"out of range", {0, 1, 2, 3, 9}, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(Grid_SetColOrder(grid, c.usesNull ? 5 : static_cast<UINT>(c.order.size()),
                                   c.usesNull ? nullptr : c.order.data()),
                  FALSE)
            << c.name;
        UINT order[5] = {};
        EXPECT_EQ(Grid_GetColOrder(grid, 5, order), 5u);
        EXPECT_EQ(std::vector<UINT>(order, order + 5), (std::vector<UINT>{0, 1, 2, 3, 4}))
            << c.name;
    }
    ASSERT_EQ(Grid_SetColOrder(grid, 5, good), TRUE);
    UINT two[2] = {};
    EXPECT_EQ(Grid_GetColOrder(grid, 2, two), 5u) << "the count, whatever the room";
    EXPECT_EQ(two[1], 3u);
    EXPECT_EQ(Grid_GetColOrder(grid, 0, nullptr), 5u);
    EXPECT_EQ(Grid_SetColHidden(grid, 5, TRUE), FALSE) << "the kind column";
    EXPECT_EQ(Grid_GetColHidden(grid, 5), TRUE) << "the kind column never shows";
    // Numbers past the columns, up to the widest a WPARAM holds, name no column.
    for (const WPARAM column : {WPARAM{50}, WPARAM{0xFFFFFFFFu}, ~WPARAM{0}}) {
        EXPECT_EQ(SendMessageA(grid, GRM_SETCOLHIDDEN, column, TRUE), 0) << column;
        EXPECT_EQ(SendMessageA(grid, GRM_GETCOLHIDDEN, column, 0), 0) << column;
    }
}

}  // namespace
