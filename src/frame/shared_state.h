// State shared by every grid control of the process. Two grids cooperate through it (drag and
// drop, width mirroring, the selection tables), so it lives in one object, on one thread.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

namespace vorlane {

constexpr int kSelectionTableSize = 512;

// Drop-row values that name no row.
constexpr uint32_t kDropOtherList = 77777;
constexpr uint32_t kDropNoRow = 88888;
constexpr uint32_t kDropNone = 99999;

enum class ResizePhase : uint32_t { Idle = 0, Hovering = 1, Dragging = 2 };

struct SharedGridState {
    // Library.
    HINSTANCE moduleInstance = nullptr;  // this DLL; set at attach
    HMODULE richEditLibrary = nullptr;   // loaded at attach, freed at detach, otherwise unused

    // Selection tables: one per side (0 first list, 1 second list), indexed by activeSide.
    uint32_t selectionTables[2][kSelectionTableSize] = {};
    uint32_t activeSide = 0;  // 0 first list pane, 1 second; written by focus changes

    // Editing.
    bool endEditSuppressed = false;  // while set, hiding an editor does not end the edit
    bool commitOnHide = false;       // the text editor was closed with Enter

    // Column resizing in a header pane.
    ResizePhase resizePhase = ResizePhase::Idle;
    uint32_t resizeColumn = 0;  // column whose right edge is hovered or dragged
    int32_t resizeLeft = 0;     // x of the column last examined by the hover test
    int32_t grabOffset = 0;     // mouse x minus the column's right edge at the hover test

    // Partners and drag geometry (client coordinates of the drag window).
    HWND dragWindow = nullptr;     // parent of the latest control, or GRM_SETPARTNERS
    HWND widthPartnerA = nullptr;  // column widths follow each other
    HWND widthPartnerB = nullptr;
    HWND externalSource = nullptr;      // drag source reported for an external drag
    HIMAGELIST rowImageList = nullptr;  // images for kind cells with a non-zero high word
    HWND firstListPane = nullptr;       // list pane of the first control made while there was none
    HWND secondListPane = nullptr;      // list pane of the latest control made after it
    uint32_t dropDivider = 0;           // x at or left of it: the first list's zone
    uint32_t outerZoneX = 0;            // the x given + 3
    bool outerZoneEnabled = false;

    // List input.
    uint32_t pressRow = 0;           // row under the last left press in a list pane
    HWND pressPane = nullptr;        // list pane of the last left press; the click count's pane
    bool gridLines = false;          // grid lines in every control
    bool controlHeld = false;        // Ctrl held at the last left press or release
    bool shiftHeld = false;          // Shift held at the last left press or release
    uint32_t clickCounter = 0;       // a second click on the current row begins an edit
    bool rightButton = false;        // a right release is being handled as a left release
    bool activationPending = false;  // a double click or Enter awaits activation
    bool pressDeselected = false;    // the last press removed its row from the selection
    uint32_t rowKind = 0;            // kind word of the row last released or activated

    // Drag and drop.
    bool externalDrag = false;  // the application marked a drag of its own
    bool buttonDown = false;    // the left button is down in a list pane
    bool dropAllowed = false;   // the drop cursor shows; notifications carry the drag source
    HWND dragSource = nullptr;  // control the drag began in, or the external source
    uint32_t dropRow = 0;       // target row, kDropOtherList, kDropNoRow or 0
    uint32_t shownDropRow = 0;  // last mark shown: a row, kDropNoRow or kDropNone
    uint32_t dropSide = 0;      // 0 first list, 1 second list
    uint32_t dragKind = 0;      // pressed row's kind word (1 counts as 0); 2 for external
    int32_t dragOriginX = 0;    // where the drag began, drag-window coordinates; 0: not yet
    int32_t dragOriginY = 0;
};

// The one process-wide instance.
SharedGridState& Shared();

// The side whose list pane has the keyboard focus: 1 for the second registered list pane, else 0.
uint32_t FocusSide();

// The selection table of the active side.
uint32_t* ActiveSelectionTable();

// Clears every member that names a control being destroyed or its list pane: a window that is
// gone is no drag partner, and a later window may be given its handle.
void ForgetControl(HWND control, HWND listPane);

}  // namespace vorlane
