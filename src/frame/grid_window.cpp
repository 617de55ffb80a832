// The grid window: its procedure and layout. Creation and destruction are
// frame/grid_lifetime.cpp's.
#include <algorithm>

#include "frame/cell_tip_window.h"
#include "frame/grid_handlers.h"
#include "frame/grid_instance.h"
#include "frame/grid_lifetime.h"
#include "frame/hot_row.h"
#include "frame/row_positions.h"
#include "frame/shared_state.h"
#include "vorlane.h"

namespace vorlane {

namespace {

void OnSetFocus(GridInstance& grid) {
    SetFocus(grid.listPane);
}

void OnLButtonDblClk(GridInstance& grid) {
    SendMessageA(grid.listPane, WM_LBUTTONDBLCLK, 0, 0);
}

}  // namespace

// The panes are repainted whole. Being 8192 pixels wide they keep their size as the control
// widens, so moving them repaints nothing; yet when the control itself was moved, the system
// copied its old pixels along, and those may show what a sibling drew over the control's old
// place while the parent laid its children out (a neighbour grown first, say).
void OnSize(GridInstance& grid) {
    ++grid.viewGeneration;
    RECT client;
    GetClientRect(grid.ownWindow, &client);
    const int x = -grid.horizontalOffset;
    MoveWindow(grid.headerPane, x, 0, kPaneWidth, grid.headerHeight, TRUE);
    MoveWindow(grid.listPane, x, grid.headerHeight, kPaneWidth, client.bottom - grid.headerHeight,
               TRUE);
    RedrawWindow(grid.ownWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    UpdateScrollBars(grid);
}

namespace {

// The one dispatch of both classes; `width` is the class's, `defaultProc` its default processing.
LRESULT DispatchGridMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            TextWidth width, WNDPROC defaultProc) {
    if (message == WM_CREATE) {
        if (OnCreate(window, width) != 0) {
            return -1;
        }
        return defaultProc(window, message, wParam, lParam);
    }

    InstanceHold hold(window, message != GRM_ADDROW);
    if (!hold) {
        return defaultProc(window, message, wParam, lParam);
    }
    GridInstance& grid = *hold.get();
    if (EndsCellTip(message)) {
        HideCellTip(grid);
    }

    switch (message) {
        case WM_DESTROY: OnDestroy(window, grid); break;
        case WM_SIZE: OnSize(grid); break;
        case WM_NCPAINT: OnNcPaint(grid); break;
        case WM_SETFOCUS: OnSetFocus(grid); break;
        case WM_DRAWITEM:
            OnDrawItem(grid, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return 0;
        case WM_HSCROLL: OnHScroll(grid, LOWORD(wParam)); break;
        case WM_VSCROLL: OnVScroll(grid, LOWORD(wParam)); break;
        case WM_NOTIFY: return OnTipNotify(grid, reinterpret_cast<const NMHDR*>(lParam));
        case WM_CTLCOLORLISTBOX: return reinterpret_cast<LRESULT>(grid.rowBackBrush);
        case LB_GETCOUNT: return OnGetRowCount(grid);
        case WM_LBUTTONDBLCLK: OnLButtonDblClk(grid); break;
        case WM_MOUSEWHEEL: OnMouseWheel(grid, GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
        case GRID_WM_DPICHANGED_AFTERPARENT: OnDpiChangedAfterParent(grid); return 0;
        case WM_THEMECHANGED: OnThemeChanged(grid); return 0;
        case WM_GETOBJECT:
            if (IsClientObject(lParam)) {
                return OnGetObject(grid, wParam);
            }
            if (IsUiaRootObject(lParam)) {
                return OnGetUiaRoot(grid, window, wParam, lParam);
            }
            break;

        case GRM_ADDCOLUMN: return OnAddColumn(grid, reinterpret_cast<const ColumnDesc*>(lParam));
        case GRM_ADDROW: return OnAddRow(grid, reinterpret_cast<const GridValue*>(lParam));
        case GRM_ADDROWS:
            return OnAddRows(grid, wParam, reinterpret_cast<const GridValue*>(lParam));
        case GRM_SETCURCELL: return OnSetCurCell(grid, wParam, static_cast<ULONG_PTR>(lParam));
        case GRM_GETCURCOL: return grid.currentColumn;
        case GRM_GETCURROW: return grid.currentRow;
        case GRM_GETCELL:
            OnGetCell(grid, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<void*>(lParam));
            return 0;
        case GRM_SETCELL:
            OnSetCell(grid, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<const void*>(lParam));
            return 0;
        case GRM_GETCELLRECT:
            OnGetCellRect(grid, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<RECT*>(lParam));
            return 0;
        case GRM_GETCELLEX: return OnGetCellEx(grid, reinterpret_cast<const GridCellRef*>(lParam));
        case GRM_SETCELLEX: return OnSetCellEx(grid, reinterpret_cast<const GridCellRef*>(lParam));
        case GRM_GETCELLRECTEX:
            return OnGetCellRectEx(grid, reinterpret_cast<GridCellRect*>(lParam));
        case GRM_ENSUREVISIBLE: OnEnsureVisible(grid); return 0;
        case GRM_BEGINEDIT: return OnBeginEdit(grid, wParam, static_cast<ULONG_PTR>(lParam));
        case GRM_ENDEDIT: OnEndEdit(grid, LOWORD(wParam), HIWORD(wParam), lParam == 0); return 0;
        case GRM_GETCOLWIDTH: return OnGetColWidth(grid, wParam);
        case GRM_SETCOLWIDTH: OnSetColWidth(grid, wParam, static_cast<int32_t>(lParam)); return 0;
        case GRM_GETHEADERHEIGHT: return grid.headerHeight;
        case GRM_SETHEADERHEIGHT: OnSetHeaderHeight(grid, static_cast<int32_t>(lParam)); return 0;
        case GRM_GETROWHEIGHT: return grid.rowHeight;
        case GRM_SETROWHEIGHT: OnSetRowHeight(grid, static_cast<int32_t>(lParam)); return 0;
        case GRM_CLEARROWS: OnClearRows(grid); return 0;
        case GRM_SETROWCOUNT: return OnSetRowCount(grid, wParam);
        case GRM_COPY: return OnCopy(grid, wParam != 0);
        case GRM_SETCOLORDER:
            return OnSetColOrder(grid, wParam, reinterpret_cast<const uint32_t*>(lParam));
        case GRM_GETCOLORDER:
            return OnGetColOrder(grid, wParam, reinterpret_cast<uint32_t*>(lParam));
        case GRM_SETCOLHIDDEN: return OnSetColHidden(grid, wParam, lParam != 0);
        case GRM_GETCOLHIDDEN: return OnGetColHidden(grid, wParam);
        case GRM_AUTOSIZECOLUMN: return OnAutoSizeColumn(grid, wParam, lParam == GRID_FIT_FILL);
        case GRM_HITTEST: return OnHitTest(grid, reinterpret_cast<GridHitTest*>(lParam));
        case GRM_SORT: OnSort(grid, wParam, static_cast<uint32_t>(lParam)); return 0;
        case GRM_GETCOLTITLE:
            OnGetColTitle(grid, wParam, reinterpret_cast<void*>(lParam));
            return 0;
        case GRM_SETCOLTITLE:
            OnSetColTitle(grid, wParam, reinterpret_cast<const void*>(lParam));
            return 0;
        case GRM_SETCOLCHOICES:
            return OnSetColChoices(grid, wParam, reinterpret_cast<const void*>(lParam));
        case GRM_GETCOLKIND: return OnGetColKind(grid, wParam);
        case GRM_SETPARTNERS: OnSetPartners(reinterpret_cast<const PartnerSet*>(lParam)); return 0;
        case GRM_SETCOLORS: OnSetColors(grid, reinterpret_cast<const ColorSet*>(lParam)); return 0;
        case GRM_SETFONTS:
            OnSetFonts(grid, reinterpret_cast<HFONT>(wParam), reinterpret_cast<HFONT>(lParam));
            return 0;
        case GRM_SETGRIDLINES: OnSetGridLines(grid, wParam != 0); return 0;
        case GRM_SETACTIVELOOK: OnSetActiveLook(grid, wParam != 0, lParam != 0); return 0;
        case GRM_ACTIVATECELL:
            OnActivateCell(grid, wParam, static_cast<ULONG_PTR>(lParam));
            return 0;
        case GRM_GETSORTSTATE: return grid.sortState;
        case GRM_SETSORTARROW: return OnSetSortArrow(grid, wParam, lParam);
        case GRM_SETHOTCOLOR: return OnSetHotColor(grid, static_cast<COLORREF>(lParam));
        case GRM_GETTOPINDEX: return grid.rememberedTopRow;
        case GRM_RESTORETOPINDEX: OnRestoreTopIndex(grid); return 0;
        case GRM_GETSELROWS: return OnGetSelRows(grid, reinterpret_cast<uint32_t*>(lParam));
        case GRM_GETSELROWSEX:
            // A room past what a UINT holds is no more room than the selection needs.
            return OnGetSelRowsEx(grid, static_cast<uint32_t>(std::min<WPARAM>(wParam, UINT32_MAX)),
                                  reinterpret_cast<uint32_t*>(lParam));
        case GRM_SETDROPDIVIDER: OnSetDropDivider(static_cast<uint32_t>(wParam)); return 0;
        case GRM_NOTIFYBUTTON: OnNotifyButton(grid); return 0;
        case GRM_NOTIFYDROP: OnNotifyDrop(grid); return 0;
        case GRM_GETTOTALWIDTH: return grid.store.columns().TotalWidth();
        case GRM_SELECTALL: OnSelectAll(grid); return 0;
        case GRM_DESELECTALL: OnDeselectAll(grid); return 0;
        case GRM_INVERTSELECTION: OnInvertSelection(grid); return 0;
        case GRM_CANCELEDIT: OnCancelEdit(grid); return 0;
        case GRM_REDRAW: OnRedraw(grid); return 0;
        case GRM_SETOUTERZONE: OnSetOuterZone(static_cast<uint32_t>(wParam), lParam != 0); return 0;
        case GRM_SETEXTERNALDRAG: OnSetExternalDrag(lParam != 0); return 0;
        default: break;
    }
    return defaultProc(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK GridWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchGridMessage(window, message, wParam, lParam, TextWidth::Bytes, DefWindowProcA);
}

LRESULT CALLBACK GridWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchGridMessage(window, message, wParam, lParam, TextWidth::Utf16, DefWindowProcW);
}

}  // namespace vorlane
