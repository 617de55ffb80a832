// Helpers for the painting and header tests: distinctive colours, rows from value lists, image
// lists of solid colours, pixel areas read from a Capture, and live GDI object counts.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <vector>

#include "harness.h"

namespace testing_support {

// Colours that no system colour shares, for GRM_SETCOLORS.
struct TestPalette {
    COLORREF headerBack = RGB(40, 70, 110);
    COLORREF headerText = RGB(255, 255, 0);
    COLORREF rowBack = RGB(250, 240, 200);
    COLORREF rowText = RGB(120, 0, 0);
    COLORREF gridLine = RGB(200, 0, 200);
    COLORREF activeCell = RGB(0, 160, 80);
    COLORREF inactiveCell = RGB(160, 80, 0);
};
// Sends the palette with GRM_SETCOLORS (the spare fields hold noise: they are not read).
void SetPalette(HWND grid, const TestPalette& palette = TestPalette());

// Adds a row from a value array (texts as pointers, numbers as values).
int AddRow(HWND grid, std::initializer_list<GridValue> values);

// An image list of 16 x 16 images, each one solid colour, in the order given. Destroy it with
// ImageList_Destroy.
HIMAGELIST SolidImageList(std::initializer_list<COLORREF> colors);

// Pixel areas of a capture: [left, right) x [top, bottom).
bool AllPixels(const Capture& capture, RECT area, COLORREF color);
int CountPixels(const Capture& capture, RECT area, COLORREF color);
// Bounding box of the pixels of one colour; empty (all zero) when there are none.
RECT BoundsOf(const Capture& capture, RECT area, COLORREF color);
// True when two equally sized areas hold the same pixels.
bool SameArea(const Capture& capture, RECT first, RECT second);
std::vector<COLORREF> AreaPixels(const Capture& capture, RECT area);

// The width of a text in the font a pane paints with (the device context's own without one).
int TextWidth(HWND pane, const char* text);

// GDI objects alive in this process. This Wine answers 0 to GetGuiResources, so every handle
// value is asked for its type instead.
int LiveGdiObjects();
// Those of one type (OBJ_MEMDC, OBJ_BITMAP, ...), or of every type for 0, counted the same way.
int LiveGdiObjectsOfType(DWORD type);

// Moves the real pointer off the test windows, so that no stray mouse message reaches them.
void ParkPointer();

}  // namespace testing_support
