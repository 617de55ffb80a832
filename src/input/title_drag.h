// Moving a column by dragging its title (GRS_DRAGCOLUMNS). A press on a title arms the drag;
// a move past the system drag distance starts it: an image of the title follows the pointer and
// a two-pixel mark in the header text colour shows where the column would land. The release
// there reports GRN_COLUMNORDER and, unless vetoed, moves the column; Escape, a release outside
// the header or a lost capture cancels. A press released before moving that far is a click.
#pragma once

#include <windows.h>

#include "frame/grid_instance.h"

namespace vorlane {

// A press in the header pane at `point` (pane pixels) that presses no column edge: arms the drag
// when the grid drags columns and a shown title lies there.
void PressTitleForDrag(GridInstance& grid, POINT point);
// A mouse move with the button held: starts the drag past the drag distance and moves the image
// and the mark. True while a drag runs (the move is the drag's alone).
bool MoveTitleDrag(GridInstance& grid, POINT point);
// The button's release: ends a running drag (true, the release is the drag's alone), or disarms
// a press that never moved far enough (false, the release is the title's click).
bool ReleaseTitleDrag(GridInstance& grid, POINT point);
// Escape while a drag runs cancels it; true when the key was used so.
bool AbandonTitleDragOnKey(GridInstance& grid, WPARAM virtualKey);
// Cancels a running drag (the capture lost); the button's release then does nothing.
void AbandonTitleDrag(GridInstance& grid);

}  // namespace vorlane
