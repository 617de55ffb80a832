// The grid's data store, owned by its instance.
#pragma once

#include <cstdint>

#include "frame/grid_instance.h"

namespace vorlane {

// Creates the instance's store; false when memory cannot be had.
bool AttachStore(GridInstance& grid);
void DetachStore(GridInstance& grid);
uint32_t TotalWidth(const GridInstance& grid);

}  // namespace vorlane
