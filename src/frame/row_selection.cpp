#include "frame/row_selection.h"

#include <algorithm>
#include <new>

#include "frame/row_positions.h"

namespace vorlane {

namespace {

LRESULT SendToPane(const GridInstance& grid, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(grid.listPane, message, wParam, lParam);
}

// Writes at most `room` selected positions; how many it wrote.
uint32_t FetchSelected(const GridInstance& grid, uint32_t* positions, uint32_t room) {
    if (room == 0) {
        return 0;
    }
    const LRESULT written =
        SendToPane(grid, LB_GETSELITEMS, room, reinterpret_cast<LPARAM>(positions));
    return static_cast<uint32_t>(std::clamp<LRESULT>(written, 0, room));
}

// Selects or deselects first to last (first <= last), sent to the pane, or handed straight to
// the list box's own procedure when one is given.
void SelectRange(const GridInstance& grid, WNDPROC listBox, uint32_t first, uint32_t last,
                 bool selected) {
    if (first > last) {
        return;
    }
    UINT message = LB_SELITEMRANGEEX;
    WPARAM wParam = selected ? first : last;  // reversed, the range deselects
    LPARAM lParam = static_cast<LPARAM>(selected ? last : first);
    if (!selected && first == last) {
        message = LB_SETSEL;  // a range that ends where it starts only selects
        wParam = FALSE;
        lParam = static_cast<LPARAM>(first);
    }
    if (listBox != nullptr) {
        CallWindowProcA(listBox, grid.listPane, message, wParam, lParam);
    } else {
        SendToPane(grid, message, wParam, lParam);
    }
}

// Below this many runs the list box repaints the few rows it changes as cheaply as it would
// repaint the pane once.
constexpr size_t kRunsWorthRedrawOff = 8;

}  // namespace

uint32_t SelectedRowCount(const GridInstance& grid) {
    const LRESULT count = SendToPane(grid, LB_GETSELCOUNT, 0, 0);
    return count > 0 ? static_cast<uint32_t>(count) : 0;
}

bool SelectedRows(const GridInstance& grid, std::vector<uint32_t>& positions) {
    positions.clear();
    const uint32_t count = SelectedRowCount(grid);
    try {
        positions.resize(count);
    } catch (const std::bad_alloc&) {
        positions.clear();
        return false;
    }
    positions.resize(FetchSelected(grid, positions.data(), count));
    return true;
}

uint32_t CopySelectedRows(const GridInstance& grid, uint32_t* positions, uint32_t room) {
    if (positions == nullptr) {
        return 0;
    }
    // The list box takes its room as an int: a larger one is never needed.
    return FetchSelected(grid, positions, std::min(room, SelectedRowCount(grid)));
}

bool IsRowSelected(const GridInstance& grid, uint32_t row) {
    return SendToPane(grid, LB_GETSEL, row, 0) > 0;
}

void SelectRow(const GridInstance& grid, uint32_t row, bool selected) {
    SendToPane(grid, LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(row));
}

void SelectRowRange(const GridInstance& grid, uint32_t first, uint32_t last, bool selected) {
    SelectRange(grid, nullptr, first, last, selected);
}

void SelectRows(GridInstance& grid, std::span<const uint32_t> positions, bool selected) {
    const uint32_t rows = RowCount(grid);
    size_t runs = 0;
    for (size_t i = 1; i < positions.size(); ++i) {
        runs += positions[i] != positions[i - 1] + 1 ? 1 : 0;
    }
    const bool bulk = runs >= kRunsWorthRedrawOff;
    if (bulk) {
        SendToPane(grid, WM_SETREDRAW, FALSE, 0);
    }
    // Each run goes straight to the list box's own procedure: a message per run through the
    // pane's procedure costs as much again as the selecting. What that procedure does for a
    // message, once is enough here.
    ++grid.viewGeneration;
    const auto listBox = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(grid.listPane, GWLP_USERDATA));
    size_t i = 0;
    while (i < positions.size() && positions[i] < rows) {
        size_t end = i + 1;
        while (end < positions.size() && positions[end] == positions[end - 1] + 1 &&
               positions[end] < rows) {
            ++end;
        }
        SelectRange(grid, listBox, positions[i], positions[end - 1], selected);
        i = end;
    }
    if (bulk) {
        SendToPane(grid, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(grid.listPane, nullptr, TRUE);
    }
}

void DeselectAllRows(const GridInstance& grid) {
    SendToPane(grid, LB_SETSEL, FALSE, -1);
}

}  // namespace vorlane
