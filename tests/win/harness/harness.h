// Helpers shared by the tests that run under Wine: the library, a parent window that records
// every notification, grids with columns, the grid's child windows, and painted pixels.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "vorlane.h"

namespace testing_support {

// Loads vorlane.dll once for the test program (call from tests or rely on the environment).
HMODULE Library();

// Pumps every pending message of this thread.
void PumpMessages();

// A top-level window that records the WM_NOTIFY records sent to it, in order.
class RecordingParent {
  public:
    explicit RecordingParent(int width = 800, int height = 600, bool visible = true);
    ~RecordingParent();
    RecordingParent(const RecordingParent&) = delete;
    RecordingParent& operator=(const RecordingParent&) = delete;

    HWND hwnd() const { return window_; }

    std::vector<GridNotify> records;            // every notification received, all sixteen fields
    std::set<UINT> vetoCodes;                   // codes answered with cancel = 1
    std::function<void(GridNotify&)> onNotify;  // runs inside the notification, before the veto
    // NM_CUSTOMDRAW goes here alone, never to records: its answer is the parent's (without it,
    // CDRF_DODEFAULT).
    std::function<LRESULT(NMGRIDCUSTOMDRAW&)> onCustomDraw;
    // GRN_KEYDOWN reaches records, onNotify and the vetoes only when set, so that tests of
    // other gestures see their own notifications alone.
    bool hearKeys = false;
    struct ContextMenu {
        HWND from;    // WM_CONTEXTMENU's wParam
        POINT point;  // its screen point, (-1, -1) for the keyboard
    };
    std::vector<ContextMenu> contextMenus;  // every WM_CONTEXTMENU received

    std::vector<UINT> Codes() const;
    // Records of one code only.
    std::vector<GridNotify> OfCode(UINT code) const;
    void Clear() { records.clear(); }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
};

// A test column in the fields tests vary, in the order they vary most; the rest stay 0.
struct ColumnSetup {
    int width = 100;
    int cellKind = GRID_CELL_TEXT;
    int editorKind = GRID_EDITOR_TEXT;
    const char* title = nullptr;
    const char* mask = nullptr;
    int cellAlign = GRID_ALIGN_LEFT;
    unsigned editLimit = 0;
    unsigned flags = 0;

    ColumnDesc Desc() const;
};
// A column record without an editor, for a test to set further fields on.
ColumnDesc Column(int width, int cellKind, const char* title = nullptr);

// Creates a grid child of parent; destroyed with its parent.
HWND CreateGrid(HWND parent, int x, int y, int width, int height, DWORD style = 0, int id = 1);
// The same, of the Unicode class: every text crosses its interface as UTF-16.
HWND CreateGridW(HWND parent, int x, int y, int width, int height, DWORD style = 0, int id = 1);
// Add columns in order; false if any was refused.
bool AddColumns(HWND grid, std::initializer_list<ColumnSetup> columns);
bool AddColumnDescs(HWND grid, const std::vector<ColumnDesc>& columns);
// The usual test grid: text, text, number, number, number, and the kind column (value).
bool AddStandardColumns(HWND grid);
// Adds a row of the standard columns.
int AddStandardRow(HWND grid, const char* name, const char* note, INT32 a, INT32 b, INT32 c,
                   INT32 kind);

// The control's children.
HWND HeaderPane(HWND grid);
HWND ListPane(HWND grid);
HWND ResizeLine(HWND grid);
// In-place editors (children of the list pane), in creation order.
std::vector<HWND> Editors(HWND grid);

std::string ClassOf(HWND window);
RECT RectInParent(HWND child);

// The painted contents of a window, read back from the screen.
class Capture {
  public:
    explicit Capture(HWND window);
    COLORREF At(int x, int y) const;
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;
};

// What a leak raises, process-wide: GDI objects (LiveGdiObjects), windows of this thread (with
// descendants), USER objects as the platform reports them, private bytes, and icons and cursors
// (LiveIconsAndCursors).
struct ResourceCounts {
    int gdiObjects = 0;
    int windows = 0;
    DWORD userObjects = 0;
    SIZE_T privateBytes = 0;
    int icons = 0;
};
ResourceCounts CountResources();

}  // namespace testing_support
