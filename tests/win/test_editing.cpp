// In-place editing: where the editors open and with what, every way an edit ends, what the parent
// is told and when, and a parent that vetoes, destroys the grid or clears its rows meanwhile.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "harness.h"

using namespace testing_support;

namespace {

constexpr WPARAM kEditCurrent = GRID_EDIT_CURRENT;
constexpr UINT kLimitedColumn = 1;  // a text column whose editor takes 8 characters
constexpr UINT kPlacedColumn = 2;   // a text column at x 100, 80 wide
constexpr UINT kNumberColumn = 3;   // a number column at x 180, 90 wide
constexpr UINT kNoEditorColumn = 4;

class Editing : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(AddGridColumns(grid));
        // In column order while no edit has shown any of them yet.
        editors = Editors(grid);
        AddGridRow(grid, "alpha", "one", "first", 1234567);
        AddGridRow(grid, "beta", "two", "second", 0);
        AddGridRow(grid, "gamma", "three", "third", 42);
        parent.onNotify = [this](GridNotify& record) { Remember(record); };
    }
    void TearDown() override { Grid_SetGridLines(grid, FALSE); }

    static bool AddGridColumns(HWND target) {
        return AddColumns(
            target, {{50, GRID_CELL_TEXT, GRID_EDITOR_TEXT},
                     {50, GRID_CELL_TEXT, GRID_EDITOR_TEXT, nullptr, nullptr, GRID_ALIGN_LEFT, 8},
                     {80, GRID_CELL_TEXT, GRID_EDITOR_TEXT},
                     {90, GRID_CELL_NUMBER, GRID_EDITOR_NUMBER, nullptr, "###-####"},
                     {60, GRID_CELL_NUMBER, GRID_EDITOR_NONE},
                     {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}});
    }
    static void AddGridRow(HWND target, const char* a, const char* b, const char* c, INT32 n) {
        auto text = [](const char* t) { return reinterpret_cast<GridValue>(t); };
        GridValue values[6] = {text(a), text(b), text(c), n, 7, 2};
        Grid_AddRow(target, values);
    }
    // The content each notification pointed to, read while it was valid.
    void Remember(const GridNotify& record) {
        if (record.value == 0) {
            return;
        }
        if (record.code == GRN_BEGINEDIT || record.code == GRN_ENDEDIT ||
            record.code == GRN_CELLCHANGING) {
            const auto* text = reinterpret_cast<const char*>(record.value);
            texts.push_back(std::string(text, strnlen(text, 256)));
            values.push_back(*reinterpret_cast<const INT32*>(record.value));
        }
        selectedAtNotify.push_back(SelectedCount());
    }

    HWND Begin(WPARAM column, LPARAM row) {
        return reinterpret_cast<HWND>(SendMessageA(grid, GRM_BEGINEDIT, column, row));
    }
    static void Type(HWND editor, WPARAM character) { SendMessageA(editor, WM_CHAR, character, 1); }
    static std::string TextOf(HWND editor) {
        char text[1024] = {};
        GetWindowTextA(editor, text, sizeof(text));
        return text;
    }
    std::string CellText(UINT column, UINT row) {
        char text[1024] = "untouched";
        Grid_GetCell(grid, column, row, text);
        return text;
    }
    INT32 CellValue(UINT column, UINT row) {
        INT32 value = -1;
        Grid_GetCell(grid, column, row, &value);
        return value;
    }
    int SelectedCount() { return static_cast<int>(SendMessageA(list, LB_GETSELCOUNT, 0, 0)); }
    // The editor the grid reports as active, seen in a notification sent after the fact.
    HWND ReportedEditor() {
        Grid_ActivateCell(grid, 0, 0);
        return parent.records.empty() ? nullptr : parent.records.back().hwndChild;
    }
    void ClearRecords() {
        parent.Clear();
        texts.clear();
        values.clear();
        selectedAtNotify.clear();
    }

    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 600, 300, 0, 9);
    HWND list = ListPane(grid);
    std::vector<HWND> editors;
    std::vector<std::string> texts;
    std::vector<INT32> values;
    std::vector<int> selectedAtNotify;
};

TEST_F(Editing, ATextEditorOpensRightOfTheImageRoomAndFollowsTheGridLines) {
    ASSERT_EQ(editors.size(), 4u);
    Grid_SetGridLines(grid, TRUE);
    HWND editor = Begin(kPlacedColumn, 2);
    ASSERT_EQ(editor, editors[kPlacedColumn]);
    RECT at = RectInParent(editor);
    EXPECT_EQ(at.left, 116);
    EXPECT_EQ(at.top, 34);
    EXPECT_EQ(at.right - at.left, 64);
    EXPECT_EQ(at.bottom - at.top, 16);
    EXPECT_TRUE(IsWindowVisible(editor));
    EXPECT_EQ(GetFocus(), editor);
    EXPECT_EQ(GetWindowLongPtrA(editor, GWLP_ID), MAKELONG(kPlacedColumn, 2));
    EXPECT_EQ(TextOf(editor), "third");
    EXPECT_EQ(SendMessageA(editor, EM_GETSEL, 0, 0), MAKELONG(0, 5)) << "all of it selected";
    EXPECT_EQ(SendMessageA(editor, WM_GETDLGCODE, 0, 0), 0x84);

    Grid_CancelEdit(grid);
    Grid_SetGridLines(grid, FALSE);
    ASSERT_EQ(Begin(kPlacedColumn, 2), editor);
    at = RectInParent(editor);
    EXPECT_EQ(at.left, 116);
    EXPECT_EQ(at.top, 35);
    EXPECT_EQ(at.right - at.left, 64);
    EXPECT_EQ(at.bottom - at.top, 15);
}

TEST_F(Editing, ANumberEditorCoversTheCellShowsTheValueUnmaskedAndReportsItParsedBack) {
    HWND editor = Begin(kNumberColumn, 0);
    ASSERT_EQ(editor, editors[kNumberColumn]);
    RECT at = RectInParent(editor);
    EXPECT_EQ(at.left, 180);
    EXPECT_EQ(at.top, 0);
    EXPECT_EQ(at.right - at.left, 90);
    EXPECT_EQ(at.bottom - at.top, 17);
    EXPECT_EQ(TextOf(editor), "1,234,567");
    EXPECT_EQ(SendMessageA(editor, EM_GETSEL, 0, 0), MAKELONG(0, 9));
    EXPECT_EQ(SendMessageA(editor, WM_GETDLGCODE, 0, 0), 0x84);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0], 1234567) << "GRN_BEGINEDIT points to the value";

    ClearRecords();
    Type(editor, VK_RETURN);
    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{GRN_ENDEDIT}));
    EXPECT_EQ(values[0], 1234567) << "the separators are dropped before parsing";
    EXPECT_FALSE(IsWindowVisible(editor));

    // Pasted text is not filtered while editing; only digits and '-' count at the end.
    ASSERT_EQ(Begin(kNumberColumn, 0), editor);
    SetWindowTextA(editor, "98,7x6");
    ClearRecords();
    Type(editor, VK_RETURN);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0], 9876);
    EXPECT_EQ(CellValue(kNumberColumn, 0), 1234567) << "a number editor never writes";

    Begin(kNumberColumn, 1);
    EXPECT_EQ(TextOf(editor), "") << "0 opens empty";
}

TEST_F(Editing, ANumberEditorDropsEveryCharacterButDigitsMinusAndBackspace) {
    HWND editor = Begin(kNumberColumn, 1);
    ClearRecords();
    for (WPARAM typed : {'1', '2', ',', '\t', 'x', ' ', '3', '\b', '-'}) {
        Type(editor, typed);
    }
    EXPECT_EQ(TextOf(editor), "12-");
    EXPECT_TRUE(IsWindowVisible(editor)) << "Tab does not end a number edit";
    EXPECT_TRUE(parent.records.empty());
}

TEST_F(Editing, EnterInATextEditorReportsTheEndThenWritesTheCellThenDeselectsTheRows) {
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
    EXPECT_EQ(selectedAtNotify, (std::vector<int>{3, 3, 3})) << "rows deselected only at the end";
    EXPECT_EQ(SelectedCount(), 0);
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
    EXPECT_EQ(SelectedCount(), 0);
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

    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_ENDEDIT}));
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
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end) << "the current column's editor keeps no selection";
}

TEST_F(Editing, EditingTheCurrentCellWhereItIsAsksNoCellClick) {
    Grid_SetCurCell(grid, kPlacedColumn, 1);
    ClearRecords();
    HWND editor = Begin(kEditCurrent, 99);
    ASSERT_EQ(editor, editors[kPlacedColumn]);
    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{GRN_BEGINEDIT}));
    const GridNotify& begin = parent.records[0];
    EXPECT_EQ(begin.column, kPlacedColumn);
    EXPECT_EQ(begin.row, 1u);
    EXPECT_EQ(begin.hwndChild, editor);
    EXPECT_EQ(texts, (std::vector<std::string>{"second"}));

    // Moving first asks the parent; a refused move edits the current cell as it was.
    Grid_CancelEdit(grid);
    parent.vetoCodes = {GRN_CELLCLICK};
    ClearRecords();
    EXPECT_EQ(Begin(0, 2), editor);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCLICK, GRN_BEGINEDIT}));
    EXPECT_EQ(parent.records[1].column, kPlacedColumn);
    EXPECT_EQ(parent.records[1].row, 1u);
    EXPECT_EQ(GetWindowLongPtrA(editor, GWLP_ID), MAKELONG(kPlacedColumn, 1));
}

TEST_F(Editing, NoEditOpensWithoutRowsWithoutAnEditorOrAgainstTheParentsVeto) {
    HWND empty = CreateGrid(parent.hwnd(), 0, 310, 300, 100, 0, 10);
    ASSERT_TRUE(AddGridColumns(empty));
    ClearRecords();
    EXPECT_EQ(SendMessageA(empty, GRM_BEGINEDIT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(empty, GRM_BEGINEDIT, kEditCurrent, 0), 0);
    for (HWND editor : Editors(empty)) {
        EXPECT_FALSE(IsWindowVisible(editor));
    }

    parent.vetoCodes = {GRN_BEGINEDIT};
    ClearRecords();
    EXPECT_EQ(Begin(0, 1), nullptr);
    EXPECT_EQ(parent.OfCode(GRN_BEGINEDIT).size(), 1u);
    for (HWND editor : editors) {
        EXPECT_FALSE(IsWindowVisible(editor));
    }
    EXPECT_EQ(ReportedEditor(), nullptr);

    parent.vetoCodes.clear();
    ClearRecords();
    EXPECT_EQ(Begin(kNoEditorColumn, 0), nullptr);
    ASSERT_EQ(parent.OfCode(GRN_BEGINEDIT).size(), 1u);
    EXPECT_EQ(parent.OfCode(GRN_BEGINEDIT)[0].hwndChild, nullptr);
    EXPECT_EQ(values.back(), 7) << "the value cell's content";
}

TEST_F(Editing, ALongCellTextOpensCutToWhatTheEditorCanHold) {
    Grid_SetCellText(grid, kLimitedColumn, 0, "abcdefghijkl");
    ClearRecords();
    HWND editor = Begin(kLimitedColumn, 0);
    EXPECT_EQ(TextOf(editor), "abcdefgh");
    EXPECT_EQ(texts, (std::vector<std::string>{"abcdefgh"}));
    Grid_CancelEdit(grid);

    const std::string longText(400, 'w');
    Grid_SetCellText(grid, 0, 2, longText.c_str());
    ClearRecords();
    editor = Begin(0, 2);
    EXPECT_EQ(TextOf(editor), std::string(255, 'w'));
    EXPECT_EQ(texts, (std::vector<std::string>{std::string(255, 'w')}));
    Grid_CancelEdit(grid);
    EXPECT_EQ(CellText(0, 2), longText) << "opening an edit never changes the cell";
}

TEST_F(Editing, TheParentMayRewriteTheStartingTextWithinTheBuffer) {
    parent.onNotify = [](GridNotify& record) {
        if (record.code == GRN_BEGINEDIT) {
            std::memset(reinterpret_cast<char*>(record.value), 'z', 256);  // no NUL at all
        }
    };
    EXPECT_EQ(TextOf(Begin(kLimitedColumn, 1)), "zzzzzzzz");
    EXPECT_EQ(TextOf(Begin(0, 1)), std::string(255, 'z'));
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
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_ENDEDIT}));
    EXPECT_EQ(CellText(kPlacedColumn, 0), "first");
}

TEST_F(Editing, DestroyingTheGridWithAnEditorOpenTellsTheParentNothing) {
    ASSERT_NE(Begin(0, 0), nullptr);
    ClearRecords();
    DestroyWindow(grid);
    PumpMessages();
    EXPECT_TRUE(parent.records.empty());
}

// A parent may destroy the grid, or clear its rows, from inside any notification of an edit.
struct Interference {
    UINT code;
    bool destroy;
};

class EditingInterrupted : public Editing, public ::testing::WithParamInterface<Interference> {};

TEST_P(EditingInterrupted, StopsQuietlyAndLeavesLaterEditsWorking) {
    const Interference interference = GetParam();
    bool done = false;
    parent.onNotify = [&](GridNotify& record) {
        if (record.code != interference.code || done) {
            return;
        }
        done = true;
        if (interference.destroy) {
            DestroyWindow(grid);
        } else {
            Grid_ClearRows(grid);
        }
    };
    HWND editor = Begin(0, 1);
    if (editor != nullptr) {
        SetWindowTextA(editor, "interrupted");
        Type(editor, VK_RETURN);
    }
    PumpMessages();
    EXPECT_TRUE(done);
    if (interference.destroy) {
        EXPECT_FALSE(IsWindow(grid));
    } else {
        EXPECT_EQ(Grid_GetRowCount(grid), 0);
        for (HWND each : editors) {
            EXPECT_FALSE(IsWindowVisible(each));
        }
    }

    // Nothing is left half set: a fresh grid edits and commits as usual.
    HWND fresh = CreateGrid(parent.hwnd(), 0, 310, 400, 100, 0, 11);
    ASSERT_TRUE(AddGridColumns(fresh));
    AddGridRow(fresh, "one", "", "", 0);
    parent.onNotify = nullptr;
    parent.Clear();
    HWND freshEditor = reinterpret_cast<HWND>(SendMessageA(fresh, GRM_BEGINEDIT, 0, 0));
    ASSERT_NE(freshEditor, nullptr);
    SetWindowTextA(freshEditor, "two");
    Type(freshEditor, VK_RETURN);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCLICK, GRN_CURCELLCHANGED, GRN_BEGINEDIT,
                                                 GRN_ENDEDIT, GRN_CELLCHANGING, GRN_CELLCHANGED}));
    char text[16] = {};
    Grid_GetCell(fresh, 0, 0, text);
    EXPECT_STREQ(text, "two");
}

INSTANTIATE_TEST_SUITE_P(
    EveryNotification, EditingInterrupted,
    ::testing::Values(Interference{GRN_CELLCLICK, true}, Interference{GRN_CELLCLICK, false},
                      Interference{GRN_BEGINEDIT, true}, Interference{GRN_BEGINEDIT, false},
                      Interference{GRN_ENDEDIT, true}, Interference{GRN_ENDEDIT, false},
                      Interference{GRN_CELLCHANGING, true}, Interference{GRN_CELLCHANGING, false}),
    [](const ::testing::TestParamInfo<Interference>& info) {
        const char* code = info.param.code == GRN_CELLCLICK   ? "CellClick"
                           : info.param.code == GRN_BEGINEDIT ? "BeginEdit"
                           : info.param.code == GRN_ENDEDIT   ? "EndEdit"
                                                              : "CellChanging";
        return std::string(info.param.destroy ? "DestroyedIn" : "ClearedIn") + code;
    });

}  // namespace
