#include "painting_helpers.h"

#include <cstring>

namespace testing_support {

void SetPalette(HWND grid, const TestPalette& palette) {
    ColorSet set = {};
    set.spare1 = RGB(1, 2, 3);
    set.headerBack = palette.headerBack;
    set.spare2 = RGB(4, 5, 6);
    set.rowBack = palette.rowBack;
    set.gridLine = palette.gridLine;
    set.activeCell = palette.activeCell;
    set.inactiveCell = palette.inactiveCell;
    set.headerText = palette.headerText;
    set.spare3 = RGB(7, 8, 9);
    set.rowText = palette.rowText;
    Grid_SetColors(grid, &set);
}

int AddRow(HWND grid, std::initializer_list<GridValue> values) {
    std::vector<GridValue> row(values);
    return Grid_AddRow(grid, row.data());
}

HIMAGELIST SolidImageList(std::initializer_list<COLORREF> colors) {
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24, static_cast<int>(colors.size()), 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    for (COLORREF color : colors) {
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        HBRUSH brush = CreateSolidBrush(color);
        RECT all = {0, 0, 16, 16};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        SelectObject(memory, previous);
        ImageList_Add(list, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return list;
}

bool AllPixels(const Capture& capture, RECT area, COLORREF color) {
    const int count = CountPixels(capture, area, color);
    return count == (area.right - area.left) * (area.bottom - area.top);
}

int CountPixels(const Capture& capture, RECT area, COLORREF color) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += capture.At(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

RECT BoundsOf(const Capture& capture, RECT area, COLORREF color) {
    RECT bounds = {0, 0, 0, 0};
    bool found = false;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (capture.At(x, y) != color) {
                continue;
            }
            if (!found) {
                bounds = {x, y, x + 1, y + 1};
                found = true;
            }
            bounds.left = x < bounds.left ? x : bounds.left;
            bounds.right = x + 1 > bounds.right ? x + 1 : bounds.right;
            bounds.bottom = y + 1;
        }
    }
    return bounds;
}

std::vector<COLORREF> AreaPixels(const Capture& capture, RECT area) {
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            pixels.push_back(capture.At(x, y));
        }
    }
    return pixels;
}

bool SameArea(const Capture& capture, RECT first, RECT second) {
    return AreaPixels(capture, first) == AreaPixels(capture, second);
}

int TextWidth(HWND pane, const char* text) {
    HDC dc = GetDC(pane);
    auto font = reinterpret_cast<HFONT>(SendMessageA(pane, WM_GETFONT, 0, 0));
    HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &size);
    if (old != nullptr) {
        SelectObject(dc, old);
    }
    ReleaseDC(pane, dc);
    return size.cx;
}

int LiveGdiObjects() {
    DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) {
        return static_cast<int>(reported);
    }
    return LiveGdiObjectsOfType(0);
}

int LiveGdiObjectsOfType(DWORD type) {
    int live = 0;
    for (UINT_PTR index = 1; index < 0x10000; ++index) {
        const DWORD found = GetObjectType(reinterpret_cast<HGDIOBJ>(index));
        if (found != 0 && (type == 0 || found == type)) {
            ++live;
        }
    }
    return live;
}

void ParkPointer() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
    PumpMessages();
}

}  // namespace testing_support
