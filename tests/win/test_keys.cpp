// The commands of the list pane's keys: every key is reported to the parent first (GRN_KEYDOWN)
// and the parent may consume it; Ctrl+A selects all, Ctrl+C and Ctrl+Insert copy, F2 edits,
// Shift+F10 and the Menu key ask for the context menu, as does a right click on a row. GRM_COPY
// puts the rows on the clipboard as text.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "harness.h"
#include "input_helpers.h"
#include "list_input_fixture.h"
#include "owner_rows_parent.h"
#include "real_input.h"
#include "unicode_grid.h"

using namespace testing_support;

namespace {

constexpr wchar_t kUntouched[] = L"untouched";

void SetClipboardText(HWND owner, const wchar_t* text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// The clipboard's text in one format, as bytes (CF_TEXT) or UTF-16 units (CF_UNICODETEXT).
template <class Text>
Text ClipboardText(HWND owner, UINT format) {
    Text text;
    if (!OpenClipboard(owner)) {
        return text;
    }
    if (HANDLE memory = GetClipboardData(format); memory != nullptr) {
        text = static_cast<const typename Text::value_type*>(GlobalLock(memory));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

struct KeyCase {
    const char* name;
    std::vector<WORD> chord;       // pressed in order, released in reverse
    WORD modifiers;                // the report's keyModifiers
    std::vector<UINT> codesAfter;  // the notifications after the report, when not consumed
    size_t selectedAfter = 0;      // rows selected after it, when not consumed
    bool copies = false;
    bool asksForMenu = false;
    bool keyMenu = false;  // the system's own handling enters the menu, when not consumed
};

// Keys come from the keyboard: F10 and every Alt combination as system keys. The system's
// handling of a key shows as WM_SYSCOMMAND SC_KEYMENU, to the pane or to the top-level window
// (swallowed here, so that no menu opens).
TEST_F(ListInput, EachKeyIsReportedFirstAndDoesNothingElseWhenTheParentConsumesIt) {
    const KeyCase cases[] = {
        {"Down", {VK_DOWN}, 0, {GRN_CELLCLICK, GRN_CURCELLCHANGED}, 1},
        {"Ctrl+A", {VK_CONTROL, 'A'}, GRID_KEY_CONTROL, {GRN_SELCHANGE}, 4},
        {"Ctrl+C", {VK_CONTROL, 'C'}, GRID_KEY_CONTROL, {}, 0, true},
        {"Ctrl+Insert", {VK_CONTROL, VK_INSERT}, GRID_KEY_CONTROL, {}, 0, true},
        {"F2", {VK_F2}, 0, {GRN_BEGINEDIT}},
        {"Shift+F10", {VK_SHIFT, VK_F10}, GRID_KEY_SHIFT, {}, 0, false, true},
        {"Menu", {VK_APPS}, 0, {}, 0, false, true},
        {"F10", {VK_F10}, 0, {}, 0, false, false, true},
        {"Alt+Q", {VK_MENU, 'Q'}, GRID_KEY_ALT, {}, 0, false, false, true},
        {"Alt+Shift+J",
         {VK_MENU, VK_SHIFT, 'J'},
         GRID_KEY_ALT | GRID_KEY_SHIFT,
         {},
         0,
         false,
         false,
         true},
    };
    Make({2, 2, 6, 6});
    parent.hearKeys = true;
    MessageSpy paneMenu(pane, MessageSpy::Slot::ReplacedProcedure, {WM_SYSCOMMAND},
                        {WM_SYSCOMMAND});
    MessageSpy topMenu(parent.hwnd(), MessageSpy::Slot::WindowProcedure, {WM_SYSCOMMAND},
                       {WM_SYSCOMMAND});
    for (const KeyCase& c : cases) {
        for (const bool consume : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (consume ? " consumed" : " passed on"));
            Grid_CancelEdit(grid);
            FocusForKeys(pane);
            Grid_SetCurCell(grid, 1, 1);
            Grid_DeselectAll(grid);
            parent.Clear();
            parent.contextMenus.clear();
            paneMenu.Clear();
            topMenu.Clear();
            SetClipboardText(parent.hwnd(), kUntouched);
            parent.vetoCodes = consume ? std::set<UINT>{GRN_KEYDOWN} : std::set<UINT>{};
            const WORD key = c.chord.back();
            if (c.chord.size() == 1) {
                TypeChord({key});
            } else if (c.chord.size() == 2) {
                TypeChord({c.chord[0], key});
            } else {
                TypeChord({c.chord[0], c.chord[1], key});
            }

            // Every key of the chord is reported, modifiers included; the last one is checked.
            std::vector<UINT> after;
            const GridNotify* report = nullptr;
            for (const GridNotify& record : parent.records) {
                if (record.code != GRN_KEYDOWN) {
                    after.push_back(record.code);
                } else if (record.virtualKey == key && report == nullptr) {
                    report = &record;
                }
            }
            ASSERT_NE(report, nullptr);
            EXPECT_EQ(report->keyModifiers, c.modifiers);
            EXPECT_EQ(report->column, 1u);
            EXPECT_EQ(report->row, 1u);
            EXPECT_EQ(after, consume ? std::vector<UINT>{} : c.codesAfter);
            EXPECT_EQ(SelectedRows(grid).size(), consume ? 0u : c.selectedAfter);
            EXPECT_EQ(ClipboardText<std::wstring>(parent.hwnd(), CF_UNICODETEXT) != kUntouched,
                      c.copies && !consume);
            ASSERT_EQ(parent.contextMenus.size(), c.asksForMenu && !consume ? 1u : 0u);
            if (!parent.contextMenus.empty()) {
                EXPECT_EQ(parent.contextMenus[0].from, grid);
                EXPECT_EQ(parent.contextMenus[0].point.x, -1);
                EXPECT_EQ(parent.contextMenus[0].point.y, -1);
            }
            size_t keyMenus = 0;
            for (const MessageSpy* spy : {&paneMenu, &topMenu}) {
                for (const MessageSpy::Message& m : spy->messages) {
                    keyMenus += (m.wParam & 0xFFF0) == SC_KEYMENU ? 1 : 0;
                }
            }
            EXPECT_EQ(keyMenus, c.keyMenu && !consume ? 1u : 0u);
        }
    }
    Grid_CancelEdit(grid);
}

TEST_F(ListInput, ARightClickOnARowAsksForTheContextMenuAtTheCursorAfterItsClick) {
    Make({2, 2});
    StartAt(0);
    struct {
        int paneY;
        bool onRow;
    } cases[] = {{17 + 8, true}, {17 * 5 + 8, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.paneY);
        parent.Clear();
        parent.contextMenus.clear();
        POINT cursor = {30, c.paneY};
        PointerAt(pane, cursor);
        ClientToScreen(pane, &cursor);
        SendMessageA(pane, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, c.paneY));
        SendMessageA(pane, WM_RBUTTONUP, 0, MAKELPARAM(30, c.paneY));
        ASSERT_EQ(parent.contextMenus.size(), c.onRow ? 1u : 0u);
        if (c.onRow) {
            EXPECT_EQ(parent.contextMenus[0].from, grid);
            EXPECT_EQ(parent.contextMenus[0].point.x, cursor.x);
            EXPECT_EQ(parent.contextMenus[0].point.y, cursor.y);
            EXPECT_EQ(Grid_GetCurRow(grid), 1u);
        }
    }
}

struct CopyCase {
    const char* name;
    std::vector<UINT> selected;
    bool titles;
    std::wstring expected;
};

// Rows of the standard columns: a folder row, whose numbers read "<DIR>", and rows of numbers
// formatted as painted (a 0 shows nothing).
TEST_F(ListInput, CopyPutsTheShownColumnsOfTheSelectedRowsInBothFormats) {
    ASSERT_TRUE(AddStandardColumns(grid));
    AddStandardRow(grid, "docs", "a note", 7, 8, 9, 2);
    AddStandardRow(grid, "big", "", 1234567, -5, 0, 6);
    AddStandardRow(grid, "third", "x", 1, 2, 3, 6);
    const CopyCase cases[] = {
        {"the current row when none is selected",
         {},
         false,
         L"big\t\t1,234,567\t4,294,967,291\t\r\n"},
        {"selected rows in order",
         {2, 0},
         false,
         L"docs\ta note\t<DIR>\t<DIR>\t<DIR>\r\nthird\tx\t1\t2\t3\r\n"},
        {"titles first",
         {1},
         true,
         L"Name\tNote\tSize\tA\tB\r\nbig\t\t1,234,567\t4,294,967,291\t\r\n"},
    };
    for (const CopyCase& c : cases) {
        SCOPED_TRACE(c.name);
        StartAt(1);
        for (UINT row : c.selected) {
            SendMessageA(pane, LB_SETSEL, TRUE, row);
        }
        SetClipboardText(parent.hwnd(), kUntouched);
        EXPECT_EQ(Grid_Copy(grid, c.titles), TRUE);
        const std::wstring wide = ClipboardText<std::wstring>(parent.hwnd(), CF_UNICODETEXT);
        EXPECT_EQ(wide, c.expected);
        EXPECT_EQ(ClipboardText<std::string>(parent.hwnd(), CF_TEXT),
                  std::string(wide.begin(), wide.end()));
    }

    // A Unicode grid's texts reach CF_UNICODETEXT whole.
    HWND wideGrid = MakeWideGrid(parent.hwnd(), u"Title");
    AddWideRow(wideGrid, kMixed, 5);
    Grid_SetCurCell(wideGrid, 0, 0);
    EXPECT_EQ(Grid_Copy(wideGrid, TRUE), TRUE);
    const Units copied = ClipboardText<Units>(parent.hwnd(), CF_UNICODETEXT);
    EXPECT_EQ(copied, u"Title\t\r\n" + kMixed + u"\t5\r\n");
}

// An owner-data grid copies what its parent serves exactly as an ordinary grid of the same
// rows copies them: selected rows, or the current one, with or without the titles.
TEST(OwnerDataCopy, CopiesAsAnOrdinaryGridOfTheSameRows) {
    RecordingParent parent;
    OwnerRowsModel model;
    model.rows = {
        {"docs", "a note", 7, 8, 9, 2}, {"big", "", 1234567, -5, 0, 6}, {"x", "y", 1, 2, 3, 6}};
    HWND owner = CreateStandardGrid(parent.hwnd(), true);
    HWND plain = CreateStandardGrid(parent.hwnd(), false, 0, 250);
    model.Serve(parent, owner);
    model.Show(owner);
    model.Fill(plain);
    const struct {
        std::vector<UINT> selected;
        bool titles;
    } cases[] = {{{}, false}, {{0, 2}, true}, {{1}, false}};
    for (const auto& c : cases) {
        std::wstring copies[2];
        for (HWND grid : {owner, plain}) {
            Grid_SetCurCell(grid, 0, 1);
            Grid_DeselectAll(grid);
            for (UINT row : c.selected) {
                Grid_SetCurCell(grid, 0, row);  // a current cell is selected with it
            }
            SetClipboardText(parent.hwnd(), kUntouched);
            EXPECT_EQ(Grid_Copy(grid, c.titles), TRUE);
            copies[grid == owner ? 0 : 1] =
                ClipboardText<std::wstring>(parent.hwnd(), CF_UNICODETEXT);
        }
        EXPECT_EQ(copies[0], copies[1]);
        EXPECT_NE(copies[0], kUntouched);
        EXPECT_EQ(std::count(copies[0].begin(), copies[0].end(), L'\n'),
                  std::max<size_t>(c.selected.size(), 1) + (c.titles ? 1 : 0));
    }
}

}  // namespace
