// The shortcuts the control takes for speed show exactly what the long way shows: rows appended
// one after another leave the view as bringing the current cell into view after each would,
// the scroll bar drawn later after a run of appends looks as a full repaint draws it, and rows
// moved by a line scroll look as a full repaint paints them, also after the current column
// moved without a repaint, also while wheel messages arrive faster than the pane is painted.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <utility>

#include "fast_path_helpers.h"
#include "harness.h"
#include "input_helpers.h"
#include "painting_helpers.h"

using namespace testing_support;

namespace {

constexpr int kNarrowest = 120;  // the standard columns span 380 pixels
constexpr int kLowest = 17 + 3 * 17;

class FastPaths : public ::testing::Test {
  protected:
    void SetUp() override { ParkPointer(); }

    HWND MakeGrid(int x, int width, int height) {
        HWND grid = CreateGrid(parent.hwnd(), x, 0, width, height);
        EXPECT_TRUE(AddStandardColumns(grid));
        return grid;
    }
    static void AddNumberedRow(HWND grid, int i) {
        const std::string name = "row " + std::to_string(i);
        AddStandardRow(grid, name.c_str(), i % 3 == 0 ? "note" : nullptr, i * 37, i, 0, 3);
    }

    RecordingParent parent{900, 700};
};

// The bars and the panes' place can be read without a message to the control, so they are
// compared after every row; the rest after each run of rows.
struct QuietView {
    SCROLLINFO vertical = {};
    SCROLLINFO horizontal = {};
    LONG paneLeft = 0;
};
QuietView QuietViewOf(HWND grid) {
    QuietView view;
    view.vertical.cbSize = view.horizontal.cbSize = sizeof(SCROLLINFO);
    view.vertical.fMask = view.horizontal.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    GetScrollInfo(grid, SB_VERT, &view.vertical);
    GetScrollInfo(grid, SB_HORZ, &view.horizontal);
    RECT pane;
    GetWindowRect(ListPane(grid), &pane);
    POINT corner = {pane.left, pane.top};
    ScreenToClient(grid, &corner);
    view.paneLeft = corner.x;
    return view;
}
// True when the window shows what a full repaint of it shows (read in that order).
bool ShowsAFullRepaint(HWND window, bool frame) {
    const std::vector<DWORD> shown = ShownPixels(window, frame);
    return shown == RepaintedPixels(window, frame);
}

bool Same(const QuietView& a, const QuietView& b) {
    auto same = [](const SCROLLINFO& x, const SCROLLINFO& y) {
        return x.nMin == y.nMin && x.nMax == y.nMax && x.nPage == y.nPage && x.nPos == y.nPos;
    };
    return same(a.vertical, b.vertical) && same(a.horizontal, b.horizontal) &&
           a.paneLeft == b.paneLeft;
}

TEST_F(FastPaths, RowsAppendedOneByOneLeaveTheViewAsBringingTheCellIntoViewAfterEachWould) {
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&](int count) { return static_cast<int>(random() % count); };
        int width = 300;
        int height = 200;
        // `tested` appends as a client does. `reference` is also sent GRM_ENSUREVISIBLE after
        // each row, the long way whatever its append took, and the views must agree after
        // every row.
        HWND tested = MakeGrid(0, width, height);
        HWND reference = MakeGrid(450, width, height);
        int rows = 0;
        for (int step = 0; step < 40; ++step) {
            auto both = [&](UINT message, WPARAM wParam, LPARAM lParam, bool toPane) {
                SendMessageA(toPane ? ListPane(tested) : tested, message, wParam, lParam);
                SendMessageA(toPane ? ListPane(reference) : reference, message, wParam, lParam);
            };
            switch (pick(10)) {
                case 0:
                case 1:
                case 2:
                case 3: {
                    const int count = 1 + pick(20);
                    for (int i = 0; i < count; ++i, ++rows) {
                        AddNumberedRow(tested, rows);
                        AddNumberedRow(reference, rows);
                        SendMessageA(reference, GRM_ENSUREVISIBLE, 0, 0);
                        ASSERT_TRUE(Same(QuietViewOf(tested), QuietViewOf(reference)))
                            << "seed " << seed << " step " << step << " row " << rows;
                    }
                    break;
                }
                case 4: both(LB_SETTOPINDEX, pick(rows + 1), 0, true); break;
                case 5: both(LB_SETCARETINDEX, pick(rows + 1), 0, true); break;
                case 6: both(GRM_SETCURCELL, pick(5), pick(rows + 1), false); break;
                case 7: both(pick(2) == 0 ? WM_VSCROLL : WM_HSCROLL, pick(8), 0, false); break;
                case 8: both(GRM_SETCOLWIDTH, pick(5), 20 + pick(200), false); break;
                case 9:
                    if (pick(4) == 0) {
                        both(GRM_CLEARROWS, 0, 0, false);
                        rows = 0;
                    } else {
                        width = kNarrowest + pick(400);
                        height = kLowest + pick(300);
                        MoveWindow(tested, 0, 0, width, height, TRUE);
                        MoveWindow(reference, 450, 0, width, height, TRUE);
                    }
                    break;
            }
            ASSERT_EQ(ViewOf(tested), ViewOf(reference)) << "seed " << seed << " step " << step;
        }
        DestroyWindow(tested);
        DestroyWindow(reference);
    }
}

TEST_F(FastPaths, AnAppendAfterTheViewWasMovedAwayBringsTheCurrentCellBack) {
    HWND grid = MakeGrid(0, 300, 200);
    for (int i = 0; i < 50; ++i) {
        AddNumberedRow(grid, i);
    }
    ASSERT_TRUE(Grid_SetCurCell(grid, 4, 2));
    AddNumberedRow(grid, 50);  // the view is settled: nothing moves
    AddNumberedRow(grid, 51);
    const LONG settledLeft = RectInParent(ListPane(grid)).left;
    EXPECT_LT(settledLeft, 0) << "column 4 lies past the right edge";

    // Moved by a message to the list pane alone.
    SendMessageA(ListPane(grid), LB_SETTOPINDEX, 30, 0);
    AddNumberedRow(grid, 52);
    EXPECT_EQ(SendMessageA(ListPane(grid), LB_GETTOPINDEX, 0, 0), 2);
    EXPECT_EQ(RectInParent(ListPane(grid)).left, settledLeft);

    // Moved by the control itself.
    AddNumberedRow(grid, 53);
    SendMessageA(grid, WM_HSCROLL, SB_LEFT, 0);
    AddNumberedRow(grid, 54);
    EXPECT_EQ(RectInParent(ListPane(grid)).left, settledLeft);
    EXPECT_EQ(Grid_GetCurRow(grid), 2u);
}

// Counts the GRM_ENSUREVISIBLE messages a grid is sent: the view work a row append may skip.
class EnsureVisibleCount {
  public:
    explicit EnsureVisibleCount(HWND grid) : grid_(grid) {
        count_ = 0;
        replaced_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(grid, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    }
    ~EnsureVisibleCount() {
        SetWindowLongPtrA(grid_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(replaced_));
    }
    int Take() { return std::exchange(count_, 0); }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        count_ += message == GRM_ENSUREVISIBLE ? 1 : 0;
        return CallWindowProcA(replaced_, window, message, wParam, lParam);
    }
    static inline int count_ = 0;
    static inline WNDPROC replaced_ = nullptr;
    HWND grid_;
};

struct ViewChange {
    const char* what;
    std::function<void(HWND grid)> make;
    bool looksAgain;  // the next append must bring the current cell into view again
};

TEST_F(FastPaths, AnAppendDoesViewWorkOnlyAfterSomethingTheViewDependsOnChanged) {
    HWND grid = MakeGrid(0, 300, 200);
    int rows = 0;
    for (; rows < 50; ++rows) {
        AddNumberedRow(grid, rows);
    }
    Grid_SetCurCell(grid, 1, 2);
    auto pane = [](HWND g, UINT message, WPARAM wParam) {
        SendMessageA(ListPane(g), message, wParam, 0);
    };
    const ViewChange changes[] = {
        {"nothing", [](HWND) {}, false},
        {"a repaint", [](HWND g) { RepaintedPixels(g, true); }, false},
        {"the list pane's top row", [&](HWND g) { pane(g, LB_SETTOPINDEX, 20); }, true},
        {"the list pane's caret", [&](HWND g) { pane(g, LB_SETCARETINDEX, 6); }, true},
        {"a key the list box moves its caret with",
         [](HWND g) { KeyDown(ListPane(g), VK_HOME, 0x147); }, true},
        {"the current cell", [](HWND g) { Grid_SetCurCell(g, 4, 3); }, true},
        {"the horizontal offset", [](HWND g) { SendMessageA(g, WM_HSCROLL, SB_LEFT, 0); }, true},
        {"a column width", [](HWND g) { Grid_SetColWidth(g, 0, 140); }, true},
        {"the header height", [](HWND g) { Grid_SetHeaderHeight(g, 21); }, true},
        {"the row height", [](HWND g) { Grid_SetRowHeight(g, 19); }, true},
        {"the control's size", [](HWND g) { MoveWindow(g, 0, 0, 280, 190, TRUE); }, true},
    };
    EnsureVisibleCount ensured(grid);
    for (const ViewChange& change : changes) {
        for (int settle = 0; settle < 3; ++settle) {
            AddNumberedRow(grid, rows++);
        }
        change.make(grid);
        ensured.Take();
        AddNumberedRow(grid, rows++);
        EXPECT_EQ(ensured.Take() != 0, change.looksAgain) << change.what;
    }
}

TEST_F(FastPaths, AScrollBarLeftToTheNextPaintAfterManyAppendsLooksAsAFullRepaintDrawsIt) {
    HWND grid = MakeGrid(0, 400, 300);
    for (int i = 0; i < 300; ++i) {
        AddNumberedRow(grid, i);  // no message is handled between the rows
    }
    SCROLLINFO bar = {};
    bar.cbSize = sizeof(bar);
    bar.fMask = SIF_RANGE;
    GetScrollInfo(grid, SB_VERT, &bar);
    EXPECT_EQ(bar.nMax, 299);
    EXPECT_TRUE(GetWindowLongPtrA(grid, GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(ShowsAFullRepaint(grid, true));

    // Once more from a painted bar: the thumb shrinks as rows arrive.
    for (int i = 300; i < 340; ++i) {
        AddNumberedRow(grid, i);
    }
    EXPECT_TRUE(ShowsAFullRepaint(grid, true));
}

class ScrolledRows : public FastPaths {
  protected:
    void SetUp() override {
        FastPaths::SetUp();
        grid = MakeGrid(0, 420, 260);
        SetPalette(grid);
        for (int i = 0; i < 200; ++i) {
            AddNumberedRow(grid, i);
        }
        for (int row : {2, 3, 7, 15}) {
            SendMessageA(ListPane(grid), LB_SETSEL, TRUE, row);
        }
        Grid_SetCurCell(grid, 1, 3);
        Scroll(SB_LINEDOWN, 1);  // the first scroll repaints everything
        RepaintedPixels(grid, false);
    }
    void Scroll(int code, int times) {
        for (int i = 0; i < times; ++i) {
            SendMessageA(grid, WM_VSCROLL, code, 0);
            UpdateWindow(grid);
        }
    }
    HWND grid = nullptr;
};

TEST_F(ScrolledRows, LineScrollsShowWhatAFullRepaintShows) {
    const LRESULT top = SendMessageA(ListPane(grid), LB_GETTOPINDEX, 0, 0);
    Scroll(SB_LINEDOWN, 5);
    EXPECT_EQ(SendMessageA(ListPane(grid), LB_GETTOPINDEX, 0, 0), top + 5);
    EXPECT_TRUE(ShowsAFullRepaint(ListPane(grid), false));
    Scroll(SB_LINEUP, 3);
    Scroll(SB_PAGEDOWN, 1);
    EXPECT_TRUE(ShowsAFullRepaint(ListPane(grid), false));
}

TEST_F(ScrolledRows, AScrollAfterTheCurrentColumnMovedUnpaintedRepaintsEveryRow) {
    // Row 3 stays selected, so the list repaints at most the rows its caret leaves and reaches:
    // rows 2, 7 and 15 keep the highlight of column 1 on screen for now.
    Grid_SetCurCell(grid, 3, 3);
    UpdateWindow(grid);
    Scroll(SB_LINEDOWN, 1);
    EXPECT_TRUE(ShowsAFullRepaint(ListPane(grid), false));
}

// A setting every grid paints with, changed through another grid: this grid's rows on screen are
// left as they were, and its next scroll must not keep them.
struct SharedLookChange {
    const char* what;
    std::function<void(HWND other, PartnerSet& partners)> make;
};

TEST_F(FastPaths, AScrollAfterAnotherGridChangedWhatEveryGridPaintsRepaintsEveryRow) {
    HWND grid = MakeGrid(0, 420, 260);
    HWND other = MakeGrid(450, 300, 200);
    SetPalette(grid);
    for (int i = 0; i < 200; ++i) {
        AddStandardRow(grid, "row", nullptr, i, i, 0, (1 << 16) | 3);  // row image 1
    }
    HIMAGELIST red = SolidImageList({RGB(255, 0, 0), RGB(255, 0, 0)});
    HIMAGELIST blue = SolidImageList({RGB(0, 0, 255), RGB(0, 0, 255)});
    PartnerSet partners = {};
    partners.rowImageList = red;
    Grid_SetPartners(other, &partners);
    const SharedLookChange changes[] = {
        {"grid lines", [](HWND g, PartnerSet&) { Grid_SetGridLines(g, TRUE); }},
        {"row images",
         [&](HWND g, PartnerSet& set) {
             set.rowImageList = blue;
             Grid_SetPartners(g, &set);
         }},
    };
    for (const SharedLookChange& change : changes) {
        SendMessageA(grid, WM_VSCROLL, SB_LINEDOWN, 0);
        RepaintedPixels(grid, false);
        change.make(other, partners);
        SendMessageA(grid, WM_VSCROLL, SB_LINEDOWN, 0);
        UpdateWindow(grid);
        EXPECT_TRUE(ShowsAFullRepaint(ListPane(grid), false)) << change.what;
    }
    Grid_SetGridLines(other, FALSE);
    partners.rowImageList = nullptr;
    Grid_SetPartners(other, &partners);
    ImageList_Destroy(red);
    ImageList_Destroy(blue);
}

// A run of wheel messages queued before the list pane could paint, as a fast wheel queues them.
struct WheelRun {
    const char* what;
    bool toPane;        // to the list pane, as the focus window gets them; else to the control
    int startTop;       // the list pane's top row before the run
    int currentColumn;  // set before the run, on the top row
    short delta;        // of each of the run's messages
    int endTop;
};

TEST_F(FastPaths, AFastWheelLeavesEveryRowOnTheScreenAsARepaintPaintsIt) {
    constexpr int kRows = 3000;
    constexpr int kNotches = 20;  // 60 rows, a few pages
    HWND grid = MakeGrid(0, 420, 300);
    SetPalette(grid);
    for (int i = 0; i < kRows; ++i) {
        AddNumberedRow(grid, i);
    }
    HWND pane = ListPane(grid);
    SendMessageA(pane, LB_SETTOPINDEX, kRows - 1, 0);
    const int lastTop = static_cast<int>(SendMessageA(pane, LB_GETTOPINDEX, 0, 0));
    const WheelRun runs[] = {
        {"down, to the list pane", true, 0, 0, -120, 60},
        {"up, to the control", false, 2500, 0, 120, 2440},
        {"down, after the current column moved", true, 1000, 3, -240, 1060},
        {"down past the last row", true, kRows - 40, 0, -120, lastTop},
    };
    for (const WheelRun& run : runs) {
        SendMessageA(pane, LB_SETTOPINDEX, run.startTop, 0);
        SendMessageA(pane, LB_SETSEL, FALSE, -1);
        Grid_SetCurCell(grid, run.currentColumn, run.startTop);
        RepaintedPixels(grid, false);

        HWND target = run.toPane ? pane : grid;
        for (int i = 0; i < kNotches; ++i) {
            PostMessageA(target, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(run.delta)), 0);
        }
        // Only the wheel messages: the pane paints when the queue holds nothing else.
        MSG message;
        while (PeekMessageA(&message, nullptr, WM_MOUSEWHEEL, WM_MOUSEWHEEL, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        ASSERT_EQ(SendMessageA(pane, LB_GETTOPINDEX, 0, 0), run.endTop) << run.what;
        EXPECT_EQ(RowsUnlikeARepaint(pane, Grid_GetRowHeight(grid)), std::vector<int>{})
            << run.what;
        // The bar, painted with the frame once the queue is empty, stands where the rows do.
        EXPECT_EQ(GetScrollPos(grid, SB_VERT), run.endTop) << run.what;
        EXPECT_TRUE(ShowsAFullRepaint(grid, true)) << run.what;
    }
}

}  // namespace
