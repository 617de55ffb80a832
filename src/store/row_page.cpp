#include "store/row_page.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace vorlane {

const RowPage::Row* RowPage::Find(uint32_t row) const {
    for (const Row& held : rows_) {
        if (held.row == row) {
            return &held;
        }
    }
    return nullptr;
}

RowPage::Cell* RowPage::CellOf(uint32_t row, uint32_t column) {
    Row* held = Find(row);
    return held == nullptr || column >= held->cells.size() ? nullptr : &held->cells[column];
}

bool RowPage::Add(uint32_t row, uint32_t columnCount) {
    Drop(row);
    try {
        Row fresh;
        fresh.row = row;
        fresh.cells.resize(columnCount);
        rows_.push_back(std::move(fresh));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void RowPage::SetText(uint32_t row, uint32_t column, const void* text, uint32_t maxUnits) {
    Cell* cell = CellOf(row, column);
    if (cell == nullptr) {
        return;
    }
    cell->isText = true;
    cell->text.clear();
    if (text == nullptr) {
        return;
    }
    uint64_t units = 0;
    const uint32_t unitSize = UnitSize(width_);
    const char* bytes = static_cast<const char*>(text);
    while (units < maxUnits) {
        char16_t unit = 0;
        std::memcpy(&unit, bytes + units * unitSize, unitSize);
        if (unit == 0) {
            break;
        }
        ++units;
    }
    try {
        cell->text.assign(bytes, static_cast<size_t>(units * unitSize));
    } catch (const std::bad_alloc&) {
        cell->text.clear();  // shown empty rather than not at all
    }
}

void RowPage::SetValue(uint32_t row, uint32_t column, uint32_t value) {
    Cell* cell = CellOf(row, column);
    if (cell != nullptr) {
        cell->isText = false;
        cell->value = value;
    }
}

bool RowPage::Read(uint32_t row, uint32_t column, void* destination,
                   uint32_t destinationUnits) const {
    const Row* held = Find(row);
    if (held == nullptr || column >= held->cells.size() || destination == nullptr) {
        return false;
    }
    const Cell& cell = held->cells[column];
    const uint32_t unitSize = UnitSize(width_);
    if (!cell.isText) {
        if (uint64_t{destinationUnits} * unitSize < sizeof cell.value) {
            return false;
        }
        std::memcpy(destination, &cell.value, sizeof cell.value);
        return true;
    }
    if (destinationUnits == 0) {
        return false;
    }
    uint64_t units = std::min<uint64_t>(cell.text.size() / unitSize, destinationUnits - 1);
    if (width_ == TextWidth::Utf16 && units > 0) {
        char16_t lastKept = 0;
        std::memcpy(&lastKept, cell.text.data() + (units - 1) * unitSize, unitSize);
        if (units < cell.text.size() / unitSize && IsHighSurrogate(lastKept)) {
            --units;  // a pair is kept whole or not at all
        }
    }
    char* out = static_cast<char*>(destination);
    std::memcpy(out, cell.text.data(), static_cast<size_t>(units * unitSize));
    std::memset(out + units * unitSize, 0, unitSize);
    return true;
}

uint32_t RowPage::KindCell(uint32_t row) const {
    const Row* held = Find(row);
    return held == nullptr || held->cells.empty() ? 0 : held->cells.back().value;
}

void RowPage::Drop(uint32_t row) {
    rows_.erase(std::remove_if(rows_.begin(), rows_.end(),
                               [row](const Row& held) { return held.row == row; }),
                rows_.end());
}

void RowPage::Keep(uint32_t first, uint32_t last) {
    rows_.erase(std::remove_if(
                    rows_.begin(), rows_.end(),
                    [first, last](const Row& held) { return held.row < first || held.row > last; }),
                rows_.end());
}

}  // namespace vorlane
