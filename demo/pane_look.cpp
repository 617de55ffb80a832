#include "pane_look.h"

#include <shellapi.h>

#include "vorlane.h"

void ApplyLook(HWND grid, bool dark) {
    if (dark) {
        Grid_ApplyDarkLook(grid, FALSE);  // the demo's font stays
        // The sunken edge is drawn in the system's light 3D colours: flat on a dark window.
        const LONG_PTR extended = GetWindowLongPtrW(grid, GWL_EXSTYLE);
        SetWindowLongPtrW(grid, GWL_EXSTYLE, extended & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
        SetWindowPos(grid, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    ColorSet colors = {};
    colors.headerBack = RGB(0xE8, 0xEC, 0xF2);
    colors.headerText = RGB(0x20, 0x28, 0x38);
    colors.rowBack = RGB(0xFF, 0xFF, 0xFF);
    colors.gridLine = RGB(0xDD, 0xE2, 0xEA);
    colors.activeCell = RGB(0x2F, 0x6F, 0xC9);
    colors.inactiveCell = RGB(0xC8, 0xD4, 0xE4);
    colors.rowText = RGB(0x10, 0x10, 0x10);
    Grid_SetColors(grid, &colors);
}

namespace {

HICON ShellIcon(const wchar_t* path, UINT extra) {
    SHFILEINFOW info = {};
    SHGetFileInfoW(path, FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info),
                   SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES | extra);
    return info.hIcon;
}

// The folder icon on a highlighted square: how a folder row looks while rows can be dropped
// on it.
void AddDropTargetImage(HIMAGELIST images, HICON folder, int size) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP color = CreateCompatibleBitmap(screen, size, size);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    HGDIOBJ previous = SelectObject(memory, color);
    RECT all = {0, 0, size, size};
    HBRUSH highlight = CreateSolidBrush(RGB(0xFF, 0xC8, 0x3C));
    FillRect(memory, &all, highlight);
    DeleteObject(highlight);
    DrawIconEx(memory, 0, 0, folder, size, size, 0, nullptr, DI_NORMAL);
    SelectObject(memory, mask);
    PatBlt(memory, 0, 0, size, size, BLACKNESS);  // every pixel opaque
    SelectObject(memory, previous);
    ImageList_Add(images, color, mask);
    DeleteObject(color);
    DeleteObject(mask);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace

// The shell's icons, scaled to `size`.
void FillFolderImages(HIMAGELIST images, int size) {
    ImageList_SetIconSize(images, size, size);
    HICON open = ShellIcon(L"folder", SHGFI_OPENICON);
    HICON closed = ShellIcon(L"folder", 0);
    ImageList_AddIcon(images, open);         // 0: the parent folder
    ImageList_AddIcon(images, closed);       // 1: a folder
    AddDropTargetImage(images, open, size);  // 2: a folder that would receive a drop
    DestroyIcon(open);
    DestroyIcon(closed);
}

HIMAGELIST CreateFolderImages(int size) {
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 3, 0);
    if (images != nullptr) {
        FillFolderImages(images, size);
    }
    return images;
}

HFONT CreateDemoFont(int height, int weight) {
    return CreateFontW(-height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                       L"DejaVu Sans");
}
