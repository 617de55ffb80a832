// Which column lies at an x of the panes (which scroll together, so one x serves both): the
// span of a shown column, or the right edge that a drag in the header resizes. The header, the
// tooltips and GRM_HITTEST all ask here, in display order.
#pragma once

#include <cstdint>
#include <optional>

#include "frame/grid_instance.h"

namespace vorlane {

// The shown column whose span holds pane x (its left edge included, its right edge not).
std::optional<uint32_t> ShownColumnAtX(const ColumnSet& columns, int64_t x);
// The shown column whose right edge lies at most 2 pixels right or 1 pixel left of pane x (at
// 96 DPI, scaled): of columns sharing an edge, the last in display order.
std::optional<uint32_t> ColumnEdgeAtX(const GridInstance& grid, int64_t x);

}  // namespace vorlane
