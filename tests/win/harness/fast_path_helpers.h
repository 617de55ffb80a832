// Helpers for the tests of the control's fast paths: pixels exactly as the screen shows them
// (no repaint forced first), and the view state that bringing the current cell into view sets.
#pragma once

#include <windows.h>

#include <vector>

namespace testing_support {

// The pixels of a window as the screen holds them this moment: no pending paint runs first.
// With `frame` the whole window (its scroll bars included), else the client area.
std::vector<DWORD> ScreenPixels(HWND window, bool frame);

// The pixels of a window as shown now, after the pending paints have run; nothing is
// invalidated first.
std::vector<DWORD> ShownPixels(HWND window, bool frame);

// Repaints the whole window, frame and children, and returns ShownPixels afterwards.
std::vector<DWORD> RepaintedPixels(HWND window, bool frame);

// The screen positions (0 at the top) of the rows of a list pane, `rowHeight` pixels high,
// whose pixels on the screen this moment differ from what a full repaint of the pane shows.
std::vector<int> RowsUnlikeARepaint(HWND pane, int rowHeight);

// What GRM_ENSUREVISIBLE and the scroll messages leave behind in a grid: the list pane's top
// row and caret, the current cell, the horizontal position of the panes and both bars.
struct ViewState {
    LRESULT topRow = 0;
    LRESULT caret = 0;
    LRESULT currentColumn = 0;
    LRESULT currentRow = 0;
    LRESULT rememberedTopRow = 0;
    LONG paneLeft = 0;
    SCROLLINFO vertical = {};
    SCROLLINFO horizontal = {};

    bool operator==(const ViewState& other) const;
};
ViewState ViewOf(HWND grid);

}  // namespace testing_support
