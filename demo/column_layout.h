// Each pane's columns as the user left them (display order, widths, hidden columns), kept
// between runs in a small text file beside the demo's executable.
#pragma once

#include <windows.h>

// Gives each grid the layout saved for its pane; a missing file, or a pane's line that does not
// read as a layout, leaves that grid as it is. Widths are saved at 96 DPI and scaled to `dpi`.
void LoadColumnLayouts(const HWND (&grids)[2], UINT dpi);
// Writes both panes' layouts, replacing the file.
void SaveColumnLayouts(const HWND (&grids)[2], UINT dpi);
