// Keys the list pane takes over from the list box: Enter activates the one selected row, Down
// and Up move the current cell, Page Up and Page Down scroll. A key is known by its virtual key
// and its scan value together, so that keys synthesised without a scan code reach the list box.
// The commands users expect of a list come before them: Ctrl+A selects all, Ctrl+C and
// Ctrl+Insert copy, F2 edits, Shift+F10 and the Menu key ask for the context menu.
#include <optional>

#include "frame/grid_handlers.h"
#include "frame/notify.h"
#include "frame/row_positions.h"
#include "frame/row_selection.h"
#include "input/check_toggle.h"
#include "input/column_fit.h"
#include "input/list_pane.h"
#include "vorlane.h"

namespace vorlane {

namespace {

void OnEnter(GridInstance& grid) {
    if (SelectedRowCount(grid) != 1) {
        return;
    }
    grid.gesture.rowKind = KindWord(KindCellOfRow(grid, grid.currentRow));
    ActivateCurrentRow(grid);
}

// Moves down only onto a filled row whose kind cell is set.
void OnDown(GridInstance& grid) {
    const uint64_t target = uint64_t{grid.currentRow} + 1;
    if (target >= FilledRowCount(grid) || KindCellOfRow(grid, static_cast<uint32_t>(target)) == 0) {
        return;
    }
    DeselectAllRows(grid);
    SendMessageA(grid.ownWindow, GRM_SETCURCELL, grid.currentColumn, static_cast<LPARAM>(target));
}

void OnUp(GridInstance& grid) {
    const uint32_t target = grid.currentRow == 0 ? 0 : grid.currentRow - 1;
    DeselectAllRows(grid);
    SendMessageA(grid.ownWindow, GRM_SETCURCELL, grid.currentColumn, target);
}

// Space toggles the selection of the caret row, as the list box of an ordinary grid does; an
// owner-data grid's list box keeps no selection to toggle.
void ToggleCaretRow(GridInstance& grid) {
    const LRESULT caret = SendMessageA(grid.listPane, LB_GETCARETINDEX, 0, 0);
    if (caret >= 0 && static_cast<uint64_t>(caret) < RowCount(grid)) {
        const auto row = static_cast<uint32_t>(caret);
        SelectRow(grid, row, !IsRowSelected(grid, row));
    }
}

void Scroll(GridInstance& grid, WPARAM code) {
    SendMessageA(grid.ownWindow, WM_VSCROLL, code, 0);
}

// The GRID_KEY_ bits of the modifier keys held as the key went down.
WORD HeldModifiers() {
    WORD held = 0;
    if (GetKeyState(VK_SHIFT) < 0) {
        held |= GRID_KEY_SHIFT;
    }
    if (GetKeyState(VK_CONTROL) < 0) {
        held |= GRID_KEY_CONTROL;
    }
    if (GetKeyState(VK_MENU) < 0) {
        held |= GRID_KEY_ALT;
    }
    return held;
}

// The Tab (or Shift+Tab) an editor hands on moves the current cell to the next (or previous)
// shown column, in the order the user sees them.
void OnTab(GridInstance& grid) {
    const bool back = (HeldModifiers() & GRID_KEY_SHIFT) != 0;
    const std::optional<uint32_t> next =
        grid.store.columns().ShownNeighbour(grid.currentColumn, !back);
    if (next) {
        SendMessageA(grid.ownWindow, GRM_SETCURCELL, *next, grid.currentRow);
    }
}

void SelectAllRows(GridInstance& grid) {
    SendMessageA(grid.ownWindow, GRM_SELECTALL, 0, 0);
    if (grid.destroyed) {
        return;
    }
    GridNotify record = MakeNotify(grid, GRN_SELCHANGE);
    SendNotify(grid, record);
}

// The context menu of the keyboard is at (-1, -1): the parent places it by the current cell.
void AskForKeyboardContextMenu(const GridInstance& grid) {
    SendContextMenu(grid, POINT{-1, -1});
}

}  // namespace

bool OnListCommandKey(GridInstance& grid, WPARAM virtualKey) {
    const WORD held = HeldModifiers();
    if (held == GRID_KEY_CONTROL && virtualKey == 'A') {
        SelectAllRows(grid);
    } else if (held == GRID_KEY_CONTROL && (virtualKey == 'C' || virtualKey == VK_INSERT)) {
        OnCopy(grid, false);
    } else if (held == GRID_KEY_CONTROL && virtualKey == VK_ADD) {
        FitColumns(grid, kAllColumns, false, true);
    } else if (held == 0 && virtualKey == VK_F2) {
        SendMessageA(grid.ownWindow, GRM_BEGINEDIT, GRID_EDIT_CURRENT, grid.currentRow);
    } else if ((held == GRID_KEY_SHIFT && virtualKey == VK_F10) ||
               (held == 0 && virtualKey == VK_APPS)) {
        AskForKeyboardContextMenu(grid);
    } else {
        return false;
    }
    return true;
}

bool ParentConsumesKey(GridInstance& grid, WPARAM virtualKey) {
    GridNotify record = MakeNotify(grid, GRN_KEYDOWN, grid.currentColumn, grid.currentRow);
    record.virtualKey = static_cast<WORD>(virtualKey);
    record.keyModifiers = HeldModifiers();
    return SendNotify(grid, record);
}

bool OnListKeyDown(GridInstance& grid, WPARAM virtualKey, LPARAM keyData) {
    if (OnListCommandKey(grid, virtualKey)) {
        return true;
    }
    if (UsesListConventions(grid) && OnConventionalListKey(grid, virtualKey, keyData)) {
        return true;
    }
    const uint32_t scan = ScanValue(keyData);
    switch (virtualKey) {
        case VK_RETURN:
            if (!ScanMatches(scan, 0x1C)) {
                return false;
            }
            OnEnter(grid);
            return true;
        case VK_DOWN:
            if (!ScanMatches(scan, 0x50)) {
                return false;
            }
            OnDown(grid);
            return true;
        case VK_UP:
            if (!ScanMatches(scan, 0x48)) {
                return false;
            }
            OnUp(grid);
            return true;
        case VK_PRIOR:
            if (!ScanMatches(scan, 0x49)) {
                return false;
            }
            Scroll(grid, SB_PAGEUP);
            return true;
        case VK_NEXT:
            if (!ScanMatches(scan, 0x51)) {
                return false;
            }
            Scroll(grid, SB_PAGEDOWN);
            return true;
        case VK_TAB:
            // Only the Tab that ends an edit moves the current cell; in the list itself Tab stays
            // the parent's (a dialog's focus, or GRN_KEYDOWN).
            if (!grid.gesture.tabFromEditor || (HeldModifiers() & ~GRID_KEY_SHIFT) != 0) {
                return false;
            }
            OnTab(grid);
            return true;
        case VK_SPACE:
            if (HeldModifiers() == 0 && ToggleChecksByKey(grid)) {
                return true;
            }
            if (!IsOwnerData(grid)) {
                return false;  // the list box toggles its caret row itself
            }
            ToggleCaretRow(grid);
            return true;
        default: return false;
    }
}

}  // namespace vorlane
