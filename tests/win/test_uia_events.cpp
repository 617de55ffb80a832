// The UI Automation events a grid raises, each change heard once, as a listening client would
// hear them: the platform here has no listener to offer (UiaClientsAreListening answers FALSE),
// so the control's events tap (a window named in the environment before the first event) stands
// in for the core and receives every event with its element.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "access/uia_core.h"
#include "harness.h"
#include "input_helpers.h"
#include "list_input_fixture.h"
#include "real_input.h"
#include "uia_helpers.h"

using namespace testing_support;

namespace {

// An event as heard: its identifier and its element ("grid", "row 3", "cell 0,2").
struct Heard {
    int event;
    std::string element;
    bool operator==(const Heard&) const = default;
};
void PrintTo(const Heard& heard, std::ostream* out) {
    *out << "{" << heard.event << ", " << heard.element << "}";
}

std::string Describe(IRawElementProviderSimple* element) {
    const std::vector<int> id = RuntimeId(element);
    if (id.empty()) {
        return "grid";
    }
    if (id.size() < 4) {
        return "?";
    }
    if (id[1] == 4) {
        return "row " + std::to_string(id[3]);
    }
    return "cell " + std::to_string(id[2]) + "," + std::to_string(id[3]);
}

// The tap's window: a message-only window of this thread, named to the control before any
// grid raises its first event.
class Tap : public testing::Environment {
  public:
    void SetUp() override {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &Tap::Receive;
        windowClass.lpszClassName = L"UiaEventTap";
        RegisterClassW(&windowClass);
        window_ = CreateWindowW(L"UiaEventTap", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                nullptr);
        message_ = RegisterWindowMessageW(vorlane::kUiaEventTapMessage);
        SetEnvironmentVariableW(vorlane::kUiaEventTapVariable,
                                std::to_wstring(reinterpret_cast<uintptr_t>(window_)).c_str());
    }
    void TearDown() override { DestroyWindow(window_); }
    static inline std::vector<Heard> heard;

  private:
    static LRESULT CALLBACK Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == message_ && message_ != 0) {
            heard.push_back({static_cast<int>(wParam),
                             Describe(reinterpret_cast<IRawElementProviderSimple*>(lParam))});
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    static inline HWND window_ = nullptr;
    static inline UINT message_ = 0;
};
const testing::Environment* const kTap = testing::AddGlobalTestEnvironment(new Tap);

class UiaEvents : public ListInput {};

TEST_F(UiaEvents, EachChangeIsHeardOnceWithItsElement) {
    Make({3, 3, 3, 3, 3, 3});
    ComScope com;
    ElementRef root = UiaRoot(grid);
    ASSERT_TRUE(root);
    const auto cell = [&](int row, int column) {
        auto table = Pattern<vorlane::IGridProvider>(root.get(), UIA_GridPatternId);
        IRawElementProviderSimple* item = nullptr;
        table->GetItem(row, column, &item);
        return ElementRef(item);
    };
    const auto rowItem = [&](int row) {
        return Pattern<vorlane::ISelectionItemProvider>(
            Go(cell(row, 0).get(), NavigateDirection_Parent).get(), UIA_SelectionItemPatternId);
    };
    constexpr int kFocus = vorlane::kFocusChangedEvent;
    constexpr int kSelected = vorlane::kElementSelectedEvent;
    constexpr int kInvalidated = vorlane::kSelectionInvalidatedEvent;
    struct Case {
        const char* action;
        std::function<void()> act;
        std::vector<Heard> heard;
    };
    const Case cases[] = {
        {"Down", [&] { TypeChord({VK_DOWN}); }, {{kSelected, "row 2"}, {kFocus, "row 2"}}},
        {"a reader selects row 3 alone of three",
         [&] {
             rowItem(4)->AddToSelection();
             rowItem(5)->AddToSelection();
             Tap::heard.clear();
             rowItem(3)->Select();
         },
         {{kSelected, "row 3"}, {kFocus, "row 3"}}},
        {"a reader adds row 4",
         [&] { rowItem(4)->AddToSelection(); },
         {{vorlane::kElementAddedToSelectionEvent, "row 4"}, {kFocus, "row 4"}}},
        {"a reader removes row 1",
         [&] { rowItem(1)->RemoveFromSelection(); },
         {{vorlane::kElementRemovedFromSelectionEvent, "row 1"}}},
        {"select all", [&] { Grid_SelectAll(grid); }, {{kInvalidated, "grid"}}},
        {"a reader writes a value",
         [&] {
             auto value = Pattern<vorlane::IValueProvider>(cell(2, 0).get(), UIA_ValuePatternId);
             value->SetValue(L"renamed");
         },
         {{UIA_ValueValuePropertyId, "cell 0,2"}}},
        {"a cell written by the application",
         [&] { Grid_SetCellText(grid, 1, 3, "changed"); },
         {{UIA_ValueValuePropertyId, "cell 1,3"}}},
        {"the kind cell changes",
         [&] {
             const INT32 kind = 2;
             Grid_SetCellValue(grid, 5, 2, &kind);
         },
         {}},
        {"a sort",
         [&] { Grid_Sort(grid, 2, GRID_SORT_DESCENDING); },
         {{vorlane::kStructureChangedEvent, "grid"}}},
        {"a new row count",
         [&] { Grid_ClearRows(grid); },
         {{vorlane::kStructureChangedEvent, "grid"}}},
    };
    FocusForKeys(pane);
    for (const Case& c : cases) {
        // Row 1 current and alone selected, the pane focused.
        Grid_DeselectAll(grid);
        Grid_SetCurCell(grid, 0, 1);
        Tap::heard.clear();
        c.act();
        EXPECT_EQ(Tap::heard, c.heard) << c.action;
    }
}

// A check cell's toggle, by a reader or by Space, is heard as its new state, once.
TEST_F(UiaEvents, AToggleIsHeardAsTheCheckCellsNewState) {
    ASSERT_TRUE(AddColumns(grid, {{100, GRID_CELL_TEXT, GRID_EDITOR_TEXT, "Name"},
                                  {40, GRID_CELL_CHECK, GRID_EDITOR_NONE, "Keep"},
                                  {0, GRID_CELL_VALUE, GRID_EDITOR_NONE, nullptr}}));
    GridValue values[3] = {reinterpret_cast<GridValue>("a"), 0, 3};
    Grid_AddRow(grid, values);
    Grid_AddRow(grid, values);
    ComScope com;
    ElementRef root = UiaRoot(grid);
    auto table = Pattern<vorlane::IGridProvider>(root.get(), UIA_GridPatternId);
    IRawElementProviderSimple* item = nullptr;
    ASSERT_EQ(table->GetItem(1, 1, &item), S_OK);
    ElementRef box(item);
    const std::vector<Heard> toggled = {{UIA_ToggleToggleStatePropertyId, "cell 1,1"}};
    Tap::heard.clear();
    Pattern<vorlane::IToggleProvider>(box.get(), UIA_TogglePatternId)->Toggle();
    EXPECT_EQ(Tap::heard, toggled);
    FocusForKeys(pane);
    Grid_SetCurCell(grid, 0, 1);
    Tap::heard.clear();
    TypeChord({VK_SPACE});
    std::vector<Heard> toggles;
    for (const Heard& heard : Tap::heard) {
        if (heard.event == UIA_ToggleToggleStatePropertyId) {
            toggles.push_back(heard);
        }
    }
    EXPECT_EQ(toggles, toggled);
}

}  // namespace
