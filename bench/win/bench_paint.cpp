// Full repaints and line scrolls.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench_controls.h"
#include "bench_measurements.h"
#include "bench_repaint.h"
#include "vorlane.h"

namespace bench {

namespace {

constexpr int kRepaints = 50;
constexpr int kLineScrolls = 1000;

// Total times of `count` line scrolls down (WM_VSCROLL SB_LINEDOWN, then UpdateWindow) of each
// of two windows, taking turns in blocks of 100 from where the last block stopped.
std::pair<double, double> LineScrollsTakingTurns(HWND first, HWND second, int count) {
    constexpr int kBlock = 100;
    double total[2] = {0, 0};
    HWND windows[2] = {first, second};
    for (int done = 0; done < count; done += kBlock) {
        for (int turn = 0; turn < 2; ++turn) {
            HWND window = windows[turn];
            ShowAlone(window, windows[1 - turn]);
            const double start = Now();
            for (int i = 0; i < kBlock; ++i) {
                SendMessageA(window, WM_VSCROLL, SB_LINEDOWN, 0);
                UpdateWindow(window);
            }
            GdiFlush();
            total[turn] += Now() - start;
        }
    }
    return {total[0], total[1]};
}

// Median time of `count` page downs of a shown window (WM_VSCROLL SB_PAGEDOWN, then
// UpdateWindow), each from where the last stopped, starting at the top.
double MedianPageDownMs(HWND window, int count) {
    ShowWindow(window, SW_SHOW);
    SendMessageA(window, WM_VSCROLL, SB_TOP, 0);
    RedrawWindow(window, nullptr, nullptr, kRepaintFlags);
    PumpMessages();
    std::vector<double> samples;
    for (int i = 0; i < count; ++i) {
        const double start = Now();
        SendMessageA(window, WM_VSCROLL, SB_PAGEDOWN, 0);
        UpdateWindow(window);
        GdiFlush();
        samples.push_back(Now() - start);
    }
    return Median(samples);
}

int ShownRows(HWND grid) {
    return (kClientHeight - Grid_GetHeaderHeight(grid)) / Grid_GetRowHeight(grid);
}

void AddPaintLines(ResultTable& results, const std::string& rows, const std::string& icons,
                   std::pair<double, double> repaint, std::pair<double, double> scrolls,
                   const std::string& notes) {
    ResultLine line;
    line.section = "Painting";
    line.rows = rows;
    line.unit = "ms";
    line.against = "list view";
    line.target = {1, "<= 1"};
    line.measurement =
        "full repaint 1000x700, " + icons + ", median of " + std::to_string(kRepaints);
    line.ours = repaint.first;
    line.theirs = repaint.second;
    line.notes = notes;
    results.Add(line);
    line.measurement = std::to_string(kLineScrolls) + " line scrolls, each repainted, " + icons;
    line.ours = scrolls.first;
    line.theirs = scrolls.second;
    line.notes = "total of all scrolls";
    results.Add(line);
}

}  // namespace

void MeasurePainting(ResultTable& results, size_t rows) {
    GridBesideListView both(rows);
    const RowSet& data = both.data;
    HostWindow& host = both.host;
    const HWND grid = both.grid;
    const HWND list = both.list;
    // Rows that name an image of the row image list while the grid has none: texts only.
    HWND plainGrid = CreateGrid(host.get(), RowIcons::ImageList, nullptr, nullptr);
    FillGrid(plainGrid, data, RowIcons::ImageList);
    HWND box = CreateBareListBox(host, data);
    FillBareListBox(box, rows);
    ShowWindow(plainGrid, SW_HIDE);
    ShowWindow(box, SW_HIDE);
    ShareRowImages(grid, both.images);  // the plain grid, made after it, took them away
    PumpMessages();

    const auto repaint = MedianRepaintsTakingTurns(Alone(grid), Alone(list), kRepaints);
    const int listShown = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
    const auto scrolls = LineScrollsTakingTurns(grid, list, kLineScrolls);
    ShowWindow(list, SW_HIDE);
    const auto iconsFloor = MedianRepaintsTakingTurns(Alone(grid), Alone(box), kRepaints);
    ShowWindow(grid, SW_HIDE);
    ShareRowImages(plainGrid, nullptr);
    const auto floor = MedianRepaintsTakingTurns(Alone(plainGrid), Alone(box), kRepaints);
    ShowWindow(plainGrid, SW_HIDE);
    ShowWindow(box, SW_HIDE);

    AddPaintLines(results, Count(rows), "image-list icons", repaint, scrolls,
                  "rows shown: grid " + std::to_string(ShownRows(grid)) + ", list view " +
                      std::to_string(listShown) + "; 5 shown columns");
    ResultLine line;
    line.section = "Painting";
    line.rows = Count(rows);
    line.unit = "ms";
    line.against = "bare list box drawing texts only";
    line.measurement = "full repaint 1000x700, rows without file icons (texts only), median of " +
                       std::to_string(kRepaints);
    line.ours = floor.first;
    line.theirs = floor.second;
    line.target = {2, "<= 2"};
    line.notes = "the grid also paints its header";
    results.Add(line);
    line.measurement =
        "full repaint 1000x700, rows with image-list icons, median of " + std::to_string(kRepaints);
    line.ours = iconsFloor.first;
    line.theirs = iconsFloor.second;
    line.target = {};
    line.notes =
        "for scale: the grid draws an image per row (each icon through the image list once a "
        "paint, then blended), the floor none";
    results.Add(line);
    DestroyGrid(plainGrid);
    DestroyWindow(box);
}

void MeasureShellIconPainting(ResultTable& results) {
    // Rows standing for real files, so that the shell finds each one.
    constexpr size_t kRows = 2000;
    const RowSet data(kRows, Pattern::Sorted);
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "vorlane-bench-files\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (size_t i = 0; i < kRows; ++i) {
        const std::string path = folder + data.Name(i);
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
    }

    // The list view is given every row's icon index once, when it is filled.
    std::vector<int> icons(kRows);
    HIMAGELIST shellImages = nullptr;
    for (size_t i = 0; i < kRows; ++i) {
        const std::string path = folder + data.Name(i);
        SHFILEINFOA info = {};
        shellImages = reinterpret_cast<HIMAGELIST>(SHGetFileInfoA(
            path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
        icons[i] = info.iIcon;
    }

    {
        const NumberTexts numbers(data);
        HostWindow host;
        HWND grid = CreateGrid(host.get(), RowIcons::Shell, nullptr, folder.c_str());
        FillGrid(grid, data, RowIcons::Shell);
        HWND list = CreateListView(host.get(), shellImages);
        FillListView(list, data, numbers, &icons);
        PumpMessages();
        const auto repaint = MedianRepaintsTakingTurns(Alone(grid), Alone(list), kRepaints);
        const auto scrolls = LineScrollsTakingTurns(grid, list, kLineScrolls);
        AddPaintLines(results, Count(kRows), "shell file icons", repaint, scrolls,
                      "the grid asks the shell once per row and keeps the index; the list view "
                      "was given the indices once");

        // The same grid with its rows' icons left out: what the icons cost on top of the texts.
        HWND plainGrid = CreateGrid(host.get(), RowIcons::ImageList, nullptr, nullptr);
        FillGrid(plainGrid, data, RowIcons::ImageList);
        ShowWindow(list, SW_HIDE);
        const auto iconCost = MedianRepaintsTakingTurns(Alone(grid), Alone(plainGrid), kRepaints);
        ShowWindow(plainGrid, SW_HIDE);
        ResultLine line;
        line.section = "Painting";
        line.rows = Count(kRows);
        line.unit = "ms";
        line.measurement =
            "full repaint 1000x700, shell file icons, median of " + std::to_string(kRepaints);
        line.ours = iconCost.first;
        line.against = "the same grid without icons";
        line.theirs = iconCost.second;
        line.target = {1.2, "<= 1.2"};
        results.Add(line);
        line.measurement = "Page Down with shell file icons, repainted, median of 40";
        line.ours = MedianPageDownMs(grid, 40);
        line.against = "-";
        line.theirs = 0;
        line.target = {50, "< 50 ms"};
        line.notes = "each page shows rows not painted before, so every icon is looked up once";
        results.Add(line);
        line.target = {};
        line.notes = {};

        // What one full repaint asks the shell, on its own: one lookup per row shown.
        const int shown = ShownRows(grid);
        std::vector<double> lookups;
        for (int repeat = 0; repeat < 9; ++repeat) {
            const double start = Now();
            for (int i = 0; i < shown; ++i) {
                const std::string path = folder + data.Name(static_cast<size_t>(i));
                SHFILEINFOA info = {};
                SHGetFileInfoA(path.c_str(), 0, &info, sizeof info,
                               SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
            }
            lookups.push_back(Now() - start);
        }
        line.measurement = std::to_string(shown) +
                           " shell icon lookups (SHGetFileInfoA), as one full repaint asks, "
                           "median of 9";
        line.ours = Median(lookups);
        line.against = "list view, full repaint";
        line.theirs = repaint.second;
        line.notes =
            "the lookups alone, without any drawing: what a repaint cost before the grid "
            "kept the indices";
        results.Add(line);
        DestroyGrid(grid);
        DestroyGrid(plainGrid);
        DestroyWindow(list);
    }

    for (size_t i = 0; i < kRows; ++i) {
        DeleteFileA((folder + data.Name(i)).c_str());
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace bench
