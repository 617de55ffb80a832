#include "render/paint_cache.h"

#include <new>

#include "frame/dpi.h"
#include "frame/shared_state.h"

namespace vorlane {

void PaintCacheFree::operator()(PaintCache* cache) const {
    delete cache;
}

PaintCacheHold MakePaintCache() {
    return PaintCacheHold(new (std::nothrow) PaintCache);
}

// The icons are asked for at their 16-pixel size scaled, which picks the icon file's best match;
// the header draws them 17 pixels square at 96 DPI.
bool MakeSortArrows(PaintCache& cache, UINT dpi) {
    constexpr int kIconSize = 16;
    constexpr int kArrowSize = 17;
    return cache.sortArrows.Make(Shared().moduleInstance, ScaleToDpi(kIconSize, dpi),
                                 ScaleToDpi(kArrowSize, dpi));
}

void ForgetFileIcon(PaintCache& cache, uint32_t rowOffset) {
    cache.fileIcons.Forget(rowOffset);
}

uint32_t MarkedRow(const PaintCache& cache) {
    return cache.markedRow;
}

void ForgetFileIcons(PaintCache& cache) {
    cache.fileIcons.Invalidate();
}

void BeginListPanePaint(PaintCache& cache) {
    cache.listImages.Clear();
}

void ForgetTheme(PaintCache& cache) {
    cache.checkTheme.Forget();
}

}  // namespace vorlane
