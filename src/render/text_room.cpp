#include "render/text_room.h"

#include <algorithm>

#include "render/gdi_objects.h"
#include "render/header_painter.h"

namespace vorlane {

namespace {

constexpr int kArrowFromTitleRight = 6;  // arrow's left edge, from the title's right edge
constexpr int kTextBeforeArrow = 2;      // pixels between a title's text and its arrow

// Column edges are 32-bit sums of client-given widths; GDI coordinates must stay far smaller.
LONG ClampedX(int64_t x) {
    constexpr int64_t kLimit = 1 << 24;
    return static_cast<LONG>(std::clamp<int64_t>(x, -kLimit, kLimit));
}

// The window's device context for the length of a measure.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

}  // namespace

RECT CellSpan(const ColumnRecord& record, const RECT& row, LONG origin) {
    RECT span = row;
    span.left = ClampedX(static_cast<int64_t>(record.x) - origin);
    span.right = ClampedX(static_cast<int64_t>(record.x) + record.width - origin);
    return span;
}

RECT CellTextRoom(uint32_t column, const RECT& span) {
    const LONG left = column == 0 ? span.left + kImageAreaWidth : span.left;
    return {left + 2, span.top + 1, span.right - 2, span.bottom};
}

RECT TitleButton(uint32_t column, const ColumnRecord& record, const RECT& pane) {
    RECT button = pane;
    button.left = ClampedX(column == 0 ? record.x : static_cast<int64_t>(record.x) + 1);
    button.right = ClampedX(static_cast<int64_t>(record.x) + record.width + 1);
    return button;
}

TitleRoom TitleTextRoom(const GridInstance& grid, uint32_t column, const ColumnRecord& record,
                        const RECT& button) {
    RECT text = {button.left + 3, button.top + 2, button.right - 3, button.bottom};
    if ((record.flags & kTitlePressed) != 0) {
        text.left += 1;
        text.top += 1;
        text.right += 1;
    }
    const LONG arrowLeft = text.right - kArrowFromTitleRight;
    if (grid.columnWindows.SortIndicator(column) != 0) {
        text.right = std::max(text.left, arrowLeft - kTextBeforeArrow);
    }
    return {text, arrowLeft};
}

HFONT PaintedFont(HFONT font) {
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

std::optional<RECT> CutTextPlace(HWND window, HFONT font, const std::wstring& text,
                                 const RECT& room, int32_t align) {
    if (text.empty()) {
        return std::nullopt;
    }
    WindowDc dc(window);
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
