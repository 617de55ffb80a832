// The accessible events a grid raises, as a WinEvent hook in the process sees them, in order:
// the focus and selection of a click, a Ctrl click and a key, a name change when a shown cell
// changes, and the reorder of a sort and of a clear; the selection of the keys of
// GRS_LISTCONVENTIONS.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "access_helpers.h"
#include "harness.h"
#include "input_helpers.h"
#include "list_input_fixture.h"
#include "real_input.h"

using namespace testing_support;

namespace {

struct Event {
    DWORD event;
    LONG child;
    bool operator==(const Event&) const = default;
};
void PrintTo(const Event& e, std::ostream* out) {
    *out << "{0x" << std::hex << e.event << std::dec << ", child " << e.child << "}";
}

// The events of one window's OBJID_CLIENT object, from the focus event to the name change,
// seen by a hook of this thread that runs in context.
class EventHook {
  public:
    explicit EventHook(HWND window) : window_(window) {
        current_ = this;
        hook_ = SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_NAMECHANGE,
                                GetModuleHandleW(nullptr), &EventHook::Receive,
                                GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_INCONTEXT);
    }
    ~EventHook() {
        UnhookWinEvent(hook_);
        current_ = nullptr;
    }
    EventHook(const EventHook&) = delete;
    EventHook& operator=(const EventHook&) = delete;

    bool hooked() const { return hook_ != nullptr; }
    std::vector<Event> events;

  private:
    static void CALLBACK Receive(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                                 DWORD, DWORD) {
        if (current_ != nullptr && window == current_->window_ && object == OBJID_CLIENT) {
            current_->events.push_back({event, child});
        }
    }

    static inline EventHook* current_ = nullptr;
    HWND window_;
    HWINEVENTHOOK hook_ = nullptr;
};

class AccessEvents : public ListInput {};

TEST_F(AccessEvents, ClicksKeysSortsAndCellChangesRaiseTheirEventsInOrder) {
    Make({2, 2, 2, 2, 2, 2});
    EventHook hook(grid);
    ASSERT_TRUE(hook.hooked());
    struct Case {
        const char* action;
        std::function<void()> act;
        std::vector<Event> events;
    };
    const Case cases[] = {
        {"click on row 4",
         [&] { Click(pane, RowPoint(grid, 4)); },
         {{EVENT_OBJECT_SELECTIONWITHIN, CHILDID_SELF},
          {EVENT_OBJECT_SELECTION, 5},
          {EVENT_OBJECT_FOCUS, 5}}},
        {"Ctrl click on row 4",
         [&] {
             HeldKeys held({VK_CONTROL});
             Click(pane, RowPoint(grid, 4));
         },
         {{EVENT_OBJECT_SELECTIONADD, 5}, {EVENT_OBJECT_FOCUS, 5}}},
        {"Ctrl click on the selected row 1",
         [&] {
             HeldKeys held({VK_CONTROL});
             Click(pane, RowPoint(grid, 1));
         },
         {{EVENT_OBJECT_SELECTIONREMOVE, 2}}},
        {"Down",
         [&] { KeyDown(pane, VK_DOWN, kScanDown | kExtended); },
         {{EVENT_OBJECT_SELECTIONWITHIN, CHILDID_SELF},
          {EVENT_OBJECT_SELECTION, 3},
          {EVENT_OBJECT_FOCUS, 3}}},
        {"a sort",
         [&] { Grid_Sort(grid, 2, GRID_SORT_DESCENDING); },
         {{EVENT_OBJECT_REORDER, CHILDID_SELF}}},
        {"a shown cell changes",
         [&] { Grid_SetCellText(grid, 1, 2, "changed"); },
         {{EVENT_OBJECT_NAMECHANGE, 3}}},
        {"the kind cell changes",
         [&] {
             const INT32 kind = 3;
             Grid_SetCellValue(grid, 5, 2, &kind);
         },
         {}},
        {"a clear", [&] { Grid_ClearRows(grid); }, {{EVENT_OBJECT_REORDER, CHILDID_SELF}}},
    };
    for (const Case& c : cases) {
        // Row 1 current and alone selected, the pane focused.
        SetFocus(pane);
        Grid_DeselectAll(grid);
        Grid_SetCurCell(grid, 0, 1);
        hook.events.clear();
        c.act();
        EXPECT_EQ(hook.events, c.events) << c.action;
    }
}

TEST_F(AccessEvents, KeysOfTheListConventionsRaiseTheSelectionEventsOfClicks) {
    DestroyWindow(grid);
    grid = CreateGrid(parent.hwnd(), 0, 0, 500, 204, GRS_LISTCONVENTIONS, 7);
    pane = ListPane(grid);
    Make({2, 2, 2, 2, 2, 2});
    EventHook hook(grid);
    ASSERT_TRUE(hook.hooked());
    const Event within = {EVENT_OBJECT_SELECTIONWITHIN, CHILDID_SELF};
    struct Case {
        std::vector<WORD> chord;
        std::vector<Event> events;
    };
    const Case cases[] = {
        {{VK_END}, {within, {EVENT_OBJECT_SELECTION, 6}, {EVENT_OBJECT_FOCUS, 6}}},
        {{VK_SHIFT, VK_DOWN}, {within, within, {EVENT_OBJECT_FOCUS, 3}}},
        {{VK_CONTROL, VK_DOWN}, {{EVENT_OBJECT_FOCUS, 3}}},
        {{VK_CONTROL, VK_SPACE}, {{EVENT_OBJECT_SELECTIONREMOVE, 2}}},
    };
    for (const Case& c : cases) {
        FocusForKeys(pane);
        Grid_DeselectAll(grid);
        Grid_SetCurCell(grid, 0, 1);
        hook.events.clear();
        c.chord.size() == 1 ? TypeChord({c.chord[0]}) : TypeChord({c.chord[0], c.chord[1]});
        EXPECT_EQ(hook.events, c.events) << c.chord.back();
    }
}

TEST_F(AccessEvents, TheCurrentRowIsReportedFocusedOnlyWhenThePaneHasTheFocus) {
    Make({2, 2, 2});
    EventHook hook(grid);
    ASSERT_TRUE(hook.hooked());
    SetFocus(parent.hwnd());
    Grid_DeselectAll(grid);
    hook.events.clear();
    Grid_SetCurCell(grid, 0, 2);
    EXPECT_EQ(hook.events, (std::vector<Event>{{EVENT_OBJECT_SELECTION, 3}}));
    hook.events.clear();
    SetFocus(pane);
    EXPECT_EQ(hook.events, (std::vector<Event>{{EVENT_OBJECT_FOCUS, 3}})) << "the focus arrives";

    SetFocus(parent.hwnd());
    Grid_ClearRows(grid);
    hook.events.clear();
    SetFocus(pane);
    EXPECT_EQ(hook.events, (std::vector<Event>{{EVENT_OBJECT_FOCUS, CHILDID_SELF}})) << "no rows";
}

}  // namespace
