// What the frame asks of painting, which render/ does: the state painting keeps for one grid
// between paints (made by a creation step, freed by its undoing) and the file icons it forgets
// when rows or files change. Only a forward declaration here: the frame never sees inside.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

namespace vorlane {

struct PaintCache;  // render/paint_cache.h

struct PaintCacheFree {
    void operator()(PaintCache* cache) const;
};
using PaintCacheHold = std::unique_ptr<PaintCache, PaintCacheFree>;

// A new cache, or null when there is no memory for it.
PaintCacheHold MakePaintCache();

// Draws the header's sort arrows for `dpi` (render/sort_arrows.h), in place of those kept.
// False when they could not be made: the ones kept before stay.
bool MakeSortArrows(PaintCache& cache, UINT dpi);

// The row's column-0 text changed: its file icon is looked up again.
void ForgetFileIcon(PaintCache& cache, uint32_t rowOffset);

constexpr uint32_t kNoFocusMark = 0xFFFFFFFF;  // no row shows the focus mark

// The row position whose focus mark row painting last left on screen, or kNoFocusMark.
uint32_t MarkedRow(const PaintCache& cache);

// A paint of the list pane begins: the image lists' icons are drawn through them anew.
void BeginListPanePaint(PaintCache& cache);

// The theme changed: its check boxes are looked up again at the next paint.
void ForgetTheme(PaintCache& cache);

// Every row's file icon may have changed (the rows were cleared, or files changed behind the
// control's back): all are looked up again.
void ForgetFileIcons(PaintCache& cache);

}  // namespace vorlane
