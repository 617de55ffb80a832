// What the frame asks of accessibility, which access/ does: the accessible objects one grid has
// handed out (made at the first WM_GETOBJECT), which the grid's destruction disconnects. Only a
// forward declaration here: the frame never sees inside.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

namespace vorlane {

struct AccessObjects;  // access/access_objects.h

// Disconnects the objects, whose holders then get errors instead of the grid's state, and
// drops the grid's references to them.
struct AccessObjectsFree {
    void operator()(AccessObjects* objects) const;
};
using AccessObjectsHold = std::unique_ptr<AccessObjects, AccessObjectsFree>;

struct GridInstance;

// The UI Automation side of a WinEvent the grid raises (`child` a row position + 1, or
// CHILDID_SELF), and of a cell's write (its value or check state changed).
void RaiseUiaWinEvent(GridInstance& grid, DWORD event, LONG child);
void RaiseUiaCellWritten(GridInstance& grid, uint32_t column, uint32_t row);
// Raises what the events above left owed until the grid's outermost handler ended.
void RaiseOwedUiaEvents(GridInstance& grid);

}  // namespace vorlane
