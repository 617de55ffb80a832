#include "reliability_model.h"

#include <cstring>
#include <unordered_map>

#include "vorlane.h"

namespace testing_support {

namespace {

constexpr size_t kGuardBytes = 16;
constexpr char kGuard = '\x5A';

bool GuardIntact(const std::vector<char>& buffer, size_t from) {
    for (size_t i = from; i < buffer.size(); ++i) {
        if (buffer[i] != kGuard) {
            return false;
        }
    }
    return true;
}

std::string Describe(uint32_t column, uint32_t row, const char* what) {
    return "cell (" + std::to_string(column) + ", " + std::to_string(row) + "): " + what;
}

}  // namespace

uint32_t GridModel::TotalWidth() const {
    uint32_t total = 0;
    for (const ModelColumn& column : columns) {
        total += static_cast<uint32_t>(column.Room());
    }
    return total;
}

std::string GridModel::CheckCell(HWND grid, uint32_t column, uint32_t row) const {
    const ModelCell& expected = rows[row].cells[column];
    if (columns[column].IsText()) {
        std::vector<char> buffer(expected.text.size() + 1 + kGuardBytes, kGuard);
        Grid_GetCell(grid, column, row, buffer.data());
        if (!GuardIntact(buffer, expected.text.size() + 1)) {
            return Describe(column, row, "the text ran past its length");
        }
        if (buffer[expected.text.size()] != '\0' ||
            std::memcmp(buffer.data(), expected.text.data(), expected.text.size()) != 0) {
            return Describe(column, row,
                            ("text differs: expected " + std::to_string(expected.text.size()) +
                             " characters \"" + expected.text.substr(0, 40) + "\", read \"" +
                             std::string(buffer.data(), strnlen(buffer.data(), 40)) + "\"")
                                .c_str());
        }
        return {};
    }
    std::vector<char> buffer(4 + kGuardBytes, kGuard);
    Grid_GetCell(grid, column, row, buffer.data());
    uint32_t value = 0;
    std::memcpy(&value, buffer.data(), 4);
    if (!GuardIntact(buffer, 4)) {
        return Describe(column, row, "a value cell wrote past its 4 bytes");
    }
    if (value != expected.value) {
        return Describe(
            column, row,
            ("value " + std::to_string(value) + ", expected " + std::to_string(expected.value))
                .c_str());
    }
    return {};
}

std::string GridModel::ReorderFromControl(HWND grid) {
    std::unordered_map<uint32_t, size_t> byId;
    for (size_t i = 0; i < rows.size(); ++i) {
        byId[rows[i].id] = i;
    }
    std::vector<ModelRow> ordered;
    ordered.reserve(rows.size());
    std::vector<bool> taken(rows.size(), false);
    for (uint32_t position = 0; position < RowCount(); ++position) {
        uint32_t id = 0;
        Grid_GetCell(grid, kIdColumn, position, &id);
        auto found = byId.find(id);
        if (found == byId.end() || taken[found->second]) {
            return "row " + std::to_string(position) + " shows id " + std::to_string(id) +
                   ", which is no row or shown twice";
        }
        taken[found->second] = true;
        ordered.push_back(rows[found->second]);
    }
    rows = std::move(ordered);
    return {};
}

}  // namespace testing_support
