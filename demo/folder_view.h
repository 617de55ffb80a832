// One pane of the demo's file browser: a grid that lists a folder.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "vorlane.h"

// Kind cells of the rows a folder view shows: the parent entry, folders and files. Their low
// bytes are also the sort groups, so ".." stays first and folders come before files.
constexpr INT32 kParentRow = 1;
constexpr INT32 kFolderRow = 2;
constexpr INT32 kFileRow = 3;

// The grid gathers rows into sort groups by the low byte of column 5, and its last column is the
// kind column. The group column holds the row's kind again at position 5, hidden, so that ".."
// and the folders stay first while Keep and Tag stand between it and the kind column.
enum FolderColumn {
    kNameColumn,
    kTypeColumn,
    kSizeColumn,
    kModifiedColumn,
    kKibColumn,
    kGroupColumn,
    kKeepColumn,  // a check box per row, and one in the title for every row
    kTagColumn,   // a colour picked from a drop-down list
    kKindColumn
};

// The columns a user sees, sizes, moves and hides: all but the group and kind columns.
inline bool IsUserColumn(UINT column) {
    return column < kKindColumn && column != kGroupColumn;
}

// The columns' first widths at 96 DPI, kKindColumn excepted (it is 0 wide, as the group column).
constexpr int kColumnWidths[kKindColumn] = {200, 60, 90, 120, 80, 0, 56, 60};

// Where the columns stand at first: Keep leftmost, where check boxes are looked for, Tag beside
// the name it marks, and the hidden group column last.
constexpr UINT kFirstOrder[kKindColumn] = {kKeepColumn, kNameColumn,     kTagColumn, kTypeColumn,
                                           kSizeColumn, kModifiedColumn, kKibColumn, kGroupColumn};

// The choices of the Tag column (GRM_SETCOLCHOICES).
constexpr wchar_t kTagChoices[] = L"none\0red\0green\0blue\0";

// The cells of one row of a folder, as texts until they are added.
struct FolderRow {
    std::wstring name;
    std::wstring type;
    std::wstring size;
    std::wstring modified;
    std::wstring kib;
    GridValue kind;
    INT32 keep;
    std::wstring tag;
};

class FolderView {
  public:
    FolderView() = default;
    FolderView(const FolderView&) = delete;
    FolderView& operator=(const FolderView&) = delete;

    // Creates the grid (a child of parent), still without columns: a grid of the Unicode class,
    // so every text below is UTF-16. Its fonts and look are set before AddColumns, so that the
    // columns' editors and layout take them from the start.
    bool Create(HWND parent, int id);
    // Adds the columns; their widths are scaled from 96 DPI to `dpi`.
    void AddColumns(HIMAGELIST folderImages, UINT dpi);
    HWND grid() const { return grid_; }
    const std::wstring& folder() const { return folder_; }

    // Lists `folder` (clears the rows first) sorted by name, folders first. False, with the view
    // left as it was, when `folder` is not a folder that can be listed.
    bool Open(const std::wstring& folder);
    // Opens the folder row at `row`, or the parent folder for the ".." row. False when that
    // folder cannot be listed (the view stays as it was).
    bool OpenRow(UINT row);
    // Opens the folder above this one. False when there is none or it cannot be listed.
    bool OpenParent();
    // Adds a copy of another view's row, unless it is a ".." row or this view already has a row
    // of that name.
    void AddRowFrom(const FolderView& source, UINT row);

    // Sorts by a title the user clicked: the grid toggles that column's direction.
    void SortByTitle(UINT column);
    // Puts rows added since the last sort in their places under the current sort.
    void Resort();

    // Whether the row at `row` may be named `name`: a file name that no other row of the view
    // has. With `onDisk`, the file or folder is renamed as well, and a failure refuses the name.
    // A row keeps its own name without a check, so a second write of a rename does nothing.
    bool Rename(UINT row, const wchar_t* name, bool onDisk);
    // Brings the Type column in line with the row's name after a rename.
    void Renamed(UINT row);

    std::wstring NameAt(UINT row) const;
    // The file or folder a row lists: the folder joined with the row's name.
    std::wstring PathOf(UINT row) const { return PathOf(NameAt(row)); }
    std::wstring PathOf(const std::wstring& name) const { return folder_ + L"\\" + name; }
    INT32 KindAt(UINT row) const;
    // The row that holds `name` (compared as file names are), or -1.
    int RowOf(const std::wstring& name) const;

  private:
    static FolderRow RowFor(const WIN32_FIND_DATAW& entry);
    void Sort(UINT column, int mode);

    HWND grid_ = nullptr;
    std::wstring folder_;
    UINT sortColumn_ = kNameColumn;  // the column the rows were last sorted by
    // Each column's direction as the grid keeps it (descending or not), so that a re-sort can
    // set it back as it was; title clicks toggle it.
    bool descending_[kKindColumn] = {};
    // The grid reads the folder prefix through this buffer at every paint (file icons).
    wchar_t prefix_[MAX_PATH + 1] = {};
};
