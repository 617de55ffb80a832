// Windows benchmark of the grid control beside the system list view and the bare owner-drawn
// list box, run under Wine or Windows. In one run, for 10,000, 100,000 and 1,000,000 rows:
// filling and the memory it takes, sorting, full repaints and line scrolling; the 64-bit build
// also fills the grid alone with 10,000,000 rows.
//
//   vorlane_winbench.exe [--max-rows N] [--max-rows-other N]
//                        [--only fill|memory|sort|paint|paint-floor|custom-draw|owner|wheel|
//                                scale] [--rows N]
//                        [--figures FILE] [--beside FILE] [results.md]
//
// The table is printed and written as Markdown to the file named (default bench-results.md).
// --max-rows leaves out the larger sizes and --only the other measurements (for quick checks;
// --only memory is the fill and its memory without the batched fills);
// --max-rows-other leaves out the larger sizes of every measurement but the 10,000,000-row fill.
// --only scale runs only the largest grid that keeps its rows, --rows of them (100,000,000 by
// default; 64-bit only); a full run given --rows ends with it.
// --figures writes the grid's largest fill (rows, seconds, bytes per row) as key=value lines;
// --beside reads such a file from another build's run, with the lines `run=` (which run measured
// it) and `same_run=1|0` added, and shows it beside the 10,000,000-row fill.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench_batch_fill.h"
#include "bench_measurements.h"
#include "bench_support.h"

namespace bench {

const char* Architecture() {
#ifdef _WIN64
    return "64-bit";
#else
    return "32-bit";
#endif
}

}  // namespace bench

namespace {

#ifdef _WIN64
// Only the grid goes this far: the other measurements stop at 1,000,000 rows.
constexpr size_t kGridOnlyRows = 10000000;
constexpr size_t kDefaultMaxRows = kGridOnlyRows;
#else
constexpr size_t kDefaultMaxRows = 1000000;
#endif

std::string Platform() {
    using WineVersion = const char*(CDECL*)();
    auto wine = reinterpret_cast<WineVersion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    return wine != nullptr ? std::string("Wine ") + wine() : std::string("Windows");
}

struct Options {
    size_t maxRows = kDefaultMaxRows;
    size_t maxRowsOther = kDefaultMaxRows;  // for all but the grid-only fill; within maxRows
    std::string only;                       // empty: everything
    std::string output = "bench-results.md";
    std::string figures;  // where to write the grid's largest fill; empty: nowhere
    std::string beside;   // another build's largest fill to show; empty: none
    size_t scaleRows = 100000000;
    bool scaleAsked = false;  // --rows given: a full run ends with the largest grid too
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--max-rows") == 0 && i + 1 < argc) {
            options.maxRows = static_cast<size_t>(std::strtoull(argv[++i], nullptr, 10));
        } else if (std::strcmp(argv[i], "--max-rows-other") == 0 && i + 1 < argc) {
            options.maxRowsOther = static_cast<size_t>(std::strtoull(argv[++i], nullptr, 10));
        } else if (std::strcmp(argv[i], "--rows") == 0 && i + 1 < argc) {
            options.scaleRows = static_cast<size_t>(std::strtoull(argv[++i], nullptr, 10));
            options.scaleAsked = true;
        } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
            options.only = argv[++i];
        } else if (std::strcmp(argv[i], "--figures") == 0 && i + 1 < argc) {
            options.figures = argv[++i];
        } else if (std::strcmp(argv[i], "--beside") == 0 && i + 1 < argc) {
            options.beside = argv[++i];
        } else {
            options.output = argv[i];
        }
    }
    return options;
}

bool WriteFigures(const std::string& path, const bench::GridFill& fill) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    std::fprintf(file, "architecture=%s\nrows=%zu\nseconds=%.3f\nbytes_per_row=%.3f\n",
                 bench::Architecture(), fill.rows, fill.seconds, fill.bytesPerRow);
    return std::fclose(file) == 0;
}

#ifdef _WIN64
// Reads a figures file; empty figures (rows 0) when there is none or it lacks a number.
bench::OtherBuildFill ReadFigures(const std::string& path) {
    bench::OtherBuildFill other;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return other;
    }
    char text[512];
    while (std::fgets(text, sizeof text, file) != nullptr) {
        std::string line(text);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.pop_back();
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (key == "architecture") {
            other.architecture = value;
        } else if (key == "rows") {
            other.fill.rows = static_cast<size_t>(std::strtoull(value.c_str(), nullptr, 10));
        } else if (key == "seconds") {
            other.fill.seconds = std::strtod(value.c_str(), nullptr);
        } else if (key == "bytes_per_row") {
            other.fill.bytesPerRow = std::strtod(value.c_str(), nullptr);
        } else if (key == "run") {
            other.run = value;
        } else if (key == "same_run") {
            other.sameRun = value == "1";
        }
    }
    std::fclose(file);
    if (other.architecture.empty() || other.fill.seconds <= 0 || other.fill.bytesPerRow <= 0) {
        other.fill.rows = 0;
    }
    return other;
}
#endif

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
    bool keptSelection = true;
    for (size_t rows : {size_t{10000}, size_t{100000}, size_t{1000000}}) {
        if (rows > options.maxRows || rows > options.maxRowsOther) {
            break;
        }
        const bool largest = rows == 1000000;
        const bool listViewFits =
            !largest ||
            (memo.listViewBytesPerRow > 0 &&
             memo.listViewBytesPerRow * static_cast<double>(rows) < bench::kListViewBudgetBytes);
        if (wanted("fill") || options.only == "memory") {
            std::fprintf(stderr, "fill and memory, %zu rows\n", rows);
            bench::MeasureFillAndMemory(results, rows, listViewFits, memo);
        }
        if (wanted("fill")) {
            bench::MeasureBatchFill(results, rows);
        }
        if (wanted("sort")) {
            std::fprintf(stderr, "sorting, %zu rows\n", rows);
            bench::MeasureSorts(results, rows, !largest, rows == 10000);
            if (!largest && !bench::MeasureSortKeepingSelection(results, rows)) {
                keptSelection = false;
            }
        }
        if (wanted("paint") && !largest) {
            std::fprintf(stderr, "painting, %zu rows\n", rows);
            bench::MeasurePainting(results, rows);
        }
        if ((wanted("paint") || options.only == "paint-floor") && !largest) {
            std::fprintf(stderr, "painting beside its floor, %zu rows\n", rows);
            bench::MeasurePaintingFloor(results, rows);
        }
        if ((wanted("paint") || options.only == "custom-draw") && !largest) {
            std::fprintf(stderr, "painting with custom draw, %zu rows\n", rows);
            bench::MeasureCustomDrawPainting(results, rows);
        }
    }
    if (wanted("paint")) {
        std::fprintf(stderr, "painting with shell icons\n");
        bench::MeasureShellIconPainting(results);
    }
    if (wanted("wheel")) {
        std::fprintf(stderr, "scrolling by the wheel\n");
        bench::MeasureWheelScrolling(results);
    }
    if (wanted("owner")) {
        std::fprintf(stderr, "owner data\n");
        bench::MeasureOwnerData(results);
    }
    // Last, so that the other measurements never meet a heap this fill has grown.
    bool complete = true;
#ifdef _WIN64
    if (wanted("fill") && options.maxRows >= kGridOnlyRows) {
        std::fprintf(stderr, "fill of the grid alone, %zu rows\n", kGridOnlyRows);
        const bench::OtherBuildFill beside =
            options.beside.empty() ? bench::OtherBuildFill{} : ReadFigures(options.beside);
        complete = bench::MeasureGridOnlyFill(results, kGridOnlyRows,
                                              beside.fill.rows > 0 ? &beside : nullptr);
    }
#endif
    // After everything else, as it grows the process by gigabytes.
    if (options.only == "scale" || (options.only.empty() && options.scaleAsked)) {
        std::fprintf(stderr, "a grid of %zu rows\n", options.scaleRows);
        bench::MeasureScale(results, options.scaleRows);
    }
    if (!options.figures.empty() && memo.largestGrid.rows > 0 &&
        !WriteFigures(options.figures, memo.largestGrid)) {
        std::fprintf(stderr, "cannot write %s\n", options.figures.c_str());
        return 1;
    }

    const std::string table =
        results.Markdown("Vorlane Windows benchmark, " + std::string(bench::Architecture()) +
                             " build (" + Platform() + ")",
                         kFootnote);
    std::fputs(table.c_str(), stdout);
    FILE* file = std::fopen(options.output.c_str(), "wb");  // LF line ends, as in the repository
    if (file == nullptr) {
        std::fprintf(stderr, "cannot write %s\n", options.output.c_str());
        return 1;
    }
    std::fputs(table.c_str(), file);
    std::fclose(file);
    if (!complete) {
        std::fprintf(stderr, "the grid did not take every row of the largest fill\n");
        return 1;
    }
    if (!keptSelection) {
        std::fprintf(stderr, "a sort did not keep every selected row selected\n");
        return 1;
    }
    return 0;
}
