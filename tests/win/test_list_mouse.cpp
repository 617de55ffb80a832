// The mouse in the list pane: the notifications of a click, a second click, a double click and a
// right click, the click count kept per grid, the cursor shown, and the mouse and wheel messages
// the pane keeps from its list box or hands to the control; with GRS_LISTCONVENTIONS, Shift
// clicks from the anchor and clicks below the rows.
#include <gtest/gtest.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "harness.h"
#include "input_helpers.h"
#include "list_input_fixture.h"
#include "painting_helpers.h"
#include "real_input.h"

using namespace testing_support;

namespace {

TEST_F(ListInput, ClickOnARowThatIsNotCurrentSelectsItAndMakesItCurrent) {
    Make({2, 2, 2, 2});
    StartAt(0);
    Click(pane, RowPoint(grid, 2, 120));  // column 1: the current column is still 0
    EXPECT_EQ(Notes(parent.records), ClickNotes(2, 2));
    for (const GridNotify& record : parent.records) {
        EXPECT_EQ(record.hwndFrom, grid);
        EXPECT_EQ(record.idFrom, 7u);
    }
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{2}));
    EXPECT_EQ(Grid_GetCurRow(grid), 2u);
    EXPECT_EQ(GetFocus(), pane);
}

TEST_F(ListInput, SecondSingleClickOnTheCurrentRowBeginsAnEditAndThenEveryOtherClick) {
    Make({2, 2, 2, 2});
    StartAt(0);
    auto spy = SpyOnControl();
    Click(pane, RowPoint(grid, 1));
    EXPECT_TRUE(spy->Of(GRM_BEGINEDIT).empty()) << "the first click only makes the row current";

    parent.Clear();
    spy->Clear();
    DoubleClickTime quick(100);
    Click(pane, RowPoint(grid, 1, 200));
    EXPECT_TRUE(spy->Of(GRM_BEGINEDIT).empty()) << "the edit waits for the double-click time";
    DoubleClickTime::LetPass();
    EXPECT_EQ(Notes(parent.records), ClickNotes(1, 2));
    EXPECT_EQ(spy->Codes(),
              (std::vector<UINT>{GRM_SETCURCELL, GRM_GETCURCOL, GRM_GETCURROW, GRM_BEGINEDIT}));
    const MessageSpy::Message edit = spy->Of(GRM_BEGINEDIT).at(0);
    EXPECT_EQ(edit.wParam, 0u);
    EXPECT_EQ(edit.lParam, 1);

    spy->Clear();
    Click(pane, RowPoint(grid, 1));
    DoubleClickTime::LetPass();
    EXPECT_TRUE(spy->Of(GRM_BEGINEDIT).empty()) << "a further edit needs two more clicks";
    Click(pane, RowPoint(grid, 1));
    DoubleClickTime::LetPass();
    EXPECT_EQ(spy->Of(GRM_BEGINEDIT).size(), 1u);
}

TEST_F(ListInput, DoubleClickActivatesTheCurrentRowInsteadOfEditing) {
    Make({2, 5, 2});
    StartAt(0);
    auto spy = SpyOnControl();
    const LPARAM point = RowPoint(grid, 1);
    Click(pane, point);
    SendMessageA(pane, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    Release(pane, point);

    std::vector<Note> expected = ClickNotes(1, 5);
    expected.push_back(ButtonNote(FALSE));
    expected.push_back(CellClickNote(0, 1, 5, FALSE, TRUE));
    EXPECT_EQ(Notes(parent.records), expected);
    EXPECT_TRUE(spy->Of(GRM_BEGINEDIT).empty());

    // The activation is spent: the next click is an ordinary one.
    parent.Clear();
    Click(pane, RowPoint(grid, 2));
    EXPECT_EQ(Notes(parent.records), ClickNotes(2, 2));
}

// With the real mouse, on the current row: a single click edits once the double-click time has
// passed; a double click activates and never edits; a press, a key or the focus leaving within
// that time cancels the edit.
TEST_F(ListInput, ASecondClickEditsOnlyWhenNoSecondPressFollowsInTheDoubleClickTime) {
    enum class Then { Nothing, SecondPress, Key, FocusLeaves };
    const struct {
        const char* name;
        Then then;
        bool edits;
        bool activates;
    } cases[] = {
        {"a single click", Then::Nothing, true, false},
        {"a double click", Then::SecondPress, false, true},
        {"a click then a key", Then::Key, false, false},
        {"a click then the focus elsewhere", Then::FocusLeaves, false, false},
    };
    Make({2, 2, 2, 2});
    DoubleClickTime quick(150);
    const LPARAM onRow = RowPoint(grid, 1);
    const POINT point = {LOWORD(onRow), HIWORD(onRow)};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StartAt(0);
        auto spy = SpyOnControl();
        FocusForKeys(pane);
        ClickAt(pane, point);  // the row becomes current
        DoubleClickTime::LetPass();
        parent.Clear();
        ClickAt(pane, point);
        switch (c.then) {
            case Then::SecondPress:
                LeftButton(true);
                LeftButton(false);
                break;
            case Then::Key: TypeChord({VK_SHIFT}); break;
            case Then::FocusLeaves: SetFocus(parent.hwnd()); break;
            case Then::Nothing: break;
        }
        EXPECT_TRUE(spy->Of(GRM_BEGINEDIT).empty()) << "nothing before the double-click time";
        DoubleClickTime::LetPass();
        EXPECT_EQ(spy->Of(GRM_BEGINEDIT).size(), c.edits ? 1u : 0u);
        const std::vector<GridNotify> clicks = parent.OfCode(GRN_CELLCLICK);
        ASSERT_FALSE(clicks.empty());
        EXPECT_EQ(clicks.back().activated, c.activates ? TRUE : FALSE);
    }
    ParkPointer();
}

TEST_F(ListInput, RightClickSelectsAndMakesCurrentLikeALeftClickButNeverEdits) {
    Make({2, 2, 2, 2});
    StartAt(0);
    auto spy = SpyOnControl();
    const POINT onRow2 = {300, HIWORD(RowPoint(grid, 2))};
    PointerAt(pane, onRow2);
    for (int click = 0; click < 3; ++click) {
        parent.Clear();
        SendMessageA(pane, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(onRow2.x, onRow2.y));
        SendMessageA(pane, WM_RBUTTONUP, 0, MAKELPARAM(onRow2.x, onRow2.y));
        EXPECT_EQ(Notes(parent.records),
                  (std::vector<Note>{ButtonNote(TRUE), SelChangeNote(), ButtonNote(FALSE),
                                     CellClickNote(0, 2, 2, TRUE), CurCellChangedNote(0, 2)}))
            << "click " << click;
    }
    EXPECT_TRUE(spy->Of(GRM_BEGINEDIT).empty());
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{2}));

    // The right-button flag does not outlive the click.
    parent.Clear();
    Grid_SetCurCell(grid, 0, 3);
    ASSERT_FALSE(parent.OfCode(GRN_CELLCLICK).empty());
    EXPECT_EQ(parent.OfCode(GRN_CELLCLICK)[0].rightButton, FALSE);
}

// The click count belongs to one list pane: a press in another grid's pane starts it afresh.
TEST_F(ListInput, AClickInAnotherGridDoesNotCountTowardsAnEdit) {
    Make({2, 2, 2, 2});
    RecordingParent otherParent;
    HWND other = CreateGrid(otherParent.hwnd(), 0, 0, 500, 204, 0, 8);
    ASSERT_TRUE(AddStandardColumns(other));
    AddKindRows(other, {2, 2, 2});
    Grid_SetCurCell(other, 0, 0);
    MessageSpy edits(other, MessageSpy::Slot::WindowProcedure, {GRM_BEGINEDIT}, {GRM_BEGINEDIT});
    StartAt(0);

    DoubleClickTime quick(100);
    Click(pane, RowPoint(grid, 1));
    Click(ListPane(other), RowPoint(other, 0));  // the other grid's current row
    DoubleClickTime::LetPass();
    EXPECT_TRUE(edits.messages.empty()) << "one click in each grid is no second click";
    Click(ListPane(other), RowPoint(other, 0));
    DoubleClickTime::LetPass();
    EXPECT_EQ(edits.Codes(), (std::vector<UINT>{GRM_BEGINEDIT}));
}

// The pane shows the arrow, except while the left button is down in a list pane, when a drag
// shows its own cursors; the system's list box class keeps its own cursor.
TEST_F(ListInput, ThePaneChoosesItsCursorAndLeavesTheListBoxClassAlone) {
    Make({2, 2});
    StartAt(0);
    HWND listBox = CreateWindowExA(0, "ListBox", nullptr, WS_CHILD, 0, 0, 10, 10, parent.hwnd(),
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(listBox, GCLP_HCURSOR)),
              LoadCursorA(nullptr, IDC_ARROW));
    DestroyWindow(listBox);

    const HCURSOR cross = LoadCursorA(nullptr, IDC_CROSS);
    struct Case {
        bool buttonDown;
        HCURSOR shown;
    };
    for (const Case& c : {Case{false, LoadCursorA(nullptr, IDC_ARROW)}, Case{true, cross}}) {
        if (c.buttonDown) {
            Press(pane, RowPoint(grid, 1));
        }
        SetCursor(cross);
        EXPECT_EQ(SendMessageA(pane, WM_SETCURSOR, reinterpret_cast<WPARAM>(pane),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                  TRUE)
            << "button down " << c.buttonDown;
        EXPECT_EQ(GetCursor(), c.shown) << "button down " << c.buttonDown;
        if (c.buttonDown) {
            Release(pane, RowPoint(grid, 1));
        }
    }
}

TEST_F(ListInput, TheListBoxNeverSeesTheMouse) {
    Make({2, 2, 2});
    StartAt(0);
    const std::set<UINT> mouse = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                                  WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEMOVE};
    MessageSpy listBox(pane, MessageSpy::Slot::ReplacedProcedure, mouse);
    const LPARAM point = RowPoint(grid, 1);
    PointerAt(pane, {LOWORD(point), HIWORD(point)});
    Click(pane, point);
    SendMessageA(pane, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageA(pane, WM_MOUSEMOVE, MK_LBUTTON, point);
    Release(pane, point);
    SendMessageA(pane, WM_RBUTTONDOWN, MK_RBUTTON, point);
    SendMessageA(pane, WM_RBUTTONUP, 0, point);
    EXPECT_TRUE(listBox.messages.empty());
    EXPECT_FALSE(parent.records.empty());
}

TEST_F(ListInput, WheelGoesToTheControlAndTheDialogCodeAsksForAllKeys) {
    Make({2});
    auto spy = SpyOnControl();
    SendMessageA(pane, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), MAKELPARAM(5, 6));
    ASSERT_EQ(spy->Of(WM_MOUSEWHEEL).size(), 1u);
    EXPECT_EQ(spy->Of(WM_MOUSEWHEEL)[0].wParam, MAKEWPARAM(0, static_cast<WORD>(-120)));
    EXPECT_EQ(spy->Of(WM_MOUSEWHEEL)[0].lParam, MAKELPARAM(5, 6));
    EXPECT_EQ(SendMessageA(pane, WM_GETDLGCODE, 0, 0), 0x84);
    EXPECT_EQ(SendMessageA(pane, WM_ERASEBKGND, 0, 0), 0);
}

// Clicks of the real mouse, each with a modifier held or none, on a row or below the rows (-1),
// and what the last leaves with GRS_LISTCONVENTIONS and without it: the current row, the
// selected rows and the notifications of the last click.
struct MouseStep {
    WORD modifier;  // 0, VK_SHIFT or VK_CONTROL
    int row;
};
struct MouseOutcome {
    UINT current;
    std::vector<UINT> selected;
    std::vector<UINT> codes;
};
struct MouseCase {
    const char* name;
    std::vector<MouseStep> steps;
    UINT anchor;  // where Shift+Up ranges from afterwards, with GRS_LISTCONVENTIONS
    MouseOutcome conventional;
    MouseOutcome plain;
};

const std::vector<UINT> kClicked = {GRN_SELCHANGE, GRN_CELLCLICK, GRN_CURCELLCHANGED};
const std::vector<UINT> kKeyMoved = {GRN_CELLCLICK, GRN_CURCELLCHANGED, GRN_SELCHANGE};

// The modifier is held in the thread's key state: one sent through SendInput is not what the
// click is read with.
void ClickRow(HWND grid, const MouseStep& step) {
    const LPARAM point = RowPoint(grid, step.row < 0 ? 8 : step.row);
    std::optional<HeldKeys> held;
    if (step.modifier != 0) {
        held.emplace(std::initializer_list<int>{step.modifier});
    }
    ClickAt(ListPane(grid), {GET_X_LPARAM(point), GET_Y_LPARAM(point)});
}

TEST(ListMouseTable, ShiftClicksRangeFromTheAnchorAndAClickBelowTheRowsDeselects) {
    const MouseCase cases[] = {
        {"shift click after a click",
         {{0, 2}, {VK_SHIFT, 5}},
         2,
         {5, {2, 3, 4, 5}, kClicked},
         {5, {2, 3, 4, 5}, kClicked}},
        {"shift click back inside the range",
         {{0, 2}, {VK_SHIFT, 5}, {VK_SHIFT, 3}},
         2,
         {3, {2, 3}, kClicked},
         {3, {2, 3, 4, 5}, kClicked}},
        {"shift click above the anchor",
         {{0, 4}, {VK_SHIFT, 1}},
         4,
         {1, {1, 2, 3, 4}, kClicked},
         {1, {1, 2, 3, 4}, kClicked}},
        {"a ctrl click moves the anchor",
         {{0, 2}, {VK_CONTROL, 4}, {VK_SHIFT, 5}},
         4,
         {5, {4, 5}, kClicked},
         {5, {2, 3, 4, 5}, kClicked}},
        {"click below the rows", {{0, 2}, {0, -1}}, 2, {2, {}, {GRN_SELCHANGE}}, {2, {2}, {}}},
    };
    DoubleClickTime quick(50);
    for (const DWORD style : {DWORD{GRS_LISTCONVENTIONS}, DWORD{0}}) {
        for (const MouseCase& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << (style != 0 ? " with" : " without"));
            RecordingParent parent;
            HWND grid = CreateGrid(parent.hwnd(), 0, 0, 500, 204, style);
            ASSERT_TRUE(AddStandardColumns(grid));
            AddKindRows(grid, {3, 3, 3, 3, 3, 3});
            FocusForKeys(ListPane(grid));  // for the keys after the clicks
            for (const MouseStep& step : c.steps) {
                DoubleClickTime::LetPass();
                parent.Clear();
                ClickRow(grid, step);
            }
            const MouseOutcome& expected = style != 0 ? c.conventional : c.plain;
            EXPECT_EQ(Grid_GetCurRow(grid), expected.current);
            EXPECT_EQ(SelectedRows(grid), expected.selected);
            std::vector<UINT> codes = parent.Codes();
            std::erase_if(codes, [](UINT code) { return code == GRN_BUTTON; });
            EXPECT_EQ(codes, expected.codes);
            // Shift with a key ranges from the same anchor.
            if (style != 0) {
                parent.Clear();
                TypeChord({VK_SHIFT, VK_UP});
                const UINT reached = expected.current - 1;
                std::vector<UINT> range;
                for (UINT row = std::min(c.anchor, reached); row <= std::max(c.anchor, reached);
                     ++row) {
                    range.push_back(row);
                }
                EXPECT_EQ(SelectedRows(grid), range);
                EXPECT_EQ(parent.Codes(), kKeyMoved);
            }
            DestroyWindow(grid);
        }
    }
}

}  // namespace
