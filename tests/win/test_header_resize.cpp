// Resizing a column by its right edge in the header pane: the hover range, the drag and its
// resize line, the width partners, and a drag that loses the capture.
#include <gtest/gtest.h>

#include <vector>

#include "harness.h"
#include "header_fixture.h"
#include "painting_helpers.h"
#include "real_input.h"

using namespace testing_support;

namespace {

TEST_F(Header, TheEdgeAt100IsHoveredFrom98To101AndTheKindColumnsNever) {
    grid = MakeGrid();
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    std::vector<int> hovered;
    for (int x = 94; x <= 175; ++x) {
        SetCursor(arrow);
        Mouse(grid, WM_MOUSEMOVE, x);
        if (ResizeCursorShown()) {
            hovered.push_back(x);
        }
    }
    EXPECT_EQ(hovered, (std::vector<int>{98, 99, 100, 101, 148, 149, 150, 151}));

    SetCursor(arrow);
    Mouse(grid, WM_MOUSEMOVE, 100, MK_LBUTTON);
    Mouse(grid, WM_MOUSEMOVE, 100, MK_RBUTTON);
    EXPECT_FALSE(ResizeCursorShown()) << "no hover while a button is held";
}

// With the real mouse: whatever clicks came before on the edge, its next drag resizes.
TEST_F(Header, AnEdgeDraggedAfterClicksOnItIsResizedNotClicked) {
    grid = MakeGrid();
    HWND header = HeaderPane(grid);
    FocusForKeys(parent.hwnd());
    const struct {
        const char* name;
        int clicks;
    } cases[] = {{"no click", 0}, {"a click", 1}, {"a double click", 2}};
    DoubleClickTime quick(150);
    int width = 100;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const POINT edge = {width, 5};
        MouseTo(header, edge);
        if (c.clicks == 1) {
            ClickAt(header, edge);
        } else if (c.clicks == 2) {
            DoubleClickAt(header, edge);  // fits the column: its edge moves
            width = Grid_GetColWidth(grid, 0);
            MouseTo(header, {width, 5});
        }
        DoubleClickTime::LetPass();
        parent.Clear();
        DragTo(header, {width + 20, 5});  // pressed where the clicks left the pointer
        width += 20;
        EXPECT_EQ(Grid_GetColWidth(grid, 0), width);
        EXPECT_TRUE(parent.OfCode(GRN_HEADERCLICK).empty());
    }
    ParkPointer();
}

TEST_F(Header, DraggingAnEdgeTo130ShowsTheLineAndSetsTheWidth) {
    grid = MakeGrid();
    HWND line = ResizeLine(grid);
    RECT client;
    GetClientRect(grid, &client);
    Mouse(grid, WM_MOUSEMOVE, 100);
    Mouse(grid, WM_LBUTTONDOWN, 100, MK_LBUTTON);
    EXPECT_TRUE(IsWindowVisible(line)) << "shown at the press";
    EXPECT_EQ(GetCapture(), HeaderPane(grid));
    Mouse(grid, WM_MOUSEMOVE, 130, MK_LBUTTON);
    RECT at = RectInParent(line);
    EXPECT_EQ(at.left, 130);
    EXPECT_EQ(at.right, 131);
    EXPECT_EQ(at.top, 0);
    EXPECT_EQ(at.bottom, client.bottom);
    Capture shown(grid);
    const COLORREF lineColor = shown.At(130, 100);
    EXPECT_NE(lineColor, palette.rowBack);
    EXPECT_TRUE(AllPixels(shown, {130, 0, 131, client.bottom}, lineColor)) << "over both panes";
    EXPECT_EQ(shown.At(129, 100), palette.rowBack);
    EXPECT_EQ(shown.At(131, 100), palette.rowBack);
    EXPECT_EQ(Grid_GetColWidth(grid, 0), 100) << "the width waits for the release";

    Mouse(grid, WM_LBUTTONUP, 130);
    EXPECT_FALSE(IsWindowVisible(line));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Grid_GetColWidth(grid, 0), 130);
    RECT cell;
    AddRow(grid, {reinterpret_cast<GridValue>("x"), 0, 3});
    Grid_GetCellRect(grid, 1, 0, &cell);
    EXPECT_EQ(cell.left, 130);
    EXPECT_EQ(Grid_GetTotalWidth(grid), 200u);
    EXPECT_EQ(Titles().At(130, 8), GetSysColor(COLOR_3DDKSHADOW)) << "repainted at once";
    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{GRN_COLUMNWIDTH})) << "only the new width";
    EXPECT_EQ(parent.records[0].column, 0u);
}

TEST_F(Header, AnEdgeDraggedLeftOfItsColumnGivesWidthZero) {
    grid = MakeGrid();
    Mouse(grid, WM_MOUSEMOVE, 149);  // grabbed one pixel left of the edge at 150
    Mouse(grid, WM_LBUTTONDOWN, 149, MK_LBUTTON);
    Mouse(grid, WM_MOUSEMOVE, 120, MK_LBUTTON);
    EXPECT_EQ(RectInParent(ResizeLine(grid)).left, 121) << "the grab offset is kept";
    Mouse(grid, WM_MOUSEMOVE, 20, MK_LBUTTON);
    EXPECT_EQ(RectInParent(ResizeLine(grid)).left, 100) << "the line stops at the left edge";
    Mouse(grid, WM_LBUTTONUP, 20);
    EXPECT_EQ(Grid_GetColWidth(grid, 1), 0);
    EXPECT_EQ(Grid_GetTotalWidth(grid), 120u);
}

TEST_F(Header, WidthPartnersFollowAResizeInEitherOfThem) {
    grid = MakeGrid(0);
    HWND other = MakeGrid(250);
    PartnerSet partners = {};
    partners.widthPartnerA = grid;
    partners.widthPartnerB = other;
    Grid_SetPartners(grid, &partners);
    Grid_SetPartners(other, nullptr);  // without a record the partners stay

    Drag(grid, 100, 130);
    EXPECT_EQ(Grid_GetColWidth(grid, 0), 130);
    EXPECT_EQ(Grid_GetColWidth(other, 0), 130);
    EXPECT_EQ(Grid_GetTotalWidth(other), 200u);

    Drag(other, 180, 210);  // column 1's edge, now at 180
    EXPECT_EQ(Grid_GetColWidth(other, 1), 80);
    EXPECT_EQ(Grid_GetColWidth(grid, 1), 80);
}

TEST_F(Header, WithOnlyOnePartnerSetNoWidthIsMirrored) {
    grid = MakeGrid(0);
    HWND other = MakeGrid(250);
    PartnerSet partners = {};
    partners.widthPartnerA = other;
    Grid_SetPartners(grid, &partners);
    Drag(grid, 100, 130);
    EXPECT_EQ(Grid_GetColWidth(grid, 0), 130);
    EXPECT_EQ(Grid_GetColWidth(other, 0), 100) << "nothing to copy from";
}

TEST_F(Header, ADragThatLosesTheCaptureEndsWithNothingApplied) {
    grid = MakeGrid();
    Mouse(grid, WM_MOUSEMOVE, 100);
    Mouse(grid, WM_LBUTTONDOWN, 100, MK_LBUTTON);
    Mouse(grid, WM_MOUSEMOVE, 130, MK_LBUTTON);
    SetCapture(parent.hwnd());
    EXPECT_FALSE(IsWindowVisible(ResizeLine(grid)));
    ReleaseCapture();
    Mouse(grid, WM_MOUSEMOVE, 160);
    Mouse(grid, WM_LBUTTONUP, 160);
    EXPECT_EQ(Grid_GetColWidth(grid, 0), 100);
}

}  // namespace
