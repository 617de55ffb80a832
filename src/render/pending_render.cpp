// Painting is not built yet: rows and titles draw nothing; the header pane passes everything on.
#include "frame/grid_handlers.h"

namespace vorlane {

void OnDrawItem(GridInstance&, const DRAWITEMSTRUCT*) {}

LRESULT CALLBACK HeaderPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallReplaced(pane, message, wParam, lParam);
}

}  // namespace vorlane
