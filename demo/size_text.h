// File sizes as the panes show them. They are text cells, not number cells, because a number
// cell shows 0 as a blank. Each text is padded on the left with spaces to one width, so that
// the grid's text sort orders the sizes by value; the cells are right-aligned, so the padding
// does not show.
#pragma once

#include <cstdint>
#include <string>

// What folder rows show in both size columns.
inline constexpr char kFolderSizeText[] = "<DIR>";

// Bytes with thousands separators: "0", "1,200", "262,144".
std::string ByteSizeText(uint64_t bytes);
// Whole KiB, rounded up, with the unit: "0 KiB", "2 KiB", "256 KiB".
std::string KibSizeText(uint64_t bytes);
