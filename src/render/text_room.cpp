#include "render/text_room.h"

#include <algorithm>

#include "render/gdi_objects.h"
#include "render/header_painter.h"

namespace vorlane {

namespace {

// Pixels at 96 DPI, scaled to the window's.
constexpr int kArrowFromTitleRight = 6;  // arrow's left edge, from the title's right edge
constexpr int kTextBeforeArrow = 2;      // pixels between a title's text and its arrow
constexpr int kTitleInsetX = 3;          // title text from the button's left and right edges
constexpr int kTitleInsetY = 2;          // title text from the button's top edge
constexpr int kTextInsetX = 2;           // cell text from the cell's left and right edges
constexpr int kTextInsetY = 1;           // cell text from the row's top edge

// Column edges are 32-bit sums of client-given widths; GDI coordinates must stay far smaller.
LONG ClampedX(int64_t x) {
    constexpr int64_t kLimit = 1 << 24;
    return static_cast<LONG>(std::clamp<int64_t>(x, -kLimit, kLimit));
}

}  // namespace

RECT CellSpan(const ColumnRecord& record, const RECT& row, LONG origin) {
    RECT span = row;
    span.left = ClampedX(static_cast<int64_t>(record.x) - origin);
    span.right = ClampedX(static_cast<int64_t>(record.x) + record.room - origin);
    return span;
}

RECT CellTextRoom(const GridInstance& grid, uint32_t column, const RECT& span) {
    const LONG left = column == 0 ? span.left + grid.Scaled(kImageAreaWidth) : span.left;
    const int insetX = grid.Scaled(kTextInsetX);
    return {left + insetX, span.top + grid.Scaled(kTextInsetY), span.right - insetX, span.bottom};
}

RECT TitleButton(const ColumnRecord& record, const RECT& pane) {
    RECT button = pane;
    button.left = ClampedX(record.x == 0 ? record.x : static_cast<int64_t>(record.x) + 1);
    button.right = ClampedX(static_cast<int64_t>(record.x) + record.room + 1);
    return button;
}

TitleRoom TitleTextRoom(const GridInstance& grid, uint32_t column, const ColumnRecord& record,
                        const RECT& button) {
    const int insetX = grid.Scaled(kTitleInsetX);
    RECT text = {button.left + insetX, button.top + grid.Scaled(kTitleInsetY),
                 button.right - insetX, button.bottom};
    if ((record.flags & kTitlePressed) != 0) {
        text.left += 1;
        text.top += 1;
        text.right += 1;
    }
    const LONG arrowLeft = text.right - grid.Scaled(kArrowFromTitleRight);
    if (grid.columnWindows.SortIndicator(column) != 0) {
        text.right = std::max(text.left, arrowLeft - grid.Scaled(kTextBeforeArrow));
    }
    return {text, arrowLeft};
}

UINT CutTextEnding(const GridInstance& grid) {
    return UsesListConventions(grid) ? DT_END_ELLIPSIS : 0;
}

int32_t CutTextAlignment(const GridInstance& grid, int32_t align) {
    return UsesListConventions(grid) ? 0 : align;
}

int CellWidthFor(const GridInstance& grid, uint32_t column, int textWidth) {
    const int image = column == 0 ? grid.Scaled(kImageAreaWidth) : 0;
    return textWidth + image + 2 * grid.Scaled(kTextInsetX);
}

int TitleWidthFor(const GridInstance& grid, int textWidth) {
    // A pressed title's text stands a pixel to the right.
    return textWidth + 2 * grid.Scaled(kTitleInsetX) + 1 + grid.Scaled(kArrowFromTitleRight) +
           grid.Scaled(kTextBeforeArrow);
}

HFONT PaintedFont(HFONT font) {
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

std::optional<RECT> CutTextPlace(HWND window, HFONT font, const std::wstring& text,
                                 const RECT& room, int32_t align) {
    if (text.empty()) {
        return std::nullopt;
    }
    WindowDC dc(window);
    if (dc.get() == nullptr) {
        return std::nullopt;
    }
    ScopedSelect selected(dc.get(), PaintedFont(font));
    // The same format painting draws with, measured instead of drawn.
    RECT whole = {0, 0, 0, 0};
    if (DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &whole,
                  DT_CALCRECT | TextAlignment(align)) == 0) {
        return std::nullopt;
    }
    const LONG width = whole.right - whole.left;
    const LONG roomWidth = room.right - room.left;
    if (width <= roomWidth) {
        return std::nullopt;
    }
    LONG left = room.left;
    if (align == 1) {
        left = (room.left + room.right - width) / 2;
    } else if (align != 0) {
        left = room.right - width;
    }
    return RECT{left, room.top, left + width, room.top + (whole.bottom - whole.top)};
}

}  // namespace vorlane
