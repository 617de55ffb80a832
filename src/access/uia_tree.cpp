// The elements' tree (navigation, the root's hit test and focus), their identifiers, their
// places on the screen, and the bridge from the grid's Active Accessibility object.
#include <oleacc.h>

#include <algorithm>

#include "access/accessible_list.h"
#include "access/row_actions.h"
#include "access/uia_core.h"
#include "access/uia_element.h"
#include "frame/row_positions.h"

namespace vorlane {

namespace {

bool HasTable(const GridInstance& grid) {
    return !TableColumns(grid).empty();
}

// The shown part of `rect` (pane coordinates), on the screen.
UiaRect ShownOnScreen(HWND pane, HWND control, RECT rect) {
    const RECT area = ShownPart(pane, control);
    RECT shown = {};
    if (!IntersectRect(&shown, &rect, &area)) {
        return {};
    }
    ToScreen(pane, shown);
    return {static_cast<double>(shown.left), static_cast<double>(shown.top),
            static_cast<double>(shown.right - shown.left),
            static_cast<double>(shown.bottom - shown.top)};
}

}  // namespace

// The tree: the grid holds the header (while a column shows) and then the rows; the header
// holds the titles, a row its cells, both in display order.
HRESULT STDMETHODCALLTYPE UiaElement::Navigate(NavigateDirection direction,
                                               IRawElementProviderFragment** found) {
    if (found == nullptr) {
        return E_INVALIDARG;
    }
    *found = nullptr;
    const GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    const std::vector<uint32_t> columns = TableColumns(*grid);
    const uint32_t rows = RowCount(*grid);
    const int place = TablePlace(*grid, column_);
    const bool first = direction == NavigateDirection_FirstChild;
    const bool next = direction == NavigateDirection_NextSibling;
    const auto go = [&](UiaPart part, uint32_t column, uint32_t row) {
        return HandOutFragment(*home_, part, column, row, found);
    };
    switch (part_) {
        case UiaPart::Grid:
            if (direction == NavigateDirection_FirstChild && !columns.empty()) {
                return go(UiaPart::Header, 0, 0);
            }
            if ((first || direction == NavigateDirection_LastChild) && rows > 0) {
                return go(UiaPart::Row, 0, first ? 0 : rows - 1);
            }
            if (direction == NavigateDirection_LastChild && !columns.empty()) {
                return go(UiaPart::Header, 0, 0);
            }
            return S_OK;  // the window's own tree continues above
        case UiaPart::Header:
            if (direction == NavigateDirection_Parent) {
                return go(UiaPart::Grid, 0, 0);
            }
            if (next && rows > 0) {
                return go(UiaPart::Row, 0, 0);
            }
            if ((first || direction == NavigateDirection_LastChild) && !columns.empty()) {
                return go(UiaPart::Title, first ? columns.front() : columns.back(), 0);
            }
            return S_OK;
        case UiaPart::Row:
            if (direction == NavigateDirection_Parent) {
                return go(UiaPart::Grid, 0, 0);
            }
            if (next && row_ + 1 < rows) {
                return go(UiaPart::Row, 0, row_ + 1);
            }
            if (direction == NavigateDirection_PreviousSibling) {
                return row_ > 0 ? go(UiaPart::Row, 0, row_ - 1)
                                : (HasTable(*grid) ? go(UiaPart::Header, 0, 0) : S_OK);
            }
            if ((first || direction == NavigateDirection_LastChild) && !columns.empty()) {
                return go(UiaPart::Cell, first ? columns.front() : columns.back(), row_);
            }
            return S_OK;
        case UiaPart::Title:
        case UiaPart::Cell: {
            const UiaPart parent = part_ == UiaPart::Title ? UiaPart::Header : UiaPart::Row;
            if (direction == NavigateDirection_Parent) {
                return go(parent, 0, part_ == UiaPart::Cell ? row_ : 0);
            }
            if (next && place + 1 < static_cast<int>(columns.size())) {
                return go(part_, columns[static_cast<size_t>(place) + 1], row_);
            }
            if (direction == NavigateDirection_PreviousSibling && place > 0) {
                return go(part_, columns[static_cast<size_t>(place) - 1], row_);
            }
            return S_OK;
        }
    }
    return S_OK;
}

// The grid's element takes the window's identifier; the others append theirs to it: part,
// column, row position and the row order a row or cell belongs to.
HRESULT STDMETHODCALLTYPE UiaElement::GetRuntimeId(SAFEARRAY** id) {
    if (id == nullptr) {
        return E_INVALIDARG;
    }
    *id = nullptr;
    if (Live() == nullptr) {
        return kElementNotAvailable;
    }
    if (part_ == UiaPart::Grid) {
        return S_OK;
    }
    // Titles keep theirs through any row order.
    const int rowOrder =
        part_ == UiaPart::Row || part_ == UiaPart::Cell ? static_cast<int>(generation_) : 0;
    const int parts[] = {kUiaAppendRuntimeId, static_cast<int>(part_), static_cast<int>(column_),
                         static_cast<int>(row_), rowOrder};
    SAFEARRAY* array = SafeArrayCreateVector(VT_I4, 0, 5);
    if (array == nullptr) {
        return E_OUTOFMEMORY;
    }
    for (LONG i = 0; i < 5; ++i) {
        SafeArrayPutElement(array, &i, const_cast<int*>(&parts[i]));
    }
    *id = array;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE UiaElement::get_BoundingRectangle(UiaRect* rect) {
    if (rect == nullptr) {
        return E_INVALIDARG;
    }
    *rect = {};
    const GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    const ColumnRecord* column = grid->store.columns().Get(column_);
    switch (part_) {
        case UiaPart::Grid: {
            RECT window = {};
            GetWindowRect(grid->ownWindow, &window);
            *rect = {static_cast<double>(window.left), static_cast<double>(window.top),
                     static_cast<double>(window.right - window.left),
                     static_cast<double>(window.bottom - window.top)};
            return S_OK;
        }
        case UiaPart::Header:
            *rect = ShownOnScreen(grid->headerPane, grid->ownWindow,
                                  {0, 0, kPaneWidth, grid->headerHeight});
            return S_OK;
        case UiaPart::Title:
            *rect = ShownOnScreen(grid->headerPane, grid->ownWindow,
                                  {column->x, 0, column->x + column->room, grid->headerHeight});
            return S_OK;
        case UiaPart::Row:
        case UiaPart::Cell:
            *rect = ShownOnScreen(grid->listPane, grid->ownWindow,
                                  RowRect(*grid, row_, part_ == UiaPart::Cell ? column : nullptr));
            return S_OK;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE UiaElement::GetEmbeddedFragmentRoots(SAFEARRAY** roots) {
    if (roots == nullptr) {
        return E_INVALIDARG;
    }
    *roots = nullptr;
    return Live() == nullptr ? kElementNotAvailable : S_OK;
}

// The keyboard focus: the grid's list pane, and for a row or cell that row made current as a
// click that keeps the selection makes it.
HRESULT STDMETHODCALLTYPE UiaElement::SetFocus() {
    GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    InstanceHold hold(grid->ownWindow);
    if (part_ == UiaPart::Row || part_ == UiaPart::Cell) {
        const HRESULT done = SelectRowAsClicked(*grid, row_, SELFLAG_TAKEFOCUS);
        return done == S_FALSE ? kElementNotEnabled : done;
    }
    ::SetFocus(grid->listPane);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE UiaElement::get_FragmentRoot(IRawElementProviderFragmentRoot** root) {
    if (root == nullptr) {
        return E_INVALIDARG;
    }
    *root = nullptr;
    GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    UiaElement* top = GridElement(*grid);
    if (top == nullptr) {
        return E_OUTOFMEMORY;
    }
    top->AddRef();
    *root = top;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE
UiaElement::ElementProviderFromPoint(double x, double y, IRawElementProviderFragment** found) {
    if (found == nullptr) {
        return E_INVALIDARG;
    }
    *found = nullptr;
    const GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    const POINT screen = {static_cast<LONG>(x), static_cast<LONG>(y)};
    for (HWND pane : {grid->headerPane, grid->listPane}) {
        POINT point = screen;
        ScreenToClient(pane, &point);
        const RECT area = ShownPart(pane, grid->ownWindow);
        if (!PtInRect(&area, point)) {
            continue;
        }
        uint32_t column = 0;
        bool onColumn = false;
        for (const uint32_t shown : TableColumns(*grid)) {
            const ColumnRecord* record = grid->store.columns().Get(shown);
            if (point.x >= record->x && point.x < record->x + record->room) {
                column = shown;
                onColumn = true;
            }
        }
        if (pane == grid->headerPane) {
            return onColumn ? HandOutFragment(*home_, UiaPart::Title, column, 0, found)
                            : HandOutFragment(*home_, UiaPart::Header, 0, 0, found);
        }
        const uint64_t row =
            PaneTopRow(*grid) + static_cast<uint64_t>(point.y / std::max(1, grid->rowHeight));
        if (row < RowCount(*grid)) {
            return HandOutFragment(*home_, onColumn ? UiaPart::Cell : UiaPart::Row, column,
                                   static_cast<uint32_t>(row), found);
        }
    }
    return HandOutFragment(*home_, UiaPart::Grid, 0, 0, found);
}

HRESULT STDMETHODCALLTYPE UiaElement::GetFocus(IRawElementProviderFragment** focused) {
    if (focused == nullptr) {
        return E_INVALIDARG;
    }
    *focused = nullptr;
    const GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    if (::GetFocus() != grid->listPane || grid->currentRow >= RowCount(*grid)) {
        return S_OK;
    }
    return HandOutFragment(*home_, UiaPart::Row, 0, grid->currentRow, focused);
}

HRESULT STDMETHODCALLTYPE UiaElement::GetObjectForChild(long child, IAccessibleEx** element) {
    if (element == nullptr) {
        return E_INVALIDARG;
    }
    *element = nullptr;
    const GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    if (part_ != UiaPart::Grid || child < 1 || static_cast<uint64_t>(child) > RowCount(*grid)) {
        return E_INVALIDARG;
    }
    UiaElement* row = Make(*home_, UiaPart::Row, 0, static_cast<uint32_t>(child - 1));
    if (row == nullptr) {
        return E_OUTOFMEMORY;
    }
    *element = row;
    return S_OK;
}

// A row and the grid have their Active Accessibility twin: the grid's object, by child id.
HRESULT STDMETHODCALLTYPE UiaElement::GetIAccessiblePair(IAccessible** object, long* child) {
    if (object == nullptr || child == nullptr) {
        return E_INVALIDARG;
    }
    *object = nullptr;
    *child = CHILDID_SELF;
    const GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    if (part_ != UiaPart::Grid && part_ != UiaPart::Row) {
        return S_OK;
    }
    *child = part_ == UiaPart::Row ? static_cast<long>(row_) + 1 : CHILDID_SELF;
    return AccessibleObjectFromWindow(grid->ownWindow, static_cast<DWORD>(OBJID_CLIENT),
                                      IID_IAccessible, reinterpret_cast<void**>(object));
}

HRESULT STDMETHODCALLTYPE UiaElement::ConvertReturnedElement(IRawElementProviderSimple* in,
                                                             IAccessibleEx** out) {
    if (in == nullptr || out == nullptr) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    return in->QueryInterface(__uuidof(IAccessibleEx), reinterpret_cast<void**>(out));
}

}  // namespace vorlane
