#include "frame/shared_state.h"

#include <initializer_list>

namespace vorlane {

SharedGridState& Shared() {
    static SharedGridState state;
    return state;
}

uint32_t FocusSide() {
    HWND focus = GetFocus();
    return focus != nullptr && focus == Shared().secondListPane ? 1 : 0;
}

uint32_t* ActiveSelectionTable() {
    SharedGridState& shared = Shared();
    return shared.selectionTables[shared.activeSide != 0 ? 1 : 0];
}

void ForgetControl(HWND control, HWND listPane) {
    SharedGridState& shared = Shared();
    for (HWND* member : {&shared.firstListPane, &shared.secondListPane}) {
        if (*member == listPane) {
            SetPaintInput<HWND>(*member, nullptr);
        }
    }
    if (shared.drag.pressedPane == listPane) {
        shared.drag.pressedPane = nullptr;
    }
    for (HWND* member : {&shared.drag.source, &shared.widthPartnerA, &shared.widthPartnerB}) {
        if (*member == control) {
            *member = nullptr;
        }
    }
}

}  // namespace vorlane
