// The UI Automation events of a grid, raised beside the WinEvents of the same changes and after
// a cell's write. A selection invalidation waits for the end of the change that made it: a
// change that ends with one row alone selected says so alone, and a change of many rows is one
// invalidation however many steps it took. Nothing is raised while no client listens; a change of
// the row order retires the elements of rows all the same.
#include "access/access_objects.h"
#include "access/uia_core.h"
#include "access/uia_element.h"
#include "frame/accessibility.h"
#include "frame/row_positions.h"
#include "store/shown_cell.h"

namespace vorlane {

namespace {

// Raises `raise(element)` about the grid's element or one of its rows or cells, made for it.
template <class Raise>
void RaiseAbout(GridInstance& grid, UiaPart part, uint32_t column, uint32_t row, Raise&& raise) {
    UiaElement* root = GridElement(grid);
    if (root == nullptr) {
        return;
    }
    if (part == UiaPart::Grid) {
        raise(static_cast<IRawElementProviderSimple*>(root));
        return;
    }
    UiaElement* element = UiaElement::Make(root->Home(), part, column, row);
    if (element != nullptr) {
        raise(static_cast<IRawElementProviderSimple*>(element));
        element->Release();
    }
}

}  // namespace

void RaiseUiaWinEvent(GridInstance& grid, DWORD event, LONG child) {
    if (event == EVENT_OBJECT_REORDER && grid.access && grid.access->uiaHome != nullptr) {
        grid.access->uiaHome->NewRowOrder();
    }
    if (!UiaListening()) {
        return;
    }
    const bool onRow = child > 0;
    const uint32_t row = onRow ? static_cast<uint32_t>(child - 1) : 0;
    int automationEvent = 0;
    switch (event) {
        case EVENT_OBJECT_FOCUS: automationEvent = kFocusChangedEvent; break;
        case EVENT_OBJECT_SELECTION:
            grid.uiaInvalidationOwed = false;  // the row alone selected says it all
            automationEvent = kElementSelectedEvent;
            break;
        case EVENT_OBJECT_SELECTIONADD: automationEvent = kElementAddedToSelectionEvent; break;
        case EVENT_OBJECT_SELECTIONREMOVE:
            automationEvent = kElementRemovedFromSelectionEvent;
            break;
        case EVENT_OBJECT_SELECTIONWITHIN:
            grid.uiaInvalidationOwed = true;
            if (grid.busy == 0) {
                RaiseOwedUiaEvents(grid);
            }
            return;
        case EVENT_OBJECT_REORDER:
            RaiseAbout(grid, UiaPart::Grid, 0, 0, [](IRawElementProviderSimple* element) {
                UiaRaiseStructureChange(element, UiaStructureChange::ChildrenInvalidated);
            });
            return;
        default: return;
    }
    RaiseAbout(
        grid, onRow ? UiaPart::Row : UiaPart::Grid, 0, row,
        [&](IRawElementProviderSimple* element) { UiaRaiseEvent(element, automationEvent); });
}

void RaiseOwedUiaEvents(GridInstance& grid) {
    if (!grid.uiaInvalidationOwed) {
        return;
    }
    grid.uiaInvalidationOwed = false;
    RaiseAbout(grid, UiaPart::Grid, 0, 0, [](IRawElementProviderSimple* element) {
        UiaRaiseEvent(element, kSelectionInvalidatedEvent);
    });
}

// A check cell reports its new state, any other shown cell its new value.
void RaiseUiaCellWritten(GridInstance& grid, uint32_t column, uint32_t row) {
    if (!UiaListening() || TablePlace(grid, column) < 0) {
        return;
    }
    InstanceHold hold(grid.ownWindow);
    const std::optional<CellContent> cell = CellContentAt(grid, column, row);
    if (!hold.Alive() || !cell) {
        return;
    }
    VARIANT old;
    VARIANT now;
    VariantInit(&old);
    VariantInit(&now);
    int property = UIA_ValueValuePropertyId;
    if (IsCheckColumn(grid, column)) {
        property = UIA_ToggleToggleStatePropertyId;
        now.vt = VT_I4;
        now.lVal = cell->isText ? 0 : static_cast<LONG>(CheckState(cell->value));
    } else {
        RaiseAbout(grid, UiaPart::Cell, column, row, [&](IRawElementProviderSimple* element) {
            static_cast<UiaElement*>(element)->get_Value(&now.bstrVal);
            now.vt = now.bstrVal != nullptr ? VT_BSTR : VT_EMPTY;
        });
    }
    if (hold.Alive()) {
        RaiseAbout(grid, UiaPart::Cell, column, row, [&](IRawElementProviderSimple* element) {
            UiaRaisePropertyChange(element, property, old, now);
        });
    }
    VariantClear(&now);
}

}  // namespace vorlane
