// Windows benchmark of the grid control beside the system list view and the bare owner-drawn
// list box, run under Wine or Windows. In one run, for 10,000, 100,000 and 1,000,000 rows:
// filling and the memory it takes, sorting, full repaints and line scrolling.
//
//   vorlane_winbench.exe [--max-rows N] [--only fill|sort|paint] [results.md]
//
// The table is printed and written as Markdown to the file named (default bench-results.md).
// --max-rows leaves out the larger sizes and --only the other measurements (for quick checks).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench_batch_fill.h"
#include "bench_measurements.h"
#include "bench_support.h"

namespace {

// The list view is filled with a million rows only when that fits well within a 32-bit
// process, judged by its bytes per row at 100,000 rows.
constexpr double kListViewBudgetBytes = 600.0 * 1024 * 1024;

std::string Platform() {
    using WineVersion = const char*(CDECL*)();
    auto wine = reinterpret_cast<WineVersion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    return wine != nullptr ? std::string("Wine ") + wine() : std::string("Windows");
}

struct Options {
    size_t maxRows = 1000000;
    std::string only;  // empty: everything
    std::string output = "bench-results.md";
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--max-rows") == 0 && i + 1 < argc) {
            options.maxRows = std::strtoul(argv[++i], nullptr, 10);
        } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
            options.only = argv[++i];
        } else {
            options.output = argv[i];
        }
    }
    return options;
}

const char kFootnote[] =
    "Ratios below 1 mean Vorlane is faster (or smaller). Every figure of a line comes from the "
    "same run; controls that are compared take turns so that both meet the same load. Fill "
    "times end when the last row is added (the list view's include turning redrawing on again); "
    "painting is measured on its own. Memory is the growth of the process's "
    "committed private bytes from before the control was made to after its fill, sizes in "
    "ascending order, Vorlane first, so that memory the list view frees is reused only by a "
    "later list view (which, if anything, favours it). Sort times include the repaint that "
    "follows. The list view's sort callbacks compare the client's own data (item data = row "
    "index) with the grid's text order (a-z folded to A-Z) or as signed numbers.\n";

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (LoadLibraryA("vorlane.dll") == nullptr) {
        std::fprintf(stderr, "cannot load vorlane.dll (error %lu)\n", GetLastError());
        return 1;
    }
    auto wanted = [&](const char* part) { return options.only.empty() || options.only == part; };

    bench::ResultTable results;
    bench::FillMemo memo;
    for (size_t rows : {size_t{10000}, size_t{100000}, size_t{1000000}}) {
        if (rows > options.maxRows) {
            break;
        }
        const bool largest = rows == 1000000;
        const bool listViewFits =
            !largest ||
            (memo.listViewBytesPerRow > 0 &&
             memo.listViewBytesPerRow * static_cast<double>(rows) < kListViewBudgetBytes);
        if (wanted("fill")) {
            std::fprintf(stderr, "fill and memory, %zu rows\n", rows);
            bench::MeasureFillAndMemory(results, rows, listViewFits, memo);
            bench::MeasureBatchFill(results, rows);
        }
        if (wanted("sort")) {
            std::fprintf(stderr, "sorting, %zu rows\n", rows);
            bench::MeasureSorts(results, rows, !largest, rows == 10000);
        }
        if (wanted("paint") && !largest) {
            std::fprintf(stderr, "painting, %zu rows\n", rows);
            bench::MeasurePainting(results, rows);
        }
    }
    if (wanted("paint")) {
        std::fprintf(stderr, "painting with shell icons\n");
        bench::MeasureShellIconPainting(results);
    }

    const std::string table =
        results.Markdown("Vorlane Windows benchmark (" + Platform() + ")", kFootnote);
    std::fputs(table.c_str(), stdout);
    FILE* file = std::fopen(options.output.c_str(), "wb");  // LF line ends, as in the repository
    if (file == nullptr) {
        std::fprintf(stderr, "cannot write %s\n", options.output.c_str());
        return 1;
    }
    std::fputs(table.c_str(), file);
    std::fclose(file);
    return 0;
}
