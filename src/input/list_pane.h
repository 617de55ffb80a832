// The list pane's input: rows under the pointer, kind words, and the handlers of the pane
// procedure (ListPaneProc, declared with the other procedures in frame/grid_handlers.h).
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/grid_instance.h"

namespace vorlane {

// The position of a point that has no row under it: above the pane, below the last row, or in
// a grid without columns.
constexpr uint32_t kNoRow = 0xFFFFFFFF;

// Kind words with a meaning of their own to the list pane.
constexpr uint32_t kKindInert = 0;     // no selection, no current cell, no drag
constexpr uint32_t kKindPlain = 1;     // selectable only
constexpr uint32_t kKindTarget = 2;    // the only drop target
constexpr uint32_t kKindUnmarked = 9;  // becomes kKindTarget at its first press

// The list position under pane coordinate y, or kNoRow.
uint32_t RowAtPaneY(const GridInstance& grid, int y);
// The list position under a mouse message's point, or kNoRow.
uint32_t RowAtPoint(const GridInstance& grid, LPARAM point);
// The row's whole 32-bit kind cell; 0 for kNoRow or any position that names no row.
uint32_t KindCellOfRow(GridInstance& grid, uint32_t row);
inline uint32_t KindWord(uint32_t kindCell) {
    return kindCell & 0xFFFF;
}

// The gesture that a release or a move in `grid`'s list pane continues: that of the grid whose
// list pane was pressed last, which a drag may have left for this one; `grid`'s own when that
// grid is gone. Look it up again after any message that may reach the parent.
ListGesture& PressGesture(GridInstance& grid);

// Sends GRM_ACTIVATECELL for the current row with the activation marked, as Enter and the
// release after a double click do; the mark holds while the message runs.
void ActivateCurrentRow(GridInstance& grid);

// Sends the parent WM_CONTEXTMENU from the control at a screen point, (-1, -1) for the
// keyboard. The parent may destroy the control meanwhile: check destroyed.
void SendContextMenu(const GridInstance& grid, POINT screen);

// The list pane's timer of a second click's edit.
constexpr UINT_PTR kPendingEditTimer = 0x5644;

// list_pane_mouse.cpp: presses and releases of either button, and double clicks.
void OnListLButtonDown(GridInstance& grid, LPARAM point);
void OnListLButtonUp(GridInstance& grid, WPARAM keys, LPARAM point);
void OnListRButtonDown(GridInstance& grid);
void OnListRButtonUp(GridInstance& grid);
void OnListLButtonDblClk(GridInstance& grid);
// A second click's edit opens when the double-click time has passed (the pane's timer), unless a
// press, a key, a scroll or the focus leaving cancelled it first.
void OnPendingEditTimer(GridInstance& grid);
void CancelPendingEdit(GridInstance& grid);

// list_pane_keys.cpp: reports a key to the parent (GRN_KEYDOWN); true when the parent
// consumed it. The parent may destroy the control meanwhile: check destroyed.
bool ParentConsumesKey(GridInstance& grid, WPARAM virtualKey);
// A command key with exactly its modifiers runs its command (Ctrl+A, Ctrl+C, Ctrl+Insert, F2,
// Shift+F10, the Menu key); true when it was one.
bool OnListCommandKey(GridInstance& grid, WPARAM virtualKey);
// Enter, Down, Up, Page Up and Page Down, Ctrl+A, Ctrl+C and Ctrl+Insert, F2, Shift+F10 and
// the Menu key. False for any other key, which the list box handles.
bool OnListKeyDown(GridInstance& grid, WPARAM virtualKey, LPARAM keyData);

// Scan code with the extended-key flag: bits 16 to 25 of the key data.
inline uint32_t ScanValue(LPARAM keyData) {
    return static_cast<uint32_t>(static_cast<uintptr_t>(keyData) >> 16) & 0x3FF;
}
// The key's scan code, from the main block or the keypad (the extended-key flag 0x100), either
// way. A key is known by its virtual key and its scan value together, so that keys synthesised
// without a scan code reach the list box.
inline bool ScanMatches(uint32_t scan, uint32_t code) {
    return scan == code || scan == (code | 0x100);
}

// list_keys_conventional.cpp: the keys of GRS_LISTCONVENTIONS (Up, Down, Page Up, Page Down,
// Home and End with Shift and Ctrl, and Ctrl+Space); false for any other key.
bool OnConventionalListKey(GridInstance& grid, WPARAM virtualKey, LPARAM keyData);

// type_to_find.cpp: a key down reaching the pane, and whether the parent consumed it (then
// the characters it makes are not typed).
void NoteListKeyDown(GridInstance& grid, bool consumed);
// A character typed in the pane (WM_CHAR: a code-page byte of an ANSI grid, a UTF-16 unit of a
// Unicode one) at message time `time`: extends or starts the prefix and makes the next row
// beginning with it current.
void OnListChar(GridInstance& grid, WPARAM unit, DWORD time);

}  // namespace vorlane
