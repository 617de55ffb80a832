#include "render/row_stages.h"

#include <commctrl.h>

namespace vorlane {

void RowStages::BeginRow(const DRAWITEMSTRUCT& item, HDC canvas, UINT state, uint32_t kindCell,
                         LPARAM itemData) {
    canvas_ = canvas;
    origin_ = {item.rcItem.left, item.rcItem.top};
    base_ = {};
    base_.nmcd.dwItemSpec = item.itemID;
    base_.nmcd.uItemState = state;
    base_.nmcd.lItemlParam = itemData;
    base_.row = item.itemID;
    base_.rowKind = kindCell;
}

bool RowStages::Ask(DWORD stage, int column, const RECT& area, StageLook& look) {
    NMGRIDCUSTOMDRAW record = base_;
    record.nmcd.dwDrawStage = stage;
    record.nmcd.hdc = canvas_;
    record.nmcd.rc = area;
    OffsetRect(&record.nmcd.rc, origin_.x, origin_.y);
    record.clrText = look.text;
    record.clrTextBk = look.back;
    record.iSubItem = column < 0 ? 0 : column;
    const int saved = SaveDC(canvas_);
    SetViewportOrgEx(canvas_, -origin_.x, -origin_.y, nullptr);
    LRESULT answer = CDRF_DODEFAULT;
    if (!SendCustomDraw(grid_, stamp_, record, answer)) {
        return false;
    }
    look.font = (answer & CDRF_NEWFONT) != 0
                    ? static_cast<HFONT>(GetCurrentObject(canvas_, OBJ_FONT))
                    : nullptr;
    if (saved != 0) {
        RestoreDC(canvas_, saved);
    }
    look.text = ChosenColor(record.clrText, look.text);
    look.back = ChosenColor(record.clrTextBk, look.back);
    look.skip = (answer & CDRF_SKIPDEFAULT) != 0;
    look.post = (answer & CDRF_NOTIFYPOSTPAINT) != 0;
    look.cells = (answer & CDRF_NOTIFYSUBITEMDRAW) != 0;
    return true;
}

COLORREF RowBackColor(const GridInstance& grid) {
    return grid.ownsRowBackBrush ? grid.rowBackColor : GetSysColor(COLOR_WINDOW);
}

bool HighContrastOn() {
    HIGHCONTRASTA contrast = {sizeof(contrast), 0, nullptr};
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

HotLook HotRowLook(const GridInstance& grid) {
    const COLORREF back = RowBackColor(grid);
    if (HighContrastOn()) {
        return {GetSysColor(COLOR_HOTLIGHT), back};
    }
    if (grid.hotColor != CLR_DEFAULT) {
        return {grid.rowTextColor, grid.hotColor};
    }
    // A quarter of the selection colour over the row background.
    const COLORREF select = GetSysColor(COLOR_HIGHLIGHT);
    auto mix = [](int selected, int under) { return (selected + 3 * under) / 4; };
    return {grid.rowTextColor,
            RGB(mix(GetRValue(select), GetRValue(back)), mix(GetGValue(select), GetGValue(back)),
                mix(GetBValue(select), GetBValue(back)))};
}

}  // namespace vorlane
