// Row painting read back from the screen: fills of unselected, selected and current cells, grid
// lines for each style, the row marker and images, cell texts as shown, the list pane's
// uncovered areas, grids grown with their parent, and the GDI objects the colours leave behind.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "fast_path_helpers.h"
#include "harness.h"
#include "painting_helpers.h"
#include "store/number_text.h"

using namespace testing_support;

namespace {

constexpr int kRow = 17;             // row height
constexpr GridValue kPlainRow = 3;   // a file row: no "<DIR>", no marker
constexpr GridValue kFolderRow = 1;  // "<DIR>" and no shell lookup
const char kEmpty[] = "";

GridValue Text(const char* text) {
    return reinterpret_cast<GridValue>(text);
}
int RowTop(int row) {
    return row * kRow;
}
RECT RowArea(int row, int left, int right) {
    return {left, RowTop(row), right, RowTop(row) + kRow};
}

class Painting : public ::testing::Test {
  protected:
    void SetUp() override { ParkPointer(); }
    void TearDown() override {
        // Both are process-wide; a test may have destroyed its grids.
        HWND any = CreateGrid(parent.hwnd(), 0, 0, 10, 10);
        Grid_SetGridLines(any, FALSE);
        PartnerSet none = {};
        Grid_SetPartners(any, &none);
        DestroyWindow(any);
    }
    // Columns text 100, text 80, number 80 and the kind column: the rows span x 0 to 260.
    void MakeGrid(DWORD style = 0, int rows = 4, bool colors = true) {
        grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200, style);
        ASSERT_TRUE(
            AddColumnDescs(grid, {Column(100, GRID_CELL_TEXT), Column(80, GRID_CELL_TEXT),
                                  Column(80, GRID_CELL_NUMBER), Column(0, GRID_CELL_VALUE)}));
        for (int i = 0; i < rows; ++i) {
            AddRow(grid, {Text(kEmpty), Text(kEmpty), 0, kPlainRow});
        }
        if (colors) {
            SetPalette(grid, palette);
        }
    }
    Capture Rows() { return Capture(ListPane(grid)); }
    void Select(int row) { SendMessageA(ListPane(grid), LB_SETSEL, TRUE, row); }

    TestPalette palette;
    RecordingParent parent;
    HWND grid = nullptr;
};

TEST_F(Painting, UnselectedRowsTakeTheRowBackgroundAndSelectedRowsTheSelectionColour) {
    MakeGrid();
    Grid_SetColors(grid, nullptr);  // without a record the colours stay
    Grid_SetCurCell(grid, 3, 1);    // the kind column is current: no cell is highlighted
    ASSERT_EQ(SendMessageA(ListPane(grid), LB_GETSEL, 1, 0), 1);
    Capture rows = Rows();
    EXPECT_TRUE(AllPixels(rows, RowArea(0, 0, 261), palette.rowBack));
    EXPECT_TRUE(AllPixels(rows, RowArea(1, 0, 261), GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_TRUE(AllPixels(rows, RowArea(2, 0, 261), palette.rowBack));
    EXPECT_EQ(rows.At(261, RowTop(1) + 8), palette.rowBack) << "right of the row";
}

TEST_F(Painting, PlainSelectedRowsLookUnselectedExceptForTheCurrentCell) {
    MakeGrid(GRS_PLAINSELECTED);
    Grid_SetCurCell(grid, 3, 1);
    Capture unhighlighted = Rows();
    EXPECT_TRUE(AllPixels(unhighlighted, RowArea(1, 0, 261), palette.rowBack));

    Grid_SetCurCell(grid, 1, 1);
    Capture rows = Rows();
    EXPECT_TRUE(AllPixels(rows, RowArea(1, 0, 100), palette.rowBack));
    EXPECT_TRUE(AllPixels(rows, RowArea(1, 100, 180), palette.activeCell));
    EXPECT_TRUE(AllPixels(rows, RowArea(1, 180, 261), palette.rowBack));
}

TEST_F(Painting, CurrentColumnZeroHighlightsEverySelectedRowFromX16ToTheTotalWidth) {
    MakeGrid();
    for (int row : {0, 1, 2}) {
        Select(row);
    }
    Capture active = Rows();
    for (int row : {0, 1, 2}) {
        SCOPED_TRACE(row);
        EXPECT_TRUE(AllPixels(active, RowArea(row, 16, 260), palette.activeCell));
        EXPECT_TRUE(AllPixels(active, RowArea(row, 0, 16), GetSysColor(COLOR_HIGHLIGHT)));
        EXPECT_EQ(active.At(260, RowTop(row) + 5), GetSysColor(COLOR_HIGHLIGHT));
    }
    EXPECT_TRUE(AllPixels(active, RowArea(3, 0, 261), palette.rowBack));

    Grid_SetActiveLook(grid, FALSE, FALSE);
    Capture inactive = Rows();
    EXPECT_TRUE(AllPixels(inactive, RowArea(1, 16, 260), palette.inactiveCell));
    EXPECT_TRUE(AllPixels(inactive, RowArea(3, 0, 261), palette.rowBack));
}

TEST_F(Painting, BeforeAnyColoursTheActiveCellIsNotFilled) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200);
    ASSERT_TRUE(AddColumnDescs(grid, {Column(100, GRID_CELL_TEXT), Column(0, GRID_CELL_VALUE)}));
    AddRow(grid, {Text(kEmpty), kPlainRow});
    AddRow(grid, {Text(kEmpty), kPlainRow});
    Select(0);
    Capture rows = Rows();
    EXPECT_TRUE(AllPixels(rows, RowArea(0, 0, 101), GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_TRUE(AllPixels(rows, RowArea(1, 0, 101), GetSysColor(COLOR_WINDOW)));
    Grid_SetActiveLook(grid, FALSE, FALSE);
    EXPECT_TRUE(AllPixels(Rows(), RowArea(0, 16, 100), RGB(0xD6, 0xE2, 0xEB)))
        << "the inactive brush exists from the start";
}

TEST_F(Painting, TheCurrentCellsTextColourRunsOnToTheEndOfTheRow) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200);
    ASSERT_TRUE(AddColumnDescs(grid, {Column(100, GRID_CELL_TEXT), Column(100, GRID_CELL_TEXT),
                                      Column(100, GRID_CELL_TEXT), Column(0, GRID_CELL_VALUE)}));
    AddRow(grid, {Text("WWW"), Text("WWW"), Text("WWW"), kPlainRow});
    SetPalette(grid, palette);
    Grid_SetCurCell(grid, 1, 0);
    const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);

    Capture active = Rows();
    EXPECT_GT(CountPixels(active, RowArea(0, 16, 100), palette.rowText), 0);
    EXPECT_EQ(CountPixels(active, RowArea(0, 16, 100), highlightText), 0);
    for (int left : {100, 200}) {
        EXPECT_GT(CountPixels(active, RowArea(0, left, left + 100), highlightText), 0) << left;
        EXPECT_EQ(CountPixels(active, RowArea(0, left, left + 100), palette.rowText), 0) << left;
    }

    Grid_SetActiveLook(grid, FALSE, FALSE);
    Capture inactive = Rows();
    EXPECT_GT(CountPixels(inactive, RowArea(0, 200, 300), RGB(0, 0, 0)), 0);
    EXPECT_EQ(CountPixels(inactive, RowArea(0, 200, 300), palette.rowText), 0);
}

struct LineCase {
    DWORD style;
    bool afterColumn0, afterColumn1, afterLast;
};

TEST_F(Painting, GridLinesFollowTheStyleBits) {
    const LineCase cases[] = {
        {0, false, false, true},
        {GRS_COLUMNLINES, true, true, true},
        {GRS_NOENDLINE, false, false, false},
        {GRS_COLUMNLINES | GRS_NOENDLINE, true, true, true},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.style);
        MakeGrid(c.style, 2);
        Grid_SetGridLines(grid, TRUE);
        Capture rows = Rows();
        for (int row : {0, 1}) {
            const int bottom = RowTop(row) + kRow - 1;
            EXPECT_TRUE(AllPixels(rows, {0, bottom, 261, bottom + 1}, palette.gridLine));
            EXPECT_EQ(rows.At(261, bottom), palette.rowBack);
            EXPECT_EQ(rows.At(100, RowTop(row) + 5) == palette.gridLine, c.afterColumn0);
            EXPECT_EQ(rows.At(180, RowTop(row) + 5) == palette.gridLine, c.afterColumn1);
            EXPECT_EQ(rows.At(260, RowTop(row) + 5) == palette.gridLine, c.afterLast);
            EXPECT_EQ(rows.At(99, RowTop(row) + 5), palette.rowBack);
        }
        DestroyWindow(grid);
    }
}

TEST_F(Painting, WithoutGridLinesNoLineIsDrawn) {
    MakeGrid(GRS_COLUMNLINES, 2);
    Capture rows = Rows();
    EXPECT_EQ(CountPixels(rows, {0, 0, 300, 2 * kRow}, palette.gridLine), 0);
    Grid_SetGridLines(grid, TRUE);
    EXPECT_GT(CountPixels(Rows(), {0, 0, 300, 2 * kRow}, palette.gridLine), 0);
}

TEST_F(Painting, ValueColumnsAndTheKindColumnStayBlankWithoutLines) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200, GRS_COLUMNLINES);
    ASSERT_TRUE(AddColumnDescs(grid, {Column(100, GRID_CELL_TEXT), Column(80, GRID_CELL_VALUE),
                                      Column(80, 7), Column(60, GRID_CELL_NUMBER)}));
    AddRow(grid, {Text(kEmpty), 123456, 123456, 0x0300});
    SetPalette(grid, palette);
    Grid_SetGridLines(grid, TRUE);
    Capture rows = Rows();
    EXPECT_EQ(rows.At(100, 5), palette.gridLine);
    EXPECT_TRUE(AllPixels(rows, {101, 0, 321, kRow - 1}, palette.rowBack))
        << "value columns and the numeric kind column show nothing, not even a line";
}

TEST_F(Painting, MarkedRowsShowARedSquareAndAllRowsTheirImages) {
    HIMAGELIST columnImages =
        SolidImageList({RGB(10, 10, 10), RGB(20, 200, 20), RGB(30, 30, 220), RGB(200, 200, 40)});
    HIMAGELIST rowImages =
        SolidImageList({RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(90, 40, 140)});
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200);
    ColumnDesc first = Column(100, GRID_CELL_TEXT);
    first.imageList = columnImages;
    ASSERT_TRUE(AddColumnDescs(grid, {first, Column(0, GRID_CELL_VALUE)}));
    AddRow(grid, {Text("a"), 0x0A});           // folder kind, marked: image 1 and the marker
    AddRow(grid, {Text(kEmpty), 0x0301});      // kind 1: image 3 of column 0's list
    AddRow(grid, {Text(kEmpty), 0x00030009});  // row image 3 whatever the kind byte
    AddRow(grid, {Text(kEmpty), 9});           // a file row with no text: no image, no marker
    AddRow(grid, {Text(kEmpty), 0x0002});      // folder: image 1
    PartnerSet partners = {};
    partners.rowImageList = rowImages;
    Grid_SetPartners(grid, &partners);
    SetPalette(grid, palette);

    Capture rows = Rows();
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_TRUE(AllPixels(rows, {0, 0, 4, 4}, red));
    EXPECT_EQ(rows.At(4, 0), RGB(20, 200, 20));
    EXPECT_EQ(rows.At(0, 4), palette.rowBack);
    EXPECT_TRUE(AllPixels(rows, {4, 4, 17, 16}, RGB(20, 200, 20)));
    EXPECT_TRUE(AllPixels(rows, {1, RowTop(1), 17, RowTop(1) + 16}, RGB(200, 200, 40)));
    EXPECT_TRUE(AllPixels(rows, {1, RowTop(2), 17, RowTop(2) + 16}, RGB(90, 40, 140)));
    EXPECT_TRUE(AllPixels(rows, RowArea(3, 0, 101), palette.rowBack));
    EXPECT_TRUE(AllPixels(rows, {1, RowTop(4), 17, RowTop(4) + 16}, RGB(20, 200, 20)));
    EXPECT_EQ(rows.At(0, RowTop(4)), palette.rowBack) << "unmarked rows have no square";

    DestroyWindow(grid);
    ImageList_Destroy(columnImages);
    ImageList_Destroy(rowImages);
}

TEST_F(Painting, WhileADropIsAllowedTheDropRowShowsImage2OnTheSideOfTheDrop) {
    const COLORREF folder = RGB(20, 200, 20);
    const COLORREF target = RGB(30, 30, 220);
    HIMAGELIST images = SolidImageList({RGB(10, 10, 10), folder, target});
    ColumnDesc first = Column(100, GRID_CELL_TEXT);
    first.imageList = images;
    // The grid made later is the second list pane; the first grid is not.
    HWND grids[2];
    for (HWND& made : grids) {
        made = CreateGrid(parent.hwnd(), 0, &made == grids ? 0 : 250, 600, 200);
        ASSERT_TRUE(AddColumnDescs(made, {first, Column(0, GRID_CELL_VALUE)}));
        AddRow(made, {Text(kEmpty), 2});
        AddRow(made, {Text(kEmpty), 2});
    }
    grid = grids[0];
    // No drag has run in this process: the drop row is 0, on the first list's side.
    std::vector<COLORREF> during;
    parent.onNotify = [&](GridNotify& record) {
        if (record.code != GRN_DROP) {
            return;
        }
        for (HWND made : grids) {
            Capture rows(ListPane(made));
            during.push_back(rows.At(8, 8));
            during.push_back(rows.At(8, RowTop(1) + 8));
        }
    };
    Grid_NotifyDrop(grids[0]);
    EXPECT_EQ(during, (std::vector<COLORREF>{target, folder, folder, folder}));
    EXPECT_EQ(Rows().At(8, 8), folder) << "after the drop";
    parent.onNotify = nullptr;
    for (HWND made : grids) {
        DestroyWindow(made);
    }
    ImageList_Destroy(images);
}

TEST_F(Painting, FileRowsShowTheShellIconOfTheirPathWhateverItsLength) {
    const std::string longPrefix = std::string(400, 'p') + "\\";
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200);
    ColumnDesc first = Column(100, GRID_CELL_TEXT);
    first.folderPrefix = "C:\\windows\\";
    ASSERT_TRUE(AddColumnDescs(grid, {first, Column(0, GRID_CELL_VALUE)}));
    AddRow(grid, {Text("notepad.exe"), 0});
    AddRow(grid, {Text(kEmpty), 0});
    SetPalette(grid, palette);
    Capture rows = Rows();
    EXPECT_LT(CountPixels(rows, {1, 0, 17, 16}, palette.rowBack), 16 * 16) << "an icon shows";
    EXPECT_TRUE(AllPixels(rows, RowArea(1, 0, 101), palette.rowBack)) << "no text, no icon";
    DestroyWindow(grid);

    // A path longer than the path buffer, and no prefix at all, paint without harm.
    for (const char* prefix : {longPrefix.c_str(), static_cast<const char*>(nullptr)}) {
        grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200);
        first.folderPrefix = prefix;
        ASSERT_TRUE(AddColumnDescs(grid, {first, Column(0, GRID_CELL_VALUE)}));
        const std::string name(300, 'n');
        AddRow(grid, {Text(name.c_str()), 0});
        SetPalette(grid, palette);
        EXPECT_EQ(Rows().At(150, 5), palette.rowBack);
        DestroyWindow(grid);
    }
}

TEST_F(Painting, FileRowsWhosePathIsMissingShowTheIconOfTheirType) {
    struct Case {
        const char* name;  // column 0 text, under C:\windows\ (only win.ini is there)
        int sameIconAs;    // the row whose icon it shows, or -1: any icon
    };
    const Case cases[] = {
        {"win.ini", -1},
        {"no-such-file.ini", 0},
        {"NO-SUCH-FOLDER\\deeper.ini", 0},
        {"no-such-file", -1},
    };
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200);
    ColumnDesc first = Column(100, GRID_CELL_TEXT);
    first.folderPrefix = "C:\\windows\\";
    ASSERT_TRUE(AddColumnDescs(grid, {first, Column(0, GRID_CELL_VALUE)}));
    for (const Case& c : cases) {
        AddRow(grid, {Text(c.name), kPlainRow});
    }
    SetPalette(grid, palette);
    Capture rows = Rows();
    auto icon = [](int row) { return RECT{1, RowTop(row), 17, RowTop(row) + 16}; };
    for (int row = 0; row < static_cast<int>(std::size(cases)); ++row) {
        const Case& c = cases[row];
        EXPECT_LT(CountPixels(rows, icon(row), palette.rowBack), 16 * 16) << c.name;
        if (c.sameIconAs >= 0) {
            EXPECT_TRUE(SameArea(rows, icon(row), icon(c.sameIconAs))) << c.name;
        }
    }
}

// Text columns 100 wide from x 40 (column 3 is the one shown from its fifth character) and
// number columns, so that what a cell shows can be compared with a text cell holding it.
class CellTexts : public Painting {
  protected:
    void MakeTextGrid(const char* mask = nullptr) {
        grid = CreateGrid(parent.hwnd(), 0, 0, 760, 200);
        ColumnDesc masked = Column(100, GRID_CELL_NUMBER);
        masked.mask = mask;
        ASSERT_TRUE(AddColumnDescs(
            grid, {Column(40, GRID_CELL_TEXT), Column(100, GRID_CELL_TEXT),
                   Column(100, GRID_CELL_TEXT), Column(100, GRID_CELL_TEXT),
                   Column(100, GRID_CELL_NUMBER), masked, Column(0, GRID_CELL_VALUE)}));
        SetPalette(grid, palette);
    }
    static RECT Cell(int column, int row) {
        const int left = column == 0 ? 0 : 40 + (column - 1) * 100;
        return RowArea(row, left + 1, left + (column == 0 ? 40 : 100));
    }
};

TEST_F(CellTexts, ColumnThreeDropsTheFirstFourCharacters) {
    MakeTextGrid();
    AddRow(grid, {Text(kEmpty), Text("xyz"), Text("ABCDxyz"), Text("ABCDxyz"), 0, 0, kPlainRow});
    AddRow(grid, {Text(kEmpty), Text(kEmpty), Text("ABCD"), Text("ABCD"), 0, 0, kPlainRow});
    AddRow(grid, {Text(kEmpty), Text(kEmpty), Text("AB"), Text("AB"), 0, 0, kPlainRow});
    Capture rows = Rows();
    EXPECT_TRUE(SameArea(rows, Cell(3, 0), Cell(1, 0)));
    EXPECT_FALSE(SameArea(rows, Cell(2, 0), Cell(1, 0))) << "column 2 shows the whole text";
    EXPECT_TRUE(AllPixels(rows, Cell(3, 1), palette.rowBack));
    EXPECT_GT(CountPixels(rows, Cell(2, 1), palette.rowText), 0);
    EXPECT_TRUE(AllPixels(rows, Cell(3, 2), palette.rowBack)) << "shorter texts show nothing";
}

TEST_F(CellTexts, NumbersAreFormattedMaskedOrShownAsDirectories) {
    MakeTextGrid("###-####");
    char masked[256];
    vorlane::FormatNumber(5551234, masked, 10, 10, 1, 0, 1);
    vorlane::ApplyMask(masked, "###-####");
    char maskedDir[256] = "<DIR>";
    vorlane::ApplyMask(maskedDir, "###-####");
    AddRow(grid, {Text(kEmpty), Text("1,234,567"), Text(masked), Text(kEmpty), 1234567, 5551234,
                  kPlainRow});
    AddRow(grid, {Text(kEmpty), Text("<DIR>"), Text(maskedDir), Text(kEmpty), 1234567, 5551234, 1});
    AddRow(grid, {Text(kEmpty), Text("<DIR>"), Text(kEmpty), Text(kEmpty), 0, 0, 2});
    AddRow(grid, {Text(kEmpty), Text("12"), Text(kEmpty), Text(kEmpty), 12, 0, 0x0A});
    AddRow(grid, {Text(kEmpty), Text(kEmpty), Text(kEmpty), Text(kEmpty), 0, 0, kPlainRow});
    Capture rows = Rows();
    EXPECT_TRUE(SameArea(rows, Cell(4, 0), Cell(1, 0)));
    EXPECT_TRUE(SameArea(rows, Cell(5, 0), Cell(2, 0)));
    EXPECT_TRUE(SameArea(rows, Cell(4, 1), Cell(1, 1))) << "kind 1 reads <DIR>";
    EXPECT_TRUE(SameArea(rows, Cell(5, 1), Cell(2, 1))) << "the mask applies to <DIR> too";
    EXPECT_TRUE(SameArea(rows, Cell(4, 2), Cell(1, 2))) << "kind 2 reads <DIR>";
    EXPECT_TRUE(SameArea(rows, Cell(4, 3), Cell(1, 3))) << "a marked folder shows its numbers";
    EXPECT_TRUE(AllPixels(rows, Cell(4, 4), palette.rowBack)) << "0 is blank";
}

TEST_F(CellTexts, TextsLongerThan255CharactersShowTheirFirst255) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 760, 200);
    ColumnDesc right = Column(700, GRID_CELL_TEXT);
    right.cellAlign = GRID_ALIGN_RIGHT;
    ASSERT_TRUE(
        AddColumnDescs(grid, {Column(20, GRID_CELL_TEXT), right, Column(0, GRID_CELL_VALUE)}));
    // Right-aligned, the whole text would end in 245 spaces; its first 255 end in W.
    const std::string text = std::string(250, ' ') + "WWWWW" + std::string(245, ' ');
    const std::string shown = std::string(250, ' ') + "WWWWW";
    AddRow(grid, {Text(kEmpty), Text(text.c_str()), kPlainRow});
    AddRow(grid, {Text(kEmpty), Text(shown.c_str()), kPlainRow});
    SetPalette(grid, palette);
    Capture rows = Rows();
    EXPECT_GT(CountPixels(rows, RowArea(0, 600, 718), palette.rowText), 0);
    EXPECT_TRUE(SameArea(rows, RowArea(0, 20, 720), RowArea(1, 20, 720)));
}

TEST_F(Painting, AGridWithOnlyTheKindColumnPaintsItsRowsWithoutColumns) {
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200, GRS_COLUMNLINES);
    ASSERT_TRUE(AddColumnDescs(grid, {Column(50, GRID_CELL_TEXT)}));
    AddRow(grid, {Text("hidden")});
    SetPalette(grid, palette);
    Grid_SetGridLines(grid, TRUE);
    Capture rows = Rows();
    EXPECT_TRUE(AllPixels(rows, {0, 0, 300, kRow - 1}, palette.rowBack))
        << "the kind column's text never shows";
    EXPECT_TRUE(AllPixels(rows, {0, kRow - 1, 51, kRow}, palette.gridLine));
}

TEST_F(Painting, TheAreaOutsideTheRowsTakesTheRowBackgroundWhateverWasThere) {
    MakeGrid(0, 3);
    HWND list = ListPane(grid);
    RECT client;
    GetClientRect(grid, &client);
    const int paneHeight = client.bottom - Grid_GetHeaderHeight(grid);
    Capture first(list);
    {
        HDC dc = GetDC(list);
        RECT all = {0, 0, client.right, paneHeight};
        HBRUSH dirt = CreateSolidBrush(RGB(255, 0, 255));
        FillRect(dc, &all, dirt);
        DeleteObject(dirt);
        ReleaseDC(list, dc);
    }
    Capture rows = Rows();
    EXPECT_TRUE(AllPixels(rows, {261, 0, client.right, paneHeight}, palette.rowBack))
        << "right of the columns";
    EXPECT_TRUE(AllPixels(rows, {0, 3 * kRow, client.right, paneHeight}, palette.rowBack))
        << "below the rows";
    EXPECT_TRUE(AllPixels(rows, {0, 0, 261, 3 * kRow}, palette.rowBack)) << "the rows";
}

TEST_F(Painting, SettingColoursTwiceLeavesOneObjectOfEachKind) {
    MakeGrid(0, 4, false);
    Select(0);
    Capture warmUp = Rows();  // the row canvas exists from the first painted row on
    const int before = LiveGdiObjects();
    SetPalette(grid, palette);
    Capture once = Rows();
    const int afterOnce = LiveGdiObjects();
    TestPalette other;
    other.rowBack = RGB(10, 20, 30);
    SetPalette(grid, other);
    Capture twice = Rows();
    EXPECT_EQ(twice.At(150, RowTop(2) + 5), other.rowBack);
    // The first colours add a row background brush and an active cell brush; the pen and the
    // inactive cell brush replace those made at creation.
    EXPECT_EQ(afterOnce, before + 2);
    EXPECT_EQ(LiveGdiObjects(), afterOnce);
}

// Two grids side by side in a parent that lays them out in its WM_SIZE, the left one first, as
// a two-pane window does while its frame is dragged.
HWND g_halves[2];
WNDPROC g_recordingProcedure;
LRESULT CALLBACK HalvesParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        constexpr int kGap = 6;
        RECT client;
        GetClientRect(window, &client);
        const int half = (client.right - 3 * kGap) / 2;
        for (int side = 0; side < 2; ++side) {
            MoveWindow(g_halves[side], kGap + side * (half + kGap), kGap, half,
                       client.bottom - 2 * kGap, TRUE);
        }
    }
    return CallWindowProcA(g_recordingProcedure, window, message, wParam, lParam);
}

struct Growth {
    const char* what;
    DWORD exStyle;  // of both grids
    int steps;      // the parent grows in this many steps, without painting in between ...
    SIZE step;      // ... of this many pixels each
    int linesScrolledRight;
};

TEST_F(Painting, GridsGrownWithTheirParentShowWhatAFullRepaintShows) {
    const Growth growths[] = {
        {"wider", 0, 1, {300, 0}, 0},
        {"wider and taller, with client edges", WS_EX_CLIENTEDGE, 1, {300, 100}, 0},
        {"in small steps, with client edges", WS_EX_CLIENTEDGE, 10, {30, 10}, 0},
        {"wider, scrolled right", 0, 1, {300, 0}, 10},
    };
    for (const Growth& growth : growths) {
        RecordingParent halves(600, 400);
        for (HWND& grid : g_halves) {
            grid = CreateWindowExA(growth.exStyle, VORLANE_CLASS, nullptr,
                                   WS_CHILD | WS_VISIBLE | GRS_COLUMNLINES, 0, 0, 0, 0,
                                   halves.hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
            ASSERT_TRUE(AddColumnDescs(
                grid, {Column(200, GRID_CELL_TEXT, "Name"), Column(60, GRID_CELL_TEXT, "Type"),
                       Column(90, GRID_CELL_NUMBER, "Size"), Column(0, GRID_CELL_VALUE)}));
            SetPalette(grid, palette);
            Grid_SetGridLines(grid, TRUE);
            for (int i = 0; i < 40; ++i) {
                const std::string name = "folder " + std::to_string(i);
                AddRow(grid, {Text(name.c_str()), Text("DIR"), 0, kFolderRow});
            }
        }
        g_recordingProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            halves.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HalvesParentProc)));
        SendMessageA(halves.hwnd(), WM_SIZE, 0, 0);
        for (HWND grid : g_halves) {
            for (int i = 0; i < growth.linesScrolledRight; ++i) {
                SendMessageA(grid, WM_HSCROLL, SB_LINERIGHT, 0);
            }
        }
        RepaintedPixels(halves.hwnd(), false);

        RECT frame;
        GetWindowRect(halves.hwnd(), &frame);
        for (int i = 1; i <= growth.steps; ++i) {
            SetWindowPos(halves.hwnd(), nullptr, 0, 0,
                         frame.right - frame.left + i * growth.step.cx,
                         frame.bottom - frame.top + i * growth.step.cy, SWP_NOMOVE | SWP_NOZORDER);
        }
        std::vector<DWORD> shown[2];
        for (int side = 0; side < 2; ++side) {
            shown[side] = ShownPixels(g_halves[side], false);
        }
        for (int side = 0; side < 2; ++side) {
            EXPECT_TRUE(shown[side] == RepaintedPixels(g_halves[side], false))
                << growth.what << (side == 0 ? ": left grid" : ": right grid");
        }
    }
}

}  // namespace
