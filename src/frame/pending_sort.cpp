// Sorting by message is not built yet: GRM_SORT changes nothing.
#include "frame/grid_handlers.h"

namespace vorlane {

void OnSort(GridInstance&, WPARAM, LPARAM) {}

}  // namespace vorlane
