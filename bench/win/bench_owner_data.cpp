#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_controls.h"
#include "bench_measurements.h"
#include "vorlane.h"

namespace bench {

namespace {

constexpr UINT kSmallCount = 1000;
constexpr int kRepeats = 15;

WNDPROC hostProcedure = nullptr;

// The application's side: every cell is made up from its row when the grid asks for it.
LRESULT CALLBACK OwnerDataHost(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const auto* record = reinterpret_cast<const GridNotify*>(lParam);
        if (record->code == GRN_GETCELL) {
            const auto* cell = reinterpret_cast<const GridCellRef*>(record->value);
            if (cell->column < 2) {
                std::snprintf(static_cast<char*>(cell->buffer), cell->bufferSize,
                              cell->column == 0 ? "file %u.txt" : "note %u", cell->row);
            } else {
                const UINT value = cell->column == 5 ? (cell->row % 3 + 1) << 16 : cell->row * 7;
                *static_cast<UINT*>(cell->buffer) = value;
            }
            return 0;
        }
    }
    return CallWindowProcA(hostProcedure, window, message, wParam, lParam);
}

// Median milliseconds of `step`, each run after `reset` (not timed) has put the grid back.
double TimeStep(const std::function<void()>& reset, const std::function<void()>& step) {
    std::vector<double> samples;
    for (int i = 0; i < kRepeats; ++i) {
        reset();
        PumpMessages();
        const double start = Now();
        step();
        samples.push_back(Now() - start);
    }
    return Median(samples);
}

void Repaint(HWND grid) {
    RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

struct OwnerDataTimes {
    double setCount = 0;
    double repaint = 0;
    double jumpToLast = 0;
    double selectAll = 0;
    double typedMiss = 0;
    double bytesPerRow = 0;
};

OwnerDataTimes MeasureAt(UINT count, HIMAGELIST images) {
    HostWindow host;
    hostProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(host.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OwnerDataHost)));
    const uint64_t before = PrivateBytes();
    HWND grid = CreateGrid(host.get(), RowIcons::ImageList, images, nullptr, GRS_OWNERDATA);
    OwnerDataTimes times;
    times.setCount =
        TimeStep([&] { Grid_SetRowCount(grid, 0); }, [&] { Grid_SetRowCount(grid, count); });
    Repaint(grid);
    times.bytesPerRow = static_cast<double>(PrivateBytes() - before) / count;
    times.repaint = TimeStep([] {}, [&] { Repaint(grid); });
    times.jumpToLast = TimeStep(
        [&] {
            Grid_SetCurCell(grid, 0, 0);
            Repaint(grid);
        },
        [&] {
            Grid_SetCurCell(grid, 0, count - 1);
            UpdateWindow(grid);
            UpdateWindow(ListPaneOf(grid));
        });
    times.selectAll = TimeStep(
        [&] {
            Grid_DeselectAll(grid);
            Repaint(grid);
        },
        [&] {
            Grid_SelectAll(grid);
            UpdateWindow(ListPaneOf(grid));
        });
    // A letter that no row begins with: the search looks at every row it may before it gives up.
    HWND pane = ListPaneOf(grid);
    times.typedMiss = TimeStep([] {}, [&] { SendMessageA(pane, WM_CHAR, 'q', 1); });
    DestroyWindow(grid);
    SetWindowLongPtrA(host.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hostProcedure));
    PumpMessages();
    return times;
}

}  // namespace

void MeasureOwnerData(ResultTable& results) {
    HIMAGELIST images = MakeRowImages();
    const UINT large = GRID_MAX_OWNER_ROWS;
    const OwnerDataTimes small = MeasureAt(kSmallCount, images);
    const OwnerDataTimes big = MeasureAt(large, images);
    ImageList_Destroy(images);

    ResultLine line;
    line.section = "Owner data";
    line.rows = Count(large);
    line.against = "the same at 1,000 rows";
    line.unit = "ms";
    line.target = {2.0, "<= 2x"};
    const struct {
        const char* what;
        double ours;
        double theirs;
    } steps[] = {
        {"GRM_SETROWCOUNT (median of 15)", big.setCount, small.setCount},
        {"full repaint (median of 15)", big.repaint, small.repaint},
        {"jump to the last row: GRM_SETCURCELL and its paint (median of 15)", big.jumpToLast,
         small.jumpToLast},
        {"Select all: GRM_SELECTALL and its paint (median of 15)", big.selectAll, small.selectAll},
        {"type-to-find: a letter no row begins with (median of 15)", big.typedMiss,
         small.typedMiss},
    };
    for (const auto& step : steps) {
        line.measurement = step.what;
        line.ours = step.ours;
        line.theirs = step.theirs;
        results.Add(line);
    }
    line.measurement = "private bytes per row after the count is set and painted";
    line.ours = big.bytesPerRow;
    line.against = {};
    line.theirs = 0;
    line.unit = "bytes";
    line.target = {2.0, "<= 2 bytes"};
    results.Add(line);
}

}  // namespace bench
