#include "pane_commands.h"

#include <string>

#include "folder_view.h"
#include "report.h"
#include "vorlane.h"

namespace {

bool IsParentKind(UINT kind) {
    return static_cast<INT32>(kind & 0xFF) == kParentRow;
}

HWND ListPaneOf(HWND grid) {
    return FindWindowExW(grid, nullptr, L"ListBox", nullptr);
}

// The row under a screen point, or -1. Cell rectangles are in the list pane's coordinates, where
// rows scrolled above it lie above 0: row 0's top and the row height place every row.
int RowAtPoint(HWND grid, POINT screen) {
    HWND pane = ListPaneOf(grid);
    const int count = Grid_GetRowCount(grid);
    if (pane == nullptr || count <= 0) {
        return -1;
    }
    ScreenToClient(pane, &screen);
    RECT first = {};
    Grid_GetCellRect(grid, 0, 0, &first);
    const int height = first.bottom - first.top;
    if (height <= 0 || screen.y < first.top) {
        return -1;
    }
    const int row = (screen.y - first.top) / height;
    return row < count ? row : -1;
}

// Below the current cell's left end, kept within the list pane when the cell is scrolled out
// of it. The cell's x is in the grid's coordinates, its y in the list pane's.
POINT BelowCurrentCell(HWND grid) {
    RECT cell = {};
    Grid_GetCellRect(grid, Grid_GetCurCol(grid), Grid_GetCurRow(grid), &cell);
    HWND pane = ListPaneOf(grid);
    RECT client = {};
    GetClientRect(pane != nullptr ? pane : grid, &client);
    POINT x = {cell.left < 0 ? 0 : cell.left, 0};
    POINT y = {0, cell.bottom < 0 ? 0 : cell.bottom > client.bottom ? client.bottom : cell.bottom};
    ClientToScreen(grid, &x);
    ClientToScreen(pane != nullptr ? pane : grid, &y);
    return POINT{x.x, y.y};
}

// The menu of a row; ".." cannot be renamed.
HMENU CreatePaneMenu(bool parentRow) {
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) {
        return nullptr;
    }
    AppendMenuW(menu, MF_STRING, kOpenCommand, L"&Open\tEnter");
    AppendMenuW(menu, MF_STRING | (parentRow ? MF_GRAYED : 0), kRenameCommand, L"&Rename\tF2");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kCopyCommand, L"&Copy\tCtrl+C");
    AppendMenuW(menu, MF_STRING, kSelectAllCommand, L"Select &all\tCtrl+A");
    SetMenuDefaultItem(menu, kOpenCommand, FALSE);
    return menu;
}

}  // namespace

void OpenActivated(FolderView& view, UINT row, UINT rowKind, bool scripted) {
    const bool up = IsParentKind(rowKind);
    const std::wstring before = view.folder();
    if (up ? view.OpenParent() : view.OpenRow(row)) {
        return;
    }
    ReportError(GetParent(view.grid()),
                MissingFolderText(before + L"\\" + (up ? std::wstring(L"..") : view.NameAt(row))),
                scripted);
}

void ShowPaneMenu(HWND owner, FolderView& view, POINT screen, bool scripted) {
    const bool byKey = screen.x == -1 && screen.y == -1;
    const int row =
        byKey ? (Grid_GetRowCount(view.grid()) > 0 ? static_cast<int>(Grid_GetCurRow(view.grid()))
                                                   : -1)
              : RowAtPoint(view.grid(), screen);
    if (row < 0) {
        return;
    }
    HMENU menu = CreatePaneMenu(IsParentKind(static_cast<UINT>(view.KindAt(row))));
    if (menu == nullptr) {
        return;
    }
    const POINT at = byKey ? BelowCurrentCell(view.grid()) : screen;
    const UINT command = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
    DestroyMenu(menu);
    RunPaneCommand(view, command, static_cast<UINT>(row), scripted);
}

void RunPaneCommand(FolderView& view, UINT command, UINT row, bool scripted) {
    HWND grid = view.grid();
    switch (command) {
        case kOpenCommand:
            OpenActivated(view, row, static_cast<UINT>(view.KindAt(row)) & 0xFFFF, scripted);
            break;
        case kRenameCommand:
            // The name is the column with an editor; the current cell is edited where it is.
            if (row == Grid_GetCurRow(grid) && Grid_GetCurCol(grid) == kNameColumn) {
                Grid_BeginEdit(grid, GRID_EDIT_CURRENT, row);
            } else {
                Grid_BeginEdit(grid, kNameColumn, row);
            }
            break;
        case kCopyCommand: Grid_Copy(grid, FALSE); break;
        case kSelectAllCommand: Grid_SelectAll(grid); break;
        default: break;
    }
}
