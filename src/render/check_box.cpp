#include "render/check_box.h"

#include <algorithm>

#include "render/paint_cache.h"
#include "render/row_stages.h"
#include "store/shown_cell.h"

namespace vorlane {

namespace {

// Pixels at 96 DPI, scaled to the window's.
constexpr int kBoxSide = 13;  // the system's check box
constexpr int kBoxInset = 3;  // from a cell's left or right edge
constexpr int kAlignCentre = 1;
constexpr int kAlignLeft = 0;

}  // namespace

RECT CheckBoxRect(const GridInstance& grid, const ColumnRecord& record, const RECT& span) {
    const LONG height = span.bottom - span.top;
    const LONG side = std::max<LONG>(0, std::min<LONG>(grid.Scaled(kBoxSide), height - 2));
    const LONG inset = grid.Scaled(kBoxInset);
    LONG left = span.left + inset;
    if (record.cellAlign == kAlignCentre) {
        left = span.left + (span.right - span.left - side) / 2;
    } else if (record.cellAlign != kAlignLeft) {
        left = span.right - inset - side;
    }
    left = std::max(left, span.left);
    const LONG top = span.top + (height - side) / 2;
    return {left, top, std::min(left + side, span.right), top + side};
}

void DrawCheckBox(const GridInstance& grid, HDC dc, const RECT& box, uint32_t value) {
    if (box.right <= box.left || box.bottom <= box.top) {
        return;
    }
    const uint32_t check = CheckState(value);
    // High contrast keeps the classic box, drawn in the system colours the user chose.
    if (!HighContrastOn() &&
        grid.paint->checkTheme.Draw(grid.ownWindow, grid.dpi, dc, box, check)) {
        return;
    }
    UINT state = DFCS_BUTTONCHECK;
    if (check == 1) {
        state |= DFCS_CHECKED;
    } else if (check == 2) {
        state = DFCS_BUTTON3STATE | DFCS_CHECKED;
    }
    // The mixed box's dither takes the device context's text and background colours: those of
    // the system's window, whatever look the row or title is painted in.
    const COLORREF text = SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const COLORREF back = SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    RECT drawn = box;
    DrawFrameControl(dc, &drawn, DFC_BUTTON, state);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
}

}  // namespace vorlane
