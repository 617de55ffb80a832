// The row under the pointer (GRS_HOTTRACK): drawn in the hot look while the pointer rests on it,
// and no longer once the pointer leaves the rows, a button drags, or the rows move under it.
#pragma once

#include <windows.h>

#include "frame/grid_instance.h"

namespace vorlane {

constexpr uint32_t kNoHotRow = 0xFFFFFFFF;  // GridInstance::hotRow when no row is hot

// The pointer moved over the list pane to `point` (pane coordinates) with `keys` held.
void TrackHotRow(GridInstance& grid, WPARAM keys, LPARAM point);

// No row is hot any more; the one that was is painted again.
void EndHotRow(GridInstance& grid);

// Watches one message to the list pane: if the list box moved its top row meanwhile (a scroll
// copies the rows' pixels, the hot row's with them, under a still pointer), the hot row ends and
// the pane is painted whole.
class HotRowScrollWatch {
  public:
    HotRowScrollWatch(GridInstance& grid, bool mayMoveRows);
    ~HotRowScrollWatch();
    HotRowScrollWatch(const HotRowScrollWatch&) = delete;
    HotRowScrollWatch& operator=(const HotRowScrollWatch&) = delete;

  private:
    GridInstance& grid_;
    LRESULT top_ = -1;  // the top row before the message; -1 when not watched
};

// GRM_SETHOTCOLOR: returns the colour set before, CLR_DEFAULT when none was.
COLORREF OnSetHotColor(GridInstance& grid, COLORREF color);

}  // namespace vorlane
