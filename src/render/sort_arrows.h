// The header's sort arrows: the shapes of the arrow icons, kept as one monochrome strip at the
// size the header draws them, and drawn in a colour given at each paint (the header's text
// colour), so that they show on a header of any colour.
#pragma once

#include <windows.h>

#include "render/gdi_objects.h"

namespace vorlane {

class SortArrows {
  public:
    // Draws the shapes `size` pixels square from the arrow icons of `module` at `iconSize` (the
    // icon file's best match, scaled to it). False when an icon or a bitmap could not be made:
    // the shapes kept before stay.
    bool Make(HINSTANCE module, int iconSize, int size);
    // Paints the arrow's shape at (x, y) of `dc` in `colour`; the pixels around it stay.
    void Draw(HDC dc, bool descending, int x, int y, COLORREF colour);
    int size() const { return size_; }

    SortArrows() = default;
    ~SortArrows();
    SortArrows(const SortArrows&) = delete;
    SortArrows& operator=(const SortArrows&) = delete;

  private:
    // The brush of `colour`, kept from one paint to the next while the colour stays.
    HBRUSH BrushOf(COLORREF colour);

    MemoryBitmap shapes_;       // ascending then descending, side by side: black where the arrow is
    int size_ = 0;              // side of each shape, pixels
    HBRUSH brush_ = nullptr;    // the arrows' colour, made at the first paint that drew one
    COLORREF brushColour_ = 0;  // the colour of brush_
};

}  // namespace vorlane
