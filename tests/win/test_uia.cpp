// The grid read through UI Automation, on both classes: what the platform's core reads of the
// window, the tree and its properties, and each pattern called as a client calls it, with the
// notifications its action sends; bad arguments and elements whose rows are gone.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "harness.h"
#include "owner_rows_parent.h"
#include "uia_helpers.h"

using namespace testing_support;

namespace {

using N = NavigateDirection;

struct Column {
    const wchar_t* title;
    int width;
    int cellKind;
    int editorKind;
};
// Name (editable), Note (read-only), Size (editable number), Done (check), the kind column.
const Column kColumns[] = {{L"Name", 100, GRID_CELL_TEXT, GRID_EDITOR_TEXT},
                           {L"Note", 80, GRID_CELL_TEXT, GRID_EDITOR_NONE},
                           {L"Size", 60, GRID_CELL_NUMBER, GRID_EDITOR_NUMBER},
                           {L"Done", 40, GRID_CELL_CHECK, GRID_EDITOR_NONE},
                           {nullptr, 0, GRID_CELL_VALUE, GRID_EDITOR_NONE}};
struct Row {
    const wchar_t* name;
    const wchar_t* note;
    INT32 size;
    INT32 done;
};
const Row kRows[] = {{L"alpha", L"first", 10, 1},
                     {L"beta", L"", 20, 0},
                     {L"gamma\u00e9", L"third", 30, 2},
                     {L"delta", L"fourth", 40, 0}};

// A grid of either class with the columns and rows above, named by its window text.
class UiaGrid : public testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        wide = GetParam();
        grid = wide ? CreateGridW(parent.hwnd(), 0, 0, 400, 200)
                    : CreateGrid(parent.hwnd(), 0, 0, 400, 200);
        SetWindowTextW(grid, L"Files");
        for (const Column& column : kColumns) {
            std::string narrow = Narrow(column.title);
            ColumnDesc desc = {};
            desc.width = column.width;
            desc.cellKind = column.cellKind;
            desc.editorKind = column.editorKind;
            desc.title =
                column.title == nullptr
                    ? nullptr
                    : (wide ? reinterpret_cast<const char*>(column.title) : narrow.c_str());
            ASSERT_EQ(SendMessageW(grid, GRM_ADDCOLUMN, 0, reinterpret_cast<LPARAM>(&desc)), 0);
        }
        for (const Row& row : kRows) {
            std::string name = Narrow(row.name);
            std::string note = Narrow(row.note);
            GridValue values[5] = {wide ? reinterpret_cast<GridValue>(row.name)
                                        : reinterpret_cast<GridValue>(name.c_str()),
                                   wide ? reinterpret_cast<GridValue>(row.note)
                                        : reinterpret_cast<GridValue>(note.c_str()),
                                   row.size, row.done, 3};
            ASSERT_GE(SendMessageW(grid, GRM_ADDROW, 0, reinterpret_cast<LPARAM>(values)), 0);
        }
        root = UiaRoot(grid);
        ASSERT_TRUE(root);
        parent.Clear();
    }
    static std::string Narrow(const wchar_t* text) {
        if (text == nullptr) {
            return {};
        }
        char bytes[256] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, bytes, sizeof(bytes), nullptr, nullptr);
        return bytes;
    }
    ElementRef Cell(int row, int column) {
        auto table = Pattern<vorlane::IGridProvider>(root.get(), UIA_GridPatternId);
        IRawElementProviderSimple* item = nullptr;
        return table && SUCCEEDED(table->GetItem(row, column, &item)) ? ElementRef(item) : nullptr;
    }
    ElementRef RowElement(int row) { return Go(Cell(row, 0).get(), NavigateDirection_Parent); }
    std::wstring CellText(UINT column, UINT row) {
        WCHAR text[256] = {};
        if (wide) {
            Grid_GetCellW(grid, column, row, text);
            return text;
        }
        char bytes[256] = {};
        Grid_GetCell(grid, column, row, bytes);
        MultiByteToWideChar(CP_ACP, 0, bytes, -1, text, 256);
        return text;
    }

    ComScope com;
    RecordingParent parent;
    bool wide = false;
    HWND grid = nullptr;
    ElementRef root;
};

// What the platform's core reads, asking the control and its list pane.
TEST_P(UiaGrid, TheCoreReadsTheGridAsADataGridNamedAsItsWindowFromTheControlAndItsListPane) {
    for (HWND window : {grid, ListPane(grid)}) {
        const CoreRead type = CoreProperty(window, UIA_ControlTypePropertyId);
        EXPECT_EQ(type.result, S_OK);
        EXPECT_EQ(type.number, vorlane::kDataGridControl);
        const CoreRead name = CoreProperty(window, UIA_NamePropertyId);
        EXPECT_EQ(name.result, S_OK);
        EXPECT_EQ(name.text, L"Files");
    }
}

// The tree, each element reached from the grid by a path, with its control type and name.
TEST_P(UiaGrid, EveryElementHasItsControlTypeAndTheNameAReaderSays) {
    const struct {
        std::vector<N> path;
        long type;
        std::wstring name;
    } cases[] = {
        {{}, vorlane::kDataGridControl, L"Files"},
        {{NavigateDirection_FirstChild}, vorlane::kHeaderControl, L"<empty>"},
        {{NavigateDirection_FirstChild, NavigateDirection_FirstChild},
         vorlane::kHeaderItemControl,
         L"Name"},
        {{NavigateDirection_FirstChild, NavigateDirection_LastChild},
         vorlane::kHeaderItemControl,
         L"Done"},
        {{NavigateDirection_FirstChild, NavigateDirection_NextSibling},
         vorlane::kDataItemControl,
         L"alpha"},
        {{NavigateDirection_LastChild}, vorlane::kDataItemControl, L"delta"},
        {{NavigateDirection_LastChild, NavigateDirection_PreviousSibling},
         vorlane::kDataItemControl,
         L"gamma\u00e9"},
        {{NavigateDirection_LastChild, NavigateDirection_FirstChild},
         vorlane::kEditControl,
         L"delta"},
        {{NavigateDirection_LastChild, NavigateDirection_FirstChild, NavigateDirection_NextSibling},
         vorlane::kTextControl,
         L"fourth"},
        {{NavigateDirection_LastChild, NavigateDirection_LastChild},
         vorlane::kCheckBoxControl,
         L"<error>"},
    };
    for (const auto& c : cases) {
        ElementRef element = As<IRawElementProviderSimple>(root.get());
        for (const N step : c.path) {
            element = Go(element.get(), step);
        }
        ASSERT_TRUE(element) << c.path.size();
        EXPECT_EQ(IntProperty(element.get(), UIA_ControlTypePropertyId), c.type) << c.path.size();
        if (c.type != vorlane::kCheckBoxControl) {
            EXPECT_EQ(TextProperty(element.get(), UIA_NamePropertyId), c.name);
        }
    }
    // A row says its other columns as the Active Accessibility object describes them.
    EXPECT_EQ(TextProperty(RowElement(0).get(), UIA_HelpTextPropertyId),
              DescriptionOf(AccessibleOf(grid).get(), 1));
}

// Navigation is symmetric over the whole tree, and the grid leads nowhere past its window.
TEST_P(UiaGrid, NavigationIsSymmetricAndTheRootGoesNowhereButDown) {
    for (const N direction : {NavigateDirection_Parent, NavigateDirection_NextSibling,
                              NavigateDirection_PreviousSibling}) {
        EXPECT_FALSE(Go(root.get(), direction));
    }
    std::vector<ElementRef> level;
    level.push_back(As<IRawElementProviderSimple>(root.get()));
    int visited = 0;
    while (!level.empty()) {
        std::vector<ElementRef> below;
        for (ElementRef& parentElement : level) {
            ElementRef child = Go(parentElement.get(), NavigateDirection_FirstChild);
            ElementRef previous;
            while (child) {
                ++visited;
                EXPECT_EQ(RuntimeId(Go(child.get(), NavigateDirection_Parent).get()),
                          RuntimeId(parentElement.get()));
                if (previous) {
                    EXPECT_EQ(RuntimeId(Go(child.get(), NavigateDirection_PreviousSibling).get()),
                              RuntimeId(previous.get()));
                    EXPECT_EQ(RuntimeId(Go(previous.get(), NavigateDirection_NextSibling).get()),
                              RuntimeId(child.get()));
                }
                ElementRef next = Go(child.get(), NavigateDirection_NextSibling);
                if (!next) {
                    EXPECT_EQ(RuntimeId(Go(parentElement.get(), NavigateDirection_LastChild).get()),
                              RuntimeId(child.get()));
                }
                previous = As<IRawElementProviderSimple>(child.get());
                below.push_back(std::move(child));
                child = std::move(next);
            }
        }
        level = std::move(below);
    }
    EXPECT_EQ(visited, 1 + 4 + 4 + 4 * 4);  // header, titles, rows, cells
}

// The Grid and Table patterns: counts in display order without hidden columns, items, headers.
TEST_P(UiaGrid, TheGridPatternCountsShownColumnsAndGivesCellsByDisplayPlace) {
    auto table = Pattern<vorlane::IGridProvider>(root.get(), UIA_GridPatternId);
    ASSERT_TRUE(table);
    UINT order[4] = {2, 0, 1, 3};
    ASSERT_NE(SendMessageW(grid, GRM_SETCOLORDER, 4, reinterpret_cast<LPARAM>(order)), 0);
    Grid_SetColHidden(grid, 1, TRUE);
    const struct {
        int row;
        int column;
        HRESULT result;
        std::wstring name;
    } cases[] = {{0, 0, S_OK, L"10"},       {0, 1, S_OK, L"alpha"},    {3, 1, S_OK, L"delta"},
                 {4, 0, E_INVALIDARG, L""}, {0, 3, E_INVALIDARG, L""}, {-1, 0, E_INVALIDARG, L""}};
    for (const auto& c : cases) {
        IRawElementProviderSimple* item = nullptr;
        EXPECT_EQ(table->GetItem(c.row, c.column, &item), c.result) << c.row << "," << c.column;
        ElementRef held(item);
        if (c.result == S_OK) {
            EXPECT_EQ(TextProperty(item, UIA_NamePropertyId), c.name);
            auto place = Pattern<vorlane::IGridItemProvider>(item, UIA_GridItemPatternId);
            int row = -1;
            int column = -1;
            place->get_Row(&row);
            place->get_Column(&column);
            EXPECT_EQ(row, c.row);
            EXPECT_EQ(column, c.column);
        }
    }
    int rows = 0;
    int columns = 0;
    table->get_RowCount(&rows);
    table->get_ColumnCount(&columns);
    EXPECT_EQ(rows, 4);
    EXPECT_EQ(columns, 3);
    auto headers = Pattern<vorlane::ITableProvider>(root.get(), UIA_TablePatternId);
    SAFEARRAY* titles = nullptr;
    ASSERT_EQ(headers->GetColumnHeaders(&titles), S_OK);
    EXPECT_EQ(NamesOf(titles), (std::vector<std::wstring>{L"Size", L"Name", L"Done"}));
    ElementRef cell = Cell(2, 1);
    auto item = Pattern<vorlane::ITableItemProvider>(cell.get(), UIA_TableItemPatternId);
    ASSERT_EQ(item->GetColumnHeaderItems(&titles), S_OK);
    EXPECT_EQ(NamesOf(titles), (std::vector<std::wstring>{L"Name"}));
    EXPECT_EQ(table->GetItem(0, 0, nullptr), E_INVALIDARG);
}

// Selection and SelectionItem: as clicks select, the grid's selection lists the rows.
TEST_P(UiaGrid, SelectionItemsSelectAddAndRemoveAsClicksDo) {
    const struct {
        int row;
        HRESULT (STDMETHODCALLTYPE vorlane::ISelectionItemProvider::*action)();
        std::vector<UINT> selected;
    } cases[] = {{1, &vorlane::ISelectionItemProvider::Select, {1}},
                 {3, &vorlane::ISelectionItemProvider::AddToSelection, {1, 3}},
                 {0, &vorlane::ISelectionItemProvider::Select, {0}},
                 {2, &vorlane::ISelectionItemProvider::AddToSelection, {0, 2}},
                 {0, &vorlane::ISelectionItemProvider::RemoveFromSelection, {2}}};
    for (const auto& c : cases) {
        ElementRef row = RowElement(c.row);
        auto item = Pattern<vorlane::ISelectionItemProvider>(row.get(), UIA_SelectionItemPatternId);
        ASSERT_TRUE(item);
        EXPECT_EQ(((*item).*c.action)(), S_OK);
        BOOL selected = FALSE;
        item->get_IsSelected(&selected);
        EXPECT_EQ(selected != FALSE,
                  c.action != &vorlane::ISelectionItemProvider::RemoveFromSelection);
        auto selection = Pattern<vorlane::ISelectionProvider>(root.get(), UIA_SelectionPatternId);
        SAFEARRAY* items = nullptr;
        ASSERT_EQ(selection->GetSelection(&items), S_OK);
        std::vector<std::wstring> expected;
        for (const UINT at : c.selected) {
            expected.push_back(kRows[at].name);
        }
        EXPECT_EQ(NamesOf(items), expected) << c.row;
    }
}

// Value: what a cell shows; written as an edit writes it (the parent asked first, its veto
// heard), refused for a column without an editor.
TEST_P(UiaGrid, ValueReadsTheCellAndWritesItAsAnEditDoes) {
    const struct {
        int row;
        int column;  // display place
        const wchar_t* value;
        bool veto;
        HRESULT result;
        std::wstring after;
    } cases[] = {{0, 0, L"omega", false, S_OK, L"omega"},
                 {1, 0, L"never", true, E_FAIL, L"beta"},
                 {0, 1, L"note", false, vorlane::kElementNotEnabled, L"first"},
                 {2, 2, L"4200", false, S_OK, L"4,200"},
                 {2, 2, L"12x", false, E_INVALIDARG, L"4,200"},
                 {3, 2, L"5,100", false, S_OK, L"5,100"},
                 {0, 0, nullptr, false, E_INVALIDARG, L"omega"}};
    for (const auto& c : cases) {
        ElementRef cell = Cell(c.row, c.column);
        auto value = Pattern<vorlane::IValueProvider>(cell.get(), UIA_ValuePatternId);
        ASSERT_TRUE(value);
        parent.vetoCodes = c.veto ? std::set<UINT>{GRN_CELLCHANGING} : std::set<UINT>{};
        parent.Clear();
        EXPECT_EQ(value->SetValue(c.value), c.result);
        BSTR now = nullptr;
        ASSERT_EQ(value->get_Value(&now), S_OK);
        EXPECT_EQ(std::wstring(now), c.after);
        SysFreeString(now);
        const bool asked = c.result == S_OK || c.veto;
        EXPECT_EQ(parent.OfCode(GRN_CELLCHANGING).size(), asked ? 1u : 0u);
    }
    EXPECT_EQ(CellText(0, 0), L"omega");
    BOOL readOnly = FALSE;
    auto note = Pattern<vorlane::IValueProvider>(Cell(0, 1).get(), UIA_ValuePatternId);
    note->get_IsReadOnly(&readOnly);
    EXPECT_TRUE(readOnly);
}

// Toggle on a check cell: the same write as a click on its box; no Value there.
TEST_P(UiaGrid, ToggleOnACheckCellWritesItAsAClickOnTheBoxDoes) {
    const struct {
        int row;
        bool veto;
        vorlane::UiaToggleState before;
        vorlane::UiaToggleState after;
    } cases[] = {{0, false, vorlane::UiaToggleState::On, vorlane::UiaToggleState::Off},
                 {1, false, vorlane::UiaToggleState::Off, vorlane::UiaToggleState::On},
                 {2, false, vorlane::UiaToggleState::Indeterminate, vorlane::UiaToggleState::On},
                 {3, true, vorlane::UiaToggleState::Off, vorlane::UiaToggleState::Off}};
    for (const auto& c : cases) {
        ElementRef cell = Cell(c.row, 3);
        EXPECT_FALSE(Pattern<vorlane::IValueProvider>(cell.get(), UIA_ValuePatternId));
        auto toggle = Pattern<vorlane::IToggleProvider>(cell.get(), UIA_TogglePatternId);
        ASSERT_TRUE(toggle);
        vorlane::UiaToggleState state{};
        toggle->get_ToggleState(&state);
        EXPECT_EQ(state, c.before) << c.row;
        parent.vetoCodes = c.veto ? std::set<UINT>{GRN_CELLCHANGING} : std::set<UINT>{};
        parent.Clear();
        EXPECT_EQ(toggle->Toggle(), S_OK);
        toggle->get_ToggleState(&state);
        EXPECT_EQ(state, c.after) << c.row;
        EXPECT_EQ(parent.Codes(), c.veto ? std::vector<UINT>{GRN_CELLCHANGING}
                                         : (std::vector<UINT>{GRN_CELLCHANGING, GRN_CELLCHANGED}));
    }
}

// Invoke: a row is activated as a double click activates it, a title clicked as a click does.
TEST_P(UiaGrid, InvokeActivatesARowAndClicksATitle) {
    ElementRef row = RowElement(2);
    auto invoke = Pattern<vorlane::IInvokeProvider>(row.get(), UIA_InvokePatternId);
    ASSERT_TRUE(invoke);
    EXPECT_EQ(invoke->Invoke(), S_OK);
    EXPECT_EQ(Grid_GetCurRow(grid), 2u);
    const std::vector<GridNotify> clicks = parent.OfCode(GRN_CELLCLICK);
    ASSERT_FALSE(clicks.empty());
    EXPECT_EQ(clicks.back().row, 2u);
    parent.Clear();
    ElementRef title =
        Go(Go(root.get(), NavigateDirection_FirstChild).get(), NavigateDirection_LastChild);
    auto click = Pattern<vorlane::IInvokeProvider>(title.get(), UIA_InvokePatternId);
    ASSERT_TRUE(click);
    EXPECT_EQ(click->Invoke(), S_OK);
    const std::vector<GridNotify> headers = parent.OfCode(GRN_HEADERCLICK);
    ASSERT_EQ(headers.size(), 1u);
    EXPECT_EQ(headers[0].column, 3u);
}

// Scroll and ScrollItem: a row far down is brought into view, where it is no longer virtual.
TEST_P(UiaGrid, ScrollItemBringsARowIntoViewAndScrollPercentMovesTheView) {
    GridValue values[5] = {0, 0, 1, 0, 3};
    for (int i = 0; i < 200; ++i) {
        SendMessageW(grid, GRM_ADDROW, 0, reinterpret_cast<LPARAM>(values));
    }
    auto scroll = Pattern<vorlane::IScrollProvider>(root.get(), UIA_ScrollPatternId);
    ASSERT_TRUE(scroll);
    const struct {
        double down;
        HRESULT result;
        double after;
    } cases[] = {{100.0, S_OK, 100.0},
                 {0.0, S_OK, 0.0},
                 {150.0, E_INVALIDARG, 0.0},
                 {-5.0, E_INVALIDARG, 0.0}};
    for (const auto& c : cases) {
        EXPECT_EQ(scroll->SetScrollPercent(vorlane::kNoScroll, c.down), c.result);
        double percent = -2;
        scroll->get_VerticalScrollPercent(&percent);
        EXPECT_DOUBLE_EQ(percent, c.after) << c.down;
    }
    ElementRef distant = RowElement(150);
    EXPECT_EQ(IntProperty(distant.get(), UIA_IsOffscreenPropertyId), 1);
    EXPECT_TRUE(
        Pattern<vorlane::IVirtualizedItemProvider>(distant.get(), UIA_VirtualizedItemPatternId));
    auto item = Pattern<vorlane::IScrollItemProvider>(distant.get(), UIA_ScrollItemPatternId);
    EXPECT_EQ(item->ScrollIntoView(), S_OK);
    EXPECT_EQ(IntProperty(distant.get(), UIA_IsOffscreenPropertyId), 0);
    EXPECT_FALSE(
        Pattern<vorlane::IVirtualizedItemProvider>(distant.get(), UIA_VirtualizedItemPatternId));
    EXPECT_EQ(scroll->Scroll(static_cast<vorlane::UiaScrollAmount>(9),
                             vorlane::UiaScrollAmount::NoAmount),
              E_INVALIDARG);
}

// Elements outlive what they name: a row gone, a new row order, the grid destroyed.
TEST_P(UiaGrid, ElementsOfRowsGoneAnswerNotAvailableAndNullOutPointersInvalidArgument) {
    ElementRef last = RowElement(3);
    ElementRef cell = Cell(0, 0);
    ElementRef title =
        Go(Go(root.get(), NavigateDirection_FirstChild).get(), NavigateDirection_FirstChild);
    EXPECT_EQ(root->GetPropertyValue(UIA_NamePropertyId, nullptr), E_INVALIDARG);
    EXPECT_EQ(
        As<IRawElementProviderFragment>(cell.get())->Navigate(NavigateDirection_Parent, nullptr),
        E_INVALIDARG);
    EXPECT_EQ(As<IRawElementProviderFragment>(cell.get())->GetRuntimeId(nullptr), E_INVALIDARG);
    EXPECT_EQ(Pattern<vorlane::IValueProvider>(cell.get(), UIA_ValuePatternId)->get_Value(nullptr),
              E_INVALIDARG);
    const std::vector<int> titleId = RuntimeId(title.get());
    const std::vector<int> lastId = RuntimeId(last.get());
    EXPECT_EQ(RuntimeId(RowElement(3).get()), lastId);  // stable while the row keeps its place
    EXPECT_NE(lastId, RuntimeId(RowElement(2).get()));
    Grid_Sort(grid, 0, 0);  // a new order: the rows' elements are retired, the titles' are not
    EXPECT_EQ(TextProperty(last.get(), UIA_NamePropertyId), L"<error>");
    VARIANT value;
    EXPECT_EQ(last->GetPropertyValue(UIA_NamePropertyId, &value), kNotAvailable);
    EXPECT_EQ(TextProperty(title.get(), UIA_NamePropertyId), L"Name");
    EXPECT_FALSE(titleId.empty());
    EXPECT_EQ(RuntimeId(Go(Go(root.get(), N::NavigateDirection_FirstChild).get(),
                           N::NavigateDirection_FirstChild)
                            .get()),
              titleId);
    EXPECT_NE(RuntimeId(RowElement(3).get()), lastId);
    ElementRef fresh = RowElement(3);
    EXPECT_NE(RuntimeId(fresh.get()), std::vector<int>{});
    DestroyWindow(grid);
    for (IRawElementProviderSimple* element : {root.get(), fresh.get(), title.get()}) {
        EXPECT_EQ(element->GetPropertyValue(UIA_NamePropertyId, &value), kNotAvailable);
        IRawElementProviderFragment* found = nullptr;
        EXPECT_EQ(As<IRawElementProviderFragment>(element)->Navigate(NavigateDirection_FirstChild,
                                                                     &found),
                  kNotAvailable);
    }
    auto gone = Pattern<vorlane::IGridProvider>(root.get(), UIA_GridPatternId);
    EXPECT_FALSE(gone);
}

// ItemContainer: the next row after another (or from the first), by name, by selection.
TEST_P(UiaGrid, TheItemContainerFindsRowsAfterAnotherByNameAndBySelection) {
    auto container =
        Pattern<vorlane::IItemContainerProvider>(root.get(), UIA_ItemContainerPatternId);
    ASSERT_TRUE(container);
    Grid_SelectAll(grid);
    auto unselect =
        Pattern<vorlane::ISelectionItemProvider>(RowElement(1).get(), UIA_SelectionItemPatternId);
    unselect->RemoveFromSelection();
    VARIANT nothing;
    VariantInit(&nothing);
    VARIANT name;
    name.vt = VT_BSTR;
    name.bstrVal = SysAllocString(L"delta");
    VARIANT selected;
    selected.vt = VT_BOOL;
    selected.boolVal = VARIANT_FALSE;
    VARIANT other;
    other.vt = VT_I4;
    other.lVal = 7;
    const struct {
        int after;  // -1: from the first row
        PROPERTYID property;
        const VARIANT* value;
        HRESULT result;
        std::wstring found;
    } cases[] = {{-1, 0, &nothing, S_OK, L"alpha"},
                 {2, 0, &nothing, S_OK, L"delta"},
                 {3, 0, &nothing, S_OK, L"<none>"},
                 {-1, UIA_NamePropertyId, &name, S_OK, L"delta"},
                 {3, UIA_NamePropertyId, &name, S_OK, L"<none>"},
                 {-1, UIA_SelectionItemIsSelectedPropertyId, &selected, S_OK, L"beta"},
                 {1, UIA_SelectionItemIsSelectedPropertyId, &selected, S_OK, L"<none>"},
                 {-1, UIA_NamePropertyId, &other, E_INVALIDARG, L"<none>"},
                 {-1, UIA_HelpTextPropertyId, &name, E_INVALIDARG, L"<none>"}};
    for (const auto& c : cases) {
        ElementRef start = c.after < 0 ? nullptr : RowElement(c.after);
        IRawElementProviderSimple* found = nullptr;
        EXPECT_EQ(container->FindItemByProperty(start.get(), c.property, *c.value, &found),
                  c.result);
        ElementRef held(found);
        EXPECT_EQ(found == nullptr ? L"<none>" : TextProperty(found, UIA_NamePropertyId), c.found)
            << c.after << " " << c.property;
    }
    // A start that is no row of this grid is refused.
    IRawElementProviderSimple* found = nullptr;
    EXPECT_EQ(container->FindItemByProperty(Cell(0, 0).get(), 0, nothing, &found), E_INVALIDARG);
    EXPECT_EQ(container->FindItemByProperty(nullptr, 0, nothing, nullptr), E_INVALIDARG);
    VariantClear(&name);
}

// A parent that destroys the control inside the notification an action sends: the action
// answers that its element is gone, and nothing reads the freed grid.
TEST_P(UiaGrid, AParentThatDestroysTheControlInsideAnActionsNotificationMakesItNotAvailable) {
    const struct {
        const char* action;
        UINT code;
        std::function<HRESULT()> act;
    } cases[] = {
        {"value", GRN_CELLCHANGING,
         [&] {
             return Pattern<vorlane::IValueProvider>(Cell(0, 0).get(), UIA_ValuePatternId)
                 ->SetValue(L"x");
         }},
        {"toggle", GRN_CELLCHANGING,
         [&] {
             return Pattern<vorlane::IToggleProvider>(Cell(1, 3).get(), UIA_TogglePatternId)
                 ->Toggle();
         }},
        {"invoke", GRN_CELLCLICK,
         [&] {
             return Pattern<vorlane::IInvokeProvider>(RowElement(2).get(), UIA_InvokePatternId)
                 ->Invoke();
         }},
        {"select", GRN_CELLCLICK,
         [&] {
             return Pattern<vorlane::ISelectionItemProvider>(RowElement(3).get(),
                                                             UIA_SelectionItemPatternId)
                 ->Select();
         }},
    };
    for (const auto& c : cases) {
        SetUp();
        parent.onNotify = [&](GridNotify& record) {
            if (record.code == c.code) {
                DestroyWindow(grid);
            }
        };
        EXPECT_NE(c.act(), S_OK) << c.action;
        EXPECT_FALSE(IsWindow(grid)) << c.action;
        VARIANT value;
        EXPECT_EQ(root->GetPropertyValue(UIA_NamePropertyId, &value), kNotAvailable);
        parent.onNotify = nullptr;
    }
}

INSTANTIATE_TEST_SUITE_P(BothClasses, UiaGrid, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Unicode" : "Ansi";
                         });

// A client walks every row of a grid of 1,000,000 owner-data rows, one "next item" after
// another, each element let go before the next: the rows in view are real, the others virtual,
// and the walk costs no memory that grows with the rows.
TEST(UiaOwnerData, AWalkOfAMillionRowsThroughTheItemContainerStaysInBoundedMemory) {
    ComScope com;
    RecordingParent parent;
    OwnerRowsModel model;
    model.Serve(parent);
    HWND grid = CreateStandardGrid(parent.hwnd(), true);
    ASSERT_TRUE(Grid_SetRowCount(grid, model.count = 1000000));
    ElementRef root = UiaRoot(grid);
    auto container =
        Pattern<vorlane::IItemContainerProvider>(root.get(), UIA_ItemContainerPatternId);
    ASSERT_TRUE(container);
    VARIANT nothing;
    VariantInit(&nothing);
    const SIZE_T before = CountResources().privateBytes;
    ElementRef row;
    UINT walked = 0;
    UINT virtualRows = 0;
    std::vector<UINT> named;
    for (;;) {
        IRawElementProviderSimple* next = nullptr;
        ASSERT_EQ(container->FindItemByProperty(row.get(), 0, nothing, &next), S_OK);
        if (next == nullptr) {
            break;
        }
        row.reset(next);
        if (walked < 3 || walked == 999999) {
            named.push_back(walked);
            EXPECT_EQ(TextProperty(next, UIA_NamePropertyId), L"r" + std::to_wstring(walked));
            virtualRows +=
                Pattern<vorlane::IVirtualizedItemProvider>(next, UIA_VirtualizedItemPatternId) ? 1
                                                                                               : 0;
        }
        ++walked;
    }
    const SIZE_T after = CountResources().privateBytes;
    EXPECT_EQ(walked, 1000000u);
    EXPECT_EQ(named.size(), 4u);
    EXPECT_EQ(virtualRows, 1u);  // the last row only: the first three are in view
    EXPECT_LT(after, before + 4 * 1024 * 1024);
    auto realize =
        Pattern<vorlane::IVirtualizedItemProvider>(row.get(), UIA_VirtualizedItemPatternId);
    ASSERT_TRUE(realize);
    EXPECT_EQ(realize->Realize(), S_OK);
    EXPECT_EQ(IntProperty(row.get(), UIA_IsOffscreenPropertyId), 0);
}

}  // namespace
