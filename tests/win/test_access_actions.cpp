// What a screen reader does to rows (accSelect, accDoDefaultAction) is what the matching clicks
// do: the same notifications (less the button reports of a mouse), the same selection, the same
// current row, and the parent's vetoes hold alike.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>
#include <vector>

#include "access_helpers.h"
#include "harness.h"
#include "input_helpers.h"
#include "list_input_fixture.h"

using namespace testing_support;

namespace {

struct Outcome {
    std::vector<Note> notes;  // without GRN_BUTTON
    std::vector<UINT> selected;
    UINT current = 0;
    HRESULT result = S_OK;
};

class AccessActions : public ListInput {
  protected:
    // Row 1 current and alone selected, the pane focused; then `act`, and what followed.
    Outcome Run(const std::function<HRESULT()>& act) {
        SetFocus(pane);
        parent.vetoCodes.clear();
        Grid_DeselectAll(grid);
        Grid_SetCurCell(grid, 0, 1);
        parent.vetoCodes = veto;
        parent.Clear();
        Outcome outcome;
        outcome.result = act();
        for (const Note& note : Notes(parent.records)) {
            if (note.code != GRN_BUTTON) {
                outcome.notes.push_back(note);
            }
        }
        outcome.selected = SelectedRows(grid);
        outcome.current = Grid_GetCurRow(grid);
        parent.vetoCodes.clear();
        return outcome;
    }

    ComScope com;
    std::set<UINT> veto;
};

TEST_F(AccessActions, SelectingARowDoesWhatTheMatchingClickDoes) {
    Make({2, 2, 5, 2, 2, 2});
    AccessibleRef object = AccessibleOf(grid);
    ASSERT_NE(object, nullptr);
    struct Case {
        const char* gesture;
        int key;  // held during the click; 0 for none
        int row;
        LONG flags;
        std::set<UINT> veto;
    };
    const Case cases[] = {
        {"click", 0, 4, SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, {}},
        {"click on a kind-5 row", 0, 2, SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, {}},
        {"Ctrl click on an unselected row",
         {VK_CONTROL},
         4,
         SELFLAG_TAKEFOCUS | SELFLAG_ADDSELECTION,
         {}},
        {"Ctrl click on a selected row", VK_CONTROL, 1, SELFLAG_REMOVESELECTION, {}},
        {"Shift click", VK_SHIFT, 4, SELFLAG_TAKEFOCUS | SELFLAG_EXTENDSELECTION, {}},
        {"vetoed click", 0, 4, SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, {GRN_CELLCLICK}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gesture);
        veto = c.veto;
        const Outcome clicked = Run([&] {
            std::optional<HeldKeys> held;
            if (c.key != 0) {
                held.emplace(std::initializer_list<int>{c.key});
            }
            Click(pane, RowPoint(grid, c.row));
            return S_OK;
        });
        const Outcome selected =
            Run([&] { return object->accSelect(c.flags, ChildVariant(c.row + 1)); });
        EXPECT_EQ(selected.result, S_OK);
        EXPECT_FALSE(clicked.notes.empty());
        EXPECT_EQ(selected.notes, clicked.notes);
        EXPECT_EQ(selected.selected, clicked.selected);
        EXPECT_EQ(selected.current, clicked.current);
        EXPECT_EQ(GetFocus(), pane);
    }
}

TEST_F(AccessActions, TheDefaultActionOpensARowAsADoubleClickDoes) {
    Make({2, 2, 5, 2, 2, 2});
    AccessibleRef object = AccessibleOf(grid);
    ASSERT_NE(object, nullptr);
    for (const std::set<UINT>& vetoed : {std::set<UINT>{}, std::set<UINT>{GRN_CELLCLICK}}) {
        veto = vetoed;
        const Outcome doubleClicked = Run([&] {
            const LPARAM point = RowPoint(grid, 2);
            Click(pane, point);
            SendMessageA(pane, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
            Release(pane, point);
            return S_OK;
        });
        const Outcome opened = Run([&] { return object->accDoDefaultAction(ChildVariant(3)); });
        EXPECT_EQ(opened.notes, doubleClicked.notes) << vetoed.size();
        EXPECT_EQ(opened.selected, doubleClicked.selected);
        EXPECT_EQ(opened.current, doubleClicked.current);
    }
}

TEST_F(AccessActions, ContradictoryFlagsAndInertRowsChangeNothing) {
    Make({2, 2, 0});
    AccessibleRef object = AccessibleOf(grid);
    ASSERT_NE(object, nullptr);
    struct Case {
        LONG flags;
        LONG child;
        HRESULT result;
    };
    const Case cases[] = {
        {SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION, 1, E_INVALIDARG},
        {SELFLAG_TAKESELECTION | SELFLAG_EXTENDSELECTION, 1, E_INVALIDARG},
        {0x100, 1, E_INVALIDARG},
        {SELFLAG_TAKESELECTION, 4, E_INVALIDARG},  // no such row
        {SELFLAG_TAKESELECTION, 3, S_FALSE},       // an inert row takes no selection
    };
    for (const Case& c : cases) {
        const Outcome outcome =
            Run([&] { return object->accSelect(c.flags, ChildVariant(c.child)); });
        EXPECT_EQ(outcome.result, c.result) << c.flags << " on " << c.child;
        EXPECT_EQ(outcome.notes, std::vector<Note>{});
        EXPECT_EQ(outcome.selected, std::vector<UINT>{1});
    }
}

}  // namespace
