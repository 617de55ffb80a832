// The state row painting keeps for one grid between paints. Only painting reads or writes it;
// the frame holds it through frame/painting.h.
#pragma once

#include <cstdint>

#include "frame/painting.h"
#include "render/check_theme.h"
#include "render/file_icon_cache.h"
#include "render/gdi_objects.h"
#include "render/icon_strip.h"
#include "render/row_look.h"
#include "render/sort_arrows.h"

namespace vorlane {

struct PaintCache {
    OffscreenCanvas rowCanvas;  // where row painting composes each row; kept between rows
    FileIconCache fileIcons;    // shell icons of file rows, by row offset
    IconStrip iconStrip;        // file icons as drawn, blended from here (render/icon_strip.h)
    // The row and column image lists' icons as drawn, blended from here like the file icons.
    // The application may change an image list's images at any time, so the strip starts
    // afresh at each paint of the list pane: a paint draws each icon it shows through the
    // image list once, however many rows show it. A paint shows few distinct images: a short
    // strip keeps the memory small.
    IconStrip listImages{16};
    SortArrows sortArrows;  // the header's arrow shapes at the window's DPI
    CheckTheme checkTheme;  // the theme's check boxes, for check cells and titles

    // Row painting's inputs (render/row_look.h) when the whole list pane was last invalidated by
    // a vertical scroll, and whether a row has been painted with other inputs since. While
    // neither has changed the rows on screen are as painting would draw them now, so a scroll
    // may move them instead of painting them all again.
    RowLook lookAtFullRepaint;
    bool otherLookPainted = false;

    // The row position painted last with the focus mark, or kNoFocusMark; cleared when that
    // row is painted without it.
    uint32_t markedRow = kNoFocusMark;

    // Custom draw: the parent asked for the rows at the last paint's CDDS_PREPAINT, so rows are
    // painted only by the pane's paint (render/custom_rows.h), where the parent may be asked;
    // rowsForParent is set while that paint runs.
    bool parentDrawsRows = false;
    bool rowsForParent = false;
};

}  // namespace vorlane
