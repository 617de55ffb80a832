// The header pane procedure. Resizing runs through the grid's resize state: a mouse move
// near a column's right edge arms it (hovering), a press starts the drag with the one-pixel
// resize line following the mouse, and the release applies the width, lays the control out again
// and mirrors the width to the partner grid. A press elsewhere presses a title; its release
// sets the sort arrow and reports the click to the parent.
#include "input/header_pane.h"

#include <algorithm>
#include <cstdint>

#include "frame/cell_tip_window.h"
#include "frame/grid_handlers.h"
#include "frame/notify.h"
#include "frame/shared_state.h"
#include "input/cell_tips.h"
#include "render/header_painter.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr UINT kHeaderClickRow = 0xFFFFFFFF;  // GRN_HEADERCLICK names no row
// How far from a column's right edge the pointer arms a resize, pixels at 96 DPI (scaled).
constexpr int kResizeZoneLeft = 2;
constexpr int kResizeZoneRight = 1;

uint32_t UnsignedX(LPARAM point) {
    return LOWORD(point);
}
int32_t SignedX(LPARAM point) {
    return static_cast<int16_t>(LOWORD(point));
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

// Arms a resize when the mouse, with no button held, is at most 2 pixels left or 1 pixel right
// of a column's right edge (at 96 DPI; the zone scales with the window's DPI). Columns are tried
// from the right, so that of columns sharing an edge (width 0) the last one is taken; the kind
// column never is.
void HoverTest(GridInstance& grid, WPARAM keys, uint32_t mouseX) {
    if ((keys & (MK_LBUTTON | MK_RBUTTON)) != 0) {
        return;
    }
    HeaderResize& resize = grid.resize;
    resize.phase = ResizePhase::Idle;
    const ColumnSet& columns = grid.store.columns();
    const uint32_t count = columns.Count();
    const auto zoneLeft = static_cast<uint32_t>(grid.Scaled(kResizeZoneLeft));
    const auto zoneRight = static_cast<uint32_t>(grid.Scaled(kResizeZoneRight));
    for (uint32_t column = count; column-- > 0;) {
        const ColumnRecord& record = *columns.Get(column);
        const auto edge = static_cast<uint32_t>(static_cast<int64_t>(record.x) + record.width);
        resize.left = record.x;
        resize.grabOffset = static_cast<int32_t>(mouseX - edge);
        // Unsigned: at a mouse x within the zone's right part of 0, x minus it wraps and nothing
        // is hit.
        const bool onEdge = mouseX - zoneRight <= edge && edge <= mouseX + zoneLeft;
        if (onEdge && column != count - 1) {
            resize.column = column;
            SetCursor(grid.resizeCursor);
            resize.phase = ResizePhase::Hovering;
            return;
        }
    }
}

// The resize line: one pixel wide, the control's full height, above the panes.
void MoveResizeLine(const GridInstance& grid, int32_t mouseX) {
    RECT client;
    GetClientRect(grid.ownWindow, &client);
    const int x = ToInt32(DraggedEdge(grid.resize, mouseX) - grid.horizontalOffset);
    SetWindowPos(grid.resizeLine, HWND_TOP, x, 0, 1, client.bottom, SWP_SHOWWINDOW);
    UpdateWindow(grid.resizeLine);
}

// The same column of the other width partner takes this one's width (from B to A unless this
// control is A). Nothing is sent unless both partners are windows.
void MirrorWidth(const GridInstance& grid, uint32_t column) {
    const SharedGridState& shared = Shared();
    HWND source = shared.widthPartnerB;
    HWND target = shared.widthPartnerA;
    if (grid.ownWindow == shared.widthPartnerA) {
        std::swap(source, target);
    }
    if (!IsWindow(source) || !IsWindow(target)) {
        return;
    }
    const LRESULT width = SendMessageA(source, GRM_GETCOLWIDTH, column, 0);
    SendMessageA(target, GRM_SETCOLWIDTH, column, width);
}

void FinishResize(GridInstance& grid, int32_t mouseX) {
    HeaderResize& resize = grid.resize;
    resize.phase = ResizePhase::Idle;
    const uint32_t column = resize.column;
    // Setting the width lays out every later column and the total width again.
    grid.store.SetColumnWidth(column, ToInt32(DraggedEdge(resize, mouseX) - resize.left));
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
        grid.columnWindows.SetSortIndicator(column,
                                            released != 0 ? kDescendingArrow : kAscendingArrow);
        RepaintNow(grid.headerPane);
        GridNotify record = MakeNotify(grid, GRN_HEADERCLICK, column, kHeaderClickRow);
        record.hwndFrom = grid.ownWindow;
        record.hwndChild = grid.headerPane;
        SendNotify(grid, record);  // the answer is not read
        return;
    }
}

// The first column, the kind column included, whose right edge lies right of the mouse; the
// column count when there is none.
uint32_t TitleAt(const GridInstance& grid, uint32_t mouseX) {
    const ColumnSet& columns = grid.store.columns();
    uint32_t column = 0;
    while (column < columns.Count() &&
           static_cast<int64_t>(columns.Get(column)->x) + columns.Get(column)->width <=
               static_cast<int64_t>(mouseX)) {
        ++column;
    }
    return column;
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

}  // namespace

void OnHeaderMouseMove(GridInstance& grid, WPARAM keys, LPARAM point) {
    TrackTipHover(grid, grid.headerPane, keys, point);
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
    }
    if (!grid.destroyed) {
        SetCapture(pane);
    }
}

void OnHeaderLButtonUp(GridInstance& grid, HWND pane, LPARAM point) {
    if (grid.resize.phase != ResizePhase::Idle) {
        FinishResize(grid, SignedX(point));
    } else if (!ReleasedElsewhere(grid, pane, point)) {
        FinishTitleClick(grid);
    }
    ReleaseOwnCapture(pane);
}

void OnHeaderLButtonDblClk(GridInstance& grid, HWND pane, WPARAM keys, LPARAM point) {
    if (grid.resize.phase == ResizePhase::Hovering) {
        OnHeaderLButtonDown(grid, pane, keys, point);
    } else {
        ReleaseOwnCapture(pane);
    }
}

void OnHeaderCaptureChanged(GridInstance& grid, HWND pane, HWND newCapture) {
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
        case WM_CAPTURECHANGED:
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
