// Scripted gestures that the demo plays before it takes a screenshot, made of the messages a
// hand on the mouse and keyboard would send.
#pragma once

#include <windows.h>

#include <string>

// Plays `gesture` in the demo window:
//   select  the last two rows of the left pane (files) selected, one of them the current row;
//   drag    those rows dragged over a folder of the right pane, not yet dropped;
//   drop    those rows dropped on the right pane;
//   rename  a file of the left pane renamed to a name in two scripts, then an empty name and
//           a name the pane already has (in other capitals) typed over two others;
//   commands  the checks of opening, the context menu and Tab (command_gestures.h).
// Returns false when the panes do not show what the gesture must leave: after a drop the rows
// in the right pane in their sorted places; after the renames the new name with its type, the
// refused names not taken, and ".." not editable.
bool PlayGesture(HWND window, const std::wstring& gesture);
