// Scrolling by the wheel: notches queued faster than a control paints, as a fast wheel or a
// flick delivers them, timed until the control has settled, with every row on the screen as a
// full repaint paints it.
#include <windows.h>

#include <string>
#include <vector>

#include "bench_controls.h"
#include "bench_measurements.h"
#include "bench_repaint.h"
#include "vorlane.h"

namespace bench {

namespace {

constexpr size_t kWheelRows = 874;
constexpr int kWheelRepeats = 11;

// The window that takes the keyboard focus of a control, and so its wheel messages.
HWND FocusPane(HWND control, bool isGrid) {
    return isGrid ? ListPaneOf(control) : control;
}

int TopRow(HWND control, bool isGrid) {
    return isGrid ? static_cast<int>(SendMessageA(ListPaneOf(control), LB_GETTOPINDEX, 0, 0))
                  : static_cast<int>(SendMessageA(control, LVM_GETTOPINDEX, 0, 0));
}

// Dispatches messages until the queue holds no input, no message and no paint.
void PumpUntilSettled() {
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (GetQueueStatus(QS_ALLINPUT | QS_PAINT) == 0) {
            return;
        }
    }
}

// One run of `notches` wheel notches towards the user, queued at once through the input
// system, from the top of a shown control: the milliseconds until it has settled, and the
// pixels that differ afterwards from a full repaint (stale rows) in `stale`.
double TimedWheelRun(HWND control, bool isGrid, int notches, size_t& stale) {
    HWND pane = FocusPane(control, isGrid);
    SendMessageA(control, WM_VSCROLL, SB_TOP, 0);
    SetFocus(pane);
    RedrawWindow(control, nullptr, nullptr, kRepaintFlags);
    PumpUntilSettled();
    std::vector<INPUT> inputs(static_cast<size_t>(notches));
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_WHEEL;
        input.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
    }
    const int before = TopRow(control, isGrid);
    const double start = Now();
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpUntilSettled();
    GdiFlush();
    const double elapsed = Now() - start;
    const std::vector<UINT32> shown = ClientPixels(pane, kClientWidth);
    RedrawWindow(control, nullptr, nullptr, kRepaintFlags);
    stale = DifferingPixels(shown, ClientPixels(pane, kClientWidth));
    if (TopRow(control, isGrid) == before) {
        stale = ~size_t{0};  // the wheel never arrived: no figure to trust
    }
    return elapsed;
}

struct WheelFigures {
    double ours = 0;
    double theirs = 0;
    size_t stale = 0;  // the most differing pixels after any run of the grid
};

// Median settling times of runs of `notches` notches of the grid and the list view, taking
// turns, each shown alone over the other's place under the pointer.
WheelFigures WheelRunsTakingTurns(HWND grid, HWND list, int notches) {
    std::vector<double> samples[2];
    WheelFigures figures;
    for (int repeat = 0; repeat < kWheelRepeats; ++repeat) {
        for (int turn = 0; turn < 2; ++turn) {
            HWND control = turn == 0 ? grid : list;
            ShowAlone(control, turn == 0 ? list : grid);
            size_t stale = 0;
            samples[turn].push_back(TimedWheelRun(control, turn == 0, notches, stale));
            if (turn == 0 && stale > figures.stale) {
                figures.stale = stale;
            }
        }
    }
    figures.ours = Median(samples[0]);
    figures.theirs = Median(samples[1]);
    return figures;
}

}  // namespace

void MeasureWheelScrolling(ResultTable& results) {
    GridBesideListView both(kWheelRows);
    // The pointer rests over both controls' place, where a wheel turned by the user would be.
    POINT centre = {kClientWidth / 2, kClientHeight / 2};
    ClientToScreen(both.host.get(), &centre);
    SetCursorPos(centre.x, centre.y);
    PumpMessages();

    for (int notches : {100, 20}) {
        const WheelFigures figures = WheelRunsTakingTurns(both.grid, both.list, notches);
        ResultLine line;
        line.section = "Scrolling by the wheel";
        line.rows = Count(kWheelRows);
        line.unit = "ms";
        line.measurement =
            std::to_string(notches) +
            (notches == 100 ? " wheel notches queued at once" : "-notch flick (queued at once)") +
            ", until settled, median of " + std::to_string(kWheelRepeats);
        line.ours = figures.ours;
        line.against = "list view";
        line.theirs = figures.theirs;
        line.target = {1, "<= 1"};
        line.notes = figures.stale == ~size_t{0}
                         ? "the wheel input did not reach the grid"
                         : "stale pixels after the grid settled: " + std::to_string(figures.stale);
        results.Add(line);
    }
}

}  // namespace bench
