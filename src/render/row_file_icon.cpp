#include "render/row_file_icon.h"

#include <commctrl.h>

#include <optional>

#include "frame/row_positions.h"
#include "render/file_icons.h"
#include "store/shown_cell.h"

namespace vorlane {

namespace {

constexpr int kImageLeft = 1;        // the icon's left edge from the cell's, at 96 DPI
constexpr uint32_t kPathSize = 320;  // folder prefix and column 0 text, with the NUL

// Appends `text` (null: nothing) to `out` from index `at`, cut so that `out`, `size` units long,
// keeps its NUL. Returns the index of that NUL.
template <class Unit>
uint32_t AppendCut(Unit* out, uint32_t at, uint32_t size, const Unit* text) {
    if (text != nullptr) {
        while (at + 1 < size && *text != 0) {
            out[at++] = *text++;
        }
    }
    out[at] = 0;
    return at;
}

// A path as the shell functions of the grid's width take it.
const char* ShellPathOf(const char* path) {
    return path;
}
const wchar_t* ShellPathOf(const char16_t* path) {
    return reinterpret_cast<const wchar_t*>(path);
}

// True when the list's icons are `side` pixels square, as the strip draws them.
bool DrawsAtSize(HIMAGELIST images, int side) {
    int width = 0;
    int height = 0;
    return ImageList_GetIconSize(images, &width, &height) && width == side && height == side;
}

// The shell's list holds icons of another DPI's size: the icon is drawn stretched to `side`.
void DrawScaled(HDC canvas, const ShellIcon& shown, int x, int y, int side) {
    HICON icon = ImageList_GetIcon(shown.images, shown.index, ILD_NORMAL);
    if (icon != nullptr) {
        DrawIconEx(canvas, x, y, icon, side, side, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
    }
}

// The icon of the file the folder prefix and the row's text name; none for an empty text.
// The prefix is the client's text, of the grid's width.
template <class Unit>
std::optional<ShellIcon> IconByPath(const GridInstance& grid, FileIconCache& icons,
                                    const DRAWITEMSTRUCT& item) {
    Unit text[kShownCellUnits] = {};
    ReadPaintedCell(grid, item, 0, text, kShownCellUnits);
    if (text[0] == 0) {
        return std::nullopt;
    }
    Unit path[kPathSize];
    const void* folderPrefix = grid.store.columns().Get(0)->folderPrefix;
    const uint32_t prefixEnd =
        AppendCut(path, 0, kPathSize, static_cast<const Unit*>(folderPrefix));
    AppendCut(path, prefixEnd, kPathSize, static_cast<const Unit*>(text));
    return FileIconOf(icons, FileIconKey(grid, item), ShellPathOf(path));
}

}  // namespace

bool ReadPaintedCell(const GridInstance& grid, const DRAWITEMSTRUCT& item, uint32_t column,
                     void* destination, uint32_t destinationUnits) {
    return IsOwnerData(grid)
               ? grid.owner.page.Read(item.itemID, column, destination, destinationUnits)
               : grid.store.ReadCell(RowOffsetAt(grid, item.itemID), column, destination,
                                     destinationUnits);
}

uint32_t FileIconKey(const GridInstance& grid, const DRAWITEMSTRUCT& item) {
    return IsOwnerData(grid) ? item.itemID : RowOffsetAt(grid, item.itemID);
}

void DrawFileIcon(const GridInstance& grid, FileIconCache& icons, IconStrip& strip,
                  const DRAWITEMSTRUCT& item, HDC canvas, const RECT& cell) {
    const ColumnSet& columns = grid.store.columns();
    if (columns.CellKind(0) != kCellText) {
        return;  // no file name to look up
    }
    const int iconLeft = cell.left + grid.Scaled(kImageLeft);
    const int side = grid.smallIconSize;
    const LONG left = item.rcItem.left + iconLeft;
    const LONG top = item.rcItem.top + cell.top;
    const RECT icon = {left, top, left + side, top + side};
    if (!RectVisible(item.hDC, &icon)) {
        return;
    }
    const bool wide = grid.store.textWidth() == TextWidth::Utf16;
    icons.FollowPrefix(columns.Get(0)->folderPrefix, grid.store.textWidth());
    ShellIcon shown;
    if (const std::optional<int> kept = icons.Find(FileIconKey(grid, item))) {
        shown = {icons.images(), *kept};
    } else {
        std::optional<ShellIcon> found =
            wide ? IconByPath<char16_t>(grid, icons, item) : IconByPath<char>(grid, icons, item);
        if (!found) {
            return;
        }
        shown = *found;
    }
    if (!DrawsAtSize(shown.images, side)) {
        DrawScaled(canvas, shown, iconLeft, cell.top, side);
        return;
    }
    strip.Follow(icons.generation());
    if (!strip.Draw(shown.images, shown.index, canvas, iconLeft, cell.top)) {
        ImageList_Draw(shown.images, shown.index, canvas, iconLeft, cell.top, ILD_TRANSPARENT);
    }
}

}  // namespace vorlane
