// Sorting by a text and by a number column, for every input pattern.
#include <windows.h>
#include <commctrl.h>

#include "bench_controls.h"
#include "bench_measurements.h"
#include "store/sort_keys.h"
#include "vorlane.h"

namespace bench {

namespace {

struct SortContext {
    const RowSet* rows;
    HWND list;  // for LVM_SORTITEMSEX, whose callback gets item indexes
    bool byName;
};

int CompareRows(const SortContext& context, size_t a, size_t b) {
    if (context.byName) {
        // The grid's own name comparison, so that every control sorts into the same order.
        return vorlane::CompareTextKeys(
            reinterpret_cast<const unsigned char*>(context.rows->Name(a)),
            reinterpret_cast<const unsigned char*>(context.rows->Name(b)));
    }
    const INT32 x = context.rows->Number(a, 0);
    const INT32 y = context.rows->Number(b, 0);
    return x < y ? -1 : x > y ? 1 : 0;
}

// LVM_SORTITEMS: the item data are row indexes.
int CALLBACK CompareItems(LPARAM a, LPARAM b, LPARAM context) {
    return CompareRows(*reinterpret_cast<const SortContext*>(context), static_cast<size_t>(a),
                       static_cast<size_t>(b));
}

LPARAM ItemData(HWND list, LPARAM index) {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = static_cast<int>(index);
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

// LVM_SORTITEMSEX: the callback gets item indexes and asks the list view for the item data.
int CALLBACK CompareItemsEx(LPARAM a, LPARAM b, LPARAM context) {
    const auto& sort = *reinterpret_cast<const SortContext*>(context);
    return CompareRows(sort, static_cast<size_t>(ItemData(sort.list, a)),
                       static_cast<size_t>(ItemData(sort.list, b)));
}

// Puts the list view back in the order it was filled in.
int CALLBACK CompareRowIndexes(LPARAM a, LPARAM b, LPARAM) {
    return a < b ? -1 : a > b ? 1 : 0;
}

double TimeGridSort(HWND host, HWND grid, UINT column) {
    const double start = Now();
    SendMessageA(grid, GRM_SORT, column, GRID_SORT_ASCENDING);
    UpdateWindow(host);
    return Now() - start;
}

double TimeListViewSort(HWND host, HWND list, UINT message, PFNLVCOMPARE compare,
                        SortContext& context) {
    const double start = Now();
    SendMessageA(list, message, reinterpret_cast<WPARAM>(&context),
                 reinterpret_cast<LPARAM>(compare));
    UpdateWindow(host);
    return Now() - start;
}

struct PatternTimes {
    double grid = 0;
    double sortItems = 0;
    double sortItemsEx = 0;
};

}  // namespace

void MeasureSorts(ResultTable& results, size_t rows, bool withListView, bool withSortItemsEx) {
    HIMAGELIST images = MakeRowImages();
    const int gridRepeats = rows <= 100000 ? 3 : 1;
    const int listRepeats = rows <= 10000 ? 3 : 1;
    PatternTimes times[2][5];  // [by name, by number][pattern]

    for (int p = 0; p < 5; ++p) {
        const Pattern pattern = kMeasuredPatterns[p];
        const RowSet data(rows, pattern);
        for (int key = 0; key < 2; ++key) {
            const UINT column = key == 0 ? kNameColumn : kSizeColumn;
            PatternTimes& measured = times[key][p];
            {
                HostWindow host;
                HWND grid = CreateGrid(host.get(), RowIcons::ImageList, images, nullptr);
                std::vector<double> samples;
                for (int repeat = 0; repeat < gridRepeats; ++repeat) {
                    SendMessageA(grid, GRM_CLEARROWS, 0, 0);
                    FillGrid(grid, data, RowIcons::ImageList);
                    PumpMessages();
                    samples.push_back(TimeGridSort(host.get(), grid, column));
                }
                measured.grid = Median(samples);
                DestroyGrid(grid);
            }
            if (!withListView) {
                continue;
            }
            HostWindow host;
            const NumberTexts numbers(data);
            HWND list = CreateListView(host.get(), images);
            FillListView(list, data, numbers, nullptr);
            PumpMessages();
            SortContext context = {&data, list, key == 0};
            std::vector<double> samples;
            for (int repeat = 0; repeat < listRepeats; ++repeat) {
                samples.push_back(
                    TimeListViewSort(host.get(), list, LVM_SORTITEMS, CompareItems, context));
                SendMessageA(list, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(CompareRowIndexes));
            }
            measured.sortItems = Median(samples);
            if (withSortItemsEx) {
                measured.sortItemsEx =
                    TimeListViewSort(host.get(), list, LVM_SORTITEMSEX, CompareItemsEx, context);
            }
            DestroyWindow(list);
        }
    }
    ImageList_Destroy(images);

    for (int key = 0; key < 2; ++key) {
        const std::string by = key == 0 ? "text column" : "number column";
        for (int p = 0; p < 5; ++p) {
            const Pattern pattern = kMeasuredPatterns[p];
            const PatternTimes& measured = times[key][p];
            ResultLine line;
            line.section = "Sort";
            line.rows = Count(rows);
            line.unit = "ms";
            line.ours = measured.grid;
            line.measurement = "sort by " + by + ", " + PatternName(pattern) + " input";
            const bool targeted = pattern == Pattern::Random && rows == 100000;
            if (withListView) {
                line.against = "LVM_SORTITEMS";
                line.theirs = measured.sortItems;
                line.target = targeted ? Target{0.2, "<= 0.2 (5x faster)"} : Target{};
                line.notes = "sort and repaint";
                results.Add(line);
            }
            if (withSortItemsEx) {
                line.against = "LVM_SORTITEMSEX";
                line.theirs = measured.sortItemsEx;
                line.target = {};
                line.notes = "its callback asks for each item's data by index";
                results.Add(line);
            }
            if (pattern != Pattern::Random) {
                line.against = "Vorlane, random input";
                line.theirs = times[key][0].grid;
                line.target = {3, "<= 3"};
                line.notes = "";
                results.Add(line);
            } else if (!withListView) {
                line.against = "-";
                line.theirs = 0;
                line.target = {};
                line.notes = "list view not filled at this size (see Memory)";
                results.Add(line);
            }
        }
    }
}

}  // namespace bench
