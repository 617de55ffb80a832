// Row painting. Each row is composed off-screen: background, grid lines, the current-cell
// highlight, the row image and marker, then the cell texts; and copied to the list pane once.
#include "render/row_painter.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "frame/row_positions.h"
#include "frame/shared_state.h"
#include "render/check_box.h"
#include "render/row_file_icon.h"
#include "render/gdi_objects.h"
#include "render/header_painter.h"
#include "render/paint_cache.h"
#include "render/row_look.h"
#include "render/row_stages.h"
#include "render/text_room.h"
#include "store/shown_cell.h"
#include "vorlane.h"

namespace vorlane {

namespace {

// Pixels at 96 DPI, scaled to the window's.
constexpr int kImageLeft = 1;              // the row image's left edge, from the cell's
constexpr int kMarkerSize = 4;             // side of the red square of a marked row
constexpr uint32_t kMarkedAbove = 9;       // kind bytes above this are marked ...
constexpr uint32_t kMarkedKindOffset = 8;  // ... and stand for the kind 8 lower

// Kinds that choose an image of column 0's image list (their number cells read "<DIR>").
constexpr uint32_t kKindIndexedImage = 1;
constexpr uint32_t kKindFolder = 2;
constexpr int kFolderImage = 1;
constexpr int kDropTargetImage = 2;

// What differs between the widths of row text: bytes of an ANSI grid, UTF-16 units of a
// Unicode one, each drawn through the functions of its width.
size_t UnitsOf(const char* text) {
    return std::strlen(text);
}
size_t UnitsOf(const char16_t* text) {
    return std::char_traits<char16_t>::length(text);
}
void DrawUnits(HDC dc, const char* text, RECT* rect, UINT format) {
    DrawTextA(dc, text, static_cast<int>(UnitsOf(text)), rect, format);
}
void DrawUnits(HDC dc, const char16_t* text, RECT* rect, UINT format) {
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(text), static_cast<int>(UnitsOf(text)), rect,
              format);
}
// Column edges are 32-bit sums of client-given widths; GDI coordinates must stay far smaller.
LONG CanvasX(int64_t x) {
    constexpr int64_t kLimit = 1 << 24;
    return static_cast<LONG>(std::clamp<int64_t>(x, -kLimit, kLimit));
}

// True while a drop is allowed and `position` is the drop row on the side where the pointer is.
bool IsDropTarget(HWND pane, UINT position) {
    const SharedGridState& shared = Shared();
    const RowDrag& drag = shared.drag;
    if (!drag.dropAllowed || position != drag.dropRow) {
        return false;
    }
    if (pane == shared.secondListPane && drag.dropSide == 0) {
        return false;
    }
    if (pane == shared.firstListPane && drag.dropSide == 1) {
        return false;
    }
    return true;
}

// Paints one row on the canvas. Coordinates are the canvas's: the row's top-left corner is
// (0, 0) and a column's x is its x in the list pane less the item's left edge. The grid is only
// read; the shell icons looked up are kept in the icon cache, and drawn through the strip.
class RowPainter {
  public:
    RowPainter(const GridInstance& grid, PaintCache& cache, const DRAWITEMSTRUCT& item, HDC dc,
               int width, int height, RowStages* stages)
        : grid_(grid),
          icons_(cache.fileIcons),
          strip_(cache.iconStrip),
          listImages_(cache.listImages),
          item_(item),
          dc_(dc),
          columns_(grid.store.columns()),
          kindCell_(IsOwnerData(grid) ? grid.owner.page.KindCell(item.itemID)
                                      : grid.store.KindCell(RowOffsetAt(grid, item.itemID))),
          origin_(item.rcItem.left),
          rowArea_{0, 0, width, height},
          whole_{0, 0, width, height},
          gridLines_(Shared().gridLines),
          stages_(stages) {
        row_ = {grid.rowTextColor, RowBackColor(grid)};
        if (item.itemID == grid.hotRow && (grid.style & GRS_HOTTRACK) != 0) {
            const HotLook hot = HotRowLook(grid);
            row_.text = hot.text;
            row_.back = hot.back;
        }
    }

    // False when a custom draw stage stopped the paint: nothing may be touched then.
    bool Paint() {
        if (stages_ != nullptr && !AskRow()) {
            return false;
        }
        if (row_.skip) {
            return true;
        }
        std::optional<ScopedSelect> rowFont;
        if (row_.font != nullptr) {
            rowFont.emplace(dc_, row_.font);
        }
        if (gridLines_) {
            DrawBottomLine();
        }
        SetBkMode(dc_, TRANSPARENT);
        FillBackground();
        for (const uint32_t column : columns_.Shown()) {
            if (!PaintColumn(column, *columns_.Get(column))) {
                return false;
            }
        }
        StageLook after = row_;
        return !row_.post || stages_->Ask(CDDS_ITEMPOSTPAINT, -1, whole_, after);
    }

  private:
    UINT StageState() const {
        UINT state = IsSelected() ? CDIS_SELECTED : 0;
        if (item_.itemID == grid_.currentRow) {
            state |= CDIS_FOCUS;
        }
        if (item_.itemID == grid_.hotRow && (grid_.style & GRS_HOTTRACK) != 0) {
            state |= CDIS_HOT;
        }
        return state;
    }

    // The row's pre-paint stage; the canvas is cleared first for a parent that draws the row.
    bool AskRow() {
        const LPARAM data = IsOwnerData(grid_) ? 0 : RowOffsetAt(grid_, item_.itemID);
        stages_->BeginRow(item_, dc_, StageState(), kindCell_, data);
        FillRect(dc_, &whole_, grid_.rowBackBrush);
        return stages_->Ask(CDDS_ITEMPREPAINT, -1, whole_, row_);
    }

    // Unselected rows and cells in a colour of their own other than the brush's.
    void FillColor(const RECT& area, COLORREF color) {
        SetDCBrushColor(dc_, color);
        FillRect(dc_, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }

    uint32_t KindByte() const { return kindCell_ & 0xFF; }

    // An owner-data grid's list pane keeps no selection: the control's row ranges say.
    bool IsSelected() const {
        return IsOwnerData(grid_) ? grid_.owner.selection.Contains(item_.itemID)
                                  : (item_.itemState & ODS_SELECTED) != 0;
    }

    bool ReadCell(uint32_t column, void* destination, uint32_t destinationUnits) const {
        return ReadPaintedCell(grid_, item_, column, destination, destinationUnits);
    }

    // The row's last pixel row; everything after it stays above the line.
    void DrawBottomLine() {
        rowArea_.bottom -= 1;
        MoveToEx(dc_, rowArea_.left, rowArea_.bottom, nullptr);
        LineTo(dc_, rowArea_.right, rowArea_.bottom);
    }

    // Unselected rows take the row background. Selected rows take the system selection colour,
    // so that every pixel of the reused canvas is painted anew and the selection shows even
    // outside the current cell; GRS_PLAINSELECTED paints them like unselected rows.
    void FillBackground() {
        const bool selected = IsSelected() && (grid_.style & GRS_PLAINSELECTED) == 0;
        if (selected) {
            FillRect(dc_, &rowArea_, GetSysColorBrush(COLOR_HIGHLIGHT));
            return;
        }
        SetTextColor(dc_, row_.text);
        if (row_.back == RowBackColor(grid_)) {
            FillRect(dc_, &rowArea_, grid_.rowBackBrush);
        } else {
            FillColor(rowArea_, row_.back);
        }
    }

    // A cell takes the row's colours unless the parent, asked for it, chose its own.
    bool PaintColumn(uint32_t column, const ColumnRecord& record) {
        const RECT cell = CellSpan(record, rowArea_, origin_);
        StageLook look = row_;
        look.font = nullptr;
        if (row_.cells &&
            !stages_->Ask(CDDS_ITEMPREPAINT | CDDS_SUBITEM, static_cast<int>(column), cell, look)) {
            return false;
        }
        if (look.back != row_.back && !(IsSelected() && (grid_.style & GRS_PLAINSELECTED) == 0)) {
            FillColor(cell, look.back);
        }
        PaintCurrentCell(column, cell);
        // A cell's own text colour is its alone: the next cell gets the colour it had before.
        const COLORREF runningText =
            look.text != row_.text ? SetTextColor(dc_, look.text) : CLR_INVALID;
        if (!look.skip) {
            std::optional<ScopedSelect> cellFont;
            if (look.font != nullptr) {
                cellFont.emplace(dc_, look.font);
            }
            if (column == 0) {
                PaintRowImage(cell);
            }
            PaintContent(column, record, cell);
        }
        if (runningText != CLR_INVALID) {
            SetTextColor(dc_, runningText);
        }
        StageLook after = look;
        return !look.post || stages_->Ask(CDDS_ITEMPOSTPAINT | CDDS_SUBITEM,
                                          static_cast<int>(column), cell, after);
    }

    // On selected rows the current column is highlighted (column 0's highlight spans the row
    // after the image area); its text colour then holds for the rest of the row.
    void PaintCurrentCell(uint32_t column, const RECT& cell) {
        if (column != grid_.currentColumn || !IsSelected()) {
            if (!currentCellSeen_) {
                SetTextColor(dc_, row_.text);
            }
            return;
        }
        currentCellSeen_ = true;
        RECT highlight = cell;
        if (column == 0) {
            highlight.left = cell.left + grid_.Scaled(kImageAreaWidth);
            highlight.right = CanvasX(static_cast<int64_t>(columns_.TotalWidth()) - origin_);
        }
        HBRUSH brush = grid_.activeLook ? grid_.activeCellBrush : grid_.inactiveCellBrush;
        if (brush != nullptr) {
            FillRect(dc_, &highlight, brush);
        }
        SetTextColor(dc_, grid_.activeLook ? GetSysColor(COLOR_HIGHLIGHTTEXT) : RGB(0, 0, 0));
    }

    void PaintRowImage(const RECT& cell) {
        const uint32_t rowImage = kindCell_ >> 16;
        uint32_t kind = KindByte();
        if (kind > kMarkedAbove) {
            kind -= kMarkedKindOffset;
        }
        const auto columnImages = reinterpret_cast<HIMAGELIST>(columns_.Get(0)->imageList);
        if (rowImage != 0) {
            DrawImage(Shared().rowImageList, static_cast<int>(rowImage), cell);
        } else if (kind == kKindIndexedImage) {
            DrawImage(columnImages, static_cast<int>((kindCell_ >> 8) & 0xFF), cell);
        } else if (kind == kKindFolder) {
            const bool target = IsDropTarget(item_.hwndItem, item_.itemID);
            DrawImage(columnImages, target ? kDropTargetImage : kFolderImage, cell);
        } else {
            DrawFileIcon(grid_, icons_, strip_, item_, dc_, cell);
        }
        if (KindByte() > kMarkedAbove) {
            const int side = grid_.Scaled(kMarkerSize);
            RECT marker = {cell.left, cell.top, cell.left + side, cell.top + side};
            FillRect(dc_, &marker, grid_.markerBrush);
        }
    }

    void DrawImage(HIMAGELIST list, int index, const RECT& cell) {
        const int left = cell.left + grid_.Scaled(kImageLeft);
        if (list != nullptr && !listImages_.Draw(list, index, dc_, left, cell.top)) {
            ImageList_Draw(list, index, dc_, left, cell.top, ILD_TRANSPARENT);
        }
    }

    void PaintContent(uint32_t column, const ColumnRecord& record, const RECT& cell) {
        if (grid_.store.textWidth() == TextWidth::Utf16) {
            PaintContentIn<char16_t>(column, record, cell);
        } else {
            PaintContentIn<char>(column, record, cell);
        }
    }

    // Texts are cut to 255 units of the grid's width; a cut never splits a surrogate pair.
    template <class Unit>
    void PaintContentIn(uint32_t column, const ColumnRecord& record, const RECT& cell) {
        Unit text[kShownCellUnits] = {};
        uint32_t value = 0;
        if (record.cellKind == kCellText) {
            ReadCell(column, text, kShownCellUnits);
        } else if (record.cellKind == kCellNumber || record.cellKind == kCellCheck) {
            ReadCell(column, &value, sizeof value);
        }
        if (record.cellKind == kCellCheck) {
            DrawCheckBox(grid_, dc_, CheckBoxRect(grid_, record, cell), value);
            if (gridLines_) {
                DrawColumnLine(column, cell);
            }
            return;
        }
        const Unit* shown = ShownCellText(columns_, column, kindCell_, value, text);
        if (shown == nullptr) {
            return;  // plain value columns show nothing, not even a line
        }
        RECT room = CellTextRoom(grid_, column, cell);
        DrawUnits(dc_, shown, &room, TextAlignment(record.cellAlign) | CutTextEnding(grid_));
        if (gridLines_) {
            DrawColumnLine(column, cell);
        }
    }

    // On the first pixel column after the cell: after every column with GRS_COLUMNLINES, else
    // after the last shown column unless GRS_NOENDLINE.
    void DrawColumnLine(uint32_t column, const RECT& cell) {
        const bool last = !columns_.ShownNeighbour(column, true);
        if ((grid_.style & GRS_COLUMNLINES) == 0 && (!last || (grid_.style & GRS_NOENDLINE) != 0)) {
            return;
        }
        MoveToEx(dc_, cell.right, cell.top, nullptr);
        LineTo(dc_, cell.right, cell.bottom);
    }

    const GridInstance& grid_;
    FileIconCache& icons_;
    IconStrip& strip_;       // the file icons as drawn
    IconStrip& listImages_;  // the application's image lists' icons as drawn in this paint
    const DRAWITEMSTRUCT& item_;
    HDC dc_;
    const ColumnSet& columns_;
    const uint32_t kindCell_;       // the row's kind cell, read once
    const LONG origin_;             // the item's left edge in list pane coordinates
    RECT rowArea_;                  // the row on the canvas, less the grid line once drawn
    const RECT whole_;              // the row on the canvas
    const bool gridLines_;          // the process-wide grid lines flag
    bool currentCellSeen_ = false;  // the current cell's text colour runs on in this row
    RowStages* stages_;             // the parent's custom draw stages, or none
    StageLook row_;                 // the row's colours and the parent's answer for it
};

}  // namespace

bool PaintRow(GridInstance& grid, const DRAWITEMSTRUCT& item, bool focusMark, RowStages* stages) {
    if (item.itemID == static_cast<UINT>(-1) || item.hDC == nullptr) {
        return true;
    }
    // Some list boxes ask for every shown row at each paint, however little needs painting; a
    // row wholly outside the area being painted would leave no pixel behind.
    if (!RectVisible(item.hDC, &item.rcItem)) {
        return true;
    }
    if (IsOwnerData(grid) && !grid.owner.page.Holds(item.itemID)) {
        // A row not fetched is fetched at the pane's next paint; a paint under way that could
        // not fetch it (no memory, or the rows changed meanwhile) leaves it blank.
        if (grid.owner.painting) {
            FillRect(item.hDC, &item.rcItem, grid.rowBackBrush);
        } else {
            InvalidateRect(item.hwndItem, &item.rcItem, FALSE);
        }
        return true;
    }
    NoteRowLook(grid);
    // The row reaches one pixel past the columns; nothing beyond the item is ever visible.
    const LONG itemWidth = item.rcItem.right - item.rcItem.left;
    const int64_t rowRight = static_cast<int64_t>(grid.store.columns().TotalWidth()) + 1;
    const int width = static_cast<int>(std::min<int64_t>(rowRight - item.rcItem.left, itemWidth));
    const int height = item.rcItem.bottom - item.rcItem.top;
    PaintCache& cache = *grid.paint;
    HDC canvas = cache.rowCanvas.Prepare(item.hDC, width, height);
    if (canvas == nullptr) {
        return true;
    }
    {
        ScopedSelect font(canvas, grid.listFont);
        // The pen draws only grid lines; selecting it in and out costs every row otherwise.
        ScopedSelect pen(canvas, Shared().gridLines ? grid.gridPen : nullptr);
        RowPainter painter(grid, cache, item, canvas, width, height, stages);
        if (!painter.Paint()) {
            return false;  // the paint stopped inside a stage: the canvas may be gone
        }
    }
    if (focusMark) {
        // Inverted on the freshly composed row, never twice over the same pixels.
        const RECT whole = {0, 0, width, height};
        DrawFocusRect(canvas, &whole);
        cache.markedRow = item.itemID;
    } else if (cache.markedRow == item.itemID) {
        cache.markedRow = kNoFocusMark;
    }
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, canvas, 0, 0, SRCCOPY);
    return true;
}

}  // namespace vorlane
