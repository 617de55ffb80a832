// The header pane procedure. Resizing runs through the grid's resize state: a mouse move
// near a column's right edge arms it (hovering), a press starts the drag with the one-pixel
// resize line following the mouse, and the release applies the width, lays the control out again
// and mirrors the width to the partner grid. A press elsewhere presses a title; its release
// sets the sort arrow and reports the click to the parent.
#include "input/header_pane.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include <windowsx.h>

#include "frame/cell_tip_window.h"
#include "frame/grid_handlers.h"
#include "frame/notify.h"
#include "frame/shared_state.h"
#include "input/cell_tips.h"
#include "input/column_fit.h"
#include "input/column_hits.h"
#include "input/title_check.h"
#include "input/title_drag.h"
#include "render/header_painter.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr UINT kHeaderClickRow = 0xFFFFFFFF;  // GRN_HEADERCLICK names no row

uint32_t UnsignedX(LPARAM point) {
    return LOWORD(point);
}
int32_t SignedX(LPARAM point) {
    return static_cast<int16_t>(LOWORD(point));
}

POINT PanePoint(LPARAM point) {
    return {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
}

void RepaintNow(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

void ReleaseOwnCapture(HWND pane) {
    if (GetCapture() == pane) {
        ReleaseCapture();
    }
}

// Where a drag would put the column's right edge: never left of the column's left edge.
int64_t DraggedEdge(const HeaderResize& resize, int32_t mouseX) {
    return std::max<int64_t>(static_cast<int64_t>(mouseX) - resize.grabOffset, resize.left);
}

int32_t ToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

// Arms a resize when the mouse, with no button held, is near a shown column's right edge
// (ColumnEdgeAtX); the kind column and hidden columns never are.
void HoverTest(GridInstance& grid, WPARAM keys, uint32_t mouseX) {
    if ((keys & (MK_LBUTTON | MK_RBUTTON)) != 0) {
        return;
    }
    HeaderResize& resize = grid.resize;
    resize.phase = ResizePhase::Idle;
    const std::optional<uint32_t> column = ColumnEdgeAtX(grid, mouseX);
    if (!column) {
        return;
    }
    const ColumnRecord& record = *grid.store.columns().Get(*column);
    resize.left = record.x;
    resize.grabOffset = static_cast<int32_t>(int64_t{mouseX} - record.x - record.room);
    resize.column = *column;
    SetCursor(grid.resizeCursor);
    resize.phase = ResizePhase::Hovering;
}

// The resize line: one pixel wide, the control's full height, above the panes.
void MoveResizeLine(const GridInstance& grid, int32_t mouseX) {
    RECT client;
    GetClientRect(grid.ownWindow, &client);
    const int x = ToInt32(DraggedEdge(grid.resize, mouseX) - grid.horizontalOffset);
    SetWindowPos(grid.resizeLine, HWND_TOP, x, 0, 1, client.bottom, SWP_SHOWWINDOW);
    UpdateWindow(grid.resizeLine);
}

void FinishResize(GridInstance& grid, int32_t mouseX) {
    HeaderResize& resize = grid.resize;
    resize.phase = ResizePhase::Idle;
    const uint32_t column = resize.column;
    const int32_t width = ToInt32(DraggedEdge(resize, mouseX) - resize.left);
    const bool changed = width != grid.store.columns().Width(column);
    // Setting the width lays out every later column and the total width again.
    grid.store.SetColumnWidth(column, width);
    ++grid.viewGeneration;
    ++grid.lookGeneration;
    ShowWindow(grid.resizeLine, SW_HIDE);
    SendMessageA(grid.ownWindow, WM_SIZE, 0, 0);
    if (grid.destroyed) {
        return;
    }
    RepaintNow(grid.headerPane);
    RepaintNow(grid.listPane);
    MirrorWidth(grid, column);
    if (changed && !grid.destroyed) {
        NotifyColumnWidth(grid, column);
    }
}

// A double click on a column's edge fits the column to its texts; the next press on the edge
// drags it again.
void OnHeaderDoubleClick(GridInstance& grid, HWND pane, WPARAM keys, LPARAM point) {
    ReleaseOwnCapture(pane);
    const std::optional<uint32_t> column = ColumnEdgeAtX(grid, UnsignedX(point));
    if (!column) {
        return;
    }
    grid.resize.phase = ResizePhase::Idle;
    FitColumns(grid, *column, false, true);
    if (!grid.destroyed) {
        HoverTest(grid, keys & ~static_cast<WPARAM>(MK_LBUTTON), UnsignedX(point));
    }
}

// Every arrow goes; the pressed title, if any, is released, gets its arrow and is reported.
void FinishTitleClick(GridInstance& grid) {
    const uint32_t count = grid.store.columns().Count();
    for (uint32_t column = 0; column < count; ++column) {
        grid.columnWindows.SetSortIndicator(column, 0);
    }
    for (uint32_t column = 0; column < count; ++column) {
        const uint32_t flags = grid.store.columns().Get(column)->flags;
        if ((flags & kTitlePressed) == 0) {
            continue;
        }
        const uint32_t released = flags & ~kTitlePressed;
        grid.store.SetColumnFlags(column, released);
        grid.columnWindows.SetSortIndicator(
            column, (released & kSortFlagsMask) != 0 ? kDescendingArrow : kAscendingArrow);
        RepaintNow(grid.headerPane);
        GridNotify record = MakeNotify(grid, GRN_HEADERCLICK, column, kHeaderClickRow);
        record.hwndFrom = grid.ownWindow;
        record.hwndChild = grid.headerPane;
        SendNotify(grid, record);  // the answer is not read
        return;
    }
}

// The first column in display order, the kind column included, whose right edge lies right of
// the mouse; hidden columns take no room and are never hit. The column count when there is none.
uint32_t TitleAt(const GridInstance& grid, uint32_t mouseX) {
    const ColumnSet& columns = grid.store.columns();
    for (uint32_t position = 0; position < columns.Count(); ++position) {
        const uint32_t column = columns.ColumnAt(position);
        const ColumnRecord& record = *columns.Get(column);
        if (static_cast<int64_t>(record.x) + record.room > static_cast<int64_t>(mouseX)) {
            return column;
        }
    }
    return columns.Count();
}

void PressTitle(GridInstance& grid, uint32_t mouseX) {
    const uint32_t column = TitleAt(grid, mouseX);
    if (column < grid.store.columns().Count()) {
        grid.store.SetColumnFlags(column, grid.store.columns().Get(column)->flags | kTitlePressed);
        RepaintNow(grid.headerPane);
    }
}

// With GRS_LISTCONVENTIONS a press on a title is a click only when released on that title:
// released elsewhere, the title comes up again and nothing else happens. True when it did.
bool ReleasedElsewhere(GridInstance& grid, HWND pane, LPARAM point) {
    if (!UsesListConventions(grid)) {
        return false;
    }
    RECT client = {};
    GetClientRect(pane, &client);
    const POINT at = {SignedX(point), static_cast<int16_t>(HIWORD(point))};
    const uint32_t released = PtInRect(&client, at) != FALSE && at.x >= 0
                                  ? TitleAt(grid, static_cast<uint32_t>(at.x))
                                  : UINT32_MAX;
    const ColumnSet& columns = grid.store.columns();
    bool elsewhere = false;
    for (uint32_t column = 0; column < columns.Count(); ++column) {
        const uint32_t flags = columns.Get(column)->flags;
        if ((flags & kTitlePressed) != 0 && column != released) {
            grid.store.SetColumnFlags(column, flags & ~kTitlePressed);
            elsewhere = true;
        }
    }
    if (elsewhere) {
        RepaintNow(grid.headerPane);
    }
    return elsewhere;
}

// The parent's menu for the header: wParam the header pane, the screen point of a right click,
// or (-1, -1) for a key.
void AskForHeaderMenu(GridInstance& grid, LPARAM screenPoint) {
    SendMessageA(grid.notifyWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(grid.headerPane),
                 screenPoint);
}

void OnHeaderRButtonUp(GridInstance& grid, HWND pane, LPARAM point) {
    POINT screen = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    ClientToScreen(pane, &screen);
    AskForHeaderMenu(grid, MAKELPARAM(screen.x, screen.y));
}

// Shift+F10 while the header has the focus: the system's default handling turns it into this
// pane's own WM_CONTEXTMENU at (-1, -1); a click's own reached the parent at the release.
void OnHeaderContextMenu(GridInstance& grid, LPARAM point) {
    if (point == static_cast<LPARAM>(static_cast<DWORD>(-1)) || point == -1) {
        AskForHeaderMenu(grid, MAKELPARAM(-1, -1));
    }
}

}  // namespace

void OnHeaderMouseMove(GridInstance& grid, WPARAM keys, LPARAM point) {
    TrackTipHover(grid, grid.headerPane, keys, point);
    if (MoveTitleDrag(grid, PanePoint(point))) {
        return;
    }
    if (grid.resize.phase == ResizePhase::Dragging) {
        MoveResizeLine(grid, SignedX(point));
    } else {
        HoverTest(grid, keys, UnsignedX(point));
    }
}

void OnHeaderLButtonDown(GridInstance& grid, HWND pane, WPARAM keys, LPARAM point) {
    if (grid.resize.phase == ResizePhase::Hovering) {
        grid.resize.phase = ResizePhase::Dragging;
        SetCursor(grid.resizeCursor);
        SendMessageA(pane, WM_MOUSEMOVE, keys, point);  // shows the line at once
    } else {
        PressTitle(grid, UnsignedX(point));
        PressTitleForDrag(grid, PanePoint(point));
    }
    if (!grid.destroyed) {
        SetCapture(pane);
    }
}

void OnHeaderLButtonUp(GridInstance& grid, HWND pane, LPARAM point) {
    if (grid.resize.phase != ResizePhase::Idle) {
        FinishResize(grid, SignedX(point));
    } else if (ReleaseTitleDrag(grid, PanePoint(point))) {
        RepaintNow(pane);
    } else if (!ReleasedElsewhere(grid, pane, point) && !ReleasedOnTitleBox(grid, pane, point)) {
        FinishTitleClick(grid);
    }
    ReleaseOwnCapture(pane);
}

// A double click on a column's edge fits the column to its texts, and the edge, moved there,
// is armed again for the next drag; elsewhere it is the press it replaces.
void OnHeaderLButtonDblClk(GridInstance& grid, HWND pane, WPARAM keys, LPARAM point) {
    if (ColumnEdgeAtX(grid, UnsignedX(point))) {
        OnHeaderDoubleClick(grid, pane, keys, point);
    } else if (grid.resize.phase == ResizePhase::Hovering) {
        OnHeaderLButtonDown(grid, pane, keys, point);
    } else {
        ReleaseOwnCapture(pane);
    }
}

void OnHeaderCaptureChanged(GridInstance& grid, HWND pane, HWND newCapture) {
    if (newCapture != pane) {
        AbandonTitleDrag(grid);
    }
    if (grid.resize.phase == ResizePhase::Dragging && newCapture != pane) {
        grid.resize.phase = ResizePhase::Idle;
        ShowWindow(grid.resizeLine, SW_HIDE);
    }
}

LRESULT CALLBACK HeaderPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU:
        case WM_CAPTURECHANGED:
        case WM_KEYDOWN:
        case WM_MOUSEHOVER:
        case WM_MOUSELEAVE:
        case WM_GETOBJECT: break;
        default:
            if (!EndsCellTip(message)) {
                return CallReplaced(pane, message, wParam, lParam);
            }
            break;
    }
    InstanceHold hold(GetParent(pane));
    if (!hold || hold->headerPane != pane) {
        return CallReplaced(pane, message, wParam, lParam);
    }
    GridInstance& grid = *hold.get();
    if (EndsCellTip(message)) {
        HideCellTip(grid);
    }
    switch (message) {
        case WM_MOUSEMOVE: OnHeaderMouseMove(grid, wParam, lParam); return 0;
        case WM_MOUSEHOVER: OnPaneMouseHover(grid, pane, lParam); return 0;
        case WM_MOUSELEAVE: OnPaneMouseLeave(grid); return 0;
        case WM_LBUTTONDOWN: OnHeaderLButtonDown(grid, pane, wParam, lParam); return 0;
        case WM_LBUTTONUP: OnHeaderLButtonUp(grid, pane, lParam); return 0;
        case WM_LBUTTONDBLCLK: OnHeaderLButtonDblClk(grid, pane, wParam, lParam); return 0;
        case WM_RBUTTONUP: OnHeaderRButtonUp(grid, pane, lParam); return 0;
        case WM_CONTEXTMENU: OnHeaderContextMenu(grid, lParam); return 0;
        case WM_KEYDOWN:
            if (AbandonTitleDragOnKey(grid, wParam)) {
                return 0;
            }
            break;
        case WM_CAPTURECHANGED:
            OnHeaderCaptureChanged(grid, pane, reinterpret_cast<HWND>(lParam));
            break;
        case WM_GETOBJECT:
            // The static control's own object knows nothing of the titles.
            if (IsClientObject(lParam)) {
                return OnGetHeaderObject(grid, wParam);
            }
            break;
        default: break;
    }
    return CallReplaced(pane, message, wParam, lParam);
}

}  // namespace vorlane
