// The line shown while a column is resized. The window is a black-rectangle "Static", which would
// paint itself in a fixed system colour; it is painted here instead, in the header text colour,
// so that it shows on the header and the rows in whatever colours the grid was given (black, as
// the titles, until colours are set).
#include "frame/grid_handlers.h"

namespace vorlane {

namespace {

void PaintResizeLine(const GridInstance& grid, HWND line) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(line, &paint);
    if (dc == nullptr) {
        return;
    }
    RECT client;
    GetClientRect(line, &client);
    // An opaque empty text fills with the background colour without making a brush.
    SetBkColor(dc, grid.headerTextColor);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, "", 0, nullptr);
    EndPaint(line, &paint);
}

}  // namespace

LRESULT CALLBACK ResizeLineProc(HWND line, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT && message != WM_ERASEBKGND) {
        return CallReplaced(line, message, wParam, lParam);
    }
    InstanceHold hold(GetParent(line));
    if (!hold || hold->resizeLine != line) {
        return CallReplaced(line, message, wParam, lParam);
    }
    if (message == WM_ERASEBKGND) {
        return 1;  // the paint covers every pixel
    }
    PaintResizeLine(*hold.get(), line);
    return 0;
}

}  // namespace vorlane
