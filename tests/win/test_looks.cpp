// The looks of the public header, read back from the screen: after each one the header, the rows,
// the current cell in both looks, the grid lines, an open editor and the line shown while a
// column is resized take that look's colours, the panes get the font the look made, and the dark
// look leaves no black pixel. The high-contrast look is checked under system colours of a
// high-contrast theme set for this process (and put back afterwards), so that each part must take
// its own colour.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "harness.h"
#include "painting_fixture.h"
#include "painting_helpers.h"

using namespace testing_support;

namespace {

constexpr int kHeader = 17;

// A high-contrast theme's system colours, each unlike the others, and the colours it replaces.
class HighContrastColours {
  public:
    HighContrastColours() {
        for (int i = 0; i < kCount; ++i) {
            saved_[i] = GetSysColor(kElements[i]);
        }
        SetSysColors(kCount, kElements, kTheme);
    }
    ~HighContrastColours() { SetSysColors(kCount, kElements, saved_); }
    HighContrastColours(const HighContrastColours&) = delete;
    HighContrastColours& operator=(const HighContrastColours&) = delete;

  private:
    static constexpr int kCount = 6;
    static constexpr int kElements[kCount] = {COLOR_WINDOW,    COLOR_WINDOWTEXT,
                                              COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,
                                              COLOR_BTNFACE,   COLOR_BTNTEXT};
    static constexpr COLORREF kTheme[kCount] = {RGB(0, 0, 0),     RGB(255, 255, 255),
                                                RGB(128, 0, 128), RGB(255, 255, 254),
                                                RGB(0, 0, 64),    RGB(255, 255, 0)};
    COLORREF saved_[kCount] = {};
};

// What each part should show, as the system (or the dark look's own table) gives it.
struct Expected {
    COLORREF headerBack, headerText, rowBack, rowText, gridLine, activeCell, inactiveCell;
};

Expected SystemExpected() {
    return {GetSysColor(COLOR_BTNFACE),    GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_WINDOW),
            GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_HIGHLIGHT),
            GetSysColor(COLOR_BTNFACE)};
}
Expected HighContrastExpected() {
    // The inactive cell is drawn under black text: the lighter of the two selection colours.
    return {GetSysColor(COLOR_BTNFACE),      GetSysColor(COLOR_BTNTEXT),
            GetSysColor(COLOR_WINDOW),       GetSysColor(COLOR_WINDOWTEXT),
            GetSysColor(COLOR_WINDOWTEXT),   GetSysColor(COLOR_HIGHLIGHT),
            GetSysColor(COLOR_HIGHLIGHTTEXT)};
}
bool HighContrastIsOn() {
    HIGHCONTRASTA contrast = {sizeof contrast, 0, nullptr};
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

struct LookCase {
    const char* name;
    HFONT (*apply)(HWND grid, BOOL withFont);
    bool highContrastColours;  // the system colours of a high-contrast theme meanwhile
    std::function<Expected()> expected;
    bool dark;  // no pixel may be black
};

TEST_F(Painting, EveryPartTakesTheColoursOfTheLookGiven) {
    const LookCase cases[] = {
        {"system look", Grid_ApplySystemLook, false, SystemExpected, false},
        {"dark look", Grid_ApplyDarkLook, false,
         [] {
             ColorSet dark;
             Grid_DarkLookColors(&dark);
             EXPECT_GT(GetRValue(dark.inactiveCell), 0x80) << "light under black text";
             return Expected{dark.headerBack, dark.headerText, dark.rowBack,     dark.rowText,
                             dark.gridLine,   dark.activeCell, dark.inactiveCell};
         },
         true},
        {"high-contrast look", Grid_ApplyHighContrastLook, true, HighContrastExpected, false},
        {"the look the system asks for", Grid_ApplyLookOfSystem, true,
         [] { return HighContrastIsOn() ? HighContrastExpected() : SystemExpected(); }, false},
    };
    for (const LookCase& test : cases) {
        SCOPED_TRACE(test.name);
        std::unique_ptr<HighContrastColours> theme;
        if (test.highContrastColours) {
            theme = std::make_unique<HighContrastColours>();
        }
        const Expected colours = test.expected();
        grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200);
        ASSERT_TRUE(AddColumns(grid, {{100, GRID_CELL_TEXT, GRID_EDITOR_TEXT, "WWW"},
                                      {80, GRID_CELL_TEXT, GRID_EDITOR_TEXT},
                                      {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}}));
        for (int row = 0; row < 3; ++row) {
            AddRow(grid, {Text("WWW"), Text("WWW"), kPlainRow});
        }
        Grid_SetGridLines(grid, TRUE);
        const HFONT font = test.apply(grid, TRUE);
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(SendMessageA(HeaderPane(grid), WM_GETFONT, 0, 0),
                  reinterpret_cast<LRESULT>(font));
        EXPECT_EQ(SendMessageA(ListPane(grid), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
        Grid_SetCurCell(grid, 0, 1);  // row 1 selected, highlighted from x 16 to 180

        Capture header(HeaderPane(grid));
        EXPECT_EQ(header.At(80, 8), colours.headerBack);
        EXPECT_GT(CountPixels(header, {3, 2, 97, kHeader - 1}, colours.headerText), 0);
        Capture rows = Rows();
        EXPECT_EQ(rows.At(90, 8), colours.rowBack);
        EXPECT_GT(CountPixels(rows, {18, 0, 100, kRow - 1}, colours.rowText), 0);
        EXPECT_TRUE(AllPixels(rows, {0, kRow - 1, 180, kRow}, colours.gridLine)) << "row line";
        EXPECT_EQ(rows.At(180, 5), colours.gridLine) << "the line after the last column";
        EXPECT_EQ(rows.At(170, RowTop(1) + 8), colours.activeCell);
        if (test.dark) {
            EXPECT_EQ(CountPixels(header, {0, 0, 400, kHeader}, RGB(0, 0, 0)), 0);
            EXPECT_EQ(CountPixels(rows, {16, 0, 400, 3 * kRow}, RGB(0, 0, 0)), 0)
                << "right of the file icons";
        }
        Grid_SetActiveLook(grid, FALSE, FALSE);
        EXPECT_EQ(Rows().At(170, RowTop(1) + 8), colours.inactiveCell);

        HWND editor = Grid_BeginEdit(grid, 1, 0);
        ASSERT_NE(editor, nullptr);
        SendMessageA(editor, EM_SETSEL, static_cast<WPARAM>(-1), 0);  // the text unselected
        Capture editing(editor);
        EXPECT_EQ(editing.At(editing.width() - 3, editing.height() / 2), colours.rowBack);
        EXPECT_GT(CountPixels(editing, {0, 0, editing.width(), editing.height()}, colours.rowText),
                  0);
        Grid_CancelEdit(grid);

        HWND pane = HeaderPane(grid);
        SendMessageA(pane, WM_MOUSEMOVE, 0, MAKELPARAM(100, 5));
        SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 5));
        SendMessageA(pane, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(130, 5));
        Capture resizing(grid);
        EXPECT_TRUE(AllPixels(resizing, {130, 0, 131, 200}, colours.headerText)) << "resize line";
        SendMessageA(pane, WM_LBUTTONUP, 0, MAKELPARAM(130, 5));

        DestroyWindow(grid);
        EXPECT_TRUE(DeleteObject(font)) << "the font is the caller's to delete";
    }
}

}  // namespace
