// The three controls the benchmark compares, made and filled the same way for every measurement:
// the grid, the system list view in report mode, and the bare owner-drawn list box the grid's
// list pane is made of.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "bench_support.h"

namespace bench {

// Where each row's 16 x 16 image comes from.
enum class RowIcons {
    ImageList,  // an application image list (the grid's row image list)
    Shell,      // the shell's small icon of the file, looked up by path
};

// Column layout shared by all three: two text columns, three number columns (and the grid's
// kind column, which shows nothing).
constexpr int kTextWidth = 200;
constexpr int kNumberWidth = 130;
constexpr int kShownColumns = 5;
constexpr UINT kNameColumn = 0;  // text key of the sorts
constexpr UINT kSizeColumn = 2;  // number key of the sorts

// The left edge, width and title of a shown column.
int ColumnLeft(int column);
int ColumnWidth(int column);
const char* ColumnTitle(int column);

// ---- the grid ------------------------------------------------------------------------------

// Makes `images` the row image list, which every grid of the process shares: the grids made
// after it with another list (or none) took it away from those made before.
void ShareRowImages(HWND grid, HIMAGELIST images);

// A visible grid filling the host's client area, with its six columns and no rows. With
// RowIcons::Shell, column 0's folder prefix is `folder` (kept by the caller). `style` adds GRS_
// bits.
HWND CreateGrid(HWND host, RowIcons icons, HIMAGELIST rowImages, const char* folder,
                DWORD style = 0);
// Appends the rows one GRM_ADDROW each.
void FillGrid(HWND grid, const RowSet& rows, RowIcons icons);
void DestroyGrid(HWND grid);
// The grid's list pane: the list box that shows its rows.
HWND ListPaneOf(HWND grid);

// ---- the list view -------------------------------------------------------------------------

// The texts of the list view's number columns, formatted before any timing starts.
class NumberTexts {
  public:
    explicit NumberTexts(const RowSet& rows);
    const char* Text(size_t row, int which) const { return texts_.data() + at_[3 * row + which]; }

  private:
    std::vector<char> texts_;
    std::vector<uint32_t> at_;
};

// A visible report-mode list view filling the host's client area, with five columns and the
// small image list given (not destroyed with it).
HWND CreateListView(HWND host, HIMAGELIST images);
// Inserts the rows as a careful client does: redrawing off, LVM_INSERTITEM (text, image, and
// the row index as item data) and one LVM_SETITEMTEXT per sub-item, redrawing on again.
// `shellIcons` gives each row's image index (RowIcons::Shell), else the row's image is used.
void FillListView(HWND list, const RowSet& rows, const NumberTexts& numbers,
                  const std::vector<int>* shellIcons);

// ---- both, side by side -------------------------------------------------------------------

// The grid and the list view in one host, filled with the same random rows and image-list
// icons, both shown; destroyed with it.
class GridBesideListView {
  public:
    explicit GridBesideListView(size_t rows);
    ~GridBesideListView();
    GridBesideListView(const GridBesideListView&) = delete;
    GridBesideListView& operator=(const GridBesideListView&) = delete;

    const RowSet data;
    const NumberTexts numbers;
    const HIMAGELIST images;
    HostWindow host;
    const HWND grid;
    const HWND list;
};

// ---- the bare list box ---------------------------------------------------------------------

// A visible owner-drawn, fixed-height, multiple-selection list box without strings, 17-pixel
// items, filling the host's client area: the grid's list pane as the system provides it. The
// host paints its items with PaintBareRow (texts only). `style` adds window style bits.
HWND CreateBareListBox(HostWindow& host, const RowSet& rows, DWORD style = 0);
// Appends one item per row from `first` to `count`, the row index as item data (LB_ADDSTRING).
void FillBareListBox(HWND list, size_t count, size_t first = 0);

}  // namespace bench
