#include "fast_path_helpers.h"

#include <algorithm>
#include <cstring>

#include "harness.h"
#include "screen_pixels.h"
#include "vorlane.h"

namespace testing_support {

namespace {

bool SameBar(const SCROLLINFO& a, const SCROLLINFO& b) {
    return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
}

SCROLLINFO BarOf(HWND grid, int bar) {
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    GetScrollInfo(grid, bar, &info);
    return info;
}

}  // namespace

std::vector<DWORD> ScreenPixels(HWND window, bool frame) {
    RECT area;
    if (frame) {
        GetWindowRect(window, &area);
        OffsetRect(&area, -area.left, -area.top);
    } else {
        GetClientRect(window, &area);
    }
    const int width = area.right;
    const int height = area.bottom;
    std::vector<DWORD> pixels(static_cast<size_t>(width > 0 ? width : 0) *
                              static_cast<size_t>(height > 0 ? height : 0));
    if (pixels.empty()) {
        return pixels;
    }
    HDC source = frame ? GetWindowDC(window) : GetDC(window);
    pixels = CopyPixels(source, 0, 0, width, height);
    ReleaseDC(window, source);
    return pixels;
}

std::vector<DWORD> ShownPixels(HWND window, bool frame) {
    PumpMessages();
    return ScreenPixels(window, frame);
}

std::vector<DWORD> RepaintedPixels(HWND window, bool frame) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return ShownPixels(window, frame);
}

std::vector<int> RowsUnlikeARepaint(HWND pane, int rowHeight) {
    const std::vector<DWORD> shown = ScreenPixels(pane, false);
    const std::vector<DWORD> repainted = RepaintedPixels(pane, false);
    RECT client;
    GetClientRect(pane, &client);
    const size_t rowPixels = static_cast<size_t>(client.right) * static_cast<size_t>(rowHeight);
    std::vector<int> unlike;
    for (int row = 0; rowPixels != 0 && (row + 1) * rowPixels <= shown.size(); ++row) {
        const auto from = static_cast<ptrdiff_t>(row * rowPixels);
        const auto to = from + static_cast<ptrdiff_t>(rowPixels);
        if (!std::equal(shown.begin() + from, shown.begin() + to, repainted.begin() + from)) {
            unlike.push_back(row);
        }
    }
    return unlike;
}

bool ViewState::operator==(const ViewState& other) const {
    return topRow == other.topRow && caret == other.caret && currentColumn == other.currentColumn &&
           currentRow == other.currentRow && rememberedTopRow == other.rememberedTopRow &&
           paneLeft == other.paneLeft && SameBar(vertical, other.vertical) &&
           SameBar(horizontal, other.horizontal);
}

ViewState ViewOf(HWND grid) {
    ViewState state;
    HWND pane = ListPane(grid);
    state.topRow = SendMessageA(pane, LB_GETTOPINDEX, 0, 0);
    state.caret = SendMessageA(pane, LB_GETCARETINDEX, 0, 0);
    state.currentColumn = SendMessageA(grid, GRM_GETCURCOL, 0, 0);
    state.currentRow = SendMessageA(grid, GRM_GETCURROW, 0, 0);
    state.rememberedTopRow = SendMessageA(grid, GRM_GETTOPINDEX, 0, 0);
    state.paneLeft = RectInParent(pane).left;
    state.vertical = BarOf(grid, SB_VERT);
    state.horizontal = BarOf(grid, SB_HORZ);
    return state;
}

}  // namespace testing_support
