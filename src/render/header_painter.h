// Painting the header pane: one button per shown column with its title and sort arrow, and an
// empty button that runs on past the last column.
#pragma once

#include <windows.h>

#include "frame/grid_instance.h"

namespace vorlane {

// Paints the header pane into the owner-draw record's device context.
void PaintHeader(GridInstance& grid, const DRAWITEMSTRUCT& item);

}  // namespace vorlane
