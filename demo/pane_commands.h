// What the user asks of a pane beyond what the grid does by itself: opening what was activated,
// and the context menu with its commands.
#pragma once

#include <windows.h>

class FolderView;

// The context menu's commands, in its order; each names its key in the menu.
enum PaneCommand : UINT { kOpenCommand = 1, kRenameCommand, kCopyCommand, kSelectAllCommand };

// Opens what an activation names. The grid reports the kind word of the row the user activated
// in `rowKind`; kind 1 is "..", which a click never makes current, so `row` (the current row) is
// then not the row meant, and the parent folder opens. Any other kind opens the folder at `row`
// (a file opens nothing). A folder that cannot be listed is reported.
void OpenActivated(FolderView& view, UINT row, UINT rowKind, bool scripted);

// The grid asks for its context menu at `screen`: the cursor's point after a right click on a
// row, (-1, -1) for Shift+F10 or the Menu key. The menu is for the row under the cursor, or for
// the current row when a key asked, and opens at the cursor or below the current cell; the
// command chosen runs on that row. `owner` owns the menu.
void ShowPaneMenu(HWND owner, FolderView& view, POINT screen, bool scripted);

// Runs one command on `row` of `view`, as the menu does.
void RunPaneCommand(FolderView& view, UINT command, UINT row, bool scripted);
