// Title clicks in the header pane: the sort arrows they set and where they show, the arrow after
// the parent sorts and as GRM_SETSORTARROW sets it, and the GRN_HEADERCLICK they report, for a
// press that moves and for a double click; with GRS_LISTCONVENTIONS a press released elsewhere
// is no click; and titles dragged to move their columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "access_helpers.h"
#include "harness.h"
#include "header_fixture.h"
#include "painting_helpers.h"
#include "real_input.h"
#include "screen_pixels.h"

using namespace testing_support;

namespace {

HICON SortIcon(int id) {
    return static_cast<HICON>(LoadImageA(Library(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
}

// The pixels of `area` as they were in `bare`, with the arrow icon's shape, drawn 17 x 17, over
// them in `color`: where the icon covers a canvas of a colour it has none of.
std::vector<COLORREF> WithArrow(const Capture& bare, RECT area, HICON icon, COLORREF color) {
    constexpr DWORD kUncovered = 0x010203;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    DibCanvas canvas(width, height);
    DWORD* pixels = canvas.bits();
    std::fill(pixels, pixels + width * height, kUncovered);
    DrawIconEx(canvas.dc(), 0, 0, icon, 17, 17, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::vector<COLORREF> result;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool covered = (pixels[y * width + x] & 0xFFFFFF) != kUncovered;
            result.push_back(covered ? color : bare.At(area.left + x, area.top + y));
        }
    }
    return result;
}

TEST_F(Header, TitleClicksSetTheArrowsAndReportTheColumnWithRowMinusOne) {
    // Centred titles keep the text away from the arrows at each button's right end.
    grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200, 0, kGridId);
    ColumnDesc plain = Column(100, GRID_CELL_TEXT, "a");
    plain.titleAlign = GRID_ALIGN_CENTER;
    plain.editorKind = GRID_EDITOR_TEXT;  // its arrow indicator starts at 0
    ColumnDesc numeric = plain;
    numeric.editorKind = GRID_EDITOR_NUMBER;
    ColumnDesc descending = plain;
    descending.flags = 2;
    ASSERT_TRUE(AddColumnDescs(grid, {plain, numeric, descending, Column(20, GRID_CELL_VALUE)}));
    SetPalette(grid, palette);
    HICON ascending = SortIcon(105);
    HICON descendingIcon = SortIcon(106);
    // Each button's arrow stands at its right edge - 9; the next button's frame covers what
    // lies right of it, so the arrow's own part is compared.
    auto arrowArea = [](int column) {
        const int left = 100 * (column + 1) + 1 - 9;
        return RECT{left, 0, left + 9, 17};
    };
    auto arrow = [&](const Capture& c, int column) { return AreaPixels(c, arrowArea(column)); };
    auto trimmed = [&](std::vector<COLORREF> pixels17) {
        std::vector<COLORREF> left;
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 9; ++x) {
                left.push_back(pixels17[y * 17 + x]);
            }
        }
        return left;
    };
    auto expected = [&](const Capture& bare, int column, HICON icon) {
        RECT area = arrowArea(column);
        area.right = area.left + 17;
        return trimmed(WithArrow(bare, area, icon, palette.headerText));
    };

    Capture initial = Titles();
    Click(grid, 50);
    Capture first = Titles();
    EXPECT_EQ(arrow(first, 0), expected(initial, 0, ascending)) << "flags 0: up arrow";

    Click(grid, 250);
    Capture second = Titles();
    EXPECT_EQ(arrow(second, 2), expected(first, 2, descendingIcon)) << "descending: down";
    EXPECT_EQ(arrow(second, 0), arrow(initial, 0));

    Click(grid, 380);  // right of every column: nothing pressed, nothing reported
    EXPECT_EQ(arrow(Titles(), 2), arrow(first, 2)) << "but every arrow goes";

    ASSERT_EQ(parent.records.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const GridNotify& r = parent.records[i];
        EXPECT_EQ(r.code, static_cast<UINT>(GRN_HEADERCLICK));
        EXPECT_EQ(r.column, i == 0 ? 0u : 2u);
        EXPECT_EQ(r.row, 0xFFFFFFFFu);
        EXPECT_EQ(r.hwndFrom, grid);
        EXPECT_EQ(r.idFrom, static_cast<UINT_PTR>(kGridId));
        EXPECT_EQ(r.hwndChild, HeaderPane(grid));
        EXPECT_EQ(r.hwndGrid, grid);
        EXPECT_EQ(r.buttonDown | r.dropList | r.dropRow | r.rightButton | r.activated | r.rowKind |
                      r.virtualKey | r.keyModifiers | static_cast<DWORD>(r.value) |
                      static_cast<DWORD>(r.cancel),
                  0u);
    }
    EXPECT_EQ(Grid_GetColKind(grid, 0), GRID_CELL_TEXT);
    DestroyIcon(ascending);
    DestroyIcon(descendingIcon);
}

// A column's editor says nothing of sorting: no title shows an arrow before a title click.
TEST_F(Header, NoTitleShowsAnArrowBeforeTheFirstTitleClick) {
    const int editors[] = {GRID_EDITOR_TEXT, GRID_EDITOR_NUMBER, GRID_EDITOR_NONE, 8, 9, -1};
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200, 0, kGridId);
    for (int editor : editors) {
        ColumnDesc column = Column(80, GRID_CELL_TEXT, "a");
        column.editorKind = editor;
        ASSERT_EQ(Grid_AddColumn(grid, &column), 0);
    }
    ASSERT_TRUE(AddColumnDescs(grid, {Column(20, GRID_CELL_VALUE)}));
    SetPalette(grid, palette);
    Capture initial = Titles();
    Click(grid, 590);  // right of every column: every arrow goes, nothing is reported
    Capture cleared = Titles();
    EXPECT_TRUE(parent.records.empty());
    for (int i = 0; i < 6; ++i) {
        const RECT button = {80 * i, 0, 80 * i + 81, kHeight};
        EXPECT_TRUE(AreaPixels(initial, button) == AreaPixels(cleared, button))
            << "editor kind " << editors[i] << " shows an arrow";
    }
}

// The arrow keeps its place at the title's right end; the title is laid out left of it, so that
// it shows whole whatever its alignment.
TEST_F(Header, ATitleWithAnArrowShowsWholeLeftOfTheArrow) {
    const RECT button = {1, 1, 100, kHeight - 1};
    const RECT arrowPart = {92, 1, 100, kHeight - 1};  // from the title's right end - 6
    const RECT textPart = {1, 1, 92, kHeight - 1};
    for (int align : {GRID_ALIGN_LEFT, GRID_ALIGN_CENTER, GRID_ALIGN_RIGHT}) {
        grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200, 0, kGridId);
        ColumnDesc size = Column(100, GRID_CELL_NUMBER, "Size");
        size.titleAlign = align;
        size.editorKind = GRID_EDITOR_TEXT;
        ASSERT_TRUE(AddColumnDescs(grid, {size, Column(20, GRID_CELL_VALUE)}));
        SetPalette(grid, palette);
        Capture bare = Titles();
        Click(grid, 50);
        Capture sorted = Titles();
        // The arrow is drawn in the title's colour: the title's pixels are all left of it.
        EXPECT_EQ(CountPixels(sorted, textPart, palette.headerText),
                  CountPixels(bare, button, palette.headerText))
            << "alignment " << align;
        EXPECT_GT(CountPixels(sorted, arrowPart, palette.headerText), 0) << "alignment " << align;
        EXPECT_NE(AreaPixels(sorted, arrowPart), AreaPixels(bare, arrowPart))
            << "alignment " << align << ": the arrow shows";
        DestroyWindow(grid);
    }
    grid = nullptr;
}

// The arrow takes the header text colour of each paint, also after the colours changed.
TEST_F(Header, AnArrowShowsInTheHeaderTextColourOfEachPaint) {
    const RECT arrowPart = {92, 1, 100, kHeight - 1};  // column 0's title right end - 6 on
    grid = MakeGrid();
    Click(grid, 50);
    TestPalette other = palette;
    other.headerText = RGB(16, 128, 48);
    struct Case {
        const TestPalette* colors;
        COLORREF gone;  // the text colour of the paint before
    };
    for (const Case& step : {Case{&other, palette.headerText}, Case{&palette, other.headerText}}) {
        SetPalette(grid, *step.colors);
        const Capture shown = Titles();
        EXPECT_GT(CountPixels(shown, arrowPart, step.colors->headerText), 0);
        EXPECT_EQ(CountPixels(shown, arrowPart, step.gone), 0);
    }
}

TEST_F(Header, AClickReportsTheTitleWhereTheButtonWentDown) {
    grid = MakeGrid();
    Mouse(grid, WM_MOUSEMOVE, 40);
    Mouse(grid, WM_LBUTTONDOWN, 40, MK_LBUTTON);
    Mouse(grid, WM_MOUSEMOVE, 120, MK_LBUTTON);
    Mouse(grid, WM_LBUTTONUP, 120);
    ASSERT_EQ(parent.Codes(), std::vector<UINT>{GRN_HEADERCLICK});
    EXPECT_EQ(parent.records[0].column, 0u);
}

// The real mouse pressed on title 0 and released elsewhere: on the same title, on the next, or
// below the header.
TEST_F(Header, WithTheListConventionsATitleReleasedElsewhereIsNoClick) {
    struct Case {
        POINT to;  // in the header pane
        bool clickWith;
        bool clickWithout;
    };
    const Case cases[] = {{{60, 5}, true, true}, {{120, 5}, false, true}, {{40, 60}, false, true}};
    for (const DWORD style : {DWORD{GRS_LISTCONVENTIONS}, DWORD{0}}) {
        grid = MakeGrid(0, style);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.to.x << "," << c.to.y << " style " << style);
            parent.Clear();
            DragFromTo(HeaderPane(grid), {40, 5}, c.to);
            const bool click = style != 0 ? c.clickWith : c.clickWithout;
            EXPECT_EQ(parent.OfCode(GRN_HEADERCLICK).size(), click ? 1u : 0u);
            // Title 0 came up: the next click reports the title clicked, not it.
            RealClick(grid, 120);
            ASSERT_FALSE(parent.OfCode(GRN_HEADERCLICK).empty());
            EXPECT_EQ(parent.OfCode(GRN_HEADERCLICK).back().column, 1u);
        }
        DestroyWindow(grid);
    }
}

TEST_F(Header, ADoubleClickOnATitleReportsOneClickAndOnlyReleasesTheCapture) {
    grid = MakeGrid();
    Mouse(grid, WM_MOUSEMOVE, 120);
    Mouse(grid, WM_LBUTTONDOWN, 120, MK_LBUTTON);
    Mouse(grid, WM_LBUTTONUP, 120);
    SetCapture(HeaderPane(grid));
    EXPECT_EQ(Mouse(grid, WM_LBUTTONDBLCLK, 120, MK_LBUTTON), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    Mouse(grid, WM_LBUTTONUP, 120);
    ASSERT_EQ(parent.Codes(), std::vector<UINT>{GRN_HEADERCLICK});
    EXPECT_EQ(parent.records[0].column, 1u);
}

// The arrows of the first two titles as a screen reader reads them.
std::vector<std::wstring> Arrows(IAccessible* header) {
    return {DescriptionOf(header, 1), DescriptionOf(header, 2)};
}

// The parent answers each real title click by sorting that column in the step's mode; the arrow
// then shows the order the rows stand in.
TEST_F(Header, AfterTheParentSortsTheClickedColumnItsArrowShowsTheRowsOrder) {
    grid = MakeGrid();
    for (const char* name : {"b", "c", "a", "d"}) {
        GridValue values[3] = {reinterpret_cast<GridValue>(name), 0, 3};
        ASSERT_GE(Grid_AddRow(grid, values), 0);
    }
    int mode = 0;
    parent.onNotify = [&](GridNotify& note) {
        if (note.code == GRN_HEADERCLICK) {
            Grid_Sort(note.hwndGrid, note.column, mode);
        }
    };
    ComScope com;
    AccessibleRef header = AccessibleOf(HeaderPane(grid));
    ASSERT_NE(header, nullptr);
    const int modes[] = {GRID_SORT_TOGGLE,          GRID_SORT_TOGGLE,         GRID_SORT_TOGGLE,
                         GRID_SORT_DESCENDING,      GRID_SORT_ASCENDING,      GRID_SORT_ASCENDING,
                         GRID_SORT_DESCENDING_TAIL, GRID_SORT_ASCENDING_TAIL, 7};
    int step = 0;
    for (int each : modes) {
        SCOPED_TRACE(testing::Message() << "step " << step << ", mode " << each);
        mode = each;
        parent.Clear();
        RealClick(grid, step++ % 2 == 0 ? 30 : 70);  // apart: no double click
        ASSERT_EQ(parent.Codes(), std::vector<UINT>{GRN_HEADERCLICK});
        std::vector<std::string> names;
        for (UINT row = 0; row < 4; ++row) {
            char text[8] = {};
            Grid_GetCell(grid, 0, row, text);
            names.push_back(text);
        }
        const bool up = std::is_sorted(names.begin(), names.end());
        ASSERT_NE(up, std::is_sorted(names.rbegin(), names.rend()));
        EXPECT_EQ(Arrows(header.get()),
                  (std::vector<std::wstring>{up ? L"ascending" : L"descending", L"<none>"}));
    }
}

// GRM_SETSORTARROW sets one title's arrow and takes the others' away, in grids of rows and of
// owner data alike; a column without a title or an arrow of no kind is refused and changes
// nothing. GRM_SORT of an owner-data grid shows the direction it set.
TEST_F(Header, SetSortArrowShowsOneArrowAndRefusesWhatIsNoArrowOrTitle) {
    for (DWORD style : {DWORD{0}, DWORD{GRS_OWNERDATA}}) {
        SCOPED_TRACE(testing::Message() << "style " << style);
        grid = MakeGrid(0, style);
        ComScope com;
        AccessibleRef header = AccessibleOf(HeaderPane(grid));
        ASSERT_NE(header, nullptr);
        const int sortState = Grid_GetSortState(grid);
        auto set = [made = grid](WPARAM column, LPARAM arrow) {
            return [=] { return SendMessageA(made, GRM_SETSORTARROW, column, arrow); };
        };
        struct Case {
            const char* what;
            std::function<LRESULT()> act;
            LRESULT result;
            std::vector<std::wstring> arrows;  // of columns 0 and 1 afterwards
        };
        const Case cases[] = {
            {"up on 0", set(0, GRID_SORTARROW_ASCENDING), 0, {L"ascending", L"<none>"}},
            {"down on 1", set(1, GRID_SORTARROW_DESCENDING), 0, {L"<none>", L"descending"}},
            {"arrow 3", set(0, 3), 1, {L"<none>", L"descending"}},
            {"arrow -1", set(0, -1), 1, {L"<none>", L"descending"}},
            {"the kind column", set(2, GRID_SORTARROW_ASCENDING), 1, {L"<none>", L"descending"}},
            {"column 99", set(99, GRID_SORTARROW_NONE), 1, {L"<none>", L"descending"}},
            {"column -1",
             set(static_cast<WPARAM>(-1), GRID_SORTARROW_ASCENDING),
             1,
             {L"<none>", L"descending"}},
            {"none on 0", set(0, GRID_SORTARROW_NONE), 0, {L"<none>", L"<none>"}},
            {"up on 1", set(1, GRID_SORTARROW_ASCENDING), 0, {L"<none>", L"ascending"}},
        };
        for (const Case& c : cases) {
            EXPECT_EQ(c.act(), c.result) << c.what;
            EXPECT_EQ(Arrows(header.get()), c.arrows) << c.what;
            EXPECT_EQ(Grid_GetSortState(grid), sortState) << c.what;
        }
        if (style == GRS_OWNERDATA) {
            Grid_Sort(grid, 0, GRID_SORT_DESCENDING);
            EXPECT_EQ(Arrows(header.get()), (std::vector<std::wstring>{L"descending", L"<none>"}));
            Grid_Sort(grid, 0, GRID_SORT_TOGGLE);
            EXPECT_EQ(Arrows(header.get()), (std::vector<std::wstring>{L"ascending", L"<none>"}));
        }
        DestroyWindow(grid);
    }
    grid = nullptr;
}

// What a title gesture told the parent: clicks and column moves as (code, column, row).
std::vector<std::vector<UINT>> TitleReports(const RecordingParent& parent) {
    std::vector<std::vector<UINT>> reports;
    for (const GridNotify& record : parent.records) {
        if (record.code == GRN_HEADERCLICK || record.code == GRN_COLUMNORDER) {
            reports.push_back({record.code, record.column, record.row});
        }
    }
    return reports;
}

struct OwnedCount {
    HWND owner;
    int shown;
};

BOOL CALLBACK CountOwnedShown(HWND window, LPARAM data) {
    auto* counted = reinterpret_cast<OwnedCount*>(data);
    counted->shown += GetWindow(window, GW_OWNER) == counted->owner && IsWindowVisible(window);
    return TRUE;
}

// Visible windows the grid owns: the drag's image while it lasts.
int OwnedWindowsShown(HWND grid) {
    OwnedCount count = {grid, 0};
    EnumThreadWindows(GetCurrentThreadId(), CountOwnedShown, reinterpret_cast<LPARAM>(&count));
    return count.shown;
}

TEST_F(Header, DraggedTitlesMoveTheirColumnsReportedAndVetoable) {
    enum class End { Release, Escape };
    struct Case {
        const char* what;
        DWORD style;
        POINT from, to;  // header pane points
        End end;
        bool veto;
        std::vector<UINT> order;
        std::vector<std::vector<UINT>> reports;
    };
    const UINT kOrder = GRN_COLUMNORDER;
    // Four columns 60 wide at 0, 60, 120 and 180; the control is 400 wide.
    const Case cases[] = {
        {"right, past a neighbour's middle",
         GRS_DRAGCOLUMNS,
         {30, 5},
         {150, 8},
         End::Release,
         false,
         {1, 2, 0, 3},
         {{kOrder, 0, 2}}},
        {"left, onto the first title's left half",
         GRS_DRAGCOLUMNS,
         {150, 5},
         {10, 5},
         End::Release,
         false,
         {2, 0, 1, 3},
         {{kOrder, 2, 0}}},
        {"to the end, past the last title",
         GRS_DRAGCOLUMNS,
         {90, 5},
         {300, 5},
         End::Release,
         false,
         {0, 2, 3, 1},
         {{kOrder, 1, 3}}},
        {"back onto its own place",
         GRS_DRAGCOLUMNS,
         {90, 5},
         {70, 5},
         End::Release,
         false,
         {0, 1, 2, 3},
         {}},
        {"Escape cancels",
         GRS_DRAGCOLUMNS,
         {30, 5},
         {150, 5},
         End::Escape,
         false,
         {0, 1, 2, 3},
         {}},
        {"a release below the header cancels",
         GRS_DRAGCOLUMNS,
         {30, 5},
         {150, 60},
         End::Release,
         false,
         {0, 1, 2, 3},
         {}},
        {"the parent vetoes",
         GRS_DRAGCOLUMNS,
         {30, 5},
         {150, 5},
         End::Release,
         true,
         {0, 1, 2, 3},
         {{kOrder, 0, 2}}},
        {"a move within the drag distance is a click",
         GRS_DRAGCOLUMNS,
         {30, 5},
         {32, 6},
         End::Release,
         false,
         {0, 1, 2, 3},
         {{GRN_HEADERCLICK, 0, 0xFFFFFFFF}}},
        {"without the style a release on another title clicks the first",
         0,
         {30, 5},
         {150, 5},
         End::Release,
         false,
         {0, 1, 2, 3},
         {{GRN_HEADERCLICK, 0, 0xFFFFFFFF}}},
    };
    for (const Case& c : cases) {
        grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200, c.style, kGridId);
        ASSERT_TRUE(
            AddColumnDescs(grid, {Column(60, GRID_CELL_TEXT, "a"), Column(60, GRID_CELL_TEXT, "b"),
                                  Column(60, GRID_CELL_TEXT, "c"), Column(60, GRID_CELL_TEXT, "d"),
                                  Column(0, GRID_CELL_VALUE)}));
        FocusForKeys(ListPane(grid));
        parent.Clear();
        parent.vetoCodes.clear();
        if (c.veto) {
            parent.vetoCodes.insert(GRN_COLUMNORDER);
        }
        HWND header = HeaderPane(grid);
        MouseTo(header, c.from);
        DragTo(header, c.to, false);
        if (c.end == End::Escape) {
            EXPECT_EQ(OwnedWindowsShown(grid), 1) << c.what << ": the image follows the pointer";
            TypeChord({VK_ESCAPE});
        }
        LeftButton(false);
        UINT order[4] = {9, 9, 9, 9};
        EXPECT_EQ(Grid_GetColOrder(grid, 4, order), 4u) << c.what;
        EXPECT_EQ(std::vector<UINT>(order, order + 4), c.order) << c.what;
        EXPECT_EQ(TitleReports(parent), c.reports) << c.what;
        EXPECT_EQ(OwnedWindowsShown(grid), 0) << c.what << ": the image goes";
        DestroyWindow(grid);
        ParkPointer();
    }
    parent.vetoCodes.clear();
    // A parent that destroys the control on hearing of the move meets no fault.
    grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200, GRS_DRAGCOLUMNS, kGridId);
    ASSERT_TRUE(
        AddColumnDescs(grid, {Column(60, GRID_CELL_TEXT, "a"), Column(60, GRID_CELL_TEXT, "b"),
                              Column(0, GRID_CELL_VALUE)}));
    parent.onNotify = [this](GridNotify& record) {
        if (record.code == GRN_COLUMNORDER) {
            DestroyWindow(grid);
        }
    };
    MouseTo(HeaderPane(grid), POINT{30, 5});
    DragTo(HeaderPane(grid), POINT{100, 5});
    parent.onNotify = nullptr;
    EXPECT_FALSE(IsWindow(grid));
    EXPECT_EQ(OwnedWindowsShown(grid), 0);
    grid = nullptr;
}

}  // namespace
