// Cells of rows past 65,535, which a packed cell address cannot name: reading and writing them
// through GRM_GETCELLEX and GRM_SETCELLEX in both text widths, the buffer sizes a read may be
// given, their rectangles, the parent's veto, an edit and a drop on such a row.
//
// The grids are made once for the whole program, the first of them first so that its list pane
// is the process's first list pane (the drag side): an ANSI grid of 90,000 rows and a Unicode
// grid of 70,000, each of a text column, a number column holding the row's position and the kind
// column (2: every row a drop target). The ANSI grid reports drops onto no row with the values no
// row takes (GRS_HIGHDROPVALUES).
#include <gtest/gtest.h>
#include <windowsx.h>

#include <cstring>
#include <string>
#include <vector>

#include "harness.h"
#include "input_helpers.h"
#include "unicode_grid.h"

using namespace testing_support;

namespace {

constexpr UINT kAnsiRows = 90000;
constexpr UINT kWideRows = 70000;
constexpr UINT kTextColumn = 0;
constexpr UINT kNumberColumn = 1;
constexpr UINT kKindColumn = 2;

// Rows of a text, the position as the number, and kind 2, in one batch.
void AddNumberedRows(HWND grid, UINT count, GridValue text, bool wide) {
    std::vector<GridValue> values;
    values.reserve(size_t{count} * 3);
    for (UINT row = 0; row < count; ++row) {
        values.insert(values.end(), {text, static_cast<GridValue>(row), 2});
    }
    const int first =
        wide ? Grid_AddRowsW(grid, count, values.data()) : Grid_AddRows(grid, count, values.data());
    EXPECT_EQ(first, 0);
}

struct FarGrids : ::testing::Environment {
    void SetUp() override {
        parent = new RecordingParent(760, 520);
        ansi = CreateGrid(parent->hwnd(), 0, 0, 320, 300, GRS_HIGHDROPVALUES, 1);
        AddColumns(ansi, {{120, GRID_CELL_TEXT, GRID_EDITOR_TEXT},
                          {80, GRID_CELL_NUMBER, GRID_EDITOR_NUMBER},
                          {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}});
        AddNumberedRows(ansi, kAnsiRows, reinterpret_cast<GridValue>("row"), false);
        wide = MakeWideGrid(parent->hwnd(), u"", 0, 400);
        AddNumberedRows(wide, kWideRows, Text(u"row"), true);
    }
    void TearDown() override { delete parent; }

    RecordingParent* parent = nullptr;
    HWND ansi = nullptr;
    HWND wide = nullptr;
};

FarGrids* const grids = static_cast<FarGrids*>(::testing::AddGlobalTestEnvironment(new FarGrids));

class FarRows : public ::testing::Test {
  protected:
    void SetUp() override {
        parent.vetoCodes.clear();
        parent.Clear();
    }

    // A cell's text through GRM_GETCELLEX, in the grid's width, as UTF-16 either way.
    static Units TextEx(HWND grid, UINT column, UINT row) {
        WCHAR buffer[64] = {};
        if (grid == grids->wide) {
            Grid_GetCellExW(grid, column, row, buffer, 64);
            return reinterpret_cast<const char16_t*>(buffer);
        }
        char bytes[64] = {};
        Grid_GetCellEx(grid, column, row, bytes, sizeof bytes);
        return Units(bytes, bytes + std::strlen(bytes));
    }
    static INT32 ValueEx(HWND grid, UINT column, UINT row) {
        INT32 value = -1;
        EXPECT_EQ(Grid_GetCellEx(grid, column, row, &value, sizeof value), 0);
        return value;
    }
    static BOOL SetTextEx(HWND grid, UINT column, UINT row, const std::string& text) {
        if (grid == grids->wide) {
            const Units units(text.begin(), text.end());
            return Grid_SetCellTextExW(grid, column, row, Wide(units));
        }
        return Grid_SetCellTextEx(grid, column, row, text.c_str());
    }

    RecordingParent& parent = *grids->parent;
    HWND ansi = grids->ansi;
    HWND wide = grids->wide;
};

TEST_F(FarRows, EveryRowIsReadAndWrittenThroughTheRecordMessagesInBothWidths) {
    const UINT rows[] = {0, 65535, 65536, 69999};
    for (HWND grid : {ansi, wide}) {
        const char* width = grid == ansi ? "ansi" : "wide";
        for (UINT row : rows) {
            EXPECT_EQ(ValueEx(grid, kNumberColumn, row), static_cast<INT32>(row)) << width << row;
            parent.Clear();
            EXPECT_TRUE(SetTextEx(grid, kTextColumn, row, "t" + std::to_string(row)));
            const INT32 value = -static_cast<INT32>(row) - 1;
            EXPECT_TRUE(Grid_SetCellValueEx(grid, kNumberColumn, row, &value));
            ASSERT_EQ(parent.OfCode(GRN_CELLCHANGING).size(), 2u) << width << row;
            EXPECT_EQ(parent.OfCode(GRN_CELLCHANGING)[0].row, row) << width;
            EXPECT_EQ(parent.OfCode(GRN_CELLCHANGED).at(0).row, row) << width;
        }
        // Rows 0 and 65,536 share their low 16 bits: each holds only its own write.
        for (UINT row : rows) {
            const std::string expected = "t" + std::to_string(row);
            EXPECT_EQ(TextEx(grid, kTextColumn, row), Units(expected.begin(), expected.end()))
                << width << row;
            EXPECT_EQ(ValueEx(grid, kNumberColumn, row), -static_cast<INT32>(row) - 1)
                << width << row;
        }
        EXPECT_EQ(ValueEx(grid, kNumberColumn, 65537), 65537) << width;
        EXPECT_EQ(ValueEx(grid, kKindColumn, 69999), 2) << width;
    }
}

// A read is given 32 units of room, of which `size` are offered: nothing lands past the size.
TEST_F(FarRows, AReadCopiesWhatFitsWholeAndAlwaysTellsTheFullLength) {
    constexpr UINT kRow = 66000;
    const Units pairText = u"ab" + kPair + u"c";  // 5 units, a surrogate pair at 2 and 3
    ASSERT_TRUE(Grid_SetCellTextEx(ansi, kTextColumn, kRow, "abcdef"));
    ASSERT_TRUE(Grid_SetCellTextExW(wide, kTextColumn, kRow, Wide(pairText)));
    const Units untouched(32, u'#');
    const struct {
        const char* name;
        HWND grid;
        UINT column;
        UINT row;
        UINT size;
        bool nullBuffer;
        int result;
        Units written;  // the buffer's first units afterwards, before the rest still untouched
    } cases[] = {
        {"exact size", ansi, kTextColumn, kRow, 7, false, 6, Units(u"abcdef") + u'\0'},
        {"short", ansi, kTextColumn, kRow, 4, false, 6, Units(u"abc") + u'\0'},
        {"room for the NUL only", ansi, kTextColumn, kRow, 1, false, 6, Units(1, u'\0')},
        {"zero size", ansi, kTextColumn, kRow, 0, false, 6, u""},
        {"null buffer", ansi, kTextColumn, kRow, 10, true, 6, u""},
        {"huge size", ansi, kTextColumn, kRow, 0xFFFFFFFF, false, 6, Units(u"abcdef") + u'\0'},
        // 65,600 is 0x00010040; a value is written whatever the size says.
        {"number cell", ansi, kNumberColumn, 65600, 0, false, 0, Units(u"\x40\0\x01\0", 4)},
        {"row past the last", ansi, kTextColumn, kAnsiRows, 32, false, -1, u""},
        {"column past the last", ansi, 3, kRow, 32, false, -1, u""},
        {"column beyond 16 bits", ansi, 0x10000, kRow, 32, false, -1, u""},
        {"wide exact size", wide, kTextColumn, kRow, 6, false, 5, pairText + u'\0'},
        {"wide cut before a pair", wide, kTextColumn, kRow, 4, false, 5, Units(u"ab") + u'\0'},
        {"wide cut after a pair", wide, kTextColumn, kRow, 5, false, 5, u"ab" + kPair + u'\0'},
        {"wide zero size", wide, kTextColumn, kRow, 0, false, 5, u""},
        {"wide row past the last", wide, kTextColumn, kWideRows, 32, false, -1, u""},
    };
    for (const auto& c : cases) {
        const bool isWide = c.grid == wide;
        // Both widths share one room of 64 bytes; an ANSI byte is stored in each unit's place.
        std::vector<char16_t> wideRoom(untouched.begin(), untouched.end());
        std::vector<char> byteRoom(64, '#');
        void* buffer = c.nullBuffer ? nullptr
                       : isWide     ? static_cast<void*>(wideRoom.data())
                                    : static_cast<void*>(byteRoom.data());
        const int result = isWide ? Grid_GetCellExW(c.grid, c.column, c.row, buffer, c.size)
                                  : Grid_GetCellEx(c.grid, c.column, c.row, buffer, c.size);
        EXPECT_EQ(result, c.result) << c.name;
        Units seen(wideRoom.begin(), wideRoom.end());
        if (!isWide) {
            for (size_t i = 0; i < seen.size(); ++i) {
                seen[i] = static_cast<char16_t>(static_cast<unsigned char>(byteRoom[i]));
            }
        }
        EXPECT_EQ(seen, c.written + untouched.substr(c.written.size())) << c.name;
    }
    EXPECT_EQ(SendMessageA(ansi, GRM_GETCELLEX, 0, 0), -1) << "no record";
}

TEST_F(FarRows, ARectangleOfAnyRowIsTheListBoxRowUnderItsColumn) {
    SendMessageA(ListPane(ansi), LB_SETTOPINDEX, 69990, 0);
    const struct {
        UINT column;
        UINT row;
        BOOL exists;
    } cases[] = {{kNumberColumn, 69995, TRUE},    {kTextColumn, 65536, TRUE},
                 {kTextColumn, 100, TRUE},        {kKindColumn, 79999, TRUE},
                 {kTextColumn, kAnsiRows, FALSE}, {3, 69995, FALSE}};
    for (const auto& c : cases) {
        const RECT untouched = {1, 2, 3, 4};
        RECT rect = untouched;
        EXPECT_EQ(Grid_GetCellRectEx(ansi, c.column, c.row, &rect), c.exists) << c.row;
        if (!c.exists) {
            EXPECT_TRUE(EqualRect(&rect, &untouched)) << c.row;
            continue;
        }
        RECT item = {};
        SendMessageA(ListPane(ansi), LB_GETITEMRECT, c.row, reinterpret_cast<LPARAM>(&item));
        const int left = c.column == kTextColumn ? 0 : c.column == kNumberColumn ? 120 : 200;
        const int width = c.column == kTextColumn ? 120 : c.column == kNumberColumn ? 80 : 0;
        const RECT expected = {left, item.top, left + width, item.bottom};
        EXPECT_TRUE(EqualRect(&rect, &expected)) << c.row << ": " << rect.left << "," << rect.top
                                                 << "," << rect.right << "," << rect.bottom;
    }
    RECT packed = {};
    Grid_GetCellRect(ansi, kNumberColumn, 100, &packed);
    RECT wideOne = {};
    Grid_GetCellRectEx(ansi, kNumberColumn, 100, &wideOne);
    EXPECT_TRUE(EqualRect(&packed, &wideOne)) << "a row both messages reach";
    EXPECT_EQ(SendMessageA(ansi, GRM_GETCELLRECTEX, 0, 0), 0) << "no record";
    SendMessageA(ListPane(ansi), LB_SETTOPINDEX, 0, 0);
}

TEST_F(FarRows, AWriteTheParentVetoesOrThatNamesNoCellWritesNothingAndAnswersZero) {
    constexpr UINT kRow = 65540;
    ASSERT_TRUE(Grid_SetCellTextEx(ansi, kTextColumn, kRow, "kept"));
    const INT32 value = 5;
    GridCellRef nullValue = {kNumberColumn, kRow, nullptr, 0};
    const struct {
        const char* name;
        bool veto;
        UINT column;
        UINT row;
        const GridCellRef* ref;  // used when not null, else the text "new" for (column, row)
        size_t notifications;
    } cases[] = {
        {"vetoed", true, kTextColumn, kRow, nullptr, 1},
        {"row past the last", false, kTextColumn, kAnsiRows, nullptr, 0},
        {"column past the last", false, 3, kRow, nullptr, 0},
        {"value cell without a value", false, 0, 0, &nullValue, 0},
    };
    for (const auto& c : cases) {
        parent.Clear();
        parent.vetoCodes = c.veto ? std::set<UINT>{GRN_CELLCHANGING} : std::set<UINT>{};
        GridCellRef text = {c.column, c.row, const_cast<char*>("new"), 0};
        const GridCellRef* ref = c.ref != nullptr ? c.ref : &text;
        EXPECT_EQ(SendMessageA(ansi, GRM_SETCELLEX, 0, reinterpret_cast<LPARAM>(ref)), 0) << c.name;
        EXPECT_EQ(parent.records.size(), c.notifications) << c.name;
        if (c.veto) {
            EXPECT_EQ(parent.records.at(0).row, kRow);
        }
        EXPECT_EQ(TextEx(ansi, kTextColumn, kRow), u"kept") << c.name;
        EXPECT_EQ(ValueEx(ansi, kNumberColumn, kRow), static_cast<INT32>(kRow)) << c.name;
    }
    parent.vetoCodes.clear();
    EXPECT_EQ(SendMessageA(ansi, GRM_SETCELLEX, 0, 0), 0) << "no record";
    EXPECT_TRUE(Grid_SetCellValueEx(ansi, kNumberColumn, kRow, &value));
    EXPECT_EQ(ValueEx(ansi, kNumberColumn, kRow), 5);
    GridCellRef none = {kTextColumn, kRow, nullptr, 0};
    EXPECT_EQ(SendMessageA(ansi, GRM_SETCELLEX, 0, reinterpret_cast<LPARAM>(&none)), 1)
        << "a null text removes the text";
    EXPECT_EQ(TextEx(ansi, kTextColumn, kRow), u"");
}

// Both an edit the user commits and one the client ends name the whole row.
TEST_F(FarRows, AnEditOfARowPast65535WritesThatRowAndNoOther) {
    constexpr UINT kRow = 65536 + 7;
    const struct {
        HWND grid;
        const char* name;
    } cases[] = {{ansi, "ansi"}, {wide, "wide"}};
    for (const auto& c : cases) {
        parent.Clear();
        const Units before = TextEx(c.grid, kTextColumn, 7);
        HWND editor = Grid_BeginEdit(c.grid, kTextColumn, kRow);
        ASSERT_NE(editor, nullptr) << c.name;
        EXPECT_EQ(Grid_GetCurRow(c.grid), kRow) << c.name;
        RECT cell = {};
        Grid_GetCellRectEx(c.grid, kTextColumn, kRow, &cell);
        EXPECT_EQ(RectInParent(editor).top, cell.top + 1) << c.name << ": over its own row";
        SetWindowTextA(editor, "edited");
        SendMessageA(editor, WM_CHAR, VK_RETURN, 1);
        EXPECT_EQ(TextEx(c.grid, kTextColumn, kRow), u"edited") << c.name;
        EXPECT_EQ(TextEx(c.grid, kTextColumn, 7), before) << c.name;
        for (UINT code : {GRN_BEGINEDIT, GRN_ENDEDIT, GRN_CELLCHANGING}) {
            ASSERT_EQ(parent.OfCode(code).size(), 1u) << c.name << " code " << code;
            EXPECT_EQ(parent.OfCode(code)[0].row, kRow) << c.name << " code " << code;
        }
    }
    SendMessageA(ListPane(ansi), LB_SETTOPINDEX, 0, 0);
    SendMessageA(ListPane(wide), LB_SETTOPINDEX, 0, 0);
}

// With the divider at 0 the ANSI grid is the other list's zone, where a drop is allowed on any
// row: on a row of kind 2 it names the row, elsewhere no row.
TEST_F(FarRows, ADropOnARowPast65535NamesThatRowAndOffATargetNoRow) {
    HWND pane = ListPane(ansi);
    PartnerSet partners = {};
    partners.dragWindow = parent.hwnd();
    Grid_SetPartners(ansi, &partners);
    Grid_SetDropDivider(ansi, 0);
    const INT32 plain = 1;
    ASSERT_TRUE(Grid_SetCellValueEx(ansi, kKindColumn, 88889, &plain));
    // The pointer goes where the message says: the drag reads it from the system.
    auto at = [&](UINT row) {
        const LPARAM inPane = RowPoint(ansi, static_cast<int>(row), 40);
        POINT point = {GET_X_LPARAM(inPane), GET_Y_LPARAM(inPane)};
        MapWindowPoints(pane, parent.hwnd(), &point, 1);
        PointerAt(parent.hwnd(), point);
        return inPane;
    };
    const struct {
        std::vector<UINT> path;  // pressed on the first, moved over the others, released last
        UINT dropRow;
        bool namesRow;  // else the value is one no row of the grid takes
    } cases[] = {
        {{77776, 77777}, 77777, true},
        {{88887, 88888, 88889}, GRID_DROP_NO_ROW, false},
    };
    for (const auto& c : cases) {
        SendMessageA(pane, WM_MOUSEMOVE, 0, 0);  // no button: clears the last drop mark
        SendMessageA(pane, LB_SETTOPINDEX, c.path[0] - 3, 0);
        parent.Clear();
        Press(pane, at(c.path[0]));
        for (UINT row : c.path) {  // the first move takes the drag's origin
            SendMessageA(pane, WM_MOUSEMOVE, MK_LBUTTON, at(row));
        }
        Release(pane, at(c.path.back()));
        ReleaseCapture();
        const std::vector<GridNotify> drops = parent.OfCode(GRN_DROP);
        ASSERT_EQ(drops.size(), 1u) << c.path.back();
        EXPECT_EQ(drops[0].dropRow, c.dropRow) << c.path.back();
        EXPECT_EQ(drops[0].dropRow < kAnsiRows, c.namesRow) << c.path.back();
    }
    const INT32 target = 2;
    Grid_SetCellValueEx(ansi, kKindColumn, 88889, &target);
    Grid_DeselectAll(ansi);
    SendMessageA(pane, LB_SETTOPINDEX, 0, 0);
}

}  // namespace
