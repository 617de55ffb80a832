// Drives the message fuzzer (harness/reliability_fuzzer.h) over a few fixed seeds, or over the
// seed and step count given by VORLANE_FUZZ_SEED and VORLANE_FUZZ_STEPS. scripts/soak.sh makes
// the long run.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "harness.h"
#include "reliability_fuzzer.h"

using namespace testing_support;

namespace {

struct FuzzRun {
    uint64_t seed;
    uint64_t steps;
};

std::vector<FuzzRun> RunsToMake() {
    const uint64_t steps = EnvNumber("VORLANE_FUZZ_STEPS", 0);
    const uint64_t seed = EnvNumber("VORLANE_FUZZ_SEED", 0);
    if (steps != 0 || seed != 0) {
        return {{seed, steps != 0 ? steps : 20000}};
    }
    // Four seeds, the first long enough to see its grid destroyed and made anew: every kind of
    // step is taken dozens of times (the rarest has 1 chance in 126 a step) and every
    // notification is reached, which the test checks below; the long runs are the soak's.
    return {{1, 2600}, {2, 1200}, {3, 1200}, {20240611, 1200}};
}

TEST(MessageFuzz, EveryMessageWithHostileParametersKeepsTheControlAnsweringAndTrue) {
    uint64_t total = 0;
    uint64_t notified[16] = {};
    std::map<std::string, uint64_t> taken;
    const auto start = std::chrono::steady_clock::now();
    for (const FuzzRun& run : RunsToMake()) {
        MessageFuzzer fuzzer(run.seed);
        const auto begun = std::chrono::steady_clock::now();
        fuzzer.Run(run.steps);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
        std::printf("fuzz seed %llu: %llu steps, %llu messages, %.1f s\n",
                    static_cast<unsigned long long>(run.seed),
                    static_cast<unsigned long long>(run.steps),
                    static_cast<unsigned long long>(fuzzer.messages()), seconds);
        std::printf("  notifications by code:%s\n", fuzzer.NotificationSummary().c_str());
        total += fuzzer.messages();
        for (UINT code = 0; code < 16; ++code) {
            notified[code] += fuzzer.Notified(code);
        }
        for (const auto& [name, steps] : fuzzer.ActionsTaken()) {
            taken[name] += steps;
        }
        if (fuzzer.failed()) {
            break;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("fuzz total: %llu messages in %.1f s\n", static_cast<unsigned long long>(total),
                seconds);
    // A run that stops taking a kind of step no longer sends its messages.
    for (const std::string& name : MessageFuzzer::ActionNames()) {
        EXPECT_GT(taken[name], 0u) << "no step \"" << name << "\" in the whole run";
    }
    // A run that stops reaching a notification no longer tests what follows it.
    for (UINT code :
         {GRN_HEADERCLICK, GRN_CELLCLICK, GRN_CURCELLCHANGED, GRN_BEGINEDIT, GRN_ENDEDIT,
          GRN_CELLCHANGING, GRN_CELLCHANGED, GRN_BUTTON, GRN_DROP, GRN_SELCHANGE}) {
        EXPECT_GT(notified[code], 0u) << "no notification " << code << " in the whole run";
    }
}

}  // namespace

// Two short roads the fuzzer found to a current row outside the grid: a release on a row other
// than the press row puts the press row back as the current row, which must then still name a
// row of the grid.
class CurrentRowAfterRelease : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(AddStandardColumns(grid));
        for (int row = 0; row < 3; ++row) {
            AddStandardRow(grid, "row", "note", row, 0, 0, 2);
        }
    }
    void ExpectCurrentRowInside() {
        EXPECT_LT(Grid_GetCurRow(grid), static_cast<UINT>(Grid_GetRowCount(grid)));
    }
    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 300, 200);
    HWND list = ListPane(grid);
};

TEST_F(CurrentRowAfterRelease, APressBelowTheRowsThenAnExternalDragMark) {
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 190));  // no row there
    Grid_SetExternalDrag(grid, TRUE);
    SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 8));  // row 0
    ExpectCurrentRowInside();
}

TEST_F(CurrentRowAfterRelease, RowsClearedBetweenPressAndRelease) {
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 42));  // row 2
    Grid_ClearRows(grid);
    AddStandardRow(grid, "row", "note", 0, 0, 0, 2);
    SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 8));  // row 0
    ExpectCurrentRowInside();
}
