// Parents that destroy the control, or clear its rows, in the middle of a list pane gesture.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "harness.h"
#include "input_helpers.h"
#include "list_input_fixture.h"

using namespace testing_support;

namespace {

// A parent may destroy the control, or clear its rows, from inside any notification; the
// gesture then ends without touching the control again.
struct Interruption {
    UINT code;                // notification in which the parent acts
    bool destroy;             // destroy the control, else clear its rows
    int gesture;              // 0 click, 1 second click, 2 Down key, 3 Enter
    std::vector<UINT> after;  // notifications still expected after it
};

class ListInputInterrupted : public ListInput,
                             public ::testing::WithParamInterface<Interruption> {};

TEST_P(ListInputInterrupted, StopsTheGestureCleanly) {
    const Interruption how = GetParam();
    Make({2, 2, 2});
    StartAt(0);
    if (how.gesture == 1) {
        Click(pane, RowPoint(grid, 1));
    }
    auto spy = SpyOnControl();
    parent.Clear();
    bool acted = false;
    parent.onNotify = [&](GridNotify& record) {
        if (record.code == how.code && !acted) {
            acted = true;
            if (how.destroy) {
                DestroyWindow(grid);
            } else {
                Grid_ClearRows(grid);
            }
        }
    };
    switch (how.gesture) {
        case 0:
        case 1: Click(pane, RowPoint(grid, 1)); break;
        case 2: KeyDown(pane, VK_DOWN, kScanDown); break;
        default:
            SendMessageA(pane, LB_SETSEL, TRUE, 0);
            KeyDown(pane, VK_RETURN, kPlainScanEnter);
            break;
    }
    ASSERT_TRUE(acted);
    std::vector<UINT> codes = parent.Codes();
    const auto at = std::find(codes.begin(), codes.end(), how.code);
    EXPECT_EQ(std::vector<UINT>(at + 1, codes.end()), how.after);
    EXPECT_TRUE(spy->Of(GRM_BEGINEDIT).empty());
    EXPECT_EQ(IsWindow(grid), how.destroy ? FALSE : TRUE);
    if (!how.destroy) {
        Grid_NotifyButton(grid);  // the control still answers
        EXPECT_EQ(parent.records.back().code, static_cast<UINT>(GRN_BUTTON));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Notifications, ListInputInterrupted,
    ::testing::Values(
        Interruption{GRN_BUTTON, true, 0, {}}, Interruption{GRN_SELCHANGE, true, 0, {}},
        Interruption{GRN_CELLCLICK, true, 1, {}}, Interruption{GRN_CURCELLCHANGED, false, 1, {}},
        Interruption{GRN_CELLCLICK, true, 2, {}}, Interruption{GRN_CELLCLICK, true, 3, {}},
        // The release still reports the button, then finds no row.
        Interruption{GRN_SELCHANGE, false, 0, {GRN_BUTTON}}));

}  // namespace
