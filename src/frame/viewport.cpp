// Scrolling and the cells' place on the screen. Vertically the grid scrolls by whole rows
// through the list pane's top row; horizontally by pixels, by moving both panes left. The
// control's own scroll bars show and drive both.
#include <algorithm>

#include "frame/grid_handlers.h"
#include "frame/row_positions.h"

namespace vorlane {

namespace {

constexpr int kLineStepRows = 1;
constexpr int kLineStepPixels = 5;  // at 96 DPI, scaled to the window's
constexpr int kRowsPerWheelMessage = 3;
constexpr DWORD kWheelFrameMs = 16;  // the longest a run of wheel notches goes unpainted

int32_t TopRow(const GridInstance& grid) {
    return static_cast<int32_t>(SendMessageA(grid.listPane, LB_GETTOPINDEX, 0, 0));
}

// The list box moves the rows it keeps by copying their pixels and leaves the rows it uncovers
// to the next paint, which waits while input is queued. A further scroll before that paint would
// copy their stale pixels, other rows' content, into view, where they would stay until the queue
// empties. A scroll from a key or the scroll bar therefore paints them at once; a wheel's line
// scrolls leave them to the end of the wheel message (see OnMouseWheel).
void SetTopRow(const GridInstance& grid, int32_t row) {
    SendMessageA(grid.listPane, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    if (!grid.settledView.wheelTurning) {
        UpdateWindow(grid.listPane);
    }
}

// True while another wheel message waits in the thread's queue: a fast wheel or a flick queues
// notches faster than the rows can be painted after each.
bool WheelQueued() {
    MSG next;
    return PeekMessageA(&next, nullptr, WM_MOUSEWHEEL, WM_MOUSEWHEEL, PM_NOREMOVE | PM_NOYIELD) !=
           FALSE;
}

// How a changed scroll bar is repainted: at once, or with the next paint of the window.
enum class BarPaint { Now, Later };

// Sets a bar only when its values differ from those last set: each set repaints the bar, and
// adding rows would otherwise pay for that on every row. True when the bar was set.
bool SetBar(HWND window, int bar, SCROLLINFO& shown, int maximum, int page, int position,
            BarPaint paint) {
    if (shown.cbSize != 0 && shown.nMax == maximum && shown.nPage == static_cast<UINT>(page) &&
        shown.nPos == position) {
        return false;
    }
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = maximum;
    info.nPage = static_cast<UINT>(page);
    info.nPos = position;
    shown = info;
    SetScrollInfo(window, bar, &info, paint == BarPaint::Now ? TRUE : FALSE);
    return true;
}

// Marks a shown bar for repainting with the window's next paint. Drawing a bar at once costs
// milliseconds on some systems; a run of row appends then repaints it once, not once per row.
void InvalidateBar(HWND window, int bar) {
    SCROLLBARINFO info = {};
    info.cbSize = sizeof(info);
    const LONG object = bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL;
    if (!GetScrollBarInfo(window, object, &info) ||
        (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) != 0) {
        return;  // a hidden bar shows nothing; showing it repaints the whole frame
    }
    RECT area = info.rcScrollBar;  // screen coordinates; the bar lies outside the client area
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(window, &area, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

// Sets both bars from the client rectangle and the list pane's top row (the update below).
// With BarPaint::Later a changed bar is invalidated once until the frame is painted (see
// SettledView and OnNcPaint).
void SetBars(GridInstance& grid, const RECT& client, int32_t topRow, BarPaint paint) {
    const int listHeight = std::max(0, static_cast<int>(client.bottom) - grid.headerHeight);
    const uint32_t rows = RowCount(grid);
    const int maximum = rows == 0 ? 0 : static_cast<int>(rows - 1);
    const int page = grid.rowHeight != 0 ? listHeight / grid.rowHeight : 0;
    SettledView& view = grid.settledView;
    const uint64_t generation = grid.viewGeneration;
    if (SetBar(grid.ownWindow, SB_VERT, grid.shownVertical, maximum, page, topRow, paint) &&
        paint == BarPaint::Later && !view.verticalPaintPending) {
        InvalidateBar(grid.ownWindow, SB_VERT);
        view.verticalPaintPending = true;
    }
    if (grid.viewGeneration != generation) {
        return;  // the bar was shown or hidden, and the resize set both bars from the new client
    }
    if (SetBar(grid.ownWindow, SB_HORZ, grid.shownHorizontal,
               static_cast<int>(grid.store.columns().TotalWidth()), client.right,
               grid.horizontalOffset, paint) &&
        paint == BarPaint::Later && !view.horizontalPaintPending) {
        InvalidateBar(grid.ownWindow, SB_HORZ);
        view.horizontalPaintPending = true;
    }
}

void SetBarsFromClient(GridInstance& grid, BarPaint paint) {
    RECT client;
    GetClientRect(grid.ownWindow, &client);
    if (client.right == 0 || client.bottom == 0) {
        return;
    }
    SetBars(grid, client, TopRow(grid), paint);
}

SCROLLINFO ReadBar(HWND window, int bar) {
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &info);
    return info;
}

// Where a scroll code moves the view along a bar from `current`, by `line` for a line step:
// vertically in rows from the list pane's top row, horizontally in pixels from the panes'
// offset. Steps back stop at 0; steps on stop where the last page is full, unless the bar's
// range is shorter than a page. The ends are 0 and the bar's maximum.
int ScrolledPosition(const SCROLLINFO& bar, int current, int line, WORD code) {
    const int page = static_cast<int>(bar.nPage);
    const int limit = bar.nMax - page + 1;
    switch (code) {
        case SB_LINEUP: return current < line ? 0 : current - line;
        case SB_LINEDOWN: return limit >= 0 ? std::min(current + line, limit) : current + line;
        case SB_PAGEUP: return current < page ? 0 : current - page;
        case SB_PAGEDOWN: return limit >= 0 ? std::min(current + page, limit) : current + page;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: return bar.nTrackPos;
        case SB_TOP: return 0;
        case SB_BOTTOM: return bar.nMax;
        default: return current;
    }
}

// Moves both panes (and whatever else the client area holds) by dx pixels.
void ScrollPanes(const GridInstance& grid, int dx) {
    if (dx != 0) {
        ScrollWindow(grid.ownWindow, dx, 0, nullptr, nullptr);
    }
}

// The cell rectangle: x in the control's client coordinates, y in the list pane's.
RECT CellRect(const GridInstance& grid, uint32_t column, uint32_t row) {
    RECT rect = {0, 0, 0, 0};
    if (!IsCell(grid, column, row)) {
        return rect;
    }
    SendMessageA(grid.listPane, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    const ColumnRecord* record = grid.store.columns().Get(column);
    rect.left = record->x - grid.horizontalOffset;
    rect.right = rect.left + record->room;
    return rect;
}

// Shows the rows from `position` on and sets the bars to match. A wheel's bars are painted
// with the frame's next paint, once for a run of notches.
void MoveTopRow(GridInstance& grid, int32_t position) {
    grid.rememberedTopRow = static_cast<uint32_t>(position);
    PrepareRowsForScroll(grid);
    SetTopRow(grid, position);
    SetBarsFromClient(grid, grid.settledView.wheelTurning ? BarPaint::Later : BarPaint::Now);
}

// Moves both panes to the horizontal offset `offset` and sets the bars to match.
void MovePanes(GridInstance& grid, int offset) {
    const int dx = grid.horizontalOffset - offset;
    grid.horizontalOffset = offset;
    ++grid.viewGeneration;
    ScrollPanes(grid, dx);
    SetBarsFromClient(grid, BarPaint::Now);
}

// `position` held within where a bar's thumb can go.
int32_t WithinBar(const GridInstance& grid, int bar, int64_t position) {
    const SCROLLINFO info = ReadBar(grid.ownWindow, bar);
    const int64_t limit = std::max<int64_t>(0, info.nMax - static_cast<int64_t>(info.nPage) + 1);
    return static_cast<int32_t>(std::clamp<int64_t>(position, 0, limit));
}

}  // namespace

void UpdateScrollBars(GridInstance& grid) {
    SetBarsFromClient(grid, BarPaint::Now);
}

void OnVScroll(GridInstance& grid, UINT code) {
    const SCROLLINFO bar = ReadBar(grid.ownWindow, SB_VERT);
    const int position = ScrolledPosition(bar, TopRow(grid), kLineStepRows, code);
    if (position != bar.nPos) {
        MoveTopRow(grid, position);
    }
}

void OnHScroll(GridInstance& grid, UINT code) {
    const SCROLLINFO bar = ReadBar(grid.ownWindow, SB_HORZ);
    MovePanes(grid,
              ScrolledPosition(bar, grid.horizontalOffset, grid.Scaled(kLineStepPixels), code));
}

// Moves the view as a drag of the vertical bar's thumb to `topRow` would, within the bar's range.
void ScrollRowsTo(GridInstance& grid, int64_t topRow) {
    const int32_t position = WithinBar(grid, SB_VERT, topRow);
    if (position != TopRow(grid)) {
        MoveTopRow(grid, position);
    }
}

// Moves the panes as a drag of the horizontal bar's thumb to `offset` would.
void ScrollAcrossTo(GridInstance& grid, int64_t offset) {
    MovePanes(grid, WithinBar(grid, SB_HORZ, offset));
}

void OnMouseWheel(GridInstance& grid, int delta) {
    const WPARAM code = delta < 0 ? SB_LINEDOWN : SB_LINEUP;
    const HWND window = grid.ownWindow;
    grid.settledView.wheelTurning = true;
    for (int i = 0; i < kRowsPerWheelMessage && !grid.destroyed; ++i) {
        SendMessageA(window, WM_VSCROLL, code, 0);
    }
    grid.settledView.wheelTurning = false;
    if (grid.destroyed) {
        return;
    }
    // The rows and the bar are painted once the last queued notch has moved them, and once a
    // frame while notches keep coming, so that a long run still moves on the screen. The list
    // box has moved its region still to be painted along with the rows it copied.
    const DWORD now = GetTickCount();
    if (!WheelQueued() || now - grid.settledView.wheelPaintTick >= kWheelFrameMs) {
        grid.settledView.wheelPaintTick = now;
        UpdateWindow(window);
    }
}

void OnGetCellRect(GridInstance& grid, uint32_t column, uint32_t row, RECT* rect) {
    if (rect == nullptr) {
        return;
    }
    *rect = CellRect(grid, column, row);
}

// 1 and the rectangle for a cell that exists; 0, the record untouched, otherwise.
LRESULT OnGetCellRectEx(GridInstance& grid, GridCellRect* cell) {
    if (cell == nullptr || !IsCell(grid, cell->column, cell->row)) {
        return 0;
    }
    cell->rect = CellRect(grid, cell->column, cell->row);
    return 1;
}

void OnEnsureVisible(GridInstance& grid) {
    SettledView& view = grid.settledView;
    view.valid = false;
    // Bars changed for a row append are repainted with the next paint, as during a run of
    // appends.
    const BarPaint paint = view.appendAsking ? BarPaint::Later : BarPaint::Now;
    view.appendAsking = false;
    RECT client;
    GetClientRect(grid.ownWindow, &client);
    if (client.right == 0 || client.bottom == 0) {
        SetTopRow(grid, 0);
        return;
    }
    const LRESULT caret = SendMessageA(grid.listPane, LB_GETCARETINDEX, 0, 0);
    if (caret >= 0 && static_cast<uint32_t>(caret) != grid.currentRow) {
        grid.currentRow = static_cast<uint32_t>(caret);
        ++grid.viewGeneration;
    }
    const int bottomLimit = client.bottom - grid.rowHeight;
    const RECT cell = CellRect(grid, grid.currentColumn, grid.currentRow);
    bool moved = false;

    if (cell.top < 0) {
        SetTopRow(grid, static_cast<int32_t>(grid.currentRow));
        moved = true;
    } else if (cell.bottom > bottomLimit && grid.rowHeight > 0) {
        const int rows = (cell.bottom - bottomLimit) / grid.rowHeight + 1;
        SetTopRow(grid, TopRow(grid) + rows);
        moved = true;
    }

    if (cell.left < 0) {
        grid.horizontalOffset += cell.left;
        ++grid.viewGeneration;
        ScrollPanes(grid, -cell.left);
        moved = true;
    } else if (cell.right > client.right) {
        // Never push the cell's left edge out to bring its right edge in.
        const int d =
            std::min(static_cast<int>(cell.right - client.right), static_cast<int>(cell.left));
        grid.horizontalOffset += d;
        ++grid.viewGeneration;
        ScrollPanes(grid, -d);
        moved = moved || d != 0;
    }

    // The scroll bar update, read afresh as at any other time.
    GetClientRect(grid.ownWindow, &client);
    if (client.right == 0 || client.bottom == 0) {
        return;
    }
    const int32_t top = TopRow(grid);
    const uint64_t beforeBars = grid.viewGeneration;
    SetBars(grid, client, top, paint);
    // Nothing moved and setting the bars changed no input (a bar shown or hidden resizes the
    // client area): the same request would find the same view again, whatever rows are appended.
    if (!moved && grid.viewGeneration == beforeBars &&
        IsCell(grid, grid.currentColumn, grid.currentRow)) {
        view.atGeneration = grid.viewGeneration;
        view.topRow = top;
        view.client = client;
        view.valid = true;
    }
}

void ShowAppendedRows(GridInstance& grid) {
    grid.settledView.appendAsking = true;
    SendMessageA(grid.ownWindow, GRM_ENSUREVISIBLE, 0, 0);
    grid.settledView.appendAsking = false;
}

void ShowAppendedRow(GridInstance& grid) {
    SettledView& view = grid.settledView;
    if (!view.valid || view.atGeneration != grid.viewGeneration) {
        ShowAppendedRows(grid);
        return;
    }
    // A row appended at the end moves neither the caret nor the top row, so bringing the
    // current cell into view would find it where it was: only the scroll range grows.
    SetBars(grid, view.client, view.topRow, BarPaint::Later);
    // A bar shown or hidden changed the client area: the next append looks at the view again.
    view.valid = view.atGeneration == grid.viewGeneration;
}

void OnNcPaint(GridInstance& grid) {
    grid.settledView.verticalPaintPending = false;
    grid.settledView.horizontalPaintPending = false;
}

void OnRestoreTopIndex(GridInstance& grid) {
    if (grid.rememberedTopRow == 0) {
        return;
    }
    InvalidateRect(grid.listPane, nullptr, TRUE);
    SetTopRow(grid, static_cast<int32_t>(grid.rememberedTopRow));
    UpdateScrollBars(grid);
}

}  // namespace vorlane
