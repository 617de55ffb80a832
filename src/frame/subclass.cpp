#include "frame/grid_handlers.h"

namespace vorlane {

void Subclass(HWND child, WNDPROC procedure) {
    if (child == nullptr) {
        return;
    }
    LONG_PTR replaced =
        SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    SetWindowLongPtrA(child, GWLP_USERDATA, replaced);
}

LRESULT CallReplaced(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    auto replaced = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(child, GWLP_USERDATA));
    if (replaced == nullptr) {
        return DefWindowProcA(child, message, wParam, lParam);
    }
    return CallWindowProcA(replaced, child, message, wParam, lParam);
}

}  // namespace vorlane
