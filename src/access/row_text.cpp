#include "access/row_text.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "frame/row_positions.h"
#include "store/shown_cell.h"

namespace vorlane {

namespace {

std::wstring Widen(const char* text) {
    const int units = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (units <= 1) {
        return {};
    }
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), units);
    wide.resize(static_cast<size_t>(units) - 1);
    return wide;
}

std::wstring Widen(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}

// Copies a text cell's units into `text`, cut as painting cuts it: to kShownCellUnits - 1
// units, never between the halves of a surrogate pair.
template <class Unit>
void CopyCut(const CellContent& content, Unit (&text)[kShownCellUnits]) {
    uint32_t length = std::min(content.length, kShownCellUnits - 1);
    const Unit* source = static_cast<const Unit*>(content.text);
    std::copy(source, source + length, text);
    if constexpr (sizeof(Unit) == 2) {
        if (length < content.length && length > 0 && text[length - 1] >= 0xD800 &&
            text[length - 1] < 0xDC00) {
            --length;
        }
    }
    text[length] = 0;
}

template <class Unit>
std::optional<std::wstring> ShownText(GridInstance& grid, uint32_t column, uint32_t row,
                                      uint32_t kindCell) {
    Unit text[kShownCellUnits] = {};
    const Unit* shown = CellShownUnits(grid, column, row, kindCell, text);
    if (shown == nullptr) {
        return std::nullopt;
    }
    return Widen(shown);
}

}  // namespace

template <class Unit>
const Unit* CellShownUnits(GridInstance& grid, uint32_t column, uint32_t row, uint32_t kindCell,
                           Unit (&text)[kShownCellUnits]) {
    text[0] = 0;
    uint32_t value = 0;
    const int32_t kind = grid.store.columns().CellKind(column);
    if (kind == kCellText || kind == kCellNumber || kind == kCellCheck) {
        const std::optional<CellContent> content = CellContentAt(grid, column, row);
        if (grid.destroyed) {
            return nullptr;
        }
        if (content && content->isText && content->text != nullptr) {
            CopyCut(*content, text);
        } else if (content && !content->isText) {
            value = content->value;
        }
    }
    return ShownCellText(grid.store.columns(), column, kindCell, value, text);
}

template const char* CellShownUnits(GridInstance&, uint32_t, uint32_t, uint32_t,
                                    char (&)[kShownCellUnits]);
template const char16_t* CellShownUnits(GridInstance&, uint32_t, uint32_t, uint32_t,
                                        char16_t (&)[kShownCellUnits]);

std::optional<std::wstring> CellShownText(GridInstance& grid, uint32_t column, uint32_t row,
                                          uint32_t kindCell) {
    return grid.store.textWidth() == TextWidth::Utf16
               ? ShownText<char16_t>(grid, column, row, kindCell)
               : ShownText<char>(grid, column, row, kindCell);
}

std::wstring RowName(GridInstance& grid, uint32_t row) {
    const uint32_t kindCell = KindCellAt(grid, row);
    if (grid.destroyed || ColumnCount(grid) < 2) {
        return {};
    }
    return CellShownText(grid, 0, row, kindCell).value_or(std::wstring());
}

std::wstring RowDescription(GridInstance& grid, uint32_t row) {
    const uint32_t kindCell = KindCellAt(grid, row);
    std::wstring description;
    for (const uint32_t column : grid.store.columns().Shown()) {
        if (grid.destroyed) {
            break;
        }
        if (column == 0 || grid.store.columns().Get(column)->room <= 0) {
            continue;  // column 0 is the row's name
        }
        const std::optional<std::wstring> shown = CellShownText(grid, column, row, kindCell);
        if (!shown || shown->empty()) {
            continue;
        }
        const std::wstring title = ColumnTitle(grid, column);
        if (!description.empty()) {
            description += L"; ";
        }
        if (!title.empty()) {
            description += title + L": ";
        }
        description += *shown;
    }
    return description;
}

LONG RowCheckFlags(GridInstance& grid, uint32_t row) {
    const std::optional<uint32_t> column = FirstCheckColumn(grid.store.columns());
    if (!column) {
        return 0;
    }
    const std::optional<CellContent> cell = CellContentAt(grid, *column, row);
    if (grid.destroyed || !cell || cell->isText) {
        return 0;
    }
    const uint32_t state = CheckState(cell->value);
    return state == 1 ? STATE_SYSTEM_CHECKED : (state == 2 ? STATE_SYSTEM_MIXED : 0);
}

std::wstring ColumnTitle(const GridInstance& grid, uint32_t column) {
    constexpr uint32_t kTitleUnits = 256;
    if (grid.store.textWidth() == TextWidth::Utf16) {
        char16_t title[kTitleUnits] = {};
        return grid.store.columns().GetTitle(column, title, kTitleUnits) ? Widen(title)
                                                                         : std::wstring();
    }
    char title[kTitleUnits] = {};
    return grid.store.columns().GetTitle(column, title, kTitleUnits) ? Widen(title)
                                                                     : std::wstring();
}

// The control's own window text names it; without one, the label before it (a static control,
// its access key marker dropped), as the system names its own controls.
std::wstring GridLabel(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    if (!text.empty()) {
        return text;
    }
    HWND before = GetWindow(window, GW_HWNDPREV);
    while (before != nullptr && !IsWindowVisible(before)) {
        before = GetWindow(before, GW_HWNDPREV);
    }
    wchar_t className[16] = {};
    if (before == nullptr || GetClassNameW(before, className, 16) == 0 ||
        lstrcmpiW(className, L"Static") != 0) {
        return {};
    }
    const int labelLength = GetWindowTextLengthW(before);
    std::wstring label(static_cast<size_t>(labelLength) + 1, L'\0');
    label.resize(static_cast<size_t>(GetWindowTextW(before, label.data(), labelLength + 1)));
    std::wstring name;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == L'&' && i + 1 < label.size()) {
            ++i;  // "&&" stands for "&"; any other '&' marks the access key
        }
        name += label[i];
    }
    return name;
}

std::vector<uint32_t> TableColumns(const GridInstance& grid) {
    std::vector<uint32_t> shown;
    const ColumnSet& columns = grid.store.columns();
    for (const uint32_t column : columns.Shown()) {
        if (columns.Get(column)->room > 0) {
            shown.push_back(column);
        }
    }
    return shown;
}

}  // namespace vorlane
