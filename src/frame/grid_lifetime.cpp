// Creation and destruction as named steps, in the order the control needs them: the drawing
// objects and pointer images exist before any pane can paint or track the pointer, painting's
// state before the panes that are painted, and the panes before the process knows of them.
// Each step has an undoing that releases what the step made, even a part of it, so a step that
// fails half-way is undone with the rest.
#include "frame/grid_lifetime.h"

#include <new>

#include "frame/cell_tip_window.h"
#include "frame/grid_handlers.h"
#include "frame/shared_state.h"
#include "resource_ids.h"

namespace vorlane {

namespace {

// The style names the line (a black rectangle) but its painting is the control's: it shows in
// the header text colour (render/resize_line.cpp).
constexpr DWORD kResizeLineStyle = WS_CHILD | WS_CLIPSIBLINGS | SS_BLACKRECT;
constexpr DWORD kHeaderPaneStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_NOTIFY | SS_OWNERDRAW;
constexpr DWORD kListPaneStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | LBS_NOTIFY |
                                 LBS_MULTIPLESEL | LBS_NODATA | LBS_OWNERDRAWFIXED |
                                 LBS_NOINTEGRALHEIGHT;
// An owner-data grid's list pane holds no items, only their number, and keeps no selection (the
// control keeps it as row ranges): a data-less list box of multiple selection would keep a
// record for every row.
constexpr DWORD kOwnerDataListPaneStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | LBS_NOTIFY |
                                          LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT;
constexpr COLORREF kInactiveCellColor = RGB(0xD6, 0xE2, 0xEB);

template <class Handle>
void DeleteGdiObject(Handle& object) {
    if (object != nullptr) {
        DeleteObject(object);
        object = nullptr;
    }
}

// The brushes and pen rows are painted with. The row background starts as the system colour's
// brush, which is no object of ours.
bool MakeDrawingObjects(GridInstance& grid) {
    grid.markerBrush = CreateSolidBrush(RGB(255, 0, 0));
    grid.inactiveCellBrush = CreateSolidBrush(kInactiveCellColor);
    grid.activeLook = true;
    grid.rowBackColor = GetSysColor(COLOR_WINDOW);
    grid.rowTextColor = GetSysColor(COLOR_WINDOWTEXT);
    grid.rowBackBrush = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    grid.ownsRowBackBrush = false;
    grid.gridLineColor = 0;
    grid.gridPen = CreatePen(PS_SOLID, 1, grid.gridLineColor);
    return grid.markerBrush != nullptr && grid.inactiveCellBrush != nullptr &&
           grid.gridPen != nullptr;
}

// Also those GRM_SETCOLORS made in their place.
void FreeDrawingObjects(GridInstance& grid) {
    if (grid.ownsRowBackBrush) {
        DeleteGdiObject(grid.rowBackBrush);
        grid.ownsRowBackBrush = false;
    }
    DeleteGdiObject(grid.activeCellBrush);
    DeleteGdiObject(grid.inactiveCellBrush);
    DeleteGdiObject(grid.markerBrush);
    DeleteGdiObject(grid.gridPen);
}

template <class Handle>
Handle LoadGridImage(int id, UINT type, int size) {
    return static_cast<Handle>(
        LoadImageA(Shared().moduleInstance, MAKEINTRESOURCEA(id), type, size, size, 0));
}

// The cursors of resizing and dragging.
bool LoadPointerImages(GridInstance& grid) {
    grid.resizeCursor = LoadGridImage<HCURSOR>(IDC_GRID_RESIZE, IMAGE_CURSOR, 0);
    grid.noDropCursor = LoadGridImage<HCURSOR>(IDC_GRID_NODROP, IMAGE_CURSOR, 0);
    grid.dropCursor = LoadGridImage<HCURSOR>(IDC_GRID_DROP, IMAGE_CURSOR, 0);
    return grid.resizeCursor != nullptr && grid.noDropCursor != nullptr &&
           grid.dropCursor != nullptr;
}

void FreePointerImages(GridInstance& grid) {
    for (HCURSOR* cursor : {&grid.resizeCursor, &grid.noDropCursor, &grid.dropCursor}) {
        if (*cursor != nullptr) {
            DestroyCursor(*cursor);
            *cursor = nullptr;
        }
    }
}

// Painting's state, with the sort arrows drawn at the window's DPI.
bool MakePaintState(GridInstance& grid) {
    grid.paint = MakePaintCache();
    return grid.paint != nullptr && MakeSortArrows(*grid.paint, grid.dpi);
}

void FreePaintState(GridInstance& grid) {
    grid.paint.reset();
}

HWND CreateChild(HWND grid, const char* className, DWORD style) {
    return CreateWindowExA(0, className, nullptr, style, 0, 0, 0, 0, grid, nullptr,
                           Shared().moduleInstance, nullptr);
}

// The hidden line shown while resizing a column, the header pane and the list pane, in this
// order (their stacking order), each subclassed as soon as it exists.
bool MakePanes(GridInstance& grid) {
    grid.resizeLine = CreateChild(grid.ownWindow, "Static", kResizeLineStyle);
    if (grid.resizeLine == nullptr) {
        return false;
    }
    Subclass(grid.resizeLine, ResizeLineProc);
    grid.headerPane = CreateChild(grid.ownWindow, "Static", kHeaderPaneStyle);
    if (grid.headerPane == nullptr) {
        return false;
    }
    Subclass(grid.headerPane, HeaderPaneProc);
    // A Unicode grid's list pane is a Unicode window, so that the characters typed in it
    // arrive as UTF-16 units rather than through the code page.
    const DWORD listStyle = grid.owner.on ? kOwnerDataListPaneStyle : kListPaneStyle;
    grid.listPane = grid.store.textWidth() == TextWidth::Utf16
                        ? CreateWindowExW(0, L"ListBox", nullptr, listStyle, 0, 0, 0, 0,
                                          grid.ownWindow, nullptr, Shared().moduleInstance, nullptr)
                        : CreateChild(grid.ownWindow, "ListBox", listStyle);
    if (grid.listPane == nullptr) {
        return false;
    }
    Subclass(grid.listPane, ListPaneProc);
    grid.listBoxProc = ReplacedProcedure(grid.listPane);
    SendMessageA(grid.listPane, LB_SETITEMHEIGHT, 0, grid.rowHeight);
    return true;
}

// The editors, children of the list pane, go with it; none of their hidings ends an edit now.
void DestroyPanes(GridInstance& grid) {
    grid.edit.editor = nullptr;
    for (HWND* pane : {&grid.resizeLine, &grid.headerPane, &grid.listPane}) {
        if (*pane != nullptr) {
            DestroyWindow(*pane);
            *pane = nullptr;
        }
    }
}

// The control becomes the latest one (its parent measures drop zones) and its list pane one of
// the two sides.
bool JoinProcess(GridInstance& grid) {
    SharedGridState& shared = Shared();
    shared.dragWindow = grid.notifyWindow;
    if (shared.firstListPane == nullptr) {
        SetPaintInput(shared.firstListPane, grid.listPane);
    } else {
        SetPaintInput(shared.secondListPane, grid.listPane);
    }
    return true;
}

// A window that is gone is no drag partner, and a later window may be given its handle.
void LeaveProcess(GridInstance& grid) {
    ForgetControl(grid.ownWindow, grid.listPane);
}

struct LifetimeStep {
    bool (*make)(GridInstance& grid);
    void (*undo)(GridInstance& grid);
};

constexpr LifetimeStep kSteps[] = {
    {MakeDrawingObjects, FreeDrawingObjects},
    {LoadPointerImages, FreePointerImages},
    {MakePaintState, FreePaintState},
    {MakePanes, DestroyPanes},
    {JoinProcess, LeaveProcess},
};
constexpr size_t kStepCount = sizeof kSteps / sizeof kSteps[0];

// Undoes the first `count` steps, last first.
void UndoSteps(GridInstance& grid, size_t count) {
    while (count > 0) {
        kSteps[--count].undo(grid);
    }
}

}  // namespace

LRESULT OnCreate(HWND window, TextWidth width) {
    GridInstance* grid = new (std::nothrow) GridInstance(width);
    if (grid == nullptr) {
        return -1;
    }
    if (width == TextWidth::Utf16) {
        grid->store.SetFoldTable(WideFoldTable());  // the platform's case-blind ordinal order
    }
    // Found through the window from here on: the panes' procedures look for it while they are
    // being made.
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(grid));
    grid->notifyWindow = GetParent(window);
    grid->ownWindow = window;
    grid->controlId = static_cast<UINT_PTR>(GetWindowLongPtrA(window, GWLP_ID));
    grid->style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    grid->owner.on = (grid->style & GRS_OWNERDATA) != 0;
    // The sizes the control decides, at its window's DPI, before anything is made at them.
    ApplyDpi(*grid, WindowDpi(window));
    for (size_t step = 0; step < kStepCount; ++step) {
        if (!kSteps[step].make(*grid)) {
            UndoSteps(*grid, step + 1);  // the failed step too: it may have made a part
            SetWindowLongPtrA(window, 0, 0);
            delete grid;
            return -1;
        }
    }
    return 0;
}

void OnDestroy(HWND window, GridInstance& grid) {
    // A screen reader may hold the accessible objects for longer: from now on they answer an
    // error without reading the grid.
    grid.access.reset();
    DestroyCellTip(grid);  // made at its first need, not by a creation step
    UndoSteps(grid, kStepCount);
    grid.store.ClearRows();  // the rows' memory goes now, the instance with the last handler
    grid.destroyed = true;
    SetWindowLongPtrA(window, 0, 0);
}

}  // namespace vorlane
