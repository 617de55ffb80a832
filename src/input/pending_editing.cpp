// In-place editing is not built yet: no edit begins, and the editors pass everything on.
#include "frame/grid_handlers.h"

namespace vorlane {

LRESULT OnBeginEdit(GridInstance&, WPARAM, LPARAM) { return 0; }
void OnEndEdit(GridInstance&, WPARAM, LPARAM) {}
void OnCancelEdit(GridInstance&) {}

LRESULT CALLBACK TextEditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallReplaced(editor, message, wParam, lParam);
}
LRESULT CALLBACK NumberEditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallReplaced(editor, message, wParam, lParam);
}

}  // namespace vorlane
