// The file holds a line per pane: the pane (0 left, 1 right), then the display order, the widths
// at 96 DPI and the hidden flags of every column but the kind column, eight numbers each:
//   0  6 0 7 1 2 3 4 5  200 60 90 120 80 0 56 60  0 0 0 0 0 1 0 0
// The group column stays hidden whatever the file says.
#include "column_layout.h"

#include <cstdio>
#include <string>

#include "dpi_scale.h"
#include "folder_view.h"
#include "vorlane.h"

namespace {

constexpr int kMaxWidth = 4000;  // a saved width beyond this is taken for a damaged file

struct PaneLayout {
    UINT order[kKindColumn] = {};
    int widths[kKindColumn] = {};
    int hidden[kKindColumn] = {};
};

std::wstring LayoutPath() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return std::wstring();
    }
    std::wstring file(path, length);
    const size_t slash = file.find_last_of(L"\\/");
    return file.substr(0, slash == std::wstring::npos ? 0 : slash + 1) + L"demo-columns.txt";
}

// Reads one line's numbers after the pane; false for anything that is not a layout.
bool ReadLayout(FILE* file, PaneLayout& layout) {
    bool seen[kKindColumn] = {};
    for (UINT& column : layout.order) {
        if (std::fscanf(file, "%u", &column) != 1 || column >= kKindColumn || seen[column]) {
            return false;
        }
        seen[column] = true;
    }
    for (int& width : layout.widths) {
        if (std::fscanf(file, "%d", &width) != 1 || width < 0 || width > kMaxWidth) {
            return false;
        }
    }
    for (int& hidden : layout.hidden) {
        if (std::fscanf(file, "%d", &hidden) != 1 || (hidden != 0 && hidden != 1)) {
            return false;
        }
    }
    return true;
}

void ApplyLayout(HWND grid, const PaneLayout& layout, UINT dpi) {
    for (UINT column = 0; column < kKindColumn; ++column) {
        if (IsUserColumn(column)) {
            Grid_SetColWidth(grid, column, ScaleFor(dpi, layout.widths[column]));
            Grid_SetColHidden(grid, column, layout.hidden[column] != 0);
        }
    }
    Grid_SetColOrder(grid, kKindColumn, layout.order);
}

}  // namespace

void LoadColumnLayouts(const HWND (&grids)[2], UINT dpi) {
    const std::wstring path = LayoutPath();
    FILE* file = path.empty() ? nullptr : _wfopen(path.c_str(), L"r");
    if (file == nullptr) {
        return;
    }
    PaneLayout layouts[2];
    bool read[2] = {};
    unsigned pane = 0;
    for (int line = 0; line < 2 && std::fscanf(file, "%u", &pane) == 1 && pane < 2; ++line) {
        if (!ReadLayout(file, layouts[pane])) {
            break;
        }
        read[pane] = true;
    }
    std::fclose(file);
    for (int side = 0; side < 2; ++side) {
        if (read[side]) {
            ApplyLayout(grids[side], layouts[side], dpi);
        }
    }
}

void SaveColumnLayouts(const HWND (&grids)[2], UINT dpi) {
    const std::wstring path = LayoutPath();
    FILE* file = path.empty() ? nullptr : _wfopen(path.c_str(), L"w");
    if (file == nullptr) {
        return;
    }
    for (int side = 0; side < 2; ++side) {
        UINT order[kKindColumn] = {};
        Grid_GetColOrder(grids[side], kKindColumn, order);
        std::fprintf(file, "%d ", side);
        for (const UINT column : order) {
            std::fprintf(file, " %u", column);
        }
        std::fprintf(file, " ");
        for (UINT column = 0; column < kKindColumn; ++column) {
            std::fprintf(file, " %d", MulDiv(Grid_GetColWidth(grids[side], column), 96, dpi));
        }
        std::fprintf(file, " ");
        for (UINT column = 0; column < kKindColumn; ++column) {
            std::fprintf(file, " %d", Grid_GetColHidden(grids[side], column) ? 1 : 0);
        }
        std::fprintf(file, "\n");
    }
    std::fclose(file);
}
