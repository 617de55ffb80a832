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
    if (first > last) {
        return;
    }
    if (!selected && first == last) {
        SelectRow(grid, first, false);  // a range that ends where it starts only selects
        return;
    }
    // The list box selects from the first to the last, and deselects when they come reversed.
    const uint32_t from = selected ? first : last;
    const uint32_t to = selected ? last : first;
    SendToPane(grid, LB_SELITEMRANGEEX, from, static_cast<LPARAM>(to));
}

void SelectRows(const GridInstance& grid, std::span<const uint32_t> positions, bool selected) {
    const uint32_t rows = RowCount(grid);
    size_t runs = 0;
    for (size_t i = 1; i < positions.size(); ++i) {
        runs += positions[i] != positions[i - 1] + 1 ? 1 : 0;
    }
    const bool redrawOff = runs >= kRunsWorthRedrawOff;
    if (redrawOff) {
        SendToPane(grid, WM_SETREDRAW, FALSE, 0);
    }
    size_t i = 0;
    while (i < positions.size() && positions[i] < rows) {
        size_t end = i + 1;
        while (end < positions.size() && positions[end] == positions[end - 1] + 1 &&
               positions[end] < rows) {
            ++end;
        }
        SelectRowRange(grid, positions[i], positions[end - 1], selected);
        i = end;
    }
    if (redrawOff) {
        SendToPane(grid, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(grid.listPane, nullptr, TRUE);
    }
}

void DeselectAllRows(const GridInstance& grid) {
    SendToPane(grid, LB_SETSEL, FALSE, -1);
}

}  // namespace vorlane
