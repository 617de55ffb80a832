// Filling in batches: GRM_ADDROWS beside GRM_ADDROW one by one and the bare list box.
#pragma once

#include <cstddef>

#include "bench_support.h"

namespace bench {

// Fills `rows` rows three ways in fresh visible windows, taking turns: the grid with
// GRM_ADDROWS in batches of 1,000, the grid with one GRM_ADDROW a row, and the bare list box
// (LB_ADDSTRING, the floor); microseconds per row, the median of three turns.
void MeasureBatchFill(ResultTable& results, size_t rows);

}  // namespace bench
