#include "folder_view.h"

#include <cstdio>
#include <cwchar>
#include <vector>

#include "dpi_scale.h"
#include "row_marks.h"
#include "size_text.h"

namespace {

// The size and date texts are ASCII; the grid takes UTF-16.
std::wstring Wide(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

// The Modified column keeps four characters of its own in front of the date: the grid shows a
// column-3 text from its fifth character, so they hold the entry's attribute letters, hidden.
std::wstring ModifiedText(const WIN32_FIND_DATAW& entry) {
    SYSTEMTIME utc;
    SYSTEMTIME local;
    FileTimeToSystemTime(&entry.ftLastWriteTime, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    char text[64];
    std::snprintf(text, sizeof(text), "%c%c%c%c%04u-%02u-%02u %02u:%02u",
                  entry.dwFileAttributes & FILE_ATTRIBUTE_READONLY ? 'r' : '-',
                  entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN ? 'h' : '-',
                  entry.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM ? 's' : '-',
                  entry.dwFileAttributes & FILE_ATTRIBUTE_ARCHIVE ? 'a' : '-', local.wYear,
                  local.wMonth, local.wDay, local.wHour, local.wMinute);
    return Wide(text);
}

std::wstring TypeOf(const wchar_t* name, bool folder) {
    if (folder) {
        return L"Folder";
    }
    const wchar_t* dot = std::wcsrchr(name, L'.');
    if (dot == nullptr || dot[1] == L'\0') {
        return L"File";
    }
    std::wstring type = dot + 1;
    CharUpperBuffW(&type[0], static_cast<DWORD>(type.size()));
    return type;
}

// A name the file system keeps as it is: not blank, none of the characters it reserves, and no
// trailing space or dot (which it would drop).
bool IsFileName(const wchar_t* name) {
    const size_t length = std::wcslen(name);
    if (length == 0 || name[length - 1] == L' ' || name[length - 1] == L'.') {
        return false;
    }
    for (const wchar_t* c = name; *c != L'\0'; ++c) {
        if (*c < 0x20 || std::wcschr(L"\\/:*?\"<>|", *c) != nullptr) {
            return false;
        }
    }
    return true;
}

std::wstring ParentOf(const std::wstring& folder) {
    size_t slash = folder.find_last_of(L'\\');
    if (slash == std::wstring::npos || slash < 3) {
        return folder.substr(0, 3);  // "C:\"
    }
    return folder.substr(0, slash);
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

bool FolderView::Create(HWND parent, int id) {
    grid_ = CreateWindowExW(WS_EX_CLIENTEDGE, VORLANE_CLASSW, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | GRS_COLUMNLINES |
                                GRS_LISTCONVENTIONS | GRS_DRAGCOLUMNS | GRS_HOTTRACK,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    return grid_ != nullptr;
}

void FolderView::AddColumns(HIMAGELIST folderImages, UINT dpi) {
    ColumnDescW columns[kKindColumn + 1] = {};
    columns[kNameColumn] = {prefix_,          200, L"Name", GRID_ALIGN_LEFT, GRID_ALIGN_LEFT,
                            GRID_CELL_TEXT,   0,   nullptr, folderImages,    0,
                            GRID_EDITOR_TEXT, 0};
    columns[kTypeColumn] = {nullptr,          60, L"Type", GRID_ALIGN_LEFT, GRID_ALIGN_LEFT,
                            GRID_CELL_TEXT,   0,  nullptr, nullptr,         0,
                            GRID_EDITOR_NONE, 0};
    columns[kSizeColumn] = {nullptr,          90, L"Size", GRID_ALIGN_RIGHT, GRID_ALIGN_RIGHT,
                            GRID_CELL_TEXT,   0,  nullptr, nullptr,          0,
                            GRID_EDITOR_NONE, 0};
    columns[kModifiedColumn] = {
        nullptr,          120, L"Modified", GRID_ALIGN_LEFT, GRID_ALIGN_LEFT,
        GRID_CELL_TEXT,   0,   nullptr,     nullptr,         0,
        GRID_EDITOR_NONE, 0};
    columns[kKibColumn] = {nullptr,          80, L"KiB",  GRID_ALIGN_RIGHT, GRID_ALIGN_RIGHT,
                           GRID_CELL_TEXT,   0,  nullptr, nullptr,          0,
                           GRID_EDITOR_NONE, 0};
    columns[kGroupColumn] = {nullptr,          0, nullptr, GRID_ALIGN_LEFT, GRID_ALIGN_LEFT,
                             GRID_CELL_VALUE,  0, nullptr, nullptr,         0,
                             GRID_EDITOR_NONE, 0};
    columns[kKeepColumn] = {nullptr,          56, L"Keep", GRID_ALIGN_LEFT, GRID_ALIGN_LEFT,
                            GRID_CELL_CHECK,  0,  nullptr, nullptr,         GRID_COLUMN_TITLECHECK,
                            GRID_EDITOR_NONE, 0};
    columns[kTagColumn] = {nullptr,
                           60,
                           L"Tag",
                           GRID_ALIGN_LEFT,
                           GRID_ALIGN_LEFT,
                           GRID_CELL_TEXT,
                           0,
                           nullptr,
                           nullptr,
                           0,
                           GRID_EDITOR_CHOICE,
                           0};
    columns[kKindColumn] = {nullptr,          0, nullptr, GRID_ALIGN_LEFT, GRID_ALIGN_LEFT,
                            GRID_CELL_VALUE,  0, nullptr, nullptr,         0,
                            GRID_EDITOR_NONE, 0};
    for (int column = 0; column <= kKindColumn; ++column) {
        columns[column].width = column < kKindColumn ? ScaleFor(dpi, kColumnWidths[column]) : 0;
        Grid_AddColumnW(grid_, &columns[column]);
    }
    Grid_SetColHidden(grid_, kGroupColumn, TRUE);
    Grid_SetColOrder(grid_, kKindColumn, kFirstOrder);
    Grid_SetColChoicesW(grid_, kTagColumn, kTagChoices);
}

bool FolderView::Open(const std::wstring& folder) {
    if (folder.size() + 1 > MAX_PATH || !IsFolder(folder)) {
        return false;
    }
    folder_ = folder;
    std::swprintf(prefix_, MAX_PATH + 1, L"%ls\\", folder.c_str());
    Grid_ClearRows(grid_);
    // The whole folder goes in with one message: texts first, then the value array over them.
    std::vector<FolderRow> rows;
    if (folder.size() > 3) {
        const std::wstring dir = Wide(kFolderSizeText);
        rows.push_back({L"..", L"", dir, L"", dir, kParentRow, 0, L""});
    }
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (std::wcscmp(entry.cFileName, L".") != 0 &&
                std::wcscmp(entry.cFileName, L"..") != 0) {
                rows.push_back(RowFor(entry));
                const RowMark mark = MarkOf(PathOf(entry.cFileName));
                rows.back().keep = mark.keep;
                rows.back().tag = mark.tag;
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    std::vector<GridValue> values;
    values.reserve(rows.size() * (kKindColumn + 1));
    for (const FolderRow& row : rows) {
        for (const std::wstring* text :
             {&row.name, &row.type, &row.size, &row.modified, &row.kib}) {
            values.push_back(reinterpret_cast<GridValue>(text->c_str()));
        }
        values.insert(values.end(),
                      {row.kind, row.keep, reinterpret_cast<GridValue>(row.tag.c_str()), row.kind});
    }
    if (!rows.empty()) {
        Grid_AddRowsW(grid_, static_cast<UINT>(rows.size()), values.data());
    }
    Sort(kNameColumn, GRID_SORT_ASCENDING);
    Grid_DeselectAll(grid_);
    Grid_Redraw(grid_);
    return true;
}

FolderRow FolderView::RowFor(const WIN32_FIND_DATAW& entry) {
    const bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const uint64_t bytes = (static_cast<uint64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
    return {entry.cFileName,
            TypeOf(entry.cFileName, isFolder),
            Wide(isFolder ? kFolderSizeText : ByteSizeText(bytes)),
            ModifiedText(entry),
            Wide(isFolder ? kFolderSizeText : KibSizeText(bytes)),
            isFolder ? kFolderRow : kFileRow,
            0,
            kNoTag};
}

std::wstring FolderView::NameAt(UINT row) const {
    wchar_t name[MAX_PATH] = {};
    Grid_GetCellW(grid_, kNameColumn, row, name);
    return name;
}

INT32 FolderView::KindAt(UINT row) const {
    INT32 kind = 0;
    Grid_GetCell(grid_, kKindColumn, row, &kind);
    return kind;
}

bool FolderView::OpenRow(UINT row) {
    INT32 kind = KindAt(row) & 0xFF;
    if (kind == kParentRow) {
        return OpenParent();
    }
    return kind != kFolderRow || Open(folder_ + L"\\" + NameAt(row));
}

bool FolderView::OpenParent() {
    return folder_.size() > 3 && Open(ParentOf(folder_));
}

void FolderView::AddRowFrom(const FolderView& source, UINT row) {
    const INT32 kind = source.KindAt(row);
    const std::wstring name = source.NameAt(row);
    if ((kind & 0xFF) == kParentRow || RowOf(name) >= 0) {
        return;
    }
    wchar_t type[MAX_PATH] = {};
    wchar_t size[64] = {};
    wchar_t modified[64] = {};
    wchar_t kib[64] = {};
    Grid_GetCellW(source.grid(), kTypeColumn, row, type);
    Grid_GetCellW(source.grid(), kSizeColumn, row, size);
    Grid_GetCellW(source.grid(), kModifiedColumn, row, modified);
    Grid_GetCellW(source.grid(), kKibColumn, row, kib);
    // The copy takes the marks kept for its new place, not the source's.
    const RowMark mark = MarkOf(PathOf(name));
    GridValue values[kKindColumn + 1] = {reinterpret_cast<GridValue>(name.c_str()),
                                         reinterpret_cast<GridValue>(type),
                                         reinterpret_cast<GridValue>(size),
                                         reinterpret_cast<GridValue>(modified),
                                         reinterpret_cast<GridValue>(kib),
                                         kind,
                                         mark.keep,
                                         reinterpret_cast<GridValue>(mark.tag.c_str()),
                                         kind};
    Grid_AddRowW(grid_, values);
}

int FolderView::RowOf(const std::wstring& name) const {
    const int count = Grid_GetRowCount(grid_);
    for (int row = 0; row < count; ++row) {
        if (lstrcmpiW(NameAt(static_cast<UINT>(row)).c_str(), name.c_str()) == 0) {
            return row;
        }
    }
    return -1;
}

void FolderView::Sort(UINT column, int mode) {
    Grid_Sort(grid_, column, mode);
    // With fewer than two rows the grid sorts nothing and leaves the direction as it was.
    if (Grid_GetRowCount(grid_) >= 2) {
        descending_[column] = Grid_GetSortState(grid_) != 0;
    }
    sortColumn_ = column;
}

void FolderView::SortByTitle(UINT column) {
    if (column < kKindColumn) {
        Sort(column, GRID_SORT_TOGGLE);
    }
}

// Title clicks sort only the files and leave ".." and the folders in name order, as the folder
// was opened; an ascending sort by name puts every row in its group in that order again. Each
// sort sets its column's direction, so the name's is set back when another column is current.
void FolderView::Resort() {
    const UINT column = sortColumn_;
    const bool nameDescending = descending_[kNameColumn];
    Sort(kNameColumn, GRID_SORT_ASCENDING);
    if (nameDescending && column != kNameColumn) {
        Sort(kNameColumn, GRID_SORT_DESCENDING_TAIL);
    }
    Sort(column, descending_[column] ? GRID_SORT_DESCENDING_TAIL : GRID_SORT_ASCENDING_TAIL);
}

bool FolderView::Rename(UINT row, const wchar_t* name, bool onDisk) {
    const std::wstring old = NameAt(row);
    if (old == name) {
        return true;
    }
    if ((KindAt(row) & 0xFF) == kParentRow || !IsFileName(name)) {
        return false;
    }
    const int holder = RowOf(name);
    if (holder >= 0 && static_cast<UINT>(holder) != row) {
        return false;
    }
    return !onDisk || MoveFileW((folder_ + L"\\" + old).c_str(), (folder_ + L"\\" + name).c_str());
}

void FolderView::Renamed(UINT row) {
    if ((KindAt(row) & 0xFF) == kFileRow) {
        Grid_SetCellTextW(grid_, kTypeColumn, row, TypeOf(NameAt(row).c_str(), false).c_str());
    }
}
