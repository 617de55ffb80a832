// The header pane's painting: the background, the button frames and titles, the system look,
// the trailing button, titles longer than 255 characters and a pressed title.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "header_fixture.h"
#include "painting_helpers.h"

using namespace testing_support;

namespace {

TEST_F(Header, ButtonsAreRaisedOnTheHeaderBackgroundWithTitlesInTheHeaderTextColour) {
    grid = MakeGrid();
    Capture header = Titles();
    const COLORREF light = GetSysColor(COLOR_3DLIGHT);
    const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
    EXPECT_EQ(header.At(0, 8), light) << "column 0's button starts at its x";
    EXPECT_EQ(header.At(50, 0), light);
    EXPECT_EQ(header.At(100, 8), dark) << "and ends on its last pixel";
    EXPECT_EQ(header.At(50, kHeight - 1), dark);
    EXPECT_EQ(header.At(101, 8), light) << "later buttons start one pixel after their x";
    EXPECT_EQ(header.At(150, 8), dark);
    EXPECT_EQ(header.At(80, 8), palette.headerBack);
    EXPECT_GT(CountPixels(header, {3, 2, 97, kHeight}, palette.headerText), 0);
    EXPECT_EQ(CountPixels(header, {0, 0, 400, kHeight}, GetSysColor(COLOR_BTNFACE)), 0);
}

// Grid_UseSystemLook paints the header in the system's button colours as they stand at the call,
// and gives both panes the font asked for (the default GUI font for none). The second case first
// changes those system colours (for this process) and puts them back afterwards.
TEST_F(Header, TheSystemLookPaintsTitlesInTheSystemButtonColours) {
    HFONT clientFont =
        CreateFontA(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    const auto defaultFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    struct Case {
        const char* name;
        bool changeSystemColours;
        HFONT font;
        HFONT expectedFont;
    };
    const Case cases[] = {
        {"the system colours as they are, no font", false, nullptr, defaultFont},
        {"other system colours, a font of the client's", true, clientFont, clientFont}};
    const int changed[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF saved[] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)};
    const COLORREF other[] = {RGB(200, 220, 180), RGB(0, 0, 160)};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        if (test.changeSystemColours) {
            SetSysColors(2, changed, other);
        }
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        const COLORREF text = GetSysColor(COLOR_BTNTEXT);
        grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200);
        EXPECT_TRUE(AddColumnDescs(
            grid, {Column(100, GRID_CELL_TEXT, "Name"), Column(20, GRID_CELL_VALUE)}));
        Grid_UseSystemLook(grid, test.font);
        Capture header = Titles();
        EXPECT_EQ(header.At(80, 8), face) << "right of the title";
        EXPECT_GT(CountPixels(header, {3, 2, 97, kHeight - 2}, text), 0) << "the title";
        EXPECT_EQ(SendMessageA(HeaderPane(grid), WM_GETFONT, 0, 0),
                  reinterpret_cast<LRESULT>(test.expectedFont));
        EXPECT_EQ(SendMessageA(ListPane(grid), WM_GETFONT, 0, 0),
                  reinterpret_cast<LRESULT>(test.expectedFont));
        DestroyWindow(grid);
        SetSysColors(2, changed, saved);
    }
    DeleteObject(clientFont);
}

TEST_F(Header, TheTrailingButtonRunsFromTheLastColumnPastThePane) {
    grid = MakeGrid();
    Capture header = Titles();
    const COLORREF light = GetSysColor(COLOR_3DLIGHT);
    const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
    EXPECT_EQ(header.At(151, 8), light) << "it starts where the last shown button ends";
    EXPECT_TRUE(AllPixels(header, {152, 0, 398, 1}, light));
    EXPECT_TRUE(AllPixels(header, {152, kHeight - 1, 398, kHeight}, dark));
    EXPECT_TRUE(AllPixels(header, {152, 1, 398, kHeight - 1}, palette.headerBack))
        << "no title, and no right edge within the pane";
}

TEST_F(Header, WithNoShownColumnTheTrailingButtonFillsTheHeader) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200);
    SetPalette(grid, palette);
    Capture empty = Titles();
    EXPECT_EQ(empty.At(0, 8), GetSysColor(COLOR_3DLIGHT));
    EXPECT_TRUE(AllPixels(empty, {1, 1, 398, kHeight - 1}, palette.headerBack));
    ASSERT_TRUE(AddColumnDescs(grid, {Column(60, GRID_CELL_VALUE, "kind")}));
    Capture kindOnly = Titles();
    EXPECT_TRUE(AllPixels(kindOnly, {1, 1, 398, kHeight - 1}, palette.headerBack))
        << "the kind column has no button and no title";
}

TEST_F(Header, TitlesLongerThan255CharactersShowTheirFirst255) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 700, 200);
    // Right-aligned, the whole title would end in 245 spaces; its first 255 end in W.
    const std::string title = std::string(250, ' ') + "WWWWW" + std::string(245, ' ');
    const std::string shown = title.substr(0, 255);
    ColumnDesc full = Column(300, GRID_CELL_TEXT, title.c_str());
    ColumnDesc cut = Column(300, GRID_CELL_TEXT, shown.c_str());
    full.titleAlign = cut.titleAlign = GRID_ALIGN_RIGHT;
    full.editorKind = cut.editorKind = GRID_EDITOR_TEXT;
    ASSERT_TRUE(AddColumnDescs(grid, {full, cut, Column(0, GRID_CELL_VALUE)}));
    SetPalette(grid, palette);
    Capture header = Titles();
    // Each title ends at its button's right edge - 3: x 298 and x 598.
    EXPECT_GT(CountPixels(header, {248, 0, 298, kHeight}, palette.headerText), 0);
    EXPECT_TRUE(SameArea(header, {48, 1, 298, kHeight - 1}, {348, 1, 598, kHeight - 1}));
}

TEST_F(Header, APressedTitleIsSunkenAndItsTextMovesOnePixelDownAndRight) {
    grid = MakeGrid();
    const RECT title = {1, 1, 100, kHeight};
    RECT up = BoundsOf(Titles(), title, palette.headerText);
    ASSERT_GT(up.right, up.left);

    Mouse(grid, WM_MOUSEMOVE, 50);
    Mouse(grid, WM_LBUTTONDOWN, 50, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), HeaderPane(grid));
    Capture pressed = Titles();
    EXPECT_EQ(pressed.At(0, 8), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(pressed.At(50, kHeight - 1), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(pressed.At(101, 8), GetSysColor(COLOR_3DLIGHT)) << "only the pressed title";
    RECT down = BoundsOf(pressed, title, palette.headerText);
    EXPECT_EQ(down.left, up.left + 1);
    EXPECT_EQ(down.top, up.top + 1);
    EXPECT_EQ(down.right, up.right + 1);

    Mouse(grid, WM_LBUTTONUP, 50);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(BoundsOf(Titles(), title, palette.headerText).left, up.left);
}

}  // namespace
