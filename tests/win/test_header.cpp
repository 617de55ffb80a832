// The header pane: its painting (background, button frames, pressed titles, sort arrows, the
// trailing button), resizing a column by its right edge (hover range, drag, resize line, width
// partners) and title clicks with the GRN_HEADERCLICK they report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "painting_helpers.h"
#include "screen_pixels.h"

using namespace testing_support;

namespace {

constexpr int kHeight = 17;  // header height
constexpr int kGridId = 5;

HICON SortIcon(int id) {
    return static_cast<HICON>(LoadImageA(Library(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
}

// The pixels of `area` as they were in `bare`, with the arrow icon drawn over them 17 x 17.
std::vector<COLORREF> WithArrow(const Capture& bare, RECT area, HICON icon) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    DibCanvas canvas(width, height);
    DWORD* pixels = canvas.bits();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            COLORREF c = bare.At(area.left + x, area.top + y);
            pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    DrawIconEx(canvas.dc(), 0, 0, icon, 17, 17, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::vector<COLORREF> result;
    for (int i = 0; i < width * height; ++i) {
        DWORD p = pixels[i];
        result.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    return result;
}

class Header : public ::testing::Test {
  protected:
    void SetUp() override { ParkPointer(); }
    void TearDown() override {
        HWND any = CreateGrid(parent.hwnd(), 0, 0, 10, 10);
        PartnerSet none = {};
        Grid_SetPartners(any, &none);
        DestroyWindow(any);
        ReleaseCapture();
    }
    // Column 0 at x 0 width 100, column 1 at x 100 width 50, the kind column at 150 width 20.
    HWND MakeGrid(int y = 0) {
        HWND made = CreateGrid(parent.hwnd(), 0, y, 400, 200, 0, kGridId);
        ColumnDesc name = Column(100, GRID_CELL_TEXT, "Name");
        ColumnDesc a = Column(50, GRID_CELL_NUMBER, "A");
        name.editorKind = a.editorKind = GRID_EDITOR_TEXT;  // no arrow before a title click
        EXPECT_TRUE(AddColumnDescs(made, {name, a, Column(20, GRID_CELL_VALUE)}));
        SetPalette(made, palette);
        return made;
    }
    static LRESULT Mouse(HWND grid, UINT message, int x, WPARAM keys = 0) {
        return SendMessageA(HeaderPane(grid), message, keys, MAKELPARAM(x, 5));
    }
    static void Click(HWND grid, int x) {
        Mouse(grid, WM_MOUSEMOVE, x);
        Mouse(grid, WM_LBUTTONDOWN, x, MK_LBUTTON);
        Mouse(grid, WM_LBUTTONUP, x);
    }
    static void Drag(HWND grid, int from, int to) {
        Mouse(grid, WM_MOUSEMOVE, from);
        Mouse(grid, WM_LBUTTONDOWN, from, MK_LBUTTON);
        Mouse(grid, WM_MOUSEMOVE, to, MK_LBUTTON);
        Mouse(grid, WM_LBUTTONUP, to);
    }
    // True when the cursor is the column resize cursor (hot spot in its middle).
    static bool ResizeCursorShown() {
        ICONINFO info = {};
        if (!GetIconInfo(GetCursor(), &info)) {
            return false;
        }
        DeleteObject(info.hbmMask);
        if (info.hbmColor != nullptr) {
            DeleteObject(info.hbmColor);
        }
        return (info.xHotspot == 15 && info.yHotspot == 15) ||
               (info.xHotspot == 8 && info.yHotspot == 8);
    }
    Capture Titles() { return Capture(HeaderPane(grid)); }

    TestPalette palette;
    RecordingParent parent;
    HWND grid = nullptr;
};

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

TEST_F(Header, TitleClicksSetTheArrowsAndReportTheColumnWithRowMinusOne) {
    // Centred titles keep the text away from the arrows at each button's right end.
    grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200, 0, kGridId);
    ColumnDesc plain = Column(100, GRID_CELL_TEXT, "a");
    plain.titleAlign = GRID_ALIGN_CENTER;
    plain.editorKind = GRID_EDITOR_TEXT;  // its arrow indicator starts at 0
    ColumnDesc numeric = plain;
    numeric.editorKind = GRID_EDITOR_NUMBER;
    ColumnDesc descending = plain;
    descending.flags = 2;
    ASSERT_TRUE(AddColumnDescs(grid, {plain, numeric, descending, Column(20, GRID_CELL_VALUE)}));
    SetPalette(grid, palette);
    HICON ascending = SortIcon(105);
    HICON descendingIcon = SortIcon(106);
    // Each button's arrow stands at its right edge - 9; the next button's frame covers what
    // lies right of it, so the arrow's own part is compared.
    auto arrowArea = [](int column) {
        const int left = 100 * (column + 1) + 1 - 9;
        return RECT{left, 0, left + 9, 17};
    };
    auto arrow = [&](const Capture& c, int column) { return AreaPixels(c, arrowArea(column)); };
    auto trimmed = [&](std::vector<COLORREF> pixels17) {
        std::vector<COLORREF> left;
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 9; ++x) {
                left.push_back(pixels17[y * 17 + x]);
            }
        }
        return left;
    };
    auto expected = [&](const Capture& bare, int column, HICON icon) {
        RECT area = arrowArea(column);
        area.right = area.left + 17;
        return trimmed(WithArrow(bare, area, icon));
    };

    Capture initial = Titles();
    Click(grid, 50);
    Capture first = Titles();
    EXPECT_EQ(arrow(first, 0), expected(initial, 0, ascending)) << "flags 0: up arrow";

    Click(grid, 250);
    Capture second = Titles();
    EXPECT_EQ(arrow(second, 2), expected(first, 2, descendingIcon)) << "descending: down";
    EXPECT_EQ(arrow(second, 0), arrow(initial, 0));

    Click(grid, 380);  // right of every column: nothing pressed, nothing reported
    EXPECT_EQ(arrow(Titles(), 2), arrow(first, 2)) << "but every arrow goes";

    ASSERT_EQ(parent.records.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const GridNotify& r = parent.records[i];
        EXPECT_EQ(r.code, static_cast<UINT>(GRN_HEADERCLICK));
        EXPECT_EQ(r.column, i == 0 ? 0u : 2u);
        EXPECT_EQ(r.row, 0xFFFFFFFFu);
        EXPECT_EQ(r.hwndFrom, grid);
        EXPECT_EQ(r.idFrom, static_cast<UINT_PTR>(kGridId));
        EXPECT_EQ(r.hwndChild, HeaderPane(grid));
        EXPECT_EQ(r.hwndGrid, grid);
        EXPECT_EQ(r.buttonDown | r.dropList | r.dropRow | r.rightButton | r.activated | r.rowKind |
                      r.reserved | static_cast<DWORD>(r.value) | static_cast<DWORD>(r.cancel),
                  0u);
    }
    EXPECT_EQ(Grid_GetColKind(grid, 0), GRID_CELL_TEXT);
    DestroyIcon(ascending);
    DestroyIcon(descendingIcon);
}

// A column's editor says nothing of sorting: no title shows an arrow before a title click.
TEST_F(Header, NoTitleShowsAnArrowBeforeTheFirstTitleClick) {
    const int editors[] = {GRID_EDITOR_TEXT, GRID_EDITOR_NUMBER, GRID_EDITOR_NONE, 8, 9, -1};
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200, 0, kGridId);
    for (int editor : editors) {
        ColumnDesc column = Column(80, GRID_CELL_TEXT, "a");
        column.editorKind = editor;
        ASSERT_EQ(Grid_AddColumn(grid, &column), 0);
    }
    ASSERT_TRUE(AddColumnDescs(grid, {Column(20, GRID_CELL_VALUE)}));
    SetPalette(grid, palette);
    Capture initial = Titles();
    Click(grid, 590);  // right of every column: every arrow goes, nothing is reported
    Capture cleared = Titles();
    EXPECT_TRUE(parent.records.empty());
    for (int i = 0; i < 6; ++i) {
        const RECT button = {80 * i, 0, 80 * i + 81, kHeight};
        EXPECT_TRUE(AreaPixels(initial, button) == AreaPixels(cleared, button))
            << "editor kind " << editors[i] << " shows an arrow";
    }
}

// The arrow keeps its place at the title's right end; the title is laid out left of it, so that
// it shows whole whatever its alignment.
TEST_F(Header, ATitleWithAnArrowShowsWholeLeftOfTheArrow) {
    const RECT button = {1, 1, 100, kHeight - 1};
    const RECT arrowPart = {92, 1, 100, kHeight - 1};  // from the title's right end - 6
    for (int align : {GRID_ALIGN_LEFT, GRID_ALIGN_CENTER, GRID_ALIGN_RIGHT}) {
        grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200, 0, kGridId);
        ColumnDesc size = Column(100, GRID_CELL_NUMBER, "Size");
        size.titleAlign = align;
        size.editorKind = GRID_EDITOR_TEXT;
        ASSERT_TRUE(AddColumnDescs(grid, {size, Column(20, GRID_CELL_VALUE)}));
        SetPalette(grid, palette);
        Capture bare = Titles();
        Click(grid, 50);
        Capture sorted = Titles();
        EXPECT_EQ(CountPixels(sorted, button, palette.headerText),
                  CountPixels(bare, button, palette.headerText))
            << "alignment " << align;
        EXPECT_EQ(CountPixels(sorted, arrowPart, palette.headerText), 0) << "alignment " << align;
        EXPECT_NE(AreaPixels(sorted, arrowPart), AreaPixels(bare, arrowPart))
            << "alignment " << align << ": the arrow shows";
        DestroyWindow(grid);
    }
    grid = nullptr;
}

TEST_F(Header, AClickReportsTheTitleWhereTheButtonWentDown) {
    grid = MakeGrid();
    Mouse(grid, WM_MOUSEMOVE, 40);
    Mouse(grid, WM_LBUTTONDOWN, 40, MK_LBUTTON);
    Mouse(grid, WM_MOUSEMOVE, 120, MK_LBUTTON);
    Mouse(grid, WM_LBUTTONUP, 120);
    ASSERT_EQ(parent.Codes(), std::vector<UINT>{GRN_HEADERCLICK});
    EXPECT_EQ(parent.records[0].column, 0u);
}

TEST_F(Header, ADoubleClickOnATitleReportsOneClickAndOnlyReleasesTheCapture) {
    grid = MakeGrid();
    Mouse(grid, WM_MOUSEMOVE, 120);
    Mouse(grid, WM_LBUTTONDOWN, 120, MK_LBUTTON);
    Mouse(grid, WM_LBUTTONUP, 120);
    SetCapture(HeaderPane(grid));
    EXPECT_EQ(Mouse(grid, WM_LBUTTONDBLCLK, 120, MK_LBUTTON), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    Mouse(grid, WM_LBUTTONUP, 120);
    ASSERT_EQ(parent.Codes(), std::vector<UINT>{GRN_HEADERCLICK});
    EXPECT_EQ(parent.records[0].column, 1u);
}

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
    EXPECT_TRUE(parent.records.empty()) << "a resize reports nothing";
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
