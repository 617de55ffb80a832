// Handlers of the grid window procedure, one per message, grouped by the file that holds them.
// Each takes the instance of the window it was called for and the message's parameters as the
// dispatch unpacked them: values typed, packed cells split, pointers cast.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/grid_instance.h"
#include "vorlane.h"

namespace vorlane {

// frame/grid_window.cpp: the procedures and layout (creation and destruction: grid_lifetime.h).
// The procedures of VorlaneClass (ANSI) and VorlaneClassW (Unicode): one dispatch, each with its
// own default processing; a grid's texts take the width of the class it was made with.
LRESULT CALLBACK GridWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK GridWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void OnSize(GridInstance& grid);

// frame/viewport.cpp: scrolling and the current cell.
void UpdateScrollBars(GridInstance& grid);
void OnVScroll(GridInstance& grid, UINT code);
void OnHScroll(GridInstance& grid, UINT code);
void OnMouseWheel(GridInstance& grid, int delta);
LRESULT OnSetCurCell(GridInstance& grid, uint64_t column, uint64_t row);
void OnGetCellRect(GridInstance& grid, uint32_t column, uint32_t row, RECT* rect);
LRESULT OnGetCellRectEx(GridInstance& grid, GridCellRect* cell);
void OnEnsureVisible(GridInstance& grid);
// After rows were appended at the end: brings the current cell into view as GRM_ENSUREVISIBLE
// does, the bars it changes repainted with the window's next paint.
void ShowAppendedRows(GridInstance& grid);
// The same after one row, but when the last GRM_ENSUREVISIBLE moved nothing and nothing it reads
// has changed since (SettledView), only the vertical bar's range grows.
void ShowAppendedRow(GridInstance& grid);
// The frame is about to be painted: bars set since show their values from now on.
void OnNcPaint(GridInstance& grid);
void OnRestoreTopIndex(GridInstance& grid);

// frame/notify_messages.cpp: messages that notify or set shared values.
void OnSetPartners(const PartnerSet* partners);
void OnActivateCell(GridInstance& grid, uint64_t column, uint64_t row);
void OnSetDropDivider(uint32_t x);
void OnNotifyButton(GridInstance& grid);
void OnNotifyDrop(GridInstance& grid);
void OnSetOuterZone(uint32_t x, bool enabled);
void OnSetExternalDrag(bool flag);

// frame/column_messages.cpp: columns and heights.
LRESULT OnAddColumn(GridInstance& grid, const ColumnDesc* desc);
LRESULT OnGetColWidth(GridInstance& grid, uint64_t column);
void OnSetColWidth(GridInstance& grid, uint64_t column, int32_t width);
void OnSetHeaderHeight(GridInstance& grid, int32_t height);
void OnSetRowHeight(GridInstance& grid, int32_t height);

// frame/column_order_messages.cpp: the display order and hidden columns.
// After the columns' room or places changed: lays out the panes and repaints them.
void ColumnsLaidOut(GridInstance& grid);
LRESULT OnSetColOrder(GridInstance& grid, uint64_t count, const uint32_t* order);
LRESULT OnGetColOrder(const GridInstance& grid, uint64_t room, uint32_t* order);
LRESULT OnSetColHidden(GridInstance& grid, uint64_t column, bool hidden);
LRESULT OnGetColHidden(const GridInstance& grid, uint64_t column);

// input/column_fit.cpp: fits a column (or every shown one) to its texts; the new width.
LRESULT OnAutoSizeColumn(GridInstance& grid, uint64_t column, bool fill);

// input/column_hits.cpp: what lies at a point of the control's client area (GRM_HITTEST).
LRESULT OnHitTest(GridInstance& grid, GridHitTest* hit);

// frame/dpi_messages.cpp: the window's DPI.
// Takes `dpi` as the window's: the sizes the client has not set follow it. Lays nothing out.
void ApplyDpi(GridInstance& grid, UINT dpi);
// The window's DPI changed: what the control sizes itself is rescaled, laid out and repainted.
void OnDpiChangedAfterParent(GridInstance& grid);
void OnGetColTitle(GridInstance& grid, uint64_t column, void* buffer);
void OnSetColTitle(GridInstance& grid, uint64_t column, const void* title);
LRESULT OnSetColChoices(GridInstance& grid, uint64_t column, const void* choices);
LRESULT OnGetColKind(GridInstance& grid, uint64_t column);

// frame/row_messages.cpp: rows, cells and selection.
LRESULT OnAddRow(GridInstance& grid, const GridValue* values);
// Gives the list pane the rows a run of GRM_ADDROW owes it (GridInstance::paneRowsOwed); every
// hold of the grid but GRM_ADDROW's does this first (InstanceHold).
void CountOwedRows(GridInstance& grid);
LRESULT OnAddRows(GridInstance& grid, uint64_t count, const GridValue* values);
void OnGetCell(GridInstance& grid, uint32_t column, uint32_t row, void* destination);
void OnSetCell(GridInstance& grid, uint32_t column, uint32_t row, const void* source);
LRESULT OnGetCellEx(GridInstance& grid, const GridCellRef* ref);
LRESULT OnSetCellEx(GridInstance& grid, const GridCellRef* ref);
void OnClearRows(GridInstance& grid);
LRESULT OnGetRowCount(GridInstance& grid);
// GRM_GETSELROWS: at most 512 positions; GRM_GETSELROWSEX: at most `room`, and the whole count.
LRESULT OnGetSelRows(GridInstance& grid, uint32_t* positions);
LRESULT OnGetSelRowsEx(GridInstance& grid, uint32_t room, uint32_t* positions);
void OnSelectAll(GridInstance& grid);
void OnDeselectAll(GridInstance& grid);
void OnInvertSelection(GridInstance& grid);

// frame/owner_rows.cpp: the rows of an owner-data grid.
LRESULT OnSetRowCount(GridInstance& grid, uint64_t count);

// frame/sort_messages.cpp: sorting, and the arrows of the titles.
void OnSort(GridInstance& grid, uint64_t column, uint32_t mode);
// 0 done; 1 refused (no such column with a title, or no such arrow), nothing changed.
LRESULT OnSetSortArrow(GridInstance& grid, uint64_t column, LPARAM arrow);

// render/row_look.cpp: before a vertical scroll. The list box moves the rows it keeps on screen
// and paints only those it uncovers; the whole pane is invalidated unless that shows what
// painting every row would.
void PrepareRowsForScroll(GridInstance& grid);

// render/draw_item.cpp: owner drawing of the header and list panes.
void OnDrawItem(GridInstance& grid, const DRAWITEMSTRUCT* item);

// frame/appearance_messages.cpp: colours, fonts and redraw.
void OnSetColors(GridInstance& grid, const ColorSet* colors);
void OnSetFonts(GridInstance& grid, HFONT headerFont, HFONT listFont);
void OnSetGridLines(GridInstance& grid, bool on);
void OnSetActiveLook(GridInstance& grid, bool notify, bool active);
void OnRedraw(GridInstance& grid);
// WM_THEMECHANGED: the theme's parts are looked up again and both panes repainted.
void OnThemeChanged(GridInstance& grid);

// input/clipboard_copy.cpp: the selected rows (the current row when none is) as text on the
// clipboard; 1 when copied.
LRESULT OnCopy(GridInstance& grid, bool withTitles);

// input/editing.cpp: in-place editors.
LRESULT OnBeginEdit(GridInstance& grid, uint64_t column, uint64_t row);
// The cell GRM_ENDEDIT names; `requested` false: nothing happens.
void OnEndEdit(GridInstance& grid, uint32_t column, uint32_t row, bool requested);
void OnCancelEdit(GridInstance& grid);

// Scroll the view to a top row or a horizontal offset (pixels), as a thumb drag there would,
// within the bars' ranges (frame/viewport.cpp).
void ScrollRowsTo(GridInstance& grid, int64_t topRow);
void ScrollAcrossTo(GridInstance& grid, int64_t offset);

// access/: WM_GETOBJECT with OBJID_CLIENT, to the control or its list pane (the grid's object,
// with the rows as its children) and to the header pane (the titles' object). Zero without
// memory.
LRESULT OnGetObject(GridInstance& grid, WPARAM flags);
LRESULT OnGetHeaderObject(GridInstance& grid, WPARAM flags);
// True when a WM_GETOBJECT's object identifier is OBJID_CLIENT (only its low 32 bits count).
inline bool IsClientObject(LPARAM objectId) {
    return static_cast<DWORD>(objectId) == static_cast<DWORD>(OBJID_CLIENT);
}
// WM_GETOBJECT with UiaRootObjectId (-25), to the control or its list pane: the grid's UI
// Automation element, handed out from `window` through UiaReturnRawElementProvider with the
// message's parameters unchanged. Zero without memory.
LRESULT OnGetUiaRoot(GridInstance& grid, HWND window, WPARAM wParam, LPARAM lParam);
inline bool IsUiaRootObject(LPARAM objectId) {
    return static_cast<LONG>(static_cast<DWORD>(objectId)) == -25;
}

// Pane and editor procedures (input/header_pane.cpp, input/list_pane.cpp,
// input/editor_procs.cpp) and the resize line's painting (render/resize_line.cpp).
LRESULT CALLBACK HeaderPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ResizeLineProc(HWND line, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TextEditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK NumberEditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ChoiceEditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam);
// A choice editor's notification to the list pane (WM_COMMAND): a choice made in its list ends
// the edit with a commit.
void OnChoiceCommand(GridInstance& grid, WPARAM wParam, LPARAM lParam);

// frame/subclass.cpp: replacing a child's procedure, keeping the old one in GWLP_USERDATA.
void Subclass(HWND child, WNDPROC procedure);
LRESULT CallReplaced(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
// The child's replaced procedure, for a caller that sends it many messages in a row: looked up
// once, not for every message. Null when the child was never replaced.
WNDPROC ReplacedProcedure(HWND child);
// A message to the list pane's own procedure, past ListPaneProc: for the row count, which the
// pane refuses to change from outside. Looked up at creation, as a row append sends it per row.
LRESULT CallListBox(const GridInstance& grid, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vorlane
