#include "render/icon_strip.h"

#include <vector>

namespace vorlane {

void IconStrip::Release() {
    memory_.Release();
    pixels_ = nullptr;
    width_ = 0;
    height_ = 0;
    Clear();
}

void IconStrip::Clear() {
    keys_.fill({});
    used_ = 0;
}

void IconStrip::Follow(uint32_t generation) {
    if (generation != generation_) {
        Clear();
        generation_ = generation;
    }
}

// A strip for the image list's icon size, made at the first use and again when the size changes.
bool IconStrip::Prepare(HIMAGELIST images) {
    int width = 0;
    int height = 0;
    if (!ImageList_GetIconSize(images, &width, &height) || width <= 0 || height <= 0 ||
        width > 256 || height > 256) {
        return false;
    }
    if (memory_.holds() && width == width_ && height == height_) {
        return true;
    }
    Release();
    void* bits = nullptr;
    if (!memory_.Hold(nullptr, CreateTopDownSection(width, height * slots_, &bits))) {
        Release();
        return false;
    }
    pixels_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

int IconStrip::SlotOf(HIMAGELIST images, int index) {
    for (int slot = 0; slot < used_; ++slot) {
        if (keys_[slot].images == images && keys_[slot].index == index) {
            return slot;
        }
    }
    if (used_ == slots_) {
        Clear();  // many icons in turn: start the strip over
    }
    const int slot = used_;
    if (!Render(images, index, slot)) {
        return -1;
    }
    keys_[slot] = {images, index};
    ++used_;
    return slot;
}

// Draws the icon over black and over white: where the two agree the icon is opaque; where they
// differ by the full range it is transparent. That gives each pixel's coverage, and the drawing
// over black is the icon's colour already multiplied by it.
bool IconStrip::Render(HIMAGELIST images, int index, int slot) {
    const int top = slot * height_;
    const size_t count = static_cast<size_t>(width_) * height_;
    uint32_t* pixels = pixels_ + static_cast<size_t>(top) * width_;
    PatBlt(memory_.dc(), 0, top, width_, height_, WHITENESS);
    if (!ImageList_Draw(images, index, memory_.dc(), 0, top, ILD_TRANSPARENT)) {
        return false;
    }
    GdiFlush();
    const std::vector<uint32_t> overWhite(pixels, pixels + count);
    PatBlt(memory_.dc(), 0, top, width_, height_, BLACKNESS);
    ImageList_Draw(images, index, memory_.dc(), 0, top, ILD_TRANSPARENT);
    GdiFlush();
    for (size_t i = 0; i < count; ++i) {
        const uint32_t black = pixels[i] & 0xFFFFFF;
        uint32_t alpha = 255;
        for (int shift = 0; shift < 24; shift += 8) {
            const uint32_t spread = ((overWhite[i] >> shift) & 0xFF) - ((black >> shift) & 0xFF);
            // Rounding may make a channel brighter over black: such a pixel is opaque there.
            if (spread <= 255 && 255 - spread < alpha) {
                alpha = 255 - spread;
            }
        }
        uint32_t premultiplied = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const uint32_t channel = (black >> shift) & 0xFF;
            premultiplied |= (channel < alpha ? channel : alpha) << shift;
        }
        pixels[i] = (alpha << 24) | premultiplied;
    }
    return true;
}

bool IconStrip::Draw(HIMAGELIST images, int index, HDC dc, int x, int y) {
    if (images == nullptr || !Prepare(images)) {
        return false;
    }
    const int slot = SlotOf(images, index);
    if (slot < 0) {
        return false;
    }
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return GdiAlphaBlend(dc, x, y, width_, height_, memory_.dc(), 0, slot * height_, width_,
                         height_, blend) != FALSE;
}

}  // namespace vorlane
