// Dragging rows between the two registered list panes: the threshold, capture routing by the
// drop divider and the outer zone, the cursor, the drop row mark and the drop notifications.
//
// The first list pane is fixed by the first control this process creates, so the grids are
// made once for the whole program: the first grid, a middle one, and a third grid whose list
// pane becomes the second list pane. The real pointer is moved with SetCursorPos and the mouse
// messages are sent to the pane that the system would give them to.
#include <gtest/gtest.h>

#include "drag_pointer.h"
#include "harness.h"
#include "input_helpers.h"
#include "painting_helpers.h"
#include "real_input.h"

using namespace testing_support;

namespace {

constexpr int kDivider = 350;  // parent x between the first grid (0..300) and the third (400..)
constexpr int kNoDropCursor = 103;
constexpr int kDropCursor = 104;
constexpr COLORREF kFolderColor = RGB(0, 0, 200);
constexpr COLORREF kTargetColor = RGB(220, 0, 0);

struct DragGrids : ::testing::Environment {
    void SetUp() override {
        parent = new RecordingParent(760, 520);
        first = CreateGrid(parent->hwnd(), 0, 0, 300, 306, 0, 1);
        middle = CreateGrid(parent->hwnd(), 0, 330, 300, 150, 0, 3);
        second = CreateGrid(parent->hwnd(), 400, 0, 300, 306, 0, 2);
        external = CreateWindowExA(0, "Static", nullptr, WS_CHILD, 0, 0, 1, 1, parent->hwnd(),
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
        images = SolidImageList({kFolderColor, kFolderColor, kTargetColor});
        for (HWND grid : {first, middle, second}) {
            AddColumnsWithImages(grid, images);
        }
        AddKindRows(first, {2, 2, 1, 0, 2, 5});
        for (int i = 0; i < 30; ++i) {
            AddKindRows(first, {2});
        }
        AddKindRows(middle, {2, 2});
        AddKindRows(second, {2, 1, 2, 5});
    }
    void TearDown() override {
        delete parent;
        ImageList_Destroy(images);
    }
    // The standard columns, column 0 with images: 1 for rows of kind 2, 2 while one is the drop
    // target.
    static void AddColumnsWithImages(HWND grid, HIMAGELIST columnImages) {
        ColumnDesc name = ColumnSetup{100, GRID_CELL_TEXT, GRID_EDITOR_TEXT, "Name"}.Desc();
        name.imageList = columnImages;
        AddColumnDescs(grid, {name, ColumnSetup{80, GRID_CELL_TEXT, GRID_EDITOR_TEXT}.Desc(),
                              ColumnSetup{80, GRID_CELL_NUMBER, GRID_EDITOR_NUMBER}.Desc(),
                              Column(60, GRID_CELL_NUMBER), Column(60, GRID_CELL_NUMBER),
                              Column(0, GRID_CELL_VALUE)});
    }

    RecordingParent* parent = nullptr;
    HWND first = nullptr;
    HWND middle = nullptr;
    HWND second = nullptr;
    HWND external = nullptr;
    HIMAGELIST images = nullptr;
};

DragGrids* const grids =
    static_cast<DragGrids*>(::testing::AddGlobalTestEnvironment(new DragGrids));

class Drag : public ::testing::Test, public DragPointer {
  protected:
    Drag() : DragPointer(grids->parent->hwnd()) {}

    void SetUp() override {
        Grid_CancelEdit(first);
        Grid_CancelEdit(second);
        ReleaseCapture();
        PartnerSet partners = {};
        partners.dragWindow = window;
        partners.externalSource = grids->external;
        Grid_SetPartners(first, &partners);
        Grid_SetDropDivider(first, kDivider);
        Grid_SetOuterZone(first, 0, FALSE);
        for (HWND grid : {first, second}) {
            SendMessageA(ListPane(grid), LB_SETTOPINDEX, 0, 0);
            Grid_DeselectAll(grid);
        }
        // A move without the button clears any drop mark left by an earlier test.
        SendMessageA(ListPane(first), WM_MOUSEMOVE, 0, 0);
        parent.Clear();
    }
    void TearDown() override {
        Grid_CancelEdit(first);
        Grid_CancelEdit(second);
        ReleaseCapture();
    }

    static POINT Shifted(POINT point, int dx, int dy = 0) { return {point.x + dx, point.y + dy}; }

    static bool ShowsNoDrop() { return CursorShowsResource(GetCursor(), kNoDropCursor); }
    static bool ShowsDrop() { return CursorShowsResource(GetCursor(), kDropCursor); }
    static bool ShowsArrow() { return CursorIsArrow(GetCursor()); }
    static bool NeedsPaint(HWND grid) { return GetUpdateRect(ListPane(grid), nullptr, FALSE); }
    static void Painted(HWND grid) { ValidateRect(ListPane(grid), nullptr); }

    RecordingParent& parent = *grids->parent;
    HWND first = grids->first;
    HWND second = grids->second;
};

TEST_F(Drag, OnePixelChangesNothingAndTwoPixelsStartTheFeedback) {
    const POINT start = OnRow(first, 0);
    StartDrag(start);
    EXPECT_TRUE(ShowsArrow());
    MoveTo(Shifted(start, 1, -1));
    EXPECT_TRUE(ShowsArrow());
    MoveTo(Shifted(start, 0, 2));
    EXPECT_TRUE(ShowsNoDrop()) << "over the pressed row itself";
    MoveTo(Shifted(start, -2));
    EXPECT_TRUE(ShowsNoDrop());
}

TEST_F(Drag, CrossingTheDividerMovesTheCaptureAtOnceEvenWithinTheThreshold) {
    const POINT start = OnRow(first, 0);
    Grid_SetDropDivider(first, start.x);
    StartDrag(start);
    EXPECT_EQ(GetCapture(), ListPane(first));
    MoveTo(Shifted(start, 1));
    EXPECT_EQ(GetCapture(), ListPane(second));
    EXPECT_TRUE(ShowsArrow());
    MoveTo(Shifted(start, 2));
    EXPECT_TRUE(ShowsDrop()) << "right of the divider is the other list";
    MoveTo(start);
    EXPECT_EQ(GetCapture(), ListPane(first));
}

TEST_F(Drag, WithinItsOwnListARowDropsOnlyOnAnotherRowOfKindTwo) {
    const POINT start = OnRow(first, 0);
    StartDrag(start);
    for (int row : {0, 2, 3, 5, 10}) {  // itself, kinds 1, 0 and 5, and another of kind 2
        MoveTo(OnRow(first, row, 60));
        EXPECT_TRUE(row == 10 ? ShowsDrop() : ShowsNoDrop()) << "row " << row;
    }
    MoveTo(OnRow(first, 2, 60));
    ReleaseAt(OnRow(first, 2, 60));
    EXPECT_TRUE(parent.OfCode(GRN_DROP).empty());

    parent.Clear();
    StartDrag(start);
    MoveTo(OnRow(first, 4));
    EXPECT_TRUE(ShowsDrop());
    ReleaseAt(OnRow(first, 4));
    ASSERT_EQ(parent.OfCode(GRN_DROP).size(), 1u);
    const GridNotify drop = parent.OfCode(GRN_DROP)[0];
    EXPECT_EQ(drop.idFrom, 1u);
    EXPECT_EQ(drop.hwndFrom, first);
    EXPECT_EQ(drop.dropList, 0u);
    EXPECT_EQ(drop.dropRow, 4u);
}

TEST_F(Drag, ADropOnTheOtherListNamesTheSourceInTheButtonAndDropNotifications) {
    StartDrag(OnRow(first, 1));
    CrossTo(OnRow(second, 2));
    EXPECT_TRUE(ShowsDrop());
    EXPECT_EQ(GetCapture(), ListPane(second));
    ReleaseAt(OnRow(second, 2));

    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{GRN_BUTTON, GRN_SELCHANGE, GRN_BUTTON, GRN_DROP}));
    const GridNotify& press = parent.records[0];
    EXPECT_EQ(press.hwndFrom, first);
    EXPECT_EQ(press.buttonDown, TRUE);
    for (const GridNotify& record : {parent.records[2], parent.records[3]}) {
        EXPECT_EQ(record.hwndFrom, first) << "the drag source";
        EXPECT_EQ(record.hwndGrid, second);
        EXPECT_EQ(record.idFrom, 2u) << "the receiving control";
    }
    EXPECT_EQ(parent.records[2].buttonDown, FALSE);
    EXPECT_EQ(parent.records[3].dropList, 1u);
    EXPECT_EQ(parent.records[3].dropRow, 2u);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(SelectedRows(first), (std::vector<UINT>{1})) << "the source keeps its selection";
    EXPECT_TRUE(SelectedRows(second).empty());

    // Afterwards, notifications name their control again.
    parent.Clear();
    Click(ListPane(second), RowPoint(second, 0));
    ASSERT_FALSE(parent.records.empty());
    EXPECT_EQ(parent.records[0].hwndFrom, second);
}

// The first move over the second list is judged on the first list, which still holds the
// capture. Where that found no target either, the drop row tells that the pointer came straight
// from the other list. The receiving grid's style chooses the values that say so.
TEST_F(Drag, AnywhereElseOnTheOtherListDropsWithNoRow) {
    const struct {
        int row;      // of the second list: kind 1, below the last row, kind 5
        DWORD style;  // the receiving grid's GRS_ bits
        UINT dropRow;
    } cases[] = {
        {1, 0, GRID_DROP_NO_ROW_LOW},
        {12, 0, GRID_DROP_NO_ROW_LOW},
        {3, 0, GRID_DROP_OTHER_LIST_LOW},
        {1, GRS_HIGHDROPVALUES, GRID_DROP_NO_ROW},
        {12, GRS_HIGHDROPVALUES, GRID_DROP_NO_ROW},
        {3, GRS_HIGHDROPVALUES, GRID_DROP_OTHER_LIST},
    };
    const LONG_PTR style = GetWindowLongPtrA(second, GWL_STYLE);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << ", style " << c.style);
        SetWindowLongPtrA(second, GWL_STYLE, (style & ~GRS_HIGHDROPVALUES) | c.style);
        SendMessageA(ListPane(first), WM_MOUSEMOVE, 0, 0);
        parent.Clear();
        StartDrag(OnRow(first, 0));
        CrossTo(OnRow(second, c.row));
        EXPECT_TRUE(ShowsDrop());
        ReleaseAt(OnRow(second, c.row));
        ASSERT_EQ(parent.OfCode(GRN_DROP).size(), 1u);
        EXPECT_EQ(parent.OfCode(GRN_DROP)[0].dropRow, c.dropRow);
        EXPECT_EQ(parent.OfCode(GRN_DROP)[0].dropList, 1u);
    }
    SetWindowLongPtrA(second, GWL_STYLE, style);
}

TEST_F(Drag, RowsOfKindZeroAndOneAreNeverDragged) {
    for (int row : {2, 3}) {
        parent.Clear();
        StartDrag(OnRow(first, row));
        CrossTo(OnRow(second, 2));
        EXPECT_TRUE(ShowsNoDrop()) << "row " << row;
        MoveTo(OnRow(first, 4));
        EXPECT_TRUE(ShowsNoDrop()) << "row " << row;
        ReleaseAt(OnRow(first, 4));
        EXPECT_TRUE(parent.OfCode(GRN_DROP).empty());
    }
}

// The release that follows, in the other list, continues the press made in the first: the other
// list's own clicks count for nothing there, so it makes no cell current and begins no edit.
TEST_F(Drag, OtherButtonsOrShiftOrCtrlShowTheArrowAndNeverDrop) {
    Click(ListPane(second), RowPoint(second, 2));  // a further click on row 2 there would edit
    for (WPARAM keys :
         {MK_LBUTTON | MK_SHIFT, MK_LBUTTON | MK_CONTROL, MK_RBUTTON, MK_LBUTTON | MK_RBUTTON}) {
        parent.Clear();
        StartDrag(OnRow(first, 0));
        CrossTo(OnRow(second, 2));
        ASSERT_TRUE(ShowsDrop());
        MoveTo(OnRow(second, 2, 60), keys);
        EXPECT_TRUE(ShowsArrow()) << "keys " << keys;
        ReleaseAt(OnRow(second, 2, 60));
        EXPECT_TRUE(parent.OfCode(GRN_DROP).empty()) << "keys " << keys;
        EXPECT_TRUE(parent.OfCode(GRN_CELLCLICK).empty()) << "keys " << keys;
        EXPECT_TRUE(parent.OfCode(GRN_BEGINEDIT).empty()) << "keys " << keys;
    }
}

TEST_F(Drag, EachMoveOnTheTopPixelRowScrollsUpOneRow) {
    HWND pane = ListPane(first);
    SendMessageA(pane, LB_SETTOPINDEX, 10, 0);
    const POINT start = OnRow(first, 10);
    StartDrag(start);
    POINT top = {start.x + 5, 0};
    MapWindowPoints(pane, window, &top, 1);
    MoveTo(top);
    EXPECT_EQ(SendMessageA(pane, LB_GETTOPINDEX, 0, 0), 9);
    MoveTo(Shifted(top, 1));
    EXPECT_EQ(SendMessageA(pane, LB_GETTOPINDEX, 0, 0), 8);
    MoveTo(Shifted(top, 1, 1));
    EXPECT_EQ(SendMessageA(pane, LB_GETTOPINDEX, 0, 0), 8) << "only the top pixel row scrolls";
}

TEST_F(Drag, TheOuterZoneHandsCaptureAndFocusToTheDragWindow) {
    Grid_SetOuterZone(first, 60, TRUE);
    StartDrag(OnRow(first, 0, 150));
    MoveTo(OnRow(first, 4, 54));
    EXPECT_EQ(GetCapture(), ListPane(first));
    EXPECT_TRUE(ShowsDrop());
    MoveTo(OnRow(first, 4, 53));
    EXPECT_EQ(GetCapture(), window);
    EXPECT_EQ(GetFocus(), window);

    // An edge left of the drag window's client area leaves no outer zone at all.
    ReleaseCapture();
    Grid_SetOuterZone(first, 0, TRUE);
    StartDrag(OnRow(first, 0, 150));
    MoveTo(OnRow(first, 4, 5));
    EXPECT_EQ(GetCapture(), ListPane(first));
    EXPECT_TRUE(ShowsDrop());
}

TEST_F(Drag, AnExternalDragDropsAnywhereAndNamesTheExternalSource) {
    Grid_SetExternalDrag(first, TRUE);
    StartDrag(OnRow(first, 0));  // the press clears a flag set before it
    MoveTo(OnRow(first, 2));
    EXPECT_TRUE(ShowsNoDrop());
    ReleaseAt(OnRow(first, 2));
    EXPECT_TRUE(parent.OfCode(GRN_DROP).empty());

    parent.Clear();
    PressAt(OnRow(first, 0));
    Grid_SetExternalDrag(first, TRUE);
    MoveTo(OnRow(first, 0));
    MoveTo(OnRow(first, 2));  // a row of kind 1 of its own list
    EXPECT_TRUE(ShowsDrop());
    ReleaseAt(OnRow(first, 2));
    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{GRN_BUTTON, GRN_SELCHANGE, GRN_BUTTON, GRN_DROP}));
    const GridNotify drop = parent.OfCode(GRN_DROP)[0];
    EXPECT_EQ(drop.hwndFrom, grids->external);
    EXPECT_EQ(parent.records[2].hwndFrom, grids->external);
    EXPECT_EQ(drop.idFrom, 1u);
    EXPECT_EQ(drop.dropList, 0u);
    EXPECT_EQ(drop.dropRow, static_cast<UINT>(GRID_DROP_NO_ROW_LOW));
}

TEST_F(Drag, PanesAreRepaintedOnlyWhenTheMarkChanges) {
    StartDrag(OnRow(first, 0));
    Painted(first);
    Painted(second);
    CrossTo(OnRow(second, 2));
    EXPECT_TRUE(NeedsPaint(second));
    EXPECT_TRUE(NeedsPaint(first));
    Painted(first);
    Painted(second);
    MoveTo(OnRow(second, 2, 80));
    EXPECT_FALSE(NeedsPaint(second)) << "the same row stays marked";
    MoveTo(OnRow(second, 0));
    EXPECT_TRUE(NeedsPaint(second));
    Painted(first);
    Painted(second);
    MoveTo(OnRow(second, 1));
    EXPECT_TRUE(NeedsPaint(second));
    EXPECT_FALSE(NeedsPaint(first));
    Painted(second);
    MoveTo(OnRow(second, 3));
    EXPECT_FALSE(NeedsPaint(second)) << "still no target row";
    MoveTo(OnRow(second, 3, 60), MK_LBUTTON | MK_SHIFT);
    EXPECT_TRUE(NeedsPaint(second)) << "the mark is cleared";
    EXPECT_TRUE(NeedsPaint(first));
}

// A drag that ends without a drop on its own list gives back the selection of the press, also
// when the press follows a click in the other list.
TEST_F(Drag, AReleaseWithoutADropRestoresThePressedListsOwnSelection) {
    HWND pane = ListPane(second);
    Grid_SetCurCell(second, 0, 1);  // clicks on rows that are not current begin no edit
    Grid_SetCurCell(first, 0, 1);
    Grid_DeselectAll(second);
    SendMessageA(pane, LB_SETSEL, TRUE, 3);
    Click(pane, RowPoint(second, 3));  // the second side's table now holds {3}
    Click(ListPane(first), RowPoint(first, 0));

    Grid_DeselectAll(second);
    SendMessageA(pane, LB_SETSEL, TRUE, 0);
    SendMessageA(pane, LB_SETSEL, TRUE, 2);
    StartDrag(OnRow(second, 2));
    MoveTo(OnRow(second, 0, 80));
    EXPECT_TRUE(ShowsDrop());
    MoveTo(OnRow(second, 0, 80), MK_LBUTTON | MK_CONTROL);
    ReleaseAt(OnRow(second, 0, 80));
    EXPECT_TRUE(parent.OfCode(GRN_DROP).empty());
    EXPECT_EQ(SelectedRows(second), (std::vector<UINT>{0, 2}));
    EXPECT_EQ(Grid_GetCurRow(second), 0u) << "the release row, since a selection was restored";
}

TEST_F(Drag, TheFirstAndTheThirdControlCreatedAreTheDragPartners) {
    HWND middlePane = ListPane(grids->middle);
    StartDrag(OnRow(first, 0));
    CrossTo(OnRow(second, 0));
    EXPECT_NE(GetCapture(), middlePane);
    ReleaseAt(OnRow(second, 0));
    ASSERT_EQ(parent.OfCode(GRN_DROP).size(), 1u);
    EXPECT_EQ(parent.OfCode(GRN_DROP)[0].idFrom, 2u);
    EXPECT_EQ(parent.OfCode(GRN_DROP)[0].dropList, 1u);

    parent.Clear();
    StartDrag(OnRow(second, 2));
    CrossTo(OnRow(first, 4));
    EXPECT_EQ(GetCapture(), ListPane(first));
    ReleaseAt(OnRow(first, 4));
    ASSERT_EQ(parent.OfCode(GRN_DROP).size(), 1u);
    const GridNotify drop = parent.OfCode(GRN_DROP)[0];
    EXPECT_EQ(drop.hwndFrom, second);
    EXPECT_EQ(drop.idFrom, 1u);
    EXPECT_EQ(drop.dropList, 0u);
    EXPECT_EQ(drop.dropRow, 4u);
}

// With the real mouse and keyboard. A drag ends without a drop when Escape abandons it, or when
// the button comes up anywhere but on a list pane; away from the lists the cursor says so.
TEST_F(Drag, ADragAbandonedOrReleasedOffTheListsDropsNothing) {
    const struct {
        const char* name;
        POINT to;     // where the drag goes, in the parent
        bool escape;  // Escape before the release
        bool drops;
    } cases[] = {
        {"on the other list", OnRow(second, 2), false, true},
        {"Escape on the other list", OnRow(second, 2), true, false},
        {"right of the other list", {730, 100}, false, false},
        {"below the other list", {500, 420}, false, false},
        {"on the parent between the lists", {360, 100}, false, false},
    };
    DoubleClickTime quick(50);  // each press is a press of its own, not a double click
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DoubleClickTime::LetPass();
        FocusForKeys(ListPane(first));
        MouseTo(window, OnRow(first, 0));
        parent.Clear();
        DragTo(window, c.to, false);
        EXPECT_EQ(ShowsDrop(), c.drops || c.escape);
        EXPECT_EQ(ShowsNoDrop(), !c.drops && !c.escape);
        if (c.escape) {
            TypeChord({VK_ESCAPE});
            EXPECT_TRUE(ShowsArrow());
            MouseTo(window, Shifted(c.to, 3));
            EXPECT_TRUE(ShowsArrow()) << "the drag stays abandoned";
        }
        LeftButton(false);
        EXPECT_EQ(parent.OfCode(GRN_DROP).size(), c.drops ? 1u : 0u);
        EXPECT_EQ(GetCapture(), nullptr);
    }
    ParkPointer();
}

// While rows are dragged over a row of kind 2 that takes them, the row shows image 2 of column
// 0's images; the other rows of kind 2 keep image 1.
TEST_F(Drag, TheDropRowShowsTheDropTargetImageDuringARealDrag) {
    const RECT images[2] = {{0, 0, 20, 17}, {0, 34, 20, 51}};  // rows 0 and 2 of the second list
    const struct {
        const char* name;
        HWND from;
        int fromRow;
        bool oneMove;  // a single move from the press straight onto the row, nothing after it
    } cases[] = {{"from the other list", first, 0, false},
                 {"within the list", second, 3, false},
                 {"one move from the other list", first, 0, true}};
    DoubleClickTime quick(50);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DoubleClickTime::LetPass();
        FocusForKeys(ListPane(c.from));
        parent.Clear();
        if (c.oneMove) {
            StartDrag(OnRow(c.from, c.fromRow));
            MoveTo(OnRow(second, 2));
            DropQueuedMouseMessages();  // the real button is up: only the moves sent here count
        } else {
            MouseTo(window, OnRow(c.from, c.fromRow));
            DragTo(window, OnRow(second, 2), false);
            RunMessagesFor(50);
        }
        const Capture shown(ListPane(second));
        EXPECT_GT(CountPixels(shown, images[1], kTargetColor), 50);
        EXPECT_EQ(CountPixels(shown, images[0], kTargetColor), 0);
        EXPECT_GT(CountPixels(shown, images[0], kFolderColor), 50);
        if (c.oneMove) {
            ReleaseAt(OnRow(second, 2));
            ASSERT_EQ(parent.OfCode(GRN_DROP).size(), 1u);
            EXPECT_EQ(parent.OfCode(GRN_DROP)[0].dropList, 1u);
            EXPECT_EQ(parent.OfCode(GRN_DROP)[0].dropRow, 2u);
        } else {
            TypeChord({VK_ESCAPE});
            LeftButton(false);
        }
        RunMessagesFor(50);
    }
    ParkPointer();
}

}  // namespace
