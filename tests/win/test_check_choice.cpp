// Check cells: toggled by a click on the box (real mouse input), by Space on the current row or
// on every selected row, and by the title's box; each toggle a cell write the parent hears of
// and may veto row by row. What the cells hold and what the boxes show afterwards, in stored and
// owner-data grids. Then the drop-down list of choices, opened, committed and cancelled each way.
#include <gtest/gtest.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <string>
#include <utility>
#include <vector>

#include "access_helpers.h"
#include "harness.h"
#include "real_input.h"
#include "screen_pixels.h"

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

// The side of the system's check box at 96 DPI.
constexpr int kBoxSide = 13;

// The system's own check box for `state` on `back`, as `window` would show it: the theme's where
// the window has one, else the classic box. Pixels row by row. The classic mixed box is dithered
// from the device context's origin: `shift` draws it a pixel to the right, the other phase.
std::vector<COLORREF> SystemBox(HWND window, INT32 state, COLORREF back, int shift) {
    DibCanvas canvas(kBoxSide + shift, kBoxSide);
    RECT area = {0, 0, kBoxSide + shift, kBoxSide};
    HBRUSH brush = CreateSolidBrush(back);
    FillRect(canvas.dc(), &area, brush);
    DeleteObject(brush);
    RECT box = {shift, 0, shift + kBoxSide, kBoxSide};
    if (HTHEME theme = OpenThemeData(window, L"BUTTON")) {
        const int parts[] = {CBS_UNCHECKEDNORMAL, CBS_CHECKEDNORMAL, CBS_MIXEDNORMAL};
        DrawThemeBackground(theme, canvas.dc(), BP_CHECKBOX, parts[state], &box, nullptr);
        CloseThemeData(theme);
    } else {
        const UINT kinds[] = {DFCS_BUTTONCHECK, DFCS_BUTTONCHECK | DFCS_CHECKED,
                              DFCS_BUTTON3STATE | DFCS_CHECKED};
        SetTextColor(canvas.dc(), GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(canvas.dc(), GetSysColor(COLOR_WINDOW));
        DrawFrameControl(canvas.dc(), &box, DFC_BUTTON, kinds[state]);
    }
    GdiFlush();
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kBoxSide; ++y) {
        for (int x = shift; x < shift + kBoxSide; ++x) {
            const DWORD pixel = canvas.bits()[y * (kBoxSide + shift) + x];
            pixels.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
        }
    }
    return pixels;
}

// The box of a row as the list pane shows it: centred in its cell; and the background beside it.
std::vector<COLORREF> ShownBox(const CheckGrid& check, UINT row, COLORREF& back) {
    RECT cell = {};
    Grid_GetCellRect(check.grid, kCheckColumn, row, &cell);
    const int left = cell.left + (cell.right - cell.left - kBoxSide) / 2;
    const int top = cell.top + (cell.bottom - cell.top - kBoxSide) / 2;
    const Capture capture(check.pane);
    back = capture.At(left - 2, top + kBoxSide / 2);
    std::vector<COLORREF> pixels;
    for (int y = top; y < top + kBoxSide; ++y) {
        for (int x = left; x < left + kBoxSide; ++x) {
            pixels.push_back(capture.At(x, y));
        }
    }
    return pixels;
}

// Each state's box is the one the system draws for the grid's window, on the row's background:
// the theme's while the window has one, the classic one once theming is turned off for it (the
// theme looked up again), and in the dark look a box with its own light face, not the dark row.
TEST(CheckCells, BoxesAreTheOnesTheSystemDrawsForTheWindow) {
    struct LookCase {
        const char* name;
        bool dark;
        bool themeOff;  // theming turned off for the grid after a first paint
    };
    const LookCase cases[] = {
        {"system look", false, false},
        {"dark look", true, false},
        {"theming off for the window", false, true},
        {"dark look, theming off", true, true},
    };
    for (const LookCase& test : cases) {
        SCOPED_TRACE(test.name);
        CheckGrid check({0, 1, 2});
        if (test.dark) {
            Grid_ApplyDarkLook(check.grid, FALSE);
        }
        UpdateWindow(check.pane);
        if (test.themeOff) {
            SetWindowTheme(check.grid, L" ", L" ");
        }
        for (INT32 state = 0; state <= 2; ++state) {
            COLORREF back = 0;
            const std::vector<COLORREF> shown = ShownBox(check, static_cast<UINT>(state), back);
            EXPECT_TRUE(shown == SystemBox(check.grid, state, back, 0) ||
                        shown == SystemBox(check.grid, state, back, 1))
                << "state " << state;
            if (test.dark) {
                EXPECT_NE(shown[shown.size() / 2], back) << "the box's face is not the row's";
            }
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

// A grid whose first column is edited with a drop-down list of colours: the column a click
// makes current.
struct ChoiceGrid {
    ChoiceGrid() {
        grid = CreateGrid(parent.hwnd(), 0, 0, 300, 200, 0, 7);
        pane = ListPane(grid);
        AddColumns(grid, {{kNameWidth, GRID_CELL_TEXT, GRID_EDITOR_CHOICE},
                          {80, GRID_CELL_TEXT, GRID_EDITOR_TEXT},
                          {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}});
        for (const char* tag : {"red", "purple"}) {
            GridValue values[3] = {reinterpret_cast<GridValue>(tag),
                                   reinterpret_cast<GridValue>("row"), kTargetKind};
            Grid_AddRow(grid, values);
        }
        EXPECT_TRUE(Grid_SetColChoices(grid, 0, "none\0red\0green\0blue\0"));
        EXPECT_FALSE(Grid_SetColChoices(grid, 1, "x\0")) << "a text editor takes no choices";
        parent.onNotify = [this](GridNotify& note) {
            if (note.code == GRN_BEGINEDIT && replacement != nullptr) {
                Grid_SetColChoices(grid, 0, replacement);
            }
            if (note.code == GRN_CELLCHANGING) {
                written = reinterpret_cast<const char*>(note.value);
            }
        };
    }
    HWND Editor() const {
        for (HWND child = GetWindow(pane, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (ClassOf(child) == "ComboBox") {
                return child;
            }
        }
        return nullptr;
    }
    std::string Cell(UINT row) const {
        char text[64] = {};
        Grid_GetCell(grid, 0, row, text);
        return text;
    }
    // A click on an item of the open list.
    void ClickChoice(int index) const {
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(Editor(), &info));
        RECT item = {};
        SendMessageA(info.hwndList, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        ClickAt(info.hwndList, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    }

    RecordingParent parent;
    HWND grid = nullptr;
    HWND pane = nullptr;
    const char* replacement = nullptr;  // the choices the parent gives at GRN_BEGINEDIT
    std::string written;                // the text GRN_CELLCHANGING offered
};

enum class Opening { Message, F2, SecondClick };
enum class Ending { Enter, Escape, DownEnter, AltDownDownEnter, F4Click };

struct ChoiceCase {
    const char* name;
    Opening opening;
    UINT row;
    const char* replacement;
    const char* shownAtOpen;  // the selected choice
    Ending ending;
    std::string after;  // the cell's text
    std::vector<UINT> codes;
};

void Open(ChoiceGrid& choice, Opening opening, UINT row) {
    if (opening == Opening::Message) {
        SendMessageA(choice.grid, GRM_BEGINEDIT, 0, row);
        return;
    }
    Grid_SetCurCell(choice.grid, 0, row);
    FocusForKeys(choice.pane);
    if (opening == Opening::F2) {
        TypeChord({VK_F2});
        return;
    }
    RECT item = {};
    SendMessageA(choice.pane, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    const POINT cell = {kNameWidth / 2, (item.top + item.bottom) / 2};
    ClickAt(choice.pane, cell);
    DoubleClickTime::LetPass();
    ClickAt(choice.pane, cell);
    DoubleClickTime::LetPass();
}

void End(ChoiceGrid& choice, Ending ending) {
    switch (ending) {
        case Ending::Enter: TypeChord({VK_RETURN}); break;
        case Ending::Escape: TypeChord({VK_ESCAPE}); break;
        case Ending::DownEnter:
            TypeChord({VK_DOWN});
            TypeChord({VK_RETURN});
            break;
        case Ending::AltDownDownEnter:
            TypeChord({VK_MENU, VK_DOWN});
            EXPECT_TRUE(SendMessageA(choice.Editor(), CB_GETDROPPEDSTATE, 0, 0));
            TypeChord({VK_DOWN});
            TypeChord({VK_RETURN});
            break;
        case Ending::F4Click:
            TypeChord({VK_F4});
            EXPECT_TRUE(SendMessageA(choice.Editor(), CB_GETDROPPEDSTATE, 0, 0));
            choice.ClickChoice(3);
            RunMessagesFor(50);
            break;
    }
}

TEST(ChoiceEditor, OpensSelectingTheCellsChoiceAndEndsAsTheTextEditorEnds) {
    DoubleClickTime quick(100);
    const std::vector<UINT> written = {GRN_BEGINEDIT, GRN_ENDEDIT, GRN_CELLCHANGING};
    const std::vector<UINT> cancelled = {GRN_BEGINEDIT};
    const ChoiceCase cases[] = {
        {"message, Down, Enter", Opening::Message, 0, nullptr, "red", Ending::DownEnter, "green",
         written},
        {"F2, Escape", Opening::F2, 0, nullptr, "red", Ending::Escape, "red", cancelled},
        {"second click, Alt+Down, Down, Enter", Opening::SecondClick, 0, nullptr, "red",
         Ending::AltDownDownEnter, "green", written},
        {"F2, F4, a click in the list", Opening::F2, 0, nullptr, "red", Ending::F4Click, "blue",
         written},
        {"a text that is no choice", Opening::F2, 1, nullptr, "", Ending::Enter, "", written},
        {"choices the parent replaces", Opening::Message, 0, "cyan\0red\0magenta\0", "red",
         Ending::DownEnter, "magenta", written},
    };
    for (const ChoiceCase& test : cases) {
        SCOPED_TRACE(test.name);
        ChoiceGrid choice;
        choice.replacement = test.replacement;
        Open(choice, test.opening, test.row);
        HWND editor = choice.Editor();
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(IsWindowVisible(editor));
        EXPECT_EQ(GetFocus(), editor);
        char shown[64] = {};
        GetWindowTextA(editor, shown, sizeof shown);
        EXPECT_STREQ(shown, test.shownAtOpen);
        choice.parent.Clear();
        End(choice, test.ending);
        EXPECT_FALSE(IsWindowVisible(editor));
        EXPECT_EQ(choice.Cell(test.row), test.after);
        std::vector<UINT> codes = {GRN_BEGINEDIT};
        for (const UINT code : choice.parent.Codes()) {
            if (code == GRN_ENDEDIT || code == GRN_CELLCHANGING) {
                codes.push_back(code);
            }
        }
        EXPECT_EQ(codes, test.codes);
    }
}

// A parent that destroys the control inside a notification of a choice's commit stops the end.
TEST(ChoiceEditor, AParentDestroyingTheControlWhileAChoiceIsCommittedStopsTheEnd) {
    const std::pair<UINT, Ending> cases[] = {{GRN_ENDEDIT, Ending::DownEnter},
                                             {GRN_CELLCHANGING, Ending::DownEnter},
                                             {GRN_CELLCHANGING, Ending::F4Click}};
    for (const auto& [code, ending] : cases) {
        ChoiceGrid choice;
        Open(choice, Opening::F2, 0);
        int asked = 0;
        choice.parent.onNotify = [&choice, &asked, code = code](GridNotify& note) {
            if (note.code == code) {
                ++asked;
                DestroyWindow(choice.grid);
            }
        };
        End(choice, ending);
        PumpMessages();
        EXPECT_FALSE(IsWindow(choice.grid));
        EXPECT_EQ(asked, 1);
    }
}

// A Unicode grid takes its choices as UTF-16 and writes the chosen one as UTF-16.
TEST(ChoiceEditor, AUnicodeGridTakesAndWritesWideChoices) {
    RecordingParent parent;
    HWND grid = CreateGridW(parent.hwnd(), 0, 0, 300, 200, 0, 7);
    ColumnDescW columns[2] = {};
    columns[0].width = kNameWidth;
    columns[0].cellKind = GRID_CELL_TEXT;
    columns[0].editorKind = GRID_EDITOR_CHOICE;
    columns[1].cellKind = GRID_CELL_VALUE;
    columns[1].editorKind = GRID_EDITOR_NONE;
    Grid_AddColumnW(grid, &columns[0]);
    Grid_AddColumnW(grid, &columns[1]);
    GridValue row[2] = {reinterpret_cast<GridValue>(L"gr\u00fcn"), kTargetKind};
    Grid_AddRowW(grid, row);
    ASSERT_TRUE(Grid_SetColChoicesW(grid, 0, L"rot\0gr\u00fcn\0bl\u00e4u\0"));
    auto editor = reinterpret_cast<HWND>(SendMessageW(grid, GRM_BEGINEDIT, 0, 0));
    ASSERT_NE(editor, nullptr);
    wchar_t shown[16] = {};
    GetWindowTextW(editor, shown, 16);
    EXPECT_STREQ(shown, L"gr\u00fcn");
    FocusForKeys(editor);
    TypeChord({VK_DOWN});
    TypeChord({VK_RETURN});
    wchar_t cell[16] = {};
    Grid_GetCellW(grid, 0, 0, cell);
    EXPECT_STREQ(cell, L"bl\u00e4u");
}

}  // namespace
