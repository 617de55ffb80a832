// The fixture of the list input tests (test_list_*.cpp): a grid with rows of the standard
// columns and the given kind cells, the scan values of the keys the list pane takes over, a spy
// on what the pane asks of its control, and the notifications of a plain click.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <set>
#include <vector>

#include "harness.h"
#include "input_helpers.h"

namespace testing_support {

constexpr UINT kPlainScanEnter = 0x1C;
constexpr UINT kScanDown = 0x50;
constexpr UINT kScanUp = 0x48;
constexpr UINT kScanPageUp = 0x49;
constexpr UINT kScanPageDown = 0x51;
constexpr UINT kExtended = 0x100;

class ListInput : public ::testing::Test {
  protected:
    // A grid showing eleven rows of 17 pixels, with the given kind cells.
    void Make(std::initializer_list<INT32> kinds) {
        ASSERT_TRUE(AddStandardColumns(grid));
        AddKindRows(grid, kinds);
        SendMessageA(pane, LB_SETTOPINDEX, 0, 0);
    }
    // Makes `row` current with nothing selected, and forgets the notifications.
    void StartAt(UINT row) {
        Grid_SetCurCell(grid, 0, row);
        Grid_DeselectAll(grid);
        parent.Clear();
    }
    // Watches what the pane asks of its control; edits are swallowed, so that each test sees
    // only the list pane's own notifications.
    std::unique_ptr<MessageSpy> SpyOnControl() {
        return std::make_unique<MessageSpy>(
            grid, MessageSpy::Slot::WindowProcedure,
            std::set<UINT>{GRM_SETCURCELL, GRM_GETCURCOL, GRM_GETCURROW, GRM_BEGINEDIT,
                           GRM_ACTIVATECELL, WM_VSCROLL, WM_MOUSEWHEEL},
            std::set<UINT>{GRM_BEGINEDIT});
    }
    std::vector<Note> ClickNotes(UINT row, UINT kind) {
        return {ButtonNote(TRUE), SelChangeNote(), ButtonNote(FALSE), CellClickNote(0, row, kind),
                CurCellChangedNote(0, row)};
    }

    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 500, 204, 0, 7);
    HWND pane = ListPane(grid);
};

}  // namespace testing_support
