// Typing in the list pane: characters typed within a second of each other build a prefix, and
// the next row whose column 0 begins with it, compared as the sort compares texts, becomes
// current as Down makes a row current. And the focus mark: the current row shows the focus
// rectangle while the pane has the focus, unless the UI state hides focus cues.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "harness.h"
#include "input_helpers.h"
#include "list_input_fixture.h"
#include "owner_rows_parent.h"
#include "painting_fixture.h"
#include "unicode_grid.h"

using namespace testing_support;

namespace {

// Column 0 of the unsorted rows; sorted they read Alpha, apple, avocado, Banana, beta, cherry.
const char* const kNames[] = {"beta", "Alpha", "cherry", "apple", "Banana", "avocado"};

struct Typed {
    char unit;
    DWORD time;         // the message time it is typed at, milliseconds
    UINT currentAfter;  // the current row then
};

struct FindCase {
    const char* name;
    bool sorted;
    UINT start;  // the current row before, nothing selected
    std::vector<Typed> typed;
};

// Types one character as the system delivers it: WM_CHAR at a chosen message time.
void TypeAt(HWND pane, WPARAM unit, DWORD time, bool wide = false) {
    if (GetFocus() != pane) {
        SetFocus(pane);
    }
    SetThreadMessageTime(time);
    if (wide) {
        SendMessageW(pane, WM_CHAR, unit, 1);
    } else {
        SendMessageA(pane, WM_CHAR, unit, 1);
    }
}

TEST_F(ListInput, TypedCharactersMakeTheNextRowBeginningWithThemCurrent) {
    const FindCase cases[] = {
        {"a letter finds the next row beginning with it", false, 0, {{'a', 1000, 1}}},
        {"a capital finds the same rows", false, 2, {{'B', 1000, 4}}},
        {"a repeated letter steps through its rows and wraps around",
         false,
         0,
         {{'a', 1000, 1}, {'a', 1100, 3}, {'a', 1200, 5}, {'a', 1300, 1}}},
        {"the search wraps around past the last row", false, 5, {{'b', 1000, 0}}},
        {"a longer prefix searches from the current row itself",
         false,
         0,
         {{'a', 1000, 1}, {'p', 1500, 3}, {'p', 2400, 3}, {'l', 3300, 3}}},
        {"a pause of a second starts a new prefix",
         false,
         0,
         {{'a', 1000, 1}, {'v', 2000, 1}, {'a', 5000, 3}, {'v', 5999, 5}}},
        {"a prefix that no row begins with changes nothing",
         false,
         2,
         {{'z', 1000, 2}, {'c', 1100, 2}, {'a', 3000, 3}, {'x', 3100, 3}}},
        {"control characters and a leading space are not typed",
         false,
         0,
         {{'\r', 1000, 0}, {'\t', 1100, 0}, {'\x1b', 1200, 0}, {'\b', 1300, 0}, {' ', 1400, 0}}},
        {"a sorted list steps in its sorted order",
         true,
         0,
         {{'a', 1000, 1}, {'a', 1100, 2}, {'a', 1200, 0}, {'b', 5000, 3}, {'e', 5100, 4}}},
    };
    ASSERT_TRUE(AddStandardColumns(grid));
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.name);
        Grid_ClearRows(grid);
        for (const char* name : kNames) {
            AddStandardRow(grid, name, "", 1, 2, 3, 6);
        }
        if (c.sorted) {
            Grid_Sort(grid, 0, GRID_SORT_ASCENDING);
        }
        StartAt(c.start);
        TypeAt(pane, 'q', 100000);  // any prefix of an earlier case has long gone
        std::vector<UINT> selected;
        for (const Typed& t : c.typed) {
            SCOPED_TRACE(std::string(1, t.unit) + " at " + std::to_string(t.time));
            const UINT before = Grid_GetCurRow(grid);
            parent.Clear();
            TypeAt(pane, static_cast<unsigned char>(t.unit), t.time);
            EXPECT_EQ(Grid_GetCurRow(grid), t.currentAfter);
            // A move selects the found row alone, with the click and change of a current cell;
            // finding the current row itself changes nothing.
            const bool moved = t.currentAfter != before;
            if (moved) {
                selected = {t.currentAfter};
            }
            EXPECT_EQ(SelectedRows(grid), selected);
            const std::vector<UINT> moveCodes = {GRN_CELLCLICK, GRN_CURCELLCHANGED};
            EXPECT_EQ(parent.Codes(), moved ? moveCodes : std::vector<UINT>{});
        }
    }
}

TEST_F(ListInput, AKeyTheParentConsumesTypesNothing) {
    ASSERT_TRUE(AddStandardColumns(grid));
    for (const char* name : kNames) {
        AddStandardRow(grid, name, "", 1, 2, 3, 6);
    }
    parent.hearKeys = true;
    for (const bool consume : {true, false}) {
        SCOPED_TRACE(consume ? "consumed" : "passed on");
        StartAt(0);
        parent.vetoCodes = consume ? std::set<UINT>{GRN_KEYDOWN} : std::set<UINT>{};
        KeyDown(pane, 'C', 0x2E);
        TypeAt(pane, 'c', 1000 + (consume ? 0 : 5000));
        EXPECT_EQ(Grid_GetCurRow(grid), consume ? 0u : 2u);
    }
}

// Unicode grids take UTF-16 units and fold them as their sort does (Cyrillic capitals
// included); ANSI grids take the code page's bytes, even when the character is sent wide.
TEST_F(ListInput, TypedCharactersReachBothWidthsOfGrid) {
    HWND wideGrid = MakeWideGrid(parent.hwnd(), u"", 0, 0);
    for (const Units& name : {Units(u"\u0436\u0443\u043a"), Units(u"\u03b1"),
                              Units(u"\u0416\u0430\u0431\u0430"), Units(u"Ab"), kMixed}) {
        AddWideRow(wideGrid, name);
    }
    Grid_SetCurCell(wideGrid, 0, 0);
    HWND widePane = ListPane(wideGrid);
    TypeAt(widePane, 0x0436, 1000, true);  // small zhe finds the row of capital Zhe
    EXPECT_EQ(Grid_GetCurRow(wideGrid), 2u);
    TypeAt(widePane, 'A', 5000, true);
    EXPECT_EQ(Grid_GetCurRow(wideGrid), 3u);
    TypeAt(widePane, 0x00C9, 5100, true);  // capital E acute continues "A" to the e acute row
    EXPECT_EQ(Grid_GetCurRow(wideGrid), 4u);

    ASSERT_TRUE(AddStandardColumns(grid));
    for (const char* name : {"plain", "\xE9t\xE9", "\xC9t\xE9"}) {
        AddStandardRow(grid, name, "", 1, 2, 3, 6);
    }
    StartAt(0);
    TypeAt(pane, 0x00C9, 1000, true);  // E acute: byte 0xC9, which only a-z folding leaves alone
    EXPECT_EQ(Grid_GetCurRow(grid), 2u);
}

// An owner-data grid finds as an ordinary grid of the same rows does, and asks its parent for
// a bounded number of rows however many it has.
TEST(OwnerDataTyping, FindsAsAnOrdinaryGridAndAsksForBoundedRows) {
    RecordingParent parent;
    OwnerRowsModel model;
    for (const char* name : kNames) {
        model.rows.push_back({name, "", 1, 2, 3, 6});
    }
    HWND owner = CreateStandardGrid(parent.hwnd(), true);
    HWND plain = CreateStandardGrid(parent.hwnd(), false, 0, 250);
    model.Serve(parent, owner);
    model.Show(owner);
    model.Fill(plain);
    const Typed typed[] = {{'a', 1000, 1}, {'a', 1100, 3}, {'b', 3000, 4}, {'e', 3100, 0}};
    for (HWND grid : {owner, plain}) {
        Grid_SetCurCell(grid, 0, 0);
        for (const Typed& t : typed) {
            TypeAt(ListPane(grid), static_cast<unsigned char>(t.unit), t.time);
            EXPECT_EQ(Grid_GetCurRow(grid), t.currentAfter) << (grid == owner ? "owner" : "plain");
        }
    }

    Grid_SetRowCount(owner, 10'000'000);
    parent.Clear();
    TypeAt(ListPane(owner), 'q', 9000);
    const size_t asked = OwnerRowsModel::FetchedRows(parent).size();
    EXPECT_GT(asked, 0u);
    EXPECT_LE(asked, 1000u);
    EXPECT_EQ(Grid_GetCurRow(owner), 0u);
}

// A keystroke looks at no more than 100,000 rows: a row further on is found from nearer it.
TEST_F(ListInput, AKeystrokeLooksAtABoundedNumberOfRows) {
    ASSERT_TRUE(AddStandardColumns(grid));
    constexpr UINT kRows = 100002;
    std::vector<GridValue> values(6 * kRows);
    for (UINT row = 0; row < kRows; ++row) {
        const char* name = row + 1 == kRows ? "zeta" : "r";
        const GridValue cells[] = {reinterpret_cast<GridValue>(name), 0, 1, 2, 3, 6};
        std::copy(std::begin(cells), std::end(cells), values.begin() + 6 * row);
    }
    ASSERT_EQ(Grid_AddRows(grid, kRows, values.data()), 0);
    StartAt(0);
    TypeAt(pane, 'z', 1000);
    EXPECT_EQ(Grid_GetCurRow(grid), 0u);
    StartAt(1);
    TypeAt(pane, 'z', 5000);
    EXPECT_EQ(Grid_GetCurRow(grid), kRows - 1);
}

struct MarkCase {
    const char* name;
    bool focus;
    bool hideCues;
    bool marked;
};

// Pixels of the row's top and left edges that are not the row background.
int MarkedPixels(const Capture& rows, int row) {
    const RECT top = {0, RowTop(row), 260, RowTop(row) + 1};
    const RECT left = {0, RowTop(row), 1, RowTop(row) + kRow};
    return 260 + kRow - CountPixels(rows, top, TestPalette().rowBack) -
           CountPixels(rows, left, TestPalette().rowBack);
}

TEST_F(Painting, TheCurrentRowShowsTheFocusRectangleWhileThePaneHasTheFocus) {
    const MarkCase cases[] = {
        {"with the focus", true, false, true},
        {"without the focus", false, false, false},
        {"with focus cues hidden", true, true, false},
        {"with focus cues shown again", true, false, true},
    };
    MakeGrid();
    HWND pane = ListPane(grid);
    Grid_SetCurCell(grid, 0, 1);
    Grid_DeselectAll(grid);
    for (const MarkCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetFocus(c.focus ? pane : parent.hwnd());
        SendMessageA(pane, WM_UPDATEUISTATE,
                     MAKEWPARAM(c.hideCues ? UIS_SET : UIS_CLEAR, UISF_HIDEFOCUS), 0);
        UpdateWindow(pane);
        const Capture rows = Rows();
        EXPECT_EQ(MarkedPixels(rows, 1) > 0, c.marked);
        EXPECT_EQ(MarkedPixels(rows, 0), 0);
        EXPECT_EQ(MarkedPixels(rows, 2), 0);
    }
    // The mark follows the current row, and leaves no trace behind.
    SetFocus(pane);
    Grid_SetCurCell(grid, 0, 3);
    Grid_DeselectAll(grid);
    UpdateWindow(pane);
    const Capture rows = Rows();
    EXPECT_EQ(MarkedPixels(rows, 1), 0);
    EXPECT_GT(MarkedPixels(rows, 3), 0);
    SetFocus(parent.hwnd());
}

}  // namespace
