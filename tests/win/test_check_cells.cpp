// Check cells: toggled by a click on the box (real mouse input) and by Space on the current row
// or on every selected row, each toggle a cell write the parent hears of and may veto row by
// row; what the cells hold and what the boxes show afterwards.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "harness.h"
#include "real_input.h"

namespace {

using namespace testing_support;

constexpr UINT kCheckColumn = 1;
constexpr int kNameWidth = 100;
constexpr int kCheckWidth = 40;
constexpr INT32 kTargetKind = 2;

// A grid of a name column, a centred check column and the kind column, one row per state.
struct CheckGrid {
    explicit CheckGrid(const std::vector<INT32>& states) {
        grid = CreateGrid(parent.hwnd(), 0, 0, 300, 200, 0, 7);
        pane = ListPane(grid);
        AddColumns(grid, {{kNameWidth, GRID_CELL_TEXT},
                          {kCheckWidth, GRID_CELL_CHECK, GRID_EDITOR_NONE, "Keep", nullptr,
                           GRID_ALIGN_CENTER},
                          {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}});
        for (const INT32 state : states) {
            GridValue values[3] = {reinterpret_cast<GridValue>("row"), state, kTargetKind};
            Grid_AddRow(grid, values);
        }
        parent.onNotify = [this](GridNotify& note) {
            if (note.code == GRN_CELLCHANGING) {
                changing.push_back({note.row, *reinterpret_cast<const INT32*>(note.value)});
                note.cancel = note.row == vetoedRow ? 1 : 0;
            } else if (note.code == GRN_CELLCHANGED) {
                changed.push_back(note.row);
            }
        };
        UpdateWindow(pane);
    }
    std::vector<INT32> States() const {
        std::vector<INT32> states;
        for (UINT row = 0; row < static_cast<UINT>(Grid_GetRowCount(grid)); ++row) {
            INT32 value = -1;
            Grid_GetCell(grid, kCheckColumn, row, &value);
            states.push_back(value);
        }
        return states;
    }
    // The centre of a row's box in the list pane: the column's middle, the row's.
    POINT BoxCentre(UINT row, int dx = 0) const {
        RECT item = {};
        SendMessageA(pane, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
        return {kNameWidth + kCheckWidth / 2 + dx, (item.top + item.bottom) / 2};
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
    HWND grid = nullptr;
    HWND pane = nullptr;
    UINT vetoedRow = 0xFFFFFFFF;
    std::vector<std::pair<UINT, INT32>> changing;  // row, the new state it was offered
    std::vector<UINT> changed;
};

enum class Gesture { ClickBox, ClickBesideBox, Space, SpaceOnSelection, SpaceOffSelection };

struct ToggleCase {
    const char* name;
    std::vector<INT32> states;
    Gesture gesture;
    UINT row;        // the row clicked, or current
    UINT vetoedRow;  // the row whose write the parent refuses
    std::vector<INT32> after;
    std::vector<std::pair<UINT, INT32>> changing;
    std::vector<UINT> changed;
};

void Perform(CheckGrid& check, const ToggleCase& test) {
    if (test.gesture == Gesture::ClickBox || test.gesture == Gesture::ClickBesideBox) {
        ClickAt(check.pane, check.BoxCentre(test.row, test.gesture == Gesture::ClickBox ? 0 : 15));
        DoubleClickTime::LetPass();
        return;
    }
    Grid_SetCurCell(check.grid, 0, test.row);
    if (test.gesture == Gesture::Space) {
        Grid_DeselectAll(check.grid);
    } else {
        Grid_SelectAll(check.grid);
        if (test.gesture == Gesture::SpaceOffSelection) {
            SendMessageA(check.pane, LB_SETSEL, FALSE, test.row);
        }
    }
    check.changing.clear();
    FocusForKeys(check.pane);
    TypeChord({VK_SPACE});
}

TEST(CheckCells, TogglesWriteTheCellsRowByRowThroughTheNotifications) {
    DoubleClickTime quick(100);
    const ToggleCase cases[] = {
        {"click checks", {0, 0, 0}, Gesture::ClickBox, 1, 9, {0, 1, 0}, {{1, 1}}, {1}},
        {"click clears", {1, 1, 1}, Gesture::ClickBox, 2, 9, {1, 1, 0}, {{2, 0}}, {2}},
        {"click checks a mixed box", {2, 2}, Gesture::ClickBox, 0, 9, {1, 2}, {{0, 1}}, {0}},
        {"a click beside the box", {0, 0}, Gesture::ClickBesideBox, 0, 9, {0, 0}, {}, {}},
        {"a vetoed click", {0, 0}, Gesture::ClickBox, 1, 1, {0, 0}, {{1, 1}}, {}},
        {"space on the current row", {0, 0, 0}, Gesture::Space, 2, 9, {0, 0, 1}, {{2, 1}}, {2}},
        {"space on a selection",
         {1, 0, 2},
         Gesture::SpaceOnSelection,
         1,
         9,
         {1, 1, 1},
         {{0, 1}, {1, 1}, {2, 1}},
         {0, 1, 2}},
        {"space vetoed on one row",
         {0, 0, 0},
         Gesture::SpaceOnSelection,
         0,
         1,
         {1, 0, 1},
         {{0, 1}, {1, 1}, {2, 1}},
         {0, 2}},
        {"space off the selection",
         {1, 1, 1},
         Gesture::SpaceOffSelection,
         1,
         9,
         {1, 0, 1},
         {{1, 0}},
         {1}},
    };
    for (const ToggleCase& test : cases) {
        SCOPED_TRACE(test.name);
        CheckGrid check(test.states);
        check.vetoedRow = test.vetoedRow;
        Perform(check, test);
        EXPECT_EQ(check.States(), test.after);
        EXPECT_EQ(check.changing, test.changing);
        EXPECT_EQ(check.changed, test.changed);
        UpdateWindow(check.pane);
        for (UINT row = 0; row < test.after.size(); ++row) {
            EXPECT_EQ(check.Marked(row), test.after[row] != 0) << "row " << row;
        }
    }
}

// A parent that destroys the control while it is asked about a toggle stops the toggles.
TEST(CheckCells, AParentDestroyingTheControlInsideATogglesWriteStopsIt) {
    for (const Gesture gesture : {Gesture::ClickBox, Gesture::SpaceOnSelection}) {
        CheckGrid check({0, 0, 0});
        int asked = 0;
        check.parent.onNotify = [&](GridNotify& note) {
            if (note.code == GRN_CELLCHANGING) {
                ++asked;
                DestroyWindow(check.grid);
            }
        };
        Perform(check, {"hostile", {}, gesture, 1, 9, {}, {}, {}});
        PumpMessages();
        EXPECT_FALSE(IsWindow(check.grid));
        EXPECT_EQ(asked, 1);
    }
}

}  // namespace
