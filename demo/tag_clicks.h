// Clicks on the Tag column. The grid makes column 0 current at every click, so that a second
// click would edit the name; a press on a Tag cell is remembered here, and the click's move of
// the current cell goes to that cell instead, where a second click or F2 edits the tag.
#pragma once

#include <windows.h>

#include "vorlane.h"

// GRN_BUTTON with the button down: notes whether the press (at the cursor) is on a Tag cell.
void NotePress(HWND grid);

// GRN_CELLCLICK: the click of that press makes its Tag cell current in place of the cell
// offered, which is vetoed. True when it did.
bool TurnClickToTag(GridNotify& record);
