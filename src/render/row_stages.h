// The custom draw stages of one row: what the parent answered for the row and for each cell.
// The records' device context is the row's canvas, moved so that the parent draws in list pane
// coordinates; it is restored after each stage, and a font the parent selected for
// CDRF_NEWFONT is read from it and stays the parent's.
#pragma once

#include <windows.h>

#include "frame/custom_draw.h"
#include "frame/grid_instance.h"

namespace vorlane {

// A row's or a cell's part of the parent's answer, in the colours the row is painted with.
struct StageLook {
    COLORREF text = 0;
    COLORREF back = 0;
    HFONT font = nullptr;  // the parent's font for CDRF_NEWFONT, else none
    bool skip = false;     // the parent drew it (CDRF_SKIPDEFAULT)
    bool post = false;     // the parent asked for the post-paint stage
    bool cells = false;    // the parent asked for each cell (rows only)
};

class RowStages {
  public:
    // `stamp` is the paint's; `item` the row as the list box would describe it.
    RowStages(GridInstance& grid, const PaintStamp& stamp) : grid_(grid), stamp_(stamp) {}

    // Starts a row drawn on `canvas`, whose (0, 0) is (item.rcItem.left, item.rcItem.top).
    void BeginRow(const DRAWITEMSTRUCT& item, HDC canvas, UINT state, uint32_t kindCell,
                  LPARAM itemData);

    // One stage: the row's (column -1) or a cell's, over `area` in canvas coordinates. `look`
    // comes in as the defaults and goes out as answered. False: the paint stops (the control
    // is gone or what it paints changed); nothing of the grid may be touched after that.
    bool Ask(DWORD stage, int column, const RECT& area, StageLook& look);

  private:
    GridInstance& grid_;
    const PaintStamp stamp_;
    NMGRIDCUSTOMDRAW base_ = {};  // the row's fields, common to its stages
    HDC canvas_ = nullptr;
    POINT origin_ = {};  // the canvas's (0, 0) in list pane coordinates
};

// Whether the user has a high-contrast theme on (SPI_GETHIGHCONTRAST).
bool HighContrastOn();

// The colours of the row under the pointer: the hot colour over the row background, or in high
// contrast the system's hot colour as text on it.
struct HotLook {
    COLORREF text;
    COLORREF back;
};
HotLook HotRowLook(const GridInstance& grid);

// The background of unselected rows as painted with the row background brush.
COLORREF RowBackColor(const GridInstance& grid);

}  // namespace vorlane
