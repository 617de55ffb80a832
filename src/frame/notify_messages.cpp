// Messages whose only work is a notification or a process-wide setting.
#include "frame/grid_handlers.h"
#include "frame/notify.h"
#include "frame/row_positions.h"
#include "frame/shared_state.h"

namespace vorlane {

void OnSetPartners(const PartnerSet* set) {
    if (set == nullptr) {
        return;
    }
    SharedGridState& shared = Shared();
    shared.dragWindow = set->dragWindow;
    shared.widthPartnerA = set->widthPartnerA;
    shared.widthPartnerB = set->widthPartnerB;
    shared.externalSource = set->externalSource;
    SetPaintInput(shared.rowImageList, set->rowImageList);
}

void OnActivateCell(GridInstance& grid, uint64_t column, uint64_t row) {
    if (!IsCell(grid, column, row)) {
        return;
    }
    GridNotify record =
        MakeNotify(grid, GRN_CELLCLICK, static_cast<UINT>(column), static_cast<UINT>(row));
    record.activated = grid.gesture.activationPending ? TRUE : FALSE;
    record.rowKind = grid.gesture.rowKind;
    SendNotify(grid, record);  // an activation cannot be vetoed
}

void OnSetDropDivider(uint32_t x) {
    Shared().dropDivider = x;
}

void OnNotifyButton(GridInstance& grid) {
    GridNotify record = MakeNotify(grid, GRN_BUTTON);
    record.buttonDown = Shared().drag.buttonDown ? TRUE : FALSE;
    SendNotify(grid, record);
}

namespace {

// The drop row as the receiving grid reports it. The drag keeps values no row position takes;
// a grid reports them as the low values its callers compare with, unless its window style, as it
// stands at the drop, asks for the values no row takes.
UINT ReportedDropRow(const GridInstance& grid, uint32_t dropRow) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(grid.ownWindow, GWL_STYLE));
    if ((style & GRS_HIGHDROPVALUES) != 0) {
        return dropRow;
    }
    switch (dropRow) {
        case kDropOtherList: return GRID_DROP_OTHER_LIST_LOW;
        case kDropNoRow: return GRID_DROP_NO_ROW_LOW;
        default: return dropRow;
    }
}

}  // namespace

void OnNotifyDrop(GridInstance& grid) {
    RowDrag& drag = Shared().drag;
    SetPaintInput(drag.dropAllowed, true);  // hwndFrom names the drag source
    GridNotify record = MakeNotify(grid, GRN_DROP);
    record.dropList = drag.dropSide;
    record.dropRow = ReportedDropRow(grid, drag.dropRow);
    SendNotify(grid, record);
    SetPaintInput(drag.dropAllowed, false);
}

void OnSetOuterZone(uint32_t x, bool enabled) {
    Shared().outerZoneX = x + 3;
    Shared().outerZoneEnabled = enabled;
}

void OnSetExternalDrag(bool flag) {
    Shared().drag.external = flag;
    Shared().drag.kind = 2;
}

}  // namespace vorlane
