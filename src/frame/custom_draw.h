// Custom draw: the parent's say in how the rows are painted, through NM_CUSTOMDRAW records sent
// at the stages of a paint. The parent may do anything inside a stage, so every send is checked.
#pragma once

#include <cstdint>

#include "frame/grid_instance.h"
#include "vorlane.h"

namespace vorlane {

// What painting reads and a parent may change inside a stage: the rows and the looks (columns,
// colours, fonts). A paint whose stamp changed stops, since what it would paint is gone; the
// change itself has invalidated the pane.
struct PaintStamp {
    uint32_t rows = 0;
    uint64_t look = 0;
    bool operator==(const PaintStamp&) const = default;
};
PaintStamp StampOf(const GridInstance& grid);

// Sends one stage's record (its stage, device context, rectangle and fields filled by the caller)
// and returns the parent's answer in `answer`. False when the paint must stop: the control was
// destroyed (touch nothing of it then) or the stamp changed.
bool SendCustomDraw(GridInstance& grid, const PaintStamp& stamp, NMGRIDCUSTOMDRAW& record,
                    LRESULT& answer);

// A parent colour of a record, or `fallback` for CLR_DEFAULT, CLR_NONE and other non-colours.
COLORREF ChosenColor(COLORREF chosen, COLORREF fallback);

}  // namespace vorlane
