// Grids whose rows the application keeps: the row count and what is refused, painting from the
// parent's answers (the same pixels as a normal grid holding the same rows, and only the rows
// shown asked for, after a hint), sorting left to the application, and parents that drop their
// rows or the control inside a notification.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

#include "drag_pointer.h"
#include "harness.h"
#include "input_helpers.h"
#include "owner_rows_parent.h"

using namespace testing_support;

namespace {

std::vector<OwnerRow> SampleRows(UINT count) {
    std::vector<OwnerRow> rows;
    const INT32 kinds[] = {2, 1, 3, 0x00010002, 2, 9, 2};
    for (UINT row = 0; row < count; ++row) {
        char name[16];
        std::snprintf(name, sizeof name, "row %u", row);
        rows.push_back({name, row % 3 == 0 ? "note" : "", static_cast<INT32>(row * 1000), 7,
                        static_cast<INT32>(row), kinds[row % 7]});
    }
    return rows;
}

TEST(OwnerData, RowCountsAndRefusalsAreAsTabled) {
    struct Case {
        const char* name;
        bool ownerData;
        WPARAM count;
        LRESULT result;
        int rowsAfter;
    };
    const Case cases[] = {
        {"a count", true, 1000, 1, 1000},
        {"the most rows", true, GRID_MAX_OWNER_ROWS, 1, GRID_MAX_OWNER_ROWS},
        {"past the most: refused, the count stays", true, GRID_MAX_OWNER_ROWS + 1, 0,
         GRID_MAX_OWNER_ROWS},
        {"none", true, 0, 1, 0},
        {"a grid that keeps its rows refuses a count", false, 5, 0, 0},
    };
    RecordingParent parent;
    HWND owner = CreateStandardGrid(parent.hwnd(), true);
    HWND normal = CreateStandardGrid(parent.hwnd(), false, 0, 210);
    for (const Case& c : cases) {
        HWND grid = c.ownerData ? owner : normal;
        EXPECT_EQ(SendMessageA(grid, GRM_SETROWCOUNT, c.count, 0), c.result) << c.name;
        EXPECT_EQ(Grid_GetRowCount(grid), c.rowsAfter) << c.name;
    }
    GridValue values[6] = {};
    EXPECT_EQ(Grid_AddRow(owner, values), -1);
    EXPECT_EQ(Grid_AddRows(owner, 1, values), -1);
    EXPECT_EQ(Grid_GetRowCount(owner), 0);
    ASSERT_TRUE(Grid_SetRowCount(owner, 50));
    Grid_ClearRows(owner);
    EXPECT_EQ(Grid_GetRowCount(owner), 0);
}

int DifferingPixels(HWND a, HWND b) {
    const Capture first(ListPane(a));
    const Capture second(ListPane(b));
    int differing = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < 500; ++x) {
            differing += first.At(x, y) != second.At(x, y) ? 1 : 0;
        }
    }
    return differing;
}

// The same pixels as a grid holding the rows, also after the parent's rows changed under the
// grid and it was asked to redraw.
TEST(OwnerData, PaintsWhatAGridHoldingTheSameRowsPaints) {
    RecordingParent parent;
    OwnerRowsModel model;
    model.rows = SampleRows(40);
    model.Serve(parent);
    HWND owner = CreateStandardGrid(parent.hwnd(), true);
    HWND normal = CreateStandardGrid(parent.hwnd(), false, 0, 210);
    ASSERT_TRUE(model.Show(owner));
    model.Fill(normal);
    for (HWND grid : {owner, normal}) {
        Grid_SetCurCell(grid, 2, 3);
        SendMessageA(ListPane(grid), LB_SETTOPINDEX, 2, 0);
        RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    EXPECT_EQ(DifferingPixels(owner, normal), 0);
    EXPECT_FALSE(model.hints.empty());

    for (UINT row = 3; row < 6; ++row) {
        model.rows[row].name = "changed " + std::to_string(row);
        Grid_SetCellText(normal, 0, row, model.rows[row].name.c_str());
    }
    Grid_Redraw(owner);
    for (HWND grid : {owner, normal}) {
        RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    EXPECT_EQ(DifferingPixels(owner, normal), 0) << "after the parent's rows changed";
}

TEST(OwnerData, APaintAsksOnlyForTheRowsItShowsAfterNamingThem) {
    RecordingParent parent;
    OwnerRowsModel model;
    model.Serve(parent);
    HWND grid = CreateStandardGrid(parent.hwnd(), true);
    ASSERT_TRUE(Grid_SetRowCount(grid, GRID_MAX_OWNER_ROWS));
    Grid_SetCurCell(grid, 0, GRID_MAX_OWNER_ROWS - 1);
    UpdateWindow(ListPane(grid));
    parent.Clear();
    model.hints.clear();
    RedrawWindow(ListPane(grid), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_EQ(model.hints.size(), 1u);
    const GridRowRange hint = model.hints.front();
    EXPECT_EQ(hint.lastRow, GRID_MAX_OWNER_ROWS - 1);
    EXPECT_LE(hint.lastRow - hint.firstRow, 12u);  // one screen of rows
    const std::vector<UINT> fetched = OwnerRowsModel::FetchedRows(parent);
    const std::set<UINT> rows(fetched.begin(), fetched.end());
    EXPECT_EQ(rows.size(), hint.lastRow - hint.firstRow + 1);
    EXPECT_EQ(*rows.begin(), hint.firstRow);
    EXPECT_EQ(*rows.rbegin(), hint.lastRow);
    EXPECT_EQ(fetched.size(), rows.size() * 6);  // each cell once, the kind cell too
}

TEST(OwnerData, SortSetsTheDirectionAndLeavesTheRowsToTheApplication) {
    RecordingParent parent;
    OwnerRowsModel model;
    model.rows = SampleRows(20);
    model.Serve(parent);
    HWND grid = CreateStandardGrid(parent.hwnd(), true);
    ASSERT_TRUE(model.Show(grid));
    UpdateWindow(ListPane(grid));
    parent.Clear();
    Grid_Sort(grid, 2, GRID_SORT_DESCENDING);
    EXPECT_EQ(Grid_GetSortState(grid), 1);
    EXPECT_TRUE(parent.OfCode(GRN_GETCELL).empty());  // nothing read, nothing moved
    Grid_Sort(grid, 2, GRID_SORT_ASCENDING);
    EXPECT_EQ(Grid_GetSortState(grid), 0);
}

// Inside a notification the parent empties its rows or destroys the control; painting, clicks
// and keys that follow stay safe.
TEST(OwnerData, AParentThatDropsItsRowsOrTheControlInsideANotificationIsSafe) {
    enum class Act { DropRows, Destroy };
    struct Case {
        const char* name;
        UINT code;
        Act act;
    };
    const Case cases[] = {
        {"rows dropped while a cell is asked", GRN_GETCELL, Act::DropRows},
        {"rows dropped at the hint", GRN_CACHEHINT, Act::DropRows},
        {"rows dropped at a click", GRN_CELLCLICK, Act::DropRows},
        {"control destroyed while a cell is asked", GRN_GETCELL, Act::Destroy},
        {"control destroyed at the hint", GRN_CACHEHINT, Act::Destroy},
    };
    for (const Case& c : cases) {
        RecordingParent parent;
        OwnerRowsModel model;
        model.rows = SampleRows(30);
        model.Serve(parent);
        HWND grid = CreateStandardGrid(parent.hwnd(), true);
        ASSERT_TRUE(model.Show(grid));
        bool done = false;
        model.also = [&](GridNotify& record) {
            if (done || record.code != c.code) {
                return;
            }
            done = true;
            if (c.act == Act::DropRows) {
                model.rows.clear();
                Grid_SetRowCount(grid, 0);
            } else {
                DestroyWindow(grid);
            }
        };
        RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        if (IsWindow(grid)) {
            Click(ListPane(grid), RowPoint(grid, 3));
            KeyDown(ListPane(grid), VK_DOWN, 0x50);
            RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
        PumpMessages();
        EXPECT_TRUE(done) << c.name;
        EXPECT_EQ(IsWindow(grid) != FALSE, c.act == Act::DropRows) << c.name;
        if (c.act == Act::DropRows) {
            EXPECT_EQ(Grid_GetRowCount(grid), 0) << c.name;
        }
    }
}

}  // namespace

namespace {

struct CellAnswer {
    LRESULT result;
    std::string text;
};

CellAnswer GetCellEx(HWND grid, UINT column, UINT row, UINT size) {
    char buffer[64] = "untouched";
    GridCellRef ref = {column, row, buffer, size};
    const LRESULT result = SendMessageA(grid, GRM_GETCELLEX, 0, reinterpret_cast<LPARAM>(&ref));
    return {result, column >= 2 && result == 0 ? std::to_string(*reinterpret_cast<INT32*>(buffer))
                                               : std::string(buffer)};
}

// Reads and writes by record reach the parent's rows, past 65,535 too, and an edit ends in the
// parent's row: the control keeps nothing of its own.
TEST(OwnerData, CellsAreReadFromAndWrittenToTheParentsRows) {
    RecordingParent parent;
    OwnerRowsModel model;
    model.rows = SampleRows(70'000);
    model.Serve(parent);
    HWND grid = CreateStandardGrid(parent.hwnd(), true);
    ASSERT_TRUE(model.Show(grid));

    struct Read {
        UINT column, row, size;
        CellAnswer expected;
    };
    const Read reads[] = {
        {0, 69'999, 64, {9, "row 69999"}},  {0, 69'999, 4, {9, "row"}},
        {0, 65'536, 0, {9, "untouched"}},   {2, 65'537, 64, {0, "65537000"}},
        {0, 70'000, 64, {-1, "untouched"}},
    };
    for (const Read& r : reads) {
        const CellAnswer answer = GetCellEx(grid, r.column, r.row, r.size);
        EXPECT_EQ(answer.result, r.expected.result) << r.row << "/" << r.size;
        EXPECT_EQ(answer.text, r.expected.text) << r.row << "/" << r.size;
    }

    char renamed[] = "renamed";
    GridCellRef write = {0, 65'536, renamed, 0};
    EXPECT_EQ(SendMessageA(grid, GRM_SETCELLEX, 0, reinterpret_cast<LPARAM>(&write)), 1);
    EXPECT_EQ(model.rows[65'536].name, "renamed");
    parent.vetoCodes.insert(GRN_CELLCHANGING);
    char vetoed[] = "vetoed";
    write.buffer = vetoed;
    EXPECT_EQ(SendMessageA(grid, GRM_SETCELLEX, 0, reinterpret_cast<LPARAM>(&write)), 0);
    EXPECT_EQ(GetCellEx(grid, 0, 65'536, 64).text, "renamed");
    parent.vetoCodes.clear();

    HWND editor = Grid_BeginEdit(grid, 0, 65'540);
    ASSERT_NE(editor, nullptr);
    char shown[32] = {};
    GetWindowTextA(editor, shown, sizeof shown);
    EXPECT_STREQ(shown, "row 65540");
    SetWindowTextA(editor, "edited");
    SendMessageA(editor, WM_CHAR, VK_RETURN, 1);
    PumpMessages();
    EXPECT_EQ(model.rows[65'540].name, "edited");
    EXPECT_EQ(model.rows[65'540 & 0xFFFF].name, "row 4");
}

}  // namespace

namespace {

std::vector<UINT> SelectionOf(HWND grid) {
    std::vector<UINT> rows(static_cast<size_t>(Grid_GetSelRowsEx(grid, 0, nullptr)));
    Grid_GetSelRowsEx(grid, static_cast<UINT>(rows.size()), rows.data());
    return rows;
}

// What a parent hears, less what only an owner-data grid's parent is asked or told: cells, the
// rows painted, and the mark a first press on a row of kind 9 writes into the kind cell.
std::vector<UINT> HeardCodes(const RecordingParent& parent) {
    std::vector<UINT> codes;
    for (const GridNotify& record : parent.records) {
        const bool ownerOnly = record.code == GRN_GETCELL || record.code == GRN_CACHEHINT ||
                               (record.code == GRN_CELLCHANGING && record.column == 5);
        if (!ownerOnly) {
            codes.push_back(record.code);
        }
    }
    return codes;
}

// The scan value a keyboard gives the key (extended keys from the cursor block).
UINT ScanOf(UINT key) {
    switch (key) {
        case VK_DOWN: return 0x150;
        case VK_UP: return 0x148;
        case VK_NEXT: return 0x151;
        case VK_END: return 0x14F;
        case VK_HOME: return 0x147;
        default: return MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    }
}

// The same input to a grid holding the rows and to one whose parent keeps them leaves the same
// selection, current cell and notifications, step after step.
TEST(OwnerData, InputLeavesWhatItLeavesInAGridHoldingTheSameRows) {
    enum class Do { Click, CtrlClick, ShiftClick, Key, SelectAll, Invert, Deselect };
    struct Step {
        Do what;
        UINT value;  // a row, or a virtual key
    };
    const Step steps[] = {
        {Do::Click, 2},     {Do::CtrlClick, 4},  {Do::ShiftClick, 7}, {Do::Key, VK_DOWN},
        {Do::Key, VK_DOWN}, {Do::CtrlClick, 3},  {Do::Key, VK_UP},    {Do::Key, VK_SPACE},
        {Do::Key, VK_NEXT}, {Do::Key, VK_END},   {Do::Key, VK_HOME},  {Do::SelectAll, 0},
        {Do::Click, 5},     {Do::Invert, 0},     {Do::Click, 6},      {Do::Click, 6},
        {Do::Deselect, 0},  {Do::ShiftClick, 9},
    };
    RecordingParent ownerParent;
    RecordingParent normalParent;
    OwnerRowsModel model;
    model.rows = SampleRows(40);
    model.Serve(ownerParent);
    HWND owner = CreateStandardGrid(ownerParent.hwnd(), true);
    HWND normal = CreateStandardGrid(normalParent.hwnd(), false);
    ASSERT_TRUE(model.Show(owner));
    model.Fill(normal);
    int index = 0;
    for (const Step& step : steps) {
        for (HWND grid : {owner, normal}) {
            HWND pane = ListPane(grid);
            switch (step.what) {
                case Do::Click: Click(pane, RowPoint(grid, static_cast<int>(step.value))); break;
                case Do::CtrlClick: {
                    HeldKeys ctrl({VK_CONTROL});
                    Click(pane, RowPoint(grid, static_cast<int>(step.value)));
                    break;
                }
                case Do::ShiftClick: {
                    HeldKeys shift({VK_SHIFT});
                    Click(pane, RowPoint(grid, static_cast<int>(step.value)));
                    break;
                }
                case Do::Key: KeyDown(pane, step.value, ScanOf(step.value)); break;
                case Do::SelectAll: Grid_SelectAll(grid); break;
                case Do::Invert: Grid_InvertSelection(grid); break;
                case Do::Deselect: Grid_DeselectAll(grid); break;
            }
            PumpMessages();
        }
        EXPECT_EQ(SelectionOf(owner), SelectionOf(normal)) << "step " << index;
        EXPECT_EQ(Grid_GetCurRow(owner), Grid_GetCurRow(normal)) << "step " << index;
        EXPECT_EQ(SendMessageA(ListPane(owner), LB_GETCARETINDEX, 0, 0),
                  SendMessageA(ListPane(normal), LB_GETCARETINDEX, 0, 0))
            << "step " << index;
        EXPECT_EQ(HeardCodes(ownerParent), HeardCodes(normalParent)) << "step " << index;
        ownerParent.Clear();
        normalParent.Clear();
        ++index;
    }
}

}  // namespace

namespace {

// Rows dragged from one owner-data grid onto another: inside GRN_DROP the parent moves every
// selected row and sets both counts; both grids then show the rows where they now are.
TEST(OwnerData, ADropMovesEverySelectedRowWhileTheParentSetsBothCounts) {
    RecordingParent parent(760, 520);
    HWND left = CreateGrid(parent.hwnd(), 0, 0, 300, 306, GRS_OWNERDATA, 1);
    HWND right = CreateGrid(parent.hwnd(), 400, 0, 300, 306, GRS_OWNERDATA, 2);
    OwnerRowsModel leftRows;
    OwnerRowsModel rightRows;
    for (UINT row = 0; row < 40; ++row) {
        leftRows.rows.push_back({"left " + std::to_string(row), "", 0, 0, 0, 2});
    }
    for (UINT row = 0; row < 10; ++row) {
        rightRows.rows.push_back({"right " + std::to_string(row), "", 0, 0, 0, 2});
    }
    for (auto [grid, model] : {std::pair{left, &leftRows}, std::pair{right, &rightRows}}) {
        AddStandardColumns(grid);
        model->Serve(parent, grid);
        ASSERT_TRUE(model->Show(grid));
    }
    rightRows.also = [&](GridNotify& record) {
        if (record.code != GRN_DROP) {
            return;
        }
        std::vector<UINT> moved(static_cast<size_t>(Grid_GetSelRowsEx(left, 0, nullptr)));
        Grid_GetSelRowsEx(left, static_cast<UINT>(moved.size()), moved.data());
        std::vector<OwnerRow> taken;
        for (auto it = moved.rbegin(); it != moved.rend(); ++it) {
            taken.insert(taken.begin(), leftRows.rows[*it]);
            leftRows.rows.erase(leftRows.rows.begin() + *it);
        }
        rightRows.rows.insert(rightRows.rows.begin() + record.dropRow, taken.begin(), taken.end());
        leftRows.Show(left);
        rightRows.Show(right);
    };
    PartnerSet partners = {};
    partners.dragWindow = parent.hwnd();
    Grid_SetPartners(left, &partners);
    Grid_SetDropDivider(left, 350);

    Click(ListPane(left), RowPoint(left, 2));
    {
        HeldKeys shift({VK_SHIFT});
        Click(ListPane(left), RowPoint(left, 5));
    }
    DragPointer pointer(parent.hwnd());
    pointer.StartDrag(pointer.OnRow(left, 3));
    pointer.CrossTo(pointer.OnRow(right, 2));
    pointer.ReleaseAt(pointer.OnRow(right, 2));
    RedrawWindow(parent.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    ASSERT_EQ(parent.OfCode(GRN_DROP).size(), 1u);
    EXPECT_EQ(Grid_GetRowCount(left), 36);
    EXPECT_EQ(Grid_GetRowCount(right), 14);
    const std::pair<UINT, const char*> expected[] = {
        {1, "right 1"}, {2, "left 2"}, {5, "left 5"}, {6, "right 2"}, {13, "right 9"}};
    for (const auto& [row, name] : expected) {
        EXPECT_EQ(GetCellEx(right, 0, row, 64).text, name) << row;
    }
    EXPECT_EQ(GetCellEx(left, 0, 2, 64).text, "left 6");
}

}  // namespace

namespace {

// Whatever the parent leaves in the buffer, the control reads a text that ends within it.
TEST(OwnerData, WhatAParentLeavesInTheBufferIsReadAsATextThatEndsInIt) {
    struct Case {
        const char* name;
        bool fillWhole;  // every unit of the buffer written, no NUL; else nothing written
        LRESULT length;
        size_t shownUnits;
    };
    const Case cases[] = {
        {"nothing written", false, 0, 0},
        {"the whole buffer, no end", true, 32767, 63},
    };
    for (const Case& c : cases) {
        RecordingParent parent;
        HWND grid = CreateStandardGrid(parent.hwnd(), true);
        parent.onNotify = [&](GridNotify& record) {
            auto* cell = reinterpret_cast<GridCellRef*>(record.value);
            if (record.code == GRN_GETCELL && cell->column == 0 && c.fillWhole) {
                std::memset(cell->buffer, 'x', cell->bufferSize);
            }
        };
        ASSERT_TRUE(Grid_SetRowCount(grid, 5));
        RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const CellAnswer answer = GetCellEx(grid, 0, 1, 64);
        EXPECT_EQ(answer.result, c.length) << c.name;
        EXPECT_EQ(answer.text.size(), c.shownUnits) << c.name;
        HWND editor = Grid_BeginEdit(grid, 0, 1);
        ASSERT_NE(editor, nullptr) << c.name;
        EXPECT_LE(GetWindowTextLengthA(editor), 32767) << c.name;
        Grid_CancelEdit(grid);
    }
}

}  // namespace
