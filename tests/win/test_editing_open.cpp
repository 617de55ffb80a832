// Where the in-place editors open and with what: the text and number editors' places and
// contents, the number editor's filter and parsing, the current cell edited where it is, the
// edits that never open, texts cut to the editor's room and starting texts the parent rewrites.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "editing_fixture.h"
#include "harness.h"

using namespace testing_support;

namespace {

TEST_F(Editing, ATextEditorOpensRightOfTheImageRoomAndFollowsTheGridLines) {
    ASSERT_EQ(editors.size(), 4u);
    Grid_SetGridLines(grid, TRUE);
    HWND editor = Begin(kPlacedColumn, 2);
    ASSERT_EQ(editor, editors[kPlacedColumn]);
    RECT at = RectInParent(editor);
    EXPECT_EQ(at.left, 116);
    EXPECT_EQ(at.top, 34);
    EXPECT_EQ(at.right - at.left, 64);
    EXPECT_EQ(at.bottom - at.top, 16);
    EXPECT_TRUE(IsWindowVisible(editor));
    EXPECT_EQ(GetFocus(), editor);
    EXPECT_EQ(GetWindowLongPtrA(editor, GWLP_ID), MAKELONG(kPlacedColumn, 2));
    EXPECT_EQ(TextOf(editor), "third");
    EXPECT_EQ(SendMessageA(editor, EM_GETSEL, 0, 0), MAKELONG(0, 5)) << "all of it selected";
    EXPECT_EQ(SendMessageA(editor, WM_GETDLGCODE, 0, 0), 0x84);

    Grid_CancelEdit(grid);
    Grid_SetGridLines(grid, FALSE);
    ASSERT_EQ(Begin(kPlacedColumn, 2), editor);
    at = RectInParent(editor);
    EXPECT_EQ(at.left, 116);
    EXPECT_EQ(at.top, 35);
    EXPECT_EQ(at.right - at.left, 64);
    EXPECT_EQ(at.bottom - at.top, 15);
}

TEST_F(Editing, ANumberEditorCoversTheCellShowsTheValueUnmaskedAndReportsItParsedBack) {
    HWND editor = Begin(kNumberColumn, 0);
    ASSERT_EQ(editor, editors[kNumberColumn]);
    RECT at = RectInParent(editor);
    EXPECT_EQ(at.left, 180);
    EXPECT_EQ(at.top, 0);
    EXPECT_EQ(at.right - at.left, 90);
    EXPECT_EQ(at.bottom - at.top, 17);
    EXPECT_EQ(TextOf(editor), "1,234,567");
    EXPECT_EQ(SendMessageA(editor, EM_GETSEL, 0, 0), MAKELONG(0, 9));
    EXPECT_EQ(SendMessageA(editor, WM_GETDLGCODE, 0, 0), 0x84);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0], 1234567) << "GRN_BEGINEDIT points to the value";

    ClearRecords();
    Type(editor, VK_RETURN);
    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{GRN_ENDEDIT}));
    EXPECT_EQ(values[0], 1234567) << "the separators are dropped before parsing";
    EXPECT_FALSE(IsWindowVisible(editor));

    // Pasted text is not filtered while editing; only digits and '-' count at the end.
    ASSERT_EQ(Begin(kNumberColumn, 0), editor);
    SetWindowTextA(editor, "98,7x6");
    ClearRecords();
    Type(editor, VK_RETURN);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0], 9876);
    EXPECT_EQ(CellValue(kNumberColumn, 0), 1234567) << "a number editor never writes";

    Begin(kNumberColumn, 1);
    EXPECT_EQ(TextOf(editor), "") << "0 opens empty";
}

// An editor shows the list's font as it is when the editor opens, or as it is set while open.
TEST_F(Editing, AnEditorShowsTheFontTheListHasNow) {
    LOGFONTA look = {};
    look.lfHeight = -19;
    lstrcpyA(look.lfFaceName, "Courier New");
    HFONT fonts[2] = {CreateFontIndirectA(&look), nullptr};
    look.lfHeight = -11;
    fonts[1] = CreateFontIndirectA(&look);
    const struct {
        UINT column;
        bool setWhileOpen;
    } cases[] = {{0, false}, {kNumberColumn, false}, {0, true}, {kNumberColumn, true}};
    int turn = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "column " << c.column << " set while open " << c.setWhileOpen);
        const HFONT font = fonts[turn++ % 2];
        if (!c.setWhileOpen) {
            Grid_SetFonts(grid, font, font);
        }
        HWND editor = Begin(c.column, 1);
        ASSERT_NE(editor, nullptr);
        if (c.setWhileOpen) {
            Grid_SetFonts(grid, font, font);
        }
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(editor, WM_GETFONT, 0, 0)), font);
        Grid_CancelEdit(grid);
    }
    DestroyWindow(grid);
    DeleteObject(fonts[0]);
    DeleteObject(fonts[1]);
}

TEST_F(Editing, ANumberEditorDropsEveryCharacterButDigitsMinusAndBackspace) {
    HWND editor = Begin(kNumberColumn, 1);
    ClearRecords();
    for (WPARAM typed : {'1', '2', ',', '\t', 'x', ' ', '3', '\b', '-'}) {
        Type(editor, typed);
    }
    EXPECT_EQ(TextOf(editor), "12-");
    EXPECT_TRUE(IsWindowVisible(editor)) << "Tab does not end a number edit";
    EXPECT_TRUE(parent.records.empty());
}

TEST_F(Editing, EditingTheCurrentCellWhereItIsAsksNoCellClick) {
    Grid_SetCurCell(grid, kPlacedColumn, 1);
    ClearRecords();
    HWND editor = Begin(kEditCurrent, 99);
    ASSERT_EQ(editor, editors[kPlacedColumn]);
    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{GRN_BEGINEDIT}));
    const GridNotify& begin = parent.records[0];
    EXPECT_EQ(begin.column, kPlacedColumn);
    EXPECT_EQ(begin.row, 1u);
    EXPECT_EQ(begin.hwndChild, editor);
    EXPECT_EQ(texts, (std::vector<std::string>{"second"}));

    // Moving first asks the parent; a refused move edits the current cell as it was.
    Grid_CancelEdit(grid);
    parent.vetoCodes = {GRN_CELLCLICK};
    ClearRecords();
    EXPECT_EQ(Begin(0, 2), editor);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCLICK, GRN_BEGINEDIT}));
    EXPECT_EQ(parent.records[1].column, kPlacedColumn);
    EXPECT_EQ(parent.records[1].row, 1u);
    EXPECT_EQ(GetWindowLongPtrA(editor, GWLP_ID), MAKELONG(kPlacedColumn, 1));
}

TEST_F(Editing, NoEditOpensWithoutRowsWithoutAnEditorOrAgainstTheParentsVeto) {
    HWND empty = CreateGrid(parent.hwnd(), 0, 310, 300, 100, 0, 10);
    ASSERT_TRUE(AddGridColumns(empty));
    ClearRecords();
    EXPECT_EQ(SendMessageA(empty, GRM_BEGINEDIT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(empty, GRM_BEGINEDIT, kEditCurrent, 0), 0);
    for (HWND editor : Editors(empty)) {
        EXPECT_FALSE(IsWindowVisible(editor));
    }

    parent.vetoCodes = {GRN_BEGINEDIT};
    ClearRecords();
    EXPECT_EQ(Begin(0, 1), nullptr);
    EXPECT_EQ(parent.OfCode(GRN_BEGINEDIT).size(), 1u);
    for (HWND editor : editors) {
        EXPECT_FALSE(IsWindowVisible(editor));
    }
    EXPECT_EQ(ReportedEditor(), nullptr);

    parent.vetoCodes.clear();
    ClearRecords();
    EXPECT_EQ(Begin(kNoEditorColumn, 0), nullptr);
    ASSERT_EQ(parent.OfCode(GRN_BEGINEDIT).size(), 1u);
    EXPECT_EQ(parent.OfCode(GRN_BEGINEDIT)[0].hwndChild, nullptr);
    EXPECT_EQ(values.back(), 7) << "the value cell's content";
}

TEST_F(Editing, ALongCellTextOpensCutToWhatTheEditorCanHold) {
    Grid_SetCellText(grid, kLimitedColumn, 0, "abcdefghijkl");
    ClearRecords();
    HWND editor = Begin(kLimitedColumn, 0);
    EXPECT_EQ(TextOf(editor), "abcdefgh");
    EXPECT_EQ(texts, (std::vector<std::string>{"abcdefgh"}));
    Grid_CancelEdit(grid);

    const std::string longText(400, 'w');
    Grid_SetCellText(grid, 0, 2, longText.c_str());
    ClearRecords();
    editor = Begin(0, 2);
    EXPECT_EQ(TextOf(editor), std::string(255, 'w'));
    EXPECT_EQ(texts, (std::vector<std::string>{std::string(255, 'w')}));
    Grid_CancelEdit(grid);
    EXPECT_EQ(CellText(0, 2), longText) << "opening an edit never changes the cell";
}

TEST_F(Editing, TheParentMayRewriteTheStartingTextWithinTheBuffer) {
    parent.onNotify = [](GridNotify& record) {
        if (record.code == GRN_BEGINEDIT) {
            std::memset(reinterpret_cast<char*>(record.value), 'z', 256);  // no NUL at all
        }
    };
    EXPECT_EQ(TextOf(Begin(kLimitedColumn, 1)), "zzzzzzzz");
    EXPECT_EQ(TextOf(Begin(0, 1)), std::string(255, 'z'));
}

}  // namespace
