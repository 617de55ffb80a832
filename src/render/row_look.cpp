#include "render/row_look.h"

#include <cstring>

#include "frame/grid_handlers.h"
#include "frame/shared_state.h"
#include "render/paint_cache.h"

namespace vorlane {

namespace {

// FNV-1a over the values fed to it.
class LookHash {
  public:
    template <class T>
    void Add(const T& value) {
        uint8_t bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (uint8_t byte : bytes) {
            hash_ = (hash_ ^ byte) * 0x100000001B3ull;
        }
    }
    void AddText(const char* text) {
        for (const char* c = text; c != nullptr && *c != '\0'; ++c) {
            Add(*c);
        }
        Add('\0');
    }
    uint64_t value() const { return hash_; }

  private:
    uint64_t hash_ = 0xCBF29CE484222325ull;
};

}  // namespace

uint64_t RowLookHash(const GridInstance& grid) {
    LookHash hash;
    hash.Add(grid.currentColumn);
    hash.Add(grid.activeLook);
    hash.Add(grid.style);
    hash.Add(grid.listFont);
    hash.Add(grid.rowTextColor);
    hash.Add(grid.rowBackBrush);
    hash.Add(grid.activeCellBrush);
    hash.Add(grid.inactiveCellBrush);
    hash.Add(grid.markerBrush);
    hash.Add(grid.gridPen);
    hash.Add(grid.rowHeight);
    hash.Add(grid.listPane);
    for (int color : {COLOR_WINDOW, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT}) {
        hash.Add(GetSysColor(color));
    }
    const SharedGridState& shared = Shared();
    hash.Add(shared.gridLines);
    hash.Add(shared.rowImageList);
    hash.Add(shared.firstListPane);
    hash.Add(shared.secondListPane);
    hash.Add(shared.drag.dropAllowed);
    hash.Add(shared.drag.dropRow);
    hash.Add(shared.drag.dropSide);
    const ColumnSet& columns = grid.store.columns();
    hash.Add(columns.Count());
    hash.Add(columns.TotalWidth());
    for (uint32_t column = 0; column < columns.Count(); ++column) {
        const ColumnRecord& record = *columns.Get(column);
        hash.Add(record.x);
        hash.Add(record.width);
        hash.Add(record.cellKind);
        hash.Add(record.cellAlign);
        hash.Add(record.imageList);
        hash.Add(record.maskOffset);
        if (record.maskOffset != 0) {
            hash.AddText(columns.MaskText(column));
        }
        hash.Add(record.folderPrefix);
        hash.AddText(record.folderPrefix);  // the client's text, which it may rewrite
    }
    return hash.value();
}

void NoteRowLook(GridInstance& grid) {
    PaintCache& cache = *grid.paint;
    if (!cache.otherLookPainted && RowLookHash(grid) != cache.lookAtFullRepaint) {
        cache.otherLookPainted = true;
    }
}

void PrepareRowsForScroll(GridInstance& grid) {
    PaintCache& cache = *grid.paint;
    const uint64_t look = RowLookHash(grid);
    if (look != cache.lookAtFullRepaint || cache.otherLookPainted) {
        InvalidateRect(grid.listPane, nullptr, TRUE);
        cache.lookAtFullRepaint = look;
        cache.otherLookPainted = false;
    }
}

}  // namespace vorlane
