// The grid read as a table: its properties, the Grid, Table and ItemContainer patterns of the
// grid, and the GridItem, TableItem and VirtualizedItem patterns of its rows and cells.
#include <algorithm>
#include <climits>
#include <new>
#include <optional>

#include "access/accessible_list.h"
#include "access/row_text.h"
#include "access/uia_element.h"
#include "frame/row_positions.h"
#include "frame/row_selection.h"

namespace vorlane {

namespace {

void SetText(VARIANT* value, const std::wstring& text) {
    value->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    value->vt = value->bstrVal != nullptr ? VT_BSTR : VT_EMPTY;
}

void SetBool(VARIANT* value, bool on) {
    value->vt = VT_BOOL;
    value->boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
}

void SetInt(VARIANT* value, int number) {
    value->vt = VT_I4;
    value->lVal = number;
}

int ControlTypeOf(GridInstance& grid, UiaPart part, uint32_t column) {
    switch (part) {
        case UiaPart::Grid: return kDataGridControl;
        case UiaPart::Header: return kHeaderControl;
        case UiaPart::Title: return kHeaderItemControl;
        case UiaPart::Row: return kDataItemControl;
        case UiaPart::Cell:
            if (IsCheckColumn(grid, column)) {
                return kCheckBoxControl;
            }
            return grid.columnWindows.Editor(column) != nullptr ? kEditControl : kTextControl;
    }
    return kTextControl;
}

}  // namespace

// Names and descriptions are those of the grid's Active Accessibility object: a row is named by
// its first column and described by the others, a cell by what it shows.
HRESULT STDMETHODCALLTYPE UiaElement::GetPropertyValue(PROPERTYID property, VARIANT* value) {
    if (value == nullptr) {
        return E_INVALIDARG;
    }
    VariantInit(value);
    GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    InstanceHold hold(grid->ownWindow);  // reading a row may ask an owner-data grid's parent
    const bool hasFocus = ::GetFocus() == grid->listPane;
    try {
        switch (property) {
            case UIA_ControlTypePropertyId:
                SetInt(value, ControlTypeOf(*grid, part_, column_));
                break;
            case UIA_NamePropertyId:
                if (part_ == UiaPart::Grid) {
                    SetText(value, GridLabel(grid->ownWindow));
                } else if (part_ == UiaPart::Title) {
                    SetText(value, ColumnTitle(*grid, column_));
                } else if (part_ == UiaPart::Row) {
                    SetText(value, RowName(*grid, row_));
                } else if (part_ == UiaPart::Cell) {
                    SetText(value, CellShownText(*grid, column_, row_, KindCellAt(*grid, row_))
                                       .value_or(std::wstring()));
                }
                break;
            case UIA_HelpTextPropertyId:
                if (part_ == UiaPart::Row) {
                    SetText(value, RowDescription(*grid, row_));
                }
                break;
            case UIA_IsKeyboardFocusablePropertyId:
                SetBool(value,
                        part_ == UiaPart::Grid || part_ == UiaPart::Row || part_ == UiaPart::Cell);
                break;
            case UIA_HasKeyboardFocusPropertyId:
                SetBool(value, hasFocus && ((part_ == UiaPart::Grid && RowCount(*grid) == 0) ||
                                            (part_ == UiaPart::Row && grid->currentRow == row_)));
                break;
            case UIA_IsEnabledPropertyId:
                SetBool(value, IsWindowEnabled(grid->ownWindow) != FALSE);
                break;
            case UIA_IsOffscreenPropertyId:
                SetBool(value, (part_ == UiaPart::Row || part_ == UiaPart::Cell)
                                   ? !RowInView(*grid, row_)
                                   : IsWindowVisible(grid->ownWindow) == FALSE);
                break;
            case UIA_IsControlElementPropertyId:
            case UIA_IsContentElementPropertyId: SetBool(value, true); break;
            case UIA_SelectionItemIsSelectedPropertyId:
                if (part_ == UiaPart::Row) {
                    SetBool(value, IsRowSelected(*grid, row_));
                }
                break;
            default: break;
        }
    } catch (const std::bad_alloc&) {
        VariantClear(value);
        return E_OUTOFMEMORY;
    }
    return hold.Alive() ? S_OK : kElementNotAvailable;
}

HRESULT STDMETHODCALLTYPE UiaElement::GetItem(int row, int column,
                                              IRawElementProviderSimple** item) {
    if (item == nullptr) {
        return E_INVALIDARG;
    }
    *item = nullptr;
    const GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    const std::vector<uint32_t> columns = TableColumns(*grid);
    if (row < 0 || column < 0 || static_cast<uint32_t>(row) >= RowCount(*grid) ||
        static_cast<size_t>(column) >= columns.size()) {
        return E_INVALIDARG;
    }
    return HandOutElement(*home_, UiaPart::Cell, columns[static_cast<size_t>(column)],
                          static_cast<uint32_t>(row), item);
}

HRESULT STDMETHODCALLTYPE UiaElement::get_RowCount(int* count) {
    return Answer(count, 0, [](const GridInstance& grid) {
        return static_cast<int>(std::min<uint32_t>(RowCount(grid), INT_MAX));
    });
}

HRESULT STDMETHODCALLTYPE UiaElement::get_ColumnCount(int* count) {
    return Answer(count, 0, [](const GridInstance& grid) {
        return static_cast<int>(TableColumns(grid).size());
    });
}

// Rows have no headers of their own: their names are their first cells.
HRESULT STDMETHODCALLTYPE UiaElement::GetRowHeaders(SAFEARRAY** headers) {
    return GetRowHeaderItems(headers);
}

HRESULT STDMETHODCALLTYPE UiaElement::GetColumnHeaders(SAFEARRAY** headers) {
    return GetColumnHeaderItems(headers);
}

HRESULT STDMETHODCALLTYPE UiaElement::get_RowOrColumnMajor(UiaRowOrColumnMajor* major) {
    constexpr UiaRowOrColumnMajor kRowMajor = UiaRowOrColumnMajor::RowMajor;
    return Answer(major, kRowMajor, [](const GridInstance&) { return kRowMajor; });
}

HRESULT STDMETHODCALLTYPE UiaElement::get_Row(int* row) {
    return Answer(row, 0, [&](const GridInstance&) { return static_cast<int>(row_); });
}

HRESULT STDMETHODCALLTYPE UiaElement::get_Column(int* column) {
    return Answer(column, 0, [&](const GridInstance& grid) {
        return part_ == UiaPart::Cell ? TablePlace(grid, column_) : 0;
    });
}

HRESULT STDMETHODCALLTYPE UiaElement::get_RowSpan(int* span) {
    return Answer(span, 1, [](const GridInstance&) { return 1; });
}

// A row spans every column.
HRESULT STDMETHODCALLTYPE UiaElement::get_ColumnSpan(int* span) {
    if (part_ == UiaPart::Row) {
        return get_ColumnCount(span);
    }
    return get_RowSpan(span);
}

HRESULT STDMETHODCALLTYPE UiaElement::get_ContainingGrid(IRawElementProviderSimple** grid) {
    return get_SelectionContainer(grid);
}

HRESULT STDMETHODCALLTYPE UiaElement::GetRowHeaderItems(SAFEARRAY** headers) {
    if (headers == nullptr) {
        return E_INVALIDARG;
    }
    *headers = nullptr;
    if (Live() == nullptr) {
        return kElementNotAvailable;
    }
    return ElementArray(*home_, UiaPart::Title, {}, headers);
}

// A cell's column header is its title; a row's and the grid's are every shown title.
HRESULT STDMETHODCALLTYPE UiaElement::GetColumnHeaderItems(SAFEARRAY** headers) {
    if (headers == nullptr) {
        return E_INVALIDARG;
    }
    *headers = nullptr;
    const GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    try {
        std::vector<CellAddress> titles;
        for (const uint32_t column : TableColumns(*grid)) {
            if (part_ != UiaPart::Cell || column == column_) {
                titles.push_back({column, 0});
            }
        }
        return ElementArray(*home_, UiaPart::Title, titles, headers);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

// From the row after `startAfter` (a row of this grid, or none to start at the first): the
// next row (property 0, or any data item), the next named `value`, or the next whose selection
// is `value`. Rows are made one at a time, as found.
HRESULT STDMETHODCALLTYPE UiaElement::FindItemByProperty(IRawElementProviderSimple* startAfter,
                                                         PROPERTYID property, VARIANT value,
                                                         IRawElementProviderSimple** found) {
    if (found == nullptr) {
        return E_INVALIDARG;
    }
    *found = nullptr;
    GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    uint32_t from = 0;
    if (startAfter != nullptr) {
        const UiaElement* start = ElementBehind(startAfter);
        if (start == nullptr || &start->Home() != home_ || start->Part() != UiaPart::Row) {
            return E_INVALIDARG;
        }
        if (start->Live() == nullptr) {
            return kElementNotAvailable;
        }
        from = start->Row() + 1;
    }
    const bool anyRow = property == 0 || (property == UIA_ControlTypePropertyId &&
                                          value.vt == VT_I4 && value.lVal == kDataItemControl);
    const bool byName = property == UIA_NamePropertyId && value.vt == VT_BSTR;
    const bool bySelection =
        property == UIA_SelectionItemIsSelectedPropertyId && value.vt == VT_BOOL;
    if (!anyRow && !byName && !bySelection) {
        return property == UIA_ControlTypePropertyId ? S_OK : E_INVALIDARG;
    }
    InstanceHold hold(grid->ownWindow);
    try {
        const std::wstring name =
            byName && value.bstrVal != nullptr ? std::wstring(value.bstrVal) : std::wstring();
        for (uint32_t row = from; hold.Alive() && row < RowCount(*grid); ++row) {
            const bool match = anyRow ||
                               (bySelection && IsRowSelected(*grid, row) == (value.boolVal != 0)) ||
                               (byName && RowName(*grid, row) == name);
            if (match && hold.Alive()) {
                return HandOutElement(*home_, UiaPart::Row, 0, row, found);
            }
        }
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return hold.Alive() ? S_OK : kElementNotAvailable;
}

// A row out of view is realized by scrolling it into view, where it is never virtual.
HRESULT STDMETHODCALLTYPE UiaElement::Realize() {
    return ScrollIntoView();
}

}  // namespace vorlane
