// Timing full repaints of windows that take turns in one place, and reading their pixels back:
// what the painting measurements share.
#pragma once

#include <windows.h>

#include <cstddef>
#include <utility>
#include <vector>

namespace bench {

constexpr UINT kRepaintFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;

// Windows shown together while another scene's are hidden, and those of them redrawn, one after
// the other, in each timed repaint.
struct RepaintScene {
    std::vector<HWND> shown;
    std::vector<HWND> timed;
    UINT flags = kRepaintFlags;  // of each timed window's RedrawWindow
};

// A window shown alone and repainted whole, its children included.
RepaintScene Alone(HWND window);

// Shows one scene and hides the other's windows, fully painted before any timing.
void ShowScene(const RepaintScene& shown, const RepaintScene& hidden);
void ShowAlone(HWND shown, HWND hidden);

// Median times of `repeats` repaints of each of two scenes occupying the same place. The scenes
// take turns in short blocks, one shown at a time, so that both meet the same load of a shared
// machine.
std::pair<double, double> MedianRepaintsTakingTurns(const RepaintScene& first,
                                                    const RepaintScene& second, int repeats);

// The pixels of a shown, painted window's client area, `width` columns from its left edge, as
// 32-bit values.
std::vector<UINT32> ClientPixels(HWND window, int width);

// How many of two pixel sets differ (the larger size when their sizes differ).
size_t DifferingPixels(const std::vector<UINT32>& ours, const std::vector<UINT32>& theirs);

}  // namespace bench
