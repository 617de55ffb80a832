// Shift and Ctrl as the list pane reads them for a press or a release.
#pragma once

#include "frame/grid_instance.h"

namespace vorlane {

// Sets the gesture's shift and control flags from the keys' state at the time of the message now
// being handled (Shift first, then Ctrl). The flags keep these values until the next reading.
void ReadModifiers(ListGesture& gesture);

}  // namespace vorlane
