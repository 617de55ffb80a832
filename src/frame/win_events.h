// The accessible events a grid raises (NotifyWinEvent) about its OBJID_CLIENT object, the list
// whose children are the rows: child id row position + 1, or the list itself. Screen readers
// hear of the focus, the selection, names and order through these.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/grid_instance.h"

namespace vorlane {

// An event about the row at `row` (position).
void RaiseRowEvent(const GridInstance& grid, DWORD event, uint32_t row);
// An event about the list as a whole.
void RaiseListEvent(const GridInstance& grid, DWORD event);

// While one lives, the selection functions raise no events: a sort selects its rows again at
// their new places and reports the new order instead.
class QuietSelection {
  public:
    explicit QuietSelection(GridInstance& grid) : grid_(grid) { ++grid_.quietSelection; }
    ~QuietSelection() { --grid_.quietSelection; }
    QuietSelection(const QuietSelection&) = delete;
    QuietSelection& operator=(const QuietSelection&) = delete;

  private:
    GridInstance& grid_;
};

}  // namespace vorlane
