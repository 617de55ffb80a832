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

enum FolderColumn {
    kNameColumn,
    kTypeColumn,
    kSizeColumn,
    kModifiedColumn,
    kKibColumn,
    kKindColumn
};

class FolderView {
  public:
    FolderView() = default;
    FolderView(const FolderView&) = delete;
    FolderView& operator=(const FolderView&) = delete;

    // Creates the grid (a child of parent) with its columns.
    bool Create(HWND parent, int id, HIMAGELIST folderImages);
    HWND grid() const { return grid_; }
    const std::string& folder() const { return folder_; }

    // Lists `folder` (clears the rows first) sorted by name, folders first.
    void Open(const std::string& folder);
    // Opens the folder row at `row`, or the parent folder for the ".." row.
    void OpenRow(UINT row);
    // Adds a copy of another view's row.
    void AddRowFrom(const FolderView& source, UINT row);

    std::string NameAt(UINT row) const;
    INT32 KindAt(UINT row) const;

  private:
    void AddEntry(const WIN32_FIND_DATAA& entry);

    HWND grid_ = nullptr;
    std::string folder_;
    // The grid reads the folder prefix through this buffer at every paint (file icons).
    char prefix_[MAX_PATH + 1] = {};
};
