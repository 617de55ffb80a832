// A parent that turns on the control inside a notification: for every notification code, driven
// by the gesture or message that sends it, the parent destroys the control (or itself), clears
// the rows, sorts, begins or cancels an edit, or sends the notification's own message again a
// bounded number of times. Nothing may crash or touch freed memory; the interrupted work stops
// cleanly, and afterwards the control answers and still works, or is gone and silent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "harness.h"
#include "real_input.h"
#include "input_helpers.h"
#include "painting_helpers.h"

using namespace testing_support;

namespace {

constexpr int kResendDepth = 3;  // nested sends of the notification's own message
constexpr UINT kNameColumn = 0;
constexpr UINT kNumberColumn = 2;
constexpr INT32 kFirstNumber = 100;  // row "rN" holds kFirstNumber + N in kNumberColumn
constexpr UINT kRows = 3;
const char kNewText[] = "new";

// How the notification is brought about: by the client's message, or by the user's gesture
// (a click, a second click, Enter or Tab in the editor). GRN_DROP comes by its message both ways,
// GRN_KEYDOWN by a key both ways.
enum class Road { Message, Gesture };

enum class Hostility {
    DestroyControl,
    DestroyParent,
    ClearRows,
    Sort,
    BeginEdit,
    CancelEdit,
    Resend
};

const char* NameOf(Hostility hostility) {
    switch (hostility) {
        case Hostility::DestroyControl: return "DestroysTheControl";
        case Hostility::DestroyParent: return "DestroysItself";
        case Hostility::ClearRows: return "ClearsTheRows";
        case Hostility::Sort: return "Sorts";
        case Hostility::BeginEdit: return "BeginsAnEdit";
        case Hostility::CancelEdit: return "CancelsTheEdit";
        default: return "SendsTheSameMessageAgain";
    }
}

const char* NameOf(UINT code) {
    switch (code) {
        case GRN_HEADERCLICK: return "HeaderClick";
        case GRN_CELLCLICK: return "CellClick";
        case GRN_CURCELLCHANGED: return "CurCellChanged";
        case GRN_BEGINEDIT: return "BeginEdit";
        case GRN_ENDEDIT: return "EndEdit";
        case GRN_CELLCHANGING: return "CellChanging";
        case GRN_CELLCHANGED: return "CellChanged";
        case GRN_BUTTON: return "Button";
        case GRN_DROP: return "Drop";
        case GRN_KEYDOWN: return "KeyDown";
        default: return "SelChange";
    }
}

bool NamesCell(UINT code) {
    return code == GRN_CELLCLICK || code == GRN_CURCELLCHANGED || code == GRN_BEGINEDIT ||
           code == GRN_CELLCHANGING || code == GRN_CELLCHANGED;
}

using Case = std::tuple<UINT, Road, Hostility>;

class HostileParent : public ::testing::TestWithParam<Case> {
  protected:
    // Memory device contexts and bitmaps: painted rows leave the control one of each, its row
    // canvas, which only the deletion of its instance frees. (The system's own caches come and
    // go in regions, screen device contexts and brushes.)
    static int CanvasObjects() {
        return LiveGdiObjectsOfType(OBJ_MEMDC) + LiveGdiObjectsOfType(OBJ_BITMAP);
    }

    // Rows "rN", painted, so that the control holds its row canvas.
    static void Fill(HWND grid) {
        ASSERT_TRUE(AddStandardColumns(grid));
        for (UINT row = 0; row < kRows; ++row) {
            char name[16];
            std::snprintf(name, sizeof name, "r%u", row);
            AddStandardRow(grid, name, "note", kFirstNumber + static_cast<INT32>(row), 0, 0, 2);
        }
        RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }

    void SetUp() override {
        ASSERT_NE(grid, nullptr);
        Fill(grid);
        // A click on row 0 makes row 0 current and leaves no activation pending; an edit it may
        // begin is cancelled.
        ClickRow(0);
        Grid_CancelEdit(grid);
        parent->Clear();
        parent->hearKeys = true;
        parent->onNotify = [this](GridNotify& record) { OnNotify(record); };
    }

    UINT Code() const { return std::get<0>(GetParam()); }
    Road Way() const { return std::get<1>(GetParam()); }
    Hostility Action() const { return std::get<2>(GetParam()); }

    void ClickRow(int row) {
        HWND list = ListPane(grid);
        Press(list, RowPoint(grid, row));
        if (IsWindow(list)) {
            Release(list, RowPoint(grid, row));
        }
    }

    // Header press and release on the first title.
    void ClickTitle() {
        HWND header = HeaderPane(grid);
        SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
        SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
        if (IsWindow(header)) {
            SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
        }
    }

    // The message (or gesture) that sends the code under test.
    void SendOwnMessage() {
        switch (Code()) {
            case GRN_HEADERCLICK: ClickTitle(); break;
            case GRN_CELLCLICK:
            case GRN_CURCELLCHANGED: Grid_SetCurCell(grid, kNameColumn, 1); break;
            case GRN_BEGINEDIT: Grid_BeginEdit(grid, kNameColumn, 1); break;
            case GRN_ENDEDIT: Grid_EndEdit(grid, kNameColumn, 1); break;
            case GRN_CELLCHANGING:
            case GRN_CELLCHANGED: Grid_SetCellText(grid, kNameColumn, 1, kNewText); break;
            case GRN_BUTTON: Grid_NotifyButton(grid); break;
            case GRN_DROP: Grid_NotifyDrop(grid); break;
            case GRN_KEYDOWN: KeyDown(ListPane(grid), VK_DOWN, 0x50); break;  // the Down key
            default: Grid_SetActiveLook(grid, TRUE, TRUE); break;
        }
    }

    // The user's gesture or the client's message that starts it all.
    void Drive() {
        if (Way() == Road::Message || Code() == GRN_DROP || Code() == GRN_KEYDOWN) {
            SendOwnMessage();
            return;
        }
        switch (Code()) {
            case GRN_HEADERCLICK: ClickTitle(); break;
            case GRN_BEGINEDIT: {
                // A click makes row 1 current; a second click on it begins the edit once the
                // double-click time has passed.
                DoubleClickTime quick(50);
                ClickRow(1);
                ClickRow(1);
                DoubleClickTime::LetPass();
                break;
            }
            case GRN_ENDEDIT:
            case GRN_CELLCHANGING:
            case GRN_CELLCHANGED: {
                // Tab ends the edit unwritten; Enter ends it and writes the cell.
                HWND editor = Grid_BeginEdit(grid, kNameColumn, 1);
                ASSERT_NE(editor, nullptr);
                SetWindowTextA(editor, kNewText);
                SendMessageA(editor, WM_CHAR, Code() == GRN_ENDEDIT ? '\t' : '\r', 1);
                break;
            }
            default: ClickRow(1); break;  // a press, a release: button, selection, current cell
        }
    }

    void OnNotify(GridNotify& record) {
        if (record.code != Code() || acting) {
            return;
        }
        if (Action() == Hostility::Resend) {
            if (depth < kResendDepth) {
                ++depth;
                deepest = std::max(deepest, depth);
                SendOwnMessage();
                --depth;
            }
            return;
        }
        if (actedAt >= 0) {
            return;  // once is enough
        }
        actedAt = static_cast<int>(parent->records.size());
        acting = true;
        switch (Action()) {
            case Hostility::DestroyControl: DestroyWindow(grid); break;
            case Hostility::DestroyParent: DestroyWindow(parent->hwnd()); break;
            case Hostility::ClearRows: Grid_ClearRows(grid); break;
            case Hostility::Sort: Grid_Sort(grid, kNameColumn, GRID_SORT_DESCENDING); break;
            case Hostility::BeginEdit: Grid_BeginEdit(grid, kNameColumn, 0); break;
            default: Grid_CancelEdit(grid); break;
        }
        acting = false;
    }

    // Every row shown once, whole: its name and its number belong together.
    void ExpectRowsWhole(UINT rows) {
        std::set<INT32> numbers;
        for (UINT row = 0; row < rows; ++row) {
            char name[64] = "";
            INT32 number = -1;
            Grid_GetCell(grid, kNameColumn, row, name);
            Grid_GetCell(grid, kNumberColumn, row, &number);
            const INT32 index = number - kFirstNumber;
            EXPECT_TRUE(index >= 0 && index < static_cast<INT32>(kRows)) << "row " << row;
            char expected[16];
            std::snprintf(expected, sizeof expected, "r%d", static_cast<int>(index));
            EXPECT_TRUE(std::strcmp(name, expected) == 0 || std::strcmp(name, kNewText) == 0)
                << "row " << row << " holds " << name << " and " << number;
            numbers.insert(number);
        }
        EXPECT_EQ(numbers.size(), rows) << "a row is shown twice";
    }

    std::unique_ptr<RecordingParent> parent = std::make_unique<RecordingParent>();
    const int canvasObjectsBeforeGrid = CanvasObjects();
    HWND grid = CreateGrid(parent->hwnd(), 0, 0, 400, 200);
    int actedAt = -1;  // records received when the parent turned on the control
    bool acting = false;
    int depth = 0;
    int deepest = 0;
};

TEST_P(HostileParent, NothingCrashesAndTheInterruptedWorkStopsCleanly) {
    Drive();
    PumpMessages();

    if (Action() == Hostility::Resend) {
        EXPECT_EQ(deepest, kResendDepth) << "the nested sends did not reach the parent";
    } else {
        ASSERT_GE(actedAt, 0) << "the gesture never sent code " << Code();
    }
    const bool gone = Action() == Hostility::DestroyControl || Action() == Hostility::DestroyParent;
    if (gone) {
        EXPECT_FALSE(IsWindow(grid));
        EXPECT_EQ(parent->records.size(), static_cast<size_t>(actedAt))
            << "a destroyed control went on notifying";
        EXPECT_EQ(CanvasObjects(), canvasObjectsBeforeGrid) << "the instance was not released";
        return;
    }

    ASSERT_TRUE(IsWindow(grid));
    EXPECT_EQ(Grid_GetRowHeight(grid), 17);
    const UINT rows = Action() == Hostility::ClearRows ? 0 : kRows;
    EXPECT_EQ(Grid_GetRowCount(grid), static_cast<int>(rows));
    EXPECT_EQ(SendMessageA(ListPane(grid), LB_GETCOUNT, 0, 0), static_cast<LRESULT>(rows));
    const UINT column = Grid_GetCurCol(grid);
    const UINT current = Grid_GetCurRow(grid);
    EXPECT_TRUE((column < 6 && current < rows) || (column == 0 && current == 0))
        << "current cell " << column << ", " << current;
    ExpectRowsWhole(rows);
    if (Action() == Hostility::ClearRows) {
        for (size_t i = static_cast<size_t>(actedAt); i < parent->records.size(); ++i) {
            EXPECT_FALSE(NamesCell(parent->records[i].code))
                << "code " << parent->records[i].code << " named a cell of the cleared rows";
        }
    }

    // The control still works: a row can be added and a cell made current.
    parent->onNotify = nullptr;
    EXPECT_EQ(AddStandardRow(grid, "after", nullptr, kFirstNumber, 0, 0, 2),
              static_cast<int>(rows));
    EXPECT_EQ(Grid_SetCurCell(grid, kNameColumn, rows), TRUE);
    EXPECT_EQ(Grid_GetCurRow(grid), rows);
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    char name[128];
    std::snprintf(name, sizeof name, "On%sBy%sTheParent%s", NameOf(std::get<0>(info.param)),
                  std::get<1>(info.param) == Road::Message ? "Message" : "Gesture",
                  NameOf(std::get<2>(info.param)));
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    EveryCodeAndHostility, HostileParent,
    ::testing::Combine(::testing::Values(GRN_HEADERCLICK, GRN_CELLCLICK, GRN_CURCELLCHANGED,
                                         GRN_BEGINEDIT, GRN_ENDEDIT, GRN_CELLCHANGING,
                                         GRN_CELLCHANGED, GRN_BUTTON, GRN_DROP, GRN_SELCHANGE,
                                         GRN_KEYDOWN),
                       ::testing::Values(Road::Message, Road::Gesture),
                       ::testing::Values(Hostility::DestroyControl, Hostility::DestroyParent,
                                         Hostility::ClearRows, Hostility::Sort,
                                         Hostility::BeginEdit, Hostility::CancelEdit,
                                         Hostility::Resend)),
    CaseName);

}  // namespace
