// Row images read back from the screen: the row marker, column and row image lists, the drop
// row's image while a drop is allowed, and the shell icons of file rows.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "harness.h"
#include "painting_fixture.h"
#include "painting_helpers.h"

using namespace testing_support;

namespace {

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

// Icons drawn once for a paint are drawn afresh at the next: an image the application replaces
// in its image list shows at the next paint.
TEST_F(Painting, AnImageReplacedInItsListShowsAtTheNextPaint) {
    HIMAGELIST columnImages = SolidImageList({RGB(10, 10, 10), RGB(20, 200, 20)});
    HIMAGELIST replacement = SolidImageList({RGB(200, 30, 30)});
    grid = CreateGrid(parent.hwnd(), 0, 0, 600, 200);
    ColumnDesc first = Column(100, GRID_CELL_TEXT);
    first.imageList = columnImages;
    ASSERT_TRUE(AddColumnDescs(grid, {first, Column(0, GRID_CELL_VALUE)}));
    AddRow(grid, {Text(kEmpty), 0x0002});  // folders: image 1
    AddRow(grid, {Text(kEmpty), 0x0002});
    SetPalette(grid, palette);
    const RECT secondIcon = {1, RowTop(1), 17, RowTop(1) + 16};
    ASSERT_TRUE(AllPixels(Rows(), secondIcon, RGB(20, 200, 20)));

    HICON icon = ImageList_GetIcon(replacement, 0, ILD_NORMAL);
    ASSERT_EQ(ImageList_ReplaceIcon(columnImages, 1, icon), 1);
    DestroyIcon(icon);
    EXPECT_TRUE(AllPixels(Rows(), secondIcon, RGB(200, 30, 30)));

    DestroyWindow(grid);
    ImageList_Destroy(columnImages);
    ImageList_Destroy(replacement);
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

}  // namespace
