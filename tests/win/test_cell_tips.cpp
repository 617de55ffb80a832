// Tooltips of cut-off texts: the pointer resting on a cell or a title whose painted text is cut
// off shows the whole text laid over it, in ANSI, Unicode and owner-data grids; a text that
// fits shows none; a move within the cell keeps it; a press, a key, a scroll, a move to another
// cell and the pointer leaving the pane take it away; the tooltip goes with the control, and
// the windows above the control hear nothing from it; a text ended in "..." is covered from the
// left of its room whatever its alignment.
#include <gtest/gtest.h>
#include <windowsx.h>

#include <memory>
#include <string>
#include <vector>

#include "harness.h"
#include "input_helpers.h"
#include "owner_rows_parent.h"
#include "unicode_grid.h"

using namespace testing_support;

namespace {

enum class Kind { Ansi, Unicode, OwnerData };
enum class Place { Cell, Title };
enum class Ender { Press, Key, Scroll, MoveAway, Leave };

// Every grid below has column 0 at x 0, at least 100 pixels wide, then a column from x 120 to
// 180 at least; rows are 17 pixels high. Column 0's text starts after the 16-pixel row image.
constexpr int kInsideX = 40;
constexpr int kOtherColumnX = 150;
constexpr int kCellTextLeft = 16 + 2;
constexpr int kCellTextTop = 1;
constexpr int kTitleTextLeft = 3;
constexpr int kTitleTextTop = 2;
constexpr int kMargins = 10;  // most the tooltip's border and margins put before its text

const Units kLong = u"a file name far longer than its column.txt";
const Units kShort = u"a.txt";
const Units kLongWide =
    u"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac \u0438 "
    u"\u043a\u0438\u0440\u0438\u043b\u043b\u0438\u0446\u0430, "
    u"much too long for the column " +
    kPair;

std::string Narrow(const Units& ascii) {
    return std::string(ascii.begin(), ascii.end());
}

struct TipSearch {
    HWND grid;
    HWND found;
};

BOOL CALLBACK FindOwnedTip(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TipSearch*>(data);
    if (ClassOf(window) == "tooltips_class32" && GetWindow(window, GW_OWNER) == search->grid) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The control's tooltip: a tooltip window the control owns, or null.
HWND TipOf(HWND grid) {
    TipSearch search = {grid, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedTip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

Units TextOf(HWND window) {
    WCHAR text[512] = {};
    GetWindowTextW(window, text, 512);
    return reinterpret_cast<const char16_t*>(text);
}

HWND MakeAnsiGrid(HWND parent, const Units& cell, const Units& title) {
    HWND grid = CreateGrid(parent, 0, 0, 400, 200);
    const std::string name = Narrow(title);
    EXPECT_TRUE(AddColumns(grid, {{100, GRID_CELL_TEXT, GRID_EDITOR_TEXT, name.c_str()},
                                  {80, GRID_CELL_NUMBER, GRID_EDITOR_NUMBER, "Size"},
                                  {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}}));
    const std::string text = Narrow(cell);
    GridValue values[3] = {reinterpret_cast<GridValue>(text.c_str()), 5, 2};
    EXPECT_EQ(Grid_AddRow(grid, values), 0);
    return grid;
}

// A grid whose column 0 shows `cell` in row 0 under the title `title`.
HWND MakeGrid(RecordingParent& parent, Kind kind, const Units& cell, const Units& title,
              OwnerRowsModel& model) {
    switch (kind) {
        case Kind::Ansi: return MakeAnsiGrid(parent.hwnd(), cell, title);
        case Kind::Unicode: {
            HWND grid = MakeWideGrid(parent.hwnd(), title);
            EXPECT_EQ(AddWideRow(grid, cell, 5), 0);
            return grid;
        }
        case Kind::OwnerData: {
            HWND grid = CreateStandardGrid(parent.hwnd(), true);
            model.rows = {{Narrow(cell), "note", 5}};
            model.Serve(parent, grid);
            model.Show(grid);
            return grid;
        }
    }
    return nullptr;
}

// The pointer comes to rest at `point` of the pane, as the system reports it: a move, then the
// hover.
void RestOn(HWND pane, LPARAM point) {
    PointerAt(pane, {GET_X_LPARAM(point), GET_Y_LPARAM(point)});
    SendMessageA(pane, WM_MOUSEMOVE, 0, point);
    SendMessageA(pane, WM_MOUSEHOVER, 0, point);
}

void End(HWND grid, HWND pane, Ender ender, LPARAM point) {
    switch (ender) {
        case Ender::Press:
            SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, point);
            SendMessageA(pane, WM_LBUTTONUP, 0, point);
            ReleaseCapture();
            break;
        case Ender::Key: KeyDown(ListPane(grid), VK_DOWN, 0x50); break;
        case Ender::Scroll: SendMessageA(grid, WM_VSCROLL, SB_LINEDOWN, 0); break;
        case Ender::MoveAway:
            SendMessageA(pane, WM_MOUSEMOVE, 0, MAKELPARAM(kOtherColumnX, HIWORD(point)));
            break;
        case Ender::Leave: SendMessageA(pane, WM_MOUSELEAVE, 0, 0); break;
    }
}

TEST(CellTips, ACutOffTextShowsWholeOverItUntilAPressKeyScrollMoveOrLeave) {
    struct Case {
        const char* name;
        Kind kind;
        Place place;
        Units text;  // the cell's or the title's
        bool cut;
        Ender ender;
    };
    const std::vector<Case> cases = {
        {"ANSI cell cut, pressed", Kind::Ansi, Place::Cell, kLong, true, Ender::Press},
        {"ANSI cell cut, key", Kind::Ansi, Place::Cell, kLong, true, Ender::Key},
        {"ANSI cell that fits", Kind::Ansi, Place::Cell, kShort, false, Ender::Leave},
        {"ANSI title cut, left", Kind::Ansi, Place::Title, kLong, true, Ender::Leave},
        {"ANSI title cut, pressed", Kind::Ansi, Place::Title, kLong, true, Ender::Press},
        {"ANSI title that fits", Kind::Ansi, Place::Title, u"Name", false, Ender::Leave},
        {"Unicode cell cut, scrolled", Kind::Unicode, Place::Cell, kLongWide, true, Ender::Scroll},
        {"Unicode cell cut, moved", Kind::Unicode, Place::Cell, kLongWide, true, Ender::MoveAway},
        {"Unicode cell that fits", Kind::Unicode, Place::Cell, kMixed, false, Ender::Leave},
        {"Unicode title cut, moved", Kind::Unicode, Place::Title, kLongWide, true, Ender::MoveAway},
        {"owner-data cell cut, left", Kind::OwnerData, Place::Cell, kLong, true, Ender::Leave},
        {"owner-data cell that fits", Kind::OwnerData, Place::Cell, kShort, false, Ender::Leave},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingParent parent;
        OwnerRowsModel model;
        const bool title = c.place == Place::Title;
        HWND grid =
            MakeGrid(parent, c.kind, title ? u"x" : c.text, title ? c.text : u"Name", model);
        RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        HWND pane = title ? HeaderPane(grid) : ListPane(grid);
        const LPARAM point = title ? MAKELPARAM(kInsideX, 5) : RowPoint(grid, 0, kInsideX);
        RestOn(pane, point);

        HWND tip = TipOf(grid);
        if (!c.cut) {
            EXPECT_FALSE(tip != nullptr && IsWindowVisible(tip));
            DestroyWindow(grid);
            continue;
        }
        ASSERT_NE(tip, nullptr);
        EXPECT_TRUE(IsWindowVisible(tip));
        EXPECT_EQ(TextOf(tip), c.text);
        // Its text lies where the pane drew the cut text.
        POINT text =
            title ? POINT{kTitleTextLeft, kTitleTextTop} : POINT{kCellTextLeft, kCellTextTop};
        ClientToScreen(pane, &text);
        RECT window = {};
        GetWindowRect(tip, &window);
        EXPECT_LE(window.left, text.x);
        EXPECT_GE(window.left, text.x - kMargins);
        EXPECT_LE(window.top, text.y);
        EXPECT_GE(window.top, text.y - kMargins);

        SendMessageA(pane, WM_MOUSEMOVE, 0, MAKELPARAM(kInsideX + 5, HIWORD(point)));
        EXPECT_TRUE(IsWindowVisible(tip)) << "a move within the cell keeps it";
        End(grid, pane, c.ender, point);
        EXPECT_FALSE(IsWindowVisible(tip));

        DestroyWindow(grid);
        EXPECT_FALSE(IsWindow(tip)) << "the tooltip goes with the control";
    }
}

// A right-aligned text cut off is placed by its right end, but one ended in "..."
// (GRS_LISTCONVENTIONS) fills its room from the left: the tooltip covers it from there.
TEST(CellTips, AnEllipsisTextIsCoveredFromTheLeftOfItsRoom) {
    for (const DWORD style : {DWORD{GRS_LISTCONVENTIONS}, DWORD{0}}) {
        SCOPED_TRACE(style);
        RecordingParent parent;
        HWND grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200, style);
        ColumnSetup name = {100, GRID_CELL_TEXT, GRID_EDITOR_NONE, "Name"};
        name.cellAlign = GRID_ALIGN_RIGHT;
        ASSERT_TRUE(AddColumns(grid, {name, {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}}));
        const std::string text = Narrow(kLong);
        GridValue values[2] = {reinterpret_cast<GridValue>(text.c_str()), 2};
        ASSERT_EQ(Grid_AddRow(grid, values), 0);
        RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        RestOn(ListPane(grid), RowPoint(grid, 0, kInsideX));
        HWND tip = TipOf(grid);
        ASSERT_NE(tip, nullptr);
        ASSERT_TRUE(IsWindowVisible(tip));
        POINT left = {kCellTextLeft, kCellTextTop};
        ClientToScreen(ListPane(grid), &left);
        RECT window = {};
        GetWindowRect(tip, &window);
        const bool fromLeft = window.left <= left.x && window.left >= left.x - kMargins;
        EXPECT_EQ(fromLeft, style != 0) << window.left << " for a room from " << left.x;
        DestroyWindow(grid);
    }
}

// The tooltip shows and paints while the top-level window, the grid's parent or its
// grandparent, records every WM_NOTIFY it gets: each one comes from a grid.
TEST(CellTips, TheTopLevelWindowHearsFromNoWindowButTheGrid) {
    for (bool nested : {false, true}) {
        SCOPED_TRACE(nested ? "grid in a child window" : "grid a child of the top level");
        RecordingParent top;
        HWND holder = top.hwnd();
        if (nested) {
            holder = CreateWindowExA(0, "Static", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 500, 300,
                                     top.hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
        }
        HWND grid = MakeAnsiGrid(holder, kLong, u"Name");
        RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        top.Clear();
        RestOn(ListPane(grid), RowPoint(grid, 0, kInsideX));
        HWND tip = TipOf(grid);
        ASSERT_NE(tip, nullptr);
        ASSERT_TRUE(IsWindowVisible(tip));
        RedrawWindow(tip, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpMessages();
        for (const GridNotify& record : top.records) {
            EXPECT_EQ(record.hwndFrom, grid) << "code " << static_cast<int>(record.code);
        }
        DestroyWindow(grid);
    }
}

}  // namespace
