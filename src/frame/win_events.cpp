#include "frame/win_events.h"

namespace vorlane {

// The automation elements an event names are made on demand, outside the state the callers
// read: hence the grid is written through.
void RaiseRowEvent(const GridInstance& grid, DWORD event, uint32_t row) {
    NotifyWinEvent(event, grid.ownWindow, OBJID_CLIENT, static_cast<LONG>(row + 1));
    RaiseUiaWinEvent(const_cast<GridInstance&>(grid), event, static_cast<LONG>(row + 1));
}

void RaiseListEvent(const GridInstance& grid, DWORD event) {
    NotifyWinEvent(event, grid.ownWindow, OBJID_CLIENT, CHILDID_SELF);
    RaiseUiaWinEvent(const_cast<GridInstance&>(grid), event, CHILDID_SELF);
}

}  // namespace vorlane
