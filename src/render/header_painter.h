// Painting the header pane: one button per shown column with its title and sort arrow, and an
// empty button that runs on past the last column.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/grid_instance.h"

namespace vorlane {

// What a column record tells the header to show; the header pane's mouse handling
// (input/header_pane.cpp) sets it. The arrows are ColumnWindows's (frame/column_windows.h).
constexpr uint32_t kTitlePressed = 0x1;  // column flag: the title button is held down

// Paints the header pane into the owner-draw record's device context. Reads the grid only; the
// titles are asked of the control (GRM_GETCOLTITLE), so the parent may destroy it meanwhile.
void PaintHeader(const GridInstance& grid, const DRAWITEMSTRUCT& item);

}  // namespace vorlane
