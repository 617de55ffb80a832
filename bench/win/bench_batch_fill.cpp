#include "bench_batch_fill.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "bench_controls.h"
#include "vorlane.h"

namespace bench {

namespace {

constexpr size_t kBatch = 1000;
constexpr size_t kColumns = 6;

// Microseconds per row of one fill in a fresh host.
double TimeFill(const std::function<HWND(HostWindow&)>& create,
                const std::function<void(HWND)>& fill, size_t rows) {
    HostWindow host;
    HWND control = create(host);
    PumpMessages();
    const double start = Now();
    fill(control);
    const double end = Now();
    DestroyWindow(control);
    PumpMessages();
    return (end - start) * 1000.0 / static_cast<double>(rows);
}

}  // namespace

void MeasureBatchFill(ResultTable& results, size_t rows) {
    const RowSet data(rows, Pattern::Random);
    // The value arrays are the client's, built before any timing.
    std::vector<GridValue> values;
    values.reserve(rows * kColumns);
    for (size_t i = 0; i < rows; ++i) {
        values.insert(values.end(), {reinterpret_cast<GridValue>(data.Name(i)),
                                     reinterpret_cast<GridValue>(data.Note(i)), data.Number(i, 0),
                                     data.Number(i, 1), data.Number(i, 2), 0});
    }
    auto makeGrid = [](HostWindow& host) {
        return CreateGrid(host.get(), RowIcons::ImageList, nullptr, nullptr);
    };
    auto batches = [&](HWND grid) {
        for (size_t first = 0; first < rows; first += kBatch) {
            const size_t count = std::min(kBatch, rows - first);
            Grid_AddRows(grid, static_cast<UINT>(count), &values[first * kColumns]);
        }
    };
    auto oneByOne = [&](HWND grid) {
        for (size_t i = 0; i < rows; ++i) {
            Grid_AddRow(grid, &values[i * kColumns]);
        }
    };
    auto makeBox = [&](HostWindow& host) { return CreateBareListBox(host, data); };
    auto fillBox = [&](HWND box) { FillBareListBox(box, rows); };

    std::vector<double> batched, single, box;
    for (int turn = 0; turn < 3; ++turn) {
        batched.push_back(TimeFill(makeGrid, batches, rows));
        single.push_back(TimeFill(makeGrid, oneByOne, rows));
        box.push_back(TimeFill(makeBox, fillBox, rows));
    }
    const std::string count = std::to_string(rows);
    ResultLine line;
    line.section = "Fill";
    line.rows = count;
    line.measurement = "GRM_ADDROWS in batches of 1,000, per row (median of 3 fills)";
    line.ours = Median(batched);
    line.against = "bare list box, LB_ADDSTRING";
    line.theirs = Median(box);
    line.unit = "us";
    line.target = {1.3, "<= 1.3x"};
    results.Add(line);
    line.measurement = "GRM_ADDROW one by one, per row (median of 3 fills)";
    line.ours = Median(single);
    line.target = {};
    results.Add(line);
}

}  // namespace bench
