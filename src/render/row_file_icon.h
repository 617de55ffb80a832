// The shell's small icon of a file row, as row painting draws it: looked up by the path the
// column's folder prefix and the row's text name, kept in the icon cache, and drawn through the
// icon strip (or stretched, when the shell's list holds icons of another DPI's size).
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/grid_instance.h"
#include "render/file_icon_cache.h"
#include "render/icon_strip.h"

namespace vorlane {

// The row's cell as painting reads it: from the store, or from the cells fetched for an
// owner-data row. False when there is no such cell.
bool ReadPaintedCell(const GridInstance& grid, const DRAWITEMSTRUCT& item, uint32_t column,
                     void* destination, uint32_t destinationUnits);

// What a row's file icon is kept under: its row offset, or an owner-data row's position.
uint32_t FileIconKey(const GridInstance& grid, const DRAWITEMSTRUCT& item);

// Draws the file icon of the row `item` names on `canvas`, in `cell` (column 0 on the canvas).
// Nothing is looked up where the icon could not show: scrolled out of view, or outside the area
// being repainted.
void DrawFileIcon(const GridInstance& grid, FileIconCache& icons, IconStrip& strip,
                  const DRAWITEMSTRUCT& item, HDC canvas, const RECT& cell);

}  // namespace vorlane
