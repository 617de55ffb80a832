// Every way an edit ends: Enter, a vetoed end, the list pane taking the focus, Esc, a cancel,
// Tab, a second edit, an end from the client, Enter in a hidden editor and the grid destroyed;
// what the parent is told, in which order, and what is written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing_fixture.h"
#include "harness.h"
#include "input_helpers.h"
#include "painting_helpers.h"
#include "real_input.h"

using namespace testing_support;

namespace {

TEST_F(Editing, EnterInATextEditorReportsTheEndThenWritesTheCellAndKeepsTheSelection) {
    Grid_SelectAll(grid);
    HWND editor = Begin(0, 1);
    ASSERT_EQ(editor, editors[0]);
    SetWindowTextA(editor, "renamed");
    ClearRecords();
    Type(editor, VK_RETURN);

    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{GRN_ENDEDIT, GRN_CELLCHANGING, GRN_CELLCHANGED}));
    const GridNotify& end = parent.records[0];
    EXPECT_EQ(end.column, 0u);
    EXPECT_EQ(end.row, 1u);
    EXPECT_EQ(end.hwndChild, editor);
    EXPECT_EQ(end.hwndFrom, grid);
    EXPECT_EQ(end.idFrom, 9u);
    EXPECT_EQ(texts, (std::vector<std::string>{"renamed", "renamed"}));
    EXPECT_EQ(selectedAtNotify, (std::vector<int>{3, 3, 3}));
    EXPECT_EQ(SelectedCount(), 3);
    EXPECT_EQ(CellText(0, 1), "renamed");
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_EQ(ReportedEditor(), nullptr);

    // Column 1 raises no GRN_CELLCHANGED.
    editor = Begin(kLimitedColumn, 0);
    SetWindowTextA(editor, "new");
    ClearRecords();
    Type(editor, VK_RETURN);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_ENDEDIT, GRN_CELLCHANGING}));
    EXPECT_EQ(CellText(kLimitedColumn, 0), "new");
}

// From the keyboard: F2, a character, Enter. The edited row stays selected, and is painted so.
TEST_F(Editing, AnEditEndedWithEnterLeavesItsRowSelectedAndPaintedSelected) {
    const TestPalette palette;
    SetPalette(grid, palette);
    const struct {
        UINT column;
        const char* text;  // the cell's text afterwards, or null for a number cell
    } cases[] = {{0, "x"}, {kPlacedColumn, "x"}, {kNumberColumn, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        FocusForKeys(list);
        Grid_SetCurCell(grid, c.column, 1);
        ASSERT_EQ(SelectedRows(grid), (std::vector<UINT>{1}));
        TypeChord({VK_F2});
        ASSERT_TRUE(IsWindowVisible(editors[c.column]));
        TypeChord({c.text != nullptr ? WORD{'X'} : WORD{'7'}});
        TypeChord({VK_RETURN});
        ASSERT_FALSE(IsWindowVisible(editors[c.column]));
        if (c.text != nullptr) {
            EXPECT_EQ(CellText(c.column, 1), c.text);
        }
        EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{1}));
        EXPECT_NE(SendMessageA(list, LB_GETSEL, 1, 0), 0);
        UpdateWindow(list);
        const Capture shown(list);
        const RECT row = {0, 17, 330, 34};  // left of the columns' end
        EXPECT_EQ(CountPixels(shown, row, palette.rowBack), 0);
        EXPECT_GT(CountPixels(shown, row, palette.activeCell) +
                      CountPixels(shown, row, palette.inactiveCell),
                  100);
    }
}

TEST_F(Editing, AParentThatVetoesTheEndKeepsTheCellAndTheHiddenEditorStaysActive) {
    HWND editor = Begin(0, 1);
    SetWindowTextA(editor, "changed");
    // With the focus elsewhere, hiding the editor hands no focus to the list pane (which would
    // close the edit for good).
    SetFocus(parent.hwnd());
    parent.vetoCodes = {GRN_ENDEDIT};
    ClearRecords();
    Type(editor, VK_RETURN);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_ENDEDIT}));
    EXPECT_EQ(CellText(0, 1), "beta");
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_EQ(ReportedEditor(), editor);

    // The commit was for that end only: ending again without Enter writes nothing.
    parent.vetoCodes.clear();
    ClearRecords();
    Grid_EndEdit(grid, 0, 1);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_ENDEDIT}));
    EXPECT_EQ(texts, (std::vector<std::string>{"changed"}));
    EXPECT_EQ(CellText(0, 1), "beta");
    EXPECT_EQ(ReportedEditor(), nullptr);
}

TEST_F(Editing, TheListPaneTakingTheFocusEndsTheEditUnwritten) {
    Grid_SelectAll(grid);
    HWND editor = Begin(0, 2);
    SetWindowTextA(editor, "left behind");
    ClearRecords();
    SetFocus(list);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_ENDEDIT}));
    EXPECT_EQ(texts, (std::vector<std::string>{"left behind"}));
    EXPECT_EQ(CellText(0, 2), "gamma");
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_EQ(SelectedCount(), 3);
    EXPECT_EQ(ReportedEditor(), nullptr);
}

TEST_F(Editing, EscTellsNobodyAndTheHiddenEditorStaysActiveUntilCancelled) {
    Grid_SelectAll(grid);
    HWND editor = Begin(kPlacedColumn, 0);
    SetWindowTextA(editor, "dropped");
    SetFocus(parent.hwnd());  // see the vetoed end: no focus goes to the list pane
    ClearRecords();
    Type(editor, VK_ESCAPE);
    EXPECT_TRUE(parent.records.empty());
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_EQ(CellText(kPlacedColumn, 0), "first");
    EXPECT_EQ(SelectedCount(), 3);
    EXPECT_EQ(ReportedEditor(), editor);

    ClearRecords();
    Grid_CancelEdit(grid);
    EXPECT_TRUE(parent.records.empty());
    EXPECT_EQ(ReportedEditor(), nullptr);
    Grid_CancelEdit(grid);  // nothing open: nothing happens
    EXPECT_EQ(parent.records.size(), 1u);
}

TEST_F(Editing, EscWithTheFocusInTheEditorSendsNothingAndGivesTheFocusBackToTheList) {
    HWND editor = Begin(0, 2);
    ASSERT_EQ(GetFocus(), editor);
    ClearRecords();
    Type(editor, VK_ESCAPE);
    EXPECT_TRUE(parent.records.empty());
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(CellText(0, 2), "gamma");
}

TEST_F(Editing, CancelHidesAnOpenEditorWithoutAWordAndLeavesTheSelection) {
    Grid_SelectAll(grid);
    HWND editor = Begin(0, 0);
    SetWindowTextA(editor, "never");
    ClearRecords();
    Grid_CancelEdit(grid);
    EXPECT_TRUE(parent.records.empty());
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_EQ(CellText(0, 0), "alpha");
    EXPECT_EQ(SelectedCount(), 3);
    EXPECT_EQ(ReportedEditor(), nullptr);
}

// What the list pane is sent, seen from a procedure put in front of its own.
std::vector<MSG> listMessages;
WNDPROC listProcedure = nullptr;

LRESULT CALLBACK RecordListInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_LBUTTONDBLCLK) {
        listMessages.push_back(MSG{window, message, wParam, lParam, 0, {}});
    }
    return CallWindowProcA(listProcedure, window, message, wParam, lParam);
}

TEST_F(Editing, TabInATextEditorEndsItUnwrittenAndHandsTheListATabAndADoubleClick) {
    listMessages.clear();
    listProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordListInput)));

    HWND editor = Begin(kPlacedColumn, 1);
    SetWindowTextA(editor, "tabbed");
    SendMessageA(editor, EM_SETSEL, 0, -1);
    ClearRecords();
    Type(editor, VK_TAB);
    SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProcedure));

    // The Tab the list takes moves the current cell to the next shown column.
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_ENDEDIT, GRN_CELLCLICK, GRN_CURCELLCHANGED}));
    EXPECT_EQ(Grid_GetCurCol(grid), kPlacedColumn + 1);
    EXPECT_EQ(texts, (std::vector<std::string>{"tabbed"}));
    EXPECT_EQ(CellText(kPlacedColumn, 1), "second");
    EXPECT_FALSE(IsWindowVisible(editor));
    const std::vector<MSG> seen = listMessages;
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(seen[0].wParam, static_cast<WPARAM>(VK_TAB));
    EXPECT_EQ(seen[0].lParam, 0x000F0001);
    EXPECT_EQ(seen[1].message, static_cast<UINT>(WM_LBUTTONDBLCLK));
    EXPECT_EQ(seen[1].wParam, 0u);
    EXPECT_EQ(seen[1].lParam, 0);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(editors[kPlacedColumn + 1], EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end) << "the current column's editor keeps no selection";
}

TEST_F(Editing, ASecondBeginEndsTheFirstEditUnwrittenSoOnlyOneEditorShows) {
    HWND first = Begin(0, 0);
    SetWindowTextA(first, "typed");
    ClearRecords();
    HWND second = Begin(kPlacedColumn, 1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(parent.Codes(),
              (std::vector<UINT>{GRN_ENDEDIT, GRN_CELLCLICK, GRN_CURCELLCHANGED, GRN_BEGINEDIT}));
    EXPECT_EQ(parent.records[0].column, 0u);
    EXPECT_EQ(parent.records[0].row, 0u);
    EXPECT_EQ(texts.front(), "typed");
    EXPECT_FALSE(IsWindowVisible(first));
    EXPECT_TRUE(IsWindowVisible(second));
    EXPECT_EQ(CellText(0, 0), "alpha");
    EXPECT_EQ(ReportedEditor(), second);

    // The same column again: the open edit ends, the editor opens on the new cell.
    ClearRecords();
    EXPECT_EQ(Begin(kPlacedColumn, 2), second);
    EXPECT_EQ(parent.OfCode(GRN_ENDEDIT).size(), 1u);
    EXPECT_TRUE(IsWindowVisible(second));
    EXPECT_EQ(TextOf(second), "third");
}

TEST_F(Editing, EndEditFromTheClientEndsTheOpenEditOnceAndANonZeroLParamDoesNothing) {
    HWND editor = Begin(0, 1);
    ClearRecords();
    SendMessageA(grid, GRM_ENDEDIT, MAKELONG(0, 1), 1);
    EXPECT_TRUE(parent.records.empty());
    EXPECT_TRUE(IsWindowVisible(editor));

    Grid_EndEdit(grid, 0, 1);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_ENDEDIT})) << "one end, not two";
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_EQ(texts, (std::vector<std::string>{"beta"}));
    EXPECT_EQ(ReportedEditor(), nullptr);
}

TEST_F(Editing, EnterInAnEditorThatIsNotShownLeavesNoCommitBehind) {
    Type(editors[0], VK_RETURN);  // hidden: nothing ends
    EXPECT_TRUE(parent.records.empty());
    HWND editor = Begin(kPlacedColumn, 0);
    SetWindowTextA(editor, "not written");
    ClearRecords();
    Type(editor, VK_TAB);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_ENDEDIT, GRN_CELLCLICK, GRN_CURCELLCHANGED}));
    EXPECT_EQ(CellText(kPlacedColumn, 0), "first");
}

TEST_F(Editing, DestroyingTheGridWithAnEditorOpenTellsTheParentNothing) {
    ASSERT_NE(Begin(0, 0), nullptr);
    ClearRecords();
    DestroyWindow(grid);
    PumpMessages();
    EXPECT_TRUE(parent.records.empty());
}

}  // namespace
