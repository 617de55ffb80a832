// The fixture of the header pane tests (test_header_*.cpp): a grid of a text, a number and the
// kind column in the test palette, mouse messages to its header pane, the resize cursor, and the
// header's pixels read back from the screen.
#pragma once

#include <gtest/gtest.h>

#include "harness.h"
#include "painting_helpers.h"

namespace testing_support {

constexpr int kHeight = 17;  // header height
constexpr int kGridId = 5;

class Header : public ::testing::Test {
  protected:
    void SetUp() override { ParkPointer(); }
    void TearDown() override {
        HWND any = CreateGrid(parent.hwnd(), 0, 0, 10, 10);
        PartnerSet none = {};
        Grid_SetPartners(any, &none);
        DestroyWindow(any);
        ReleaseCapture();
    }
    // Column 0 at x 0 width 100, column 1 at x 100 width 50, the kind column at 150 width 20.
    HWND MakeGrid(int y = 0, DWORD style = 0) {
        HWND made = CreateGrid(parent.hwnd(), 0, y, 400, 200, style, kGridId);
        ColumnDesc name = Column(100, GRID_CELL_TEXT, "Name");
        ColumnDesc a = Column(50, GRID_CELL_NUMBER, "A");
        name.editorKind = a.editorKind = GRID_EDITOR_TEXT;  // no arrow before a title click
        EXPECT_TRUE(AddColumnDescs(made, {name, a, Column(20, GRID_CELL_VALUE)}));
        SetPalette(made, palette);
        return made;
    }
    static LRESULT Mouse(HWND grid, UINT message, int x, WPARAM keys = 0) {
        return SendMessageA(HeaderPane(grid), message, keys, MAKELPARAM(x, 5));
    }
    static void Click(HWND grid, int x) {
        Mouse(grid, WM_MOUSEMOVE, x);
        Mouse(grid, WM_LBUTTONDOWN, x, MK_LBUTTON);
        Mouse(grid, WM_LBUTTONUP, x);
    }
    // A click of the real mouse on the header at x: the system delivers the press and release.
    static void RealClick(HWND grid, int x) {
        POINT point = {x, 5};
        ClientToScreen(HeaderPane(grid), &point);
        SetCursorPos(point.x, point.y);
        INPUT inputs[2] = {};
        inputs[0].type = inputs[1].type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, inputs, sizeof(INPUT));
        PumpMessages();
    }
    static void Drag(HWND grid, int from, int to) {
        Mouse(grid, WM_MOUSEMOVE, from);
        Mouse(grid, WM_LBUTTONDOWN, from, MK_LBUTTON);
        Mouse(grid, WM_MOUSEMOVE, to, MK_LBUTTON);
        Mouse(grid, WM_LBUTTONUP, to);
    }
    // True when the cursor is the column resize cursor (hot spot in its middle).
    static bool ResizeCursorShown() {
        ICONINFO info = {};
        if (!GetIconInfo(GetCursor(), &info)) {
            return false;
        }
        DeleteObject(info.hbmMask);
        if (info.hbmColor != nullptr) {
            DeleteObject(info.hbmColor);
        }
        return (info.xHotspot == 15 && info.yHotspot == 15) ||
               (info.xHotspot == 8 && info.yHotspot == 8);
    }
    Capture Titles() { return Capture(HeaderPane(grid)); }

    TestPalette palette;
    RecordingParent parent;
    HWND grid = nullptr;
};

}  // namespace testing_support
