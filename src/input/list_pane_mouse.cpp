// Presses and releases in the list pane. A press selects by the modifiers and prepares a drag;
// a release makes the row current, begins an edit on a second click once the double-click time
// has passed without another press, activates after a double click, or ends a drag with a drop. The
// right button is handled as the left one on the row under the cursor. The gesture is the pressed
// grid's (ListGesture): a release that a drag has carried into the other grid's pane continues it.
// It is looked up afresh after every message that can reach the parent, which may destroy the
// pressed grid meanwhile. Every such message may also destroy this control or clear its rows: the
// gesture then stops where it is.
#include <windowsx.h>

#include <algorithm>

#include "frame/focus_mark.h"
#include "frame/notify.h"
#include "frame/row_positions.h"
#include "frame/row_selection.h"
#include "frame/shared_state.h"
#include "input/check_toggle.h"
#include "input/drag_drop.h"
#include "input/list_pane.h"
#include "input/modifiers.h"
#include "vorlane.h"

namespace vorlane {

namespace {

// The kind cell of a row whose kind is still to be marked takes this value at its first press.
constexpr uint32_t kMarkedKindCell = kKindTarget;

bool Gone(const GridInstance& grid) {
    return grid.destroyed;
}
bool RowGone(const GridInstance& grid, uint32_t row) {
    return grid.destroyed || row >= RowCount(grid);
}

LRESULT Send(const GridInstance& grid, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(grid.ownWindow, message, wParam, lParam);
}

// Writes the marked kind into a row's kind cell without asking the parent; an owner-data
// grid's parent keeps its rows, and is told as of any write (it may do anything meanwhile:
// check destroyed). A text kind column holds string offsets, not kinds, and is left alone.
bool MarkKindCell(GridInstance& grid, uint32_t row) {
    const uint32_t kindColumn = ColumnCount(grid) - 1;
    if (grid.store.columns().CellKind(kindColumn) == kCellText) {
        return false;
    }
    const uint32_t marked = kMarkedKindCell;
    if (IsOwnerData(grid)) {
        return WriteCellAt(grid, kindColumn, row, &marked);
    }
    return grid.store.WriteCell(RowOffsetAt(grid, row), kindColumn, &marked);
}

// Saves the pane's selection into the active side's table and tells whether `row` is among the
// saved positions. `count` receives the number of selected rows.
bool SaveSelection(const GridInstance& grid, uint32_t row, uint32_t& count) {
    RowRanges& table = ActiveSelectionTable();
    count = SelectedRowCount(grid);
    SaveSelectedRows(grid, table);
    return table.Contains(row);
}

// Selects again the first `count` positions saved by the press.
void RestoreSelection(GridInstance& grid, uint32_t count) {
    SelectRows(grid, ActiveSelectionTable(), true, count);
}

// True when pane x lies on a column, both edges included; the kind column counts.
bool HitsColumn(const GridInstance& grid, int64_t x) {
    const ColumnSet& columns = grid.store.columns();
    for (uint32_t i = 0; i < columns.Count(); ++i) {
        const ColumnRecord* column = columns.Get(i);
        if (column->x <= x && x <= int64_t{column->x} + column->room) {
            return true;
        }
    }
    return false;
}

// The cursor in the pane's client coordinates, for the right button's handlers.
POINT CursorInPane(const GridInstance& grid) {
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    ScreenToClient(grid.listPane, &cursor);
    return cursor;
}

// Selection of a press by the modifiers. A plain press on a member of a multiple selection
// leaves it whole, so that all of it can be dragged.
void SelectByPress(GridInstance& grid, uint32_t row, bool wasSelected, uint32_t count) {
    ListGesture& gesture = grid.gesture;
    const bool plain = !gesture.controlHeld && !gesture.shiftHeld;
    if (plain && !(count >= 2 && wasSelected)) {
        DeselectAllRows(grid);
    }
    gesture.pressDeselected = false;
    if (IsRowSelected(grid, row) && gesture.controlHeld) {
        SelectRow(grid, row, false);
        gesture.pressDeselected = true;
        gesture.clickCounter = 0;
    } else {
        SelectRow(grid, row, true);
        if (gesture.clickCounter == 0) {
            gesture.clickCounter = 1;
        }
    }
    if (row != grid.currentRow) {
        gesture.clickCounter = 1;
    }
}

// The release on the press row: the row becomes current, and a second click begins an edit.
void FinishClick(GridInstance& grid, uint32_t row) {
    if (!PressGesture(grid).pressDeselected) {
        if (UsesListConventions(grid) && grid.gesture.shiftHeld) {
            grid.gesture.selectOnMove = SelectOnMove::FromAnchor;
        }
        Send(grid, GRM_SETCURCELL, 0, row);
        if (RowGone(grid, row)) {
            return;
        }
    }
    PressGesture(grid).pressDeselected = false;
    const bool editable = (KindCellOfRow(grid, row) & 0xFF) != kKindPlain;
    if (PressGesture(grid).clickCounter > 1 && editable && !grid.gesture.controlHeld) {
        // The edit waits out the double-click time: a press meanwhile makes this click the
        // first of a double click, which activates the row instead.
        grid.gesture.editPending = true;
        SetTimer(grid.listPane, kPendingEditTimer, GetDoubleClickTime(), nullptr);
        PressGesture(grid).clickCounter = 0;
    }
    PressGesture(grid).clickCounter += 1;
}

// With GRS_LISTCONVENTIONS a press on the pane below the last row deselects every row and leaves
// the current cell where it is (a press on the pane with no row under it is below the rows).
void PressBelowRows(GridInstance& grid, uint32_t row, LPARAM point) {
    if (!UsesListConventions(grid) || row != kNoRow || ColumnCount(grid) == 0 ||
        GET_Y_LPARAM(point) < 0) {
        return;
    }
    DeselectAllRows(grid);
    GridNotify record = MakeNotify(grid, GRN_SELCHANGE);
    SendNotify(grid, record);
}

}  // namespace

void OnListLButtonDown(GridInstance& grid, LPARAM point) {
    SharedGridState& shared = Shared();
    RowDrag& drag = shared.drag;
    ListGesture& gesture = grid.gesture;
    SetFocus(grid.listPane);  // closes an open editor first
    if (Gone(grid)) {
        return;
    }
    drag.external = false;
    drag.buttonDown = true;
    drag.abandoned = false;
    Send(grid, GRM_NOTIFYBUTTON);
    if (Gone(grid)) {
        return;
    }
    drag.originX = 0;
    drag.originY = 0;
    drag.source = grid.ownWindow;
    if (drag.pressedPane != grid.listPane) {
        // Clicks count within one pane: a click in another grid is no first click here.
        drag.pressedPane = grid.listPane;
        gesture.clickCounter = 0;
    }

    const uint32_t row = RowAtPoint(grid, point);
    gesture.pressRow = row;
    uint32_t kindCell = KindCellOfRow(grid, row);
    if (kindCell == kKindUnmarked && MarkKindCell(grid, row)) {
        kindCell = kMarkedKindCell;
        gesture.clickCounter = 0;
    }
    if (grid.destroyed) {
        return;  // an owner-data grid's parent was asked for the row
    }
    const uint32_t kind = KindWord(kindCell);
    drag.kind = kind == kKindPlain ? 0 : kind;
    if (kind == kKindInert) {
        PressBelowRows(grid, row, point);
        return;
    }

    // The press keeps its selection in the table of its own pane's side, where the release of
    // this press looks for it.
    shared.activeSide = FocusSide();
    uint32_t count = 0;
    const bool wasSelected = SaveSelection(grid, row, count);
    ReadModifiers(gesture);
    SelectByPress(grid, row, wasSelected, count);
    Send(grid, GRM_SETACTIVELOOK, WM_LBUTTONDOWN, 1);
}

namespace {

// The release as the list pane handles it: capture and cursor, GRN_BUTTON, a drop or the
// click's selection, current cell and activation.
void ReleaseLeftButton(GridInstance& grid, WPARAM keys, LPARAM point) {
    RowDrag& drag = Shared().drag;
    ListGesture& gesture = grid.gesture;
    ReleaseCapture();
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    if (Gone(grid)) {
        return;
    }
    if (drag.abandoned) {
        drag.abandoned = false;  // Escape has ended this gesture already
        return;
    }
    drag.buttonDown = false;
    drag.external = false;
    Send(grid, GRM_NOTIFYBUTTON);
    if (Gone(grid)) {
        return;
    }
    if (drag.dropAllowed && !IsOnListPane(grid.listPane, point)) {
        SetPaintInput(drag.dropAllowed, false);  // released away from the list: no drop
    }
    if (drag.dropAllowed) {
        // A drop changes no selection, current cell or focus: the parent moves the rows.
        Send(grid, GRM_NOTIFYDROP);
        return;
    }
    SetFocus(grid.listPane);
    if (Gone(grid)) {
        return;
    }

    const uint32_t row = RowAtPoint(grid, point);
    gesture.rowKind = KindWord(KindCellOfRow(grid, row));
    if (gesture.rowKind == kKindInert) {
        return;
    }
    if (PressGesture(grid).activationPending) {
        ActivateCurrentRow(grid);
        PressGesture(grid).activationPending = false;
        return;
    }
    if (drag.kind == 0) {
        return;
    }

    ReadModifiers(gesture);
    uint32_t count = 0;
    if (!gesture.controlHeld && !gesture.shiftHeld) {
        count = SelectedRowCount(grid);
        if (count > 1) {
            DeselectAllRows(grid);
        }
    }
    if (!HitsColumn(grid, LOWORD(point))) {
        return;
    }
    grid.currentRow = row;
    ++grid.viewGeneration;
    ListGesture& press = PressGesture(grid);
    const bool repeat = press.clickCounter != 0 && row == press.pressRow && keys != MK_RBUTTON;
    if (!repeat) {
        press.clickCounter = 0;
    }
    if (row != press.pressRow) {
        // The press row goes back to being current, if it still names a row: the press may
        // have been below the rows, or the rows may have been cleared since.
        if (count < 2 && press.pressRow < RowCount(grid)) {
            grid.currentRow = press.pressRow;
            ++grid.viewGeneration;
        }
        RestoreSelection(grid, count);
        press.clickCounter += 1;
        return;
    }
    FinishClick(grid, row);
    if (RowGone(grid, row)) {
        return;
    }
    // A click on a check box toggles it, after the click has made its row current; it opens
    // no editor.
    if (keys != MK_RBUTTON && ToggleCheckAtPoint(grid, row, point)) {
        if (!Gone(grid)) {
            CancelPendingEdit(grid);
        }
    }
}

}  // namespace

void OnListLButtonUp(GridInstance& grid, WPARAM keys, LPARAM point) {
    ReleaseLeftButton(grid, keys, point);
    RepaintFocusMark(grid);  // a release may leave another row current
}

void OnListRButtonDown(GridInstance& grid) {
    const POINT cursor = CursorInPane(grid);
    SendMessageA(grid.listPane, WM_LBUTTONDOWN, MK_RBUTTON, MAKELPARAM(0, cursor.y));
}

// Only a release on the press row counts; it is handled as a left release at x 0, which always
// hits column 0, and never begins an edit. A release on a row then asks the parent for its
// context menu at the cursor.
void OnListRButtonUp(GridInstance& grid) {
    grid.gesture.rightButton = false;
    const POINT cursor = CursorInPane(grid);
    const uint32_t row = RowAtPaneY(grid, cursor.y);
    if (row != PressGesture(grid).pressRow) {
        return;
    }
    grid.gesture.rightButton = true;
    SendMessageA(grid.listPane, WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(0, cursor.y));
    if (grid.destroyed) {
        return;
    }
    PressGesture(grid).clickCounter = 0;
    grid.gesture.rightButton = false;
    if (row != kNoRow) {
        POINT screen = {0, 0};
        GetCursorPos(&screen);
        SendContextMenu(grid, screen);
    }
}

void CancelPendingEdit(GridInstance& grid) {
    if (grid.gesture.editPending) {
        grid.gesture.editPending = false;
        KillTimer(grid.listPane, kPendingEditTimer);
    }
}

void OnPendingEditTimer(GridInstance& grid) {
    KillTimer(grid.listPane, kPendingEditTimer);
    if (!grid.gesture.editPending) {
        return;
    }
    grid.gesture.editPending = false;
    const LRESULT column = Send(grid, GRM_GETCURCOL);
    if (Gone(grid)) {
        return;
    }
    const LRESULT current = Send(grid, GRM_GETCURROW);
    if (Gone(grid)) {
        return;
    }
    Send(grid, GRM_BEGINEDIT, static_cast<WPARAM>(column), current);
}

void OnListLButtonDblClk(GridInstance& grid) {
    grid.gesture.activationPending = true;
    grid.gesture.clickCounter = 0;
}

}  // namespace vorlane
