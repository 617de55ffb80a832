// In-place editing: what the grid, its list pane and the two editor procedures share. The
// message handlers themselves (GRM_BEGINEDIT, GRM_ENDEDIT, GRM_CANCELEDIT) are declared in
// frame/grid_handlers.h.
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

// How an edit ends. Every way runs through EndEdit.
enum class EditEnd {
    Commit,     // Enter in the text editor: the parent is asked (GRN_ENDEDIT), then the text is
                // written (GRM_SETCELLEX); a veto writes nothing
    Discard,    // the editor was closed otherwise (Tab, Enter in a number editor, the list pane
                // taking the focus, another edit beginning, a hide from outside): asked, unwritten
    Requested,  // GRM_ENDEDIT: asked and unwritten, but a veto leaves the editor open and shown
    Silent,     // GRM_CANCELEDIT: nobody is asked and nothing written
};

// Ends the edit under way; `cell` is the cell reported and written: the edit's own, or the one
// GRM_ENDEDIT names. An end that goes on hides the editor as its last step
// and forgets it. After a veto, a Commit or Discard end hides the editor all the same and keeps it
// as the edit's (the user closed it), while a Requested one leaves it as it was. An end may run
// with no editor open (GRM_ENDEDIT reports an empty content then). The parent may destroy the
// control inside the notifications: check grid.destroyed.
void EndEdit(GridInstance& grid, EditEnd how, CellAddress cell);

// The user closed `editor` (Enter, Tab) or the control closes it: a shown editor of the edit
// under way ends it by `how`; any other shown editor, or one shown while an end is under way
// already, is only hidden; a hidden one is left alone.
void CloseEditor(GridInstance& grid, HWND editor, EditEnd how);

// Closes the editor of the edit under way, if any (CloseEditor with Discard), and forgets it.
// False when the parent destroyed the control meanwhile.
bool CloseActiveEditor(GridInstance& grid);

// Hides an editor of `grid` without ending its edit: nothing is notified and nothing written.
void HideEditorQuietly(GridInstance& grid, HWND editor);

// The grid window an editor belongs to (its parent is the list pane, whose parent is the grid).
inline HWND GridOfEditor(HWND editor) {
    return GetParent(GetParent(editor));
}

}  // namespace vorlane
