// In-place editing of one cell at a time: opening the column's editor over the current cell and
// ending the edit, in one routine for every way it ends: asking the parent, writing the cell when
// the text editor was closed with Enter, and hiding the editor last.
//
// The parent hears of every edit through GRN_BEGINEDIT and GRN_ENDEDIT and may veto either; it
// may also destroy the control or clear its rows inside them, after which the edit stops quietly.
#include "input/editing.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "frame/grid_handlers.h"
#include "frame/row_positions.h"
#include "frame/row_selection.h"
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

// A text editor sits right of the cell's image room (pixels at 96 DPI, scaled).
constexpr int kTextEditorIndent = 16;

HWND EditorOf(const GridInstance& grid, uint32_t column) {
    return grid.columnWindows.Editor(column);
}

// WS_VISIBLE of the window itself, whatever its parents show: what hiding it would change.
bool IsShown(HWND window) {
    return (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The most characters the column's editor shows, bounded by the content buffer.
uint32_t ShownTextLimit(const ColumnRecord& column) {
    return std::min<uint32_t>(column.editLimit, kEditBufferSize - 1);
}

// The content of a beginning or ending edit: kEditBufferSize units of the grid's width (bytes of
// an ANSI grid, UTF-16 units of a Unicode one), or a cell's 32-bit value in the first bytes.
struct EditContent {
    char16_t units[kEditBufferSize] = {};  // room for either width, aligned for UTF-16
    TextWidth width = TextWidth::Bytes;

    explicit EditContent(TextWidth textWidth) : width(textWidth) {}
    void* data() { return units; }
    char* bytes() { return reinterpret_cast<char*>(units); }
    // Ends the text at unit `at`; in UTF-16 a high surrogate left last goes too.
    void CutAt(uint32_t at) {
        if (width == TextWidth::Bytes) {
            bytes()[at] = '\0';
            return;
        }
        units[at] = 0;
        if (at > 0 && IsHighSurrogate(units[at - 1])) {
            units[at - 1] = 0;
        }
    }
};

// Reads the cell into the content buffer: a text cut to what the editor can show, or a value.
void ReadCellForEdit(GridInstance& grid, uint32_t column, uint32_t row, EditContent& buffer) {
    const std::optional<CellContent> cell = CellContentAt(grid, column, row);
    if (!cell) {
        return;
    }
    if (cell->isText) {
        const uint32_t size = ShownTextLimit(*grid.store.columns().Get(column)) + 1;
        CopyTextCut(cell->text, buffer.width, buffer.data(), size);
    } else {
        std::memcpy(buffer.data(), &cell->value, sizeof cell->value);
    }
}

// The cell's top in list pane coordinates.
int CellTop(const GridInstance& grid, CellAddress cell) {
    GridCellRect rect = {};
    rect.column = cell.column;
    rect.row = cell.row;
    SendMessageA(grid.ownWindow, GRM_GETCELLRECTEX, 0, reinterpret_cast<LPARAM>(&rect));
    return rect.rect.top;
}

// A Unicode grid's text goes to its Unicode editor as UTF-16; number text is ASCII either way.
void SetTextAllSelected(HWND editor, const void* text, TextWidth width) {
    if (width == TextWidth::Utf16) {
        SendMessageW(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    } else {
        SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    SendMessageA(editor, EM_SETSEL, 0, -1);
}

// Whether `editor` is one of the grid's drop-down lists of choices.
bool IsChoiceEditor(const GridInstance& grid, HWND editor) {
    const uint32_t column = grid.currentColumn;
    return grid.columnWindows.IsChoice(column) && grid.columnWindows.Editor(column) == editor;
}

// A drop-down list covers the cell, its list dropping below it; the cell's text is the
// selected choice when it is one of them, else nothing is selected.
void PlaceChoices(const GridInstance& grid, const ColumnRecord& column, HWND editor, int top,
                  EditContent& buffer) {
    constexpr int kShownChoices = 8;
    MoveWindow(editor, column.x, top, column.room, grid.rowHeight * (kShownChoices + 1), TRUE);
    const auto text = reinterpret_cast<LPARAM>(buffer.data());
    // The parent may have rewritten the text: it never runs past the buffer.
    buffer.CutAt(kEditBufferSize - 1);
    const LRESULT found =
        buffer.width == TextWidth::Utf16
            ? SendMessageW(editor, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text)
            : SendMessageA(editor, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text);
    SendMessageA(editor, CB_SETCURSEL, found == CB_ERR ? static_cast<WPARAM>(-1) : found, 0);
}

// Places the editor over the cell and fills it, by the column's cell kind. The editor works in
// list pane coordinates, where the column's x already is its position.
void PlaceAndFill(const GridInstance& grid, const ColumnRecord& column, HWND editor, int top,
                  EditContent& buffer) {
    if (column.cellKind == kCellText && IsChoiceEditor(grid, editor)) {
        PlaceChoices(grid, column, editor, top, buffer);
    } else if (column.cellKind == kCellText) {
        const bool lines = Shared().gridLines;
        const int indent = grid.Scaled(kTextEditorIndent);
        MoveWindow(editor, column.x + indent, lines ? top : top + 1, column.room - indent,
                   lines ? grid.rowHeight - 1 : grid.rowHeight - 2, TRUE);
        // The parent may have rewritten the text: it never runs past what the editor shows.
        buffer.CutAt(ShownTextLimit(column));
        SetTextAllSelected(editor, buffer.data(), buffer.width);
    } else if (column.cellKind == kCellNumber) {
        MoveWindow(editor, column.x, top, column.room, grid.rowHeight, TRUE);
        uint32_t value;
        std::memcpy(&value, buffer.data(), sizeof(value));
        char text[kNumberTextSize];
        FormatNumber(value, text, kNumberWidth, kNumberBase, 1, 0, 1);
        SetTextAllSelected(editor, text, TextWidth::Bytes);
    }
}

// Reads the editor's content into the buffer by the column's cell kind: a text of at most 255
// characters, or the value of the digits and '-' the number editor holds.
void ReadEditorContent(HWND editor, int32_t cellKind, EditContent& buffer) {
    if (cellKind == kCellText) {
        const auto out = reinterpret_cast<LPARAM>(buffer.data());
        if (buffer.width == TextWidth::Utf16) {
            SendMessageW(editor, WM_GETTEXT, kEditBufferSize, out);
        } else {
            SendMessageA(editor, WM_GETTEXT, kEditBufferSize, out);
        }
        buffer.CutAt(kEditBufferSize - 1);
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
        std::memcpy(buffer.data(), &value, sizeof(value));
    }
}

// Asks the parent about the end of the edit, then writes and hides as EndEdit
// describes; `closing` tells an end the user or the platform began.
void AskAndFinish(GridInstance& grid, CellAddress cell, bool closing) {
    EditSession& edit = grid.edit;
    const uint32_t column = cell.column;
    const uint32_t row = cell.row;

    EditContent buffer(grid.store.textWidth());
    HWND ending = edit.editor;
    if (ending != nullptr) {
        ReadEditorContent(ending, grid.store.columns().CellKind(column), buffer);
    }

    GridNotify end = MakeNotify(grid, GRN_ENDEDIT, column, row);
    end.value = reinterpret_cast<LPARAM>(buffer.data());
    end.hwndChild = EditorOf(grid, column);
    const bool vetoed = SendNotify(grid, end);
    // An Enter's commit goes to the first end of its edit that gets this far: this one, or one
    // the parent asked for from inside the notification. Whatever follows, it is spent.
    const bool commit = edit.commitOwed;
    edit.commitOwed = false;
    if (grid.destroyed) {
        return;
    }
    if (vetoed) {
        // Nothing written. An editor the user or the platform closed goes all the same, still
        // the edit's; one the client asked to close stays open.
        if (closing && ending != nullptr) {
            HideEditorQuietly(grid, ending);
        }
        return;
    }
    if (commit) {
        // The parent may have rewritten the text: it never runs past the buffer.
        buffer.CutAt(kEditBufferSize - 1);
        GridCellRef write = {};
        write.column = column;
        write.row = row;
        write.buffer = buffer.data();
        SendMessageA(grid.ownWindow, GRM_SETCELLEX, 0, reinterpret_cast<LPARAM>(&write));
        if (grid.destroyed) {
            return;
        }
    }
    // An edit begun meanwhile (from inside a notification) has already closed this one. The
    // selection stays as it is: the edited row is still the one the user acts on.
    if (edit.editor != nullptr && edit.editor == ending) {
        edit.editor = nullptr;
        HideEditorQuietly(grid, ending);
    }
}

}  // namespace

void EndEdit(GridInstance& grid, EditEnd how, CellAddress cell) {
    EditSession& edit = grid.edit;
    if (how == EditEnd::Silent) {
        HWND open = edit.editor;
        if (open != nullptr) {
            edit.editor = nullptr;
            HideEditorQuietly(grid, open);
        }
        return;
    }
    // While an end the user or the platform began runs, hiding an editor of this grid (the
    // parent closing it, or beginning another edit) ends nothing more.
    const bool closing = how != EditEnd::Requested;
    const bool hideEndedNothing = edit.hideEndsNothing;
    edit.hideEndsNothing = hideEndedNothing || closing;
    if (how == EditEnd::Commit) {
        edit.commitOwed = true;
    }
    AskAndFinish(grid, cell, closing);
    edit.hideEndsNothing = hideEndedNothing;  // the instance outlives the handler that holds it
}

void CloseEditor(GridInstance& grid, HWND editor, EditEnd how) {
    if (!IsShown(editor)) {
        return;
    }
    if (grid.edit.hideEndsNothing || editor != grid.edit.editor) {
        HideEditorQuietly(grid, editor);
        return;
    }
    EndEdit(grid, how, grid.edit.cell);
}

bool CloseActiveEditor(GridInstance& grid) {
    HWND open = grid.edit.editor;
    if (open == nullptr) {
        return true;
    }
    CloseEditor(grid, open, EditEnd::Discard);
    if (grid.destroyed) {
        return false;
    }
    grid.edit.editor = nullptr;
    return true;
}

void HideEditorQuietly(GridInstance& grid, HWND editor) {
    const bool suppressed = grid.edit.hideEndsNothing;
    grid.edit.hideEndsNothing = true;
    ShowWindow(editor, SW_HIDE);
    grid.edit.hideEndsNothing = suppressed;
}

// The editor now shown, or 0 when no edit began.
LRESULT OnBeginEdit(GridInstance& grid, uint64_t column, uint64_t row) {
    // Only one editor is ever open: a new edit ends the one before, unwritten.
    if (!CloseActiveEditor(grid)) {
        return 0;
    }
    if (RowCount(grid) == 0) {
        return 0;
    }
    if (column != kEditCurrentCell) {
        // A refused or vetoed move leaves the edit on the current cell as it was.
        SendMessageA(grid.ownWindow, GRM_SETCURCELL, static_cast<WPARAM>(column),
                     static_cast<LPARAM>(row));
        if (grid.destroyed) {
            return 0;
        }
    }
    const uint32_t j = grid.currentColumn;
    const uint32_t i = grid.currentRow;
    if (!IsCell(grid, j, i) || !grid.store.columns().IsShown(j)) {
        return 0;  // the parent cleared the rows while it was asked, or nothing shows the cell
    }
    if (grid.store.columns().CellKind(j) == kCellCheck) {
        return 0;  // a check cell is toggled, never edited
    }
    const CellAddress cell = {j, i};

    EditContent buffer(grid.store.textWidth());
    ReadCellForEdit(grid, j, i, buffer);
    const int top = CellTop(grid, cell);

    HWND editor = EditorOf(grid, j);
    GridNotify begin = MakeNotify(grid, GRN_BEGINEDIT, j, i);
    begin.value = reinterpret_cast<LPARAM>(buffer.data());
    begin.hwndChild = editor;
    const bool vetoed = SendNotify(grid, begin);
    if (grid.destroyed || vetoed || editor == nullptr || !IsCell(grid, j, i)) {
        if (!grid.destroyed) {
            grid.edit.editor = nullptr;
        }
        return 0;
    }

    // The editor's identifier names the cell too, for the client to read, as GRM_ENDEDIT takes
    // a cell: MAKELONG(column, row), the row's low 16 bits. The edit itself keeps the whole cell.
    SetWindowLongPtrA(editor, GWLP_ID, static_cast<LONG_PTR>(MAKELONG(j, i)));
    // The editor shows the list's font as it is now, whatever it was when the column was added.
    SendMessageA(editor, WM_SETFONT, SendMessageA(grid.listPane, WM_GETFONT, 0, 0), FALSE);
    PlaceAndFill(grid, *grid.store.columns().Get(j), editor, top, buffer);
    ShowWindow(editor, SW_SHOW);
    SetFocus(editor);
    if (grid.destroyed) {
        return 0;
    }
    grid.edit.editor = editor;
    grid.edit.cell = cell;
    grid.edit.choicesDropped = false;
    return reinterpret_cast<LRESULT>(editor);
}

void OnEndEdit(GridInstance& grid, uint32_t column, uint32_t row, bool requested) {
    if (requested) {
        EndEdit(grid, EditEnd::Requested, {column, row});
    }
}

void OnCancelEdit(GridInstance& grid) {
    EndEdit(grid, EditEnd::Silent, {});
}

}  // namespace vorlane
