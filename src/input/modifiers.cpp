#include "input/modifiers.h"

#include <windows.h>

namespace vorlane {

namespace {

// GetKeyState follows the input as this thread has taken it from its queue, so it tells
// whether the key was down when the mouse message was made, however often it has been asked.
bool KeyDown(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace

void ReadModifiers(ListGesture& gesture) {
    gesture.shiftHeld = KeyDown(VK_SHIFT);
    gesture.controlHeld = KeyDown(VK_CONTROL);
}

}  // namespace vorlane
