#include "header_menu.h"

#include <string>

#include "dpi_scale.h"
#include "folder_view.h"
#include "vorlane.h"

namespace {

constexpr UINT kHideCommand = 100;  // and the column
constexpr UINT kShowCommand = 200;  // and the column
constexpr UINT kFitCommand = 300;
constexpr UINT kResetCommand = 301;

std::wstring TitleOf(HWND grid, UINT column) {
    wchar_t title[256] = {};
    Grid_GetColTitleW(grid, column, title);
    return title;
}

int ShownCount(HWND grid) {
    int shown = 0;
    for (UINT column = 0; column < kKindColumn; ++column) {
        shown += IsUserColumn(column) && !Grid_GetColHidden(grid, column) ? 1 : 0;
    }
    return shown;
}

// Hide for a title or an edge under the point (never the last column shown), then a line per
// hidden column, then the commands for all columns.
HMENU CreateHeaderMenu(HWND grid, POINT screen) {
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) {
        return nullptr;
    }
    GridHitTest hit = {screen, 0, 0, 0};
    ScreenToClient(grid, &hit.point);
    const UINT area = Grid_HitTest(grid, &hit);
    if ((area == GRID_HT_TITLE || area == GRID_HT_COLUMNEDGE) && IsUserColumn(hit.column)) {
        const UINT lastShown = ShownCount(grid) <= 1 ? MF_GRAYED : 0;
        const std::wstring text = L"&Hide \"" + TitleOf(grid, hit.column) + L"\"";
        AppendMenuW(menu, MF_STRING | lastShown, kHideCommand + hit.column, text.c_str());
    }
    for (UINT column = 0; column < kKindColumn; ++column) {
        if (IsUserColumn(column) && Grid_GetColHidden(grid, column)) {
            const std::wstring text = L"Show \"" + TitleOf(grid, column) + L"\"";
            AppendMenuW(menu, MF_STRING, kShowCommand + column, text.c_str());
        }
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kFitCommand, L"Size columns to &fit");
    AppendMenuW(menu, MF_STRING, kResetCommand, L"&Reset columns");
    return menu;
}

}  // namespace

void ResetColumns(HWND grid, UINT dpi) {
    for (UINT column = 0; column < kKindColumn; ++column) {
        if (IsUserColumn(column)) {
            Grid_SetColHidden(grid, column, FALSE);
            Grid_SetColWidth(grid, column, ScaleFor(dpi, kColumnWidths[column]));
        }
    }
    Grid_SetColOrder(grid, kKindColumn, kFirstOrder);
}

void ShowHeaderMenu(HWND owner, HWND header, POINT screen, UINT dpi) {
    HWND grid = GetParent(header);
    if (screen.x == -1 && screen.y == -1) {
        RECT shown = {};
        GetWindowRect(grid, &shown);
        screen = POINT{shown.left + ScaleFor(dpi, 8), shown.top + ScaleFor(dpi, 8)};
    }
    HMENU menu = CreateHeaderMenu(grid, screen);
    if (menu == nullptr) {
        return;
    }
    const UINT command = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                          screen.x, screen.y, 0, owner, nullptr));
    DestroyMenu(menu);
    if (command == kResetCommand) {
        ResetColumns(grid, dpi);
    } else if (command == kFitCommand) {
        Grid_AutoSizeColumn(grid, GRID_ALL_COLUMNS, GRID_FIT_TEXTS);
    } else if (command >= kShowCommand && IsUserColumn(command - kShowCommand)) {
        Grid_SetColHidden(grid, command - kShowCommand, FALSE);
    } else if (command >= kHideCommand && IsUserColumn(command - kHideCommand)) {
        Grid_SetColHidden(grid, command - kHideCommand, TRUE);
    }
}
