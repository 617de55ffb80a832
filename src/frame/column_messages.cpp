// Columns and heights: defining columns (with their in-place editors), widths, titles, kinds.
#include <cstring>
#include <cwchar>

#include "frame/grid_handlers.h"
#include "frame/row_positions.h"
#include "frame/shared_state.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr DWORD kTextEditorStyle = WS_CHILD | WS_CLIPSIBLINGS | ES_AUTOHSCROLL;
constexpr DWORD kChoiceEditorStyle =
    WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL;
constexpr DWORD kNumberEditorStyle =
    WS_CHILD | WS_CLIPSIBLINGS | WS_BORDER | ES_RIGHT | ES_AUTOHSCROLL;

ColumnDescriptor DescriptorOf(const ColumnDesc& desc) {
    ColumnDescriptor column;
    column.folderPrefix = desc.folderPrefix;
    column.width = desc.width;
    column.title = desc.title;
    column.titleAlign = desc.titleAlign;
    column.cellAlign = desc.cellAlign;
    column.cellKind = desc.cellKind;
    column.editLimit = desc.editLimit;
    column.mask = desc.mask;
    column.imageList = reinterpret_cast<uintptr_t>(desc.imageList);
    column.flags = desc.flags;
    column.editorKind = desc.editorKind;
    column.reserved = desc.reserved;
    return column;
}

// A hidden editor over the list pane, subclassed, limited and given the list pane's font. A
// Unicode grid's editors are Unicode edit controls, their limit counted in UTF-16 units.
HWND CreateEditor(const GridInstance& grid, DWORD style, WNDPROC procedure, uint32_t limit,
                  bool choice = false) {
    HINSTANCE module = Shared().moduleInstance;
    HWND editor = grid.store.textWidth() == TextWidth::Utf16
                      ? CreateWindowExW(0, choice ? L"ComboBox" : L"Edit", nullptr, style, 0, 0, 0,
                                        0, grid.listPane, nullptr, module, nullptr)
                      : CreateWindowExA(0, choice ? "ComboBox" : "Edit", nullptr, style, 0, 0, 0, 0,
                                        grid.listPane, nullptr, module, nullptr);
    if (editor == nullptr) {
        return nullptr;
    }
    Subclass(editor, procedure);
    SendMessageA(editor, EM_LIMITTEXT, limit, 0);
    SendMessageA(editor, WM_SETFONT, SendMessageA(grid.listPane, WM_GETFONT, 0, 0), FALSE);
    return editor;
}

void Relayout(GridInstance& grid) {
    SendMessageA(grid.ownWindow, WM_SIZE, 0, 0);
}

}  // namespace

// 0 when the column was added; 1 when refused (rows exist, no record, no room, no memory).
LRESULT OnAddColumn(GridInstance& grid, const ColumnDesc* client) {
    if (client == nullptr || grid.store.HasRows()) {
        return 1;
    }
    std::optional<uint32_t> index = grid.store.AddColumn(DescriptorOf(*client));
    if (!index) {
        return 1;
    }
    grid.columnWindows.Add();
    ++grid.viewGeneration;
    ++grid.lookGeneration;
    const ColumnRecord* record = grid.store.columns().Get(*index);
    HWND editor = nullptr;
    if (client->editorKind == kEditorText) {
        editor = CreateEditor(grid, kTextEditorStyle, TextEditorProc, record->editLimit);
    } else if (client->editorKind == kEditorNumber) {
        editor = CreateEditor(grid, kNumberEditorStyle, NumberEditorProc, record->editLimit);
    } else if (client->editorKind == kEditorChoice) {
        editor = CreateEditor(grid, kChoiceEditorStyle, ChoiceEditorProc, 0, true);
        grid.columnWindows.SetChoice(*index, editor != nullptr);
    }
    grid.columnWindows.SetEditor(*index, editor);
    if (client->title != nullptr) {
        InvalidateRect(grid.headerPane, nullptr, TRUE);
    }
    return 0;
}

// The choices replace the drop-down list's items, in the grid's text width.
LRESULT OnSetColChoices(GridInstance& grid, uint64_t column, const void* choices) {
    if (column > UINT32_MAX || !grid.columnWindows.IsChoice(static_cast<uint32_t>(column))) {
        return 0;
    }
    HWND editor = grid.columnWindows.Editor(static_cast<uint32_t>(column));
    SendMessageA(editor, CB_RESETCONTENT, 0, 0);
    if (grid.store.textWidth() == TextWidth::Utf16) {
        for (auto text = static_cast<const wchar_t*>(choices); text != nullptr && *text != 0;
             text += wcslen(text) + 1) {
            SendMessageW(editor, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
    } else {
        for (auto text = static_cast<const char*>(choices); text != nullptr && *text != 0;
             text += strlen(text) + 1) {
            SendMessageA(editor, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
    }
    return 1;
}

LRESULT OnGetColWidth(GridInstance& grid, uint64_t column) {
    return column <= UINT32_MAX ? grid.store.columns().Width(static_cast<uint32_t>(column)) : 0;
}

void OnSetColWidth(GridInstance& grid, uint64_t column, int32_t width) {
    if (column > UINT32_MAX || !grid.store.SetColumnWidth(static_cast<uint32_t>(column), width)) {
        return;
    }
    ++grid.viewGeneration;
    ++grid.lookGeneration;
    Relayout(grid);
    InvalidateRect(grid.headerPane, nullptr, TRUE);
    InvalidateRect(grid.listPane, nullptr, TRUE);
}

void OnSetHeaderHeight(GridInstance& grid, int32_t height) {
    grid.headerHeight = height;
    grid.headerHeightSet = true;
    ++grid.viewGeneration;
    Relayout(grid);
    InvalidateRect(grid.headerPane, nullptr, TRUE);
}

void OnSetRowHeight(GridInstance& grid, int32_t height) {
    if (height == 0) {
        return;
    }
    grid.rowHeight = height;
    grid.rowHeightSet = true;
    ++grid.viewGeneration;
    ++grid.lookGeneration;
    SendMessageA(grid.listPane, LB_SETITEMHEIGHT, 0, height);
    Relayout(grid);
    InvalidateRect(grid.listPane, nullptr, TRUE);
}

void OnGetColTitle(GridInstance& grid, uint64_t column, void* out) {
    if (out == nullptr || column > UINT32_MAX) {
        return;
    }
    grid.store.columns().GetTitle(static_cast<uint32_t>(column), out, kCellTextLimit);
}

void OnSetColTitle(GridInstance& grid, uint64_t column, const void* title) {
    if (column > UINT32_MAX || !grid.store.SetColumnTitle(static_cast<uint32_t>(column), title)) {
        return;
    }
    InvalidateRect(grid.headerPane, nullptr, TRUE);
}

LRESULT OnGetColKind(GridInstance& grid, uint64_t column) {
    return column <= UINT32_MAX ? grid.store.columns().CellKind(static_cast<uint32_t>(column)) : 0;
}

}  // namespace vorlane
