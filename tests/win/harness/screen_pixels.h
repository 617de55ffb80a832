// Pixels in memory: a 32-bit top-down DIB section to copy a device context into or to draw on,
// its pixels 0x00RRGGBB, top row first. Header-only and free of the test framework: the demo's
// picture of its window is read the same way.
#pragma once

#include <windows.h>

#include <cstring>
#include <vector>

namespace testing_support {

class DibCanvas {
  public:
    DibCanvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<DWORD*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~DibCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC dc() const { return dc_; }
    // Null when the section could not be made. Call GdiFlush before reading what GDI drew.
    DWORD* bits() const { return bits_; }

  private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    DWORD* bits_ = nullptr;
};

// The width x height pixels of `source` from (x, y), as it holds them now; none for an empty
// area, zeros when no memory could be had for them.
inline std::vector<DWORD> CopyPixels(HDC source, int x, int y, int width, int height) {
    std::vector<DWORD> pixels;
    if (width <= 0 || height <= 0) {
        return pixels;
    }
    pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    DibCanvas canvas(width, height);
    BitBlt(canvas.dc(), 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    if (canvas.bits() != nullptr) {
        std::memcpy(pixels.data(), canvas.bits(), pixels.size() * sizeof(DWORD));
    }
    return pixels;
}

}  // namespace testing_support
