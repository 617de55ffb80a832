// Full repaints and line scrolls.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench_controls.h"
#include "bench_measurements.h"
#include "vorlane.h"

namespace bench {

namespace {

constexpr UINT kRepaintFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;
constexpr int kRepaints = 50;
constexpr int kLineScrolls = 1000;

double TimedRepaintMs(HWND window) {
    const double start = Now();
    RedrawWindow(window, nullptr, nullptr, kRepaintFlags);
    GdiFlush();
    return Now() - start;
}

// Shows one of two windows that occupy the same place, fully painted before any timing.
void ShowAlone(HWND shown, HWND hidden) {
    ShowWindow(hidden, SW_HIDE);
    ShowWindow(shown, SW_SHOW);
    RedrawWindow(shown, nullptr, nullptr, kRepaintFlags);
    PumpMessages();
}

// Median times of `repeats` full repaints of each of two windows occupying the same place. The
// windows take turns in short blocks, one shown at a time, so that both meet the same load of
// a shared machine.
// `firstTimed`, when given, is the window of `first` whose repaint is timed.
std::pair<double, double> MedianRepaintsTakingTurns(HWND first, HWND second, int repeats,
                                                    HWND firstTimed = nullptr) {
    constexpr int kBlock = 5;
    std::vector<double> samples[2];
    HWND windows[2] = {first, second};
    HWND timed[2] = {firstTimed != nullptr ? firstTimed : first, second};
    while (static_cast<int>(samples[1].size()) < repeats) {
        for (int turn = 0; turn < 2; ++turn) {
            ShowAlone(windows[turn], windows[1 - turn]);
            for (int i = 0; i < kBlock && static_cast<int>(samples[turn].size()) < repeats; ++i) {
                samples[turn].push_back(TimedRepaintMs(timed[turn]));
            }
        }
    }
    return {Median(samples[0]), Median(samples[1])};
}

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

HWND ListPaneOf(HWND grid) {
    return FindWindowExA(grid, nullptr, "ListBox", nullptr);
}

// Puts the bare list box where the grid's list pane is, with the pane's font and row height:
// the same texts then land in the same rectangles. A box without a scroll bar takes only the
// part left of the grid's scroll bar; one with its own takes the whole width, its bar where the
// grid's is.
void PlaceLikeListPane(HWND box, HWND grid, HWND host) {
    HWND pane = ListPaneOf(grid);
    RECT client;
    GetClientRect(pane, &client);
    if ((GetWindowLongA(box, GWL_STYLE) & WS_VSCROLL) == 0) {
        RECT shown;
        GetClientRect(grid, &shown);
        MapWindowPoints(grid, pane, reinterpret_cast<POINT*>(&shown), 2);
        client.right = std::min(client.right, shown.right);
    }
    MapWindowPoints(pane, host, reinterpret_cast<POINT*>(&client), 2);
    MoveWindow(box, client.left, client.top, client.right - client.left, client.bottom - client.top,
               FALSE);
    SendMessageA(box, WM_SETFONT, SendMessageA(pane, WM_GETFONT, 0, 0), FALSE);
    SendMessageA(box, LB_SETITEMHEIGHT, 0, Grid_GetRowHeight(grid));
}

// The pixels of a shown, painted window's client area, `width` columns from its left edge, as
// 32-bit values.
std::vector<UINT32> ClientPixels(HWND window, int width) {
    RECT client;
    GetClientRect(window, &client);
    const int height = client.bottom;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<UINT32> pixels(static_cast<size_t>(width) * height);
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return pixels;
}

// How many pixels of the grid's list pane differ from the bare list box's, each painted alone,
// left of the grid's vertical scroll bar (which lies over the pane's right edge; the box has
// none).
size_t DifferingPixels(HWND grid, HWND box) {
    RECT shown;
    GetClientRect(grid, &shown);
    ShowAlone(grid, box);
    const std::vector<UINT32> ours = ClientPixels(ListPaneOf(grid), shown.right);
    ShowAlone(box, grid);
    const std::vector<UINT32> theirs = ClientPixels(box, shown.right);
    if (ours.size() != theirs.size()) {
        return std::max(ours.size(), theirs.size());
    }
    size_t differing = 0;
    for (size_t i = 0; i < ours.size(); ++i) {
        differing += ours[i] != theirs[i] ? 1 : 0;
    }
    return differing;
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
    const RowSet data(rows, Pattern::Random);
    const NumberTexts numbers(data);
    HIMAGELIST images = MakeRowImages();
    HostWindow host;
    HWND grid = CreateGrid(host.get(), RowIcons::ImageList, images, nullptr);
    FillGrid(grid, data, RowIcons::ImageList);
    HWND list = CreateListView(host.get(), images);
    FillListView(list, data, numbers, nullptr);
    // Rows that name an image of the row image list while the grid has none: texts only.
    HWND plainGrid = CreateGrid(host.get(), RowIcons::ImageList, nullptr, nullptr);
    FillGrid(plainGrid, data, RowIcons::ImageList);
    HWND box = CreateBareListBox(host, data);
    FillBareListBox(box, rows);
    ShowWindow(plainGrid, SW_HIDE);
    ShowWindow(box, SW_HIDE);
    PumpMessages();

    const auto repaint = MedianRepaintsTakingTurns(grid, list, kRepaints);
    const int listShown = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
    const auto scrolls = LineScrollsTakingTurns(grid, list, kLineScrolls);
    ShowWindow(list, SW_HIDE);
    const auto iconsFloor = MedianRepaintsTakingTurns(grid, box, kRepaints);
    ShowWindow(grid, SW_HIDE);
    const auto floor = MedianRepaintsTakingTurns(plainGrid, box, kRepaints);
    // The same texts in the same rectangles with the same font: the box where the list pane is.
    PlaceLikeListPane(box, plainGrid, host.get());
    const size_t differing = DifferingPixels(plainGrid, box);
    const auto sameTexts = MedianRepaintsTakingTurns(plainGrid, box, kRepaints);
    const auto paneOnly =
        MedianRepaintsTakingTurns(plainGrid, box, kRepaints, ListPaneOf(plainGrid));
    // The same box drawing its own vertical scroll bar where the grid draws its own.
    HWND barBox = CreateBareListBox(host, data, WS_VSCROLL | LBS_DISABLENOSCROLL);
    SendMessageA(barBox, WM_SETREDRAW, FALSE, 0);  // its scroll bar is not redrawn per item
    FillBareListBox(barBox, rows);
    SendMessageA(barBox, WM_SETREDRAW, TRUE, 0);
    PlaceLikeListPane(barBox, plainGrid, host.get());
    ShowWindow(box, SW_HIDE);
    const auto withBar = MedianRepaintsTakingTurns(plainGrid, barBox, kRepaints);
    ShowWindow(barBox, SW_HIDE);

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
    line.notes = "for scale: the grid draws an image per row (ImageList_Draw), the floor none";
    results.Add(line);
    const std::string pixels =
        differing == 0 ? "the list pane's pixels equal the box's"
                       : "**" + std::to_string(differing) + " pixels of the list pane differ**";
    line.measurement = "full repaint 1000x700, texts only, median of " + std::to_string(kRepaints);
    line.ours = sameTexts.first;
    line.against = "bare list box drawing the same texts in the same rectangles, same font";
    line.theirs = sameTexts.second;
    line.target = {1.1, "<= 1.1"};
    line.notes = "the box placed at the list pane's client area, its font and row height; " +
                 pixels + "; the grid also paints its header";
    results.Add(line);
    line.measurement =
        "repaint of the list pane alone, texts only, median of " + std::to_string(kRepaints);
    line.ours = paneOnly.first;
    line.theirs = paneOnly.second;
    line.target = {};
    line.notes = "the rows without the header: the whole repaint less this is the header's part";
    results.Add(line);
    line.measurement = "full repaint 1000x700, texts only, median of " + std::to_string(kRepaints);
    line.ours = withBar.first;
    line.against = "the same box with a vertical scroll bar where the grid's is";
    line.theirs = withBar.second;
    line.notes = "the platform's part beside the rows: the scroll bar both windows draw";
    results.Add(line);

    DestroyGrid(grid);
    DestroyGrid(plainGrid);
    DestroyWindow(list);
    DestroyWindow(box);
    DestroyWindow(barBox);
    ImageList_Destroy(images);
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
        const auto repaint = MedianRepaintsTakingTurns(grid, list, kRepaints);
        const auto scrolls = LineScrollsTakingTurns(grid, list, kLineScrolls);
        AddPaintLines(results, Count(kRows), "shell file icons", repaint, scrolls,
                      "the grid asks the shell once per row and keeps the index; the list view "
                      "was given the indices once");

        // The same grid with its rows' icons left out: what the icons cost on top of the texts.
        HWND plainGrid = CreateGrid(host.get(), RowIcons::ImageList, nullptr, nullptr);
        FillGrid(plainGrid, data, RowIcons::ImageList);
        ShowWindow(list, SW_HIDE);
        const auto iconCost = MedianRepaintsTakingTurns(grid, plainGrid, kRepaints);
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
