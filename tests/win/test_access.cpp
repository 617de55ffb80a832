// The grid as a screen reader reads it: the object that WM_GETOBJECT gives for the control and
// for its list pane, its rows with their texts as shown (numbers, masks, "<DIR>", the hidden
// prefix of column 3), states, places on the screen, the selection and the focus, on ANSI,
// Unicode and owner-data grids.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "access_helpers.h"
#include "harness.h"
#include "input_helpers.h"
#include "owner_rows_parent.h"
#include "unicode_grid.h"

using namespace testing_support;

namespace {

class Access : public ::testing::Test {
  protected:
    ComScope com;
    RecordingParent parent;
};

// Name, text, text, number (thousands), text whose first four characters are hidden, an
// untitled masked number, the kind column.
HWND MakeShownGrid(HWND parent) {
    HWND grid = CreateGrid(parent, 0, 0, 500, 204);
    EXPECT_TRUE(AddColumns(grid, {{100, GRID_CELL_TEXT, GRID_EDITOR_TEXT, "Name"},
                                  {80, GRID_CELL_TEXT, GRID_EDITOR_TEXT, "Note"},
                                  {80, GRID_CELL_NUMBER, GRID_EDITOR_NUMBER, "Size"},
                                  {80, GRID_CELL_TEXT, GRID_EDITOR_TEXT, "Path"},
                                  {60, GRID_CELL_NUMBER, GRID_EDITOR_NONE, nullptr, "#.##"},
                                  {0, GRID_CELL_VALUE, GRID_EDITOR_NONE, nullptr}}));
    return grid;
}

void AddShownRow(HWND grid, const char* name, const char* note, INT32 size, const char* path,
                 INT32 price, INT32 kind) {
    GridValue values[6] = {reinterpret_cast<GridValue>(name),
                           reinterpret_cast<GridValue>(note),
                           size,
                           reinterpret_cast<GridValue>(path),
                           price,
                           kind};
    ASSERT_GE(Grid_AddRow(grid, values), 0);
}

TEST_F(Access, RowsReadAsTheyAreShown) {
    HWND grid = MakeShownGrid(parent.hwnd());
    AddShownRow(grid, "alpha", "first", 1234567, "C:\\xreport.txt", 567, 3);
    AddShownRow(grid, "beta", "", 42, "abc", 8, 2);  // a folder: its numbers read "<DIR>"
    HWND wide = MakeWideGrid(parent.hwnd(), u"\u03a9", 0, 0, u"#.##");
    AddWideRow(wide, kMixed, 567);
    AddWideRow(wide, u"\u0436", 5);

    struct Case {
        HWND window;
        LONG child;
        std::wstring name;
        std::wstring description;
    };
    const std::wstring mixed(reinterpret_cast<const wchar_t*>(kMixed.c_str()));
    const Case cases[] = {
        {grid, 1, L"alpha", L"Note: first; Size: 1,234,567; Path: report.txt; 5.67"},
        {grid, 2, L"beta", L"Size: <DIR>; I.R>"},  // the mask takes "<DIR>" as it is shown
        {ListPane(grid), 1, L"alpha", L"Note: first; Size: 1,234,567; Path: report.txt; 5.67"},
        {wide, 1, mixed, L"5.67"},
        {ListPane(wide), 2, L"\u0436", L"5"},  // the mask stops with the digits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "child " << c.child);
        AccessibleRef object = AccessibleOf(c.window);
        ASSERT_NE(object, nullptr);
        LONG count = -1;
        EXPECT_EQ(object->get_accChildCount(&count), S_OK);
        EXPECT_EQ(count, 2);
        EXPECT_EQ(RoleOf(object.get(), CHILDID_SELF), ROLE_SYSTEM_LIST);
        EXPECT_EQ(RoleOf(object.get(), c.child), ROLE_SYSTEM_LISTITEM);
        EXPECT_EQ(NameOf(object.get(), c.child), c.name);
        EXPECT_EQ(DescriptionOf(object.get(), c.child), c.description);
        EXPECT_EQ(TextOf(object.get(), &IAccessible::get_accDefaultAction, c.child), L"Open");
        EXPECT_EQ(NameOf(object.get(), 3), L"<error>") << "no third row";
    }
}

TEST_F(Access, TheListIsNamedByItsTextElseByTheLabelBeforeIt) {
    HWND label = CreateWindowExA(0, "Static", "&Files && folders", WS_CHILD | WS_VISIBLE, 0, 0, 50,
                                 20, parent.hwnd(), nullptr, nullptr, nullptr);
    HWND grid = CreateGrid(parent.hwnd(), 0, 20, 300, 200);
    ASSERT_TRUE(AddStandardColumns(grid));
    EXPECT_EQ(NameOf(AccessibleOf(grid).get(), CHILDID_SELF), L"Files & folders");
    SetWindowTextA(grid, "Results");
    EXPECT_EQ(NameOf(AccessibleOf(ListPane(grid)).get(), CHILDID_SELF), L"Results");
    DestroyWindow(label);
}

TEST_F(Access, StatesSelectionAndFocusFollowTheGrid) {
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 500, 204);
    ASSERT_TRUE(AddStandardColumns(grid));
    for (int row = 0; row < 40; ++row) {
        AddStandardRow(grid, "r", "", row, 0, 0, 3);
    }
    AccessibleRef object = AccessibleOf(grid);
    ASSERT_NE(object, nullptr);
    const LONG list = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_MULTISELECTABLE;
    const LONG row = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;

    SetFocus(parent.hwnd());
    Grid_SetCurCell(grid, 0, 2);
    Grid_DeselectAll(grid);
    EXPECT_EQ(StateOf(object.get(), CHILDID_SELF), list);
    EXPECT_EQ(StateOf(object.get(), 3), row) << "current, but the pane has no focus";
    EXPECT_EQ(FocusOf(object.get()), std::vector<LONG>{});
    EXPECT_EQ(SelectionOf(object.get()), std::vector<LONG>{});

    SetFocus(ListPane(grid));
    Click(ListPane(grid), RowPoint(grid, 4));
    EXPECT_EQ(StateOf(object.get(), CHILDID_SELF), list | STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(StateOf(object.get(), 5), row | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(StateOf(object.get(), 3), row);
    EXPECT_EQ(StateOf(object.get(), 40), row | STATE_SYSTEM_OFFSCREEN);
    EXPECT_EQ(FocusOf(object.get()), std::vector<LONG>{5});
    EXPECT_EQ(SelectionOf(object.get()), std::vector<LONG>{5});

    Grid_SelectAll(grid);
    EXPECT_EQ(SelectionOf(object.get()).size(), 40u);
    EXPECT_EQ(SelectionOf(object.get()).back(), 40);

    SendMessageA(grid, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(StateOf(object.get(), 1) & STATE_SYSTEM_OFFSCREEN, STATE_SYSTEM_OFFSCREEN);
    EXPECT_EQ(StateOf(object.get(), 40) & STATE_SYSTEM_OFFSCREEN, 0);
}

TEST_F(Access, RowsAreFoundOnTheScreenWhereTheyArePainted) {
    HWND grid = CreateGrid(parent.hwnd(), 10, 10, 500, 204);
    ASSERT_TRUE(AddStandardColumns(grid));
    for (int row = 0; row < 5; ++row) {
        AddStandardRow(grid, "r", "", row, 0, 0, 3);
    }
    AccessibleRef object = AccessibleOf(grid);
    ASSERT_NE(object, nullptr);
    for (LONG row = 0; row < 5; ++row) {
        SCOPED_TRACE(row);
        POINT middle = {150, HIWORD(RowPoint(grid, row))};
        ClientToScreen(ListPane(grid), &middle);
        LONG left = 0, top = 0, width = 0, height = 0;
        ASSERT_EQ(object->accLocation(&left, &top, &width, &height, ChildVariant(row + 1)), S_OK);
        EXPECT_EQ(height, Grid_GetRowHeight(grid));
        EXPECT_EQ(width, 100 + 80 + 80 + 60 + 60);
        EXPECT_TRUE(left <= middle.x && middle.x < left + width);
        EXPECT_TRUE(top <= middle.y && middle.y < top + height);

        VARIANT hit;
        VariantInit(&hit);
        ASSERT_EQ(object->accHitTest(middle.x, middle.y, &hit), S_OK);
        EXPECT_EQ(ChildIds(hit), std::vector<LONG>{row + 1});
    }
    RECT control = {};
    GetWindowRect(grid, &control);
    VARIANT hit;
    VariantInit(&hit);
    object->accHitTest(control.left + 5, control.bottom - 5, &hit);  // below the last row
    EXPECT_EQ(ChildIds(hit), std::vector<LONG>{CHILDID_SELF});
    object->accHitTest(control.right + 5, control.top + 5, &hit);
    EXPECT_EQ(ChildIds(hit), std::vector<LONG>{});
}

TEST_F(Access, NavigationWalksTheRows) {
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 500, 204);
    ASSERT_TRUE(AddStandardColumns(grid));
    for (int row = 0; row < 3; ++row) {
        AddStandardRow(grid, "r", "", row, 0, 0, 3);
    }
    AccessibleRef object = AccessibleOf(grid);
    ASSERT_NE(object, nullptr);
    struct Case {
        LONG direction;
        LONG from;
        std::vector<LONG> to;
    };
    const Case cases[] = {
        {NAVDIR_FIRSTCHILD, CHILDID_SELF, {1}},
        {NAVDIR_LASTCHILD, CHILDID_SELF, {3}},
        {NAVDIR_NEXT, 1, {2}},
        {NAVDIR_DOWN, 2, {3}},
        {NAVDIR_NEXT, 3, {}},
        {NAVDIR_PREVIOUS, 2, {1}},
        {NAVDIR_UP, 1, {}},
        {NAVDIR_FIRSTCHILD, 2, {}},
    };
    for (const Case& c : cases) {
        VARIANT end;
        VariantInit(&end);
        object->accNavigate(c.direction, ChildVariant(c.from), &end);
        EXPECT_EQ(ChildIds(end), c.to) << "direction " << c.direction << " from " << c.from;
    }
}

TEST_F(Access, AnOwnerDataGridOfAMillionRowsIsAskedOnlyForTheRowsRead) {
    OwnerRowsModel model;
    model.Serve(parent);
    HWND grid = CreateStandardGrid(parent.hwnd(), true);
    ASSERT_TRUE(Grid_SetRowCount(grid, 1000000));
    model.count = 1000000;
    AccessibleRef object = AccessibleOf(grid);
    ASSERT_NE(object, nullptr);
    parent.Clear();
    LONG count = 0;
    EXPECT_EQ(object->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 1000000);
    EXPECT_EQ(NameOf(object.get(), 1000000), L"r999999");
    EXPECT_EQ(DescriptionOf(object.get(), 1000000), L"Size: <DIR>; A: <DIR>; B: <DIR>");
    EXPECT_EQ(NameOf(object.get(), 500001), L"r500000");
    for (UINT row : OwnerRowsModel::FetchedRows(parent)) {
        EXPECT_TRUE(row == 999999 || row == 500000) << row;
    }
    EXPECT_FALSE(OwnerRowsModel::FetchedRows(parent).empty());
}

}  // namespace

namespace {

// Every method of an object whose control is gone answers an error and leaves its out
// parameters empty.
TEST_F(Access, AnObjectHeldAcrossTheControlsDestructionAnswersErrors) {
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 500, 204);
    ASSERT_TRUE(AddStandardColumns(grid));
    AddStandardRow(grid, "alpha", "", 1, 2, 3, 3);
    AccessibleRef object = AccessibleOf(ListPane(grid));
    ASSERT_NE(object, nullptr);
    ASSERT_EQ(NameOf(object.get(), 1), L"alpha");
    DestroyWindow(grid);
    EXPECT_EQ(object->AddRef(), 2u) << "the control let go of its reference: ours is the last";
    EXPECT_EQ(object->Release(), 1u);

    IAccessible* o = object.get();
    const VARIANT row = ChildVariant(1);
    LONG number = 7;
    LONG left = 7, top = 7, width = 7, height = 7;
    VARIANT answer;
    VariantInit(&answer);
    IDispatch* parentObject = nullptr;
    struct Case {
        const char* method;
        HRESULT result;
    };
    const Case cases[] = {
        {"get_accChildCount", o->get_accChildCount(&number)},
        {"get_accParent", o->get_accParent(&parentObject)},
        {"get_accRole", o->get_accRole(row, &answer)},
        {"get_accState", o->get_accState(row, &answer)},
        {"get_accFocus", o->get_accFocus(&answer)},
        {"get_accSelection", o->get_accSelection(&answer)},
        {"accSelect", o->accSelect(SELFLAG_TAKESELECTION, row)},
        {"accLocation", o->accLocation(&left, &top, &width, &height, row)},
        {"accNavigate", o->accNavigate(NAVDIR_NEXT, row, &answer)},
        {"accHitTest", o->accHitTest(1, 1, &answer)},
        {"accDoDefaultAction", o->accDoDefaultAction(row)},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(FAILED(c.result)) << c.method;
    }
    EXPECT_EQ(number, 0);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(answer.vt, VT_EMPTY);
    EXPECT_EQ(parentObject, nullptr);
    for (TextGetter getter : {&IAccessible::get_accName, &IAccessible::get_accDescription,
                              &IAccessible::get_accDefaultAction, &IAccessible::get_accValue}) {
        EXPECT_EQ(TextOf(o, getter, 1), L"<error>");
    }
}

}  // namespace

namespace {

// The header pane's object lists the shown titles; its default action is a title click.
TEST_F(Access, TheHeaderListsTheShownTitlesAndClicksThem) {
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 500, 204);
    ColumnSetup descending{80, GRID_CELL_NUMBER, GRID_EDITOR_NONE, "Size"};
    descending.flags = 2;  // sorts descending: its arrow points down
    ASSERT_TRUE(AddColumns(grid, {{100, GRID_CELL_TEXT, GRID_EDITOR_TEXT, "Name"},
                                  {0, GRID_CELL_TEXT, GRID_EDITOR_TEXT, "Hidden"},
                                  descending,
                                  {60, GRID_CELL_NUMBER, GRID_EDITOR_NONE, "A"},
                                  {20, GRID_CELL_VALUE, GRID_EDITOR_NONE, "Kind"}}));
    AccessibleRef header = AccessibleOf(HeaderPane(grid));
    ASSERT_NE(header, nullptr);
    LONG count = 0;
    EXPECT_EQ(header->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 3) << "the zero-wide column and the kind column do not show";
    EXPECT_EQ(RoleOf(header.get(), CHILDID_SELF), ROLE_SYSTEM_LIST);

    struct Case {
        LONG child;
        int x;  // in the header pane
        std::wstring name;
        std::wstring sorted;
    };
    const Case cases[] = {{1, 50, L"Name", L"ascending"},
                          {2, 140, L"Size", L"descending"},
                          {3, 210, L"A", L"ascending"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.child);
        EXPECT_EQ(RoleOf(header.get(), c.child), ROLE_SYSTEM_COLUMNHEADER);
        EXPECT_EQ(NameOf(header.get(), c.child), c.name);
        EXPECT_EQ(TextOf(header.get(), &IAccessible::get_accDefaultAction, c.child), L"Click");

        parent.Clear();
        const LPARAM point = MAKELPARAM(c.x, 5);
        SendMessageA(HeaderPane(grid), WM_MOUSEMOVE, 0, point);
        SendMessageA(HeaderPane(grid), WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(HeaderPane(grid), WM_LBUTTONUP, 0, point);
        const std::vector<GridNotify> clicked = parent.records;
        EXPECT_EQ(DescriptionOf(header.get(), c.child), c.sorted);
        parent.Clear();
        EXPECT_EQ(header->accDoDefaultAction(ChildVariant(c.child)), S_OK);
        ASSERT_EQ(parent.records.size(), 1u);
        ASSERT_EQ(clicked.size(), 1u);
        EXPECT_EQ(parent.records[0].code, static_cast<UINT>(GRN_HEADERCLICK));
        EXPECT_EQ(parent.records[0].column, clicked[0].column);
        EXPECT_EQ(parent.records[0].hwndChild, clicked[0].hwndChild);
        EXPECT_EQ(DescriptionOf(header.get(), c.child), c.sorted);
        for (const Case& other : cases) {
            if (other.child != c.child) {
                EXPECT_EQ(DescriptionOf(header.get(), other.child), L"<none>")
                    << "one arrow at a time";
            }
        }

        POINT middle = {c.x, 5};
        ClientToScreen(HeaderPane(grid), &middle);
        VARIANT hit;
        VariantInit(&hit);
        header->accHitTest(middle.x, middle.y, &hit);
        EXPECT_EQ(ChildIds(hit), std::vector<LONG>{c.child});
    }
    DestroyWindow(grid);
    EXPECT_EQ(NameOf(header.get(), 1), L"<error>");
}

}  // namespace
