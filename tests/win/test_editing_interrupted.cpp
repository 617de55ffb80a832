// Parents that destroy the grid, or clear its rows, from inside a notification of an edit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing_fixture.h"
#include "harness.h"

using namespace testing_support;

namespace {

// A parent may destroy the grid, or clear its rows, from inside any notification of an edit.
struct Interference {
    UINT code;
    bool destroy;
};

class EditingInterrupted : public Editing, public ::testing::WithParamInterface<Interference> {};

TEST_P(EditingInterrupted, StopsQuietlyAndLeavesLaterEditsWorking) {
    const Interference interference = GetParam();
    bool done = false;
    parent.onNotify = [&](GridNotify& record) {
        if (record.code != interference.code || done) {
            return;
        }
        done = true;
        if (interference.destroy) {
            DestroyWindow(grid);
        } else {
            Grid_ClearRows(grid);
        }
    };
    HWND editor = Begin(0, 1);
    if (editor != nullptr) {
        SetWindowTextA(editor, "interrupted");
        Type(editor, VK_RETURN);
    }
    PumpMessages();
    EXPECT_TRUE(done);
    if (interference.destroy) {
        EXPECT_FALSE(IsWindow(grid));
    } else {
        EXPECT_EQ(Grid_GetRowCount(grid), 0);
        for (HWND each : editors) {
            EXPECT_FALSE(IsWindowVisible(each));
        }
    }

    // Nothing is left half set: a fresh grid edits and commits as usual.
    HWND fresh = CreateGrid(parent.hwnd(), 0, 310, 400, 100, 0, 11);
    ASSERT_TRUE(AddGridColumns(fresh));
    AddGridRow(fresh, "one", "", "", 0);
    parent.onNotify = nullptr;
    parent.Clear();
    HWND freshEditor = reinterpret_cast<HWND>(SendMessageA(fresh, GRM_BEGINEDIT, 0, 0));
    ASSERT_NE(freshEditor, nullptr);
    SetWindowTextA(freshEditor, "two");
    Type(freshEditor, VK_RETURN);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCLICK, GRN_CURCELLCHANGED, GRN_BEGINEDIT,
                                                 GRN_ENDEDIT, GRN_CELLCHANGING, GRN_CELLCHANGED}));
    char text[16] = {};
    Grid_GetCell(fresh, 0, 0, text);
    EXPECT_STREQ(text, "two");
}

INSTANTIATE_TEST_SUITE_P(
    EveryNotification, EditingInterrupted,
    ::testing::Values(Interference{GRN_CELLCLICK, true}, Interference{GRN_CELLCLICK, false},
                      Interference{GRN_BEGINEDIT, true}, Interference{GRN_BEGINEDIT, false},
                      Interference{GRN_ENDEDIT, true}, Interference{GRN_ENDEDIT, false},
                      Interference{GRN_CELLCHANGING, true}, Interference{GRN_CELLCHANGING, false}),
    [](const ::testing::TestParamInfo<Interference>& info) {
        const char* code = info.param.code == GRN_CELLCLICK   ? "CellClick"
                           : info.param.code == GRN_BEGINEDIT ? "BeginEdit"
                           : info.param.code == GRN_ENDEDIT   ? "EndEdit"
                                                              : "CellChanging";
        return std::string(info.param.destroy ? "DestroyedIn" : "ClearedIn") + code;
    });

}  // namespace
