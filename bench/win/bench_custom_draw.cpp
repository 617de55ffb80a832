// Full repaints of a grid whose parent colours every row through custom draw, beside the same
// repaint with a parent that answers CDRF_DODEFAULT at CDDS_PREPAINT (as every parent that
// ignores custom draw does).
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "bench_controls.h"
#include "bench_measurements.h"
#include "bench_repaint.h"
#include "vorlane.h"

namespace bench {

namespace {

constexpr int kRepaints = 50;

// A child window covering the host's client area, parent of the grids: with user data 1 it
// colours every row (text and background by row position), with 0 it answers nothing.
LRESULT CALLBACK DrawingParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && GetWindowLongPtrA(window, GWLP_USERDATA) != 0 &&
        reinterpret_cast<const NMHDR*>(lParam)->code == NM_CUSTOMDRAW) {
        auto* draw = reinterpret_cast<NMGRIDCUSTOMDRAW*>(lParam);
        if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
            return CDRF_NOTIFYITEMDRAW;
        }
        if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            draw->clrText = draw->row % 3 == 0 ? RGB(160, 0, 0) : RGB(0, 0, 120);
            draw->clrTextBk = draw->row % 2 == 0 ? RGB(255, 255, 220) : RGB(230, 245, 255);
        }
        return CDRF_DODEFAULT;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND DrawingParent(HWND host, bool colours) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DrawingParentProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "VorlaneBenchDrawingParent";
    RegisterClassA(&windowClass);  // fails harmlessly from the second on
    HWND parent = CreateWindowExA(0, windowClass.lpszClassName, nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, kClientWidth,
                                  kClientHeight, host, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(parent, GWLP_USERDATA, colours ? 1 : 0);
    return parent;
}

}  // namespace

void MeasureCustomDrawPainting(ResultTable& results, size_t rows) {
    const RowSet data(rows, Pattern::Random);
    HostWindow host;
    HWND colouring = DrawingParent(host.get(), true);
    HWND plain = DrawingParent(host.get(), false);
    HWND coloured = CreateGrid(colouring, RowIcons::ImageList, nullptr, nullptr);
    FillGrid(coloured, data, RowIcons::ImageList);
    HWND defaulted = CreateGrid(plain, RowIcons::ImageList, nullptr, nullptr);
    FillGrid(defaulted, data, RowIcons::ImageList);
    PumpMessages();
    const auto repaint = MedianRepaintsTakingTurns(Alone(colouring), Alone(plain), kRepaints);

    ResultLine line;
    line.section = "Painting";
    line.rows = Count(rows);
    line.unit = "ms";
    line.against = "parent answering CDRF_DODEFAULT at CDDS_PREPAINT";
    line.measurement =
        "full repaint 1000x700, parent colouring every row through custom draw, "
        "median of " +
        std::to_string(kRepaints);
    line.ours = repaint.first;
    line.theirs = repaint.second;
    line.target = {1.3, "<= 1.3"};
    line.notes = "texts only; both grids ask their parent at CDDS_PREPAINT";
    results.Add(line);
    DestroyGrid(coloured);
    DestroyGrid(defaulted);
    DestroyWindow(colouring);
    DestroyWindow(plain);
}

}  // namespace bench
