// Check cells: toggled by a click on the box (real mouse input), by Space on the current row or
// on every selected row, and by the title's box; each toggle a cell write the parent hears of
// and may veto row by row. What the cells hold and what the boxes show afterwards, in stored and
// owner-data grids.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "access_helpers.h"
#include "harness.h"
#include "real_input.h"

namespace {

using namespace testing_support;

constexpr UINT kCheckColumn = 1;
constexpr int kNameWidth = 100;
constexpr int kCheckWidth = 40;
constexpr INT32 kTargetKind = 2;
constexpr UINT kEveryRow = 0xFFFFFFFF;
constexpr UINT kNone = 9;

// A grid of a name column, a centred check column with a title box and the kind column, one row
// per state; an owner-data grid's states are kept here, as its parent keeps them.
struct CheckGrid {
    explicit CheckGrid(const std::vector<INT32>& states, bool ownerData = false)
        : owned(ownerData ? states : std::vector<INT32>()) {
        grid = CreateGrid(parent.hwnd(), 0, 0, 300, 200, ownerData ? GRS_OWNERDATA : 0, 7);
        pane = ListPane(grid);
        AddColumns(grid, {{kNameWidth, GRID_CELL_TEXT},
                          {kCheckWidth, GRID_CELL_CHECK, GRID_EDITOR_NONE, "Keep", nullptr,
                           GRID_ALIGN_CENTER, 0, GRID_COLUMN_TITLECHECK},
                          {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}});
        for (const INT32 state : ownerData ? std::vector<INT32>() : states) {
            GridValue values[3] = {reinterpret_cast<GridValue>("row"), state, kTargetKind};
            Grid_AddRow(grid, values);
        }
        parent.onNotify = [this](GridNotify& note) {
            if (note.code == GRN_GETCELL) {
                Answer(*reinterpret_cast<GridCellRef*>(note.value));
            } else if (note.code == GRN_CELLCHANGING) {
                const INT32 state = *reinterpret_cast<const INT32*>(note.value);
                changing.push_back({note.row, state});
                note.cancel = note.row == vetoedRow ? 1 : 0;
                Keep(note.row, state, note.cancel != 0);
            } else if (note.code == GRN_CELLCHANGED) {
                changed.push_back(note.row);
            }
        };
        if (ownerData) {
            Grid_SetRowCount(grid, static_cast<UINT>(owned.size()));
        }
        UpdateWindow(pane);
    }
    void Answer(GridCellRef& cell) const {
        if (cell.column == 0 && cell.bufferSize > 3) {
            lstrcpyA(static_cast<char*>(cell.buffer), "row");
        } else if (cell.column > 0 && cell.row < owned.size()) {
            *static_cast<INT32*>(cell.buffer) = cell.column == 1 ? owned[cell.row] : kTargetKind;
        }
    }
    void Keep(UINT row, INT32 state, bool vetoed) {
        for (UINT i = 0; i < owned.size() && !vetoed; ++i) {
            if (row == i || row == kEveryRow) {
                owned[i] = state;
            }
        }
    }
    std::vector<INT32> States() const {
        if (!owned.empty()) {
            return owned;
        }
        std::vector<INT32> states;
        for (UINT row = 0; row < static_cast<UINT>(Grid_GetRowCount(grid)); ++row) {
            INT32 value = -1;
            Grid_GetCell(grid, kCheckColumn, row, &value);
            states.push_back(value);
        }
        return states;
    }
    // The centre of a row's box in the list pane (the column's middle), `dx` to the right.
    POINT BoxCentre(UINT row, int dx = 0) const {
        RECT item = {};
        SendMessageA(pane, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
        return {kNameWidth + kCheckWidth / 2 + dx, (item.top + item.bottom) / 2};
    }
    POINT TitleBoxCentre() const {
        RECT client = {};
        GetClientRect(HeaderPane(grid), &client);
        return {kNameWidth + kCheckWidth / 2, (client.top + client.bottom) / 2};
    }
    // Whether the box shows a mark: any pixel of its inner part differs from the window colour.
    bool Marked(UINT row) const {
        const POINT centre = BoxCentre(row);
        const Capture capture(pane);
        for (int y = centre.y - 3; y <= centre.y + 3; ++y) {
            for (int x = centre.x - 3; x <= centre.x + 3; ++x) {
                if (capture.At(x, y) != GetSysColor(COLOR_WINDOW)) {
                    return true;
                }
            }
        }
        return false;
    }

    RecordingParent parent;
    std::vector<INT32> owned;
    HWND grid = nullptr;
    HWND pane = nullptr;
    UINT vetoedRow = kNone;
    std::vector<std::pair<UINT, INT32>> changing;  // row, the new state it was offered
    std::vector<UINT> changed;
};

enum class Gesture {
    ClickBox,
    ClickBesideBox,
    TitleBox,
    Space,
    SpaceOnSelection,
    SpaceOffSelection
};

struct ToggleCase {
    const char* name;
    std::vector<INT32> states;
    Gesture gesture;
    UINT row;        // the row clicked, or current
    UINT vetoedRow;  // the row whose write the parent refuses
    std::vector<INT32> after;
    std::vector<std::pair<UINT, INT32>> changing;
    std::vector<UINT> changed;
    bool ownerData = false;
};

void Perform(CheckGrid& check, Gesture gesture, UINT row) {
    if (gesture == Gesture::TitleBox) {
        ClickAt(HeaderPane(check.grid), check.TitleBoxCentre());
        return;
    }
    if (gesture == Gesture::ClickBox || gesture == Gesture::ClickBesideBox) {
        ClickAt(check.pane, check.BoxCentre(row, gesture == Gesture::ClickBox ? 0 : 15));
        DoubleClickTime::LetPass();
        return;
    }
    Grid_SetCurCell(check.grid, 0, row);
    if (gesture == Gesture::Space) {
        Grid_DeselectAll(check.grid);
    } else {
        Grid_SelectAll(check.grid);
        if (gesture == Gesture::SpaceOffSelection) {
            SendMessageA(check.pane, LB_SETSEL, FALSE, row);
        }
    }
    FocusForKeys(check.pane);
    TypeChord({VK_SPACE});
}

TEST(CheckCells, TogglesWriteTheCellsRowByRowThroughTheNotifications) {
    DoubleClickTime quick(100);
    const std::vector<std::pair<UINT, INT32>> all = {{0, 1}, {1, 1}, {2, 1}};
    const ToggleCase cases[] = {
        {"click checks", {0, 0, 0}, Gesture::ClickBox, 1, kNone, {0, 1, 0}, {{1, 1}}, {1}},
        {"click clears", {1, 1, 1}, Gesture::ClickBox, 2, kNone, {1, 1, 0}, {{2, 0}}, {2}},
        {"click checks a mixed box", {2, 2}, Gesture::ClickBox, 0, kNone, {1, 2}, {{0, 1}}, {0}},
        {"a click beside the box", {0, 0}, Gesture::ClickBesideBox, 0, kNone, {0, 0}, {}, {}},
        {"a vetoed click", {0, 0}, Gesture::ClickBox, 1, 1, {0, 0}, {{1, 1}}, {}},
        {"space on the current row", {0, 0, 0}, Gesture::Space, 2, kNone, {0, 0, 1}, {{2, 1}}, {2}},
        {"space on a selection",
         {1, 0, 2},
         Gesture::SpaceOnSelection,
         1,
         kNone,
         {1, 1, 1},
         all,
         {0, 1, 2}},
        {"space vetoed on one row",
         {0, 0, 0},
         Gesture::SpaceOnSelection,
         0,
         1,
         {1, 0, 1},
         all,
         {0, 2}},
        {"space off the selection",
         {1, 1, 1},
         Gesture::SpaceOffSelection,
         1,
         kNone,
         {1, 0, 1},
         {{1, 0}},
         {1}},
        {"the title box checks every row",
         {0, 2, 1},
         Gesture::TitleBox,
         0,
         kNone,
         {1, 1, 1},
         all,
         {0, 1, 2}},
        {"the title box past a veto", {0, 0, 0}, Gesture::TitleBox, 0, 1, {1, 0, 1}, all, {0, 2}},
        {"owner data: a click",
         {0, 0, 0},
         Gesture::ClickBox,
         1,
         kNone,
         {0, 1, 0},
         {{1, 1}},
         {1},
         true},
        {"owner data: a vetoed click", {0, 0}, Gesture::ClickBox, 1, 1, {0, 0}, {{1, 1}}, {}, true},
        {"owner data: space on a selection",
         {1, 0, 2},
         Gesture::SpaceOnSelection,
         1,
         kNone,
         {1, 1, 1},
         all,
         {0, 1, 2},
         true},
        {"owner data: the title box asks once",
         {0, 1, 0},
         Gesture::TitleBox,
         0,
         kNone,
         {1, 1, 1},
         {{kEveryRow, 1}},
         {kEveryRow},
         true},
    };
    for (const ToggleCase& test : cases) {
        SCOPED_TRACE(test.name);
        CheckGrid check(test.states, test.ownerData);
        check.vetoedRow = test.vetoedRow;
        Perform(check, test.gesture, test.row);
        EXPECT_EQ(check.States(), test.after);
        EXPECT_EQ(check.changing, test.changing);
        EXPECT_EQ(check.changed, test.changed);
        UpdateWindow(check.pane);
        for (UINT row = 0; row < test.after.size(); ++row) {
            EXPECT_EQ(check.Marked(row), test.after[row] != 0) << "row " << row;
        }
    }
}

std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (OpenClipboard(owner)) {
        HANDLE memory = GetClipboardData(CF_UNICODETEXT);
        if (memory != nullptr) {
            text = static_cast<const wchar_t*>(GlobalLock(memory));
            GlobalUnlock(memory);
        }
        CloseClipboard();
    }
    return text;
}

// Copy, the accessible rows and the sort read a check cell's state, in both kinds of grid.
TEST(CheckCells, CopyAccessibilityAndSortReadTheStates) {
    ComScope com;
    struct StateCase {
        INT32 state;
        const wchar_t* name;
        LONG flags;  // the row's check state flags
    };
    const StateCase states[] = {{1, L"checked", STATE_SYSTEM_CHECKED},
                                {2, L"mixed", STATE_SYSTEM_MIXED},
                                {0, L"not checked", 0}};
    for (const bool ownerData : {false, true}) {
        SCOPED_TRACE(ownerData ? "owner data" : "stored");
        CheckGrid check({1, 2, 0}, ownerData);
        AccessibleRef rows = AccessibleOf(check.grid);
        ASSERT_NE(rows, nullptr);
        std::wstring copied;
        for (LONG row = 0; row < 3; ++row) {
            const LONG flags = StateOf(rows.get(), row + 1);
            EXPECT_EQ(flags & (STATE_SYSTEM_CHECKED | STATE_SYSTEM_MIXED), states[row].flags);
            EXPECT_EQ(DescriptionOf(rows.get(), row + 1),
                      std::wstring(L"Keep: ") + states[row].name);
            copied += std::wstring(L"row\t") + states[row].name + L"\r\n";
        }
        Grid_SelectAll(check.grid);
        ASSERT_TRUE(Grid_Copy(check.grid, FALSE));
        EXPECT_EQ(ClipboardText(check.parent.hwnd()), copied);
        if (!ownerData) {
            Grid_Sort(check.grid, kCheckColumn, GRID_SORT_ASCENDING);
            EXPECT_EQ(check.States(), (std::vector<INT32>{0, 1, 2}));
        }
    }
}

// A parent that destroys the control while it is asked about a toggle stops the toggles.
TEST(CheckCells, AParentDestroyingTheControlInsideAToggleStopsIt) {
    const std::pair<Gesture, bool> cases[] = {{Gesture::ClickBox, false},
                                              {Gesture::SpaceOnSelection, false},
                                              {Gesture::TitleBox, false},
                                              {Gesture::TitleBox, true}};
    for (const auto& [gesture, ownerData] : cases) {
        CheckGrid check({0, 0, 0}, ownerData);
        int asked = 0;
        check.parent.onNotify = [&check, &asked](GridNotify& note) {
            if (note.code == GRN_GETCELL) {
                check.Answer(*reinterpret_cast<GridCellRef*>(note.value));
            } else if (note.code == GRN_CELLCHANGING) {
                ++asked;
                DestroyWindow(check.grid);
            }
        };
        Perform(check, gesture, 1);
        PumpMessages();
        EXPECT_FALSE(IsWindow(check.grid));
        EXPECT_EQ(asked, 1);
    }
}

}  // namespace
