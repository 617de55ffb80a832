// State shared by every grid control of the process: only what two grids really share. The two
// registered list panes and their selection tables, the settings that hold for all controls
// (partners, drop zones, grid lines, the row images) and the drag in progress, which may begin in
// one grid's list pane and end in the other's. What belongs to one grid's own gesture lives in
// its GridInstance. One object, on one thread.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdint>
#include <vector>

#include "store/row_ranges.h"

#include "vorlane.h"

namespace vorlane {

// Drop-row values that name no row, above every position a list pane can hold. A drag keeps
// these whatever the grids; GRN_DROP reports them as the receiving grid's style asks.
constexpr uint32_t kDropOtherList = 0xFFFFFFF0;
constexpr uint32_t kDropNoRow = 0xFFFFFFF1;
constexpr uint32_t kDropNone = 0xFFFFFFF2;

// A row drag: from a left press in a list pane (or an external drag the application announced)
// to the next left release, which may come to the other grid's list pane once the capture has
// followed the pointer there. Written by the list pane's mouse handlers (input/list_pane_mouse.cpp,
// input/drag_drop.cpp) and the drag messages (frame/notify_messages.cpp).
struct RowDrag {
    HWND pressedPane = nullptr;  // list pane of the last left press: its grid holds the gesture
                                 // that moves and the release continue, and a press in any
                                 // other pane starts that pane's click count afresh
    bool buttonDown = false;     // the left button is down in a list pane
    bool external = false;       // the application marked a drag of its own
    uint32_t kind = 0;           // pressed row's kind word (1 counts as 0); 2 for external
    HWND source = nullptr;       // control the drag began in, or the external source
    int32_t originX = 0;         // where the drag began, drag-window coordinates; 0: not yet
    int32_t originY = 0;
    bool dropAllowed = false;   // the drop cursor shows; notifications carry the drag source
    uint32_t dropRow = 0;       // target row, kDropOtherList, kDropNoRow or 0
    uint32_t shownDropRow = 0;  // last mark shown: a row, kDropNoRow or kDropNone
    uint32_t dropSide = 0;      // 0 first list, 1 second list
    bool abandoned = false;     // Escape ended the drag: until the next press, the button's
                                // moves and its release do nothing
};

struct SharedGridState {
    // Library.
    HINSTANCE moduleInstance = nullptr;  // this DLL; set at attach
    HMODULE richEditLibrary = nullptr;   // loaded at attach, freed at detach, otherwise unused

    // The two registered list panes, one per side (0 first, 1 second).
    HWND firstListPane = nullptr;   // list pane of the first control made while there was none
    HWND secondListPane = nullptr;  // list pane of the latest control made after it
    // Selection tables, one per side: every selected position of a pane, ascending, as last
    // saved. A press saves its pane's selection into the active side's table, and its release (in
    // whichever pane it comes to) may restore it from there; a sort leaves the new positions.
    // Kept as row ranges: a selection of millions of rows costs what its runs cost.
    RowRanges selectionTables[2];
    uint32_t activeSide = 0;  // FocusSide() as the last press, current-cell change or look had it

    // Settings for every control.
    bool gridLines = false;        // grid lines in every control
    HWND dragWindow = nullptr;     // parent of the latest control, or GRM_SETPARTNERS
    HWND widthPartnerA = nullptr;  // column widths follow each other
    HWND widthPartnerB = nullptr;
    HWND externalSource = nullptr;      // drag source reported for an external drag
    HIMAGELIST rowImageList = nullptr;  // images for kind cells with a non-zero high word
    uint32_t dropDivider = 0;           // drag-window x at or left of it: the first list's zone
    uint32_t outerZoneX = 0;            // the x given + 3
    bool outerZoneEnabled = false;

    RowDrag drag;

    // The platform's simple upper case of every UTF-16 unit, which Unicode grids sort by (the
    // order of an ordinal comparison that ignores case); built by WideFoldTable on first use.
    std::array<uint16_t, 0x10000> wideFold = {};
    bool wideFoldBuilt = false;
    // Moves on with every change of a process-wide input of row painting: the grid lines, the
    // row images, the registered list panes and the drop mark (drag.dropAllowed, dropRow,
    // dropSide). Written through SetPaintInput.
    uint64_t lookGeneration = 1;
};

// The one process-wide instance.
SharedGridState& Shared();

// The folding table of Unicode grids' text keys (SharedGridState::wideFold), built once.
const uint16_t* WideFoldTable();
// Writes a process-wide input of row painting; a changed value moves the look generation on.
template <class T>
void SetPaintInput(T& field, T value) {
    if (field != value) {
        field = value;
        ++Shared().lookGeneration;
    }
}

// The side whose list pane has the keyboard focus: 1 for the second registered list pane, else 0.
uint32_t FocusSide();

// The selection table of the active side.
RowRanges& ActiveSelectionTable();

// Clears every member that names a control being destroyed or its list pane: a window that is
// gone is no drag partner, and a later window may be given its handle.
void ForgetControl(HWND control, HWND listPane);

}  // namespace vorlane
