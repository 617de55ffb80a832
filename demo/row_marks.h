// The Keep and Tag values of the panes' rows. The demo keeps them itself, by path, so that they
// outlast the rows: a folder listed again (opened anew, or its pane refreshed) shows them as they
// were, and a renamed row keeps its own.
#pragma once

#include <windows.h>

#include <string>

#include "vorlane.h"

class FolderView;

struct RowMark {
    INT32 keep = 0;
    std::wstring tag;
};

// The values of the file or folder at `path`; a clear box and no tag for one never marked.
RowMark MarkOf(const std::wstring& path);

// A pane's cell write, as the parent hears of it, for the values it keeps: a Keep toggle when
// done (GRN_CELLCHANGED; ".." is refused at GRN_CELLCHANGING), a Tag when offered (the grid
// reports no later step of a Tag write) and a new name, to which the row's values move.
void NoteCellWrite(FolderView& view, GridNotify& record);
