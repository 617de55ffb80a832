// Numbers of the cursors and icons the library carries in its own resources. Plain #defines so
// that both the C++ sources and the resource script can include this file.
#ifndef VORLANE_RESOURCE_IDS_H
#define VORLANE_RESOURCE_IDS_H

#define IDC_GRID_RESIZE 102     // column resize cursor: two bars with left and right arrows
#define IDC_GRID_NODROP 103     // drag cursor where a drop is not allowed
#define IDC_GRID_DROP 104       // drag cursor where a drop is allowed
#define IDI_GRID_SORT_UP 105    // header mark of an ascending sort
#define IDI_GRID_SORT_DOWN 106  // header mark of a descending sort

#endif  // VORLANE_RESOURCE_IDS_H
