// Leaks: many controls created, filled, painted, edited and destroyed, and many colour and font
// changes on one control, must leave the process's GDI objects, windows, icons and cursors and
// private memory where they were. The tolerances are far below one object per cycle, so a
// single leaked object (or a leaked instance's memory) per cycle fails. A creation that fails
// half-way must leave nothing at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "access_helpers.h"
#include "harness.h"
#include "painting_helpers.h"
#include "reliability_helpers.h"

using namespace testing_support;

namespace {

// 200 create/destroy cycles by default (scripts/soak.sh runs 10,000), measured after a few
// cycles that let the system's caches settle. The counts are exact (the windows, icons and GDI
// objects a process holds) or page-exact (private bytes), and after warming up a sound run moves
// none of them: the slack below only absorbs a cache of the system's that settles late or one
// more block of the heap. So a leak shows as soon as the cycles times the leak exceed the slack:
// one GDI object per cycle lands at 200 against 20, one icon or cursor at 200 against 2, one
// window at 200 against 0, and 1.3 KiB per cycle already passes the memory slack (a control's
// instance with its columns and rows takes several KiB).
const int kCycles = static_cast<int>(EnvNumber("VORLANE_LEAK_CYCLES", 200));
constexpr int kWarmUpCycles = 5;
constexpr int kAppearanceChanges = 1000;
constexpr int kGdiSlack = 20;  // caches of the system's own (fonts, brushes) may settle
constexpr int kIconSlack = 2;
constexpr SIZE_T kMemorySlack = 256 * 1024;

ResourceCounts Measure() {
    PumpMessages();
    return CountResources();
}

void Print(const char* what, const ResourceCounts& before, const ResourceCounts& after,
           double seconds) {
    std::printf(
        "%s: GDI objects %d -> %d, windows %d -> %d, icons and cursors %d -> %d, "
        "private bytes %lu -> %lu, %.1f s\n",
        what, before.gdiObjects, after.gdiObjects, before.windows, after.windows, before.icons,
        after.icons, static_cast<unsigned long>(before.privateBytes),
        static_cast<unsigned long>(after.privateBytes), seconds);
}

void ExpectFlat(const ResourceCounts& before, const ResourceCounts& after) {
    EXPECT_GT(before.gdiObjects, 0) << "the GDI count must see the process's own objects";
    EXPECT_LE(after.gdiObjects - before.gdiObjects, kGdiSlack);
    EXPECT_EQ(after.windows, before.windows);
    EXPECT_LE(after.icons - before.icons, kIconSlack);
    EXPECT_LT(after.privateBytes, before.privateBytes + kMemorySlack);
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One cycle: a grid with columns and editors, three rows, painted, the tooltip of a cut-off
// name shown, an edit opened and cancelled, a colour set made, then destroyed. The parent forgets
// what it was told, so that only the control's memory is measured.
void CreateFillDestroy(RecordingParent& parent) {
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 300, 100);
    AddStandardColumns(grid);
    AddStandardRow(grid, "alpha", "one", 1, 2, 3, 2);
    AddStandardRow(grid, "beta", "two", 4, 5, 6, 0x0A);
    AddStandardRow(grid, "a name much longer than its column", "three", 7, 8, 9, 2);
    SetPalette(grid);
    Grid_SetCurCell(grid, 0, 1);
    RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageA(ListPane(grid), WM_MOUSEHOVER, 0, MAKELPARAM(40, 2 * 17 + 8));
    Grid_BeginEdit(grid, 0, 0);
    Grid_CancelEdit(grid);
    DestroyWindow(grid);
    parent.Clear();
}

TEST(Leaks, ThePlatformCountsTheIconsAndCursorsOfAControl) {
    RecordingParent parent;
    CreateFillDestroy(parent);  // the system loads what it keeps once
    const int before = LiveIconsAndCursors();
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 300, 100);
    const int during = LiveIconsAndCursors();
    DestroyWindow(grid);
    const int after = LiveIconsAndCursors();
    std::printf("icons and cursors: %d, with a control %d, after %d\n", before, during, after);
    // Three cursors of its own (the sort arrows are kept as a bitmap): the count must see them
    // come and go.
    EXPECT_GE(during - before, 3);
    EXPECT_EQ(after, before);
}

TEST(Leaks, ManyControlsCreatedFilledAndDestroyedLeaveNothingBehind) {
    RecordingParent parent;
    for (int cycle = 0; cycle < kWarmUpCycles; ++cycle) {
        CreateFillDestroy(parent);
    }
    const ResourceCounts before = Measure();
    const auto start = std::chrono::steady_clock::now();
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        CreateFillDestroy(parent);
        if (cycle % 500 == 0) {
            PumpMessages();
        }
    }
    const double seconds = SecondsSince(start);
    const ResourceCounts after = Measure();
    Print((std::to_string(kCycles) + " controls").c_str(), before, after, seconds);
    ExpectFlat(before, after);
}

// One cycle of a screen reader: the grid's object asked of the list pane and let go while the
// control lives, and asked of the control, read (a selection of several rows is an
// enumeration) and held until after the control is gone. Two objects asked for.
constexpr int kObjectsPerCycle = 2;
void ReadAccessibleObjects(RecordingParent& parent) {
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 300, 200);
    AddStandardColumns(grid);
    AddStandardRow(grid, "alpha", "first", 1, 2, 3, 3);
    AddStandardRow(grid, "beta", "second", 4, 5, 6, 3);
    Grid_SelectAll(grid);
    NameOf(AccessibleOf(ListPane(grid)).get(), 1);
    AccessibleRef held = AccessibleOf(grid);
    if (held != nullptr) {
        DescriptionOf(held.get(), 2);
        SelectionOf(held.get());
    }
    DestroyWindow(grid);
    if (held != nullptr) {
        NameOf(held.get(), 1);
    }
    parent.Clear();
}

// This platform's oleacc keeps about 2 KiB for every object it hands across (in
// LresultFromObject and ObjectFromLresult), whoever made the object: the cycles may grow by
// what as many requests for one long-lived grid's object grow, and no more.
TEST(Leaks, AccessibleObjectsReadAndHeldPastTheControlLeaveNothingBehind) {
    ComScope com;
    RecordingParent parent;
    for (int cycle = 0; cycle < kWarmUpCycles; ++cycle) {
        ReadAccessibleObjects(parent);
    }
    HWND lasting = CreateGrid(parent.hwnd(), 0, 0, 300, 200);
    AddStandardColumns(lasting);
    const ResourceCounts platformBefore = Measure();
    for (int request = 0; request < kCycles * kObjectsPerCycle; ++request) {
        AccessibleOf(lasting);
    }
    const ResourceCounts platformAfter = Measure();
    DestroyWindow(lasting);
    const SIZE_T platformGrowth = platformAfter.privateBytes - platformBefore.privateBytes;

    const ResourceCounts before = Measure();
    const auto start = std::chrono::steady_clock::now();
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        ReadAccessibleObjects(parent);
    }
    const double seconds = SecondsSince(start);
    ResourceCounts after = Measure();
    Print((std::to_string(kCycles) + " accessible grids").c_str(), before, after, seconds);
    std::printf("the platform's own growth for as many objects: %lu bytes\n",
                static_cast<unsigned long>(platformGrowth));
    after.privateBytes -= std::min(platformGrowth, after.privateBytes);
    ExpectFlat(before, after);
}

TEST(Leaks, AThousandColourAndFontChangesLeaveNothingBehind) {
    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 300, 150);
    ASSERT_TRUE(AddStandardColumns(grid));
    AddStandardRow(grid, "alpha", "one", 1, 2, 3, 2);
    AddStandardRow(grid, "beta", "two", 4, 5, 6, 2);
    Grid_SetCurCell(grid, 0, 0);
    SetPalette(grid);  // from here on the control owns one brush of each kind and its pen
    RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const ResourceCounts before = Measure();
    const auto start = std::chrono::steady_clock::now();
    Rng rng(kAppearanceChanges);
    HFONT previous = nullptr;
    for (int change = 0; change < kAppearanceChanges; ++change) {
        // The fonts are the client's: it deletes the old one once the control has the new one.
        HFONT font = CreateFontA(-8 - change % 20, 0, 0, 0, FW_NORMAL, change & 1, 0, 0,
                                 ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        Grid_SetFonts(grid, font, font);
        if (previous != nullptr) {
            DeleteObject(previous);
        }
        previous = font;
        ColorSet colors = {};
        COLORREF* fields = &colors.spare1;
        for (int i = 0; i < 10; ++i) {
            fields[i] = rng.Bits32() & 0x00FFFFFF;
        }
        Grid_SetColors(grid, &colors);
        Grid_SetActiveLook(grid, FALSE, change & 1);
        Grid_Redraw(grid);
        RedrawWindow(grid, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    Grid_SetFonts(grid, nullptr, nullptr);
    DeleteObject(previous);
    SetPalette(grid);
    RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double seconds = SecondsSince(start);
    const ResourceCounts after = Measure();
    Print("1000 colour and font changes", before, after, seconds);
    ExpectFlat(before, after);
}

// While it lives, the nth window of a class made on this thread is refused: creating it fails,
// as it does when the system refuses one.
class WindowRefusal {
  public:
    WindowRefusal(const char* windowClass, int nth) {
        windowClass_ = windowClass;
        remaining_ = nth;
        refused_ = false;
        hook_ = windowClass != nullptr
                    ? SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())
                    : nullptr;
    }
    ~WindowRefusal() {
        if (hook_ != nullptr) {
            UnhookWindowsHookEx(hook_);
        }
    }
    static bool refused() { return refused_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND) {
            const char* name = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass;
            if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) != 0 &&
                lstrcmpiA(name, windowClass_) == 0 && --remaining_ == 0) {
                refused_ = true;
                return 1;
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline const char* windowClass_ = nullptr;
    static inline int remaining_ = 0;
    static inline bool refused_ = false;
    HHOOK hook_;
};

// While it lives, the process can get only `left` more GDI objects (none held back for < 0).
class GdiShortage {
  public:
    explicit GdiShortage(int left) {
        if (left < 0) {
            return;
        }
        for (HBRUSH brush; (brush = CreateSolidBrush(0)) != nullptr;) {
            held_.push_back(brush);
        }
        for (; left > 0 && !held_.empty(); --left) {
            DeleteObject(held_.back());
            held_.pop_back();
        }
    }
    ~GdiShortage() {
        for (HBRUSH brush : held_) {
            DeleteObject(brush);
        }
    }
    bool exhausted() const { return !held_.empty(); }

  private:
    std::vector<HBRUSH> held_;
};

// What a creation is refused: a window of its own, or all but a few GDI objects.
struct CreationRefusal {
    const char* what;
    const char* windowClass;  // with the nth window of this class refused, or null
    int nth;
    int gdiLeft;  // GDI objects the process may still make, or -1 for no limit
};

TEST(Leaks, ACreationRefusedAnyPartFailsAndLeavesNothingBehind) {
    RecordingParent parent;
    CreateFillDestroy(parent);
    // Every GDI object creation makes (its brushes, its pen, the bitmaps of its cursors and
    // icons) is refused in turn: the creation fails at each until the process has room for all.
    const ResourceCounts empty = Measure();
    HWND whole = CreateGrid(parent.hwnd(), 0, 0, 300, 100);
    const int gdiNeeded = Measure().gdiObjects - empty.gdiObjects;
    DestroyWindow(whole);
    EXPECT_GE(gdiNeeded, 8) << "two brushes, a pen, three cursors and two icons at least";
    std::vector<CreationRefusal> refusals = {
        {"the resize line", "Static", 1, -1},
        {"the header pane", "Static", 2, -1},
        {"the list pane", "ListBox", 1, -1},
    };
    for (int left = 0; left < gdiNeeded; ++left) {
        refusals.push_back({"GDI objects", nullptr, 0, left});
    }
    for (const CreationRefusal& refusal : refusals) {
        const ResourceCounts before = Measure();
        HWND grid = nullptr;
        {
            WindowRefusal windows(refusal.windowClass, refusal.nth);
            GdiShortage gdi(refusal.gdiLeft);
            grid = CreateGrid(parent.hwnd(), 0, 0, 300, 100);
            EXPECT_TRUE(refusal.windowClass == nullptr ? gdi.exhausted() : windows.refused())
                << refusal.what;
        }
        EXPECT_EQ(grid, nullptr) << refusal.what << ", " << refusal.gdiLeft << " left";
        const ResourceCounts after = Measure();
        EXPECT_EQ(after.gdiObjects, before.gdiObjects) << refusal.what << refusal.gdiLeft;
        EXPECT_EQ(after.windows, before.windows) << refusal.what;
        EXPECT_EQ(after.icons, before.icons) << refusal.what << refusal.gdiLeft;
    }
}

}  // namespace
