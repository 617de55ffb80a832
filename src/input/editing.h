// In-place editing: what the grid and its two editor procedures share. The message handlers
// themselves (GRM_BEGINEDIT, GRM_ENDEDIT, GRM_CANCELEDIT) are declared in frame/grid_handlers.h.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/grid_instance.h"
#include "vorlane.h"

namespace vorlane {

// GRM_BEGINEDIT's wParam that edits the current cell where it is, without moving it.
constexpr WPARAM kEditCurrentCell = GRID_EDIT_CURRENT;

// The cell content buffer of a beginning or ending edit: a text of at most 255 characters and
// its NUL, or a 32-bit value in its first four bytes.
constexpr uint32_t kEditBufferSize = 256;
// The raw text of a number editor, read before it is reduced to digits and '-'.
constexpr uint32_t kNumberEditTextSize = 64;

// The answer both editors give to WM_GETDLGCODE: DLGC_WANTCHARS | DLGC_WANTALLKEYS, so that a
// dialog hands Tab, Enter and Esc to the editor.
constexpr LRESULT kEditorDialogCode = DLGC_WANTCHARS | DLGC_WANTALLKEYS;

// Hides an editor of `grid` without ending its edit: nothing is notified and nothing written.
void HideEditorQuietly(GridInstance& grid, HWND editor);

// The grid window an editor belongs to (its parent is the list pane, whose parent is the grid).
inline HWND GridOfEditor(HWND editor) {
    return GetParent(GetParent(editor));
}

}  // namespace vorlane
