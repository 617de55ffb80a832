// What a client may do through the elements, done as the matching gestures do it: the
// selection as clicks change it, activation as a double click,
// a title's invocation as its click, a cell's value as an edit writes it (GRN_CELLCHANGING
// first) and a check cell's toggle as a click on its box.
#include <oleacc.h>

#include <algorithm>
#include <climits>
#include <cerrno>
#include <cstring>
#include <cwchar>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "access/accessible_list.h"
#include "access/row_actions.h"
#include "access/row_text.h"
#include "access/uia_element.h"
#include "frame/grid_handlers.h"
#include "frame/row_positions.h"
#include "frame/row_selection.h"
#include "store/shown_cell.h"

namespace vorlane {

namespace {

HRESULT Selected(GridInstance* grid, uint32_t row, LONG flags) {
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    InstanceHold hold(grid->ownWindow);
    const HRESULT done = SelectRowAsClicked(*grid, row, flags);
    return done == S_FALSE ? kElementNotEnabled : (hold.Alive() ? done : kElementNotAvailable);
}

// A typed text as the grid's own units with their NUL (code-page bytes or UTF-16), cut to the
// editor's limit.
std::vector<char> GridUnits(const GridInstance& grid, const wchar_t* text, size_t limit) {
    const std::wstring cut(text, std::min(std::wcslen(text), limit));
    if (grid.store.textWidth() == TextWidth::Utf16) {
        std::vector<char> units((cut.size() + 1) * sizeof(wchar_t), '\0');
        std::memcpy(units.data(), cut.c_str(), cut.size() * sizeof(wchar_t));
        return units;
    }
    const int size = WideCharToMultiByte(CP_ACP, 0, cut.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> units(static_cast<size_t>(std::max(size, 1)), '\0');
    WideCharToMultiByte(CP_ACP, 0, cut.c_str(), -1, units.data(), size, nullptr, nullptr);
    return units;
}

// A number as its cell shows it or a reader types it: an optional '-', digits and any of the
// separators a shown number groups its digits with; nullopt for anything else.
std::optional<int32_t> ParsedNumber(const wchar_t* text) {
    std::wstring digits;
    for (const wchar_t* c = text; *c != L'\0'; ++c) {
        if ((*c >= L'0' && *c <= L'9') || (*c == L'-' && c == text)) {
            digits += *c;
        } else if (*c != L',' && *c != L'.' && *c != L' ' && *c != 0xA0 && *c != 0x202F) {
            return std::nullopt;
        }
    }
    wchar_t* end = nullptr;
    errno = 0;
    const long long number = std::wcstoll(digits.c_str(), &end, 10);
    if (digits.empty() || *end != L'\0' || errno != 0 || number < INT32_MIN || number > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int32_t>(number);
}

}  // namespace

HRESULT STDMETHODCALLTYPE UiaElement::GetSelection(SAFEARRAY** items) {
    if (items == nullptr) {
        return E_INVALIDARG;
    }
    *items = nullptr;
    const GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    try {
        std::vector<uint32_t> rows;
        if (!SelectedRows(*grid, rows)) {
            return E_OUTOFMEMORY;
        }
        std::vector<CellAddress> places;
        places.reserve(rows.size());
        for (const uint32_t row : rows) {
            places.push_back({0, row});
        }
        return ElementArray(*home_, UiaPart::Row, places, items);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT STDMETHODCALLTYPE UiaElement::get_CanSelectMultiple(BOOL* multiple) {
    return Answer(multiple, TRUE, [](const GridInstance&) { return TRUE; });
}

HRESULT STDMETHODCALLTYPE UiaElement::get_IsSelectionRequired(BOOL* required) {
    return Answer(required, FALSE, [](const GridInstance&) { return FALSE; });
}

HRESULT STDMETHODCALLTYPE UiaElement::Select() {
    return Selected(Live(), row_, SELFLAG_TAKESELECTION);
}
HRESULT STDMETHODCALLTYPE UiaElement::AddToSelection() {
    return Selected(Live(), row_, SELFLAG_ADDSELECTION);
}
HRESULT STDMETHODCALLTYPE UiaElement::RemoveFromSelection() {
    return Selected(Live(), row_, SELFLAG_REMOVESELECTION);
}

HRESULT STDMETHODCALLTYPE UiaElement::get_IsSelected(BOOL* selected) {
    return Answer(selected, FALSE, [&](const GridInstance& grid) {
        return IsRowSelected(grid, row_) ? TRUE : FALSE;
    });
}

HRESULT STDMETHODCALLTYPE UiaElement::get_SelectionContainer(IRawElementProviderSimple** grid) {
    if (grid == nullptr) {
        return E_INVALIDARG;
    }
    *grid = nullptr;
    if (Live() == nullptr) {
        return kElementNotAvailable;
    }
    return HandOutElement(*home_, UiaPart::Grid, 0, 0, grid);
}

HRESULT STDMETHODCALLTYPE UiaElement::Invoke() {
    GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    InstanceHold hold(grid->ownWindow);
    if (part_ == UiaPart::Row) {
        const HRESULT done = ActivateRowAsDoubleClicked(*grid, row_);
        return done == S_FALSE ? kElementNotEnabled : done;
    }
    // A title is clicked in its middle, as the header's object does it.
    const ColumnRecord& column = *grid->store.columns().Get(column_);
    const LPARAM middle = MAKELPARAM(column.x + column.room / 2, grid->headerHeight / 2);
    HWND pane = grid->headerPane;
    for (const UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) {
        if (hold.Alive()) {
            SendMessageW(pane, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, middle);
        }
    }
    return hold.Alive() ? S_OK : kElementNotAvailable;
}

HRESULT STDMETHODCALLTYPE UiaElement::get_Value(BSTR* value) {
    if (value == nullptr) {
        return E_INVALIDARG;
    }
    *value = nullptr;
    GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    InstanceHold hold(grid->ownWindow);
    try {
        const std::wstring text =
            CellShownText(*grid, column_, row_, KindCellAt(*grid, row_)).value_or(std::wstring());
        if (!hold.Alive()) {
            return kElementNotAvailable;
        }
        *value = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *value != nullptr ? S_OK : E_OUTOFMEMORY;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT STDMETHODCALLTYPE UiaElement::get_IsReadOnly(BOOL* readOnly) {
    return Answer(readOnly, TRUE, [&](const GridInstance& grid) {
        return grid.columnWindows.Editor(column_) == nullptr || IsCheckColumn(grid, column_)
                   ? TRUE
                   : FALSE;
    });
}

// As an edit's commit writes it: the text (or number) the editor would hold, to GRM_SETCELLEX.
HRESULT STDMETHODCALLTYPE UiaElement::SetValue(LPCWSTR value) {
    if (value == nullptr) {
        return E_INVALIDARG;
    }
    BOOL readOnly = TRUE;
    if (const HRESULT read = get_IsReadOnly(&readOnly); FAILED(read)) {
        return read;
    }
    if (readOnly) {
        return kElementNotEnabled;
    }
    GridInstance* grid = Live();
    InstanceHold hold(grid->ownWindow);
    const ColumnRecord& column = *grid->store.columns().Get(column_);
    GridCellRef write = {};
    write.column = column_;
    write.row = row_;
    int32_t number = 0;
    std::vector<char> units;
    try {
        if (column.cellKind == kCellNumber) {
            const std::optional<int32_t> parsed = ParsedNumber(value);
            if (!parsed) {
                return E_INVALIDARG;
            }
            number = *parsed;
            write.buffer = &number;
        } else {
            units = GridUnits(*grid, value, column.editLimit);
            write.buffer = units.data();
        }
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    const LRESULT written =
        SendMessageW(grid->ownWindow, GRM_SETCELLEX, 0, reinterpret_cast<LPARAM>(&write));
    if (!hold.Alive()) {
        return kElementNotAvailable;
    }
    return written != 0 ? S_OK : E_FAIL;
}

// The same write as a click on the box: the parent hears GRN_CELLCHANGING and may refuse it.
HRESULT STDMETHODCALLTYPE UiaElement::Toggle() {
    GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    InstanceHold hold(grid->ownWindow);
    ToggleCheckCell(*grid, column_, row_);
    return hold.Alive() ? S_OK : kElementNotAvailable;
}

HRESULT STDMETHODCALLTYPE UiaElement::get_ToggleState(UiaToggleState* state) {
    if (state == nullptr) {
        return E_INVALIDARG;
    }
    *state = UiaToggleState::Off;
    GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    InstanceHold hold(grid->ownWindow);
    const std::optional<CellContent> cell = CellContentAt(*grid, column_, row_);
    if (!hold.Alive()) {
        return kElementNotAvailable;
    }
    if (cell && !cell->isText) {
        *state = static_cast<UiaToggleState>(CheckState(cell->value));
    }
    return S_OK;
}

}  // namespace vorlane
