// Keys in the list pane: none reach the list box of an empty grid, Enter activates a single
// selected row, Down and Up move the current row, keys of another scan value go to the list box,
// and the page keys scroll; with GRS_LISTCONVENTIONS the keys of the system's list view.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "harness.h"
#include "input_helpers.h"
#include "list_input_fixture.h"
#include "owner_rows_parent.h"
#include "real_input.h"

using namespace testing_support;

namespace {

// The multiple-selection list box of some platforms faults on Space while it holds no item, so
// no key may reach it then. It is watched where the pane passes keys on, and every key it would
// get is kept from it: a key passed on fails the test instead of crashing it.
TEST_F(ListInput, KeysInAnEmptyGridNeverReachTheListBoxAndNotifyNothing) {
    ASSERT_TRUE(AddStandardColumns(grid));
    SetFocus(pane);
    MessageSpy listBox(pane, MessageSpy::Slot::ReplacedProcedure, {WM_KEYDOWN}, {WM_KEYDOWN});
    const std::pair<WPARAM, UINT> keys[] = {{VK_SPACE, 0x39},
                                            {VK_HOME, 0x47 | kExtended},
                                            {VK_END, 0x4F | kExtended},
                                            {VK_DOWN, kScanDown},
                                            {VK_UP, kScanUp},
                                            {VK_NEXT, kScanPageDown},
                                            {VK_RETURN, kPlainScanEnter}};
    for (const auto& [key, scan] : keys) {
        KeyDown(pane, key, scan);
        SendMessageA(pane, WM_CHAR, ' ', 0x00390001);
    }
    EXPECT_TRUE(listBox.messages.empty()) << listBox.messages.size() << " keys reached it";
    EXPECT_TRUE(parent.records.empty());

    // Once it holds a row, keys the pane does not take over reach it.
    AddKindRows(grid, {2});
    listBox.Clear();
    KeyDown(pane, VK_SPACE, 0x39);
    EXPECT_EQ(listBox.Codes(), (std::vector<UINT>{WM_KEYDOWN}));
}

TEST_F(ListInput, EnterActivatesOnlyASingleSelectedRow) {
    Make({2, 2, 6});
    StartAt(2);
    SendMessageA(pane, LB_SETSEL, TRUE, 2);
    for (UINT scan : {kPlainScanEnter, kPlainScanEnter | kExtended}) {
        parent.Clear();
        KeyDown(pane, VK_RETURN, scan);
        EXPECT_EQ(Notes(parent.records), (std::vector<Note>{CellClickNote(0, 2, 6, FALSE, TRUE)}));
    }
    // After Enter, clicks count from a clean activation flag.
    parent.Clear();
    Click(pane, RowPoint(grid, 1));
    EXPECT_EQ(Notes(parent.records), ClickNotes(1, 2));

    SendMessageA(pane, LB_SETSEL, TRUE, 0);
    parent.Clear();
    KeyDown(pane, VK_RETURN, kPlainScanEnter);
    EXPECT_TRUE(parent.records.empty()) << "two selected rows";
}

TEST_F(ListInput, DownAndUpMoveTheCurrentRowWithinTheFilledRowsAndKindCells) {
    Make({2, 2, 5, 0});
    StartAt(0);
    Click(pane, RowPoint(grid, 1));
    Grid_SetCurCell(grid, 3, 1);  // column 3, row 1; the row kind stays the release's
    SendMessageA(pane, LB_SETSEL, TRUE, 0);
    parent.Clear();

    KeyDown(pane, VK_DOWN, kScanDown | kExtended);
    EXPECT_EQ(Notes(parent.records),
              (std::vector<Note>{CellClickNote(3, 2, 2), CurCellChangedNote(3, 2)}));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{2}));

    parent.Clear();
    KeyDown(pane, VK_DOWN, kScanDown);  // the keypad key with NumLock off
    EXPECT_TRUE(parent.records.empty()) << "the next row's kind cell is 0";

    KeyDown(pane, VK_UP, kScanUp);
    KeyDown(pane, VK_UP, kScanUp | kExtended);
    KeyDown(pane, VK_UP, kScanUp);
    EXPECT_EQ(Notes(parent.records),
              (std::vector<Note>{CellClickNote(3, 1, 2), CurCellChangedNote(3, 1),
                                 CellClickNote(3, 0, 2), CurCellChangedNote(3, 0),
                                 CellClickNote(3, 0, 2), CurCellChangedNote(3, 0)}));
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{0}));
}

TEST_F(ListInput, KeysWithAnotherScanValueGoToTheListBox) {
    Make({2, 2, 2});
    StartAt(0);
    MessageSpy listBox(pane, MessageSpy::Slot::ReplacedProcedure, {WM_KEYDOWN});
    KeyDown(pane, VK_DOWN, 0);
    KeyDown(pane, VK_RETURN, 0x1D);
    KeyDown(pane, VK_NEXT, kScanDown);
    KeyDown(pane, 'A', 0x1E);
    EXPECT_EQ(listBox.messages.size(), 4u);
    EXPECT_TRUE(parent.OfCode(GRN_CELLCLICK).empty());

    listBox.Clear();
    KeyDown(pane, VK_DOWN, kScanDown);
    EXPECT_TRUE(listBox.messages.empty());
    EXPECT_EQ(Grid_GetCurRow(grid), 1u);
}

TEST_F(ListInput, PageKeysScrollByAPageAndLeaveSelectionAndCurrentCell) {
    ASSERT_TRUE(AddStandardColumns(grid));
    for (int i = 0; i < 40; ++i) {
        AddKindRows(grid, {2});
    }
    SendMessageA(pane, LB_SETTOPINDEX, 0, 0);
    SendMessageA(grid, WM_SIZE, 0, 0);
    StartAt(3);
    SendMessageA(pane, LB_SETSEL, TRUE, 3);
    KeyDown(pane, VK_NEXT, kScanPageDown);
    EXPECT_EQ(SendMessageA(pane, LB_GETTOPINDEX, 0, 0), 11);
    KeyDown(pane, VK_NEXT, kScanPageDown | kExtended);
    EXPECT_EQ(SendMessageA(pane, LB_GETTOPINDEX, 0, 0), 22);
    KeyDown(pane, VK_PRIOR, kScanPageUp | kExtended);
    EXPECT_EQ(SendMessageA(pane, LB_GETTOPINDEX, 0, 0), 11);
    EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{3}));
    EXPECT_EQ(Grid_GetCurRow(grid), 3u);
    EXPECT_TRUE(parent.records.empty());
}

// The key table's grid: 30 rows of kind 3 but rows 1, 11 and 24, of kind 0, and 11 rows a page.
constexpr UINT kTableRows = 30;
constexpr UINT kPageRows = 11;
INT32 TableKind(UINT row) {
    return row == 1 || row == 11 || row == 24 ? 0 : 3;
}

// What a key leaves: the current row, the selected rows first to last (none when first > last)
// and the notifications of list input.
struct Outcome {
    UINT current;
    UINT first;
    UINT last;
    std::vector<UINT> codes;
};
const std::vector<UINT> kMoved = {GRN_CELLCLICK, GRN_CURCELLCHANGED, GRN_SELCHANGE};
const std::vector<UINT> kMovedOnly = {GRN_CELLCLICK, GRN_CURCELLCHANGED};
Outcome Alone(UINT row) {
    return {row, row, row, kMoved};
}
Outcome Range(UINT row, UINT first, UINT last) {
    return {row, first, last, kMoved};
}
Outcome MovedOnly(UINT row, UINT selected) {
    return {row, selected, selected, kMovedOnly};
}
Outcome Stay(UINT row) {
    return {row, row, row, {}};
}
Outcome Toggled(UINT row, std::vector<UINT> codes) {
    return {row, 1, 0, std::move(codes)};
}

// One key from a row that is current and alone selected (and so the anchor): what it leaves
// with GRS_LISTCONVENTIONS, and without it.
struct KeyRow {
    WORD modifier;  // 0, VK_SHIFT or VK_CONTROL
    WORD key;
    UINT start;
    Outcome conventional;
    Outcome plain;
};
const KeyRow kKeyTable[] = {
    // From the first row. Down steps over row 1; without the style it stops above it.
    {0, VK_UP, 0, Alone(0), MovedOnly(0, 0)},
    {VK_SHIFT, VK_UP, 0, Alone(0), MovedOnly(0, 0)},
    {VK_CONTROL, VK_UP, 0, MovedOnly(0, 0), MovedOnly(0, 0)},
    {0, VK_DOWN, 0, Alone(2), Stay(0)},
    {VK_SHIFT, VK_DOWN, 0, Range(2, 0, 2), Stay(0)},
    {VK_CONTROL, VK_DOWN, 0, MovedOnly(2, 0), Stay(0)},
    {0, VK_PRIOR, 0, Alone(0), Stay(0)},
    {VK_SHIFT, VK_PRIOR, 0, Alone(0), Stay(0)},
    {VK_CONTROL, VK_PRIOR, 0, Alone(0), Stay(0)},
    {0, VK_NEXT, 0, Alone(12), Stay(0)},  // row 11 cannot be current
    {VK_SHIFT, VK_NEXT, 0, Range(12, 0, 12), Stay(0)},
    {VK_CONTROL, VK_NEXT, 0, Alone(12), Stay(0)},
    {0, VK_HOME, 0, Alone(0), Stay(0)},
    {VK_SHIFT, VK_HOME, 0, Alone(0), Stay(0)},
    {VK_CONTROL, VK_HOME, 0, Alone(0), Stay(0)},
    {0, VK_END, 0, Alone(29), Stay(0)},
    {VK_SHIFT, VK_END, 0, Range(29, 0, 29), Stay(0)},
    {VK_CONTROL, VK_END, 0, Alone(29), Stay(0)},
    {0, VK_SPACE, 0, Toggled(0, {}), Toggled(0, {})},
    {VK_CONTROL, VK_SPACE, 0, Toggled(0, {GRN_SELCHANGE}), Toggled(0, {})},
    // From a middle row.
    {0, VK_UP, 13, Alone(12), MovedOnly(12, 12)},
    {VK_SHIFT, VK_UP, 13, Range(12, 12, 13), MovedOnly(12, 12)},
    {VK_CONTROL, VK_UP, 13, MovedOnly(12, 13), MovedOnly(12, 12)},
    {0, VK_DOWN, 13, Alone(14), MovedOnly(14, 14)},
    {VK_SHIFT, VK_DOWN, 13, Range(14, 13, 14), MovedOnly(14, 14)},
    {VK_CONTROL, VK_DOWN, 13, MovedOnly(14, 13), MovedOnly(14, 14)},
    {0, VK_PRIOR, 13, Alone(2), Stay(13)},
    {VK_SHIFT, VK_PRIOR, 13, Range(2, 2, 13), Stay(13)},
    {VK_CONTROL, VK_PRIOR, 13, Alone(2), Stay(13)},
    {0, VK_NEXT, 13, Alone(25), Stay(13)},  // row 24 cannot be current
    {VK_SHIFT, VK_NEXT, 13, Range(25, 13, 25), Stay(13)},
    {VK_CONTROL, VK_NEXT, 13, Alone(25), Stay(13)},
    {0, VK_HOME, 13, Alone(0), Stay(13)},
    {VK_SHIFT, VK_HOME, 13, Range(0, 0, 13), Stay(13)},
    {VK_CONTROL, VK_HOME, 13, Alone(0), Stay(13)},
    {0, VK_END, 13, Alone(29), Stay(13)},
    {VK_SHIFT, VK_END, 13, Range(29, 13, 29), Stay(13)},
    {VK_CONTROL, VK_END, 13, Alone(29), Stay(13)},
    {0, VK_SPACE, 13, Toggled(13, {}), Toggled(13, {})},
    {VK_CONTROL, VK_SPACE, 13, Toggled(13, {GRN_SELCHANGE}), Toggled(13, {})},
    // From the last row.
    {0, VK_UP, 29, Alone(28), MovedOnly(28, 28)},
    {VK_SHIFT, VK_UP, 29, Range(28, 28, 29), MovedOnly(28, 28)},
    {VK_CONTROL, VK_UP, 29, MovedOnly(28, 29), MovedOnly(28, 28)},
    {0, VK_DOWN, 29, Alone(29), Stay(29)},
    {VK_SHIFT, VK_DOWN, 29, Alone(29), Stay(29)},
    {VK_CONTROL, VK_DOWN, 29, MovedOnly(29, 29), Stay(29)},
    {0, VK_PRIOR, 29, Alone(18), Stay(29)},
    {VK_SHIFT, VK_PRIOR, 29, Range(18, 18, 29), Stay(29)},
    {VK_CONTROL, VK_PRIOR, 29, Alone(18), Stay(29)},
    {0, VK_NEXT, 29, Alone(29), Stay(29)},
    {VK_SHIFT, VK_NEXT, 29, Alone(29), Stay(29)},
    {VK_CONTROL, VK_NEXT, 29, Alone(29), Stay(29)},
    {0, VK_HOME, 29, Alone(0), Stay(29)},
    {VK_SHIFT, VK_HOME, 29, Range(0, 0, 29), Stay(29)},
    {VK_CONTROL, VK_HOME, 29, Alone(0), Stay(29)},
    {0, VK_END, 29, Alone(29), Stay(29)},
    {VK_SHIFT, VK_END, 29, Alone(29), Stay(29)},
    {VK_CONTROL, VK_END, 29, Alone(29), Stay(29)},
    {0, VK_SPACE, 29, Toggled(29, {}), Toggled(29, {})},
    {VK_CONTROL, VK_SPACE, 29, Toggled(29, {GRN_SELCHANGE}), Toggled(29, {})},
};

std::vector<UINT> ListInputCodes(const RecordingParent& parent) {
    std::vector<UINT> codes;
    for (UINT code : parent.Codes()) {
        if (code == GRN_CELLCLICK || code == GRN_CURCELLCHANGED || code == GRN_SELCHANGE) {
            codes.push_back(code);
        }
    }
    return codes;
}

// Every key of the table typed on the keyboard, into an ordinary or an owner-data grid.
void CheckKeyTable(DWORD style) {
    RecordingParent parent;
    OwnerRowsModel model;
    const bool ownerData = (style & GRS_OWNERDATA) != 0;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 500, 204, style);
    ASSERT_TRUE(AddStandardColumns(grid));
    for (UINT row = 0; row < kTableRows; ++row) {
        model.rows.push_back({"r", "", 0, 0, 0, TableKind(row)});
        if (!ownerData) {
            AddKindRows(grid, {TableKind(row)});
        }
    }
    if (ownerData) {
        model.Serve(parent, grid);
        model.Show(grid);
    }
    HWND pane = ListPane(grid);
    RECT client = {};
    GetClientRect(pane, &client);
    ASSERT_EQ(client.bottom / 17, static_cast<LONG>(kPageRows));
    const bool conventional = (style & GRS_LISTCONVENTIONS) != 0;
    for (const KeyRow& row : kKeyTable) {
        SCOPED_TRACE(testing::Message()
                     << "key " << row.key << " with " << row.modifier << " from row " << row.start);
        const Outcome& expected = conventional ? row.conventional : row.plain;
        FocusForKeys(pane);
        Grid_DeselectAll(grid);
        Grid_SetCurCell(grid, 0, row.start);
        parent.Clear();
        if (row.modifier != 0) {
            TypeChord({row.modifier, row.key});
        } else {
            TypeChord({row.key});
        }
        EXPECT_EQ(Grid_GetCurRow(grid), expected.current);
        std::vector<UINT> selected;
        for (UINT position = expected.first; position <= expected.last; ++position) {
            selected.push_back(position);
        }
        EXPECT_EQ(SelectedRows(grid), selected);
        EXPECT_EQ(ListInputCodes(parent), expected.codes);
    }
    DestroyWindow(grid);
}

TEST(ListKeyTable, KeysOfTheListConventionsMoveAndSelect) {
    CheckKeyTable(GRS_LISTCONVENTIONS);
}
TEST(ListKeyTable, KeysOfTheListConventionsInAnOwnerDataGrid) {
    CheckKeyTable(GRS_LISTCONVENTIONS | GRS_OWNERDATA);
}
TEST(ListKeyTable, WithoutTheStyleKeysKeepTheirOwnMeaning) {
    CheckKeyTable(0);
}
TEST(ListKeyTable, WithoutTheStyleKeysKeepTheirOwnMeaningInAnOwnerDataGrid) {
    CheckKeyTable(GRS_OWNERDATA);
}

// A vetoed move changes nothing, not even the selection.
TEST(ListKeyTable, AVetoedMoveLeavesTheCurrentRowAndTheSelection) {
    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 500, 204, GRS_LISTCONVENTIONS);
    ASSERT_TRUE(AddStandardColumns(grid));
    AddKindRows(grid, {3, 3, 3, 3});
    HWND pane = ListPane(grid);
    FocusForKeys(pane);
    Grid_SetCurCell(grid, 0, 1);
    parent.vetoCodes = {GRN_CELLCLICK};
    for (WORD key : {VK_DOWN, VK_END, VK_HOME, VK_NEXT}) {
        for (WORD modifier : {0, VK_SHIFT}) {
            parent.Clear();
            modifier != 0 ? TypeChord({modifier, key}) : TypeChord({key});
            EXPECT_EQ(Grid_GetCurRow(grid), 1u) << key;
            EXPECT_EQ(SelectedRows(grid), (std::vector<UINT>{1})) << key;
            EXPECT_EQ(ListInputCodes(parent), (std::vector<UINT>{GRN_CELLCLICK})) << key;
        }
    }
    DestroyWindow(grid);
}

}  // namespace
