// Scripted checks of what the user opens and commands in the panes, played with the messages a
// hand on the mouse and keyboard would send.
#pragma once

#include <windows.h>

// Plays each case of its table on the left pane (opened again before each): ".." activated by
// a double click and by Enter, the context menu by key and by right click with each of its
// commands, where the menu opens, and Tab between the panes. The cases that fail are named on
// the error output; true when none did.
bool PlayCommandChecks();
