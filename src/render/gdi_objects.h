// Small owners for GDI resources used while painting (a scoped selection, a window device
// context, the off-screen canvas that rows are composed on) and the text alignment of cells and
// titles.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

namespace vorlane {

// A 32-bit top-down section of width x height pixels, its pixels at `bits` (when given); null when
// the system refuses it.
inline HBITMAP CreateTopDownSection(int width, int height, void** bits = nullptr) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits != nullptr) {
        *bits = pixels;
    }
    return section;
}

// The DrawTextA flag of a cell's or title's alignment: 0 left, 1 centred, any other value right.
inline UINT TextAlignment(int32_t align) {
    switch (align) {
        case 0: return DT_LEFT;
        case 1: return DT_CENTER;
        default: return DT_RIGHT;
    }
}

// Selects `object` into `dc` for the life of the guard and puts the previous object back. A null
// object selects nothing, so the device context keeps its default (font, pen).
class ScopedSelect {
  public:
    ScopedSelect(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelect() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A window's device context from GetDC (not clipped to an update region), released at the end.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// A memory device context and the bitmap selected into it, released together; the device
// context's own bitmap is put back before it is deleted.
class MemoryBitmap {
  public:
    MemoryBitmap() = default;
    ~MemoryBitmap() { Release(); }
    MemoryBitmap(const MemoryBitmap&) = delete;
    MemoryBitmap& operator=(const MemoryBitmap&) = delete;

    // Selects `bitmap` into the device context (made compatible with `reference` at the first
    // use) and takes it over, deleting the one held before. False when either is missing: the
    // bitmap given is deleted and the one held before stays.
    bool Hold(HDC reference, HBITMAP bitmap) {
        if (dc_ == nullptr) {
            dc_ = CreateCompatibleDC(reference);
        }
        if (dc_ == nullptr || bitmap == nullptr) {
            if (bitmap != nullptr) {
                DeleteObject(bitmap);
            }
            return false;
        }
        HGDIOBJ previous = SelectObject(dc_, bitmap);
        if (bitmap_ == nullptr) {
            originalBitmap_ = previous;
        } else {
            DeleteObject(bitmap_);
        }
        bitmap_ = bitmap;
        return true;
    }

    void Release() {
        if (dc_ != nullptr) {
            if (originalBitmap_ != nullptr) {
                SelectObject(dc_, originalBitmap_);
            }
            DeleteDC(dc_);
        }
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
        dc_ = nullptr;
        bitmap_ = nullptr;
        originalBitmap_ = nullptr;
    }

    // Exchanges what the two hold.
    void Swap(MemoryBitmap& other) {
        std::swap(dc_, other.dc_);
        std::swap(bitmap_, other.bitmap_);
        std::swap(originalBitmap_, other.originalBitmap_);
    }

    HDC dc() const { return dc_; }
    bool holds() const { return bitmap_ != nullptr; }

  private:
    HDC dc_ = nullptr;                  // memory device context, made at the first use
    HBITMAP bitmap_ = nullptr;          // selected into dc_ while it exists
    HGDIOBJ originalBitmap_ = nullptr;  // dc_'s own bitmap, put back before deleting dc_
};

// A memory device context holding a bitmap, kept from one row to the next so that painting a row
// allocates nothing. The bitmap only grows; users draw into the part they asked for and copy that
// part out. Only the bitmap stays selected between uses: fonts, pens and brushes are put back by
// the painter, so their owners can delete them at any time.
class OffscreenCanvas {
  public:
    // A memory device context compatible with `reference` whose bitmap covers at least
    // width x height pixels, or null when the system refuses the objects.
    HDC Prepare(HDC reference, int width, int height) {
        if (width <= 0 || height <= 0) {
            return nullptr;
        }
        if (memory_.holds() && width <= width_ && height <= height_) {
            return memory_.dc();
        }
        const int newWidth = width > width_ ? width : width_;
        const int newHeight = height > height_ ? height : height_;
        // A 32-bit section rather than a bitmap compatible with the window: what image lists and
        // other drawing code create to draw into it is then made in memory by the system's own
        // renderer, not as a display driver's object (about seven times faster per icon).
        if (!memory_.Hold(reference, CreateTopDownSection(newWidth, newHeight))) {
            return nullptr;
        }
        width_ = newWidth;
        height_ = newHeight;
        return memory_.dc();
    }

    void Release() {
        memory_.Release();
        width_ = 0;
        height_ = 0;
    }

  private:
    MemoryBitmap memory_;
    int width_ = 0;  // bitmap size, pixels
    int height_ = 0;
};

}  // namespace vorlane
