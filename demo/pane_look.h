// How the demo's panes look: their colours, the folder images and the font.
#pragma once

#include <windows.h>
#include <commctrl.h>

// The window behind the grids and the folder labels in the dark look, and the labels' text.
constexpr COLORREF kDarkWindow = RGB(0x25, 0x25, 0x26);
constexpr COLORREF kDarkLabelText = RGB(0xDC, 0xDC, 0xDC);

// The demo's own light colours; `dark` takes the library's dark look instead, keeping the font.
void ApplyLook(HWND grid, bool dark);

// Fills `images` (emptied first) with the folder images at `size` pixels square: 0 the parent
// folder, 1 a folder, 2 a folder that would receive a drop.
void FillFolderImages(HIMAGELIST images, int size);
// A new image list of the folder images; NULL when it cannot be made.
HIMAGELIST CreateFolderImages(int size);

// The font that the prefix links to a CJK font, `height` pixels high; any charset, so that every
// script is drawn.
HFONT CreateDemoFont(int height, int weight = FW_NORMAL);
