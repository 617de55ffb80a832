// A hand-built cell table and string pool for sort tests: rows of 32-bit slots in the layout of
// the grid (row offset = byte offset of the row's first slot) and NUL-terminated texts, of bytes
// or, 2-byte aligned, of UTF-16 units.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "store/sort_keys.h"

namespace vorlane::sorttest {

class SortTestGrid {
  public:
    explicit SortTestGrid(uint32_t columns) : columns_(columns) { pool_.push_back('\0'); }

    // Appends a row of raw slot values; returns its row offset.
    uint32_t AddRow(const std::vector<uint32_t>& slots) {
        const uint32_t offset = static_cast<uint32_t>(table_.size());
        for (uint32_t c = 0; c < columns_; ++c) {
            const uint32_t value = c < slots.size() ? slots[c] : 0;
            uint8_t bytes[4];
            std::memcpy(bytes, &value, 4);
            table_.insert(table_.end(), bytes, bytes + 4);
        }
        rows_.push_back(offset);
        return offset;
    }

    // Stores a text in the pool; returns its offset (never 0).
    uint32_t AddText(const std::string& text) {
        const uint32_t offset = static_cast<uint32_t>(pool_.size());
        pool_.insert(pool_.end(), text.begin(), text.end());
        pool_.push_back('\0');
        return offset;
    }

    // Stores a wide text at the next even offset; returns that offset (never 0).
    uint32_t AddWideText(const std::u16string& text) {
        pool_.resize(pool_.size() + pool_.size() % 2, '\0');
        const uint32_t offset = static_cast<uint32_t>(pool_.size());
        pool_.resize(pool_.size() + 2 * (text.size() + 1), '\0');
        std::memcpy(pool_.data() + offset, text.data(), 2 * text.size());
        return offset;
    }

    // Text keys are of the width the texts were added in; `fold` serves wide keys.
    SortSource Source(uint32_t keyColumn, bool textKeys, TextWidth width = TextWidth::Bytes,
                      const uint16_t* fold = nullptr) const {
        SortSource source;
        source.textWidth = width;
        source.fold = fold;
        source.table = table_.data();
        source.tableSize = table_.size();
        source.pool = pool_.data();
        source.poolSize = pool_.size();
        source.keyColumn = keyColumn;
        source.textKeys = textKeys;
        return source;
    }

    const std::vector<uint32_t>& Rows() const { return rows_; }
    std::vector<char>& Pool() { return pool_; }

  private:
    uint32_t columns_;
    std::vector<uint8_t> table_;
    std::vector<char> pool_;
    std::vector<uint32_t> rows_;  // row offsets in the order added
};

}  // namespace vorlane::sorttest
