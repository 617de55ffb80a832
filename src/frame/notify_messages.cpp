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

void OnNotifyDrop(GridInstance& grid) {
    RowDrag& drag = Shared().drag;
    SetPaintInput(drag.dropAllowed, true);  // hwndFrom names the drag source
    GridNotify record = MakeNotify(grid, GRN_DROP);
    record.dropList = drag.dropSide;
    record.dropRow = drag.dropRow;
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
