#include "gestures.h"

#include "command_gestures.h"
#include "demo_window.h"
#include "folder_view.h"
#include "vorlane.h"

namespace {

// The list pane's point `x` right of a row's name cell's left edge, in the row's middle.
POINT RowPoint(HWND grid, UINT row, int x) {
    RECT cell;
    Grid_GetCellRect(grid, kNameColumn, row, &cell);
    return POINT{cell.left + x, (cell.top + cell.bottom) / 2};
}

UINT FirstRowOfKind(const FolderView& view, INT32 kind) {
    for (UINT row = 0; row < static_cast<UINT>(Grid_GetRowCount(view.grid())); ++row) {
        if ((view.KindAt(row) & 0xFF) == kind) {
            return row;
        }
    }
    return 0;
}

HWND ListPaneOf(HWND grid) {
    return FindWindowExW(grid, nullptr, L"ListBox", nullptr);
}

void HoldControl(bool down) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = down ? 0x80 : 0;
    SetKeyboardState(state);
}

// The first of the last two rows, when both are files (in the sample tree, names in CJK and with
// an emoji); otherwise the first file row.
UINT LastTwoFileRows(const FolderView& view) {
    const UINT count = static_cast<UINT>(Grid_GetRowCount(view.grid()));
    if (count >= 2 && (view.KindAt(count - 2) & 0xFF) == kFileRow) {
        return count - 2;
    }
    return FirstRowOfKind(view, kFileRow);
}

// Clicks `first` and Ctrl-clicks the row after it.
void SelectTwoRows(HWND list, HWND grid, UINT first) {
    for (UINT row = first; row < first + 2; ++row) {
        POINT at = RowPoint(grid, row, 40);
        WPARAM keys = row == first ? MK_LBUTTON : (MK_LBUTTON | MK_CONTROL);
        HoldControl(row != first);
        SendMessageW(list, WM_LBUTTONDOWN, keys, MAKELPARAM(at.x, at.y));
        SendMessageW(list, WM_LBUTTONUP, keys & ~MK_LBUTTON, MAKELPARAM(at.x, at.y));
    }
    HoldControl(false);
}

// Presses on `row` of `list` and moves in steps to `goal` (screen coordinates), as a hand would.
// Returns the window that holds the capture at the end.
HWND DragTo(HWND list, HWND grid, UINT row, POINT goal) {
    POINT at = RowPoint(grid, row, 40);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    POINT start = at;
    ClientToScreen(list, &start);
    // The move that crosses into the other list is still judged by the list that held the
    // capture; the next one, over the same point, marks the target row.
    HWND capture = list;
    for (int step = 1; step <= 9; ++step) {
        const int part = step > 8 ? 8 : step;
        POINT p = {start.x + (goal.x - start.x) * part / 8,
                   start.y + (goal.y - start.y) * part / 8};
        SetCursorPos(p.x, p.y);
        capture = GetCapture() != nullptr ? GetCapture() : list;
        POINT local = p;
        ScreenToClient(capture, &local);
        SendMessageW(capture, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(local.x, local.y));
    }
    return GetCapture() != nullptr ? GetCapture() : capture;
}

// Rows in the order an ascending sort by name gives: "..", folders, files, each by name with
// letters compared as capitals.
bool SortedByName(const FolderView& view) {
    auto key = [](std::wstring name) {
        for (wchar_t& c : name) {
            if (c >= L'a' && c <= L'z') {
                c = static_cast<wchar_t>(c - 0x20);
            }
        }
        return name;
    };
    const UINT count = static_cast<UINT>(Grid_GetRowCount(view.grid()));
    for (UINT row = 1; row < count; ++row) {
        const INT32 before = view.KindAt(row - 1) & 0xFF;
        const INT32 after = view.KindAt(row) & 0xFF;
        if (before > after ||
            (before == after && key(view.NameAt(row - 1)) > key(view.NameAt(row)))) {
            return false;
        }
    }
    return true;
}

// Types `name` over the name of `row` and presses Enter. False when no editor opened.
bool TypeName(const FolderView& view, UINT row, const wchar_t* name) {
    HWND editor = Grid_BeginEdit(view.grid(), kNameColumn, row);
    if (editor == nullptr) {
        return false;
    }
    SetWindowTextW(editor, name);
    SendMessageW(editor, WM_CHAR, VK_RETURN, 0);
    return true;
}

std::wstring TypeAt(const FolderView& view, UINT row) {
    wchar_t type[MAX_PATH] = {};
    Grid_GetCellW(view.grid(), kTypeColumn, row, type);
    return type;
}

bool PlayRenames(FolderView& view) {
    const int renamed = view.RowOf(L"todo.txt");
    const int emptied = view.RowOf(L"notes.txt");
    const int doubled = view.RowOf(L"setup.ini");
    if (renamed < 0 || emptied < 0 || doubled < 0) {
        return false;
    }
    // The refused names come first: a rename that goes through deselects the rows.
    // "RÉSUMÉ.TXT" is "Résumé.txt" in other capitals, a name the pane has; the new name's type
    // is read from its last dot, past the other scripts.
    const bool parentEditable = TypeName(view, 0, L"up");
    const bool typed = TypeName(view, emptied, L"") && TypeName(view, doubled, L"RÉSUMÉ.TXT") &&
                       TypeName(view, renamed, L"Überblick 日程.md");
    return typed && !parentEditable && view.NameAt(renamed) == L"Überblick 日程.md" &&
           TypeAt(view, renamed) == L"MD" && view.NameAt(emptied) == L"notes.txt" &&
           view.NameAt(doubled) == L"setup.ini" && view.NameAt(0) == L"..";
}

}  // namespace

bool PlayGesture(HWND window, const std::wstring& gesture) {
    FolderView& left = DemoPane(0);
    FolderView& right = DemoPane(1);
    HWND leftList = ListPaneOf(left.grid());
    HWND rightList = ListPaneOf(right.grid());
    const UINT first = LastTwoFileRows(left);
    bool shown = true;
    if (gesture == L"select" || gesture == L"drag" || gesture == L"drop") {
        SelectTwoRows(leftList, left.grid(), first);
    }
    if (gesture == L"drag") {
        POINT goal = RowPoint(right.grid(), FirstRowOfKind(right, kFolderRow), 60);
        ClientToScreen(rightList, &goal);
        DragTo(leftList, left.grid(), first, goal);
    } else if (gesture == L"drop") {
        // Below the last row of the right pane.
        const UINT count = static_cast<UINT>(Grid_GetRowCount(right.grid()));
        POINT goal = RowPoint(right.grid(), count - 1, 60);
        goal.y += 3 * Grid_GetRowHeight(right.grid());
        ClientToScreen(rightList, &goal);
        const std::wstring dropped[2] = {left.NameAt(first), left.NameAt(first + 1)};
        HWND capture = DragTo(leftList, left.grid(), first, goal);
        POINT local = goal;
        ScreenToClient(capture, &local);
        SendMessageW(capture, WM_LBUTTONUP, 0, MAKELPARAM(local.x, local.y));
        shown = right.RowOf(dropped[0]) >= 0 && right.RowOf(dropped[1]) >= 0 && SortedByName(right);
    } else if (gesture == L"rename") {
        shown = PlayRenames(left);
    } else if (gesture == L"commands") {
        shown = PlayCommandChecks();
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return shown;
}
