#include "command_gestures.h"

#include <cstdlib>
#include <string>

#include "demo_window.h"
#include "folder_view.h"
#include "report.h"
#include "vorlane.h"

namespace {

HWND ListPaneOf(HWND grid) {
    return FindWindowExW(grid, nullptr, L"ListBox", nullptr);
}

// Handles the messages waiting, as the demo's loop would.
void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void HoldKey(int key, bool down) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[key] = down ? 0x80 : 0;
    SetKeyboardState(state);
}

LPARAM KeyData(UINT key) {
    const bool extended = key == VK_APPS;
    return 1 | static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16 |
           (extended ? LPARAM{1} << 24 : 0);
}

// A key pressed in the focused window (held modifiers in the thread's key state), translated.
void PressKey(UINT key, int modifier = 0) {
    if (modifier != 0) {
        HoldKey(modifier, true);
    }
    // A keyboard delivers F10, with or without Shift, as a system key.
    PostMessageW(GetFocus(), key == VK_F10 ? WM_SYSKEYDOWN : WM_KEYDOWN, key, KeyData(key));
    Pump();
    if (modifier != 0) {
        HoldKey(modifier, false);
    }
}

// The list pane's point in the middle of a cell, or 40 pixels into a name.
POINT CellPoint(HWND grid, UINT column, UINT row) {
    RECT cell = {};
    Grid_GetCellRect(grid, column, row, &cell);
    const int x = column == kNameColumn ? cell.left + 40 : (cell.left + cell.right) / 2;
    return POINT{x, (cell.top + cell.bottom) / 2};
}
POINT RowPoint(HWND grid, UINT row) {
    return CellPoint(grid, kNameColumn, row);
}

// The pointer is put where the click is, as a hand's would be.
void Click(HWND grid, UINT row, bool twice, UINT column = kNameColumn) {
    HWND pane = ListPaneOf(grid);
    const POINT at = CellPoint(grid, column, row);
    POINT screen = at;
    ClientToScreen(pane, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(pane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(pane, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    if (twice) {
        SendMessageW(pane, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        SendMessageW(pane, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    Pump();
}

// The grid reads a right click's row from the cursor.
void RightClick(HWND grid, UINT row) {
    HWND pane = ListPaneOf(grid);
    POINT at = RowPoint(grid, row);
    POINT screen = at;
    ClientToScreen(pane, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(pane, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(pane, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    Pump();
}

// The menu that opens next: where it was seen, and the item letter typed into it.
struct MenuChoice {
    WPARAM letter = 0;
    RECT seen = {};
    bool shown = false;
    int ticks = 0;
};

MenuChoice& Choice() {
    static MenuChoice choice;
    return choice;
}

// Runs inside the menu's own loop: reads the menu's place and types the item's letter.
void CALLBACK ChooseInMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    MenuChoice& choice = Choice();
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu != nullptr && IsWindowVisible(menu)) {
        GetWindowRect(menu, &choice.seen);
        choice.shown = true;
        PostMessageW(menu, WM_KEYDOWN, choice.letter, KeyData(static_cast<UINT>(choice.letter)));
        KillTimer(nullptr, timer);
    } else if (++choice.ticks > 100) {
        KillTimer(nullptr, timer);  // no menu came
    }
}

void ArmMenu(WPARAM letter) {
    Choice() = MenuChoice{};
    Choice().letter = letter;
    SetTimer(nullptr, 0, 20, ChooseInMenu);
}

// Where the menu of a key must open: below the current cell's left end.
POINT BelowCurrentCell(HWND grid) {
    RECT cell = {};
    Grid_GetCellRect(grid, Grid_GetCurCol(grid), Grid_GetCurRow(grid), &cell);
    POINT x = {cell.left, 0};
    POINT y = {0, cell.bottom};
    ClientToScreen(grid, &x);
    ClientToScreen(ListPaneOf(grid), &y);
    return POINT{x.x, y.y};
}

// Opens the menu with the Menu key (or another key and modifier); true when it opened below the
// current cell.
bool MenuByKey(const FolderView& view, WPARAM letter, UINT key = VK_APPS, int modifier = 0) {
    const POINT expected = BelowCurrentCell(view.grid());
    ArmMenu(letter);
    PressKey(key, modifier);
    const RECT& seen = Choice().seen;
    return Choice().shown && std::abs(seen.left - expected.x) <= 1 &&
           std::abs(seen.top - expected.y) <= 1;
}

void MenuByClick(FolderView& view, UINT row, WPARAM letter) {
    ArmMenu(letter);
    RightClick(view.grid(), row);
}

UINT RowNamed(const FolderView& view, const wchar_t* name) {
    return static_cast<UINT>(view.RowOf(name));
}

std::wstring ClipboardText() {
    std::wstring text;
    if (OpenClipboard(nullptr)) {
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        const auto* chars =
            data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
        if (chars != nullptr) {
            text = chars;
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

INT32 KeepOf(const FolderView& view, const wchar_t* name) {
    INT32 keep = -1;
    Grid_GetCell(view.grid(), kKeepColumn, RowNamed(view, name), &keep);
    return keep;
}

std::wstring TagOf(const FolderView& view, const wchar_t* name) {
    wchar_t tag[16] = {};
    Grid_GetCellExW(view.grid(), kTagColumn, RowNamed(view, name), tag, 16);
    return tag;
}

bool Focused(const wchar_t* windowClass) {
    wchar_t name[16] = {};
    GetClassNameW(GetFocus(), name, 16);
    return lstrcmpiW(name, windowClass) == 0;
}

struct Panes {
    FolderView& left;
    FolderView& right;
    std::wstring start;  // the left pane's folder before each case
};

std::wstring ParentOf(const std::wstring& folder) {
    return folder.substr(0, folder.find_last_of(L'\\'));
}

struct CommandCase {
    const wchar_t* name;
    bool (*play)(Panes& panes);  // plays the gesture; true when the panes show what it must leave
};

const CommandCase kCases[] = {
    {L"a double click on '..' with a file current opens the parent folder",
     [](Panes& p) {
         Click(p.left.grid(), RowNamed(p.left, L"todo.txt"), false);
         Click(p.left.grid(), 0, true);
         return p.left.folder() == ParentOf(p.start);
     }},
    {L"Enter on '..' opens the parent folder",
     [](Panes& p) {
         Click(p.left.grid(), 1, false);
         PressKey(VK_UP);
         PressKey(VK_RETURN);
         return p.left.folder() == ParentOf(p.start);
     }},
    {L"Open of the Menu key's menu opens the current folder, the menu below the current cell",
     [](Panes& p) {
         Click(p.left.grid(), RowNamed(p.left, L"Documents"), false);
         return MenuByKey(p.left, 'O') && p.left.folder() == p.start + L"\\Documents";
     }},
    {L"Open of a right click's menu on '..' opens the parent folder, the menu at the cursor",
     [](Panes& p) {
         Click(p.left.grid(), RowNamed(p.left, L"todo.txt"), false);
         POINT cursor = {};
         MenuByClick(p.left, 0, 'O');
         GetCursorPos(&cursor);
         return Choice().shown && Choice().seen.left == cursor.x &&
                p.left.folder() == ParentOf(p.start);
     }},
    {L"Rename of a right click's menu edits the name of the row clicked",
     [](Panes& p) {
         const UINT row = RowNamed(p.left, L"notes.txt");
         MenuByClick(p.left, row, 'R');
         wchar_t text[MAX_PATH] = {};
         GetWindowTextW(GetFocus(), text, MAX_PATH);
         wchar_t className[16] = {};
         GetClassNameW(GetFocus(), className, 16);
         const bool editing =
             lstrcmpiW(className, L"Edit") == 0 && std::wstring(text) == L"notes.txt";
         PressKey(VK_ESCAPE);
         return editing && Grid_GetCurRow(p.left.grid()) == row;
     }},
    {L"Copy of the Menu key's menu puts the current row on the clipboard",
     [](Panes& p) {
         Click(p.left.grid(), RowNamed(p.left, L"setup.ini"), false);
         return MenuByKey(p.left, 'C') &&
                ClipboardText().rfind(L"not checked\tsetup.ini\tnone\t", 0) == 0;
     }},
    {L"Copy of the Shift+F10 menu puts the current row on the clipboard",
     [](Panes& p) {
         Click(p.left.grid(), RowNamed(p.left, L"notes.txt"), false);
         return MenuByKey(p.left, 'C', VK_F10, VK_SHIFT) &&
                ClipboardText().rfind(L"not checked\tnotes.txt\tnone\t", 0) == 0;
     }},
    {L"Select all of the Menu key's menu selects every row but '..'",
     [](Panes& p) {
         Click(p.left.grid(), 1, false);
         const bool shown = MenuByKey(p.left, 'A');
         const int count = Grid_GetRowCount(p.left.grid());
         return shown && Grid_GetSelRowsEx(p.left.grid(), 0, nullptr) == count - 1;
     }},
    {L"Tab takes the keyboard to the right pane and Shift+Tab back",
     [](Panes& p) {
         Click(p.left.grid(), 1, false);
         PressKey(VK_TAB);
         const bool right = IsChild(p.right.grid(), GetFocus()) != FALSE;
         PressKey(VK_TAB, VK_SHIFT);
         return right && IsChild(p.left.grid(), GetFocus()) != FALSE;
     }},
    {L"Space checks Keep of the current file; the box stays checked after a sort and a refresh",
     [](Panes& p) {
         Click(p.left.grid(), RowNamed(p.left, L"todo.txt"), false);
         PressKey(VK_SPACE);
         const bool checked = KeepOf(p.left, L"todo.txt") == 1;
         p.left.SortByTitle(kSizeColumn);
         const bool sorted = KeepOf(p.left, L"todo.txt") == 1;
         p.left.Open(p.start);
         return checked && sorted && KeepOf(p.left, L"todo.txt") == 1 &&
                KeepOf(p.left, L"notes.txt") == 0;
     }},
    {L"A click on a Tag and F2 open its list, Down and Enter pick the next colour, kept after a "
     L"refresh",
     [](Panes& p) {
         Click(p.left.grid(), RowNamed(p.left, L"notes.txt"), false, kTagColumn);
         PressKey(VK_F2);
         const bool opened = Focused(L"ComboBox");
         PressKey(VK_DOWN);
         PressKey(VK_RETURN);
         const bool picked = TagOf(p.left, L"notes.txt") == L"red";
         p.left.Open(p.start);
         return opened && picked && TagOf(p.left, L"notes.txt") == L"red";
     }},
};

}  // namespace

bool PlayCommandChecks() {
    Panes panes = {DemoPane(0), DemoPane(1), DemoPane(0).folder()};
    bool passed = true;
    for (const CommandCase& test : kCases) {
        panes.left.Open(panes.start);
        SetFocus(panes.left.grid());
        Pump();
        if (!test.play(panes)) {
            ReportError(nullptr, std::wstring(L"failed: ") + test.name, true);
            passed = false;
        }
    }
    panes.left.Open(panes.start);
    return passed;
}
