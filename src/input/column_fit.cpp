#include "input/column_fit.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "access/row_text.h"
#include "frame/grid_handlers.h"
#include "frame/notify.h"
#include "frame/row_positions.h"
#include "frame/shared_state.h"
#include "render/gdi_objects.h"
#include "render/text_room.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr uint32_t kMeasuredRowsLimit = 100000;  // larger grids are fitted to the rows in view

int TextWidthIn(HDC dc, const std::wstring& text) {
    SIZE size = {};
    if (text.empty() ||
        !GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size)) {
        return 0;
    }
    return size.cx;
}

// The rows a fit reads: all of them, or those in view.
std::pair<uint32_t, uint32_t> MeasuredRows(const GridInstance& grid) {
    const uint32_t count = RowCount(grid);
    if (!IsOwnerData(grid) && count <= kMeasuredRowsLimit) {
        return {0, count};
    }
    const LRESULT top = SendMessageA(grid.listPane, LB_GETTOPINDEX, 0, 0);
    RECT client;
    GetClientRect(grid.ownWindow, &client);
    const int rows =
        grid.rowHeight > 0 ? (client.bottom - grid.headerHeight) / grid.rowHeight + 1 : 0;
    const auto first = static_cast<uint32_t>(std::max<LRESULT>(top, 0));
    return {std::min(first, count), std::min<uint64_t>(uint64_t{first} + std::max(rows, 0), count)};
}

// The column's display position in a grid, or the column itself when it has none.
uint32_t PositionIn(HWND grid, uint32_t column) {
    std::array<UINT, kMaxColumns> order{};
    const auto count = static_cast<uint32_t>(
        SendMessageA(grid, GRM_GETCOLORDER, order.size(), reinterpret_cast<LPARAM>(order.data())));
    const auto end = order.begin() + std::min<size_t>(count, order.size());
    const auto at = std::find(order.begin(), end, column);
    return at != end ? static_cast<uint32_t>(at - order.begin()) : column;
}

uint32_t ColumnIn(HWND grid, uint32_t position) {
    std::array<UINT, kMaxColumns> order{};
    const auto count = static_cast<uint32_t>(
        SendMessageA(grid, GRM_GETCOLORDER, order.size(), reinterpret_cast<LPARAM>(order.data())));
    return position < count && position < order.size() ? order[position] : position;
}

// Stores a width; true when it changed.
bool StoreWidth(GridInstance& grid, uint32_t column, int32_t width) {
    const int32_t old = grid.store.columns().Width(column);
    grid.store.SetColumnWidth(column, width);
    return old != width;
}

}  // namespace

int32_t FittedWidth(GridInstance& grid, uint32_t column) {
    int widest = 0;
    {
        WindowDC dc(grid.headerPane);
        if (dc.get() != nullptr) {
            ScopedSelect font(dc.get(), PaintedFont(grid.headerFont));
            widest = TitleWidthFor(grid, TextWidthIn(dc.get(), ColumnTitle(grid, column)));
        }
    }
    const auto [first, end] = MeasuredRows(grid);
    std::vector<std::wstring> texts;
    for (uint32_t row = first; row < end && !grid.destroyed; ++row) {
        std::optional<std::wstring> shown = CellShownText(grid, column, row, KindCellAt(grid, row));
        if (shown) {
            texts.push_back(std::move(*shown));
        }
    }
    if (grid.destroyed) {
        return 0;
    }
    WindowDC dc(grid.listPane);
    if (dc.get() == nullptr) {
        return widest;
    }
    ScopedSelect font(dc.get(), PaintedFont(grid.listFont));
    int text = 0;
    for (const std::wstring& shown : texts) {
        text = std::max(text, TextWidthIn(dc.get(), shown));
    }
    return std::max(widest, CellWidthFor(grid, column, text));
}

int32_t FitColumns(GridInstance& grid, uint32_t column, bool fill, bool byUser) {
    const ColumnSet& columns = grid.store.columns();
    std::vector<uint32_t> fitted;
    if (column == kAllColumns) {
        for (const uint32_t shown : columns.Shown()) {
            fitted.push_back(shown);
        }
    } else if (column + 1 < columns.Count()) {
        fitted.push_back(column);
    }
    if (fitted.empty()) {
        return 0;
    }
    std::vector<uint32_t> changed;
    for (const uint32_t each : fitted) {
        const int32_t width = FittedWidth(grid, each);
        if (grid.destroyed) {
            return 0;
        }
        if (StoreWidth(grid, each, width)) {
            changed.push_back(each);
        }
    }
    std::optional<uint32_t> last;
    for (const uint32_t shown : columns.Shown()) {
        last = shown;
    }
    if (fill && last) {
        RECT client;
        GetClientRect(grid.ownWindow, &client);
        const int64_t rest = int64_t{client.right} - columns.Get(*last)->x;
        if (rest > columns.Width(*last) && StoreWidth(grid, *last, static_cast<int32_t>(rest))) {
            changed.push_back(*last);
        }
    }
    ColumnsLaidOut(grid);
    const uint32_t answered = column == kAllColumns ? last.value_or(0) : column;
    const int32_t width = columns.Width(answered);
    for (const uint32_t each : changed) {
        if (grid.destroyed) {
            return width;
        }
        MirrorWidth(grid, each);
        if (byUser && !grid.destroyed) {
            NotifyColumnWidth(grid, each);
        }
    }
    return width;
}

void MirrorWidth(const GridInstance& grid, uint32_t column) {
    const SharedGridState& shared = Shared();
    HWND source = shared.widthPartnerB;
    HWND target = shared.widthPartnerA;
    if (grid.ownWindow == shared.widthPartnerA) {
        std::swap(source, target);
    }
    if (!IsWindow(source) || !IsWindow(target)) {
        return;
    }
    const LRESULT width = SendMessageA(source, GRM_GETCOLWIDTH, column, 0);
    SendMessageA(target, GRM_SETCOLWIDTH, ColumnIn(target, PositionIn(source, column)), width);
}

void NotifyColumnWidth(GridInstance& grid, uint32_t column) {
    GridNotify record = MakeNotify(grid, GRN_COLUMNWIDTH, column, 0);
    SendNotify(grid, record);
}

LRESULT OnAutoSizeColumn(GridInstance& grid, uint64_t column, bool fill) {
    const uint32_t named = column >= kAllColumns ? kAllColumns : static_cast<uint32_t>(column);
    return FitColumns(grid, named, fill, false);
}

}  // namespace vorlane
