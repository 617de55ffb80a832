#include "render/row_look.h"

#include "frame/grid_handlers.h"
#include "frame/shared_state.h"
#include "render/paint_cache.h"

namespace vorlane {

RowLook CurrentRowLook(const GridInstance& grid, PaintCache& cache) {
    const ColumnSet& columns = grid.store.columns();
    if (columns.Count() != 0) {
        cache.fileIcons.FollowPrefix(columns.Get(0)->folderPrefix, grid.store.textWidth());
    }
    RowLook look;
    look.generation = grid.lookGeneration + Shared().lookGeneration;
    look.icons = cache.fileIcons.generation();
    look.window = GetSysColor(COLOR_WINDOW);
    look.highlight = GetSysColor(COLOR_HIGHLIGHT);
    look.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    return look;
}

void NoteRowLook(GridInstance& grid) {
    PaintCache& cache = *grid.paint;
    if (!cache.otherLookPainted && CurrentRowLook(grid, cache) != cache.lookAtFullRepaint) {
        cache.otherLookPainted = true;
    }
}

void PrepareRowsForScroll(GridInstance& grid) {
    PaintCache& cache = *grid.paint;
    const RowLook look = CurrentRowLook(grid, cache);
    if (look != cache.lookAtFullRepaint || cache.otherLookPainted) {
        InvalidateRect(grid.listPane, nullptr, TRUE);
        cache.lookAtFullRepaint = look;
        cache.otherLookPainted = false;
    }
}

}  // namespace vorlane
