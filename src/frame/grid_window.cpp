// The grid window: its procedure, creation, layout and destruction.
#include <new>

#include "frame/grid_handlers.h"
#include "frame/grid_instance.h"
#include "frame/row_positions.h"
#include "frame/shared_state.h"
#include "resource_ids.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr DWORD kResizeLineStyle = WS_CHILD | WS_CLIPSIBLINGS | SS_BLACKRECT;
constexpr DWORD kHeaderPaneStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_NOTIFY | SS_OWNERDRAW;
constexpr DWORD kListPaneStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | LBS_NOTIFY |
                                 LBS_MULTIPLESEL | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT;
constexpr COLORREF kInactiveCellColor = RGB(0xD6, 0xE2, 0xEB);

HWND CreateChild(HWND grid, const char* className, DWORD style) {
    return CreateWindowExA(0, className, nullptr, style, 0, 0, 0, 0, grid, nullptr,
                           Shared().moduleInstance, nullptr);
}

HCURSOR LoadGridCursor(int id) {
    return static_cast<HCURSOR>(
        LoadImageA(Shared().moduleInstance, MAKEINTRESOURCEA(id), IMAGE_CURSOR, 0, 0, 0));
}

HICON LoadGridIcon(int id) {
    return static_cast<HICON>(
        LoadImageA(Shared().moduleInstance, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
}

void RegisterListPane(HWND listPane) {
    SharedGridState& shared = Shared();
    if (shared.firstListPane == nullptr) {
        SetPaintInput(shared.firstListPane, listPane);
    } else {
        SetPaintInput(shared.secondListPane, listPane);
    }
}

// Returns -1 (creation fails) when the state cannot be allocated: every handler needs it.
LRESULT OnCreate(HWND window) {
    GridInstance* grid = new (std::nothrow) GridInstance;
    if (grid == nullptr) {
        return -1;
    }
    grid->paint = MakePaintCache();
    if (grid->paint == nullptr) {
        delete grid;
        return -1;
    }
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(grid));

    grid->notifyWindow = GetParent(window);
    Shared().dragWindow = grid->notifyWindow;
    grid->ownWindow = window;
    grid->controlId = static_cast<UINT_PTR>(GetWindowLongPtrA(window, GWLP_ID));
    grid->style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));

    grid->markerBrush = CreateSolidBrush(RGB(255, 0, 0));
    grid->inactiveCellBrush = CreateSolidBrush(kInactiveCellColor);
    grid->activeLook = true;

    grid->resizeLine = CreateChild(window, "Static", kResizeLineStyle);
    grid->headerPane = CreateChild(window, "Static", kHeaderPaneStyle);
    Subclass(grid->headerPane, HeaderPaneProc);

    grid->listPane = CreateChild(window, "ListBox", kListPaneStyle);
    RegisterListPane(grid->listPane);
    Subclass(grid->listPane, ListPaneProc);
    SendMessageA(grid->listPane, LB_SETITEMHEIGHT, 0, grid->rowHeight);

    grid->resizeCursor = LoadGridCursor(IDC_GRID_RESIZE);
    grid->noDropCursor = LoadGridCursor(IDC_GRID_NODROP);
    grid->dropCursor = LoadGridCursor(IDC_GRID_DROP);
    grid->ascendingIcon = LoadGridIcon(IDI_GRID_SORT_UP);
    grid->descendingIcon = LoadGridIcon(IDI_GRID_SORT_DOWN);

    grid->rowBackColor = GetSysColor(COLOR_WINDOW);
    grid->rowTextColor = GetSysColor(COLOR_WINDOWTEXT);
    grid->rowBackBrush = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    grid->ownsRowBackBrush = false;
    grid->gridLineColor = 0;
    grid->gridPen = CreatePen(PS_SOLID, 1, grid->gridLineColor);
    return 0;
}

void DeleteObjectIfAny(HGDIOBJ object) {
    if (object != nullptr) {
        DeleteObject(object);
    }
}

// Releases exactly what creation and later messages made; the client's fonts and image lists
// stay the client's. The instance itself is deleted when the last handler holding it returns.
void OnDestroy(HWND window, GridInstance& grid) {
    grid.edit.editor = nullptr;
    ForgetControl(window, grid.listPane);
    DestroyWindow(grid.resizeLine);
    DestroyWindow(grid.headerPane);
    DestroyWindow(grid.listPane);  // the editors are its children
    grid.resizeLine = grid.headerPane = grid.listPane = nullptr;

    DestroyCursor(grid.resizeCursor);
    DestroyCursor(grid.noDropCursor);
    DestroyCursor(grid.dropCursor);
    DestroyIcon(grid.ascendingIcon);
    DestroyIcon(grid.descendingIcon);

    if (grid.ownsRowBackBrush) {
        DeleteObject(grid.rowBackBrush);
    }
    DeleteObjectIfAny(grid.activeCellBrush);
    DeleteObjectIfAny(grid.inactiveCellBrush);
    DeleteObjectIfAny(grid.markerBrush);
    DeleteObjectIfAny(grid.gridPen);

    grid.paint.reset();
    grid.store.ClearRows();
    grid.destroyed = true;
    SetWindowLongPtrA(window, 0, 0);
}

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

LRESULT CALLBACK GridWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        if (OnCreate(window) != 0) {
            return -1;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    InstanceHold hold(window);
    if (!hold) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    GridInstance& grid = *hold.get();

    switch (message) {
        case WM_DESTROY: OnDestroy(window, grid); break;
        case WM_SIZE: OnSize(grid); break;
        case WM_NCPAINT: OnNcPaint(grid); break;
        case WM_SETFOCUS: OnSetFocus(grid); break;
        case WM_DRAWITEM:
            OnDrawItem(grid, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return 0;
        case WM_HSCROLL: OnHScroll(grid, wParam); break;
        case WM_VSCROLL: OnVScroll(grid, wParam); break;
        case WM_CTLCOLORLISTBOX: return reinterpret_cast<LRESULT>(grid.rowBackBrush);
        case LB_GETCOUNT: return OnGetRowCount(grid);
        case WM_LBUTTONDBLCLK: OnLButtonDblClk(grid); break;
        case WM_MOUSEWHEEL: OnMouseWheel(window, wParam); return 0;

        case GRM_ADDCOLUMN: return OnAddColumn(grid, lParam);
        case GRM_ADDROW: return OnAddRow(grid, lParam);
        case GRM_ADDROWS: return OnAddRows(grid, wParam, lParam);
        case GRM_SETCURCELL: return OnSetCurCell(grid, wParam, lParam);
        case GRM_GETCURCOL: return grid.currentColumn;
        case GRM_GETCURROW: return grid.currentRow;
        case GRM_GETCELL: OnGetCell(grid, wParam, lParam); return 0;
        case GRM_SETCELL: OnSetCell(grid, wParam, lParam); return 0;
        case GRM_GETCELLRECT: OnGetCellRect(grid, wParam, lParam); return 0;
        case GRM_ENSUREVISIBLE: OnEnsureVisible(grid); return 0;
        case GRM_BEGINEDIT: return OnBeginEdit(grid, wParam, lParam);
        case GRM_ENDEDIT: OnEndEdit(grid, wParam, lParam); return 0;
        case GRM_GETCOLWIDTH: return OnGetColWidth(grid, wParam);
        case GRM_SETCOLWIDTH: OnSetColWidth(grid, wParam, lParam); return 0;
        case GRM_GETHEADERHEIGHT: return grid.headerHeight;
        case GRM_SETHEADERHEIGHT: OnSetHeaderHeight(grid, lParam); return 0;
        case GRM_GETROWHEIGHT: return grid.rowHeight;
        case GRM_SETROWHEIGHT: OnSetRowHeight(grid, lParam); return 0;
        case GRM_CLEARROWS: OnClearRows(grid); return 0;
        case GRM_SORT: OnSort(grid, wParam, lParam); return 0;
        case GRM_GETCOLTITLE: OnGetColTitle(grid, wParam, lParam); return 0;
        case GRM_SETCOLTITLE: OnSetColTitle(grid, wParam, lParam); return 0;
        case GRM_GETCOLKIND: return OnGetColKind(grid, wParam);
        case GRM_SETPARTNERS: OnSetPartners(lParam); return 0;
        case GRM_SETCOLORS: OnSetColors(grid, lParam); return 0;
        case GRM_SETFONTS: OnSetFonts(grid, wParam, lParam); return 0;
        case GRM_SETGRIDLINES: OnSetGridLines(grid, wParam); return 0;
        case GRM_SETACTIVELOOK: OnSetActiveLook(grid, wParam, lParam); return 0;
        case GRM_ACTIVATECELL: OnActivateCell(grid, wParam, lParam); return 0;
        case GRM_GETSORTSTATE: return grid.sortState;
        case GRM_GETTOPINDEX: return grid.rememberedTopRow;
        case GRM_RESTORETOPINDEX: OnRestoreTopIndex(grid); return 0;
        case GRM_GETSELROWS: return OnGetSelRows(grid, lParam);
        case GRM_SETDROPDIVIDER: OnSetDropDivider(wParam); return 0;
        case GRM_NOTIFYBUTTON: OnNotifyButton(grid); return 0;
        case GRM_NOTIFYDROP: OnNotifyDrop(grid); return 0;
        case GRM_GETTOTALWIDTH: return grid.store.columns().TotalWidth();
        case GRM_SELECTALL: OnSelectAll(grid); return 0;
        case GRM_DESELECTALL: OnDeselectAll(grid); return 0;
        case GRM_INVERTSELECTION: OnInvertSelection(grid); return 0;
        case GRM_CANCELEDIT: OnCancelEdit(grid); return 0;
        case GRM_REDRAW: OnRedraw(grid); return 0;
        case GRM_SETOUTERZONE: OnSetOuterZone(wParam, lParam); return 0;
        case GRM_SETEXTERNALDRAG: OnSetExternalDrag(lParam); return 0;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace vorlane
