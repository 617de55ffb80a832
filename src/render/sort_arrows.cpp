#include "render/sort_arrows.h"

#include "resource_ids.h"

namespace vorlane {

namespace {

// The pattern where the source is black, the destination where it is white.
constexpr DWORD kPatternThroughBlack = 0x00B8074A;

// An icon of the module's, destroyed at the end.
class LoadedIcon {
  public:
    LoadedIcon(HINSTANCE module, int id, int size)
        : icon_(static_cast<HICON>(
              LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0))) {}
    ~LoadedIcon() {
        if (icon_ != nullptr) {
            DestroyIcon(icon_);
        }
    }
    LoadedIcon(const LoadedIcon&) = delete;
    LoadedIcon& operator=(const LoadedIcon&) = delete;
    HICON get() const { return icon_; }

  private:
    HICON icon_;
};

}  // namespace

bool SortArrows::Make(HINSTANCE module, int iconSize, int size) {
    const LoadedIcon ascending(module, IDI_GRID_SORT_UP, iconSize);
    const LoadedIcon descending(module, IDI_GRID_SORT_DOWN, iconSize);
    if (ascending.get() == nullptr || descending.get() == nullptr || size <= 0) {
        return false;
    }
    MemoryBitmap shapes;
    if (!shapes.Hold(nullptr, CreateBitmap(2 * size, size, 1, 1, nullptr))) {
        return false;
    }
    // The icons' transparency masks, stretched as the icons themselves would be drawn.
    PatBlt(shapes.dc(), 0, 0, 2 * size, size, WHITENESS);
    DrawIconEx(shapes.dc(), 0, 0, ascending.get(), size, size, 0, nullptr, DI_MASK);
    DrawIconEx(shapes.dc(), size, 0, descending.get(), size, size, 0, nullptr, DI_MASK);
    shapes_.Swap(shapes);  // the shapes of before go with `shapes`
    size_ = size;
    return true;
}

SortArrows::~SortArrows() {
    if (brush_ != nullptr) {
        DeleteObject(brush_);
    }
}

HBRUSH SortArrows::BrushOf(COLORREF colour) {
    if (brush_ != nullptr && brushColour_ == colour) {
        return brush_;
    }
    HBRUSH brush = CreateSolidBrush(colour);
    if (brush == nullptr) {
        return nullptr;
    }
    if (brush_ != nullptr) {
        DeleteObject(brush_);
    }
    brush_ = brush;
    brushColour_ = colour;
    return brush_;
}

void SortArrows::Draw(HDC dc, bool descending, int x, int y, COLORREF colour) {
    if (!shapes_.holds()) {
        return;
    }
    HBRUSH brush = BrushOf(colour);
    if (brush == nullptr) {
        return;
    }
    // A monochrome source turns black into the text colour and white into the background one.
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
    {
        ScopedSelect selected(dc, brush);
        BitBlt(dc, x, y, size_, size_, shapes_.dc(), descending ? size_ : 0, 0,
               kPatternThroughBlack);
    }
    SetTextColor(dc, text);
    SetBkColor(dc, back);
}

}  // namespace vorlane
