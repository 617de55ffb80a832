// Filling, and the memory a fill takes.
#include <functional>
#include <optional>

#include "bench_controls.h"
#include "bench_measurements.h"

namespace bench {

namespace {

struct FillFigures {
    double microsecondsPerRow = 0;
    double bytesPerRow = 0;      // private bytes the control and its rows took, per row
    double bytesBeforeRows = 0;  // of those, the bytes the control took before its first row
};

// One fill in a fresh host: the private bytes before the control is made and before its first
// row, the time of the fill, and the private bytes after it and the first paint of the rows.
FillFigures FillOnce(const std::function<HWND(HostWindow&)>& create,
                     const std::function<void(HWND)>& fill,
                     const std::function<void(HWND)>& destroy, size_t rows) {
    HostWindow host;
    const uint64_t before = PrivateBytes();
    HWND control = create(host);
    PumpMessages();
    const uint64_t empty = PrivateBytes();
    const double start = Now();
    fill(control);
    const double end = Now();
    UpdateWindow(host.get());
    const uint64_t after = PrivateBytes();
    destroy(control);
    PumpMessages();
    const auto count = static_cast<double>(rows);
    return {(end - start) * 1000.0 / count,
            (static_cast<double>(after) - static_cast<double>(before)) / count,
            static_cast<double>(empty) - static_cast<double>(before)};
}

// What every appended row costs the grid before any work of its own, microseconds per call:
// the client's message to the grid (LB_GETCOUNT, which the grid answers from its row count) and
// the update of the vertical scroll bar's range (SetScrollInfo without redraw). The list pane's
// count grows once for a run of appends.
struct AppendFloor {
    double message = 0;
    double scrollRange = 0;
};

AppendFloor MeasureAppendFloor() {
    constexpr int kCalls = 100000;
    HostWindow host;
    HWND grid = CreateGrid(host.get(), RowIcons::ImageList, nullptr, nullptr);
    std::vector<double> messages, ranges;
    for (int block = 0; block < 3; ++block) {
        double start = Now();
        for (int i = 0; i < kCalls; ++i) {
            SendMessageA(grid, LB_GETCOUNT, 0, 0);
        }
        messages.push_back((Now() - start) * 1000.0 / kCalls);
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nPage = 40;
        start = Now();
        for (int i = 0; i < kCalls; ++i) {
            info.nMax = 100 + block * kCalls + i;
            SetScrollInfo(host.get(), SB_VERT, &info, FALSE);
        }
        ranges.push_back((Now() - start) * 1000.0 / kCalls);
    }
    DestroyGrid(grid);
    return {Median(messages), Median(ranges)};
}

// The grid's bytes per row beside the raw bytes of the rows' data, then, where the whole fill
// was measured, where the grid's bytes go: the rows' data as the store keeps it, the display
// order, the list pane's selected states and the rest.
void AddDataBytesLines(ResultTable& results, size_t rows, const FillFigures& grid, bool split,
                       const RowSet& data) {
    ResultLine line;
    line.section = "Memory";
    line.rows = Count(rows);
    line.unit = "bytes";
    line.measurement = "private bytes per row after the fill";
    line.ours = grid.bytesPerRow;
    line.against = "the rows' raw data (texts with terminators, 4 bytes a number)";
    line.theirs = data.DataBytesPerRow();
    line.target = rows >= 100000 ? Target{1.25, "<= 1.25"} : Target{};
    // The store keeps a 4-byte slot for every cell: the two text columns' slots hold each
    // text's place among the texts, which the raw data does not count.
    constexpr double kTextSlotBytes = 2 * 4;
    constexpr double kOrderBytes = 4;     // a row offset per position
    constexpr double kSelectedBytes = 1;  // the data-less list box's state per row
    const double storeData = data.DataBytesPerRow() + kTextSlotBytes;
    line.notes = "the layout itself: beside the raw data, " + Format(kTextSlotBytes, 0) +
                 " bytes of the texts' places, " + Format(kOrderBytes, 0) +
                 " of display order and " + Format(kSelectedBytes, 0) +
                 " of selected state (the list box's) a row; the rest " +
                 Format(grid.bytesPerRow - storeData - kOrderBytes - kSelectedBytes, 1) +
                 (split ? " bytes (lines below)" : " bytes");
    results.Add(line);
    line.notes = {};
    if (!split) {
        return;
    }
    line.target = {};
    line.measurement = "of the first line: the rows' data as the store keeps it";
    line.ours = storeData;
    line.notes = "the raw data and a 4-byte slot for each of the two texts (its place among them)";
    results.Add(line);
    line.measurement = "of the first line: the display order";
    line.ours = kOrderBytes;
    line.notes = "a 4-byte row offset per position";
    results.Add(line);
    line.measurement = "of the first line: the list pane's selected states";
    line.ours = kSelectedBytes;
    line.notes = "the platform's share: a list box without data keeps a byte a row";
    results.Add(line);
    line.measurement = "of the first line: the rest";
    line.ours = grid.bytesPerRow - storeData - kOrderBytes - kSelectedBytes;
    line.notes =
        "the store's memory past the data (at most a page a block once large, an eighth ahead "
        "while rows come), the grid's records and heap overhead";
    results.Add(line);
}

}  // namespace

void MeasureFillAndMemory(ResultTable& results, size_t rows, bool withListView, FillMemo& memo) {
    const RowSet data(rows, Pattern::Random);
    std::optional<NumberTexts> numbers;
    if (withListView) {
        numbers.emplace(data);
    }
    HIMAGELIST images = MakeRowImages();
    const int repeats = rows <= 100000 ? 3 : 1;

    auto makeGrid = [&](HostWindow& host) {
        return CreateGrid(host.get(), RowIcons::ImageList, images, nullptr);
    };
    auto fillGrid = [&](HWND grid) { FillGrid(grid, data, RowIcons::ImageList); };
    auto makeListView = [&](HostWindow& host) { return CreateListView(host.get(), images); };
    auto fillListView = [&](HWND list) { FillListView(list, data, *numbers, nullptr); };
    auto makeBox = [&](HostWindow& host) { return CreateBareListBox(host, data); };
    auto fillBox = [&](HWND box) { FillBareListBox(box, rows); };
    auto destroyWindow = [](HWND window) { DestroyWindow(window); };

    // Taking turns, so that all three meet the same load; the memory of the first turn counts.
    std::vector<double> gridTimes, boxTimes, listTimes;
    FillFigures gridFirst, boxFirst, listFirst;
    for (int turn = 0; turn < repeats; ++turn) {
        const FillFigures grid = FillOnce(makeGrid, fillGrid, DestroyGrid, rows);
        const FillFigures box = FillOnce(makeBox, fillBox, destroyWindow, rows);
        gridTimes.push_back(grid.microsecondsPerRow);
        boxTimes.push_back(box.microsecondsPerRow);
        if (turn == 0) {
            gridFirst = grid;
            boxFirst = box;
        }
        if (withListView) {
            const FillFigures list = FillOnce(makeListView, fillListView, destroyWindow, rows);
            listTimes.push_back(list.microsecondsPerRow);
            if (turn == 0) {
                listFirst = list;
            }
        }
    }
    ImageList_Destroy(images);

    const std::string median =
        repeats > 1 ? "median of " + std::to_string(repeats) + " fills" : "one fill";
    ResultLine line;
    line.section = "Fill";
    line.rows = Count(rows);
    line.unit = "us/row";
    line.ours = Median(gridTimes);

    line.measurement = "fill, per row";
    line.against = "bare owner-drawn list box (LB_ADDSTRING)";
    line.theirs = Median(boxTimes);
    line.target = {1.5, "<= 1.5"};
    line.notes = median + ", each in a fresh visible 1000x700 window; painting not included";
    results.Add(line);

    // The part of a row append no implementation can avoid: the client's message to the grid and
    // the exact scroll range after the row.
    const AppendFloor floor = MeasureAppendFloor();
    ResultLine bound = line;
    bound.measurement =
        "fill, per row: lower bound (one message to the grid + one scroll range update)";
    bound.ours = floor.message + floor.scrollRange;
    bound.notes = "a lower bound, not a measurement of the grid: message round trip " +
                  Format(floor.message, 3) + " us, scroll range " + Format(floor.scrollRange, 3) +
                  " us (SetScrollInfo, no redraw); the list pane's count grows once a run of "
                  "appends; the bare list box pays only its append";
    results.Add(bound);

    if (withListView) {
        line.against = "list view (insert + 4 sub-item texts, redraw off)";
        line.theirs = Median(listTimes);
        line.target = {};
        line.notes = median;
        results.Add(line);
    }

    ResultLine memory;
    memory.section = "Memory";
    memory.rows = Count(rows);
    memory.measurement = "private bytes per row after the fill";
    memory.unit = "bytes";
    memory.ours = gridFirst.bytesPerRow;
    if (withListView) {
        memo.listViewBytesPerRow = listFirst.bytesPerRow;
        memory.against = "list view";
        memory.theirs = listFirst.bytesPerRow;
        memory.target = {0.1, "<= 0.1"};
        memory.notes = "grid before its first row: " + Format(gridFirst.bytesBeforeRows / 1024, 0) +
                       " KiB; bare list box: " + Format(boxFirst.bytesPerRow, 1) +
                       " bytes/row (within the grid's figure)";
    } else {
        memory.against = "list view not filled";
        if (memo.listViewBytesPerRow > 0) {
            const double gibibytes =
                memo.listViewBytesPerRow * static_cast<double>(rows) / (1024.0 * 1024 * 1024);
#ifdef _WIN64
            const std::string tooMuch = "more than the " +
                                        Format(kListViewBudgetBytes / (1024 * 1024), 0) +
                                        " MiB this benchmark allows it (as in the 32-bit build)";
#else
            const std::string tooMuch = "more than a 32-bit process can spare";
#endif
            memory.notes = "at its bytes per row of the last size the list view would need " +
                           Format(gibibytes, 1) + " GiB, " + tooMuch + "; ";
        }
        memory.notes +=
            "grid before its first row: " + Format(gridFirst.bytesBeforeRows / 1024, 0) +
            " KiB; bare list box: " + Format(boxFirst.bytesPerRow, 1) + " bytes/row";
    }
    results.Add(memory);
    AddDataBytesLines(results, rows, gridFirst, true, data);

    memo.largestGrid = {rows, line.ours * static_cast<double>(rows) / 1e6, gridFirst.bytesPerRow};
}

#ifdef _WIN64
bool MeasureGridOnlyFill(ResultTable& results, size_t rows, const OtherBuildFill* beside) {
    const RowSet data(rows, Pattern::Random);
    HIMAGELIST images = MakeRowImages();
    LRESULT counted = -1;
    const FillFigures grid = FillOnce(
        [&](HostWindow& host) {
            return CreateGrid(host.get(), RowIcons::ImageList, images, nullptr);
        },
        [&](HWND control) { FillGrid(control, data, RowIcons::ImageList); },
        [&](HWND control) {
            counted = SendMessageA(control, LB_GETCOUNT, 0, 0);
            DestroyGrid(control);
        },
        rows);
    ImageList_Destroy(images);
    const bool complete = counted >= 0 && static_cast<size_t>(counted) == rows;
    const std::string countedBack =
        complete ? "succeeded: LB_GETCOUNT after the fill answered " + Count(rows)
                 : "**failed**: LB_GETCOUNT after the fill answered " +
                       std::to_string(static_cast<long long>(counted)) + ", not " + Count(rows);

    ResultLine fill;
    fill.section = "Fill";
    fill.rows = Count(rows);
    fill.measurement = "fill, grid only (64-bit)";
    fill.ours = grid.microsecondsPerRow * static_cast<double>(rows) / 1e6;
    fill.unit = "s";
    fill.against = "-";
    fill.notes =
        "one fill (GRM_ADDROW, six columns as above), in a fresh visible 1000x700 "
        "window, painting not included; " +
        Format(grid.microsecondsPerRow, 3) + " us/row; " + countedBack;
    ResultLine memory;
    memory.section = "Memory";
    memory.rows = Count(rows);
    memory.measurement = "private bytes per row after the fill, grid only (64-bit)";
    memory.ours = grid.bytesPerRow;
    memory.unit = "bytes";
    memory.against = "-";
    memory.notes =
        Format(grid.bytesPerRow * static_cast<double>(rows) / (1024.0 * 1024 * 1024), 2) +
        " GiB in all; grid before its first row: " + Format(grid.bytesBeforeRows / 1024, 0) +
        " KiB; " + countedBack;

    // The other build's largest fill goes right under each line.
    ResultLine otherFill, otherMemory;
    if (beside != nullptr && beside->fill.rows > 0) {
        const std::string provenance =
            (beside->sameRun ? std::string("measured in this same run")
                             : "not measured in this run, which skipped " + beside->architecture +
                                   ": carried over from an earlier run") +
            "; run: " + beside->run;
        otherFill.section = "Fill";
        otherFill.rows = Count(beside->fill.rows);
        otherFill.measurement = "fill, grid (" + beside->architecture + "), for comparison";
        otherFill.ours = beside->fill.seconds;
        otherFill.unit = "s";
        otherFill.against = "-";
        otherFill.notes =
            "the " + beside->architecture + " build's largest fill; " +
            Format(beside->fill.seconds * 1e6 / static_cast<double>(beside->fill.rows), 3) +
            " us/row; " + provenance;
        otherMemory = otherFill;
        otherMemory.section = "Memory";
        otherMemory.measurement = "private bytes per row after the fill, grid (" +
                                  beside->architecture + "), for comparison";
        otherMemory.ours = beside->fill.bytesPerRow;
        otherMemory.unit = "bytes";
        otherMemory.notes = "the " + beside->architecture + " build's largest fill; " + provenance;
    } else {
        fill.notes += "; no 32-bit figures to show beside it";
    }
    results.Add(fill);
    if (!otherFill.section.empty()) {
        results.Add(otherFill);
    }
    results.Add(memory);
    if (!otherMemory.section.empty()) {
        results.Add(otherMemory);
    }
    AddDataBytesLines(results, rows, grid, false, data);
    return complete;
}
#endif

}  // namespace bench
