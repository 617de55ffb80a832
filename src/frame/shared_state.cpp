#include "frame/shared_state.h"

#include <initializer_list>

namespace vorlane {

SharedGridState& Shared() {
    static SharedGridState state;
    return state;
}

void ForgetControl(HWND control, HWND listPane) {
    SharedGridState& shared = Shared();
    for (HWND* member : {&shared.firstListPane, &shared.secondListPane, &shared.pressPane}) {
        if (*member == listPane) {
            *member = nullptr;
        }
    }
    for (HWND* member : {&shared.dragSource, &shared.widthPartnerA, &shared.widthPartnerB}) {
        if (*member == control) {
            *member = nullptr;
        }
    }
}

}  // namespace vorlane
