// The keys of a grid with GRS_LISTCONVENTIONS, as users of the system's list view know them.
// Up, Down, Page Up, Page Down, Home and End move the current row through GRM_SETCURCELL (its
// notifications and its veto included) and select the row reached alone; with Shift they select
// from the anchor to it; Ctrl with Up or Down moves without selecting, and Ctrl+Space toggles the
// current row. A row that a click cannot make current (kind word 0), and the blank rows at the
// end, are stepped over. Every change of the selection is reported with GRN_SELCHANGE.
#include <algorithm>

#include "frame/notify.h"
#include "frame/row_positions.h"
#include "frame/row_selection.h"
#include "input/list_pane.h"
#include "vorlane.h"

namespace vorlane {

namespace {

// Rows a key reads at most looking for one it can make current: each row of an owner-data grid
// read is a question to its parent.
constexpr uint32_t kOwnerDataStepRows = 1000;
constexpr uint32_t kStoredStepRows = 100000;

enum class Move { Previous, Next, PageUp, PageDown, First, Last };

struct KeyMove {
    WPARAM virtualKey;
    uint32_t scan;
    Move move;
};
constexpr KeyMove kMoves[] = {
    {VK_UP, 0x48, Move::Previous},   {VK_DOWN, 0x50, Move::Next},  {VK_PRIOR, 0x49, Move::PageUp},
    {VK_NEXT, 0x51, Move::PageDown}, {VK_HOME, 0x47, Move::First}, {VK_END, 0x4F, Move::Last},
};
constexpr uint32_t kScanSpace = 0x39;

bool Held(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

// Rows the list pane shows whole, at least one.
uint32_t PageRows(const GridInstance& grid) {
    RECT client = {};
    GetClientRect(grid.listPane, &client);
    const int rows = grid.rowHeight > 0 ? client.bottom / grid.rowHeight : 1;
    return rows > 1 ? static_cast<uint32_t>(rows) : 1;
}

// Looks for a row the keys can make current, from `from` one step at a time towards `to`
// (both included), reading no more than `budget` rows. kNoRow when none was found; the control
// may be gone then.
uint32_t FindReachable(GridInstance& grid, int64_t from, int64_t to, uint32_t& budget) {
    const int64_t step = from <= to ? 1 : -1;
    for (int64_t row = from; row != to + step && budget > 0; row += step, --budget) {
        const uint32_t kind = KindWord(KindCellOfRow(grid, static_cast<uint32_t>(row)));
        if (grid.destroyed) {
            return kNoRow;
        }
        if (kind != kKindInert) {
            return static_cast<uint32_t>(row);
        }
    }
    return kNoRow;
}

// The row a move leads to: the row it aims at, or past it the next one the keys can make current,
// or else the nearest before it on the way from the current row. The current row itself when
// there is none, kNoRow when that cannot be current either.
uint32_t MoveTarget(GridInstance& grid, Move move) {
    const int64_t last = int64_t{FilledRowCount(grid)} - 1;
    const int64_t current = std::min<int64_t>(grid.currentRow, last);
    if (last < 0 || ColumnCount(grid) == 0) {
        return kNoRow;
    }
    const int64_t page = PageRows(grid);
    int64_t aim = 0;
    int64_t end = 0;  // the far end of the way
    switch (move) {
        case Move::Previous: aim = current - 1; break;
        case Move::Next: aim = current + 1; break;
        case Move::PageUp: aim = std::max<int64_t>(current - page, 0); break;
        case Move::PageDown: aim = std::min(current + page, last); break;
        case Move::First: aim = 0; break;
        case Move::Last: aim = last; break;
    }
    if (move == Move::Next || move == Move::PageDown || move == Move::First) {
        end = last;
    }
    uint32_t budget = IsOwnerData(grid) ? kOwnerDataStepRows : kStoredStepRows;
    uint32_t found = kNoRow;
    if (aim >= 0 && aim <= last) {
        found = FindReachable(grid, aim, end, budget);
    }
    if (found == kNoRow && !grid.destroyed && aim != current) {
        const int64_t back = aim < current ? 1 : -1;  // from past the aim back towards the row
        found = FindReachable(grid, std::clamp<int64_t>(aim + back, 0, last), current, budget);
    }
    return found;
}

void ReportSelectionChange(GridInstance& grid) {
    GridNotify record = MakeNotify(grid, GRN_SELCHANGE);
    SendNotify(grid, record);
}

// Makes `row` current through GRM_SETCURCELL, selecting as `mode` says.
void MoveTo(GridInstance& grid, uint32_t row, SelectOnMove mode) {
    grid.gesture.rowKind = KindWord(KindCellOfRow(grid, row));
    if (grid.destroyed) {
        return;
    }
    grid.gesture.selectOnMove = mode;
    const LRESULT moved =
        SendMessageA(grid.ownWindow, GRM_SETCURCELL, grid.currentColumn, static_cast<LPARAM>(row));
    if (moved != 0 && mode != SelectOnMove::None && !grid.destroyed) {
        ReportSelectionChange(grid);
    }
}

void ToggleCurrentRow(GridInstance& grid) {
    if (grid.currentRow >= RowCount(grid)) {
        return;
    }
    SelectRow(grid, grid.currentRow, !IsRowSelected(grid, grid.currentRow));
    ReportSelectionChange(grid);
}

}  // namespace

bool OnConventionalListKey(GridInstance& grid, WPARAM virtualKey, LPARAM keyData) {
    const uint32_t scan = ScanValue(keyData);
    const bool shift = Held(VK_SHIFT);
    const bool control = Held(VK_CONTROL);
    if (virtualKey == VK_SPACE && ScanMatches(scan, kScanSpace) && control && !shift) {
        ToggleCurrentRow(grid);
        return true;
    }
    for (const KeyMove& key : kMoves) {
        if (key.virtualKey != virtualKey || !ScanMatches(scan, key.scan)) {
            continue;
        }
        const bool line = key.move == Move::Previous || key.move == Move::Next;
        SelectOnMove mode = SelectOnMove::Alone;
        if (shift) {
            mode = SelectOnMove::FromAnchor;
        } else if (control && line) {
            mode = SelectOnMove::None;
        }
        const uint32_t target = MoveTarget(grid, key.move);
        if (target != kNoRow && !grid.destroyed) {
            MoveTo(grid, target, mode);
        }
        return true;
    }
    return false;
}

}  // namespace vorlane
