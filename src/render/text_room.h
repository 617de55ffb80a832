// Where painting puts a text: the room a cell's text and a title's text are drawn in, and
// whether a text fits its room. Painting and the tooltip of cut-off texts both ask here, so
// that the tooltip shows exactly the texts painting cuts, where painting drew them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "frame/grid_instance.h"
#include "store/column_set.h"

namespace vorlane {

constexpr int kImageAreaWidth = 16;  // column 0's content starts after the row image (at 96 DPI)

// A column's share of `row`, whose left edge stands at x `origin` of the list pane.
RECT CellSpan(const ColumnRecord& record, const RECT& row, LONG origin);
// The part of a cell's span (its column's share of a row) its text is drawn in, at the grid's
// DPI.
RECT CellTextRoom(const GridInstance& grid, uint32_t column, const RECT& span);

// The button of a column's title in a header pane whose client area is `pane`: the first
// shown column's begins at the pane's left, every other a pixel right of its x.
RECT TitleButton(const ColumnRecord& record, const RECT& pane);
// Where a title's text and sort arrow go in its button: a pressed title a pixel lower and to
// the right, the arrow at the right end and the text left of it when the column shows one.
struct TitleRoom {
    RECT text;       // the room the title's text is drawn in
    LONG arrowLeft;  // left edge of the sort arrow
};
TitleRoom TitleTextRoom(const GridInstance& grid, uint32_t column, const ColumnRecord& record,
                        const RECT& button);

// How painting ends a text cut off by its room: with "..." for a grid of GRS_LISTCONVENTIONS
// (DT_END_ELLIPSIS), else where the room ends (0).
UINT CutTextEnding(const GridInstance& grid);
// The alignment by which a cut text lies in its room as painted: an ended text fills the room
// from its left edge whatever the alignment, otherwise the text's own alignment places it.
int32_t CutTextAlignment(const GridInstance& grid, int32_t align);

// The width a column needs to show, uncut, a cell text `textWidth` pixels wide (column 0's image
// room included), or a title that wide with room for a sort arrow beside it.
int CellWidthFor(const GridInstance& grid, uint32_t column, int textWidth);
int TitleWidthFor(const GridInstance& grid, int textWidth);

// The font a text is painted in: the grid's, or without one the default of a new device
// context, which painting then keeps.
HFONT PaintedFont(HFONT font);

// Where `text`, drawn in `room` of `window` (client coordinates) in `font` with the alignment
// `align`, lies whole when it is wider than the room: the text's own width and height, placed
// as the alignment places it. nullopt when it fits (or cannot be measured).
std::optional<RECT> CutTextPlace(HWND window, HFONT font, const std::wstring& text,
                                 const RECT& room, int32_t align);

}  // namespace vorlane
