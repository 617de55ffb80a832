#include "frame/win_events.h"

namespace vorlane {

void RaiseRowEvent(const GridInstance& grid, DWORD event, uint32_t row) {
    NotifyWinEvent(event, grid.ownWindow, OBJID_CLIENT, static_cast<LONG>(row + 1));
}

void RaiseListEvent(const GridInstance& grid, DWORD event) {
    NotifyWinEvent(event, grid.ownWindow, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace vorlane
