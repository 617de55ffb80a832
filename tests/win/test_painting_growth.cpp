// Grids grown with their parent, in one step or many, scrolled or not, show what a full repaint
// shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fast_path_helpers.h"
#include "harness.h"
#include "painting_fixture.h"
#include "painting_helpers.h"

using namespace testing_support;

namespace {

// Two grids side by side in a parent that lays them out in its WM_SIZE, the left one first, as
// a two-pane window does while its frame is dragged.
HWND g_halves[2];
WNDPROC g_recordingProcedure;
LRESULT CALLBACK HalvesParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        constexpr int kGap = 6;
        RECT client;
        GetClientRect(window, &client);
        const int half = (client.right - 3 * kGap) / 2;
        for (int side = 0; side < 2; ++side) {
            MoveWindow(g_halves[side], kGap + side * (half + kGap), kGap, half,
                       client.bottom - 2 * kGap, TRUE);
        }
    }
    return CallWindowProcA(g_recordingProcedure, window, message, wParam, lParam);
}

struct Growth {
    const char* what;
    DWORD exStyle;  // of both grids
    int steps;      // the parent grows in this many steps, without painting in between ...
    SIZE step;      // ... of this many pixels each
    int linesScrolledRight;
};

TEST_F(Painting, GridsGrownWithTheirParentShowWhatAFullRepaintShows) {
    const Growth growths[] = {
        {"wider", 0, 1, {300, 0}, 0},
        {"wider and taller, with client edges", WS_EX_CLIENTEDGE, 1, {300, 100}, 0},
        {"in small steps, with client edges", WS_EX_CLIENTEDGE, 10, {30, 10}, 0},
        {"wider, scrolled right", 0, 1, {300, 0}, 10},
    };
    for (const Growth& growth : growths) {
        RecordingParent halves(600, 400);
        for (HWND& grid : g_halves) {
            grid = CreateWindowExA(growth.exStyle, VORLANE_CLASS, nullptr,
                                   WS_CHILD | WS_VISIBLE | GRS_COLUMNLINES, 0, 0, 0, 0,
                                   halves.hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
            ASSERT_TRUE(AddColumnDescs(
                grid, {Column(200, GRID_CELL_TEXT, "Name"), Column(60, GRID_CELL_TEXT, "Type"),
                       Column(90, GRID_CELL_NUMBER, "Size"), Column(0, GRID_CELL_VALUE)}));
            SetPalette(grid, palette);
            Grid_SetGridLines(grid, TRUE);
            for (int i = 0; i < 40; ++i) {
                const std::string name = "folder " + std::to_string(i);
                AddRow(grid, {Text(name.c_str()), Text("DIR"), 0, kFolderRow});
            }
        }
        g_recordingProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            halves.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HalvesParentProc)));
        SendMessageA(halves.hwnd(), WM_SIZE, 0, 0);
        for (HWND grid : g_halves) {
            for (int i = 0; i < growth.linesScrolledRight; ++i) {
                SendMessageA(grid, WM_HSCROLL, SB_LINERIGHT, 0);
            }
        }
        RepaintedPixels(halves.hwnd(), false);

        RECT frame;
        GetWindowRect(halves.hwnd(), &frame);
        for (int i = 1; i <= growth.steps; ++i) {
            SetWindowPos(halves.hwnd(), nullptr, 0, 0,
                         frame.right - frame.left + i * growth.step.cx,
                         frame.bottom - frame.top + i * growth.step.cy, SWP_NOMOVE | SWP_NOZORDER);
        }
        std::vector<DWORD> shown[2];
        for (int side = 0; side < 2; ++side) {
            shown[side] = ShownPixels(g_halves[side], false);
        }
        for (int side = 0; side < 2; ++side) {
            EXPECT_TRUE(shown[side] == RepaintedPixels(g_halves[side], false))
                << growth.what << (side == 0 ? ": left grid" : ": right grid");
        }
    }
}

}  // namespace
