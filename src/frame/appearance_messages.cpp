// Colours, fonts, grid lines, the active look and a plain redraw. The painting itself is
// render/'s, owner drawing included; these handlers change what it reads and ask for repaints.
#include "frame/grid_handlers.h"
#include "frame/notify.h"
#include "frame/shared_state.h"
#include "vorlane.h"

namespace vorlane {

namespace {

void ReplaceBrush(HBRUSH& brush, COLORREF color) {
    if (brush != nullptr) {
        DeleteObject(brush);
    }
    brush = CreateSolidBrush(color);
}

void InvalidatePanes(const GridInstance& grid) {
    InvalidateRect(grid.headerPane, nullptr, TRUE);
    InvalidateRect(grid.listPane, nullptr, TRUE);
}

}  // namespace

void OnSetColors(GridInstance& grid, const ColorSet* set) {
    if (set == nullptr) {
        return;
    }
    grid.headerBackColor = set->headerBack;
    grid.rowBackColor = set->rowBack;
    grid.gridLineColor = set->gridLine;
    grid.activeCellColor = set->activeCell;
    grid.inactiveCellColor = set->inactiveCell;
    grid.headerTextColor = set->headerText;
    grid.rowTextColor = set->rowText;
    ++grid.lookGeneration;  // and new brushes and pen below

    // The first row background brush is the system colour's, which is no object of ours.
    if (!grid.ownsRowBackBrush) {
        grid.rowBackBrush = nullptr;
    }
    ReplaceBrush(grid.rowBackBrush, grid.rowBackColor);
    grid.ownsRowBackBrush = grid.rowBackBrush != nullptr;
    if (grid.gridPen != nullptr) {
        DeleteObject(grid.gridPen);
    }
    grid.gridPen = CreatePen(PS_SOLID, 1, grid.gridLineColor);
    ReplaceBrush(grid.activeCellBrush, grid.activeCellColor);
    ReplaceBrush(grid.inactiveCellBrush, grid.inactiveCellColor);
    InvalidatePanes(grid);
}

void OnSetFonts(GridInstance& grid, HFONT headerFont, HFONT listFont) {
    grid.headerFont = headerFont;
    grid.listFont = listFont;
    ++grid.lookGeneration;
    SendMessageA(grid.headerPane, WM_SETFONT, reinterpret_cast<WPARAM>(headerFont), FALSE);
    SendMessageA(grid.listPane, WM_SETFONT, reinterpret_cast<WPARAM>(listFont), FALSE);
    // An open editor follows at once; a closed one takes the font when it opens.
    if (grid.edit.editor != nullptr) {
        SendMessageA(grid.edit.editor, WM_SETFONT, reinterpret_cast<WPARAM>(listFont), TRUE);
    }
}

void OnSetGridLines(GridInstance& grid, bool on) {
    SetPaintInput(Shared().gridLines, on);
    InvalidateRect(grid.listPane, nullptr, TRUE);
}

void OnSetActiveLook(GridInstance& grid, bool notify, bool active) {
    if (grid.activeLook != active) {
        grid.activeLook = active;
        ++grid.lookGeneration;
    }
    // Repaint now, so the current cell shows its new look before the parent hears of it.
    InvalidateRect(grid.listPane, nullptr, TRUE);
    UpdateWindow(grid.listPane);
    if (notify) {
        GridNotify record = MakeNotify(grid, GRN_SELCHANGE);
        SendNotify(grid, record);
        if (grid.destroyed) {
            return;
        }
    }
    Shared().activeSide = FocusSide();
}

// The client's word that files may have changed: their icons are looked up again. An owner-data
// grid's rows are asked for again too.
void OnRedraw(GridInstance& grid) {
    ForgetFileIcons(*grid.paint);
    grid.owner.page.Clear();
    InvalidatePanes(grid);
}

// The theme changed, or theming was turned on or off for the control's window.
void OnThemeChanged(GridInstance& grid) {
    ForgetTheme(*grid.paint);
    ++grid.lookGeneration;
    InvalidatePanes(grid);
}

}  // namespace vorlane
