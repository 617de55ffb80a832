// The per-control state. One GridInstance per grid window, created at WM_CREATE and found
// through the window's extra slot 0; the panes find it through their parent, the editors
// through their grandparent.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "frame/accessibility.h"
#include "frame/column_windows.h"
#include "frame/dpi.h"
#include "frame/painting.h"
#include "store/grid_store.h"
#include "store/row_page.h"
#include "store/row_ranges.h"
#include "vorlane.h"

namespace vorlane {

constexpr int kDefaultHeaderHeight = 17;  // at 96 DPI; scaled to the window's DPI
constexpr int kDefaultRowHeight = 17;
constexpr int kPaneWidth = 8192;  // both panes; horizontal scrolling moves them left

// What the last GRM_ENSUREVISIBLE that moved nothing found (viewport.cpp). Appending rows at the
// end changes none of its inputs: while the view generation is as recorded, an append may leave
// the view as it is and only extend the vertical scroll bar.
struct SettledView {
    bool valid = false;                   // the fields below describe the view as it still was then
    uint64_t atGeneration = 0;            // GridInstance::viewGeneration when they were recorded
    int32_t topRow = 0;                   // the list pane's top row then
    RECT client = {};                     // the control's client rectangle
    bool verticalPaintPending = false;    // a bar's new values wait for the window's next frame
    bool horizontalPaintPending = false;  // paint (set by appends, which invalidate a bar once
                                          // per run; cleared when the frame is painted)
    bool appendAsking = false;  // the GRM_ENSUREVISIBLE under way was sent by a row append
    bool wheelTurning = false;  // the line scrolls under way were sent by a wheel message
    DWORD wheelPaintTick = 0;   // when a wheel message last painted the rows it moved
};

// How GRM_SETCURCELL changes the selection for the row it makes current. The list pane's keys
// and clicks choose it for the one message they send next; the message takes it back to Add.
enum class SelectOnMove : uint8_t {
    Add,         // adds the row, or with Shift held at the last press stretches the selection
    Alone,       // the row alone
    FromAnchor,  // the rows from the anchor to the row, alone
    None,        // leaves the selection as it is
};

// A left press in this grid's list pane and what follows it: the release (which a drag may
// carry into the other grid's list pane, where it continues this gesture; see RowDrag), double
// clicks, and the count that turns a second click on the current row into an edit. Written by
// the list pane's handlers (input/list_pane_mouse.cpp, input/list_pane_keys.cpp) and
// GRM_CLEARROWS (the count).
struct ListGesture {
    uint32_t pressRow = 0;           // list position under the last left (or right) press
    uint32_t clickCounter = 0;       // presses and releases on one row; above 1 a click edits
    bool pressDeselected = false;    // the last press removed its row from the selection (Ctrl)
    bool activationPending = false;  // a double click awaits its activation; also set while
                                     // Enter's or a release's GRM_ACTIVATECELL runs
    // Read by this grid's GRM_SETCURCELL and GRM_ACTIVATECELL, which the pane's handlers send.
    bool controlHeld = false;    // Ctrl held at the pane's last press or release
    bool shiftHeld = false;      // Shift held then: a current-cell change stretches the selection
    bool rightButton = false;    // a right release is being handled as a left release
    uint32_t rowKind = 0;        // kind word of the row last released on or activated with Enter
    bool editPending = false;    // a second click's edit waits out the double-click time on the
                                 // list pane's timer (input/list_pane_mouse.cpp)
    bool tabFromEditor = false;  // the Tab the pane handles was handed on by a closing editor:
                                 // it moves the current cell (input/editor_procs.cpp)
    SelectOnMove selectOnMove = SelectOnMove::Add;  // for the next GRM_SETCURCELL
    uint32_t anchorRow = 0;  // where a range of GRS_LISTCONVENTIONS starts: the row last made
                             // current other than by a range
};

// Type-to-find in the list pane: the characters typed so far and when the last one came.
// Written by the pane's key and character handlers (input/type_to_find.cpp).
struct TypedPrefix {
    std::u16string units;       // typed units: code-page bytes of an ANSI grid, else UTF-16
    DWORD lastTime = 0;         // message time of the last unit typed, milliseconds
    bool swallowChars = false;  // the parent consumed the last key down: its characters are
                                // not typed
};

enum class ResizePhase : uint32_t { Idle = 0, Hovering = 1, Dragging = 2 };

// Resizing a column by dragging its right edge in the header pane. Written by the header pane's
// mouse handlers (input/header_pane.cpp); the capture they take keeps one drag to one grid.
struct HeaderResize {
    ResizePhase phase = ResizePhase::Idle;  // the pointer over an edge, or the edge dragged
    uint32_t column = 0;                    // column whose right edge is hovered or dragged
    int32_t left = 0;        // x of the column last examined by the hover test, pane pixels
    int32_t grabOffset = 0;  // mouse x minus that column's right edge at the hover test, pixels
};

// Cancelled: the drag was abandoned while the button stays down; its release does nothing.
enum class TitleDragPhase : uint32_t { Idle = 0, Pressed = 1, Dragging = 2, Cancelled = 3 };

// Moving a column by dragging its title (GRS_DRAGCOLUMNS). Written by input/title_drag.cpp
// from the header pane's mouse handlers and the panes' Escape; the header's capture keeps one
// drag to one grid.
struct TitleDrag {
    TitleDragPhase phase = TitleDragPhase::Idle;  // a title pressed, or the column dragged
    uint32_t column = 0;                          // the column pressed or dragged
    POINT pressed = {};                           // press point, header pane pixels
    int32_t grabOffset = 0;                       // press x minus the column's left edge, pixels
    uint32_t target = 0;                          // display position the column would land at
    HWND image = nullptr;  // popup showing the title under the pointer; owned by the
                           // control, so it goes with it
};

// A cell by column and row position, each of the full 32 bits.
struct CellAddress {
    uint32_t column = 0;
    uint32_t row = 0;
};

// The in-place edit of one cell, from GRM_BEGINEDIT showing an editor to the one routine that
// ends it (EndEdit, input/editing.cpp). Written there and by the editor procedures.
struct EditSession {
    HWND editor = nullptr;  // the editor of the edit under way: shown, or hidden by Esc or by a
                            // vetoed end; none between edits
    CellAddress cell;       // the cell it edits
    bool hideEndsNothing = false;  // an end that closes the editor, or the control's own hiding
                                   // of one, is under way: hiding an editor ends no edit now
    bool commitOwed = false;       // an Enter is ending the edit: the first end of it to get past
                                   // GRN_ENDEDIT writes the text
    bool choicesDropped = false;   // a choice editor's list has dropped during this edit: a
                                   // choice it then reports made (CBN_SELENDOK) commits
};

// The rows of an owner-data grid (GRS_OWNERDATA), which the application keeps: the control
// keeps their number, their selection (its list pane, a data-less list box, keeps none) and the
// cells it fetched for the rows being painted. Written by frame/owner_rows.cpp and the
// selection functions (frame/row_selection.cpp).
struct OwnerRows {
    explicit OwnerRows(TextWidth width) : page(width) {}

    bool on = false;          // made with GRS_OWNERDATA; fixed for the grid's life
    uint32_t count = 0;       // rows, set by GRM_SETROWCOUNT
    RowRanges selection;      // selected rows
    RowPage page;             // cells fetched before the list pane's last paint, by row position
    std::vector<char> asked;  // the text of the cell last asked for outside painting
    bool painting = false;    // the list pane's paint is under way: rows are drawn from the page
};

// The tooltip that shows a cut-off cell text or title whole, over it, while the mouse rests
// there. The window is made by the first text that needs it (frame/cell_tip_window.cpp) and
// destroyed with the control; the hover handling (input/cell_tips.cpp) writes what it shows.
struct CellTip {
    HWND window = nullptr;  // the control's tooltip; none before the first cut-off text
    bool shown = false;     // it is showing a text now
    HWND pane = nullptr;    // the pane of the text shown: the list pane or the header pane
    uint32_t column = 0;    // column of the text shown
    uint32_t row = 0;       // its row position; 0xFFFFFFFF for a title
};

struct GridInstance {
    explicit GridInstance(TextWidth width) : store(width), owner(width) {}

    // Current cell and counts.
    uint32_t currentColumn = 0;     // column of the current cell
    uint32_t currentRow = 0;        // row position of the current cell
    uint32_t rememberedTopRow = 0;  // top row chosen by the last vertical scroll that moved
    int32_t horizontalOffset = 0;   // pixels by which both panes stand left of the client area
    uint32_t sortState = 0;         // 1 if the last sorted column's flags were non-zero after it

    // Geometry, pixels.
    int32_t headerHeight = kDefaultHeaderHeight;  // height of the header pane
    int32_t rowHeight = kDefaultRowHeight;        // row height, also the list pane's item height
    bool headerHeightSet = false;  // GRM_SETHEADERHEIGHT chose headerHeight: a DPI change keeps it
    bool rowHeightSet = false;     // GRM_SETROWHEIGHT chose rowHeight: likewise

    // DPI (frame/dpi.h), read at creation and at WM_DPICHANGED_AFTERPARENT.
    UINT dpi = kBaseDpi;         // DPI of the control's window
    int32_t smallIconSize = 16;  // side of the shell's small icons at that DPI, pixels
    // A size the control itself decides, given in pixels at 96 DPI, at the window's DPI.
    int32_t Scaled(int32_t pixels) const { return ScaleToDpi(pixels, dpi); }

    // Windows.
    HWND notifyWindow = nullptr;    // the parent at creation; receives every WM_NOTIFY
    HWND ownWindow = nullptr;       // the control itself
    UINT_PTR controlId = 0;         // the control's identifier at creation
    DWORD style = 0;                // window style at creation (GRS_ painting options)
    HWND headerPane = nullptr;      // owner-drawn "Static" showing the titles
    HWND listPane = nullptr;        // owner-drawn data-less "ListBox" showing the rows: it keeps
                                    // their count and (unless owner data) their selection
    WNDPROC listBoxProc = nullptr;  // the list pane's own procedure, which ListPaneProc replaced
    HWND resizeLine = nullptr;      // hidden "Static" shown as the line while resizing a column,
                                    // painted in the header text colour
    bool activeLook = true;         // current cell painted in the active colours

    // Appearance; fonts and image lists belong to the client.
    HFONT headerFont = nullptr;
    HFONT listFont = nullptr;
    HCURSOR resizeCursor = nullptr;  // cursor resource 102
    HCURSOR noDropCursor = nullptr;  // cursor resource 103
    HCURSOR dropCursor = nullptr;    // cursor resource 104
    COLORREF headerBackColor = 0;
    COLORREF headerTextColor = 0;
    COLORREF rowBackColor = 0;   // source of the row background brush
    COLORREF gridLineColor = 0;  // source of the grid pen
    COLORREF rowTextColor = 0;
    COLORREF activeCellColor = 0;
    COLORREF inactiveCellColor = 0;
    HBRUSH rowBackBrush = nullptr;  // the system colour brush value until colours are set
    bool ownsRowBackBrush = false;  // rowBackBrush is a brush this control created
    HBRUSH activeCellBrush = nullptr;
    HBRUSH inactiveCellBrush = nullptr;
    HBRUSH markerBrush = nullptr;  // red 4x4 row marker
    HPEN gridPen = nullptr;
    ListGesture gesture;  // the list pane's press, release and click count
    TypedPrefix typed;    // the list pane's type-to-find prefix
    // UISF_ bits that the list pane's WM_UPDATEUISTATE messages set and cleared, kept here as
    // some platforms keep none; its WM_QUERYUISTATE adds them to the platform's answer.
    WORD paneUiState = 0;
    HeaderResize resize;  // a column edge hovered or dragged in the header pane
    TitleDrag titleDrag;  // a title pressed or dragged in the header pane
    EditSession edit;     // the cell being edited in place
    CellTip tip;          // the tooltip of cut-off texts
    // The row under the pointer (GRS_HOTTRACK), written by input/hot_row.cpp.
    uint32_t hotRow = 0xFFFFFFFF;     // its position, or none
    COLORREF hotColor = CLR_DEFAULT;  // its background from GRM_SETHOTCOLOR; CLR_DEFAULT: derived

    PaintCacheHold paint;      // what painting keeps between paints (render/paint_cache.h)
    AccessObjectsHold access;  // the accessible objects handed out (access/), made by the
                               // first WM_GETOBJECT, disconnected by WM_DESTROY

    GridStore store;  // columns, cell slots, cell texts, the rows' display order and row counts,
                      // in the width of the grid's class (ANSI bytes or UTF-16)
    OwnerRows owner;  // an owner-data grid's rows; unused otherwise

    ColumnWindows columnWindows;  // each column's editor and title arrow, beside its record

    // Scroll bar values last given to the system, so that unchanged bars are not set again.
    SCROLLINFO shownVertical = {};
    SCROLLINFO shownHorizontal = {};
    SettledView settledView;  // lets row appends skip the view work that would change nothing
    // Rows GRM_ADDROW stored one message after another that the list pane does not count yet:
    // its count grows once for the whole run, at the next message to the grid or the pane
    // (CountOwedRows), where the rows stored since `owedSince` are taken back if it cannot.
    uint32_t paneRowsOwed = 0;
    GridStore::RowsMark owedSince;
    // Moves on with every change of what bringing the current cell into view reads: the current
    // cell, the horizontal offset, the header and row heights, the columns' geometry, the client
    // size, and the list pane's top row and caret, which the list box moves itself (every
    // message to the pane that may move them bumps it). Bumped by their writers.
    uint64_t viewGeneration = 1;
    // Moves on with every change of what this grid gives row painting to read: the colours,
    // brushes and pen, the list font, the active look, the current column, the row height and
    // the columns' geometry, kinds, alignment, images, masks and folder prefix pointer. The
    // process-wide inputs have SharedGridState::lookGeneration. Bumped by their writers.
    uint64_t lookGeneration = 1;

    // Lifetime: handlers hold the instance while they run; WM_DESTROY marks it destroyed and
    // the last handler out deletes it, so a parent may destroy the control inside a
    // notification without any handler touching freed memory.
    int busy = 0;
    bool destroyed = false;

    int quietSelection = 0;  // QuietSelection objects alive (frame/win_events.h)
    // A UI Automation selection invalidation waits for the outermost handler to end: one change
    // that deselects rows and then selects one is heard as that row selected, and several
    // invalidations of one change as one (access/uia_events.cpp).
    bool uiaInvalidationOwed = false;
};

// The grid has the keys, clicks and texts of the system's list view (GRS_LISTCONVENTIONS).
inline bool UsesListConventions(const GridInstance& grid) {
    return (grid.style & GRS_LISTCONVENTIONS) != 0;
}

// The instance of a grid window, or null (not a grid, or already destroyed).
GridInstance* InstanceOf(HWND grid);

// Keeps an instance alive for the length of one handler. Check Alive() after anything that may
// have run client code (a notification, a message to the control).
class InstanceHold {
  public:
    // Holding the grid first gives its list pane the rows a run of GRM_ADDROW owes it, unless
    // `countOwedRows` is false (the hold of a GRM_ADDROW): whatever runs under a hold may reach
    // the rows through the list box.
    explicit InstanceHold(HWND grid, bool countOwedRows = true);
    ~InstanceHold();
    InstanceHold(const InstanceHold&) = delete;
    InstanceHold& operator=(const InstanceHold&) = delete;

    GridInstance* get() const { return instance_; }
    GridInstance* operator->() const { return instance_; }
    explicit operator bool() const { return instance_ != nullptr && !instance_->destroyed; }
    bool Alive() const { return static_cast<bool>(*this); }

  private:
    GridInstance* instance_;
};

}  // namespace vorlane
