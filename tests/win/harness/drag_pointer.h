// A pointer that drags rows the way the system delivers a drag: the real pointer is moved with
// SetCursorPos, and each mouse message goes to the window holding the capture, else to the
// window under the pointer. Points are in the client coordinates of `window`, the drag window.
#pragma once

#include <windows.h>

#include "harness.h"
#include "input_helpers.h"

namespace testing_support {

class DragPointer {
  public:
    explicit DragPointer(HWND dragWindow) : window(dragWindow) {}

    // A point on a row of a grid, in the parent's client coordinates.
    POINT OnRow(HWND grid, int row, int x = 40) {
        const LPARAM inPane = RowPoint(grid, row, x);
        POINT point = {LOWORD(inPane), HIWORD(inPane)};
        MapWindowPoints(ListPane(grid), window, &point, 1);
        return point;
    }
    // The window the system gives a mouse message at `point` to: the capture, else the list
    // pane under the point.
    HWND Target(POINT point) {
        if (GetCapture() != nullptr) {
            return GetCapture();
        }
        ClientToScreen(window, &point);
        return WindowFromPoint(point);
    }
    void Mouse(UINT message, POINT point, WPARAM keys) {
        PointerAt(window, point);
        HWND target = Target(point);
        MapWindowPoints(window, target, &point, 1);
        SendMessageA(target, message, keys, MAKELPARAM(point.x, point.y));
    }
    void PressAt(POINT point) { Mouse(WM_LBUTTONDOWN, point, MK_LBUTTON); }
    void MoveTo(POINT point, WPARAM keys = MK_LBUTTON) { Mouse(WM_MOUSEMOVE, point, keys); }
    void ReleaseAt(POINT point) { Mouse(WM_LBUTTONUP, point, 0); }
    // Moves onto the other list. The first move there still goes to the pane that holds the
    // capture, which hands the capture over; the second is the other pane's own.
    void CrossTo(POINT point) {
        MoveTo(point);
        MoveTo(point);
    }
    // Press, then the first move, which takes the drag origin.
    void StartDrag(POINT point) {
        PressAt(point);
        MoveTo(point);
    }

    HWND window;  // the drag window, whose client coordinates the points are in
};

}  // namespace testing_support
