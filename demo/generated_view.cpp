#include "generated_view.h"

#include <cstdio>
#include <cwchar>
#include <unordered_map>

#include "dpi_scale.h"
#include "vorlane.h"

namespace {

const wchar_t kViewClass[] = L"VorlaneGeneratedView";

enum Column : UINT {
    kName,
    kKind,
    kSize,
    kModified,
    kAttributes,
    kKeep,  // a check box per row, kept here
    kTag,   // a colour chosen in place, kept here
    kKindCell,
    kColumns
};

// The Tag column's choices, each ended by a NUL and the list by a second one.
const wchar_t kTagChoices[] = L"none\0red\0green\0blue\0";
const wchar_t* const kTags[] = {L"none", L"red", L"green", L"blue"};

struct GeneratedRows {
    HWND grid = nullptr;
    UINT count = 0;
    UINT sortColumn = kName;
    bool descending = false;
    // Of up to 100,000,000 rows only those changed since the title's box last set every row
    // are kept one by one.
    UINT keepAll = 0;
    std::unordered_map<UINT, UINT> keep;
    std::unordered_map<UINT, UINT> tags;  // index into kTags; rows not here are "none"
};

GeneratedRows& Rows() {
    static GeneratedRows rows;
    return rows;
}

// The row shown at `position` in the order chosen: every column grows with the row's number,
// so sorting any column ascending shows the rows in number order and descending reverses it.
UINT RowAt(UINT position) {
    const GeneratedRows& rows = Rows();
    return rows.descending ? rows.count - 1 - position : position;
}

void FillCell(GridCellRef& cell) {
    const UINT row = RowAt(cell.row);
    auto* text = static_cast<wchar_t*>(cell.buffer);
    switch (cell.column) {
        case kName: _snwprintf(text, cell.bufferSize, L"Datei %09u.txt", row); break;
        case kKind:
            _snwprintf(text, cell.bufferSize, L"%ls", row % 3 == 0 ? L"Текст" : L"Text");
            break;
        case kKindCell: *static_cast<UINT*>(cell.buffer) = 3; break;
        case kKeep: {
            const auto kept = Rows().keep.find(row);
            *static_cast<UINT*>(cell.buffer) =
                kept != Rows().keep.end() ? kept->second : Rows().keepAll;
            break;
        }
        case kTag: {
            const auto tagged = Rows().tags.find(row);
            const UINT tag = tagged != Rows().tags.end() ? tagged->second : 0;
            _snwprintf(text, cell.bufferSize, L"%ls", kTags[tag]);
            break;
        }
        default: *static_cast<UINT*>(cell.buffer) = row; break;
    }
    if ((cell.column < kSize || cell.column == kTag) && cell.bufferSize > 0) {
        text[cell.bufferSize - 1] = L'\0';
    }
}

// The title of the column the rows are ordered by shows their direction.
void ShowOrder(const GeneratedRows& rows) {
    Grid_SetSortArrow(rows.grid, rows.sortColumn,
                      rows.descending ? GRID_SORTARROW_DESCENDING : GRID_SORTARROW_ASCENDING);
}

// A write the user made: a check box toggled (the row -1 for every row) or a tag chosen.
bool Store(const GridNotify& record) {
    GeneratedRows& rows = Rows();
    if (record.column == kKeep && record.value != 0) {
        const UINT state = *reinterpret_cast<const UINT*>(record.value);
        if (record.row == static_cast<UINT>(-1)) {
            rows.keepAll = state;
            rows.keep.clear();
        } else {
            rows.keep[RowAt(record.row)] = state;
        }
        return true;
    }
    if (record.column == kTag && record.value != 0) {
        const auto* text = reinterpret_cast<const wchar_t*>(record.value);
        for (UINT tag = 0; tag < sizeof kTags / sizeof kTags[0]; ++tag) {
            if (std::wcscmp(text, kTags[tag]) == 0) {
                rows.tags[RowAt(record.row)] = tag;
                return true;
            }
        }
    }
    return false;
}

void OnNotify(GridNotify& record) {
    GeneratedRows& rows = Rows();
    switch (record.code) {
        case GRN_GETCELL: FillCell(*reinterpret_cast<GridCellRef*>(record.value)); break;
        case GRN_CELLCHANGING: record.cancel = Store(record) ? 0 : 1; break;
        case GRN_HEADERCLICK:
            if (record.column >= kKeep) {
                break;  // the generated order is by number only
            }
            // The rows are generated in order: sorting is choosing the direction.
            rows.descending = rows.sortColumn == record.column ? !rows.descending : false;
            rows.sortColumn = record.column;
            ShowOrder(rows);
            Grid_Redraw(rows.grid);
            break;
        default: break;
    }
}

void AddColumns(HWND grid) {
    const struct {
        const wchar_t* title;
        int width;
        int cellKind;
        int align;
        int editorKind;
        unsigned flags;
    } columns[kColumns] = {
        {L"Name", 220, GRID_CELL_TEXT, GRID_ALIGN_LEFT, GRID_EDITOR_NONE, 0},
        {L"Art", 90, GRID_CELL_TEXT, GRID_ALIGN_LEFT, GRID_EDITOR_NONE, 0},
        {L"Größe", 110, GRID_CELL_NUMBER, GRID_ALIGN_RIGHT, GRID_EDITOR_NONE, 0},
        {L"Zeile", 110, GRID_CELL_NUMBER, GRID_ALIGN_RIGHT, GRID_EDITOR_NONE, 0},
        {L"Wert", 90, GRID_CELL_NUMBER, GRID_ALIGN_RIGHT, GRID_EDITOR_NONE, 0},
        {L"Keep", 80, GRID_CELL_CHECK, GRID_ALIGN_CENTER, GRID_EDITOR_NONE, GRID_COLUMN_TITLECHECK},
        {L"Tag", 80, GRID_CELL_TEXT, GRID_ALIGN_LEFT, GRID_EDITOR_CHOICE, 0},
        {nullptr, 0, GRID_CELL_VALUE, GRID_ALIGN_LEFT, GRID_EDITOR_NONE, 0},
    };
    for (const auto& column : columns) {
        ColumnDescW desc = {};
        desc.title = column.title;
        desc.width = ScaleFor(DpiOf(grid), column.width);  // written for 96 DPI
        desc.cellKind = column.cellKind;
        desc.titleAlign = column.align;  // numbers and their titles alike
        desc.cellAlign = column.align;
        desc.editorKind = column.editorKind;
        desc.flags = column.flags;
        Grid_AddColumnW(grid, &desc);
    }
    Grid_SetColChoicesW(grid, kTag, kTagChoices);
}

LRESULT CALLBACK ViewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NOTIFY: OnNotify(*reinterpret_cast<GridNotify*>(lParam)); return 0;
        case WM_SIZE: MoveWindow(Rows().grid, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

HWND CreateGeneratedView(HINSTANCE instance, UINT rows) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ViewProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.lpszClassName = kViewClass;
    RegisterClassW(&windowClass);
    wchar_t title[96];
    _snwprintf(title, 96, L"Vorlane - %u generated rows", rows);
    title[95] = L'\0';
    HWND window =
        CreateWindowExW(0, kViewClass, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                        ScaleFor(DpiOf(nullptr), 700), ScaleFor(DpiOf(nullptr), 500), nullptr,
                        nullptr, instance, nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    RECT client = {};
    GetClientRect(window, &client);
    HWND grid = CreateWindowExW(WS_EX_CLIENTEDGE, VORLANE_CLASSW, nullptr,
                                WS_CHILD | WS_VISIBLE | GRS_OWNERDATA | GRS_LISTCONVENTIONS, 0, 0,
                                client.right, client.bottom, window, nullptr, instance, nullptr);
    if (grid == nullptr) {
        DestroyWindow(window);
        return nullptr;
    }
    Rows().grid = grid;
    Grid_UseSystemLook(grid, nullptr);
    AddColumns(grid);
    Rows().count = rows;
    if (!Grid_SetRowCount(grid, rows)) {
        DestroyWindow(window);
        return nullptr;
    }
    ShowOrder(Rows());
    return window;
}
