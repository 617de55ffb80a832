#include "frame/shared_state.h"

#include <initializer_list>

namespace vorlane {

SharedGridState& Shared() {
    static SharedGridState state;
    return state;
}

const uint16_t* WideFoldTable() {
    SharedGridState& shared = Shared();
    if (!shared.wideFoldBuilt) {
        // ntdll's upper-casing of one unit is what the platform's ordinal comparison ignoring
        // case applies; without it, the user32 upper-casing of one character at a time.
        using UpcaseUnit = WCHAR(WINAPI*)(WCHAR);
        auto upcase = reinterpret_cast<UpcaseUnit>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlUpcaseUnicodeChar")));
        for (uint32_t unit = 0; unit <= 0xFFFF; ++unit) {
            WCHAR upper = static_cast<WCHAR>(unit);
            if (upcase != nullptr) {
                upper = upcase(upper);
            } else {
                CharUpperBuffW(&upper, 1);
            }
            // Only 0 may fold to 0: the sort reads a folded 0 as the end of a text.
            shared.wideFold[unit] = unit != 0 && upper == 0 ? static_cast<uint16_t>(unit) : upper;
        }
        shared.wideFoldBuilt = true;
    }
    return shared.wideFold.data();
}

uint32_t FocusSide() {
    HWND focus = GetFocus();
    return focus != nullptr && focus == Shared().secondListPane ? 1 : 0;
}

RowRanges& ActiveSelectionTable() {
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
