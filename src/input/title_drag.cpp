// The title drag. The image is a layered popup given its pixels once (UpdateLayeredWindow), so it
// needs no painting of its own and keeps no bitmap; the mark is the column resize line, two
// pixels wide and as high as the header.
#include "input/title_drag.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "frame/grid_handlers.h"
#include "frame/notify.h"
#include "frame/shared_state.h"
#include "input/column_hits.h"
#include "render/gdi_objects.h"
#include "render/header_painter.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr BYTE kImageAlpha = 176;  // the image lets the header under it show through
constexpr int kMarkWidth = 2;

// Where the pointer at pane x would put the column: the shown column under it (or the first or
// last shown one beyond either end) and whether the column lands after it.
struct Landing {
    uint32_t over = 0;
    bool after = false;
};

std::optional<Landing> LandingAt(const ColumnSet& columns, int64_t x) {
    std::optional<uint32_t> first;
    std::optional<uint32_t> last;
    for (const uint32_t column : columns.Shown()) {
        if (!first) {
            first = column;
        }
        last = column;
    }
    if (!first) {
        return std::nullopt;
    }
    const std::optional<uint32_t> over = ShownColumnAtX(columns, x);
    if (!over) {
        const bool beforeAll = x < columns.Get(*first)->x;
        return Landing{beforeAll ? *first : *last, !beforeAll};
    }
    const ColumnRecord& record = *columns.Get(*over);
    return Landing{*over, x >= static_cast<int64_t>(record.x) + record.room / 2};
}

// The display position the dragged column takes when it lands there.
uint32_t TargetPosition(const ColumnSet& columns, uint32_t moved, const Landing& landing) {
    const uint32_t from = columns.PositionOf(moved);
    if (landing.over == moved) {
        return from;
    }
    const uint32_t over = columns.PositionOf(landing.over);
    return over - (from < over ? 1 : 0) + (landing.after ? 1 : 0);
}

// The mark's x in the control's client area: the landing column's left or right edge.
int MarkX(const GridInstance& grid, const Landing& landing) {
    const ColumnRecord& record = *grid.store.columns().Get(landing.over);
    const int64_t edge = static_cast<int64_t>(record.x) + (landing.after ? record.room : 0);
    return static_cast<int>(
        std::clamp<int64_t>(edge - grid.horizontalOffset, INT16_MIN, INT16_MAX));
}

bool InHeader(const GridInstance& grid, POINT point) {
    RECT client;
    GetClientRect(grid.ownWindow, &client);
    const int64_t x = static_cast<int64_t>(point.x) - grid.horizontalOffset;
    return point.y >= 0 && point.y < grid.headerHeight && x >= 0 && x < client.right;
}

// Gives the image the title's pixels as the header paints them (unpressed) and puts it where
// the pointer holds the title.
void PlaceImage(const GridInstance& grid, POINT point, bool paint) {
    const TitleDrag& drag = grid.titleDrag;
    POINT screen = {point.x - drag.grabOffset, 0};
    ClientToScreen(grid.headerPane, &screen);
    if (!paint) {
        SetWindowPos(drag.image, HWND_TOPMOST, screen.x, screen.y, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE);
        return;
    }
    const ColumnRecord& record = *grid.store.columns().Get(drag.column);
    SIZE size = {std::max(record.room, 1), std::max(grid.headerHeight, 1)};
    WindowDC screenDc(nullptr);
    HDC memory = CreateCompatibleDC(screenDc.get());
    HBITMAP bitmap = CreateCompatibleBitmap(screenDc.get(), size.cx, size.cy);
    if (memory != nullptr && bitmap != nullptr) {
        ScopedSelect selected(memory, bitmap);
        SetViewportOrgEx(memory, -record.x, 0, nullptr);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_STATIC;
        item.hwndItem = grid.headerPane;
        item.hDC = memory;
        item.rcItem = {0, 0, record.x + size.cx, size.cy};
        PaintHeader(grid, item);
        SetViewportOrgEx(memory, 0, 0, nullptr);
        POINT source = {0, 0};
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, kImageAlpha, 0};
        UpdateLayeredWindow(drag.image, screenDc.get(), &screen, &size, memory, &source, 0, &blend,
                            ULW_ALPHA);
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    if (memory != nullptr) {
        DeleteDC(memory);
    }
    ShowWindow(drag.image, SW_SHOWNOACTIVATE);
}

// The image window: topmost, never active, letting the mouse through; owned by the control.
HWND MakeImage(const GridInstance& grid) {
    constexpr DWORD kExStyle =
        WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;
    HWND image = CreateWindowExW(kExStyle, L"Static", nullptr, WS_POPUP, 0, 0, 1, 1, grid.ownWindow,
                                 nullptr, Shared().moduleInstance, nullptr);
    if (image != nullptr) {
        SetWindowLongPtrW(image, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(grid.ownWindow));
    }
    return image;
}

void ShowMark(const GridInstance& grid, const Landing& landing) {
    SetWindowPos(grid.resizeLine, HWND_TOP, MarkX(grid, landing) - kMarkWidth / 2, 0, kMarkWidth,
                 grid.headerHeight, SWP_SHOWWINDOW);
    UpdateWindow(grid.resizeLine);
}

// The pressed title goes up as the column leaves it.
void ReleaseTitle(GridInstance& grid) {
    const uint32_t column = grid.titleDrag.column;
    const ColumnRecord* record = grid.store.columns().Get(column);
    if (record != nullptr && (record->flags & kTitlePressed) != 0) {
        grid.store.SetColumnFlags(column, record->flags & ~kTitlePressed);
        InvalidateRect(grid.headerPane, nullptr, TRUE);
    }
}

bool PastDragDistance(const TitleDrag& drag, POINT point) {
    return std::abs(point.x - drag.pressed.x) > GetSystemMetrics(SM_CXDRAG) ||
           std::abs(point.y - drag.pressed.y) > GetSystemMetrics(SM_CYDRAG);
}

// Takes the image and the mark away; the phase is the caller's.
void ClearVisuals(GridInstance& grid) {
    if (grid.titleDrag.image != nullptr) {
        DestroyWindow(grid.titleDrag.image);
        grid.titleDrag.image = nullptr;
    }
    if (grid.resizeLine != nullptr && grid.resize.phase != ResizePhase::Dragging) {
        ShowWindow(grid.resizeLine, SW_HIDE);
    }
}

// The column moved to `target`, every other column keeping its order, as GRM_SETCOLORDER would.
void MoveColumn(GridInstance& grid, uint32_t column, uint32_t target) {
    std::array<uint32_t, kMaxColumns> order{};
    const uint32_t count = grid.store.columns().GetOrder(order.data(), kMaxColumns);
    const uint32_t from = grid.store.columns().PositionOf(column);
    if (from >= count || target >= count) {
        return;
    }
    if (from < target) {
        std::rotate(order.begin() + from, order.begin() + from + 1, order.begin() + target + 1);
    } else {
        std::rotate(order.begin() + target, order.begin() + from, order.begin() + from + 1);
    }
    OnSetColOrder(grid, count, order.data());
}

}  // namespace

void PressTitleForDrag(GridInstance& grid, POINT point) {
    TitleDrag& drag = grid.titleDrag;
    ClearVisuals(grid);
    drag.phase = TitleDragPhase::Idle;
    if ((grid.style & GRS_DRAGCOLUMNS) == 0) {
        return;
    }
    const std::optional<uint32_t> column = ShownColumnAtX(grid.store.columns(), point.x);
    if (!column) {
        return;
    }
    drag.phase = TitleDragPhase::Pressed;
    drag.column = *column;
    drag.pressed = point;
    drag.grabOffset = point.x - grid.store.columns().Get(*column)->x;
}

bool MoveTitleDrag(GridInstance& grid, POINT point) {
    TitleDrag& drag = grid.titleDrag;
    if (drag.phase == TitleDragPhase::Pressed && PastDragDistance(drag, point)) {
        drag.phase = TitleDragPhase::Dragging;
        ReleaseTitle(grid);
        UpdateWindow(grid.headerPane);
        drag.image = MakeImage(grid);
        if (drag.image != nullptr) {
            PlaceImage(grid, point, true);
        }
    } else if (drag.phase != TitleDragPhase::Dragging) {
        return false;
    } else if (drag.image != nullptr) {
        PlaceImage(grid, point, false);
    }
    const std::optional<Landing> landing = LandingAt(grid.store.columns(), point.x);
    if (landing) {
        drag.target = TargetPosition(grid.store.columns(), drag.column, *landing);
        ShowMark(grid, *landing);
    }
    return true;
}

bool ReleaseTitleDrag(GridInstance& grid, POINT point) {
    TitleDrag& drag = grid.titleDrag;
    const TitleDragPhase phase = drag.phase;
    drag.phase = TitleDragPhase::Idle;
    if (phase == TitleDragPhase::Idle || phase == TitleDragPhase::Pressed) {
        return false;
    }
    ClearVisuals(grid);
    if (phase == TitleDragPhase::Cancelled || !InHeader(grid, point) ||
        drag.target == grid.store.columns().PositionOf(drag.column)) {
        return true;
    }
    const uint32_t column = drag.column;
    const uint32_t target = drag.target;
    GridNotify record = MakeNotify(grid, GRN_COLUMNORDER, column, target);
    record.hwndFrom = grid.ownWindow;
    record.hwndChild = grid.headerPane;
    if (!SendNotify(grid, record) && !grid.destroyed) {
        MoveColumn(grid, column, target);
    }
    return true;
}

bool AbandonTitleDragOnKey(GridInstance& grid, WPARAM virtualKey) {
    if (virtualKey != VK_ESCAPE || grid.titleDrag.phase != TitleDragPhase::Dragging) {
        return false;
    }
    AbandonTitleDrag(grid);
    if (GetCapture() == grid.headerPane) {
        ReleaseCapture();
    }
    return true;
}

void AbandonTitleDrag(GridInstance& grid) {
    TitleDrag& drag = grid.titleDrag;
    if (drag.phase == TitleDragPhase::Dragging) {
        ClearVisuals(grid);
        drag.phase = TitleDragPhase::Cancelled;
    } else if (drag.phase == TitleDragPhase::Pressed) {
        drag.phase = TitleDragPhase::Idle;
    }
}

}  // namespace vorlane
