// Icons of an image list drawn once into a strip of premultiplied 32-bit pixels and blended from
// there. Drawing an icon with an alpha channel through the image list builds temporary bitmaps
// at every call, which made file rows paint four times slower than rows without icons; a blend
// from the strip costs about as much as a plain copy. The result matches the image list's own
// transparent drawing over any background.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdint>

#include "render/gdi_objects.h"

namespace vorlane {

class IconStrip {
  public:
    // Room for `slots` icons (at most kMaxSlots); when they are all taken the strip starts over.
    explicit IconStrip(int slots = kMaxSlots) : slots_(slots < kMaxSlots ? slots : kMaxSlots) {}
    ~IconStrip() { Release(); }
    IconStrip(const IconStrip&) = delete;
    IconStrip& operator=(const IconStrip&) = delete;

    // Draws icon `index` of `images` at (x, y) of `dc`, as ImageList_Draw with ILD_TRANSPARENT
    // would; false when it could not (the caller then draws through the image list).
    bool Draw(HIMAGELIST images, int index, HDC dc, int x, int y);
    // Forgets every icon drawn so far (their images may have changed).
    void Clear();
    // Clears the strip when `generation` (the icons' source's) differs from the last one given.
    void Follow(uint32_t generation);
    void Release();

  private:
    static constexpr int kMaxSlots = 128;
    struct Key {
        HIMAGELIST images = nullptr;  // null: the slot is free
        int index = 0;
    };
    bool Prepare(HIMAGELIST images);
    int SlotOf(HIMAGELIST images, int index);
    bool Render(HIMAGELIST images, int index, int slot);

    int slots_;                   // icons the strip holds
    MemoryBitmap memory_;         // the strip: slots_ icons, top-down, one under the other
    uint32_t* pixels_ = nullptr;  // the strip's pixels (premultiplied BGRA)
    int width_ = 0;               // icon size of the strip, pixels
    int height_ = 0;
    std::array<Key, kMaxSlots> keys_ = {};
    int used_ = 0;             // slots filled, from the top
    uint32_t generation_ = 0;  // the source generation the strip's icons belong to
};

}  // namespace vorlane
