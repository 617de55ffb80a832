// The grid's full repaint of texts only against its floor: the bare owner-drawn list box drawing
// the same texts in the same rectangles, and a bare owner-drawn static drawing the same titles,
// edges and sort arrow in the header's rectangle, both with the grid's fonts. The whole repaint
// is then split into the header, the list pane and the grid window's own paint cycle, each beside
// the platform's cost of the same part.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench_controls.h"
#include "bench_measurements.h"
#include "bench_repaint.h"
#include "resource_ids.h"
#include "vorlane.h"

namespace bench {

namespace {

constexpr int kRepaints = 50;
constexpr int kSortedColumn = 2;  // the column whose title the benchmark clicks: an arrow shows

// The header's sizes as the grid lays them out, in pixels at 96 DPI.
constexpr int kTitleInsetX = 3;
constexpr int kTitleInsetY = 2;
constexpr int kArrowFromTitleRight = 6;
constexpr int kTextBeforeArrow = 2;
constexpr int kArrowIconSize = 16;
constexpr int kArrowSize = 17;
constexpr LONG kTrailingButtonRight = 9999;
constexpr DWORD kPatternThroughBlack = 0x00B8074A;  // the brush where the source is black

// What the bare title strip draws with, made once: the header's colours and the ascending sort
// arrow's shape (the grid's own arrow icon, its mask as a monochrome bitmap).
class TitleStrip {
  public:
    TitleStrip(COLORREF back, COLORREF text) : back_(back), text_(text) {
        HMODULE module = GetModuleHandleA("vorlane.dll");
        HICON arrow = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDI_GRID_SORT_UP),
                                                    IMAGE_ICON, kArrowIconSize, kArrowIconSize, 0));
        shapes_ = CreateCompatibleDC(nullptr);
        shape_ = CreateBitmap(kArrowSize, kArrowSize, 1, 1, nullptr);
        oldShape_ = SelectObject(shapes_, shape_);
        PatBlt(shapes_, 0, 0, kArrowSize, kArrowSize, WHITENESS);
        DrawIconEx(shapes_, 0, 0, arrow, kArrowSize, kArrowSize, 0, nullptr, DI_MASK);
        DestroyIcon(arrow);
        arrowBrush_ = CreateSolidBrush(text);
    }
    ~TitleStrip() {
        SelectObject(shapes_, oldShape_);
        DeleteObject(shape_);
        DeleteDC(shapes_);
        DeleteObject(arrowBrush_);
    }
    TitleStrip(const TitleStrip&) = delete;
    TitleStrip& operator=(const TitleStrip&) = delete;

    // The background, then a raised button per shown column with its title (the sorted one
    // with its arrow right of the title), and an empty button from the last column on.
    static void Paint(const DRAWITEMSTRUCT& item, void* context) {
        const auto& strip = *static_cast<const TitleStrip*>(context);
        HDC dc = item.hDC;
        SetBkColor(dc, strip.back_);
        SetTextColor(dc, strip.text_);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &item.rcItem, "", 0, nullptr);
        LONG trailingLeft = item.rcItem.left;
        for (int column = 0; column < kShownColumns; ++column) {
            const int left = ColumnLeft(column);
            RECT button = item.rcItem;
            button.left = column == 0 ? left : left + 1;
            button.right = left + ColumnWidth(column) + 1;
            DrawButton(dc, button);
            RECT text = {button.left + kTitleInsetX, button.top + kTitleInsetY,
                         button.right - kTitleInsetX, button.bottom};
            const LONG arrowLeft = text.right - kArrowFromTitleRight;
            const bool sorted = column == kSortedColumn;
            if (sorted) {
                text.right = std::max(text.left, arrowLeft - kTextBeforeArrow);
            }
            const char* title = ColumnTitle(column);
            DrawTextA(dc, title, static_cast<int>(strlen(title)), &text, DT_LEFT);
            if (sorted) {
                strip.DrawArrow(dc, arrowLeft, button.top);
            }
            trailingLeft = button.right;
        }
        RECT trailing = {trailingLeft, item.rcItem.top, kTrailingButtonRight, item.rcItem.bottom};
        DrawButton(dc, trailing);
    }

  private:
    static void DrawButton(HDC dc, RECT button) {
        DrawEdge(dc, &button, BDR_RAISEDOUTER, BF_LEFT | BF_TOP);
        DrawEdge(dc, &button, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
    }

    void DrawArrow(HDC dc, int x, int y) const {
        const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
        const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
        HGDIOBJ brush = SelectObject(dc, arrowBrush_);
        BitBlt(dc, x, y, kArrowSize, kArrowSize, shapes_, 0, 0, kPatternThroughBlack);
        SelectObject(dc, brush);
        SetTextColor(dc, text);
        SetBkColor(dc, back);
    }

    COLORREF back_;
    COLORREF text_;
    HDC shapes_ = nullptr;
    HBITMAP shape_ = nullptr;
    HGDIOBJ oldShape_ = nullptr;
    HBRUSH arrowBrush_ = nullptr;
};

// The grid's header pane: its owner-drawn static (the other static is the hidden resize line).
HWND HeaderPaneOf(HWND grid) {
    for (HWND child = FindWindowExA(grid, nullptr, "Static", nullptr); child != nullptr;
         child = FindWindowExA(grid, child, "Static", nullptr)) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_OWNERDRAW) {
            return child;
        }
    }
    return nullptr;
}

// The part of a pane of the grid that shows: left of the grid's vertical scroll bar, which lies
// over the pane's right edge (the panes are wider than the grid), in `parent`'s coordinates.
RECT ShownPartOf(HWND pane, HWND grid, HWND parent) {
    RECT client;
    GetClientRect(pane, &client);
    RECT shown;
    GetClientRect(grid, &shown);
    MapWindowPoints(grid, pane, reinterpret_cast<POINT*>(&shown), 2);
    client.right = std::min(client.right, shown.right);
    MapWindowPoints(pane, parent, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

// Puts `window` where `pane` of the grid shows, with the pane's font; a window with a vertical
// scroll bar takes the pane's whole width, its bar where the grid's is.
void PlaceLikePane(HWND window, HWND pane, HWND grid, HWND parent) {
    RECT place = ShownPartOf(pane, grid, parent);
    if ((GetWindowLongA(window, GWL_STYLE) & WS_VSCROLL) != 0) {
        RECT whole;
        GetClientRect(pane, &whole);
        MapWindowPoints(pane, parent, reinterpret_cast<POINT*>(&whole), 2);
        place.right = whole.right;
    }
    MoveWindow(window, place.left, place.top, place.right - place.left, place.bottom - place.top,
               FALSE);
    SendMessageA(window, WM_SETFONT, SendMessageA(pane, WM_GETFONT, 0, 0), FALSE);
}

HWND CreateTitleStrip(HWND parent) {
    return CreateWindowExA(0, "Static", nullptr, WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, 0, 0, 0, 0,
                           parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// A window that paints nothing itself, with the grid's size, class style and vertical scroll
// bar: the platform's part of the grid window, holding a box and a title strip as the grid holds
// its panes.
LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    const auto* host =
        reinterpret_cast<const HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_DRAWITEM && host != nullptr &&
        host->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreatePlainFrame(HostWindow& host, HWND grid) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW;
    windowClass.lpfnWndProc = FrameProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "VorlaneBenchFrame";
    RegisterClassA(&windowClass);  // fails harmlessly from the second frame on
    RECT place;
    GetWindowRect(grid, &place);
    MapWindowPoints(nullptr, host.get(), reinterpret_cast<POINT*>(&place), 2);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(grid, GWL_STYLE)) &
                        (WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN);
    HWND frame = CreateWindowExA(0, "VorlaneBenchFrame", nullptr, style, place.left, place.top,
                                 place.right - place.left, place.bottom - place.top, host.get(),
                                 nullptr, GetModuleHandleA(nullptr), &host);
    SCROLLINFO bar = {sizeof bar, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(grid, SB_VERT, &bar);
    SetScrollInfo(frame, SB_VERT, &bar, FALSE);
    return frame;
}

// The header pane's shown part against the title strip's, each painted alone.
size_t DifferingTitlePixels(HWND grid, HWND strip, int width) {
    HWND header = HeaderPaneOf(grid);
    ShowAlone(grid, strip);
    const std::vector<UINT32> ours = ClientPixels(header, width);
    ShowAlone(strip, grid);
    return DifferingPixels(ours, ClientPixels(strip, width));
}

size_t DifferingRowPixels(HWND grid, HWND box, int width) {
    ShowAlone(grid, box);
    const std::vector<UINT32> ours = ClientPixels(ListPaneOf(grid), width);
    ShowAlone(box, grid);
    return DifferingPixels(ours, ClientPixels(box, width));
}

std::string PixelNote(size_t differing, const std::string& what) {
    return differing == 0 ? what + " equal"
                          : "**" + std::to_string(differing) + " pixels of " + what + " differ**";
}

}  // namespace

void MeasurePaintingFloor(ResultTable& results, size_t rows) {
    const RowSet data(rows, Pattern::Random);
    HostWindow host;
    HWND grid = CreateGrid(host.get(), RowIcons::ImageList, nullptr, nullptr);
    FillGrid(grid, data, RowIcons::ImageList);
    // The system look's colours (the header's, without them, are black on black) and an arrow
    // on one title: a click on it sets the arrow, and the host, ignoring the notification,
    // leaves the rows unsorted.
    ColorSet colors;
    Grid_SystemLookColors(&colors);
    Grid_SetColors(grid, &colors);
    HWND header = HeaderPaneOf(grid);
    const LPARAM onTitle =
        MAKELPARAM(ColumnLeft(kSortedColumn) + ColumnWidth(kSortedColumn) / 2, 5);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, onTitle);
    SendMessageA(header, WM_LBUTTONUP, 0, onTitle);
    PumpMessages();

    // The floor: the box where the list pane shows, the strip where the header shows.
    HWND box = CreateBareListBox(host, data);
    FillBareListBox(box, rows);
    PlaceLikePane(box, ListPaneOf(grid), grid, host.get());
    SendMessageA(box, LB_SETITEMHEIGHT, 0, Grid_GetRowHeight(grid));
    TitleStrip titles(colors.headerBack, colors.headerText);
    host.SetItemPainter(TitleStrip::Paint, &titles, ODT_STATIC);
    HWND strip = CreateTitleStrip(host.get());
    PlaceLikePane(strip, header, grid, host.get());
    // The same box and strip inside a plain window standing where the grid stands.
    HWND frame = CreatePlainFrame(host, grid);
    HWND framedBox = CreateBareListBox(host, data);
    SetParent(framedBox, frame);
    FillBareListBox(framedBox, rows);
    PlaceLikePane(framedBox, ListPaneOf(grid), grid, grid);
    SendMessageA(framedBox, LB_SETITEMHEIGHT, 0, Grid_GetRowHeight(grid));
    HWND framedStrip = CreateTitleStrip(frame);
    PlaceLikePane(framedStrip, header, grid, grid);
    // The same box drawing its own vertical scroll bar where the grid draws its own.
    HWND barBox = CreateBareListBox(host, data, WS_VSCROLL | LBS_DISABLENOSCROLL);
    SendMessageA(barBox, WM_SETREDRAW, FALSE, 0);  // its scroll bar is not redrawn per item
    FillBareListBox(barBox, rows);
    SendMessageA(barBox, WM_SETREDRAW, TRUE, 0);
    PlaceLikePane(barBox, ListPaneOf(grid), grid, host.get());
    SendMessageA(barBox, LB_SETITEMHEIGHT, 0, Grid_GetRowHeight(grid));
    for (HWND window : {box, strip, frame, barBox}) {
        ShowWindow(window, SW_HIDE);
    }
    PumpMessages();

    RECT shown;
    GetClientRect(grid, &shown);
    const size_t rowPixels = DifferingRowPixels(grid, box, shown.right);
    ShowWindow(box, SW_HIDE);
    const size_t titlePixels = DifferingTitlePixels(grid, strip, shown.right);

    // Each comparison starts with every floor window hidden.
    auto takingTurns = [&](const RepaintScene& ours, const RepaintScene& theirs) {
        for (HWND window : {box, strip, frame, barBox}) {
            ShowWindow(window, SW_HIDE);
        }
        return MedianRepaintsTakingTurns(ours, theirs, kRepaints);
    };
    const RepaintScene whole = Alone(grid);
    const auto withTitles = takingTurns(whole, {{box, strip}, {box, strip}});
    const auto rowsOnly = takingTurns(whole, Alone(box));
    const auto titlesOnly = takingTurns({{grid}, {header}}, Alone(strip));
    const auto boxOnly = takingTurns({{grid}, {ListPaneOf(grid)}}, Alone(box));
    constexpr UINT kOwnCycle = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN;
    const auto ownCycle = takingTurns({{grid}, {grid}, kOwnCycle}, {{frame}, {frame}, kOwnCycle});
    const auto framed = takingTurns(whole, Alone(frame));
    const auto withBar = takingTurns(whole, Alone(barBox));
    ShowWindow(barBox, SW_HIDE);

    const std::string repeats = ", median of " + std::to_string(kRepaints);
    ResultLine line;
    line.section = "Painting";
    line.rows = Count(rows);
    line.unit = "ms";
    line.measurement = "full repaint 1000x700, texts only" + repeats;
    line.ours = withTitles.first;
    line.against =
        "bare list box drawing the same texts in the same rectangles and bare owner-drawn static "
        "drawing the same titles, edges and sort arrow in the header's rectangle, same fonts";
    line.theirs = withTitles.second;
    line.target = {1.1, "<= 1.1"};
    line.notes = "the box where the list pane shows, the static where the header shows: " +
                 PixelNote(rowPixels, "the list pane's pixels and the box's") + ", " +
                 PixelNote(titlePixels, "the header's and the static's") +
                 "; the grid's own paint cycle is the line \"the grid window's own\" below";
    results.Add(line);
    line.measurement = "full repaint 1000x700, texts only, less the grid window's own paint cycle";
    line.ours = withTitles.first - ownCycle.first;
    line.notes =
        "the line above less the median of the grid window's own paint cycle (line "
        "below), the platform's price of the third window: what the grid's two panes "
        "take against the box and static";
    results.Add(line);
    line.measurement = "full repaint 1000x700, texts only" + repeats;
    line.target = {};
    line.against = "bare list box drawing the same texts in the same rectangles, same font";
    line.theirs = rowsOnly.second;
    line.ours = rowsOnly.first;
    line.notes = "the box alone, without the titles the grid also paints";
    results.Add(line);
    line.measurement = "repaint of the header alone, texts only" + repeats;
    line.ours = titlesOnly.first;
    line.against = "the bare owner-drawn static drawing the same titles, edges and arrow";
    line.theirs = titlesOnly.second;
    line.notes = "both one owner-drawn static's paint cycle";
    results.Add(line);
    line.measurement = "repaint of the list pane alone, texts only" + repeats;
    line.ours = boxOnly.first;
    line.against = "bare list box drawing the same texts in the same rectangles, same font";
    line.theirs = boxOnly.second;
    line.notes = "both one list box's paint cycle";
    results.Add(line);
    line.measurement =
        "the grid window's own paint cycle (erase and paint, the panes left out)" + repeats;
    line.ours = ownCycle.first;
    line.against =
        "a plain window of the grid's size, class style and scroll bar that paints "
        "nothing (DefWindowProc)";
    line.theirs = ownCycle.second;
    line.notes =
        "the platform's price of one more window in a repaint, which a grid made of a "
        "window holding two panes pays and the box and static beside each other do not";
    results.Add(line);
    line.measurement = "full repaint 1000x700, texts only" + repeats;
    line.ours = framed.first;
    line.against = "the same box and static inside that plain window, where the grid's panes are";
    line.theirs = framed.second;
    line.target = {1.1, "<= 1.1"};
    line.notes = "the floor of any grid made of a window holding a list box and a static";
    results.Add(line);
    line.target = {};
    line.ours = withBar.first;
    line.against = "the same box with a vertical scroll bar where the grid's is";
    line.theirs = withBar.second;
    line.notes = "the platform's part beside the rows: the scroll bar both windows draw";
    results.Add(line);

    DestroyGrid(grid);
    for (HWND window : {box, strip, frame, barBox}) {
        DestroyWindow(window);
    }
}

}  // namespace bench
