#include "row_colours.h"

#include <cwchar>

#include "folder_view.h"

namespace {

const COLORREF kTodayText = RGB(0x00, 0x70, 0x30);
const COLORREF kTodayTextDark = RGB(0x7C, 0xE0, 0x9C);

// The Modified cell reads "attr" then "YYYY-MM-DD hh:mm" (folder_view.cpp): today's date is
// compared from its fifth character on.
bool ModifiedToday(HWND grid, UINT row) {
    wchar_t modified[64] = {};
    Grid_GetCellExW(grid, kModifiedColumn, row, modified, 64);
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t today[16];
    std::swprintf(today, 16, L"%04u-%02u-%02u", now.wYear, now.wMonth, now.wDay);
    return std::wcslen(modified) >= 14 && std::wcsncmp(modified + 4, today, 10) == 0;
}

}  // namespace

LRESULT ColourPaneRow(NMGRIDCUSTOMDRAW& record, HFONT boldFont, bool dark) {
    if (record.nmcd.dwDrawStage == CDDS_PREPAINT) {
        return CDRF_NOTIFYITEMDRAW;
    }
    if (record.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) {
        return CDRF_DODEFAULT;
    }
    if ((record.rowKind & 0xFF) != kParentRow &&
        ModifiedToday(record.nmcd.hdr.hwndFrom, record.row)) {
        record.clrText = dark ? kTodayTextDark : kTodayText;
    }
    if ((record.rowKind & 0xFF) == kFolderRow && boldFont != nullptr) {
        SelectObject(record.nmcd.hdc, boldFont);
        return CDRF_NEWFONT;
    }
    return CDRF_DODEFAULT;
}
