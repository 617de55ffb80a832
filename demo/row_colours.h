// The file panes' rows in colours of their own, through custom draw: files and folders modified
// today in a colour, folder rows in bold.
#pragma once

#include <windows.h>

#include "vorlane.h"

// Answers one NM_CUSTOMDRAW record of a file pane. `boldFont` is the folder rows' font (the
// demo's, kept by it); `dark` picks a colour that reads on the dark look.
LRESULT ColourPaneRow(NMGRIDCUSTOMDRAW& record, HFONT boldFont, bool dark);
