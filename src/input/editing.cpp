// In-place editing of one cell at a time: opening the column's editor over the current cell,
// ending the edit (asking the parent, writing the cell when the text editor was closed with
// Enter) and cancelling it.
//
// The parent hears of every edit through GRN_BEGINEDIT and GRN_ENDEDIT and may veto either; it
// may also destroy the control or clear its rows inside them, after which the edit stops quietly.
#include "input/editing.h"

#include <algorithm>
#include <cstring>

#include "frame/grid_handlers.h"
#include "frame/grid_store.h"
#include "frame/notify.h"
#include "frame/shared_state.h"
#include "store/number_text.h"
#include "vorlane.h"

namespace vorlane {

namespace {

// Arguments of FormatNumber for the number editor's starting text: base 10 with separators,
// no padding, terminated.
constexpr uint32_t kNumberWidth = 10;
constexpr uint32_t kNumberBase = 10;

// A text editor sits right of the cell's image room.
constexpr int kTextEditorIndent = 16;

HWND EditorOf(const GridInstance& grid, uint32_t column) {
    const ColumnRecord* record = grid.store.columns().Get(column);
    return record != nullptr ? reinterpret_cast<HWND>(record->editor) : nullptr;
}

// Hides the open editor, which ends its edit without writing it, exactly as when the list pane
// takes the focus. False when the parent destroyed the control meanwhile.
bool CloseOpenEditor(GridInstance& grid) {
    HWND open = grid.edit.editor;
    if (open == nullptr) {
        return true;
    }
    ShowWindow(open, SW_HIDE);
    if (grid.destroyed) {
        return false;
    }
    grid.edit.editor = nullptr;
    return true;
}

// The most characters the column's editor shows, bounded by the content buffer.
uint32_t ShownTextLimit(const ColumnRecord& column) {
    return std::min<uint32_t>(column.editLimit, kEditBufferSize - 1);
}

// Reads the cell into the content buffer: a text cut to what the editor can show, or a value.
void ReadCellForEdit(const GridInstance& grid, uint32_t column, uint32_t row,
                     char (&buffer)[kEditBufferSize]) {
    const ColumnRecord* record = grid.store.columns().Get(column);
    const uint32_t size =
        record->cellKind == kCellText ? ShownTextLimit(*record) + 1 : kEditBufferSize;
    grid.store.ReadCell(RowOffsetAt(grid, row), column, buffer, size);
}

// The cell's top in list pane coordinates.
int CellTop(const GridInstance& grid, WPARAM cell) {
    RECT rect = {};
    SendMessageA(grid.ownWindow, GRM_GETCELLRECT, cell, reinterpret_cast<LPARAM>(&rect));
    return rect.top;
}

void SetTextAllSelected(HWND editor, const char* text) {
    SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(editor, EM_SETSEL, 0, -1);
}

// Places the editor over the cell and fills it, by the column's cell kind. The editor works in
// list pane coordinates, where the column's x already is its position.
void PlaceAndFill(const GridInstance& grid, const ColumnRecord& column, HWND editor, int top,
                  char (&buffer)[kEditBufferSize]) {
    if (column.cellKind == kCellText) {
        const bool lines = Shared().gridLines;
        MoveWindow(editor, column.x + kTextEditorIndent, lines ? top : top + 1,
                   column.width - kTextEditorIndent,
                   lines ? grid.rowHeight - 1 : grid.rowHeight - 2, TRUE);
        // The parent may have rewritten the text: it never runs past what the editor shows.
        buffer[ShownTextLimit(column)] = '\0';
        SetTextAllSelected(editor, buffer);
    } else if (column.cellKind == kCellNumber) {
        MoveWindow(editor, column.x, top, column.width, grid.rowHeight, TRUE);
        uint32_t value;
        std::memcpy(&value, buffer, sizeof(value));
        char text[kNumberTextSize];
        FormatNumber(value, text, kNumberWidth, kNumberBase, 1, 0, 1);
        SetTextAllSelected(editor, text);
    }
}

// Reads the editor's content into the buffer by the column's cell kind: a text of at most 255
// characters, or the value of the digits and '-' the number editor holds.
void ReadEditorContent(HWND editor, int32_t cellKind, char (&buffer)[kEditBufferSize]) {
    if (cellKind == kCellText) {
        SendMessageA(editor, WM_GETTEXT, kEditBufferSize, reinterpret_cast<LPARAM>(buffer));
        buffer[kEditBufferSize - 1] = '\0';
    } else if (cellKind == kCellNumber) {
        char raw[kNumberEditTextSize] = {};
        SendMessageA(editor, WM_GETTEXT, kNumberEditTextSize, reinterpret_cast<LPARAM>(raw));
        raw[kNumberEditTextSize - 1] = '\0';
        // Only digits and '-' count: the thousands separators go.
        char digits[kNumberEditTextSize] = {};
        size_t used = 0;
        for (const char* c = raw; *c != '\0'; ++c) {
            if ((*c >= '0' && *c <= '9') || *c == '-') {
                digits[used++] = *c;
            }
        }
        int32_t value = 0;
        ParseNumber(digits, &value, kNumberBase);
        std::memcpy(buffer, &value, sizeof(value));
    }
}

}  // namespace

void HideEditorQuietly(GridInstance& grid, HWND editor) {
    const bool suppressed = grid.edit.hideEndsNothing;
    grid.edit.hideEndsNothing = true;
    ShowWindow(editor, SW_HIDE);
    grid.edit.hideEndsNothing = suppressed;
}

// The editor now shown, or 0 when no edit began.
LRESULT OnBeginEdit(GridInstance& grid, WPARAM column, LPARAM row) {
    // Only one editor is ever open: a new edit ends the one before, unwritten.
    if (!CloseOpenEditor(grid)) {
        return 0;
    }
    if (RowCount(grid) == 0) {
        return 0;
    }
    if (column != kEditCurrentCell) {
        // A refused or vetoed move leaves the edit on the current cell as it was.
        SendMessageA(grid.ownWindow, GRM_SETCURCELL, column, row);
        if (grid.destroyed) {
            return 0;
        }
    }
    const uint32_t j = grid.currentColumn;
    const uint32_t i = grid.currentRow;
    if (!IsCell(grid, j, i)) {
        return 0;  // the parent cleared the rows while it was asked
    }
    const WPARAM cell = MAKELONG(j, i);

    char buffer[kEditBufferSize] = {};
    ReadCellForEdit(grid, j, i, buffer);
    const int top = CellTop(grid, cell);

    HWND editor = EditorOf(grid, j);
    GridNotify begin = MakeNotify(grid, GRN_BEGINEDIT, j, i);
    begin.value = reinterpret_cast<LPARAM>(buffer);
    begin.hwndChild = editor;
    const bool vetoed = SendNotify(grid, begin);
    if (grid.destroyed || vetoed || editor == nullptr || !IsCell(grid, j, i)) {
        if (!grid.destroyed) {
            grid.edit.editor = nullptr;
        }
        return 0;
    }

    SetWindowLongPtrA(editor, GWLP_ID, static_cast<LONG_PTR>(cell));
    PlaceAndFill(grid, *grid.store.columns().Get(j), editor, top, buffer);
    ShowWindow(editor, SW_SHOW);
    SetFocus(editor);
    if (grid.destroyed) {
        return 0;
    }
    grid.edit.editor = editor;
    return reinterpret_cast<LRESULT>(editor);
}

void OnEndEdit(GridInstance& grid, WPARAM cell, LPARAM ignoreUnlessZero) {
    if (ignoreUnlessZero != 0) {
        return;
    }
    const uint32_t column = LOWORD(cell);
    const uint32_t row = HIWORD(cell);

    char buffer[kEditBufferSize] = {};
    HWND ending = grid.edit.editor;
    if (ending != nullptr) {
        ReadEditorContent(ending, grid.store.columns().CellKind(column), buffer);
    }

    GridNotify end = MakeNotify(grid, GRN_ENDEDIT, column, row);
    end.value = reinterpret_cast<LPARAM>(buffer);
    end.hwndChild = EditorOf(grid, column);
    const bool vetoed = SendNotify(grid, end);
    // Whatever follows, the commit applies to this end of edit only.
    const bool commit = grid.edit.commitOnHide;
    grid.edit.commitOnHide = false;
    if (grid.destroyed || vetoed) {
        return;  // vetoed: nothing written, the editor stays registered
    }
    if (commit) {
        // The parent may have rewritten the text: it never runs past the buffer.
        buffer[kEditBufferSize - 1] = '\0';
        SendMessageA(grid.ownWindow, GRM_SETCELL, static_cast<WPARAM>(cell),
                     reinterpret_cast<LPARAM>(buffer));
        if (grid.destroyed) {
            return;
        }
    }
    // An edit begun meanwhile (from inside a notification) has already closed this one.
    if (grid.edit.editor != nullptr && grid.edit.editor == ending) {
        // The control's own hiding never starts a second end of the edit.
        HideEditorQuietly(grid, ending);
        if (grid.destroyed) {
            return;
        }
        SendMessageA(grid.listPane, LB_SETSEL, FALSE, -1);
        grid.edit.editor = nullptr;
    }
}

void OnCancelEdit(GridInstance& grid) {
    if (grid.edit.editor == nullptr) {
        return;
    }
    HideEditorQuietly(grid, grid.edit.editor);
    if (!grid.destroyed) {
        grid.edit.editor = nullptr;
    }
}

}  // namespace vorlane
