// The largest grid that keeps its rows: the benchmark's random rows, made a part at a time (a run
// this long is never held whole by the benchmark), appended with GRM_ADDROWS, sorted by a
// number and by a text column beside std::sort of the same keys, and scrolled to its last row.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench_controls.h"
#include "bench_measurements.h"
#include "store/sort_keys.h"
#include "vorlane.h"

namespace bench {

#ifdef _WIN64
namespace {

constexpr size_t kPart = 1000000;  // rows made at a time
constexpr size_t kBatch = 1000;    // rows per GRM_ADDROWS
constexpr size_t kColumns = 6;
constexpr size_t kNameBytes = 12;  // every name: seven letters, ".txt" and its NUL

// What the run keeps of every row for the std::sort beside the grid's: its two sort keys.
struct Keys {
    std::vector<INT32> numbers;
    std::vector<char> names;  // kNameBytes a row
};

uint64_t AvailableBytes() {
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    return status.ullAvailPhys;
}

double TimeGridSort(HWND host, HWND grid, UINT column) {
    const double start = Now();
    SendMessageA(grid, GRM_SORT, column, GRID_SORT_ASCENDING);
    UpdateWindow(host);
    return Now() - start;
}

// How many of the pairs, sorted, share their key with a neighbour.
template <class Pair, class Same>
size_t SharedKeys(const std::vector<Pair>& pairs, Same same) {
    size_t shared = 0;
    for (size_t i = 0; i < pairs.size(); ++i) {
        const bool before = i > 0 && same(pairs[i - 1], pairs[i]);
        const bool after = i + 1 < pairs.size() && same(pairs[i], pairs[i + 1]);
        shared += before || after ? 1 : 0;
    }
    return shared;
}

// std::sort of (key, row index) pairs, in the grid's order, ms; `shared` receives how many rows
// share their key with another.
double TimeNumberPairSort(const Keys& keys, size_t& shared) {
    std::vector<std::pair<INT32, uint32_t>> pairs(keys.numbers.size());
    for (size_t i = 0; i < pairs.size(); ++i) {
        pairs[i] = {keys.numbers[i], static_cast<uint32_t>(i)};
    }
    const double start = Now();
    std::sort(pairs.begin(), pairs.end());
    const double time = Now() - start;
    shared = SharedKeys(pairs, [](const auto& a, const auto& b) { return a.first == b.first; });
    return pairs[0].second < pairs.size() ? time : -time;
}

double TimeNamePairSort(const Keys& keys) {
    const auto* names = reinterpret_cast<const unsigned char*>(keys.names.data());
    std::vector<std::pair<const unsigned char*, uint32_t>> pairs(keys.names.size() / kNameBytes);
    for (size_t i = 0; i < pairs.size(); ++i) {
        pairs[i] = {names + i * kNameBytes, static_cast<uint32_t>(i)};
    }
    const double start = Now();
    std::sort(pairs.begin(), pairs.end(), [](const auto& a, const auto& b) {
        const int sign = vorlane::CompareTextKeys(a.first, b.first);
        return sign < 0 || (sign == 0 && a.second < b.second);
    });
    const double time = Now() - start;
    return pairs[0].second < pairs.size() ? time : -time;
}

struct Filled {
    size_t added = 0;
    double seconds = 0;
    double rawBytes = 0;  // the rows' data: texts with their NULs, 4 bytes a number
};

// Appends `rows` rows a part at a time, keeping their keys; stops at the first batch refused.
Filled Fill(HWND grid, size_t rows, Keys& keys) {
    std::mt19937 random(20240611u + static_cast<unsigned>(Pattern::Random));
    Filled filled;
    std::vector<GridValue> values;
    for (size_t first = 0; first < rows; first += kPart) {
        const size_t count = std::min(kPart, rows - first);
        const RowSet part(count, random, first);
        values.clear();
        for (size_t i = 0; i < count; ++i) {
            values.insert(values.end(), {reinterpret_cast<GridValue>(part.Name(i)),
                                         reinterpret_cast<GridValue>(part.Note(i)),
                                         part.Number(i, 0), part.Number(i, 1), part.Number(i, 2),
                                         (static_cast<GridValue>(part.Image(i)) << 16) | 3});
            keys.numbers.push_back(part.Number(i, 0));
            keys.names.insert(keys.names.end(), part.Name(i), part.Name(i) + kNameBytes);
        }
        const double start = Now();
        for (size_t at = 0; at < count; at += kBatch) {
            const size_t batch = std::min(kBatch, count - at);
            if (Grid_AddRows(grid, static_cast<UINT>(batch), &values[at * kColumns]) < 0) {
                filled.seconds += (Now() - start) / 1000.0;
                return filled;
            }
            filled.added += batch;
        }
        filled.seconds += (Now() - start) / 1000.0;
        filled.rawBytes += part.DataBytesPerRow() * static_cast<double>(count);
    }
    return filled;
}

}  // namespace
#endif

void MeasureScale(ResultTable& results, size_t rows) {
#ifndef _WIN64
    (void)results;
    std::fprintf(stderr,
                 "%zu rows: 64-bit only, their data alone outgrows a 32-bit address space\n", rows);
#else
    ResultLine line;
    line.section = "Scale";
    line.rows = Count(rows);
    const double availableGiB = static_cast<double>(AvailableBytes()) / (1u << 30);
    HIMAGELIST images = MakeRowImages();
    HostWindow host;
    // The keys the run keeps for std::sort are the benchmark's, not the grid's: their memory is
    // taken before the grid's is counted.
    Keys keys;
    keys.numbers.reserve(rows);
    keys.names.reserve(rows * kNameBytes);
    const uint64_t before = PrivateBytes();
    HWND grid = CreateGrid(host.get(), RowIcons::ImageList, images, nullptr);
    const Filled filled = Fill(grid, rows, keys);
    UpdateWindow(host.get());  // the first paint: the store gives back what it grew ahead
    const uint64_t after = PrivateBytes();
    const LRESULT counted = SendMessageA(grid, LB_GETCOUNT, 0, 0);
    const std::string memoryNote =
        "memory available before the run " + Format(availableGiB, 1) + " GiB; after the fill " +
        Format(static_cast<double>(AvailableBytes()) / (1u << 30), 1) + " GiB";
    line.unit = "s";
    line.measurement = "fill, GRM_ADDROWS in batches of 1,000";
    line.ours = filled.seconds;
    line.against = "-";
    line.notes =
        Format(filled.seconds * 1e6 / static_cast<double>(std::max<size_t>(filled.added, 1)), 3) +
        " us/row; LB_GETCOUNT answered " + std::to_string(static_cast<long long>(counted)) +
        (filled.added == rows
             ? ""
             : "; **the grid refused a batch after " + Count(filled.added) + " rows**") +
        "; " + memoryNote;
    results.Add(line);
    const double added = static_cast<double>(std::max<size_t>(filled.added, 1));
    line.unit = "bytes";
    line.measurement = "private bytes per row after the fill";
    line.ours = (static_cast<double>(after) - static_cast<double>(before)) / added;
    line.against = "the rows' raw data (texts with terminators, 4 bytes a number)";
    line.theirs = filled.rawBytes / added;
    line.target = {1.25, "<= 1.25"};
    line.notes = Format(line.ours * added / (1u << 30), 2) +
                 " GiB in all; the layout itself: beside the raw data, 8 bytes of the texts' "
                 "places, 4 of display order and 1 of selected state (the list box's) a row";
    results.Add(line);
    if (filled.added == rows) {
        line.unit = "ms";
        line.target = {1.2, "<= 1.2"};
        line.notes = "the whole GRM_SORT and its repaint; one run";
        line.against = "std::sort of the same keys as (key, row index) pairs";
        line.measurement = "sort by number column, random input";
        line.ours = TimeGridSort(host.get(), grid, kSizeColumn);
        size_t shared = 0;
        line.theirs = TimeNumberPairSort(keys, shared);
        line.notes = "the whole GRM_SORT and its repaint; one run; " + Count(shared) +
                     " rows share their number with another: their order is the one the grid's "
                     "quicksort gives them, worked out over every range that holds them";
        results.Add(line);
        line.notes = "the whole GRM_SORT and its repaint; one run";
        line.measurement = "sort by text column, random input";
        line.ours = TimeGridSort(host.get(), grid, kNameColumn);
        line.theirs = TimeNamePairSort(keys);
        results.Add(line);
        HWND pane = ListPaneOf(grid);
        const double start = Now();
        SendMessageA(pane, WM_VSCROLL, SB_BOTTOM, 0);
        UpdateWindow(host.get());
        line.ours = Now() - start;
        line.measurement = "scroll to the last row (WM_VSCROLL SB_BOTTOM) and repaint";
        line.against = "-";
        line.theirs = 0;
        line.target = {};
        const LRESULT top = SendMessageA(pane, LB_GETTOPINDEX, 0, 0);
        line.notes = "top row afterwards " + Count(static_cast<size_t>(std::max<LRESULT>(top, 0))) +
                     " of " + Count(rows);
        results.Add(line);
    }
    DestroyGrid(grid);
    ImageList_Destroy(images);
#endif
}

}  // namespace bench
