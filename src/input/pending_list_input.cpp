// List pane input is not built yet: the list box handles its own input.
#include "frame/grid_handlers.h"

namespace vorlane {

LRESULT CALLBACK ListPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallReplaced(pane, message, wParam, lParam);
}

}  // namespace vorlane
