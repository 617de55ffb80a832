/*
 * vorlane.h - public interface of vorlane.dll, the VorlaneClass grid control.
 *
 * One source for both architectures: a 32-bit program loads the 32-bit vorlane.dll (PE32), a
 * 64-bit program the 64-bit one (PE32+). Message values and codes are the same on both.
 *
 * Load the library (LoadLibraryA("vorlane.dll")) and create child windows of the class
 * VORLANE_CLASS. The control is driven entirely by the GRM_ messages below and reports to its
 * parent with WM_NOTIFY (a GridNotify record, codes GRN_). The library exports no functions.
 *
 * Cells are named by MAKEWPARAM(column, row position), which reaches rows up to 65,535; the
 * messages ending in EX name a cell in a record, with 32 bits for each, and reach every row. Rows
 * are named by their position in the display order. The last column of every grid is the kind
 * column: never shown, its cell in each row (the kind cell) classifies the row for painting,
 * selection, editing and drag and drop.
 *
 * Plain C89 and later, and C++: the version macros (VORLANE_VERSION_MAJOR, _MINOR, _PATCH and
 * VORLANE_VERSION_STRING) come from vorlane_version.h beside this header.
 */
#ifndef VORLANE_H
#define VORLANE_H

#include "vorlane_version.h"
#include <windows.h>
#include <commctrl.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#define VORLANE_CLASS "VorlaneClass"
/* The Unicode class: in its windows every text that crosses the interface is UTF-16 (WCHAR):
   ColumnDescW's texts, the text entries of GRM_ADDROW(S) arrays, GRM_GETCELL/SETCELL(EX) and
   GRM_GETCOLTITLE/SETCOLTITLE texts, and the texts `value` points at in GRN_BEGINEDIT,
   GRN_ENDEDIT and GRN_CELLCHANGING. Lengths count UTF-16 units. Everything else is the same. */
#define VORLANE_CLASSW L"VorlaneClassW"

/* Control style bits (the low bits of the window style). */
#define GRS_PLAINSELECTED 0x0001 /* selected rows look unselected; only the current cell shows */
#define GRS_COLUMNLINES 0x0008   /* with grid lines on, a vertical line after every column */
#define GRS_NOENDLINE 0x0010     /* with grid lines on, no line after the last column either */
/* Owner data: the control stores no rows. The application keeps them, sets their number with
   GRM_SETROWCOUNT and gives each cell when asked (GRN_GETCELL); GRN_CACHEHINT names the rows
   about to be painted. Selection, keys, clicks, editing, sort arrows and drag and drop work as
   without it; edits reach the application through GRN_CELLCHANGING, GRM_SORT only sets the
   column's direction and arrow (the application sorts, then sends GRM_REDRAW),
   GRM_ADDROW(S) answer -1 and GRM_CLEARROWS sets the count to 0. Fixed at creation.
   The list pane (a child list box) of every grid answers LB_GETCOUNT, LB_GETITEMDATA (a stored
   row's offset, 0 with owner data), LB_GETSEL(COUNT/ITEMS) and LB_GETTOPINDEX; it refuses with
   LB_ERR what would change its items (LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING,
   LB_SETITEMDATA, LB_RESETCONTENT, LB_SETCOUNT, LB_DIR, LB_ADDFILE). */
#define GRS_OWNERDATA 0x0100
/* GRN_DROP reports a drop onto no row as GRID_DROP_OTHER_LIST and GRID_DROP_NO_ROW, values no
   row position takes, instead of 77777 and 88888, which rows of a grid of more than 77,776 rows
   do take. Set it on every grid whose drops may land past row 77,776; the receiving grid's
   style at the drop decides. */
#define GRS_HIGHDROPVALUES 0x0200
/* A title pressed and moved past the system drag distance drags its column: an image of the
   title follows the pointer and a mark shows where it lands; the release there reports
   GRN_COLUMNORDER and moves the column. Escape or a release outside the header cancels. */
#define GRS_DRAGCOLUMNS 0x0400
/* The row under the pointer is drawn in the hot colour (GRM_SETHOTCOLOR) until the pointer
   leaves the rows, enters the header, begins a drag or the list scrolls under it; custom draw
   reports it as CDIS_HOT. */
#define GRS_HOTTRACK 0x0800
/* The keys, clicks and texts of the system's list view: Page Up, Page Down, Home and End (with
   or without Ctrl) move the current row and select it alone, stepping over rows of kind word 0;
   Shift with Up, Down, Page Up, Page Down, Home, End or a click selects from the anchor (the row
   last clicked or moved to without Shift); Ctrl with Up or Down moves without selecting and
   Ctrl+Space toggles the current row; a click below the last row deselects every row; a title
   pressed and released elsewhere is no click; cut-off texts end in "...". Selection changes by
   keys report GRN_SELCHANGE. Without it these keys, clicks and texts behave as before. */
#define GRS_LISTCONVENTIONS 0x1000

/* Columns and geometry. */
#define GRM_ADDCOLUMN (WM_USER + 0x01)       /* lParam ColumnDesc*; 0 added, 1 refused */
#define GRM_GETCOLWIDTH (WM_USER + 0x0C)     /* wParam column; the width or 0 */
#define GRM_SETCOLWIDTH (WM_USER + 0x0D)     /* wParam column, lParam width in pixels */
#define GRM_GETHEADERHEIGHT (WM_USER + 0x0E) /* the header height in pixels */
#define GRM_SETHEADERHEIGHT (WM_USER + 0x0F) /* lParam height in pixels */
#define GRM_GETROWHEIGHT (WM_USER + 0x10)    /* the row height in pixels */
#define GRM_SETROWHEIGHT (WM_USER + 0x11)    /* lParam height in pixels; 0 is ignored */
#define GRM_GETCOLTITLE (WM_USER + 0x14) /* wParam column, lParam buffer; never the kind column */
#define GRM_SETCOLTITLE (WM_USER + 0x15) /* wParam column, lParam text or NULL for none */
#define GRM_GETCOLKIND (WM_USER + 0x16)  /* wParam column; its cellKind, 0 when out of range */

/* Rows, cells and selection. */
#define GRM_ADDROW (WM_USER + 0x02)      /* lParam GridValue[column count]; the new row position */
#define GRM_GETCELL (WM_USER + 0x06)     /* wParam cell, lParam destination (text or 4 bytes) */
#define GRM_SETCELL (WM_USER + 0x07)     /* wParam cell, lParam text, NULL, or pointer to value */
#define GRM_CLEARROWS (WM_USER + 0x12)   /* removes every row; the columns stay */
#define GRM_GETSELROWS (WM_USER + 0x20)  /* lParam room for 512 positions; the count written */
#define GRM_SELECTALL (WM_USER + 0x25)   /* selects the filled rows */
#define GRM_DESELECTALL (WM_USER + 0x26) /* deselects every row */
#define GRM_INVERTSELECTION (WM_USER + 0x27) /* inverts the selection within the filled rows */
/* wParam n, lParam GridValue[n * column count], row after row as GRM_ADDROW takes one. Appends
   all n rows or none: the first new row's position, or -1 with nothing changed (no memory, no
   columns, a null array, n of 0). Scroll bars and view are updated once, after the last row. */
#define GRM_ADDROWS (WM_USER + 0x100)
/* lParam GridCellRef*: a text cell's full length, its text cut to bufferSize characters and a
   NUL copied (a bufferSize of 0 or a NULL buffer copies nothing); any other cell's 32-bit value
   into buffer (4 bytes, when buffer is not NULL) and 0; -1, nothing written, for no cell. */
#define GRM_GETCELLEX (WM_USER + 0x101)
/* lParam GridCellRef*, buffer the text (NULL: none) or the 32-bit value, bufferSize not read:
   as GRM_SETCELL, with its notifications; 1 written, 0 not (vetoed, no cell, no value). */
#define GRM_SETCELLEX (WM_USER + 0x102)
/* lParam GridCellRect*: 1 and the rectangle GRM_GETCELLRECT gives; 0, rect untouched, no cell */
#define GRM_GETCELLRECTEX (WM_USER + 0x103)
/* wParam room (positions), lParam UINT[room]: writes the first min(room, count) selected
   positions, ascending, and returns the count of selected rows, all of them. With lParam NULL or
   room 0 nothing is written and the count is still returned. */
#define GRM_GETSELROWSEX (WM_USER + 0x104)
/* Owner data only: wParam the number of rows (at most GRID_MAX_OWNER_ROWS). Keeps the selected
   rows and the current row that are still below it; 1 when set, 0 otherwise. */
#define GRM_SETROWCOUNT (WM_USER + 0x105)
/* Puts the selected rows (the current row when none is) on the clipboard as text, CF_UNICODETEXT
   and CF_TEXT: the shown columns as painted, separated by tabs, each row ended by CR LF; wParam
   non-zero puts a line of the column titles first. 1 when copied, 0 otherwise. Ctrl+C and
   Ctrl+Insert in the list pane do the same without the titles. */
#define GRM_COPY (WM_USER + 0x106)

/* Columns as the user sees them. Messages keep naming columns by number; painting, hit testing,
   keys, editing, copy, tooltips and accessibility follow the display order, without hidden ones. */
/* wParam the count, lParam UINT[count]: every column but the kind column, once each, in display
   order. 1 when taken; 0, nothing changed, for any other array. */
#define GRM_SETCOLORDER (WM_USER + 0x107)
/* wParam room, lParam UINT[room]: writes at most room columns of the display order and returns
   how many it holds (every column but the kind column), whatever the room. */
#define GRM_GETCOLORDER (WM_USER + 0x108)
/* wParam a column or GRID_ALL_COLUMNS (every shown one), lParam GRID_FIT_TEXTS or GRID_FIT_FILL:
   the width fits the title and the texts as shown; returns the new width, 0 for no column. */
#define GRM_AUTOSIZECOLUMN (WM_USER + 0x109)
#define GRM_SETCOLHIDDEN (WM_USER + 0x10A) /* wParam column, lParam non-zero hides; 1 done */
#define GRM_GETCOLHIDDEN (WM_USER + 0x10B) /* wParam column; 1 hidden (the kind column too) */
#define GRM_HITTEST (WM_USER + 0x10C)      /* lParam GridHitTest*: fills it; returns the area */
#define GRID_ALL_COLUMNS 0xFFFFFFFFu       /* GRM_AUTOSIZECOLUMN wParam: every shown column */
#define GRID_FIT_TEXTS 0                   /* GRM_AUTOSIZECOLUMN lParam: the widest text */
#define GRID_FIT_FILL 1 /* the same, and the last shown column fills the client width */
/* GridHitTest.area values. */
#define GRID_HT_NOWHERE 0    /* outside the titles and the rows' cells */
#define GRID_HT_TITLE 1      /* on a column's title */
#define GRID_HT_COLUMNEDGE 2 /* on a column's right edge in the header, where a drag resizes */
#define GRID_HT_CELL 3       /* on a cell of a row */
#define GRID_HT_BELOWROWS 4  /* in the list pane below the last row */
#ifdef _WIN64
#define GRID_MAX_OWNER_ROWS 100000000u
#else
#define GRID_MAX_OWNER_ROWS 10000000u
#endif

/* Sorting. */
#define GRM_SORT (WM_USER + 0x13)         /* wParam column, lParam mode (see GridSortMode) */
#define GRM_GETSORTSTATE (WM_USER + 0x1D) /* 1 when the last sorted column's flags are non-zero */
/* Sets the arrow of one column's title without sorting: wParam the column, lParam one of
   GRID_SORTARROW_; every other column loses its arrow. For a parent that orders the rows itself
   (an owner-data grid). The column's direction for GRID_SORT_TOGGLE and GRM_GETSORTSTATE stay
   as they are. Returns 0, or 1 (nothing changed) for a column without a title (the kind column
   or one not below the count) or another lParam. After GRM_SORT the sorted column's arrow
   shows the direction its rows now stand in. */
/* wParam column, lParam the choices of its GRID_EDITOR_CHOICE editor: texts each ended by a NUL,
   the list by a second NUL, in the class's text width; NULL removes them. 1 done, 0 for a column
   without a choice editor. The parent may replace them in GRN_BEGINEDIT, for per-row choices. */
#define GRM_SETCOLCHOICES (WM_USER + 0x10D)
#define GRM_SETSORTARROW (WM_USER + 0x10E)
/* lParam the background of the row under the pointer (GRS_HOTTRACK); CLR_DEFAULT for the default:
   a light tint of the selection colour, and in high contrast the system's hot colour (as text).
   Returns the colour set before, CLR_DEFAULT when none was. */
#define GRM_SETHOTCOLOR (WM_USER + 0x10F)
#define GRID_SORTARROW_NONE 0
#define GRID_SORTARROW_ASCENDING 1
#define GRID_SORTARROW_DESCENDING 2

/* Viewport and current cell. */
#define GRM_SETCURCELL (WM_USER + 0x03)    /* wParam column, lParam row; 1 when it became current */
#define GRM_GETCURCOL (WM_USER + 0x04)     /* the current column */
#define GRM_GETCURROW (WM_USER + 0x05)     /* the current row */
#define GRM_GETCELLRECT (WM_USER + 0x08)   /* wParam cell, lParam RECT*: x in control, y in list */
#define GRM_ENSUREVISIBLE (WM_USER + 0x09) /* scrolls the current cell into view */
#define GRM_GETTOPINDEX (WM_USER + 0x1E)   /* the top row left by the last vertical scroll */
#define GRM_RESTORETOPINDEX (WM_USER + 0x1F) /* scrolls back to that remembered top row */
#define GRM_GETTOTALWIDTH (WM_USER + 0x24)   /* the sum of all column widths */

/* Notifications and settings shared by every grid of the process. */
#define GRM_SETPARTNERS (WM_USER + 0x17) /* lParam PartnerSet* */
#define GRM_ACTIVATECELL                                                                           \
    (WM_USER + 0x1C)                        /* wParam column, lParam row: GRN_CELLCLICK, activated \
                                             */
#define GRM_SETDROPDIVIDER (WM_USER + 0x21) /* wParam x in drag-window coordinates */
#define GRM_NOTIFYBUTTON (WM_USER + 0x22)   /* sends GRN_BUTTON */
#define GRM_NOTIFYDROP (WM_USER + 0x23)     /* sends GRN_DROP */
#define GRM_SETOUTERZONE (WM_USER + 0x2A)   /* wParam x, lParam non-zero enables the outer zone */
#define GRM_SETEXTERNALDRAG                                               \
    (WM_USER + 0x2B) /* lParam non-zero marks a drag of the application's \
                      */

/* Appearance. */
#define GRM_SETCOLORS (WM_USER + 0x18)    /* lParam ColorSet* */
#define GRM_SETFONTS (WM_USER + 0x19)     /* wParam header font, lParam list font (client owned) */
#define GRM_SETGRIDLINES (WM_USER + 0x1A) /* wParam non-zero: grid lines in every grid */
/* wParam non-zero: GRN_SELCHANGE; lParam active look. */
#define GRM_SETACTIVELOOK (WM_USER + 0x1B)
/* Repaints header and rows, and tells the control that files may have changed: the shell is
   asked afresh for the icon of every file row it paints. */
#define GRM_REDRAW (WM_USER + 0x29)

/* DPI. The control sizes what it decides itself at its window's DPI: the default header and row
   heights (17 pixels at 96 DPI), the sort arrows, the resize zone, the scroll step, the row image
   room and the shell's small icons. Heights set with GRM_SETHEADERHEIGHT/GRM_SETROWHEIGHT and
   column widths are the client's and stay as set. After the DPI changed the control must get
   WM_DPICHANGED_AFTERPARENT (wParam, lParam 0; the system sends it to the children of a window
   whose DPI changed where it does): it then rescales and repaints. A top-level parent that
   handles WM_DPICHANGED moves itself to the suggested rectangle, sends it to each grid
   (Grid_DpiChanged) and lays them out again. */
#define GRID_WM_DPICHANGED_AFTERPARENT 0x02E3

/* Editing. */
#define GRM_BEGINEDIT (WM_USER + 0x0A)  /* wParam column (or GRID_EDIT_CURRENT), lParam row */
#define GRM_ENDEDIT (WM_USER + 0x0B)    /* wParam MAKELONG(column, row), lParam 0 */
#define GRM_CANCELEDIT (WM_USER + 0x28) /* hides the editor without notifying or writing */

#define GRID_EDIT_CURRENT 0x2C /* GRM_BEGINEDIT wParam: edit the current cell where it is */

/* Notification codes (GridNotify.code). */
#define GRN_HEADERCLICK 1    /* a title was clicked; row is -1, hwndChild the header pane */
#define GRN_CELLCLICK 5      /* a cell is about to become current (vetoable) or was activated */
#define GRN_CURCELLCHANGED 6 /* the current cell changed */
#define GRN_BEGINEDIT 7      /* an editor is about to open (vetoable); value -> cell content */
#define GRN_ENDEDIT 8        /* an editor closed (vetoable); value -> edited content */
#define GRN_CELLCHANGING 9   /* a cell is about to be written (vetoable); value -> new value */
#define GRN_CELLCHANGED 10   /* a cell of column 0 or of a check column was written */
#define GRN_BUTTON 12        /* the left button went down (buttonDown 1) or up (0) in a list */
#define GRN_DROP 13          /* rows were dropped; hwndFrom is the drag source */
#define GRN_SELCHANGE 14     /* the selection may have changed */
/* A key went down in the list pane, before the control acts on it: virtualKey is its virtual
   key, keyModifiers the GRID_KEY_ bits of Shift, Ctrl and Alt held, (column, row) the current
   cell. Set cancel to consume the key: the control then does nothing else with it. */
#define GRN_KEYDOWN 15
/* Owner data: the control needs a cell (column, row). value -> a GridCellRef whose buffer the
   parent fills: for a text cell with at most bufferSize - 1 characters and a terminator in the
   grid's width; for any other cell (the kind cell too) buffer points at its 32-bit value and
   bufferSize is 1. What the parent leaves is an empty text or 0. */
#define GRN_GETCELL 20
/* Owner data: rows value -> GridRowRange are about to be painted; the parent may fetch them. */
#define GRN_CACHEHINT 21
/* The user changed a column's width (a drag's release, an edge's double click, Ctrl+plus). */
#define GRN_COLUMNWIDTH 17
/* The user dragged a title to a new place (GRS_DRAGCOLUMNS): column the column moved, row its
   new display position. Set cancel to keep the order as it is. */
#define GRN_COLUMNORDER 16

/* GridNotify.keyModifiers bits of GRN_KEYDOWN. */
#define GRID_KEY_SHIFT 0x0001
#define GRID_KEY_CONTROL 0x0002
#define GRID_KEY_ALT 0x0004

/* GRN_DROP dropRow values that name no row. By default a grid reports the first two, which
   are also row positions of a grid of more than 77,776 rows; a grid with GRS_HIGHDROPVALUES
   reports the last two, above every row position a list can hold. */
#define GRID_DROP_OTHER_LIST_LOW 77777u  /* the pointer had just moved over from the other list */
#define GRID_DROP_NO_ROW_LOW 88888u      /* over a list, but not over a row of kind word 2 */
#define GRID_DROP_OTHER_LIST 0xFFFFFFF0u /* the same, with GRS_HIGHDROPVALUES */
#define GRID_DROP_NO_ROW 0xFFFFFFF1u     /* the same, with GRS_HIGHDROPVALUES */

/* GRM_SORT modes. Every sort shows the rows in four groups, one after the other: rows whose
   column 5 holds 1, 2 or 3 in its low byte in groups 1 to 3, all others in group 4 (every row
   when the grid has fewer than six columns). Letters compare without case, numbers as signed
   values. */
enum GridSortMode {
    /* All rows sorted from the smallest value up: group 1 at the top, then groups 2, 3, 4. */
    GRID_SORT_ASCENDING = 0,
    /* All rows sorted from the largest value down; the groups keep their order. */
    GRID_SORT_DESCENDING = 1,
    /* The direction opposite to the column's last sort. The top rows, as many as groups 1 and 2
       hold, stay where they stand; only the rows below them are sorted, group by group. After
       a mode 0 or 1 sort the top rows are groups 1 and 2, which so stay on top, unmoved. */
    GRID_SORT_TOGGLE = 2,
    /* As GRID_SORT_TOGGLE, always from the smallest value up. */
    GRID_SORT_ASCENDING_TAIL = 3,
    /* As GRID_SORT_TOGGLE, always from the largest value down. */
    GRID_SORT_DESCENDING_TAIL = 4
    /* Any other mode acts as GRID_SORT_TOGGLE. Whatever the mode, the sorted column's title then
       shows the arrow of the direction its rows stand in. */
};

/* Cell kinds (ColumnDesc.cellKind); any other value is a plain value cell, never drawn. */
#define GRID_CELL_TEXT 0
#define GRID_CELL_NUMBER 1
#define GRID_CELL_VALUE 2
/* A check box: the value 0 clear, 1 checked, 2 mixed. A click on the box or Space toggles it
   (a mixed box becomes checked) as a cell write: GRN_CELLCHANGING, then GRN_CELLCHANGED. */
#define GRID_CELL_CHECK 3

/* ColumnDesc.flags: a check column's title shows a check box too; a click on it checks or clears
   every row, each through GRN_CELLCHANGING and GRN_CELLCHANGED (an owner-data grid's parent is
   asked once, with the row -1 meaning every row). */
#define GRID_COLUMN_TITLECHECK 0x4

/* Editor kinds (ColumnDesc.editorKind); any other value means no editor. */
#define GRID_EDITOR_TEXT 0
#define GRID_EDITOR_NUMBER 1
#define GRID_EDITOR_NONE 2
/* A drop-down list of the column's choices (GRM_SETCOLCHOICES), for text columns. It opens and
   ends as the text editor does; Enter or a click in its list commits, Escape cancels. */
#define GRID_EDITOR_CHOICE 3

/* Alignment of titles and cells: 0 left, 1 centred, any other value right. */
#define GRID_ALIGN_LEFT 0
#define GRID_ALIGN_CENTER 1
#define GRID_ALIGN_RIGHT 2

/* One entry of the row value array of GRM_ADDROW: a text pointer for a text column, otherwise
   the cell's 32-bit value (pointer-sized on 64-bit; number cells still keep 32 bits). */
typedef INT_PTR GridValue;

/* A column, passed with GRM_ADDCOLUMN and copied by the control. */
typedef struct ColumnDesc {
    const char* folderPrefix; /* column 0: folder joined with the text for the shell icon */
    int width;                /* pixels */
    const char* title;        /* copied; NULL for none */
    int titleAlign;           /* GRID_ALIGN_ */
    int cellAlign;            /* GRID_ALIGN_ */
    int cellKind;             /* GRID_CELL_ */
    unsigned editLimit;       /* most characters the editor takes; 0 for its default */
    const char* mask;         /* number display mask such as "###-####"; copied; NULL for none */
    HIMAGELIST imageList;     /* column 0: images of rows of kind 1 and 2 */
    unsigned flags;           /* bit 0 title pressed, bit 1 sorted descending, GRID_COLUMN_ */
    int editorKind;           /* GRID_EDITOR_ */
    unsigned reserved;
} ColumnDesc;

/* A column of a Unicode grid: ColumnDesc with wide texts, field for field. */
typedef struct ColumnDescW {
    const WCHAR* folderPrefix;
    int width;
    const WCHAR* title;
    int titleAlign;
    int cellAlign;
    int cellKind;
    unsigned editLimit;
    const WCHAR* mask;
    HIMAGELIST imageList;
    unsigned flags;
    int editorKind;
    unsigned reserved;
} ColumnDescW;

/* Colours, passed with GRM_SETCOLORS. The spare fields are not read. */
typedef struct ColorSet {
    COLORREF spare1;
    COLORREF headerBack;
    COLORREF spare2;
    COLORREF rowBack;
    COLORREF gridLine;
    COLORREF activeCell;
    COLORREF inactiveCell;
    COLORREF headerText;
    COLORREF spare3;
    COLORREF rowText;
} ColorSet;

/* Process-wide partners, passed with GRM_SETPARTNERS. */
typedef struct PartnerSet {
    HWND dragWindow;    /* measures drop zones; the outer drop zone's window */
    LONG_PTR reserved;  /* stored, never used */
    HWND widthPartnerA; /* two grids whose column widths follow each other */
    HWND widthPartnerB;
    HWND externalSource;     /* hwndFrom of GRN_DROP while an external drag is marked */
    HIMAGELIST rowImageList; /* images for rows whose kind cell has a non-zero high word */
} PartnerSet;

/* A cell of any row, for GRM_GETCELLEX, GRM_SETCELLEX and GRN_GETCELL. */
typedef struct GridCellRef {
    UINT column;     /* column index */
    UINT row;        /* row position */
    void* buffer;    /* the text (in the grid's width) or the 32-bit value */
    UINT bufferSize; /* GRM_GETCELLEX, GRN_GETCELL: characters buffer holds, bytes in a
                        VorlaneClass grid, UTF-16 units in a VorlaneClassW grid */
} GridCellRef;

/* A cell of any row and its rectangle, for GRM_GETCELLRECTEX. */
typedef struct GridCellRect {
    UINT column; /* column index */
    UINT row;    /* row position */
    RECT rect;   /* x in the control's client coordinates, y in the list pane's */
} GridCellRect;

/* What lies at a point, for GRM_HITTEST; column and row are -1 where the area names none. */
typedef struct GridHitTest {
    POINT point; /* the control's client coordinates; not changed */
    UINT area;   /* GRID_HT_ */
    UINT column; /* the column of a title, an edge or a cell, or -1 */
    UINT row;    /* the row of a cell, or -1 */
} GridHitTest;

/* A run of rows by position, both ends included: GRN_CACHEHINT. */
typedef struct GridRowRange {
    UINT firstRow;
    UINT lastRow;
} GridRowRange;

/* The WM_NOTIFY record. It begins with the fields of an NMHDR, laid out as NMHDR lays them out
   (on 64-bit its tail padding is kept), so that it can be read as one. */
typedef struct GridNotify {
    HWND hwndFrom;   /* the control, or the drag source while a drop is allowed */
    UINT_PTR idFrom; /* the control's identifier */
    UINT code;       /* GRN_ */
#ifdef _WIN64
    UINT headerPadding; /* NMHDR's own tail padding; always 0 */
#endif
    UINT column;       /* the cell named, or 0 */
    UINT row;          /* the row named, -1 for GRN_HEADERCLICK, or 0 */
    HWND hwndChild;    /* the active editor; the column's editor; the header pane */
    HWND hwndGrid;     /* the control, always */
    BOOL buttonDown;   /* GRN_BUTTON */
    UINT dropList;     /* GRN_DROP: 0 the first list, 1 the second */
    UINT dropRow;      /* GRN_DROP: target row, or a GRID_DROP_ value (above) */
    BOOL rightButton;  /* GRN_CELLCLICK from a right click */
    BOOL activated;    /* GRN_CELLCLICK from Enter or a double click */
    UINT rowKind;      /* GRN_CELLCLICK: kind word of the row last released or activated */
    WORD virtualKey;   /* GRN_KEYDOWN: the key's virtual key */
    WORD keyModifiers; /* GRN_KEYDOWN: GRID_KEY_SHIFT, GRID_KEY_CONTROL, GRID_KEY_ALT held */
    LPARAM value;      /* pointer to the value or text of GRN_CELLCHANG*, GRN_BEGINEDIT, ENDEDIT */
    LONG cancel;       /* set non-zero to veto */
} GridNotify;

/* Custom draw: WM_NOTIFY with code NM_CUSTOMDRAW at the stages of each paint of the rows, as the
   platform defines them. CDDS_PREPAINT once (CDRF_NOTIFYITEMDRAW asks for the rows); then per row
   CDDS_ITEMPREPAINT (set clrText and clrTextBk, or select a font into hdc and answer
   CDRF_NEWFONT; CDRF_SKIPDEFAULT: the parent drew the row; CDRF_NOTIFYSUBITEMDRAW asks for each
   cell in display order as CDDS_ITEMPREPAINT | CDDS_SUBITEM, with the same answers;
   CDRF_NOTIFYPOSTPAINT asks for CDDS_ITEMPOSTPAINT after the row or cell). dwItemSpec and row
   are the row position, lItemlParam the row's item data, uItemState CDIS_SELECTED, CDIS_FOCUS
   (the current row) and CDIS_HOT; rc is the row or the cell in list pane coordinates. A
   selected row keeps the selection background whatever clrTextBk says. The device context is
   restored after each stage: a font selected into it stays the parent's. */
typedef struct NMGRIDCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    COLORREF clrText;   /* the row's or cell's text colour */
    COLORREF clrTextBk; /* its background colour */
    int iSubItem;       /* the column, in the subitem stages; 0 otherwise */
    UINT row;           /* the row position */
    UINT rowKind;       /* the row's kind word */
} NMGRIDCUSTOMDRAW;

/* Record layouts. On 32-bit every record keeps its original size and offsets; on 64-bit each
   field that holds a pointer or a handle is pointer-sized, every other field stays 32-bit, with
   natural alignment. Each layout check fails the compilation when its expression is false: with
   static_assert in C++11 and later, _Static_assert in C11 and later, and before those with an array
   type whose size is then negative (named after its line, so that every check declares a name of
   its own). */
#if defined(__cplusplus) && __cplusplus >= 201103L
#define VORLANE_LAYOUT(expression) static_assert(expression, #expression)
#elif !defined(__cplusplus) && defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#define VORLANE_LAYOUT(expression) _Static_assert(expression, #expression)
#else
#define VORLANE_LAYOUT_NAME(line) VORLANE_LAYOUT_JOIN(line)
#define VORLANE_LAYOUT_JOIN(line) vorlane_layout_check_##line
#define VORLANE_LAYOUT(expression) typedef char VORLANE_LAYOUT_NAME(__LINE__)[(expression) ? 1 : -1]
#endif
VORLANE_LAYOUT(offsetof(GridNotify, hwndFrom) == offsetof(NMHDR, hwndFrom));
VORLANE_LAYOUT(offsetof(GridNotify, idFrom) == offsetof(NMHDR, idFrom));
VORLANE_LAYOUT(offsetof(GridNotify, code) == offsetof(NMHDR, code));
VORLANE_LAYOUT(offsetof(GridNotify, column) == sizeof(NMHDR));
VORLANE_LAYOUT(sizeof(ColorSet) == 40 && offsetof(ColorSet, rowText) == 36);
VORLANE_LAYOUT(sizeof(ColumnDescW) == sizeof(ColumnDesc));
VORLANE_LAYOUT(offsetof(ColumnDescW, title) == offsetof(ColumnDesc, title));
VORLANE_LAYOUT(offsetof(ColumnDescW, mask) == offsetof(ColumnDesc, mask));
VORLANE_LAYOUT(offsetof(ColumnDescW, reserved) == offsetof(ColumnDesc, reserved));
VORLANE_LAYOUT(sizeof(GridCellRect) == 24 && offsetof(GridCellRect, rect) == 8);
VORLANE_LAYOUT(sizeof(GridRowRange) == 8 && offsetof(GridRowRange, lastRow) == 4);
VORLANE_LAYOUT(sizeof(GridHitTest) == 20 && offsetof(GridHitTest, area) == 8);
VORLANE_LAYOUT(offsetof(GridHitTest, column) == 12 && offsetof(GridHitTest, row) == 16);
VORLANE_LAYOUT(offsetof(GridCellRef, row) == 4 && offsetof(GridCellRef, buffer) == 8);
VORLANE_LAYOUT(offsetof(NMGRIDCUSTOMDRAW, clrText) == sizeof(NMCUSTOMDRAW));
VORLANE_LAYOUT(offsetof(NMGRIDCUSTOMDRAW, iSubItem) == offsetof(NMLVCUSTOMDRAW, iSubItem));
#if defined(_WIN64)
VORLANE_LAYOUT(sizeof(ColumnDesc) == 72);
VORLANE_LAYOUT(offsetof(ColumnDesc, width) == 8 && offsetof(ColumnDesc, title) == 16);
VORLANE_LAYOUT(offsetof(ColumnDesc, titleAlign) == 24 && offsetof(ColumnDesc, editLimit) == 36);
VORLANE_LAYOUT(offsetof(ColumnDesc, mask) == 40 && offsetof(ColumnDesc, imageList) == 48);
VORLANE_LAYOUT(offsetof(ColumnDesc, flags) == 56 && offsetof(ColumnDesc, editorKind) == 60);
VORLANE_LAYOUT(offsetof(ColumnDesc, reserved) == 64);
VORLANE_LAYOUT(sizeof(PartnerSet) == 48 && offsetof(PartnerSet, reserved) == 8);
VORLANE_LAYOUT(offsetof(PartnerSet, rowImageList) == 40);
VORLANE_LAYOUT(sizeof(GridNotify) == 96 && sizeof(NMHDR) == 24);
VORLANE_LAYOUT(offsetof(GridNotify, row) == 28 && offsetof(GridNotify, hwndChild) == 32);
VORLANE_LAYOUT(offsetof(GridNotify, hwndGrid) == 40 && offsetof(GridNotify, buttonDown) == 48);
VORLANE_LAYOUT(offsetof(GridNotify, rowKind) == 68 && offsetof(GridNotify, virtualKey) == 72);
VORLANE_LAYOUT(offsetof(GridNotify, keyModifiers) == 74);
VORLANE_LAYOUT(offsetof(GridNotify, value) == 80 && offsetof(GridNotify, cancel) == 88);
VORLANE_LAYOUT(sizeof(GridValue) == 8);
VORLANE_LAYOUT(sizeof(GridCellRef) == 24 && offsetof(GridCellRef, bufferSize) == 16);
VORLANE_LAYOUT(sizeof(NMCUSTOMDRAW) == 80 && offsetof(NMGRIDCUSTOMDRAW, clrTextBk) == 84);
VORLANE_LAYOUT(offsetof(NMGRIDCUSTOMDRAW, row) == 92 && offsetof(NMGRIDCUSTOMDRAW, rowKind) == 96);
VORLANE_LAYOUT(sizeof(NMGRIDCUSTOMDRAW) == 104);
#elif defined(_WIN32)
VORLANE_LAYOUT(sizeof(ColumnDesc) == 48);
VORLANE_LAYOUT(offsetof(ColumnDesc, width) == 4 && offsetof(ColumnDesc, title) == 8);
VORLANE_LAYOUT(offsetof(ColumnDesc, titleAlign) == 12 && offsetof(ColumnDesc, editLimit) == 24);
VORLANE_LAYOUT(offsetof(ColumnDesc, mask) == 28 && offsetof(ColumnDesc, imageList) == 32);
VORLANE_LAYOUT(offsetof(ColumnDesc, flags) == 36 && offsetof(ColumnDesc, editorKind) == 40);
VORLANE_LAYOUT(offsetof(ColumnDesc, reserved) == 44);
VORLANE_LAYOUT(sizeof(PartnerSet) == 24 && offsetof(PartnerSet, reserved) == 4);
VORLANE_LAYOUT(offsetof(PartnerSet, rowImageList) == 20);
VORLANE_LAYOUT(sizeof(GridNotify) == 64 && sizeof(NMHDR) == 12);
VORLANE_LAYOUT(offsetof(GridNotify, row) == 16 && offsetof(GridNotify, hwndChild) == 20);
VORLANE_LAYOUT(offsetof(GridNotify, hwndGrid) == 24 && offsetof(GridNotify, buttonDown) == 28);
VORLANE_LAYOUT(offsetof(GridNotify, rowKind) == 48 && offsetof(GridNotify, virtualKey) == 52);
VORLANE_LAYOUT(offsetof(GridNotify, keyModifiers) == 54);
VORLANE_LAYOUT(offsetof(GridNotify, value) == 56 && offsetof(GridNotify, cancel) == 60);
VORLANE_LAYOUT(sizeof(GridValue) == 4);
VORLANE_LAYOUT(sizeof(GridCellRef) == 16 && offsetof(GridCellRef, bufferSize) == 12);
VORLANE_LAYOUT(sizeof(NMCUSTOMDRAW) == 48 && offsetof(NMGRIDCUSTOMDRAW, clrTextBk) == 52);
VORLANE_LAYOUT(offsetof(NMGRIDCUSTOMDRAW, row) == 60 && offsetof(NMGRIDCUSTOMDRAW, rowKind) == 64);
VORLANE_LAYOUT(sizeof(NMGRIDCUSTOMDRAW) == 68);
#endif

/* Typed wrappers, one per message. */
#define VORLANE_SEND(g, m, w, l) SendMessageA((g), (m), (WPARAM)(w), (LPARAM)(l))
#define VORLANE_CELL(column, row) MAKEWPARAM((column), (row))

static __inline LRESULT Grid_AddColumn(HWND g, const ColumnDesc* d) {
    return VORLANE_SEND(g, GRM_ADDCOLUMN, 0, d);
}
static __inline int Grid_AddRow(HWND g, const GridValue* values) {
    return (int)VORLANE_SEND(g, GRM_ADDROW, 0, values);
}
static __inline int Grid_AddRows(HWND g, UINT count, const GridValue* values) {
    return (int)VORLANE_SEND(g, GRM_ADDROWS, count, values);
}
static __inline BOOL Grid_SetCurCell(HWND g, UINT column, UINT row) {
    return (BOOL)VORLANE_SEND(g, GRM_SETCURCELL, column, row);
}
static __inline UINT Grid_GetCurCol(HWND g) {
    return (UINT)VORLANE_SEND(g, GRM_GETCURCOL, 0, 0);
}
static __inline UINT Grid_GetCurRow(HWND g) {
    return (UINT)VORLANE_SEND(g, GRM_GETCURROW, 0, 0);
}
static __inline void Grid_GetCell(HWND g, UINT column, UINT row, void* destination) {
    VORLANE_SEND(g, GRM_GETCELL, VORLANE_CELL(column, row), destination);
}
static __inline void Grid_SetCellText(HWND g, UINT column, UINT row, const char* text) {
    VORLANE_SEND(g, GRM_SETCELL, VORLANE_CELL(column, row), text);
}
static __inline void Grid_SetCellValue(HWND g, UINT column, UINT row, const INT32* value) {
    VORLANE_SEND(g, GRM_SETCELL, VORLANE_CELL(column, row), value);
}
static __inline void Grid_GetCellRect(HWND g, UINT column, UINT row, RECT* r) {
    VORLANE_SEND(g, GRM_GETCELLRECT, VORLANE_CELL(column, row), r);
}
static __inline void Grid_EnsureVisible(HWND g) {
    VORLANE_SEND(g, GRM_ENSUREVISIBLE, 0, 0);
}
static __inline HWND Grid_BeginEdit(HWND g, UINT column, UINT row) {
    return (HWND)VORLANE_SEND(g, GRM_BEGINEDIT, column, row);
}
static __inline void Grid_EndEdit(HWND g, UINT column, UINT row) {
    VORLANE_SEND(g, GRM_ENDEDIT, MAKELONG(column, row), 0);
}
static __inline void Grid_CancelEdit(HWND g) {
    VORLANE_SEND(g, GRM_CANCELEDIT, 0, 0);
}
static __inline int Grid_GetColWidth(HWND g, UINT column) {
    return (int)VORLANE_SEND(g, GRM_GETCOLWIDTH, column, 0);
}
static __inline void Grid_SetColWidth(HWND g, UINT column, int width) {
    VORLANE_SEND(g, GRM_SETCOLWIDTH, column, width);
}
static __inline int Grid_GetHeaderHeight(HWND g) {
    return (int)VORLANE_SEND(g, GRM_GETHEADERHEIGHT, 0, 0);
}
static __inline void Grid_SetHeaderHeight(HWND g, int height) {
    VORLANE_SEND(g, GRM_SETHEADERHEIGHT, 0, height);
}
static __inline int Grid_GetRowHeight(HWND g) {
    return (int)VORLANE_SEND(g, GRM_GETROWHEIGHT, 0, 0);
}
static __inline void Grid_SetRowHeight(HWND g, int height) {
    VORLANE_SEND(g, GRM_SETROWHEIGHT, 0, height);
}
static __inline void Grid_DpiChanged(HWND g) {
    VORLANE_SEND(g, GRID_WM_DPICHANGED_AFTERPARENT, 0, 0);
}
static __inline void Grid_ClearRows(HWND g) {
    VORLANE_SEND(g, GRM_CLEARROWS, 0, 0);
}
static __inline void Grid_Sort(HWND g, UINT column, int mode) {
    VORLANE_SEND(g, GRM_SORT, column, mode);
}
static __inline void Grid_SetSortArrow(HWND g, UINT column, int arrow) {
    VORLANE_SEND(g, GRM_SETSORTARROW, column, arrow);
}
static __inline COLORREF Grid_SetHotColor(HWND g, COLORREF color) {
    return (COLORREF)VORLANE_SEND(g, GRM_SETHOTCOLOR, 0, color);
}
static __inline void Grid_GetColTitle(HWND g, UINT column, char* buffer) {
    VORLANE_SEND(g, GRM_GETCOLTITLE, column, buffer);
}
static __inline void Grid_SetColTitle(HWND g, UINT column, const char* title) {
    VORLANE_SEND(g, GRM_SETCOLTITLE, column, title);
}
static __inline BOOL Grid_SetColChoices(HWND g, UINT column, const char* choices) {
    return (BOOL)VORLANE_SEND(g, GRM_SETCOLCHOICES, column, choices);
}
static __inline int Grid_GetColKind(HWND g, UINT column) {
    return (int)VORLANE_SEND(g, GRM_GETCOLKIND, column, 0);
}
static __inline void Grid_SetPartners(HWND g, const PartnerSet* partners) {
    VORLANE_SEND(g, GRM_SETPARTNERS, 0, partners);
}
static __inline void Grid_SetColors(HWND g, const ColorSet* colors) {
    VORLANE_SEND(g, GRM_SETCOLORS, 0, colors);
}
static __inline void Grid_SetFonts(HWND g, HFONT headerFont, HFONT listFont) {
    VORLANE_SEND(g, GRM_SETFONTS, headerFont, listFont);
}
static __inline void Grid_SetGridLines(HWND g, BOOL on) {
    VORLANE_SEND(g, GRM_SETGRIDLINES, on, 0);
}
static __inline void Grid_SetActiveLook(HWND g, BOOL notify, BOOL active) {
    VORLANE_SEND(g, GRM_SETACTIVELOOK, notify, active);
}
static __inline void Grid_ActivateCell(HWND g, UINT column, UINT row) {
    VORLANE_SEND(g, GRM_ACTIVATECELL, column, row);
}
static __inline int Grid_GetSortState(HWND g) {
    return (int)VORLANE_SEND(g, GRM_GETSORTSTATE, 0, 0);
}
static __inline UINT Grid_GetTopIndex(HWND g) {
    return (UINT)VORLANE_SEND(g, GRM_GETTOPINDEX, 0, 0);
}
static __inline void Grid_RestoreTopIndex(HWND g) {
    VORLANE_SEND(g, GRM_RESTORETOPINDEX, 0, 0);
}
static __inline int Grid_GetSelRows(HWND g, UINT positions[512]) {
    return (int)VORLANE_SEND(g, GRM_GETSELROWS, 0, positions);
}
static __inline int Grid_GetSelRowsEx(HWND g, UINT room, UINT* positions) {
    return (int)VORLANE_SEND(g, GRM_GETSELROWSEX, room, positions);
}
static __inline void Grid_SetDropDivider(HWND g, int x) {
    VORLANE_SEND(g, GRM_SETDROPDIVIDER, x, 0);
}
static __inline void Grid_NotifyButton(HWND g) {
    VORLANE_SEND(g, GRM_NOTIFYBUTTON, 0, 0);
}
static __inline void Grid_NotifyDrop(HWND g) {
    VORLANE_SEND(g, GRM_NOTIFYDROP, 0, 0);
}
static __inline UINT Grid_GetTotalWidth(HWND g) {
    return (UINT)VORLANE_SEND(g, GRM_GETTOTALWIDTH, 0, 0);
}
static __inline void Grid_SelectAll(HWND g) {
    VORLANE_SEND(g, GRM_SELECTALL, 0, 0);
}
static __inline BOOL Grid_Copy(HWND g, BOOL withTitles) {
    return (BOOL)VORLANE_SEND(g, GRM_COPY, withTitles, 0);
}
static __inline BOOL Grid_SetColOrder(HWND g, UINT count, const UINT* order) {
    return (BOOL)VORLANE_SEND(g, GRM_SETCOLORDER, count, order);
}
static __inline UINT Grid_GetColOrder(HWND g, UINT room, UINT* order) {
    return (UINT)VORLANE_SEND(g, GRM_GETCOLORDER, room, order);
}
static __inline int Grid_AutoSizeColumn(HWND g, UINT column, UINT fit) {
    return (int)VORLANE_SEND(g, GRM_AUTOSIZECOLUMN, column, fit);
}
static __inline BOOL Grid_SetColHidden(HWND g, UINT column, BOOL hidden) {
    return (BOOL)VORLANE_SEND(g, GRM_SETCOLHIDDEN, column, hidden);
}
static __inline BOOL Grid_GetColHidden(HWND g, UINT column) {
    return (BOOL)VORLANE_SEND(g, GRM_GETCOLHIDDEN, column, 0);
}
static __inline UINT Grid_HitTest(HWND g, GridHitTest* hit) {
    return (UINT)VORLANE_SEND(g, GRM_HITTEST, 0, hit);
}
static __inline void Grid_DeselectAll(HWND g) {
    VORLANE_SEND(g, GRM_DESELECTALL, 0, 0);
}
static __inline void Grid_InvertSelection(HWND g) {
    VORLANE_SEND(g, GRM_INVERTSELECTION, 0, 0);
}
static __inline void Grid_Redraw(HWND g) {
    VORLANE_SEND(g, GRM_REDRAW, 0, 0);
}
static __inline void Grid_SetOuterZone(HWND g, int x, BOOL enabled) {
    VORLANE_SEND(g, GRM_SETOUTERZONE, x, enabled);
}
static __inline void Grid_SetExternalDrag(HWND g, BOOL on) {
    VORLANE_SEND(g, GRM_SETEXTERNALDRAG, 0, on);
}
static __inline BOOL Grid_SetRowCount(HWND g, UINT count) {
    return (BOOL)VORLANE_SEND(g, GRM_SETROWCOUNT, count, 0);
}
static __inline int Grid_GetRowCount(HWND g) {
    return (int)VORLANE_SEND(g, LB_GETCOUNT, 0, 0);
}
/* GRM_GETCELLEX: the text's full length (its cut copy in buffer), 0 for a value, -1 no cell. */
static __inline int Grid_GetCellEx(HWND g, UINT column, UINT row, void* buffer, UINT bufferSize) {
    GridCellRef ref;
    ref.column = column;
    ref.row = row;
    ref.buffer = buffer;
    ref.bufferSize = bufferSize;
    return (int)VORLANE_SEND(g, GRM_GETCELLEX, 0, &ref);
}
static __inline BOOL Grid_SetCellTextEx(HWND g, UINT column, UINT row, const char* text) {
    GridCellRef ref;
    ref.column = column;
    ref.row = row;
    ref.buffer = (void*)text;
    ref.bufferSize = 0;
    return (BOOL)VORLANE_SEND(g, GRM_SETCELLEX, 0, &ref);
}
static __inline BOOL Grid_SetCellValueEx(HWND g, UINT column, UINT row, const INT32* value) {
    GridCellRef ref;
    ref.column = column;
    ref.row = row;
    ref.buffer = (void*)value;
    ref.bufferSize = 0;
    return (BOOL)VORLANE_SEND(g, GRM_SETCELLEX, 0, &ref);
}
/* GRM_GETCELLRECTEX: TRUE and the cell's rectangle in *r; FALSE, *r untouched, for no cell. */
static __inline BOOL Grid_GetCellRectEx(HWND g, UINT column, UINT row, RECT* r) {
    GridCellRect cell;
    cell.column = column;
    cell.row = row;
    if (!VORLANE_SEND(g, GRM_GETCELLRECTEX, 0, &cell)) {
        return FALSE;
    }
    *r = cell.rect;
    return TRUE;
}

/* Wrappers for a Unicode grid, for the messages that take or give text (the others above serve
   both classes: messages from WM_USER on pass unchanged between ANSI and Unicode windows). */
#define VORLANE_SENDW(g, m, w, l) SendMessageW((g), (m), (WPARAM)(w), (LPARAM)(l))
static __inline LRESULT Grid_AddColumnW(HWND g, const ColumnDescW* d) {
    return VORLANE_SENDW(g, GRM_ADDCOLUMN, 0, d);
}
static __inline int Grid_AddRowW(HWND g, const GridValue* values) {
    return (int)VORLANE_SENDW(g, GRM_ADDROW, 0, values);
}
static __inline int Grid_AddRowsW(HWND g, UINT count, const GridValue* values) {
    return (int)VORLANE_SENDW(g, GRM_ADDROWS, count, values);
}
static __inline void Grid_GetCellW(HWND g, UINT column, UINT row, void* destination) {
    VORLANE_SENDW(g, GRM_GETCELL, VORLANE_CELL(column, row), destination);
}
static __inline void Grid_SetCellTextW(HWND g, UINT column, UINT row, const WCHAR* text) {
    VORLANE_SENDW(g, GRM_SETCELL, VORLANE_CELL(column, row), text);
}
static __inline int Grid_GetCellExW(HWND g, UINT column, UINT row, void* buffer, UINT bufferSize) {
    GridCellRef ref;
    ref.column = column;
    ref.row = row;
    ref.buffer = buffer;
    ref.bufferSize = bufferSize;
    return (int)VORLANE_SENDW(g, GRM_GETCELLEX, 0, &ref);
}
static __inline BOOL Grid_SetCellTextExW(HWND g, UINT column, UINT row, const WCHAR* text) {
    GridCellRef ref;
    ref.column = column;
    ref.row = row;
    ref.buffer = (void*)text;
    ref.bufferSize = 0;
    return (BOOL)VORLANE_SENDW(g, GRM_SETCELLEX, 0, &ref);
}
static __inline void Grid_GetColTitleW(HWND g, UINT column, WCHAR* buffer) {
    VORLANE_SENDW(g, GRM_GETCOLTITLE, column, buffer);
}
static __inline void Grid_SetColTitleW(HWND g, UINT column, const WCHAR* title) {
    VORLANE_SENDW(g, GRM_SETCOLTITLE, column, title);
}
static __inline BOOL Grid_SetColChoicesW(HWND g, UINT column, const WCHAR* choices) {
    return (BOOL)VORLANE_SENDW(g, GRM_SETCOLCHOICES, column, choices);
}

/* Looks: colour sets for GRM_SETCOLORS that follow the system, and helpers that give a grid one
   of them together with the system's message font. Without colours and fonts a grid shows a
   black header with black titles and the system font. Colours are read from the system at the
   call: call the helper again after WM_SYSCOLORCHANGE (withFont FALSE keeps the fonts, and so
   makes none). The control writes
   the current cell's text in COLOR_HIGHLIGHTTEXT in the active look and in black in the
   inactive one, so each look's inactive cell colour is a light one. */

/* The system's own controls: the header in the button colours, rows in the window colours, the
   current cell in the selection colour, grid lines and the inactive cell in the button face. */
static __inline void Grid_SystemLookColors(ColorSet* colors) {
    colors->spare1 = 0;
    colors->headerBack = GetSysColor(COLOR_BTNFACE);
    colors->spare2 = 0;
    colors->rowBack = GetSysColor(COLOR_WINDOW);
    colors->gridLine = GetSysColor(COLOR_BTNFACE);
    colors->activeCell = GetSysColor(COLOR_HIGHLIGHT);
    colors->inactiveCell = GetSysColor(COLOR_BTNFACE);
    colors->headerText = GetSysColor(COLOR_BTNTEXT);
    colors->spare3 = 0;
    colors->rowText = GetSysColor(COLOR_WINDOWTEXT);
}

/* Light text on dark grey: a header a little lighter than the rows, grid lines just above the
   rows, the current cell in a deep blue and, inactive, in a light blue grey under black text. */
static __inline void Grid_DarkLookColors(ColorSet* colors) {
    colors->spare1 = 0;
    colors->headerBack = RGB(0x2D, 0x2D, 0x30);
    colors->spare2 = 0;
    colors->rowBack = RGB(0x1E, 0x1E, 0x1E);
    colors->gridLine = RGB(0x3F, 0x3F, 0x46);
    colors->activeCell = RGB(0x26, 0x4F, 0x78);
    colors->inactiveCell = RGB(0xA8, 0xB8, 0xC8);
    colors->headerText = RGB(0xF1, 0xF1, 0xF1);
    colors->spare3 = 0;
    colors->rowText = RGB(0xDC, 0xDC, 0xDC);
}

/* The colours a high-contrast theme sets: the header in COLOR_BTNFACE and COLOR_BTNTEXT, rows in
   COLOR_WINDOW and COLOR_WINDOWTEXT, grid lines in COLOR_WINDOWTEXT, the current cell in
   COLOR_HIGHLIGHT and, inactive (under black text), in the lighter of COLOR_HIGHLIGHT and
   COLOR_HIGHLIGHTTEXT. */
static __inline void Grid_HighContrastLookColors(ColorSet* colors) {
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    colors->spare1 = 0;
    colors->headerBack = GetSysColor(COLOR_BTNFACE);
    colors->spare2 = 0;
    colors->rowBack = GetSysColor(COLOR_WINDOW);
    colors->gridLine = GetSysColor(COLOR_WINDOWTEXT);
    colors->activeCell = highlight;
    colors->inactiveCell =
        GetRValue(highlight) + GetGValue(highlight) + GetBValue(highlight) >
                GetRValue(highlightText) + GetGValue(highlightText) + GetBValue(highlightText)
            ? highlight
            : highlightText;
    colors->headerText = GetSysColor(COLOR_BTNTEXT);
    colors->spare3 = 0;
    colors->rowText = GetSysColor(COLOR_WINDOWTEXT);
}

/* Non-zero while the user has a high-contrast theme on (SPI_GETHIGHCONTRAST). */
static __inline BOOL Grid_HighContrastOn(void) {
    HIGHCONTRASTA contrast;
    contrast.cbSize = sizeof contrast;
    contrast.dwFlags = 0;
    contrast.lpszDefaultScheme = NULL;
    if (!SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)) {
        return FALSE;
    }
    return (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

/* The dots per inch of the grid's window: GetDpiForWindow where the system has it, else the
   vertical resolution of the window's device context (96 when neither answers). */
typedef UINT(WINAPI* VorlaneDpiForWindow)(HWND window);
typedef BOOL(WINAPI* VorlaneParametersForDpi)(UINT action, UINT param, PVOID value, UINT update,
                                              UINT dpi);
static __inline UINT Grid_WindowDpi(HWND g) {
    HMODULE user = GetModuleHandleA("user32.dll");
    VorlaneDpiForWindow dpiForWindow =
        user != NULL ? (VorlaneDpiForWindow)(void (*)(void))GetProcAddress(user, "GetDpiForWindow")
                     : NULL;
    UINT dpi = dpiForWindow != NULL ? dpiForWindow(g) : 0;
    if (dpi == 0) {
        HDC dc = GetDC(g);
        if (dc != NULL) {
            dpi = (UINT)GetDeviceCaps(dc, LOGPIXELSY);
            ReleaseDC(g, dc);
        }
    }
    return dpi != 0 ? dpi : 96;
}

/* A new font: the system's message font (SPI_GETNONCLIENTMETRICS) at the grid's DPI, through
   SystemParametersInfoForDpi where the system has it (elsewhere the system's one DPI is the
   window's). NULL when it cannot be had. The font is the caller's: delete it with DeleteObject
   after the grid is destroyed. */
static __inline HFONT Grid_CreateLookFont(HWND g) {
    NONCLIENTMETRICSW metrics;
    HMODULE user = GetModuleHandleA("user32.dll");
    VorlaneParametersForDpi parametersForDpi =
        user != NULL ? (VorlaneParametersForDpi)(void (*)(void))GetProcAddress(
                           user, "SystemParametersInfoForDpi")
                     : NULL;
    BOOL read;
    ZeroMemory(&metrics, sizeof metrics);
    metrics.cbSize = sizeof metrics;
    if (parametersForDpi != NULL) {
        read = parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                Grid_WindowDpi(g));
    } else {
        read = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    }
    return read ? CreateFontIndirectW(&metrics.lfMessageFont) : NULL;
}

/* Gives the grid `colors` and, when `withFont` is non-zero, a new look font (Grid_CreateLookFont)
   in both panes. Returns that font, which is the caller's: the grid, and the editors of columns
   added while it is the list font, use it until the grid is destroyed, so delete it with
   DeleteObject after that (or after giving the grid other fonts and no editor was made
   meanwhile). NULL when no font was made (none asked for, or `g` is no window); the panes then
   keep their fonts. */
static __inline HFONT Grid_ApplyLook(HWND g, const ColorSet* colors, BOOL withFont) {
    HFONT font = withFont && IsWindow(g) ? Grid_CreateLookFont(g) : NULL;
    if (font != NULL) {
        Grid_SetFonts(g, font, font);
    }
    Grid_SetColors(g, colors); /* repaints both panes, with the fonts already set */
    return font;
}

/* The three looks and the one the system asks for, given as Grid_ApplyLook gives them: each
   returns the font it made (NULL for none), for the caller to delete after the grid. */
static __inline HFONT Grid_ApplySystemLook(HWND g, BOOL withFont) {
    ColorSet colors;
    Grid_SystemLookColors(&colors);
    return Grid_ApplyLook(g, &colors, withFont);
}
static __inline HFONT Grid_ApplyDarkLook(HWND g, BOOL withFont) {
    ColorSet colors;
    Grid_DarkLookColors(&colors);
    return Grid_ApplyLook(g, &colors, withFont);
}
static __inline HFONT Grid_ApplyHighContrastLook(HWND g, BOOL withFont) {
    ColorSet colors;
    Grid_HighContrastLookColors(&colors);
    return Grid_ApplyLook(g, &colors, withFont);
}
/* The high-contrast look while a high-contrast theme is on, else the system look. */
static __inline HFONT Grid_ApplyLookOfSystem(HWND g, BOOL withFont) {
    return Grid_HighContrastOn() ? Grid_ApplyHighContrastLook(g, withFont)
                                 : Grid_ApplySystemLook(g, withFont);
}

/* The system look with `font` in both panes (the default GUI font when NULL; it stays the
   caller's) instead of a font made for the grid. */
static __inline void Grid_UseSystemLook(HWND g, HFONT font) {
    ColorSet colors;
    Grid_SystemLookColors(&colors);
    if (font == NULL) {
        font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    }
    Grid_SetFonts(g, font, font);
    Grid_SetColors(g, &colors); /* repaints both panes, with the fonts already set */
}

#ifdef __cplusplus
}
#endif

#endif /* VORLANE_H */
