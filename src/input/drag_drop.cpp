// Drag tracking. Zones are measured in the drag window's client coordinates: at or left of the
// drop divider is the first list pane's zone, right of it the second's, and left of the outer
// zone's edge the drag window's own. Positions compare as unsigned numbers, so a pointer left of
// or above the drag window lies in the second zone. Panes are repainted only when the marked
// drop row changes.
#include "input/drag_drop.h"

#include <windowsx.h>

#include <cstdint>

#include "frame/shared_state.h"
#include "input/list_pane.h"

namespace vorlane {

namespace {

constexpr uint32_t kDragThreshold = 2;  // pixels from the origin before feedback starts
constexpr uint32_t kOuterZoneMargin = 10;

void ShowArrow() {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

void TakeCapture(HWND window) {
    if (window != nullptr && GetCapture() != window) {
        ReleaseCapture();
        SetCapture(window);
    }
}

// The pointer in the drag window's client coordinates (screen coordinates without one).
POINT PointerInDragWindow() {
    POINT pointer = {0, 0};
    GetCursorPos(&pointer);
    HWND dragWindow = Shared().dragWindow;
    if (dragWindow != nullptr) {
        ScreenToClient(dragWindow, &pointer);
    }
    return pointer;
}

// True when the pointer is in the outer zone. Its edge lies kOuterZoneMargin left of the stored
// value; a stored value below the margin, or no drag window to hand over to, leaves no zone.
bool InOuterZone(uint32_t x) {
    const SharedGridState& shared = Shared();
    return shared.outerZoneEnabled && shared.dragWindow != nullptr &&
           shared.outerZoneX >= kOuterZoneMargin && x <= shared.outerZoneX - kOuterZoneMargin;
}

enum class Routing { Continue, HandedToDragWindow };

// Gives the capture to the pane of the pointer's zone, or capture and focus to the drag window
// when the pointer enters the outer zone; the library's feedback then ends.
Routing RouteCapture(uint32_t x) {
    const SharedGridState& shared = Shared();
    if (x > shared.dropDivider) {
        TakeCapture(shared.secondListPane);
    } else if (InOuterZone(x)) {
        if (GetCapture() != shared.dragWindow) {
            ReleaseCapture();
            SetCapture(shared.dragWindow);
            SetFocus(shared.dragWindow);
            return Routing::HandedToDragWindow;
        }
    } else {
        TakeCapture(shared.firstListPane);
    }
    return Routing::Continue;
}

bool WithinThreshold(uint32_t x, uint32_t y) {
    const RowDrag& drag = Shared().drag;
    const auto originX = static_cast<uint32_t>(drag.originX);
    const auto originY = static_cast<uint32_t>(drag.originY);
    return originX - kDragThreshold < x && x < originX + kDragThreshold &&
           originY - kDragThreshold < y && y < originY + kDragThreshold;
}

// Within its own list a row drops only on another row of kind word 2; on the other list,
// anywhere; with an external drag, anywhere in both. Rows of kind word 0 or 1 never drag.
void ChooseCursor(GridInstance& grid, uint32_t x, uint32_t row, uint32_t kind) {
    SharedGridState& shared = Shared();
    RowDrag& drag = shared.drag;
    const bool ownSide = shared.activeSide == 0 ? x < shared.dropDivider : x > shared.dropDivider;
    const bool ownRestricted =
        ownSide && !drag.external && (kind != kKindTarget || row == PressGesture(grid).pressRow);
    if (!ownRestricted && drag.kind != 0) {
        SetCursor(grid.dropCursor);
        SetPaintInput(drag.dropAllowed, true);
    } else {
        SetCursor(grid.noDropCursor);
    }
}

void InvalidatePane(HWND pane) {
    if (pane != nullptr) {
        InvalidateRect(pane, nullptr, TRUE);
    }
}

// Keeps the drop row and the shown mark up to date; repaints only on a change of the mark.
void UpdateMark(HWND pane, uint32_t row, uint32_t kind) {
    SharedGridState& shared = Shared();
    RowDrag& drag = shared.drag;
    const bool first = pane == shared.firstListPane;
    const bool second = pane == shared.secondListPane;
    if ((first && drag.dropSide == 1) || (second && drag.dropSide == 0)) {
        SetPaintInput(drag.dropRow, kDropOtherList);
    }
    if (drag.dropAllowed) {
        if (drag.external) {
            drag.source = shared.externalSource;
        }
        if (kind == kKindTarget && row != drag.dropRow) {
            SetPaintInput(drag.dropRow, row);
            drag.shownDropRow = row;
            InvalidatePane(pane);
            InvalidatePane(first ? shared.secondListPane : shared.firstListPane);
        } else if (kind != kKindTarget && drag.shownDropRow != kDropNoRow) {
            SetPaintInput(drag.dropRow, kDropNoRow);
            drag.shownDropRow = kDropNoRow;
            InvalidatePane(pane);
        }
        SetPaintInput<uint32_t>(drag.dropSide, first ? 0 : 1);
    } else if (drag.shownDropRow != kDropNone) {
        SetPaintInput<uint32_t>(drag.dropRow, 0);
        drag.shownDropRow = kDropNone;
        InvalidatePane(shared.firstListPane);
        InvalidatePane(shared.secondListPane);
    }
}

// When this move gave the capture to the other registered list pane and the pointer is over that
// pane, the move is that pane's too, in its coordinates: the mark and the drop follow the list
// the pointer went to at once. A pointer still over this pane (the zones need not follow the
// panes' places) stays this pane's.
void HandOnMove(HWND pane, WPARAM keys) {
    const SharedGridState& shared = Shared();
    HWND holder = GetCapture();
    if (holder == pane || holder == nullptr ||
        (holder != shared.firstListPane && holder != shared.secondListPane)) {
        return;
    }
    POINT pointer = {0, 0};
    GetCursorPos(&pointer);
    if (WindowFromPoint(pointer) != holder) {
        return;
    }
    ScreenToClient(holder, &pointer);
    SendMessageA(holder, WM_MOUSEMOVE, keys, MAKELPARAM(pointer.x, pointer.y));
}

// True when the window at a screen point is a grid's list pane, not a window above it or a part
// of a window beside or below it.
bool IsListPaneAt(POINT screen) {
    HWND window = WindowFromPoint(screen);
    const GridInstance* owner = window != nullptr ? InstanceOf(GetParent(window)) : nullptr;
    return owner != nullptr && owner->listPane == window;
}

bool PointerOnListPane() {
    POINT pointer = {0, 0};
    GetCursorPos(&pointer);
    return IsListPaneAt(pointer);
}

}  // namespace

bool IsOnListPane(HWND pane, LPARAM point) {
    POINT screen = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    ClientToScreen(pane, &screen);
    return IsListPaneAt(screen);
}

bool AbandonDragOnKey(GridInstance& grid, WPARAM virtualKey) {
    RowDrag& drag = Shared().drag;
    if (virtualKey != VK_ESCAPE || !drag.buttonDown || drag.abandoned) {
        return false;
    }
    drag.abandoned = true;
    drag.buttonDown = false;
    SetPaintInput(drag.dropAllowed, false);
    UpdateMark(grid.listPane, kNoRow, 0);  // takes the mark away
    ReleaseCapture();
    ShowArrow();
    SendMessageA(grid.ownWindow, GRM_NOTIFYBUTTON, 0, 0);
    return true;
}

namespace {

void TrackMove(GridInstance& grid, WPARAM keys, LPARAM point) {
    RowDrag& drag = Shared().drag;
    SetPaintInput(drag.dropAllowed, false);
    HWND pane = grid.listPane;
    uint32_t row = kNoRow;
    uint32_t kind = 0;

    // Only the left button alone drags: any other button or Shift or Ctrl gives no feedback,
    // and neither does the button of an abandoned drag.
    if (keys != MK_LBUTTON || drag.abandoned) {
        ShowArrow();
        UpdateMark(pane, row, kind);
        return;
    }
    if (HIWORD(point) == 0) {
        SendMessageA(pane, WM_VSCROLL, SB_LINEUP, 0);
    }

    const POINT pointer = PointerInDragWindow();
    if (drag.originX == 0) {
        drag.originX = pointer.x;
        drag.originY = pointer.y;
    }
    const auto x = static_cast<uint32_t>(pointer.x);
    const auto y = static_cast<uint32_t>(pointer.y);
    const Routing routing = RouteCapture(x);
    if (grid.destroyed || routing == Routing::HandedToDragWindow) {
        return;
    }
    if (WithinThreshold(x, y)) {
        ShowArrow();
        return;
    }
    // Away from the list panes (beside or below them, or over another window) nothing drops.
    if (!PointerOnListPane()) {
        SetCursor(grid.noDropCursor);
        UpdateMark(pane, row, kind);
        return;
    }

    row = RowAtPoint(grid, point);
    kind = KindWord(KindCellOfRow(grid, row));
    ChooseCursor(grid, x, row, kind);
    UpdateMark(pane, row, kind);
}

}  // namespace

void OnListMouseMove(GridInstance& grid, WPARAM keys, LPARAM point) {
    TrackMove(grid, keys, point);
    if (!grid.destroyed && keys == MK_LBUTTON && !Shared().drag.abandoned) {
        HandOnMove(grid.listPane, keys);
    }
}

}  // namespace vorlane
