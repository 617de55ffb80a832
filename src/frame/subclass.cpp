#include "frame/grid_handlers.h"

namespace vorlane {

void Subclass(HWND child, WNDPROC procedure) {
    if (child == nullptr) {
        return;
    }
    // A Unicode child (the editors of a Unicode grid) stays Unicode: its texts reach the
    // replacing procedure and the replaced one in UTF-16, never through the code page.
    const auto value = reinterpret_cast<LONG_PTR>(procedure);
    LONG_PTR replaced = IsWindowUnicode(child) ? SetWindowLongPtrW(child, GWLP_WNDPROC, value)
                                               : SetWindowLongPtrA(child, GWLP_WNDPROC, value);
    SetWindowLongPtrA(child, GWLP_USERDATA, replaced);
}

WNDPROC ReplacedProcedure(HWND child) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(child, GWLP_USERDATA));
}

LRESULT CallReplaced(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC replaced = ReplacedProcedure(child);
    const bool wide = IsWindowUnicode(child) != FALSE;
    if (replaced == nullptr) {
        return wide ? DefWindowProcW(child, message, wParam, lParam)
                    : DefWindowProcA(child, message, wParam, lParam);
    }
    return wide ? CallWindowProcW(replaced, child, message, wParam, lParam)
                : CallWindowProcA(replaced, child, message, wParam, lParam);
}

LRESULT CallListBox(const GridInstance& grid, UINT message, WPARAM wParam, LPARAM lParam) {
    if (grid.listBoxProc == nullptr) {
        return LB_ERR;  // no pane
    }
    // The pane's width follows the grid's class and never changes.
    return grid.store.textWidth() == TextWidth::Utf16
               ? CallWindowProcW(grid.listBoxProc, grid.listPane, message, wParam, lParam)
               : CallWindowProcA(grid.listBoxProc, grid.listPane, message, wParam, lParam);
}

}  // namespace vorlane
