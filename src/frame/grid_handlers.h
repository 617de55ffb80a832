// Handlers of the grid window procedure, one per message, grouped by the file that holds them.
// Each takes the instance of the window it was called for.
#pragma once

#include <windows.h>

#include "frame/grid_instance.h"

namespace vorlane {

// frame/grid_window.cpp: the procedure and layout (creation and destruction: grid_lifetime.h).
LRESULT CALLBACK GridWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void OnSize(GridInstance& grid);

// frame/viewport.cpp: scrolling and the current cell.
void UpdateScrollBars(GridInstance& grid);
void OnVScroll(GridInstance& grid, WPARAM wParam);
void OnHScroll(GridInstance& grid, WPARAM wParam);
void OnMouseWheel(HWND window, WPARAM wParam);
LRESULT OnSetCurCell(GridInstance& grid, WPARAM column, LPARAM row);
void OnGetCellRect(GridInstance& grid, WPARAM cell, LPARAM rect);
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
void OnSetPartners(LPARAM partners);
void OnActivateCell(GridInstance& grid, WPARAM column, LPARAM row);
void OnSetDropDivider(WPARAM x);
void OnNotifyButton(GridInstance& grid);
void OnNotifyDrop(GridInstance& grid);
void OnSetOuterZone(WPARAM x, LPARAM enabled);
void OnSetExternalDrag(LPARAM flag);

// frame/column_messages.cpp: columns and heights.
LRESULT OnAddColumn(GridInstance& grid, LPARAM desc);
LRESULT OnGetColWidth(GridInstance& grid, WPARAM column);
void OnSetColWidth(GridInstance& grid, WPARAM column, LPARAM width);
void OnSetHeaderHeight(GridInstance& grid, LPARAM height);
void OnSetRowHeight(GridInstance& grid, LPARAM height);
void OnGetColTitle(GridInstance& grid, WPARAM column, LPARAM buffer);
void OnSetColTitle(GridInstance& grid, WPARAM column, LPARAM title);
LRESULT OnGetColKind(GridInstance& grid, WPARAM column);

// frame/row_messages.cpp: rows, cells and selection.
LRESULT OnAddRow(GridInstance& grid, LPARAM values);
LRESULT OnAddRows(GridInstance& grid, WPARAM count, LPARAM values);
void OnGetCell(GridInstance& grid, WPARAM cell, LPARAM destination);
void OnSetCell(GridInstance& grid, WPARAM cell, LPARAM source);
void OnClearRows(GridInstance& grid);
LRESULT OnGetRowCount(GridInstance& grid);
LRESULT OnGetSelRows(GridInstance& grid, LPARAM positions);
void OnSelectAll(GridInstance& grid);
void OnDeselectAll(GridInstance& grid);
void OnInvertSelection(GridInstance& grid);

// frame/sort_messages.cpp: sorting.
void OnSort(GridInstance& grid, WPARAM column, LPARAM mode);

// render/row_look.cpp: before a vertical scroll. The list box moves the rows it keeps on screen
// and paints only those it uncovers; the whole pane is invalidated unless that shows what
// painting every row would.
void PrepareRowsForScroll(GridInstance& grid);

// render/draw_item.cpp: owner drawing of the header and list panes.
void OnDrawItem(GridInstance& grid, const DRAWITEMSTRUCT* item);

// frame/appearance_messages.cpp: colours, fonts and redraw.
void OnSetColors(GridInstance& grid, LPARAM colors);
void OnSetFonts(GridInstance& grid, WPARAM headerFont, LPARAM listFont);
void OnSetGridLines(GridInstance& grid, WPARAM on);
void OnSetActiveLook(GridInstance& grid, WPARAM notify, LPARAM active);
void OnRedraw(GridInstance& grid);

// input/editing.cpp: in-place editors.
LRESULT OnBeginEdit(GridInstance& grid, WPARAM column, LPARAM row);
void OnEndEdit(GridInstance& grid, WPARAM cell, LPARAM ignoreUnlessZero);
void OnCancelEdit(GridInstance& grid);

// Pane and editor procedures (input/header_pane.cpp, input/list_pane.cpp,
// input/editor_procs.cpp).
LRESULT CALLBACK HeaderPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TextEditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK NumberEditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam);

// frame/subclass.cpp: replacing a child's procedure, keeping the old one in GWLP_USERDATA.
void Subclass(HWND child, WNDPROC procedure);
LRESULT CallReplaced(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vorlane
