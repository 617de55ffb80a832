// The hover side of the tooltips of cut-off texts. What counts as cut off, and where the text
// was drawn, is painting's own measure (render/text_room.h); the tooltip window is the frame's
// (frame/cell_tip_window.h).
#include "input/cell_tips.h"

#include <windowsx.h>

#include <optional>
#include <string>

#include "access/row_text.h"
#include "frame/cell_tip_window.h"
#include "frame/row_positions.h"
#include "input/column_hits.h"
#include "input/list_pane.h"
#include "render/text_room.h"
#include "vorlane.h"

namespace vorlane {

namespace {

// A cell, or with kNoRow a column's title.
struct TipSpot {
    uint32_t column = 0;
    uint32_t row = kNoRow;
};

// A text painting cut off: the whole text, where it lies whole (pane coordinates) and its font.
struct CutText {
    std::wstring text;
    RECT place = {};
    HFONT font = nullptr;
};

std::optional<TipSpot> SpotAt(const GridInstance& grid, HWND pane, LPARAM point) {
    const std::optional<uint32_t> column =
        ShownColumnAtX(grid.store.columns(), GET_X_LPARAM(point));
    if (!column) {
        return std::nullopt;
    }
    if (pane == grid.headerPane) {
        return TipSpot{*column, kNoRow};
    }
    const uint32_t row = RowAtPoint(grid, point);
    if (row == kNoRow) {
        return std::nullopt;
    }
    return TipSpot{*column, row};
}

bool IsShownSpot(const GridInstance& grid, HWND pane, const TipSpot& spot) {
    return grid.tip.shown && grid.tip.pane == pane && grid.tip.column == spot.column &&
           grid.tip.row == spot.row;
}

// The cell's text as painted, when painting cuts it. An owner-data grid's parent is asked for
// the cell: check destroyed.
std::optional<CutText> CutCell(GridInstance& grid, uint32_t column, uint32_t row) {
    const ColumnRecord record = *grid.store.columns().Get(column);
    RECT item = {};
    if (SendMessageA(grid.listPane, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item)) ==
        LB_ERR) {
        return std::nullopt;
    }
    const uint32_t kindCell = KindCellAt(grid, row);
    if (grid.destroyed) {
        return std::nullopt;
    }
    const std::optional<std::wstring> text = CellShownText(grid, column, row, kindCell);
    if (grid.destroyed || !text) {
        return std::nullopt;
    }
    const RECT room = CellTextRoom(grid, column, CellSpan(record, item, 0));
    const std::optional<RECT> place = CutTextPlace(grid.listPane, grid.listFont, *text, room,
                                                   CutTextAlignment(grid, record.cellAlign));
    if (!place) {
        return std::nullopt;
    }
    return CutText{*text, *place, grid.listFont};
}

// The column's title as painted, when painting cuts it.
std::optional<CutText> CutTitle(const GridInstance& grid, uint32_t column) {
    const ColumnRecord record = *grid.store.columns().Get(column);
    if (record.titleOffset == 0) {
        return std::nullopt;  // painted without a title
    }
    RECT pane = {};
    GetClientRect(grid.headerPane, &pane);
    const RECT room = TitleTextRoom(grid, column, record, TitleButton(record, pane)).text;
    const std::wstring text = ColumnTitle(grid, column);
    const std::optional<RECT> place = CutTextPlace(grid.headerPane, grid.headerFont, text, room,
                                                   CutTextAlignment(grid, record.titleAlign));
    if (!place) {
        return std::nullopt;
    }
    return CutText{text, *place, grid.headerFont};
}

}  // namespace

void TrackTipHover(GridInstance& grid, HWND pane, WPARAM keys, LPARAM point) {
    if (grid.tip.shown) {
        const std::optional<TipSpot> spot = SpotAt(grid, pane, point);
        if (!spot || !IsShownSpot(grid, pane, *spot)) {
            HideCellTip(grid);
        }
    }
    if ((keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0) {
        HideCellTip(grid);
        return;
    }
    TRACKMOUSEEVENT track = {sizeof(track), TME_HOVER | TME_LEAVE, pane, HOVER_DEFAULT};
    TrackMouseEvent(&track);
}

void OnPaneMouseHover(GridInstance& grid, HWND pane, LPARAM point) {
    const std::optional<TipSpot> spot = SpotAt(grid, pane, point);
    if (!spot || IsShownSpot(grid, pane, *spot)) {
        return;
    }
    HideCellTip(grid);
    const std::optional<CutText> cut =
        spot->row == kNoRow ? CutTitle(grid, spot->column) : CutCell(grid, spot->column, spot->row);
    if (grid.destroyed || !cut) {
        return;
    }
    RECT area = cut->place;
    MapWindowPoints(pane, nullptr, reinterpret_cast<POINT*>(&area), 2);
    if (ShowCellTip(grid, cut->text, area, PaintedFont(cut->font))) {
        grid.tip.pane = pane;
        grid.tip.column = spot->column;
        grid.tip.row = spot->row;
    }
}

void OnPaneMouseLeave(GridInstance& grid) {
    HideCellTip(grid);
}

}  // namespace vorlane
