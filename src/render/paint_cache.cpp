#include "render/paint_cache.h"

#include <new>

namespace vorlane {

void PaintCacheFree::operator()(PaintCache* cache) const {
    delete cache;
}

PaintCacheHold MakePaintCache() {
    return PaintCacheHold(new (std::nothrow) PaintCache);
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

}  // namespace vorlane
