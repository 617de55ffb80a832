// Cell texts as shown on the screen: the column that drops its first characters, numbers
// formatted, masked or shown as directories, texts longer than 255 characters, and cut-off texts
// ending in an ellipsis with GRS_LISTCONVENTIONS.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "painting_fixture.h"
#include "painting_helpers.h"
#include "store/number_text.h"

using namespace testing_support;

namespace {

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

// A text of H's cut off at the end of a cell 80 wide (x 100 to 180, its text room ending at 178):
// without the style its last pixels show the letters whole, with it they show "..." alone, dots
// on the baseline with nothing above them. Both classes paint the same.
TEST_F(Painting, ACutTextEndsInAnEllipsisOnlyWithTheListConventions) {
    const char narrow[] = "HHHHHHHHHHHHHHHHHHHHHHHH";
    const char16_t wide[] = u"HHHHHHHHHHHHHHHHHHHHHHHH";
    const char16_t none[] = u"";
    for (const bool unicode : {false, true}) {
        for (const DWORD style : {DWORD{GRS_LISTCONVENTIONS}, DWORD{0}}) {
            SCOPED_TRACE(testing::Message()
                         << (unicode ? "Unicode" : "ANSI") << " style " << style);
            grid = unicode ? CreateGridW(parent.hwnd(), 0, 0, 600, 200, style)
                           : CreateGrid(parent.hwnd(), 0, 0, 600, 200, style);
            ASSERT_TRUE(
                AddColumnDescs(grid, {Column(100, GRID_CELL_TEXT), Column(80, GRID_CELL_TEXT),
                                      Column(0, GRID_CELL_VALUE)}));
            const GridValue empty = unicode ? reinterpret_cast<GridValue>(none) : Text(kEmpty);
            const GridValue text = unicode ? reinterpret_cast<GridValue>(wide) : Text(narrow);
            AddRow(grid, {empty, empty, kPlainRow});
            AddRow(grid, {empty, text, kPlainRow});
            SetPalette(grid, palette);
            Capture rows = Rows();
            const RECT upper = {172, RowTop(1) + 1, 178, RowTop(1) + 8};
            const RECT lower = {166, RowTop(1) + 8, 178, RowTop(1) + kRow};
            EXPECT_GT(CountPixels(rows, RowArea(1, 102, 160), palette.rowText), 0);
            if (style != 0) {
                EXPECT_EQ(CountPixels(rows, upper, palette.rowText), 0);
                EXPECT_GT(CountPixels(rows, lower, palette.rowText), 0);
            } else {
                EXPECT_GT(CountPixels(rows, upper, palette.rowText), 0);
            }
            DestroyWindow(grid);
        }
    }
}

}  // namespace
