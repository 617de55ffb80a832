// The list pane's window procedure. The pane is a system list box whose own procedure keeps
// painting and keyboard handling it is not asked to give up, but never sees the mouse: the
// selection changes only through the messages sent here and by the control.
#include "input/list_pane.h"

#include <windowsx.h>

#include "frame/cell_tip_window.h"
#include "frame/focus_mark.h"
#include "frame/grid_handlers.h"
#include "frame/hot_row.h"
#include "frame/owner_rows.h"
#include "frame/row_positions.h"
#include "frame/shared_state.h"
#include "frame/win_events.h"
#include "input/cell_tips.h"
#include "input/drag_drop.h"
#include "input/title_drag.h"
#include "input/editing.h"
#include "input/list_pane_messages.h"
#include "render/custom_rows.h"
#include "render/list_background.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr LRESULT kListDialogCode = DLGC_WANTALLKEYS | DLGC_WANTCHARS;

// An owner-data grid fetches the rows to be painted first, so that no client code runs while
// the list box paints. Otherwise a paint means that the rows stopped coming for now: the store
// gives back the memory it grew ahead of them. The pane's paint begins here and its device
// context goes to the list box (as the paint message's HDC), so that the background outside the
// rows and the rows are drawn on one device context.
LRESULT OnListPaint(GridInstance& grid, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsOwnerData(grid)) {
        grid.store.TrimMemory();
    } else {
        RECT area = {};
        GetUpdateRect(grid.listPane, &area, FALSE);
        if (!FetchRowsForPaint(grid, area)) {
            return 0;  // the control is gone
        }
    }
    if (grid.paint != nullptr) {
        BeginListPanePaint(*grid.paint);
    }
    HWND pane = grid.listPane;
    PAINTSTRUCT paint = {};
    const bool ownPaint = wParam == 0;
    HDC dc = ownPaint ? BeginPaint(pane, &paint) : reinterpret_cast<HDC>(wParam);
    FillListPaneOutsideRows(grid, dc);
    RECT area = paint.rcPaint;
    if (!ownPaint) {
        GetClipBox(dc, &area);
    }
    const ParentPaint parent = AskPrepaint(grid, dc, area);
    LRESULT result = 0;
    if (parent.stopped) {
        // The control is gone, or what it paints changed (and was invalidated by the change).
    } else if (parent.rows) {
        if (PaintRowsForParent(grid, dc, area, parent)) {
            AskPostpaint(grid, dc, area, parent);
        }
    } else {
        if (!parent.skip) {
            grid.owner.painting = IsOwnerData(grid);
            result = CallReplaced(pane, message, reinterpret_cast<WPARAM>(dc), lParam);
            grid.owner.painting = false;
        }
        AskPostpaint(grid, dc, area, parent);
    }
    if (ownPaint && dc != nullptr && !grid.destroyed) {
        EndPaint(pane, &paint);
    }
    return result;
}

// The focus coming to the pane closes the open editor: a shown one ends its edit unwritten.
LRESULT OnListSetFocus(GridInstance& grid, HWND pane, WPARAM wParam, LPARAM lParam) {
    if (!CloseActiveEditor(grid)) {
        return 0;
    }
    const LRESULT result = CallReplaced(pane, WM_SETFOCUS, wParam, lParam);
    // Screen readers hear which row the focus arrived on: the current one.
    if (!grid.destroyed && GetFocus() == pane) {
        if (grid.currentRow < RowCount(grid)) {
            RaiseRowEvent(grid, EVENT_OBJECT_FOCUS, grid.currentRow);
        } else {
            RaiseListEvent(grid, EVENT_OBJECT_FOCUS);
        }
    }
    RepaintFocusMark(grid);
    return result;
}

// The focus leaving the pane takes the focus mark away.
LRESULT OnListKillFocus(GridInstance& grid, HWND pane, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallReplaced(pane, WM_KILLFOCUS, wParam, lParam);
    RepaintFocusMark(grid);
    return result;
}

// The UI state's focus cues hide or show the focus mark. The pane keeps the bits itself as well
// as passing them on: a platform that keeps no UI state still hides the mark when told to.
LRESULT OnListUpdateUiState(GridInstance& grid, HWND pane, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallReplaced(pane, WM_UPDATEUISTATE, wParam, lParam);
    const WORD flags = HIWORD(wParam) & (UISF_HIDEFOCUS | UISF_HIDEACCEL | UISF_ACTIVE);
    switch (LOWORD(wParam)) {
        case UIS_SET: grid.paneUiState |= flags; break;
        case UIS_CLEAR:
        case UIS_INITIALIZE:  // the platform decides from the last input; nothing kept here
            grid.paneUiState &= static_cast<WORD>(~flags);
            break;
        default: break;
    }
    RepaintFocusMark(grid);
    return result;
}

LRESULT OnListQueryUiState(const GridInstance& grid, HWND pane) {
    return CallReplaced(pane, WM_QUERYUISTATE, 0, 0) | grid.paneUiState;
}

// A key the list box handles itself (Home, End, and those the pane leaves it) may move the top
// row; the control's scroll bar follows it.
LRESULT OnListBoxKeyDown(GridInstance& grid, WPARAM virtualKey, LPARAM keyData) {
    // An owner-data grid's list box is one of single selection, which moves from its selected
    // row rather than its caret while the two differ, and refuses to move its caret by message
    // while a row is selected: it has its caret row selected for the key, and none after.
    const bool single = IsOwnerData(grid);
    if (single) {
        const LRESULT caret = CallReplaced(grid.listPane, LB_GETCARETINDEX, 0, 0);
        CallReplaced(grid.listPane, LB_SETCURSEL, static_cast<WPARAM>(caret), 0);
    }
    const LRESULT result = CallReplaced(grid.listPane, WM_KEYDOWN, virtualKey, keyData);
    if (single && !grid.destroyed) {
        CallReplaced(grid.listPane, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
    if (!grid.destroyed) {
        UpdateScrollBars(grid);
    }
    return result;
}

// The parent hears of a key first; true when the control does nothing more with it (the parent
// consumed it, or destroyed the control meanwhile).
bool ReportKey(GridInstance& grid, WPARAM virtualKey) {
    const bool consumed = ParentConsumesKey(grid, virtualKey);
    if (grid.destroyed) {
        return true;
    }
    NoteListKeyDown(grid, consumed);
    return consumed;
}

// Then the pane's own keys, then the list box's.
LRESULT OnListPaneKeyDown(GridInstance& grid, WPARAM virtualKey, LPARAM keyData) {
    if (AbandonDragOnKey(grid, virtualKey) || AbandonTitleDragOnKey(grid, virtualKey)) {
        return 0;
    }
    if (ReportKey(grid, virtualKey)) {
        return 0;
    }
    if (OnListKeyDown(grid, virtualKey, keyData)) {
        return 0;
    }
    // An empty list has nothing a key could act on, and the list box of some platforms faults
    // on Space when it holds no item.
    if (RowCount(grid) == 0 && SendMessageA(grid.listPane, LB_GETCOUNT, 0, 0) == 0) {
        return 0;
    }
    return OnListBoxKeyDown(grid, virtualKey, keyData);
}

// A system key (F10, or any key with Alt held) is reported as any key is, and Shift+F10 asks for
// the context menu as the Menu key does. Everything else such a key does (the window menu, a
// menu's mnemonic, F10 entering the menu bar) is the system's own handling, unless the parent
// consumed the key; then the characters it makes are dropped too.
LRESULT OnListPaneSysKeyDown(GridInstance& grid, WPARAM virtualKey, LPARAM keyData) {
    if (ReportKey(grid, virtualKey)) {
        return 0;
    }
    if (OnListCommandKey(grid, virtualKey)) {
        NoteListKeyDown(grid, true);
        return 0;
    }
    return CallReplaced(grid.listPane, WM_SYSKEYDOWN, virtualKey, keyData);
}

// The pane shows the arrow unless its parent chooses another cursor. While the left button is
// down in a list pane the cursor stays as the drag feedback set it (drop, no drop or the arrow).
LRESULT OnListSetCursor(const GridInstance& grid, HWND pane, WPARAM wParam, LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT) {
        return CallReplaced(pane, WM_SETCURSOR, wParam, lParam);
    }
    if (Shared().drag.buttonDown ||
        SendMessageA(grid.ownWindow, WM_SETCURSOR, wParam, lParam) != FALSE) {
        return TRUE;
    }
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

// The pointer may rest on a cut-off text, or be dragging rows.
void OnListPaneMouseMove(GridInstance& grid, WPARAM keys, LPARAM point) {
    TrackHotRow(grid, keys, point);
    TrackTipHover(grid, grid.listPane, keys, point);
    OnListMouseMove(grid, keys, point);
}

// The pointer left the pane (for the header, another window, or the screen).
void OnListMouseLeave(GridInstance& grid) {
    OnPaneMouseLeave(grid);
    EndHotRow(grid);
}

// The control scrolls by whole rows and keeps its scroll bar in step.
void OnListMouseWheel(const GridInstance& grid, WPARAM wParam, LPARAM lParam) {
    SendMessageA(grid.ownWindow, WM_MOUSEWHEEL, wParam, lParam);
}

// The in-place editors, children of the pane, take the rows' colours once colours are set; until
// then they keep the system's window colours, which the rows start in too.
LRESULT OnEditorColors(const GridInstance& grid, HWND pane, WPARAM wParam, LPARAM lParam) {
    if (!grid.ownsRowBackBrush) {
        return CallReplaced(pane, WM_CTLCOLOREDIT, wParam, lParam);
    }
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, grid.rowTextColor);
    SetBkColor(dc, grid.rowBackColor);
    return reinterpret_cast<LRESULT>(grid.rowBackBrush);
}

}  // namespace

uint32_t RowAtPaneY(const GridInstance& grid, int y) {
    if (y < 0 || grid.rowHeight <= 0) {
        return kNoRow;
    }
    const LRESULT top = SendMessageA(grid.listPane, LB_GETTOPINDEX, 0, 0);
    if (top < 0) {
        return kNoRow;
    }
    const uint64_t row = static_cast<uint64_t>(y / grid.rowHeight) + static_cast<uint64_t>(top);
    if (ColumnCount(grid) == 0 || row >= RowCount(grid)) {
        return kNoRow;
    }
    return static_cast<uint32_t>(row);
}

uint32_t RowAtPoint(const GridInstance& grid, LPARAM point) {
    return RowAtPaneY(grid, GET_Y_LPARAM(point));
}

uint32_t KindCellOfRow(GridInstance& grid, uint32_t row) {
    if (row >= RowCount(grid) || ColumnCount(grid) == 0) {
        return 0;
    }
    return KindCellAt(grid, row);
}

ListGesture& PressGesture(GridInstance& grid) {
    HWND pressed = Shared().drag.pressedPane;
    if (pressed != nullptr && pressed != grid.listPane) {
        GridInstance* owner = InstanceOf(GetParent(pressed));
        if (owner != nullptr && owner->listPane == pressed) {
            return owner->gesture;
        }
    }
    return grid.gesture;
}

void SendContextMenu(const GridInstance& grid, POINT screen) {
    SendMessageA(grid.notifyWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(grid.ownWindow),
                 MAKELPARAM(screen.x, screen.y));
}

void ActivateCurrentRow(GridInstance& grid) {
    grid.gesture.activationPending = true;
    SendMessageA(grid.ownWindow, GRM_ACTIVATECELL, 0, grid.currentRow);
    grid.gesture.activationPending = false;
}

LRESULT CALLBACK ListPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    InstanceHold hold(GetParent(pane));
    if (!hold || hold->listPane != pane) {
        return CallReplaced(pane, message, wParam, lParam);
    }
    GridInstance& grid = *hold.get();
    if (ChangesItems(message)) {
        return LB_ERR;
    }
    if (MayMoveRows(message)) {
        ++grid.viewGeneration;  // what a row append's view check relies on (SettledView)
    }
    HotRowScrollWatch hotRowWatch(grid, MayMoveRows(message));
    if (EndsCellTip(message)) {
        HideCellTip(grid);
    }
    if (CancelsPendingEdit(message)) {
        CancelPendingEdit(grid);
    }

    switch (message) {
        case WM_PAINT: return OnListPaint(grid, message, wParam, lParam);
        case WM_ERASEBKGND: return 0;  // the rows and FillListPaneOutsideRows cover everything
        case WM_KEYDOWN: return OnListPaneKeyDown(grid, wParam, lParam);
        case WM_SYSKEYDOWN: return OnListPaneSysKeyDown(grid, wParam, lParam);
        case WM_SYSCHAR:
            if (grid.typed.swallowChars) {
                return 0;  // its key was consumed
            }
            break;
        case WM_CHAR:
            // Never the list box's: its own search by character would move its caret.
            OnListChar(grid, wParam, static_cast<DWORD>(GetMessageTime()));
            return 0;
        case WM_CONTEXTMENU:
            return 0;  // the pane sends its parent's context menu itself, for a click or a key
        case WM_LBUTTONDOWN: OnListLButtonDown(grid, lParam); return 0;
        case WM_LBUTTONUP: OnListLButtonUp(grid, wParam, lParam); return 0;
        case WM_RBUTTONDOWN: OnListRButtonDown(grid); return 0;
        case WM_RBUTTONUP: OnListRButtonUp(grid); return 0;
        case WM_MOUSEMOVE: OnListPaneMouseMove(grid, wParam, lParam); return 0;
        case WM_MOUSEHOVER: OnPaneMouseHover(grid, pane, lParam); return 0;
        case WM_MOUSELEAVE: OnListMouseLeave(grid); return 0;
        case WM_LBUTTONDBLCLK: OnListLButtonDblClk(grid); return 0;
        case WM_TIMER:
            if (wParam == kPendingEditTimer) {
                OnPendingEditTimer(grid);
                return 0;
            }
            break;
        case WM_SETFOCUS: return OnListSetFocus(grid, pane, wParam, lParam);
        case WM_KILLFOCUS: return OnListKillFocus(grid, pane, wParam, lParam);
        case WM_UPDATEUISTATE: return OnListUpdateUiState(grid, pane, wParam, lParam);
        case WM_QUERYUISTATE: return OnListQueryUiState(grid, pane);
        case WM_MOUSEWHEEL: OnListMouseWheel(grid, wParam, lParam); return 0;
        case WM_SETCURSOR: return OnListSetCursor(grid, pane, wParam, lParam);
        case WM_GETDLGCODE: return kListDialogCode;
        case LB_GETITEMDATA:
            // A data-less list box holds no item data: a stored row's is its row offset.
            if (!IsOwnerData(grid)) {
                return wParam < RowCount(grid)
                           ? static_cast<LRESULT>(RowOffsetAt(grid, static_cast<uint32_t>(wParam)))
                           : LB_ERR;
            }
            break;
        case WM_CTLCOLOREDIT: return OnEditorColors(grid, pane, wParam, lParam);
        case WM_COMMAND: OnChoiceCommand(grid, wParam, lParam); return 0;
        case WM_GETOBJECT:
            // The list box's own object knows nothing of the rows: the grid's object answers.
            if (IsClientObject(lParam)) {
                return OnGetObject(grid, wParam);
            }
            if (IsUiaRootObject(lParam)) {
                return OnGetUiaRoot(grid, pane, wParam, lParam);
            }
            break;
        default: break;
    }
    return CallReplaced(pane, message, wParam, lParam);
}

}  // namespace vorlane
