// What a screen reader may do to a row, done as the matching mouse gestures do it: the same
// selection changes, the same messages to the control, hence the same notifications and the
// same vetoes. Each may run client code: check destroyed after.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/grid_instance.h"

namespace vorlane {

// accSelect's SELFLAG_ combination on `row`: TAKESELECTION as a plain click, ADDSELECTION as a
// Ctrl click on an unselected row, REMOVESELECTION as a Ctrl click on a selected one,
// EXTENDSELECTION as a Shift click (with ADDSELECTION, Ctrl and Shift), TAKEFOCUS alone as a
// click that keeps the other rows selected; TAKEFOCUS also gives the list pane the focus.
// E_INVALIDARG for a combination that contradicts itself; S_FALSE for a row of the inert kind,
// which no click selects.
HRESULT SelectRowAsClicked(GridInstance& grid, uint32_t row, LONG flags);

// accDoDefaultAction: the row is clicked and then activated, as a double click does.
HRESULT ActivateRowAsDoubleClicked(GridInstance& grid, uint32_t row);

}  // namespace vorlane
