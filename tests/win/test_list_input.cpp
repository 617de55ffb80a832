// Mouse and keys in the list pane: the notifications each gesture sends, the selection it
// leaves, kind words, modifiers, and parents that destroy the control in the middle of one.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "harness.h"
#include "input_helpers.h"

using namespace testing_support;

namespace {

constexpr UINT kPlainScanEnter = 0x1C;
constexpr UINT kScanDown = 0x50;
constexpr UINT kScanUp = 0x48;
constexpr UINT kScanPageUp = 0x49;
constexpr UINT kScanPageDown = 0x51;
constexpr UINT kExtended = 0x100;

class ListInput : public ::testing::Test {
  protected:
    // A grid showing eleven rows of 17 pixels, with the given kind cells.
    void Make(std::initializer_list<INT32> kinds) {
        ASSERT_TRUE(AddStandardColumns(grid));
        AddKindRows(grid, kinds);
        SendMessageA(pane, LB_SETTOPINDEX, 0, 0);
    }
    // Makes `row` current with nothing selected, and forgets the notifications.
    void StartAt(UINT row) {
        Grid_SetCurCell(grid, 0, row);
        Grid_DeselectAll(grid);
        parent.Clear();
    }
    // Watches what the pane asks of its control; edits are swallowed, so that each test sees
    // only the list pane's own notifications.
    std::unique_ptr<MessageSpy> SpyOnControl() {
        return std::make_unique<MessageSpy>(
            grid, MessageSpy::Slot::WindowProcedure,
            std::set<UINT>{GRM_SETCURCELL, GRM_GETCURCOL, GRM_GETCURROW, GRM_BEGINEDIT,
                           GRM_ACTIVATECELL, WM_VSCROLL, WM_MOUSEWHEEL},
            std::set<UINT>{GRM_BEGINEDIT});
    }
    std::vector<Note> ClickNotes(UINT row, UINT kind) {
        return {ButtonNote(TRUE), SelChangeNote(), ButtonNote(FALSE), CellClickNote(0, row, kind),
                CurCellChangedNote(0, row)};
    }

    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 500, 204, 0, 7);
    HWND pane = ListPane(grid);
};

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
    Click(pane, RowPoint(grid, 1, 200));
    EXPECT_EQ(Notes(parent.records), ClickNotes(1, 2));
    EXPECT_EQ(spy->Codes(),
              (std::vector<UINT>{GRM_SETCURCELL, GRM_GETCURCOL, GRM_GETCURROW, GRM_BEGINEDIT}));
    const MessageSpy::Message edit = spy->Of(GRM_BEGINEDIT).at(0);
    EXPECT_EQ(edit.wParam, 0u);
    EXPECT_EQ(edit.lParam, 1);

    spy->Clear();
    Click(pane, RowPoint(grid, 1));
    EXPECT_TRUE(spy->Of(GRM_BEGINEDIT).empty()) << "a further edit needs two more clicks";
    Click(pane, RowPoint(grid, 1));
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

TEST_F(ListInput, PlainCtrlAndShiftClicksSetTheSelectionAsTabled) {
    Make({2, 2, 2, 2, 2, 2, 2});
    StartAt(0);
    Click(pane, RowPoint(grid, 1));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{1}));
    {
        HeldKeys ctrl({VK_CONTROL});
        Click(pane, RowPoint(grid, 3));
        EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{1, 3}));
        EXPECT_EQ(Grid_GetCurRow(grid), 3u);

        // Ctrl on a selected row removes it, and its release asks for no current cell.
        parent.Clear();
        Click(pane, RowPoint(grid, 1));
        EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{3}));
        EXPECT_TRUE(parent.OfCode(GRN_CELLCLICK).empty());
    }
    {
        HeldKeys shift({VK_SHIFT});
        Click(pane, RowPoint(grid, 5));
        EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{3, 4, 5}));
        EXPECT_EQ(Grid_GetCurRow(grid), 5u);
    }
    // Without the keys, a plain click leaves only its row.
    Click(pane, RowPoint(grid, 6));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{6}));
}

// The Shift flag left by a Shift click stretches the range of a later GRM_SETCURCELL to its row,
// which becomes current wherever it lies.
TEST_F(ListInput, AfterAShiftClickSetCurCellStretchesTheRangeToItsRowAndMakesItCurrent) {
    struct Case {
        UINT target;
        std::vector<UINT> selected;
    };
    const Case cases[] = {
        {8, {3, 4, 5, 6, 7, 8}},  // below the range
        {1, {1, 2, 3, 4, 5}},     // above it
        {4, {3, 4, 5}},           // inside it
    };
    Make({2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    for (const Case& c : cases) {
        StartAt(0);
        Click(pane, RowPoint(grid, 3));
        {
            HeldKeys shift({VK_SHIFT});
            Click(pane, RowPoint(grid, 5));
        }
        ASSERT_EQ(SelectedRows(grid), (std::vector<UINT>{3, 4, 5}));
        parent.Clear();
        EXPECT_EQ(Grid_SetCurCell(grid, 1, c.target), 1) << "row " << c.target;
        EXPECT_EQ(SelectedRows(grid), c.selected) << "row " << c.target;
        EXPECT_EQ(Grid_GetCurCol(grid), 1u) << "row " << c.target;
        EXPECT_EQ(Grid_GetCurRow(grid), c.target) << "row " << c.target;
        EXPECT_EQ(Notes(parent.OfCode(GRN_CURCELLCHANGED)),
                  (std::vector<Note>{CurCellChangedNote(1, c.target)}))
            << "row " << c.target;
    }
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

    Click(pane, RowPoint(grid, 1));
    Click(ListPane(other), RowPoint(other, 0));  // the other grid's current row
    EXPECT_TRUE(edits.messages.empty()) << "one click in each grid is no second click";
    Click(ListPane(other), RowPoint(other, 0));
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

TEST_F(ListInput, PressOnAMemberOfAMultipleSelectionKeepsItUntilTheRelease) {
    Make({2, 2, 2, 2, 2, 2});
    StartAt(0);
    for (UINT row : {1u, 2u, 4u}) {
        SendMessageA(pane, LB_SETSEL, TRUE, row);
    }
    Press(pane, RowPoint(grid, 2));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{1, 2, 4}));
    Release(pane, RowPoint(grid, 2));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{2}));
    EXPECT_EQ(Grid_GetCurRow(grid), 2u);

    for (UINT row : {1u, 4u}) {
        SendMessageA(pane, LB_SETSEL, TRUE, row);
    }
    parent.Clear();
    Press(pane, RowPoint(grid, 4));
    Release(pane, RowPoint(grid, 5));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{1, 2, 4}));
    EXPECT_EQ(Grid_GetCurRow(grid), 5u) << "the current row member keeps the release row";
    EXPECT_TRUE(parent.OfCode(GRN_CELLCLICK).empty());
}

TEST_F(ListInput, ARowMarkedNineBecomesTwoAtItsPressWithoutAskingTheParent) {
    Make({2, 9, 0x10009});
    StartAt(0);
    Click(pane, RowPoint(grid, 1));
    EXPECT_EQ(KindCell(grid, 1), 2);
    EXPECT_EQ(Notes(parent.records), ClickNotes(1, 2));

    // Only a kind cell of exactly 9 is rewritten; its kind word 9 acts as any other.
    parent.Clear();
    Click(pane, RowPoint(grid, 2));
    EXPECT_EQ(KindCell(grid, 2), 0x10009);
    EXPECT_EQ(Notes(parent.records), ClickNotes(2, 9));
}

TEST_F(ListInput, RowsOfKindZeroOnlyTakeTheFocusAndReportTheButton) {
    Make({2, 0x10000, 2});
    StartAt(2);
    SendMessageA(pane, LB_SETSEL, TRUE, 2);
    SetFocus(parent.hwnd());
    Click(pane, RowPoint(grid, 1));
    EXPECT_EQ(Notes(parent.records), (std::vector<Note>{ButtonNote(TRUE), ButtonNote(FALSE)}));
    EXPECT_EQ(GetFocus(), pane);
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{2}));
    EXPECT_EQ(Grid_GetCurRow(grid), 2u);

    // So does a point below the last row.
    parent.Clear();
    Click(pane, RowPoint(grid, 6));
    EXPECT_EQ(Notes(parent.records), (std::vector<Note>{ButtonNote(TRUE), ButtonNote(FALSE)}));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{2}));
}

TEST_F(ListInput, AGridWithoutColumnsTreatsEveryPointAsKindZero) {
    StartAt(0);
    Click(pane, MAKELPARAM(10, 5));
    KeyDown(pane, VK_DOWN, kScanDown);
    KeyDown(pane, VK_RETURN, kPlainScanEnter);
    EXPECT_EQ(Notes(parent.records), (std::vector<Note>{ButtonNote(TRUE), ButtonNote(FALSE)}));
}

// The multiple-selection list box of some platforms faults on Space while it holds no item, so
// no key may reach it then. It is watched where the pane passes keys on, and every key it would
// get is kept from it: a key passed on fails the test instead of crashing it.
TEST_F(ListInput, KeysInAnEmptyGridNeverReachTheListBoxAndNotifyNothing) {
    ASSERT_TRUE(AddStandardColumns(grid));
    SetFocus(pane);
    MessageSpy listBox(pane, MessageSpy::Slot::ReplacedProcedure, {WM_KEYDOWN}, {WM_KEYDOWN});
    const std::pair<WPARAM, UINT> keys[] = {{VK_SPACE, 0x39},
                                            {VK_HOME, 0x47 | kExtended},
                                            {VK_END, 0x4F | kExtended},
                                            {VK_DOWN, kScanDown},
                                            {VK_UP, kScanUp},
                                            {VK_NEXT, kScanPageDown},
                                            {VK_RETURN, kPlainScanEnter}};
    for (const auto& [key, scan] : keys) {
        KeyDown(pane, key, scan);
        SendMessageA(pane, WM_CHAR, ' ', 0x00390001);
    }
    EXPECT_TRUE(listBox.messages.empty()) << listBox.messages.size() << " keys reached it";
    EXPECT_TRUE(parent.records.empty());

    // Once it holds a row, keys the pane does not take over reach it.
    AddKindRows(grid, {2});
    listBox.Clear();
    KeyDown(pane, VK_SPACE, 0x39);
    EXPECT_EQ(listBox.Codes(), (std::vector<UINT>{WM_KEYDOWN}));
}

TEST_F(ListInput, RowsOfKindOneSelectButNeverBecomeCurrentExceptByActivation) {
    Make({2, 1, 2});
    StartAt(0);
    auto spy = SpyOnControl();
    const LPARAM point = RowPoint(grid, 1);
    Click(pane, point);
    EXPECT_EQ(Notes(parent.records),
              (std::vector<Note>{ButtonNote(TRUE), SelChangeNote(), ButtonNote(FALSE)}));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{1}));
    EXPECT_EQ(Grid_GetCurRow(grid), 0u);

    parent.Clear();
    SendMessageA(pane, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    Release(pane, point);
    EXPECT_EQ(Notes(parent.records),
              (std::vector<Note>{ButtonNote(FALSE), CellClickNote(0, 0, 1, FALSE, TRUE)}));
    EXPECT_TRUE(spy->Of(GRM_BEGINEDIT).empty());
}

TEST_F(ListInput, EnterActivatesOnlyASingleSelectedRow) {
    Make({2, 2, 6});
    StartAt(2);
    SendMessageA(pane, LB_SETSEL, TRUE, 2);
    for (UINT scan : {kPlainScanEnter, kPlainScanEnter | kExtended}) {
        parent.Clear();
        KeyDown(pane, VK_RETURN, scan);
        EXPECT_EQ(Notes(parent.records), (std::vector<Note>{CellClickNote(0, 2, 6, FALSE, TRUE)}));
    }
    // After Enter, clicks count from a clean activation flag.
    parent.Clear();
    Click(pane, RowPoint(grid, 1));
    EXPECT_EQ(Notes(parent.records), ClickNotes(1, 2));

    SendMessageA(pane, LB_SETSEL, TRUE, 0);
    parent.Clear();
    KeyDown(pane, VK_RETURN, kPlainScanEnter);
    EXPECT_TRUE(parent.records.empty()) << "two selected rows";
}

TEST_F(ListInput, DownAndUpMoveTheCurrentRowWithinTheFilledRowsAndKindCells) {
    Make({2, 2, 5, 0});
    StartAt(0);
    Click(pane, RowPoint(grid, 1));
    Grid_SetCurCell(grid, 3, 1);  // column 3, row 1; the row kind stays the release's
    SendMessageA(pane, LB_SETSEL, TRUE, 0);
    parent.Clear();

    KeyDown(pane, VK_DOWN, kScanDown | kExtended);
    EXPECT_EQ(Notes(parent.records),
              (std::vector<Note>{CellClickNote(3, 2, 2), CurCellChangedNote(3, 2)}));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{2}));

    parent.Clear();
    KeyDown(pane, VK_DOWN, kScanDown);  // the keypad key with NumLock off
    EXPECT_TRUE(parent.records.empty()) << "the next row's kind cell is 0";

    KeyDown(pane, VK_UP, kScanUp);
    KeyDown(pane, VK_UP, kScanUp | kExtended);
    KeyDown(pane, VK_UP, kScanUp);
    EXPECT_EQ(Notes(parent.records),
              (std::vector<Note>{CellClickNote(3, 1, 2), CurCellChangedNote(3, 1),
                                 CellClickNote(3, 0, 2), CurCellChangedNote(3, 0),
                                 CellClickNote(3, 0, 2), CurCellChangedNote(3, 0)}));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{0}));
}

TEST_F(ListInput, KeysWithAnotherScanValueGoToTheListBox) {
    Make({2, 2, 2});
    StartAt(0);
    MessageSpy listBox(pane, MessageSpy::Slot::ReplacedProcedure, {WM_KEYDOWN});
    KeyDown(pane, VK_DOWN, 0);
    KeyDown(pane, VK_RETURN, 0x1D);
    KeyDown(pane, VK_NEXT, kScanDown);
    KeyDown(pane, 'A', 0x1E);
    EXPECT_EQ(listBox.messages.size(), 4u);
    EXPECT_TRUE(parent.OfCode(GRN_CELLCLICK).empty());

    listBox.Clear();
    KeyDown(pane, VK_DOWN, kScanDown);
    EXPECT_TRUE(listBox.messages.empty());
    EXPECT_EQ(Grid_GetCurRow(grid), 1u);
}

TEST_F(ListInput, PageKeysScrollByAPageAndLeaveSelectionAndCurrentCell) {
    ASSERT_TRUE(AddStandardColumns(grid));
    for (int i = 0; i < 40; ++i) {
        AddKindRows(grid, {2});
    }
    SendMessageA(pane, LB_SETTOPINDEX, 0, 0);
    SendMessageA(grid, WM_SIZE, 0, 0);
    StartAt(3);
    SendMessageA(pane, LB_SETSEL, TRUE, 3);
    KeyDown(pane, VK_NEXT, kScanPageDown);
    EXPECT_EQ(SendMessageA(pane, LB_GETTOPINDEX, 0, 0), 11);
    KeyDown(pane, VK_NEXT, kScanPageDown | kExtended);
    EXPECT_EQ(SendMessageA(pane, LB_GETTOPINDEX, 0, 0), 22);
    KeyDown(pane, VK_PRIOR, kScanPageUp | kExtended);
    EXPECT_EQ(SendMessageA(pane, LB_GETTOPINDEX, 0, 0), 11);
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{3}));
    EXPECT_EQ(Grid_GetCurRow(grid), 3u);
    EXPECT_TRUE(parent.records.empty());
}

TEST_F(ListInput, ModifiersCountWhenDownAtTheMessageHoweverOftenAsked) {
    Make({2, 2, 2});
    StartAt(0);
    SendMessageA(pane, LB_SETSEL, TRUE, 0);
    SendMessageA(pane, LB_SETSEL, TRUE, 1);
    HeldKeys ctrl({VK_CONTROL});
    GetAsyncKeyState(VK_CONTROL);  // an earlier query does not hide the held key
    Press(pane, RowPoint(grid, 1));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{0})) << "Ctrl removed the pressed row";
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

TEST_F(ListInput, MoreSelectedRowsThanTheTableHoldsRestoreOnlyTheFirst512) {
    ASSERT_TRUE(AddStandardColumns(grid));
    for (int i = 0; i < 600; ++i) {
        AddKindRows(grid, {2});
    }
    SendMessageA(pane, LB_SETTOPINDEX, 100, 0);
    Grid_SelectAll(grid);
    ASSERT_EQ(SendMessageA(pane, LB_GETSELCOUNT, 0, 0), 600);
    Press(pane, RowPoint(grid, 101));
    EXPECT_EQ(SendMessageA(pane, LB_GETSELCOUNT, 0, 0), 600);
    Release(pane, RowPoint(grid, 103));
    EXPECT_EQ(SendMessageA(pane, LB_GETSELCOUNT, 0, 0), 512);
    const std::vector<UINT> selected = SelectedRows(grid);
    ASSERT_EQ(selected.size(), 512u);
    EXPECT_EQ(selected.front(), 0u);
    EXPECT_EQ(selected.back(), 511u);
}

// A parent may destroy the control, or clear its rows, from inside any notification; the
// gesture then ends without touching the control again.
struct Interruption {
    UINT code;                // notification in which the parent acts
    bool destroy;             // destroy the control, else clear its rows
    int gesture;              // 0 click, 1 second click, 2 Down key, 3 Enter
    std::vector<UINT> after;  // notifications still expected after it
};

class ListInputInterrupted : public ListInput,
                             public ::testing::WithParamInterface<Interruption> {};

TEST_P(ListInputInterrupted, StopsTheGestureCleanly) {
    const Interruption how = GetParam();
    Make({2, 2, 2});
    StartAt(0);
    if (how.gesture == 1) {
        Click(pane, RowPoint(grid, 1));
    }
    auto spy = SpyOnControl();
    parent.Clear();
    bool acted = false;
    parent.onNotify = [&](GridNotify& record) {
        if (record.code == how.code && !acted) {
            acted = true;
            if (how.destroy) {
                DestroyWindow(grid);
            } else {
                Grid_ClearRows(grid);
            }
        }
    };
    switch (how.gesture) {
        case 0:
        case 1: Click(pane, RowPoint(grid, 1)); break;
        case 2: KeyDown(pane, VK_DOWN, kScanDown); break;
        default:
            SendMessageA(pane, LB_SETSEL, TRUE, 0);
            KeyDown(pane, VK_RETURN, kPlainScanEnter);
            break;
    }
    ASSERT_TRUE(acted);
    std::vector<UINT> codes = parent.Codes();
    const auto at = std::find(codes.begin(), codes.end(), how.code);
    EXPECT_EQ(std::vector<UINT>(at + 1, codes.end()), how.after);
    EXPECT_TRUE(spy->Of(GRM_BEGINEDIT).empty());
    EXPECT_EQ(IsWindow(grid), how.destroy ? FALSE : TRUE);
    if (!how.destroy) {
        Grid_NotifyButton(grid);  // the control still answers
        EXPECT_EQ(parent.records.back().code, static_cast<UINT>(GRN_BUTTON));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Notifications, ListInputInterrupted,
    ::testing::Values(
        Interruption{GRN_BUTTON, true, 0, {}}, Interruption{GRN_SELCHANGE, true, 0, {}},
        Interruption{GRN_CELLCLICK, true, 1, {}}, Interruption{GRN_CURCELLCHANGED, false, 1, {}},
        Interruption{GRN_CELLCLICK, true, 2, {}}, Interruption{GRN_CELLCLICK, true, 3, {}},
        // The release still reports the button, then finds no row.
        Interruption{GRN_SELCHANGE, false, 0, {GRN_BUTTON}}));

}  // namespace
