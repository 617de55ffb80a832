#include "store/shown_cell.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "store/number_text.h"

namespace vorlane {

namespace {

constexpr uint32_t kPrefixedColumn = 3;  // shows its text from the fifth character
constexpr uint32_t kHiddenPrefixLength = 4;
// Kinds (the kind cell's low byte) of folder rows, whose number cells read "<DIR>".
constexpr uint32_t kKindIndexedImage = 1;
constexpr uint32_t kKindFolder = 2;
template <class Unit>
constexpr Unit kDirectoryText[] = {'<', 'D', 'I', 'R', '>', 0};
template <class Unit>
constexpr Unit kNoText[1] = {};

// The names of a check cell's states, as copy and the accessible objects give them.
constexpr const char* kCheckStateNames[] = {"not checked", "checked", "mixed"};

const char* MaskOf(const ColumnSet& columns, uint32_t column, char) {
    return columns.MaskText(column);
}
const char16_t* MaskOf(const ColumnSet& columns, uint32_t column, char16_t) {
    return columns.WideMaskText(column);
}

}  // namespace

const char* CheckStateName(uint32_t value) {
    return kCheckStateNames[CheckState(value)];
}

std::optional<uint32_t> FirstCheckColumn(const ColumnSet& columns) {
    for (const uint32_t column : columns.Shown()) {
        if (columns.CellKind(column) == kCellCheck) {
            return column;
        }
    }
    return std::nullopt;
}

template <class Unit>
const Unit* ShownCellText(const ColumnSet& columns, uint32_t column, uint32_t kindCell,
                          uint32_t value, Unit (&text)[kShownCellUnits]) {
    const ColumnRecord* record = columns.Get(column);
    if (record == nullptr) {
        return nullptr;
    }
    if (record->cellKind == kCellText) {
        if (column != kPrefixedColumn) {
            return text;
        }
        const size_t length = std::char_traits<Unit>::length(text);
        return length > kHiddenPrefixLength ? text + kHiddenPrefixLength : kNoText<Unit>;
    }
    if (record->cellKind == kCellCheck) {
        const char* name = CheckStateName(value);
        size_t i = 0;
        for (; name[i] != '\0'; ++i) {
            text[i] = static_cast<Unit>(name[i]);
        }
        text[i] = 0;
        return text;
    }
    if (record->cellKind != kCellNumber) {
        return nullptr;
    }
    const uint32_t kind = kindCell & 0xFF;
    if (kind == kKindIndexedImage || kind == kKindFolder) {
        std::copy(std::begin(kDirectoryText<Unit>), std::end(kDirectoryText<Unit>), text);
    } else {
        FormatNumber(value, text, 10, 10, 1, 0, 1);
    }
    if (record->maskOffset != 0) {
        ApplyMask(text, MaskOf(columns, column, Unit{}));
    }
    return text;
}

template const char* ShownCellText(const ColumnSet&, uint32_t, uint32_t, uint32_t,
                                   char (&)[kShownCellUnits]);
template const char16_t* ShownCellText(const ColumnSet&, uint32_t, uint32_t, uint32_t,
                                       char16_t (&)[kShownCellUnits]);

}  // namespace vorlane
