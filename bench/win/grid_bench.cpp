// Windows benchmark of the grid control beside the system list view, run under Wine or Windows.
//
//   vorlane_winbench.exe [results.md]
//
// Each measurement is one function that builds what it needs, times it and adds one line to the
// results table; the table is printed and written as Markdown to the file named on the command
// line (default bench-results.md). To add a measurement (fill, sort, scroll, memory), write a
// function with the Measurement signature and list it in kMeasurements.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "vorlane.h"

namespace {

// ---- results -------------------------------------------------------------------------------

struct ResultLine {
    std::string measurement;  // what was measured, and how often
    double vorlane = 0;       // the grid's figure
    double reference = 0;     // the system list view's figure for the same work; 0: none
    std::string unit;         // of both figures
    std::string notes;
};

class ResultTable {
  public:
    void Add(ResultLine line) { lines_.push_back(std::move(line)); }

    std::string Markdown(const std::string& heading) const {
        std::string text = "# " + heading + "\n\n";
        text +=
            "| Measurement | Vorlane | System list view | Ratio (Vorlane / list view) | Notes |\n";
        text += "|---|---|---|---|---|\n";
        for (const ResultLine& line : lines_) {
            text += "| " + line.measurement + " | " + Figure(line.vorlane, line.unit) + " | " +
                    (line.reference > 0 ? Figure(line.reference, line.unit) : "-") + " | " +
                    (line.reference > 0 ? Number(line.vorlane / line.reference, 2) : "-") + " | " +
                    line.notes + " |\n";
        }
        return text;
    }

  private:
    static std::string Number(double value, int decimals) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        return buffer;
    }
    static std::string Figure(double value, const std::string& unit) {
        return Number(value, 3) + " " + unit;
    }

    std::vector<ResultLine> lines_;
};

// ---- timing --------------------------------------------------------------------------------

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / frequency;
}

double Median(std::vector<double> samples) {
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 != 0 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

constexpr UINT kRepaintFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;

double TimedRepaintMs(HWND window) {
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    RedrawWindow(window, nullptr, nullptr, kRepaintFlags);
    GdiFlush();
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

// Median times of `repeats` full repaints of each of two windows occupying the same place. The
// windows take turns in short blocks, one shown at a time, so that both meet the same load of
// a shared machine.
std::pair<double, double> MedianRepaintsTakingTurns(HWND first, HWND second, int repeats) {
    constexpr int kBlock = 5;
    std::vector<double> samples[2];
    HWND windows[2] = {first, second};
    while (static_cast<int>(samples[1].size()) < repeats) {
        for (int turn = 0; turn < 2; ++turn) {
            ShowWindow(windows[1 - turn], SW_HIDE);
            ShowWindow(windows[turn], SW_SHOW);
            RedrawWindow(windows[turn], nullptr, nullptr, kRepaintFlags);  // unmeasured
            PumpMessages();
            for (int i = 0; i < kBlock && static_cast<int>(samples[turn].size()) < repeats; ++i) {
                samples[turn].push_back(TimedRepaintMs(windows[turn]));
            }
        }
    }
    return {Median(samples[0]), Median(samples[1])};
}

// ---- the windows measured ------------------------------------------------------------------

constexpr int kClientWidth = 1000;
constexpr int kClientHeight = 700;

// A visible top-level window whose client area is kClientWidth x kClientHeight.
class HostWindow {
  public:
    HostWindow() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = "VorlaneBenchHost";
        RegisterClassA(&windowClass);
        RECT frame = {0, 0, kClientWidth, kClientHeight};
        const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE;
        AdjustWindowRect(&frame, style, FALSE);
        window_ = CreateWindowExA(0, "VorlaneBenchHost", "bench", style, 0, 0,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        PumpMessages();
    }
    ~HostWindow() { DestroyWindow(window_); }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND get() const { return window_; }

  private:
    HWND window_ = nullptr;
};

// The rows both controls show: a file name, a note, three numbers and an image.
struct BenchRow {
    std::string name;
    std::string note;
    INT32 numbers[3];
    int image;  // 1 to 3: image of the row image list
};

std::vector<BenchRow> MakeRows(int count) {
    std::vector<BenchRow> rows;
    for (int i = 0; i < count; ++i) {
        BenchRow row;
        row.name = "file" + std::to_string(10000 + i) + ".txt";
        row.note = "note number " + std::to_string(i * 7);
        row.numbers[0] = 1000 + i * 37;
        row.numbers[1] = 123456 + i * 1001;
        row.numbers[2] = 98765432 - i * 12345;
        row.image = 1 + i % 3;
        rows.push_back(row);
    }
    return rows;
}

const char kFolder[] = "C:\\windows\\";

// Where each row's 16 x 16 image comes from.
enum class RowIcons {
    ImageList,  // an application image list (the grid's row image list)
    Shell,      // the shell's small icon of the file, looked up by path
};

// Four solid-colour images; the grid and the list view share it.
HIMAGELIST MakeRowImages() {
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24, 4, 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    const COLORREF colors[4] = {RGB(0, 0, 0), RGB(200, 60, 60), RGB(60, 160, 60), RGB(60, 60, 200)};
    for (COLORREF color : colors) {
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        HBRUSH brush = CreateSolidBrush(color);
        RECT all = {2, 2, 14, 14};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        SelectObject(memory, previous);
        ImageList_Add(list, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return list;
}
const int kTextWidth = 200;
const int kNumberWidth = 130;
const char* const kTitles[] = {"Name", "Note", "Size", "Count", "Total"};

// A row whose numbers show: kind 3. Its image comes from the high 16 bits when non-zero, else
// from the shell.
GridValue KindCell(const BenchRow& row, RowIcons icons) {
    constexpr GridValue kShownNumbers = 3;
    return icons == RowIcons::ImageList ? (static_cast<GridValue>(row.image) << 16) | kShownNumbers
                                        : kShownNumbers;
}

HWND CreateBenchGrid(HWND host, const std::vector<BenchRow>& rows, RowIcons icons,
                     HIMAGELIST rowImages) {
    PartnerSet partners = {};
    partners.rowImageList = rowImages;
    HWND grid =
        CreateWindowExA(0, VORLANE_CLASS, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, kClientWidth,
                        kClientHeight, host, nullptr, GetModuleHandleA(nullptr), nullptr);
    Grid_SetPartners(grid, &partners);
    for (int column = 0; column < 6; ++column) {
        ColumnDesc desc = {};
        desc.folderPrefix = column == 0 ? kFolder : nullptr;
        desc.width = column < 2 ? kTextWidth : column < 5 ? kNumberWidth : 0;
        desc.title = column < 5 ? kTitles[column] : nullptr;
        desc.cellAlign = column < 2 ? GRID_ALIGN_LEFT : GRID_ALIGN_RIGHT;
        desc.cellKind = column < 2   ? GRID_CELL_TEXT
                        : column < 5 ? GRID_CELL_NUMBER
                                     : GRID_CELL_VALUE;
        desc.editorKind = GRID_EDITOR_NONE;
        Grid_AddColumn(grid, &desc);
    }
    for (const BenchRow& row : rows) {
        GridValue values[6] = {reinterpret_cast<GridValue>(row.name.c_str()),
                               reinterpret_cast<GridValue>(row.note.c_str()),
                               row.numbers[0],
                               row.numbers[1],
                               row.numbers[2],
                               KindCell(row, icons)};
        Grid_AddRow(grid, values);
    }
    return grid;
}

std::string WithSeparators(INT32 value) {
    const std::string digits = std::to_string(static_cast<UINT32>(value));
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) {
            text.push_back(',');
        }
        text.push_back(digits[i]);
    }
    return text;
}

// The same rows in a report-view list view with the same images (the shell's icons are looked
// up once, when the items are inserted).
HWND CreateBenchListView(HWND host, const std::vector<BenchRow>& rows, RowIcons icons,
                         HIMAGELIST rowImages) {
    HWND list = CreateWindowExA(
        0, WC_LISTVIEWA, nullptr, WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHAREIMAGELISTS, 0, 0,
        kClientWidth, kClientHeight, host, nullptr, GetModuleHandleA(nullptr), nullptr);
    SHFILEINFOA info = {};
    auto images = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA(kFolder, 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (icons == RowIcons::ImageList) {
        images = rowImages;
    }
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    for (int column = 0; column < 5; ++column) {
        LVCOLUMNA desc = {};
        desc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        desc.fmt = column < 2 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        desc.cx = column < 2 ? kTextWidth : kNumberWidth;
        desc.pszText = const_cast<char*>(kTitles[column]);
        SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&desc));
    }
    int index = 0;
    for (const BenchRow& row : rows) {
        const std::string path = kFolder + row.name;
        SHFILEINFOA file = {};
        SHGetFileInfoA(path.c_str(), 0, &file, sizeof file, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = index;
        item.pszText = const_cast<char*>(row.name.c_str());
        item.iImage = file.iIcon;
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        std::string texts[4] = {row.note, WithSeparators(row.numbers[0]),
                                WithSeparators(row.numbers[1]), WithSeparators(row.numbers[2])};
        for (int sub = 1; sub < 5; ++sub) {
            LVITEMA subItem = {};
            subItem.iSubItem = sub;
            subItem.pszText = const_cast<char*>(texts[sub - 1].c_str());
            SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&subItem));
        }
        ++index;
    }
    return list;
}

// ---- measurements --------------------------------------------------------------------------

using Measurement = std::function<void(ResultTable&)>;

// A full repaint of the visible rows (40 of 1000, 17 pixels each, below a 17-pixel header) and
// the header, beside the list view showing the same data.
void MeasureFullRepaint(ResultTable& results, RowIcons icons) {
    constexpr int kRepeats = 50;
    const std::vector<BenchRow> rows = MakeRows(1000);
    HIMAGELIST rowImages = MakeRowImages();
    HostWindow host;
    HWND grid = CreateBenchGrid(host.get(), rows, icons, rowImages);
    HWND list = CreateBenchListView(host.get(), rows, icons, rowImages);
    PumpMessages();
    const auto [gridMs, listMs] = MedianRepaintsTakingTurns(grid, list, kRepeats);
    const int shown = (kClientHeight - Grid_GetHeaderHeight(grid)) / Grid_GetRowHeight(grid);
    const int listShown = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
    PartnerSet none = {};
    Grid_SetPartners(grid, &none);  // the row image list is about to go
    DestroyWindow(grid);
    DestroyWindow(list);
    ImageList_Destroy(rowImages);

    ResultLine line;
    line.measurement = std::string("full repaint, 1000x700, ") +
                       (icons == RowIcons::ImageList ? "image-list icons" : "shell file icons") +
                       ", median of " + std::to_string(kRepeats);
    line.vorlane = gridMs;
    line.reference = listMs;
    line.unit = "ms";
    line.notes = "rows shown: grid " + std::to_string(shown) + ", list view " +
                 std::to_string(listShown) + "; 2 text + 3 number columns + kind" +
                 (icons == RowIcons::Shell
                      ? "; the grid asks the shell for each painted row's icon, the list view "
                        "was given the indices once"
                      : "");
    results.Add(line);
}

const std::pair<const char*, Measurement> kMeasurements[] = {
    {"full repaint, image-list icons",
     [](ResultTable& results) { MeasureFullRepaint(results, RowIcons::ImageList); }},
    {"full repaint, shell file icons",
     [](ResultTable& results) { MeasureFullRepaint(results, RowIcons::Shell); }},
};

std::string Platform() {
    using WineVersion = const char*(CDECL*)();
    auto wine = reinterpret_cast<WineVersion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    return wine != nullptr ? std::string("Wine ") + wine() : std::string("Windows");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string output = argc > 1 ? argv[1] : "bench-results.md";
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (LoadLibraryA("vorlane.dll") == nullptr) {
        std::fprintf(stderr, "cannot load vorlane.dll (error %lu)\n", GetLastError());
        return 1;
    }

    ResultTable results;
    for (const auto& [name, measure] : kMeasurements) {
        std::fprintf(stderr, "measuring: %s\n", name);
        measure(results);
    }

    const std::string table = results.Markdown("Vorlane Windows benchmark (" + Platform() + ")");
    std::fputs(table.c_str(), stdout);
    FILE* file = std::fopen(output.c_str(), "w");
    if (file == nullptr) {
        std::fprintf(stderr, "cannot write %s\n", output.c_str());
        return 1;
    }
    std::fputs(table.c_str(), file);
    std::fclose(file);
    return 0;
}
