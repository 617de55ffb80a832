// Handlers whose subsystems are not built yet: each answers as a grid without columns or rows.
#include "frame/grid_handlers.h"
#include "frame/grid_store_access.h"

namespace vorlane {

bool AttachStore(GridInstance&) {
    return true;
}
void DetachStore(GridInstance&) {}
uint32_t TotalWidth(const GridInstance&) {
    return 0;
}

void UpdateScrollBars(GridInstance&) {}
void OnVScroll(GridInstance&, WPARAM) {}
void OnHScroll(GridInstance&, WPARAM) {}
void OnMouseWheel(HWND, WPARAM) {}
LRESULT OnSetCurCell(GridInstance&, WPARAM, LPARAM) {
    return 0;
}
void OnGetCellRect(GridInstance&, WPARAM, LPARAM) {}
void OnEnsureVisible(GridInstance&) {}
void OnRestoreTopIndex(GridInstance&) {}
void OnSetPartners(LPARAM) {}
void OnActivateCell(GridInstance&, WPARAM, LPARAM) {}
void OnSetDropDivider(WPARAM) {}
void OnNotifyButton(GridInstance&) {}
void OnNotifyDrop(GridInstance&) {}
void OnSetOuterZone(WPARAM, LPARAM) {}
void OnSetExternalDrag(LPARAM) {}
LRESULT OnAddColumn(GridInstance&, LPARAM) {
    return 1;
}
LRESULT OnGetColWidth(GridInstance&, WPARAM) {
    return 0;
}
void OnSetColWidth(GridInstance&, WPARAM, LPARAM) {}
void OnSetHeaderHeight(GridInstance&, LPARAM) {}
void OnSetRowHeight(GridInstance&, LPARAM) {}
void OnGetColTitle(GridInstance&, WPARAM, LPARAM) {}
void OnSetColTitle(GridInstance&, WPARAM, LPARAM) {}
LRESULT OnGetColKind(GridInstance&, WPARAM) {
    return 0;
}
LRESULT OnAddRow(GridInstance&, LPARAM) {
    return -1;
}
void OnGetCell(GridInstance&, WPARAM, LPARAM) {}
void OnSetCell(GridInstance&, WPARAM, LPARAM) {}
void OnClearRows(GridInstance&) {}
LRESULT OnGetRowCount(GridInstance&) {
    return 0;
}
LRESULT OnGetSelRows(GridInstance&, LPARAM) {
    return 0;
}
void OnSelectAll(GridInstance&) {}
void OnDeselectAll(GridInstance&) {}
void OnInvertSelection(GridInstance&) {}
void OnSort(GridInstance&, WPARAM, LPARAM) {}
void OnDrawItem(GridInstance&, const DRAWITEMSTRUCT*) {}
void OnSetColors(GridInstance&, LPARAM) {}
void OnSetFonts(GridInstance&, WPARAM, LPARAM) {}
void OnSetGridLines(GridInstance&, WPARAM) {}
void OnSetActiveLook(GridInstance&, WPARAM, LPARAM) {}
void OnRedraw(GridInstance&) {}
LRESULT OnBeginEdit(GridInstance&, WPARAM, LPARAM) {
    return 0;
}
void OnEndEdit(GridInstance&, WPARAM, LPARAM) {}
void OnCancelEdit(GridInstance&) {}

LRESULT CALLBACK HeaderPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallReplaced(pane, message, wParam, lParam);
}
LRESULT CALLBACK ListPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallReplaced(pane, message, wParam, lParam);
}

}  // namespace vorlane
