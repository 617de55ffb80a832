// The grid as UI Automation reads it: a fragment tree of the grid (a data grid), its header
// with one item per shown column, and its rows, each with one element per shown cell. Only the
// grid's element lives as long as the grid: the others are made when a client asks for them and
// go when the last client lets go, so that a client may walk any number of rows. Every element
// names its place (part, column, row position) and the row order it was made in; once that order
// is gone (a sort, a clear, a new row count) or the grid is destroyed, it answers
// UIA_E_ELEMENTNOTAVAILABLE.
#pragma once

#include <cstdint>
#include <vector>

#include "access/uia_defs.h"
#include "access/row_place.h"
#include "access/row_text.h"
#include "frame/grid_instance.h"

namespace vorlane {

enum class UiaPart : int { Grid = 1, Header = 2, Title = 3, Row = 4, Cell = 5 };

// What the elements of one grid share, kept alive by each of them and by the grid.
class UiaHome {
  public:
    explicit UiaHome(GridInstance& grid) : grid_(&grid) {}
    void AddRef() { ++references_; }
    void Release() {
        if (--references_ == 0) {
            delete this;
        }
    }
    GridInstance* Grid() const { return grid_; }
    void Disconnect() { grid_ = nullptr; }
    // The row order: moved on by every change that gives positions other rows.
    uint32_t Generation() const { return generation_; }
    void NewRowOrder() { ++generation_; }

  private:
    ~UiaHome() = default;
    LONG references_ = 1;
    GridInstance* grid_;       // null once the grid is destroyed
    uint32_t generation_ = 1;  // row order the elements were made in
};

class UiaElement final : public IRawElementProviderSimple,
                         public IRawElementProviderFragment,
                         public IRawElementProviderFragmentRoot,
                         public IAccessibleEx,
                         public IGridProvider,
                         public ITableProvider,
                         public ISelectionProvider,
                         public IScrollProvider,
                         public IItemContainerProvider,
                         public ISelectionItemProvider,
                         public IScrollItemProvider,
                         public IInvokeProvider,
                         public IGridItemProvider,
                         public ITableItemProvider,
                         public IValueProvider,
                         public IToggleProvider,
                         public IVirtualizedItemProvider {
  public:
    // A new element with one reference; null without memory. `column` is the store's index of a
    // title's or cell's column, `row` the position of a row's or cell's row.
    static UiaElement* Make(UiaHome& home, UiaPart part, uint32_t column = 0, uint32_t row = 0);
    UiaElement(const UiaElement&) = delete;
    UiaElement& operator=(const UiaElement&) = delete;

    UiaPart Part() const { return part_; }
    uint32_t Column() const { return column_; }
    uint32_t Row() const { return row_; }
    UiaHome& Home() const { return *home_; }
    // The grid when this element still names something in it, else null.
    GridInstance* Live() const;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IRawElementProviderSimple
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override;
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown** provider) override;
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override;

    // IRawElementProviderFragment (GetRuntimeId serves IAccessibleEx as well)
    HRESULT STDMETHODCALLTYPE Navigate(NavigateDirection direction,
                                       IRawElementProviderFragment** found) override;
    HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** id) override;
    HRESULT STDMETHODCALLTYPE get_BoundingRectangle(UiaRect* rect) override;
    HRESULT STDMETHODCALLTYPE GetEmbeddedFragmentRoots(SAFEARRAY** roots) override;
    HRESULT STDMETHODCALLTYPE SetFocus() override;
    HRESULT STDMETHODCALLTYPE get_FragmentRoot(IRawElementProviderFragmentRoot** root) override;

    // IRawElementProviderFragmentRoot
    HRESULT STDMETHODCALLTYPE
    ElementProviderFromPoint(double x, double y, IRawElementProviderFragment** found) override;
    HRESULT STDMETHODCALLTYPE GetFocus(IRawElementProviderFragment** focused) override;

    // IAccessibleEx: the bridge from the grid's Active Accessibility object
    HRESULT STDMETHODCALLTYPE GetObjectForChild(long child, IAccessibleEx** element) override;
    HRESULT STDMETHODCALLTYPE GetIAccessiblePair(IAccessible** object, long* child) override;
    HRESULT STDMETHODCALLTYPE ConvertReturnedElement(IRawElementProviderSimple* in,
                                                     IAccessibleEx** out) override;

    // The grid: Grid, Table, Selection, Scroll, ItemContainer
    HRESULT STDMETHODCALLTYPE GetItem(int row, int column,
                                      IRawElementProviderSimple** item) override;
    HRESULT STDMETHODCALLTYPE get_RowCount(int* count) override;
    HRESULT STDMETHODCALLTYPE get_ColumnCount(int* count) override;
    HRESULT STDMETHODCALLTYPE GetRowHeaders(SAFEARRAY** headers) override;
    HRESULT STDMETHODCALLTYPE GetColumnHeaders(SAFEARRAY** headers) override;
    HRESULT STDMETHODCALLTYPE get_RowOrColumnMajor(UiaRowOrColumnMajor* major) override;
    HRESULT STDMETHODCALLTYPE GetSelection(SAFEARRAY** items) override;
    HRESULT STDMETHODCALLTYPE get_CanSelectMultiple(BOOL* multiple) override;
    HRESULT STDMETHODCALLTYPE get_IsSelectionRequired(BOOL* required) override;
    HRESULT STDMETHODCALLTYPE Scroll(UiaScrollAmount across, UiaScrollAmount down) override;
    HRESULT STDMETHODCALLTYPE SetScrollPercent(double across, double down) override;
    HRESULT STDMETHODCALLTYPE get_HorizontalScrollPercent(double* percent) override;
    HRESULT STDMETHODCALLTYPE get_VerticalScrollPercent(double* percent) override;
    HRESULT STDMETHODCALLTYPE get_HorizontalViewSize(double* percent) override;
    HRESULT STDMETHODCALLTYPE get_VerticalViewSize(double* percent) override;
    HRESULT STDMETHODCALLTYPE get_HorizontallyScrollable(BOOL* scrollable) override;
    HRESULT STDMETHODCALLTYPE get_VerticallyScrollable(BOOL* scrollable) override;
    HRESULT STDMETHODCALLTYPE FindItemByProperty(IRawElementProviderSimple* startAfter,
                                                 PROPERTYID property, VARIANT value,
                                                 IRawElementProviderSimple** found) override;

    // A row: SelectionItem, ScrollItem, Invoke (also a title's), VirtualizedItem
    HRESULT STDMETHODCALLTYPE Select() override;
    HRESULT STDMETHODCALLTYPE AddToSelection() override;
    HRESULT STDMETHODCALLTYPE RemoveFromSelection() override;
    HRESULT STDMETHODCALLTYPE get_IsSelected(BOOL* selected) override;
    HRESULT STDMETHODCALLTYPE get_SelectionContainer(IRawElementProviderSimple** grid) override;
    HRESULT STDMETHODCALLTYPE ScrollIntoView() override;
    HRESULT STDMETHODCALLTYPE Invoke() override;
    HRESULT STDMETHODCALLTYPE Realize() override;

    // A row or a cell: GridItem, TableItem; a cell: Value, Toggle
    HRESULT STDMETHODCALLTYPE get_Row(int* row) override;
    HRESULT STDMETHODCALLTYPE get_Column(int* column) override;
    HRESULT STDMETHODCALLTYPE get_RowSpan(int* span) override;
    HRESULT STDMETHODCALLTYPE get_ColumnSpan(int* span) override;
    HRESULT STDMETHODCALLTYPE get_ContainingGrid(IRawElementProviderSimple** grid) override;
    HRESULT STDMETHODCALLTYPE GetRowHeaderItems(SAFEARRAY** headers) override;
    HRESULT STDMETHODCALLTYPE GetColumnHeaderItems(SAFEARRAY** headers) override;
    HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR value) override;
    HRESULT STDMETHODCALLTYPE get_Value(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* readOnly) override;
    HRESULT STDMETHODCALLTYPE Toggle() override;
    HRESULT STDMETHODCALLTYPE get_ToggleState(UiaToggleState* state) override;

  private:
    UiaElement(UiaHome& home, UiaPart part, uint32_t column, uint32_t row);
    ~UiaElement();
    // A property getter's answer: E_INVALIDARG without `out`; `gone` in it and
    // UIA_E_ELEMENTNOTAVAILABLE when the element names nothing any more; else what `read` finds
    // in the grid, and S_OK.
    template <class Value, class Read>
    HRESULT Answer(Value* out, Value gone, Read read) const {
        if (out == nullptr) {
            return E_INVALIDARG;
        }
        *out = gone;
        GridInstance* grid = Live();
        if (grid == nullptr) {
            return kElementNotAvailable;
        }
        *out = read(*grid);
        return S_OK;
    }
    // Whether this element offers `pattern`.
    bool Offers(PATTERNID pattern) const;

    LONG references_ = 1;
    UiaHome* home_;
    UiaPart part_;
    uint32_t column_;      // a title's or cell's column (store index)
    uint32_t row_;         // a row's or cell's row position
    uint32_t generation_;  // the home's row order when made
};

// `column`'s place among them, or -1.
int TablePlace(const GridInstance& grid, uint32_t column);
// A check column?
bool IsCheckColumn(const GridInstance& grid, uint32_t column);
// The element behind an interface of one, without a reference; null for any other object.
UiaElement* ElementBehind(IUnknown* object);

// Out-parameter helpers: an element of `home` handed out as `Interface` (null without memory),
// a SAFEARRAY of elements (VT_UNKNOWN), and the answer of a method on an element that is gone.
HRESULT HandOutElement(UiaHome& home, UiaPart part, uint32_t column, uint32_t row,
                       IRawElementProviderSimple** out);
HRESULT HandOutFragment(UiaHome& home, UiaPart part, uint32_t column, uint32_t row,
                        IRawElementProviderFragment** out);
HRESULT ElementArray(UiaHome& home, UiaPart part, const std::vector<CellAddress>& places,
                     SAFEARRAY** out);

// The grid's own element, made at the first need and kept by the grid; null without memory.
UiaElement* GridElement(GridInstance& grid);

}  // namespace vorlane
