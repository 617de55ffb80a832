// The menu of a pane's header: hide the column under the pointer, show a hidden one again, size
// every column to its texts, or put the columns back as they started.
#pragma once

#include <windows.h>

// The grid's header pane asks for its menu at `screen` (the cursor after a right click, or
// (-1, -1) from Shift+F10, which opens it at the header's left end). `dpi` scales the widths a
// reset gives. `owner` owns the menu.
void ShowHeaderMenu(HWND owner, HWND header, POINT screen, UINT dpi);

// Every column shown, in the order added, at its first width.
void ResetColumns(HWND grid, UINT dpi);
