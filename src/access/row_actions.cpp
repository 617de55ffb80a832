#include "access/row_actions.h"

#include <oleacc.h>

#include "frame/row_positions.h"
#include "frame/row_selection.h"
#include "frame/shared_state.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr uint32_t kInertKind = 0;  // a row of this kind word takes no selection, no current cell

LRESULT Send(const GridInstance& grid, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(grid.ownWindow, message, wParam, lParam);
}

bool Contradicts(LONG flags) {
    const bool take = (flags & SELFLAG_TAKESELECTION) != 0;
    const bool add = (flags & SELFLAG_ADDSELECTION) != 0;
    const bool remove = (flags & SELFLAG_REMOVESELECTION) != 0;
    const bool extend = (flags & SELFLAG_EXTENDSELECTION) != 0;
    return (flags & ~SELFLAG_VALID) != 0 || flags == SELFLAG_NONE || (add && remove) ||
           (take && (add || remove || extend));
}

// The press: the selection saved for a Shift click's range, then changed as the modifiers say.
void PressSelect(GridInstance& grid, uint32_t row, LONG flags) {
    Shared().activeSide = FocusSide();
    SaveSelectedRows(grid, ActiveSelectionTable());
    if ((flags & SELFLAG_TAKESELECTION) != 0) {
        DeselectAllRows(grid);
    }
    SelectRow(grid, row, (flags & SELFLAG_REMOVESELECTION) == 0);
}

}  // namespace

HRESULT SelectRowAsClicked(GridInstance& grid, uint32_t row, LONG flags) {
    if (Contradicts(flags)) {
        return E_INVALIDARG;
    }
    if ((flags & SELFLAG_TAKEFOCUS) != 0) {
        SetFocus(grid.listPane);  // closes an open editor first, as a press does
        if (grid.destroyed || row >= RowCount(grid)) {
            return E_FAIL;
        }
    }
    const uint32_t kindCell = KindCellAt(grid, row);
    if (grid.destroyed || row >= RowCount(grid)) {
        return E_FAIL;
    }
    if ((kindCell & 0xFFFF) == kInertKind) {
        return S_FALSE;
    }
    const bool remove = (flags & SELFLAG_REMOVESELECTION) != 0;
    if (remove && !IsRowSelected(grid, row)) {
        return S_OK;
    }
    PressSelect(grid, row, flags);
    Send(grid, GRM_SETACTIVELOOK, WM_LBUTTONDOWN, 1);
    if (grid.destroyed) {
        return E_FAIL;
    }
    if (remove || row >= RowCount(grid)) {
        return S_OK;  // a Ctrl click that deselects makes nothing current
    }
    // The release: the row becomes current; a veto of its cell click stops what follows (the
    // caret, the scroll, GRN_CURCELLCHANGED), as it does after a click.
    grid.currentRow = row;
    ++grid.viewGeneration;
    ListGesture& gesture = grid.gesture;
    gesture.controlHeld = (flags & SELFLAG_ADDSELECTION) != 0;
    gesture.shiftHeld = (flags & SELFLAG_EXTENDSELECTION) != 0;
    gesture.rightButton = false;
    gesture.rowKind = kindCell & 0xFFFF;
    Send(grid, GRM_SETCURCELL, 0, row);
    if (grid.destroyed) {
        return E_FAIL;
    }
    grid.gesture.controlHeld = false;
    grid.gesture.shiftHeld = false;
    return S_OK;
}

HRESULT ActivateRowAsDoubleClicked(GridInstance& grid, uint32_t row) {
    const HRESULT clicked =
        SelectRowAsClicked(grid, row, SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION);
    if (clicked != S_OK) {
        return clicked;
    }
    grid.gesture.activationPending = true;
    Send(grid, GRM_ACTIVATECELL, 0, row);
    if (grid.destroyed) {
        return E_FAIL;
    }
    grid.gesture.activationPending = false;
    return S_OK;
}

}  // namespace vorlane
